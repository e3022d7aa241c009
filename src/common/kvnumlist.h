#pragma once
// KvNumList: numbers parsed from delimited text (port lists, index lists,
// dotted numbers). One generic list, used with signed and unsigned 32-bit items.
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

template <typename T>
class KvNumList {
    static_assert(std::is_same_v<T, int32_t> || std::is_same_v<T, uint32_t>,
                  "KvNumList holds 32-bit signed or unsigned items");

public:
    // Separator between numbers; set by the caller before parsing.
    char Delimiter = '.';

    KvNumList() = default;

    // Replaces the items by the numbers in the text.
    //  - no items for an empty text, otherwise 1 + the number of delimiters;
    //  - a digit appends to the current item (item * 10 + digit, wrapping
    //    modulo 2^32 instead of overflowing);
    //  - the delimiter moves to the next item and ends a fraction;
    //  - "." (when it is not the delimiter) starts a fraction whose digits are
    //    dropped, so "12.9" gives 12;
    //  - an empty piece between two delimiters gives 0;
    //  - any other character is ignored (callers check the characters first).
    void Parse(const std::string& text) {
        items_.clear();
        if (text.empty()) return;
        size_t count = 1;
        for (char c : text)
            if (c == Delimiter) ++count;
        items_.assign(count, T{0});
        std::vector<uint32_t> accumulated(count, 0u);
        size_t current = 0;
        bool fraction = false;
        for (char c : text) {
            if (c == Delimiter) {
                ++current;
                fraction = false;
            } else if (c == '.') {
                fraction = true;
            } else if (!fraction && c >= '0' && c <= '9') {
                accumulated[current] = accumulated[current] * 10u + static_cast<uint32_t>(c - '0');
            }
        }
        for (size_t i = 0; i < count; ++i) items_[i] = static_cast<T>(accumulated[i]);
    }

    int Count() const { return static_cast<int>(items_.size()); }
    // Raises KvCommon -12 for an index outside 0..Count()-1.
    T Item(int index) const;
    const std::vector<T>& Items() const { return items_; }

    // Index of the first equal item, or -1.
    int IndexOf(T number) const {
        for (size_t i = 0; i < items_.size(); ++i)
            if (items_[i] == number) return static_cast<int>(i);
        return -1;
    }

    // True when every item lies within minimum..maximum inclusive (true when empty).
    bool AllInRange(T minimum, T maximum) const {
        for (T item : items_)
            if (item < minimum || item > maximum) return false;
        return true;
    }

private:
    std::vector<T> items_;
};

[[noreturn]] void RaiseNumListIndex();

template <typename T>
T KvNumList<T>::Item(int index) const {
    if (index < 0 || index >= Count()) RaiseNumListIndex();
    return items_[static_cast<size_t>(index)];
}

using KvIntList = KvNumList<int32_t>;
using KvUIntList = KvNumList<uint32_t>;
