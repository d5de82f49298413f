#include "qt/frm_ver.h"

#include "qt/program_icon.h"
#include "qt/units.h"

#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace morvi {

namespace {

// Each font names its Debian stand-in after it, for systems without the original.
QFont serifBold(qreal points) {
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("Nimbus Roman"), QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

QFont gothic(qreal points, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QLabel* label(QWidget* parent, const QString& text, const QFont& font, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(place);
    return label;
}

}  // namespace

Frm_Ver::Frm_Ver()
    : QDialog(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      cmd_ok(new QPushButton(QStringLiteral("OK"), this)),
      Label2(label(this, QStringLiteral("(C) 2026 Morvi Team"), serifBold(11.25),
                   rectFromTwips(840, 600, 2655, 495))),
      Label1(label(this, QStringLiteral("Morvi Ver1.0"), gothic(11.25, true),
                   rectFromTwips(840, 120, 2655, 375))),
      Image1(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Version"));
    setWindowIcon(programIcon());
    setFont(gothic(9, false));
    setAttribute(Qt::WA_DeleteOnClose);
    // The program ends when none of its windows remains open, this one included; Qt would
    // leave a tool window out of that count.
    setAttribute(Qt::WA_QuitOnClose, true);
    setFixedSize(rectFromTwips(0, 0, 3480, 1365).size());
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                    QGuiApplication::primaryScreen()->availableGeometry()));

    cmd_ok->setFont(serifBold(9));
    cmd_ok->setGeometry(rectFromTwips(2400, 960, 855, 300));
    cmd_ok->setAutoDefault(false);
    cmd_ok->setDefault(false);
    // The notice label overlaps the button's top edge; the button stays clickable above it.
    cmd_ok->raise();
    connect(cmd_ok, &QPushButton::clicked, this, &Frm_Ver::cmd_ok_Click);

    Image1->setPixmap(programPixmap());
    Image1->setGeometry(rectFromTwips(120, 240, 480, 480));

    cmd_ok->setFocus();
}

void Frm_Ver::cmd_ok_Click() { close(); }

void Frm_Ver::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            // There is no cancel button: Escape leaves the dialog open.
            event->accept();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // The focused button takes Enter, as Space, though it is not the default button.
            if (cmd_ok->hasFocus()) {
                cmd_ok->click();
                event->accept();
                return;
            }
            break;
        default:
            break;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace morvi
