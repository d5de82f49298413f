#pragma once

#include "ui/controls.h"

#include <QString>

namespace morvi {

// The six lines of help, joined by CR LF, without a break after the last.
QString usageText();
// Help > 使い方: the usage message in an information box titled "Morvi"; the answer is not used.
void p_use_Click(Desktop& desktop);

}  // namespace morvi
