// DecodeKey on arbitrary instance suffixes, then EncodeKey of what it decoded.
// Byte 0 picks the syntax code, byte 1 bit 0 the implied flag; the rest is the suffix.
#include "kvexception.h"
#include "kvsnmpconverter.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
const uint32_t kCodes[] = {1, 2, 3, 4, 5, 6, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77,
                           193, 197, 0, 99};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const uint32_t syntax = kCodes[data[0] % (sizeof kCodes / sizeof kCodes[0])];
    const bool implied = data[1] & 1;
    const std::string suffix(reinterpret_cast<const char*>(data) + 2, size - 2);
    const _SNMPVar_s table[] = {
        {"1.3.6.1.4.1.99402.9.1.1", "Key", syntax, implied ? vfImpliedIndex : vfIndex},
        {"1.3.6.1.4.1.99402.9.1.2", "Next", 2, vfIndex},
        {},
    };
    KvSNMPVarList list(table, KvSNMPVarList::kTable, implied ? 1 : 2);
    try {
        const std::string rest = DecodeKey(list, 0, suffix);
        if (rest.size() > suffix.size()) abort();
        if (!rest.empty() && suffix.compare(suffix.size() - rest.size(), rest.size(), rest) != 0) abort();
        EncodeKey(list, 0);
        if (!rest.empty()) DecodeKey(list, 1, rest);
    } catch (const KvException& e) {
        if (e.HelpContext() != -514 && e.HelpContext() != -511) abort();
    }
    return 0;
}
