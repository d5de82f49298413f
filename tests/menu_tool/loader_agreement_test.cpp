// The checker's verdict must be what Menu_Load does with the same file.
#include "fake_controls.h"
#include "food/menu_load.h"
#include "menu_generator.h"
#include "menu_tool/menu_check.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <random>

namespace morvi::menu_tool {
namespace {

using namespace Qt::StringLiterals;

// The number on Menu_Load's error report, 0 when it loads.
int32_t loaderNumber(const QString& appDir) {
    testing::FakeWindow window;
    if (Menu_Load(window.form, appDir)) return 0;
    const QString prompt = window.desktop.messages.at(0).prompt;
    const qsizetype open = prompt.indexOf(u'(') + 1;
    return prompt.mid(open, prompt.indexOf(u')') - open).toInt();
}

class AgreementTest : public ::testing::Test {
  protected:
    QString menu() const { return dir.filePath(u"menu.txt"_s); }
    void write(const QByteArray& bytes) {
        QFile file(menu());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    // Both readers on the file; returns the checker's view after asserting they agree.
    MenuCheck bothAgree() {
        const MenuCheck check = checkMenuFile(menu());
        EXPECT_EQ(check.verdict, loaderNumber(dir.path()));
        return check;
    }
    QTemporaryDir dir;
};

QByteArray lines(int n, const QByteArray& last = "F,k,80\r\n") {
    QByteArray bytes;
    for (int i = 1; i < n; ++i) bytes += "F,k" + QByteArray::number(i) + ",80\r\n";
    return bytes + last;
}

struct Case {
    const char* name;
    QByteArray bytes;
    int32_t verdict;
    qint64 line;
};
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class AgreementTableTest : public AgreementTest, public ::testing::WithParamInterface<Case> {};

TEST_P(AgreementTableTest, SameVerdictAsTheLoader) {
    write(GetParam().bytes);
    const MenuCheck check = bothAgree();
    EXPECT_EQ(check.verdict, GetParam().verdict);
    EXPECT_EQ(check.verdictLine, GetParam().line);
}

const QByteArray x32767(32767, 'x');

INSTANTIATE_TEST_SUITE_P(
    LoaderTable, AgreementTableTest,
    ::testing::Values(Case{"EmptyFile", "", 0, 0}, Case{"Plain", "A,a,1\r\nB,b,2", 0, 0},
                      Case{"BlankLine", "A,a,1\r\n\r\nB,b,2\r\n", 5, 2},
                      Case{"SpacesOnly", "A,a,1\r\n   \r\n", 5, 2},
                      Case{"NoComma", "A a 1\r\n", 5, 1}, Case{"OneComma", "A,a 1\r\n", 5, 1},
                      Case{"Field3Empty", "A,a,\r\n", 13, 1},
                      Case{"Field3Text", "A,a,1\r\nB,b,abc\r\n", 13, 2},
                      Case{"Field3OutOfRange", "A,a,3000000000\r\n", 6, 1},
                      Case{"FirstErrorWins", "A,a,1\r\nB,b,x\r\nC\r\n", 13, 2},
                      Case{"CommaBeyond32767", x32767 + ",k,1\r\n", 6, 1},
                      Case{"Field3Beyond32767", "a," + QByteArray(32764, 'k') + ",1\r\n", 6, 1},
                      Case{"LargestList", lines(32766), 0, 0},
                      Case{"OneLineTooMany", lines(32767), 6, 0},
                      Case{"BadLineBeatsTheCount", lines(32767, "F,k,x\r\n"), 13, 32767},
                      Case{"LfOnly", "A,a,1\nB,b,2\n", 13, 1},
                      Case{"Utf16",
                           QByteArray("\xFF\xFE"
                                      "A\0,\0a\0,\0"
                                      "1\0\r\0\n\0",
                                      16),
                           13, 1},
                      Case{"Utf8", "\xE3\x81\x94,\xE3\x81\x94,51\r\n", 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AgreementTest, FilesThatCannotBeOpened) {
    EXPECT_EQ(bothAgree().verdict, 53);
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"menu.txt"_s));
    EXPECT_EQ(bothAgree().verdict, 75);
    const MenuCheck gone = checkMenuFile(dir.filePath(u"gone/menu.txt"_s));
    EXPECT_EQ(gone.verdict, loaderNumber(dir.filePath(u"gone"_s)));
    EXPECT_EQ(gone.verdict, 76);
    EXPECT_TRUE(gone.unreadable);
}

// Damage that the loader meets in real lists, applied at random places.
QByteArray mutated(QByteArray bytes, std::mt19937& rng) {
    static const QByteArray inserts[] = {"\r\n", "\n", ",", "x", "  ", "\x82", "99999999999", ""};
    const int count = std::uniform_int_distribution<int>(0, 3)(rng);
    for (int m = 0; m < count && !bytes.isEmpty(); ++m) {
        const qsizetype at = std::uniform_int_distribution<qsizetype>(0, bytes.size() - 1)(rng);
        const QByteArray& insert = inserts[rng() % std::size(inserts)];
        if (insert.isEmpty())
            bytes.remove(at, 1);
        else
            bytes.insert(at, insert);
    }
    return bytes;
}

TEST_F(AgreementTest, GeneratedCorpus) {
    using bench::KeyOrder;
    const KeyOrder orders[] = {KeyOrder::Random, KeyOrder::Sorted, KeyOrder::Reversed,
                               KeyOrder::ManyEqual};
    std::mt19937 rng(4242);
    int refused = 0;
    for (uint32_t seed = 0; seed < 400; ++seed) {
        const int n = std::uniform_int_distribution<int>(0, 40)(rng);
        write(mutated(bench::generateMenu(n, orders[seed % 4], seed), rng));
        SCOPED_TRACE(seed);
        refused += bothAgree().verdict != 0;
    }
    // The corpus must exercise both outcomes to mean anything.
    EXPECT_GT(refused, 100);
    EXPECT_LT(refused, 350);
}

}  // namespace
}  // namespace morvi::menu_tool
