#pragma once

// The window's layout is given in twips and 0x00BBGGRR colours; these are the only conversions.

#include "ui/controls.h"

#include <QColor>
#include <QRect>
#include <Qt>

namespace morvi {

inline constexpr int kTwipsPerPixel = 15;  // 96 dots per inch

int pixelsFromTwips(int twips);
// A rectangle given as left, top, width and height in twips.
QRect rectFromTwips(int left, int top, int width, int height);

QColor colorFromBgr(ColorBgr bgr);

// Grid alignment codes (align::) as Qt alignments; unknown codes align left.
Qt::Alignment alignmentFromCode(int code);

}  // namespace morvi
