#pragma once
// Text forms of SNMP values that several conversions share, and the octet
// images of partial data: one value of some syntax stored at a byte offset
// inside an octet-string variable (also used by the LED bindings).
//
// Octet images: integers of 4 and 8 octets are stored least significant octet
// first; the 2-octet values of codes 196 to 198 most significant octet first.
// Octets are held in std::string, one char per octet.
#include <cstdint>
#include <string>

// --- Time ticks (hundredths of a second) ---------------------------------------
// "4:05:06.07", "1 day 4:05:06.07", "3 days, 4:05:06.07".
std::string TimeTicksToText(uint32_t ticks);
// Reads the form above: an optional "N days" / "N day" part and an optional
// ",", then "h:m:s.cc" where the number after the "." is added as hundredths
// as written (".5" adds 5). Trailing parts may be left out: "0:01:00" is one
// minute and "1:30" one hour and a half. Numbers are read leniently; a text
// without ":" counts only its days. The total is clamped to 32 bits.
uint32_t TextToTimeTicks(const std::string& text);

// --- Hexadecimal text ---------------------------------------------------------
// Two upper-case digits per octet, no separators; empty for no octets.
std::string OctetsToHex(const std::string& octets);
// Blanks are dropped; with an odd number of remaining characters the first
// character alone makes the first octet; the rest is taken in pairs. 0-9, A-F
// and a-f are digits; any other character counts as 0.
std::string HexToOctets(const std::string& text);

// --- Dotted texts -------------------------------------------------------------
// The four numbers of a dotted address text, one octet each (missing numbers
// are 0, each number is cut to its low eight bits).
std::string DottedToIpOctets(const std::string& text);
// "a.b.c.d" from the first four octets (the caller checks there are four).
std::string IpOctetsToDotted(const std::string& octets);

// --- Bit strings (port lists, BITS) --------------------------------------------
// Bit k (from 0) lives in octet k / 8 under the mask 0x80 >> (k % 8), so bit 0
// is the top bit of the first octet; port p of a port list is bit p - 1.
// A bit index outside the octets raises -519.
bool OctetBit(const std::string& octets, int bit);
void SetOctetBit(std::string& octets, int bit, bool on);

// --- Octet images -------------------------------------------------------------
// Octets that a code needs at least when read back (0 for the variable-length
// codes and for NULL).
int MinimumOctets(uint32_t syntax);
// Octets ExtractPart takes for a code; -1 for "all remaining octets" (codes
// 3, 4, 6, 68, 76); -2 for a code outside the width list.
int PartWidth(uint32_t syntax);

// The octet image of a value text. "(NULL)" gives no octets for every code.
// Raises -511 for a code outside the syntax table.
std::string TextToOctets(const std::string& text, uint32_t syntax);
// The text of an octet image. No octets give "(NULL)" (code 76: the empty
// text); fewer octets than the code needs raise -518; code 6 reads 4 octets
// per arc (a trailing incomplete arc is ignored); -511 for an unknown code.
std::string OctetsToText(const std::string& octets, uint32_t syntax);
// The part of an image that holds one value of the code at the byte offset.
// An empty image gives an empty part; an image that ends before offset +
// width, or a negative offset, raises -519 (for the variable-length codes an
// offset past the end raises -519, an offset at the end gives an empty part);
// a code outside the width list raises -511.
std::string ExtractPart(const std::string& octets, int offset, uint32_t syntax);

// Little-endian helpers of the images (bounds are the caller's business).
uint32_t ReadLE32(const std::string& octets, size_t at);
uint64_t ReadLE64(const std::string& octets, size_t at);
void AppendLE32(std::string& octets, uint32_t value);
void AppendLE64(std::string& octets, uint64_t value);
double BitsToDouble(uint64_t bits);
uint64_t DoubleToBits(double value);
