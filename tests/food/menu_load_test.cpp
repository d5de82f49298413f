#include "food/menu_load.h"

#include "fake_controls.h"
#include "food_test_util.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace morvi {
namespace {

using namespace Qt::StringLiterals;
using testing::FakeWindow;
using testing::sjis;

struct Entry {
    QString hinmei;
    QString yomi;
    int32_t unitGram;
    bool operator==(const Entry&) const = default;
};

std::vector<Entry> entriesOf(const FoodTable& t) {
    std::vector<Entry> out;
    for (int32_t i = 1; i <= t.m_MenuCount; ++i)
        out.push_back({t.m_Hinmei[i], t.m_Yomi[i], t.m_UnitGram[i]});
    return out;
}

void PrintTo(const Entry& e, std::ostream* os) {
    *os << e.hinmei.toStdString() << "," << e.yomi.toStdString() << "," << e.unitGram;
}

class MenuLoadTest : public ::testing::Test {
  protected:
    void writeMenu(const QByteArray& bytes) {
        QFile file(dir.filePath(u"menu.txt"_s));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    bool load() { return Menu_Load(window.form, dir.path()); }
    // The number shown on the only error report, 0 when none was shown.
    int reportedNumber() const {
        if (window.desktop.messages.size() != 1) return 0;
        const QString prompt = window.desktop.messages.front().prompt;
        const QString head = u"【ｴﾗｰｺｰﾄﾞ】 : ("_s;
        if (!prompt.startsWith(head)) return 0;
        return prompt.mid(head.size(), prompt.indexOf(u')') - head.size()).toInt();
    }

    QTemporaryDir dir;
    FakeWindow window;
};

TEST_F(MenuLoadTest, WorkedExampleSortsByKey) {
    writeMenu(
        sjis(u"ごはん,ごはん,50\r\n食パン,しょくぱん,30\r\nりんご,りんご,150\r\n"
             u"牛乳,ぎゅうにゅう,120\r\n"_s));
    ASSERT_TRUE(load());
    const FoodTable& t = window.form.food;
    EXPECT_EQ(t.m_MenuCount, 4);
    EXPECT_EQ(entriesOf(t), (std::vector<Entry>{{u"牛乳"_s, u"ぎゅうにゅう"_s, 120},
                                                {u"ごはん"_s, u"ごはん"_s, 50},
                                                {u"食パン"_s, u"しょくぱん"_s, 30},
                                                {u"りんご"_s, u"りんご"_s, 150}}));
    ASSERT_EQ(t.m_Hinmei.size(), 5u);
    EXPECT_EQ(t.m_Hinmei[0], QString());
    EXPECT_EQ(t.m_Yomi[0], QString());
    EXPECT_EQ(t.m_UnitGram[0], 0);
    EXPECT_TRUE(window.desktop.messages.empty());
    EXPECT_EQ(window.desktop.log, (QStringList{u"DoEvents"_s, u"Pointer:0"_s}));
}

struct FileCase {
    const char* name;
    QByteArray bytes;
    std::vector<Entry> expected;
};

class MenuLoadFileTest : public MenuLoadTest, public ::testing::WithParamInterface<FileCase> {};

TEST_P(MenuLoadFileTest, LoadsTheseEntries) {
    writeMenu(GetParam().bytes);
    ASSERT_TRUE(load());
    EXPECT_EQ(entriesOf(window.form.food), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MenuLoadFileTest,
    ::testing::Values(FileCase{"EmptyFile", QByteArray(), {}},
                      FileCase{"EqualKeysChangePlaces",
                               "X,b,1\r\nY,b,2\r\nZ,a,3",
                               {{"Z", "a", 3}, {"Y", "b", 2}, {"X", "b", 1}}},
                      FileCase{"TrailingCrLfNoExtraEntry", "A,a,1\r\n", {{"A", "a", 1}}},
                      FileCase{"LoneCrEndsLine", "A,b,1\rB,a,2\r", {{"B", "a", 2}, {"A", "b", 1}}},
                      FileCase{"LoneLfStaysInTheLine", "A\nB,a,1\r\n", {{"A\nB", "a", 1}}},
                      FileCase{
                          "EmptyNameAndKeyFirst", ",,5\r\nB,b,6\r\n", {{"", "", 5}, {"B", "b", 6}}},
                      // Bad code page 932 bytes cost only themselves: no comma is swallowed.
                      FileCase{"LeadByteBeforeComma", "\x82,k,5", {{u"\uFFFD"_s, "k", 5}}},
                      FileCase{"UnassignedPair", "A\x85\x40,k,5", {{u"A\uFFFD@"_s, "k", 5}}},
                      FileCase{"NulKeptInName",
                               QByteArray("A\0B,k,5", 7),
                               {{QStringView(u"A\0B", 3).toString(), "k", 5}}},
                      FileCase{"Utf8ByteOrderMarkIsText",
                               "\xEF\xBB\xBF"
                               "A,a,1\r\n",
                               {{u"\uFFFD\uFF7FA"_s, "a", 1}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ErrorCase {
    const char* name;
    QByteArray bytes;
    int number;
};

class MenuLoadErrorTest : public MenuLoadTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(MenuLoadErrorTest, ReportsAndFails) {
    writeMenu(GetParam().bytes);
    EXPECT_FALSE(load());
    EXPECT_EQ(reportedNumber(), GetParam().number);
    EXPECT_EQ(window.desktop.messages.front().style, 0);
    EXPECT_EQ(window.desktop.messages.front().title, u"Morvi"_s);
    EXPECT_EQ(window.desktop.pointer, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, MenuLoadErrorTest,
    ::testing::Values(ErrorCase{"BlankLineInMiddle", "A,a,1\r\n\r\nB,b,2\r\n", 5},
                      ErrorCase{"BlankLineAfterLast", "A,a,1\r\n\r\n", 5},
                      ErrorCase{"BlankFirstLine", "\r\nA,a,1", 5},
                      ErrorCase{"LoneLfMakesField3Text", "A,a,1\nB\r\n", 13},
                      ErrorCase{"LfOnlyFileIsOneLine", "A,a,1\nB,b,2\n", 13},
                      ErrorCase{"LoneLeadByteAtTheEnd", "A,a,1\r\nB,b,2\x81", 13},
                      ErrorCase{"NulInField3", QByteArray("A,a,1\0", 6), 13},
                      ErrorCase{"Utf16File",
                                QByteArray("\xFF\xFE"
                                           "A\0,\0a\0,\0"
                                           "1\0\r\0\n\0",
                                           16),
                                13}),
    [](const auto& info) { return std::string(info.param.name); });

// A list of n lines with keys in reverse order.
QByteArray menuOfLines(int n, const QByteArray& lastLine = {}) {
    QByteArray bytes;
    bytes.reserve(n * 16);
    for (int i = n; i > 0; --i) {
        if (i == 1 && !lastLine.isEmpty()) {
            bytes += lastLine;
            break;
        }
        bytes += "F,k" + QByteArray::number(i).rightJustified(6, '0') + ",80\r\n";
    }
    return bytes;
}

TEST_F(MenuLoadTest, LargestListLoads) {
    writeMenu(menuOfLines(32766));
    ASSERT_TRUE(load());
    const FoodTable& t = window.form.food;
    EXPECT_EQ(t.m_MenuCount, 32766);
    EXPECT_EQ(t.m_Yomi[1], u"k000001"_s);
    EXPECT_EQ(t.m_Yomi[32766], u"k032766"_s);
}

TEST_F(MenuLoadTest, OneLineTooManyIsOverflow) {
    writeMenu(menuOfLines(32767));
    EXPECT_FALSE(load());
    EXPECT_EQ(reportedNumber(), 6);
}

// The line count fails only in the sort, so a bad line anywhere in the file is reported first,
// and a huge file never gets a table of its own size.
TEST_F(MenuLoadTest, LaterLineErrorWinsOverTheCount) {
    writeMenu(menuOfLines(200000, "F,k,x\r\n"));
    EXPECT_FALSE(load());
    EXPECT_EQ(reportedNumber(), 13);
    EXPECT_EQ(window.form.food.m_MenuCount, 200000);
    EXPECT_LE(window.form.food.m_Hinmei.size(), 32767u);
}

TEST_F(MenuLoadTest, AMillionLinesFailWithoutAMillionEntries) {
    writeMenu(menuOfLines(1000000));
    EXPECT_FALSE(load());
    EXPECT_EQ(reportedNumber(), 6);
    EXPECT_EQ(window.form.food.m_MenuCount, 1000000);
    EXPECT_LE(window.form.food.m_Hinmei.size(), 32767u);
}

struct LongLineCase {
    const char* name;
    QByteArray head;
    char filler;
    QByteArray tail;
    int number;  // 0: the one entry loads
};

// Lines of 10 MB: the comma rules still decide, whatever the length.
TEST_F(MenuLoadTest, TenMegabyteLines) {
    const LongLineCase cases[] = {
        {"SpacesAfterTheNumber", "A,a,1", ' ', "\r\n", 0},
        {"NameBeyondTheCommaLimit", "", 'x', ",a,1", 6},
        {"NoCommaAtAll", "", 'x', "", 5},
        {"HugeNumber", "A,a,", '9', "", 6},
    };
    for (const LongLineCase& c : cases) {
        SCOPED_TRACE(c.name);
        window.desktop.messages.clear();
        writeMenu(c.head + QByteArray(10 * 1024 * 1024, c.filler) + c.tail);
        EXPECT_EQ(load(), c.number == 0);
        EXPECT_EQ(reportedNumber(), c.number);
    }
    EXPECT_EQ(window.form.food.m_MenuCount, 1);
}

// A desktop whose one pump between the passes shortens the file.
class ShrinkingDesktop : public testing::FakeDesktop {
  public:
    explicit ShrinkingDesktop(QString path) : path_(std::move(path)) {}
    void DoEvents() override {
        FakeDesktop::DoEvents();
        QFile file(path_);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write("A,a,1\r\n");
    }

  private:
    QString path_;
};

TEST_F(MenuLoadTest, FewerLinesOnTheSecondPassIs62) {
    writeMenu("A,a,1\r\nB,b,2\r\nC,c,3\r\n");
    ShrinkingDesktop desktop(dir.filePath(u"menu.txt"_s));
    Form form{window.form.ui, desktop, {}, {}};
    EXPECT_FALSE(Menu_Load(form, dir.path()));
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_TRUE(desktop.messages.front().prompt.startsWith(u"【ｴﾗｰｺｰﾄﾞ】 : (62)\r\n"_s));
    EXPECT_EQ(desktop.log.first(), u"DoEvents"_s);
    EXPECT_EQ(desktop.pointer, 0);
}

TEST_F(MenuLoadTest, MissingFileIs53) {
    EXPECT_FALSE(load());
    EXPECT_EQ(reportedNumber(), 53);
    const QString prompt = window.desktop.messages.front().prompt;
    EXPECT_TRUE(prompt.startsWith(u"【ｴﾗｰｺｰﾄﾞ】 : (53)\r\n【ｴﾗｰ内容】 :"_s))
        << prompt.toStdString();
    EXPECT_GT(prompt.size(), QString(u"【ｴﾗｰｺｰﾄﾞ】 : (53)\r\n【ｴﾗｰ内容】 :"_s).size());
    EXPECT_EQ(window.desktop.log.last(), u"MsgBox:"_s + prompt);
    EXPECT_EQ(window.desktop.log.first(), u"Pointer:0"_s);
    EXPECT_EQ(window.desktop.pumps, 0);
}

TEST_F(MenuLoadTest, DirectoryInPlaceOfFileIs75) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"menu.txt"_s));
    EXPECT_FALSE(load());
    EXPECT_EQ(reportedNumber(), 75);
}

TEST_F(MenuLoadTest, DanglingLinkIs53) {
    ASSERT_TRUE(QFile::link(dir.filePath(u"gone.txt"_s), dir.filePath(u"menu.txt"_s)));
    EXPECT_FALSE(load());
    EXPECT_EQ(reportedNumber(), 53);
}

// Loads in a child process, which may first give up its rights, and answers with the number
// reported there; a load that hangs is ended by an alarm and fails the test.
constexpr int kRightsKept = 200;

int numberReportedInChild(const QString& appDir, bool asNobody) {
    const pid_t child = fork();
    if (child == 0) {
        alarm(20);
        if (asNobody && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(kRightsKept);
        FakeWindow window;
        const bool loaded = Menu_Load(window.form, appDir);
        const QString prompt = loaded ? QString() : window.desktop.messages.front().prompt;
        _exit(loaded ? 0 : prompt.section(u'(', 1).section(u')', 0, 0).toInt());
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

TEST_F(MenuLoadTest, FifoIsRefusedWithoutWaitingForAWriter) {
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath(u"menu.txt"_s)).constData(), 0644), 0);
    EXPECT_EQ(numberReportedInChild(dir.path(), false), 75);
}

TEST_F(MenuLoadTest, UnreadableFileIs75ForAnOrdinaryUser) {
    writeMenu("A,a,1\r\n");
    QFile::setPermissions(dir.filePath(u"menu.txt"_s), QFileDevice::WriteOwner);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ExeOther);
    const int number = numberReportedInChild(dir.path(), getuid() == 0);
    if (number == kRightsKept) GTEST_SKIP() << "root's rights cannot be given up here";
    EXPECT_EQ(number, 75);
}

TEST_F(MenuLoadTest, UnsearchableDirectoryIs75) {
    writeMenu("A,a,1\r\n");
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const int number = numberReportedInChild(dir.path(), getuid() == 0);
    if (number == kRightsKept) GTEST_SKIP() << "root's rights cannot be given up here";
    EXPECT_EQ(number, 75);
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(MenuLoadTest, MissingDirectoryIs76) {
    EXPECT_FALSE(Menu_Load(window.form, dir.filePath(u"gone"_s)));
    EXPECT_EQ(reportedNumber(), 76);
}

TEST_F(MenuLoadTest, CodePage932IsDecoded) {
    // Half-width ｱ, ① (0x8740) and the full-width tilde (0x8160) as code page 932 maps them.
    writeMenu("\xB1,\x87\x40\x81\x60,5\r\n");
    ASSERT_TRUE(load());
    EXPECT_EQ(entriesOf(window.form.food), (std::vector<Entry>{{u"ｱ"_s, u"①\uFF5E"_s, 5}}));
}

}  // namespace
}  // namespace morvi
