// Start-up: command line, per-device file, registry paths and tool command lines.
#include "kvsnmpsession.h"
#include "kvstartup.h"
#include "kxtestfiles.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace {

// A complete per-device file; "Version" 3 unless told otherwise.
std::string DeviceFile(const std::string& version = "3", const std::string& name = "operator",
                       const std::string& level = "2", const std::string& auth = "1",
                       const std::string& priv = "1") {
    return "[Program Information]\r\n"
           "AgentPort=1161\r\n"
           "Version=" + version + "\r\n"
           "ContextName=ctx\r\n"
           "ContextEngineID=\r\n"
           "SecurityModel=3\r\n"
           "SecurityLevel=" + level + "\r\n"
           "SecurityName=" + name + "\r\n"
           "AuthProtocol=" + auth + "\r\n"
           "PrivProtocol=" + priv + "\r\n"
           "AuthPassword=auth pass\r\n"
           "PrivPassword=priv pass\r\n";
}

class Startup : public ::testing::Test {
protected:
    void SetUp() override {
        SetSessionDefaults();
        KvSNMPSecurity.Version = 0;
        ConfigFileFound = false;
        startup.MibFileDirectory = dir.Path() + "/";
    }
    void TearDown() override { SetSessionDefaults(); }

    void Apply(std::vector<std::string> params) { startup.ApplyParameters(params); }

    kxtest::TempDir dir;
    KvStartup startup{KvRegistry()};
};

TEST_F(Startup, AddressAndCommunitiesWithoutADeviceFile) {
    Apply({"/I10.1.1.1", "/Rro", "/Wrw"});
    EXPECT_EQ(KvSNMPDevice.Address, "10.1.1.1");
    EXPECT_EQ(startup.DeviceAddress, "10.1.1.1");
    EXPECT_EQ(KvSNMPDevice.Port, 161);
    EXPECT_EQ(KvSNMPSecurity.Version, 0);
    EXPECT_EQ(KvSNMPSecurity.ReadCommunity, "ro");
    EXPECT_EQ(KvSNMPSecurity.WriteCommunity, "rw");
    EXPECT_EQ(startup.ReadCommunityText, "ro");
    EXPECT_EQ(startup.ConfigVersionText, "");
    EXPECT_FALSE(ConfigFileFound);
}

TEST_F(Startup, DefaultsWhenOnlyTheAddressIsGiven) {
    Apply({"/I10.1.1.1"});
    EXPECT_EQ(KvSNMPSecurity.ReadCommunity, "tamber");
    EXPECT_EQ(KvSNMPSecurity.WriteCommunity, "wolsent");
    EXPECT_EQ(KvSNMPSecurity.SecurityLevel, 1);
}

TEST_F(Startup, SwitchesAreFoundAnywhereAndTheFirstTestWins) {
    Apply({"/Rab/Icd", "x/Wrw", "junk", "/Rro/Wzz"});
    EXPECT_EQ(startup.DeviceAddress, "cd");
    EXPECT_EQ(KvSNMPSecurity.WriteCommunity, "rw");
    EXPECT_EQ(KvSNMPSecurity.ReadCommunity, "ro/Wzz") << "/R matched first; its value runs to the end";
}

TEST_F(Startup, DeviceFileIsLookedForWithTheAddressKnownSoFar) {
    dir.Write(".cfg", DeviceFile("1"));
    Apply({"/Rro", "/I10.1.1.1"});
    EXPECT_TRUE(ConfigFileFound) << "the /R parameter looked for \".cfg\"";
    EXPECT_EQ(KvSNMPDevice.Port, 1161);
    EXPECT_EQ(startup.ConfigVersionText, "1");
}

TEST_F(Startup, OrderDecidesWhetherFileOrCommandLineWins) {
    dir.Write("10.1.1.1.cfg", DeviceFile("3", "operator"));
    struct Case {
        std::vector<std::string> params;
        const char* securityName;
    } cases[] = {
        {{"/I10.1.1.1", "/v3", "/nadmin"}, "admin"},   // file applied, then /n
        {{"/I10.1.1.1", "/nadmin", "/v3"}, "operator"}, // file applied again for /v3
    };
    for (const auto& c : cases) {
        SetUp();
        Apply(c.params);
        EXPECT_EQ(KvSNMPSecurity.SecurityName, c.securityName);
    }
}

TEST_F(Startup, V3SwitchesNeedVersion3InForce) {
    struct Case {
        std::vector<std::string> params;
        uint16_t port;
    } cases[] = {
        {{"/I10.1.1.1", "/t1161", "/v3"}, 161},
        {{"/I10.1.1.1", "/v3", "/t1161"}, 1161},
        {{"/I10.1.1.1", "/v1", "/t1161"}, 161},
        {{"/I10.1.1.1", "/v3", "/t70000"}, static_cast<uint16_t>(70000 & 0xFFFF)},
    };
    for (const auto& c : cases) {
        SetUp();
        Apply(c.params);
        EXPECT_EQ(KvSNMPDevice.Port, c.port);
    }
}

TEST_F(Startup, EveryV3SwitchSetsItsField) {
    Apply({"/I10.1.1.1", "/v3", "/cctx", "/deng", "/m3", "/l3", "/nuser", "/Aauth pass", "/Ppriv pass", "/a3",
           "/p2", "/t16100", "/v259"});
    EXPECT_EQ(KvSNMPScope.ContextName, "ctx");
    EXPECT_EQ(KvSNMPScope.ContextEngineID, "eng");
    EXPECT_EQ(KvSNMPSecurity.SecurityModel, 3);
    EXPECT_EQ(KvSNMPSecurity.SecurityLevel, 3);
    EXPECT_EQ(KvSNMPSecurity.SecurityName, "user");
    EXPECT_EQ(KvSNMPSecurity.AuthPassword, "auth pass");
    EXPECT_EQ(KvSNMPSecurity.PrivPassword, "priv pass");
    EXPECT_EQ(KvSNMPSecurity.AuthProtocol, 3);
    EXPECT_EQ(KvSNMPSecurity.PrivProtocol, 2);
    EXPECT_EQ(KvSNMPDevice.Port, 16100);
    EXPECT_EQ(KvSNMPSecurity.Version, 3) << "the low 8 bits of 259";
}

TEST_F(Startup, CountedFromZeroKeysAddOneUnlessZero) {
    struct Case {
        const char* level;
        const char* auth;
        const char* priv;
        int wantLevel, wantAuth, wantPriv;
    } cases[] = {
        {"0", "0", "0", 1, 1, 1},
        {"2", "1", "0", 3, 2, 1},
        {"1", "2", "1", 2, 3, 2},
    };
    for (const auto& c : cases) {
        SetUp();
        dir.Write("10.1.1.1.cfg", DeviceFile("3", "op", c.level, c.auth, c.priv));
        Apply({"/I10.1.1.1", "/Rro"});
        EXPECT_EQ(KvSNMPSecurity.SecurityLevel, c.wantLevel);
        EXPECT_EQ(KvSNMPSecurity.AuthProtocol, c.wantAuth);
        EXPECT_EQ(KvSNMPSecurity.PrivProtocol, c.wantPriv);
        EXPECT_EQ(KvSNMPSecurity.AuthPassword, "auth pass");
        EXPECT_EQ(KvSNMPScope.ContextName, "ctx");
        EXPECT_EQ(startup.ConfigVersionText, "3");
    }
}

TEST_F(Startup, NonDecimalValuesAreConversionErrors) {
    struct Case {
        std::vector<std::string> params;
        std::string file;
    } cases[] = {
        {{"/I10.1.1.1", "/v2c"}, ""},
        {{"/I10.1.1.1", "/v"}, ""},
        {{"/I10.1.1.1", "/v3", "/t16x"}, ""},
        {{"/I10.1.1.1", "/Rro"}, "[Program Information]\r\nVersion=1\r\n"},  // AgentPort missing
        {{"/I10.1.1.1", "/Rro"}, DeviceFile("one")},
        {{"/I10.1.1.1", "/Rro"}, DeviceFile("3", "op", "", "0", "0")},       // SecurityLevel empty
    };
    for (const auto& c : cases) {
        SetUp();
        std::filesystem::remove(dir.File("10.1.1.1.cfg"));
        if (!c.file.empty()) dir.Write("10.1.1.1.cfg", c.file);
        EXPECT_THROW(Apply(c.params), KvConvertError);
    }
    try {
        KvStrToInt("2c");
    } catch (const KvConvertError& e) {
        EXPECT_STREQ(e.what(), "'2c' is not a valid integer value");
    }
}

TEST(StrToInt, AcceptsSignedDecimalsOnly) {
    EXPECT_EQ(KvStrToInt("161"), 161);
    EXPECT_EQ(KvStrToInt("-5"), -5);
    EXPECT_EQ(KvStrToInt("+7"), 7);
    for (const char* bad : {"", " 1", "1 ", "0x10", "1.5", "99999999999", "-", "１"})
        EXPECT_THROW(KvStrToInt(bad), KvConvertError) << bad;
}

TEST(ScreenScale, NinetySixIsTheOnlySmallFontDpi) {
    EXPECT_FLOAT_EQ(ScreenScaleForDpi(96).ScaleFactor, 1.0f);
    EXPECT_FALSE(ScreenScaleForDpi(96).LargeFonts);
    for (int dpi : {72, 120, 144, 192}) {
        EXPECT_FLOAT_EQ(ScreenScaleForDpi(dpi).ScaleFactor, 1.25f);
        EXPECT_TRUE(ScreenScaleForDpi(dpi).LargeFonts);
    }
}

TEST(RegistryDirectories, ModuleAndMibFileDirectories) {
    kxtest::TempDir dir;
    const std::string file = dir.Write("registry.ini",
                                       "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Korvane\\Modules\\HelpPath]\n"
                                       "1.3.6.1.4.1.99402.10.59.7=C:\\Orvex\\Modules\\KX7026G\\kx7026gx.hlp\n"
                                       "[\\SOFTWARE\\Korvane\\Orvex5.1\\ExePath]\n"
                                       "Path=C:\\Orvex\\Bin\\\n");
    KvStartup s(KvRegistry::Load(file));
    s.ReadModuleDirectory();
    EXPECT_EQ(s.ModuleDirectory, "C:\\Orvex\\Modules\\KX7026G\\");
    s.ReadMibFileDirectory();
    EXPECT_EQ(s.MibFileDirectory, "C:\\Orvex\\Bin\\..\\Conf\\MBF\\");

    dir.Write("registry.ini",
              "[SOFTWARE/Korvane/Orvex5.1/ExePath]\nPath=C:\\Orvex\\Bin\\\n"
              "[software\\korvane\\orvex5.1\\mibfile]\npath=/srv/mbf/\n"
              "[SOFTWARE\\Korvane\\Modules\\HelpPath]\n1.3.6.1.4.1.99402.10.59.7=short\n");
    KvStartup t(KvRegistry::Load(file));
    t.ReadModuleDirectory();
    EXPECT_EQ(t.ModuleDirectory, "") << "a value shorter than 12 characters";
    t.ReadMibFileDirectory();
    EXPECT_EQ(t.MibFileDirectory, "/srv/mbf/");
    t.DeviceAddress = "10.9.9.9";
    EXPECT_EQ(t.DeviceFileName(), "/srv/mbf/10.9.9.9.cfg");

    KvStartup none{KvRegistry::Load(dir.File("missing.ini"))};
    none.ReadModuleDirectory();
    none.ReadMibFileDirectory();
    none.DeviceAddress = "10.1.1.1";
    EXPECT_EQ(none.ModuleDirectory, "");
    EXPECT_EQ(none.DeviceFileName(), "10.1.1.1.cfg");
}

class ToolLaunch : public Startup {
protected:
    void SetUp() override {
        Startup::SetUp();
        Apply({"/I10.1.1.1", "/Rro", "/Wrw"});
    }
    KvToolCommand Build(const std::string& arg, const KvRegistry& reg) { return BuildToolCommand(arg, reg, startup); }
};

TEST_F(ToolLaunch, ProgramPathForEachPlatform) {
    KvRegistry orvex;
    orvex.AddKey(kRegOrvex5AppKey);
    KvRegistry openView;
    openView.Set(kRegOpenViewKey, "OV_PATH", "C:\\OV");
    KvRegistry openViewEmpty;
    openViewEmpty.AddKey(kRegOpenViewKey);
    struct Case {
        const char* name;
        const KvRegistry* reg;
        const char* argument;
        const char* program;
        const char* status;
    } cases[] = {
        {"Orvex", &orvex, "/TRmon_History", "Rmon", ""},
        {"OpenView, listed kind", &openView, "/TIFMib_LastChangeTable", "C:\\OV\\korvane_ems\\KX7026G\\IFMib.EXE", ""},
        {"OpenView, other kind", &openView, "/TLayer3_RIP", "Layer3", ""},
        {"OpenView without path", &openViewEmpty, "/TMIB_Info", "MIB", "OpenView : File Path Error!"},
        {"no platform", nullptr, "/TBridge_Forwarding", "Bridge", "No Path!"},
    };
    KvRegistry empty;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        KvToolCommand cmd = Build(c.argument, c.reg ? *c.reg : empty);
        EXPECT_EQ(cmd.Program, c.program);
        EXPECT_EQ(cmd.StatusText, c.status);
        EXPECT_EQ(cmd.CommandLine(), std::string(c.program) + " /I10.1.1.1 /Rro /Wrw " + c.argument);
    }
    EXPECT_EQ(ToolKind("/TEthernetLike_dot3StatsTable"), "EthernetLike");
}

TEST_F(ToolLaunch, SnmpV3SessionSwitchesFollowInOrder) {
    Apply({"/v3", "/t1161", "/deng", "/m3", "/nuser name", "/cctx", "/l3", "/a2", "/Amy pass;rm -rf", "/p2", "/Pp\"q"});
    KvRegistry orvex;
    orvex.AddKey(kRegOrvex51AppKey);
    KvToolCommand cmd = Build("/TLayer3_OSPF", orvex);
    const std::vector<std::string> expected = {"/I10.1.1.1", "/Rro",    "/Wrw", "/TLayer3_OSPF", "/t1161",
                                               "/v3",        "/deng",   "/m3",  "/nuser name",   "/cctx",
                                               "/l3",        "/a2",     "/Amy pass;rm -rf", "/p2", "/Pp\"q"};
    EXPECT_EQ(cmd.Arguments, expected) << "each value is one argument, unquoted and unchanged";
    EXPECT_EQ(cmd.Program, "Layer3");
}

TEST_F(ToolLaunch, DeviceFileVersion3AlsoAddsTheSwitches) {
    dir.Write("10.1.1.1.cfg", DeviceFile("3"));
    Apply({"/Rro"});
    KvSNMPSecurity.Version = 1;  // the file said 3 when it was read
    KvToolCommand cmd = Build("/TMIB_Info", KvRegistry());
    ASSERT_GE(cmd.Arguments.size(), 5u);
    EXPECT_EQ(cmd.Arguments[4], "/t1161");
}

} // namespace
