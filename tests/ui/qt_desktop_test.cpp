#include "qt/qt_desktop.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace morvi {
namespace {

// Acts on the message box once it is up, while MsgBox waits for it.
void whenBoxShows(std::function<void(QMessageBox&)> act) {
    QTimer::singleShot(0, [act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        act(*box);
    });
}

struct BoxCase {
    int style;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
};

class MsgBoxStyle : public ::testing::TestWithParam<BoxCase> {};

TEST_P(MsgBoxStyle, ShowsItsIconButtonsAndDefault) {
    const BoxCase& k = GetParam();
    QtDesktop desktop;
    QMessageBox::Icon icon{};
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton{};
    QString title, text;
    whenBoxShows([&](QMessageBox& box) {
        icon = box.icon();
        buttons = box.standardButtons();
        defaultButton = box.standardButton(box.defaultButton());
        title = box.windowTitle();
        text = box.text();
        QTest::keyClick(&box, Qt::Key_Return);
    });
    desktop.MsgBox(QStringLiteral("本文"), k.style, QStringLiteral("題"));
    EXPECT_EQ(icon, k.icon);
    EXPECT_EQ(buttons, k.buttons);
    EXPECT_EQ(defaultButton, k.defaultButton);
    EXPECT_EQ(title, QStringLiteral("題"));
    EXPECT_EQ(text, QStringLiteral("本文"));
}

INSTANTIATE_TEST_SUITE_P(
    Styles, MsgBoxStyle,
    ::testing::Values(BoxCase{0, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok},
                      BoxCase{16, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok},
                      BoxCase{48, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok},
                      BoxCase{64, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok},
                      BoxCase{292, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No}));

struct AnswerCase {
    const char* what;
    int style;
    std::function<void(QMessageBox&)> press;
    int answer;
};

TEST(QtDesktop, MsgBoxReturnsTheButtonPressed) {
    const auto click = [](QMessageBox::StandardButton b) {
        return [b](QMessageBox& box) { box.button(b)->click(); };
    };
    const auto key = [](Qt::Key k) { return [k](QMessageBox& box) { QTest::keyClick(&box, k); }; };
    const AnswerCase cases[] = {
        {"OK clicked", 0, click(QMessageBox::Ok), 1},
        {"Escape on OK only", 48, key(Qt::Key_Escape), 1},
        {"Yes clicked", 292, click(QMessageBox::Yes), 6},
        {"No clicked", 292, click(QMessageBox::No), 7},
        {"Enter takes the default No", 292, key(Qt::Key_Return), 7},
    };
    QtDesktop desktop;
    for (const AnswerCase& k : cases) {
        SCOPED_TRACE(k.what);
        whenBoxShows(k.press);
        EXPECT_EQ(desktop.MsgBox(QStringLiteral("?"), k.style, QStringLiteral("t")), k.answer);
    }
}

TEST(QtDesktop, CtrlCCopiesTitleAndText) {
    QtDesktop desktop;
    QGuiApplication::clipboard()->clear();
    whenBoxShows([](QMessageBox& box) {
        QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(&box, Qt::Key_Return);
    });
    desktop.MsgBox(QStringLiteral("【ｴﾗｰｺｰﾄﾞ】 : (53)"), 0, QStringLiteral("Morvi"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Morvi\n【ｴﾗｰｺｰﾄﾞ】 : (53)"));
}

TEST(QtDesktop, MousePointerNeverStacks) {
    QtDesktop desktop;
    struct Step {
        int shape;
        bool hourglass;
    };
    for (const Step& s : {Step{11, true}, Step{11, true}, Step{0, false}, Step{0, false},
                          Step{11, true}, Step{0, false}}) {
        desktop.SetMousePointer(s.shape);
        const QCursor* cursor = QGuiApplication::overrideCursor();
        EXPECT_EQ(cursor != nullptr, s.hourglass) << s.shape;
        if (cursor) {
            EXPECT_EQ(cursor->shape(), Qt::WaitCursor);
        }
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace morvi
