#include "qt/key_ascii.h"

#include "tally/remove_item.h"

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

int16_t gridKeyCode(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return keycode::kTab;
        case Qt::Key_Escape:
            return keycode::kEscape;
        case Qt::Key_PageUp:
            return keycode::kPageUp;
        case Qt::Key_PageDown:
            return keycode::kPageDown;
        case Qt::Key_End:
            return keycode::kEnd;
        case Qt::Key_Home:
            return keycode::kHome;
        case Qt::Key_Up:
            return keycode::kUp;
        case Qt::Key_Down:
            return keycode::kDown;
        case Qt::Key_Delete:
            return keycode::kDelete;
        case Qt::Key_F6:
            return keycode::kF6;
        default:
            return 0;
    }
}

}  // namespace morvi
