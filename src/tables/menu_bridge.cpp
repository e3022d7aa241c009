// Bridge: the spanning tree of the switch (swMSTP, 1.3.6.1.4.1.99402.12.15).
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

} // namespace

const _GenericEntry_s BridgeGenericEntries[] = {
    {.Name = "StpControl", .Title = "Spanning Tree Control", .Page = KvPageKind::Editor, .ListKind = L::kScalars,
     .Vars = StpControlVars, .Items = StpControlItems, .HeightAdd = 20, .Behaviour = KvEntryBehaviour::StpControl},
    {.Name = "MstpPortState", .Title = "MSTP Port State Information", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 1, .Vars = MstpPortVars, .Items = MstpPortItems, .Adjust = adShowStop},
    {},
};
