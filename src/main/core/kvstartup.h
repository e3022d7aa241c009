#pragma once
// Start-up of the module: the session records from the command line and the
// per-device file, the platform's directories from the registry, the
// message catalogues, the screen scale, and the command lines of the
// external MIB tools. No widgets here: the main window drives it.
#include "kvregistry.h"

#include <stdexcept>
#include <string>
#include <vector>

// A numeric switch or key whose text is not a decimal integer.
class KvConvertError : public std::runtime_error {
public:
    explicit KvConvertError(const std::string& text)
        : std::runtime_error("'" + text + "' is not a valid integer value") {}
};

// Decimal integer conversion: optional sign and digits, 32-bit range.
int32_t KvStrToInt(const std::string& text);

// Whether the per-device file existed at the most recent look.
extern bool ConfigFileFound;

struct KvScreenScale {
    float ScaleFactor = 1.0f;
    bool LargeFonts = false;
};
// 1.0 and small fonts at 96 pixels per inch; 1.25 and large fonts otherwise.
KvScreenScale ScreenScaleForDpi(int logicalDpi);

class KvStartup {
public:
    explicit KvStartup(KvRegistry registry) : registry_(std::move(registry)) {}

    // Members of the main window filled here.
    std::string DeviceAddress;
    std::string ReadCommunityText;
    std::string WriteCommunityText;
    std::string ConfigVersionText;

    // Directories derived from the registry (kept for inspection).
    std::string ModuleDirectory;
    std::string MibFileDirectory;

    // Module directory: the help-path value without its last 12 characters.
    void ReadModuleDirectory();
    // Loads the seven catalogues from the module directory, in order.
    void LoadCatalogues() const;
    // MIB-file directory: ExePath + "..\Conf\MBF\", replaced by MibFile when present.
    void ReadMibFileDirectory();

    // The per-device file for the current DeviceAddress.
    std::string DeviceFileName() const;

    // Applies the command-line parameters in order to the global session
    // records. Raises KvConvertError for a numeric value that is not decimal.
    void ApplyParameters(const std::vector<std::string>& parameters);

    // Whole start-up after the screen scale: session (raises KvException),
    // Version := 0, directories, catalogues and parameters. Returns false
    // when there were no parameters ("No parameter input").
    bool Run(const std::vector<std::string>& parameters);

    const KvRegistry& Registry() const { return registry_; }

private:
    void ApplyDeviceFile();
    bool V3InForce() const;

    KvRegistry registry_;
};

// The external MIB tool launch for one menu argument such as "/TLayer3_RIP".
struct KvToolCommand {
    std::string Program;                 // as found by the path rule ("\" separators kept)
    std::vector<std::string> Arguments;  // one element per switch, values as they are
    std::string StatusText;              // "No Path!" / "OpenView : File Path Error!" or empty

    // The command line as one text: program and arguments joined by blanks.
    std::string CommandLine() const;
};

// Kind: the argument's characters from the third up to the first "_".
std::string ToolKind(const std::string& argument);

KvToolCommand BuildToolCommand(const std::string& argument, const KvRegistry& registry,
                               const KvStartup& startup);
