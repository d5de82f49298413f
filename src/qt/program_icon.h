#pragma once

#include <QIcon>
#include <QPixmap>

namespace morvi {

// The program's 32 x 32 picture: the title-bar icon of its windows and the version dialog's image.
QPixmap programPixmap();
QIcon programIcon();

}  // namespace morvi
