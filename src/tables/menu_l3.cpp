// Layer 3 Management: IP, DNS (swL3Mgmt, 1.3.6.1.4.1.99402.11.59.7.3) and VRRP
// (VRRP-MIB, 1.3.6.1.2.1.68).
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
    {},
};
