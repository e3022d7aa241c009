// VLAN: IEEE 802.1p priorities (P-BRIDGE-MIB, 1.3.6.1.2.1.17.6) and the
// unicast forwarding database of the IEEE 802.1Q bridge (Q-BRIDGE-MIB,
// 1.3.6.1.2.1.17.7). Ports are dot1dBasePort, the stack-wide port number.
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

// dot1dPortPriorityTable: default ingress priority and traffic classes per port.
const _SNMPVar_s PortPriorityVars[] = {
    {"1.3.6.1.2.1.17.1.4.1.1",     "PortNumber",          synInteger, vfIndex},
    {"1.3.6.1.2.1.17.6.1.2.1.1.1", "DefaultUserPriority", synInteger, vfReadWrite},
    {"1.3.6.1.2.1.17.6.1.2.1.1.2", "NumTrafficClasses",   synInteger, vfReadWrite},
    {},
};
const _ItemOverride_s PortPriorityItems[] = {
    {"DefaultUserPriority", 0, "%i{n0x7l1}"},
    {"NumTrafficClasses",   0, "%i{n1x8l1}"},
    {},
};

// dot1dTrafficClassTable: the traffic class of each user priority per port.
const _SNMPVar_s TrafficClassVars[] = {
    {"1.3.6.1.2.1.17.1.4.1.1",     "PortNumber",           synInteger, vfIndex},
    {"1.3.6.1.2.1.17.6.1.2.3.1.1", "TrafficClassPriority", synInteger, vfIndex},
    {"1.3.6.1.2.1.17.6.1.2.3.1.2", "TrafficClass",         synInteger, vfReadWrite},
    {},
};
const _ItemOverride_s TrafficClassItems[] = {
    {"TrafficClass", 0, "%i{n0x7l1}"},
    {},
};

// dot1dPortOutboundAccessPriorityTable: the access priority sent on each port
// for each regenerated user priority.
const _SNMPVar_s OutboundAccessVars[] = {
    {"1.3.6.1.2.1.17.1.4.1.1",     "PortNumber",                 synInteger, vfIndex},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "RegenUserPriority",          synInteger, vfIndex},
    {"1.3.6.1.2.1.17.6.1.2.4.1.1", "PortOutboundAccessPriority", synInteger, vfReadOnly},
    {},
};

// dot1qTpFdbTable: unicast addresses learned per filtering database.
const _Option_s kFdbStatus[] = {{1, "other"}, {2, "invalid"}, {3, "learned"}, {4, "self"}, {5, "mgmt"}, {}};
const KvOptionList FdbStatusList(kFdbStatus, KvOptionList::kIntegerValues);
const _SNMPVar_s TpFdbVars[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Fdb ID",      synUInteger32, vfIndex},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "MAC Address", synMacAddress, vfIndex},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port",        synInteger,    vfReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status",      synInteger,    vfReadOnly, &FdbStatusList},
    {},
};

} // namespace

const _GenericEntry_s VlanGenericEntries[] = {
    {.Name = "RegeneratedUserPriorities", .Title = "Regenerated User Priorities", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 2, .Vars = RegenPriorityVars, .Items = RegenPriorityItems,
     .Adjust = adShowStop, .Height = 450},
    {.Name = "DefaultUserPriorities", .Title = "Default User Priorities of Each Port", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = PortPriorityVars, .Items = PortPriorityItems,
     .Adjust = adShowStop, .Height = 450},
    {.Name = "UserPriorityToTrafficClass", .Title = "User Priorities To Traffic Class", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 2, .Vars = TrafficClassVars, .Items = TrafficClassItems,
     .Adjust = adShowStop, .Height = 450},
    {.Name = "PortOutboundAccessPriorities", .Title = "Port Outbound Access Priorities", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 2, .Vars = OutboundAccessVars, .Adjust = adShowStop, .Height = 450},
    {.Name = "UnicastForwardingInformation", .Title = "Unicast Forwarding Information", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 2, .Vars = TpFdbVars, .Adjust = adShowStop, .Height = 450},
    {},
};
