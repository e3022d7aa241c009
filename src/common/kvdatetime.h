#pragma once
// KvDateTime: a date and time in the layout of the SNMP DateAndTime textual
// convention (RFC 2579), with its text form "2005-3-7,14:5:9.0,+8:0".
//
// Also the date-time real number of the class library (days since
// 1899-12-30, time of day as the fraction) and its text form
// "yyyy/mm/dd hh:nn:ss am/pm".
#include <cstdint>
#include <string>

class KvDateTime {
public:
    // The eleven DateAndTime octets, in order. Year is in host byte order.
    uint16_t Year = 0;
    uint8_t Month = 0;
    uint8_t Day = 0;
    uint8_t Hour = 0;
    uint8_t Minute = 0;
    uint8_t Second = 0;
    uint8_t DeciSecond = 0;
    char Direction = '+';
    uint8_t UtcHours = 0;
    uint8_t UtcMinutes = 0;

    static constexpr int kOctets = 11;

    // The current local date and time; DeciSecond 0, Direction "+", offset 0:0.
    KvDateTime();
    // FromText(text).
    explicit KvDateTime(const std::string& text);

    // Tries "%d-%d-%d,%d:%d:%d.%d,+%d:%d", then the same with "-", then
    // "%d-%d-%d,%d:%d:%d.%d" (Direction "+", offset 0:0). Each number is cut
    // to its field's width; fields the text does not reach are set to 0.
    void FromText(const std::string& text);
    // "%d-%d-%d,%d:%d:%d.%d,%c%d:%d" when the offset is not zero and Direction
    // is "+" or "-"; otherwise "%d-%d-%d,%d:%d:%d.%d".
    std::string ToText() const;

    // Exchanges the two bytes of Year (network <-> host order on a little-endian host).
    void SwapYearBytes();

    // The eleven octets as they travel in an SNMP DateAndTime: year most
    // significant octet first.
    std::string ToNetworkOctets() const;
    // From network octets; octets beyond the end of a shorter string read as
    // 0 (the 8-octet form of RFC 2579 has no zone; Direction is then 0).
    static KvDateTime FromNetworkOctets(const std::string& octets);

private:
    struct NoInit {};
    explicit KvDateTime(NoInit) {}
};

// --- Date-time real numbers --------------------------------------------------

// Days since 1899-12-30 of a calendar date (no range check).
int64_t DaysFromCivil(int64_t year, unsigned month, unsigned day);

// The current local date and time as a date-time number.
double DateTimeNow();

// Date and time of day to a date-time number (dates before 1899-12-30 carry
// the time as a positive fraction below the negative day number).
double EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec = 0);

// "yyyy/mm/dd hh:nn:ss am/pm", e.g. "2005/03/07 02:05:09 pm". A value outside
// the years 1 to 9999, or not finite, is written as its general real text.
std::string DateTimeToText(double value);

// Reads "yyyy/mm/dd[ hh:nn[:ss][ am|pm]]" (the form written above, also with a
// 24-hour clock). A text with "/" that is not a valid date reads as 0; any
// other text is read as a decimal real number.
double TextToDateTime(const std::string& text);
