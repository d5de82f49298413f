#include "food/form_init.h"

#include "fake_controls.h"
#include "ui/error_frame.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace morvi {
namespace {

using namespace Qt::StringLiterals;
using testing::FakeGrid;
using testing::FakeWindow;

constexpr ColorBgr kNone = FakeGrid::kNoColor;

class FormInitTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.setFoods({{u"牛乳"_s, 131}, {u"ごはん"_s, 51}, {u"食パン"_s, 32}});
        window.cbo_HINMEI.Clear();
    }
    // A tally of three lines with totals, the current cell on the second line.
    void fillTally() {
        FakeGrid& g = window.grd_Hyo;
        g.SetRows(4);
        for (int r = 1; r < 4; ++r) g.SetTextMatrix(r, 0, u"牛乳"_s);
        g.SetRow(2);
        g.SetCol(0);
        window.form.tally.m_NextRow = 4;
        window.form.tally.m_RowCount = 4;
        window.form.tally.m_TotalKcal = 240;
        window.form.tally.m_TotalGram = Currency::fromTenThousandths(3000000);
        window.lbl_Goukei.caption = u"240"_s;
        window.txt_Glam.text = u"100"_s;
    }
    void expectStartingState() {
        const FakeGrid& g = window.grd_Hyo;
        EXPECT_EQ(g.Rows(), 2);
        EXPECT_EQ(g.Cols(), 3);
        EXPECT_EQ(g.fixedRows, 1);
        EXPECT_EQ(g.fixedCols, 0);
        const char16_t* header[] = {u"品名", u"グラム(g)", u"カロリー(KCal)"};
        for (int c = 0; c < 3; ++c) {
            SCOPED_TRACE(c);
            EXPECT_EQ(g.cell(0, c).text, QString::fromUtf16(header[c]));
            EXPECT_EQ(g.cell(0, c).fore, 0xC00000u);
            EXPECT_EQ(g.cell(1, c).text, QString());
        }
        EXPECT_EQ(g.colWidth, (std::vector<int>{2000, 1000, 1192}));
        EXPECT_EQ(g.colAlignment, (std::vector<int>{1, 4, 4}));
        EXPECT_EQ(g.Row(), 0);
        EXPECT_EQ(g.Col(), 2);
        const TallyState& t = window.form.tally;
        EXPECT_EQ(t.m_NextRow, 1);
        EXPECT_EQ(t.m_RowCount, 1);
        EXPECT_EQ(t.m_TotalKcal, 0);
        EXPECT_EQ(t.m_TotalGram, Currency());
        EXPECT_EQ(window.txt_Glam.text, QString());
        EXPECT_EQ(window.lbl_Goukei.caption, QString());
        EXPECT_EQ(window.lbl_Goukei2.caption, QString());
        EXPECT_EQ(window.lbl_Goukei3.caption, QString());
        EXPECT_EQ(window.focus.focused, u"cbo_HINMEI"_s);
        using Item = std::pair<QString, int32_t>;
        EXPECT_EQ(window.cbo_HINMEI.items,
                  (std::vector<Item>{{u"牛乳"_s, 131}, {u"ごはん"_s, 51}, {u"食パン"_s, 32}}));
        EXPECT_EQ(window.desktop.pointer, 0);
        EXPECT_TRUE(window.desktop.messages.empty());
    }

    FakeWindow window;
};

TEST_F(FormInitTest, StartUpColoursTheGramCellOfRowOne) {
    Form_Init(window.form);
    expectStartingState();
    const FakeGrid& g = window.grd_Hyo;
    EXPECT_EQ(g.cell(1, 1).back, 0x80FFFFu);
    EXPECT_EQ(g.cell(1, 0).back, kNone);
    EXPECT_EQ(g.cell(0, 1).back, kNone);
}

// "CLEAR" colours the gram cell of the row that was current, which the shrink then drops.
TEST_F(FormInitTest, RerunEmptiesTheTallyAndKeepsThePicker) {
    Form_Init(window.form);
    fillTally();
    window.grd_Hyo.SetRow(1);
    Form_Init(window.form);
    expectStartingState();
    EXPECT_EQ(window.grd_Hyo.cell(1, 1).back, 0x80FFFFu);

    fillTally();
    Form_Init(window.form);
    expectStartingState();
    EXPECT_EQ(window.grd_Hyo.cell(1, 1).back, kNone);
    EXPECT_EQ(window.form.food.m_MenuCount, 3);
}

// Right after a run the current cell is in the header row, so a second run colours (0, 1).
TEST_F(FormInitTest, ImmediateRerunColoursTheHeaderGramCell) {
    Form_Init(window.form);
    Form_Init(window.form);
    expectStartingState();
    EXPECT_EQ(window.grd_Hyo.cell(0, 1).back, 0x80FFFFu);
    EXPECT_EQ(window.grd_Hyo.cell(1, 1).back, kNone);
}

TEST_F(FormInitTest, EmptyTableLeavesThePickerEmpty) {
    window.setFoods({});
    Form_Init(window.form);
    EXPECT_TRUE(window.cbo_HINMEI.items.empty());
    EXPECT_EQ(window.grd_Hyo.cell(0, 2).text, u"カロリー(KCal)"_s);
    EXPECT_EQ(window.focus.focused, u"cbo_HINMEI"_s);
}

// The item data goes through NewIndex, so a picker that keeps its items sorted still pairs each
// name with its own weight.
class SortingPicker : public testing::FakePicker {
  public:
    using FakePicker::FakePicker;
    void AddItem(const QString& text) override {
        auto at =
            std::lower_bound(items.begin(), items.end(), text,
                             [](const auto& item, const QString& t) { return item.first < t; });
        newIndex_ = static_cast<int>(at - items.begin());
        items.insert(at, {text, 0});
    }
    int NewIndex() const override { return newIndex_; }

  private:
    int newIndex_ = -1;
};

TEST(FormInitPicker, ItemDataFollowsNewIndex) {
    FakeWindow window;
    SortingPicker picker(window.focus);
    Form form{Controls{picker, window.txt_Glam, window.cmd_SET, window.grd_Hyo, window.lbl_Goukei,
                       window.lbl_Goukei2, window.lbl_Goukei3},
              window.desktop,
              {},
              {}};
    form.food.m_MenuCount = 2;
    form.food.m_Hinmei = {QString(), u"b"_s, u"a"_s};
    form.food.m_UnitGram = {0, 20, 10};
    Form_Init(form);
    using Item = std::pair<QString, int32_t>;
    EXPECT_EQ(picker.items, (std::vector<Item>{{u"a"_s, 10}, {u"b"_s, 20}}));
}

// A failing control: the report, then the beep, the termination notice and the program's end.
class FailingFocusPicker : public testing::FakePicker {
  public:
    using FakePicker::FakePicker;
    void SetFocus() override { throw RunTimeError(5); }
};

TEST(FormInitError, ReportsThenEndsTheProgram) {
    FakeWindow window;
    FailingFocusPicker picker(window.focus);
    Form form{Controls{picker, window.txt_Glam, window.cmd_SET, window.grd_Hyo, window.lbl_Goukei,
                       window.lbl_Goukei2, window.lbl_Goukei3},
              window.desktop,
              {},
              {}};
    EXPECT_THROW(Form_Init(form), ProgramEnd);
    ASSERT_EQ(window.desktop.messages.size(), 2u);
    EXPECT_TRUE(window.desktop.messages[0].prompt.startsWith(u"【ｴﾗｰｺｰﾄﾞ】 : (5)\r\n"_s));
    EXPECT_EQ(window.desktop.messages[1].prompt, u"強制終了します。"_s);
    EXPECT_EQ(window.desktop.messages[1].style, 48);
    EXPECT_EQ(window.desktop.beeps, 1);
}

}  // namespace
}  // namespace morvi
