#include "tally/entry_keys.h"

#include "fake_controls.h"

#include <gtest/gtest.h>

namespace morvi {
namespace {

using namespace Qt::StringLiterals;
using testing::FakeWindow;

constexpr int16_t kFullWidthOne = static_cast<int16_t>(0xFF11);  // "１"

TEST(GramFieldKeys, CharacterRule) {
    struct Case {
        const char* what;
        QString text;
        int selLength;
        int16_t key;
        int16_t expected;
    };
    const Case cases[] = {
        {"digit into empty field", u""_s, 0, '1', '1'},
        {"zero", u"1"_s, 0, '0', '0'},
        {"nine", u"1"_s, 0, '9', '9'},
        {"full stop", u"1"_s, 0, '.', '.'},
        {"a second full stop", u"1.2"_s, 0, '.', '.'},
        {"eighth character", u"1234567"_s, 0, '8', '8'},
        {"ninth character", u"12345678"_s, 0, '9', 0},
        {"ninth full stop", u"1234.678"_s, 0, '.', 0},
        {"ninth with all selected", u"12345678"_s, 8, '9', 0},
        {"backspace at the cap", u"12345678"_s, 0, 8, 8},
        {"backspace in empty field", u""_s, 0, 8, 8},
        {"space", u"1"_s, 0, ' ', 0},
        {"minus", u"1"_s, 0, '-', 0},
        {"plus", u""_s, 0, '+', 0},
        {"comma", u"1"_s, 0, ',', 0},
        {"letter", u""_s, 0, 'a', 0},
        {"exponent letter", u"1"_s, 0, 'E', 0},
        {"slash, just below 0", u""_s, 0, '/', 0},
        {"colon, just above 9", u""_s, 0, ':', 0},
        {"full-width digit", u""_s, 0, kFullWidthOne, 0},
        {"ideographic full stop", u""_s, 0, 0x3002, 0},
        {"copy shortcut", u"1"_s, 0, 3, 0},
        {"paste shortcut", u"1"_s, 0, 22, 0},
        {"escape", u"1"_s, 0, 27, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeWindow w;
        w.txt_Glam.text = c.text;
        w.txt_Glam.selLength = c.selLength;
        int16_t key = c.key;
        txt_Glam_KeyPress(w.form, key);
        EXPECT_EQ(key, c.expected);
        EXPECT_EQ(w.txt_Glam.text, c.text);
        EXPECT_TRUE(w.desktop.messages.empty());
        EXPECT_EQ(w.focus.focused, u""_s);
    }
}

TEST(GramFieldKeys, EnterAndTabLeaveTheField) {
    struct Case {
        const char* what;
        QString text;
        int16_t key;
        bool warns;
        QString focus;
    };
    const Case cases[] = {
        {"Enter, empty", u""_s, 13, true, u"txt_Glam"_s},
        {"Tab, empty", u""_s, 9, true, u"txt_Glam"_s},
        {"Enter, grams", u"150"_s, 13, false, u"cmd_SET"_s},
        {"Tab, grams", u"150"_s, 9, false, u"cmd_SET"_s},
        {"Enter, only a full stop", u"."_s, 13, false, u"cmd_SET"_s},
        {"Enter, zero", u"0"_s, 13, false, u"cmd_SET"_s},
        {"Enter, a space is not empty", u" "_s, 13, false, u"cmd_SET"_s},
        {"Enter, at the cap", u"12345678"_s, 13, false, u"cmd_SET"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeWindow w;
        w.txt_Glam.text = c.text;
        int16_t key = c.key;
        txt_Glam_KeyPress(w.form, key);
        EXPECT_EQ(key, 0);
        EXPECT_EQ(w.focus.focused, c.focus);
        EXPECT_EQ(w.desktop.beeps, 0);
        if (c.warns) {
            ASSERT_EQ(w.desktop.messages.size(), 1u);
            EXPECT_EQ(w.desktop.messages[0].prompt, u"グラムを入力してください"_s);
            EXPECT_EQ(w.desktop.messages[0].style, 16);
            EXPECT_EQ(w.desktop.messages[0].title, u"入力確認"_s);
        } else {
            EXPECT_TRUE(w.desktop.messages.empty());
        }
    }
}

TEST(PickerKeys, EnterAndTabMoveToTheGramField) {
    struct Case {
        const char* what;
        int16_t key;
        int16_t expected;
        QString focus;
    };
    const Case cases[] = {
        {"Enter", 13, 0, u"txt_Glam"_s}, {"Tab", 9, 0, u"txt_Glam"_s}, {"letter", 'a', 'a', u""_s},
        {"digit", '1', '1', u""_s},      {"backspace", 8, 8, u""_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeWindow w;  // nothing chosen: Enter moves on all the same
        int16_t key = c.key;
        cbo_HINMEI_KeyPress(w.form, key);
        EXPECT_EQ(key, c.expected);
        EXPECT_EQ(w.focus.focused, c.focus);
        EXPECT_TRUE(w.desktop.messages.empty());
    }
}

TEST(GramFieldFocus, SelectsTheWholeTextAndResetsThePointer) {
    struct Case {
        QString text;
        int selStart;
        int selLength;
    };
    const Case cases[] = {{u"150"_s, 2, 0}, {u""_s, 0, 0}, {u"12345678"_s, 8, 0}, {u"1.5"_s, 0, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        FakeWindow w;
        w.desktop.SetMousePointer(11);
        w.txt_Glam.text = c.text;
        w.txt_Glam.selStart = c.selStart;
        w.txt_Glam.selLength = c.selLength;
        txt_Glam_GotFocus(w.form);
        EXPECT_EQ(w.txt_Glam.selStart, 0);
        EXPECT_EQ(w.txt_Glam.selLength, c.text.size());
        EXPECT_EQ(w.desktop.pointer, 0);
        EXPECT_TRUE(w.desktop.messages.empty());
    }
}

}  // namespace
}  // namespace morvi
