// SNMP V3: the SNMP framework, target, user-based security and view-based
// access control MIBs (RFC 3411 to 3415).
#include "genericentries.h"

using L = KvSNMPVarList;

namespace {

const _Option_s kSecurityLevel[] = {{1, "noAuthNoPriv"}, {2, "authNoPriv"}, {3, "authPriv"}, {}};
const KvOptionList SecurityLevelList(kSecurityLevel, KvOptionList::kIntegerValues);

// SNMP-TARGET-MIB snmpTargetAddrTable (1.3.6.1.6.3.12.1.2)
const _SNMPVar_s TargetAddrVars[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "snmpTargetAddrName",        synDisplayString, vfImpliedIndex},
    {"1.3.6.1.6.3.12.1.2.1.2", "snmpTargetAddrTDomain",     synObjectId,      vfReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.3", "snmpTargetAddrTAddress",    synOctetString,   vfReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.4", "snmpTargetAddrTimeout",     synInteger,       vfReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.5", "snmpTargetAddrRetryCount",  synInteger,       vfReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.6", "snmpTargetAddrTagList",     synDisplayString, vfReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.7", "snmpTargetAddrParams",      synDisplayString, vfReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.8", "snmpTargetAddrStorageType", synInteger,       vfReadWrite, &StorageTypeOptions},
    {"1.3.6.1.6.3.12.1.2.1.9", "snmpTargetAddrRowStatus",   synInteger,       vfReadWrite, &RowStatusOptions},
    {},
};
const _ItemOverride_s TargetAddrItems[] = {
    {"snmpTargetAddrName", 4, nullptr},
    {},
};

// SNMP-TARGET-MIB snmpTargetParamsTable (1.3.6.1.6.3.12.1.3)
const _SNMPVar_s TargetParamsVars[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "snmpTargetParamsName",          synDisplayString, vfImpliedIndex},
    {"1.3.6.1.6.3.12.1.3.1.3", "snmpTargetParamsSecurityModel", synInteger,       vfReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.4", "snmpTargetParamsSecurityName",  synDisplayString, vfReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.5", "snmpTargetParamsSecurityLevel", synInteger,       vfReadWrite, &SecurityLevelList},
    {"1.3.6.1.6.3.12.1.3.1.7", "snmpTargetParamsRowStatus",     synInteger,       vfReadWrite, &RowStatusOptions},
    {},
};
const _ItemOverride_s TargetParamsItems[] = {
    {"snmpTargetParamsName", 4, nullptr},
    {},
};

// SNMP-VIEW-BASED-ACM-MIB vacmAccessTable (1.3.6.1.6.3.16.1.4)
const _SNMPVar_s VacmAccessVars[] = {
    {"1.3.6.1.6.3.16.1.2.1.3", "Vacm Group Name",          synDisplayString, vfIndex},
    {"1.3.6.1.6.3.16.1.4.1.1", "Access Context Prefix",    synDisplayString, vfIndex},
    {"1.3.6.1.6.3.16.1.4.1.2", "Access Security Model",    synInteger,       vfIndex},
    {"1.3.6.1.6.3.16.1.4.1.3", "Access Security Level",    synInteger,       vfIndex, &SecurityLevelList},
    {"1.3.6.1.6.3.16.1.4.1.5", "Access Read View Name",    synDisplayString, vfReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.6", "Access Write View Name",   synDisplayString, vfReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.7", "Access Notify View Name",  synDisplayString, vfReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.9", "Access Status",            synInteger,       vfReadWrite, &RowStatusOptions},
    {},
};
const _ItemOverride_s VacmAccessItems[] = {
    {"Access Security Level", 2, nullptr},
    {},
};

// SNMP-FRAMEWORK-MIB snmpEngine group (1.3.6.1.6.3.10.2.1)
const _SNMPVar_s SnmpEngineVars[] = {
    {"1.3.6.1.6.3.10.2.1.1", "snmpEngineID",             synOctetString, vfReadOnly},
    {"1.3.6.1.6.3.10.2.1.2", "snmpEngineBoots",          synInteger,     vfReadOnly},
    {"1.3.6.1.6.3.10.2.1.3", "snmpEngineTime",           synInteger,     vfReadOnly},
    {"1.3.6.1.6.3.10.2.1.4", "snmpEngineMaxMessageSize", synInteger,     vfReadOnly},
    {},
};

// SNMP-MPD-MIB snmpMPDStats (1.3.6.1.6.3.11.2.1)
const _SNMPVar_s MpdStatsVars[] = {
    {"1.3.6.1.6.3.11.2.1.1", "snmpUnknownSecurityModels", synCounter32, vfReadOnly},
    {"1.3.6.1.6.3.11.2.1.2", "snmpInvalidMsgs",           synCounter32, vfReadOnly},
    {"1.3.6.1.6.3.11.2.1.3", "snmpUnknownPDUHandlers",    synCounter32, vfReadOnly},
    {},
};

// SNMP-TARGET-MIB scalars (1.3.6.1.6.3.12.1)
const _SNMPVar_s TargetGeneralVars[] = {
    {"1.3.6.1.6.3.12.1.1", "snmpTargetSpinLock",      synInteger,   vfReadOnly},
    {"1.3.6.1.6.3.12.1.4", "snmpUnavailableContexts", synCounter32, vfReadOnly},
    {"1.3.6.1.6.3.12.1.5", "snmpUnknownContexts",     synCounter32, vfReadOnly},
    {},
};

// SNMP-USER-BASED-SM-MIB usmStats (1.3.6.1.6.3.15.1.1)
const _SNMPVar_s UsmStatsVars[] = {
    {"1.3.6.1.6.3.15.1.1.1", "usmStatsUnsupportedSecLevels", synCounter32, vfReadOnly},
    {"1.3.6.1.6.3.15.1.1.2", "usmStatsNotInTimeWindows",     synCounter32, vfReadOnly},
    {"1.3.6.1.6.3.15.1.1.3", "usmStatsUnknownUserNames",     synCounter32, vfReadOnly},
    {"1.3.6.1.6.3.15.1.1.4", "usmStatsUnknownEngineIDs",     synCounter32, vfReadOnly},
    {"1.3.6.1.6.3.15.1.1.5", "usmStatsWrongDigests",         synCounter32, vfReadOnly},
    {"1.3.6.1.6.3.15.1.1.6", "usmStatsDecryptionErrors",     synCounter32, vfReadOnly},
    {},
};

// SNMP-USER-BASED-SM-MIB usmUserTable (1.3.6.1.6.3.15.1.2.2). A new user is
// cloned from an existing one (usmUserCloneFrom) in the same request that
// creates the row.
const _SNMPVar_s UsmUserVars[] = {
    {"1.3.6.1.6.3.15.1.2.2.1.1",  "User Engine ID",      synOctetString,   vfIndex},
    {"1.3.6.1.6.3.15.1.2.2.1.2",  "User Name",           synDisplayString, vfIndex},
    {"1.3.6.1.6.3.15.1.2.2.1.3",  "Security Name",       synDisplayString, vfReadOnly},
    {"1.3.6.1.6.3.15.1.2.2.1.4",  "Clone From",          synObjectId,      vfReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.5",  "Auth Protocol",       synObjectId,      vfReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.8",  "Priv Protocol",       synObjectId,      vfReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.11", "Public",              synOctetString,   vfReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.12", "Storage Type",        synInteger,       vfReadWrite, &StorageTypeOptions},
    {"1.3.6.1.6.3.15.1.2.2.1.13", "Status",              synInteger,       vfReadWrite, &RowStatusOptions},
    {},
};

const _Option_s kSecurityModel[] = {{0, "any"}, {1, "SNMPv1"}, {2, "SNMPv2c"}, {3, "USM"}, {}};
const KvOptionList SecurityModelList(kSecurityModel, KvOptionList::kIntegerValues);

// SNMP-VIEW-BASED-ACM-MIB vacmSecurityToGroupTable (1.3.6.1.6.3.16.1.2)
const _SNMPVar_s VacmGroupVars[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "Security Model", synInteger,       vfIndex, &SecurityModelList},
    {"1.3.6.1.6.3.16.1.2.1.2", "Security Name",  synDisplayString, vfIndex},
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name",     synDisplayString, vfReadWrite},
    {"1.3.6.1.6.3.16.1.2.1.4", "Storage Type",   synInteger,       vfReadWrite, &StorageTypeOptions},
    {"1.3.6.1.6.3.16.1.2.1.5", "Status",         synInteger,       vfReadWrite, &RowStatusOptions},
    {},
};
const _ItemOverride_s VacmGroupItems[] = {
    {"Security Name", 0, "%s{l32}"},
    {"Group Name", 0, "%s{l32}"},
    {},
};

const _Option_s kViewType[] = {{1, "included"}, {2, "excluded"}, {}};
const KvOptionList ViewTypeList(kViewType, KvOptionList::kIntegerValues);

// SNMP-VIEW-BASED-ACM-MIB vacmViewTreeFamilyTable (1.3.6.1.6.3.16.1.5.2)
const _SNMPVar_s VacmViewVars[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "View Name",    synDisplayString, vfIndex},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "Subtree",      synObjectId,      vfIndex},
    {"1.3.6.1.6.3.16.1.5.2.1.3", "Mask",         synOctetString,   vfReadWrite},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "View Type",    synInteger,       vfReadWrite, &ViewTypeList},
    {"1.3.6.1.6.3.16.1.5.2.1.5", "Storage Type", synInteger,       vfReadWrite, &StorageTypeOptions},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "Status",       synInteger,       vfReadWrite, &RowStatusOptions},
    {},
};
const _ItemOverride_s VacmViewItems[] = {
    {"View Name", 0, "%s{l32}"},
    {},
};

const _Option_s kNotifyType[] = {{1, "trap"}, {2, "inform"}, {}};
const KvOptionList NotifyTypeList(kNotifyType, KvOptionList::kIntegerValues);

// SNMP-NOTIFICATION-MIB snmpNotifyTable (1.3.6.1.6.3.13.1.1)
const _SNMPVar_s NotifyVars[] = {
    {"1.3.6.1.6.3.13.1.1.1.1", "Notify Name",  synDisplayString, vfImpliedIndex},
    {"1.3.6.1.6.3.13.1.1.1.2", "Notify Tag",   synDisplayString, vfReadWrite},
    {"1.3.6.1.6.3.13.1.1.1.3", "Notify Type",  synInteger,       vfReadWrite, &NotifyTypeList},
    {"1.3.6.1.6.3.13.1.1.1.4", "Storage Type", synInteger,       vfReadWrite, &StorageTypeOptions},
    {"1.3.6.1.6.3.13.1.1.1.5", "Status",       synInteger,       vfReadWrite, &RowStatusOptions},
    {},
};
const _ItemOverride_s NotifyItems[] = {
    {"Notify Name", 0, "%s{l32}"},
    {"Notify Tag", 0, "%s{l255}"},
    {},
};

// SNMP-COMMUNITY-MIB snmpTargetAddrExtTable (1.3.6.1.6.3.18.1.2): the
// transport mask and maximum message size of each target address row.
const _SNMPVar_s TargetAddrExtVars[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "snmpTargetAddrName",  synDisplayString, vfImpliedIndex},
    {"1.3.6.1.6.3.18.1.2.1.1", "snmpTargetAddrTMask", synOctetString,   vfReadWrite},
    {"1.3.6.1.6.3.18.1.2.1.2", "snmpTargetAddrMMS",   synInteger,       vfReadWrite},
    {},
};
const _ItemOverride_s TargetAddrExtItems[] = {
    {"snmpTargetAddrMMS", 0, "%i{n0x2147483647l10}"},
    {},
};

} // namespace

const _GenericEntry_s SnmpV3GenericEntries[] = {
    {.Name = "SnmpEngine", .Title = "SNMP Engine", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .KeyCount = 0, .Vars = SnmpEngineVars},
    {.Name = "MessageProcessing", .Title = "Message Processing and Dispatching", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .KeyCount = 0, .Vars = MpdStatsVars},
    {.Name = "TargetGeneralInformation", .Title = "SNMP Target General Information", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .KeyCount = 0, .Vars = TargetGeneralVars},
    {.Name = "UsmStatistics", .Title = "User-based Security Model Statistics", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .KeyCount = 0, .Vars = UsmStatsVars},
    {.Name = "TargetAddressTable", .Title = "Target Address Table", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 1, .Vars = TargetAddrVars, .Items = TargetAddrItems,
     .StatusIndex = 8, .AddText = "createAndGo", .DeleteText = "destroy"},
    {.Name = "TargetParameters", .Title = "Target Parameters", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 1, .Vars = TargetParamsVars, .Items = TargetParamsItems,
     .StatusIndex = 4, .AddText = "createAndGo", .DeleteText = "destroy", .Adjust = adDisableRowEdit},
    {.Name = "AccessTable", .Title = "Access Table", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 4, .Vars = VacmAccessVars, .Items = VacmAccessItems,
     .StatusIndex = 7, .AddText = "createAndGo", .DeleteText = "destroy", .Adjust = adDisableRowEdit},
    {.Name = "UsmUserTable", .Title = "User Table", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 2, .Vars = UsmUserVars,
     .StatusIndex = 8, .AddText = "createAndGo", .DeleteText = "destroy", .Height = 450, .ValueWider = 60},
    {.Name = "VacmSecurityGroupTable", .Title = "Security Group Table", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 2, .Vars = VacmGroupVars, .Items = VacmGroupItems,
     .StatusIndex = 4, .AddText = "createAndGo", .DeleteText = "destroy"},
    {.Name = "VacmViewTreeFamilyTable", .Title = "View MIB Tree Family Table", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 2, .Vars = VacmViewVars, .Items = VacmViewItems,
     .StatusIndex = 5, .AddText = "createAndGo", .DeleteText = "destroy", .Height = 450},
    {.Name = "NotifyTable", .Title = "Notify Table", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 1, .Vars = NotifyVars, .Items = NotifyItems,
     .StatusIndex = 4, .AddText = "createAndGo", .DeleteText = "destroy"},
    {.Name = "CommunityTargetAddressTable", .Title = "Community Target Address Table", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = TargetAddrExtVars, .Items = TargetAddrExtItems},
    {},
};
