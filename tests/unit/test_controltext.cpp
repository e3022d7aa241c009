// The widget-free half of the control bindings: partial data, bit parts,
// values on several edits, outcome lines, and the LED colour maps.
#include "kvexception.h"
#include "kvoptionlist.h"
#include "kvsnmpcontroltext.h"
#include "kvsnmpledcolormaplist.h"
#include "kvsnmpvalue.h"

#include <gtest/gtest.h>

namespace {

KvSNMPVar Var(uint32_t syntax, const std::string& value, const KvOptionList* options = nullptr) {
    KvSNMPVar v;
    v.Syntax = syntax;
    v.Value = value;
    v.Options = options;
    return v;
}

int CodeOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const KvException& e) {
        return e.HelpContext();
    }
    return 0;
}

TEST(ControlText, PartialDataReadsAndWritesItsOctetsOnly) {
    std::string image;
    const KvSNMPVar var = Var(synOctetString, "00011234");
    EXPECT_EQ(KvSNMPControlText::PartText(var, 2, synPartInt2, nullptr, &image), "4660");
    EXPECT_EQ(image, std::string("\x12\x34", 2));
    EXPECT_EQ(KvSNMPControlText::PartText(var, 0, synPartUInt1, nullptr, nullptr), "0");
    EXPECT_EQ(CodeOf([] { KvSNMPControlText::PartText(Var(synOctetString, "000112"), 2, synPartInt2, nullptr, nullptr); }),
              -519);
    // An absent value shows as "(NULL)" whatever the part.
    EXPECT_EQ(KvSNMPControlText::PartText(Var(synOctetString, "(NULL)"), 2, synPartInt2, nullptr, nullptr), "(NULL)");
    EXPECT_EQ(KvSNMPControlText::PartText(Var(synOctetString, "(NOTDONE)"), 0, synOctetString, nullptr, &image),
              "(NOTDONE)");
    EXPECT_TRUE(image.empty());

    std::string octets = HexToOctets("00010000");
    KvSNMPControlText::WritePart(octets, 2, TextToOctets("4660", synPartInt2));
    EXPECT_EQ(OctetsToHex(octets), "00011234");
    octets.clear();
    KvSNMPControlText::WritePart(octets, 2, TextToOctets("4660", synPartInt2));
    EXPECT_EQ(OctetsToHex(octets), "00001234");
}

TEST(ControlText, OptionListsMapWholeValuesAndParts) {
    static const _Option_s kState[] = {{1, "enabled"}, {2, "disabled"}, {}};
    const KvOptionList options(kState, KvOptionList::kIntegerValues);
    EXPECT_EQ(KvSNMPControlText::PartText(Var(synInteger, "disabled", &options), 0, synInteger, &options, nullptr),
              "disabled");
    EXPECT_EQ(KvSNMPControlText::PartText(Var(synInteger, "7", &options), 0, synInteger, &options, nullptr), "7");
    EXPECT_EQ(KvSNMPControlText::PartText(Var(synOctetString, "0002"), 1, synPartUInt1, &options, nullptr),
              "disabled");
    EXPECT_EQ(OctetsToHex(KvSNMPControlText::ValueImage(Var(synInteger, "disabled", &options))), "02000000");
}

TEST(ControlText, BitPartsSetAndClearTheirBitsOnly) {
    std::vector<int32_t> bits;
    for (int b = 0; b < 26; ++b) bits.push_back(b);
    std::vector<bool> checked(26, false);
    checked[0] = checked[1] = checked[25] = true;
    EXPECT_EQ(OctetsToHex(KvSNMPControlText::BitsToOctets(bits, checked)), "C0000040");
    EXPECT_EQ(OctetsToHex(KvSNMPControlText::BitsToOctets({8}, {true})), "0080");
    EXPECT_EQ(OctetsToHex(KvSNMPControlText::BitsToOctets({}, {})), "");
}

TEST(ControlText, ValuesSpreadOverSeveralEditsAndBack) {
    struct Case {
        uint32_t Syntax;
        const char* Value;
        int Edits;
        std::vector<std::string> Texts;
        const char* Back;  // what the edits give back
    };
    const Case cases[] = {
        {synIpAddress, "10.90.90.90", 4, {"10", "90", "90", "90"}, "10.90.90.90"},
        {synMacAddress, "0080C8010203", 6, {"00", "80", "C8", "01", "02", "03"}, "0080C8010203"},
        {synOctetString, "0A0B", 3, {"0A", "0B", ""}, "0A0B00"},
        {synObjectId, "1.3.6", 3, {"1", "3", "6"}, "1.3.6"},
        {synTimeTicks, "2 days, 4:05:06.07", 5, {"2", "4", "5", "6", "7"}, "2 days, 4:05:06.07"},
        {synDateAndTime, "2005-3-7,14:5:9.3,-5:30", 10, {"2005", "3", "7", "14", "5", "9", "3", "-", "5", "30"},
         "2005-3-7,14:5:9.3,-5:30"},
        {synDateTimeDouble, "2005/03/07 02:05:09 pm", 7, {"2005", "3", "7", "14", "5", "9", "0"},
         "2005/03/07 02:05:09 pm"},
        {synInteger, "42", 2, {"42", ""}, "42"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Value);
        const std::string image = TextToOctets(c.Value, c.Syntax);
        const auto texts = KvSNMPControlText::EditTexts(c.Value, image, c.Syntax, c.Edits);
        ASSERT_EQ(texts.size(), static_cast<size_t>(c.Edits));
        std::vector<std::string> shown;
        for (const auto& t : texts) shown.push_back(t.value_or(""));
        EXPECT_EQ(shown, c.Texts);
        EXPECT_EQ(KvSNMPControlText::ValueFromEdits(shown, c.Syntax), c.Back);
    }
    // Absent values leave the address, time and date edits alone.
    for (uint32_t syntax : {synIpAddress, synTimeTicks, synMacAddress, synDateAndTime, synDateTimeDouble}) {
        for (const auto& t : KvSNMPControlText::EditTexts("(NULL)", "", syntax, 16)) EXPECT_FALSE(t) << syntax;
    }
    // One-digit and empty octet edits.
    EXPECT_EQ(KvSNMPControlText::ValueFromEdits({"A", "", "1F"}, synOctetString), "0A001F");
}

TEST(ControlText, TooFewEditsRaise522) {
    struct Case {
        uint32_t Syntax;
        const char* Value;
        int Edits;
    };
    const Case cases[] = {
        {synIpAddress, "10.1.2.3", 3},   {synMacAddress, "0080C8010203", 5}, {synOctetString, "0A0B0C", 2},
        {synObjectId, "1.3.6.1", 3},     {synTimeTicks, "0:00:01.00", 4},    {synDateAndTime, "2005-3-7,1:2:3.0", 9},
        {synDateTimeDouble, "2005/03/07 02:05:09 pm", 6}, {synAddress16, "00", 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Value);
        EXPECT_EQ(CodeOf([&] { KvSNMPControlText::EditTexts(c.Value, TextToOctets(c.Value, c.Syntax), c.Syntax, c.Edits); }),
                  -522);
        if (c.Syntax != synOctetString && c.Syntax != synObjectId)
            EXPECT_EQ(CodeOf([&] { KvSNMPControlText::ValueFromEdits(std::vector<std::string>(c.Edits), c.Syntax); }),
                      -522);
    }
}

TEST(ControlText, OutcomeLines) {
    const std::string get = "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].";
    const QTime morning(10, 15, 2);
    EXPECT_EQ(KvSNMPControlText::StatusLine(get, "", "(DeRIRA++) Ok!", morning),
              "Get: (DeRIRA++) Ok!. Receive at 10:15:02 AM.");
    EXPECT_EQ(KvSNMPControlText::StatusLine(get, " Led Status", "(SNMPClass) SNMP request timed out!", QTime(15, 4, 5)),
              "Get: (SNMPClass) SNMP request timed out! Request: Led Status. Receive at 03:04:05 PM.");
    // Texts that look like placeholders are not replaced again.
    EXPECT_EQ(KvSNMPControlText::StatusLine(get, "[TIME]", "[VARLIST]", morning),
              "Get: [VARLIST] Request:[TIME]. Receive at 10:15:02 AM.");
    // A template without the placeholders in order loses nothing else.
    EXPECT_EQ(KvSNMPControlText::StatusLine("[VARLIST] [ERROR]", "", "x", morning), " x");
    EXPECT_EQ(KvSNMPControlText::TimeText(QTime(0, 5, 9)), "12:05:09 AM");
    EXPECT_EQ(KvSNMPControlText::TimeText(QTime(12, 0, 0)), "12:00:00 PM");
    EXPECT_EQ(KvSNMPControlText::TimeText(QTime(23, 59, 59)), "11:59:59 PM");
}

const _LedColor_s kMapA[] = {{0, 0x000000}, {2, 0x00FF00}, {4, 0x00FF00}, {0, -1}};

TEST(LedColorMap, OctetsBecomeColoursAndBlinking) {
    const KvSNMPLedColorMapList a(kMapA, 7, 128, 0x000000, 0xFFFFFF);
    ASSERT_EQ(a.Entries.size(), 3u);
    EXPECT_EQ(a.Lookup(2), 0x00FF00);
    EXPECT_EQ(a.Lookup(3), 0);

    struct Case {
        const char* Octets;  // hexadecimal
        int Index;
        int Mode;
        int32_t Color;
        bool Blinking;
    };
    const Case cases[] = {
        {"0282", 1, 1, 0x00FF00, true},   // lime, blinking
        {"0203", 1, 1, 0x000000, false},  // no entry for 3: black
        {"0284", 0, 1, 0x00FF00, false},
        {"02", 1, 1, 0xFFFFFF, false},    // beyond the value: missing colour
        {"02020202", 1, 2, 0x00FF00, false},  // status octets read as in mode 1
        {"0202020282 04", 4, 2, 0x00FF00, true},  // pair: state, then colour value
        {"020202020100", 4, 2, 0xFFFFFF, false},  // state 1: missing
        {"0202020280", 4, 2, 0xFFFFFF, false},    // the colour octet is not there
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Octets) + " @" + std::to_string(c.Index));
        int32_t color = 12345;
        bool blinking = !c.Blinking;
        a.Decode(HexToOctets(c.Octets), c.Index, c.Mode, 4, color, blinking);
        EXPECT_EQ(color, c.Color);
        EXPECT_EQ(blinking, c.Blinking);
    }

    const KvSNMPLedColorMapList strict(kMapA, 7, 128, 0x000000, -1);
    int32_t color = 0;
    bool blinking = false;
    EXPECT_EQ(CodeOf([&] { strict.Decode(HexToOctets("02"), 1, 1, 4, color, blinking); }), -519);
    EXPECT_EQ(CodeOf([&] { strict.Decode(HexToOctets("0202020280"), 4, 2, 4, color, blinking); }), -519);
    strict.Decode(HexToOctets("020202020100"), 4, 2, 4, color, blinking);
    EXPECT_EQ(color, 0x000000);  // a missing pair without missing colour stays dark
}

} // namespace
