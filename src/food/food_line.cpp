#include "food/food_line.h"

#include "base/number_text.h"
#include "base/rounding.h"
#include "base/trim.h"

namespace morvi {

namespace {

// Position from 1 of the first comma in text, 0 when there is none; held in 16 bits.
int16_t commaPosition(QStringView text) { return toInt16(int64_t{text.indexOf(u',') + 1}); }

// The count characters from start (0-based); a negative count is an invalid argument.
QStringView charactersFrom(QStringView text, qsizetype start, qsizetype count) {
    if (count < 0) throw RunTimeError(err::kInvalidCall);
    return text.sliced(start, count);
}

// The loader's split; `step` names the fault of the step under way when one raises.
FoodLine splitFoodLine(QStringView line, LineFault& step, QString& weightText) {
    const QString t = trimSpaces(line);
    FoodLine food;
    step = LineFault::CommaTooFar;
    const int16_t p1 = commaPosition(t);
    step = LineFault::NoComma;
    food.name = trimSpaces(charactersFrom(t, 0, p1 - 1));
    const QStringView afterFirst = QStringView(t).sliced(p1);
    step = LineFault::CommaTooFar;
    const int16_t p2 = commaPosition(afterFirst);
    step = LineFault::OneComma;
    food.key = trimSpaces(charactersFrom(t, p1, p2 - 1));
    step = LineFault::WeightTooFar;
    const int16_t s3 = toInt16(int64_t{p1} + p2 + 1);
    const QStringView rest = s3 - 1 < t.size() ? QStringView(t).sliced(s3 - 1) : QStringView();
    step = LineFault::WeightInvalid;
    weightText = trimSpaces(rest);
    food.unitGram = fieldNumber(weightText);
    return food;
}

}  // namespace

LineVerdict judgeFoodLine(QStringView line) {
    LineVerdict verdict;
    LineFault step = LineFault::None;
    try {
        verdict.food = splitFoodLine(line, step, verdict.weightText);
    } catch (const RunTimeError& e) {
        verdict.error = e.number();
        verdict.fault = step;
    }
    return verdict;
}

FoodLine parseFoodLine(QStringView line) {
    LineVerdict verdict = judgeFoodLine(line);
    if (verdict.error != err::kNone) throw RunTimeError(verdict.error);
    return std::move(verdict.food);
}

}  // namespace morvi
