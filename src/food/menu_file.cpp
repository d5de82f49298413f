#include "food/menu_file.h"

#include "base/cp932.h"
#include "base/run_time_error.h"
#include "food/food_line.h"
#include "food/line_reader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <limits>

namespace morvi {

namespace {

// The platform's file error for a path that cannot be opened for input.
int32_t openErrorNumber(const QString& path) {
    const QFileInfo file(path);
    if (file.exists()) return err::kPathFileAccess;
    if (!QFileInfo(file.absolutePath()).isDir()) return err::kPathNotFound;
    return err::kFileNotFound;
}

}  // namespace

QString menuPath(const QString& appDir) {
    return appDir + QDir::separator() + QStringLiteral("menu.txt");
}

void openMenuFile(QFile& file) {
    if (QFileInfo(file.fileName()).isDir() || !file.open(QIODevice::ReadOnly))
        throw RunTimeError(openErrorNumber(file.fileName()));
}

int32_t countMenuLines(const QString& path) {
    QFile file(path);
    openMenuFile(file);
    LineReader reader(file);
    QByteArray line;
    int32_t count = 0;
    while (reader.next(line)) {
        if (count == std::numeric_limits<int32_t>::max()) throw RunTimeError(err::kOverflow);
        ++count;
    }
    return count;
}

void parseMenuLines(const QString& path, FoodTable& table) {
    QFile file(path);
    openMenuFile(file);
    LineReader reader(file);
    const TextCodec& codec = cp932();
    QByteArray bytes;
    const int32_t n = table.m_MenuCount;
    for (int32_t i = 1; i <= n; ++i) {
        if (!reader.next(bytes)) throw RunTimeError(err::kInputPastEnd);
        FoodLine food = parseFoodLine(codec.decode(bytes));
        if (i > kMaxFoods) continue;
        table.m_Hinmei[i] = std::move(food.name);
        table.m_Yomi[i] = std::move(food.key);
        table.m_UnitGram[i] = food.unitGram;
    }
}

}  // namespace morvi
