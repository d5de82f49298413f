#include "print/pdf_file.h"

#include "base/file_errors.h"
#include "base/run_time_error.h"

#include <QSaveFile>
#include <cerrno>

namespace morvi {

void savePdfFile(const QString& path, const QByteArray& pdf) {
    // Checked step by step, while errno still says why the step failed.
    const auto check = [](bool done) {
        if (!done) throw RunTimeError(saveErrorNumber(errno));
    };
    QSaveFile file(path);
    check(file.open(QIODevice::WriteOnly));
    check(file.write(pdf) == pdf.size() && file.flush());
    check(file.commit());
}

}  // namespace morvi
