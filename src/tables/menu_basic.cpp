// Basic Configuration: device and equipment management, alarms and the system
// log, the agent (settings, CPU load, dual image, severity), time and SNTP,
// IF-MIB.
#include "discoverytables.h"
#include "genericentries.h"

using L = KvSNMPVarList;

namespace {

// --- Device Management (swL2DevMgmt, 1.3.6.1.4.1.99402.11.59.7.2.1) ----------------
const _SNMPVar_s DeviceInfoVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.2.1.1.1", "Total Number Of Port",  synInteger, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.1.1.2", "Number Of Port In Use", synInteger, vfReadOnly},
    {},
};

const _SNMPVar_s DeviceModuleVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.2.1.1.3.1.1", "swDevModuleInfoUnitID",      synInteger,       vfIndex},
    {"1.3.6.1.4.1.99402.11.59.7.2.1.1.3.1.3", "swDevModuleInfoModuleName",  synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.1.1.3.1.4", "swDevModuleInfoReversion",   synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.1.1.3.1.5", "swDevModuleInfoSerial",      synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.11.59.7.2.1.1.3.1.6", "swDevModuleInfoDescription", synDisplayString, vfReadOnly},
    {},
};

// other(1) / active(2): objects that start an action when written "active".
const _Option_s kOtherActive[] = {{1, "other"}, {2, "active"}, {}};
const KvOptionList OtherActiveList(kOtherActive, KvOptionList::kIntegerValues);

const _SNMPVar_s DeviceControlVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.2.1.2.1",    "Spanning Tree Algorithm",                      synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.11.59.7.2.1.2.2",    "IGMP Snooping",                                synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.11.59.7.2.1.2.4",    "Clean All Statistic Counter",                  synInteger, vfReadWrite, &OtherActiveList},
    {"1.3.6.1.4.1.99402.11.59.7.2.1.2.5",    "VLAN ID Of FDB Table [1-4094]",                synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.2.1.2.6",    "MAC Notify State",                             synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.11.59.7.2.1.2.7",    "MAC Notify History Size [1-500]",              synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.2.1.2.8",    "MAC Notify Interval [1-2147483647 second(s)]", synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.11.59.7.2.1.2.14.1", "Telnet State",                                 synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.11.59.7.2.1.2.14.2", "Telnet Tcp Port",                              synInteger, vfReadWrite},
    {},
};
const _ItemOverride_s DeviceControlItems[] = {
    {"VLAN ID Of FDB Table [1-4094]",                0, "%i{n1x4094l4}"},
    {"MAC Notify History Size [1-500]",              0, "%i{n1x500l3}"},
    {"MAC Notify Interval [1-2147483647 second(s)]", 0, "%i{n1x2147483647l10}"},
    {},
};

// --- Equipment Management (swUnitMgmt and the environment, 1.3.6.1.4.1.99402.12.11.1) --
// Unit status and mode: the lists the stack discovery reads them with.

const _SNMPVar_s UnitTableVars[] = {
    {"1.3.6.1.4.1.99402.12.11.1.9.4.1.1",  "Id",                     synInteger,       vfIndex},
    {"1.3.6.1.4.1.99402.12.11.1.9.4.1.2",  "Status",                 synInteger,       vfReadOnly, &UnitStatusOptions},
    {"1.3.6.1.4.1.99402.12.11.1.9.4.1.3",  "Mac Addr",               synMacAddress,    vfReadOnly},
    {"1.3.6.1.4.1.99402.12.11.1.9.4.1.4",  "Start Port",             synInteger,       vfReadOnly},
    {"1.3.6.1.4.1.99402.12.11.1.9.4.1.5",  "Port Range",             synInteger,       vfReadOnly},
    {"1.3.6.1.4.1.99402.12.11.1.9.4.1.6",  "Front Panel Led Status", synOctetString,   vfReadOnly},
    {"1.3.6.1.4.1.99402.12.11.1.9.4.1.8",  "Current Mode",           synInteger,       vfReadOnly, &UnitModeOptions},
    {"1.3.6.1.4.1.99402.12.11.1.9.4.1.9",  "Version",                synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.11.1.9.4.1.10", "Module Name",            synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.11.1.9.4.1.11", "Prom Version",           synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.11.1.9.4.1.12", "Firmware Version",       synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.11.1.9.4.1.13", "Hardware Version",       synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.11.1.9.4.1.14", "Priority",               synInteger,       vfReadWrite},
    {},
};

const _Option_s kPowerStatus[] = {{1, "other"}, {2, "lowVoltage"}, {3, "overCurrent"}, {4, "working"},
                                  {5, "fail"}, {6, "connect"}, {7, "disconnect"}, {}};
const KvOptionList PowerStatusList(kPowerStatus, KvOptionList::kIntegerValues);
const _SNMPVar_s PowerTableVars[] = {
    {"1.3.6.1.4.1.99402.12.11.1.6.1.1", "Power Unit Index", synInteger, vfIndex},
    {"1.3.6.1.4.1.99402.12.11.1.6.1.2", "Power ID",         synInteger, vfIndex},
    {"1.3.6.1.4.1.99402.12.11.1.6.1.3", "Power Status",     synInteger, vfReadOnly, &PowerStatusList},
    {},
};

const _Option_s kFanStatus[] = {{1, "other"}, {2, "working"}, {3, "fail"}, {4, "speed-0"}, {5, "speed-low"},
                                {6, "speed-middle"}, {7, "speed-high"}, {}};
const KvOptionList FanStatusList(kFanStatus, KvOptionList::kIntegerValues);
const _SNMPVar_s FanTableVars[] = {
    {"1.3.6.1.4.1.99402.12.11.1.7.1.1", "Fan Unit Index", synInteger, vfIndex},
    {"1.3.6.1.4.1.99402.12.11.1.7.1.2", "Fan ID",         synInteger, vfIndex},
    {"1.3.6.1.4.1.99402.12.11.1.7.1.3", "Fan Status",     synInteger, vfReadOnly, &FanStatusList},
    {},
};

// --- Agent Management (1.3.6.1.4.1.99402.12.1) --------------------------------------
const _Option_s kMibType[] = {{1, "other"}, {2, "standard"}, {3, "proprietary"}, {}};
const KvOptionList MibTypeList(kMibType, KvOptionList::kIntegerValues);
const _SNMPVar_s MibCapabilityVars[] = {
    {"1.3.6.1.4.1.99402.12.1.1.2.1.1", "Index",       synInteger,       vfIndex},
    {"1.3.6.1.4.1.99402.12.1.1.2.1.2", "Description", synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.1.1.2.1.3", "Version",     synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.1.1.2.1.4", "Type",        synInteger,       vfReadOnly, &MibTypeList},
    {},
};

const _Option_s kTransferType[] = {{1, "other"}, {2, "tftp"}, {}};
const KvOptionList TransferTypeList(kTransferType, KvOptionList::kIntegerValues);
const _Option_s kLoadType[] = {{1, "other"}, {2, "download"}, {3, "upload"}, {}};
const KvOptionList LoadTypeList(kLoadType, KvOptionList::kIntegerValues);
const _Option_s kLoadStatus[] = {{1, "other"},       {2, "in-process"},  {3, "invalid-file"},
                                 {4, "violation"},   {5, "file-not-found"}, {6, "disk-full"},
                                 {7, "complete"},    {8, "time-out"},    {9, "tftp-establish-fail"}, {}};
const KvOptionList LoadStatusList(kLoadStatus, KvOptionList::kIntegerValues);
const _Option_s kCfgDownload[] = {{1, "other"}, {2, "increase"}, {}};
const KvOptionList CfgDownloadList(kCfgDownload, KvOptionList::kIntegerValues);
const _SNMPVar_s UpdateFileVars[] = {
    {"1.3.6.1.4.1.99402.12.1.2.1.1.1",  "File Index",                     synInteger,       vfIndex},
    {"1.3.6.1.4.1.99402.12.1.2.1.1.2",  "Description",                    synDisplayString, vfReadWrite},
    {"1.3.6.1.4.1.99402.12.1.2.1.1.3",  "IP Address",                     synIpAddress,     vfReadWrite},
    {"1.3.6.1.4.1.99402.12.1.2.1.1.4",  "Transfer Type",                  synInteger,       vfReadWrite, &TransferTypeList},
    {"1.3.6.1.4.1.99402.12.1.2.1.1.5",  "File Name",                      synDisplayString, vfReadWrite},
    {"1.3.6.1.4.1.99402.12.1.2.1.1.6",  "File Type",                      synInteger,       vfReadWrite},
    {"1.3.6.1.4.1.99402.12.1.2.1.1.7",  "Load Type",                      synInteger,       vfReadWrite, &LoadTypeList},
    {"1.3.6.1.4.1.99402.12.1.2.1.1.8",  "Status",                         synInteger,       vfReadWrite, &LoadStatusList},
    {"1.3.6.1.4.1.99402.12.1.2.1.1.9",  "Parameter of download cfg-file", synInteger,       vfReadWrite, &CfgDownloadList},
    {"1.3.6.1.4.1.99402.12.1.2.1.1.10", "Ctrl ID",                        synInteger,       vfReadWrite, &OtherActiveList},
    {},
};
const _ItemOverride_s UpdateFileItems[] = {
    {"File Type", 0, "%i{n1x16}"},
    {},
};

// --- Alarm control (swAgentAlarmCtrl, 1.3.6.1.4.1.99402.12.1.6) --------------------
const _SNMPVar_s AlarmControlVars[] = {
    {"1.3.6.1.4.1.99402.12.1.6.1", "Trap State",               synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.1.6.2", "Link Change Trap",         synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.1.6.3", "Power Failure Alarm",      synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.1.6.4", "Fan Failure Alarm",        synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.1.6.5", "Over Temperature Alarm",   synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.1.6.6", "Stack Topology Change Trap", synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.1.6.7", "Firmware Update Trap",     synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.1.6.8", "Login Failure Trap",       synInteger, vfReadWrite, &OtherDisabledEnabled},
    {},
};

// --- System log control (swSysLogCtrl, 1.3.6.1.4.1.99402.12.12.1) --------------------
const _Option_s kLogSaveMode[] = {{1, "other"}, {2, "on-demand"}, {3, "time-interval"}, {4, "log-trigger"}, {}};
const KvOptionList LogSaveModeList(kLogSaveMode, KvOptionList::kIntegerValues);
const _SNMPVar_s SysLogControlVars[] = {
    {"1.3.6.1.4.1.99402.12.12.1.1", "System Log State",                      synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.12.1.2", "Save Mode",                             synInteger, vfReadWrite, &LogSaveModeList},
    {"1.3.6.1.4.1.99402.12.12.1.3", "Save Interval [1-65535 minute(s)]",     synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.12.12.1.4", "Save Log",                              synInteger, vfReadWrite, &OtherActiveList},
    {"1.3.6.1.4.1.99402.12.12.1.5", "Clear Log",                             synInteger, vfReadWrite, &OtherActiveList},
    {},
};
const _ItemOverride_s SysLogControlItems[] = {
    {"Save Interval [1-65535 minute(s)]", 0, "%i{n1x65535l5}"},
    {},
};

// --- Agent basic configuration (swAgentBasicCfg, 1.3.6.1.4.1.99402.12.1.3) ------------
const _Option_s kBaudRate[] = {{1, "other"}, {2, "baudrate-9600"}, {3, "baudrate-19200"},
                               {4, "baudrate-38400"}, {5, "baudrate-115200"}, {}};
const KvOptionList BaudRateList(kBaudRate, KvOptionList::kIntegerValues);
const _Option_s kAutoLogout[] = {{1, "other"}, {2, "never"}, {3, "minutes-2"}, {4, "minutes-5"},
                                 {5, "minutes-10"}, {6, "minutes-15"}, {}};
const KvOptionList AutoLogoutList(kAutoLogout, KvOptionList::kIntegerValues);
const _SNMPVar_s AgentBasicVars[] = {
    {"1.3.6.1.4.1.99402.12.1.3.1", "Web State",              synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.1.3.2", "Web Tcp Port [1-65535]", synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.12.1.3.4", "Serial Baud Rate",       synInteger, vfReadWrite, &BaudRateList},
    {"1.3.6.1.4.1.99402.12.1.3.5", "Auto Logout",            synInteger, vfReadWrite, &AutoLogoutList},
    {"1.3.6.1.4.1.99402.12.1.3.6", "CLI Paging State",       synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.1.3.7", "Password Encryption",    synInteger, vfReadWrite, &OtherDisabledEnabled},
    {},
};
const _ItemOverride_s AgentBasicItems[] = {
    {"Web Tcp Port [1-65535]", 0, "%i{n1x65535l5}"},
    {},
};

// --- CPU utilization in percent (swAgentCPUUtil, 1.3.6.1.4.1.99402.12.1.4) -------------
const _SNMPVar_s CpuUtilVars[] = {
    {"1.3.6.1.4.1.99402.12.1.4.1", "Last 5 Seconds (%)", synInteger, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.1.4.2", "Last 1 Minute (%)",  synInteger, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.1.4.3", "Last 5 Minutes (%)", synInteger, vfReadOnly},
    {},
};

// --- Dual image (swDualImage, 1.3.6.1.4.1.99402.12.1.5) -------------------------------
const _Option_s kImageId[] = {{1, "image-1"}, {2, "image-2"}, {}};
const KvOptionList ImageIdList(kImageId, KvOptionList::kIntegerValues);
const _SNMPVar_s DualImageInfoVars[] = {
    {"1.3.6.1.4.1.99402.12.1.5.1.1.1", "Unit",                  synInteger,       vfIndex},
    {"1.3.6.1.4.1.99402.12.1.5.1.1.2", "Boot Up Image",         synInteger,       vfReadWrite, &ImageIdList},
    {"1.3.6.1.4.1.99402.12.1.5.1.1.3", "Image 1 Version",       synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.1.5.1.1.4", "Image 2 Version",       synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.1.5.1.1.5", "Current Running Image", synInteger,       vfReadOnly, &ImageIdList},
    {},
};

const _SNMPVar_s DualImageFileVars[] = {
    {"1.3.6.1.4.1.99402.12.1.5.2.1.1", "Unit",              synInteger,       vfIndex},
    {"1.3.6.1.4.1.99402.12.1.5.2.1.2", "Image ID",          synInteger,       vfIndex},
    {"1.3.6.1.4.1.99402.12.1.5.2.1.3", "File Name",         synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.1.5.2.1.4", "Version",           synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.1.5.2.1.5", "Size (bytes)",      synInteger,       vfReadOnly},
    {"1.3.6.1.4.1.99402.12.1.5.2.1.6", "Update Time",       synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.1.5.2.1.7", "Server IP Address", synIpAddress,     vfReadOnly},
    {"1.3.6.1.4.1.99402.12.1.5.2.1.8", "Boot Up",           synInteger,       vfReadOnly, &TruthValueOptions},
    {},
};

// --- Severity control (swSysSeverityCtrl, 1.3.6.1.4.1.99402.12.12.3) -------------------
const _Option_s kSeverity[] = {{1, "critical"}, {2, "warning"}, {3, "information"}, {}};
const KvOptionList SeverityList(kSeverity, KvOptionList::kIntegerValues);
const _SNMPVar_s SeverityControlVars[] = {
    {"1.3.6.1.4.1.99402.12.12.3.1", "Trap Severity", synInteger, vfReadWrite, &SeverityList},
    {"1.3.6.1.4.1.99402.12.12.3.2", "Log Severity",  synInteger, vfReadWrite, &SeverityList},
    {},
};

// --- System clock (swSysTime, 1.3.6.1.4.1.99402.12.10.1) -------------------------------
const _Option_s kTimeSource[] = {{1, "other"}, {2, "system-clock"}, {3, "sntp"}, {}};
const KvOptionList TimeSourceList(kTimeSource, KvOptionList::kIntegerValues);
const _SNMPVar_s SystemTimeVars[] = {
    {"1.3.6.1.4.1.99402.12.10.1.1", "Current Time (YYYY-MM-DD HH:MM:SS)",       synDisplayString, vfReadWrite},
    {"1.3.6.1.4.1.99402.12.10.1.2", "Boot Time",                                synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.10.1.3", "System Up Time",                           synTimeTicks,     vfReadOnly},
    {"1.3.6.1.4.1.99402.12.10.1.4", "Time Source",                              synInteger,       vfReadOnly, &TimeSourceList},
    {"1.3.6.1.4.1.99402.12.10.1.5", "Time Zone Offset [-720-780 minute(s)]",    synInteger,       vfReadWrite},
    {},
};
const _ItemOverride_s SystemTimeItems[] = {
    {"Current Time (YYYY-MM-DD HH:MM:SS)",    0, "%s{l19}"},
    {"Time Zone Offset [-720-780 minute(s)]", 0, "%i{n-720x780l4}"},
    {},
};

// --- SNTP client (swSNTP, 1.3.6.1.4.1.99402.12.10.2) -----------------------------------
const _SNMPVar_s NetworkTimeVars[] = {
    {"1.3.6.1.4.1.99402.12.10.2.1", "SNTP State",                               synInteger,       vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.10.2.2", "SNTP Primary Server",                      synIpAddress,     vfReadWrite},
    {"1.3.6.1.4.1.99402.12.10.2.3", "SNTP Secondary Server",                    synIpAddress,     vfReadWrite},
    {"1.3.6.1.4.1.99402.12.10.2.4", "SNTP Poll Interval [30-99999 second(s)]",  synInteger,       vfReadWrite},
    {"1.3.6.1.4.1.99402.12.10.2.5", "Server In Use",                            synIpAddress,     vfReadOnly},
    {"1.3.6.1.4.1.99402.12.10.2.6", "Last Synchronized Time",                   synDisplayString, vfReadOnly},
    {},
};
const _ItemOverride_s NetworkTimeItems[] = {
    {"SNTP Poll Interval [30-99999 second(s)]", 0, "%i{n30x99999l5}"},
    {},
};

// --- IF-MIB ifXTable (1.3.6.1.2.1.31.1.1.1) -----------------------------------------
const _SNMPVar_s IfXTableVars[] = {
    {"1.3.6.1.2.1.2.2.1.1",      "ifIndex",                    synInteger,       vfIndex},
    {"1.3.6.1.2.1.31.1.1.1.1",   "Name",                       synDisplayString, vfReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.2",   "InMulticastPkts",            synCounter32,     vfReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.3",   "InBroadcastPkts",            synCounter32,     vfReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.4",   "OutMulticastPkts",           synCounter32,     vfReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.5",   "OutBroadcastPkts",           synCounter32,     vfReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.6",   "HCInOctets",                 synCounter64,     vfReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.7",   "HCInUcastPkts",              synCounter64,     vfReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.8",   "HCInMulticastPkts",          synCounter64,     vfReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.9",   "HCInBroadcastPkts",          synCounter64,     vfReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.10",  "HCOutOctets",                synCounter64,     vfReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.11",  "HCOutUcastPkts",             synCounter64,     vfReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.12",  "HCOutMulticastPkts",         synCounter64,     vfReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.13",  "HCOutBroadcastPkts",         synCounter64,     vfReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.14",  "LinkUpDownTrapEnable",       synInteger,       vfReadWrite, &EnabledDisabled},
    {"1.3.6.1.2.1.31.1.1.1.15",  "HighSpeed",                  synGauge32,       vfReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.16",  "PromiscuousMode",            synInteger,       vfReadOnly, &TruthValueOptions},
    {"1.3.6.1.2.1.31.1.1.1.17",  "ConnectorPresent",           synInteger,       vfReadOnly, &TruthValueOptions},
    {"1.3.6.1.2.1.31.1.1.1.18",  "Alias",                      synDisplayString, vfReadWrite},
    {"1.3.6.1.2.1.31.1.1.1.19",  "ifCounterDiscontinuityTime", synTimeTicks,     vfReadOnly},
    {},
};

} // namespace

const _GenericEntry_s BasicGenericEntries[] = {
    {.Name = "DeviceInformation", .Title = "Device Information", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = DeviceInfoVars},
    {.Name = "DeviceModuleInformation", .Title = "Device Module Information", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = DeviceModuleVars},
    {.Name = "Layer2Control", .Title = "Device Control", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = DeviceControlVars, .Items = DeviceControlItems, .HeightAdd = 10},
    {.Name = "UnitTable", .Title = "Unit Table", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = UnitTableVars, .Height = 450},
    {.Name = "PowerTable", .Title = "Power Table", .Page = KvPageKind::TableAuto,
     .ListKind = L::kTable, .KeyCount = 2, .Vars = PowerTableVars, .Height = 450},
    {.Name = "FanInformation", .Title = "Fan Information", .Page = KvPageKind::TableAuto,
     .ListKind = L::kTable, .KeyCount = 2, .Vars = FanTableVars, .Height = 450},
    {.Name = "MibCapabilities", .Title = "Mib Capabilities", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = MibCapabilityVars, .Height = 450, .FormWider = 100},
    {.Name = "AgentSupportedUpdateFiles", .Title = "Agent Supported Update Files", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 1, .Vars = UpdateFileVars, .Items = UpdateFileItems},
    {.Name = "AlarmControl", .Title = "Alarm Control", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = AlarmControlVars},
    {.Name = "SystemLogControl", .Title = "System Log Control", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = SysLogControlVars, .Items = SysLogControlItems},
    {.Name = "AgentBasicConfiguration", .Title = "Agent Basic Configuration", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = AgentBasicVars, .Items = AgentBasicItems},
    {.Name = "CpuUtilization", .Title = "CPU Utilization", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = CpuUtilVars},
    {.Name = "DualImageInformation", .Title = "Dual Image Information", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = DualImageInfoVars, .FormWider = 50},
    {.Name = "DualImageFile", .Title = "Dual Image File", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 2, .Vars = DualImageFileVars, .FormWider = 100},
    {.Name = "SystemSeverityControl", .Title = "System Severity Control", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = SeverityControlVars},
    {.Name = "SystemTime", .Title = "System Time", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = SystemTimeVars, .Items = SystemTimeItems, .ValueWider = 40},
    {.Name = "NetworkTime", .Title = "Network Time", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = NetworkTimeVars, .Items = NetworkTimeItems},
    {.Name = "IfXTable", .Title = "IfX Table", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = IfXTableVars, .Adjust = adUnscaled, .Height = 450,
     .ValueWider = 40, .Behaviour = KvEntryBehaviour::IfXTable},
    {},
};
