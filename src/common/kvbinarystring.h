#pragma once
// KvBinaryString: a byte string built from hexadecimal text.
#include <cstdint>
#include <string>

class KvBinaryString {
public:
    KvBinaryString() = default;
    // Length = number of characters / 2 (rounded down); byte i is made of the
    // characters 2i (high four bits) and 2i+1. Digits and A-F / a-f are
    // accepted; any other character counts as 0. A trailing odd character is dropped.
    explicit KvBinaryString(const std::string& hex);

    const std::string& Data() const { return data_; }
    int Length() const { return static_cast<int>(data_.size()); }
    uint8_t Byte(int index) const;   // raises KvCommon -12 outside 0..Length()-1

private:
    std::string data_;
};
