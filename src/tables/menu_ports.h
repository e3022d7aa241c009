#pragma once
// The port tables shared by Layer 2 Management and the port popup.
#include "kvsnmpvarlist.h"

extern const _SNMPVar_s PortInfoTableVars[];     // swL2PortInfoTable
extern const _SNMPVar_s PortControlTableVars[];  // swL2PortCtrlTable
