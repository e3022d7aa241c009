#pragma once
// KvSNMPLedColorMapList: how the octet of one front-panel LED becomes a
// colour and a blinking state.
//
// A static colour table is an array of entries ended by an entry whose
// colour is -1; colours are class-library colour values 0x00BBGGRR:
//
//   const _LedColor_s kLedMapA[] = {{0, 0x000000}, {2, 0x00FF00}, {4, 0x00FF00}, {0, -1}};
//   KvSNMPLedColorMapList mapA(kLedMapA, 7, 128, 0x000000, 0xFFFFFF);
#include <cstdint>
#include <string>
#include <vector>

struct _LedColor_s {
    uint8_t Value;
    int32_t Color;  // -1 ends a table
};

class KvSNMPLedColorMapList {
public:
    // Decoding of an LED variable (KvSNMPRequest2Leds::DecodeMode).
    enum : int32_t {
        kOneOctetPerLed = 1,  // every LED is one octet
        kStatusThenPairs = 2, // the first StatusBytes LEDs one octet each, the others an
                              // octet pair: state (1 = missing, blink bits), then colour value
    };

    // Copies the table's entries up to the one whose colour is -1 (a null table gives none).
    KvSNMPLedColorMapList(const _LedColor_s* table, uint8_t valueMask, uint8_t blinkMask, int32_t offColor,
                          int32_t missingColor);

    uint8_t ValueMask;      // ANDed with the octet before the lookup
    uint8_t BlinkMask;      // any of these bits set: the LED blinks
    int32_t OffColor;       // before the first reading, after an error, dark half of a blink
    int32_t MissingColor;   // LED beyond the end of the value; -1: that is an error
    std::vector<_LedColor_s> Entries;

    // The colour of the first entry with this value; 0 (black) when there is none.
    int32_t Lookup(uint8_t octet) const;

    // Colour and blinking state of the LED at byteIndex of an LED variable's
    // octets. An LED beyond the end of the octets takes MissingColor without
    // blinking, or raises -519 when there is no missing colour. In mode 2 a
    // pair whose colour octet lies beyond the end counts as missing too, and
    // a missing-state pair of a map without missing colour is dark (OffColor).
    void Decode(const std::string& octets, int byteIndex, int mode, int statusBytes, int32_t& color,
                bool& blinking) const;
};
