#include "kxtestfiles.h"

#include <QDir>
#include <QFileInfo>
#include <fstream>

namespace kxtest {

TempDir::TempDir() = default;

std::string TempDir::Path() const { return dir_.path().toStdString(); }

std::string TempDir::File(const std::string& name) const { return Path() + "/" + name; }

std::string TempDir::Write(const std::string& name, const std::string& bytes) const {
    const std::string path = File(name);
    QDir().mkpath(QFileInfo(QString::fromStdString(path)).absolutePath());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return path;
}

} // namespace kxtest
