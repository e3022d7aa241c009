#pragma once
// Read-only access to Windows-style ini files ([Section], key=value lines).
// Every read opens the file anew; nothing is cached and nothing is written.
#include <string>

class KvIni {
public:
    explicit KvIni(std::string fileName) : FileName(std::move(fileName)) {}

    // The key's value with blanks and control characters removed at both ends,
    // cut to 4,095 characters. A missing file, section or key, or an empty
    // value, gives the default unchanged.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;

    std::string FileName;
};

// Removes blanks and control characters (anything up to ' ') at both ends.
std::string TrimBlanks(const std::string& text);
