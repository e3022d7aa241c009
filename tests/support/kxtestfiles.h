#pragma once
// Small file helpers for tests: a private temporary directory and files in it.
#include <QString>
#include <QTemporaryDir>
#include <string>

namespace kxtest {

class TempDir {
public:
    TempDir();
    std::string Path() const;
    std::string File(const std::string& name) const; // path of a file inside
    // Writes bytes exactly as given (no line-end translation); returns the path.
    std::string Write(const std::string& name, const std::string& bytes) const;

private:
    QTemporaryDir dir_;
};

// A temporary folder the module runs in: the current directory while this
// object lives, and the folder of its registry ini (KX_REGISTRY_INI).
// Both are put back when it goes.
class ModuleDir : public TempDir {
public:
    ModuleDir();
    ~ModuleDir();
    ModuleDir(const ModuleDir&) = delete;
    ModuleDir& operator=(const ModuleDir&) = delete;
    // The per-device file of 127.0.0.1: an SNMPv2c agent on that port.
    void WriteDeviceFile(int agentPort) const;

private:
    QString oldCwd_;
};

} // namespace kxtest
