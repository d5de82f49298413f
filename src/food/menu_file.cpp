#include "food/menu_file.h"

#include "base/cp932.h"
#include "base/file_errors.h"
#include "base/run_time_error.h"
#include "food/food_line.h"
#include "food/line_reader.h"

#include <QDir>
#include <QFile>
#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace morvi {

QString menuPath(const QString& appDir) {
    return appDir + QDir::separator() + QStringLiteral("menu.txt");
}

// Opened without blocking and kept only when it is a regular file, so a FIFO, a device or a
// directory in place of the list is refused instead of hanging the start-up.
void openMenuFile(QFile& file) {
    const QByteArray path = QFile::encodeName(file.fileName());
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) throw RunTimeError(openErrorNumber(file.fileName(), errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw RunTimeError(err::kPathFileAccess);
    }
}

void forEachMenuLine(const QString& path, const std::function<bool(const QByteArray&)>& visit) {
    QFile file(path);
    openMenuFile(file);
    LineReader reader(file);
    QByteArray line;
    while (reader.next(line) && visit(line)) {
    }
}

int32_t countMenuLines(const QString& path) {
    int32_t count = 0;
    forEachMenuLine(path, [&count](const QByteArray&) {
        if (count == std::numeric_limits<int32_t>::max()) throw RunTimeError(err::kOverflow);
        ++count;
        return true;
    });
    return count;
}

void parseMenuLines(const QString& path, FoodTable& table) {
    const int32_t n = table.m_MenuCount;
    int32_t i = 0;
    if (n > 0)
        forEachMenuLine(path, [&](const QByteArray& bytes) {
            FoodLine food = parseFoodLine(cp932().decode(bytes));
            if (++i <= kMaxFoods) {
                table.m_Hinmei[i] = std::move(food.name);
                table.m_Yomi[i] = std::move(food.key);
                table.m_UnitGram[i] = food.unitGram;
            }
            return i < n;
        });
    if (i < n) throw RunTimeError(err::kInputPastEnd);
}

}  // namespace morvi
