#include "qt/picker_search.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

namespace morvi {

namespace {

// The key of a romaji reading: a letter, '-' for ー, '\'' after n, '\b' for Backspace; 0 for
// any other.
char16_t readingKey(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Backspace) return u'\b';
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
    const QString text = key.text().toLower();
    const bool romaji = text.size() == 1 && ((text[0] >= u'a' && text[0] <= u'z') ||
                                             text[0] == u'-' || text[0] == u'\'');
    return romaji ? text[0].unicode() : 0;
}

}  // namespace

PickerSearch::PickerSearch(QComboBox* picker, const FoodTable& food)
    : QObject(picker), picker_(picker), typed_(food, QApplication::keyboardInputInterval()) {
    clock_.start();
    picker_->installEventFilter(this);
    picker_->view()->installEventFilter(this);
}

bool PickerSearch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    return typeKey(static_cast<const QKeyEvent&>(*event), watched == picker_->view());
}

bool PickerSearch::typeKey(const QKeyEvent& key, bool inOpenList) {
    const char16_t typed = readingKey(key);
    if (!typed) return false;
    const int chosen = typed_.type(typed, clock_.elapsed());
    if (chosen >= 0) choose(chosen, inOpenList);
    return chosen != TypedReading::kNotTyped;
}

// As the arrow keys choose: the open list moves its current line, the closed picker changes its
// choice, which a screen reader hears.
void PickerSearch::choose(int index, bool inOpenList) {
    if (inOpenList) {
        QAbstractItemView* list = picker_->view();
        list->setCurrentIndex(
            list->model()->index(index, picker_->modelColumn(), picker_->rootModelIndex()));
        return;
    }
    picker_->setCurrentIndex(index);
}

}  // namespace morvi
