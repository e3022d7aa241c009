#include "uiitem.h"

int UIItemCount(const _UIItem_s* items) {
    int n = 0;
    if (items)
        while (items[n].Variable) ++n;
    return n;
}

std::unique_ptr<TUIItemTable> TUIItemTable::FromVarList(const KvSNMPVarList& list) {
    auto table = std::make_unique<TUIItemTable>();
    const int n = list.Count();
    table->vars_.resize(n);
    table->items_.resize(n + 1);
    for (int i = 0; i < n; ++i) {
        const KvSNMPVar& v = list.Item(i);
        _SNMPVar_s& record = table->vars_[i];
        record.Oid = table->texts_.emplace_back(v.Oid).c_str();
        record.Name = table->texts_.emplace_back(v.Name).c_str();
        record.Syntax = v.Syntax;
        record.Flags = v.Flags;
        record.Options = v.Options;

        _UIItem_s& item = table->items_[i];
        item.Kind = uiCheckEdit;
        item.Format = "%s";
        if (v.Syntax == synInteger && !v.Options) item.Format = "%i";
        if (v.Options) item.Kind = uiCheckCombo;
        if (IsDisplayOnlyFlags(v.Flags)) item.Kind = uiUncheckedEdit;
        item.Variable = &record;
    }
    // items_[n] stays the terminating record: kind 0, null pointers.
    return table;
}
