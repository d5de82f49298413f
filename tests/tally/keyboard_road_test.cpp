// The tally worked on the real window, by keyboard and mouse, with scripted message boxes.
#include "base/cp932.h"
#include "fake_controls.h"
#include "ui/frm_morvi.h"

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

namespace morvi {
namespace {

using namespace Qt::StringLiterals;
using testing::FakeDesktop;
using Lines = std::vector<QStringList>;

struct Totals {
    QString kcal;
    QString grams;
    QString lines;
    bool operator==(const Totals&) const = default;
};

class NoPrinter : public Printer {
  public:
    void printLines(const QStringList&) override {}
};

class TallyOnTheWindow : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    FakeDesktop desktop;
    NoPrinter printer;
    std::unique_ptr<Frm_Morvi> window;

    void SetUp() override {
        QFile file(dir.filePath(u"menu.txt"_s));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(cp932().encode(u"P,p,250\r\nQ,q,30\r\nR,r,160\r\n"_s));
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
        const QRect cell = grid->visualRect(grid->model()->index(dataRow - 1, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
};

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

TEST_F(TallyOnTheWindow, RemovingTheOnlyLineGivesTheStartingState) {
    addByKeyboard(1, "50");
    EXPECT_EQ(shownLines(), (Lines{{u"Q"_s, u"50"_s, u"133"_s}}));
    desktop.answerNext(answer::kYes);
    clickLine(1);
    EXPECT_EQ(shownLines(), (Lines{{u""_s, u""_s, u""_s}}));
    EXPECT_EQ(shownTotals(), (Totals{}));
    EXPECT_EQ(window->cbo_HINMEI->count(), 3);
    EXPECT_EQ(focused(), window->cbo_HINMEI);
}

}  // namespace
}  // namespace morvi
