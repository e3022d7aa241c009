#include "kvsnmpvarlist.h"

#include "kvmessages.h"
#include "kvoptionlist.h"

#include <algorithm>

bool IsKnownSyntax(uint32_t syntax) {
    return (syntax >= synTruthValue && syntax <= synObjectId) ||
           (syntax >= synIpAddress && syntax <= synAddress16) ||
           (syntax >= synPartTruth1 && syntax <= synPartUInt2);
}

namespace {
std::optional<std::string> OptionalText(const char* text) {
    if (!text) return std::nullopt;
    return std::string(text);
}
} // namespace

KvSNMPVar::KvSNMPVar(const _SNMPVar_s& record)
    : Oid(record.Oid ? record.Oid : ""),
      Name(record.Name ? record.Name : ""),
      Syntax(record.Syntax),
      Flags(record.Flags),
      Options(record.Options),
      GetExpression(OptionalText(record.GetExpression)),
      SetExpression(OptionalText(record.SetExpression)),
      AuxText(OptionalText(record.AuxText)),
      Value(record.Value ? record.Value : ""),
      InstanceOid(record.InstanceOid ? record.InstanceOid : "") {}

KvSNMPVarList::KvSNMPVarList(const _SNMPVar_s* table, uint8_t kind, int32_t keyCount)
    : KeyCount(keyCount), Kind(kind) {
    Append(table);
}

KvSNMPVarList::KvSNMPVarList(const KvSNMPVarList& other) { Assign(other); }

void KvSNMPVarList::Append(const _SNMPVar_s* table) {
    if (!table) return;
    size_t count = 0;
    while (table[count].Oid) ++count;
    vars_.reserve(vars_.size() + count);
    for (size_t i = 0; i < count; ++i) vars_.push_back(std::make_unique<KvSNMPVar>(table[i]));
}

void KvSNMPVarList::Assign(const KvSNMPVarList& other) {
    if (&other == this) return;
    std::vector<std::unique_ptr<KvSNMPVar>> copies;
    copies.reserve(other.vars_.size());
    for (const auto& var : other.vars_) copies.push_back(std::make_unique<KvSNMPVar>(*var));
    vars_ = std::move(copies);
    Kind = other.Kind;
    KeyCount = other.KeyCount;
    Label = other.Label;
    for (const auto& options : other.ownedOptionLists_) AdoptOptionList(options);
}

KvSNMPVar& KvSNMPVarList::Item(int i) {
    if (i < 0 || i >= Count()) RaiseKvCommon(-12);
    return *vars_[static_cast<size_t>(i)];
}

const KvSNMPVar& KvSNMPVarList::Item(int i) const {
    if (i < 0 || i >= Count()) RaiseKvCommon(-12);
    return *vars_[static_cast<size_t>(i)];
}

bool KvSNMPVarList::IsRead(int i) const {
    const uint32_t flags = Item(i).Flags;
    return (flags & vfRead) && !(flags & vfExcluded);
}

bool KvSNMPVarList::IsSettable(int i) const {
    const uint32_t flags = Item(i).Flags;
    if (flags & vfExcluded) return false;
    if (flags & vfWrite) return true;
    return (Kind == kTable || Kind == kTableEditKeys) && i < KeyCount;
}

bool KvSNMPVarList::IsListColumn(int i) const {
    const uint32_t flags = Item(i).Flags;
    if (flags & (vfExcluded | vfListHide)) return false;
    return (flags & (vfKey | vfRead | vfListShow)) != 0;
}

bool KvSNMPVarList::IsHiddenColumn(int i) const {
    const uint32_t flags = Item(i).Flags;
    return flags == vfWrite || (flags & vfExcluded) || (flags & vfListHide);
}

bool KvSNMPVarList::IsImplied(int i) const { return (Item(i).Flags & vfImplied) != 0; }

int KvSNMPVarList::ListColumnCount() const {
    int n = 0;
    for (int i = 0; i < Count(); ++i) n += IsListColumn(i) ? 1 : 0;
    return n;
}

int KvSNMPVarList::HiddenColumnCount() const {
    int n = 0;
    for (int i = 0; i < Count(); ++i) n += IsHiddenColumn(i) ? 1 : 0;
    return n;
}

void KvSNMPVarList::AdoptOptionList(std::shared_ptr<const KvOptionList> options) {
    if (!options) return;
    if (std::find(ownedOptionLists_.begin(), ownedOptionLists_.end(), options) != ownedOptionLists_.end()) return;
    ownedOptionLists_.push_back(std::move(options));
}
