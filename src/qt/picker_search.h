#pragma once

#include "food/typed_reading.h"
#include "ui/food_table.h"

#include <QElapsedTimer>
#include <QObject>

class QComboBox;
class QKeyEvent;

namespace morvi {

// Finds a food by its reading typed in romaji, in the closed picker and in its open list, in
// place of the combo box's own search by name (the names are Japanese): hands the keys of a
// reading to the typed reading and chooses the food it finds.
class PickerSearch : public QObject {
  public:
    PickerSearch(QComboBox* picker, const FoodTable& food);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool typeKey(const QKeyEvent& key, bool inOpenList);
    void choose(int index, bool inOpenList);

    QComboBox* picker_;
    TypedReading typed_;
    QElapsedTimer clock_;
};

}  // namespace morvi
