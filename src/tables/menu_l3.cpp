// Layer 3 Management: device control, IP, BOOTP and DNS relay and route
// preference of the layer-3 agent (swL3Mgmt, 1.3.6.1.4.1.99402.11.59.7.3),
// OSPF virtual links and hosts (OSPF-MIB, 1.3.6.1.2.1.14), VRRP (VRRP-MIB,
// 1.3.6.1.2.1.68) and IGMP (IGMP-STD-MIB, 1.3.6.1.2.1.85).
#include "genericentries.h"

using L = KvSNMPVarList;

namespace {

const _SNMPVar_s ArpAgingVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.3.2.4", "swL3IpArpAgingTime", synInteger, vfReadWrite},
    {},
};

const _Option_s kBackupState[] = {{1, "other"}, {2, "primary"}, {3, "backup"}, {}};
const KvOptionList BackupStateList(kBackupState, KvOptionList::kIntegerValues);

const _SNMPVar_s StaticRouteVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.3.2.5.1.1", "Destination",  synIpAddress, vfIndex},
    {"1.3.6.1.4.1.99402.11.59.7.3.2.5.1.2", "Mask",         synIpAddress, vfIndex},
    {"1.3.6.1.4.1.99402.11.59.7.3.2.5.1.3", "Backup State", synInteger,   0x05 /* key, written */, &BackupStateList},
    {"1.3.6.1.4.1.99402.11.59.7.3.2.5.1.4", "Next Hop",     synIpAddress, vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.3.2.5.1.5", "Metric",       synInteger,   vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.3.2.5.1.6", "Status",       synInteger,   vfReadWrite, &ValidStatusOptions},
    {},
};

const _SNMPVar_s DnsCtrlVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.3.3.2.6.1.1", "Domain Name", synDisplayString, vfIndex},
    {"1.3.6.1.4.1.99402.11.59.7.3.3.2.6.1.2", "IP Address",  synIpAddress,     vfIndex},
    {"1.3.6.1.4.1.99402.11.59.7.3.3.2.6.1.3", "State",       synInteger,       vfReadWrite, &ValidStatusOptions},
    {},
};

// VRRP-MIB vrrpOperTable (1.3.6.1.2.1.68.1.3)
const _Option_s kVrrpState[] = {{1, "initialize"}, {2, "backup"}, {3, "master"}, {}};
const KvOptionList VrrpStateList(kVrrpState, KvOptionList::kIntegerValues);
const _Option_s kVrrpAdminState[] = {{1, "up"}, {2, "down"}, {}};
const KvOptionList VrrpAdminStateList(kVrrpAdminState, KvOptionList::kIntegerValues);
const _Option_s kVrrpAuthType[] = {{1, "noAuthentication"}, {2, "simpleTextPassword"}, {3, "ipAuthenticationHeader"}, {}};
const KvOptionList VrrpAuthTypeList(kVrrpAuthType, KvOptionList::kIntegerValues);
const _Option_s kVrrpProtocol[] = {{1, "ip"}, {2, "bridge"}, {3, "decnet"}, {4, "other"}, {}};
const KvOptionList VrrpProtocolList(kVrrpProtocol, KvOptionList::kIntegerValues);

const _SNMPVar_s VrrpOperVars[] = {
    {"1.3.6.1.2.1.2.2.1.1",      "ifIndex",                 synInteger,     vfIndex},
    {"1.3.6.1.2.1.68.1.3.1.1",   "VRID",                    synInteger,     vfIndex},
    {"1.3.6.1.2.1.68.1.3.1.2",   "Virtual MAC Address",     synMacAddress,  vfReadOnly},
    {"1.3.6.1.2.1.68.1.3.1.3",   "Virtual Router State",    synInteger,     vfReadOnly, &VrrpStateList},
    {"1.3.6.1.2.1.68.1.3.1.4",   "Administrate State",      synInteger,     vfReadWrite, &VrrpAdminStateList},
    {"1.3.6.1.2.1.68.1.3.1.5",   "Virtual Router Priority", synInteger,     vfReadWrite},
    {"1.3.6.1.2.1.68.1.3.1.6",   "IP Address Count",        synInteger,     vfReadOnly},
    {"1.3.6.1.2.1.68.1.3.1.7",   "Master IP Address",       synIpAddress,   vfReadOnly},
    {"1.3.6.1.2.1.68.1.3.1.8",   "Primary IP Address",      synIpAddress,   vfReadWrite},
    {"1.3.6.1.2.1.68.1.3.1.9",   "Authentication Type",     synInteger,     vfReadWrite, &VrrpAuthTypeList},
    {"1.3.6.1.2.1.68.1.3.1.10",  "Authentication Key",      synDisplayString, vfReadWrite},
    {"1.3.6.1.2.1.68.1.3.1.11",  "Advertisement Interval",  synInteger,     vfReadWrite},
    {"1.3.6.1.2.1.68.1.3.1.12",  "Preempt Mode",            synInteger,     vfReadWrite, &TruthValueOptions},
    {"1.3.6.1.2.1.68.1.3.1.13",  "Virtual Router UpTime",   synTimeTicks,   vfReadOnly},
    {"1.3.6.1.2.1.68.1.3.1.14",  "Operate Protocol",        synInteger,     vfReadWrite, &VrrpProtocolList},
    {"1.3.6.1.2.1.68.1.3.1.15",  "Row Status",              synInteger,     vfReadWrite, &RowStatusOptions},
    {},
};

// swL3DevCtrl: the routing protocols of the layer-3 agent (.3.1)
const _SNMPVar_s L3DevCtrlVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.3.1.1", "RIP State",    synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.11.59.7.3.1.2", "OSPF State",   synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.11.59.7.3.1.3", "DVMRP State",  synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.11.59.7.3.1.4", "PIM-DM State", synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.11.59.7.3.1.5", "VRRP State",   synInteger, vfReadWrite, &OtherDisabledEnabled},
    {},
};

// swL3IpCtrlTable: the IP interfaces (.3.2.1)
const _Option_s kIpCtrlProtocol[] = {{1, "other"}, {2, "manual"}, {3, "bootp"}, {4, "dhcp"}, {}};
const KvOptionList IpCtrlProtocolList(kIpCtrlProtocol, KvOptionList::kIntegerValues);

const _SNMPVar_s IpCtrlVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.3.2.1.1.1", "Interface Name", synDisplayString, vfIndex},
    {"1.3.6.1.4.1.99402.11.59.7.3.2.1.1.2", "IfIndex",        synInteger,       vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.3.2.1.1.3", "IP Address",     synIpAddress,     vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.3.2.1.1.4", "Subnet Mask",    synIpAddress,     vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.3.2.1.1.5", "VLAN Name",      synDisplayString, vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.3.2.1.1.6", "Protocol",       synInteger,       vfReadWrite, &IpCtrlProtocolList},
    {"1.3.6.1.4.1.99402.11.59.7.3.2.1.1.7", "Secondary",      synInteger,       vfReadWrite, &TruthValueOptions},
    {"1.3.6.1.4.1.99402.11.59.7.3.2.1.1.8", "Admin State",    synInteger,       vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.11.59.7.3.2.1.1.9", "Row Status",     synInteger,       vfReadWrite, &RowStatusOptions},
    {},
};
const _ItemOverride_s IpCtrlItems[] = {
    {"Interface Name", 0, "%s{l12}"},
    {"VLAN Name",      0, "%s{l32}"},
    {},
};

// swL3IpFdbInfoTable: the IP forwarding entries (.3.2.2)
const _Option_s kIpFdbType[] = {{1, "other"}, {2, "static"}, {3, "dynamic"}, {}};
const KvOptionList IpFdbTypeList(kIpFdbType, KvOptionList::kIntegerValues);

const _SNMPVar_s IpFdbVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.3.2.2.1.1", "IP Address",  synIpAddress, vfIndex},
    {"1.3.6.1.4.1.99402.11.59.7.3.2.2.1.2", "Subnet Mask", synIpAddress, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.3.2.2.1.3", "Port",        synInteger,   vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.3.2.2.1.4", "Type",        synInteger,   vfReadOnly, &IpFdbTypeList},
    {},
};

// swL3IpMacMapTable: fixed IP to MAC address bindings (.3.2.3)
const _SNMPVar_s IpMacMapVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.3.2.3.1.1", "IP Address",  synIpAddress,  vfIndex},
    {"1.3.6.1.4.1.99402.11.59.7.3.2.3.1.2", "MAC Address", synMacAddress, vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.3.2.3.1.3", "Port",        synInteger,    vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.3.2.3.1.4", "Status",      synInteger,    vfReadWrite, &ValidStatusOptions},
    {},
};
const _ItemOverride_s IpMacMapItems[] = {
    {"MAC Address", 0, "%h{l12}"},
    {"Port",        0, "%i{n0x768l3}"},
    {},
};

// swL3RelayBootp: BOOTP relay (.3.3.1)
const _SNMPVar_s BootpVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.3.3.1.1", "BOOTP Relay State",            synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.11.59.7.3.3.1.2", "Hops Count Limit [1-16]",      synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.3.3.1.3", "Time Threshold [0-65535 sec]", synInteger, vfReadWrite},
    {},
};
const _ItemOverride_s BootpItems[] = {
    {"Hops Count Limit [1-16]",      0, "%i{n1x16l2}"},
    {"Time Threshold [0-65535 sec]", 0, "%i{n0x65535l5}"},
    {},
};

// swL3RelayDns: DNS relay (.3.3.2)
const _SNMPVar_s DnsBasicVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.3.3.2.1", "DNS Relay State",           synInteger,   vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.11.59.7.3.3.2.2", "Cache Lookup State",        synInteger,   vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.11.59.7.3.3.2.3", "Static Table Lookup State", synInteger,   vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.11.59.7.3.3.2.4", "Primary Name Server",       synIpAddress, vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.3.3.2.5", "Secondary Name Server",     synIpAddress, vfReadWrite},
    {},
};

// swL3RoutePreference: preference of the route sources (.3.6)
const _SNMPVar_s RoutePreferenceVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.3.6.1", "RIP [1-999]",            synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.3.6.2", "OSPF Intra [1-999]",     synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.3.6.3", "Static [1-999]",         synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.3.6.4", "Local",                  synInteger, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.3.6.5", "OSPF Inter [1-999]",     synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.3.6.6", "OSPF External 1 [1-999]", synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.3.6.7", "OSPF External 2 [1-999]", synInteger, vfReadWrite},
    {},
};
const _ItemOverride_s RoutePreferenceItems[] = {
    {"RIP [1-999]",             0, "%i{n1x999l3}"},
    {"OSPF Intra [1-999]",      0, "%i{n1x999l3}"},
    {"Static [1-999]",          0, "%i{n1x999l3}"},
    {"OSPF Inter [1-999]",      0, "%i{n1x999l3}"},
    {"OSPF External 1 [1-999]", 0, "%i{n1x999l3}"},
    {"OSPF External 2 [1-999]", 0, "%i{n1x999l3}"},
    {},
};

// OSPF-MIB ospfVirtIfTable (1.3.6.1.2.1.14.9)
const _Option_s kOspfVirtIfState[] = {{1, "down"}, {4, "pointToPoint"}, {}};
const KvOptionList OspfVirtIfStateList(kOspfVirtIfState, KvOptionList::kIntegerValues);
const _Option_s kOspfAuthType[] = {{0, "none"}, {1, "simplePassword"}, {2, "md5"}, {}};
const KvOptionList OspfAuthTypeList(kOspfAuthType, KvOptionList::kIntegerValues);

const _SNMPVar_s OspfVirtIfVars[] = {
    {"1.3.6.1.2.1.14.9.1.1",  "Area ID",              synIpAddress,     vfIndex},
    {"1.3.6.1.2.1.14.9.1.2",  "Neighbor",             synIpAddress,     vfIndex},
    {"1.3.6.1.2.1.14.9.1.3",  "Transit Delay",        synInteger,       vfReadWrite},
    {"1.3.6.1.2.1.14.9.1.4",  "Retransmit Interval",  synInteger,       vfReadWrite},
    {"1.3.6.1.2.1.14.9.1.5",  "Hello Interval",       synInteger,       vfReadWrite},
    {"1.3.6.1.2.1.14.9.1.6",  "Router Dead Interval", synInteger,       vfReadWrite},
    {"1.3.6.1.2.1.14.9.1.7",  "State",                synInteger,       vfReadOnly, &OspfVirtIfStateList},
    {"1.3.6.1.2.1.14.9.1.8",  "Events",               synCounter32,     vfReadOnly},
    {"1.3.6.1.2.1.14.9.1.9",  "Authentication Key",   synDisplayString, vfReadWrite},
    {"1.3.6.1.2.1.14.9.1.10", "Status",               synInteger,       vfReadWrite, &RowStatusOptions},
    {"1.3.6.1.2.1.14.9.1.11", "Authentication Type",  synInteger,       vfReadWrite, &OspfAuthTypeList},
    {},
};
const _ItemOverride_s OspfVirtIfItems[] = {
    {"Transit Delay",        0, "%i{n0x3600l4}"},
    {"Retransmit Interval",  0, "%i{n0x3600l4}"},
    {"Hello Interval",       0, "%i{n1x65535l5}"},
    {"Router Dead Interval", 0, "%i{n0x2147483647l10}"},
    {"Authentication Key",   0, "%s{l16}"},
    {},
};

// OSPF-MIB ospfHostTable (1.3.6.1.2.1.14.6)
const _SNMPVar_s OspfHostVars[] = {
    {"1.3.6.1.2.1.14.6.1.1", "Host IP Address", synIpAddress, vfIndex},
    {"1.3.6.1.2.1.14.6.1.2", "TOS",             synInteger,   vfIndex},
    {"1.3.6.1.2.1.14.6.1.3", "Metric",          synInteger,   vfReadWrite},
    {"1.3.6.1.2.1.14.6.1.4", "Status",          synInteger,   vfReadWrite, &RowStatusOptions},
    {"1.3.6.1.2.1.14.6.1.5", "Area ID",         synIpAddress, vfReadWrite},
    {},
};
const _ItemOverride_s OspfHostItems[] = {
    {"TOS",    0, "%i{n0x30l2}"},
    {"Metric", 0, "%i{n0x65535l5}"},
    {},
};

// VRRP-MIB vrrpOperations scalars (1.3.6.1.2.1.68.1)
const _SNMPVar_s VrrpControlVars[] = {
    {"1.3.6.1.2.1.68.1.1", "VRRP Node Version",    synInteger, vfReadOnly},
    {"1.3.6.1.2.1.68.1.2", "Notification Control", synInteger, vfReadWrite, &EnabledDisabled},
    {},
};

// VRRP-MIB vrrpAssoIpAddrTable (1.3.6.1.2.1.68.1.4)
const _SNMPVar_s VrrpAssoIpVars[] = {
    {"1.3.6.1.2.1.2.2.1.1",    "ifIndex",    synInteger,   vfIndex},
    {"1.3.6.1.2.1.68.1.3.1.1", "VRID",       synInteger,   vfIndex},
    {"1.3.6.1.2.1.68.1.4.1.1", "IP Address", synIpAddress, vfIndex},
    {"1.3.6.1.2.1.68.1.4.1.2", "Row Status", synInteger,   vfReadWrite, &RowStatusOptions},
    {},
};
const _ItemOverride_s VrrpAssoIpItems[] = {
    {"ifIndex", 0, "%i{n1x2147483647l10}"},
    {"VRID",    0, "%i{n1x255l3}"},
    {},
};

// VRRP-MIB vrrpStatistics scalars (1.3.6.1.2.1.68.2)
const _SNMPVar_s VrrpErrorStatsVars[] = {
    {"1.3.6.1.2.1.68.2.1", "Checksum Errors", synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.68.2.2", "Version Errors",  synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.68.2.3", "VRID Errors",     synCounter32, vfReadOnly},
    {},
};

// VRRP-MIB vrrpRouterStatsTable (1.3.6.1.2.1.68.2.4), one row per virtual router
const _SNMPVar_s VrrpRouterStatsVars[] = {
    {"1.3.6.1.2.1.2.2.1.1",     "ifIndex",                    synInteger,   vfIndex},
    {"1.3.6.1.2.1.68.1.3.1.1",  "VRID",                       synInteger,   vfIndex},
    {"1.3.6.1.2.1.68.2.4.1.1",  "Become Master",              synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.2",  "Advertisements Received",    synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.3",  "Advertise Interval Errors",  synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.4",  "Authentication Failures",    synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.5",  "IP TTL Errors",              synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.6",  "Priority Zero Received",     synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.7",  "Priority Zero Sent",         synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.8",  "Invalid Type Received",      synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.9",  "Address List Errors",        synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.10", "Invalid Authentication Type", synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.11", "Authentication Type Mismatch", synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.12", "Packet Length Errors",       synCounter32, vfReadOnly},
    {},
};

// IGMP-STD-MIB igmpInterfaceTable (1.3.6.1.2.1.85.1.1)
const _SNMPVar_s IgmpInterfaceVars[] = {
    {"1.3.6.1.2.1.85.1.1.1.1",  "Interface",                    synInteger,    vfIndex},
    {"1.3.6.1.2.1.85.1.1.1.2",  "Query Interval",               synUInteger32, vfReadWrite},
    {"1.3.6.1.2.1.85.1.1.1.3",  "Status",                       synInteger,    vfReadWrite, &RowStatusOptions},
    {"1.3.6.1.2.1.85.1.1.1.4",  "Version",                      synUInteger32, vfReadWrite},
    {"1.3.6.1.2.1.85.1.1.1.5",  "Querier",                      synIpAddress,  vfReadOnly},
    {"1.3.6.1.2.1.85.1.1.1.6",  "Query Max Response Time",      synUInteger32, vfReadWrite},
    {"1.3.6.1.2.1.85.1.1.1.7",  "Querier Up Time",              synTimeTicks,  vfReadOnly},
    {"1.3.6.1.2.1.85.1.1.1.8",  "Querier Expiry Time",          synTimeTicks,  vfReadOnly},
    {"1.3.6.1.2.1.85.1.1.1.9",  "Version 1 Querier Timer",      synTimeTicks,  vfReadOnly},
    {"1.3.6.1.2.1.85.1.1.1.10", "Wrong Version Queries",        synCounter32,  vfReadOnly},
    {"1.3.6.1.2.1.85.1.1.1.11", "Joins",                        synCounter32,  vfReadOnly},
    {"1.3.6.1.2.1.85.1.1.1.12", "Proxy Interface",              synInteger,    vfReadWrite},
    {"1.3.6.1.2.1.85.1.1.1.13", "Groups",                       synGauge32,    vfReadOnly},
    {"1.3.6.1.2.1.85.1.1.1.14", "Robustness",                   synUInteger32, vfReadWrite},
    {"1.3.6.1.2.1.85.1.1.1.15", "Last Member Query Interval",   synUInteger32, vfReadWrite},
    {},
};
const _ItemOverride_s IgmpInterfaceItems[] = {
    {"Interface",                  0, "%i{n1x2147483647l10}"},
    {"Query Interval",             0, "%i{n1x31744l5}"},
    {"Version",                    0, "%i{n1x3l1}"},
    {"Query Max Response Time",    0, "%i{n0x255l3}"},
    {"Proxy Interface",            0, "%i{n0x2147483647l10}"},
    {"Robustness",                 0, "%i{n1x255l3}"},
    {"Last Member Query Interval", 0, "%i{n0x255l3}"},
    {},
};

// IGMP-STD-MIB igmpCacheTable (1.3.6.1.2.1.85.1.2)
const _Option_s kIgmpFilterMode[] = {{1, "include"}, {2, "exclude"}, {}};
const KvOptionList IgmpFilterModeList(kIgmpFilterMode, KvOptionList::kIntegerValues);

const _SNMPVar_s IgmpCacheVars[] = {
    {"1.3.6.1.2.1.85.1.2.1.1",  "Group Address",           synIpAddress, vfIndex},
    {"1.3.6.1.2.1.85.1.2.1.2",  "Interface",               synInteger,   vfIndex},
    {"1.3.6.1.2.1.85.1.2.1.3",  "Self",                    synInteger,   vfReadWrite, &TruthValueOptions},
    {"1.3.6.1.2.1.85.1.2.1.4",  "Last Reporter",           synIpAddress, vfReadOnly},
    {"1.3.6.1.2.1.85.1.2.1.5",  "Up Time",                 synTimeTicks, vfReadOnly},
    {"1.3.6.1.2.1.85.1.2.1.6",  "Expiry Time",             synTimeTicks, vfReadOnly},
    {"1.3.6.1.2.1.85.1.2.1.7",  "Status",                  synInteger,   vfReadWrite, &RowStatusOptions},
    {"1.3.6.1.2.1.85.1.2.1.8",  "Version 1 Host Timer",    synTimeTicks, vfReadOnly},
    {"1.3.6.1.2.1.85.1.2.1.9",  "Version 2 Host Timer",    synTimeTicks, vfReadOnly},
    {"1.3.6.1.2.1.85.1.2.1.10", "Source Filter Mode",      synInteger,   vfReadOnly, &IgmpFilterModeList},
    {},
};
const _ItemOverride_s IgmpCacheItems[] = {
    {"Interface", 0, "%i{n1x2147483647l10}"},
    {},
};

// IGMP-STD-MIB igmpSrcListTable (1.3.6.1.2.1.85.1.3): IGMPv3 source lists
const _SNMPVar_s IgmpSrcListVars[] = {
    {"1.3.6.1.2.1.85.1.3.1.1", "Group Address",  synIpAddress, vfIndex},
    {"1.3.6.1.2.1.85.1.3.1.2", "Interface",      synInteger,   vfIndex},
    {"1.3.6.1.2.1.85.1.3.1.3", "Source Address", synIpAddress, vfIndex},
    {"1.3.6.1.2.1.85.1.3.1.4", "Status",         synInteger,   vfReadWrite, &RowStatusOptions},
    {},
};
const _ItemOverride_s IgmpSrcListItems[] = {
    {"Interface", 0, "%i{n1x2147483647l10}"},
    {},
};

} // namespace

const _GenericEntry_s Layer3GenericEntries[] = {
    {.Name = "IpControlManagement", .Title = "ARP Aging Time", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = ArpAgingVars},
    {.Name = "IpStaticRoutingTable", .Title = "IP Static Routing Table", .Page = KvPageKind::TableAuto,
     .ListKind = L::kTable, .KeyCount = 3, .Vars = StaticRouteVars, .StatusIndex = 5, .AddText = "valid",
     .DeleteText = "invalid"},
    {.Name = "DnsCtrlTable", .Title = "DNS Ctrl Table", .Page = KvPageKind::TableAuto,
     .ListKind = L::kTable, .KeyCount = 2, .Vars = DnsCtrlVars, .StatusIndex = 2, .AddText = "valid",
     .DeleteText = "invalid", .Adjust = adHideEdit, .HeightAdd = 100},
    {.Name = "VrrpOperation", .Title = "VRRP Operations", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 2, .Vars = VrrpOperVars},
    {.Name = "L3DeviceCtrl", .Title = "Layer 3 Device Control", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = L3DevCtrlVars},
    {.Name = "IpControlTable", .Title = "IP Control Table", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 1, .Vars = IpCtrlVars, .Items = IpCtrlItems, .StatusIndex = 8,
     .AddText = "createAndGo", .DeleteText = "destroy"},
    {.Name = "IpForwardingTable", .Title = "IP Forwarding Table", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = IpFdbVars, .Adjust = adShowStop, .Height = 450},
    {.Name = "IpMacMapTable", .Title = "IP MAC Map Table", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 1, .Vars = IpMacMapVars, .Items = IpMacMapItems, .StatusIndex = 3,
     .AddText = "valid", .DeleteText = "invalid"},
    {.Name = "BootpBasicConfiguration", .Title = "BOOTP Basic Configuration", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = BootpVars, .Items = BootpItems},
    {.Name = "DnsBasicConfiguration", .Title = "DNS Basic Configuration", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = DnsBasicVars},
    {.Name = "OspfVirtualInterfaceTable", .Title = "OSPF Virtual Interface Table", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 2, .Vars = OspfVirtIfVars, .Items = OspfVirtIfItems,
     .StatusIndex = 9, .AddText = "createAndGo", .DeleteText = "destroy"},
    {.Name = "OspfHostTable", .Title = "OSPF Host Table", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 2, .Vars = OspfHostVars, .Items = OspfHostItems,
     .StatusIndex = 3, .AddText = "createAndGo", .DeleteText = "destroy"},
    {.Name = "RoutePreference", .Title = "Route Preference", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = RoutePreferenceVars, .Items = RoutePreferenceItems},
    {.Name = "VrrpControl", .Title = "VRRP Control", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = VrrpControlVars},
    {.Name = "VrrpVirtualRouteAddress", .Title = "Virtual Route Address", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 3, .Vars = VrrpAssoIpVars, .Items = VrrpAssoIpItems,
     .StatusIndex = 3, .AddText = "createAndGo", .DeleteText = "destroy"},
    {.Name = "VrrpErrorStatistics", .Title = "VRRP Error Statistics", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = VrrpErrorStatsVars},
    {.Name = "VrrpVirtualRouteStatistics", .Title = "Virtual Route Statistics", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 2, .Vars = VrrpRouterStatsVars, .Height = 450},
    {.Name = "IgmpInterfaceTable", .Title = "IGMP Interface Table", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 1, .Vars = IgmpInterfaceVars, .Items = IgmpInterfaceItems,
     .StatusIndex = 2, .AddText = "createAndGo", .DeleteText = "destroy", .Height = 450},
    {.Name = "IgmpCacheTable", .Title = "IGMP Cache Table", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 2, .Vars = IgmpCacheVars, .Items = IgmpCacheItems,
     .StatusIndex = 6, .AddText = "createAndGo", .DeleteText = "destroy"},
    {.Name = "IgmpSrcListTable", .Title = "IGMP Source List Table", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 3, .Vars = IgmpSrcListVars, .Items = IgmpSrcListItems,
     .StatusIndex = 3, .AddText = "createAndGo", .DeleteText = "destroy"},
    {},
};
