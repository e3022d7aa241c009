// Bridge: the bridge and its spanning tree (BRIDGE-MIB dot1dBase and dot1dStp,
// 1.3.6.1.2.1.17) and the multiple spanning tree of the switch (swMSTP,
// 1.3.6.1.4.1.99402.12.15).
#include "genericentries.h"

using L = KvSNMPVarList;

namespace {

const _Option_s kStpVersion[] = {{0, "stp"}, {2, "rstp"}, {3, "mstp"}, {}};
const KvOptionList StpVersionList(kStpVersion, KvOptionList::kIntegerValues);

const _SNMPVar_s StpControlVars[] = {
    {"1.3.6.1.4.1.99402.12.15.1.2", "STP Version",          synInteger, vfReadWrite, &StpVersionList},
    {"1.3.6.1.4.1.99402.12.15.1.3", "Max Age[600-4000]",    synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.12.15.1.4", "Hello Time[100-1000]", synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.12.15.1.5", "Forward Delay[400-3000]", synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.12.15.1.6", "Max Hops[1-20]",       synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.12.15.1.7", "Tx Hold Count[1-10]",  synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.12.15.1.8", "Forwarding BPDU",      synInteger, vfReadWrite, &OtherDisabledEnabled},
    {},
};
const _ItemOverride_s StpControlItems[] = {
    {"Max Age[600-4000]",       0, "%i{n600x4000l4}"},
    {"Hello Time[100-1000]",    0, "%i{n100x1000l4}"},
    {"Forward Delay[400-3000]", 0, "%i{n400x3000l4}"},
    {"Max Hops[1-20]",          0, "%i{n1x20l2}"},
    {"Tx Hold Count[1-10]",     0, "%i{n1x10l2}"},
    {},
};

const _Option_s kAdminP2P[] = {{1, "true"}, {2, "false"}, {3, "auto"}, {}};
const KvOptionList AdminP2PList(kAdminP2P, KvOptionList::kIntegerValues);

const _SNMPVar_s MstpPortVars[] = {
    {"1.3.6.1.4.1.99402.12.15.2.4.1.1",  "MSTP Port",                     synInteger, vfIndex},
    {"1.3.6.1.4.1.99402.12.15.2.4.1.2",  "Administrate HelloTime",        synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.12.15.2.4.1.3",  "Operate HelloTime",             synInteger, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.15.2.4.1.4",  "MSTP Port Enable",              synInteger, vfReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.99402.12.15.2.4.1.5",  "MSTP Port External Path Cost",  synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.12.15.2.4.1.6",  "MSTP Port Migration",           synInteger, vfReadWrite, &TruthValueOptions},
    {"1.3.6.1.4.1.99402.12.15.2.4.1.7",  "MSTP Port Admin Edge Port",     synInteger, vfReadWrite, &TruthValueOptions},
    {"1.3.6.1.4.1.99402.12.15.2.4.1.8",  "MSTP Port Oper Edge Port",      synInteger, vfReadOnly, &TruthValueOptions},
    {"1.3.6.1.4.1.99402.12.15.2.4.1.9",  "MSTP Port Admin P2P",           synInteger, vfReadWrite, &AdminP2PList},
    {"1.3.6.1.4.1.99402.12.15.2.4.1.10", "MSTP Port Oper P2P",            synInteger, vfReadOnly, &TruthValueOptions},
    {},
};
const _ItemOverride_s MstpPortItems[] = {
    {"Administrate HelloTime",       0, "%i{n100x1000l4}"},
    {"MSTP Port External Path Cost", 0, "%i{n0x200000000l9}"},
    {},
};

// BRIDGE-MIB dot1dStp scalars (1.3.6.1.2.1.17.2)
const _Option_s kStpProtocolKind[] = {{1, "unknown"}, {2, "decLb100"}, {3, "ieee8021d"}, {}};
const KvOptionList StpProtocolKindList(kStpProtocolKind, KvOptionList::kIntegerValues);

const _SNMPVar_s Dot1dStpVars[] = {
    {"1.3.6.1.2.1.17.2.1",  "STP Protocol",                   synInteger,     vfReadOnly, &StpProtocolKindList},
    {"1.3.6.1.2.1.17.2.2",  "Priority[0-65535]",              synInteger,     vfReadWrite},
    {"1.3.6.1.2.1.17.2.3",  "Time Since Topology Change",     synTimeTicks,   vfReadOnly},
    {"1.3.6.1.2.1.17.2.4",  "Topology Changes",               synCounter32,   vfReadOnly},
    {"1.3.6.1.2.1.17.2.5",  "Designated Root",                synOctetString, vfReadOnly},
    {"1.3.6.1.2.1.17.2.6",  "Root Cost",                      synInteger,     vfReadOnly},
    {"1.3.6.1.2.1.17.2.7",  "Root Port",                      synInteger,     vfReadOnly},
    {"1.3.6.1.2.1.17.2.8",  "Max Age",                        synInteger,     vfReadOnly},
    {"1.3.6.1.2.1.17.2.9",  "Hello Time",                     synInteger,     vfReadOnly},
    {"1.3.6.1.2.1.17.2.10", "Hold Time",                      synInteger,     vfReadOnly},
    {"1.3.6.1.2.1.17.2.11", "Forward Delay",                  synInteger,     vfReadOnly},
    {"1.3.6.1.2.1.17.2.12", "Bridge Max Age[600-4000]",       synInteger,     vfReadWrite},
    {"1.3.6.1.2.1.17.2.13", "Bridge Hello Time[100-1000]",    synInteger,     vfReadWrite},
    {"1.3.6.1.2.1.17.2.14", "Bridge Forward Delay[400-3000]", synInteger,     vfReadWrite},
    {},
};
const _ItemOverride_s Dot1dStpItems[] = {
    {"Priority[0-65535]",              0, "%i{n0x65535l5}"},
    {"Bridge Max Age[600-4000]",       0, "%i{n600x4000l4}"},
    {"Bridge Hello Time[100-1000]",    0, "%i{n100x1000l4}"},
    {"Bridge Forward Delay[400-3000]", 0, "%i{n400x3000l4}"},
    {},
};

// BRIDGE-MIB dot1dBase scalars (1.3.6.1.2.1.17.1)
const _Option_s kBaseType[] = {{1, "unknown"}, {2, "transparent-only"}, {3, "sourceroute-only"}, {4, "srt"}, {}};
const KvOptionList BaseTypeList(kBaseType, KvOptionList::kIntegerValues);

const _SNMPVar_s Dot1dBaseVars[] = {
    {"1.3.6.1.2.1.17.1.1", "Bridge Address",  synMacAddress, vfReadOnly},
    {"1.3.6.1.2.1.17.1.2", "Number Of Ports", synInteger,    vfReadOnly},
    {"1.3.6.1.2.1.17.1.3", "Bridge Type",     synInteger,    vfReadOnly, &BaseTypeList},
    {},
};

// swMSTPMstConfigId: the MST configuration identification (.12.15.2.1)
const _SNMPVar_s MstConfigIdVars[] = {
    {"1.3.6.1.4.1.99402.12.15.2.1.1", "Configuration Format Selector", synInteger,       vfReadOnly},
    {"1.3.6.1.4.1.99402.12.15.2.1.2", "Configuration Name",            synDisplayString, vfReadWrite},
    {"1.3.6.1.4.1.99402.12.15.2.1.3", "Revision Level[0-65535]",       synInteger,       vfReadWrite},
    {"1.3.6.1.4.1.99402.12.15.2.1.4", "Configuration Digest",          synOctetString,   vfReadOnly},
    {},
};
const _ItemOverride_s MstConfigIdItems[] = {
    {"Configuration Name",      0, "%s{l32}"},
    {"Revision Level[0-65535]", 0, "%i{n0x65535l5}"},
    {},
};

// swMSTPInstanceCtrlTable: the spanning tree instances (.12.15.2.2)
const _Option_s kMstInstanceType[] = {{1, "cist"}, {2, "msti"}, {}};
const KvOptionList MstInstanceTypeList(kMstInstanceType, KvOptionList::kIntegerValues);

const _SNMPVar_s MstInstanceVars[] = {
    {"1.3.6.1.4.1.99402.12.15.2.2.1.1",  "Instance ID",              synInteger,       vfIndex},
    {"1.3.6.1.4.1.99402.12.15.2.2.1.2",  "VLAN List",                synDisplayString, vfReadWrite},
    {"1.3.6.1.4.1.99402.12.15.2.2.1.3",  "Instance Type",            synInteger,       vfReadOnly, &MstInstanceTypeList},
    {"1.3.6.1.4.1.99402.12.15.2.2.1.4",  "Bridge Priority",          synInteger,       vfReadWrite},
    {"1.3.6.1.4.1.99402.12.15.2.2.1.5",  "Designated Root Bridge",   synOctetString,   vfReadOnly},
    {"1.3.6.1.4.1.99402.12.15.2.2.1.6",  "External Root Cost",       synInteger,       vfReadOnly},
    {"1.3.6.1.4.1.99402.12.15.2.2.1.7",  "Regional Root Bridge",     synOctetString,   vfReadOnly},
    {"1.3.6.1.4.1.99402.12.15.2.2.1.8",  "Internal Root Cost",       synInteger,       vfReadOnly},
    {"1.3.6.1.4.1.99402.12.15.2.2.1.9",  "Designated Bridge",        synOctetString,   vfReadOnly},
    {"1.3.6.1.4.1.99402.12.15.2.2.1.10", "Root Port",                synInteger,       vfReadOnly},
    {"1.3.6.1.4.1.99402.12.15.2.2.1.11", "Max Age",                  synInteger,       vfReadOnly},
    {"1.3.6.1.4.1.99402.12.15.2.2.1.12", "Forward Delay",            synInteger,       vfReadOnly},
    {"1.3.6.1.4.1.99402.12.15.2.2.1.13", "Last Topology Change",     synTimeTicks,     vfReadOnly},
    {"1.3.6.1.4.1.99402.12.15.2.2.1.14", "Topology Changes Count",   synCounter32,     vfReadOnly},
    {"1.3.6.1.4.1.99402.12.15.2.2.1.15", "Remaining Hops",           synInteger,       vfReadOnly},
    {"1.3.6.1.4.1.99402.12.15.2.2.1.16", "Row Status",               synInteger,       vfReadWrite, &RowStatusOptions},
    {},
};
const _ItemOverride_s MstInstanceItems[] = {
    {"Instance ID",     0, "%i{n0x15l2}"},
    {"VLAN List",       0, "%s{l128}"},
    {"Bridge Priority", 0, "%i{n0x61440l5}"},
    {},
};

// swMSTPMstPortTable: the ports in each instance (.12.15.2.3)
const _Option_s kMstPortStatus[] = {{1, "other"}, {2, "disabled"}, {3, "discarding"}, {4, "learning"},
                                    {5, "forwarding"}, {6, "broken"}, {7, "no-stp-enabled"}, {}};
const KvOptionList MstPortStatusList(kMstPortStatus, KvOptionList::kIntegerValues);
const _Option_s kMstPortRole[] = {{1, "disabled"}, {2, "alternate"}, {3, "backup"}, {4, "root"},
                                  {5, "designated"}, {6, "master"}, {}};
const KvOptionList MstPortRoleList(kMstPortRole, KvOptionList::kIntegerValues);

const _SNMPVar_s MstPortVars[] = {
    {"1.3.6.1.4.1.99402.12.15.2.3.1.1", "Port",               synInteger,     vfIndex},
    {"1.3.6.1.4.1.99402.12.15.2.3.1.2", "Instance ID",        synInteger,     vfIndex},
    {"1.3.6.1.4.1.99402.12.15.2.3.1.3", "Designated Bridge",  synOctetString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.15.2.3.1.4", "Internal Path Cost", synInteger,     vfReadWrite},
    {"1.3.6.1.4.1.99402.12.15.2.3.1.5", "Priority",           synInteger,     vfReadWrite},
    {"1.3.6.1.4.1.99402.12.15.2.3.1.6", "Port State",         synInteger,     vfReadOnly, &MstPortStatusList},
    {"1.3.6.1.4.1.99402.12.15.2.3.1.7", "Port Role",          synInteger,     vfReadOnly, &MstPortRoleList},
    {},
};
const _ItemOverride_s MstPortItems[] = {
    {"Internal Path Cost", 0, "%i{n0x200000000l9}"},
    {"Priority",           0, "%i{n0x240l3}"},
    {},
};

} // namespace

const _GenericEntry_s BridgeGenericEntries[] = {
    {.Name = "StpControl", .Title = "Spanning Tree Control", .Page = KvPageKind::Editor, .ListKind = L::kScalars,
     .Vars = StpControlVars, .Items = StpControlItems, .HeightAdd = 20, .Behaviour = KvEntryBehaviour::StpControl},
    {.Name = "MstpPortState", .Title = "MSTP Port State Information", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 1, .Vars = MstpPortVars, .Items = MstpPortItems, .Adjust = adShowStop},
    {.Name = "SpanningTreeAlgorithm", .Title = "Spanning Tree Algorithm", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = Dot1dStpVars, .Items = Dot1dStpItems, .ValueWider = 40},
    {.Name = "Dot1dInformation", .Title = "802.1d Information", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = Dot1dBaseVars},
    {.Name = "MstpConfigIdentification", .Title = "MST Configuration Identification", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = MstConfigIdVars, .Items = MstConfigIdItems, .ValueWider = 100, .FormWider = 100},
    {.Name = "MstpInstanceInformation", .Title = "MSTP Instance Information", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 1, .Vars = MstInstanceVars, .Items = MstInstanceItems,
     .StatusIndex = 15, .AddText = "createAndGo", .DeleteText = "destroy", .Height = 450},
    {.Name = "MstpPortInformation", .Title = "MSTP Port Information", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 2, .Vars = MstPortVars, .Items = MstPortItems, .Adjust = adShowStop,
     .Height = 450},
    {},
};
