// The Qt forms of the control operations: the grid against the tests' fake, the key codes the
// handlers receive, the screen's one mouse pointer and the message boxes.
#include "fake_controls.h"
#include "qt/form_builder.h"
#include "qt/key_ascii.h"
#include "qt/qt_controls.h"
#include "qt/qt_desktop.h"
#include "qt/question_box.h"

#include <gtest/gtest.h>
#include <QTest>
#include <QtWidgets>

namespace morvi {
namespace {

using namespace Qt::StringLiterals;

// The fake has no table to show.
struct FakeGrid : support::FakeGrid {
    explicit FakeGrid(QTableWidget*) {}
};

template <class G>
struct GridContract : ::testing::Test {
    QTableWidget table;
    G grid{&table};
};
using Grids = ::testing::Types<QtGrid, FakeGrid>;
TYPED_TEST_SUITE(GridContract, Grids);

// One set of steps on the window's grid and on the fake, so both mean the same: after each, the
// current row and the current cell's text, then the texts of the three columns row by row.
TYPED_TEST(GridContract, RowsColumnsTextsAndTheCurrentCell) {
    Grid& g = this->grid;
    const auto cells = [&g] {
        QStringList rows{u"%1:%2"_s.arg(g.Row()).arg(g.Text())};
        for (int r = 0; r < g.Rows(); ++r)
            rows << u"%1,%2,%3"_s.arg(g.TextMatrix(r, 0), g.TextMatrix(r, 1), g.TextMatrix(r, 2));
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
        EXPECT_EQ(support::outcome([&] { return act(), cells(); }).toStdString(), expected);
}

TEST(KeyCodes, EachKeyTypesTheCodesTheHandlersSee) {
    const struct {
        int key;
        Qt::KeyboardModifiers mods;
        const char* text;
        QList<int16_t> codes;
    } rows[] = {
        {Qt::Key_Tab, Qt::NoModifier, "\t", {9}},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", {8}},
        {Qt::Key_unknown, Qt::NoModifier, "１", {int16_t(0xFF11)}},
        {Qt::Key_unknown, Qt::NoModifier, "😀", {int16_t(0xD83D), int16_t(0xDE00)}},
        {Qt::Key_Delete, Qt::NoModifier, "\x7f", {}},
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

// Each style's icon and buttons, in Qt's own words in Japanese (* the default); Ctrl+C copies
// the title and the text; Escape and the close box answer an OK box but leave the question open.
TEST(MessageBox, EachStyleShowsItsIconAndButtonsAndOnlyItsButtonsAnswerTheQuestion) {
    ASSERT_TRUE(installQtTranslation());
    QtDesktop desktop;
    const std::tuple<int, Qt::Key, const char*> rows[] = {
        {0, Qt::Key_Escape, "none OK* → 1"},
        {16, Qt::Key_Escape, "critical OK* → 1"},
        {48, Qt::Key_Escape, "warning OK* → 1"},
        {64, Qt::Key_Escape, "information OK* → 1"},
        {292, Qt::Key_Y, "question はい(&Y) いいえ(&N)* → 6"},
        {292, Qt::Key_Return, "question はい(&Y) いいえ(&N)* → 7"},
    };
    const char* const icons[] = {"none", "information", "warning", "critical", "question"};
    for (const auto& [style, key, expected] : rows) {
        QString seen;
        QTimer::singleShot(0, [&seen, &icons, key] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            seen = QString::fromUtf8(icons[box->icon()]);
            for (QAbstractButton* b : box->buttons())
                seen += u' ' + b->text() + (b == box->defaultButton() ? u"*"_s : QString());
            QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
            EXPECT_EQ(QGuiApplication::clipboard()->text(), u"t\n?"_s);
            if (key != Qt::Key_Escape) {
                QTest::keyClick(box, Qt::Key_Escape);
                EXPECT_FALSE(box->close());
            }
            QTest::keyClick(box, key);
            // An access key presses its button after a short animation.
            if (!QTest::qWaitFor([box] { return !box->isVisible(); }, 2000))
                seen += u" (left open)"_s, box->done(0);
        });
        const int answer = desktop.MsgBox(u"?"_s, style, u"t"_s);
        EXPECT_EQ(u"%1 → %2"_s.arg(seen).arg(answer).toStdString(), expected);
    }
}

// The question on a 1000×800 area, 300×120, いいえ at 200,80 and はい at 110,80 (80×24): opened
// with いいえ under the pointer, wholly on the area; where はい would come under the pointer, clear
// of it below or above.
TEST(MessageBox, AQuestionOpensWithNoUnderThePointerNeverYes) {
    const std::pair<QPoint, QPoint> rows[] = {
        {{500, 400}, {261, 309}}, {{0, 0}, {0, 0}},       {{999, 799}, {700, 680}},
        {{150, 400}, {0, 401}},   {{150, 770}, {0, 650}},
    };
    for (const auto& [pointer, topLeft] : rows)
        EXPECT_EQ(questionPosition({0, 0, 1000, 800}, {300, 120}, {200, 80, 80, 24},
                                   {110, 80, 80, 24}, pointer),
                  topLeft)
            << pointer.x() << ',' << pointer.y();
}

// A question asked from the keyboard knows no click to open under.
TEST(MessageBox, AKeyForgetsTheLastClick) {
    LastClick last;
    QObject target;
    target.installEventFilter(&last);
    QMouseEvent release(QEvent::MouseButtonRelease, {}, QPointF(5, 7), Qt::LeftButton, {}, {});
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Delete, {});
    QStringList seen;
    for (QEvent* event : {static_cast<QEvent*>(&release), static_cast<QEvent*>(&key)}) {
        QCoreApplication::sendEvent(&target, event);
        const QPoint at = last.click() ? last.click()->at : QPoint(-1, -1);
        seen << u"%1,%2"_s.arg(at.x()).arg(at.y());
    }
    EXPECT_EQ(seen.join(u' '), u"5,7 -1,-1");
}

// はい takes a press only once the pointer has moved farther than the still distance (here 5)
// from where the box found it: not a press where it rested, a tremor, a leave and a return to the
// same spot (a window raised over the box and gone), or the box moved under a still pointer.
TEST(MessageBox, OnlyAPointerMovedSinceTheBoxFirstSawItHasMoved) {
    using S = Sighting;
    const std::pair<std::vector<Sighting>, bool> rows[] = {
        {{{S::Enter, {10, 10}}, {S::Press, {10, 10}}}, false},
        {{{S::Press, {10, 10}}}, false},
        {{{S::Enter, {10, 10}}, {S::Move, {12, 13}}, {S::Press, {12, 13}}}, false},
        {{{S::Enter, {10, 10}}, {S::Leave, {}}, {S::Enter, {10, 10}}, {S::Press, {10, 10}}}, false},
        {{{S::Enter, {10, 10}}, {S::Enter, {34, 10}}, {S::Press, {34, 10}}}, false},
        {{{S::Enter, {10, 10}}, {S::Move, {10, 40}}, {S::Move, {10, 12}}, {S::Press, {10, 12}}},
         true},
        {{{S::Enter, {0, 30}}, {S::Press, {20, 30}}}, true},
    };
    for (const auto& [seen, moved] : rows) EXPECT_EQ(pointerHasMoved(seen, 5), moved);
}

// Qt's own save dialog as a user types into it: a name gets the PDF's suffix, and a file already
// there is replaced only after a question that names it; No leaves the dialog open to cancel.
TEST(Desktop, TheSaveDialogSavesUnderAPdfNameAndAsksBeforeReplacing) {
    ASSERT_TRUE(installQtTranslation());
    QTemporaryDir dir;
    for (const char* there : {"kept.pdf", "朝食12.8.pdf"})
        ASSERT_TRUE(support::writeFile(dir.filePath(QString::fromUtf8(there)), ""));
    const std::tuple<const char*, QMessageBox::StandardButton, const char*> rows[] = {
        {"plan", QMessageBox::Yes, "→ plan.pdf"},
        {"朝食12.8", QMessageBox::Yes,
         "朝食12.8.pdf は既に存在します。置き換えますか? → 朝食12.8.pdf"},
        {"kept.pdf", QMessageBox::No, "kept.pdf は既に存在します。置き換えますか? → "},
    };
    for (const auto& [typed, answer, expected] : rows) {
        QString asked;
        QTimer::singleShot(0, [&, typed, answer] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* name = dialog->findChild<QLineEdit*>(u"fileNameEdit"_s);
            EXPECT_EQ(dialog->directory().filePath(name->text()), dir.filePath(u"a.pdf"_s));
            name->clear();
            for (QChar c : QString::fromUtf8(typed))
                QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, c, Qt::NoModifier);
            QTimer::singleShot(0, [&, answer] {  // the question, if Return brings one
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                    asked = box->text().remove(u'\n') + u' ', box->button(answer)->click();
            });
            QTest::keyClick(name, Qt::Key_Return);
            if (dialog->isVisible()) QTest::keyClick(dialog, Qt::Key_Escape);
        });
        const QString saved =
            QtDesktop().GetSaveFileName(u"t"_s, dir.filePath(u"a.pdf"_s), u"PDF (*.pdf)"_s);
        EXPECT_EQ((asked + u"→ "_s + QString(saved).remove(dir.path() + u'/')).toStdString(),
                  expected);
    }
}

TEST(FormBuilder, AMissingControlStopsTheProgramInEveryBuild) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // the child must not inherit Qt's threads
    QWidget client;
    EXPECT_DEATH(findControl<QWidget>(&client, "cmd_None"), "no control named cmd_None");
}

}  // namespace
}  // namespace morvi
