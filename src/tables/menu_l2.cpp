// Layer 2 Management: ports and QoS (swL2Mgmt, 1.3.6.1.4.1.99402.11.59.7.2).
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
    {.Name = "PortInformationTable", .Title = "Port Information Table", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = PortInfoTableVars, .Adjust = adShowStop, .Height = 450},
    {.Name = "PortControlTable", .Title = "Port Control Table", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = PortControlTableVars, .Adjust = adShowStop, .Height = 450,
     .ValueWider = 100},
    {.Name = "BandwidthControlTable", .Title = "Bandwidth Control Table :", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 1, .Vars = BandwidthVars, .Items = BandwidthItems},
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
