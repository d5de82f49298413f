// Start-up, the error report, the usage message and the one-copy lock.
#include "app/form_load.h"
#include "app/single_instance.h"
#include "app/usage.h"
#include "fake_controls.h"
#include "ui/error_frame.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <stdexcept>

#include <sys/wait.h>
#include <unistd.h>

namespace morvi {
namespace {

using namespace Qt::StringLiterals;

// The report's prompt as the user reads it, and the beep before the notice that ends the program.
TEST(ErrorReport, IsTheNumberAndItsTextAndMayEndTheProgram) {
    EXPECT_EQ(errorReportText(53),
              u"【ｴﾗｰｺｰﾄﾞ】 : (53)\r\n【ｴﾗｰ内容】 :ファイルが見つかりません。");
    EXPECT_EQ(standardErrorText(1), standardErrorText(1000));
    support::FakeDesktop desktop;
    desktop.pointer = true;
    const auto ends = [&](OnError branch, auto error) {
        try {
            return withErrorBranch(desktop, branch, [&] { throw error; }), desktop.take();
        } catch (const ProgramEnd& end) {
            return desktop.take() + u" → end %1"_s.arg(end.exitStatus);
        }
    };
    EXPECT_EQ(ends(OnError::Report, RunTimeError(482)), u"error 482");
    EXPECT_EQ(ends(OnError::Report, std::runtime_error("no number")), u"error 51");
    EXPECT_EQ(ends(OnError::DefaultPointerReportThenEnd, std::bad_alloc()),
              u"Pointer 0, error 7, Beep, Morvi 48: 強制終了します。 → end 1");
}

// Its box and title are the help item's (the window test): here the full-width space before A4.
TEST(Usage, HasAFullWidthSpaceBeforeA4) { EXPECT_TRUE(usageText().contains(u"印刷は\u3000A4")); }

// What the load handler shows: a window shown before it is filled, or the end of the program.
TEST(Start, ShowsTheFilledWindowOrEndsForASecondCopyOrAListItCannotRead) {
    const struct {
        bool anotherRunning;
        const char* menu;
        const char* seen;
    } rows[] = {
        {false, "P,p,250", "shown → P 250 @cbo_HINMEI -1"},
        {true, "P,p,250", "→ end 0"},
        {false, nullptr, "error 53, Beep, Morvi 48: 強制終了します。 → end 1"},
    };
    for (const auto& row : rows) {
        QTemporaryDir dir;
        support::FakeWindow w;
        if (row.menu) support::writeFile(dir.filePath(u"menu.txt"_s), row.menu);
        QString seen;
        try {
            Form_Load(w.form, {[&] { return row.anotherRunning; }, dir.path(),
                               [&] { w.desktop.log << u"shown"_s; }});
            const auto& [name, weight] = w.cbo_HINMEI.items.at(0);
            seen = u" → %1 %2 @%3 %4"_s.arg(name).arg(weight).arg(w.focus).arg(w.cbo_HINMEI.index);
        } catch (const ProgramEnd& end) {
            seen = u" → end %1"_s.arg(end.exitStatus);
        }
        EXPECT_EQ((w.desktop.take() + seen).trimmed().toStdString(), row.seen);
    }
}

// The first copy holds the lock until it ends, however long; a lock of a crashed copy is taken
// over, and no place for a lock stops no copy.
TEST(OneCopy, TheFirstCopyHoldsTheLockUntilItEndsAndACrashedCopysLockIsTakenOver) {
    QTemporaryDir dir;
    const auto another = [&] { return InstanceLock(dir.path()).anotherInstanceRunning(); };
    // A lock of a day ago, written by process pid of this program.
    const auto writeLock = [&](qint64 pid) {
        QFile file(dir.filePath(u"morvi-%1.lock"_s.arg(getuid())));
        support::writeFile(file.fileName(), u"%1\n%2\n%3\n"_s.arg(pid)
                                                .arg(QFileInfo(u"/proc/self/exe"_s).symLinkTarget(),
                                                     QSysInfo::machineHostName())
                                                .toUtf8());
        file.open(QIODevice::ReadOnly);
        file.setFileTime(QDateTime::currentDateTime().addDays(-1),
                         QFileDevice::FileModificationTime);
    };
    auto first = std::make_unique<InstanceLock>(dir.path());
    EXPECT_FALSE(first->anotherInstanceRunning() || first->anotherInstanceRunning());
    EXPECT_TRUE(another());
    first.reset();
    EXPECT_FALSE(another());
    writeLock(getpid());
    EXPECT_TRUE(another());
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    writeLock(child);
    EXPECT_FALSE(another());
    EXPECT_FALSE(InstanceLock(u"/dev/null"_s).anotherInstanceRunning());
}

}  // namespace
}  // namespace morvi
