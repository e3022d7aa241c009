#include "kvstartup.h"

#include "kvini.h"
#include "kvmessages.h"
#include "kvpath.h"
#include "kvsnmpsession.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>

bool ConfigFileFound = false;

namespace {
const char* const kProgramSection = "Program Information";
}

int32_t KvStrToInt(const std::string& text) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (i == text.size()) throw KvConvertError(text);
    for (size_t k = i; k < text.size(); ++k)
        if (text[k] < '0' || text[k] > '9') throw KvConvertError(text);
    errno = 0;
    long long v = std::strtoll(text.c_str(), nullptr, 10);
    if (errno == ERANGE || v < INT32_MIN || v > INT32_MAX) throw KvConvertError(text);
    return static_cast<int32_t>(v);
}

KvScreenScale ScreenScaleForDpi(int logicalDpi) {
    KvScreenScale s;
    if (logicalDpi != 96) {
        s.ScaleFactor = 1.25f;
        s.LargeFonts = true;
    }
    return s;
}

void KvStartup::ReadModuleDirectory() {
    std::string path = registry_.ReadString(kRegHelpPathKey, kRegHelpPathValue);
    ModuleDirectory = path.size() >= 12 ? path.substr(0, path.size() - 12) : std::string();
}

void KvStartup::LoadCatalogues() const {
    for (KvCatalogue c : {KvCatalogue::Common, KvCatalogue::SnmpError, KvCatalogue::SnmpV3,
                          KvCatalogue::SnmpUsm, KvCatalogue::SnmpClass, KvCatalogue::DeRIRA,
                          KvCatalogue::RequestLog})
        LoadCatalogue(c, NativePath(JoinPath(ModuleDirectory, CatalogueFileName(c))));
}

void KvStartup::ReadMibFileDirectory() {
    MibFileDirectory.clear();
    if (registry_.KeyExists(kRegExePathKey))
        MibFileDirectory = JoinPath(registry_.ReadString(kRegExePathKey, "Path"), "..\\Conf\\MBF\\");
    if (registry_.KeyExists(kRegMibFileKey)) MibFileDirectory = registry_.ReadString(kRegMibFileKey, "Path");
}

std::string KvStartup::DeviceFileName() const {
    return NativePath(JoinPath(MibFileDirectory, DeviceAddress + ".cfg"));
}

bool KvStartup::V3InForce() const { return ConfigVersionText == "3" || KvSNMPSecurity.Version == 3; }

void KvStartup::ApplyDeviceFile() {
    const std::string file = DeviceFileName();
    std::error_code ec;
    ConfigFileFound = std::filesystem::is_regular_file(file, ec);
    if (!ConfigFileFound) return;

    const KvIni ini(file);
    auto read = [&](const char* key) { return ini.ReadString(kProgramSection, key, ""); };

    KvSNMPDevice.Port = static_cast<uint16_t>(KvStrToInt(read("AgentPort")));
    KvSNMPSecurity.Version = static_cast<uint8_t>(KvStrToInt(read("Version")));
    ConfigVersionText = std::to_string(KvSNMPSecurity.Version);
    if (std::string v = read("ContextName"); !v.empty()) KvSNMPScope.ContextName = v;
    KvSNMPScope.ContextEngineID = read("ContextEngineID");
    KvSNMPSecurity.SecurityModel = KvStrToInt(read("SecurityModel"));
    if (std::string v = read("SecurityLevel"); v != "0") KvSNMPSecurity.SecurityLevel = KvStrToInt(v) + 1;
    KvSNMPSecurity.SecurityName = read("SecurityName");
    if (std::string v = read("AuthProtocol"); v != "0") KvSNMPSecurity.AuthProtocol = KvStrToInt(v) + 1;
    if (std::string v = read("PrivProtocol"); v != "0") KvSNMPSecurity.PrivProtocol = KvStrToInt(v) + 1;
    if (std::string v = read("AuthPassword"); !v.empty()) KvSNMPSecurity.AuthPassword = v;
    if (std::string v = read("PrivPassword"); !v.empty()) KvSNMPSecurity.PrivPassword = v;
}

void KvStartup::ApplyParameters(const std::vector<std::string>& parameters) {
    // Switch found anywhere in the parameter (first occurrence); its value
    // is the rest of the parameter.
    auto value = [](const std::string& p, const char* sw, std::string& out) {
        size_t at = p.find(sw);
        if (at == std::string::npos) return false;
        out = p.substr(at + 2);
        return true;
    };
    for (const std::string& p : parameters) {
        std::string v;
        if (value(p, "/I", v)) {
            DeviceAddress = v;
            KvSNMPDevice.Address = v;
            continue;
        }
        ApplyDeviceFile();
        if (value(p, "/R", v)) {
            KvSNMPSecurity.ReadCommunity = v;
            ReadCommunityText = v;
            continue;
        }
        if (value(p, "/W", v)) {
            KvSNMPSecurity.WriteCommunity = v;
            WriteCommunityText = v;
            continue;
        }
        if (value(p, "/v", v)) {
            KvSNMPSecurity.Version = static_cast<uint8_t>(KvStrToInt(v));
            continue;
        }
        if (!V3InForce()) continue;
        if (value(p, "/t", v)) KvSNMPDevice.Port = static_cast<uint16_t>(KvStrToInt(v));
        else if (value(p, "/c", v)) KvSNMPScope.ContextName = v;
        else if (value(p, "/d", v)) KvSNMPScope.ContextEngineID = v;
        else if (value(p, "/m", v)) KvSNMPSecurity.SecurityModel = KvStrToInt(v);
        else if (value(p, "/l", v)) KvSNMPSecurity.SecurityLevel = KvStrToInt(v);
        else if (value(p, "/n", v)) KvSNMPSecurity.SecurityName = v;
        else if (value(p, "/A", v)) KvSNMPSecurity.AuthPassword = v;
        else if (value(p, "/P", v)) KvSNMPSecurity.PrivPassword = v;
        else if (value(p, "/a", v)) KvSNMPSecurity.AuthProtocol = KvStrToInt(v);
        else if (value(p, "/p", v)) KvSNMPSecurity.PrivProtocol = KvStrToInt(v);
    }
}

bool KvStartup::Run(const std::vector<std::string>& parameters) {
    InitGlobalSession("");
    KvSNMPSecurity.Version = 0;
    ReadModuleDirectory();
    LoadCatalogues();
    ReadMibFileDirectory();
    if (parameters.empty()) return false;
    ApplyParameters(parameters);
    return true;
}

// ---------------------------------------------------------------------------

std::string ToolKind(const std::string& argument) {
    if (argument.size() <= 2) return {};
    size_t underscore = argument.find('_');
    if (underscore == std::string::npos || underscore < 2) return argument.substr(2);
    return argument.substr(2, underscore - 2);
}

std::string KvToolCommand::CommandLine() const {
    std::string line = Program;
    for (const auto& a : Arguments) line += " " + a;
    return line;
}

KvToolCommand BuildToolCommand(const std::string& argument, const KvRegistry& registry,
                               const KvStartup& startup) {
    KvToolCommand cmd;
    const std::string kind = ToolKind(argument);
    cmd.Program = kind;
    if (!registry.KeyExists(kRegOrvex51AppKey) && !registry.KeyExists(kRegOrvex5AppKey)) {
        if (registry.KeyExists(kRegOpenViewKey)) {
            const std::string ovPath = registry.ReadString(kRegOpenViewKey, "OV_PATH");
            if (ovPath.empty()) {
                cmd.StatusText = "OpenView : File Path Error!";
            } else if (kind == "EthernetLike" || kind == "IFMib" || kind == "MIB" || kind == "Bridge" ||
                       kind == "VLAN" || kind == "Rmon") {
                cmd.Program = ovPath + "\\korvane_ems\\" + "KX7026G" + "\\" + kind + ".EXE";
            }
        } else {
            cmd.StatusText = "No Path!";
        }
    }
    cmd.Arguments = {"/I" + startup.DeviceAddress, "/R" + startup.ReadCommunityText,
                     "/W" + startup.WriteCommunityText, argument};
    if ((ConfigFileFound && startup.ConfigVersionText == "3") || KvSNMPSecurity.Version == 3) {
        const auto& s = KvSNMPSecurity;
        cmd.Arguments.insert(cmd.Arguments.end(), {
            "/t" + std::to_string(KvSNMPDevice.Port),
            "/v" + std::to_string(s.Version),
            "/d" + KvSNMPScope.ContextEngineID,
            "/m" + std::to_string(s.SecurityModel),
            "/n" + s.SecurityName,
            "/c" + KvSNMPScope.ContextName,
            "/l" + std::to_string(s.SecurityLevel),
            "/a" + std::to_string(static_cast<uint32_t>(s.AuthProtocol)),
            "/A" + s.AuthPassword,
            "/p" + std::to_string(static_cast<uint32_t>(s.PrivProtocol)),
            "/P" + s.PrivPassword,
        });
    }
    return cmd;
}
