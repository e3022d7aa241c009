#pragma once
// Variables the main window reads to discover the stack: units, ports,
// expansion modules and the RMON state.
#include "kvoptionlist.h"
#include "kvsnmpvarlist.h"

extern const _SNMPVar_s UnitVars[];     // unit management table, 1 key
extern const _SNMPVar_s PortVars[];     // port information table, 1 key
extern const _SNMPVar_s SubUnitVars[];  // module information table, 1 key
extern const _SNMPVar_s RmonVars[];     // RMON state scalar

extern const KvOptionList UnitStatusOptions;   // exist / not-exist
extern const KvOptionList UnitModeOptions;     // other / master / backup / slave
extern const KvOptionList PortTypeOptions;
extern const KvOptionList LinkStatusOptions;   // other / link-pass / link-fail
extern const KvOptionList NwayStatusOptions;
