#include "tally/add_item.h"

#include "tally_window.h"
#include "ui/error_frame.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace morvi {
namespace {

using namespace Qt::StringLiterals;
using testing::FakeGrid;
using testing::TallyWindow;
using testing::Totals;
using Lines = std::vector<QStringList>;

const std::vector<std::pair<QString, int32_t>> kFoods = {
    {u"P"_s, 250}, {u"Q"_s, 30}, {u"R"_s, 160}, {u"150"_s, 100},
    {u"Z"_s, 0},   {u"X"_s, 1},  {u"Y"_s, 1}};

// Everything an add may change, to show that a refused add changed none of it.
struct Snapshot {
    Lines lines;
    Totals totals;
    int16_t nextRow;
    int16_t rowCount;
    int32_t totalKcal;
    int64_t totalGram;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const TallyWindow& w) {
    const TallyState& t = w.form.tally;
    return {w.lines(),    w.totals(),    t.m_NextRow,
            t.m_RowCount, t.m_TotalKcal, t.m_TotalGram.tenThousandths()};
}

TEST(AddItem, SameFoodMergesAndKcalComesFromTheSummedGrams) {
    TallyWindow w(kFoods);
    w.add(u"Q"_s, u"50"_s);
    EXPECT_EQ(w.lines(), (Lines{{u"Q"_s, u"50"_s, u"133"_s}}));
    w.add(u"Q"_s, u"50"_s);
    EXPECT_EQ(w.lines(), (Lines{{u"Q"_s, u"100"_s, u"267"_s}}));
    EXPECT_EQ(w.totals(), (Totals{u"267"_s, u"100"_s, u"1"_s}));
    EXPECT_EQ(w.form.tally.m_NextRow, 2);
}

TEST(AddItem, OneLineFromValues) {
    struct Case {
        QString food;
        QString grams;
        QStringList line;
        Totals totals;
    };
    const Case cases[] = {
        {u"R"_s, u"5"_s, {u"R"_s, u"5"_s, u"2"_s}, {u"2"_s, u"5"_s, u"1"_s}},     // 2.5 -> 2
        {u"R"_s, u"15"_s, {u"R"_s, u"15"_s, u"8"_s}, {u"8"_s, u"15"_s, u"1"_s}},  // 7.5 -> 8
        {u"P"_s, u"."_s, {u"P"_s, u"0"_s, u"0"_s}, {u"0"_s, u"0"_s, u"1"_s}},
        {u"P"_s, u"12.5"_s, {u"P"_s, u"12.5"_s, u"4"_s}, {u"4"_s, u"12.5"_s, u"1"_s}},
        {u"P"_s, u"12.34567"_s, {u"P"_s, u"12.34567"_s, u"4"_s}, {u"4"_s, u"12.3457"_s, u"1"_s}},
        {u"P"_s, u"0150"_s, {u"P"_s, u"150"_s, u"48"_s}, {u"48"_s, u"150"_s, u"1"_s}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.food + u" "_s + c.grams).toStdString());
        TallyWindow w(kFoods);
        w.add(c.food, c.grams);
        EXPECT_EQ(w.lines(), Lines{c.line});
        EXPECT_EQ(w.totals(), c.totals);
    }
}

TEST(AddItem, FractionalGramsAddUpInTheTotalLabel) {
    TallyWindow w(kFoods);
    w.add(u"P"_s, u"12.34567"_s);
    w.add(u"Q"_s, u"0.00005"_s);
    EXPECT_EQ(w.lines()[1][2], u"0"_s);
    EXPECT_EQ(w.totals().grams, u"12.3457"_s);  // 0.00005 rounds to 0 in four places
    w.add(u"R"_s, u"0.5"_s);
    EXPECT_EQ(w.totals().grams, u"12.8457"_s);
}

TEST(AddItem, NewLineFormatting) {
    TallyWindow w(kFoods);
    w.add(u"P"_s, u"150"_s);
    w.add(u"Q"_s, u"100"_s);
    for (int row : {1, 2}) {
        SCOPED_TRACE(row);
        const FakeGrid& g = w.grd_Hyo;
        EXPECT_EQ(g.cell(row, 1).back, 0x80FFFFu);
        EXPECT_EQ(g.cell(row, 0).alignment, -1);
        EXPECT_EQ(g.cell(row, 1).alignment, 7);
        EXPECT_EQ(g.cell(row, 2).alignment, 7);
    }
}

TEST(AddItem, PointerFocusAndFieldsAfterAnAdd) {
    TallyWindow w(kFoods);
    w.add(u"P"_s, u"150"_s);
    EXPECT_EQ(w.desktop.log, (QStringList{u"Pointer:11"_s, u"DoEvents"_s, u"Pointer:0"_s}));
    EXPECT_EQ(w.desktop.pointer, 0);
    EXPECT_EQ(w.focus.focused, u"cbo_HINMEI"_s);
    EXPECT_EQ(w.txt_Glam.text, u"150"_s);
    EXPECT_EQ(w.cbo_HINMEI.Text(), u"P"_s);
    // "SET" again at once adds the same grams once more.
    cmd_SET_Click(w.form);
    EXPECT_EQ(w.lines(), (Lines{{u"P"_s, u"300"_s, u"96"_s}}));
}

TEST(AddItem, SetWarnsWhenFoodOrGramsAreMissing) {
    struct Case {
        const char* what;
        QString food;
        QString grams;
        QString prompt;
        QString focus;
    };
    const Case cases[] = {
        {"no food", u""_s, u"150"_s, u"品名を入力してください。"_s, u"cbo_HINMEI"_s},
        {"no food, no grams", u""_s, u""_s, u"品名を入力してください。"_s, u"cbo_HINMEI"_s},
        {"no grams", u"P"_s, u""_s, u"グラムを入力してください。"_s, u"txt_Glam"_s},
        {"only spaces", u"P"_s, u"   "_s, u"グラムを入力してください。"_s, u"txt_Glam"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TallyWindow w(kFoods);
        w.add(c.food, c.grams);
        ASSERT_EQ(w.desktop.messages.size(), 1u);
        EXPECT_EQ(w.desktop.messages[0].prompt, c.prompt);
        EXPECT_EQ(w.desktop.messages[0].style, 16);
        EXPECT_EQ(w.desktop.messages[0].title, u"入力確認"_s);
        EXPECT_EQ(w.desktop.log.first(), u"Beep"_s);
        EXPECT_EQ(w.desktop.beeps, 1);
        EXPECT_EQ(w.focus.focused, c.focus);
        EXPECT_TRUE(w.desktop.pointerHistory.empty());
        EXPECT_EQ(w.lines(), (Lines{{u""_s, u""_s, u""_s}}));
        EXPECT_EQ(w.totals(), (Totals{}));
    }
}

TEST(AddItem, AFoodNamedLikeANumberGetsItsOwnLine) {
    TallyWindow w(kFoods);
    w.add(u"P"_s, u"150"_s);
    w.add(u"150"_s, u"100"_s);
    EXPECT_EQ(w.lines(), (Lines{{u"P"_s, u"150"_s, u"48"_s}, {u"150"_s, u"100"_s, u"80"_s}}));
    EXPECT_EQ(w.totals(), (Totals{u"128"_s, u"250"_s, u"2"_s}));
}

// A refused add reports its number, keeps the tally as it was and lets the program go on.
void expectRefused(TallyWindow& w, const QString& food, const QString& grams, int number) {
    const Snapshot before = snapshot(w);
    w.forgetEvents();
    EXPECT_NO_THROW(w.add(food, grams));
    EXPECT_EQ(snapshot(w), before);
    ASSERT_EQ(w.desktop.messages.size(), 1u);
    EXPECT_TRUE(w.desktop.messages[0].prompt.startsWith(u"【ｴﾗｰｺｰﾄﾞ】 : (%1)"_s.arg(number)))
        << w.desktop.messages[0].prompt.toStdString();
    EXPECT_EQ(w.desktop.messages[0].style, 0);
    EXPECT_EQ(w.desktop.beeps, 0);
    EXPECT_EQ(w.desktop.pointerHistory.front(), 11);
    EXPECT_EQ(w.desktop.pointer, 0);
    EXPECT_EQ(w.focus.focused, u"cbo_HINMEI"_s);
}

TEST(AddItem, RefusedAddsLeaveTheTallyAsItWas) {
    struct Case {
        const char* what;
        QString first;  // grams of X added first, or none
        QString food;
        QString grams;
        int number;
    };
    const Case cases[] = {
        {"unit weight 0", u""_s, u"Z"_s, u"10"_s, 11},
        {"kcal of one line beyond 32 bits", u""_s, u"X"_s, u"99999999"_s, 6},
        {"kcal total beyond 32 bits", u"20000000"_s, u"Y"_s, u"20000000"_s, 6},
        {"merged kcal beyond 32 bits", u"20000000"_s, u"X"_s, u"20000000"_s, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TallyWindow w(kFoods);
        w.add(u"P"_s, u"150"_s);
        if (!c.first.isEmpty()) w.add(u"X"_s, c.first);
        expectRefused(w, c.food, c.grams, c.number);
        w.add(u"R"_s, u"5"_s);  // the tally goes on
        EXPECT_EQ(w.lines().back(), (QStringList{u"R"_s, u"5"_s, u"2"_s}));
    }
}

TEST(AddItem, GramTotalBeyondCurrencyIsRefused) {
    TallyWindow w(kFoods);
    w.add(u"P"_s, u"150"_s);
    w.form.tally.m_TotalGram =
        Currency::fromTenThousandths(std::numeric_limits<int64_t>::max() - 5000);
    expectRefused(w, u"Q"_s, u"1"_s, 6);
}

// A tally of n lines of food X with 0 g, as many adds would leave it.
void fillLines(TallyWindow& w, int n) {
    FakeGrid& g = w.grd_Hyo;
    g.SetRows(n + 1);
    for (int r = 1; r <= n; ++r) {
        g.SetTextMatrix(r, 0, u"X"_s);
        g.SetTextMatrix(r, 1, u"0"_s);
        g.SetTextMatrix(r, 2, u"0"_s);
    }
    g.SetTextMatrix(1, 0, u"P"_s);
    w.form.tally.m_NextRow = static_cast<int16_t>(n + 1);
    w.form.tally.m_RowCount = static_cast<int16_t>(n + 1);
    w.lbl_Goukei3.caption = QString::number(n);
}

TEST(AddItem, LineCapIs32766) {
    TallyWindow w(kFoods);
    fillLines(w, 32765);
    w.add(u"Q"_s, u"3"_s);
    EXPECT_EQ(w.totals(), (Totals{u"8"_s, u"3"_s, u"32766"_s}));
    EXPECT_EQ(w.lines().back(), (QStringList{u"Q"_s, u"3"_s, u"8"_s}));
    expectRefused(w, u"R"_s, u"5"_s, 6);
    // A food already listed still merges at the cap.
    w.add(u"P"_s, u"250"_s);
    EXPECT_EQ(w.lines().front(), (QStringList{u"P"_s, u"250"_s, u"80"_s}));
    EXPECT_EQ(w.totals(), (Totals{u"88"_s, u"253"_s, u"32766"_s}));
}

// A grid that fails while a line is being written.
class FailingGrid : public FakeGrid {
  public:
    void SetTextMatrix(int, int, const QString&) override { throw RunTimeError(err::kInvalidCall); }
};

TEST(AddItem, AGridFailureMidChangeEndsTheProgram) {
    TallyWindow w(kFoods);
    FailingGrid grid;
    Form form{Controls{w.cbo_HINMEI, w.txt_Glam, w.cmd_SET, grid, w.lbl_Goukei, w.lbl_Goukei2,
                       w.lbl_Goukei3},
              w.desktop,
              w.form.food,
              {}};
    w.cbo_HINMEI.choose(u"P"_s);
    w.txt_Glam.text = u"150"_s;
    EXPECT_THROW(cmd_SET_Click(form), ProgramEnd);
    ASSERT_EQ(w.desktop.messages.size(), 2u);
    EXPECT_TRUE(w.desktop.messages[0].prompt.startsWith(u"【ｴﾗｰｺｰﾄﾞ】 : (5)"_s));
    EXPECT_EQ(w.desktop.messages[1].prompt, u"強制終了します。"_s);
    EXPECT_EQ(w.desktop.pointer, 0);
}

}  // namespace
}  // namespace morvi
