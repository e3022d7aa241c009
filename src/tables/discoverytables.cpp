#include "discoverytables.h"
#include "genericentries.h"

namespace {
const _Option_s kUnitStatus[] = {{1, "exist"}, {0, "not-exist"}, {}};
const _Option_s kUnitMode[] = {{1, "other"}, {2, "master"}, {3, "backup"}, {4, "slave"}, {}};
const _Option_s kPortType[] = {{1, "other"},
                               {2, "fastEthernet100BaseTX"},
                               {3, "fastEthernet100BaseFX"},
                               {4, "gigabitEthernet1000BaseT"},
                               {5, "gigabitEthernet1000BaseX"},
                               {}};
const _Option_s kLinkStatus[] = {{1, "other"}, {2, "link-pass"}, {3, "link-fail"}, {}};
const _Option_s kNwayStatus[] = {{1, "other"},        {2, "empty"},         {3, "link-down"},
                                 {4, "half-10Mbps"},  {5, "full-10Mbps"},   {6, "half-100Mbps"},
                                 {7, "full-100Mbps"}, {8, "half-1Gigabps"}, {9, "full-1Gigabps"},
                                 {}};
} // namespace

const KvOptionList UnitStatusOptions(kUnitStatus, 1);
const KvOptionList UnitModeOptions(kUnitMode, 1);
const KvOptionList PortTypeOptions(kPortType, 1);
const KvOptionList LinkStatusOptions(kLinkStatus, 1);
const KvOptionList NwayStatusOptions(kNwayStatus, 1);

// OID                                        display name                     syntax             flags        options
const _SNMPVar_s UnitVars[] = {
    {"1.3.6.1.4.1.99402.12.11.1.9.4.1.1",  "swUnitMgmtId",                  synInteger,        vfIndex},
    {"1.3.6.1.4.1.99402.12.11.1.9.4.1.2",  "swUnitMgmtStatus",              synInteger,        vfReadOnly, &UnitStatusOptions},
    {"1.3.6.1.4.1.99402.12.11.1.9.4.1.3",  "swUnitMgmtMacAddr",             synMacAddress,     vfReadOnly},
    {"1.3.6.1.4.1.99402.12.11.1.9.4.1.4",  "swUnitMgmtStartPort",           synInteger,        vfReadOnly},
    {"1.3.6.1.4.1.99402.12.11.1.9.4.1.5",  "swUnitMgmtPortRange",           synInteger,        vfReadOnly},
    {"1.3.6.1.4.1.99402.12.11.1.9.4.1.6",  "Front Panel Led Status",        synOctetString,    vfReadOnly},
    {"1.3.6.1.4.1.99402.12.11.1.9.4.1.8",  "swUnitMgmtCurrentMode",         synInteger,        vfReadOnly, &UnitModeOptions},
    {"1.3.6.1.4.1.99402.12.11.1.9.4.1.9",  "swUnitMgmtVersion",             synDisplayString,  vfReadOnly},
    {"1.3.6.1.4.1.99402.12.11.1.9.4.1.10", "swUnitMgmtModuleName",          synDisplayString,  vfReadOnly},
    {"1.3.6.1.4.1.99402.12.11.1.9.4.1.6",  "swUnitMgmtFrontPanelLedStatus", synOctetString,    vfReadOnly},
    {},
};

const _SNMPVar_s PortVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.2.3.1.1.1", "Index",       synInteger, vfIndex},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.1.1.2", "Unit Index",  synInteger, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.1.1.3", "Port Type",   synInteger, vfReadOnly, &PortTypeOptions},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.1.1.4", "Link Status", synInteger, vfReadOnly, &LinkStatusOptions},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.1.1.5", "Nway Status", synInteger, vfReadOnly, &NwayStatusOptions},
    {},
};

const _SNMPVar_s SubUnitVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.2.1.1.3.1.1", "swDevModuleInfoUnitID",      synInteger,       vfIndex},
    {"1.3.6.1.4.1.99402.11.59.7.2.1.1.3.1.3", "swDevModuleInfoModuleName",  synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.1.1.3.1.4", "swDevModuleInfoReversion",   synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.1.1.3.1.5", "swDevModuleInfoSerial",      synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.1.1.3.1.6", "swDevModuleInfoDescription", synDisplayString, vfReadOnly},
    {},
};

const _SNMPVar_s RmonVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.2.1.2.3", "Rmon State", synInteger, vfReadWrite, &OtherDisabledEnabled},
    {},
};
