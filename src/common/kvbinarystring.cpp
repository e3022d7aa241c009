#include "kvbinarystring.h"

#include "kvmessages.h"

namespace {
unsigned HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
    return 0;
}
} // namespace

KvBinaryString::KvBinaryString(const std::string& hex) {
    const size_t length = hex.size() / 2;
    data_.resize(length);
    for (size_t i = 0; i < length; ++i)
        data_[i] = static_cast<char>((HexDigitValue(hex[2 * i]) << 4) | HexDigitValue(hex[2 * i + 1]));
}

uint8_t KvBinaryString::Byte(int index) const {
    if (index < 0 || index >= Length()) RaiseKvCommon(-12);
    return static_cast<uint8_t>(data_[static_cast<size_t>(index)]);
}
