// One set of cases run against the window's grid and the test fake, so both mean the same.
#include "base/run_time_error.h"
#include "fake_controls.h"
#include "qt/qt_controls.h"

#include <gtest/gtest.h>
#include <QHeaderView>
#include <QTableWidget>
#include <functional>
#include <optional>

namespace morvi {
namespace {

using testing::FakeGrid;

struct FakeGridProbe {
    FakeGrid grid;
    std::optional<ColorBgr> back(int r, int c) const { return color(grid.cell(r, c).back); }
    std::optional<ColorBgr> fore(int r, int c) const { return color(grid.cell(r, c).fore); }
    int alignment(int r, int c) const {
        const int own = grid.cell(r, c).alignment;
        return own >= 0 ? own : grid.colAlignment.at(c);
    }
    int colWidth(int c) const { return grid.colWidth.at(c); }

  private:
    static std::optional<ColorBgr> color(ColorBgr c) {
        return c == FakeGrid::kNoColor ? std::nullopt : std::optional<ColorBgr>(c);
    }
};

struct QtGridProbe {
    QTableWidget table;
    QtGrid grid{&table};
    std::optional<ColorBgr> back(int r, int c) const { return grid.cellBackColor(r, c); }
    std::optional<ColorBgr> fore(int r, int c) const { return grid.cellForeColor(r, c); }
    int alignment(int r, int c) const { return grid.cellAlignment(r, c); }
    int colWidth(int c) const { return grid.colWidth(c); }
};

template <class Probe>
class GridContract : public ::testing::Test {
  protected:
    Probe probe;
    Grid& grid = probe.grid;

    void fill() {
        grid.SetRows(4);
        const char* texts[4][3] = {{"品名", "グラム(g)", "カロリー(KCal)"},
                                   {"ごはん", "150", "252"},
                                   {"納豆", "50", "100"},
                                   {"みかん", "100", "46"}};
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c) grid.SetTextMatrix(r, c, QString::fromUtf8(texts[r][c]));
    }
    QStringList column(int c) {
        QStringList out;
        for (int r = 0; r < grid.Rows(); ++r) out << grid.TextMatrix(r, c);
        return out;
    }
};

using Probes = ::testing::Types<FakeGridProbe, QtGridProbe>;
TYPED_TEST_SUITE(GridContract, Probes);

TYPED_TEST(GridContract, StartsWithHeaderAndOneBlankRowOfThreeColumns) {
    EXPECT_EQ(this->grid.Rows(), 2);
    EXPECT_EQ(this->grid.Cols(), 3);
    EXPECT_EQ(this->grid.Row(), 1);
    EXPECT_EQ(this->grid.Col(), 0);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) EXPECT_EQ(this->grid.TextMatrix(r, c), QString());
}

TYPED_TEST(GridContract, TextOfTheCurrentCellIsTheCellByRowAndColumn) {
    this->fill();
    struct Case {
        int row, col;
        const char* text;
    };
    for (const Case& k : {Case{0, 0, "品名"}, Case{0, 2, "カロリー(KCal)"}, Case{2, 1, "50"},
                          Case{3, 0, "みかん"}}) {
        SCOPED_TRACE(k.text);
        this->grid.SetRow(k.row);
        this->grid.SetCol(k.col);
        EXPECT_EQ(this->grid.Text(), QString::fromUtf8(k.text));
    }
    this->grid.SetRow(2);
    this->grid.SetCol(2);
    this->grid.SetText(QStringLiteral("101"));
    EXPECT_EQ(this->grid.TextMatrix(2, 2), QStringLiteral("101"));
    EXPECT_EQ(this->grid.TextMatrix(1, 2), QStringLiteral("252"));
}

TYPED_TEST(GridContract, RowsGrowBlankAndShrinkFromTheEndMovingTheCurrentRowUp) {
    this->fill();
    this->grid.SetRow(3);
    this->grid.SetRows(2);
    EXPECT_EQ(this->grid.Row(), 1);
    EXPECT_EQ(this->column(0), (QStringList{"品名", "ごはん"}));
    this->grid.SetRows(3);
    EXPECT_EQ(this->column(0), (QStringList{"品名", "ごはん", ""}));
    this->grid.SetCols(2);
    EXPECT_EQ(this->grid.Cols(), 2);
    this->grid.SetCols(3);
    EXPECT_EQ(this->grid.TextMatrix(1, 2), QString());
}

TYPED_TEST(GridContract, RemoveItemMovesTheRowsBelowUp) {
    this->fill();
    this->grid.RemoveItem(2);
    EXPECT_EQ(this->grid.Rows(), 3);
    EXPECT_EQ(this->column(0), (QStringList{"品名", "ごはん", "みかん"}));
    EXPECT_EQ(this->column(2), (QStringList{"カロリー(KCal)", "252", "46"}));
    this->grid.SetRow(2);
    this->grid.RemoveItem(2);
    EXPECT_EQ(this->grid.Row(), 1);
}

TYPED_TEST(GridContract, BadRowsColumnsAndCountsAreRunTimeError5) {
    this->fill();
    struct Case {
        const char* what;
        std::function<void(Grid&)> act;
    };
    const Case cases[] = {
        {"remove the header row", [](Grid& g) { g.RemoveItem(0); }},
        {"remove past the end", [](Grid& g) { g.RemoveItem(4); }},
        {"row -1", [](Grid& g) { g.SetRow(-1); }},
        {"row past the end", [](Grid& g) { g.SetRow(4); }},
        {"column past the end", [](Grid& g) { g.SetCol(3); }},
        {"no rows at all", [](Grid& g) { g.SetRows(0); }},
        {"no columns at all", [](Grid& g) { g.SetCols(0); }},
        {"text past the end", [](Grid& g) { g.TextMatrix(4, 0); }},
        {"width of a missing column", [](Grid& g) { g.SetColWidth(3, 1000); }},
        {"alignment of a missing column", [](Grid& g) { g.SetColAlignment(-1, 4); }},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        try {
            k.act(this->grid);
            ADD_FAILURE() << "no error";
        } catch (const RunTimeError& e) {
            EXPECT_EQ(e.number(), 5);
        }
    }
    EXPECT_EQ(this->grid.Rows(), 4);
}

TYPED_TEST(GridContract, CellColoursGoToTheCurrentCellOnly) {
    this->grid.SetCol(1);
    this->grid.SetCellBackColor(0x80FFFF);
    this->grid.SetRow(0);
    this->grid.SetCol(2);
    this->grid.SetCellForeColor(0xC00000);
    EXPECT_EQ(this->probe.back(1, 1), std::optional<ColorBgr>(0x80FFFF));
    EXPECT_EQ(this->probe.fore(0, 2), std::optional<ColorBgr>(0xC00000));
    EXPECT_EQ(this->probe.back(1, 0), std::nullopt);
    EXPECT_EQ(this->probe.back(0, 1), std::nullopt);
    EXPECT_EQ(this->probe.fore(1, 2), std::nullopt);
}

TYPED_TEST(GridContract, ColumnAlignmentCoversNewRowsAndACellsOwnAlignmentOutranksIt) {
    this->grid.SetColAlignment(1, 4);
    this->grid.SetRows(3);
    EXPECT_EQ(this->probe.alignment(2, 1), 4);
    this->grid.SetRow(1);
    this->grid.SetCol(1);
    this->grid.SetCellAlignment(7);
    this->grid.SetColAlignment(1, 1);
    EXPECT_EQ(this->probe.alignment(1, 1), 7);
    EXPECT_EQ(this->probe.alignment(2, 1), 1);
}

TYPED_TEST(GridContract, ClearEmptiesTextsAndDropsFormattingButKeepsSizesAndWidths) {
    this->fill();
    this->grid.SetColWidth(0, 1500);
    this->grid.SetColAlignment(0, 4);
    this->grid.SetRow(2);
    this->grid.SetCol(0);
    this->grid.SetCellBackColor(0x80FFFF);
    this->grid.SetCellForeColor(0xC00000);
    this->grid.SetCellAlignment(7);
    this->grid.Clear();
    EXPECT_EQ(this->grid.Rows(), 4);
    EXPECT_EQ(this->grid.Cols(), 3);
    EXPECT_EQ(this->column(0), (QStringList{"", "", "", ""}));
    EXPECT_EQ(this->column(2), (QStringList{"", "", "", ""}));
    EXPECT_EQ(this->probe.back(2, 0), std::nullopt);
    EXPECT_EQ(this->probe.fore(2, 0), std::nullopt);
    EXPECT_EQ(this->probe.alignment(2, 0), 4);
    EXPECT_EQ(this->probe.colWidth(0), 1500);
}

TYPED_TEST(GridContract, ColumnWidthsAreInTwips) {
    this->grid.SetColWidth(0, 3000);
    this->grid.SetColWidth(2, 1500);
    EXPECT_EQ(this->probe.colWidth(0), 3000);
    EXPECT_EQ(this->probe.colWidth(2), 1500);
}

// How the window's grid shows the rules on a table.
TEST(QtGrid, HeaderRowIsTheTablesHorizontalHeader) {
    QTableWidget table;
    QtGrid grid(&table);
    grid.SetRows(3);
    grid.SetTextMatrix(0, 1, QStringLiteral("グラム(g)"));
    grid.SetTextMatrix(1, 1, QStringLiteral("150"));
    grid.SetRow(0);
    grid.SetCol(1);
    grid.SetCellForeColor(0xC00000);
    EXPECT_EQ(table.rowCount(), 2);
    EXPECT_FALSE(table.verticalHeader()->isVisibleTo(&table));
    EXPECT_EQ(table.horizontalHeaderItem(1)->text(), QStringLiteral("グラム(g)"));
    EXPECT_EQ(table.horizontalHeaderItem(1)->foreground().color(), QColor(0, 0, 192));
    EXPECT_EQ(table.horizontalHeaderItem(0)->text(), QString());  // no section number
    EXPECT_EQ(table.item(0, 1)->text(), QStringLiteral("150"));
}

TEST(QtGrid, TwipsBecomePixelsAtFifteenAndBgrColoursAreRed0Green255Blue128) {
    QTableWidget table;
    QtGrid grid(&table);
    struct Case {
        int twips, pixels;
    };
    for (const Case& k : {Case{2000, 133}, Case{1000, 67}, Case{1192, 79}, Case{1500, 100}}) {
        grid.SetColWidth(0, k.twips);
        EXPECT_EQ(table.columnWidth(0), k.pixels) << k.twips;
    }
    grid.SetCol(1);
    grid.SetCellBackColor(0x80FFFF);
    EXPECT_EQ(table.item(0, 1)->background().color(), QColor(255, 255, 128));
    grid.SetCellAlignment(7);
    EXPECT_EQ(table.item(0, 1)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
}

}  // namespace
}  // namespace morvi
