#include "tally/remove_item.h"

#include "tally_window.h"

#include <gtest/gtest.h>

namespace morvi {
namespace {

using namespace Qt::StringLiterals;
using testing::TallyWindow;
using testing::Totals;
using Lines = std::vector<QStringList>;

const std::vector<std::pair<QString, int32_t>> kFoods = {
    {u"P"_s, 250}, {u"Q"_s, 30}, {u"R"_s, 160}};

const Lines kStartLines = {{u""_s, u""_s, u""_s}};

// The lines P 250 80, Q 100 267, R 5 2 with totals 349, 355, 3.
struct ExampleTally : TallyWindow {
    ExampleTally() : TallyWindow(kFoods) {
        add(u"P"_s, u"150"_s);
        add(u"P"_s, u"100"_s);
        add(u"Q"_s, u"100"_s);
        add(u"R"_s, u"5"_s);
        forgetEvents();
    }
    // A click on the line's name cell, the question answered as given.
    void clickRow(int row, int answer) {
        desktop.answerNext(answer);
        grd_Hyo.SetRow(row);
        grd_Hyo.SetCol(2);
        grd_Hyo_Click(form);
    }
};

void expectStartingState(const TallyWindow& w) {
    EXPECT_EQ(w.lines(), kStartLines);
    EXPECT_EQ(w.totals(), (Totals{}));
    EXPECT_EQ(w.txt_Glam.text, u""_s);
    EXPECT_EQ(w.cbo_HINMEI.ListCount(), 3);
    EXPECT_EQ(w.cbo_HINMEI.ItemData(1), 30);
    EXPECT_EQ(w.focus.focused, u"cbo_HINMEI"_s);
    EXPECT_EQ(w.form.tally.m_NextRow, 1);
    EXPECT_EQ(w.form.tally.m_RowCount, 1);
    EXPECT_EQ(w.form.tally.m_TotalKcal, 0);
    EXPECT_EQ(w.form.tally.m_TotalGram.tenThousandths(), 0);
}

TEST(RemoveItem, WorkedExampleRemovesTheMiddleLine) {
    ExampleTally w;
    w.clickRow(2, answer::kYes);
    ASSERT_EQ(w.desktop.messages.size(), 1u);
    EXPECT_EQ(w.desktop.messages[0].prompt, u"Q を削除しますか"_s);
    EXPECT_EQ(w.desktop.messages[0].style, 292);
    EXPECT_EQ(w.desktop.messages[0].title, u"行削除確認"_s);
    EXPECT_EQ(w.lines(), (Lines{{u"P"_s, u"250"_s, u"80"_s}, {u"R"_s, u"5"_s, u"2"_s}}));
    EXPECT_EQ(w.totals(), (Totals{u"82"_s, u"255"_s, u"2"_s}));
    EXPECT_EQ(w.form.tally.m_NextRow, 3);
    EXPECT_EQ(w.form.tally.m_RowCount, 3);
    EXPECT_EQ(w.form.tally.m_TotalGram.tenThousandths(), 2550000);
    EXPECT_EQ(w.form.tally.m_TotalKcal, 349);  // rebuilt by the next add
    EXPECT_EQ(w.desktop.pointer, 0);
    // The next add goes to the row after the new last line.
    w.add(u"Q"_s, u"30"_s);
    EXPECT_EQ(
        w.lines(),
        (Lines{{u"P"_s, u"250"_s, u"80"_s}, {u"R"_s, u"5"_s, u"2"_s}, {u"Q"_s, u"30"_s, u"80"_s}}));
    EXPECT_EQ(w.totals(), (Totals{u"162"_s, u"285"_s, u"3"_s}));
}

TEST(RemoveItem, AnythingButYesChangesNothing) {
    struct Case {
        const char* what;
        int answer;
    };
    const Case cases[] = {{"No", answer::kNo}, {"OK", answer::kOk}, {"Enter gives No", -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ExampleTally w;
        const Lines before = w.lines();
        if (c.answer >= 0) w.desktop.answerNext(c.answer);
        w.grd_Hyo.SetRow(1);
        grd_Hyo_Click(w.form);
        EXPECT_EQ(w.desktop.messages.size(), 1u);
        EXPECT_EQ(w.lines(), before);
        EXPECT_EQ(w.totals(), (Totals{u"349"_s, u"355"_s, u"3"_s}));
        EXPECT_EQ(w.form.tally.m_NextRow, 4);
        EXPECT_EQ(w.desktop.pointer, 0);
    }
}

TEST(RemoveItem, NoLineUnderTheClickAsksNothing) {
    struct Case {
        const char* what;
        int row;
        QString name;
    };
    const Case cases[] = {
        {"empty name cell", 1, u""_s},
        {"name of spaces", 1, u"  "_s},
        {"header row", 0, u"品名"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ExampleTally w;
        w.grd_Hyo.SetTextMatrix(c.row, 0, c.name);
        const Lines before = w.lines();
        w.clickRow(c.row, answer::kYes);
        EXPECT_TRUE(w.desktop.messages.empty());
        EXPECT_EQ(w.lines(), before);
        EXPECT_EQ(w.grd_Hyo.Rows(), 4);
        EXPECT_EQ(w.totals(), (Totals{u"349"_s, u"355"_s, u"3"_s}));
    }
}

TEST(RemoveItem, ClickOnTheBlankRowOfAnEmptyTally) {
    TallyWindow w(kFoods);
    w.desktop.answerNext(answer::kYes);
    w.grd_Hyo.SetRow(1);
    grd_Hyo_Click(w.form);
    EXPECT_TRUE(w.desktop.messages.empty());
    EXPECT_EQ(w.lines(), kStartLines);
    EXPECT_EQ(w.desktop.pointerHistory, (std::vector<int>{0}));
}

TEST(RemoveItem, RemovingTheOnlyLineGivesTheStartingState) {
    TallyWindow w(kFoods);
    w.add(u"P"_s, u"150"_s);
    w.cbo_HINMEI.choose(u"Q"_s);
    w.desktop.answerNext(answer::kYes);
    w.grd_Hyo.SetRow(1);
    grd_Hyo_Click(w.form);
    EXPECT_EQ(w.desktop.messages.size(), 1u);
    expectStartingState(w);
    EXPECT_EQ(w.cbo_HINMEI.ListIndex(), -1);
}

TEST(RemoveItem, FirstAndLastLines) {
    struct Case {
        int row;
        Lines lines;
        Totals totals;
    };
    const Case cases[] = {
        {1, {{u"Q"_s, u"100"_s, u"267"_s}, {u"R"_s, u"5"_s, u"2"_s}}, {u"269"_s, u"105"_s, u"2"_s}},
        {3,
         {{u"P"_s, u"250"_s, u"80"_s}, {u"Q"_s, u"100"_s, u"267"_s}},
         {u"347"_s, u"350"_s, u"2"_s}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        ExampleTally w;
        w.clickRow(c.row, answer::kYes);
        EXPECT_EQ(w.lines(), c.lines);
        EXPECT_EQ(w.totals(), c.totals);
        EXPECT_EQ(w.form.tally.m_NextRow, 3);
    }
}

TEST(RemoveItem, FractionalGramsLeaveTheGeneralNumberText) {
    TallyWindow w(kFoods);
    w.add(u"P"_s, u"343"_s);
    w.add(u"Q"_s, u"12.5"_s);
    EXPECT_EQ(w.totals(), (Totals{u"143"_s, u"355.5"_s, u"2"_s}));
    w.desktop.answerNext(answer::kYes);
    w.grd_Hyo.SetRow(2);
    grd_Hyo_Click(w.form);
    EXPECT_EQ(w.totals(), (Totals{u"110"_s, u"343"_s, u"1"_s}));
    EXPECT_EQ(w.form.tally.m_TotalGram.tenThousandths(), 3430000);
}

TEST(RemoveItem, ARefusedRemovalChangesNothing) {
    ExampleTally w;
    w.grd_Hyo.SetTextMatrix(2, 1, u"1e400"_s);  // beyond a double: error 6 while reading
    const Lines before = w.lines();
    w.clickRow(2, answer::kYes);
    ASSERT_EQ(w.desktop.messages.size(), 2u);
    EXPECT_TRUE(w.desktop.messages[1].prompt.startsWith(u"【ｴﾗｰｺｰﾄﾞ】 : (6)"_s));
    EXPECT_EQ(w.lines(), before);
    EXPECT_EQ(w.totals(), (Totals{u"349"_s, u"355"_s, u"3"_s}));
    EXPECT_EQ(w.form.tally.m_NextRow, 4);
    EXPECT_EQ(w.form.tally.m_TotalGram.tenThousandths(), 3550000);
}

TEST(ClearTally, FullOrEmptyGivesTheStartingStateWithoutAQuestion) {
    for (bool full : {true, false}) {
        SCOPED_TRACE(full ? "full" : "empty");
        TallyWindow w(kFoods);
        if (full) {
            w.add(u"P"_s, u"150"_s);
            w.add(u"Q"_s, u"100"_s);
            w.grd_Hyo.SetRow(2);
        }
        w.txt_Glam.text = u"77"_s;
        w.forgetEvents();
        cmd_Clear_Click(w.form);
        EXPECT_TRUE(w.desktop.messages.empty());
        expectStartingState(w);
        EXPECT_EQ(w.desktop.pointer, 0);
    }
}

}  // namespace
}  // namespace morvi
