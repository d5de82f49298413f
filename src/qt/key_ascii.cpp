#include "qt/key_ascii.h"

#include <QKeyEvent>

namespace morvi {

QList<int16_t> keyAsciiCodes(const QKeyEvent& event) {
    const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
    if (mods & (Qt::AltModifier | Qt::MetaModifier)) return {};
    const bool ctrl = mods & Qt::ControlModifier;
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return {13};
        case Qt::Key_Tab:
            return ctrl ? QList<int16_t>{} : QList<int16_t>{9};
        case Qt::Key_Backspace:
            return {8};
        case Qt::Key_Delete:
        case Qt::Key_Backtab:
            return {};
        default:
            break;
    }
    if (ctrl && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
        return {int16_t(event.key() - Qt::Key_A + 1)};
    QList<int16_t> codes;
    for (QChar unit : event.text()) codes << int16_t(unit.unicode());
    return codes;
}

}  // namespace morvi
