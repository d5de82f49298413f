#pragma once

// The real window started offscreen, with a fake desktop that answers the message boxes, and the
// steps a user takes on it.

#include "base/cp932.h"
#include "fake_controls.h"
#include "qt/frm_morvi.h"
#include "tally_window.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace morvi::testing {

using Lines = std::vector<QStringList>;

class NoPrinter : public Printer {
  public:
    void printLines(const QStringList&) override {}
};

// The real window started on a food list, and the steps a user takes on it.
class WindowOnScreen {
  public:
    QTemporaryDir dir;
    FakeDesktop desktop;
    std::unique_ptr<Frm_Morvi> window;

    void start(Printer& printer, const QString& menuText) {
        QFile file(dir.filePath(QStringLiteral("menu.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(cp932().encode(menuText));
        file.close();
        window = std::make_unique<Frm_Morvi>(desktop, printer);
        window->load([] { return false; }, dir.path());
        ASSERT_FALSE(window->ended());
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QWidget* focused() const {
        QCoreApplication::processEvents();
        return QApplication::focusWidget();
    }

    // Picker: the food chosen with the arrow keys from the top of the list, then Enter; the
    // gram field: the grams typed, Enter; then "SET" pressed with the space bar.
    void addByKeyboard(int foodIndex, const char* grams) {
        QComboBox* picker = window->cbo_HINMEI;
        picker->setFocus();
        QTest::keyClick(picker, Qt::Key_Home);
        for (int i = 0; i < foodIndex; ++i) QTest::keyClick(picker, Qt::Key_Down);
        QTest::keyClick(picker, Qt::Key_Return);
        ASSERT_EQ(focused(), window->txt_Glam);
        QTest::keyClicks(window->txt_Glam, grams);  // replaces the selected text
        QTest::keyClick(window->txt_Glam, Qt::Key_Return);
        ASSERT_EQ(focused(), window->cmd_SET);
        desktop.pointerHistory.clear();  // entering the gram field reset it already
        QTest::keyClick(window->cmd_SET, Qt::Key_Space);
    }

    // The grid's data rows as the user sees them.
    Lines shownLines() const {
        Lines out;
        const QTableWidget* grid = window->grd_Hyo;
        for (int r = 0; r < grid->rowCount(); ++r) {
            QStringList line;
            for (int c = 0; c < grid->columnCount(); ++c) {
                const QTableWidgetItem* item = grid->item(r, c);
                line << (item ? item->text() : QString());
            }
            out.push_back(line);
        }
        return out;
    }
    Totals shownTotals() const {
        return {window->lbl_Goukei->text(), window->lbl_Goukei2->text(),
                window->lbl_Goukei3->text()};
    }
    void clickLine(int dataRow) {
        QTableWidget* grid = window->grd_Hyo;
        const QModelIndex index = grid->model()->index(dataRow - 1, 0);
        grid->scrollTo(index);
        const QRect cell = grid->visualRect(index);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
};

// A test on the window started over a small food list (P 250, Q 30, R 160), printing nowhere.
class TallyOnTheWindow : public ::testing::Test, public WindowOnScreen {
  protected:
    NoPrinter printer;

    // The food list the window starts on.
    virtual QString menuText() const { return QStringLiteral("P,p,250\r\nQ,q,30\r\nR,r,160\r\n"); }

    void SetUp() override { start(printer, menuText()); }
};

}  // namespace morvi::testing
