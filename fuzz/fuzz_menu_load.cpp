// The food-list reader on a whole menu.txt: either a table that holds every line, trimmed and in
// the exchange loop's order, or one error report whose number is the one the first bad line (or
// the table limit) calls for. Lines that are valid code page 932 are read independently by glibc.
// The file is read from a real temporary directory, as at start-up.

#include "base/cp932.h"
#include "base/number_text.h"
#include "base/run_time_error.h"
#include "exchange_loop_reference.h"
#include "fake_controls.h"
#include "food/menu_file.h"
#include "food/menu_load.h"
#include "fuzz_check.h"

#include <iconv.h>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <vector>

namespace {

using morvi::fuzz::require;
namespace err = morvi::err;

struct Food {
    QString name;
    QString key;
    int32_t unitGram = 0;
    bool operator==(const Food&) const = default;
};

struct Expected {
    int32_t error = err::kNone;
    std::vector<Food> foods;  // in sorted order
};

constexpr qsizetype kMaxPosition = 32767;  // the 16-bit comma positions

bool isSpace(QChar c) { return c == u' ' || c == QChar(0x3000); }

bool isTrimmed(const QString& s) {
    return s.isEmpty() || (!isSpace(s.front()) && !isSpace(s.back()));
}

QString trimmed(QStringView s) {
    while (!s.isEmpty() && isSpace(s.front())) s = s.sliced(1);
    while (!s.isEmpty() && isSpace(s.back())) s.chop(1);
    return s.toString();
}

// CR LF or a lone CR ends a line; a terminator at the very end starts no further line.
std::vector<QByteArray> linesOf(const QByteArray& bytes) {
    std::vector<QByteArray> lines;
    QByteArray line;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r') {
            line += bytes[i];
            continue;
        }
        lines.push_back(line);
        line.clear();
        if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    }
    if (!line.isEmpty()) lines.push_back(line);
    return lines;
}

// A line that is valid code page 932 as glibc decodes it; others (which hold invalid sequences)
// as the program decodes them.
QString decoded(const QByteArray& line) {
    static const iconv_t converter = iconv_open("UTF-16LE", "CP932");
    require(converter != iconv_t(-1), "fuzz set-up: glibc has CP932");
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    QString text(line.size(), Qt::Uninitialized);  // never more code units than bytes
    char* in = const_cast<char*>(line.constData());
    char* out = reinterpret_cast<char*>(text.data());
    size_t inLeft = size_t(line.size());
    size_t outLeft = size_t(text.size()) * 2;
    if (iconv(converter, &in, &inLeft, &out, &outLeft) == size_t(-1))
        return morvi::cp932().decode(line);
    text.truncate(text.size() - qsizetype(outLeft / 2));
    return text;
}

// One line's food, or the error number it raises.
int32_t readLine(const QString& line, Food& food) {
    const QString t = trimmed(line);
    const qsizetype p1 = t.indexOf(u',') + 1;
    if (p1 > kMaxPosition) return err::kOverflow;
    if (p1 == 0) return err::kInvalidCall;
    const QStringView rest = QStringView(t).sliced(p1);
    const qsizetype p2 = rest.indexOf(u',') + 1;
    if (p2 > kMaxPosition) return err::kOverflow;
    if (p2 == 0) return err::kInvalidCall;
    if (p1 + p2 + 1 > kMaxPosition) return err::kOverflow;
    food.name = trimmed(QStringView(t).first(p1 - 1));
    food.key = trimmed(rest.first(p2 - 1));
    try {
        food.unitGram = morvi::fieldNumber(trimmed(rest.sliced(p2)));
    } catch (const morvi::RunTimeError& e) {
        return e.number();
    }
    return err::kNone;
}

Expected expectedLoad(const QByteArray& bytes) {
    std::vector<Food> inFileOrder;
    for (const QByteArray& line : linesOf(bytes)) {
        Food food;
        if (const int32_t error = readLine(decoded(line), food)) return {error, {}};
        inFileOrder.push_back(food);
    }
    if (inFileOrder.size() > size_t(morvi::kMaxFoods)) return {err::kOverflow, {}};
    std::vector<QString> keys;
    for (const Food& f : inFileOrder) keys.push_back(f.key);
    Expected want;
    for (int from : morvi::testing::referenceExchangeOrder(keys))
        want.foods.push_back(inFileOrder[size_t(from)]);
    return want;
}

// The number in the one error report shown, 0 when there is not exactly one.
int32_t reportedError(const morvi::testing::FakeDesktop& desktop) {
    if (desktop.messages.size() != 1) return 0;
    const QString& prompt = desktop.messages.front().prompt;
    const qsizetype open = prompt.indexOf(u'(');
    const qsizetype close = prompt.indexOf(u')');
    if (open < 0 || close < open) return 0;
    return prompt.sliced(open + 1, close - open - 1).toInt();
}

void checkTable(const morvi::FoodTable& table, const std::vector<Food>& want) {
    const int32_t n = table.m_MenuCount;
    require(n >= 0 && n <= morvi::kMaxFoods, "menu load: count within the table limit");
    require(table.m_Hinmei.size() == size_t(n) + 1 && table.m_Yomi.size() == size_t(n) + 1 &&
                table.m_UnitGram.size() == size_t(n) + 1,
            "menu load: three arrays of entries 0..n");
    require(table.m_Hinmei[0].isEmpty() && table.m_Yomi[0].isEmpty() && table.m_UnitGram[0] == 0,
            "menu load: entry 0 empty");
    for (int32_t i = 1; i <= n; ++i) {
        require(isTrimmed(table.m_Hinmei[i]) && isTrimmed(table.m_Yomi[i]),
                "menu load: names and keys trimmed");
        require(!table.m_Hinmei[i].contains(u',') && !table.m_Yomi[i].contains(u','),
                "menu load: no comma in a name or key");
        require(i == 1 || table.m_Yomi[i - 1] <= table.m_Yomi[i], "menu load: sorted by key");
    }
    require(size_t(n) == want.size(), "menu load: one entry per line");
    for (int32_t i = 1; i <= n; ++i)
        require(
            Food{table.m_Hinmei[i], table.m_Yomi[i], table.m_UnitGram[i]} == want[size_t(i - 1)],
            "menu load: entries as read and in the exchange loop's order");
}

// An input that begins with kPadMark and a byte b goes after a filler line that puts the reader's
// chunk boundary b % 64 bytes into the rest, so lines and CR LF pairs straddle two reads.
constexpr char kPadMark[] = "\xFFpad";
constexpr qsizetype kPadHeader = sizeof kPadMark;  // the mark and b
constexpr qsizetype kReadChunk = 64 * 1024;        // LineReader's read size

QByteArray menuBytes(const QByteArray& input) {
    if (input.size() < kPadHeader || !input.startsWith(kPadMark)) return input;
    const qsizetype into = uchar(input[kPadHeader - 1]) % 64;
    const QByteArray fillerEnd(",,0\r\n");
    QByteArray file(kReadChunk - into - fillerEnd.size(), ' ');
    return file + fillerEnd + input.sliced(kPadHeader);
}

// In memory where the system offers it: rewriting a disk file each run costs a flush.
QString scratchTemplate() {
    const QString base =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    return base + QStringLiteral("/morvi-fuzz-XXXXXX");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QTemporaryDir dir(scratchTemplate());
    const QByteArray bytes =
        menuBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    {
        QFile file(dir.filePath(QStringLiteral("menu.txt")));
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                    file.write(bytes) == bytes.size(),
                "fuzz set-up: menu.txt written");
    }
    morvi::testing::FakeWindow window;
    const bool loaded = morvi::Menu_Load(window.form, dir.path());
    const Expected want = expectedLoad(bytes);
    require(window.desktop.pointer == morvi::pointer::kDefault, "menu load: default pointer");
    if (loaded) {
        require(window.desktop.messages.empty(), "menu load: no message on success");
        require(want.error == err::kNone, "menu load: succeeds only on a good file");
        checkTable(window.form.food, want.foods);
        return 0;
    }
    const int32_t error = reportedError(window.desktop);
    require(error == err::kInvalidCall || error == err::kOverflow || error == err::kTypeMismatch,
            "menu load: error 5, 6 or 13 on a readable file");
    require(error == want.error, "menu load: the error of the first bad line");
    return 0;
}
