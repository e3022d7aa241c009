// Security Management: authentication mode and TACACS+ (swAuth,
// 1.3.6.1.4.1.99402.12.3, and swTacacs, 1.3.6.1.4.1.99402.12.5).
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

} // namespace

const _GenericEntry_s SecurityGenericEntries[] = {
    {.Name = "AuthenticationModeSetting", .Title = "Authentication Mode Setting", .Page = KvPageKind::Editor,
     .ListKind = L::kScalars, .Vars = AuthModeVars, .Behaviour = KvEntryBehaviour::AuthModeSetting},
    {.Name = "TacacsServerControl", .Title = "Server Control", .Page = KvPageKind::Table,
     .ListKind = L::kTableEditKeys, .KeyCount = 3, .Vars = TacacsServerControlVars, .Items = TacacsServerControlItems,
     .StatusIndex = 3, .AddText = "add", .HeightAdd = 10},
    {},
};
