#pragma once

// The operations the program's logic performs on its window and on the desktop. The Qt window
// implements them; tests implement them with plain fakes, so every rule runs without a screen.

#include <QString>
#include <cstdint>

namespace morvi {

// Message box styles: buttons + icon + default button, and the answers they return.
namespace style {
inline constexpr int kOkOnly = 0;
inline constexpr int kCritical = 16;
inline constexpr int kQuestion = 32;
inline constexpr int kExclamation = 48;
inline constexpr int kInformation = 64;
inline constexpr int kYesNo = 4;
inline constexpr int kDefaultButton2 = 256;
inline constexpr int kDeleteQuestion = kYesNo + kQuestion + kDefaultButton2;  // 292
// Each part of a style, under its mask.
inline constexpr int kButtonsMask = 0x0F;
inline constexpr int kIconMask = 0x70;
inline constexpr int kDefaultButtonMask = 0x300;
}  // namespace style
// The titles of the program's message boxes and dialogs.
namespace title {
inline const QString kApp = QStringLiteral("Morvi");
inline const QString kInputCheck = QStringLiteral("入力確認");
inline const QString kDeleteCheck = QStringLiteral("行削除確認");
inline const QString kSavePdf = QStringLiteral("PDFに保存");
}  // namespace title
namespace answer {
inline constexpr int kOk = 1;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
}  // namespace answer

// Screen-wide mouse pointer shapes.
namespace pointer {
inline constexpr int kDefault = 0;
inline constexpr int kHourglass = 11;
}  // namespace pointer

// Colours are 0x00BBGGRR words.
using ColorBgr = uint32_t;
inline constexpr ColorBgr kDarkBlue = 0x00C00000;

class Desktop {
  public:
    virtual ~Desktop() = default;
    // Modal: until it is answered, no other window of the program takes input and none keeps it
    // hidden. Returns the answer pressed; Enter gives the default button, and a Yes/No box takes
    // Yes only from Y or from a click after the pointer has moved since the box appeared.
    virtual int MsgBox(const QString& prompt, int style, const QString& title) = 0;
    virtual void Beep() = 0;
    virtual void SetMousePointer(int shape) = 0;
    // One pass of the event pump; repaints, delivers no user input.
    virtual void DoEvents() = 0;
    // The desktop's modal save dialog for a PDF file, opened on a proposed path. Returns the
    // chosen path, a name without the ".pdf" suffix given it, and replacing a file already there
    // asked about; empty when cancelled.
    virtual QString GetSaveFileName(const QString& title, const QString& proposedPath,
                                    const QString& filter) = 0;
};

class Focusable {
  public:
    virtual ~Focusable() = default;
    virtual void SetFocus() = 0;
};

class Picker : public Focusable {
  public:
    virtual void AddItem(const QString& text) = 0;
    virtual void Clear() = 0;
    virtual int NewIndex() const = 0;
    virtual int32_t ItemData(int index) const = 0;
    virtual void SetItemData(int index, int32_t value) = 0;
    virtual int ListIndex() const = 0;  // -1 when nothing is chosen
    virtual QString Text() const = 0;   // empty when nothing is chosen
};

class TextBox : public Focusable {
  public:
    virtual QString Text() const = 0;
    virtual void SetText(const QString& text) = 0;
    virtual void SetSelStart(int start) = 0;
    virtual void SetSelLength(int length) = 0;
};

class Label {
  public:
    virtual ~Label() = default;
    virtual QString Caption() const = 0;
    virtual void SetCaption(const QString& text) = 0;
};

// A grid whose row 0 is its one fixed header row, without a fixed column; rows and columns count
// from 0, the current cell is (Row, Col).
class Grid : public Focusable {
  public:
    virtual int Rows() const = 0;
    virtual void SetRows(int rows) = 0;
    virtual void SetCols(int cols) = 0;
    virtual int Row() const = 0;
    virtual void SetRow(int row) = 0;
    virtual void SetCol(int col) = 0;
    virtual QString Text() const = 0;  // of the current cell
    virtual void SetText(const QString& text) = 0;
    virtual QString TextMatrix(int row, int col) const = 0;
    virtual void SetTextMatrix(int row, int col, const QString& text) = 0;
    virtual void SetColWidth(int col, int twips) = 0;
    virtual void SetColAlignment(int col, int alignment) = 0;
    virtual void SetCellBackColor(ColorBgr color) = 0;  // of the current cell
    virtual void SetCellForeColor(ColorBgr color) = 0;  // of the current cell
    virtual void SetCellAlignment(int alignment) = 0;   // of the current cell
    virtual void SetRedraw(bool on) = 0;
    // Empties every cell and drops its formatting; rows and columns stay.
    virtual void Clear() = 0;
    // The rows below move up by one; the current row keeps its number, or is the new last row
    // when it was past it (so too when SetRows takes rows off).
    virtual void RemoveItem(int row) = 0;
};

// Grid alignments.
namespace align {
inline constexpr int kLeftCenter = 1;
inline constexpr int kCenterCenter = 4;
inline constexpr int kRightCenter = 7;
}  // namespace align

// The window's controls that the logic works on.
struct Controls {
    Picker& cbo_HINMEI;
    TextBox& txt_Glam;
    Focusable& cmd_SET;
    Grid& grd_Hyo;
    Label& lbl_Goukei;   // kcal total
    Label& lbl_Goukei2;  // gram total
    Label& lbl_Goukei3;  // number of lines
};

}  // namespace morvi
