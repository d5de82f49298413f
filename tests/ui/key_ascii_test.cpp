#include "qt/key_ascii.h"

#include <gtest/gtest.h>
#include <QKeyEvent>
#include <QRegularExpression>

namespace morvi {
namespace {

struct Case {
    const char* what;
    int key;
    Qt::KeyboardModifiers mods;
    QString text;
    QList<int16_t> codes;
};

class KeyAscii : public ::testing::TestWithParam<Case> {};

TEST_P(KeyAscii, GivesTheCharacterCodesTheHandlersSee) {
    const Case& k = GetParam();
    const QKeyEvent event(QEvent::KeyPress, k.key, k.mods, k.text);
    EXPECT_EQ(keyAsciiCodes(event), k.codes);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyAscii,
    ::testing::Values(Case{"digit", Qt::Key_1, Qt::NoModifier, "1", {49}},
                      Case{"full stop", Qt::Key_Period, Qt::NoModifier, ".", {46}},
                      Case{"letter", Qt::Key_A, Qt::NoModifier, "a", {97}},
                      Case{"keypad digit", Qt::Key_5, Qt::KeypadModifier, "5", {53}},
                      Case{"enter", Qt::Key_Return, Qt::NoModifier, "\r", {13}},
                      Case{"keypad enter", Qt::Key_Enter, Qt::KeypadModifier, "\r", {13}},
                      Case{"tab", Qt::Key_Tab, Qt::NoModifier, "\t", {9}},
                      Case{"backspace", Qt::Key_Backspace, Qt::NoModifier, "\b", {8}},
                      Case{"ctrl+v", Qt::Key_V, Qt::ControlModifier, "", {22}},
                      Case{"ctrl+c", Qt::Key_C, Qt::ControlModifier, "\x03", {3}},
                      Case{"ctrl+a", Qt::Key_A, Qt::ControlModifier, "", {1}},
                      Case{"full-width digit",
                           Qt::Key_unknown,
                           Qt::NoModifier,
                           QStringLiteral("１"),
                           {int16_t(0xFF11)}},
                      Case{"surrogate pair",
                           Qt::Key_unknown,
                           Qt::NoModifier,
                           QStringLiteral("😀"),
                           {int16_t(0xD83D), int16_t(0xDE00)}},
                      Case{"escape", Qt::Key_Escape, Qt::NoModifier, "\x1b", {27}},
                      Case{"delete", Qt::Key_Delete, Qt::NoModifier, "\x7f", {}},
                      Case{"arrow", Qt::Key_Left, Qt::NoModifier, "", {}},
                      Case{"shift+tab", Qt::Key_Backtab, Qt::ShiftModifier, "", {}},
                      Case{"ctrl+tab", Qt::Key_Tab, Qt::ControlModifier, "\t", {}},
                      Case{"alt+f", Qt::Key_F, Qt::AltModifier, "f", {}}),
    [](const ::testing::TestParamInfo<Case>& info) {
        QString name = QString::fromLatin1(info.param.what);
        name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"));
        return name.toStdString();
    });

}  // namespace
}  // namespace morvi
