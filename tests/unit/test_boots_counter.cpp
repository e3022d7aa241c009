// The engine-boots counter file.
#include "kvsnmpengine.h"
#include "kxtestfiles.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

const std::string kId = "KvSNMP_PP_Application";

TEST(BootCounter, ReadResultsForEveryFileState) {
    kxtest::TempDir dir;
    uint32_t boots = 99;
    EXPECT_EQ(KvReadBootCounter(dir.File("none"), kId, boots), KvBootsRead::NoFile);
    EXPECT_EQ(boots, 0u);

    std::filesystem::create_directory(dir.File("a-directory"));
    EXPECT_EQ(KvReadBootCounter(dir.File("a-directory"), kId, boots), KvBootsRead::NoFile);

    const std::string other = dir.Write("other", "0102 7\n");
    EXPECT_EQ(KvReadBootCounter(other, kId, boots), KvBootsRead::NoEntry);

    for (const char* bad : {" x\n", " -3\n", " 99999999999\n", "\n"}) {
        SCOPED_TRACE(bad);
        ASSERT_TRUE(KvSaveBootCounter(dir.File("bad"), kId, 1));
        std::string text = "4B76534E4D505F50505F4170706C69636174696F6E" + std::string(bad);
        dir.Write("bad", text);
        EXPECT_EQ(KvReadBootCounter(dir.File("bad"), kId, boots), KvBootsRead::Failed);
    }
}

TEST(BootCounter, SaveKeepsOtherEnginesAndReplacesOurs) {
    kxtest::TempDir dir;
    const std::string file = dir.Write("counter", "0102 7\n");
    ASSERT_TRUE(KvSaveBootCounter(file, kId, 1));
    ASSERT_TRUE(KvSaveBootCounter(file, kId, 2));
    uint32_t boots = 0;
    EXPECT_EQ(KvReadBootCounter(file, kId, boots), KvBootsRead::Ok);
    EXPECT_EQ(boots, 2u);
    EXPECT_EQ(KvReadBootCounter(file, "\x01\x02", boots), KvBootsRead::Ok);
    EXPECT_EQ(boots, 7u);
}

TEST(BootCounter, SaveFailsWhenADirectoryStandsWhereTheFileShouldBe) {
    kxtest::TempDir dir;
    std::filesystem::create_directory(dir.File("KvSNMP_PP_BootCounter"));
    EXPECT_FALSE(KvSaveBootCounter(dir.File("KvSNMP_PP_BootCounter"), kId, 1));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("KvSNMP_PP_BootCounter")));
}

} // namespace
