#include "menu_files.h"

#include <QFile>
#include <QTemporaryDir>
#include <map>
#include <memory>
#include <stdexcept>
#include <utility>

namespace morvi::bench {

namespace {

QString writtenMenuDir(const QByteArray& menu) {
    static std::vector<std::unique_ptr<QTemporaryDir>> dirs;
    auto dir = std::make_unique<QTemporaryDir>();
    QFile file(dir->filePath(QStringLiteral("menu.txt")));
    if (!dir->isValid() || !file.open(QIODevice::WriteOnly) || file.write(menu) != menu.size())
        throw std::runtime_error("cannot write a menu.txt for the benchmarks");
    dirs.push_back(std::move(dir));
    return dirs.back()->path();
}

}  // namespace

QString generatedMenuDir(int lines, KeyOrder order) {
    static std::map<std::pair<int, KeyOrder>, QString> written;
    const auto key = std::make_pair(lines, order);
    auto found = written.find(key);
    if (found == written.end())
        found = written.emplace(key, writtenMenuDir(generateMenu(lines, order))).first;
    return found->second;
}

QString sampleMenuDir() { return QStringLiteral(MORVI_DATA_DIR); }

}  // namespace morvi::bench
