#include "qt/question_box.h"

#include <algorithm>

namespace morvi {

QPoint questionPosition(const QRect& area, const QSize& box, const QRect& stay, const QRect& other,
                        QPoint pointer) {
    const auto inArea = [&](QPoint topLeft) {
        return QPoint(std::clamp(topLeft.x(), area.left(),
                                 std::max(area.left(), area.right() - box.width() + 1)),
                      std::clamp(topLeft.y(), area.top(),
                                 std::max(area.top(), area.bottom() - box.height() + 1)));
    };
    const QPoint under = inArea(pointer - stay.center());
    if (!other.translated(under).contains(pointer)) return under;
    // Clear of the pointer, below it or else above it.
    const QPoint below = inArea(QPoint(under.x(), pointer.y() + 1));
    if (!QRect(below, box).contains(pointer)) return below;
    return inArea(QPoint(under.x(), pointer.y() - box.height()));
}

}  // namespace morvi
