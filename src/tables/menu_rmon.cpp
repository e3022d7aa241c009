// RMON: the RMON state of the switch.
#include "discoverytables.h"
#include "genericentries.h"

using L = KvSNMPVarList;

const _GenericEntry_s RmonGenericEntries[] = {
    {.Name = "RmonControl", .Title = "RMON Control", .Page = KvPageKind::Editor, .ListKind = L::kScalars,
     .Vars = RmonVars, .Behaviour = KvEntryBehaviour::RmonControl},
    {},
};
