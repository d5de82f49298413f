#pragma once

#include <QString>
#include <cstdint>

namespace morvi {

// The platform's run-time error numbers for file operations the system refused with errno.

// Opening a file to read it: 76 when a directory on the path is missing or not a directory, 53
// when only the file is missing, 75 for anything else.
int32_t openErrorNumber(const QString& path, int error);

// Writing a file: 70 without permission or on a read-only file system, 76 when the folder is
// missing or not a folder, 61 when the disk or the quota is full, 57 for anything else.
int32_t saveErrorNumber(int error);

}  // namespace morvi
