#include "kvsnmpvalue.h"

#include "kvdatetime.h"
#include "kvmessages.h"
#include "kvsnmpvarlist.h"
#include "kvtextnumbers.h"

#include <cstdio>
#include <cstring>
#include <limits>

namespace {

constexpr uint32_t kTicksPerDay = 8640000;
constexpr uint32_t kTicksPerHour = 360000;
constexpr uint32_t kTicksPerMinute = 6000;
constexpr uint32_t kTicksPerSecond = 100;

uint64_t SaturatingAdd(uint64_t a, uint64_t b) {
    return a > std::numeric_limits<uint64_t>::max() - b ? std::numeric_limits<uint64_t>::max() : a + b;
}

uint64_t SaturatingMul(uint64_t a, uint64_t b) {
    if (a != 0 && b > std::numeric_limits<uint64_t>::max() / a) return std::numeric_limits<uint64_t>::max();
    return a * b;
}

uint64_t ReadPart(const std::string& text, size_t from, size_t to) {
    return ReadDecimalUInt64(std::string_view(text).substr(from, to - from));
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

void AppendBE16(std::string& octets, uint32_t value) {
    octets.push_back(static_cast<char>((value >> 8) & 0xFF));
    octets.push_back(static_cast<char>(value & 0xFF));
}

uint32_t ReadBE16(const std::string& octets, size_t at) {
    return (static_cast<uint32_t>(static_cast<uint8_t>(octets[at])) << 8) |
           static_cast<uint8_t>(octets[at + 1]);
}

// Sub-identifiers of a dotted OID text; empty pieces (a leading ".") are skipped.
std::string OidTextToOctets(const std::string& text) {
    std::string octets;
    size_t from = 0;
    while (from <= text.size()) {
        size_t dot = text.find('.', from);
        if (dot == std::string::npos) dot = text.size();
        if (dot > from) AppendLE32(octets, ReadDecimalUInt32(std::string_view(text).substr(from, dot - from)));
        from = dot + 1;
    }
    return octets;
}

} // namespace

// --- Time ticks ------------------------------------------------------------------

std::string TimeTicksToText(uint32_t ticks) {
    const unsigned long days = ticks / kTicksPerDay;
    const uint32_t rest = ticks % kTicksPerDay;
    const unsigned long h = rest / kTicksPerHour;
    const unsigned long m = rest % kTicksPerHour / kTicksPerMinute;
    const unsigned long s = rest % kTicksPerMinute / kTicksPerSecond;
    const unsigned long c = rest % kTicksPerSecond;
    char buffer[64];
    if (days == 0) {
        std::snprintf(buffer, sizeof buffer, "%lu:%02lu:%02lu.%02lu", h, m, s, c);
    } else if (days == 1) {
        std::snprintf(buffer, sizeof buffer, "1 day %lu:%02lu:%02lu.%02lu", h, m, s, c);
    } else {
        std::snprintf(buffer, sizeof buffer, "%lu days, %lu:%02lu:%02lu.%02lu", days, h, m, s, c);
    }
    return buffer;
}

uint32_t TextToTimeTicks(const std::string& text) {
    uint64_t total = 0;
    size_t at = 0;
    auto add = [&total](uint64_t count, uint64_t unit) { total = SaturatingAdd(total, SaturatingMul(count, unit)); };

    if (size_t k = text.find("days", at); k != std::string::npos) {
        add(ReadPart(text, at, k), kTicksPerDay);
        at = k + 4;
    } else if (size_t k2 = text.find("day", at); k2 != std::string::npos) {
        add(ReadPart(text, at, k2), kTicksPerDay);
        at = k2 + 3;
    }
    if (size_t k = text.find(',', at); k != std::string::npos) at = k + 1;

    if (size_t k = text.find(':', at); k != std::string::npos) {
        add(ReadPart(text, at, k), kTicksPerHour);
        at = k + 1;
        if (size_t k2 = text.find(':', at); k2 != std::string::npos) {
            add(ReadPart(text, at, k2), kTicksPerMinute);
            at = k2 + 1;
            if (size_t k3 = text.find('.', at); k3 != std::string::npos) {
                add(ReadPart(text, at, k3), kTicksPerSecond);
                add(ReadPart(text, k3 + 1, text.size()), 1);
            } else {
                // "h:mm:ss" without hundredths: the seconds still count.
                add(ReadPart(text, at, text.size()), kTicksPerSecond);
            }
        } else {
            // "h:mm": the minutes still count.
            add(ReadPart(text, at, text.size()), kTicksPerMinute);
        }
    }
    return total > std::numeric_limits<uint32_t>::max() ? std::numeric_limits<uint32_t>::max()
                                                        : static_cast<uint32_t>(total);
}

// --- Hexadecimal -----------------------------------------------------------------

std::string OctetsToHex(const std::string& octets) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(octets.size() * 2);
    for (char c : octets) {
        const auto byte = static_cast<uint8_t>(c);
        text.push_back(kDigits[byte >> 4]);
        text.push_back(kDigits[byte & 0x0F]);
    }
    return text;
}

std::string HexToOctets(const std::string& text) {
    std::string digits;
    digits.reserve(text.size());
    for (char c : text)
        if (!IsBlank(c)) digits.push_back(c);
    std::string octets;
    octets.reserve(digits.size() / 2 + 1);
    size_t at = 0;
    if (digits.size() % 2 == 1) {
        octets.push_back(static_cast<char>(HexDigit(digits[0])));
        at = 1;
    }
    for (; at + 1 < digits.size(); at += 2)
        octets.push_back(static_cast<char>((HexDigit(digits[at]) << 4) | HexDigit(digits[at + 1])));
    return octets;
}

// --- Dotted addresses ------------------------------------------------------------

std::string DottedToIpOctets(const std::string& text) {
    std::string octets(4, '\0');
    size_t from = 0;
    for (int i = 0; i < 4 && from <= text.size(); ++i) {
        size_t dot = text.find('.', from);
        if (dot == std::string::npos) dot = text.size();
        octets[static_cast<size_t>(i)] =
            static_cast<char>(ReadDecimalUInt32(std::string_view(text).substr(from, dot - from)) & 0xFF);
        from = dot + 1;
    }
    return octets;
}

std::string IpOctetsToDotted(const std::string& octets) {
    std::string text;
    for (size_t i = 0; i < 4 && i < octets.size(); ++i) {
        if (i) text += '.';
        text += std::to_string(static_cast<uint8_t>(octets[i]));
    }
    return text;
}

// --- Little-endian helpers -------------------------------------------------------

uint32_t ReadLE32(const std::string& octets, size_t at) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) value |= static_cast<uint32_t>(static_cast<uint8_t>(octets[at + i])) << (8 * i);
    return value;
}

uint64_t ReadLE64(const std::string& octets, size_t at) {
    return static_cast<uint64_t>(ReadLE32(octets, at)) | (static_cast<uint64_t>(ReadLE32(octets, at + 4)) << 32);
}

void AppendLE32(std::string& octets, uint32_t value) {
    for (int i = 0; i < 4; ++i) octets.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void AppendLE64(std::string& octets, uint64_t value) {
    AppendLE32(octets, static_cast<uint32_t>(value));
    AppendLE32(octets, static_cast<uint32_t>(value >> 32));
}

double BitsToDouble(uint64_t bits) {
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

uint64_t DoubleToBits(double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// --- Bit strings -------------------------------------------------------------------

bool OctetBit(const std::string& octets, int bit) {
    if (bit < 0 || static_cast<size_t>(bit) / 8 >= octets.size()) RaiseDeRIRA(-519);
    return (static_cast<uint8_t>(octets[static_cast<size_t>(bit) / 8]) & (0x80u >> (bit % 8))) != 0;
}

void SetOctetBit(std::string& octets, int bit, bool on) {
    if (bit < 0 || static_cast<size_t>(bit) / 8 >= octets.size()) RaiseDeRIRA(-519);
    auto& octet = octets[static_cast<size_t>(bit) / 8];
    const auto mask = static_cast<uint8_t>(0x80u >> (bit % 8));
    octet = static_cast<char>(on ? (static_cast<uint8_t>(octet) | mask) : (static_cast<uint8_t>(octet) & ~mask));
}

// --- Octet images ------------------------------------------------------------------

int MinimumOctets(uint32_t syntax) {
    switch (syntax) {
    case synTruthValue: case synInteger: case synIpAddress: case synCounter32: case synGauge32:
    case synTimeTicks: case synNetAddress: case synUInteger32:
        return 4;
    case synCounter64: case synDouble: case synDateTimeDouble:
        return 8;
    case synMacAddress: return 6;
    case synDateAndTime: return KvDateTime::kOctets;
    case synAddress16: return 16;
    case synPartTruth2: case synPartInt2: case synPartUInt2:
        return 2;
    case synPartTruth1: case synPartInt1: case synPartUInt1:
        return 1;
    default:
        return 0;
    }
}

int PartWidth(uint32_t syntax) {
    switch (syntax) {
    case synBits: case synOctetString: case synObjectId: case synOpaque: case synDisplayString:
        return -1;
    case synNull:
        return 0;
    default:
        return IsKnownSyntax(syntax) ? MinimumOctets(syntax) : -2;
    }
}

std::string TextToOctets(const std::string& text, uint32_t syntax) {
    if (!IsKnownSyntax(syntax)) RaiseDeRIRA(-511);
    std::string octets;
    if (text == kNullText) return octets;
    switch (syntax) {
    case synTruthValue: AppendLE32(octets, text == "true" ? 1u : 0u); break;
    case synInteger: AppendLE32(octets, static_cast<uint32_t>(ReadDecimalInt32(text))); break;
    case synCounter32: case synGauge32: case synUInteger32:
        AppendLE32(octets, ReadDecimalUInt32(text));
        break;
    case synTimeTicks: AppendLE32(octets, TextToTimeTicks(text)); break;
    case synBits: case synOctetString: case synOpaque: case synMacAddress: case synAddress16:
        octets = HexToOctets(text);
        break;
    case synNull: break;
    case synObjectId: octets = OidTextToOctets(text); break;
    case synIpAddress: case synNetAddress: octets = DottedToIpOctets(text); break;
    case synCounter64: AppendLE64(octets, ReadDecimalUInt64(text)); break;
    case synDouble: AppendLE64(octets, DoubleToBits(ReadDecimalReal(text))); break;
    case synDateAndTime: octets = KvDateTime(text).ToNetworkOctets(); break;
    case synDateTimeDouble: AppendLE64(octets, DoubleToBits(TextToDateTime(text))); break;
    case synDisplayString: octets = text; break;
    case synPartTruth1: octets.push_back(text == "true" ? '\1' : '\0'); break;
    case synPartInt1: case synPartUInt1:
        octets.push_back(static_cast<char>(static_cast<uint32_t>(ReadDecimalInt64(text)) & 0xFF));
        break;
    case synPartTruth2: AppendBE16(octets, text == "true" ? 1u : 0u); break;
    case synPartInt2: case synPartUInt2:
        AppendBE16(octets, static_cast<uint32_t>(ReadDecimalInt64(text)) & 0xFFFF);
        break;
    }
    return octets;
}

std::string OctetsToText(const std::string& octets, uint32_t syntax) {
    if (!IsKnownSyntax(syntax)) RaiseDeRIRA(-511);
    if (syntax == synDisplayString) {
        const size_t zero = octets.find('\0');
        return zero == std::string::npos ? octets : octets.substr(0, zero);
    }
    if (octets.empty() || syntax == synNull) return kNullText;
    if (static_cast<int>(octets.size()) < MinimumOctets(syntax)) RaiseDeRIRA(-518);
    switch (syntax) {
    case synTruthValue: return ReadLE32(octets, 0) != 0 ? "true" : "false";
    case synInteger: return std::to_string(static_cast<int32_t>(ReadLE32(octets, 0)));
    case synCounter32: case synGauge32: case synUInteger32:
        return std::to_string(ReadLE32(octets, 0));
    case synTimeTicks: return TimeTicksToText(ReadLE32(octets, 0));
    case synBits: case synOctetString: case synOpaque: case synMacAddress: case synAddress16:
        return OctetsToHex(octets);
    case synObjectId: {
        std::string text;
        for (size_t at = 0; at + 4 <= octets.size(); at += 4) {
            if (at) text += '.';
            text += std::to_string(ReadLE32(octets, at));
        }
        return text;
    }
    case synIpAddress: case synNetAddress: return IpOctetsToDotted(octets);
    case synCounter64: return std::to_string(ReadLE64(octets, 0));
    case synDouble: return FloatToText(BitsToDouble(ReadLE64(octets, 0)));
    case synDateAndTime: return KvDateTime::FromNetworkOctets(octets).ToText();
    case synDateTimeDouble: return DateTimeToText(BitsToDouble(ReadLE64(octets, 0)));
    case synPartTruth1: return octets[0] != 0 ? "true" : "false";
    case synPartInt1: return std::to_string(static_cast<int8_t>(octets[0]));
    case synPartUInt1: return std::to_string(static_cast<uint8_t>(octets[0]));
    case synPartTruth2: return ReadBE16(octets, 0) != 0 ? "true" : "false";
    case synPartInt2: case synPartUInt2: return std::to_string(ReadBE16(octets, 0));
    }
    RaiseDeRIRA(-511);
}

std::string ExtractPart(const std::string& octets, int offset, uint32_t syntax) {
    const int width = PartWidth(syntax);
    if (width == -2) RaiseDeRIRA(-511);
    if (octets.empty()) return {};
    if (offset < 0 || static_cast<size_t>(offset) > octets.size()) RaiseDeRIRA(-519);
    const size_t from = static_cast<size_t>(offset);
    if (width == -1) return octets.substr(from);
    if (octets.size() - from < static_cast<size_t>(width)) RaiseDeRIRA(-519);
    return octets.substr(from, static_cast<size_t>(width));
}
