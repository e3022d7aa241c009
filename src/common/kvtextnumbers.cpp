#include "kvtextnumbers.h"

#include <QByteArray>
#include <QString>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipBlanks(std::string_view text, size_t at = 0) {
    while (at < text.size() && IsBlank(text[at])) ++at;
    return at;
}

// Sign and magnitude of the leading decimal integer; the magnitude saturates
// at 2^64-1 instead of overflowing.
void ReadSignedMagnitude(std::string_view text, bool& negative, uint64_t& magnitude) {
    size_t at = SkipBlanks(text);
    negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    magnitude = 0;
    constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        const uint64_t digit = static_cast<uint64_t>(text[at] - '0');
        if (magnitude > (kMax - digit) / 10) {
            magnitude = kMax;
        } else {
            magnitude = magnitude * 10 + digit;
        }
    }
}

} // namespace

int64_t ReadDecimalInt64(std::string_view text) {
    bool negative;
    uint64_t magnitude;
    ReadSignedMagnitude(text, negative, magnitude);
    constexpr uint64_t kMaxPositive = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
    if (negative) {
        if (magnitude > kMaxPositive) return std::numeric_limits<int64_t>::min();
        return -static_cast<int64_t>(magnitude);
    }
    if (magnitude > kMaxPositive) return std::numeric_limits<int64_t>::max();
    return static_cast<int64_t>(magnitude);
}

uint64_t ReadDecimalUInt64(std::string_view text) {
    bool negative;
    uint64_t magnitude;
    ReadSignedMagnitude(text, negative, magnitude);
    return negative ? 0 : magnitude;
}

int32_t ReadDecimalInt32(std::string_view text) {
    const int64_t v = ReadDecimalInt64(text);
    if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(v);
}

uint32_t ReadDecimalUInt32(std::string_view text) {
    const uint64_t v = ReadDecimalUInt64(text);
    if (v > std::numeric_limits<uint32_t>::max()) return std::numeric_limits<uint32_t>::max();
    return static_cast<uint32_t>(v);
}

double ReadDecimalReal(std::string_view text) {
    size_t at = SkipBlanks(text);
    const size_t start = at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    size_t digits = 0;
    while (at < text.size() && IsDigit(text[at])) { ++at; ++digits; }
    if (at < text.size() && text[at] == '.') {
        size_t afterPoint = at + 1;
        size_t fraction = 0;
        while (afterPoint < text.size() && IsDigit(text[afterPoint])) { ++afterPoint; ++fraction; }
        if (digits + fraction > 0) {
            at = afterPoint;
            digits += fraction;
        }
    }
    if (digits == 0) return 0.0;
    // An exponent counts only when at least one digit follows it.
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        size_t e = at + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
        if (e < text.size() && IsDigit(text[e])) {
            while (e < text.size() && IsDigit(text[e])) ++e;
            at = e;
        }
    }
    std::string number(text.substr(start, at - start));
    bool negative = false;
    size_t from = 0;
    if (number[0] == '+' || number[0] == '-') {
        negative = number[0] == '-';
        from = 1;
    }
    double value = 0.0;
    const char* first = number.data() + from;
    const char* last = number.data() + number.size();
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Either overflow or underflow: tell them apart by the exponent's sign.
        const size_t e = number.find_first_of("eE");
        const bool tiny = e != std::string::npos && e + 1 < number.size() && number[e + 1] == '-';
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (result.ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

bool TryParseInt32(std::string_view text, int32_t& value) {
    size_t at = SkipBlanks(text);
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    if (at >= text.size()) return false;
    int64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        if (!IsDigit(text[at])) return false;
        magnitude = magnitude * 10 + (text[at] - '0');
        if (magnitude > int64_t{1} << 31) return false;
    }
    const int64_t v = negative ? -magnitude : magnitude;
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max()) return false;
    value = static_cast<int32_t>(v);
    return true;
}

std::string FloatToText(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    if (value == 0.0) return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string text(buffer);
    const size_t e = text.find('e');
    if (e == std::string::npos) return text;
    // "1.5e-07" -> "1.5E-7", "1e+20" -> "1E20"
    std::string mantissa = text.substr(0, e);
    std::string exponent = text.substr(e + 1);
    std::string sign;
    if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) {
        if (exponent[0] == '-') sign = "-";
        exponent.erase(0, 1);
    }
    const size_t nonZero = exponent.find_first_not_of('0');
    exponent = nonZero == std::string::npos ? "0" : exponent.substr(nonZero);
    return mantissa + "E" + sign + exponent;
}

int32_t TruncateToInt32(double value) {
    if (std::isnan(value)) return 0;
    const double t = std::trunc(value);
    if (t <= static_cast<double>(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
    if (t >= static_cast<double>(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(t);
}

uint32_t TruncateToUInt32(double value) {
    if (std::isnan(value)) return 0;
    const double t = std::trunc(value);
    if (t <= 0.0) return 0;
    if (t >= static_cast<double>(std::numeric_limits<uint32_t>::max())) return std::numeric_limits<uint32_t>::max();
    return static_cast<uint32_t>(t);
}

uint64_t TruncateToUInt64(double value) {
    if (std::isnan(value)) return 0;
    const double t = std::trunc(value);
    if (t <= 0.0) return 0;
    // 2^64 is exactly representable; anything at or above it clamps.
    if (t >= 18446744073709551616.0) return std::numeric_limits<uint64_t>::max();
    return static_cast<uint64_t>(t);
}

std::string TrimBlanks(std::string_view text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && IsBlank(text[first])) ++first;
    while (last > first && IsBlank(text[last - 1])) --last;
    return std::string(text.substr(first, last - first));
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    bool ascii = true;
    for (unsigned char c : a) ascii = ascii && c < 0x80;
    for (unsigned char c : b) ascii = ascii && c < 0x80;
    if (ascii) {
        if (a.size() != b.size()) return false;
        for (size_t i = 0; i < a.size(); ++i) {
            char x = a[i], y = b[i];
            if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
            if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
            if (x != y) return false;
        }
        return true;
    }
    const QString qa = QString::fromUtf8(a.data(), static_cast<qsizetype>(a.size()));
    const QString qb = QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size()));
    // Bytes that are not UTF-8 would all decode to the replacement character
    // and compare equal; such texts are compared byte by byte instead.
    const auto isUtf8 = [](const QString& decoded, std::string_view raw) {
        const QByteArray back = decoded.toUtf8();
        return std::string_view(back.constData(), static_cast<size_t>(back.size())) == raw;
    };
    if (!isUtf8(qa, a) || !isUtf8(qb, b)) return a == b;
    return qa.compare(qb, Qt::CaseInsensitive) == 0;
}
