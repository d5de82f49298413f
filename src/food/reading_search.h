#pragma once

#include "ui/food_table.h"

#include <QStringView>
#include <vector>

namespace morvi {

// The picker indexes of the foods that `typed` finds, best first, each once; empty if none.
// `typed` is romaji as typed with the input method off, in any common spelling: Hepburn, kunrei
// or the input methods' own (shi/si, tsu/tu, ん as n or nn, っ as a doubled consonant), long
// vowels as typed (ぎゅう gyuu or gyu, ー as '-', its vowel or nothing). It may end inside a kana
// (gy, sh, a lone n). Katakana reads as hiragana, a Latin letter or digit as itself. It is looked
// for in the reading and in the kana of the name, at their start and at each kana a word can
// begin with; a word found inside may be typed with its first kana unvoiced (もめんどうふ for
// toufu). The order puts the food a household means by a word before the ones it is part of.
std::vector<int> findFoodsByReading(const FoodTable& food, QStringView typed);

}  // namespace morvi
