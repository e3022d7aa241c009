// Time ticks text reading; every value written reads back unchanged.
#include "kvsnmpvalue.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const uint32_t ticks = TextToTimeTicks(text);
    if (TextToTimeTicks(TimeTicksToText(ticks)) != ticks) abort();
    if (size >= 4) {
        uint32_t raw;
        std::memcpy(&raw, data, 4);
        if (TextToTimeTicks(TimeTicksToText(raw)) != raw) abort();
    }
    return 0;
}
