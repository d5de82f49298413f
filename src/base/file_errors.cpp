#include "base/file_errors.h"

#include "base/run_time_error.h"

#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cerrno>

namespace morvi {

namespace {

struct SaveError {
    int error;
    int32_t number;
};

constexpr std::array kSaveErrors{
    SaveError{EACCES, err::kNoPermission},  SaveError{EPERM, err::kNoPermission},
    SaveError{EROFS, err::kNoPermission},   SaveError{ENOENT, err::kPathNotFound},
    SaveError{ENOTDIR, err::kPathNotFound}, SaveError{ENOSPC, err::kDiskFull},
    SaveError{EDQUOT, err::kDiskFull},
};

}  // namespace

int32_t openErrorNumber(const QString& path, int error) {
    if (error == ENOTDIR) return err::kPathNotFound;
    if (error != ENOENT) return err::kPathFileAccess;
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir()) return err::kPathNotFound;
    return err::kFileNotFound;
}

int32_t saveErrorNumber(int error) {
    const auto* found = std::find_if(kSaveErrors.begin(), kSaveErrors.end(),
                                     [error](const SaveError& s) { return s.error == error; });
    return found != kSaveErrors.end() ? found->number : err::kDeviceIo;
}

}  // namespace morvi
