#pragma once

#include <QByteArray>
#include <QString>

namespace morvi {

// Writes a PDF document to path whole or not at all: into a file beside it that replaces it only
// when complete, so on any failure a file already there is untouched and nothing is left behind.
// Errors by the errno of the failing step: 70, 76, 61, else 57 (saveErrorNumber).
void savePdfFile(const QString& path, const QByteArray& pdf);

}  // namespace morvi
