#include "qt/program_icon.h"

namespace morvi {

QPixmap programPixmap() { return QPixmap(QStringLiteral(":/icons/morvi.png")); }

QIcon programIcon() { return QIcon(programPixmap()); }

}  // namespace morvi
