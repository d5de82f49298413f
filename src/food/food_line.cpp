#include "food/food_line.h"

#include "base/number_text.h"
#include "base/rounding.h"
#include "base/run_time_error.h"
#include "base/trim.h"

namespace morvi {

namespace {

// Position from 1 of the first comma in text, 0 when there is none; held in 16 bits.
int16_t commaPosition(QStringView text) { return toInt16(int64_t{text.indexOf(u',') + 1}); }

// The count characters from start (0-based); a negative count is an invalid argument.
QStringView leftPart(QStringView text, qsizetype start, qsizetype count) {
    if (count < 0) throw RunTimeError(err::kInvalidCall);
    return text.sliced(start, count);
}

}  // namespace

FoodLine parseFoodLine(QStringView line) {
    const QString t = trimSpaces(line);
    FoodLine food;
    const int16_t p1 = commaPosition(t);
    food.name = trimSpaces(leftPart(t, 0, p1 - 1));
    const QStringView afterFirst = QStringView(t).sliced(p1);
    const int16_t p2 = commaPosition(afterFirst);
    food.key = trimSpaces(leftPart(t, p1, p2 - 1));
    const int16_t s3 = toInt16(int64_t{p1} + p2 + 1);
    const QStringView rest = s3 - 1 < t.size() ? QStringView(t).sliced(s3 - 1) : QStringView();
    food.unitGram = fieldNumber(trimSpaces(rest));
    return food;
}

}  // namespace morvi
