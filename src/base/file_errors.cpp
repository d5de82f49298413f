#include "base/file_errors.h"

#include "base/run_time_error.h"

#include <QFileInfo>
#include <cerrno>

namespace morvi {

int32_t openErrorNumber(const QString& path, int error) {
    if (error == ENOTDIR) return err::kPathNotFound;
    if (error != ENOENT) return err::kPathFileAccess;
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir()) return err::kPathNotFound;
    return err::kFileNotFound;
}

}  // namespace morvi
