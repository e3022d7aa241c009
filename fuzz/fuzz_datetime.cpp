// KvDateTime and date-time texts from arbitrary text.
#include "kvdatetime.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const KvDateTime dt(text);
    const std::string written = dt.ToText();
    // Once written, a value reads back to the same text.
    if (KvDateTime(written).ToText() != written) abort();
    const KvDateTime fromOctets = KvDateTime::FromNetworkOctets(text);
    if (KvDateTime::FromNetworkOctets(fromOctets.ToNetworkOctets()).ToText() != fromOctets.ToText()) abort();

    const double value = TextToDateTime(text);
    const std::string shown = DateTimeToText(value);
    TextToDateTime(shown);
    return 0;
}
