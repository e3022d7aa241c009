// Arithmetic and condition evaluators, and the number texts they rely on.
#include "kvdatetime.h"
#include "kvexception.h"
#include "kvexpression.h"
#include "kvtextnumbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

TEST(TextNumbers, LenientReading) {
    const struct {
        const char* text;
        int64_t i64;
        int32_t i32;
        uint32_t u32;
        double real;
    } cases[] = {
        {"42", 42, 42, 42, 42.0},
        {"  -17abc", -17, -17, 0, -17.0},
        {"+8", 8, 8, 8, 8.0},
        {"", 0, 0, 0, 0.0},
        {"abc", 0, 0, 0, 0.0},
        {"12.75", 12, 12, 12, 12.75},
        {".5", 0, 0, 0, 0.5},
        {"1e3", 1, 1, 1, 1000.0},
        {"2E", 2, 2, 2, 2.0},            // exponent without digits is not part of the number
        {"4294967295", 4294967295, 2147483647, 4294967295u, 4294967295.0},
        {"99999999999999999999999", std::numeric_limits<int64_t>::max(), 2147483647, 4294967295u, 1e23},
        {"-99999999999999999999999", std::numeric_limits<int64_t>::min(), -2147483647 - 1, 0, -1e23},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadDecimalInt64(c.text), c.i64);
        EXPECT_EQ(ReadDecimalInt32(c.text), c.i32);
        EXPECT_EQ(ReadDecimalUInt32(c.text), c.u32);
        EXPECT_DOUBLE_EQ(ReadDecimalReal(c.text), c.real);
    }
    EXPECT_EQ(ReadDecimalUInt64("18446744073709551615"), 18446744073709551615ull);
    EXPECT_EQ(ReadDecimalUInt64("-1"), 0u);
    EXPECT_TRUE(std::isinf(ReadDecimalReal("1e999")));
    EXPECT_EQ(ReadDecimalReal("1e-999"), 0.0);
}

TEST(TextNumbers, GeneralRealText) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.0, "0"},        {-0.0, "0"},         {14.0, "14"},         {-3.0, "-3"},
        {0.5, "0.5"},      {0.1 + 0.2, "0.3"},  {1e20, "1E20"},       {1.5e-7, "1.5E-7"},
        {0.0001, "0.0001"}, {123456789012345.0, "123456789012345"},
        {std::numeric_limits<double>::infinity(), "INF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FloatToText(c.value), c.text);
    }
}

TEST(TextNumbers, TruncationClampsInsteadOfOverflowing) {
    EXPECT_EQ(TruncateToInt32(-7.9), -7);
    EXPECT_EQ(TruncateToInt32(1e12), 2147483647);
    EXPECT_EQ(TruncateToInt32(std::nan("")), 0);
    EXPECT_EQ(TruncateToUInt32(-1.0), 0u);
    EXPECT_EQ(TruncateToUInt32(70000.9), 70000u);
    EXPECT_EQ(TruncateToUInt64(1e30), std::numeric_limits<uint64_t>::max());
}

struct ArithmeticCase {
    const char* text;
    double value;
};

TEST(EvaluateArithmetic, GroupsAtTheFirstOccurrence) {
    const ArithmeticCase cases[] = {
        {"2+3*4", 14},       {"2*3+4", 10},      {"(1+2)*3", 9},   {"-5+2", -3},
        {"", 0},             {"10-2-3", 11},     {"8/2/2", 8},     {"6/2*3", 18},
        {"(8*8)/1000", 0.064}, {"((2+3))*(1+1)", 10}, {" 7 ", 7},  {"abc+1", 1},
        {"(2+3", 3},         // no matching ")": "(2" reads as 0
        {"1/0", INFINITY},   // the platform's floating-point rules
        {"1/0*0", 0},        // "*" first: the operand "1/0" reads as 1
        {"2.5*4", 10},       {"1e2+1", 101},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(EvaluateArithmetic(c.text), c.value);
    }
}

TEST(EvaluateArithmetic, NowIsTheCurrentDateTimeNumber) {
    const double before = DateTimeNow();
    const double now = EvaluateArithmetic("now");
    const double after = DateTimeNow();
    EXPECT_GE(now, before);
    EXPECT_LE(now, after);
    EXPECT_NEAR(EvaluateArithmetic("NOW-1"), before - 1, 1.0 / 86400);
}

TEST(EvaluateArithmetic, SurvivesPathologicalNesting) {
    const std::string deep = std::string(5000, '(') + "1" + std::string(5000, ')');
    EXPECT_EQ(EvaluateArithmetic(deep), 0.0);   // beyond the nesting limit: unreadable
    std::string chain = "1";
    for (int i = 0; i < 5000; ++i) chain += "+1";
    EXPECT_NO_FATAL_FAILURE(EvaluateArithmetic(chain));
    EXPECT_DOUBLE_EQ(EvaluateArithmetic("((((1+1))))*2"), 4);
}

struct ConditionCase {
    const char* text;
    bool value;
};

TEST(EvaluateCondition, EvaluatesTextComparisonsAndConnectives) {
    const ConditionCase cases[] = {
        {"10<9", true},                  // texts, not numbers
        {"9<10", false},
        {"true", true},                  {"TRUE", true},       {"false", false},
        {" true ", true},
        {"a=a", true},                   {"a<>b", true},       {"a>=a", true},
        {"b<=a", false},                 {"b>a", true},        {" a = a ", true},
        {"enabled=\"enabled\"", true},
        {"x=\"a|b\"", false},            // quoted "|" does not split
        {"b>\"a|b\"", true},
        {"!a=b", true},                  {"!a=a", false},
        {"a=a & !b=c", true},            // blanks before "!" keep a single negation
        {"a=b|c=c", true},               {"a=a&c=d", false},
        {"a=b|c=d&e=e", false},          {"(a=b|c=c)&d=d", true},
        {"(a=a) & (b=b)", true},         {"!(a=a)", false},
        {"x=\"(a)\"", false},            // parentheses inside quotes are text
        {"\"a=b\"=\"a=b\"", true},       // operator inside the first quotes is text
        {"\"\xC3\xA9\">z", true},        // byte codes: 0xC3 sorts after "z"
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(EvaluateCondition(c.text), c.value);
    }
}

TEST(EvaluateCondition, ShortCircuitsBeforeABadOperand) {
    EXPECT_TRUE(EvaluateCondition("a=a|junk"));
    EXPECT_FALSE(EvaluateCondition("a=b&junk"));
}

TEST(EvaluateCondition, BadOperandsRaiseEntryOne) {
    for (const char* text : {"", "junk", "a=a&junk", "maybe", "\"true\"",
                             "a|b=\"a|b\""}) {
        SCOPED_TRACE(text);
        try {
            EvaluateCondition(text);
            ADD_FAILURE() << "no exception";
        } catch (const KvException& e) {
            EXPECT_EQ(e.HelpContext(), -1);
            EXPECT_EQ(e.Message(), "(KvCommon) Bad logic operand!");
        }
    }
    const std::string deep = std::string(5000, '(') + "true" + std::string(5000, ')');
    EXPECT_THROW(EvaluateCondition(deep), KvException);
}

TEST(EvaluateCondition, NowComparesAsItsNumberText) {
    EXPECT_TRUE(EvaluateCondition("NOW>40000"));
    EXPECT_TRUE(EvaluateCondition("\"now\"<9"));
    EXPECT_TRUE(EvaluateCondition("now<>now2"));
}

TEST(Compare, SingleLeaf) {
    EXPECT_TRUE(Compare("\"a|b\"=a|b"));
    EXPECT_TRUE(Compare("x<>y"));
    EXPECT_FALSE(Compare("abc<ab"));
    EXPECT_TRUE(Compare("=\"\""));
    EXPECT_THROW(Compare("abc"), KvException);
}

TEST(Unquote, StripsOnlyAPairOfEndQuotes) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"\"abc\"", "abc"}, {"\"\"", ""}, {"\"", "\""}, {"abc", "abc"},
        {"\"abc", "\"abc"}, {"a\"b\"", "a\"b\""}, {"", ""}, {"\"a\"b\"", "a\"b"},
    };
    for (const auto& c : cases) EXPECT_EQ(Unquote(c.in), c.out) << c.in;
}

} // namespace
