#include "fake_controls.h"

#include "base/run_time_error.h"

namespace morvi::testing {

namespace {
// A grid refuses a bad row, column or count as a run-time error, as the window's grid does.
[[noreturn]] void invalidArgument() { throw RunTimeError(err::kInvalidCall); }
}  // namespace

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
    if (rows < 1) invalidArgument();
    cells.resize(rows, std::vector<Cell>(cols_));
    if (row_ >= rows) row_ = rows - 1;
}

void FakeGrid::SetCols(int cols) {
    if (cols < 1) invalidArgument();
    cols_ = cols;
    for (auto& r : cells) r.resize(cols);
    colWidth.resize(cols, 0);
    colAlignment.resize(cols, 0);
    if (col_ >= cols) col_ = cols - 1;
}

void FakeGrid::SetRow(int row) {
    if (row < 0 || row >= Rows()) invalidArgument();
    row_ = row;
}

void FakeGrid::SetCol(int col) {
    if (col < 0 || col >= cols_) invalidArgument();
    col_ = col;
}

void FakeGrid::Clear() {
    for (auto& r : cells)
        for (auto& c : r) c = Cell{};
}

void FakeGrid::RemoveItem(int row) {
    if (row < 1 || row >= Rows()) invalidArgument();
    cells.erase(cells.begin() + row);
    if (row_ >= Rows()) row_ = Rows() - 1;
}

const FakeGrid::Cell& FakeGrid::cell(int row, int col) const {
    if (row < 0 || row >= Rows() || col < 0 || col >= cols_) invalidArgument();
    return cells[row][col];
}
FakeGrid::Cell& FakeGrid::cell(int row, int col) {
    return const_cast<Cell&>(std::as_const(*this).cell(row, col));
}

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
