#pragma once

#include "ui/layouts.h"

#include <QFont>
#include <QObject>
#include <QSize>

class QMenuBar;
class QWidget;

namespace morvi {

// The layout's font, or the Debian font that stands in for it where it is not installed.
QFont fontOf(const Typeface& face);
// The window's name, title, icon and font from its layout.
void setUpWindow(QWidget* window, const FormLayout& layout);
// Places the window in the middle of its screen's available area.
void centreOnScreen(QWidget* window);
// The client area of the form, in pixels.
QSize clientSize(const FormLayout& layout);
// Creates the layout's controls on the client area, each named as in the layout, and chains the
// ones that take the focus in the order of their tab indexes. Enter presses a focused button, as
// Space does, though no button is the form's Enter button.
void buildControls(QWidget* client, const FormLayout& layout);
// The layout's menus, each menu and item named as in the layout.
void buildMenus(QMenuBar* bar, const FormLayout& layout);

[[noreturn]] void missingControl(const char* name);

// The control or menu item of that name and kind below parent; without one the program stops
// with its name, in every build.
template <class T>
T* findControl(const QObject* parent, const char* name) {
    T* found = parent->findChild<T*>(QLatin1String(name));
    if (!found) missingControl(name);
    return found;
}

}  // namespace morvi
