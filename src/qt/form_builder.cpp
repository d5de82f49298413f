#include "qt/form_builder.h"

#include "qt/program_icon.h"
#include "qt/units.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>
#include <map>

namespace morvi {

namespace {

QString text(const char16_t* utf16) { return QString::fromUtf16(utf16); }

// The layout's fonts come from another desktop; Debian's stand-ins follow them.
QStringList familiesFor(const QString& family) {
    if (family == text(kPGothic)) return {family, QStringLiteral("IPAPGothic")};
    if (family == text(kTimesNewRoman))
        return {family, QStringLiteral("Liberation Serif"), QStringLiteral("Nimbus Roman"),
                QStringLiteral("DejaVu Serif")};
    return {family};
}

void styleLabel(QLabel* label, const ControlLayout& row) {
    label->setText(text(row.caption));
    label->setAlignment((alignmentFromCode(row.alignment) & Qt::AlignHorizontal_Mask) |
                        Qt::AlignTop);
    if (row.border) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
    }
    if (row.textColor) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colorFromBgr(*row.textColor));
        label->setPalette(palette);
    }
}

// Enter presses the focused button, as Space does.
class EnterPressesButton : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
        if (!enter || (key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        static_cast<QPushButton*>(watched)->click();
        return true;
    }
};

QWidget* createControl(QWidget* client, const ControlLayout& row) {
    switch (row.kind) {
        case ControlKind::Picker:
            return new QComboBox(client);
        case ControlKind::TextBox:
            return new QLineEdit(text(row.caption), client);
        case ControlKind::Button: {
            auto* button = new QPushButton(text(row.caption), client);
            // No button is the form's Enter or Escape button.
            button->setAutoDefault(false);
            button->setDefault(false);
            button->setFocusPolicy(Qt::StrongFocus);
            button->installEventFilter(new EnterPressesButton(button));
            return button;
        }
        case ControlKind::Grid:
            return new QTableWidget(client);
        case ControlKind::Image: {
            auto* image = new QLabel(client);
            image->setPixmap(programPixmap());
            return image;
        }
        case ControlKind::Label:
            break;
    }
    auto* label = new QLabel(client);
    styleLabel(label, row);
    return label;
}

bool takesFocus(ControlKind kind) {
    return kind == ControlKind::Picker || kind == ControlKind::TextBox ||
           kind == ControlKind::Button;
}

}  // namespace

QFont fontOf(const Typeface& face) {
    QFont font;
    font.setFamilies(familiesFor(text(face.family)));
    font.setPointSizeF(face.points);
    font.setWeight(face.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    return font;
}

void setUpWindow(QWidget* window, const FormLayout& layout) {
    window->setObjectName(QLatin1String(layout.name));
    window->setWindowTitle(text(layout.title));
    window->setWindowIcon(programIcon());
    window->setFont(fontOf(layout.font));
}

void centreOnScreen(QWidget* window) {
    window->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(),
                                            window->screen()->availableGeometry()));
}

QSize clientSize(const FormLayout& layout) {
    return rectFromTwips(0, 0, layout.clientWidth, layout.clientHeight).size();
}

void buildControls(QWidget* client, const FormLayout& layout) {
    std::map<int, QWidget*> tabOrder;
    for (const ControlLayout& row : layout.controls) {
        QWidget* widget = createControl(client, row);
        widget->setObjectName(QLatin1String(row.name));
        widget->setGeometry(rectFromTwips(row.left, row.top, row.width, row.height));
        if (row.font) widget->setFont(fontOf(*row.font));
        if (takesFocus(row.kind)) tabOrder.emplace(row.tabIndex, widget);
    }
    QWidget* previous = nullptr;
    for (const auto& [index, widget] : tabOrder) {
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void buildMenus(QMenuBar* bar, const FormLayout& layout) {
    for (const MenuLayout& menuRow : layout.menus) {
        QMenu* menu = bar->addMenu(text(menuRow.caption));
        menu->setObjectName(QLatin1String(menuRow.name));
        for (const MenuItemLayout& item : menuRow.items)
            menu->addAction(text(item.caption))->setObjectName(QLatin1String(item.name));
    }
}

void missingControl(const char* name) { qFatal("Morvi: the window has no control named %s", name); }

}  // namespace morvi
