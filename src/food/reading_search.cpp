#include "food/reading_search.h"

#include <QByteArrayList>
#include <QList>
#include <QString>
#include <vector>

namespace morvi {

namespace {

// The spellings of each kana of the hiragana block, ぁ (U+3041) to ゖ (U+3096) in code order, one
// group per kana, alternatives separated by '/'. Kana read together and the spellings that depend
// on the next or the last kana are added by the matcher.
constexpr char kSpellings[] =
    "xa/la a xi/li i xu/lu u xe/le e xo/lo o "
    "ka ga ki gi ku gu ke ge ko go "
    "sa za shi/si ji/zi su zu se ze so zo "
    "ta da chi/ti ji/di xtu/ltu/xtsu tsu/tu zu/du te de to do "
    "na ni nu ne no "
    "ha ba pa hi bi pi fu/hu bu pu he be pe ho bo po "
    "ma mi mu me mo "
    "xya/lya ya xyu/lyu yu xyo/lyo yo "
    "ra ri ru re ro "
    "xwa wa wi/i we/e wo/o n/nn/n' vu xka xke";
// Far beyond any food's reading; a freak line in menu.txt cannot stall the typing.
constexpr qsizetype kSearchedLength = 64;
constexpr char16_t kFirstKana = u'ぁ';
constexpr char16_t kLongMark = u'ー';
constexpr char16_t kKatakanaShift = u'ァ' - u'ぁ';

bool isVowel(char c) { return c == 'a' || c == 'i' || c == 'u' || c == 'e' || c == 'o'; }

char firstLetter(const QByteArray& spelling) { return spelling.isEmpty() ? 0 : spelling.front(); }

bool isSmallY(char16_t kana) { return kana == u'ゃ' || kana == u'ゅ' || kana == u'ょ'; }

bool isSmallVowel(char16_t kana) {
    return kana >= u'ぁ' && kana <= u'ぉ' && (kana - u'ぁ') % 2 == 0;
}

// One character alone: a kana by the table, an ASCII letter or digit as itself.
QByteArrayList spellingsOf(char16_t c) {
    static const QList<QByteArrayList> table = [] {
        QList<QByteArrayList> groups;
        for (const QByteArray& group : QByteArray(kSpellings).split(' '))
            groups.append(group.split('/'));
        return groups;
    }();
    if (c >= kFirstKana && c - kFirstKana < table.size()) return table[c - kFirstKana];
    if (c < 0x80 && QChar::isLetterOrNumber(c)) return {QByteArray(1, char(c))};
    return {};
}

// The reading with katakana as hiragana and Latin capitals as small letters.
QString asHiragana(QStringView reading) {
    QString kana = reading.toString().toLower();
    for (QChar& c : kana)
        if (c >= u'ァ' && c <= u'ヶ') c = QChar(char16_t(c.unicode() - kKatakanaShift));
    return kana;
}

// A piece of the reading, one kana or two read together, spelled one way.
struct Unit {
    qsizetype length;
    QByteArray spelling;
};

// Tries the spellings of the reading from its start, kana by kana, backtracking over the ways
// each can be spelled; a state (place in the reading, place in the typed text) that failed once
// is not tried again, so a long run of choices stays quick.
class Matcher {
  public:
    Matcher(QStringView typed, QStringView reading)
        : typed_(typed.toLatin1().toLower()),
          reading_(asHiragana(reading.left(kSearchedLength))),
          failed_((reading_.size() + 1) * (typed_.size() + 1), false) {}

    bool matchFrom(qsizetype at, qsizetype done) {
        if (done == typed_.size()) return true;
        if (at == reading_.size()) return false;
        char& failed = failed_[at * (typed_.size() + 1) + done];
        if (failed) return false;
        const QByteArray rest = typed_.mid(done);
        for (const Unit& unit : unitsAt(at)) {
            // The typed text may end inside this piece.
            if (unit.spelling.startsWith(rest)) return true;
            if (rest.startsWith(unit.spelling) &&
                matchFrom(at + unit.length, done + unit.spelling.size()))
                return true;
        }
        failed = true;
        return false;
    }

  private:
    QList<Unit> unitsAt(qsizetype at) const {
        const char16_t kana = reading_[at].unicode();
        const char vowel = vowelBefore(at);
        QList<Unit> units;
        for (const QByteArray& spelling : spellingsOf(kana)) units.append({1, spelling});
        if (kana == kLongMark) units += {{1, "-"}, {1, ""}};
        if (kana == kLongMark && vowel) units.append({1, QByteArray(1, vowel)});
        // A long vowel as typed: ぎゅう gyuu or gyu, とう tou, too or to, おお oo or o.
        if ((kana == u'う' && (vowel == 'u' || vowel == 'o')) || (kana == u'お' && vowel == 'o'))
            units.append({1, ""});
        if (kana == u'う' && vowel == 'o') units.append({1, "o"});
        if (at + 1 == reading_.size()) return units;
        const char16_t next = reading_[at + 1].unicode();
        const char nextSound = firstLetter(spellingsOf(next).value(0));
        if (kana == u'ん' && (nextSound == 'b' || nextSound == 'm' || nextSound == 'p'))
            units.append({1, "m"});
        if (kana == u'っ') addDoubled(units, at + 1);
        if (isSmallY(next) || isSmallVowel(next)) addReadTogether(units, kana, next);
        return units;
    }

    // っ doubles the consonant of what follows: っか kka, っち tchi or cchi.
    void addDoubled(QList<Unit>& units, qsizetype next) const {
        for (const Unit& unit : unitsAt(next)) {
            const char first = firstLetter(unit.spelling);
            if (first < 'a' || first > 'z' || isVowel(first)) continue;
            units.append({1 + unit.length, first + unit.spelling});
            if (unit.spelling.startsWith("ch"))
                units.append({1 + unit.length, 't' + unit.spelling});
        }
    }

    // A kana with a small ゃ ゅ ょ or a small vowel: きゃ kya, しゃ sha or sya, ちゃ cha, tya or
    // cya, じゃ ja, zya or jya, ふぁ fa, てぃ ti.
    static void addReadTogether(QList<Unit>& units, char16_t kana, char16_t small) {
        const char vowel = spellingsOf(small).value(0).back();
        for (const QByteArray& spelling : spellingsOf(kana)) {
            const QByteArray stem = spelling.chopped(1);
            if (stem.isEmpty() || (isSmallY(small) && !spelling.endsWith('i'))) continue;
            if (isSmallY(small))
                units.append({2, (stem.endsWith('h') ? stem.chopped(1) : stem) + 'y' + vowel});
            if (!isSmallY(small) || stem.endsWith('h') || stem == "j")
                units.append({2, stem + vowel});
        }
    }

    // The vowel the reading sounds just before a place, past any ー; 0 when there is none.
    char vowelBefore(qsizetype at) const {
        while (at > 0 && reading_[at - 1] == kLongMark) --at;
        if (at == 0) return 0;
        const QByteArray spelling = spellingsOf(reading_[at - 1].unicode()).value(0);
        return !spelling.isEmpty() && isVowel(spelling.back()) ? spelling.back() : 0;
    }

    const QByteArray typed_;
    const QString reading_;
    std::vector<char> failed_;
};

bool typedBeginsReading(QStringView typed, QStringView reading) {
    return Matcher(typed, reading).matchFrom(0, 0);
}

}  // namespace

int findFoodByReading(const FoodTable& food, QStringView typed) {
    for (int32_t i = 1; i <= food.m_MenuCount; ++i)
        if (typedBeginsReading(typed, food.m_Yomi[i])) return i - 1;
    return -1;
}

}  // namespace morvi
