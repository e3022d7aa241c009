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

ModuleDir::ModuleDir() : oldCwd_(QDir::currentPath()) {
    QDir::setCurrent(QString::fromStdString(Path()));
    qputenv("KX_REGISTRY_INI", QByteArray::fromStdString(File("registry.ini")));
}

ModuleDir::~ModuleDir() {
    qunsetenv("KX_REGISTRY_INI");
    QDir::setCurrent(oldCwd_);
}

void ModuleDir::WriteDeviceFile(int agentPort) const {
    Write("127.0.0.1.cfg", "[Program Information]\nAgentPort=" + std::to_string(agentPort) +
                               "\nVersion=1\nSecurityModel=2\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n");
}

} // namespace kxtest
