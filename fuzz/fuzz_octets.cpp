// TextToOctets, OctetsToText and ExtractPart on arbitrary images.
// Byte 0 picks the part's code, byte 1 the variable's code, bytes 2-3 the
// offset (signed); the rest is the image (and, as text, a value).
#include "kvexception.h"
#include "kvsnmpvalue.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
const uint32_t kCodes[] = {1,  2,  3,  4,  5,  6,  64, 65, 66,  67,  68,  69,  70,  71,  72,
                           73, 74, 75, 76, 77, 193, 194, 195, 196, 197, 198, 0, 7, 200};

uint32_t Pick(uint8_t byte) { return kCodes[byte % (sizeof kCodes / sizeof kCodes[0])]; }

bool Allowed(int code) { return code == -511 || code == -518 || code == -519; }
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    const uint32_t partCode = Pick(data[0]);
    const uint32_t ownCode = Pick(data[1]);
    const int offset = static_cast<int16_t>(static_cast<uint16_t>(data[2] | (data[3] << 8)));
    const std::string image(reinterpret_cast<const char*>(data) + 4, size - 4);
    try {
        const std::string part = ExtractPart(image, offset, partCode);
        if (part.size() > image.size()) abort();
        const std::string text = OctetsToText(part, partCode);
        // The image of a text read from an image reads back to the same text
        // (not for OIDs, whose trailing partial arc is dropped, nor for the
        // non-finite reals, which have no decimal text).
        const bool nonFinite = text.find("NAN") != std::string::npos || text.find("INF") != std::string::npos;
        if (partCode != 6 && !nonFinite && OctetsToText(TextToOctets(text, partCode), partCode) != text) abort();
    } catch (const KvException& e) {
        if (!Allowed(e.HelpContext())) abort();
    }
    try {
        const std::string octets = TextToOctets(image, ownCode);
        OctetsToText(octets, ownCode);
    } catch (const KvException& e) {
        if (!Allowed(e.HelpContext())) abort();
    }
    return 0;
}
