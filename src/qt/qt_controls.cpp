#include "qt/qt_controls.h"

#include "base/run_time_error.h"
#include "qt/units.h"
#include "ui/tally_grid.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace morvi {

namespace {

// Remembers a cell's own alignment, which outranks its column's.
constexpr int kOwnAlignmentRole = Qt::UserRole + 1;

[[noreturn]] void invalidArgument() { throw RunTimeError(err::kInvalidCall); }

// A screen reader hears any cell of a line as the whole line, each cell after its heading
// ("品名 P、グラム(g) 150、…"); a line without a name as its own text.
class LineItem : public QTableWidgetItem {
  public:
    QVariant data(int role) const override {
        const QTableWidget* table = tableWidget();
        if (role != Qt::AccessibleTextRole || !table) return QTableWidgetItem::data(role);
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c) {
            const QTableWidgetItem* cell = table->item(row(), c);
            cells << table->model()->headerData(c, Qt::Horizontal).toString() + u' ' +
                         (cell ? cell->text() : QString());
        }
        const QTableWidgetItem* name = table->item(row(), 0);
        return name && !name->text().trimmed().isEmpty() ? cells.join(u'、') : QVariant();
    }
    QTableWidgetItem* clone() const override { return new LineItem(*this); }
};

// The grid's viewport shows grey beyond the last row and column; each cell is painted over it in
// the window colour, then its own colours and text, then its grid lines on the right and below
// (the style's grid lines would take the style's colour), and a dotted frame on the current cell
// while the grid has the focus.
class CellOverGrey : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QRect& r = option.rect;
        painter->fillRect(r, option.palette.base());
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(colorFromBgr(tally_grid::kGridLines));
        painter->drawPolyline(QPolygon({r.topRight(), r.bottomRight(), r.bottomLeft()}));
        // The keyboard's current line shows where Delete acts.
        if (option.state & QStyle::State_HasFocus) {
            painter->setPen(QPen(option.palette.text(), 1, Qt::DotLine));
            painter->drawRect(r.adjusted(1, 1, -2, -2));
        }
        painter->restore();
    }
};

void lookOfTheGrid(QTableWidget* grid) {
    grid->setItemDelegate(new CellOverGrey(grid));
    grid->setShowGrid(false);
    // Grey beyond the last row and column, in the header row too: the viewport's background and
    // the colour the style gives the header beyond its last section. The cells take the grid's
    // own colours, the header's sections its button colours.
    const QColor grey = colorFromBgr(tally_grid::kBeyondCells);
    QPalette beyond = grid->viewport()->palette();
    beyond.setColor(QPalette::Base, grey);
    grid->viewport()->setPalette(beyond);
    QPalette header = grid->horizontalHeader()->palette();
    header.setColor(QPalette::Window, grey);
    grid->horizontalHeader()->setPalette(header);
}

}  // namespace

void QtFocusable::SetFocus() { widget_->setFocus(Qt::OtherFocusReason); }

void QtPicker::SetFocus() { combo_->setFocus(Qt::OtherFocusReason); }

void QtPicker::AddItem(const QString& text) {
    const int chosen = combo_->currentIndex();
    combo_->addItem(text, QVariant::fromValue<int32_t>(0));
    // The combo box would choose its first item by itself; the list starts with no choice.
    if (chosen < 0) combo_->setCurrentIndex(-1);
    newIndex_ = combo_->count() - 1;
}

void QtPicker::Clear() {
    combo_->clear();
    newIndex_ = -1;
}

int32_t QtPicker::ItemData(int index) const {
    checkIndex(index);
    return combo_->itemData(index).value<int32_t>();
}

void QtPicker::SetItemData(int index, int32_t value) {
    checkIndex(index);
    combo_->setItemData(index, QVariant::fromValue(value));
}

int QtPicker::ListIndex() const { return combo_->currentIndex(); }

QString QtPicker::Text() const {
    return combo_->currentIndex() < 0 ? QString() : combo_->currentText();
}

void QtPicker::checkIndex(int index) const {
    if (index < 0 || index >= combo_->count()) invalidArgument();
}

void QtTextBox::SetFocus() { edit_->setFocus(Qt::OtherFocusReason); }

QString QtTextBox::Text() const { return edit_->text(); }

void QtTextBox::SetText(const QString& text) { edit_->setText(text); }

int QtTextBox::selectionStart() const {
    return edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition();
}

void QtTextBox::SetSelStart(int start) {
    if (start < 0) invalidArgument();
    edit_->setCursorPosition(start);
}

void QtTextBox::SetSelLength(int length) {
    if (length < 0) invalidArgument();
    const int start = selectionStart();
    // Selected backwards, so the caret stays at the start of the selection.
    edit_->setSelection(start + length, -length);
}

QtTotalLabel::QtTotalLabel(QLabel* label, QString counts)
    : QtLabel(label), counts_(std::move(counts)) {
    label->setAccessibleName(counts_);
}

void QtTotalLabel::SetCaption(const QString& text) {
    QtLabel::SetCaption(text);
    label_->setAccessibleName(text.isEmpty() ? counts_ : counts_ + QLatin1Char(' ') + text);
}

QString QtLabel::Caption() const { return label_->text(); }

void QtLabel::SetCaption(const QString& text) { label_->setText(text); }

QtGrid::QtGrid(QTableWidget* table) : table_(table) {
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionsClickable(false);
    // Out of the tab order; in the grid, Tab is one of the tally's keys.
    table_->setFocusPolicy(Qt::ClickFocus);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setItemPrototype(new LineItem);
    table_->verticalHeader()->setMinimumSectionSize(0);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(pixelsFromTwips(tally_grid::kRowHeightTwips));
    lookOfTheGrid(table_);
    SetCols(tally_grid::kCols);
    SetRows(tally_grid::kEmptyRows);
    SetRow(1);
}

// The line is made current again once the focus is in, so a screen reader hears it.
void QtGrid::SetFocus() {
    const int row = Row();
    table_->setCurrentItem(nullptr);
    table_->setFocus(Qt::OtherFocusReason);
    SetRow(row);
}

int QtGrid::Rows() const { return table_->rowCount() + 1; }

void QtGrid::SetRows(int rows) {
    if (rows < 1) invalidArgument();
    const int before = Rows();
    const int row = Row();
    table_->setRowCount(rows - 1);
    for (int r = before; r < rows; ++r)
        for (int c = 0; c < columnCount(); ++c) resetCell(r, c);
    SetRow(std::min(row, rows - 1));
}

int QtGrid::columnCount() const { return table_->columnCount(); }

void QtGrid::SetCols(int cols) {
    if (cols < 1) invalidArgument();
    const int before = columnCount();
    table_->setColumnCount(cols);
    colAlignment_.resize(cols, align::kLeftCenter);
    for (int c = before; c < cols; ++c) {
        // The table owns its header items; without one a section shows its number.
        table_->setHorizontalHeaderItem(c, new QTableWidgetItem);
        for (int r = 0; r < Rows(); ++r) resetCell(r, c);
    }
    if (col_ >= cols) col_ = cols - 1;
}

int QtGrid::Row() const { return table_->currentRow() + 1; }

void QtGrid::SetRow(int row) {
    if (row < 0 || row >= Rows()) invalidArgument();
    table_->setCurrentCell(row - 1, col_);
}

void QtGrid::SetCol(int col) {
    if (col < 0 || col >= columnCount()) invalidArgument();
    col_ = col;
    if (Row() > 0) table_->setCurrentCell(Row() - 1, col_);
}

QString QtGrid::TextMatrix(int row, int col) const {
    return data(row, col, Qt::DisplayRole).toString();
}

void QtGrid::SetTextMatrix(int row, int col, const QString& text) {
    setData(row, col, text, Qt::DisplayRole);
}

void QtGrid::SetColWidth(int col, int twips) {
    checkCell(0, col);
    table_->setColumnWidth(col, pixelsFromTwips(twips));
}

void QtGrid::SetColAlignment(int col, int alignment) {
    checkCell(0, col);
    colAlignment_[col] = alignment;
    for (int r = 0; r < Rows(); ++r)
        if (!data(r, col, kOwnAlignmentRole).isValid())
            setData(r, col, int(alignmentFromCode(alignment)), Qt::TextAlignmentRole);
}

void QtGrid::SetCellBackColor(ColorBgr color) {
    setData(Row(), col_, QBrush(colorFromBgr(color)), Qt::BackgroundRole);
}

void QtGrid::SetCellForeColor(ColorBgr color) {
    setData(Row(), col_, QBrush(colorFromBgr(color)), Qt::ForegroundRole);
}

void QtGrid::SetCellAlignment(int alignment) {
    setData(Row(), col_, alignment, kOwnAlignmentRole);
    setData(Row(), col_, int(alignmentFromCode(alignment)), Qt::TextAlignmentRole);
}

void QtGrid::SetRedraw(bool on) {
    table_->setUpdatesEnabled(on);
    if (on) table_->viewport()->update();
}

void QtGrid::Clear() {
    for (int r = 0; r < Rows(); ++r)
        for (int c = 0; c < columnCount(); ++c) resetCell(r, c);
}

void QtGrid::RemoveItem(int row) {
    // The header row cannot go.
    if (row < 1 || row >= Rows()) invalidArgument();
    const int current = Row();
    table_->removeRow(row - 1);
    SetRow(std::min(current, Rows() - 1));
}

QVariant QtGrid::data(int row, int col, int role) const {
    checkCell(row, col);
    QAbstractItemModel* model = table_->model();
    if (row == 0) return model->headerData(col, Qt::Horizontal, role);
    return model->data(model->index(row - 1, col), role);
}

void QtGrid::setData(int row, int col, const QVariant& value, int role) {
    checkCell(row, col);
    QAbstractItemModel* model = table_->model();
    if (row == 0)
        model->setHeaderData(col, Qt::Horizontal, value, role);
    else
        model->setData(model->index(row - 1, col), value, role);
}

// An empty cell in its column's alignment, without colours of its own.
void QtGrid::resetCell(int row, int col) {
    setData(row, col, QString(), Qt::DisplayRole);
    setData(row, col, QVariant(), Qt::BackgroundRole);
    setData(row, col, QVariant(), Qt::ForegroundRole);
    setData(row, col, QVariant(), kOwnAlignmentRole);
    setData(row, col, int(alignmentFromCode(colAlignment_.value(col, align::kLeftCenter))),
            Qt::TextAlignmentRole);
}

void QtGrid::checkCell(int row, int col) const {
    if (row < 0 || row >= Rows() || col < 0 || col >= columnCount()) invalidArgument();
}

}  // namespace morvi
