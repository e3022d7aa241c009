// Hexadecimal text reading (the conversion rules and KvBinaryString).
#include "kvbinarystring.h"
#include "kvsnmpvalue.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string octets = HexToOctets(text);
    size_t digits = 0;
    for (char c : text) digits += (c == ' ' || c == '\t' || c == '\r' || c == '\n') ? 0 : 1;
    if (octets.size() != (digits + 1) / 2) abort();
    // Octets written as hexadecimal read back unchanged.
    if (HexToOctets(OctetsToHex(text)) != text) abort();
    const KvBinaryString binary(text);
    if (static_cast<size_t>(binary.Length()) != size / 2) abort();
    return 0;
}
