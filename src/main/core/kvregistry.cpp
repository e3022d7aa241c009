#include "kvregistry.h"

#include "kvini.h"
#include "kvpath.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>

const char* const kRegHelpPathKey = "\\SOFTWARE\\Korvane\\Modules\\HelpPath";
const char* const kRegHelpPathValue = "1.3.6.1.4.1.99402.10.59.7";
const char* const kRegExePathKey = "\\SOFTWARE\\Korvane\\Orvex5.1\\ExePath";
const char* const kRegMibFileKey = "\\SOFTWARE\\Korvane\\Orvex5.1\\MibFile";
const char* const kRegOrvex51AppKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\orvex51.exe";
const char* const kRegOrvex5AppKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\orvex5.exe";
const char* const kRegOpenViewKey = "\\SOFTWARE\\Hewlett-Packard\\OpenView";

std::string KvRegistry::Lower(const std::string& text) {
    std::string out = text;
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

std::string KvRegistry::NormalizeKey(const std::string& key) {
    std::string k = Lower(TrimBlanks(key));
    std::replace(k.begin(), k.end(), '/', '\\');
    while (!k.empty() && k.front() == '\\') k.erase(0, 1);
    const std::string hklm = "hkey_local_machine\\";
    if (k.rfind(hklm, 0) == 0) k.erase(0, hklm.size());
    while (!k.empty() && k.back() == '\\') k.pop_back();
    return k;
}

std::string KvRegistry::DefaultFileName() {
    if (const char* env = std::getenv("KX_REGISTRY_INI"); env && *env) return env;
    std::string base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home) base = std::string(home) + "/.config";
    else return "registry.ini";
    return base + "/kx7026g/registry.ini";
}

KvRegistry KvRegistry::Load(const std::string& fileName) {
    KvRegistry reg;
    std::ifstream in(NativePath(fileName), std::ios::binary);
    if (!in) return reg;
    std::string line, section;
    bool inSection = false;
    while (std::getline(in, line)) {
        std::string t = TrimBlanks(line);
        if (t.empty() || t[0] == ';' || t[0] == '#') continue;
        if (t[0] == '[' && t.back() == ']') {
            section = NormalizeKey(t.substr(1, t.size() - 2));
            reg.keys_[section];
            inSection = true;
            continue;
        }
        if (!inSection) continue;
        size_t eq = t.find('=');
        if (eq == std::string::npos) continue;
        std::string name = Lower(TrimBlanks(t.substr(0, eq)));
        auto& values = reg.keys_[section];
        if (!values.count(name)) values[name] = TrimBlanks(t.substr(eq + 1));
    }
    return reg;
}

bool KvRegistry::KeyExists(const std::string& key) const { return keys_.count(NormalizeKey(key)) > 0; }

std::string KvRegistry::ReadString(const std::string& key, const std::string& valueName) const {
    auto k = keys_.find(NormalizeKey(key));
    if (k == keys_.end()) return {};
    auto v = k->second.find(Lower(TrimBlanks(valueName)));
    return v == k->second.end() ? std::string() : v->second;
}

void KvRegistry::Set(const std::string& key, const std::string& valueName, const std::string& value) {
    keys_[NormalizeKey(key)][Lower(TrimBlanks(valueName))] = value;
}

void KvRegistry::AddKey(const std::string& key) { keys_[NormalizeKey(key)]; }
