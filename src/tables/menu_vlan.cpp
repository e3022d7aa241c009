// VLAN: IEEE 802.1p priorities (P-BRIDGE-MIB, 1.3.6.1.2.1.17.6).
#include "genericentries.h"

using L = KvSNMPVarList;

namespace {

const _SNMPVar_s RegenPriorityVars[] = {
    {"1.3.6.1.2.1.17.1.4.1.1",     "PortNumber",              synInteger, vfIndex},
    {"1.3.6.1.2.1.17.6.1.2.2.1.1", "UserPriority",            synInteger, vfIndex},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "RegeneratedUserPriority", synInteger, vfReadWrite},
    {},
};
const _ItemOverride_s RegenPriorityItems[] = {
    {"RegeneratedUserPriority", 0, "%i{n0x7l1}"},
    {},
};

} // namespace

const _GenericEntry_s VlanGenericEntries[] = {
    {.Name = "RegeneratedUserPriorities", .Title = "Regenerated User Priorities", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 2, .Vars = RegenPriorityVars, .Items = RegenPriorityItems,
     .Adjust = adShowStop, .Height = 450},
    {},
};
