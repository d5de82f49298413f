#pragma once

#include "ui/food_table.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QComboBox;
class QKeyEvent;

namespace morvi {

// Finds a food by its reading typed in romaji, in the closed picker and in its open list, in
// place of the combo box's own search by name (the names are Japanese). Letters build the typed
// text, which starts afresh after a pause; Backspace shortens it; a letter that makes it find
// nothing is dropped, so the choice stays.
class PickerSearch : public QObject {
  public:
    PickerSearch(QComboBox* picker, const FoodTable& food);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool typeKey(const QKeyEvent& key, bool inOpenList);
    void choose(int index, bool inOpenList);

    QComboBox* picker_;
    const FoodTable& food_;
    QString typed_;
    QElapsedTimer sinceLastKey_;
};

}  // namespace morvi
