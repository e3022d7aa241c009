// RMON: the RMON state of the switch and the probe configuration of RMON2
// (RMON2-MIB probeConfig, 1.3.6.1.2.1.16.19).
#include "discoverytables.h"
#include "genericentries.h"

using L = KvSNMPVarList;

namespace {

const _Option_s kProbeResetControl[] = {{1, "running"}, {2, "warmBoot"}, {3, "coldBoot"}, {}};
const KvOptionList ProbeResetControlList(kProbeResetControl, KvOptionList::kIntegerValues);
const _Option_s kProbeDownloadAction[] = {{1, "notDownloading"}, {2, "downloadToPROM"}, {3, "downloadToRAM"}, {}};
const KvOptionList ProbeDownloadActionList(kProbeDownloadAction, KvOptionList::kIntegerValues);
const _Option_s kProbeDownloadStatus[] = {{1, "ok"},
                                          {2, "downloading"},
                                          {3, "downloadStatusError"},
                                          {4, "downloadGeneralError"},
                                          {5, "downloadNoResponseFromServer"},
                                          {6, "downloadChecksumError"},
                                          {7, "downloadIncompatibleImage"},
                                          {8, "downloadTftpFileNotFound"},
                                          {9, "downloadTftpAccessViolation"},
                                          {}};
const KvOptionList ProbeDownloadStatusList(kProbeDownloadStatus, KvOptionList::kIntegerValues);

// RMON2-MIB probeConfig scalars (1.3.6.1.2.1.16.19)
const _SNMPVar_s ProbeConfigVars[] = {
    {"1.3.6.1.2.1.16.19.1",  "Probe Capabilities",     synBits,          vfReadOnly},
    {"1.3.6.1.2.1.16.19.2",  "Software Revision",      synDisplayString, vfReadOnly},
    {"1.3.6.1.2.1.16.19.3",  "Hardware Revision",      synDisplayString, vfReadOnly},
    {"1.3.6.1.2.1.16.19.4",  "Date Time",              synDateAndTime,   vfReadWrite},
    {"1.3.6.1.2.1.16.19.5",  "Reset Control",          synInteger,       vfReadWrite, &ProbeResetControlList},
    {"1.3.6.1.2.1.16.19.6",  "Download File",          synDisplayString, vfReadWrite},
    {"1.3.6.1.2.1.16.19.7",  "Download TFTP Server",   synIpAddress,     vfReadWrite},
    {"1.3.6.1.2.1.16.19.8",  "Download Action",        synInteger,       vfReadWrite, &ProbeDownloadActionList},
    {"1.3.6.1.2.1.16.19.9",  "Download Status",        synInteger,       vfReadOnly, &ProbeDownloadStatusList},
    {"1.3.6.1.2.1.16.19.12", "Default Gateway",        synIpAddress,     vfReadWrite},
    {},
};
const _ItemOverride_s ProbeConfigItems[] = {
    {"Download File", 0, "%s{l127}"},
    {},
};

} // namespace

const _GenericEntry_s RmonGenericEntries[] = {
    {.Name = "RmonControl", .Title = "RMON Control", .Page = KvPageKind::Editor, .ListKind = L::kScalars,
     .Vars = RmonVars, .Behaviour = KvEntryBehaviour::RmonControl},
    {.Name = "ProbeBasicInformation", .Title = "Probe Basic Information", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = ProbeConfigVars, .Items = ProbeConfigItems, .ValueWider = 60, .FormWider = 60},
    {},
};
