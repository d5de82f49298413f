#include "qt/units.h"

#include <cmath>

namespace morvi {

int pixelsFromTwips(int twips) {
    return static_cast<int>(std::lround(twips / double(kTwipsPerPixel)));
}

QRect rectFromTwips(int left, int top, int width, int height) {
    return {pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width),
            pixelsFromTwips(height)};
}

QColor colorFromBgr(ColorBgr bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

Qt::Alignment alignmentFromCode(int code) {
    switch (code) {
        case align::kCenterCenter:
            return Qt::AlignCenter;
        case align::kRightCenter:
            return Qt::AlignRight | Qt::AlignVCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

}  // namespace morvi
