// Security Management: authentication mode (swAuth, 1.3.6.1.4.1.99402.12.3),
// 802.1X port access (IEEE8021-PAE-MIB, 1.0.8802.1.1.1) with the MAC-based
// authentication of the switch (swMacBaseAuth, 1.3.6.1.4.1.99402.12.6), RADIUS
// (the switch's server table swRadius, 1.3.6.1.4.1.99402.12.18, and the client
// MIBs RADIUS-AUTH-CLIENT-MIB and RADIUS-ACC-CLIENT-MIB, 1.3.6.1.2.1.67),
// TACACS+ (swTacacs, 1.3.6.1.4.1.99402.12.5), SSH (swSSH,
// 1.3.6.1.4.1.99402.12.7) and SSL (swSSL, 1.3.6.1.4.1.99402.12.17).
#include "genericentries.h"

using L = KvSNMPVarList;

namespace {

const _Option_s kUserAuthProtocol[] = {{1, "local"}, {2, "radius-eap"}, {3, "radius-pap"}, {}};
const KvOptionList UserAuthProtocolList(kUserAuthProtocol, KvOptionList::kIntegerValues);
const _Option_s kDeviceAuthMode[] = {{1, "none"}, {2, "port-base"}, {3, "mac-base"}, {}};
const KvOptionList DeviceAuthModeList(kDeviceAuthMode, KvOptionList::kIntegerValues);

const _SNMPVar_s AuthModeVars[] = {
    {"1.3.6.1.4.1.99402.12.3.1.1", "User Authentication Protocol", synInteger, vfReadWrite, &UserAuthProtocolList},
    {"1.3.6.1.4.1.99402.12.3.1.2", "Device Authentication Mode",   synInteger, vfReadWrite, &DeviceAuthModeList},
    {},
};

const _Option_s kTacacsProtocol[] = {{1, "tacacs"}, {2, "xtacacs"}, {3, "tacacsPlus"}, {}};
const KvOptionList TacacsProtocolList(kTacacsProtocol, KvOptionList::kIntegerValues);
const _Option_s kServerRowState[] = {{1, "other"}, {2, "add"}, {3, "delete"}, {}};
const KvOptionList ServerRowStateList(kServerRowState, KvOptionList::kIntegerValues);

const _SNMPVar_s TacacsServerControlVars[] = {
    {"1.3.6.1.4.1.99402.12.5.12.1.1", "Server Group Name",              synDisplayString, vfIndex},
    {"1.3.6.1.4.1.99402.12.5.12.1.2", "Server IP Address",              synIpAddress,     vfIndex},
    {"1.3.6.1.4.1.99402.12.5.12.1.3", "Server Authentication Protocol", synInteger,       vfIndex, &TacacsProtocolList},
    {"1.3.6.1.4.1.99402.12.5.12.1.4", "Server Row State",               synInteger,       vfReadWrite, &ServerRowStateList},
    {},
};
const _ItemOverride_s TacacsServerControlItems[] = {
    {"Server Authentication Protocol", 2, nullptr},
    {},
};

// --- 802.1X: IEEE8021-PAE-MIB (1.0.8802.1.1.1) ---------------------------------------
// dot1xPaeSystem scalars (1.0.8802.1.1.1.1.1)
const _SNMPVar_s Dot1xSystemVars[] = {
    {"1.0.8802.1.1.1.1.1.1", "System Auth Control", synInteger, vfReadWrite, &EnabledDisabled},
    {},
};

const _Option_s kPaeState[] = {{1, "initialize"},     {2, "disconnected"}, {3, "connecting"}, {4, "authenticating"},
                               {5, "authenticated"},  {6, "aborting"},     {7, "held"},       {8, "forceAuth"},
                               {9, "forceUnauth"},    {10, "restart"},     {}};
const KvOptionList PaeStateList(kPaeState, KvOptionList::kIntegerValues);
const _Option_s kBackendAuthState[] = {{1, "request"}, {2, "response"}, {3, "success"},    {4, "fail"},
                                       {5, "timeout"}, {6, "idle"},     {7, "initialize"}, {8, "ignore"}, {}};
const KvOptionList BackendAuthStateList(kBackendAuthState, KvOptionList::kIntegerValues);
const _Option_s kControlledDirection[] = {{0, "both"}, {1, "in"}, {}};
const KvOptionList ControlledDirectionList(kControlledDirection, KvOptionList::kIntegerValues);
const _Option_s kControlledPortStatus[] = {{1, "authorized"}, {2, "unauthorized"}, {}};
const KvOptionList ControlledPortStatusList(kControlledPortStatus, KvOptionList::kIntegerValues);
const _Option_s kControlledPortControl[] = {{1, "forceUnauthorized"}, {2, "auto"}, {3, "forceAuthorized"}, {}};
const KvOptionList ControlledPortControlList(kControlledPortControl, KvOptionList::kIntegerValues);

// The authenticator tables below are indexed by dot1xPaePortNumber of
// dot1xPaePortTable (1.0.8802.1.1.1.1.1.2), the stack-wide port number.

// dot1xAuthConfigTable (1.0.8802.1.1.1.1.2.1)
const _SNMPVar_s Dot1xAuthConfigVars[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port", synInteger, vfIndex},  // dot1xPaePortNumber
    {"1.0.8802.1.1.1.1.2.1.1.1",  "PAE State",                   synInteger, vfReadOnly,  &PaeStateList},
    {"1.0.8802.1.1.1.1.2.1.1.2",  "Backend Auth State",          synInteger, vfReadOnly,  &BackendAuthStateList},
    {"1.0.8802.1.1.1.1.2.1.1.3",  "Admin Controlled Directions", synInteger, vfReadWrite, &ControlledDirectionList},
    {"1.0.8802.1.1.1.1.2.1.1.4",  "Oper Controlled Directions",  synInteger, vfReadOnly,  &ControlledDirectionList},
    {"1.0.8802.1.1.1.1.2.1.1.5",  "Controlled Port Status",      synInteger, vfReadOnly,  &ControlledPortStatusList},
    {"1.0.8802.1.1.1.1.2.1.1.6",  "Controlled Port Control",     synInteger, vfReadWrite, &ControlledPortControlList},
    {"1.0.8802.1.1.1.1.2.1.1.7",  "Quiet Period",                synGauge32, vfReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.8",  "Tx Period",                   synGauge32, vfReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.9",  "Supplicant Timeout",          synGauge32, vfReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.10", "Server Timeout",              synGauge32, vfReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.11", "Max Request",                 synGauge32, vfReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.12", "ReAuth Period",               synGauge32, vfReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.13", "ReAuth Enabled",              synInteger, vfReadWrite, &TruthValueOptions},
    {"1.0.8802.1.1.1.1.2.1.1.14", "Key Tx Enabled",              synInteger, vfReadWrite, &TruthValueOptions},
    {},
};
const _ItemOverride_s Dot1xAuthConfigItems[] = {
    {"Quiet Period",       0, "%u{n0x65535l5}"},
    {"Tx Period",          0, "%u{n1x65535l5}"},
    {"Supplicant Timeout", 0, "%u{n1x65535l5}"},
    {"Server Timeout",     0, "%u{n1x65535l5}"},
    {"Max Request",        0, "%u{n1x10l2}"},
    {"ReAuth Period",      0, "%u{n1x65535l5}"},
    {},
};

// dot1xAuthStatsTable (1.0.8802.1.1.1.1.2.2)
const _SNMPVar_s Dot1xAuthStatsVars[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port", synInteger, vfIndex},  // dot1xPaePortNumber
    {"1.0.8802.1.1.1.1.2.2.1.1",  "EAPOL Frames Rx",            synCounter32,  vfReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.2",  "EAPOL Frames Tx",            synCounter32,  vfReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.3",  "EAPOL Start Frames Rx",      synCounter32,  vfReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.4",  "EAPOL Logoff Frames Rx",     synCounter32,  vfReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.5",  "EAPOL Resp/Id Frames Rx",    synCounter32,  vfReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.6",  "EAPOL Resp Frames Rx",       synCounter32,  vfReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.7",  "EAPOL Req/Id Frames Tx",     synCounter32,  vfReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.8",  "EAPOL Req Frames Tx",        synCounter32,  vfReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.9",  "Invalid EAPOL Frames Rx",    synCounter32,  vfReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.10", "EAP Length Error Frames Rx", synCounter32,  vfReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.11", "Last EAPOL Frame Version",   synGauge32,    vfReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.12", "Last EAPOL Frame Source",    synMacAddress, vfReadOnly},
    {},
};

// dot1xAuthDiagTable (1.0.8802.1.1.1.1.2.3)
const _SNMPVar_s Dot1xAuthDiagVars[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port", synInteger, vfIndex},  // dot1xPaePortNumber
    {"1.0.8802.1.1.1.1.2.3.1.1",  "Enters Connecting",                       synCounter32, vfReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.2",  "EAP Logoffs While Connecting",            synCounter32, vfReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.3",  "Enters Authenticating",                   synCounter32, vfReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.4",  "Success While Authenticating",            synCounter32, vfReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.5",  "Timeouts While Authenticating",           synCounter32, vfReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.6",  "Fail While Authenticating",               synCounter32, vfReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.7",  "Reauths While Authenticating",            synCounter32, vfReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.8",  "EAP Starts While Authenticating",         synCounter32, vfReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.9",  "EAP Logoff While Authenticating",         synCounter32, vfReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.10", "Reauths While Authenticated",             synCounter32, vfReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.11", "EAP Starts While Authenticated",          synCounter32, vfReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.12", "EAP Logoff While Authenticated",          synCounter32, vfReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.13", "Backend Responses",                       synCounter32, vfReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.14", "Backend Access Challenges",               synCounter32, vfReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.15", "Backend Other Requests To Supplicant",    synCounter32, vfReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.16", "Backend Non Nak Responses From Supplicant", synCounter32, vfReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.17", "Backend Auth Successes",                  synCounter32, vfReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.18", "Backend Auth Fails",                      synCounter32, vfReadOnly},
    {},
};

// dot1xAuthSessionStatsTable (1.0.8802.1.1.1.1.2.4); the octet counters are
// Counter64, so an SNMPv1 session cannot read them.
const _Option_s kSessionAuthenticMethod[] = {{1, "remoteAuthServer"}, {2, "localAuthServer"}, {}};
const KvOptionList SessionAuthenticMethodList(kSessionAuthenticMethod, KvOptionList::kIntegerValues);
const _Option_s kSessionTerminateCause[] = {{1, "supplicantLogoff"},       {2, "portFailure"},
                                            {3, "supplicantRestart"},      {4, "reauthFailed"},
                                            {5, "authControlForceUnauth"}, {6, "portReInit"},
                                            {7, "portAdminDisabled"},      {999, "notTerminatedYet"}, {}};
const KvOptionList SessionTerminateCauseList(kSessionTerminateCause, KvOptionList::kIntegerValues);

const _SNMPVar_s Dot1xAuthSessionVars[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port", synInteger, vfIndex},  // dot1xPaePortNumber
    {"1.0.8802.1.1.1.1.2.4.1.1", "Session Octets Rx",         synCounter64,     vfReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.2", "Session Octets Tx",         synCounter64,     vfReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.3", "Session Frames Rx",         synCounter32,     vfReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.4", "Session Frames Tx",         synCounter32,     vfReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.5", "Session Id",                synDisplayString, vfReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.6", "Session Authentic Method",  synInteger,       vfReadOnly, &SessionAuthenticMethodList},
    {"1.0.8802.1.1.1.1.2.4.1.7", "Session Time",              synTimeTicks,     vfReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.8", "Session Terminate Cause",   synInteger,       vfReadOnly, &SessionTerminateCauseList},
    {"1.0.8802.1.1.1.1.2.4.1.9", "Session User Name",         synDisplayString, vfReadOnly},
    {},
};

// --- 802.1X MAC-based authentication (swMacBaseAuth, 1.3.6.1.4.1.99402.12.6) ---------
// swMacBaseAuthStateTable (1.3.6.1.4.1.99402.12.6.1): the MAC-based authenticator of a port.
const _SNMPVar_s MacBaseStateVars[] = {
    {"1.3.6.1.4.1.99402.12.6.1.1.1", "Port",                synInteger, vfIndex},
    {"1.3.6.1.4.1.99402.12.6.1.1.2", "State",               synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.6.1.1.3", "Port Control",        synInteger, vfReadWrite, &ControlledPortControlList},
    {"1.3.6.1.4.1.99402.12.6.1.1.4", "Max Users",           synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.12.6.1.1.5", "Authenticated Users", synGauge32, vfReadOnly},
    {},
};
const _ItemOverride_s MacBaseStateItems[] = {
    {"Max Users", 0, "%i{n1x128l3}"},
    {},
};

// swMacBaseSessionTable (1.3.6.1.4.1.99402.12.6.2): one row per MAC address
// authenticated (or being authenticated) on a port.
const _SNMPVar_s MacBaseSessionVars[] = {
    {"1.3.6.1.4.1.99402.12.6.2.1.1", "Port",               synInteger,       vfIndex},
    {"1.3.6.1.4.1.99402.12.6.2.1.2", "MAC Address",        synMacAddress,    vfIndex},
    {"1.3.6.1.4.1.99402.12.6.2.1.3", "PAE State",          synInteger,       vfReadOnly, &PaeStateList},
    {"1.3.6.1.4.1.99402.12.6.2.1.4", "Backend Auth State", synInteger,       vfReadOnly, &BackendAuthStateList},
    {"1.3.6.1.4.1.99402.12.6.2.1.5", "VID",                synInteger,       vfReadOnly},
    {"1.3.6.1.4.1.99402.12.6.2.1.6", "Session Time",       synTimeTicks,     vfReadOnly},
    {"1.3.6.1.4.1.99402.12.6.2.1.7", "User Name",          synDisplayString, vfReadOnly},
    {},
};

// --- RADIUS --------------------------------------------------------------------------
// swRadiusServerTable (1.3.6.1.4.1.99402.12.18.1): the RADIUS servers the switch asks,
// in order of their index.
const _SNMPVar_s RadiusServerVars[] = {
    {"1.3.6.1.4.1.99402.12.18.1.1.1", "Index",               synInteger,       vfIndex},
    {"1.3.6.1.4.1.99402.12.18.1.1.2", "IP Address",          synIpAddress,     vfReadWrite},
    {"1.3.6.1.4.1.99402.12.18.1.1.3", "Authentication Port", synInteger,       vfReadWrite},
    {"1.3.6.1.4.1.99402.12.18.1.1.4", "Accounting Port",     synInteger,       vfReadWrite},
    {"1.3.6.1.4.1.99402.12.18.1.1.5", "Key",                 synDisplayString, vfReadWrite},
    {"1.3.6.1.4.1.99402.12.18.1.1.6", "Row Status",          synInteger,       vfReadWrite, &RowStatusOptions},
    {},
};
const _ItemOverride_s RadiusServerItems[] = {
    {"Index",               0, "%i{n1x3l1}"},
    {"Authentication Port", 0, "%i{n1x65535l5}"},
    {"Accounting Port",     0, "%i{n1x65535l5}"},
    {"Key",                 0, "%s{l32}"},
    {},
};

// RADIUS-AUTH-CLIENT-MIB radiusAuthClient scalars (1.3.6.1.2.1.67.1.2.1.1)
const _SNMPVar_s RadiusAuthClientVars[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.1", "Invalid Server Addresses", synCounter32,     vfReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.2", "Client Identifier",        synDisplayString, vfReadOnly},
    {},
};

// RADIUS-AUTH-CLIENT-MIB radiusAuthServerTable (1.3.6.1.2.1.67.1.2.1.1.3)
const _SNMPVar_s RadiusAuthServerVars[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.1",  "Server Index",             synInteger,   vfIndex},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.2",  "Server Address",           synIpAddress, vfReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.3",  "Server Port Number",       synInteger,   vfReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.4",  "Round Trip Time",          synTimeTicks, vfReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.5",  "Access Requests",          synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.6",  "Access Retransmissions",   synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.7",  "Access Accepts",           synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.8",  "Access Rejects",           synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.9",  "Access Challenges",        synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.10", "Malformed Access Responses", synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.11", "Bad Authenticators",       synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.12", "Pending Requests",         synGauge32,   vfReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.13", "Timeouts",                 synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.14", "Unknown Types",            synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.15", "Packets Dropped",          synCounter32, vfReadOnly},
    {},
};

// RADIUS-ACC-CLIENT-MIB radiusAccClient scalars (1.3.6.1.2.1.67.2.2.1.1)
const _SNMPVar_s RadiusAccClientVars[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.1", "Invalid Server Addresses", synCounter32,     vfReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.2", "Client Identifier",        synDisplayString, vfReadOnly},
    {},
};

// RADIUS-ACC-CLIENT-MIB radiusAccServerTable (1.3.6.1.2.1.67.2.2.1.1.3)
const _SNMPVar_s RadiusAccServerVars[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.1",  "Server Index",        synInteger,   vfIndex},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.2",  "Server Address",      synIpAddress, vfReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.3",  "Server Port Number",  synInteger,   vfReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.4",  "Round Trip Time",     synTimeTicks, vfReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.5",  "Requests",            synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.6",  "Retransmissions",     synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.7",  "Responses",           synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.8",  "Malformed Responses", synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.9",  "Bad Authenticators",  synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.10", "Pending Requests",    synGauge32,   vfReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.11", "Timeouts",            synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.12", "Unknown Types",       synCounter32, vfReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.13", "Packets Dropped",     synCounter32, vfReadOnly},
    {},
};

// --- TACACS+ (swTacacs, 1.3.6.1.4.1.99402.12.5) ---------------------------------------
// swTacacsCtrl scalars (1.3.6.1.4.1.99402.12.5.1)
const _SNMPVar_s TacacsControlVars[] = {
    {"1.3.6.1.4.1.99402.12.5.1.1", "Authentication State", synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.5.1.2", "Response Timeout",     synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.12.5.1.3", "Login Attempts",       synInteger, vfReadWrite},
    {},
};
const _ItemOverride_s TacacsControlItems[] = {
    {"Response Timeout", 0, "%i{n0x255l3}"},
    {"Login Attempts",   0, "%i{n1x255l3}"},
    {},
};

// swTacacsInfo scalars (1.3.6.1.4.1.99402.12.5.2): capacities and usage.
const _SNMPVar_s TacacsInformationVars[] = {
    {"1.3.6.1.4.1.99402.12.5.2.1", "Supported Protocols",      synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.5.2.2", "Max Server Hosts",         synInteger,       vfReadOnly},
    {"1.3.6.1.4.1.99402.12.5.2.3", "Max Server Groups",        synInteger,       vfReadOnly},
    {"1.3.6.1.4.1.99402.12.5.2.4", "Max Method Lists",         synInteger,       vfReadOnly},
    {"1.3.6.1.4.1.99402.12.5.2.5", "Configured Server Hosts",  synGauge32,       vfReadOnly},
    {"1.3.6.1.4.1.99402.12.5.2.6", "Configured Server Groups", synGauge32,       vfReadOnly},
    {},
};

// swTacacsLoginInfo scalars (1.3.6.1.4.1.99402.12.5.5): the local enable
// password, the enable-admin switch and the outcome of the logins.
const _Option_s kLoginMethod[] = {{1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"},
                                  {5, "server-group"}, {6, "local"}, {7, "local-enable"}, {8, "none"},
                                  {9, "other"}, {}};
const KvOptionList LoginMethodList(kLoginMethod, KvOptionList::kIntegerValues);
const _SNMPVar_s TacacsLoginVars[] = {
    {"1.3.6.1.4.1.99402.12.5.5.1", "Local Enable Password", synDisplayString, vfReadWrite},
    {"1.3.6.1.4.1.99402.12.5.5.2", "Enable Admin",          synInteger,       vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.5.5.3", "Login Successes",       synCounter32,     vfReadOnly},
    {"1.3.6.1.4.1.99402.12.5.5.4", "Login Failures",        synCounter32,     vfReadOnly},
    {"1.3.6.1.4.1.99402.12.5.5.5", "Last Login User",       synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.5.5.6", "Last Login Method",     synInteger,       vfReadOnly, &LoginMethodList},
    {},
};
const _ItemOverride_s TacacsLoginItems[] = {
    {"Local Enable Password", 0, "%s{l15}"},
    {},
};

// swTacacsServerGroupTable (1.3.6.1.4.1.99402.12.5.11): groups are added and
// removed through their row state, like the servers of the server control table.
const _SNMPVar_s TacacsServerGroupVars[] = {
    {"1.3.6.1.4.1.99402.12.5.11.1.1", "Group Name",       synDisplayString, vfIndex},
    {"1.3.6.1.4.1.99402.12.5.11.1.2", "Server Count",     synInteger,       vfReadOnly},
    {"1.3.6.1.4.1.99402.12.5.11.1.3", "Group Row State",  synInteger,       vfReadWrite, &ServerRowStateList},
    {},
};
const _ItemOverride_s TacacsServerGroupItems[] = {
    {"Group Name", 0, "%s{l15}"},
    {},
};

// --- SSH (swSSH, 1.3.6.1.4.1.99402.12.7) -------------------------------------------------
// swSSHCtrl scalars (1.3.6.1.4.1.99402.12.7.1)
const _Option_s kRekeyTimeout[] = {{1, "never"}, {2, "ten-min"}, {3, "thirty-min"}, {4, "sixty-min"}, {}};
const KvOptionList RekeyTimeoutList(kRekeyTimeout, KvOptionList::kIntegerValues);
const _SNMPVar_s SshManagementVars[] = {
    {"1.3.6.1.4.1.99402.12.7.1.1", "SSH Server State",   synInteger,       vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.7.1.2", "SSH Server Version", synDisplayString, vfReadOnly},
    {"1.3.6.1.4.1.99402.12.7.1.3", "Max Sessions",       synInteger,       vfReadWrite},
    {"1.3.6.1.4.1.99402.12.7.1.4", "Connection Timeout", synInteger,       vfReadWrite},
    {"1.3.6.1.4.1.99402.12.7.1.5", "Auth Fail Attempts", synInteger,       vfReadWrite},
    {"1.3.6.1.4.1.99402.12.7.1.6", "Rekey Timeout",      synInteger,       vfReadWrite, &RekeyTimeoutList},
    {"1.3.6.1.4.1.99402.12.7.1.7", "TCP Port",           synInteger,       vfReadWrite},
    {},
};
const _ItemOverride_s SshManagementItems[] = {
    {"Max Sessions",       0, "%i{n1x8l1}"},
    {"Connection Timeout", 0, "%i{n120x600l3}"},
    {"Auth Fail Attempts", 0, "%i{n2x20l2}"},
    {"TCP Port",           0, "%i{n1x65535l5}"},
    {},
};

// swSSHAlgorithm: one state per key exchange group, cipher, user authentication
// method, MAC and host key algorithm the SSH server offers.
const _SNMPVar_s SshDiffieHellmanVars[] = {
    {"1.3.6.1.4.1.99402.12.7.2.1", "Diffie-Hellman Group 1 SHA1",        synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.7.2.2", "Diffie-Hellman Group 14 SHA1",       synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.7.2.3", "Diffie-Hellman Group Exchange SHA1", synInteger, vfReadWrite, &OtherDisabledEnabled},
    {},
};
const _SNMPVar_s SshEncryptionVars[] = {
    {"1.3.6.1.4.1.99402.12.7.3.1",  "3DES",       synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.7.3.2",  "AES128",     synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.7.3.3",  "AES192",     synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.7.3.4",  "AES256",     synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.7.3.5",  "Arcfour",    synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.7.3.6",  "Blowfish",   synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.7.3.7",  "Cast128",    synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.7.3.8",  "Twofish128", synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.7.3.9",  "Twofish192", synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.7.3.10", "Twofish256", synInteger, vfReadWrite, &OtherDisabledEnabled},
    {},
};
const _SNMPVar_s SshAuthMethodVars[] = {
    {"1.3.6.1.4.1.99402.12.7.4.1", "Password",   synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.7.4.2", "Public Key", synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.7.4.3", "Host-based", synInteger, vfReadWrite, &OtherDisabledEnabled},
    {},
};
const _SNMPVar_s SshHmacVars[] = {
    {"1.3.6.1.4.1.99402.12.7.5.1", "HMAC-MD5",  synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.7.5.2", "HMAC-SHA1", synInteger, vfReadWrite, &OtherDisabledEnabled},
    {},
};
const _SNMPVar_s SshPublicKeyVars[] = {
    {"1.3.6.1.4.1.99402.12.7.6.1", "RSA", synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.7.6.2", "DSA", synInteger, vfReadWrite, &OtherDisabledEnabled},
    {},
};

// --- SSL (swSSL, 1.3.6.1.4.1.99402.12.17) --------------------------------------------------
// swSSLCtrl scalars (1.3.6.1.4.1.99402.12.17.1): the HTTPS server and its cipher suites.
const _SNMPVar_s SslManagementVars[] = {
    {"1.3.6.1.4.1.99402.12.17.1.1", "SSL State",                     synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.17.1.2", "RSA with RC4 128 MD5",          synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.17.1.3", "RSA with 3DES EDE CBC SHA",     synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.17.1.4", "DHE DSS with 3DES EDE CBC SHA", synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.17.1.5", "RSA Export with RC4 40 MD5",    synInteger, vfReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.99402.12.17.1.6", "Cache Timeout",                 synInteger, vfReadWrite},
    {},
};
const _ItemOverride_s SslManagementItems[] = {
    {"Cache Timeout", 0, "%i{n60x86400l5}"},
    {},
};

// swSSLCertificate scalars (1.3.6.1.4.1.99402.12.17.2): loading a certificate and
// its private key from a TFTP server.
const _Option_s kCertificateType[] = {{1, "other"}, {2, "rsa"}, {3, "dsa"}, {}};
const KvOptionList CertificateTypeList(kCertificateType, KvOptionList::kIntegerValues);
const _Option_s kCertificateLoad[] = {{1, "other"}, {2, "load"}, {}};
const KvOptionList CertificateLoadList(kCertificateLoad, KvOptionList::kIntegerValues);
const _Option_s kCertificateStatus[] = {{1, "other"},          {2, "in-process"}, {3, "invalid-file"},
                                        {4, "file-not-found"}, {5, "complete"},   {6, "time-out"}, {}};
const KvOptionList CertificateStatusList(kCertificateStatus, KvOptionList::kIntegerValues);
const _SNMPVar_s SslCertificateVars[] = {
    {"1.3.6.1.4.1.99402.12.17.2.1", "TFTP Server IP Address", synIpAddress,     vfReadWrite},
    {"1.3.6.1.4.1.99402.12.17.2.2", "Certificate File Name",  synDisplayString, vfReadWrite},
    {"1.3.6.1.4.1.99402.12.17.2.3", "Key File Name",          synDisplayString, vfReadWrite},
    {"1.3.6.1.4.1.99402.12.17.2.4", "Certificate Type",       synInteger,       vfReadOnly,  &CertificateTypeList},
    {"1.3.6.1.4.1.99402.12.17.2.5", "Load Control",           synInteger,       vfReadWrite, &CertificateLoadList},
    {"1.3.6.1.4.1.99402.12.17.2.6", "Load Status",            synInteger,       vfReadOnly,  &CertificateStatusList},
    {},
};
const _ItemOverride_s SslCertificateItems[] = {
    {"Certificate File Name", 0, "%s{l64}"},
    {"Key File Name",         0, "%s{l64}"},
    {},
};

} // namespace

const _GenericEntry_s SecurityGenericEntries[] = {
    {.Name = "AuthenticationModeSetting", .Title = "Authentication Mode Setting", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = AuthModeVars, .Behaviour = KvEntryBehaviour::AuthModeSetting},
    {.Name = "TacacsServerControl", .Title = "Server Control", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 3, .Vars = TacacsServerControlVars, .Items = TacacsServerControlItems,
     .StatusIndex = 3, .AddText = "add", .HeightAdd = 10},
    {.Name = "Dot1xConfiguration", .Title = "802.1X Configuration", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = Dot1xSystemVars},
    {.Name = "Dot1xPortConfiguration", .Title = "802.1X Port Configuration", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = Dot1xAuthConfigVars, .Items = Dot1xAuthConfigItems,
     .Adjust = adShowStop, .Height = 450},
    {.Name = "Dot1xPortStatistics", .Title = "802.1X Port Statistics", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = Dot1xAuthStatsVars, .Adjust = adShowStop, .Height = 450},
    {.Name = "Dot1xPortDiagnostics", .Title = "802.1X Port Diagnostics", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = Dot1xAuthDiagVars, .Adjust = adShowStop, .Height = 450,
     .ValueWider = 40},
    {.Name = "Dot1xPortSessionStatistics", .Title = "802.1X Port Session Statistics", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = Dot1xAuthSessionVars, .Adjust = adShowStop, .Height = 450},
    {.Name = "MacBaseStateTable", .Title = "MAC Based Authentication State Table", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = MacBaseStateVars, .Items = MacBaseStateItems,
     .Adjust = adShowStop, .Height = 450},
    {.Name = "MacBaseSessionInformation", .Title = "MAC Based Authentication Session Information",
     .Page = KvPageKind::Table, .ListKind = L::kTable, .KeyCount = 2, .Vars = MacBaseSessionVars, .Height = 450},
    {.Name = "RadiusServerTable", .Title = "Radius Server Table", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 1, .Vars = RadiusServerVars, .Items = RadiusServerItems,
     .StatusIndex = 5, .AddText = "createAndGo", .DeleteText = "destroy"},
    {.Name = "RadiusAuthInformation", .Title = "Radius Authentication Information", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = RadiusAuthClientVars, .ValueWider = 40},
    {.Name = "RadiusAuthTable", .Title = "Radius Authentication Table", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = RadiusAuthServerVars},
    {.Name = "RadiusAccBasicInformation", .Title = "Radius Accounting Basic Information", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = RadiusAccClientVars, .ValueWider = 40},
    {.Name = "RadiusAccServerTable", .Title = "Radius Accounting Server Table", .Page = KvPageKind::Table,
     .ListKind = L::kTable, .KeyCount = 1, .Vars = RadiusAccServerVars},
    {.Name = "TacacsControl", .Title = "TACACS+ Control", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = TacacsControlVars, .Items = TacacsControlItems},
    {.Name = "TacacsInformation", .Title = "TACACS+ Information", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = TacacsInformationVars, .ValueWider = 40},
    {.Name = "TacacsLoginInformation", .Title = "Login Information", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = TacacsLoginVars, .Items = TacacsLoginItems},
    {.Name = "TacacsServerGroup", .Title = "Server Group", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 1, .Vars = TacacsServerGroupVars, .Items = TacacsServerGroupItems,
     .StatusIndex = 2, .AddText = "add", .DeleteText = "delete", .HeightAdd = 10},
    {.Name = "SshManagement", .Title = "SSH Management", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = SshManagementVars, .Items = SshManagementItems},
    {.Name = "SshDiffieHellman", .Title = "Diffie Hellman Algorithm", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = SshDiffieHellmanVars},
    {.Name = "SshEncryption", .Title = "Encryption Algorithm", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = SshEncryptionVars},
    {.Name = "SshAuthenticationMethod", .Title = "Authentication Method", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = SshAuthMethodVars},
    {.Name = "SshHmac", .Title = "HMAC Algorithm", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = SshHmacVars},
    {.Name = "SshPublicKey", .Title = "Public Key Algorithm", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = SshPublicKeyVars},
    {.Name = "SslManagement", .Title = "SSL Management", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = SslManagementVars, .Items = SslManagementItems},
    {.Name = "SslCertificateFile", .Title = "Certificate File Information", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = SslCertificateVars, .Items = SslCertificateItems, .ValueWider = 40},
    {},
};
