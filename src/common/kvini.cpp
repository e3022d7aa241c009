#include "kvini.h"

#include "kvpath.h"

#include <algorithm>
#include <cctype>
#include <fstream>

namespace {

constexpr size_t kMaxValueChars = 4095;

bool EqualNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

} // namespace

std::string TrimBlanks(const std::string& text) {
    size_t first = 0, last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
    return text.substr(first, last - first);
}

// Lookup follows the Windows profile-string service: section and key names
// compare without case, the first matching key of the first matching section
// wins, lines starting with ';' are comments, and a value enclosed in one pair
// of matching quotes loses them.
std::string KvIni::ReadString(const std::string& section, const std::string& key,
                              const std::string& defaultValue) const {
    std::ifstream in(NativePath(FileName), std::ios::binary);
    if (!in) return defaultValue;

    const std::string wantSection = TrimBlanks(section);
    const std::string wantKey = TrimBlanks(key);
    bool inSection = false;
    bool sectionSeen = false;
    std::string line;
    while (std::getline(in, line)) {
        std::string t = TrimBlanks(line);
        if (t.empty() || t[0] == ';') continue;
        if (t[0] == '[') {
            if (sectionSeen && inSection) break; // the section is over
            size_t close = t.find(']');
            std::string name = TrimBlanks(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            inSection = EqualNoCase(name, wantSection);
            sectionSeen = sectionSeen || inSection;
            continue;
        }
        if (!inSection) continue;
        size_t eq = t.find('=');
        if (eq == std::string::npos) continue;
        if (!EqualNoCase(TrimBlanks(t.substr(0, eq)), wantKey)) continue;
        std::string value = TrimBlanks(t.substr(eq + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        if (value.size() > kMaxValueChars) value.resize(kMaxValueChars);
        value = TrimBlanks(value);
        return value.empty() ? defaultValue : value;
    }
    return defaultValue;
}
