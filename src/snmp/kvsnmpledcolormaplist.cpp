#include "kvsnmpledcolormaplist.h"

#include "kvmessages.h"

KvSNMPLedColorMapList::KvSNMPLedColorMapList(const _LedColor_s* table, uint8_t valueMask, uint8_t blinkMask,
                                             int32_t offColor, int32_t missingColor)
    : ValueMask(valueMask), BlinkMask(blinkMask), OffColor(offColor), MissingColor(missingColor) {
    for (const _LedColor_s* e = table; e && e->Color != -1; ++e) Entries.push_back(*e);
}

int32_t KvSNMPLedColorMapList::Lookup(uint8_t octet) const {
    for (const _LedColor_s& e : Entries)
        if (e.Value == octet) return e.Color;
    return 0;
}

void KvSNMPLedColorMapList::Decode(const std::string& octets, int byteIndex, int mode, int statusBytes,
                                   int32_t& color, bool& blinking) const {
    auto missing = [&] {
        if (MissingColor == -1) RaiseDeRIRA(-519);
        color = MissingColor;
        blinking = false;
    };
    if (byteIndex < 0 || static_cast<size_t>(byteIndex) >= octets.size()) return missing();
    const auto at = static_cast<size_t>(byteIndex);
    const auto b = static_cast<uint8_t>(octets[at]);
    if (mode != kStatusThenPairs || byteIndex < statusBytes) {
        color = Lookup(static_cast<uint8_t>(b & ValueMask));
        blinking = (b & BlinkMask) != 0;
        return;
    }
    if (b == 1) {
        color = MissingColor == -1 ? OffColor : MissingColor;
        blinking = false;
        return;
    }
    if (at + 1 >= octets.size()) return missing();  // the colour octet is not there
    blinking = (b & BlinkMask) != 0;
    color = Lookup(static_cast<uint8_t>(octets[at + 1] & ValueMask));
}
