// How the window behaves as a Japanese desktop program: keys, Qt's own words, windows, readers.
#include "base/cp932.h"
#include "fake_controls.h"
#include "qt/frm_morvi.h"
#include "qt/qt_desktop.h"

#include <gtest/gtest.h>
#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace morvi {
namespace {

struct NoPrinter : Printer {
    void printLines(const QStringList&) override {}
    QByteArray pdfDocument(const QStringList&) override { return {}; }
};

class OnTheWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        QFile menu(dir.filePath(QStringLiteral("menu.txt")));
        ASSERT_TRUE(menu.open(QIODevice::WriteOnly));
        menu.write(cp932().encode(QStringLiteral("あじ,あじ,66\r\nごはん,ごはん,48\r\n")));
        menu.close();
        window.load([] { return false; }, dir.path());
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QWidget* find(const char* name) { return window.findChild<QWidget*>(QLatin1String(name)); }
    QString focused() { return QApplication::focusWidget()->objectName(); }

    QTemporaryDir dir;
    testing::FakeDesktop desktop;
    NoPrinter printer;
    Frm_Morvi window{desktop, printer};
};

// Down, Enter, 150, Enter, Enter adds the food: the last Enter presses "SET", the one before it
// only moves there.
TEST_F(OnTheWindow, EnterPressesTheFocusedButtonButTheGramFieldOnlyFocusesSet) {
    const auto press = [](QKeyCombination k) {
        QTest::keyClick(QApplication::focusWidget(), k.key(), k.keyboardModifiers());
    };
    for (QKeyCombination enter :
         {QKeyCombination(Qt::Key_Return), Qt::KeypadModifier | Qt::Key_Enter}) {
        press(Qt::Key_Down);
        press(enter);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("150"));
        press(enter);
        EXPECT_EQ(focused(), QStringLiteral("cmd_SET"));
        press(enter);
    }
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("lbl_Goukei3"))->text(),
              QStringLiteral("2"));
}

TEST_F(OnTheWindow, TabAndShiftTabLeaveTheGridForTheNeighboursInTheTabOrder) {
    for (const auto& [key, next] :
         {std::pair{Qt::Key_Tab, "cbo_HINMEI"}, {Qt::Key_Backtab, "cmd_End"}}) {
        find("grd_Hyo")->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(find("grd_Hyo"), key);
        EXPECT_EQ(focused(), next);
    }
}

TEST_F(OnTheWindow, OnlyARealMoveOfTheFocusSelectsTheGramText) {
    auto* field = window.findChild<QLineEdit*>(QStringLiteral("txt_Glam"));
    for (const auto& [reason, selected] : {std::pair{Qt::MouseFocusReason, "15"},
                                           {Qt::ActiveWindowFocusReason, ""},
                                           {Qt::PopupFocusReason, ""},
                                           {Qt::MenuBarFocusReason, ""}}) {
        field->setText(QStringLiteral("15"));
        QFocusEvent in(QEvent::FocusIn, reason);
        QCoreApplication::sendEvent(field, &in);
        QCoreApplication::processEvents();
        EXPECT_EQ(field->selectedText(), selected) << reason;
    }
}

TEST_F(OnTheWindow, ScreenReadersHearWhatEachFieldIs) {
    // A combo box on Linux is named by the label it is tied to.
    const auto heard = [this](const char* name) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(find(name));
        const auto labels = a->relations(QAccessible::Label);
        return (labels.isEmpty() ? a : labels.first().first)->text(QAccessible::Name);
    };
    const std::pair<const char*, const char*> rows[] = {
        {"cbo_HINMEI", "品名"},       {"txt_Glam", "グラム"},    {"grd_Hyo", "選択した品目"},
        {"lbl_Goukei3", "合計 品目"}, {"lbl_Goukei2", "合計 g"}, {"lbl_Goukei", "合計 Kcal"}};
    for (const auto& [name, heardAs] : rows) EXPECT_EQ(heard(name), heardAs) << name;
}

TEST_F(OnTheWindow, GridIsGreyBeyondItsCellsAndLiesOverTheTotalsRow) {
    auto* grid = window.findChild<QTableWidget*>(QStringLiteral("grd_Hyo"));
    const QImage shot = grid->viewport()->grab().toImage();
    const QImage header = grid->horizontalHeader()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() - 2, shot.height() - 2), QColor(0x808080));
    EXPECT_EQ(header.pixelColor(header.width() - 2, 2), QColor(0x808080));
    EXPECT_EQ(shot.pixelColor(grid->columnViewportPosition(1) - 1, 2), QColor(0xC0C0C0));
    EXPECT_NE(shot.pixelColor(2, 2), QColor(0x808080));
    QWidget* label = find("Label3");
    QWidget* clicked = window.childAt(label->mapTo(&window, QPoint(label->width() / 2, 0)));
    EXPECT_TRUE(clicked == grid || grid->isAncestorOf(clicked));
}

// The program ends with its event loop, when the last of its windows closes.
TEST_F(OnTheWindow, ProgramEndsWhenItsLastWindowClosesNotBefore) {
    window.findChild<QMenu*>(QStringLiteral("g_help"))->actions().last()->trigger();
    QWidget* dialog = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w != &window) dialog = w;
    ASSERT_NE(dialog, nullptr);
    bool dialogOutlivedTheWindow = false;
    QTimer::singleShot(0, dialog, [&] {
        window.close();
        QTimer::singleShot(0, dialog, [&] {
            dialogOutlivedTheWindow = dialog->isVisible();
            dialog->close();
        });
    });
    QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialogOutlivedTheWindow);
}

// Qt's own words in Japanese, with their access keys; no Cancel, so Escape and the close box
// leave the question open.
TEST(Question, ReadsJapaneseAndOnlyItsButtonsAnswerIt) {
    ASSERT_TRUE(installQtTranslation());
    QtDesktop desktop;
    for (const auto& [key, answer] :
         {std::pair{Qt::Key_Y, 6}, {Qt::Key_N, 7}, {Qt::Key_Return, 7}}) {
        QTimer::singleShot(0, [key = key] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            EXPECT_EQ(box->button(QMessageBox::Yes)->text(), QStringLiteral("はい(&Y)"));
            EXPECT_EQ(box->button(QMessageBox::No)->text(), QStringLiteral("いいえ(&N)"));
            QTest::keyClick(box, Qt::Key_Escape);
            EXPECT_FALSE(box->close());
            QTest::keyClick(box, key);
        });
        EXPECT_EQ(desktop.MsgBox(QStringLiteral("?"), 292, QStringLiteral("t")), answer);
    }
}

}  // namespace
}  // namespace morvi
