// The food-list reader on a whole menu.txt, read from a real temporary directory as at start-up.
// Whatever the line rule, a load either gives a table no longer than the file, sorted by key,
// with no message, or one error report with one of the numbers a bad line can cause.

#include "fake_controls.h"
#include "food/menu_load.h"
#include "fuzz_check.h"

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>

namespace {

using namespace Qt::StringLiterals;
using morvi::fuzz::require;

// Lines end at CR LF or a lone CR; a terminator at the very end starts no further line.
qsizetype lineCount(QByteArray bytes) {
    bytes.replace("\r\n", "\r");
    return bytes.count('\r') + (bytes.isEmpty() || bytes.endsWith('\r') ? 0 : 1);
}

// Keys compare by UTF-16 code unit.
bool sortedByKey(const morvi::FoodTable& t) {
    return std::is_sorted(t.m_Yomi.begin() + 1, t.m_Yomi.end(),
                          [](const QString& a, const QString& b) {
                              return std::lexicographical_compare(a.utf16(), a.utf16() + a.size(),
                                                                  b.utf16(), b.utf16() + b.size());
                          });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // In memory where the system offers it: rewriting a disk file each run costs a flush.
    static const QTemporaryDir dir(
        (QDir(u"/dev/shm"_s).exists() ? u"/dev/shm"_s : QDir::tempPath()) +
        u"/morvi-fuzz-XXXXXX"_s);
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    require(morvi::support::writeFile(dir.filePath(u"menu.txt"_s), bytes), "fuzz set-up: written");
    morvi::support::FakeWindow window;
    window.desktop.pointer = true;
    const bool loaded = morvi::Menu_Load(window.form, dir.path());
    const morvi::FoodTable& t = window.form.food;
    const QString said = window.desktop.take();
    if (loaded) {
        const size_t entries = size_t(t.m_MenuCount) + 1;
        require(said == u"DoEvents, Pointer 0", "menu load: a good file loads without a message");
        require(t.m_MenuCount <= lineCount(bytes) && t.m_Hinmei.size() == entries &&
                    t.m_Yomi.size() == entries && t.m_UnitGram.size() == entries,
                "menu load: one entry per line at most, the three arrays alike");
        require(sortedByKey(t), "menu load: the table is in key order");
    } else {
        require(said.endsWith(u"Pointer 0, error 5"_s) || said.endsWith(u"Pointer 0, error 6"_s) ||
                    said.endsWith(u"Pointer 0, error 13"_s),
                "menu load: the default pointer, then one report of a bad line's error");
    }
    return 0;
}
