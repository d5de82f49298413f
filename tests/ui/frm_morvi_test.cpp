// The main window started on a small food list, with a desktop that answers its message boxes.
#include "qt/frm_morvi.h"
#include "base/cp932.h"
#include "base/run_time_error.h"
#include "fake_controls.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace morvi {
namespace {

using testing::FakeDesktop;

class FailingPrinter : public Printer {
  public:
    void printLines(const QStringList&) override { throw RunTimeError(err::kPrinterError); }
};

class MainWindow : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    FakeDesktop desktop;
    FailingPrinter printer;
    std::unique_ptr<Frm_Morvi> window;

    void writeMenu(const QString& text) {
        QFile file(dir.filePath(QStringLiteral("menu.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(cp932().encode(text));
    }
    void start(bool anotherRunning = false) {
        window = std::make_unique<Frm_Morvi>(desktop, printer);
        window->load([anotherRunning] { return anotherRunning; }, dir.path());
    }
    void startOnSampleFoods() {
        writeMenu(QStringLiteral("みかん,みかん,174\r\nごはん,ごはん,48\r\nあじ,あじ,66\r\n"));
        start();
        ASSERT_FALSE(window->ended());
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QStringList prompts() const {
        QStringList out;
        for (const auto& m : desktop.messages) out << m.prompt;
        return out;
    }
};

TEST_F(MainWindow, StartsShownWithItsTitleAndClientArea) {
    startOnSampleFoods();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Ｍｏｒｖｉ"));
    EXPECT_EQ(window->centralWidget()->size(), QSize(316, 238));
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(MainWindow, TabOrderIsPickerGramSetClearEndWithoutTheGrid) {
    startOnSampleFoods();
    QStringList chain;
    QWidget* w = window->cbo_HINMEI;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window.get()))
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != window->cbo_HINMEI);
    EXPECT_EQ(chain, (QStringList{"cbo_HINMEI", "txt_Glam", "cmd_SET", "cmd_Clear", "cmd_End"}));
    EXPECT_EQ(window->grd_Hyo->focusPolicy(), Qt::ClickFocus);
}

TEST_F(MainWindow, MenusCarryTheirCaptionsWithAccessKeys) {
    startOnSampleFoods();
    QStringList titles;
    for (QAction* menu : window->menuBar()->actions()) titles << menu->text();
    EXPECT_EQ(titles, (QStringList{"ファイル(&F)", "ヘルプ(&H)"}));
    struct Case {
        QMenu* menu;
        QStringList items;
    };
    for (const Case& k :
         {Case{window->findChild<QMenu*>("g_file"), {"印刷(&P)", "終了(&E)"}},
          Case{window->findChild<QMenu*>("g_help"), {"使い方(&U)", "バージョン情報(&V)"}}}) {
        QStringList items;
        for (QAction* a : k.menu->actions()) {
            items << a->text();
            EXPECT_TRUE(a->isEnabled());
            EXPECT_TRUE(a->shortcut().isEmpty());
        }
        EXPECT_EQ(items, k.items);
    }
}

TEST_F(MainWindow, PickerListsTheFoodsInKeyOrderWithUnitWeightsAndNoChoice) {
    startOnSampleFoods();
    QStringList names;
    QList<int> weights;
    for (int i = 0; i < window->cbo_HINMEI->count(); ++i) {
        names << window->cbo_HINMEI->itemText(i);
        weights << window->cbo_HINMEI->itemData(i).toInt();
    }
    EXPECT_EQ(names, (QStringList{"あじ", "ごはん", "みかん"}));
    EXPECT_EQ(weights, (QList<int>{66, 48, 174}));
    EXPECT_EQ(window->cbo_HINMEI->currentIndex(), -1);
    EXPECT_EQ(window->cbo_HINMEI->currentText(), QString());
    EXPECT_FALSE(window->cbo_HINMEI->isEditable());
    EXPECT_EQ(window->focusWidget(), window->cbo_HINMEI);
}

TEST_F(MainWindow, MissingMenuReports53ThenBeepsAndEndsWithoutTheWindow) {
    start();
    EXPECT_TRUE(window->ended());
    EXPECT_EQ(window->exitStatus(), 1);
    EXPECT_FALSE(window->isVisible());
    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(desktop.messages[0].prompt,
              QStringLiteral("【ｴﾗｰｺｰﾄﾞ】 : (53)\r\n【ｴﾗｰ内容】 :") + standardErrorText(53));
    EXPECT_EQ(desktop.messages[0].style, 0);
    EXPECT_EQ(desktop.messages[0].title, QStringLiteral("Morvi"));
    EXPECT_EQ(desktop.messages[1].prompt, QStringLiteral("強制終了します。"));
    EXPECT_EQ(desktop.messages[1].style, 48);
    EXPECT_EQ(desktop.beeps, 1);
    EXPECT_EQ(desktop.log.indexOf(QStringLiteral("Beep")), desktop.log.size() - 2);
}

TEST_F(MainWindow, EndAndTheExitItemEndTheProgramAtOnce) {
    for (int viaMenu = 0; viaMenu < 2; ++viaMenu) {
        SCOPED_TRACE(viaMenu);
        startOnSampleFoods();
        if (viaMenu)
            window->g_end->trigger();
        else
            QTest::mouseClick(window->cmd_End, Qt::LeftButton);
        EXPECT_TRUE(window->ended());
        EXPECT_EQ(window->exitStatus(), 0);
        EXPECT_FALSE(window->isVisible());
        window->cmd_Clear->click();  // nothing runs once the program has ended
        EXPECT_TRUE(desktop.messages.empty());
    }
}

TEST_F(MainWindow, AnErrorLeavingAHandlerWithoutBranchIsReportedAndTheProgramGoesOn) {
    startOnSampleFoods();
    window->form().ui.grd_Hyo.SetTextMatrix(1, 0, QStringLiteral("ごはん"));
    window->form().ui.lbl_Goukei3.SetCaption(QStringLiteral("1"));
    window->g_print->trigger();
    ASSERT_FALSE(desktop.messages.empty());
    EXPECT_TRUE(desktop.messages.back().prompt.startsWith(QStringLiteral("【ｴﾗｰｺｰﾄﾞ】 : (482)")));
    EXPECT_EQ(desktop.pointer, 0);
    EXPECT_FALSE(window->ended());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindow, AClickOnADataRowAsksToDeleteItAndAClickOnTheHeaderDoesNothing) {
    startOnSampleFoods();
    window->form().ui.grd_Hyo.SetTextMatrix(1, 0, QStringLiteral("ごはん"));
    QHeaderView* header = window->grd_Hyo->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(10, header->height() / 2));
    EXPECT_TRUE(desktop.messages.empty());
    const QRect cell = window->grd_Hyo->visualItemRect(window->grd_Hyo->item(0, 2));
    QTest::mouseClick(window->grd_Hyo->viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].prompt, QStringLiteral("ごはん を削除しますか"));
    EXPECT_EQ(desktop.messages[0].style, 292);
    EXPECT_EQ(window->grid().Row(), 1);
}

// Typed keys, input-method commits and pastes in the gram field, with the field's own rule.
TEST_F(MainWindow, GramFieldTakesOnlyDigitsAndFullStopsHoweverTheyArrive) {
    startOnSampleFoods();
    QLineEdit* field = window->txt_Glam;
    field->setFocus();
    struct Case {
        const char* what;
        std::function<void()> act;
        const char* text;
    };
    const auto commit = [field](const QString& s) {
        QInputMethodEvent event;
        event.setCommitString(s);
        QCoreApplication::sendEvent(field, &event);
    };
    const auto paste = [field](const QString& s) {
        QGuiApplication::clipboard()->setText(s);
        field->paste();
    };
    const Case cases[] = {
        {"a typed letter is refused", [field] { QTest::keyClicks(field, "a"); }, ""},
        {"typed digits pass", [field] { QTest::keyClicks(field, "1.5"); }, "1.5"},
        {"backspace passes", [field] { QTest::keyClick(field, Qt::Key_Backspace); }, "1."},
        {"a full-width digit from the input method is refused",
         [&] { commit(QStringLiteral("１")); }, "1."},
        {"half-width digits from the input method pass one by one",
         [&] { commit(QStringLiteral("2a3")); }, "1.23"},
        {"ctrl+v is refused as a control code",
         [&] {
             QGuiApplication::clipboard()->setText(QStringLiteral("9"));
             QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
         },
         "1.23"},
        {"a paste with a letter is refused", [&] { paste(QStringLiteral("12a")); }, "1.23"},
        {"a paste of digits passes", [&] { paste(QStringLiteral("45")); }, "1.2345"},
        {"a paste beyond eight characters is refused", [&] { paste(QStringLiteral("678")); },
         "1.2345"},
        {"the eighth character passes", [field] { QTest::keyClicks(field, "67"); }, "1.234567"},
        {"the ninth is refused", [field] { QTest::keyClicks(field, "8"); }, "1.234567"},
    };
    field->end(false);
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        k.act();
        EXPECT_EQ(field->text(), QString::fromUtf8(k.text));
    }
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(MainWindow, EnterWalksFromThePickerToTheGramFieldAndSelectsItsText) {
    startOnSampleFoods();
    window->txt_Glam->setText(QStringLiteral("150"));
    window->cbo_HINMEI->setFocus();
    QTest::keyClick(window->cbo_HINMEI, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), window->txt_Glam);
    EXPECT_EQ(window->txt_Glam->selectedText(), QStringLiteral("150"));
    QTest::keyClick(window->txt_Glam, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->cmd_SET);
}

TEST_F(MainWindow, AClickIntoTheGramFieldSelectsItsWholeTextAndResetsThePointer) {
    startOnSampleFoods();
    window->txt_Glam->setText(QStringLiteral("150"));
    desktop.SetMousePointer(11);
    QTest::mouseClick(window->txt_Glam, Qt::LeftButton, {}, QPoint(5, 5));
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), window->txt_Glam);
    EXPECT_EQ(window->txt_Glam->selectedText(), QStringLiteral("150"));
    EXPECT_EQ(desktop.pointer, 0);
}

}  // namespace
}  // namespace morvi
