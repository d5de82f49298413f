#pragma once

// Plain in-memory stand-ins for the window's controls and the desktop, so the handlers' rules
// can be driven and checked without a screen.

#include "ui/controls.h"
#include "ui/form.h"

#include <QStringList>
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace morvi::testing {

struct ShownMessage {
    QString prompt;
    int style;
    QString title;
};

class FakeDesktop : public Desktop {
  public:
    int MsgBox(const QString& prompt, int style, const QString& title) override;
    void Beep() override;
    void SetMousePointer(int shape) override;
    void DoEvents() override;

    // Answers for the next message boxes, in order; an unscripted box answers OK (or No).
    void answerNext(int answer) { answers_.push_back(answer); }

    std::vector<ShownMessage> messages;
    std::vector<int> pointerHistory;
    int pointer = pointer::kDefault;
    int beeps = 0;
    int pumps = 0;
    // Every call in order: "MsgBox:<prompt>", "Beep", "Pointer:11", "DoEvents".
    QStringList log;

  private:
    std::deque<int> answers_;
};

// Records which control has the focus.
struct FocusTracker {
    QString focused;
};

class FakeButton : public Focusable {
  public:
    FakeButton(FocusTracker& focus, QString name) : focus_(focus), name_(std::move(name)) {}
    void SetFocus() override { focus_.focused = name_; }

  private:
    FocusTracker& focus_;
    QString name_;
};

class FakePicker : public Picker {
  public:
    explicit FakePicker(FocusTracker& focus) : focus_(focus) {}
    void SetFocus() override { focus_.focused = QStringLiteral("cbo_HINMEI"); }
    void AddItem(const QString& text) override;
    void Clear() override;
    int ListCount() const { return static_cast<int>(items.size()); }
    int NewIndex() const override { return newIndex_; }
    int32_t ItemData(int index) const override { return items.at(index).second; }
    void SetItemData(int index, int32_t value) override { items.at(index).second = value; }
    int ListIndex() const override { return listIndex; }
    QString Text() const override;

    // Chooses the item whose text is name; -1 when there is none.
    void choose(const QString& name);

    std::vector<std::pair<QString, int32_t>> items;
    int listIndex = -1;

  private:
    FocusTracker& focus_;
    int newIndex_ = -1;
};

class FakeTextBox : public TextBox {
  public:
    explicit FakeTextBox(FocusTracker& focus) : focus_(focus) {}
    void SetFocus() override { focus_.focused = QStringLiteral("txt_Glam"); }
    QString Text() const override { return text; }
    void SetText(const QString& t) override {
        text = t;
        selStart = 0;
        selLength = 0;
    }
    int SelStart() const override { return selStart; }
    void SetSelStart(int start) override {
        selStart = start;
        selLength = 0;
    }
    int SelLength() const override { return selLength; }
    void SetSelLength(int length) override { selLength = length; }

    QString text = QStringLiteral("Text1");
    int selStart = 0;
    int selLength = 0;

  private:
    FocusTracker& focus_;
};

class FakeLabel : public Label {
  public:
    explicit FakeLabel(QString initial) : caption(std::move(initial)) {}
    QString Caption() const override { return caption; }
    void SetCaption(const QString& text) override { caption = text; }
    QString caption;
};

// A flexible grid in memory with the same row, column and current-cell rules as the window's.
class FakeGrid : public Grid {
  public:
    struct Cell {
        QString text;
        ColorBgr back = kNoColor;
        ColorBgr fore = kNoColor;
        int alignment = -1;  // -1: the column's alignment
    };
    static constexpr ColorBgr kNoColor = 0xFFFFFFFF;

    FakeGrid();
    int Rows() const override { return static_cast<int>(cells.size()); }
    void SetRows(int rows) override;
    int Cols() const override { return cols_; }
    void SetCols(int cols) override;
    void SetFixedRows(int rows) override { fixedRows = rows; }
    void SetFixedCols(int cols) override { fixedCols = cols; }
    int Row() const override { return row_; }
    void SetRow(int row) override;
    int Col() const override { return col_; }
    void SetCol(int col) override;
    QString Text() const override { return cell(row_, col_).text; }
    void SetText(const QString& text) override { cell(row_, col_).text = text; }
    QString TextMatrix(int row, int col) const override { return cell(row, col).text; }
    void SetTextMatrix(int row, int col, const QString& text) override {
        cell(row, col).text = text;
    }
    void SetColWidth(int col, int twips) override {
        cell(0, col);  // refuses a column that does not exist
        colWidth[col] = twips;
    }
    void SetColAlignment(int col, int alignment) override {
        cell(0, col);
        colAlignment[col] = alignment;
    }
    void SetCellBackColor(ColorBgr color) override { cell(row_, col_).back = color; }
    void SetCellForeColor(ColorBgr color) override { cell(row_, col_).fore = color; }
    void SetCellAlignment(int alignment) override { cell(row_, col_).alignment = alignment; }
    void SetRedraw(bool on) override { redraw = on; }
    void Clear() override;
    void RemoveItem(int row) override;

    const Cell& cell(int row, int col) const;
    Cell& cell(int row, int col);
    // The data rows (1..Rows-1) as name, grams, kcal texts.
    std::vector<QStringList> lines() const;

    std::vector<std::vector<Cell>> cells;
    std::vector<int> colWidth;
    std::vector<int> colAlignment;
    int fixedRows = 1;
    int fixedCols = 0;
    bool redraw = true;

  private:
    int cols_ = 0;
    int row_ = 1;
    int col_ = 0;
};

// A whole window of fakes, wired into a Form.
struct FakeWindow {
    FocusTracker focus;
    FakeDesktop desktop;
    FakePicker cbo_HINMEI{focus};
    FakeTextBox txt_Glam{focus};
    FakeButton cmd_SET{focus, QStringLiteral("cmd_SET")};
    FakeGrid grd_Hyo;
    FakeLabel lbl_Goukei{QStringLiteral("Label3")};
    FakeLabel lbl_Goukei2{QStringLiteral("Label3")};
    FakeLabel lbl_Goukei3{QStringLiteral("Label5")};
    Form form{
        Controls{cbo_HINMEI, txt_Glam, cmd_SET, grd_Hyo, lbl_Goukei, lbl_Goukei2, lbl_Goukei3},
        desktop,
        {},
        {}};

    // Fills the food table (in the order given, as a load would leave it) and the picker.
    void setFoods(const std::vector<std::pair<QString, int32_t>>& foods);
};

}  // namespace morvi::testing
