// Thousands of random adds, merges, removals and clears on the real window; after every step the
// labels and counters must agree with the grid. MORVI_SOAK_STEPS sets the number of steps.
#include "base/currency.h"
#include "tally_on_window.h"

#include <QFile>
#include <QPixmapCache>
#include <random>

namespace morvi {
namespace {

using testing::TallyOnTheWindow;
using testing::Totals;

constexpr int kDefaultSteps = 2000;
constexpr int kWarmUpSteps = 200;

int soakSteps() {
    bool ok = false;
    const int steps = qEnvironmentVariableIntValue("MORVI_SOAK_STEPS", &ok);
    return ok && steps > 0 ? steps : kDefaultSteps;
}

// A number text as the currency it stands for, read by Qt rather than by the program.
Currency currencyOf(const QString& text) { return Currency::fromDouble(text.toDouble()); }

// Resident memory in kB, 0 where the system does not tell.
long residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').front().toLong();
    return 0;
}

class TallySoak : public TallyOnTheWindow {
  protected:
    QString menuText() const override {
        return QStringLiteral(
            "A,a,250\r\nB,b,30\r\nC,c,160\r\nD,d,80\r\nE,e,1\r\nF,f,999\r\nG,g,45\r\n"
            "H,h,120\r\nI,i,7\r\nJ,j,64\r\n");
    }

    // Grams as a user types them: up to three whole digits and up to four decimals.
    QString randomGrams() {
        QString grams = QString::number(pick(0, 999));
        const int decimals = pick(0, 4);
        if (decimals > 0) grams += u'.' + QString::number(pick(0, 9999)).right(decimals);
        return grams;
    }
    int pick(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }

    void addFood() {
        window->cbo_HINMEI->setCurrentIndex(pick(0, window->cbo_HINMEI->count() - 1));
        window->txt_Glam->setFocus();
        QCoreApplication::processEvents();  // entering the field selects its text
        // Backspace clears the selection first: the eight-character cap ignores it.
        QTest::keyClick(window->txt_Glam, Qt::Key_Backspace);
        const QString grams = randomGrams();
        QTest::keyClicks(window->txt_Glam, grams);
        EXPECT_EQ(window->txt_Glam->text(), grams);
        QTest::mouseClick(window->cmd_SET, Qt::LeftButton);
    }
    // A click on a line, answered Yes mostly; the blank line of an empty tally asks nothing.
    void removeLine() {
        const QTableWidget* grid = window->grd_Hyo;
        const int row = pick(1, grid->rowCount());
        if (grid->item(row - 1, 0) && !grid->item(row - 1, 0)->text().isEmpty())
            desktop.answerNext(pick(0, 3) == 0 ? answer::kNo : answer::kYes);
        clickLine(row);
    }
    void step() {
        const int roll = pick(0, 99);
        if (roll < 60)
            addFood();
        else if (roll < 97)
            removeLine();
        else
            QTest::mouseClick(window->cmd_Clear, Qt::LeftButton);
        // What the event loop would run between two user actions.
        QCoreApplication::processEvents();
    }

    // Labels, counters and grid agree; the only blank line is the one of an empty tally.
    void expectConsistent() {
        const QTableWidget* grid = window->grd_Hyo;
        int lines = 0;
        int64_t kcal = 0;
        Currency grams;
        for (int r = 0; r < grid->rowCount(); ++r) {
            const QString name = grid->item(r, 0) ? grid->item(r, 0)->text() : QString();
            if (name.isEmpty()) {
                EXPECT_EQ(grid->rowCount(), 1) << "a blank line among " << grid->rowCount();
                continue;
            }
            ++lines;
            grams = grams + currencyOf(grid->item(r, 1)->text());
            kcal += grid->item(r, 2)->text().toLongLong();
        }
        const TallyState& tally = window->form().tally;
        EXPECT_EQ(tally.m_NextRow, lines + 1);
        EXPECT_EQ(tally.m_RowCount, lines + 1);
        if (lines == 0) {
            EXPECT_EQ(shownTotals(), Totals{});
            return;
        }
        EXPECT_EQ(window->lbl_Goukei3->text(), QString::number(lines));
        EXPECT_EQ(window->lbl_Goukei->text(), QString::number(kcal));
        EXPECT_EQ(currencyOf(window->lbl_Goukei2->text()).tenThousandths(), grams.tenThousandths());
        EXPECT_EQ(tally.m_TotalGram.tenThousandths(), grams.tenThousandths());
    }

    // The delete question is the only message a valid step may show.
    void expectOnlyQuestions() {
        for (const testing::ShownMessage& m : desktop.messages)
            EXPECT_EQ(m.style, style::kDeleteQuestion) << m.prompt.toStdString();
        desktop.messages.clear();
        // The fake's own records would otherwise grow with every step.
        desktop.log.clear();
        desktop.pointerHistory.clear();
    }

    bool runSteps(int count) {
        for (int i = 0; i < count && !HasFailure(); ++i) {
            step();
            expectOnlyQuestions();
            expectConsistent();
        }
        return !HasFailure();
    }

    std::mt19937 random_{20261207};
};

TEST_F(TallySoak, LabelsCountersAndGridAgreeAfterEveryStep) {
    // The style's pixmap cache would fill over many steps and hide a leak of the program's own.
    const int cacheLimit = QPixmapCache::cacheLimit();
    QPixmapCache::setCacheLimit(0);
    const int steps = soakSteps();
    ASSERT_TRUE(runSteps(std::min(kWarmUpSteps, steps)));
    const qsizetype objects = window->findChildren<QObject*>().size();
    [[maybe_unused]] const long warmKb = residentKb();
    ASSERT_TRUE(runSteps(steps - std::min(kWarmUpSteps, steps)));
    EXPECT_EQ(window->findChildren<QObject*>().size(), objects);
    EXPECT_LE(window->grd_Hyo->rowCount(), 10);
#if !defined(__SANITIZE_ADDRESS__)
    // The sanitizer's quarantine holds freed memory, so only a plain build can judge growth.
    EXPECT_LT(residentKb() - warmKb, 4 * 1024);
#endif
    QPixmapCache::setCacheLimit(cacheLimit);
}

}  // namespace
}  // namespace morvi
