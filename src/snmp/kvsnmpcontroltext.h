#pragma once
// KvSNMPControlText: the widget-free half of the control bindings — how a
// variable's value (or a part of it) becomes the texts of its controls and
// back, and the outcome line of a request.
//
// Partial data: one value of a "part syntax" stored at a byte offset inside
// the octet image of a variable (kvsnmpvalue.h). A binding that covers the
// whole value has offset 0 and the variable's own code.
#include "kvsnmpvarlist.h"

#include <QTime>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class KvOptionList;

class KvSNMPControlText {
public:
    // True when a binding of (offset, part syntax) covers the whole value.
    static bool IsWholeValue(const KvSNMPVar& var, int offset, uint32_t partSyntax) {
        return offset == 0 && partSyntax == var.Syntax;
    }

    // The variable's octet image: Value mapped option text -> value, then
    // TextToOctets with the variable's code. "(NULL)" and "(NOTDONE)" give no octets.
    static std::string ValueImage(const KvSNMPVar& var);

    // The read side of a binding: the text for the controls and, in *image,
    // the octets it stands for (the part, for partial data). partOptions is
    // the binding's option list (null: none). Raises -519 when the image ends
    // before the part, -518 / -511 from the conversions.
    static std::string PartText(const KvSNMPVar& var, int offset, uint32_t partSyntax,
                                const KvOptionList* partOptions, std::string* image);

    // Copies part into image at offset, extending the image with zero octets as needed.
    static void WritePart(std::string& image, int offset, const std::string& part);

    // Bit numbers and check states to the octets of a bit part: octets are
    // appended (zero) up to the one of each bit; bit k is octet k / 8 under
    // 0x80 >> (k % 8).
    static std::string BitsToOctets(const std::vector<int32_t>& bits, const std::vector<bool>& checked);

    // The texts of several edits bound to one value of a code, by position.
    // An empty entry leaves that edit as it is ("(NULL)" leaves them all for
    // the address, time and date codes). Raises -522 when editCount is below
    // what the code needs:
    //   3, 4, 68   one edit per octet, "%02X"
    //   6          one edit per arc, decimal
    //   64, 69     4 edits, one octet each, decimal
    //   67         5 edits: days, hours, minutes, seconds, hundredths
    //   73 / 77    6 / 16 edits, "%02X" per octet
    //   74         10 edits: year, month, day, hour, minutes, seconds,
    //              deci-seconds, direction ("+"/"-"), hours and minutes from UTC
    //   75         7 edits: year, month, day, hour, minute, second, millisecond
    //   others     the text in the first edit
    static std::vector<std::optional<std::string>> EditTexts(const std::string& text, const std::string& image,
                                                             uint32_t syntax, int editCount);

    // The value text of a code from the texts of its edits (the inverse
    // above). Raises -522 when there are too few edits for 64, 69, 67, 73,
    // 74, 75 and 77. Octet codes: an empty edit gives "00", a one-digit edit
    // gets a leading "0".
    static std::string ValueFromEdits(const std::vector<std::string>& texts, uint32_t syntax);

    // The outcome line of a request from a request log template:
    // "[VARLIST]" is the label; with an empty label everything after
    // "[ERROR]" through "[VARLIST]" is dropped ("Get: [ERROR]. Receive at
    // [TIME]."); "[ERROR]" is the text and "[TIME]" the time. Inserted texts
    // are never searched for placeholders.
    static std::string StatusLine(const std::string& templateText, const std::string& label,
                                  const std::string& text, const QTime& time);
    // "hh:nn:ss AM" on a 12-hour clock ("12:00:05 AM" just after midnight).
    static std::string TimeText(const QTime& time);
};
