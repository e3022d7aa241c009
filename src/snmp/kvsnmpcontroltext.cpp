#include "kvsnmpcontroltext.h"

#include "kvdatetime.h"
#include "kvmessages.h"
#include "kvoptionlist.h"
#include "kvsnmpconverter.h"
#include "kvsnmpvalue.h"
#include "kvtextnumbers.h"

#include <cmath>
#include <cstdio>

namespace {

bool IsMarker(const std::string& text) { return text == kNullText || text == kNotDoneText; }

std::string Hex2(unsigned char octet) {
    char buffer[3];
    std::snprintf(buffer, sizeof buffer, "%02X", octet);
    return buffer;
}

void Need(int editCount, int needed) {
    if (editCount < needed) RaiseDeRIRA(-522);
}

// Calendar date of a day number since 1970-01-01 (proleptic Gregorian).
void CivilFromDays(int64_t z, int64_t& y, unsigned& m, unsigned& d) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = static_cast<int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    if (m <= 2) ++y;
}

// A date-time number (days since 1899-12-30, the time of day as the
// fraction, also below negative day numbers) split into its fields.
std::vector<int64_t> DateTimeFields(double value) {
    if (!std::isfinite(value) || std::fabs(value) > 3.0e6) value = 0;
    double days = std::trunc(value);
    double fraction = std::fabs(value - days);
    int64_t ms = std::llround(fraction * 86400000.0);
    if (ms >= 86400000) {  // rounding reached the next day
        ms -= 86400000;
        days += 1;
    }
    int64_t y;
    unsigned m, d;
    CivilFromDays(static_cast<int64_t>(days) - 25569, y, m, d);  // 1899-12-30 is day -25569 of 1970
    return {y, m, d, ms / 3600000, ms / 60000 % 60, ms / 1000 % 60, ms % 1000};
}

uint32_t Number(const std::string& text) { return ReadDecimalUInt32(text); }

} // namespace

std::string KvSNMPControlText::ValueImage(const KvSNMPVar& var) {
    const std::string text = OptionTextToValue(var, var.Value);
    if (IsMarker(text)) return {};
    return TextToOctets(text, var.Syntax);
}

std::string KvSNMPControlText::PartText(const KvSNMPVar& var, int offset, uint32_t partSyntax,
                                        const KvOptionList* partOptions, std::string* image) {
    std::string text = OptionTextToValue(var, var.Value);
    std::string octets = IsMarker(text) ? std::string() : TextToOctets(text, var.Syntax);
    if (!IsWholeValue(var, offset, partSyntax)) {
        octets = ExtractPart(octets, offset, partSyntax);
        text = OctetsToText(octets, partSyntax);
    }
    if (partOptions) text = partOptions->ValueToText(text);
    if (image) *image = std::move(octets);
    return text;
}

void KvSNMPControlText::WritePart(std::string& image, int offset, const std::string& part) {
    if (offset < 0) RaiseDeRIRA(-519);
    const size_t at = static_cast<size_t>(offset);
    if (image.size() < at + part.size()) image.resize(at + part.size(), '\0');
    image.replace(at, part.size(), part);
}

std::string KvSNMPControlText::BitsToOctets(const std::vector<int32_t>& bits, const std::vector<bool>& checked) {
    std::string octets;
    for (size_t k = 0; k < bits.size(); ++k) {
        const int32_t bit = bits[k];
        if (bit < 0) RaiseDeRIRA(-519);
        const size_t octet = static_cast<size_t>(bit) / 8;
        if (octets.size() <= octet) octets.resize(octet + 1, '\0');
        const unsigned char mask = static_cast<unsigned char>(0x80u >> (bit % 8));
        unsigned char value = static_cast<unsigned char>(octets[octet]);
        value = (k < checked.size() && checked[k]) ? (value | mask) : (value & ~mask);
        octets[octet] = static_cast<char>(value);
    }
    return octets;
}

std::vector<std::optional<std::string>> KvSNMPControlText::EditTexts(const std::string& text,
                                                                     const std::string& image, uint32_t syntax,
                                                                     int editCount) {
    std::vector<std::optional<std::string>> texts(static_cast<size_t>(std::max(editCount, 0)));
    const bool marker = IsMarker(text);
    auto octetsAsHex = [&](size_t count) {
        for (size_t k = 0; k < count && k < image.size(); ++k)
            texts[k] = Hex2(static_cast<unsigned char>(image[k]));
    };
    switch (syntax) {
    case synBits:
    case synOctetString:
    case synOpaque:
        Need(editCount, static_cast<int>(image.size()));
        octetsAsHex(image.size());
        break;
    case synObjectId: {
        const size_t arcs = image.size() / 4;
        Need(editCount, static_cast<int>(arcs));
        for (size_t k = 0; k < arcs; ++k) texts[k] = std::to_string(ReadLE32(image, k * 4));
        break;
    }
    case synIpAddress:
    case synNetAddress:
        Need(editCount, 4);
        if (marker) break;
        for (size_t k = 0; k < 4 && k < image.size(); ++k)
            texts[k] = std::to_string(static_cast<unsigned char>(image[k]));
        break;
    case synTimeTicks: {
        Need(editCount, 5);
        if (marker) break;
        const uint32_t t = image.size() >= 4 ? ReadLE32(image, 0) : TextToTimeTicks(text);
        texts[0] = std::to_string(t / 8640000u);
        texts[1] = std::to_string(t / 360000u % 24u);
        texts[2] = std::to_string(t / 6000u % 60u);
        texts[3] = std::to_string(t / 100u % 60u);
        texts[4] = std::to_string(t % 100u);
        break;
    }
    case synMacAddress:
        Need(editCount, 6);
        if (!marker) octetsAsHex(6);
        break;
    case synAddress16:
        Need(editCount, 16);
        if (!marker) octetsAsHex(16);
        break;
    case synDateAndTime: {
        Need(editCount, 10);
        if (marker) break;
        const KvDateTime dt(text);
        const int fields[] = {dt.Year, dt.Month, dt.Day, dt.Hour, dt.Minute, dt.Second, dt.DeciSecond};
        for (size_t k = 0; k < 7; ++k) texts[k] = std::to_string(fields[k]);
        texts[7] = dt.Direction ? std::string(1, dt.Direction) : std::string();
        texts[8] = std::to_string(dt.UtcHours);
        texts[9] = std::to_string(dt.UtcMinutes);
        break;
    }
    case synDateTimeDouble: {
        Need(editCount, 7);
        if (marker) break;
        const double value = image.size() >= 8 ? BitsToDouble(ReadLE64(image, 0)) : TextToDateTime(text);
        const std::vector<int64_t> fields = DateTimeFields(value);
        for (size_t k = 0; k < 7; ++k) texts[k] = std::to_string(fields[k]);
        break;
    }
    default:
        if (!texts.empty()) texts[0] = text;
        break;
    }
    return texts;
}

std::string KvSNMPControlText::ValueFromEdits(const std::vector<std::string>& texts, uint32_t syntax) {
    const int count = static_cast<int>(texts.size());
    auto hexJoined = [&](size_t n) {
        std::string hex;
        for (size_t k = 0; k < n; ++k) {
            const std::string& t = texts[k];
            hex += t.empty() ? "00" : t.size() == 1 ? "0" + t : t;
        }
        return hex;
    };
    switch (syntax) {
    case synBits:
    case synOctetString:
    case synOpaque:
        return hexJoined(texts.size());
    case synMacAddress:
        Need(count, 6);
        return hexJoined(6);
    case synAddress16:
        Need(count, 16);
        return hexJoined(16);
    case synObjectId: {
        std::string oid;
        for (size_t k = 0; k < texts.size(); ++k) {
            if (k) oid += '.';
            oid += std::to_string(Number(texts[k]));
        }
        return oid;
    }
    case synIpAddress:
    case synNetAddress:
        Need(count, 4);
        return std::to_string(Number(texts[0])) + "." + std::to_string(Number(texts[1])) + "." +
               std::to_string(Number(texts[2])) + "." + std::to_string(Number(texts[3]));
    case synTimeTicks: {
        Need(count, 5);
        const uint64_t ticks = uint64_t{Number(texts[0])} * 8640000u + uint64_t{Number(texts[1])} * 360000u +
                               uint64_t{Number(texts[2])} * 6000u + uint64_t{Number(texts[3])} * 100u +
                               Number(texts[4]);
        return TimeTicksToText(ticks > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<uint32_t>(ticks));
    }
    case synDateAndTime: {
        Need(count, 10);
        KvDateTime dt(std::string("0-0-0,0:0:0.0"));
        dt.Year = static_cast<uint16_t>(Number(texts[0]));
        dt.Month = static_cast<uint8_t>(Number(texts[1]));
        dt.Day = static_cast<uint8_t>(Number(texts[2]));
        dt.Hour = static_cast<uint8_t>(Number(texts[3]));
        dt.Minute = static_cast<uint8_t>(Number(texts[4]));
        dt.Second = static_cast<uint8_t>(Number(texts[5]));
        dt.DeciSecond = static_cast<uint8_t>(Number(texts[6]));
        dt.Direction = texts[7].empty() ? '\0' : texts[7][0];
        dt.UtcHours = static_cast<uint8_t>(Number(texts[8]));
        dt.UtcMinutes = static_cast<uint8_t>(Number(texts[9]));
        return dt.ToText();
    }
    case synDateTimeDouble: {
        Need(count, 7);
        int f[7];
        for (int k = 0; k < 7; ++k) f[k] = ReadDecimalInt32(texts[static_cast<size_t>(k)]);
        return DateTimeToText(EncodeDateTime(f[0], f[1], f[2], f[3], f[4], f[5], f[6]));
    }
    default:
        return texts.empty() ? std::string() : texts[0];
    }
}

std::string KvSNMPControlText::TimeText(const QTime& time) {
    const int hour = time.hour();
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d %s", hour12, time.minute(), time.second(),
                  hour < 12 ? "AM" : "PM");
    return buffer;
}

std::string KvSNMPControlText::StatusLine(const std::string& templateText, const std::string& label,
                                          const std::string& text, const QTime& time) {
    static const std::string kError = "[ERROR]", kVarList = "[VARLIST]", kTime = "[TIME]";
    std::string line = templateText;
    if (label.empty()) {
        const size_t error = line.find(kError);
        const size_t varList = error == std::string::npos ? std::string::npos : line.find(kVarList, error);
        if (varList != std::string::npos) {
            const size_t from = error + kError.size();
            line.erase(from, varList + kVarList.size() - from);
        }
    }
    const std::string timeText = TimeText(time);
    std::string out;
    for (size_t at = 0; at < line.size();) {
        if (line.compare(at, kVarList.size(), kVarList) == 0) {
            out += label;
            at += kVarList.size();
        } else if (line.compare(at, kError.size(), kError) == 0) {
            out += text;
            at += kError.size();
        } else if (line.compare(at, kTime.size(), kTime) == 0) {
            out += timeText;
            at += kTime.size();
        } else {
            out += line[at++];
        }
    }
    return out;
}
