// How the window behaves as a Japanese desktop program: keys, Qt's own words, windows, readers.
#include "base/cp932.h"
#include "fake_controls.h"
#include "ui/frm_morvi.h"
#include "ui/qt_desktop.h"

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
