// Single IP: one IP address managing a group of switches - control, this
// switch, member switches, candidates, groups and neighbours (swSingleIPMIB,
// 1.3.6.1.4.1.99402.12.8).
#include "genericentries.h"

using L = KvSNMPVarList;

namespace {

const _Option_s kCandidateSource[] = {{1, "other"}, {2, "candidate"}, {}};
const KvOptionList CandidateSourceList(kCandidateSource, KvOptionList::kIntegerValues);

const _SNMPVar_s AddMemberVars[] = {
    {"1.3.6.1.4.1.99402.12.8.1.3.1.1",  "Member ID",               synInteger,       vfReadOnly},
    {"1.3.6.1.4.1.99402.12.8.1.3.1.8",  "Member Candidate Source", synInteger,       vfReadWrite, &CandidateSourceList},
    {"1.3.6.1.4.1.99402.12.8.1.3.1.9",  "Member Password",         synDisplayString, vfReadWrite},
    {"1.3.6.1.4.1.99402.12.8.1.3.1.10", "Member Row Status",       synInteger,       vfReadWrite, &RowStatusOptions},
    {},
};
const _ItemOverride_s AddMemberItems[] = {
    {"Member ID", 0, "%i{n1x15l2}"},
    {},
};

// swSingleIPCtrl: this switch's part in its Single IP group
const _Option_s kSingleIpRole[] = {{1, "other"}, {2, "candidate"}, {3, "member"}, {4, "commander"}, {}};
const KvOptionList SingleIpRoleList(kSingleIpRole, KvOptionList::kIntegerValues);

const _SNMPVar_s SingleIpControlVars[] = {
    {"1.3.6.1.4.1.99402.12.8.1.1.1", "SIM Version",                    synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.8.1.1.2", "SIM State",                      synInteger,       vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.8.1.1.3", "Switch Role",                    synInteger,       vfReadWrite, &SingleIpRoleList},
    {"1.3.6.1.4.1.99402.12.8.1.1.4", "Group Name",                     synDisplayString, vfReadWrite},
    {"1.3.6.1.4.1.99402.12.8.1.1.5", "Discovery Interval [30-90 sec]", synInteger,       vfReadWrite},
    {"1.3.6.1.4.1.99402.12.8.1.1.6", "Hold Time [100-255 sec]",        synInteger,       vfReadWrite},
    {},
};
const _ItemOverride_s SingleIpControlItems[] = {
    {"Group Name",                     0, "%s{l64}"},
    {"Discovery Interval [30-90 sec]", 0, "%i{n30x90l2}"},
    {"Hold Time [100-255 sec]",        0, "%i{n100x255l3}"},
    {},
};

// swSingleIPInfo: this switch as the group sees it
const _SNMPVar_s SingleIpMyInfoVars[] = {
    {"1.3.6.1.4.1.99402.12.8.1.2.1", "Device Name",      synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.8.1.2.2", "MAC Address",      synMacAddress,    vfReadOnly},
    {"1.3.6.1.4.1.99402.12.8.1.2.3", "Firmware Version", synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.8.1.2.4", "Capability",       synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.8.1.2.5", "Platform",         synDisplayString, vfReadOnly},
    {},
};

// swSingleIPCandTable: switches that can join the group
const _SNMPVar_s SingleIpCandidateVars[] = {
    {"1.3.6.1.4.1.99402.12.8.1.4.1.1", "Candidate ID",     synInteger,       vfIndex},
    {"1.3.6.1.4.1.99402.12.8.1.4.1.2", "Device Name",      synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.8.1.4.1.3", "MAC Address",      synMacAddress,    vfReadOnly},
    {"1.3.6.1.4.1.99402.12.8.1.4.1.4", "Firmware Version", synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.8.1.4.1.5", "Capability",       synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.8.1.4.1.6", "Platform",         synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.8.1.4.1.7", "Hold Time",        synInteger,       vfReadOnly},
    {},
};

// swSingleIPGrpTable: groups heard of, by name and commander
const _SNMPVar_s SingleIpGroupVars[] = {
    {"1.3.6.1.4.1.99402.12.8.1.5.1.1", "Group Name",        synDisplayString, vfIndex},
    {"1.3.6.1.4.1.99402.12.8.1.5.1.2", "Commander MAC",     synMacAddress,    vfIndex},
    {"1.3.6.1.4.1.99402.12.8.1.5.1.3", "Number Of Members", synInteger,       vfReadOnly},
    {"1.3.6.1.4.1.99402.12.8.1.5.1.4", "Firmware Version",  synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.8.1.5.1.5", "Platform",          synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.8.1.5.1.6", "Hold Time",         synInteger,       vfReadOnly},
    {},
};

// swSingleIPNeighborTable: Single IP switches seen on the ports
const _SNMPVar_s SingleIpNeighborVars[] = {
    {"1.3.6.1.4.1.99402.12.8.1.6.1.1", "Local Port",  synInteger,       vfIndex},
    {"1.3.6.1.4.1.99402.12.8.1.6.1.2", "MAC Address", synMacAddress,    vfIndex},
    {"1.3.6.1.4.1.99402.12.8.1.6.1.3", "Role",        synInteger,       vfReadOnly, &SingleIpRoleList},
    {"1.3.6.1.4.1.99402.12.8.1.6.1.4", "Device Name", synDisplayString, vfReadOnly},
    {},
};

} // namespace

const _GenericEntry_s SingleIpGenericEntries[] = {
    {.Name = "SingleIpControl", .Title = "Single IP Control", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = SingleIpControlVars, .Items = SingleIpControlItems, .ValueWider = 40,
     .FormWider = 40},
    {.Name = "SingleIpMyInformation", .Title = "My Information", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = SingleIpMyInfoVars, .ValueWider = 60, .FormWider = 60},
    {.Name = "AddMemberSwitch", .Title = "Add Member Switch", .Page = KvPageKind::Editor,
     .ListKind = L::kOneInstance, .Vars = AddMemberVars, .Items = AddMemberItems},
    {.Name = "SingleIpCandidateSwitch", .Title = "Candidate Switch Table", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = SingleIpCandidateVars, .FormWider = 100},
    {.Name = "SingleIpGroupInformation", .Title = "Group Information Table", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 2, .Vars = SingleIpGroupVars, .FormWider = 100},
    {.Name = "SingleIpNeighborInformation", .Title = "Neighbor Information Table", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 2, .Vars = SingleIpNeighborVars},
    {},
};
