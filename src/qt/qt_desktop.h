#pragma once

#include "ui/controls.h"

#include <memory>

namespace morvi {

class LastClick;

// Message boxes, beep, the screen-wide pointer, the event pump and the save dialog on the Qt
// desktop.
class QtDesktop : public Desktop {
  public:
    QtDesktop();
    ~QtDesktop() override;
    int MsgBox(const QString& prompt, int style, const QString& title) override;
    void Beep() override;
    void SetMousePointer(int shape) override;
    void DoEvents() override;
    QString GetSaveFileName(const QString& title, const QString& proposedPath,
                            const QString& filter) override;

  private:
    std::unique_ptr<LastClick> lastClick_;
};

// Qt's own words (standard buttons, context menus) in Japanese, whatever the system's locale.
// Without the translation file they stay English; returns whether it was loaded.
bool installQtTranslation();

}  // namespace morvi
