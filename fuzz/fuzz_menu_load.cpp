// The food-list reader on a whole menu.txt: either a table that holds every line, trimmed and in
// the exchange loop's order, or one error report whose number is the one the first bad line (or
// the table limit) calls for. Lines and fields are split independently here; the file is read
// from a real temporary directory, as at start-up.

#include "base/cp932.h"
#include "base/number_text.h"
#include "exchange_loop_reference.h"
#include "fake_controls.h"
#include "food/menu_file.h"
#include "food/menu_load.h"
#include "fuzz_check.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using namespace Qt::StringLiterals;
using morvi::fuzz::require;

constexpr qsizetype kMax = 32767;  // the 16-bit comma positions
const QRegularExpression kAround(u"^[ \u3000]+|[ \u3000]+\\z"_s);

// "name,key,weight" of each line in the exchange loop's order, or the error of the first bad line.
std::pair<int32_t, QStringList> expectedLoad(QByteArray bytes) {
    // CR LF or a lone CR ends a line; a terminator at the very end starts no further line.
    QList<QByteArray> lines = bytes.replace("\r\n", "\r").split('\r');
    if (bytes.isEmpty() || bytes.endsWith('\r')) lines.removeLast();
    QStringList names, keys, weights;
    for (const QByteArray& line : lines) {
        const QString t = morvi::cp932().decode(line).remove(kAround);
        const qsizetype p1 = t.indexOf(u',') + 1;
        const qsizetype p2 = p1 ? t.indexOf(u',', p1) + 1 - p1 : 0;
        const int32_t error = p1 > kMax            ? 6
                              : !p1                ? 5
                              : p2 > kMax          ? 6
                              : p2 <= 0            ? 5
                              : p1 + p2 + 1 > kMax ? 6
                                                   : 0;
        if (error) return {error, {}};
        try {
            weights << QString::number(morvi::fieldNumber(t.mid(p1 + p2).remove(kAround)));
        } catch (const morvi::RunTimeError& e) {
            return {e.number(), {}};
        }
        names << t.left(p1 - 1).remove(kAround);
        keys << t.mid(p1, p2 - 1).remove(kAround);
    }
    if (lines.size() > morvi::kMaxFoods) return {6, {}};
    QStringList foods;
    for (int from : morvi::testing::referenceExchangeOrder({keys.begin(), keys.end()}))
        foods << names[from] + u',' + keys[from] + u',' + weights[from];
    return {0, foods};
}

// An input that begins with kPadMark and a byte b goes after a filler line that puts the reader's
// chunk boundary b % 64 bytes into the rest, so lines and CR LF pairs straddle two reads.
constexpr char kPadMark[] = "\xFFpad";
constexpr qsizetype kPadHeader = sizeof kPadMark;  // the mark and b
constexpr qsizetype kReadChunk = 64 * 1024;        // LineReader's read size

QByteArray menuBytes(const QByteArray& input) {
    if (input.size() < kPadHeader || !input.startsWith(kPadMark)) return input;
    const QByteArray fillerEnd(",,0\r\n");
    const qsizetype into = uchar(input[kPadHeader - 1]) % 64;
    return QByteArray(kReadChunk - into - fillerEnd.size(), ' ') + fillerEnd +
           input.sliced(kPadHeader);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // In memory where the system offers it: rewriting a disk file each run costs a flush.
    static const QTemporaryDir dir(
        (QDir(u"/dev/shm"_s).exists() ? u"/dev/shm"_s : QDir::tempPath()) +
        u"/morvi-fuzz-XXXXXX"_s);
    const QByteArray bytes =
        menuBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    {
        QFile file(dir.filePath(u"menu.txt"_s));
        require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
                "fuzz set-up: written");
    }
    morvi::testing::FakeWindow window;
    const bool loaded = morvi::Menu_Load(window.form, dir.path());
    const auto [error, foods] = expectedLoad(bytes);
    const morvi::FoodTable& t = window.form.food;
    const size_t entries = size_t(loaded ? t.m_MenuCount : 0) + 1;
    QStringList table;
    for (int32_t i = 1; loaded && i <= t.m_MenuCount; ++i)
        table << t.m_Hinmei[i] + u',' + t.m_Yomi[i] + u',' + QString::number(t.m_UnitGram[i]);
    const QString said = window.desktop.take();
    require(loaded == !error, "menu load: succeeds exactly on a good file");
    require(!loaded ||
                (said == u"DoEvents, Pointer 0" && table == foods && t.m_Hinmei.size() == entries &&
                 t.m_Yomi.size() == entries && t.m_UnitGram.size() == entries),
            "menu load: no message, and entries 1..n as read and in the exchange loop's order");
    require(loaded || said.endsWith(u"Pointer 0, error "_s + QString::number(error)),
            "menu load: the default pointer, then one report of the first bad line's error");
    return 0;
}
