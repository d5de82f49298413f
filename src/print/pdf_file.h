#pragma once

#include <QByteArray>
#include <QString>

namespace morvi {

// Writes a PDF document to path whole or not at all: into a file beside it that replaces it only
// when complete, so on any failure a file already there is untouched and nothing is left behind.
// Errors by the errno of the failing step: 70, 76, 61, else 57 (saveErrorNumber).
void savePdfFile(const QString& path, const QByteArray& pdf);
// The path a typed name saves to: one that does not end in ".pdf" (in any case) gets it, even
// after a dot of its own (朝食12.8 → 朝食12.8.pdf); empty stays empty, for a cancelled dialog.
QString withPdfSuffix(const QString& path);

}  // namespace morvi
