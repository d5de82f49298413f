// The main window as a user meets it, started offscreen on a food list of its own and driven by
// keyboard and mouse: on a fake desktop that answers its message boxes, or on the program's own.
#include "base/cp932.h"
#include "fake_controls.h"
#include "qt/frm_morvi.h"
#include "qt/frm_ver.h"
#include "qt/qt_desktop.h"

#include <gtest/gtest.h>
#include <QAccessible>
#include <QTest>
#include <QtWidgets>

namespace morvi {
namespace {

using namespace Qt::StringLiterals;

template <class TheDesktop>
class Window : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    TheDesktop desktop;
    support::FakePrinter printer;
    Frm_Morvi window{desktop, printer};
    QComboBox* picker = find<QComboBox>("cbo_HINMEI");
    QLineEdit* field = find<QLineEdit>("txt_Glam");
    QTableWidget* grid = find<QTableWidget>("grd_Hyo");

    void SetUp() override {
        printer.failWith = err::kPrinterError;
        ASSERT_TRUE(
            support::writeFile(dir.filePath("menu.txt"),
                               cp932().encode(u"P,ぱん,250\r\nR,りんご,160\r\nQ,ぴーまん,30")));
        window.load([] { return false; }, dir.path());
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    // Ending the program outside Qt's event loop leaves the next loop to start quitting at once; a
    // run of the loop settles that for a later test in the same process.
    void TearDown() override {
        QTimer::singleShot(0, &window, [] { QCoreApplication::exit(); });
        QApplication::exec();
    }
    template <class W = QWidget>
    W* find(const char* name) const {
        return window.findChild<W*>(QLatin1String(name));
    }
    QString focused() const {
        QCoreApplication::processEvents();
        return QApplication::focusWidget()->objectName();
    }
    void press(QKeyCombination key) {
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    }
    void trigger(const QString& item) {
        for (QAction* action : window.findChildren<QAction*>())
            if (action->text() == item) action->trigger();
    }
    QPoint line(int n) const { return grid->visualRect(grid->model()->index(n - 1, 0)).center(); }
    // The food picked with the arrow keys from the top, then `enter` in the picker, after the grams
    // typed over the gram field's text (where it only moves to "SET"), and on "SET".
    void add(int food, const char* grams, QKeyCombination enter) {
        picker->setFocus();
        QTest::keyClick(picker, Qt::Key_Home);
        for (int i = 0; i < food; ++i) QTest::keyClick(picker, Qt::Key_Down);
        press(enter);
        ASSERT_EQ(focused(), u"txt_Glam");
        QTest::keyClicks(field, grams);
        press(enter);
        ASSERT_EQ(focused(), u"cmd_SET");
        press(enter);
    }
    // As the fake window shows it: the lines, the three totals and the gram field.
    std::string shown() const {
        const auto cell = [&](int r, int c) {
            return grid->model()->index(r, c).data().toString();
        };
        const auto text = [&](const char* label) { return find<QLabel>(label)->text(); };
        QStringList lines;
        for (int r = 0; r < grid->rowCount(); ++r)
            lines << u"%1 %2 %3"_s.arg(cell(r, 0), cell(r, 1), cell(r, 2));
        return u"%1 / %2 %3 %4 / %5"_s
            .arg(lines.join(u'|'), text("lbl_Goukei"), text("lbl_Goukei2"), text("lbl_Goukei3"),
                 field->text())
            .toStdString();
    }
};
using MainWindow = Window<support::FakeDesktop>;
// Its message boxes are the real, modal ones.
using OnTheWindow = Window<QtDesktop>;

TEST_F(MainWindow, StartsOnItsFoodsInKeyOrderAddsByKeyboardRemovesByClickClearsAndEnds) {
    QStringList seen{focused(), QString::number(picker->currentIndex())};
    for (int i = 0; i < picker->count(); ++i) seen << picker->itemText(i);
    EXPECT_EQ(seen.join(u' ').toStdString(), "cbo_HINMEI -1 P Q R");

    ASSERT_NO_FATAL_FAILURE(add(0, "150", Qt::Key_Return));
    ASSERT_NO_FATAL_FAILURE(add(1, "100", Qt::KeypadModifier | Qt::Key_Enter));
    EXPECT_EQ(shown(), "P 150 48|Q 100 267 / 315 250 2 / 100");
    EXPECT_EQ(focused(), u"cbo_HINMEI");
    // A line's gram cell is pale yellow, and its numbers stand at the right.
    QStringList looks;
    for (int c = 0; c < 3; ++c) {
        const QModelIndex cell = grid->model()->index(1, c);
        looks << cell.data(Qt::BackgroundRole).value<QBrush>().color().name() + u' ' +
                     QString::number(cell.data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight);
    }
    EXPECT_EQ(looks.join(u", "), u"#000000 0, #ffff80 2, #000000 2");
    desktop.log.clear();
    desktop.answers = {answer::kYes};
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, line(2));
    EXPECT_EQ(desktop.take().toStdString(), "行削除確認 292: Q を削除しますか");
    EXPECT_EQ(shown(), "P 150 48 / 48 150 1 / 100");
    QTest::mouseClick(find<QPushButton>("cmd_Clear"), Qt::LeftButton);
    EXPECT_EQ(shown(), "   /    / ");
    QTest::mouseClick(find<QPushButton>("cmd_End"), Qt::LeftButton);
    EXPECT_TRUE(window.ended() && window.exitStatus() == 0 && !window.isVisible());
    // Nothing runs once the program has ended.
    find<QPushButton>("cmd_SET")->click();
    EXPECT_FALSE(desktop.take().contains(u"入力確認"));
}

TEST_F(MainWindow, TheGramFieldTakesOnlyDigitsAndFullStopsHoweverTheyArrive) {
    field->setFocus();
    const auto commit = [this](const QString& s) {
        QInputMethodEvent event;
        event.setCommitString(s);
        QCoreApplication::sendEvent(field, &event);
    };
    // An input method's uncommitted text is shown at the caret, which it moves on.
    const auto preedit = [this](const QString& s) {
        const int caret = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
        QInputMethodEvent event(s, {});
        QCoreApplication::sendEvent(field, &event);
        EXPECT_GT(field->inputMethodQuery(Qt::ImCursorRectangle).toRect().x(), caret);
    };
    const auto paste = [this](const QString& s) {
        QGuiApplication::clipboard()->setText(s);
        field->paste();
    };
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[&] { QTest::keyClicks(field, "a1.5"); }, "1.5"},
        {[&] { commit(u"１2a3"_s); }, "1.523"},
        {[&] { preedit(u"12"_s); }, "1.523"},
        {[&] { paste(u"4a"_s); }, "1.523"},
        {[&] { paste(u"4"_s); }, "1.5234"},
        {[&] { QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier); }, "1.5234"},
        {[&] { paste(u"567"_s); }, "1.5234"},
        {[&] { QTest::keyClicks(field, "567"); }, "1.523456"},
    };
    for (const auto& [act, text] : steps) {
        act();
        EXPECT_EQ(field->text().toStdString(), text);
    }
}

// A field is heard by the caption beside it, a total by the captions of its row and its figure;
// the grid, which has no caption, by a name of its own.
TEST_F(MainWindow, ScreenReadersHearEachFieldByTheCaptionsTheUserSees) {
    ASSERT_NO_FATAL_FAILURE(add(0, "150", Qt::Key_Return));
    QStringList heard;
    for (const char* name :
         {"cbo_HINMEI", "txt_Glam", "lbl_Goukei3", "lbl_Goukei2", "lbl_Goukei", "grd_Hyo"}) {
        // A combo box on Linux is named by the label it is tied to.
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(find(name));
        const auto labels = a->relations(QAccessible::Label);
        heard << (labels.isEmpty() ? a : labels.first().first)->text(QAccessible::Name);
    }
    EXPECT_EQ(heard.join(u" | ").toStdString(),
              "品名 | グラム | 合計 品目 1 | 合計 g 150 | 合計 Kcal 48 | 選択した品目");
}

TEST_F(MainWindow, TheMenusPrintHelpShowTheVersionAndEndTheProgram) {
    grid->setItem(0, 0, new QTableWidgetItem(u"P"_s));
    desktop.log.clear();
    const QString version = u"バージョン情報(&V)"_s;
    for (const QString& item :
         {u"印刷(&P)"_s, u"PDFに保存(&D)..."_s, u"使い方(&U)"_s, version, version})
        trigger(item);
    EXPECT_EQ(desktop.take().section(u'\r', 0, 0).toStdString(),
              "error 482, PDFに保存 PDF (*.pdf): Morvi_########.pdf, "
              "Morvi 64: 品名をコンボボックス（リスト）一覧より選択し、");
    QList<QPointer<Frm_Ver>> open;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<Frm_Ver*>(w); dialog && dialog->isVisible()) open << dialog;
    ASSERT_EQ(open.size(), 1);
    // Escape leaves the dialog open; with the window closed the program runs on until Enter on
    // "OK" closes the dialog too.
    QStringList seen;
    const auto look = [&] { seen << (open[0] && open[0]->isVisible() ? u"open"_s : u"closed"_s); };
    QTest::keyClick(open[0], Qt::Key_Escape);
    look();
    QTimer::singleShot(0, &window, [&] {
        window.close();
        QTimer::singleShot(0, &window, [&] {
            look();
            QTest::keyClick(open[0]->findChild<QPushButton*>(), Qt::Key_Return);
            look();
            open[0]->close();
        });
    });
    QApplication::exec();
    EXPECT_EQ(seen.join(u' ').toStdString(), "open open closed");
    trigger(u"終了(&E)"_s);
    EXPECT_TRUE(window.ended() && window.exitStatus() == 0);
}

TEST_F(MainWindow, AReadingTypedInThePickerOrItsOpenListChoosesTheFoodToAdd) {
    picker->setFocus();
    QTest::keyClicks(picker, "pimz");
    EXPECT_EQ(picker->currentText(), u"Q");
    picker->showPopup();
    QTest::keyClicks(picker->view(), "\b\b\bri");
    QTest::keyClick(picker->view(), Qt::Key_Return);
    for (const char* key : {"\r", "200\r", " "}) QTest::keyClicks(QApplication::focusWidget(), key);
    EXPECT_EQ(shown(), "R 200 100 / 100 200 1 / 200");
}

// Each name of the bundled list shows whole in the grid's name column, in the grid's own font and
// within the item view's text margins, where a longer one ends in "…".
TEST_F(MainWindow, EveryBundledFoodNameFitsTheGridsNameColumn) {
    QFile menu(QStringLiteral(MORVI_SAMPLE_MENU));
    ASSERT_TRUE(menu.open(QIODevice::ReadOnly));
    const int margin = grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
    QStringList cut;
    for (const QString& line : cp932().decode(menu.readAll()).split(u"\r\n"_s))
        if (const QString name = line.section(u',', 0, 0);
            grid->fontMetrics().horizontalAdvance(name) > grid->columnWidth(0) - 2 * margin)
            cut << name;
    EXPECT_EQ(cut.join(u' ').toStdString(), "");
}

// The grid is no tab stop: F6 goes into it on the current line (nowhere while it is empty), and
// Delete there asks as a click does; Tab, Shift+Tab, Escape and F6 leave it for the food picker.
TEST_F(MainWindow, F6TakesTheKeyboardToTheLinesWhereDeleteRemovesOne) {
    for (int food : {0, 1, 2}) ASSERT_NO_FATAL_FAILURE(add(food, "100", Qt::Key_Return));
    desktop.log.clear();
    desktop.answers = {answer::kYes};
    for (Qt::Key key : {Qt::Key_F6, Qt::Key_Up, Qt::Key_Delete}) press(key);
    EXPECT_EQ(desktop.take().toStdString(), "行削除確認 292: Q を削除しますか");
    EXPECT_EQ(shown(), "P 100 32|R 100 50 / 82 200 2 / 100");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(grid)->focusChild()->text(QAccessible::Name),
              u"品名 R、グラム(g) 100、カロリー(KCal) 50"_s);
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Escape, Qt::Key_F6}) {
        grid->setFocus(Qt::MouseFocusReason);
        press(key);
        EXPECT_EQ(focused(), u"cbo_HINMEI");
    }
}

// Entering the gram field selects its text and gives back the default pointer.
TEST_F(MainWindow, OnlyARealMoveOfTheFocusSelectsTheGramText) {
    desktop.log.clear();
    desktop.pointer = true;
    for (const auto& [reason, selected] : {std::pair{Qt::MouseFocusReason, "15 Pointer 0"},
                                           {Qt::ActiveWindowFocusReason, " "},
                                           {Qt::PopupFocusReason, " "},
                                           {Qt::MenuBarFocusReason, " "}}) {
        field->setText(u"15"_s);
        QFocusEvent in(QEvent::FocusIn, reason);
        QCoreApplication::sendEvent(field, &in);
        QCoreApplication::processEvents();
        EXPECT_EQ(field->selectedText() + u' ' + desktop.take(), selected) << reason;
    }
}

TEST_F(MainWindow, GridIsGreyBeyondItsCellsAndLiesOverTheTotalsRow) {
    const QColor grey(0x808080), gridLines(0xC0C0C0);
    const QImage shot = grid->viewport()->grab().toImage();
    const QImage header = grid->horizontalHeader()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() - 2, shot.height() - 2), grey);
    EXPECT_EQ(header.pixelColor(header.width() - 2, 2), grey);
    EXPECT_EQ(shot.pixelColor(grid->columnViewportPosition(1) - 1, 2), gridLines);
    EXPECT_NE(shot.pixelColor(2, 2), grey);
    QWidget* label = find("Label3");
    QWidget* clicked = window.childAt(label->mapTo(&window, QPoint(label->width() / 2, 0)));
    EXPECT_TRUE(clicked == grid || grid->isAncestorOf(clicked));
}

// Clicks as the window system delivers them, each `gap` ms after the previous press, at a point on
// the screen: the question takes them where it covers the point, else the window does (blocked
// while the question is open). "yes" moves the pointer from line 1 away and onto はい, as a hand
// does, then clicks; "over" moves the question so that はい lies under line 1, as a desktop that
// places its windows itself may. Each runs from a timer of its own, so one that opens a question
// does not hold up the next; a question left open is answered with Enter (+Enter).
TEST_F(OnTheWindow, ClicksWhereTheUserClickedAnswerNoAndOnlyAMoveToYesOrYRemoves) {
    const std::pair<const char*, const char*> rows[] = {{"1 0, 1 120", "P Q +Enter"},
                                                        {"1 0, 1 450", "P Q"},
                                                        {"1 0, 1 1500", "P Q"},
                                                        {"1 0, 1 250, 1 500", "P Q"},
                                                        {"1 0, 2 600", "P Q +Enter"},
                                                        {"1 0, over, 1 600, 1 1200", "P Q +Enter"},
                                                        {"1 0, over, 1 600, 1 100", "P Q +Enter"},
                                                        {"1 0, over, yes 600", "Q"},
                                                        {"1 0, yes 200", "Q"},
                                                        {"1 0, Y", "Q"}};
    for (const auto& [clicks, left] : rows) {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::mouseClick(find<QPushButton>("cmd_Clear"), Qt::LeftButton);
        ASSERT_NO_FATAL_FAILURE(add(0, "150", Qt::Key_Return));
        ASSERT_NO_FATAL_FAILURE(add(1, "100", Qt::Key_Return));
        int pressed = QTest::lastMouseTimestamp += 1000;
        std::vector<std::function<void()>> acts;
        for (const QString& click : QString::fromLatin1(clicks).split(u", "_s)) {
            const QString at = click.section(u' ', 0, 0);
            const int gap = click.section(u' ', 1).toInt();
            acts.push_back([&, at, gap] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                const QPoint first = grid->viewport()->mapToGlobal(line(1));
                QWidget* yes = box ? box->button(QMessageBox::Yes) : nullptr;
                if (at == u"Y") return QTest::keyClick(box, Qt::Key_Y);
                if (at == u"over")
                    return box->move(box->pos() + first - yes->mapToGlobal(QPoint(5, 5)));
                const QPoint global = at == u"yes"
                                          ? yes->mapToGlobal(QPoint(5, 5))
                                          : grid->viewport()->mapToGlobal(line(at.toInt()));
                QWidget* top =
                    box && box->geometry().contains(global) ? box : static_cast<QWidget*>(&window);
                for (const QPoint to : {first, first + QPoint(0, 30), global})
                    if (at == u"yes") QTest::mouseMove(box->windowHandle(), box->mapFromGlobal(to));
                QTest::lastMouseTimestamp = (pressed += gap) - 1;
                QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {},
                                  top->windowHandle()->mapFromGlobal(global));
            });
        }
        bool done = false, entered = false;
        std::function<void(size_t)> next = [&](size_t i) {
            QTimer::singleShot(i < acts.size() ? 0 : 300, &window, [&, i] {
                if (i < acts.size()) return next(i + 1), acts[i]();
                if (QWidget* open = QApplication::activeModalWidget())
                    return QTest::keyClick(open, Qt::Key_Return), entered = true, next(i);
                done = true;
            });
        };
        next(0);
        ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 10000));
        QStringList names;
        for (int r = 0; r < grid->rowCount(); ++r) names << grid->item(r, 0)->text();
        EXPECT_EQ(names.join(u' ').toStdString() + (entered ? " +Enter" : ""), left) << clicks;
    }
}

}  // namespace
}  // namespace morvi
