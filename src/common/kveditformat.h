#pragma once
// KvEditFormat: the rules of one edit format specifier, without any widget.
//
// A specifier restricts a single-line edit: "%" and a type character, for
// type "n" the delimiter, then optionally options in braces that must end
// the specifier:
//
//   "%i{n1x255l3}"       integer 1..255, at most three characters
//   "%s{l32}"            text of at most 32 characters
//   "%i{n0x16777214l8a}" at most eight digits, moves on after the eighth
//   "%n,{x4094l4fn}"     exactly four numbers separated by ",", none above 4094
//
// Types: f real, h hexadecimal text, i signed integer, s free text,
// u unsigned integer, n delimited list of unsigned numbers.
// Options: n<number> minimum, x<number> maximum (digits, "-" and "."),
// l<digits> maximum length followed by up to three flag letters
// (a advance, f fixed length, n not empty), w<digits> width in pixels,
// e<character> exit character. Directly after the "l" digits an "n" is always
// the not-empty flag, so a minimum has to come before "l".
//
// KvEditConstraint (src/common/ui) attaches these rules to QLineEdits.
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

// Flag bits of the "l" option.
enum : uint8_t {
    efAdvance = 0x01,   // move to the next control when the length reaches MaxLength
    efFixed = 0x02,     // the length (type n: the count) must equal MaxLength
    efNotEmpty = 0x04,  // the value may not be empty
};

struct KvEditFormat {
    char Type = 's';        // f, h, i, s, u, n
    char Delimiter = 0;     // type n only
    double Minimum = 0;
    double Maximum = 0;
    int32_t MaxLength = 0;  // h, s: characters; n: numbers; f, i, u: characters; 0 none
    uint8_t Flags = 0;
    char ExitChar = 0;      // 0 none
    int32_t Width = 0;      // pixels; 0 leaves the edit's width alone

    // Reads one specifier. Raises KvException -2 ("(KvCommon) Bad format
    // specifier of edit's constraint!") for anything malformed. Bounds not
    // given are the full range of the type: i -2147483648..2147483647,
    // u and n 0..4294967295, f the whole range of a double.
    static KvEditFormat Parse(const std::string& specifier);

    // The specifiers of a format in order: every "%" starts a new one.
    // Text before the first "%" is kept as a (malformed) specifier of its own.
    static std::vector<std::string> Split(const std::string& format);

    // Keystroke rule: the position of the first character of the text that
    // the type does not allow, or -1 when every character is allowed.
    //   f: digits, "-" as first character, one "."
    //   h: hexadecimal digits in either case
    //   i: digits, "-" as first character
    //   u: digits
    //   n: digits, the delimiter but not first and not after another delimiter
    //   s: everything
    int FirstRefusedChar(const QString& text) const;

    // The edit's own character limit: MaxLength for every type but n, whose
    // "l" option counts numbers, not characters (0: no limit).
    int EditMaxLength() const { return Type == 'n' ? 0 : MaxLength; }
    // Whether a text of this length moves the focus on (flag a).
    bool AdvancesAt(int length) const {
        return (Flags & efAdvance) && Type != 'n' && MaxLength > 0 && length == MaxLength;
    }

    // Exit check of a non-empty or empty text (the markers "(NULL)" and
    // "(NOTDONE)" are the caller's business). Returns 0 when the value is
    // accepted, an empty text without the not-empty flag included; otherwise
    // the KvCommon code (-3 .. -11) with *message set to its catalogue text,
    // placeholders filled.
    int CheckValue(const QString& text, std::string* message) const;
};
