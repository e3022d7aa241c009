#include "genericentries.h"

#include <cstring>

namespace {
const _Option_s kOtherDisabledEnabled[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {}};
const _Option_s kEnabledDisabled[] = {{1, "enabled"}, {2, "disabled"}, {}};
const _Option_s kTruthValue[] = {{1, "true"}, {2, "false"}, {}};
const _Option_s kRowStatus[] = {{1, "active"},      {2, "notInService"},  {3, "notReady"},
                                {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"}, {}};
const _Option_s kStorageType[] = {{1, "other"}, {2, "volatile"}, {3, "nonVolatile"}, {4, "permanent"}, {5, "readOnly"}, {}};
const _Option_s kValidStatus[] = {{1, "other"}, {2, "invalid"}, {3, "valid"}, {}};
} // namespace

const KvOptionList OtherDisabledEnabled(kOtherDisabledEnabled, KvOptionList::kIntegerValues);
const KvOptionList EnabledDisabled(kEnabledDisabled, KvOptionList::kIntegerValues);
const KvOptionList TruthValueOptions(kTruthValue, KvOptionList::kIntegerValues);
const KvOptionList RowStatusOptions(kRowStatus, KvOptionList::kIntegerValues);
const KvOptionList StorageTypeOptions(kStorageType, KvOptionList::kIntegerValues);
const KvOptionList ValidStatusOptions(kValidStatus, KvOptionList::kIntegerValues);

const _GenericEntry_s* const GenericEntryTables[] = {
    BasicGenericEntries,  RmonGenericEntries,   BridgeGenericEntries,   VlanGenericEntries,
    SnmpV3GenericEntries, SecurityGenericEntries, Layer2GenericEntries, Layer3GenericEntries,
    SingleIpGenericEntries, PortPopupGenericEntries, nullptr,
};

std::vector<const _GenericEntry_s*> AllGenericEntries() {
    std::vector<const _GenericEntry_s*> all;
    for (const _GenericEntry_s* const* table = GenericEntryTables; *table; ++table)
        for (const _GenericEntry_s* e = *table; e->Name; ++e) all.push_back(e);
    return all;
}

const _GenericEntry_s* FindGenericEntry(const char* name) {
    if (!name) return nullptr;
    for (const _GenericEntry_s* e : AllGenericEntries())
        if (std::strcmp(e->Name, name) == 0) return e;
    return nullptr;
}
