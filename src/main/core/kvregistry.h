#pragma once
// The platform's registry entries, read from an ini file of ours.
//
// Location: the file named by the environment variable KX_REGISTRY_INI, or
// else "$XDG_CONFIG_HOME/kx7026g/registry.ini" (~/.config/kx7026g/registry.ini).
// Each registry key under HKEY_LOCAL_MACHINE is a section named by its path
// (a leading "\" and "HKEY_LOCAL_MACHINE\" are optional, "/" may stand for
// "\", names compare without case); each string value is a "name=value" line:
//
//   [SOFTWARE\Korvane\Modules\HelpPath]
//   1.3.6.1.4.1.99402.10.59.7=/opt/orvex/modules/kx7026g/kx7026g.hlpx
//   [SOFTWARE\Korvane\Orvex5.1\MibFile]
//   Path=/opt/orvex/conf/mbf/
//
// A key exists when its section is present (even empty). The module never
// writes this file.
#include <map>
#include <optional>
#include <string>

class KvRegistry {
public:
    KvRegistry() = default;
    // Reads the file; a missing or unreadable file is an empty registry.
    static KvRegistry Load(const std::string& fileName);
    // The file named by KX_REGISTRY_INI or the default location.
    static std::string DefaultFileName();

    bool KeyExists(const std::string& key) const;
    // Empty when the key or the value does not exist.
    std::string ReadString(const std::string& key, const std::string& valueName) const;

    void Set(const std::string& key, const std::string& valueName, const std::string& value);
    void AddKey(const std::string& key);

private:
    static std::string NormalizeKey(const std::string& key);
    static std::string Lower(const std::string& text);
    std::map<std::string, std::map<std::string, std::string>> keys_;
};

// Registry keys and value names the module reads.
extern const char* const kRegHelpPathKey;      // "\SOFTWARE\Korvane\Modules\HelpPath"
extern const char* const kRegHelpPathValue;    // "1.3.6.1.4.1.99402.10.59.7"
extern const char* const kRegExePathKey;       // "\SOFTWARE\Korvane\Orvex5.1\ExePath"
extern const char* const kRegMibFileKey;       // "\SOFTWARE\Korvane\Orvex5.1\MibFile"
extern const char* const kRegOrvex51AppKey;    // App Paths of orvex51.exe
extern const char* const kRegOrvex5AppKey;     // App Paths of orvex5.exe
extern const char* const kRegOpenViewKey;      // "\SOFTWARE\Hewlett-Packard\OpenView"
