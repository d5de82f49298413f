#include "app/form_load.h"
#include "base/cp932.h"
#include "fake_controls.h"
#include "ui/error_frame.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

namespace morvi {
namespace {

using testing::FakeWindow;

class FormLoad : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    FakeWindow w;
    bool anotherRunning = false;
    int shown = 0;
    QString focusWhenShown = QStringLiteral("(not shown)");
    std::function<void()> onShow;

    void writeMenu(const QString& text) {
        QFile file(dir.filePath(QStringLiteral("menu.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(cp932().encode(text));
    }
    // The exit status the load ended the program with, or nothing when it goes on.
    std::optional<int> load() {
        const StartUp startUp{[this] { return anotherRunning; }, dir.path(),
                              [this] {
                                  ++shown;
                                  focusWhenShown = w.focus.focused;
                                  if (onShow) onShow();
                              }};
        try {
            Form_Load(w.form, startUp);
            return std::nullopt;
        } catch (const ProgramEnd& end) {
            return end.exitStatus;
        }
    }
    QString report(int number) const {
        return QStringLiteral("MsgBox:【ｴﾗｰｺｰﾄﾞ】 : (%1)\r\n【ｴﾗｰ内容】 :").arg(number) +
               standardErrorText(number);
    }
};

TEST_F(FormLoad, ShowsTheWindowThenInitialisesItOnAGoodMenu) {
    writeMenu(QStringLiteral("ごはん,ごはん,48\r\nあじ,あじ,66\r\n"));
    EXPECT_EQ(load(), std::nullopt);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(focusWhenShown, QString());  // shown before the focus moved to the picker
    EXPECT_EQ(w.focus.focused, QStringLiteral("cbo_HINMEI"));
    ASSERT_EQ(w.cbo_HINMEI.items.size(), 2u);
    EXPECT_EQ(w.cbo_HINMEI.items[0], (std::pair<QString, int32_t>{"あじ", 66}));
    EXPECT_EQ(w.txt_Glam.text, QString());
    EXPECT_TRUE(w.desktop.messages.empty());
    EXPECT_EQ(w.desktop.pointerHistory.front(), 0);
}

TEST_F(FormLoad, ASecondCopyEndsAtOnceSilentlyWithoutReadingTheMenu) {
    anotherRunning = true;  // and no menu.txt: reading it would report 53
    EXPECT_EQ(load(), std::optional<int>(0));
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(w.desktop.log, (QStringList{"Pointer:0"}));
}

TEST_F(FormLoad, AFailedLoadShowsTheLoadersReportOnlyThenBeepsAndTheNotice) {
    struct Case {
        const char* what;
        std::function<void()> prepare;
        int number;
    };
    const Case cases[] = {
        {"missing file", [] {}, 53},
        {"a line without commas", [this] { writeMenu(QStringLiteral("ごはん\r\n")); }, 5},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        w.desktop.log.clear();
        w.desktop.messages.clear();
        k.prepare();
        EXPECT_EQ(load(), std::optional<int>(1));
        EXPECT_EQ(shown, 0);
        QStringList boxesAndBeeps;
        for (const QString& entry : w.desktop.log)
            if (entry.startsWith(QStringLiteral("MsgBox")) || entry == QStringLiteral("Beep"))
                boxesAndBeeps << entry;
        EXPECT_EQ(boxesAndBeeps,
                  (QStringList{report(k.number), "Beep", "MsgBox:強制終了します。"}));
        EXPECT_EQ(w.desktop.messages.back().style, 48);
        EXPECT_EQ(w.desktop.messages.back().title, QStringLiteral("Morvi"));
    }
}

TEST_F(FormLoad, AnErrorAfterTheLoadIsReportedThenEndsTheProgram) {
    writeMenu(QStringLiteral("ごはん,ごはん,48\r\n"));
    onShow = [] { throw RunTimeError(err::kInvalidCall); };
    EXPECT_EQ(load(), std::optional<int>(1));
    ASSERT_EQ(w.desktop.messages.size(), 2u);
    EXPECT_EQ(QStringLiteral("MsgBox:") + w.desktop.messages[0].prompt, report(5));
    EXPECT_EQ(w.desktop.messages[1].prompt, QStringLiteral("強制終了します。"));
    EXPECT_EQ(w.desktop.beeps, 1);
}

TEST(ProgramEnd, EndAndTheExitItemEndAtOnceWithoutAQuestion) {
    for (auto handler : {cmd_End_Click, g_end_Click}) {
        FakeWindow w;
        w.setFoods({{QStringLiteral("ごはん"), 48}});
        w.grd_Hyo.SetTextMatrix(1, 0, QStringLiteral("ごはん"));
        try {
            handler(w.form);
            ADD_FAILURE() << "the program went on";
        } catch (const ProgramEnd& end) {
            EXPECT_EQ(end.exitStatus, 0);
        }
        EXPECT_TRUE(w.desktop.messages.empty());
    }
}

}  // namespace
}  // namespace morvi
