// The Qt forms of the control operations: the grid against the tests' fake, the key codes the
// handlers receive, and the screen's one mouse pointer.
#include "fake_controls.h"
#include "qt/key_ascii.h"
#include "qt/qt_controls.h"
#include "qt/qt_desktop.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QKeyEvent>
#include <QTableWidget>

namespace morvi {
namespace {

using namespace Qt::StringLiterals;

struct QtGridProbe {
    QTableWidget table;
    QtGrid grid{&table};
};
struct FakeGridProbe {
    testing::FakeGrid grid;
};

template <class Probe>
struct GridContract : ::testing::Test {
    Probe probe;
};
using Probes = ::testing::Types<QtGridProbe, FakeGridProbe>;
TYPED_TEST_SUITE(GridContract, Probes);

// One set of steps on the window's grid and on the fake, so both mean the same: after each, the
// current row and the current cell's text, then the texts of the three columns row by row.
TYPED_TEST(GridContract, RowsColumnsTextsAndTheCurrentCell) {
    Grid& g = this->probe.grid;
    const auto cells = [&g] {
        QStringList rows{QStringLiteral("%1:%2").arg(g.Row()).arg(g.Text())};
        for (int r = 0; r < g.Rows(); ++r) {
            QStringList row;
            for (int c = 0; c < 3; ++c) row << g.TextMatrix(r, c);
            rows << row.join(u',');
        }
        return rows.join(u'|');
    };
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[] {}, "1:|,,|,,"},
        {[&] { g.SetRows(4), g.SetTextMatrix(0, 1, u"g"_s), g.SetTextMatrix(2, 0, u"b"_s); },
         "1:|,g,|,,|b,,|,,"},
        {[&] { g.SetRow(3), g.SetCol(2), g.SetText(u"c"_s); }, "3:c|,g,|,,|b,,|,,c"},
        {[&] { g.SetRow(2), g.SetCol(0); }, "2:b|,g,|,,|b,,|,,c"},
        {[&] { g.RemoveItem(1); }, "2:|,g,|b,,|,,c"},
        {[&] { g.RemoveItem(2); }, "1:b|,g,|b,,"},
        {[&] { g.SetRows(3), g.SetRow(2), g.SetRows(2); }, "1:b|,g,|b,,"},
        {[&] { g.Clear(); }, "1:|,,|,,"},
        {[&] { g.SetCol(2), g.SetCols(2), g.SetCols(3), g.SetText(u"d"_s); }, "1:d|,,|,d,"},
        {[&] { g.RemoveItem(0); }, "error 5"},
        {[&] { g.SetRow(2); }, "error 5"},
    };
    for (const auto& [act, expected] : steps)
        EXPECT_EQ(testing::outcome([&] { return act(), cells(); }).toStdString(), expected);
}

TEST(KeyCodes, EachKeyTypesTheCodesTheHandlersSee) {
    const struct {
        int key;
        Qt::KeyboardModifiers mods;
        const char* text;
        QList<int16_t> codes;
    } rows[] = {
        {Qt::Key_1, Qt::NoModifier, "1", {49}},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", {13}},
        {Qt::Key_Tab, Qt::NoModifier, "\t", {9}},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", {8}},
        {Qt::Key_V, Qt::ControlModifier, "", {22}},
        {Qt::Key_unknown, Qt::NoModifier, "１", {int16_t(0xFF11)}},
        {Qt::Key_unknown, Qt::NoModifier, "😀", {int16_t(0xD83D), int16_t(0xDE00)}},
        {Qt::Key_Delete, Qt::NoModifier, "\x7f", {}},
        {Qt::Key_Backtab, Qt::ShiftModifier, "", {}},
        {Qt::Key_Tab, Qt::ControlModifier, "\t", {}},
        {Qt::Key_F, Qt::AltModifier, "f", {}},
    };
    for (const auto& k : rows)
        EXPECT_EQ(
            keyAsciiCodes(QKeyEvent(QEvent::KeyPress, k.key, k.mods, QString::fromUtf8(k.text))),
            k.codes)
            << k.text;
}

TEST(Desktop, ThePointerIsTheHourglassOrTheDefaultNeverAStack) {
    QtDesktop desktop;
    for (int shape : {11, 11, 0, 11}) desktop.SetMousePointer(shape);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    desktop.SetMousePointer(0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace morvi
