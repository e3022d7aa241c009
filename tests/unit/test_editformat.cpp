// Edit format specifiers: the grammar, its errors, the keystroke rule and the
// exit check with its messages.
#include "kveditformat.h"
#include "kvexception.h"
#include "kvmessages.h"

#include <cfloat>
#include <gtest/gtest.h>

namespace {

TEST(EditFormat, SpecifiersOfTheTablesParse) {
    struct Case {
        const char* Specifier;
        char Type;
        double Minimum, Maximum;
        int MaxLength;
        uint8_t Flags;
    };
    const Case cases[] = {
        {"%s", 's', 0, 0, 0, 0},
        {"%s{l32}", 's', 0, 0, 32, 0},
        {"%i", 'i', -2147483648.0, 2147483647.0, 0, 0},
        {"%i{}", 'i', -2147483648.0, 2147483647.0, 0, 0},
        {"%i{n1x255}", 'i', 1, 255, 0, 0},
        {"%i{n0x7l1}", 'i', 0, 7, 1, 0},
        {"%i{n1x65535l5}", 'i', 1, 65535, 5, 0},
        {"%u{n0x65535l5}", 'u', 0, 65535, 5, 0},
        {"%u", 'u', 0, 4294967295.0, 0, 0},
        {"%i{n0x16777214l8a}", 'i', 0, 16777214, 8, efAdvance},
        {"%h", 'h', 0, 0, 0, 0},
        {"%h{l12fna}", 'h', 0, 0, 12, efAdvance | efFixed | efNotEmpty},
        {"%i{l3nx9n-5}", 'i', -5, 9, 3, efNotEmpty},  // "n" after the digits is the flag
        {"%f", 'f', -DBL_MAX, DBL_MAX, 0, 0},
        {"%f{n-1.5x2.25}", 'f', -1.5, 2.25, 0, 0},
        {"%n,", 'n', 0, 4294967295.0, 0, 0},
        {"%n,{x4094l4f}", 'n', 0, 4094, 4, efFixed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Specifier);
        const KvEditFormat f = KvEditFormat::Parse(c.Specifier);
        EXPECT_EQ(f.Type, c.Type);
        EXPECT_EQ(f.Minimum, c.Minimum);
        EXPECT_EQ(f.Maximum, c.Maximum);
        EXPECT_EQ(f.MaxLength, c.MaxLength);
        EXPECT_EQ(f.Flags, c.Flags);
    }
    const KvEditFormat other = KvEditFormat::Parse("%s{w120e;l8}");
    EXPECT_EQ(other.Width, 120);
    EXPECT_EQ(other.ExitChar, ';');
    EXPECT_EQ(other.MaxLength, 8);
    EXPECT_EQ(KvEditFormat::Parse("%n:").Delimiter, ':');
    EXPECT_EQ(KvEditFormat::Parse("%s{e}}").ExitChar, '}');
}

TEST(EditFormat, MalformedSpecifiersRaiseEntryTwo) {
    const char* cases[] = {
        "",  "%",    "i{}",          "%q",   "%n",           "%i{n1x255l3", "%i}",  "%i{n1x255}l",
        "x%i", "%i{z1}", "%i{n}",   "%i{x}", "%i{l}",       "%i{w}",       "%s{e}", "%ix",
        "%i{", "%i{la}", "%n,x",
    };
    for (const char* c : cases) {
        SCOPED_TRACE(c);
        try {
            KvEditFormat::Parse(c);
            ADD_FAILURE() << "no error";
        } catch (const KvException& e) {
            EXPECT_EQ(e.HelpContext(), -2);
            EXPECT_EQ(e.Message(), "(KvCommon) Bad format specifier of edit's constraint!");
        }
    }
}

TEST(EditFormat, FormatsSplitAtEveryPercentSign) {
    using V = std::vector<std::string>;
    EXPECT_EQ(KvEditFormat::Split("%i{n0x255l3}%i{n0x255l3}%s"), (V{"%i{n0x255l3}", "%i{n0x255l3}", "%s"}));
    EXPECT_EQ(KvEditFormat::Split("ab%i"), (V{"ab", "%i"}));
    EXPECT_EQ(KvEditFormat::Split(""), V{});
}

TEST(EditFormat, KeystrokeRuleFindsTheFirstRefusedCharacter) {
    struct Case {
        const char* Specifier;
        const char* Text;
        int Refused;
    };
    const Case cases[] = {
        {"%i", "256", -1},    {"%i", "25a6", 2},  {"%i", "-5", -1},     {"%i", "5-", 1},
        {"%u", "-5", 0},      {"%u", "12 ", 2},   {"%f", "-1.5", -1},   {"%f", "1.5.2", 3},
        {"%f", "1e5", 1},     {"%h", "0aFf", -1}, {"%h", "0G", 1},      {"%s", "any text!", -1},
        {"%n,", "1,24,3", -1}, {"%n,", ",1", 0},  {"%n,", "1,,2", 2},   {"%n,", "1;2", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Specifier) + " " + c.Text);
        EXPECT_EQ(KvEditFormat::Parse(c.Specifier).FirstRefusedChar(QString::fromUtf8(c.Text)), c.Refused);
    }
    EXPECT_EQ(KvEditFormat::Parse("%i").FirstRefusedChar(QString::fromUtf8("1\xC3\xA9")), 1);
}

TEST(EditFormat, ExitCheckRefusesWithTheCommonMessages) {
    struct Case {
        const char* Specifier;
        const char* Text;
        int Code;
        const char* Message;
    };
    const Case cases[] = {
        {"%i{n1x255l3}", "256", -8, "(KvCommon) Please enter a number between 1 and 255!"},
        {"%i{n1x255l3}", "-5", -8, "(KvCommon) Please enter a number between 1 and 255!"},
        {"%i{n1x255l3}", "255", 0, ""},
        {"%u{n0x65535l5}", "65535", 0, ""},
        {"%u{n0x65535l5}", "65536", -8, "(KvCommon) Please enter a number between 0 and 65535!"},
        {"%f{n-0.5x2.5}", "2.75", -8, "(KvCommon) Please enter a number between -0.5 and 2.5!"},
        {"%f", "-12345.5", 0, ""},
        {"%s{l32}", "", 0, ""},
        {"%s{l3n}", "", -3, "(KvCommon) Empty value is not allowed!"},
        {"%s{l3}", "abcd", -4, "(KvCommon) Please enter a string whose length is less than 3!"},
        {"%s{l3f}", "ab", -5, "(KvCommon) Please enter a string whose length is 3!"},
        {"%h{l4}", "ABCDE", -6, "(KvCommon) Please enter a hex string whose length is less than 4!"},
        {"%h{l4f}", "ABC", -7, "(KvCommon) Please enter a hex string whose length is 4!"},
        {"%h{l4f}", "ABCD", 0, ""},
        {"%n,{l2}", "1,2,3", -9,
         "(KvCommon) Please enter a delimited number string with delimiter ','.\nHere,the count of the number is less than 2!"},
        {"%n,{l3f}", "1,2", -10,
         "(KvCommon) Please enter a delimited number string with delimiter ','.\nHere,the count of the number is equal to 3!"},
        {"%n,{n1.7x4094.9}", "1,4095", -11,
         "(KvCommon) Please enter a delimited number string with delimiter ','.\nHere,each number is between 1 and 4094!"},
        {"%n,{n1x4094}", "1,4094", 0, ""},
        {"%n,", "0,4294967295", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Specifier) + " " + c.Text);
        std::string message;
        EXPECT_EQ(KvEditFormat::Parse(c.Specifier).CheckValue(QString::fromUtf8(c.Text), &message), c.Code);
        EXPECT_EQ(message, c.Message);
    }
}

TEST(EditFormat, NumberListCountIsNoCharacterLimit) {
    const KvEditFormat f = KvEditFormat::Parse("%n,{l4a}");
    EXPECT_EQ(f.EditMaxLength(), 0);
    EXPECT_FALSE(f.AdvancesAt(4));
    const KvEditFormat i = KvEditFormat::Parse("%i{n0x16777214l8a}");
    EXPECT_EQ(i.EditMaxLength(), 8);
    EXPECT_TRUE(i.AdvancesAt(8));
    EXPECT_FALSE(i.AdvancesAt(7));
}

} // namespace
