#pragma once

#include "ui/food_table.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace morvi {

// The reading typed in the food picker, key by key, and the food it chooses. Letters build the
// typed text, which starts afresh after a pause; Backspace takes back a letter; a letter that
// makes it find nothing is dropped, so the choice stays. Typing the same text again after a pause
// steps to the next food it finds, round to the first after the last.
class TypedReading {
  public:
    static constexpr int kKeep = -1;      // the key is taken and the choice stays
    static constexpr int kNotTyped = -2;  // the key is no part of a reading: the list may have it

    TypedReading(const FoodTable& food, int64_t pauseMs) : food_(food), pauseMs_(pauseMs) {}

    // A letter, '-' or '\'' typed, or '\b' for Backspace, at `ms` milliseconds from any fixed
    // start: the picker index to choose, kKeep or kNotTyped.
    int type(char16_t key, int64_t ms);

  private:
    int chooseFirst(const QString& text);

    const FoodTable& food_;
    const int64_t pauseMs_;
    std::optional<int64_t> lastKey_;
    QString typed_;  // since the last pause
    QString word_;   // the text whose foods are found_, of which found_[step_] is chosen
    std::vector<int> found_;
    size_t step_ = 0;
};

}  // namespace morvi
