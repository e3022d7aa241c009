// Value conversion: varbinds, keys, octet images, time ticks, hexadecimal
// text and the expressions that compute values from other variables.
#include "kvexception.h"
#include "kvoptionlist.h"
#include "kvsnmpconverter.h"
#include "kvsnmpvalue.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

KvVarbind Vb(uint8_t type, int64_t integer = 0, std::string octets = {}, std::string oid = {}, uint64_t c64 = 0) {
    KvVarbind vb;
    vb.Oid = "1.3.6.1.4.1.99402.1.0";
    vb.Type = type;
    vb.Integer = integer;
    vb.Octets = std::move(octets);
    vb.ObjectId = std::move(oid);
    vb.Counter64 = c64;
    return vb;
}

std::string LE64(double value) {
    std::string octets;
    AppendLE64(octets, DoubleToBits(value));
    return octets;
}

// Raises the framework or common error with this code.
void ExpectCode(const std::function<void()>& action, int code) {
    try {
        action();
        ADD_FAILURE() << "expected error " << code;
    } catch (const KvException& e) {
        EXPECT_EQ(e.HelpContext(), code) << e.Message();
    }
}

const std::string kSixteen = "\x20\x01\x0D\xB8\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x01"s;
const std::string kDateOctets = "\x07\xD5\x03\x07\x0E\x05\x09\x00+\x08\x00"s;
const double kDate = 38418.5;  // 2005-03-07 12:00

// A one-variable list of the given syntax, optionally a key of a table.
KvSNMPVarList OneVariable(uint32_t syntax, uint32_t flags = vfReadWrite, const KvOptionList* options = nullptr,
                          uint8_t kind = KvSNMPVarList::kScalars, int keyCount = 0) {
    const _SNMPVar_s table[] = {{"1.3.6.1.4.1.99402.1", "V", syntax, flags, options}, {}};
    return KvSNMPVarList(table, kind, keyCount);
}

// --- Response varbind -> text -------------------------------------------------------

struct ReadCase {
    uint32_t syntax;
    KvVarbind varbind;
    const char* text;
};

TEST(VarbindToText, EverySyntaxCode) {
    const ReadCase cases[] = {
        {synTruthValue, Vb(kvSmiInteger, 1), "true"},
        {synTruthValue, Vb(kvSmiInteger, 0), "false"},
        {synTruthValue, Vb(kvSmiInteger, 2), "true"},
        {synInteger, Vb(kvSmiInteger, -5), "-5"},
        {synInteger, Vb(kvSmiInteger, 2147483647), "2147483647"},
        {synBits, Vb(kvSmiOctetString, 0, "\x80\x80"s), "8080"},
        {synOctetString, Vb(kvSmiOctetString, 0, "\x00\xA0\xFF"s), "00A0FF"},
        {synOctetString, Vb(kvSmiOctetString), ""},
        {synNull, Vb(kvSmiNull), "(NULL)"},
        {synNull, Vb(kvSmiInteger, 4), "(NULL)"},
        {synObjectId, Vb(kvSmiObjectId, 0, "", "1.3.6.1.6.3.10.1.1.2"), "1.3.6.1.6.3.10.1.1.2"},
        {synIpAddress, Vb(kvSmiIpAddress, 0, "\x0A\x5A\x5A\x5A"s), "10.90.90.90"},
        {synCounter32, Vb(kvSmiCounter32, 4294967295), "4294967295"},
        {synGauge32, Vb(kvSmiGauge32, 70000), "70000"},
        {synTimeTicks, Vb(kvSmiTimeTicks, 8640000), "1 day 0:00:00.00"},
        {synTimeTicks, Vb(kvSmiTimeTicks, 17280000), "2 days, 0:00:00.00"},
        {synTimeTicks, Vb(kvSmiTimeTicks, 6000), "0:01:00.00"},
        {synOpaque, Vb(kvSmiOpaque, 0, "\x01\xfe"s), "01FE"},
        {synNetAddress, Vb(kvSmiIpAddress, 0, "\xC0\xA8\x00\x01"s), "192.168.0.1"},
        {synCounter64, Vb(kvSmiCounter64, 0, "", "", 18446744073709551615ull), "18446744073709551615"},
        {synCounter64, Vb(kvSmiCounter32, 12), "12"},
        {synUInteger32, Vb(kvSmiUInteger32, 4000000000), "4000000000"},
        {synDouble, Vb(kvSmiOctetString, 0, LE64(1.5)), "1.5"},
        {synDouble, Vb(kvSmiOctetString, 0, LE64(-0.25) + "xx"), "-0.25"},   // first 8 octets
        {synMacAddress, Vb(kvSmiOctetString, 0, "\x00\x80\xC8\x01\x02\x03"s), "0080C8010203"},
        {synDateAndTime, Vb(kvSmiOctetString, 0, "\x07\xC8\x05\x1A\x0D\x1E\x0F\x00+\x00\x00"s), "1992-5-26,13:30:15.0"},
        {synDateAndTime, Vb(kvSmiOctetString, 0, kDateOctets), "2005-3-7,14:5:9.0,+8:0"},
        {synDateAndTime, Vb(kvSmiOctetString, 0, kDateOctets.substr(0, 8)), "2005-3-7,14:5:9.0"},
        {synDateTimeDouble, Vb(kvSmiOctetString, 0, LE64(kDate)), "2005/03/07 12:00:00 pm"},
        {synDisplayString, Vb(kvSmiOctetString, 0, "abc\0def"s), "abc"},
        {synDisplayString, Vb(kvSmiOctetString, 0, "Port 1"), "Port 1"},
        {synAddress16, Vb(kvSmiOctetString, 0, kSixteen), "20010DB8000000000000000000000001"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "syntax " << c.syntax << " -> " << c.text);
        EXPECT_EQ(VarbindValueText(c.varbind, c.syntax), c.text);
        KvSNMPVarList list = OneVariable(c.syntax);
        VarbindToText(list, 0, c.varbind);
        EXPECT_EQ(list.Item(0).Value, c.text);
    }
}

TEST(VarbindToText, ValuesWithoutPrintableText) {
    const KvVarbind empties[] = {
        Vb(kvSmiNull), Vb(kvSmiNoSuchObject), Vb(kvSmiNoSuchInstance), Vb(kvSmiEndOfMibView),
        Vb(kvSmiOctetString), Vb(kvSmiObjectId),
    };
    const uint32_t codes[] = {1, 2, 3, 4, 5, 6, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77};
    for (const KvVarbind& vb : empties) {
        for (uint32_t code : codes) {
            SCOPED_TRACE(testing::Message() << "type " << int(vb.Type) << " syntax " << code);
            const bool hex = code == 3 || code == 4 || code == 68 || code == 73 || code == 77;
            const char* expected = hex ? "" : code == 76 ? "" : "(NULL)";
            EXPECT_EQ(VarbindValueText(vb, code), expected);
        }
    }
}

TEST(VarbindToText, MalformedResponsesRaiseInsteadOfReadingPastTheValue) {
    const ReadCase cases[] = {
        {synDouble, Vb(kvSmiOctetString, 0, "\x01\x02\x03"s), ""},
        {synDateTimeDouble, Vb(kvSmiOctetString, 0, "1234567"), ""},
        {synDateAndTime, Vb(kvSmiOctetString, 0, "\x07\xD5\x03"s), ""},
        {synIpAddress, Vb(kvSmiIpAddress, 0, "\x0A\x01"s), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.syntax);
        ExpectCode([&] { VarbindValueText(c.varbind, c.syntax); }, -518);
    }
    for (uint32_t code : {0u, 7u, 99u, 193u, 198u}) {
        SCOPED_TRACE(code);
        ExpectCode([&] { VarbindValueText(Vb(kvSmiInteger, 1), code); }, -511);
        KvVarbind vb;
        ExpectCode([&] { ValueTextToVarbind("1", code, vb); }, -511);
    }
}

// --- Text -> set varbind -------------------------------------------------------------

struct WriteCase {
    uint32_t syntax;
    const char* text;
    KvVarbind expected;
};

TEST(TextToVarbind, EverySyntaxCode) {
    const WriteCase cases[] = {
        {synTruthValue, "true", Vb(kvSmiInteger, 1)},
        {synTruthValue, "false", Vb(kvSmiInteger, 0)},
        {synTruthValue, "yes", Vb(kvSmiInteger, 0)},
        {synInteger, "-5", Vb(kvSmiInteger, -5)},
        {synInteger, " 12abc", Vb(kvSmiInteger, 12)},
        {synInteger, "abc", Vb(kvSmiInteger, 0)},
        {synInteger, "99999999999", Vb(kvSmiInteger, 2147483647)},
        {synBits, "8080", Vb(kvSmiOctetString, 0, "\x80\x80"s)},   // ports 1 and 9
        {synOctetString, "00 a0 ff", Vb(kvSmiOctetString, 0, "\x00\xA0\xFF"s)},
        {synOctetString, "", Vb(kvSmiOctetString)},
        {synNull, "5", Vb(kvSmiNull)},
        {synObjectId, "1.3.6.1.6.3.10.1.1.2", Vb(kvSmiObjectId, 0, "", "1.3.6.1.6.3.10.1.1.2")},
        {synObjectId, ".1.3.6", Vb(kvSmiObjectId, 0, "", "1.3.6")},
        {synIpAddress, "10.90.90.90", Vb(kvSmiIpAddress, 0, "\x0A\x5A\x5A\x5A"s)},
        {synCounter32, "4294967295", Vb(kvSmiGauge32, 4294967295)},
        {synGauge32, "70000", Vb(kvSmiGauge32, 70000)},
        {synTimeTicks, "1 day 0:00:00.00", Vb(kvSmiTimeTicks, 8640000)},
        {synOpaque, "01FE", Vb(kvSmiOctetString, 0, "\x01\xFE"s)},
        {synNetAddress, "192.168.0.1", Vb(kvSmiIpAddress, 0, "\xC0\xA8\x00\x01"s)},
        {synCounter64, "18446744073709551615", Vb(kvSmiCounter64, 0, "", "", 18446744073709551615ull)},
        {synUInteger32, "-1", Vb(kvSmiGauge32, 0)},
        {synDouble, "1.5", Vb(kvSmiOctetString, 0, LE64(1.5))},
        {synMacAddress, "0080c8010203", Vb(kvSmiOctetString, 0, "\x00\x80\xC8\x01\x02\x03"s)},
        {synMacAddress, "00 80 C8 01 02 03", Vb(kvSmiOctetString, 0, "\x00\x80\xC8\x01\x02\x03"s)},
        {synMacAddress, "080C8010203", Vb(kvSmiOctetString, 0, "\x00\x80\xC8\x01\x02\x03"s)},
        {synDateAndTime, "2005-3-7,14:5:9.0,+8:0", Vb(kvSmiOctetString, 0, kDateOctets)},
        {synDateTimeDouble, "2005/03/07 12:00:00 pm", Vb(kvSmiOctetString, 0, LE64(kDate))},
        {synDisplayString, "Port 1", Vb(kvSmiOctetString, 0, "Port 1")},
        {synAddress16, "20010DB8000000000000000000000001", Vb(kvSmiOctetString, 0, kSixteen)},
        {synInteger, "(NULL)", Vb(kvSmiNull)},
        {synDisplayString, "(NULL)", Vb(kvSmiNull)},
        {synInteger, "(NOTDONE)", Vb(kvSmiNull)},   // an ended column is never sent as a value
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "syntax " << c.syntax << " <- " << c.text);
        KvSNMPVarList list = OneVariable(c.syntax);
        list.Item(0).Value = c.text;
        KvVarbind vb = Vb(kvSmiOctetString, 77, "stale", "9.9", 77);
        TextToVarbind(list, 0, vb);
        EXPECT_EQ(vb.Oid, "1.3.6.1.4.1.99402.1.0");   // untouched
        EXPECT_EQ(vb.Type, c.expected.Type);
        EXPECT_EQ(vb.Integer, c.expected.Integer);
        EXPECT_EQ(vb.Counter64, c.expected.Counter64);
        EXPECT_EQ(vb.Octets, c.expected.Octets);
        EXPECT_EQ(vb.ObjectId, c.expected.ObjectId);
    }
}

TEST(TextToVarbind, CanonicalTextsSurviveTheRoundTrip) {
    const struct {
        uint32_t syntax;
        const char* text;
    } cases[] = {
        {1, "true"}, {1, "false"}, {2, "-2147483648"}, {3, "FFFF0000"}, {4, "00A0FF"}, {4, ""}, {5, "(NULL)"},
        {6, "1.3.6.1.4.1.99402"}, {64, "10.90.90.90"}, {65, "0"}, {66, "4294967295"},
        {67, "3 days, 4:05:06.07"}, {67, "0:00:00.00"}, {68, "DEADBEEF"}, {69, "255.255.255.0"},
        {70, "4294967298"}, {71, "123"}, {72, "0.064"}, {72, "-1E20"}, {73, "0080C8010203"},
        {74, "2005-3-7,14:5:9.0,-5:30"}, {74, "1992-5-26,13:30:15.0"}, {75, "2005/03/07 02:05:09 pm"},
        {76, "Port 1"}, {76, ""}, {77, "20010DB8000000000000000000000001"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.syntax << " " << c.text);
        KvVarbind vb;
        ValueTextToVarbind(c.text, c.syntax, vb);
        EXPECT_EQ(VarbindValueText(vb, c.syntax), c.text);
    }
}

TEST(Conversion, OptionListMapsOnTheWayInAndOut) {
    const _Option_s table[] = {{1, "enabled"}, {2, "disabled"}, {}};
    const KvOptionList options(table, KvOptionList::kIntegerValues);
    KvSNMPVarList list = OneVariable(synInteger, vfReadWrite, &options);

    VarbindToText(list, 0, Vb(kvSmiInteger, 2));
    EXPECT_EQ(list.Item(0).Value, "disabled");
    VarbindToText(list, 0, Vb(kvSmiInteger, 3));
    EXPECT_EQ(list.Item(0).Value, "3");   // a value without an option

    KvVarbind vb;
    list.Item(0).Value = "disabled";
    TextToVarbind(list, 0, vb);
    EXPECT_EQ(vb.Type, kvSmiInteger);
    EXPECT_EQ(vb.Integer, 2);
    list.Item(0).Value = "ENABLED";
    TextToVarbind(list, 0, vb);
    EXPECT_EQ(vb.Integer, 1);

    // Protocol columns: text values that are object identifiers.
    const _Option_s protocols[] = {{"1.3.6.1.6.3.10.1.1.1", "None"}, {"1.3.6.1.6.3.10.1.1.2", "MD5"}, {}};
    const KvOptionList auth(protocols, KvOptionList::kTextValues);
    KvSNMPVarList oidList = OneVariable(synObjectId, vfReadWrite, &auth);
    VarbindToText(oidList, 0, Vb(kvSmiObjectId, 0, "", "1.3.6.1.6.3.10.1.1.2"));
    EXPECT_EQ(oidList.Item(0).Value, "MD5");
    TextToVarbind(oidList, 0, vb);
    EXPECT_EQ(vb.ObjectId, "1.3.6.1.6.3.10.1.1.2");
}

// --- Keys -----------------------------------------------------------------------------

struct KeyCase {
    uint32_t syntax;
    bool implied;
    std::string suffix;   // the key's own sub-identifiers
    const char* value;
};

TEST(Keys, DecodeAndEncodeEverySyntaxCode) {
    const uint64_t dateBits = DoubleToBits(kDate);
    const std::string dateArcs = std::to_string(static_cast<uint32_t>(dateBits)) + "." +
                                 std::to_string(static_cast<uint32_t>(dateBits >> 32));
    const KeyCase cases[] = {
        {synTruthValue, false, "1", "true"},
        {synTruthValue, false, "0", "false"},
        {synInteger, false, "7", "7"},
        {synInteger, false, "4294967295", "-1"},
        {synBits, false, "2.128.128", "8080"},
        {synBits, true, "128.128", "8080"},
        {synOctetString, false, "3.1.2.255", "0102FF"},
        {synOctetString, true, "1.2.255", "0102FF"},
        {synOctetString, false, "0", ""},
        {synObjectId, false, "4.1.3.6.1", "1.3.6.1"},
        {synObjectId, true, "1.3.6.1", "1.3.6.1"},
        {synIpAddress, false, "10.1.2.3", "10.1.2.3"},
        {synCounter32, false, "4000000000", "4000000000"},
        {synGauge32, false, "70000", "70000"},
        {synTimeTicks, false, "8640000", "1 day 0:00:00.00"},
        {synOpaque, false, "2.222.173", "DEAD"},
        {synNetAddress, false, "192.168.0.1", "192.168.0.1"},
        {synCounter64, false, "1.2", "4294967298"},
        {synUInteger32, false, "12", "12"},
        {synDouble, false, "0.1073217536", "1.5"},
        {synMacAddress, false, "0.128.200.1.2.3", "0080C8010203"},
        {synDateAndTime, false, "7.213.3.7.14.5.9.0.43.8.0", "2005-3-7,14:5:9.0,+8:0"},
        {synDateTimeDouble, false, dateArcs, "2005/03/07 12:00:00 pm"},
        {synDisplayString, false, "3.97.98.99", "abc"},
        {synDisplayString, true, "97.98.99", "abc"},
        {synAddress16, false, "32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.1", "20010DB8000000000000000000000001"},
        {synAddress16, true, "32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.1", "20010DB8000000000000000000000001"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "syntax " << c.syntax << (c.implied ? " implied " : " ") << c.suffix);
        KvSNMPVarList list = OneVariable(c.syntax, c.implied ? vfImpliedIndex : vfIndex, nullptr,
                                         KvSNMPVarList::kTable, 1);
        // A following sub-identifier is left over; an implied key takes everything.
        const std::string rest = DecodeKey(list, 0, c.implied ? c.suffix : c.suffix + ".42");
        EXPECT_EQ(list.Item(0).Value, c.value);
        EXPECT_EQ(rest, c.implied ? "" : "42");
        EXPECT_EQ(EncodeKey(list, 0), c.suffix);
    }
}

TEST(Keys, NullKeyUsesNothing) {
    KvSNMPVarList list = OneVariable(synNull, vfIndex, nullptr, KvSNMPVarList::kTable, 1);
    EXPECT_EQ(DecodeKey(list, 0, "5.6"), "5.6");
    EXPECT_EQ(list.Item(0).Value, "(NULL)");
    EXPECT_EQ(EncodeKey(list, 0), "");
}

TEST(Keys, ImpliedOnlyForTheLastKey) {
    const _SNMPVar_s table[] = {
        {"1.3.6.1.4.1.99402.9.1.1", "Name", synDisplayString, vfImpliedIndex},
        {"1.3.6.1.4.1.99402.9.1.2", "Port", synInteger, vfIndex},
        {},
    };
    KvSNMPVarList list(table, KvSNMPVarList::kTableEditKeys, 2);
    list.Item(0).Value = "abc";
    EXPECT_EQ(EncodeKey(list, 0), "3.97.98.99");   // vfImplied, but not the last key
    list.KeyCount = 1;
    EXPECT_EQ(EncodeKey(list, 0), "97.98.99");
}

TEST(Keys, AddressKeyThenIntegerKey) {
    const _SNMPVar_s table[] = {
        {"1.3.6.1.4.1.99402.9.1.1", "Address", synIpAddress, vfIndex},
        {"1.3.6.1.4.1.99402.9.1.2", "Port", synInteger, vfIndex},
        {"1.3.6.1.4.1.99402.9.1.3", "State", synInteger, vfReadWrite},
        {},
    };
    KvSNMPVarList list(table, KvSNMPVarList::kTable, 2);
    const std::string rest = DecodeKey(list, 0, "10.1.2.3.7");
    EXPECT_EQ(rest, "7");
    EXPECT_EQ(list.Item(0).Value, "10.1.2.3");
    EXPECT_EQ(DecodeKey(list, 1, rest), "");
    EXPECT_EQ(list.Item(1).Value, "7");
    EXPECT_EQ(EncodeKey(list, 0) + "." + EncodeKey(list, 1), "10.1.2.3.7");
}

TEST(Keys, OptionListMapsKeys) {
    const _Option_s table[] = {{1, "enabled"}, {2, "disabled"}, {}};
    const KvOptionList options(table, KvOptionList::kIntegerValues);
    KvSNMPVarList list = OneVariable(synInteger, vfIndex, &options, KvSNMPVarList::kTable, 1);
    DecodeKey(list, 0, "2");
    EXPECT_EQ(list.Item(0).Value, "disabled");
    EXPECT_EQ(EncodeKey(list, 0), "2");
}

TEST(Keys, ShortOrHostileSuffixesRaiseBadKeyCount) {
    const struct {
        uint32_t syntax;
        bool implied;
        const char* suffix;
    } cases[] = {
        {synInteger, false, ""},
        {synIpAddress, false, "10.1.2"},
        {synCounter64, false, "1"},
        {synDouble, false, "1"},
        {synMacAddress, false, "0.128.200"},
        {synDateAndTime, false, "7.213.3.7.14.5.9.0.43.8"},
        {synOctetString, false, "5.1.2"},
        {synDisplayString, false, "4294967295.1"},   // a length far beyond the suffix
        {synObjectId, false, ""},
        {synAddress16, false, "1.2.3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.syntax << " " << c.suffix);
        KvSNMPVarList list = OneVariable(c.syntax, c.implied ? vfImpliedIndex : vfIndex, nullptr,
                                         KvSNMPVarList::kTable, 1);
        list.Item(0).Value = "kept";
        ExpectCode([&] { DecodeKey(list, 0, c.suffix); }, -514);
        EXPECT_EQ(list.Item(0).Value, "kept");
    }
    // Non-numeric and over-long sub-identifiers read leniently, never past the text.
    KvSNMPVarList list = OneVariable(synInteger, vfIndex, nullptr, KvSNMPVarList::kTable, 1);
    EXPECT_EQ(DecodeKey(list, 0, "abc.5"), "5");
    EXPECT_EQ(list.Item(0).Value, "0");
    DecodeKey(list, 0, "99999999999999999999");
    EXPECT_EQ(list.Item(0).Value, "-1");
}

TEST(Keys, ShortFixedSizeValuesEncodeToNothing) {
    for (uint32_t code : {synMacAddress, synAddress16}) {
        KvSNMPVarList list = OneVariable(code, vfIndex, nullptr, KvSNMPVarList::kTable, 1);
        list.Item(0).Value = "0080C8";
        EXPECT_EQ(EncodeKey(list, 0), "") << code;
    }
    for (uint32_t code : {0u, 193u, 197u}) {
        KvSNMPVarList list = OneVariable(code, vfIndex, nullptr, KvSNMPVarList::kTable, 1);
        ExpectCode([&] { DecodeKey(list, 0, "1"); }, -511);
        ExpectCode([&] { EncodeKey(list, 0); }, -511);
    }
}

// --- Time ticks and hexadecimal text ----------------------------------------------------

TEST(TimeTicks, BothDirections) {
    const struct {
        uint32_t ticks;
        const char* text;
    } cases[] = {
        {0, "0:00:00.00"},
        {6000, "0:01:00.00"},
        {8640000, "1 day 0:00:00.00"},
        {17280000, "2 days, 0:00:00.00"},
        {27390607, "3 days, 4:05:06.07"},
        {8639999, "23:59:59.99"},
        {4294967295u, "497 days, 2:27:52.95"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TimeTicksToText(c.ticks), c.text);
        EXPECT_EQ(TextToTimeTicks(c.text), c.ticks) << c.text;
    }
    const struct {
        const char* text;
        uint32_t ticks;
    } reads[] = {
        {"0:01:00", 6000},                // no hundredths: the seconds still count
        {"0:01:30", 9000},
        {"1:30", 540000},                 // h:mm
        {"0:00:00.5", 5},                 // hundredths as written
        {"2 days", 17280000},
        {"1 day, 0:00:01.00", 8640100},
        {"", 0},
        {"abc", 0},
        {"12345", 0},                     // no clock part
        {"99999999999 days, 0:00:00.00", 4294967295u},   // clamped
    };
    for (const auto& r : reads) EXPECT_EQ(TextToTimeTicks(r.text), r.ticks) << r.text;
}

TEST(HexText, ReadingRules) {
    const struct {
        const char* text;
        std::string octets;
    } cases[] = {
        {"0080c8010203", "\x00\x80\xC8\x01\x02\x03"s},
        {"00 80 C8 01 02 03", "\x00\x80\xC8\x01\x02\x03"s},
        {"080C8010203", "\x00\x80\xC8\x01\x02\x03"s},
        {"F", "\x0F"s},
        {"zz", "\x00"s},
        {"", ""},
        {"  ", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(HexToOctets(c.text), c.octets) << c.text;
    EXPECT_EQ(OctetsToHex("\x00\xA0\xFF"s), "00A0FF");
    EXPECT_EQ(OctetsToHex(""), "");
}

TEST(BitStrings, PortPOfAPortListIsBitPMinusOne) {
    std::string ports(2, '\0');
    SetOctetBit(ports, 1 - 1, true);
    SetOctetBit(ports, 9 - 1, true);
    EXPECT_EQ(OctetsToHex(ports), "8080");
    EXPECT_TRUE(OctetBit(ports, 0));
    EXPECT_FALSE(OctetBit(ports, 1));
    EXPECT_TRUE(OctetBit(HexToOctets("0001"), 15));
    SetOctetBit(ports, 0, false);
    EXPECT_EQ(OctetsToHex(ports), "0080");
    for (int bit : {-1, 16, 1000}) {
        ExpectCode([&] { OctetBit(ports, bit); }, -519);
        ExpectCode([&] { SetOctetBit(ports, bit, true); }, -519);
    }
    EXPECT_EQ(OctetsToHex(ports), "0080");
}

// --- Octet images -----------------------------------------------------------------------

struct ImageCase {
    uint32_t syntax;
    const char* text;
    std::string octets;
    const char* back;   // the text read back from the octets
};

TEST(OctetImages, EverySyntaxCodeBothWays) {
    const ImageCase cases[] = {
        {1, "true", "\x01\x00\x00\x00"s, "true"},
        {1, "false", "\x00\x00\x00\x00"s, "false"},
        {2, "-5", "\xFB\xFF\xFF\xFF"s, "-5"},
        {3, "8080", "\x80\x80"s, "8080"},
        {4, "00A0FF", "\x00\xA0\xFF"s, "00A0FF"},
        {5, "anything", "", "(NULL)"},
        {6, "1.3.6", "\x01\x00\x00\x00\x03\x00\x00\x00\x06\x00\x00\x00"s, "1.3.6"},
        {64, "10.90.90.90", "\x0A\x5A\x5A\x5A"s, "10.90.90.90"},
        {65, "4294967295", "\xFF\xFF\xFF\xFF"s, "4294967295"},
        {66, "70000", "\x70\x11\x01\x00"s, "70000"},
        {67, "0:01:00.00", "\x70\x17\x00\x00"s, "0:01:00.00"},
        {68, "01FE", "\x01\xFE"s, "01FE"},
        {69, "1.2.3.4", "\x01\x02\x03\x04"s, "1.2.3.4"},
        {70, "4294967298", "\x02\x00\x00\x00\x01\x00\x00\x00"s, "4294967298"},
        {71, "16", "\x10\x00\x00\x00"s, "16"},
        {72, "1.5", "\x00\x00\x00\x00\x00\x00\xF8\x3F"s, "1.5"},
        {73, "0080C8010203", "\x00\x80\xC8\x01\x02\x03"s, "0080C8010203"},
        {74, "2005-3-7,14:5:9.0,+8:0", kDateOctets, "2005-3-7,14:5:9.0,+8:0"},
        {75, "2005/03/07 12:00:00 pm", LE64(kDate), "2005/03/07 12:00:00 pm"},
        {76, "abc", "abc", "abc"},
        {77, "20010DB8000000000000000000000001", kSixteen, "20010DB8000000000000000000000001"},
        {193, "true", "\x01"s, "true"},
        {193, "false", "\x00"s, "false"},
        {194, "-1", "\xFF"s, "-1"},
        {195, "255", "\xFF"s, "255"},
        {196, "true", "\x00\x01"s, "true"},
        {197, "4660", "\x12\x34"s, "4660"},
        {198, "65535", "\xFF\xFF"s, "65535"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.syntax << " " << c.text);
        EXPECT_EQ(TextToOctets(c.text, c.syntax), c.octets);
        EXPECT_EQ(OctetsToText(c.octets, c.syntax), c.back);
    }
}

TEST(OctetImages, NullEmptyAndShortImages) {
    const uint32_t all[] = {1, 2, 3, 4, 5, 6, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77,
                            193, 194, 195, 196, 197, 198};
    for (uint32_t code : all) {
        SCOPED_TRACE(code);
        EXPECT_EQ(TextToOctets("(NULL)", code), "");
        EXPECT_EQ(OctetsToText("", code), code == 76 ? "" : "(NULL)");
        const int needed = MinimumOctets(code);
        if (needed > 1) ExpectCode([&] { OctetsToText(std::string(static_cast<size_t>(needed - 1), '\x01'), code); }, -518);
    }
    EXPECT_EQ(OctetsToText("\x01\x00\x00\x00\x02\x00"s, 6), "1");   // incomplete arc ignored
    EXPECT_EQ(OctetsToText("\x00xyz"s, 76), "");
    for (uint32_t code : {0u, 7u, 100u, 199u}) {
        ExpectCode([&] { TextToOctets("1", code); }, -511);
        ExpectCode([&] { OctetsToText("1", code); }, -511);
        ExpectCode([&] { ExtractPart("1234", 0, code); }, -511);
    }
}

TEST(OctetImages, ExtractPart) {
    const std::string image = "\x00\x01\x12\x34"s;
    EXPECT_EQ(OctetsToText(ExtractPart(image, 2, 197), 197), "4660");
    ExpectCode([&] { ExtractPart(image.substr(0, 3), 2, 197); }, -519);

    const struct {
        uint32_t syntax;
        int offset;
        size_t length;   // of the part, from an image of 20 octets
    } widths[] = {
        {1, 0, 4},   {2, 16, 4},  {64, 1, 4},  {65, 2, 4},  {66, 3, 4},  {67, 4, 4},  {69, 5, 4},
        {71, 6, 4},  {70, 12, 8}, {72, 0, 8},  {75, 1, 8},  {73, 14, 6}, {74, 9, 11}, {77, 4, 16},
        {193, 19, 1}, {194, 0, 1}, {195, 5, 1}, {196, 18, 2}, {197, 1, 2}, {198, 2, 2},
        {3, 5, 15},  {4, 0, 20},  {6, 19, 1},  {68, 20, 0}, {76, 8, 12}, {5, 20, 0},
    };
    std::string twenty;
    for (char c = 'a'; c < 'a' + 20; ++c) twenty.push_back(c);
    for (const auto& w : widths) {
        SCOPED_TRACE(testing::Message() << w.syntax << " at " << w.offset);
        EXPECT_EQ(ExtractPart(twenty, w.offset, w.syntax), twenty.substr(static_cast<size_t>(w.offset), w.length));
    }
    for (uint32_t code : {1u, 70u, 74u, 77u, 196u, 4u, 76u, 5u}) {
        SCOPED_TRACE(code);
        ExpectCode([&] { ExtractPart(twenty, 21, code); }, -519);   // offset past the end
        ExpectCode([&] { ExtractPart(twenty, -1, code); }, -519);
        EXPECT_EQ(ExtractPart("", 5, code), "");                      // empty image
    }
    ExpectCode([&] { ExtractPart(twenty, 17, 1); }, -519);
    ExpectCode([&] { ExtractPart(twenty, 10, 74); }, -519);
}

// --- Expressions -------------------------------------------------------------------------

const _Option_s kStateTable[] = {{1, "enabled"}, {2, "disabled"}, {}};
const KvOptionList gState(kStateTable, KvOptionList::kIntegerValues);

KvSNMPVarList ExpressionList() {
    const _SNMPVar_s table[] = {
        {"1.1", "truth", synTruthValue, vfReadWrite},     // 0
        {"1.2", "int", synInteger, vfReadWrite},          // 1
        {"1.3", "ticks", synTimeTicks, vfReadWrite},      // 2
        {"1.4", "date", synDateTimeDouble, vfReadWrite},  // 3
        {"1.5", "text", synDisplayString, vfReadWrite},   // 4
        {"1.6", "null", synInteger, vfReadWrite},         // 5
        {"1.7", "marker", synDisplayString, vfReadWrite}, // 6
        {"1.8", "state", synInteger, vfReadWrite, &gState},  // 7
        {"1.9", "part", synPartTruth1, vfReadWrite},      // 8
        {"1.10", "word", synPartUInt2, vfReadWrite},      // 9
        {"1.11", "gauge", synGauge32, vfReadWrite},       // 10
        {"1.12", "c64", synCounter64, vfReadWrite},       // 11
        {"1.13", "real", synDouble, vfReadWrite},         // 12
        {"1.14", "mac", synMacAddress, vfReadWrite},      // 13
        {},
    };
    KvSNMPVarList list(table, KvSNMPVarList::kScalars, 0);
    const char* values[] = {"true", "-5", "0:01:00.00", "1899/12/31 12:00:00 am", "abc", "(NULL)", "x$0y",
                            "disabled", "true", "65535", "70000", "4294967298", "0.5", "0080C8010203"};
    for (int i = 0; i < list.Count(); ++i) list.Item(i).Value = values[i];
    return list;
}

TEST(SubstituteExpression, InsertsEachVariablesText) {
    const KvSNMPVarList list = ExpressionList();
    const struct {
        const char* expression;
        bool quote;
        const char* result;
    } cases[] = {
        {"$0+$1", false, "1+-5"},
        {"$2", false, "6000"},
        {"$3", false, "1"},
        {"$7", false, "2"},            // option text back to its value
        {"$8$9", false, "165535"},
        {"$10*$11/$12", false, "70000*4294967298/0.5"},
        {"$4=\"abc\"", true, "\"abc\"=\"abc\""},
        {"$13", true, "\"0080C8010203\""},
        {"$6", true, "\"x$0y\""},      // an inserted marker is not substituted again
        {"cost $ 5", false, "cost $ 5"},   // a marker without digits is text
        {"", false, ""},
        {"$01", false, "-5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        EXPECT_EQ(SubstituteExpression(list, c.expression, "$", c.quote), c.result);
    }
    EXPECT_EQ(SubstituteExpression(list, "#1+$1", "#", false), "-5+$1");
    EXPECT_EQ(SubstituteExpression(list, "$1", "", false), "$1");
}

TEST(SubstituteExpression, Errors) {
    const KvSNMPVarList list = ExpressionList();
    const struct {
        const char* expression;
        bool quote;
        int code;
    } cases[] = {
        {"$5+1", false, -512},
        {"$5", true, -512},
        {"$4", false, -513},
        {"$13", false, -513},
        {"$14", false, -12},
        {"$99999999999999999999999", true, -12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        ExpectCode([&] { SubstituteExpression(list, c.expression, "$", c.quote); }, c.code);
    }
    try {
        SubstituteExpression(list, "$5", "$", false);
    } catch (const KvException& e) {
        EXPECT_EQ(e.Message(), "(DeRIRA++) Null value in the expression!");
    }
}

TEST(ComputeExpression, StoresByTheVariablesCode) {
    const struct {
        uint32_t syntax;
        const char* expression;
        const char* stored;
    } cases[] = {
        {synTruthValue, "2", "true"},
        {synTruthValue, "1-1", "false"},
        {synInteger, "0-7.9", "-7"},
        {synInteger, "1e12", "2147483647"},
        {synCounter32, "70000.9", "70000"},
        {synGauge32, "0-3", "0"},
        {synUInteger32, "64.9", "64"},
        {synUInteger32, "(8*8)/1000*1000", "64000"},   // "*" first: the operand "64/1000" reads as 64
        {synTimeTicks, "6000", "0:01:00.00"},
        {synCounter64, "10000000000", "10000000000"},
        {synDouble, "(8*8)/1000", "0.064"},
        {synDateTimeDouble, "38418.5", "2005/03/07 12:00:00 pm"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.syntax << " " << c.expression);
        const _SNMPVar_s table[] = {{"1.1", "v", c.syntax, vfReadWrite, nullptr, c.expression}, {}};
        KvSNMPVarList list(table, 0, 0);
        ComputeExpression(list, 0, 1);
        EXPECT_EQ(list.Item(0).Value, c.stored);
    }
    for (uint32_t code : {synOctetString, synDisplayString, synIpAddress, synObjectId, synPartUInt2}) {
        SCOPED_TRACE(code);
        const _SNMPVar_s table[] = {{"1.1", "v", code, vfReadWrite, nullptr, "1"}, {}};
        KvSNMPVarList list(table, 0, 0);
        ExpectCode([&] { ComputeExpression(list, 0, 1); }, -513);
    }
}

TEST(ComputeExpression, DirectionChoosesTheExpression) {
    const _SNMPVar_s table[] = {
        {"1.1", "raw", synGauge32, vfReadWrite},
        {"1.2", "kbit", synGauge32, vfReadWrite, nullptr, "($0*8)/1000", "$0/8"},
        {"1.3", "state", synInteger, vfReadWrite, &gState, "$0-998"},
        {"1.4", "plain", synInteger, vfReadWrite},
        {},
    };
    KvSNMPVarList list(table, 0, 0);
    list.Item(0).Value = "1000";
    list.Item(3).Value = "untouched";
    for (int i = 0; i < list.Count(); ++i) ComputeExpression(list, i, 1);
    EXPECT_EQ(list.Item(1).Value, "8");
    EXPECT_EQ(list.Item(2).Value, "disabled");    // mapped to its option text
    EXPECT_EQ(list.Item(3).Value, "untouched");   // no expression: nothing
    ComputeExpression(list, 1, 0);
    EXPECT_EQ(list.Item(1).Value, "125");
    ComputeExpression(list, 2, 0);                 // no set expression
    EXPECT_EQ(list.Item(2).Value, "disabled");

    list.Item(0).Value = "(NULL)";
    ExpectCode([&] { ComputeExpression(list, 1, 1); }, -512);
}

TEST(TestCondition, SubstitutesWithQuotes) {
    const KvSNMPVarList list = ExpressionList();
    EXPECT_TRUE(TestCondition(list, ""));
    EXPECT_TRUE(TestCondition(list, "$4=\"abc\""));
    EXPECT_TRUE(TestCondition(list, "$4=abc&$1=-5"));
    EXPECT_FALSE(TestCondition(list, "$7=1"));
    EXPECT_TRUE(TestCondition(list, "$7=2|$4=x"));
    ExpectCode([&] { TestCondition(list, "$5=1"); }, -512);
    ExpectCode([&] { TestCondition(list, "$4"); }, -1);
}

TEST(IsColumnEnd, OnlyTablesEndAndOnlyOutsideTheColumn) {
    const std::string base = "1.3.6.1.2.1.2.2.1.1";
    const struct {
        uint8_t kind;
        std::string requested;
        std::string returned;
        bool end;
    } cases[] = {
        {0, "", "1.3.6.1.2.1.2.2.1.2.1", false},
        {1, "", "9.9", false},
        {2, "", base + ".1", false},
        {3, base + ".4", base + ".5", false},
        {2, base + ".5", base + ".5", true},   // no progress
        {2, "", "1.3.6.1.2.1.2.2.1.2.1", true},         // next column
        {2, "", "1.3.6.1.2.1.2.2.1.10.1", true},        // column 10 is not below column 1
        {2, "", base, true},
        {2, "", base + ".", true},
        {2, "", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.returned);
        KvSNMPVarList list(nullptr, c.kind, 0);
        EXPECT_EQ(IsColumnEnd(list, base, c.requested, c.returned), c.end);
    }
}

// A request subclass that replaces one slot sees it used by the others.
class UpperCaseMarkers : public KvSNMPConverter {
public:
    int substitutions = 0;
    std::string SubstituteExpression(const std::string& expression, const std::string& marker,
                                     bool quote) override {
        ++substitutions;
        return KvSNMPConverter::SubstituteExpression(expression, marker, quote);
    }
};

TEST(KvSNMPConverter, SlotsWorkOnTheOwnListAndDispatchVirtually) {
    const _SNMPVar_s table[] = {
        {"1.3.6.1.4.1.99402.9.1.1", "Index", synInteger, vfIndex},
        {"1.3.6.1.4.1.99402.9.1.2", "Rate", synGauge32, vfReadOnly, nullptr, "$1*2"},
        {},
    };
    UpperCaseMarkers converter;
    KvSNMPConverter& slots = converter;
    converter.VarList.Assign(KvSNMPVarList(table, KvSNMPVarList::kTable, 1));

    EXPECT_EQ(slots.DecodeKey(0, "12.99"), "99");
    EXPECT_EQ(slots.EncodeKey(0), "12");
    slots.VarbindToText(1, Vb(kvSmiGauge32, 21));
    slots.ComputeExpression(1, 1);
    EXPECT_EQ(converter.VarList.Item(1).Value, "42");
    EXPECT_TRUE(slots.TestCondition("$0=12"));
    EXPECT_EQ(converter.substitutions, 2);

    KvVarbind vb;
    slots.TextToVarbind(1, vb);
    EXPECT_EQ(vb.Type, kvSmiGauge32);
    EXPECT_EQ(vb.Integer, 42);
    EXPECT_FALSE(slots.IsColumnEnd("1.3.6.1.4.1.99402.9.1.2", "", "1.3.6.1.4.1.99402.9.1.2.12"));
}

} // namespace
