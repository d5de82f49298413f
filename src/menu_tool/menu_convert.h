#pragma once

#include <QStringList>

namespace morvi::menu_tool {

struct ConvertResult {
    int status = 0;
    QStringList messages;
};

// Writes a code page 932, CR LF copy of the list in inPath (UTF-8 with or without BOM, UTF-16
// with BOM, or already code page 932) to outPath. Refuses, without touching outPath, a character
// code page 932 cannot hold and an outPath that is inPath under another name.
ConvertResult convertMenu(const QString& inPath, const QString& outPath);

}  // namespace morvi::menu_tool
