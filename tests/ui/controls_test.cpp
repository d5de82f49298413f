// The Qt forms of the control operations: the grid against the tests' fake, the key codes the
// handlers receive, and the desktop's message boxes and pointer.
#include "fake_controls.h"
#include "qt/key_ascii.h"
#include "qt/qt_controls.h"
#include "qt/qt_desktop.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

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
// current cell and the texts row by row.
TYPED_TEST(GridContract, RowsColumnsTextsAndTheCurrentCell) {
    Grid& g = this->probe.grid;
    const auto cells = [&g] {
        QStringList rows{QStringLiteral("%1,%2").arg(g.Row()).arg(g.Col())};
        for (int r = 0; r < g.Rows(); ++r) {
            QStringList row;
            for (int c = 0; c < g.Cols(); ++c) row << g.TextMatrix(r, c);
            rows << row.join(u',');
        }
        return rows.join(u'|');
    };
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[] {}, "1,0|,,|,,"},
        {[&] { g.SetRows(4), g.SetTextMatrix(0, 1, u"g"_s), g.SetTextMatrix(2, 0, u"b"_s); },
         "1,0|,g,|,,|b,,|,,"},
        {[&] { g.SetRow(3), g.SetCol(2), g.SetText(u"c"_s); }, "3,2|,g,|,,|b,,|,,c"},
        {[&] { g.SetRow(2), g.SetCol(0); }, "2,0|,g,|,,|b,,|,,c"},
        {[&] { g.RemoveItem(1); }, "2,0|,g,|b,,|,,c"},
        {[&] { g.RemoveItem(2); }, "1,0|,g,|b,,"},
        {[&] { g.SetRows(3), g.SetRow(2), g.SetRows(2); }, "1,0|,g,|b,,"},
        {[&] { g.Clear(); }, "1,0|,,|,,"},
        {[&] { g.SetCols(2), g.SetCol(1), g.SetCols(3); }, "1,1|,,|,,"},
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

// Each style's icon and buttons, and the answer to the button pressed (Enter takes the default).
TEST(Desktop, EachStyleShowsItsBoxAndAnswersTheButtonPressed) {
    const struct {
        int style;
        QMessageBox::StandardButton press;
        const char* shown;
    } rows[] = {
        {0, QMessageBox::Ok, "題 本文 0 Ok → 1"},
        {16, QMessageBox::Ok, "題 本文 3 Ok → 1"},
        {48, QMessageBox::Ok, "題 本文 2 Ok → 1"},
        {64, QMessageBox::Ok, "題 本文 1 Ok → 1"},
        {292, QMessageBox::Yes, "題 本文 4 Yes No → 6"},
        {292, QMessageBox::NoButton, "題 本文 4 Yes No → 7"},
    };
    QtDesktop desktop;
    for (const auto& row : rows) {
        QString shown;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            shown =
                QStringLiteral("%1 %2 %3").arg(box->windowTitle(), box->text()).arg(box->icon());
            for (auto [button, name] :
                 {std::pair(QMessageBox::Ok, " Ok"), std::pair(QMessageBox::Yes, " Yes"),
                  std::pair(QMessageBox::No, " No")})
                if (box->standardButtons() & button) shown += QLatin1String(name);
            if (row.press == QMessageBox::NoButton) return QTest::keyClick(box, Qt::Key_Return);
            box->button(row.press)->click();
        });
        const int answer = desktop.MsgBox(u"本文"_s, row.style, u"題"_s);
        EXPECT_EQ(QStringLiteral("%1 → %2").arg(shown).arg(answer).toStdString(), row.shown);
    }
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
