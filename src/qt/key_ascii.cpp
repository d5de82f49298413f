#include "qt/key_ascii.h"

#include "tally/remove_item.h"

#include <QKeyEvent>
#include <utility>

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
    static constexpr std::pair<int, int16_t> kGridKeys[] = {
        {Qt::Key_Tab, keycode::kTab},
        {Qt::Key_Backtab, keycode::kTab},
        {Qt::Key_Escape, keycode::kEscape},
        {Qt::Key_PageUp, keycode::kPageUp},
        {Qt::Key_PageDown, keycode::kPageDown},
        {Qt::Key_End, keycode::kEnd},
        {Qt::Key_Home, keycode::kHome},
        {Qt::Key_Up, keycode::kUp},
        {Qt::Key_Down, keycode::kDown},
        {Qt::Key_Delete, keycode::kDelete},
        {Qt::Key_F6, keycode::kF6},
    };
    for (const auto& [key, code] : kGridKeys)
        if (event.key() == key) return code;
    return 0;
}

}  // namespace morvi
