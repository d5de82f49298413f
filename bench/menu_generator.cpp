#include "menu_generator.h"

#include "base/cp932.h"

#include <QString>
#include <algorithm>
#include <random>
#include <vector>

namespace morvi::bench {

namespace {

QString randomKey(std::mt19937& rng) {
    // Hiragana U+3041..U+3093, 2 to 8 characters, like real readings.
    std::uniform_int_distribution<int> length(2, 8);
    std::uniform_int_distribution<int> kana(0x3041, 0x3093);
    QString key;
    for (int i = length(rng); i > 0; --i) key += QChar(kana(rng));
    return key;
}

std::vector<QString> makeKeys(int lines, KeyOrder order, std::mt19937& rng) {
    std::vector<QString> keys;
    keys.reserve(lines);
    if (order == KeyOrder::ManyEqual) {
        // About twenty distinct readings shared by every line.
        std::vector<QString> pool;
        for (int i = 0; i < 20; ++i) pool.push_back(randomKey(rng));
        std::uniform_int_distribution<size_t> pick(0, pool.size() - 1);
        for (int i = 0; i < lines; ++i) keys.push_back(pool[pick(rng)]);
        return keys;
    }
    for (int i = 0; i < lines; ++i) keys.push_back(randomKey(rng));
    if (order == KeyOrder::Sorted) std::sort(keys.begin(), keys.end());
    if (order == KeyOrder::Reversed) std::sort(keys.begin(), keys.end(), std::greater<>());
    return keys;
}

}  // namespace

QByteArray generateMenu(int lines, KeyOrder order, uint32_t seed) {
    std::mt19937 rng(seed);
    const std::vector<QString> keys = makeKeys(lines, order, rng);
    std::uniform_int_distribution<int> unitGram(5, 400);
    QString text;
    for (int i = 0; i < lines; ++i)
        text += QStringLiteral("食品%1,%2,%3\r\n").arg(i + 1).arg(keys[i]).arg(unitGram(rng));
    return cp932().encode(text);
}

}  // namespace morvi::bench
