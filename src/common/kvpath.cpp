#include "kvpath.h"

#include <algorithm>

std::string JoinPath(const std::string& directory, const std::string& fileName) {
    if (directory.empty()) return fileName;
    const char last = directory.back();
    if (last == '\\' || last == '/') return directory + fileName;
    return directory + "/" + fileName;
}

std::string NativePath(const std::string& path) {
    std::string out = path;
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

std::string BaseName(const std::string& path) {
    size_t at = path.find_last_of("\\/");
    return at == std::string::npos ? path : path.substr(at + 1);
}
