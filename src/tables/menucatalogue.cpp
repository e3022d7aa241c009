#include "menucatalogue.h"

const char* const kHelpFileName = "KX-7026G orvexdr3.hlp";

const char* const MainMenuTitles[] = {
    "Basic Configuration", "RMON", "Bridge", "VLAN", "SNMP V3", "Security Management",
    "Layer 2 Management", "Layer 3 Management", "Single IP", "Help", nullptr,
};

using K = KvMenuKind;

const _MenuEntry_s MainMenuCatalogue[] = {
    // path                                                                kind        data                               hidden
    {"Basic Configuration / Device Management / System Information",      K::Tool,    "/TMIB_Info",                      false},
    {"Basic Configuration / Device Management / Device Information",        K::Generic, "DeviceInformation",               false},
    {"Basic Configuration / Device Management / Device Module Information", K::Generic, "DeviceModuleInformation",         false},
    {"Basic Configuration / Device Management / Layer2 Control",            K::Generic, "Layer2Control",                   false},
    {"Basic Configuration / Equipment Management / Unit Table",             K::Generic, "UnitTable",                       false},
    {"Basic Configuration / Equipment Management / Power Table",            K::Generic, "PowerTable",                      false},
    {"Basic Configuration / Equipment Management / Fan Information",        K::Generic, "FanInformation",                  false},
    {"Basic Configuration / Agent Management / MIB Capabilities",           K::Generic, "MibCapabilities",                 false},
    {"Basic Configuration / Agent Management / Agent Supported Update Files", K::Generic, "AgentSupportedUpdateFiles",       false},
    {"Basic Configuration / IF-MIB / General Table",                       K::Tool,    "/TIFMib_LastChangeTable",         false},
    {"Basic Configuration / IF-MIB / IfX Table",                            K::Generic, "IfXTable",                        false},
    {"Basic Configuration / MIB II / IF Table",                            K::Tool,    "/TMIB_IFTable",                   false},
    {"Basic Configuration / MIB II / IF Counters",                         K::Tool,    "/TMIB_IFCounters",                false},
    {"Basic Configuration / MIB II / IP Counters",                         K::Tool,    "/TMIB_IPCounters",                false},
    {"Basic Configuration / MIB II / IP Routing",                          K::Tool,    "/TMIB_IPRouting",                 false},
    {"Basic Configuration / MIB II / IP Address Table",                    K::Tool,    "/TMIB_IPAddress",                 false},
    {"Basic Configuration / MIB II / ICMP Counters",                       K::Tool,    "/TMIB_ICMPCounters",              false},
    {"Basic Configuration / MIB II / UDP Counters",                        K::Tool,    "/TMIB_UDPCounters",               false},
    {"Basic Configuration / MIB II / SNMP Counters",                       K::Tool,    "/TMIB_SNMPCounters",              false},
    {"Basic Configuration / dot3 Statistics",                              K::Tool,    "/TEthernetLike_dot3StatsTable",   false},
    {"Basic Configuration / -",                                            K::Separator, nullptr,                         false},
    {"Basic Configuration / Exit",                                         K::Exit,    nullptr,                           false},
    {"RMON / RMON Control",                                                 K::Generic, "RmonControl",                     false},
    {"RMON / Statistics",                                                  K::Tool,    "/TRmon_Statistics",               false},
    {"RMON / History",                                                     K::Tool,    "/TRmon_History",                  false},
    {"RMON / Alarm/Event",                                                 K::Tool,    "/TRmon_AlarmEvent",               false},
    {"Bridge / Spanning Tree / STP Control",                                K::Generic, "StpControl",                      false},
    {"Bridge / Spanning Tree / Port State Information",                     K::Generic, "MstpPortState",                   false},
    {"Bridge / Transparent Bridge / Forwarding Table",                     K::Tool,    "/TBridge_Forwarding",             false},
    {"Bridge / Transparent Bridge / Port Counters",                        K::Tool,    "/TBridge_TpPortInfo",             false},
    {"VLAN / 802.1P / Priority Information / Regenerated User Priorities",  K::Generic, "RegeneratedUserPriorities",       false},
    {"SNMP V3 / SNMP Target MIB / Target Address Table",                    K::Generic, "TargetAddressTable",              false},
    {"SNMP V3 / SNMP Target MIB / Target Parameters",                       K::Generic, "TargetParameters",                false},
    {"SNMP V3 / View-base Access Control Mode / Access Table",              K::Generic, "AccessTable",                     false},
    {"Security Management / Authentication Mode Setting",                   K::Generic, "AuthenticationModeSetting",       false},
    {"Security Management / TACACS+ / Server Control",                      K::Generic, "TacacsServerControl",             false},
    {"Layer 2 Management / Port Management / Port Information Table",       K::Generic, "PortInformationTable",            false},
    {"Layer 2 Management / Port Management / Port Control Table",           K::Generic, "PortControlTable",                false},
    {"Layer 2 Management / QoS Management / Bandwidth Control Table",       K::Generic, "BandwidthControlTable",           false},
    {"Layer 3 Management / IP Management / IP Control Management",          K::Generic, "IpControlManagement",             false},
    {"Layer 3 Management / IP Management / IP Static Routing Table",        K::Generic, "IpStaticRoutingTable",            false},
    {"Layer 3 Management / DNS Ctrl Table",                                 K::Generic, "DnsCtrlTable",                    false},
    {"Layer 3 Management / CIDR (RFC2096)",                                K::Tool,    "/TLayer3_RIP",                    false},
    {"Layer 3 Management / RIP2 (RFC1724)",                                K::Tool,    "/TLayer3_RIP2",                   false},
    {"Layer 3 Management / OSPF (RFC1850) / OSPF General",                 K::Tool,    "/TLayer3_OSPF",                   false},
    {"Layer 3 Management / OSPF (RFC1850) / Area Info",                    K::Tool,    "/TLayer3_Area",                   false},
    {"Layer 3 Management / OSPF (RFC1850) / Lsdb  Info",                   K::Tool,    "/TLayer3_Lsdb",                   false},
    {"Layer 3 Management / OSPF (RFC1850) / Neighbor Info",                K::Tool,    "/TLayer3_Neighbor",               false},
    {"Layer 3 Management / OSPF (RFC1850) / Interface Table",              K::Tool,    "/TLayer3_Interface",              false},
    {"Layer 3 Management / IpMroute",                                      K::Tool,    "/TLayer3_IPM",                    false},
    {"Layer 3 Management / DVMRP",                                         K::Tool,    "/TLayer3_DVMRP",                  false},
    {"Layer 3 Management / PIM / PIM Info",                                K::Tool,    "/TLayer3_PIM",                    false},
    {"Layer 3 Management / PIM / Rendezvous Points Info",                  K::Tool,    "/TLayer3_RendezvousPoints",       true},
    {"Layer 3 Management / VRRP (RFC2787) / VRRP Operation",                K::Generic, "VrrpOperation",                   false},
    {"Single IP / Add Member Switch",                                       K::Generic, "AddMemberSwitch",                 true},
    {"Help / Help",                                                        K::Help,    nullptr,                           false},
    {"Help / About",                                                       K::About,   "TAboutForm",                      false},
    {nullptr, K::Separator, nullptr, false},
};

const _MenuEntry_s PortPopupCatalogue[] = {
    {"Port Information",   K::Generic, "PortInformation",   false},
    {"Port Configuration", K::Generic, "PortConfiguration", false},
    {nullptr, K::Separator, nullptr, false},
};
