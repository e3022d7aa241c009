#pragma once
// Numbers in text: the lenient readers used wherever a value arrives as text
// (edits, option values, expressions) and the general real-number text form.
//
// Lenient reading never fails: leading blanks are skipped, a sign is accepted,
// reading stops at the first character that does not fit, and a text without
// digits reads as 0. Values beyond the target type are clamped to its range.
#include <cstdint>
#include <string>
#include <string_view>

// Signed decimal integer, clamped to the 64-bit range.
int64_t ReadDecimalInt64(std::string_view text);
// Unsigned decimal integer: a negative text reads as 0, larger values clamp to 2^64-1.
uint64_t ReadDecimalUInt64(std::string_view text);
// The same, clamped to the 32-bit ranges.
int32_t ReadDecimalInt32(std::string_view text);
uint32_t ReadDecimalUInt32(std::string_view text);

// Decimal floating-point number: leading blanks skipped, then the longest
// beginning of the text of the form [sign] digits [. digits] [E [sign] digits]
// (at least one digit before or after the point); 0 when none. Independent of
// the C locale.
double ReadDecimalReal(std::string_view text);

// Strict decimal integer for lookups: optional leading blanks, optional sign,
// at least one digit and nothing after; false when the text is anything else
// or the number does not fit in 32 bits.
bool TryParseInt32(std::string_view text, int32_t& value);

// The general real-number text: up to 15 significant digits, no trailing zeros,
// exponent form "1E20" / "1.5E-7" for very large or small magnitudes,
// "NAN", "INF" and "-INF" for the non-finite values.
std::string FloatToText(double value);

// Truncation toward zero into an integer range; NaN gives 0 and values beyond
// the range clamp to its ends (a double outside the range must never be cast).
int32_t TruncateToInt32(double value);
uint32_t TruncateToUInt32(double value);
uint64_t TruncateToUInt64(double value);

// Blank (space, tab, CR, LF) trimming.
std::string TrimBlanks(std::string_view text);

// Case-insensitive equality of two texts; ASCII fast path, otherwise a Unicode
// case fold of the UTF-8 texts.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);
