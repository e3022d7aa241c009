#pragma once
// LED tables of the model panels: the LED variable, the two colour maps and,
// per model, which octets of the LED string each LED panel shows.
#include "kvsnmpledcolormaplist.h"
#include "kvsnmpvarlist.h"

// swUnitMgmtFrontPanelLedStatus, read as one instance (the unit number).
extern const _SNMPVar_s LedStatusVars[];

extern const KvSNMPLedColorMapList LedMapA; // 0 black, 2 and 4 green
extern const KvSNMPLedColorMapList LedMapB; // 0, 1 black; 2, 3, 4 green; 5 red

// One LED panel's shapes: octet positions ("4,8,12"), map 'A' or 'B', shape
// size, first left and gap.
struct _LedBinding_s {
    const char* Panel;
    const char* Positions;
    char Map;
    int Width, Height;
    int Left, Gap;
};

// Ended by a null Panel.
extern const _LedBinding_s KX7026GLeds[];
extern const _LedBinding_s KX7050Leds[];
extern const _LedBinding_s KG7124iLeds[];
extern const _LedBinding_s KG7124Leds[];
extern const _LedBinding_s ModuleOnKX7026GLeds[];
extern const _LedBinding_s ModuleOnKX7050Leds[];

const KvSNMPLedColorMapList* LedMap(char map);
