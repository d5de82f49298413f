// The main window as a user meets it, started offscreen on a food list of its own and driven by
// keyboard and mouse; a fake desktop answers its message boxes.
#include "base/cp932.h"
#include "fake_controls.h"
#include "qt/frm_morvi.h"
#include "qt/frm_ver.h"

#include <gtest/gtest.h>
#include <QTest>
#include <QtWidgets>

namespace morvi {
namespace {

using namespace Qt::StringLiterals;

struct FailingPrinter : Printer {
    void printLines(const QStringList&) override { throw RunTimeError(err::kPrinterError); }
    QByteArray pdfDocument(const QStringList&) override { throw RunTimeError(err::kPrinterError); }
};

class MainWindow : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    testing::FakeDesktop desktop;
    FailingPrinter printer;
    Frm_Morvi window{desktop, printer};
    QComboBox* picker = window.findChild<QComboBox*>(u"cbo_HINMEI"_s);
    QLineEdit* field = window.findChild<QLineEdit*>(u"txt_Glam"_s);
    QTableWidget* grid = window.findChild<QTableWidget*>(u"grd_Hyo"_s);

    void SetUp() override {
        QFile file(dir.filePath(u"menu.txt"_s));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(cp932().encode(u"P,p,250\r\nR,r,160\r\nQ,q,30\r\n"_s));
        file.close();
        window.load([] { return false; }, dir.path());
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QString focused() const {
        QCoreApplication::processEvents();
        return QApplication::focusWidget()->objectName();
    }
    void click(const char* button) {
        QTest::mouseClick(window.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }
    void trigger(const QString& item) {
        for (QAction* action : window.findChildren<QAction*>())
            if (action->text() == item) action->trigger();
    }
    // The food chosen with the arrow keys from the top of the list and Enter, the grams typed
    // over the selected text and Enter, then "SET" pressed with the space bar.
    void add(int food, const char* grams) {
        picker->setFocus();
        QTest::keyClick(picker, Qt::Key_Home);
        for (int i = 0; i < food; ++i) QTest::keyClick(picker, Qt::Key_Down);
        QTest::keyClick(picker, Qt::Key_Return);
        ASSERT_EQ(focused(), u"txt_Glam");
        ASSERT_EQ(field->selectedText(), field->text());
        QTest::keyClicks(field, grams);
        QTest::keyClick(field, Qt::Key_Return);
        ASSERT_EQ(focused(), u"cmd_SET");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    }
    // As the fake window shows it: the lines, the three totals and the gram field.
    std::string shown() const {
        QStringList lines, totals;
        for (int r = 0; r < grid->rowCount(); ++r) {
            QStringList line;
            for (int c = 0; c < 3; ++c) line << (grid->item(r, c) ? grid->item(r, c)->text() : "");
            lines << line.join(u' ');
        }
        for (const char* name : {"lbl_Goukei", "lbl_Goukei2", "lbl_Goukei3"})
            totals << window.findChild<QLabel*>(QLatin1String(name))->text();
        return QStringList{lines.join(u'|'), totals.join(u' '), field->text()}
            .join(u" / "_s)
            .toStdString();
    }
};

TEST_F(MainWindow, StartsOnItsFoodsInKeyOrderThenAddsByKeyboardRemovesByClickAndClears) {
    QStringList seen{window.windowTitle(), focused(), QString::number(picker->currentIndex())};
    for (int i = 0; i < picker->count(); ++i) seen << picker->itemText(i);
    for (int c = 0; c < 3; ++c) seen << grid->horizontalHeaderItem(c)->text();
    EXPECT_EQ(seen.join(u' ').toStdString(),
              "Ｍｏｒｖｉ cbo_HINMEI -1 P Q R 品名 グラム(g) カロリー(KCal)");
    EXPECT_EQ(shown(), "   /    / ");

    for (const auto& [food, grams] :
         {std::pair(0, "150"), std::pair(0, "100"), std::pair(1, "100"), std::pair(2, "5")})
        ASSERT_NO_FATAL_FAILURE(add(food, grams));
    EXPECT_EQ(shown(), "P 250 80|Q 100 267|R 5 2 / 349 355 3 / 5");
    EXPECT_EQ(focused(), u"cbo_HINMEI");
    QHeaderView* header = grid->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(10, header->height() / 2));
    desktop.log.clear();
    desktop.answers = {answer::kYes};
    const QRect line2 = grid->visualRect(grid->model()->index(1, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, line2.center());
    EXPECT_EQ(desktop.take().toStdString(), "行削除確認 292: Q を削除しますか, Pointer 0");
    EXPECT_EQ(shown(), "P 250 80|R 5 2 / 82 255 2 / 5");
    click("cmd_Clear");
    EXPECT_EQ(shown(), "   /    / ");
}

TEST_F(MainWindow, TheGramFieldTakesOnlyDigitsAndFullStopsHoweverTheyArrive) {
    field->setFocus();
    const auto commit = [this](const QString& s) {
        QInputMethodEvent event;
        event.setCommitString(s);
        QCoreApplication::sendEvent(field, &event);
    };
    const auto paste = [this](const QString& s) {
        QGuiApplication::clipboard()->setText(s);
        field->paste();
    };
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[&] { QTest::keyClicks(field, "a1.5"); }, "1.5"},
        {[&] { QTest::keyClick(field, Qt::Key_Backspace); }, "1."},
        {[&] { commit(u"１"_s); }, "1."},
        {[&] { commit(u"2a3"_s); }, "1.23"},
        {[&] { paste(u"12a"_s); }, "1.23"},
        {[&] { paste(u"45"_s); }, "1.2345"},
        {[&] { QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier); }, "1.2345"},
        {[&] { paste(u"678"_s); }, "1.2345"},
        {[&] { QTest::keyClicks(field, "678"); }, "1.234567"},
    };
    for (const auto& [act, text] : steps) {
        act();
        EXPECT_EQ(field->text().toStdString(), text);
    }
}

TEST_F(MainWindow, TheMenusPrintHelpAndEndTheProgram) {
    grid->setItem(0, 0, new QTableWidgetItem(u"P"_s));
    desktop.log.clear();
    trigger(u"印刷(&P)"_s);
    trigger(u"PDFに保存(&D)..."_s);
    trigger(u"使い方(&U)"_s);
    EXPECT_EQ(desktop.take().section(u'\r', 0, 0).toStdString(),
              "Pointer 11, Pointer 0, error 482, PDFに保存 PDF (*.pdf): Morvi_########.pdf, "
              "Morvi 64: 品名をコンボボックス（リスト）一覧より選択し、");
    trigger(u"バージョン情報(&V)"_s);
    trigger(u"バージョン情報(&V)"_s);
    QList<QPointer<Frm_Ver>> open;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<Frm_Ver*>(w); dialog && dialog->isVisible()) open << dialog;
    ASSERT_EQ(open.size(), 1);
    QTest::keyClick(open[0], Qt::Key_Escape);
    EXPECT_TRUE(open[0]->isVisible());
    QTest::keyClick(open[0]->findChild<QPushButton*>(), Qt::Key_Return);
    EXPECT_TRUE(!open[0] || !open[0]->isVisible());
    trigger(u"終了(&E)"_s);
    EXPECT_TRUE(window.ended() && window.exitStatus() == 0 && !window.isVisible());
}

TEST_F(MainWindow, EndEndsTheProgramAndNothingRunsAfter) {
    click("cmd_End");
    EXPECT_TRUE(window.ended() && window.exitStatus() == 0 && !window.isVisible());
    window.findChild<QPushButton*>(u"cmd_SET"_s)->click();
    EXPECT_FALSE(desktop.take().contains(u"入力確認"));
}

}  // namespace
}  // namespace morvi
