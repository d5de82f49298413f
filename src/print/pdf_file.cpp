#include "print/pdf_file.h"

#include "base/file_errors.h"
#include "base/run_time_error.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace morvi {

void savePdfFile(const QString& path, const QByteArray& pdf) {
    // Checked step by step, while errno still says why the step failed; a step that fails without
    // a system error (a folder named as the file) is 57.
    const auto check = [](const auto& step) {
        errno = 0;
        if (!step()) throw RunTimeError(saveErrorNumber(errno));
    };
    QSaveFile file(path);
    check([&] { return file.open(QIODevice::WriteOnly); });
    check([&] { return file.write(pdf) == pdf.size() && file.flush(); });
    check([&] { return file.commit(); });
}

QString withPdfSuffix(const QString& path) {
    if (path.isEmpty() || QFileInfo(path).suffix().compare(u"pdf", Qt::CaseInsensitive) == 0)
        return path;
    return path + QStringLiteral(".pdf");
}

}  // namespace morvi
