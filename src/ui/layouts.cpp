#include "ui/layouts.h"

#include "ui/tally_grid.h"

namespace morvi {

namespace {

constexpr ColorBgr kNavy = 0x00800000;
constexpr auto kPicker = ControlKind::Picker;
constexpr auto kTextBox = ControlKind::TextBox;
constexpr auto kButton = ControlKind::Button;
constexpr auto kGrid = ControlKind::Grid;
constexpr auto kLabel = ControlKind::Label;
constexpr auto kImage = ControlKind::Image;
constexpr int kCentre = align::kCenterCenter;
constexpr int kRight = align::kRightCenter;
constexpr std::nullopt_t kOwnFont = std::nullopt;

// name, kind, caption, left, top, width, height, tab index, font, alignment, border, text colour
constexpr ControlLayout kMainControls[] = {
    {"cbo_HINMEI", kPicker, u"", 720, 120, 2775, 300, 0},
    {"txt_Glam", kTextBox, u"Text1", 720, 480, 735, 270, 1},
    {"cmd_End", kButton, u"END", 3600, 3120, 975, 375, 4},
    {"cmd_Clear", kButton, u"CLEAR", 3600, 480, 975, 255, 3},
    {"cmd_SET", kButton, u"SET", 3600, 120, 975, 255, 2},
    {"grd_Hyo", kGrid, u"", 120, 840, 4530, tally_grid::kHeightTwips, 5},
    {"Label7", kLabel, u"g", 1500, 450, 135, 255, 15, Typeface{kPGothic, 12}},
    {"Label6", kLabel, u"合計", 390, 2730, 735, 255, 14, kOwnFont, kCentre, false, kNavy},
    {"Label5", kLabel, u"品目", 1845, 2760, 375, 255, 13, Typeface{kPGothic, 8.25}},
    {"lbl_Goukei3", kLabel, u"Label5", 1200, 2700, 615, 255, 12, kOwnFont, kRight, true, kDarkBlue},
    {"Label4", kLabel, u"Kcal", 4340, 2730, 495, 255, 11, Typeface{kPGothic, 9.75}},
    {"Label3", kLabel, u"g", 3160, 2660, 135, 255, 10, Typeface{kPGothic, 12}},
    {"lbl_Goukei2", kLabel, u"Label3", 2415, 2700, 735, 255, 9, kOwnFont, kRight, true, kDarkBlue},
    {"lbl_Goukei", kLabel, u"Label3", 3600, 2700, 735, 255, 8, kOwnFont, kRight, true, kDarkBlue},
    {"Label1", kLabel, u"品名", 120, 120, 615, 255, 7, kOwnFont, kCentre, true, kDarkBlue},
    {"Label2", kLabel, u"グラム", 120, 480, 615, 255, 6, kOwnFont, kCentre, true, kDarkBlue},
};

constexpr MenuItemLayout kFileItems[] = {
    {"g_print", u"印刷(&P)"},
    {"g_pdf", u"PDFに保存(&D)..."},
    {"g_end", u"終了(&E)"},
};
constexpr MenuItemLayout kHelpItems[] = {
    {"p_use", u"使い方(&U)"},
    {"g_version", u"バージョン情報(&V)"},
};
constexpr MenuLayout kMainMenus[] = {
    {"g_file", u"ファイル(&F)", kFileItems},
    {"g_help", u"ヘルプ(&H)", kHelpItems},
};

constexpr ControlLayout kVersionControls[] = {
    {"cmd_ok", kButton, u"OK", 2400, 960, 855, 300, 2, Typeface{kTimesNewRoman, 9, true}},
    {"Label2", kLabel, u"(C) 2026 Morvi Team", 840, 600, 2655, 495, 1,
     Typeface{kTimesNewRoman, 11.25, true}},
    {"Label1", kLabel, u"Morvi Ver1.0", 840, 120, 2655, 375, 0, Typeface{kPGothic, 11.25, true}},
    {"Image1", kImage, u"", 120, 240, 480, 480, -1},
};

}  // namespace

const FormLayout kMainWindowLayout{
    "Frm_Morvi", u"Ｍｏｒｖｉ", 4740, 3570, {kPGothic, 9}, kMainControls, kMainMenus,
};

const FormLayout kVersionDialogLayout{
    "Frm_Ver", u"Version", 3480, 1365, {kPGothic, 9}, kVersionControls, {},
};

}  // namespace morvi
