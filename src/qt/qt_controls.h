#pragma once

// The control operations over Qt widgets, each a thin adapter; the widgets belong to the window.

#include "ui/controls.h"

#include <QVariant>
#include <QVector>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QWidget;

namespace morvi {

class QtFocusable : public Focusable {
  public:
    explicit QtFocusable(QWidget* widget) : widget_(widget) {}
    void SetFocus() override;

  private:
    QWidget* widget_;
};

// A drop-down list without typing; nothing is chosen until the user chooses.
class QtPicker : public Picker {
  public:
    explicit QtPicker(QComboBox* combo) : combo_(combo) {}
    void SetFocus() override;
    void AddItem(const QString& text) override;
    void Clear() override;
    int NewIndex() const override { return newIndex_; }
    int32_t ItemData(int index) const override;
    void SetItemData(int index, int32_t value) override;
    int ListIndex() const override;
    QString Text() const override;

  private:
    void checkIndex(int index) const;

    QComboBox* combo_;
    int newIndex_ = -1;
};

class QtTextBox : public TextBox {
  public:
    explicit QtTextBox(QLineEdit* edit) : edit_(edit) {}
    void SetFocus() override;
    QString Text() const override;
    void SetText(const QString& text) override;
    void SetSelStart(int start) override;
    void SetSelLength(int length) override;

  private:
    int selectionStart() const;

    QLineEdit* edit_;
};

class QtLabel : public Label {
  public:
    explicit QtLabel(QLabel* label) : label_(label) {}
    QString Caption() const override;
    void SetCaption(const QString& text) override;

  protected:
    QLabel* label_;
};

// A total: a screen reader reads it as what it counts, then its figure.
class QtTotalLabel : public QtLabel {
  public:
    QtTotalLabel(QLabel* label, QString counts);
    void SetCaption(const QString& text) override;

  private:
    QString counts_;
};

// The grid over a table whose horizontal header is grid row 0, so the fixed row never scrolls:
// grid row r > 0 is table row r - 1.
class QtGrid : public Grid {
  public:
    explicit QtGrid(QTableWidget* table);
    void SetFocus() override;
    int Rows() const override;
    void SetRows(int rows) override;
    void SetCols(int cols) override;
    int Row() const override;
    void SetRow(int row) override;
    void SetCol(int col) override;
    QString Text() const override { return TextMatrix(Row(), col_); }
    void SetText(const QString& text) override { SetTextMatrix(Row(), col_, text); }
    QString TextMatrix(int row, int col) const override;
    void SetTextMatrix(int row, int col, const QString& text) override;
    void SetColWidth(int col, int twips) override;
    void SetColAlignment(int col, int alignment) override;
    void SetCellBackColor(ColorBgr color) override;
    void SetCellForeColor(ColorBgr color) override;
    void SetCellAlignment(int alignment) override;
    void SetRedraw(bool on) override;
    void Clear() override;
    void RemoveItem(int row) override;

  private:
    int columnCount() const;
    QVariant data(int row, int col, int role) const;
    void setData(int row, int col, const QVariant& value, int role);
    void resetCell(int row, int col);
    void checkCell(int row, int col) const;

    QTableWidget* table_;
    QVector<int> colAlignment_;
    // The current row is the table's; the header row, which the table cannot make current, is
    // the table without a current cell. The column is kept here, as the header row needs one.
    int col_ = 0;
};

}  // namespace morvi
