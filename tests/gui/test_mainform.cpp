// The main window's start-up as the platform drives it: registry ini,
// catalogue files, per-device file, command line, and the tool launch.
#include "kvmessagebox.h"
#include "kvmessages.h"
#include "kvsnmpsession.h"
#include "kxtestfiles.h"
#include "tmainform.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QThread>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

class MainFormStartup : public ::testing::Test {
protected:
    void SetUp() override {
        KvMessageBox::SetScript([this](const KvMessageBox::Request& r) {
            boxes.push_back(r.Text.toStdString());
            return QMessageBox::Ok;
        });
    }
    void TearDown() override {
        KvMessageBox::SetScript(nullptr);
        ResetAllCatalogues();
        SetSessionDefaults();
    }

    kxtest::ModuleDir dir;
    std::vector<std::string> boxes;
};

TEST_F(MainFormStartup, ParametersRegistryAndCataloguesComeTogether) {
    const std::string moduleDir = dir.Path() + "/module/";
    dir.Write("registry.ini",
              "[SOFTWARE\\Korvane\\Modules\\HelpPath]\n"
              "1.3.6.1.4.1.99402.10.59.7=" + moduleDir + "kx7026g1.hlp\n"
              "[SOFTWARE\\Korvane\\Orvex5.1\\MibFile]\nPath=" + dir.Path() + "/mbf/\n");
    dir.Write("module/errmsg/kvsnmp.err", "(DeRIRA++) Fertig!\r\n");
    dir.Write("mbf/127.0.0.1.cfg",
              "[Program Information]\nAgentPort=16100\nVersion=1\nSecurityModel=2\nSecurityLevel=0\n"
              "AuthProtocol=0\nPrivProtocol=0\n");

    TMainForm form({"/I127.0.0.1", "/Rpublic", "/Wprivate"}, nullptr, false);
    EXPECT_TRUE(boxes.empty());
    EXPECT_FALSE(form.TerminateRequested());
    EXPECT_EQ(form.windowTitle(), "127.0.0.1");
    EXPECT_EQ(form.DeviceAddress, "127.0.0.1");
    EXPECT_EQ(KvSNMPDevice.Port, 16100);
    EXPECT_EQ(KvSNMPSecurity.Version, 1);
    EXPECT_EQ(KvSNMPSecurity.ReadCommunity, "public");
    EXPECT_EQ(form.ConfigVersionText, "1");
    EXPECT_EQ(CatalogueText(KvCatalogue::DeRIRA, 0), "(DeRIRA++) Fertig!");
    EXPECT_EQ(CatalogueText(KvCatalogue::Common, 0), "(KvCommon) Ok!") << "no file: built-in texts";
    EXPECT_TRUE(std::filesystem::exists(dir.File("KvSNMP_PP_BootCounter"))) << "boots counter in the current directory";
}

TEST_F(MainFormStartup, NoParametersAsksToEnd) {
    TMainForm form({}, nullptr, false);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "No parameter input");
    EXPECT_TRUE(form.TerminateRequested());
    EXPECT_EQ(KvSNMPDevice.Address, "127.0.0.1");
}

TEST_F(MainFormStartup, BadNumberEndsConstruction) {
    EXPECT_THROW(TMainForm form({"/I127.0.0.1", "/v2c"}, nullptr, false), KvConvertError);
}

TEST_F(MainFormStartup, ToolGetsEveryValueIntactWithoutAShell) {
    // An OpenView installation whose MIB tool records its arguments.
    const std::string ovPath = dir.Path() + "/ov";
    const std::string tool = ovPath + "/korvane_ems/KX7026G/MIB.EXE";
    const std::string record = dir.File("args.txt");
    dir.Write("ov/korvane_ems/KX7026G/MIB.EXE",
              "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" + record + ".part\"\n"
              "mv \"" + record + ".part\" \"" + record + "\"\n");
    std::filesystem::permissions(tool, std::filesystem::perms::owner_all);
    dir.Write("registry.ini", "[SOFTWARE\\Hewlett-Packard\\OpenView]\nOV_PATH=" + ovPath + "\n");

    TMainForm form({"/I127.0.0.1", "/Rpub lic", "/Wpri$(touch pwned)vate", "/v3", "/nop;erator",
                    "/AKxauth pass", "/l3", "/a2", "/p2", "/Pp'q\"r"}, nullptr, false);
    form.LaunchTool("/TMIB_Info");
    QElapsedTimer t;
    t.start();
    while (!std::filesystem::exists(record) && t.elapsed() < 10000) QThread::msleep(20);
    ASSERT_TRUE(std::filesystem::exists(record)) << "the tool did not run";
    std::ifstream in(record);
    std::vector<std::string> args;
    for (std::string line; std::getline(in, line);) args.push_back(line);
    const std::vector<std::string> expected = {
        "/I127.0.0.1", "/Rpub lic", "/Wpri$(touch pwned)vate", "/TMIB_Info", "/t161", "/v3", "/d", "/m1",
        "/nop;erator", "/c", "/l3", "/a2", "/AKxauth pass", "/p2", "/Pp'q\"r"};
    EXPECT_EQ(args, expected);
    EXPECT_FALSE(std::filesystem::exists(dir.File("pwned")));
    EXPECT_EQ(form.StatusPanel(0)->text(), "");

    dir.Write("registry.ini", "");
    TMainForm noPlatform({"/I127.0.0.1"}, nullptr, false);
    noPlatform.LaunchTool("/TRmon_History");
    EXPECT_EQ(noPlatform.StatusPanel(0)->text(), "No Path!");
}

} // namespace
