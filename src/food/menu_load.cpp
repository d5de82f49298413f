#include "food/menu_load.h"

#include "base/run_time_error.h"
#include "food/key_order.h"
#include "food/menu_file.h"
#include "ui/error_frame.h"

#include <algorithm>

namespace morvi {

namespace {

// Fresh arrays for entries 0..count, never more than the table can hold.
void sizeTable(FoodTable& table, int32_t count) {
    const size_t entries = static_cast<size_t>(std::min(count, kMaxFoods)) + 1;
    table.m_MenuCount = count;
    table.m_Hinmei.assign(entries, QString());
    table.m_Yomi.assign(entries, QString());
    table.m_UnitGram.assign(entries, 0);
}

// Ascending by key, equal keys in the order the exchange loop leaves them.
void sortTable(FoodTable& table) {
    const int32_t n = table.m_MenuCount;
    if (n > kMaxFoods) throw RunTimeError(err::kOverflow);
    const std::vector<int> order =
        exchangeSortOrder(std::span<const QString>(table.m_Yomi).subspan(1));
    FoodTable sorted;
    sizeTable(sorted, n);
    for (int32_t place = 0; place < n; ++place) {
        const int from = order[place] + 1;
        sorted.m_Hinmei[place + 1] = std::move(table.m_Hinmei[from]);
        sorted.m_Yomi[place + 1] = std::move(table.m_Yomi[from]);
        sorted.m_UnitGram[place + 1] = table.m_UnitGram[from];
    }
    table = std::move(sorted);
}

}  // namespace

bool Menu_Load(Form& form, const QString& appDir) {
    return withErrorBranch(form.desktop, OnError::DefaultPointerReport, [&] {
        readFoodTable(menuPath(appDir), form.food, [&] { form.desktop.DoEvents(); });
        form.desktop.SetMousePointer(pointer::kDefault);
    });
}

void readFoodTable(const QString& path, FoodTable& table, const std::function<void()>& afterCount) {
    sizeTable(table, countMenuLines(path));
    afterCount();
    parseMenuLines(path, table);
    sortTable(table);
}

}  // namespace morvi
