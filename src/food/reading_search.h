#pragma once

#include "ui/food_table.h"

#include <QStringView>

namespace morvi {

// The picker index of the first food, in picker order, whose reading `typed` begins; -1 if none.
// `typed` is romaji as typed with the input method off, in any common spelling: Hepburn, kunrei
// or the input methods' own (shi/si, tsu/tu, ん as n or nn, っ as a doubled consonant), long
// vowels as typed (ぎゅう gyuu or gyu, ー as '-', its vowel or nothing). It may end inside a kana
// (gy, sh, a lone n). Katakana reads as hiragana, a Latin letter or digit as itself.
int findFoodByReading(const FoodTable& food, QStringView typed);

}  // namespace morvi
