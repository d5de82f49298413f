#include "qt/picker_search.h"

#include "food/reading_search.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

namespace morvi {

namespace {

// The keys a romaji reading is typed with: letters, '-' for ー and '\'' after n.
bool isRomajiKey(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString text = key.text().toLower();
    return text.size() == 1 &&
           ((text[0] >= u'a' && text[0] <= u'z') || text[0] == u'-' || text[0] == u'\'');
}

}  // namespace

PickerSearch::PickerSearch(QComboBox* picker, const FoodTable& food)
    : QObject(picker), picker_(picker), food_(food) {
    picker_->installEventFilter(this);
    picker_->view()->installEventFilter(this);
}

bool PickerSearch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    return typeKey(static_cast<const QKeyEvent&>(*event), watched == picker_->view());
}

bool PickerSearch::typeKey(const QKeyEvent& key, bool inOpenList) {
    const bool backspace = key.key() == Qt::Key_Backspace;
    if (!backspace && !isRomajiKey(key)) return false;
    // Like Qt's own keyboard search, a pause starts the typed text afresh.
    if (!sinceLastKey_.isValid() || sinceLastKey_.elapsed() > QApplication::keyboardInputInterval())
        typed_.clear();
    sinceLastKey_.start();
    if (backspace) {
        if (typed_.isEmpty()) return false;
        typed_.chop(1);
        if (!typed_.isEmpty()) choose(findFoodByReading(food_, typed_), inOpenList);
        return true;
    }
    const QString longer = typed_ + key.text().toLower();
    const int found = findFoodByReading(food_, longer);
    if (found < 0) return true;
    typed_ = longer;
    choose(found, inOpenList);
    return true;
}

// As the arrow keys choose: the open list moves its current line, the closed picker changes its
// choice and tells so as a user's choice.
void PickerSearch::choose(int index, bool inOpenList) {
    if (inOpenList) {
        QAbstractItemView* list = picker_->view();
        list->setCurrentIndex(
            list->model()->index(index, picker_->modelColumn(), picker_->rootModelIndex()));
        return;
    }
    if (index == picker_->currentIndex()) return;
    picker_->setCurrentIndex(index);
    emit picker_->activated(index);
    emit picker_->textActivated(picker_->currentText());
}

}  // namespace morvi
