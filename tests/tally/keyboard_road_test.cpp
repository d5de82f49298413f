// The tally worked on the real window, by keyboard and mouse, with scripted message boxes.
#include "tally_on_window.h"

namespace morvi {
namespace {

using namespace Qt::StringLiterals;
using testing::Lines;
using testing::TallyOnTheWindow;
using testing::Totals;

TEST_F(TallyOnTheWindow, WorkedExampleByKeyboard) {
    struct Step {
        int food;
        const char* grams;
        Lines lines;
        Totals totals;
    };
    const Step steps[] = {
        {0, "150", {{u"P"_s, u"150"_s, u"48"_s}}, {u"48"_s, u"150"_s, u"1"_s}},
        {0, "100", {{u"P"_s, u"250"_s, u"80"_s}}, {u"80"_s, u"250"_s, u"1"_s}},
        {1,
         "100",
         {{u"P"_s, u"250"_s, u"80"_s}, {u"Q"_s, u"100"_s, u"267"_s}},
         {u"347"_s, u"350"_s, u"2"_s}},
        {2,
         "5",
         {{u"P"_s, u"250"_s, u"80"_s}, {u"Q"_s, u"100"_s, u"267"_s}, {u"R"_s, u"5"_s, u"2"_s}},
         {u"349"_s, u"355"_s, u"3"_s}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.grams);
        addByKeyboard(s.food, s.grams);
        EXPECT_EQ(shownLines(), s.lines);
        EXPECT_EQ(shownTotals(), s.totals);
        EXPECT_EQ(focused(), window->cbo_HINMEI);
        EXPECT_EQ(window->txt_Glam->text(), QString::fromLatin1(s.grams));
        EXPECT_EQ(desktop.pointerHistory, (std::vector<int>{11, 0}));
    }
    EXPECT_TRUE(desktop.messages.empty());

    // A click on Q, answered Yes, removes it.
    desktop.answerNext(answer::kYes);
    clickLine(2);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].prompt, u"Q を削除しますか"_s);
    EXPECT_EQ(shownLines(), (Lines{{u"P"_s, u"250"_s, u"80"_s}, {u"R"_s, u"5"_s, u"2"_s}}));
    EXPECT_EQ(shownTotals(), (Totals{u"82"_s, u"255"_s, u"2"_s}));

    // "CLEAR" empties it without a question.
    QTest::mouseClick(window->cmd_Clear, Qt::LeftButton);
    EXPECT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(shownLines(), (Lines{{u""_s, u""_s, u""_s}}));
    EXPECT_EQ(shownTotals(), (Totals{}));
    EXPECT_EQ(window->txt_Glam->text(), u""_s);
    EXPECT_EQ(focused(), window->cbo_HINMEI);
}

TEST_F(TallyOnTheWindow, EmptyGramFieldWarnsOnEnterAndSetWarnsWithoutAFood) {
    window->txt_Glam->setFocus();
    QTest::keyClick(window->txt_Glam, Qt::Key_Return);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].prompt, u"グラムを入力してください"_s);
    EXPECT_EQ(focused(), window->txt_Glam);

    QTest::keyClicks(window->txt_Glam, "150");
    QTest::mouseClick(window->cmd_SET, Qt::LeftButton);
    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(desktop.messages[1].prompt, u"品名を入力してください。"_s);
    EXPECT_EQ(desktop.beeps, 1);
    EXPECT_EQ(focused(), window->cbo_HINMEI);
    EXPECT_EQ(shownLines(), (Lines{{u""_s, u""_s, u""_s}}));
}

}  // namespace
}  // namespace morvi
