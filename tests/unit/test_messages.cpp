// Message catalogues: built-in texts, loading from files, lookup and placeholders.
#include "kvexception.h"
#include "kvmessages.h"
#include "kvsnmpstatus.h"
#include "kxtestfiles.h"

#include <gtest/gtest.h>

namespace {

class Catalogues : public ::testing::Test {
protected:
    void TearDown() override { ResetAllCatalogues(); }
    kxtest::TempDir dir;
};

TEST_F(Catalogues, BuiltInTablesHaveTheirSizesAndKeyTexts) {
    struct Case {
        KvCatalogue c;
        int size;
        int entry;
        const char* text;
    } cases[] = {
        {KvCatalogue::Common, 19, 8, "(KvCommon) Please enter a number between [MIN] and [MAX]!"},
        {KvCatalogue::Common, 19, 10,
         "(KvCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
         "Here,the count of the number is equal to [COUNT]!"},
        {KvCatalogue::SnmpError, 18, 1, "(SNMP) Variable does not exist!"},
        {KvCatalogue::SnmpV3, 17, 16, "(SNMPv3) Report sent!"},
        {KvCatalogue::SnmpUsm, 14, 13, "(SNMPv3USM) Address error!"},
        {KvCatalogue::SnmpClass, 23, 8, "(SNMPClass)Unknown error code!"},
        {KvCatalogue::SnmpClass, 23, 19, "(SNMP Class) Transport is not supported!"},
        {KvCatalogue::DeRIRA, 29, 9, "(DeRIRA++) Invalid IP Address or DNS name!"},
        {KvCatalogue::DeRIRA, 29, 28, "(DeRIRA++) Unknown error code!"},
        {KvCatalogue::RequestLog, 2, 1, "Set: [ERROR] Request:[VARLIST]. Receive at [TIME]."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CatalogueSize(c.c), c.size);
        EXPECT_EQ(CatalogueText(c.c, c.entry), c.text);
    }
}

TEST_F(Catalogues, FileReplacesTextsCountingOnlyNonBlankLines) {
    // Blank and blanks-only lines do not count; leading blanks are kept; CR LF
    // and LF both end a line; a last line without line end is kept whole.
    const std::string file = dir.Write("common.err",
                                       "zero\r\n"
                                       "one\n"
                                       "\n"
                                       "   \t \r\n"
                                       "  two keeps its blanks  \r\n"
                                       "three has no line end");
    LoadCatalogue(KvCatalogue::Common, file);
    EXPECT_EQ(CatalogueSize(KvCatalogue::Common), 4);
    EXPECT_EQ(CatalogueText(KvCatalogue::Common, 0), "zero");
    EXPECT_EQ(CatalogueText(KvCatalogue::Common, 1), "one");
    EXPECT_EQ(CatalogueText(KvCatalogue::Common, 2), "  two keeps its blanks  ");
    EXPECT_EQ(CatalogueText(KvCatalogue::Common, 3), "three has no line end");
    // Entries beyond a short file fall back to their built-in texts.
    EXPECT_EQ(CatalogueText(KvCatalogue::Common, 8), "(KvCommon) Please enter a number between [MIN] and [MAX]!");
    EXPECT_EQ(CatalogueText(KvCatalogue::Common, 19), "");
    EXPECT_EQ(CatalogueText(KvCatalogue::Common, -1), "");
    // Other catalogues are untouched.
    EXPECT_EQ(CatalogueText(KvCatalogue::SnmpError, 0), "(SNMP) Response PDU Too Big!");
}

TEST_F(Catalogues, NineteenLinesWithABlankLineKeepTheirNumbering) {
    std::string text;
    for (int i = 0; i < 19; ++i) {
        text += "entry " + std::to_string(i) + "\r\n";
        if (i == 5) text += "\r\n";
    }
    LoadCatalogue(KvCatalogue::Common, dir.Write("c.err", text));
    for (int i = 0; i < 19; ++i) EXPECT_EQ(CatalogueText(KvCatalogue::Common, i), "entry " + std::to_string(i));
}

TEST_F(Catalogues, MissingOrBlankFilesLeaveTheCatalogueAsItWas) {
    LoadCatalogue(KvCatalogue::DeRIRA, dir.File("does-not-exist.err"));
    EXPECT_EQ(CatalogueText(KvCatalogue::DeRIRA, 0), "(DeRIRA++) Ok!");
    LoadCatalogue(KvCatalogue::DeRIRA, dir.Write("blank.err", "\r\n  \n\t\n"));
    EXPECT_EQ(CatalogueSize(KvCatalogue::DeRIRA), 29);
    LoadCatalogue(KvCatalogue::DeRIRA, dir.Write("one.err", "Fertig!\n"));
    LoadCatalogue(KvCatalogue::DeRIRA, dir.File("gone.err"));
    EXPECT_EQ(CatalogueText(KvCatalogue::DeRIRA, 0), "Fertig!") << "a failed load keeps the loaded texts";
}

TEST_F(Catalogues, LongLinesStayOneEntry) {
    const std::string longLine(3000, 'x');
    LoadCatalogue(KvCatalogue::RequestLog, dir.Write("snmp.msg", longLine + "\nsecond\n"));
    EXPECT_EQ(CatalogueText(KvCatalogue::RequestLog, 0), longLine);
    EXPECT_EQ(CatalogueText(KvCatalogue::RequestLog, 1), "second");
}

TEST(ReplaceAllTest, ReplacesEveryOccurrenceAndNeverRescansTheValue) {
    struct Case {
        const char* text;
        const char* placeholder;
        const char* value;
        const char* expected;
    } cases[] = {
        {"between [MIN] and [MAX]!", "[MIN]", "1", "between 1 and [MAX]!"},
        {"[X][X]x[X]", "[X]", "ab", "ababxab"},
        {"[MIN]", "[MIN]", "[MIN][MIN]", "[MIN][MIN]"},
        {"no placeholder", "[MIN]", "1", "no placeholder"},
        {"[min] is case-sensitive", "[MIN]", "1", "[min] is case-sensitive"},
        {"", "[MIN]", "1", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ReplaceAll(c.text, c.placeholder, c.value), c.expected) << c.text;

    std::string range = ReplaceAll(ReplaceAll(KvCommonText(-8), "[MIN]", "1"), "[MAX]", "255");
    EXPECT_EQ(range, "(KvCommon) Please enter a number between 1 and 255!");
}

TEST(Errors, RaisedErrorsCarryTextAndCode) {
    try {
        RaiseDeRIRA(-508);
        FAIL();
    } catch (const KvException& e) {
        EXPECT_EQ(e.HelpContext(), -508);
        EXPECT_EQ(e.Message(), "(DeRIRA++) Error when saving SNMP engine boots counter!");
    }
    try {
        RaiseKvCommon(-2);
        FAIL();
    } catch (const KvException& e) {
        EXPECT_EQ(e.HelpContext(), -2);
        EXPECT_EQ(e.Message(), "(KvCommon) Bad format specifier of edit's constraint!");
    }
}

TEST(MapSnmpStatusTest, EveryRangeMapsToItsCodeAndText) {
    struct Case {
        int status;
        int code;
        const char* text;
    } cases[] = {
        {0, 0, "(DeRIRA++) Ok!"},
        {1400, 0, "(DeRIRA++) Ok!"},
        {-1401, 0, "(DeRIRA++) Ok!"},
        {1, -101, "(SNMP) Response PDU Too Big!"},
        {2, -102, "(SNMP) Variable does not exist!"},
        {18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"},
        {-1402, -201, "(SNMPv3) Unsupported Security Model!"},
        {-1418, -217, "(SNMPv3) Report sent!"},
        {1401, -301, "(SNMPv3USM) error!"},
        {1404, -304, "(SNMPv3USM) Unknown SecurityName!"},
        {1408, -308, "(SNMPv3USM) Authentication failure!"},
        {1414, -314, "(SNMPv3USM) Address error!"},
        {-1, -401, "(SNMPClass) Operation failed!"},
        {-5, -405, "(SNMPClass) SNMP request timed out!"},
        {-23, -423, "(SNMPClass) Blocked Mode Shutdown!"},
        {19, -528, "(DeRIRA++) Unknown error code!"},
        {-24, -528, "(DeRIRA++) Unknown error code!"},
        {1500, -528, "(DeRIRA++) Unknown error code!"},
        {-1419, -528, "(DeRIRA++) Unknown error code!"},
        {1415, -528, "(DeRIRA++) Unknown error code!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.status);
        KvSnmpCode r = MapSnmpStatus(c.status);
        EXPECT_EQ(r.Code, c.code);
        EXPECT_EQ(r.Message, c.text);
    }
}

} // namespace

namespace {

// The catalogue files shipped in resources/errmsg are the built-in texts
// (a line break written as a blank), so an installation can start from them.
TEST_F(Catalogues, ShippedFilesHoldTheBuiltInTexts) {
    for (int i = 0; i < kKvCatalogueCount; ++i) {
        const auto c = static_cast<KvCatalogue>(i);
        std::vector<std::string> builtIn;
        for (int e = 0; e < BuiltInCatalogueSize(c); ++e) {
            std::string t = CatalogueText(c, e);
            for (auto& ch : t)
                if (ch == '\n') ch = ' ';
            builtIn.push_back(t);
        }
        std::string name = CatalogueFileName(c);
        name = name.substr(name.find('\\') + 1);
        LoadCatalogue(c, std::string(KX_SOURCE_DIR) + "/resources/errmsg/" + name);
        SCOPED_TRACE(name);
        ASSERT_EQ(CatalogueSize(c), BuiltInCatalogueSize(c));
        for (int e = 0; e < CatalogueSize(c); ++e) EXPECT_EQ(CatalogueText(c, e), builtIn[static_cast<size_t>(e)]);
    }
}

} // namespace
