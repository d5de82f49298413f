#include "fake_controls.h"

#include <stdexcept>

namespace morvi::testing {

int FakeDesktop::MsgBox(const QString& prompt, int style, const QString& title) {
    messages.push_back({prompt, style, title});
    log << QStringLiteral("MsgBox:") + prompt;
    if (!answers_.empty()) {
        const int a = answers_.front();
        answers_.pop_front();
        return a;
    }
    return (style & 0xF) == style::kYesNo ? answer::kNo : answer::kOk;
}

void FakeDesktop::Beep() {
    ++beeps;
    log << QStringLiteral("Beep");
}

void FakeDesktop::SetMousePointer(int shape) {
    pointer = shape;
    pointerHistory.push_back(shape);
    log << QStringLiteral("Pointer:%1").arg(shape);
}

void FakeDesktop::DoEvents() {
    ++pumps;
    log << QStringLiteral("DoEvents");
}

void FakePicker::AddItem(const QString& text) {
    items.emplace_back(text, 0);
    newIndex_ = static_cast<int>(items.size()) - 1;
}

void FakePicker::Clear() {
    items.clear();
    listIndex = -1;
    newIndex_ = -1;
}

QString FakePicker::Text() const { return listIndex >= 0 ? items.at(listIndex).first : QString(); }

void FakePicker::choose(const QString& name) {
    listIndex = -1;
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].first == name) {
            listIndex = static_cast<int>(i);
            return;
        }
}

FakeGrid::FakeGrid() {
    SetCols(3);
    SetRows(2);
}

void FakeGrid::SetRows(int rows) {
    if (rows < 0) throw std::out_of_range("rows");
    cells.resize(rows, std::vector<Cell>(cols_));
    if (row_ >= rows) row_ = rows - 1;
}

void FakeGrid::SetCols(int cols) {
    if (cols < 0) throw std::out_of_range("cols");
    cols_ = cols;
    for (auto& r : cells) r.resize(cols);
    colWidth.resize(cols, 0);
    colAlignment.resize(cols, 0);
    if (col_ >= cols) col_ = cols - 1;
}

void FakeGrid::SetRow(int row) {
    if (row < 0 || row >= Rows()) throw std::out_of_range("row");
    row_ = row;
}

void FakeGrid::SetCol(int col) {
    if (col < 0 || col >= cols_) throw std::out_of_range("col");
    col_ = col;
}

void FakeGrid::Clear() {
    for (auto& r : cells)
        for (auto& c : r) c = Cell{};
}

void FakeGrid::RemoveItem(int row) {
    if (row < 0 || row >= Rows()) throw std::out_of_range("remove");
    cells.erase(cells.begin() + row);
    if (row_ >= Rows()) row_ = Rows() - 1;
}

const FakeGrid::Cell& FakeGrid::cell(int row, int col) const { return cells.at(row).at(col); }
FakeGrid::Cell& FakeGrid::cell(int row, int col) { return cells.at(row).at(col); }

std::vector<QStringList> FakeGrid::lines() const {
    std::vector<QStringList> out;
    for (int r = 1; r < Rows(); ++r) {
        QStringList line;
        for (int c = 0; c < cols_; ++c) line << cells[r][c].text;
        out.push_back(line);
    }
    return out;
}

void FakeWindow::setFoods(const std::vector<std::pair<QString, int32_t>>& foods) {
    FoodTable& t = form.food;
    t.m_MenuCount = static_cast<int32_t>(foods.size());
    t.m_Hinmei.assign(foods.size() + 1, QString());
    t.m_Yomi.assign(foods.size() + 1, QString());
    t.m_UnitGram.assign(foods.size() + 1, 0);
    cbo_HINMEI.Clear();
    for (size_t i = 0; i < foods.size(); ++i) {
        t.m_Hinmei[i + 1] = foods[i].first;
        t.m_Yomi[i + 1] = foods[i].first;
        t.m_UnitGram[i + 1] = foods[i].second;
        cbo_HINMEI.AddItem(foods[i].first);
        cbo_HINMEI.SetItemData(cbo_HINMEI.NewIndex(), foods[i].second);
    }
}

}  // namespace morvi::testing
