// Single IP: stack management of member switches (swSingleIPMIB,
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

} // namespace

const _GenericEntry_s SingleIpGenericEntries[] = {
    {.Name = "AddMemberSwitch", .Title = "Add Member Switch", .Page = KvPageKind::Editor,
     .ListKind = L::kOneInstance, .Vars = AddMemberVars, .Items = AddMemberItems},
    {},
};
