#pragma once

// The main window and the version dialog as they are drawn: one row per control in creation
// order, in twips and 0x00BBGGRR colours, and the menus. The Qt skin builds its widgets from
// these rows, so a wrong place or caption is a wrong row here.

#include "ui/controls.h"

#include <optional>
#include <span>

namespace morvi {

enum class ControlKind { Picker, TextBox, Button, Grid, Label, Image };

struct Typeface {
    const char16_t* family;
    double points;
    bool bold = false;
};

inline constexpr char16_t kPGothic[] = u"ＭＳ Ｐゴシック";
inline constexpr char16_t kTimesNewRoman[] = u"Times New Roman";

struct ControlLayout {
    const char* name;
    ControlKind kind;
    const char16_t* caption;
    int left, top, width, height;
    int tabIndex;
    std::optional<Typeface> font = {};   // none: the form's own
    int alignment = align::kLeftCenter;  // across; a label's text stands at its top
    bool border = false;
    std::optional<ColorBgr> textColor = {};  // none: the system's
};

struct MenuItemLayout {
    const char* name;
    const char16_t* caption;
};

struct MenuLayout {
    const char* name;
    const char16_t* caption;
    std::span<const MenuItemLayout> items;
};

struct FormLayout {
    const char* name;
    const char16_t* title;
    int clientWidth, clientHeight;
    Typeface font;
    std::span<const ControlLayout> controls;
    std::span<const MenuLayout> menus;
};

extern const FormLayout kMainWindowLayout;
extern const FormLayout kVersionDialogLayout;

}  // namespace morvi
