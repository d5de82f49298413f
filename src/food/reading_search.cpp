#include "food/reading_search.h"

#include <QByteArrayList>
#include <QList>
#include <QString>
#include <algorithm>

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

// A kana read with the one before it, which no word begins with and which adds no beat.
bool isSmall(char16_t kana) {
    return isSmallY(kana) || isSmallVowel(kana) || kana == u'ゎ' || kana == u'ゕ' || kana == u'ゖ';
}

// A kana a word can begin with: not small, not っ, not ー.
bool opensWord(char16_t c) { return c >= kFirstKana && c <= u'ゖ' && !isSmall(c) && c != u'っ'; }

// The plain kana of a voiced one, as the second word of a compound voices it (とうふ in
// もめんどうふ); 0 for any other.
char16_t unvoiced(char16_t kana) {
    if (kana >= u'が' && kana <= u'ぢ') return (kana - u'か') % 2 ? kana - 1 : 0;
    if (kana >= u'づ' && kana <= u'ど') return (kana - u'つ') % 2 ? kana - 1 : 0;
    if (kana >= u'ば' && kana <= u'ぼ') return (kana - u'は') % 3 == 1 ? kana - 1 : 0;
    return 0;
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

// The text with katakana as hiragana and Latin capitals as small letters.
QString asHiragana(QStringView text) {
    QString kana = text.left(kSearchedLength).toString().toLower();
    for (QChar& c : kana)
        if (c >= u'ァ' && c <= u'ヶ') c = QChar(char16_t(c.unicode() - kKatakanaShift));
    return kana;
}

// A piece of the reading, one kana or two read together, spelled one way.
struct Unit {
    qsizetype length;
    QByteArray spelling;
};

// Tries the spellings of a text from a place, kana by kana, backtracking over the ways each can be
// spelled; a state (place in the text, place in the typed text) that failed once is not tried
// again, so a long run of choices stays quick. The typed text must end between endFrom and endTo
// of the text, or, with endFrom -1, anywhere, even inside a kana.
class Matcher {
  public:
    Matcher(const QByteArray& typed, const QString& text, qsizetype endFrom = -1,
            qsizetype endTo = -1)
        : typed_(typed),
          text_(text),
          endFrom_(endFrom),
          endTo_(endTo),
          failed_((text_.size() + 1) * (typed_.size() + 1), false) {}

    bool matchFrom(qsizetype at, qsizetype done) {
        if (done == typed_.size() && (endFrom_ < 0 || (at >= endFrom_ && at <= endTo_)))
            return true;
        if (at == text_.size()) return false;
        char& failed = failed_[at * (typed_.size() + 1) + done];
        if (failed) return false;
        const QByteArray rest = typed_.mid(done);
        for (const Unit& unit : unitsAt(at, at > 0 && done == 0)) {
            // The typed text may end inside this piece, unless it must end a word.
            if (endFrom_ < 0 && unit.spelling.startsWith(rest)) return true;
            if (rest.startsWith(unit.spelling) &&
                matchFrom(at + unit.length, done + unit.spelling.size()))
                return true;
        }
        failed = true;
        return false;
    }

  private:
    QList<Unit> unitsAt(qsizetype at, bool wordStart = false) const {
        const char16_t kana = text_[at].unicode();
        // A word's first kana is read as if nothing came before it.
        const char vowel = wordStart ? 0 : vowelBefore(at);
        QList<Unit> units;
        for (const QByteArray& spelling : spellingsOf(kana)) units.append({1, spelling});
        if (wordStart && unvoiced(kana))
            for (const QByteArray& spelling : spellingsOf(unvoiced(kana)))
                units.append({1, spelling});
        // A long vowel as typed, as ー or as its vowel written out: ぎゅう gyuu, gyu or gyu-, とう
        // tou, too, to or to-, こおひい koohii, kohi or ko-hi-.
        const bool longVowel = vowel && (spellingsOf(kana).value(0) == QByteArray(1, vowel) ||
                                         (kana == u'う' && vowel == 'o'));
        if (kana == kLongMark || longVowel) units += {{1, "-"}, {1, ""}};
        if (kana == kLongMark && vowel) units.append({1, QByteArray(1, vowel)});
        if (kana == u'う' && vowel == 'o') units.append({1, "o"});
        if (at + 1 == text_.size()) return units;
        const char16_t next = text_[at + 1].unicode();
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

    // The vowel the text sounds just before a place, past any ー; 0 when there is none.
    char vowelBefore(qsizetype at) const {
        while (at > 0 && text_[at - 1] == kLongMark) --at;
        if (at == 0) return 0;
        const QByteArray spelling = spellingsOf(text_[at - 1].unicode()).value(0);
        return !spelling.isEmpty() && isVowel(spelling.back()) ? spelling.back() : 0;
    }

    const QByteArray typed_;
    const QString text_;
    const qsizetype endFrom_;
    const qsizetype endTo_;
    std::vector<char> failed_;
};

// Where a text is found, best first; within a rank, picker order.
enum Rank {
    kWord,  // the word itself: the whole reading or name, or its head (豆腐（木綿） for toufu)
    kEndsHead,  // the word ends its head: a kind of it, 食パン for pan
    kBegins,    // it begins with the word, part of a longer one: パン粉 for pan
    kInside,    // the word is found inside, at a kana a word can begin with
    kUnfound,
};

// What a name's head ends at, and what its rest holds besides readable characters.
constexpr QStringView kHeadEnds = u"（(・ 　、/／";
constexpr QStringView kBrackets = u"）)";

// A text to find the typed word in, and where a word that ends its head may end.
struct Text {
    QString kana;
    qsizetype headFrom;
    qsizetype headTo;
};

// The name's kana, its head ending at its first bracket, ・ or space.
Text nameText(const QString& name) {
    QString kana = asHiragana(name);
    qsizetype head = 0;
    while (head < kana.size() && !kHeadEnds.contains(kana[head])) ++head;
    return {kana, head, head};
}

// The reading, its head ending where the reading of the name's rest can begin: each kana of the
// rest is one kana of the reading, each other character one to four (木綿 もめん, 乾 かんそう).
Text readingText(const QString& reading, const Text& name) {
    Text text{asHiragana(reading), 0, 0};
    qsizetype fewest = 0, most = 0;
    for (QChar c : QStringView(name.kana).mid(name.headTo)) {
        if (kHeadEnds.contains(c) || kBrackets.contains(c)) continue;
        const bool kana = (c.unicode() >= kFirstKana && c.unicode() <= u'ゖ') || c == kLongMark;
        fewest += 1;
        most += kana ? 1 : 4;
    }
    text.headFrom = name.headTo == name.kana.size()
                        ? text.kana.size()
                        : std::max(qsizetype(0), text.kana.size() - most);
    text.headTo = name.headTo == name.kana.size() ? text.kana.size() : text.kana.size() - fewest;
    return text;
}

// Where the second beat from a place ends.
qsizetype secondBeatEnd(const QString& kana, qsizetype from) {
    for (qsizetype at = from, beats = 0; at < kana.size(); ++at)
        if (!isSmall(kana[at].unicode()) && ++beats == 2) return at + 1;
    return kana.size() + 1;
}

Rank rankIn(const QByteArray& typed, const Text& text) {
    const qsizetype size = text.kana.size();
    Matcher anywhere(typed, text.kana);
    Rank best = kUnfound;
    for (qsizetype at = 0; at < size && best > kEndsHead; ++at) {
        if ((at > 0 && !opensWord(text.kana[at].unicode())) || !anywhere.matchFrom(at, 0)) continue;
        // A word of one beat ends many heads by chance.
        const qsizetype from = std::max(text.headFrom, secondBeatEnd(text.kana, at));
        const bool endsHead = Matcher(typed, text.kana, from, text.headTo).matchFrom(at, 0);
        if (at > 0) best = std::min(best, endsHead ? kEndsHead : kInside);
        if (at == 0 && (endsHead || Matcher(typed, text.kana, size, size).matchFrom(0, 0)))
            return kWord;
        if (at == 0) best = kBegins;
    }
    return best;
}

}  // namespace

std::vector<int> findFoodsByReading(const FoodTable& food, QStringView typed) {
    const QByteArray letters = typed.toLatin1().toLower();
    std::vector<int> byRank[kUnfound];
    for (int32_t i = 1; i <= food.m_MenuCount; ++i) {
        const Text name = nameText(food.m_Hinmei[i]);
        const Text reading = readingText(food.m_Yomi[i], name);
        Rank rank = rankIn(letters, reading);
        if (rank > kWord && name.kana != reading.kana) rank = std::min(rank, rankIn(letters, name));
        if (rank < kUnfound) byRank[rank].push_back(i - 1);
    }
    std::vector<int> found;
    for (const std::vector<int>& foods : byRank)
        found.insert(found.end(), foods.begin(), foods.end());
    return found;
}

}  // namespace morvi
