#include "ledtables.h"

const _SNMPVar_s LedStatusVars[] = {
    {"1.3.6.1.4.1.99402.12.11.1.9.4.1.6", "swUnitMgmtFrontPanelLedStatus", synOctetString, vfReadOnly},
    {},
};

namespace {
const _LedColor_s kMapA[] = {{0, 0x000000}, {2, 0x00FF00}, {4, 0x00FF00}, {0, -1}};
// Colour values are 0x00BBGGRR: 0x0000FF is red.
const _LedColor_s kMapB[] = {{0, 0x000000}, {1, 0x000000}, {2, 0x00FF00}, {3, 0x00FF00}, {4, 0x00FF00}, {5, 0x0000FF}, {0, -1}};
} // namespace

const KvSNMPLedColorMapList LedMapA(kMapA, 7, 128, 0x000000, 0xFFFFFF);
const KvSNMPLedColorMapList LedMapB(kMapB, 7, 128, 0x000000, 0xFFFFFF);

const KvSNMPLedColorMapList* LedMap(char map) { return map == 'B' ? &LedMapB : &LedMapA; }

// panel, octet positions, map, shape width and height, first left, gap
const _LedBinding_s KX7026GLeds[] = {
    {"PowerLedPanel", "0", 'A', 7, 7, 1, 10},
    {"MasterLedPanel", "1", 'A', 7, 7, 1, 10},
    {"ConsoleLedPanel", "2", 'A', 7, 7, 1, 10},
    {"RPowerLedPanel", "3", 'A', 7, 7, 1, 10},
    {"LedPanel1", "4,8,12,16,20,24,28,32,36,40,44,48", 'A', 6, 6, 0, 7},
    {"LedPanel2", "6,10,14,18,22,26,30,34,38,42,46,50", 'A', 6, 6, 0, 7},
    {"SIOPanel1", "56", 'A', 7, 7, 1, 10},
    {"SIOPanel2", "58", 'A', 7, 7, 1, 10},
    {},
};

const _LedBinding_s KX7050Leds[] = {
    {"PowerLedPanel", "0", 'A', 7, 7, 1, 10},
    {"MasterLedPanel", "1", 'A', 7, 7, 1, 10},
    {"ConsoleLedPanel", "2", 'A', 7, 7, 1, 10},
    {"RPowerLedPanel", "3", 'A', 7, 7, 1, 10},
    {"LedPanel1", "4,6,8,10,12,14,16,18,20,22,24,26,28,30,32,34", 'A', 7, 7, 0, 6},
    {"LedPanel2", "36,38,40,42,44,46,48,50,52,54,56,58,60,62,64,66", 'A', 7, 7, 0, 6},
    {"LedPanel3", "68,70,72,74,76,78,80,82,84,86,88,90,92,94,96,98", 'A', 7, 7, 0, 6},
    {"SIOPanel1", "104", 'A', 7, 7, 1, 10},
    {"SIOPanel2", "106", 'A', 7, 7, 1, 10},
    {},
};

const _LedBinding_s KG7124iLeds[] = {
    {"PowerLedPanel", "0", 'B', 5, 5, 1, 10},
    {"MasterLedPanel", "1", 'B', 5, 5, 1, 10},
    {"ConsoleLedPanel", "2", 'B', 5, 5, 1, 10},
    {"RPowerLedPanel", "3", 'B', 5, 5, 1, 10},
    {"LedPanel1", "4,8,12,16,20,24,28,32,36,40,44,48", 'A', 6, 5, 0, 6},
    {"LedPanel2", "5,9,13,17,21,25,29,33,37,41,45,49", 'B', 6, 5, 0, 6},
    {"LedPanel3", "6,10,14,18,22,26,30,34,38,42,46,50", 'A', 6, 5, 0, 6},
    {"LedPanel4", "7,11,15,19,23,27,31,35,39,43,47,51", 'B', 6, 5, 0, 6},
    {"SIOPanel1", "52", 'B', 5, 5, 0, 10},
    {"SIOPanel2", "54", 'B', 5, 5, 0, 10},
    {"SIOPanel3", "56", 'B', 5, 5, 0, 10},
    {"SIOPanel4", "58", 'B', 5, 5, 0, 10},
    {"SIOPanel5", "60", 'B', 5, 5, 0, 10},
    {"SIOPanel6", "62", 'B', 5, 5, 0, 10},
    {},
};

const _LedBinding_s KG7124Leds[] = {
    {"PowerLedPanel", "0", 'B', 5, 5, 1, 10},
    {"MasterLedPanel", "1", 'B', 5, 5, 1, 10},
    {"ConsoleLedPanel", "2", 'B', 5, 5, 1, 10},
    {"RPowerLedPanel", "3", 'B', 5, 5, 1, 10},
    {"LedPanel1", "4,8,12,16,20,24,28,32,36,40,44,48", 'A', 6, 5, 0, 6},
    {"LedPanel2", "5,9,13,17,21,25,29,33,37,41,45,49", 'B', 6, 5, 0, 6},
    {"LedPanel3", "6,10,14,18,22,26,30,34,38,42,46,50", 'A', 6, 5, 0, 6},
    {"LedPanel4", "7,11,15,19,23,27,31,35,39,43,47,51", 'B', 6, 5, 0, 6},
    {"SIOPanel1", "52", 'B', 5, 5, 0, 10},
    {"SIOPanel2", "54", 'B', 5, 5, 0, 10},
    {},
};

const _LedBinding_s ModuleOnKX7026GLeds[] = {
    {"pLedPort1", "52", 'A', 6, 6, 1, 10},
    {"pLedPort2", "54", 'A', 6, 6, 1, 10},
    {},
};

const _LedBinding_s ModuleOnKX7050Leds[] = {
    {"pLedPort1", "100", 'A', 6, 6, 1, 10},
    {"pLedPort2", "102", 'A', 6, 6, 1, 10},
    {},
};
