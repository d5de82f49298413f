#pragma once

// A fake window in its starting state over a small food list, with the steps a user takes.

#include "fake_controls.h"
#include "food/form_init.h"
#include "tally/add_item.h"

#include <QStringList>
#include <vector>

namespace morvi::testing {

// The three total labels as shown: kcal, grams, lines.
struct Totals {
    QString kcal;
    QString grams;
    QString lines;
    bool operator==(const Totals&) const = default;
};

inline void PrintTo(const Totals& t, std::ostream* os) {
    *os << "{" << t.kcal.toStdString() << ", " << t.grams.toStdString() << ", "
        << t.lines.toStdString() << "}";
}

struct TallyWindow : FakeWindow {
    explicit TallyWindow(const std::vector<std::pair<QString, int32_t>>& foods) {
        setFoods(foods);
        Form_Init(form);
        forgetEvents();
    }

    // Chooses the food, types the grams and presses "SET".
    void add(const QString& food, const QString& grams) {
        cbo_HINMEI.choose(food);
        txt_Glam.text = grams;
        cmd_SET_Click(form);
    }

    Totals totals() const { return {lbl_Goukei.caption, lbl_Goukei2.caption, lbl_Goukei3.caption}; }
    std::vector<QStringList> lines() const { return grd_Hyo.lines(); }

    void forgetEvents() {
        desktop.messages.clear();
        desktop.pointerHistory.clear();
        desktop.log.clear();
        desktop.beeps = 0;
        focus.focused.clear();
    }
};

}  // namespace morvi::testing
