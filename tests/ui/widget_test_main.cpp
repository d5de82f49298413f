#include <gtest/gtest.h>
#include <QApplication>

// Widget tests need one application for the whole run; test discovery at build time runs the
// program without the tests' environment, so it falls back to the offscreen screen itself.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
