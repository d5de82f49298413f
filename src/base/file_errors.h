#pragma once

#include <QString>
#include <cstdint>

namespace morvi {

// The platform's run-time error numbers for file operations the system refused with errno.

// Opening a file to read it: 76 when a directory on the path is missing or not a directory, 53
// when only the file is missing, 75 for anything else.
int32_t openErrorNumber(const QString& path, int error);

}  // namespace morvi
