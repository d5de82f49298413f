#include "qt/frm_ver.h"
#include "qt/version_menu.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace morvi {
namespace {

// Lets a closed dialog's deferred deletion happen.
void flushDeletions() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

class VersionDialog : public ::testing::Test {
  protected:
    void TearDown() override {
        if (Frm_Ver* dialog = openVersionDialog()) dialog->close();
        flushDeletions();
    }

    // Opens the dialog and makes it the active window, as after the menu click.
    Frm_Ver* open() {
        g_version_Click();
        Frm_Ver* dialog = openVersionDialog();
        EXPECT_NE(dialog, nullptr);
        if (dialog) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        }
        return dialog;
    }
};

TEST_F(VersionDialog, IsAFixedOwnerlessModelessToolWindowCentredOnTheScreen) {
    Frm_Ver* dialog = open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Version"));
    EXPECT_EQ(dialog->size(), QSize(232, 91));
    EXPECT_EQ(dialog->minimumSize(), QSize(232, 91));
    EXPECT_EQ(dialog->maximumSize(), QSize(232, 91));
    EXPECT_EQ(dialog->parentWidget(), nullptr);
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(dialog->windowType(), Qt::Tool);
    const Qt::WindowFlags flags = dialog->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    const QPoint screenCentre = dialog->screen()->availableGeometry().center();
    EXPECT_LE((dialog->geometry().center() - screenCentre).manhattanLength(), 1);
}

TEST_F(VersionDialog, TextsFitOnOneLineOfTheirLabels) {
    Frm_Ver* dialog = open();
    ASSERT_NE(dialog, nullptr);
    for (QLabel* label : {dialog->Label1, dialog->Label2}) {
        SCOPED_TRACE(label->text().toStdString());
        const QFontMetrics metrics(label->font());
        EXPECT_LE(metrics.horizontalAdvance(label->text()), dialog->width() - label->x());
        EXPECT_LE(metrics.height(), label->height());
        EXPECT_FALSE(label->wordWrap());
    }
}

TEST_F(VersionDialog, OkHasTheFocusAndIsNeitherDefaultNorCancel) {
    Frm_Ver* dialog = open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), dialog->cmd_ok);
    EXPECT_FALSE(dialog->cmd_ok->isDefault());
    EXPECT_FALSE(dialog->cmd_ok->autoDefault());
    EXPECT_EQ(dialog->focusPolicy() & Qt::TabFocus, 0);
    for (QLabel* label : {dialog->Label1, dialog->Label2, dialog->Image1})
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
}

TEST_F(VersionDialog, ChoosingTheItemAgainWhileOpenKeepsTheOneDialog) {
    Frm_Ver* first = open();
    ASSERT_NE(first, nullptr);
    g_version_Click();
    EXPECT_EQ(openVersionDialog(), first);
    int shown = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<Frm_Ver*>(window) && window->isVisible()) ++shown;
    EXPECT_EQ(shown, 1);
}

TEST_F(VersionDialog, OkUnloadsItAndTheNextOpeningStartsFresh) {
    Frm_Ver* first = open();
    ASSERT_NE(first, nullptr);
    QPointer<Frm_Ver> gone = first;
    first->Label1->setText(QStringLiteral("changed"));
    first->move(first->pos() + QPoint(40, 30));
    QTest::mouseClick(first->cmd_ok, Qt::LeftButton);
    EXPECT_EQ(openVersionDialog(), nullptr);
    flushDeletions();
    EXPECT_TRUE(gone.isNull());

    Frm_Ver* second = open();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->Label1->text(), QStringLiteral("Morvi Ver1.0"));
    const QPoint screenCentre = second->screen()->availableGeometry().center();
    EXPECT_LE((second->geometry().center() - screenCentre).manhattanLength(), 1);
}

TEST_F(VersionDialog, TheCloseBoxUnloadsItLikeOk) {
    Frm_Ver* dialog = open();
    ASSERT_NE(dialog, nullptr);
    QPointer<Frm_Ver> gone = dialog;
    EXPECT_TRUE(dialog->close());
    EXPECT_EQ(openVersionDialog(), nullptr);
    flushDeletions();
    EXPECT_TRUE(gone.isNull());
}

TEST_F(VersionDialog, EnterReturnAndSpacePressOk) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        Frm_Ver* dialog = open();
        ASSERT_NE(dialog, nullptr);
        int clicks = 0;
        QObject::connect(dialog->cmd_ok, &QPushButton::clicked, [&clicks] { ++clicks; });
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(clicks, 1);
        EXPECT_EQ(openVersionDialog(), nullptr);
        flushDeletions();
    }
}

TEST_F(VersionDialog, EscapeDoesNothing) {
    Frm_Ver* dialog = open();
    ASSERT_NE(dialog, nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(openVersionDialog(), dialog);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(VersionDialog, AnotherWindowStaysUsableBesideIt) {
    QLineEdit other;
    other.show();
    Frm_Ver* dialog = open();
    ASSERT_NE(dialog, nullptr);
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QTest::keyClicks(&other, QStringLiteral("150"));
    EXPECT_EQ(other.text(), QStringLiteral("150"));
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(VersionDialog, ClosingAllWindowsClosesIt) {
    Frm_Ver* dialog = open();
    ASSERT_NE(dialog, nullptr);
    QPointer<Frm_Ver> gone = dialog;
    QApplication::closeAllWindows();
    EXPECT_EQ(openVersionDialog(), nullptr);
    flushDeletions();
    EXPECT_TRUE(gone.isNull());
}

}  // namespace
}  // namespace morvi
