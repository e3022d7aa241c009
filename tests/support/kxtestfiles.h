#pragma once
// Small file helpers for tests: a private temporary directory and files in it.
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

} // namespace kxtest
