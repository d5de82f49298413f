#include "food/typed_reading.h"

#include "food/reading_search.h"

#include <QChar>

namespace morvi {

int TypedReading::type(char16_t key, int64_t ms) {
    // Like Qt's own keyboard search, a pause starts the typed text afresh.
    if (!lastKey_ || ms - *lastKey_ > pauseMs_) typed_.clear();
    lastKey_ = ms;
    if (key == u'\b') {
        if (typed_.isEmpty()) return kNotTyped;
        typed_.chop(1);
        if (!typed_.isEmpty()) return chooseFirst(typed_);
        word_.clear();
        return kKeep;
    }
    const QString longer = typed_ + QChar(key).toLower();
    if (longer == word_) {
        typed_ = longer;
        step_ = (step_ + 1) % found_.size();
        return found_[step_];
    }
    // Typing the last text again keeps its choice until the text is whole or goes elsewhere.
    if (word_.startsWith(longer)) {
        typed_ = longer;
        return kKeep;
    }
    const int chosen = chooseFirst(longer);
    if (chosen != kKeep) typed_ = longer;
    return chosen;
}

int TypedReading::chooseFirst(const QString& text) {
    std::vector<int> found = findFoodsByReading(food_, text);
    if (found.empty()) return kKeep;
    word_ = text;
    found_ = std::move(found);
    step_ = 0;
    return found_.front();
}

}  // namespace morvi
