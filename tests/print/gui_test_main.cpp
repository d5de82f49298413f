#include <QGuiApplication>

#include <gtest/gtest.h>

// Fonts and printers need a GUI application; without a screen it is the offscreen one (test
// discovery runs the program without the tests' environment).
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
