// KvNumList::Parse on arbitrary text; the first byte picks the delimiter.
#include "kvnumlist.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    KvIntList ints;
    KvUIntList uints;
    ints.Delimiter = uints.Delimiter = static_cast<char>(data[0]);
    ints.Parse(text);
    uints.Parse(text);
    size_t expected = 0;
    if (!text.empty()) {
        expected = 1;
        for (char c : text) expected += c == ints.Delimiter ? 1 : 0;
    }
    if (static_cast<size_t>(ints.Count()) != expected || uints.Count() != ints.Count()) abort();
    for (int i = 0; i < ints.Count(); ++i)
        if (static_cast<uint32_t>(ints.Item(i)) != uints.Item(i)) abort();
    if (ints.Count() > 0 && ints.IndexOf(ints.Item(ints.Count() - 1)) < 0) abort();
    uints.AllInRange(1, 768);
    return 0;
}
