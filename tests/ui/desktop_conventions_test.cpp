// How the window behaves as a Japanese desktop program: keys, Qt's own words, windows, readers.
#include "base/cp932.h"
#include "qt/frm_morvi.h"
#include "qt/qt_desktop.h"

#include <gtest/gtest.h>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleHints>
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

// The window on the program's own desktop: its message boxes are the real, modal ones.
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
    QtDesktop desktop;
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

// The question may open with はい under the pointer, where the second click of the double-click
// that opened it lands: that click answers nothing, and only one question opens.
TEST_F(OnTheWindow, ADoubleClickOnALineAsksOnceAndRemovesNothing) {
    auto* grid = window.findChild<QTableWidget*>(QStringLiteral("grd_Hyo"));
    grid->setItem(0, 0, new QTableWidgetItem(QStringLiteral("あじ")));
    // However slow the machine, the click on はい comes within the interval.
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(60000);
    QStringList asked;
    QTimer user;  // clicks はい on each question at once, then answers it with Enter (No)
    user.callOnTimeout([&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
        asked << box->text() + (box->isVisible() ? "" : " (closed by the click)");
        QTest::keyClick(box, Qt::Key_Return);
    });
    user.start(0);
    const QPoint line1 = grid->visualRect(grid->model()->index(0, 0)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, line1);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, line1);
    EXPECT_EQ(asked.join(u'|').toStdString(), "あじ を削除しますか");
    EXPECT_EQ(grid->model()->index(0, 0).data().toString().toStdString(), "あじ");
}

}  // namespace
}  // namespace morvi
