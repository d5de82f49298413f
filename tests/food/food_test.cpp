// The food list, one row per case: a line's fields, the lines of a byte stream, the order of the
// keys, and what Menu_Load reports and keeps for a menu.txt. "x{3}" in a row stands for "xxx".
#include "base/cp932.h"
#include "exchange_loop_reference.h"
#include "fake_controls.h"
#include "food/food_line.h"
#include "food/key_order.h"
#include "food/line_reader.h"
#include "food/menu_load.h"
#include "food/typed_reading.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QTemporaryDir>
#include <cstring>
#include <random>

#include <sys/stat.h>

namespace morvi {
namespace {

using namespace Qt::StringLiterals;
using support::expand;

QString fields(const QString& line) {
    const FoodLine f = parseFoodLine(line);
    return f.name + u'|' + f.key + u'|' + QString::number(f.unitGram);
}

QString linesOf(const QString& text) {
    QByteArray bytes = text.toLatin1();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    LineReader reader(buffer);
    QString out;
    for (QByteArray line; reader.next(line);) out += u'[' + QString::fromLatin1(line) + u']';
    return out;
}

QString orderOf(const QString& keys) {
    QStringList places;
    for (int i : exchangeSortOrder(keys.split(u','))) places << QString::number(i);
    return places.join(u' ');
}

// The desktop's log, then the count and the first foods of a loaded table. A menu.txt of the text
// in code page 932, or: <missing>, <loop> a link to itself, <fifo>, <notdir> menu.txt as the
// program's directory, <gone> a directory not there.
QString load(const QString& file) {
    static QTemporaryDir dir;
    const QString menu = dir.filePath(u"menu.txt"_s);
    QFile::remove(menu);
    QString appDir = file == u"<gone>" ? dir.filePath(u"gone"_s) : dir.path();
    if (file == u"<loop>") QFile::link(menu, menu);
    if (file == u"<fifo>") mkfifo(QFile::encodeName(menu).constData(), 0600);
    if (file == u"<notdir>") appDir = menu;
    if (!file.startsWith(u'<') || appDir == menu) support::writeFile(menu, cp932().encode(file));
    support::FakeWindow w;
    QStringList foods;
    if (Menu_Load(w.form, appDir)) foods << QString::number(w.form.food.m_MenuCount) + u':';
    for (int32_t i = 1; !foods.isEmpty() && i <= std::min(w.form.food.m_MenuCount, 3); ++i)
        foods << w.form.food.m_Hinmei[i] + u' ' + QString::number(w.form.food.m_UnitGram[i]);
    return w.desktop.take() + u" / "_s + foods.join(u' ');
}

// The food chosen by the last key of each space-separated run of keys typed 100 ms apart, among
// these foods (name:reading, or a reading alone) in picker order: "." is a pause, "<" Backspace,
// "-" a last key that keeps the choice. Each food chosen is named once.
QString foundBy(const QString& runs) {
    static const QStringList kFoods =
        u"ぎゅうにゅう ぎゅうひきにく ぎょうざ こーひー ごま豆腐:ごまどうふ さんま しじみ "
        u"じゃがいも すぱげってぃ そばがき 蕎麦（ゆで）:そば ちくわ ちゃわんむし つけもの "
        u"豆腐ハンバーグ:とうふはんばーぐ 豆腐（木綿）:とうふもめん 生ハム:なまはむ にくまん "
        u"ハム（ロース）:ろーすはむ ふらんすぱん ほうれんそう まっちゃ コロッケ パン粉:ぱんこ "
        u"パン:ぱん らあめん"_s.split(u' ');
    FoodTable food{int32_t(kFoods.size()), {QString()}, {QString()}, {}};
    for (const QString& f : kFoods) food.m_Hinmei.push_back(f.section(u':', 0, 0));
    for (const QString& f : kFoods) food.m_Yomi.push_back(f.section(u':', -1));
    QStringList found;
    for (const QString& keys : runs.split(u' ')) {
        TypedReading typed(food, 500);
        int chosen = TypedReading::kKeep, ms = 0;
        for (QChar key : keys) {
            ms += key == u'.' ? 1000 : 100;
            if (key != u'.') chosen = typed.type(key == u'<' ? u'\b' : key.unicode(), ms);
        }
        const QString name = chosen < 0 ? u"-"_s : food.m_Hinmei[chosen + 1];
        if (!found.contains(name)) found << name;
    }
    return found.join(u' ');
}

struct Row {
    QString (*rule)(const QString&);
    const char* input;
    const char* expected;
};

const Row kRows[] = {
    {fields, "  牛乳\u3000, ぎゅう\u3000,  120\u3000 ", "牛乳|ぎゅう|120"},
    {fields, ",key,7", "|key|7"},
    {fields, "a,b,1,234", "a|b|1234"},
    {fields, "ごはん ごはん 50", "error 5"},
    {fields, "ごはん,ごはん 50", "error 5"},
    {fields, "a,b,", "error 13"},
    {fields, "x{32767},k,1", "error 6"},
    {fields, "a,k{32764},1", "error 6"},
    {linesOf, "\r\n\r\na\r\n\r\n", "[][][a][]"},
    {linesOf, "a\r\r\nb\n\rc", "[a][][b\n][c]"},
    {linesOf, "x{65535}\r\nyz\rw", "[x{65535}][yz][w]"},
    {linesOf, "x{200000}\r\n\r\n", "[x{200000}][]"},
    {orderOf, "ab,a,カ,か", "1 0 3 2"},
    {orderOf, "b,B,a", "1 2 0"},
    {orderOf, "\uFF5E,\U0001F34E", "1 0"},
    {foundBy, "gyuunyuu gyunyu gyuunyu gy", "ぎゅうにゅう"},
    {foundBy, "gyuuh gyuhikiniku gyuxh", "ぎゅうひきにく"},
    {foundBy, "gyouza gyoza gyo gyu<o", "ぎょうざ"},
    {foundBy, "ko-hi- kohi koohii k", "こーひー"},
    {foundBy, "korokke koro", "コロッケ"},
    {foundBy, "sanma samma sannma san gyo.sa", "さんま"},
    {foundBy, "shijimi sizimi shi si sh", "しじみ"},
    {foundBy, "jagaimo zyagaimo jyagaimo ja", "じゃがいも"},
    {foundBy, "supagetti supagettexi", "すぱげってぃ"},
    {foundBy, "chikuwa tikuwa chi ti", "ちくわ"},
    {foundBy, "chawanmushi tyawanmusi cyawannmusi cha", "ちゃわんむし"},
    {foundBy, "tsukemono tukemono tsu tu", "つけもの"},
    {foundBy, "toufu toofu tofu tohu", "豆腐（木綿）"},
    {foundBy, "toufu.toufu", "ごま豆腐"},
    {foundBy, "furansupan huransupann fu hu", "ふらんすぱん"},
    {foundBy, "hourensou horenso hourennsou", "ほうれんそう"},
    {foundBy, "matcha maccha mattya mat", "まっちゃ"},
    {foundBy, "pan pan.pan.pan.pan", "パン"},
    {foundBy, "pan.pan", "ふらんすぱん"},
    {foundBy, "niku", "ぎゅうひきにく"},
    {foundBy, "ra-men ramen raamen", "らあめん"},
    {foundBy, "hamu", "ハム（ロース）"},
    {foundBy, "soba", "蕎麦（ゆで）"},
    {foundBy, "x gyuunyuuu ky ko-r", "-"},
    {load, "ごはん,ごはん,50\r\n食パン,しょくぱん,30\r\n牛乳,ぎゅうにゅう,120",
     " / 3: 牛乳 120 ごはん 50 食パン 30"},
    {load, "", " / 0:"},
    {load, "A,a,1\r\nB,b,x\r\nC", "error 13 / "},
    {load, "(F,k,1\r\n){32766}", " / 32766: F 1 F 1 F 1"},
    {load, "(F,k,1\r\n){32767}", "error 6 / "},
    {load, "(F,k,1\r\n){40000}F,k,x", "error 13 / "},
    {load, "<missing>", "error 53 / "},
    {load, "<gone>", "error 76 / "},
    {load, "<notdir>", "error 76 / "},
    {load, "<loop>", "error 75 / "},
    {load, "<fifo>", "error 75 / "},
};

TEST(FoodRules, EachRowGivesItsText) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(QString::fromUtf8(row.input).left(40).toStdString());
        const QString got = support::outcome([&] { return row.rule(expand(row.input)); });
        const QString expected = expand(row.expected);
        EXPECT_TRUE(got == expected)
            << got.left(80).toStdString() << " is not " << expected.left(80).toStdString();
    }
}

// Random lists with many equal keys against the plain exchange loop, entry for entry.
TEST(FoodRules, KeyOrderIsTheExchangeLoops) {
    std::mt19937 rng(7);
    for (int n = 0; n < 400; n += 1 + n / 8) {
        for (int letters : {1, 2, 3, 26}) {
            std::vector<QString> keys(n);
            for (QString& key : keys)
                for (int c = int(rng() % 3); c > 0; --c)
                    key += QChar(char16_t(u'a' + rng() % letters));
            ASSERT_EQ(exchangeSortOrder(keys), support::referenceExchangeOrder(keys)) << n;
        }
    }
}

// A device whose reads fail after the first chunk.
struct FailingDevice : QIODevice {
    bool served = false;
    qint64 readData(char* data, qint64) override {
        return std::exchange(served, true) ? -1 : (std::memcpy(data, "a\rb", 3), 3);
    }
    qint64 writeData(const char*, qint64) override { return -1; }
};

TEST(FoodRules, AFailedReadIsError57) {
    FailingDevice device;
    device.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    LineReader reader(device);
    QByteArray line;
    ASSERT_TRUE(reader.next(line) && line == "a");
    EXPECT_EQ(support::outcome([&] { return std::to_string(reader.next(line)); }), "error 57");
}

// A desktop whose one pump between the two passes empties the file.
struct ShrinkingDesktop : support::FakeDesktop {
    QString path;
    void DoEvents() override { support::writeFile(path, {}); }
};

TEST(MenuLoad, AFileThatShrinksBetweenThePassesIs62) {
    QTemporaryDir dir;
    ShrinkingDesktop desktop;
    desktop.path = dir.filePath(u"menu.txt"_s);
    support::writeFile(desktop.path, "A,a,1\r\n");
    support::FakeWindow w;
    Form form{w.form.ui, desktop, {}, {}};
    Menu_Load(form, dir.path());
    EXPECT_EQ(desktop.take(), u"error 62");
}

}  // namespace
}  // namespace morvi
