// Option lists, number lists, binary strings and DateAndTime texts.
#include "kvbinarystring.h"
#include "kvdatetime.h"
#include "kvexception.h"
#include "kvnumlist.h"
#include "kvoptionlist.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

const _Option_s kStorageTypeOptions[] = {
    {1, "other"}, {2, "volatile"}, {3, "nonVolatile"}, {4, "permanent"}, {5, "readOnly"}, {},
};

const _Option_s kAuthProtocolOptions[] = {
    {"1.3.6.1.6.3.10.1.1.1", "None"},
    {"1.3.6.1.6.3.10.1.1.2", "MD5"},
    {"1.3.6.1.6.3.10.1.1.3", "SHA"},
    {},
};

// Records what an option list does to a combo box or radio group.
class RecordingChoice : public KvChoiceControl {
public:
    std::vector<std::string> items;
    int selected = -2;
    int clears = 0;
    void ClearItems() override { items.clear(); ++clears; }
    void AddItem(const std::string& caption) override { items.push_back(caption); }
    void SetSelectedIndex(int index) override { selected = index; }
};

TEST(OptionList, BuildsFromTablesUpToTheNullCaption) {
    KvOptionList list(kStorageTypeOptions, KvOptionList::kIntegerValues);
    EXPECT_EQ(list.Kind(), 1u);
    EXPECT_FALSE(list.CaseSensitive());
    ASSERT_EQ(list.Count(), 5);
    EXPECT_EQ(list.Item(2).Value, 3);
    EXPECT_EQ(list.Item(2).Text, "nonVolatile");

    // A terminator's value is ignored; a second table appends after the first.
    const _Option_s more[] = {{9, "nine"}, {77, nullptr}, {10, "ten"}};
    list.AddTable(more);
    ASSERT_EQ(list.Count(), 6);
    EXPECT_EQ(list.Item(5).Text, "nine");

    KvOptionList empty(nullptr, KvOptionList::kIntegerValues);
    EXPECT_EQ(empty.Count(), 0);
    EXPECT_THROW(list.Item(6), KvException);
    EXPECT_THROW(list.Item(-1), KvException);
}

struct MappingCase {
    const char* input;
    const char* valueToText;
    const char* textToValue;
    int indexOfValue;
    int indexOfText;
};

TEST(OptionList, IntegerListMapsBothWays) {
    const KvOptionList list(kStorageTypeOptions, KvOptionList::kIntegerValues);
    const MappingCase cases[] = {
        {"3", "nonVolatile", "3", 2, -1},
        {"NONVOLATILE", "NONVOLATILE", "3", -1, 2},   // case-insensitive list
        {"9", "9", "9", -1, -1},                      // no option: passes through
        {"(NULL)", "(NULL)", "(NULL)", -1, -1},
        {"abc", "abc", "abc", -1, -1},                // not a number: no value
        {" 2", "volatile", " 2", 1, -1},
        {"2x", "2x", "2x", -1, -1},
        {"99999999999", "99999999999", "99999999999", -1, -1},
        {"", "", "", -1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(list.ValueToText(c.input), c.valueToText);
        EXPECT_EQ(list.TextToValue(c.input), c.textToValue);
        EXPECT_EQ(list.IndexOfValue(c.input), c.indexOfValue);
        EXPECT_EQ(list.IndexOfText(c.input), c.indexOfText);
    }
}

TEST(OptionList, NullTextIsNeverAValueEvenAsACaption) {
    const _Option_s table[] = {{0, "(NULL)"}, {1, "one"}, {}};
    const KvOptionList list(table, KvOptionList::kIntegerValues);
    EXPECT_EQ(list.IndexOfValue("(NULL)"), -1);
    EXPECT_EQ(list.IndexOfText("(NULL)"), 0);
}

TEST(OptionList, TextListComparesValueTextsByCaseRule) {
    const KvOptionList list(kAuthProtocolOptions, KvOptionList::kTextValues);
    EXPECT_EQ(list.ValueToText("1.3.6.1.6.3.10.1.1.2"), "MD5");
    EXPECT_EQ(list.TextToValue("sha"), "1.3.6.1.6.3.10.1.1.3");
    EXPECT_EQ(list.IndexOfValue("1.3.6.1.6.3.10.1.1.9"), -1);
    EXPECT_EQ(list.IndexOfValue("(NULL)"), -1);

    const KvOptionList exact(kAuthProtocolOptions, KvOptionList::kTextValues, true);
    EXPECT_EQ(exact.TextToValue("sha"), "sha");
    EXPECT_EQ(exact.TextToValue("SHA"), "1.3.6.1.6.3.10.1.1.3");
}

TEST(OptionList, CaseRuleCoversNonAsciiCaptions) {
    const _Option_s table[] = {{1, "Ärger"}, {}};
    EXPECT_EQ(KvOptionList(table, 1).IndexOfText("äRGER"), 0);
    EXPECT_EQ(KvOptionList(table, 1, true).IndexOfText("äRGER"), -1);
    // Bytes that are not UTF-8 are not all alike.
    const _Option_s raw[] = {{1, "\xFF"}, {}};
    EXPECT_EQ(KvOptionList(raw, 1).IndexOfText("\xFE"), -1);
    EXPECT_EQ(KvOptionList(raw, 1).IndexOfText("\xFF"), 0);
}

TEST(OptionList, FillsAndSelectsInChoiceControls) {
    const _Option_s table[] = {{1, "enabled"}, {2, "disabled"}, {}};
    const KvOptionList list(table, KvOptionList::kIntegerValues);
    for (bool radio : {false, true}) {
        SCOPED_TRACE(radio ? "radio group" : "combo box");
        RecordingChoice control;
        control.items = {"stale"};
        radio ? list.FillRadioGroup(control) : list.FillComboBox(control);
        EXPECT_EQ(control.clears, 1);
        EXPECT_EQ(control.items, (std::vector<std::string>{"enabled", "disabled"}));

        auto select = [&](const std::string& text) {
            radio ? list.SelectInRadioGroup(control, text) : list.SelectInComboBox(control, text);
            return control.selected;
        };
        EXPECT_EQ(select("DISABLED"), 1);  // by caption
        EXPECT_EQ(select("2"), 1);         // captions are not numbers: by value
        EXPECT_EQ(select("7"), -1);        // neither: no selection
    }
}

// --- KvNumList ---------------------------------------------------------------------

struct NumListCase {
    char delimiter;
    const char* text;
    std::vector<int32_t> items;
};

TEST(NumList, ParsesAsWritten) {
    const NumListCase cases[] = {
        {',', "1,5,,24", {1, 5, 0, 24}},
        {',', "", {}},
        {',', "7", {7}},
        {',', "12.9,3", {12, 3}},       // fraction digits are dropped
        {',', ",", {0, 0}},
        {',', "1, 2", {1, 2}},          // characters other than digits are ignored
        {'.', "10.1.2.3", {10, 1, 2, 3}},
        {'.', "1..2", {1, 0, 2}},
        {'-', "3.7-4", {3, 4}},
        {',', "-5", {5}},
        {',', "4294967297", {1}},       // wraps modulo 2^32 instead of overflowing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        KvIntList list;
        list.Delimiter = c.delimiter;
        list.Parse("9,9,9");
        list.Parse(c.text);
        EXPECT_EQ(list.Items(), c.items);
        EXPECT_EQ(list.Count(), static_cast<int>(c.items.size()));
    }
}

TEST(NumList, StartsWithDotDelimiterAndLooksUp) {
    KvIntList list;
    EXPECT_EQ(list.Delimiter, '.');
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(list.AllInRange(5, 6));  // empty list

    list.Parse("3.8.3");
    EXPECT_EQ(list.Item(1), 8);
    EXPECT_EQ(list.IndexOf(3), 0);
    EXPECT_EQ(list.IndexOf(4), -1);
    EXPECT_TRUE(list.AllInRange(3, 8));
    EXPECT_FALSE(list.AllInRange(4, 8));
    EXPECT_FALSE(list.AllInRange(3, 7));
    EXPECT_THROW(list.Item(3), KvException);
}

TEST(NumList, UnsignedListComparesAsUnsigned) {
    KvUIntList list;
    list.Delimiter = ',';
    list.Parse("4294967295,1");
    EXPECT_EQ(list.Item(0), 4294967295u);
    EXPECT_TRUE(list.AllInRange(1, 4294967295u));
    EXPECT_FALSE(list.AllInRange(1, 2147483647u));

    KvIntList signedList;
    signedList.Delimiter = ',';
    signedList.Parse("4294967295");
    EXPECT_EQ(signedList.Item(0), -1);
}

// --- KvBinaryString ----------------------------------------------------------------

TEST(BinaryString, ReadsPairsOfHexDigits) {
    const struct {
        const char* text;
        std::string bytes;
    } cases[] = {
        {"0aFf1", std::string("\x0A\xFF", 2)},
        {"", std::string()},
        {"7", std::string()},
        {"00A0", std::string("\x00\xA0", 2)},
        {"zz1G", std::string("\x00\x10", 2)},  // non-hex characters count as 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const KvBinaryString b(c.text);
        EXPECT_EQ(b.Length(), static_cast<int>(c.bytes.size()));
        EXPECT_EQ(b.Data(), c.bytes);
    }
    KvBinaryString copy;
    EXPECT_EQ(copy.Length(), 0);
    copy = KvBinaryString("0102");
    EXPECT_EQ(copy.Byte(1), 2);
    EXPECT_THROW(copy.Byte(2), KvException);
}

// --- KvDateTime ---------------------------------------------------------------------

struct DateTimeCase {
    const char* text;
    uint16_t year;
    uint8_t month, day, hour, minute, second, deci;
    char direction;
    uint8_t utcHours, utcMinutes;
    const char* written;
};

TEST(DateTime, ReadsTheThreePatternsAndWritesThemBack) {
    const DateTimeCase cases[] = {
        {"2005-3-7,14:5:9.0,+8:0", 2005, 3, 7, 14, 5, 9, 0, '+', 8, 0, "2005-3-7,14:5:9.0,+8:0"},
        {"2005-3-7,14:5:9.0,-5:30", 2005, 3, 7, 14, 5, 9, 0, '-', 5, 30, "2005-3-7,14:5:9.0,-5:30"},
        {"2005-3-7,14:5:9.0", 2005, 3, 7, 14, 5, 9, 0, '+', 0, 0, "2005-3-7,14:5:9.0"},
        {"1992-05-26,13:30:15.3,+0:0", 1992, 5, 26, 13, 30, 15, 3, '+', 0, 0, "1992-5-26,13:30:15.3"},
        {"2005-3-7,14:5:9.0,+8", 2005, 3, 7, 14, 5, 9, 0, '+', 0, 0, "2005-3-7,14:5:9.0"},
        {"2005-3-7", 2005, 3, 7, 0, 0, 0, 0, '+', 0, 0, "2005-3-7,0:0:0.0"},   // fields not reached: 0
        {"", 0, 0, 0, 0, 0, 0, 0, '+', 0, 0, "0-0-0,0:0:0.0"},
        {"70000-300-1,1:1:1.1", 4464, 44, 1, 1, 1, 1, 1, '+', 0, 0, "4464-44-1,1:1:1.1"},  // cut to widths
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const KvDateTime dt(c.text);
        EXPECT_EQ(dt.Year, c.year);
        EXPECT_EQ(dt.Month, c.month);
        EXPECT_EQ(dt.Day, c.day);
        EXPECT_EQ(dt.Hour, c.hour);
        EXPECT_EQ(dt.Minute, c.minute);
        EXPECT_EQ(dt.Second, c.second);
        EXPECT_EQ(dt.DeciSecond, c.deci);
        EXPECT_EQ(dt.Direction, c.direction);
        EXPECT_EQ(dt.UtcHours, c.utcHours);
        EXPECT_EQ(dt.UtcMinutes, c.utcMinutes);
        EXPECT_EQ(dt.ToText(), c.written);
    }
}

TEST(DateTime, ByteOrderHelpers) {
    KvDateTime dt("2005-3-7,14:5:9.0,-5:30");
    const std::string octets = dt.ToNetworkOctets();
    EXPECT_EQ(octets, std::string("\x07\xD5\x03\x07\x0E\x05\x09\x00-\x05\x1E", 11));
    EXPECT_EQ(KvDateTime::FromNetworkOctets(octets).ToText(), "2005-3-7,14:5:9.0,-5:30");
    // The 8-octet form has no zone.
    EXPECT_EQ(KvDateTime::FromNetworkOctets(octets.substr(0, 8)).ToText(), "2005-3-7,14:5:9.0");

    dt.SwapYearBytes();
    EXPECT_EQ(dt.Year, 0xD507);
    dt.SwapYearBytes();
    EXPECT_EQ(dt.Year, 2005);

    const KvDateTime copy = dt;
    EXPECT_EQ(copy.ToText(), dt.ToText());
}

TEST(DateTime, DefaultIsNowWithoutZone) {
    const KvDateTime now;
    EXPECT_GE(now.Year, 2024);
    EXPECT_GE(now.Month, 1);
    EXPECT_LE(now.Month, 12);
    EXPECT_EQ(now.DeciSecond, 0);
    EXPECT_EQ(now.Direction, '+');
    EXPECT_EQ(now.UtcHours, 0);
    EXPECT_EQ(now.UtcMinutes, 0);
}

TEST(DateTime, DateTimeNumbersAndTheirText) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.0, "1899/12/30 12:00:00 am"},
        {38418.5, "2005/03/07 12:00:00 pm"},
        {38418.0 + (14 * 3600 + 5 * 60 + 9) / 86400.0, "2005/03/07 02:05:09 pm"},
        {-1.25, "1899/12/29 06:00:00 am"},
        {2.75, "1900/01/01 06:00:00 pm"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DateTimeToText(c.value), c.text);
        EXPECT_NEAR(TextToDateTime(c.text), c.value, 1e-9);
    }
    EXPECT_NEAR(TextToDateTime("2005/03/07 14:05:09"), cases[2].value, 1e-9);  // 24-hour clock
    EXPECT_NEAR(TextToDateTime("2005/3/7"), 38418.0, 1e-9);
    EXPECT_EQ(TextToDateTime("2005/02/30 01:00:00 am"), 0.0);   // not a date
    EXPECT_EQ(TextToDateTime("2005/03/07 13:00:00 pm"), 0.0);
    EXPECT_EQ(TextToDateTime("38418.5"), 38418.5);              // a plain number
    EXPECT_EQ(DateTimeToText(1e300), "1E300");                  // beyond year 9999
    EXPECT_EQ(DateTimeToText(std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_GT(DateTimeNow(), 45000.0);
}

} // namespace
