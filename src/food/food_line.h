#pragma once

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

// name,key,unit weight: fields trimmed, further commas belong to the unit weight. Error 5 for
// fewer than two commas, 6 for a comma or field position beyond 32,767 or a weight outside 32
// bits, 13 for a weight that is empty or not a number.
FoodLine parseFoodLine(QStringView line);

}  // namespace morvi
