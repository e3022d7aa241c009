#include "kvdatetime.h"

#include "kvtextnumbers.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <limits>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// sscanf-like "%d": optional blanks, optional sign, at least one digit.
bool ScanNumber(const std::string& text, size_t& at, int64_t& value) {
    size_t p = at;
    while (p < text.size() && (text[p] == ' ' || text[p] == '\t' || text[p] == '\n' || text[p] == '\r'))
        ++p;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        negative = text[p] == '-';
        ++p;
    }
    if (p >= text.size() || !IsDigit(text[p])) return false;
    int64_t magnitude = 0;
    for (; p < text.size() && IsDigit(text[p]); ++p)
        if (magnitude < (int64_t{1} << 40)) magnitude = magnitude * 10 + (text[p] - '0');
    value = negative ? -magnitude : magnitude;
    at = p;
    return true;
}

// Matches a pattern of literal characters and "%d" conversions; returns how
// many numbers were converted before the first mismatch.
int ScanPattern(const std::string& text, const char* pattern, int64_t* numbers) {
    size_t at = 0;
    int converted = 0;
    for (const char* p = pattern; *p; ++p) {
        if (p[0] == '%' && p[1] == 'd') {
            if (!ScanNumber(text, at, numbers[converted])) return converted;
            ++converted;
            ++p;
        } else {
            if (at >= text.size() || text[at] != *p) return converted;
            ++at;
        }
    }
    return converted;
}

const int64_t kCivilEpochOffset = 719468;   // days from 0000-03-01 to 1970-01-01
const int64_t kDelphiEpochFromUnix = 25569; // 1899-12-30 .. 1970-01-01

void CivilFromDays(int64_t z, int64_t& year, unsigned& month, unsigned& day) {
    z += kCivilEpochOffset - kDelphiEpochFromUnix;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t y = static_cast<int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = doy - (153 * mp + 2) / 5 + 1;
    month = mp < 10 ? mp + 3 : mp - 9;
    year = y + (month <= 2 ? 1 : 0);
}

bool IsLeap(int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

unsigned DaysInMonth(int64_t y, unsigned m) {
    static const unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m == 2 && IsLeap(y)) return 29;
    return kDays[m - 1];
}

// 0001-01-01 and 9999-12-31 as date-time numbers.
const double kMinDateTime = -693593.0;
const double kMaxDateTime = 2958466.0;

} // namespace

KvDateTime::KvDateTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    Year = static_cast<uint16_t>(local.tm_year + 1900);
    Month = static_cast<uint8_t>(local.tm_mon + 1);
    Day = static_cast<uint8_t>(local.tm_mday);
    Hour = static_cast<uint8_t>(local.tm_hour);
    Minute = static_cast<uint8_t>(local.tm_min);
    Second = static_cast<uint8_t>(local.tm_sec);
}

KvDateTime::KvDateTime(const std::string& text) { FromText(text); }

void KvDateTime::FromText(const std::string& text) {
    int64_t n[9] = {0, 0, 0, 0, 0, 0, 0, 0, 0};
    if (ScanPattern(text, "%d-%d-%d,%d:%d:%d.%d,+%d:%d", n) == 9) {
        Direction = '+';
    } else if (int64_t m[9] = {0, 0, 0, 0, 0, 0, 0, 0, 0};
               ScanPattern(text, "%d-%d-%d,%d:%d:%d.%d,-%d:%d", m) == 9) {
        for (int i = 0; i < 9; ++i) n[i] = m[i];
        Direction = '-';
    } else {
        for (int64_t& v : n) v = 0;
        ScanPattern(text, "%d-%d-%d,%d:%d:%d.%d", n);
        Direction = '+';
    }
    // Each number cut to its field's width (modulo the field's range).
    Year = static_cast<uint16_t>(static_cast<uint64_t>(n[0]));
    Month = static_cast<uint8_t>(static_cast<uint64_t>(n[1]));
    Day = static_cast<uint8_t>(static_cast<uint64_t>(n[2]));
    Hour = static_cast<uint8_t>(static_cast<uint64_t>(n[3]));
    Minute = static_cast<uint8_t>(static_cast<uint64_t>(n[4]));
    Second = static_cast<uint8_t>(static_cast<uint64_t>(n[5]));
    DeciSecond = static_cast<uint8_t>(static_cast<uint64_t>(n[6]));
    UtcHours = static_cast<uint8_t>(static_cast<uint64_t>(n[7]));
    UtcMinutes = static_cast<uint8_t>(static_cast<uint64_t>(n[8]));
}

std::string KvDateTime::ToText() const {
    char buffer[96];
    if ((UtcHours != 0 || UtcMinutes != 0) && (Direction == '+' || Direction == '-')) {
        std::snprintf(buffer, sizeof buffer, "%u-%u-%u,%u:%u:%u.%u,%c%u:%u", unsigned{Year}, unsigned{Month},
                      unsigned{Day}, unsigned{Hour}, unsigned{Minute}, unsigned{Second}, unsigned{DeciSecond},
                      Direction, unsigned{UtcHours}, unsigned{UtcMinutes});
    } else {
        std::snprintf(buffer, sizeof buffer, "%u-%u-%u,%u:%u:%u.%u", unsigned{Year}, unsigned{Month},
                      unsigned{Day}, unsigned{Hour}, unsigned{Minute}, unsigned{Second}, unsigned{DeciSecond});
    }
    return buffer;
}

void KvDateTime::SwapYearBytes() { Year = static_cast<uint16_t>((Year >> 8) | (Year << 8)); }

std::string KvDateTime::ToNetworkOctets() const {
    std::string octets(kOctets, '\0');
    octets[0] = static_cast<char>(Year >> 8);
    octets[1] = static_cast<char>(Year & 0xFF);
    octets[2] = static_cast<char>(Month);
    octets[3] = static_cast<char>(Day);
    octets[4] = static_cast<char>(Hour);
    octets[5] = static_cast<char>(Minute);
    octets[6] = static_cast<char>(Second);
    octets[7] = static_cast<char>(DeciSecond);
    octets[8] = Direction;
    octets[9] = static_cast<char>(UtcHours);
    octets[10] = static_cast<char>(UtcMinutes);
    return octets;
}

KvDateTime KvDateTime::FromNetworkOctets(const std::string& octets) {
    auto at = [&octets](size_t i) -> uint8_t {
        return i < octets.size() ? static_cast<uint8_t>(octets[i]) : uint8_t{0};
    };
    KvDateTime dt{NoInit{}};
    dt.Year = static_cast<uint16_t>((at(0) << 8) | at(1));
    dt.Month = at(2);
    dt.Day = at(3);
    dt.Hour = at(4);
    dt.Minute = at(5);
    dt.Second = at(6);
    dt.DeciSecond = at(7);
    dt.Direction = static_cast<char>(at(8));
    dt.UtcHours = at(9);
    dt.UtcMinutes = at(10);
    return dt;
}

int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2 ? 1 : 0;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - kCivilEpochOffset + kDelphiEpochFromUnix;
}

double EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec) {
    const double days = static_cast<double>(
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)));
    const double time = (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + msec) / 86400000.0;
    return days < 0 ? days - time : days + time;
}

double DateTimeNow() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const int msec = static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
    return EncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                          local.tm_sec, msec < 0 ? 0 : msec);
}

std::string DateTimeToText(double value) {
    if (!std::isfinite(value) || value < kMinDateTime || value >= kMaxDateTime) return FloatToText(value);
    const double dayPart = std::trunc(value);
    int64_t msec = std::llround(std::fabs(value - dayPart) * 86400000.0);
    if (msec >= 86400000) msec = 86400000 - 1;
    int64_t year;
    unsigned month, day;
    CivilFromDays(static_cast<int64_t>(dayPart), year, month, day);
    const int64_t totalSeconds = msec / 1000;
    const int hour = static_cast<int>(totalSeconds / 3600);
    const int minute = static_cast<int>(totalSeconds / 60 % 60);
    const int second = static_cast<int>(totalSeconds % 60);
    int hour12 = hour % 12;
    if (hour12 == 0) hour12 = 12;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04lld/%02u/%02u %02d:%02d:%02d %s", static_cast<long long>(year), month,
                  day, hour12, minute, second, hour < 12 ? "am" : "pm");
    return buffer;
}

double TextToDateTime(const std::string& text) {
    if (text.find('/') == std::string::npos) return ReadDecimalReal(text);
    size_t at = 0;
    int64_t y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    auto literal = [&text, &at](char c) {
        if (at < text.size() && text[at] == c) {
            ++at;
            return true;
        }
        return false;
    };
    if (!ScanNumber(text, at, y) || !literal('/') || !ScanNumber(text, at, mo) || !literal('/') ||
        !ScanNumber(text, at, d))
        return 0.0;
    bool hasTime = false;
    if (ScanNumber(text, at, h)) {
        hasTime = true;
        if (!literal(':') || !ScanNumber(text, at, mi)) return 0.0;
        if (literal(':') && !ScanNumber(text, at, s)) return 0.0;
    }
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    const std::string rest = TrimBlanks(std::string_view(text).substr(at));
    int meridiem = 0; // 0 none, 1 am, 2 pm
    if (hasTime && !rest.empty()) {
        if (SameTextIgnoringCase(rest, "am")) meridiem = 1;
        else if (SameTextIgnoringCase(rest, "pm")) meridiem = 2;
        else return 0.0;
    } else if (!rest.empty()) {
        return 0.0;
    }
    if (y < 1 || y > 9999 || mo < 1 || mo > 12 || d < 1 ||
        d > DaysInMonth(y, static_cast<unsigned>(mo)))
        return 0.0;
    if (meridiem != 0) {
        if (h < 1 || h > 12) return 0.0;
        h = h % 12 + (meridiem == 2 ? 12 : 0);
    }
    if (h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 59) return 0.0;
    return EncodeDateTime(static_cast<int>(y), static_cast<int>(mo), static_cast<int>(d), static_cast<int>(h),
                          static_cast<int>(mi), static_cast<int>(s));
}
