// Ini reading and path joining.
#include "kvini.h"
#include "kvpath.h"
#include "kxtestfiles.h"

#include <gtest/gtest.h>

namespace {

TEST(KvIniTest, ReadStringFollowsTheProfileRules) {
    kxtest::TempDir dir;
    const std::string file = dir.Write("10.1.1.1.cfg",
                                       "; platform file\r\n"
                                       "[Other]\r\n"
                                       "AgentPort=999\r\n"
                                       "[Program Information]\r\n"
                                       "AgentPort =   161   \r\n"
                                       "Version=\r\n"
                                       "SecurityName=\t operator \t\r\n"
                                       "ContextName=\"quoted\"\r\n"
                                       "AuthPassword=pass word with blanks\r\n"
                                       "agentport=1\r\n"
                                       "[program information]\r\n"
                                       "Late=yes\n");
    const KvIni ini(file);
    struct Case {
        const char* section;
        const char* key;
        const char* def;
        const char* expected;
    } cases[] = {
        {"Program Information", "AgentPort", "", "161"},       // blanks around the value go
        {"Program Information", "agentport", "", "161"},       // names without case, first key wins
        {"PROGRAM INFORMATION", "SecurityName", "", "operator"},
        {"Program Information", "Version", "dflt", "dflt"},    // empty value gives the default
        {"Program Information", "Missing", " d ", " d "},      // default unchanged, not trimmed
        {"Nowhere", "AgentPort", "x", "x"},
        {"Other", "AgentPort", "", "999"},
        {"Program Information", "ContextName", "", "quoted"},
        {"Program Information", "AuthPassword", "", "pass word with blanks"},
    };
    for (const auto& c : cases) EXPECT_EQ(ini.ReadString(c.section, c.key, c.def), c.expected) << c.key;

    const KvIni missing(dir.File("none.cfg"));
    EXPECT_EQ(missing.ReadString("Program Information", "AgentPort", "161"), "161");
}

TEST(KvIniTest, LongValuesAreCutAt4095Characters) {
    kxtest::TempDir dir;
    const std::string file = dir.Write("long.ini", "[S]\nk=" + std::string(5000, 'v') + "\n");
    EXPECT_EQ(KvIni(file).ReadString("S", "k", "").size(), 4095u);
}

TEST(KvIniTest, ReadsAgainOnEveryCall) {
    kxtest::TempDir dir;
    const std::string file = dir.Write("a.ini", "[S]\nk=1\n");
    const KvIni ini(file);
    EXPECT_EQ(ini.ReadString("S", "k", ""), "1");
    dir.Write("a.ini", "[S]\nk=2\n");
    EXPECT_EQ(ini.ReadString("S", "k", ""), "2");
}

TEST(PathTest, JoinPathAcceptsEitherTrailingSeparator) {
    struct Case {
        const char* dir;
        const char* name;
        const char* expected;
    } cases[] = {
        {"", "KvSNMP_PP_BootCounter", "KvSNMP_PP_BootCounter"},
        {"D:\\work", "KvSNMP_PP_BootCounter", "D:\\work/KvSNMP_PP_BootCounter"},
        {"D:\\work\\", "KvSNMP_PP_BootCounter", "D:\\work\\KvSNMP_PP_BootCounter"},
        {"/var/kx/", "a.cfg", "/var/kx/a.cfg"},
        {"/var/kx", "a.cfg", "/var/kx/a.cfg"},
    };
    for (const auto& c : cases) EXPECT_EQ(JoinPath(c.dir, c.name), c.expected) << c.dir;
    EXPECT_EQ(NativePath("D:\\work\\errmsg\\common.err"), "D:/work/errmsg/common.err");
    EXPECT_EQ(NativePath(JoinPath("D:\\work", "x")), NativePath(JoinPath("D:\\work\\", "x")));
    EXPECT_EQ(BaseName("C:\\Program Files\\kx7026g.exe"), "kx7026g.exe");
    EXPECT_EQ(BaseName("/usr/bin/kx7026g"), "kx7026g");
}

} // namespace
