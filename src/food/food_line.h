#pragma once

#include "base/run_time_error.h"

#include <QString>
#include <QStringView>
#include <cstdint>

namespace morvi {

// One line of menu.txt split into its three fields.
struct FoodLine {
    QString name;
    QString key;
    int32_t unitGram = 0;
};

// The step of the split at which a refused line failed, so a checker can say what is wrong.
enum class LineFault {
    None,
    CommaTooFar,    // 6: a comma beyond character 32,767
    NoComma,        // 5: no comma at all, blank lines included
    OneComma,       // 5: a first comma but no second
    WeightTooFar,   // 6: field 3 begins beyond character 32,767
    WeightInvalid,  // 13 or 6 from the number conversion of field 3
};

// What the loader makes of one line: the food, or the error that stops the load.
struct LineVerdict {
    FoodLine food;
    int32_t error = err::kNone;
    LineFault fault = LineFault::None;
    QString weightText;  // field 3 trimmed, as it went into the number conversion
};

// name,key,unit weight: fields trimmed, further commas belong to the unit weight. Error 5 for
// fewer than two commas, 6 for a comma or field position beyond 32,767 or a weight outside 32
// bits, 13 for a weight that is empty or not a number.
LineVerdict judgeFoodLine(QStringView line);

// The same split, raising the verdict's error.
FoodLine parseFoodLine(QStringView line);

}  // namespace morvi
