// EvaluateArithmetic on arbitrary text: never fails, never crashes.
#include "kvexpression.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EvaluateArithmetic(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
