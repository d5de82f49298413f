#pragma once

#include <QString>
#include <QStringView>

namespace morvi {

// Removes leading and trailing ordinary spaces and ideographic spaces (U+3000), nothing else.
QString trimSpaces(QStringView text);

}  // namespace morvi
