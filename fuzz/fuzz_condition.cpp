// EvaluateCondition on arbitrary text: a result or the bad-operand error only.
#include "kvexception.h"
#include "kvexpression.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        EvaluateCondition(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const KvException& e) {
        if (e.HelpContext() != -1) abort();
    }
    return 0;
}
