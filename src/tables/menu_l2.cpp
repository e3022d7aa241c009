// Layer 2 Management: ports, trunks, port security, QoS, IGMP snooping, storm
// control and the CPU interface filter (swL2Mgmt, 1.3.6.1.4.1.99402.11.59.7.2),
// and the aggregators of IEEE8023-LAG-MIB (1.2.840.10006.300.43).
#include "discoverytables.h"
#include "genericentries.h"
#include "menu_ports.h"

using L = KvSNMPVarList;

namespace {

const _Option_s kNwayState[] = {{1, "other"},
                                {2, "nway-auto"},
                                {3, "nway-disabled-10Mbps-half"},
                                {4, "nway-disabled-10Mbps-full"},
                                {5, "nway-disabled-100Mbps-half"},
                                {6, "nway-disabled-100Mbps-full"},
                                {7, "nway-disabled-1Gigabps-full"},
                                {}};
const KvOptionList NwayStateList(kNwayState, KvOptionList::kIntegerValues);

const _SNMPVar_s BandwidthVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.2.6.1.1.1", "Port Index",    synInteger, vfIndex},
    {"1.3.6.1.4.1.99402.11.59.7.2.6.1.1.2", "Receive Rate",  synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.2.6.1.1.3", "Transmit Rate", synInteger, vfReadWrite},
    {},
};
const _ItemOverride_s BandwidthItems[] = {
    {"Receive Rate",  0, "%i{n1x10000}"},
    {"Transmit Rate", 0, "%i{n1x10000}"},
    {},
};

// --- Ports (swL2PortMgmt, .3) ------------------------------------------------------
// swL2PortJumboFrame: jumbo frames on every port
const _SNMPVar_s JumboFrameVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.2.3.4.1", "Jumbo Frame State",    synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.4.2", "Max Jumbo Frame Size", synInteger, vfReadOnly},
    {},
};

// swL2PortCableDiagTable: cable test of each twisted pair
const _Option_s kCablePairStatus[] = {{1, "other"}, {2, "ok"}, {3, "open"}, {4, "short"}, {5, "open-short"},
                                      {6, "crosstalk"}, {7, "unknown"}, {8, "no-cable"}, {}};
const KvOptionList CablePairStatusList(kCablePairStatus, KvOptionList::kIntegerValues);
const _Option_s kCableDiagAction[] = {{1, "other"}, {2, "action"}, {3, "processing"}, {}};
const KvOptionList CableDiagActionList(kCableDiagAction, KvOptionList::kIntegerValues);

const _SNMPVar_s PortDiagnosisVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.2.3.3.1.1",  "Port",             synInteger, vfIndex},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.3.1.2",  "Link Status",      synInteger, vfReadOnly, &LinkStatusOptions},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.3.1.3",  "Pair1 Status",     synInteger, vfReadOnly, &CablePairStatusList},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.3.1.4",  "Pair1 Length (m)", synInteger, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.3.1.5",  "Pair2 Status",     synInteger, vfReadOnly, &CablePairStatusList},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.3.1.6",  "Pair2 Length (m)", synInteger, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.3.1.7",  "Pair3 Status",     synInteger, vfReadOnly, &CablePairStatusList},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.3.1.8",  "Pair3 Length (m)", synInteger, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.3.1.9",  "Pair4 Status",     synInteger, vfReadOnly, &CablePairStatusList},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.3.1.10", "Pair4 Length (m)", synInteger, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.3.1.11", "Diagnosis Action", synInteger, vfReadWrite, &CableDiagActionList},
    {},
};

// --- Trunks (swL2TrunkMgmt, .9; the trunk table .9.3 has a form of its own) ------------
const _Option_s kTrunkAlgorithm[] = {{1, "other"},         {2, "mac-source"},   {3, "mac-destination"},
                                     {4, "mac-source-dest"}, {5, "ip-source"},  {6, "ip-destination"},
                                     {7, "ip-source-dest"},  {}};
const KvOptionList TrunkAlgorithmList(kTrunkAlgorithm, KvOptionList::kIntegerValues);

const _SNMPVar_s TrunkBasicVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.2.9.1", "Max Trunk Groups",       synInteger, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.9.2", "Max Ports Of A Group",   synInteger, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.9.4", "Current Trunk Groups",   synInteger, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.9.5", "Load Sharing Algorithm", synInteger, vfReadWrite, &TrunkAlgorithmList},
    {},
};

// --- Port security (swL2PortSecurityMgmt, .5) -----------------------------------------
const _Option_s kLockAddressMode[] = {{1, "other"}, {2, "permanent"}, {3, "deleteOnTimeout"}, {4, "deleteOnReset"}, {}};
const KvOptionList LockAddressModeList(kLockAddressMode, KvOptionList::kIntegerValues);

const _SNMPVar_s PortSecurityVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.2.5.1.1.1", "Port",                 synInteger, vfIndex},
    {"1.3.6.1.4.1.99402.11.59.7.2.5.1.1.2", "Admin State",          synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.11.59.7.2.5.1.1.3", "Max Learning Address", synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.2.5.1.1.4", "Lock Address Mode",    synInteger, vfReadWrite, &LockAddressModeList},
    {},
};
const _ItemOverride_s PortSecurityItems[] = {
    {"Max Learning Address", 0, "%i{n0x64l2}"},
    {},
};

// swL2PortSecurityDel: removes one learned address
const _Option_s kDeleteActivity[] = {{1, "none"}, {2, "start"}, {}};
const KvOptionList DeleteActivityList(kDeleteActivity, KvOptionList::kIntegerValues);

const _SNMPVar_s PortSecurityDeleteVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.2.5.2.1", "VLAN Name",   synDisplayString, vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.2.5.2.2", "Port",        synInteger,       vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.2.5.2.3", "MAC Address", synMacAddress,    vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.2.5.2.4", "Action",      synInteger,       vfReadWrite, &DeleteActivityList},
    {},
};
const _ItemOverride_s PortSecurityDeleteItems[] = {
    {"VLAN Name", 0, "%s{l32}"},
    {"Port",      0, "%i{n1x768l3}"},
    {},
};

// --- QoS (swL2QOSMgmt, .6) ---------------------------------------------------------------
const _Option_s kSchedulingMechanism[] = {{1, "other"}, {2, "strict"}, {3, "round-robin"}, {4, "weighted-round-robin"}, {}};
const KvOptionList SchedulingMechanismList(kSchedulingMechanism, KvOptionList::kIntegerValues);

const _SNMPVar_s QosBasicVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.2.6.5.1", "Scheduling Mechanism",    synInteger, vfReadWrite, &SchedulingMechanismList},
    {"1.3.6.1.4.1.99402.11.59.7.2.6.5.2", "Number Of Classes",       synInteger, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.6.5.3", "HOL Blocking Prevention", synInteger, vfReadWrite, &OtherDisabledEnabled},
    {},
};

// swL2QOSSchedulingTable: per class, packets sent before the next class and
// the longest wait (units of 16 microseconds)
const _SNMPVar_s QosSchedulingVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.2.6.2.1.1", "Class ID",    synInteger, vfIndex},
    {"1.3.6.1.4.1.99402.11.59.7.2.6.2.1.2", "Max Packets", synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.2.6.2.1.3", "Max Latency", synInteger, vfReadWrite},
    {},
};
const _ItemOverride_s QosSchedulingItems[] = {
    {"Max Packets", 0, "%i{n0x255l3}"},
    {"Max Latency", 0, "%i{n0x255l3}"},
    {},
};

// swL2QOS8021pUserPriorityTable: 802.1p priority to class
const _SNMPVar_s QosUserPriorityVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.2.6.3.1.1", "Priority", synInteger, vfIndex},
    {"1.3.6.1.4.1.99402.11.59.7.2.6.3.1.2", "Class",    synInteger, vfReadWrite},
    {},
};
const _ItemOverride_s QosUserPriorityItems[] = {
    {"Class", 0, "%i{n0x3l1}"},
    {},
};

// swL2QOS8021pDefaultPriorityTable: priority given to untagged frames of a port
const _SNMPVar_s QosDefaultPriorityVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.2.6.4.1.1", "Port",             synInteger, vfIndex},
    {"1.3.6.1.4.1.99402.11.59.7.2.6.4.1.2", "Default Priority", synInteger, vfReadWrite},
    {},
};
const _ItemOverride_s QosDefaultPriorityItems[] = {
    {"Default Priority", 0, "%i{n0x7l1}"},
    {},
};

// --- IGMP snooping (swL2IGMPMgmt, .7) ------------------------------------------------------
const _SNMPVar_s IgmpBasicVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.2.7.1.1", "Max Supported VLANs",     synInteger, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.7.1.2", "Max IP Groups Of A VLAN", synInteger, vfReadOnly},
    {},
};

// swL2IGMPCtrlTable: snooping and querier settings of each VLAN
const _Option_s kIgmpQuerierState[] = {{1, "other"}, {2, "querier"}, {3, "non-querier"}, {}};
const KvOptionList IgmpQuerierStateList(kIgmpQuerierState, KvOptionList::kIntegerValues);

const _SNMPVar_s IgmpCtrlVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.2.7.3.1.1",  "VLAN ID",                    synInteger, vfIndex},
    {"1.3.6.1.4.1.99402.11.59.7.2.7.3.1.2",  "Query Interval",             synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.2.7.3.1.3",  "Max Response Time",          synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.2.7.3.1.4",  "Robustness Variable",        synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.2.7.3.1.5",  "Last Member Query Interval", synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.2.7.3.1.6",  "Host Timeout",               synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.2.7.3.1.7",  "Route Timeout",              synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.2.7.3.1.8",  "Leave Timer",                synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.2.7.3.1.9",  "Querier State",              synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.11.59.7.2.7.3.1.10", "Current Querier State",      synInteger, vfReadOnly, &IgmpQuerierStateList},
    {"1.3.6.1.4.1.99402.11.59.7.2.7.3.1.11", "Snooping State",             synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.11.59.7.2.7.3.1.12", "Fast Leave",                 synInteger, vfReadWrite, &OtherDisabledEnabled},
    {},
};
const _ItemOverride_s IgmpCtrlItems[] = {
    {"Query Interval",             0, "%i{n1x65535l5}"},
    {"Max Response Time",          0, "%i{n1x25l2}"},
    {"Robustness Variable",        0, "%i{n1x255l3}"},
    {"Last Member Query Interval", 0, "%i{n1x25l2}"},
    {"Host Timeout",               0, "%i{n1x16711450l8}"},
    {"Route Timeout",              0, "%i{n1x16711450l8}"},
    {"Leave Timer",                0, "%i{n0x16711450l8}"},
    {},
};

// swL2IGMPQueryInfoTable: the querier heard on each VLAN
const _SNMPVar_s IgmpQueryInfoVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.2.7.4.1.1", "VLAN ID",                synInteger,   vfIndex},
    {"1.3.6.1.4.1.99402.11.59.7.2.7.4.1.2", "Querier IP Address",     synIpAddress, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.7.4.1.3", "Querier Expiry Time",    synInteger,   vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.7.4.1.4", "Query Packets Received", synCounter32, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.7.4.1.5", "Query Packets Sent",     synCounter32, vfReadOnly},
    {},
};

// swL2IGMPGroupTable: multicast groups learned on each VLAN and their ports
const _SNMPVar_s IgmpGroupVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.2.7.5.1.1", "VLAN ID",          synInteger,    vfIndex},
    {"1.3.6.1.4.1.99402.11.59.7.2.7.5.1.2", "Group IP Address", synIpAddress,  vfIndex},
    {"1.3.6.1.4.1.99402.11.59.7.2.7.5.1.3", "MAC Address",      synMacAddress, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.7.5.1.4", "Port Map",         synBits,       vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.7.5.1.5", "Report Count",     synInteger,    vfReadOnly},
    {},
};

// --- Storm control (swL2TrafficCtrlTable, .8) ----------------------------------------------
const _Option_s kStormAction[] = {{1, "other"}, {2, "drop"}, {3, "shutdown"}, {}};
const KvOptionList StormActionList(kStormAction, KvOptionList::kIntegerValues);

const _SNMPVar_s TrafficControlVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.2.8.1.1.1", "Port",                    synInteger, vfIndex},
    {"1.3.6.1.4.1.99402.11.59.7.2.8.1.1.2", "Broadcast Storm",         synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.11.59.7.2.8.1.1.3", "Multicast Storm",         synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.11.59.7.2.8.1.1.4", "Unknown Unicast Storm",   synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.11.59.7.2.8.1.1.5", "Threshold (K packets/s)", synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.2.8.1.1.6", "Action",                  synInteger, vfReadWrite, &StormActionList},
    {},
};
const _ItemOverride_s TrafficControlItems[] = {
    {"Threshold (K packets/s)", 0, "%i{n0x255l3}"},
    {},
};

// --- CPU interface filter (swL2CpuFilter, .11) -------------------------------------------
const _SNMPVar_s CpuFilterStateVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.2.11.1", "CPU Interface Filter State", synInteger, vfReadWrite, &OtherDisabledEnabled},
    {},
};

// --- IEEE8023-LAG-MIB dot3adAggTable (1.2.840.10006.300.43.1.1.1) ---------------------------
const _SNMPVar_s AggregatorVars[] = {
    {"1.2.840.10006.300.43.1.1.1.1.1",  "Aggregator Index",        synInteger,    vfIndex},
    {"1.2.840.10006.300.43.1.1.1.1.2",  "MAC Address",             synMacAddress, vfReadOnly},
    {"1.2.840.10006.300.43.1.1.1.1.3",  "Actor System Priority",   synInteger,    vfReadWrite},
    {"1.2.840.10006.300.43.1.1.1.1.4",  "Actor System ID",         synMacAddress, vfReadOnly},
    {"1.2.840.10006.300.43.1.1.1.1.5",  "Aggregate Or Individual", synInteger,    vfReadOnly, &TruthValueOptions},
    {"1.2.840.10006.300.43.1.1.1.1.6",  "Actor Admin Key",         synInteger,    vfReadWrite},
    {"1.2.840.10006.300.43.1.1.1.1.7",  "Actor Oper Key",          synInteger,    vfReadOnly},
    {"1.2.840.10006.300.43.1.1.1.1.8",  "Partner System ID",       synMacAddress, vfReadOnly},
    {"1.2.840.10006.300.43.1.1.1.1.9",  "Partner System Priority", synInteger,    vfReadOnly},
    {"1.2.840.10006.300.43.1.1.1.1.10", "Partner Oper Key",        synInteger,    vfReadOnly},
    {"1.2.840.10006.300.43.1.1.1.1.11", "Collector Max Delay",     synInteger,    vfReadWrite},
    {},
};
const _ItemOverride_s AggregatorItems[] = {
    {"Actor System Priority", 0, "%i{n0x65535l5}"},
    {"Actor Admin Key",       0, "%i{n0x65535l5}"},
    {"Collector Max Delay",   0, "%i{n0x65535l5}"},
    {},
};

} // namespace

// swL2PortInfoTable (read-only) and swL2PortCtrlTable; the port popup uses them too.
const _SNMPVar_s PortInfoTableVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.2.3.1.1.1", "Index",       synInteger, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.1.1.2", "Unit Index",  synInteger, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.1.1.3", "Port Type",   synInteger, vfReadOnly, &PortTypeOptions},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.1.1.4", "Link Status", synInteger, vfReadOnly, &LinkStatusOptions},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.1.1.5", "Nway Status", synInteger, vfReadOnly, &NwayStatusOptions},
    {},
};

const _SNMPVar_s PortControlTableVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.2.3.2.1.1", "Index",              synInteger, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.2.1.2", "Unit Index",         synInteger, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.2.1.3", "Admin State",        synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.2.1.4", "Nway State",         synInteger, vfReadWrite, &NwayStateList},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.2.1.5", "Flow Control State", synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.2.1.6", "Lock State",         synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.11.59.7.2.3.2.1.7", "MAC Notify State",   synInteger, vfReadWrite, &OtherDisabledEnabled},
    {},
};

const _GenericEntry_s Layer2GenericEntries[] = {
    {.Name = "JumboFrameCtrl", .Title = "Jumbo Frame Ctrl", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = JumboFrameVars},
    {.Name = "PortInformationTable", .Title = "Port Information Table", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = PortInfoTableVars, .Adjust = adShowStop, .Height = 450},
    {.Name = "PortControlTable", .Title = "Port Control Table", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = PortControlTableVars, .Adjust = adShowStop, .Height = 450,
     .ValueWider = 100},
    {.Name = "PortDiagnosisTable", .Title = "Port Diagnosis Table", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = PortDiagnosisVars, .Adjust = adShowStop, .Height = 450},
    {.Name = "TrunkBasicInformation", .Title = "Trunk Basic Information", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = TrunkBasicVars, .ValueWider = 40, .FormWider = 40},
    {.Name = "PortSecurityTable", .Title = "Port Security Table", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = PortSecurityVars, .Items = PortSecurityItems,
     .Adjust = adShowStop, .Height = 450},
    {.Name = "PortSecurityDeleteControl", .Title = "Port Security Delete Control", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = PortSecurityDeleteVars, .Items = PortSecurityDeleteItems},
    {.Name = "QosBasicConfiguration", .Title = "QoS Basic Configuration", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = QosBasicVars, .ValueWider = 40, .FormWider = 40},
    {.Name = "BandwidthControlTable", .Title = "Bandwidth Control Table :", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 1, .Vars = BandwidthVars, .Items = BandwidthItems},
    {.Name = "QosSchedulingTable", .Title = "Scheduling Table", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = QosSchedulingVars, .Items = QosSchedulingItems},
    {.Name = "QosUserPriorityTable", .Title = "802.1p User Priority Table", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = QosUserPriorityVars, .Items = QosUserPriorityItems},
    {.Name = "QosDefaultPriorityTable", .Title = "802.1p Default Priority Table", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = QosDefaultPriorityVars, .Items = QosDefaultPriorityItems,
     .Adjust = adShowStop, .Height = 450},
    {.Name = "IgmpSnoopingBasicInformation", .Title = "IGMP Snooping Basic Information", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = IgmpBasicVars},
    {.Name = "IgmpSnoopingControlTable", .Title = "IGMP Snooping Control Table", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = IgmpCtrlVars, .Items = IgmpCtrlItems, .Height = 450,
     .ValueWider = 40},
    {.Name = "IgmpSnoopingQueryInformation", .Title = "IGMP Snooping Query Information", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = IgmpQueryInfoVars},
    {.Name = "IgmpSnoopingGroupInformation", .Title = "IGMP Snooping Group Information", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 2, .Vars = IgmpGroupVars, .FormWider = 100},
    {.Name = "TrafficControlTable", .Title = "Traffic Control Table", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = TrafficControlVars, .Items = TrafficControlItems,
     .Adjust = adShowStop, .Height = 450},
    {.Name = "CpuInterfaceFilterState", .Title = "CPU Interface Filter State", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = CpuFilterStateVars},
    {.Name = "AggregatorTable", .Title = "Aggregator Table", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = AggregatorVars, .Items = AggregatorItems, .Height = 450},
    {},
};

const _GenericEntry_s PortPopupGenericEntries[] = {
    {.Name = "PortInformation", .Title = "Port Information Table", .Page = KvPageKind::Editor,
     .ListKind = L::kOneInstance, .Vars = PortInfoTableVars, .ValueWider = 50,
     .FormWider = 50, .Behaviour = KvEntryBehaviour::PortPopup},
    {.Name = "PortConfiguration", .Title = "Port Configuration", .Page = KvPageKind::Editor,
     .ListKind = L::kOneInstance, .Vars = PortControlTableVars, .ValueWider = 80,
     .FormWider = 80, .Behaviour = KvEntryBehaviour::PortPopup},
    {},
};
