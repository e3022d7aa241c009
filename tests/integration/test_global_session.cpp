// The global session's boots counter across runs, and its failures.
#include "kvexception.h"
#include "kvsnmpsession.h"
#include "kxtestfiles.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

uint32_t StoredBoots(const std::string& dir) {
    uint32_t boots = 0;
    KvReadBootCounter(dir + "/KvSNMP_PP_BootCounter", kLocalEngineId, boots);
    return boots;
}

TEST(GlobalSession, EachRunAdvancesTheBootsCounterByOne) {
    kxtest::TempDir dir;
    InitGlobalSession(dir.Path());
    EXPECT_EQ(StoredBoots(dir.Path()), 1u);
    EXPECT_EQ(GlobalSession->LocalBoots(), 1u);
    InitGlobalSession(dir.Path() + "/");
    EXPECT_EQ(StoredBoots(dir.Path()), 2u);
    EXPECT_EQ(GlobalSession->LocalBoots(), 2u);
    ASSERT_NE(GlobalEventProcessor(), nullptr);
    // Defaults of the records after initialisation.
    EXPECT_EQ(KvSNMPDevice.Address, "127.0.0.1");
    EXPECT_EQ(KvSNMPDevice.Port, 161);
    EXPECT_EQ(KvSNMPSecurity.ReadCommunity, "tamber");
    EXPECT_EQ(KvSNMPSecurity.WriteCommunity, "wolsent");
    EXPECT_EQ(DefaultTimeout, 100);
}

TEST(GlobalSession, CounterFileProblemsRaiseTheirErrors) {
    struct Case {
        const char* name;
        int code;
        const char* text;
    } cases[] = {
        {"directory in the way", -508, "(DeRIRA++) Error when saving SNMP engine boots counter!"},
        {"unreadable value", -507, "(DeRIRA++) Error when loading SNMP engine boots counter!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        kxtest::TempDir dir;
        if (c.code == -508) std::filesystem::create_directory(dir.File("KvSNMP_PP_BootCounter"));
        else dir.Write("KvSNMP_PP_BootCounter", "4B76534E4D505F50505F4170706C69636174696F6E lots\n");
        try {
            InitGlobalSession(dir.Path());
            ADD_FAILURE() << "expected " << c.code;
        } catch (const KvException& e) {
            EXPECT_EQ(e.HelpContext(), c.code);
            EXPECT_EQ(e.Message(), c.text);
        }
    }
}

} // namespace
