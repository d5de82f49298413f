#pragma once

#include <QByteArray>
#include <QString>

namespace morvi {

// Writes a PDF document to path whole or not at all: into a file beside it that replaces it only
// when complete, so on any failure a file already there is untouched and nothing is left behind.
// Errors from the system's reason: 70, 76, 61, else 57.
void savePdfFile(const QString& path, const QByteArray& pdf);

}  // namespace morvi
