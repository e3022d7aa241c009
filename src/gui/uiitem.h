#pragma once
// UI descriptor records: how each variable of a configuration page is shown.
//
// A UI descriptor table is parallel to the variable list of the request it
// is used with: record i describes variable i, in the same order, and the
// table ends with a record whose Variable is null.
//
//   _UIItem_s DeviceControlItems[] = {
//       {uiCheckCombo, "%s", &DeviceControlVars[0]},
//       {uiCheckEdit, "%i{n1x4094l4}", &DeviceControlVars[1]},
//       {uiUncheckedEdit, "%s", &DeviceControlVars[2]},
//       {},
//   };
//
// Building a page writes the pointers of the generated controls into the
// table itself, so one static table serves one open form at a time (every
// configuration form is modal).
#include "kvsnmpvarlist.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QWidget;

// Item kinds (_UIItem_s::Kind).
enum : int32_t {
    uiCheckEdit = 1,      // check box (ticked), label, single-line edit
    uiCheckCombo = 2,     // check box (ticked), label, drop-down list
    uiMemo = 3,           // a memo only: the request's message target
    uiUncheckedEdit = 4,  // check box (cleared), label, single-line edit
    uiListView = 5,       // a list view only: the request's row view
};

struct _UIItem_s {
    int32_t Kind = 0;
    const char* Format = nullptr;            // edit format, e.g. "%i{n1x4094l4}"; see kveditformat.h
    const _SNMPVar_s* Variable = nullptr;    // null ends the table
    int32_t Reserved = 0;                    // always 0
    QWidget* Control = nullptr;              // value control, filled when the page is built
    QCheckBox* CheckBox = nullptr;           // null for uiMemo and uiListView
    QLabel* Label = nullptr;                 // null for uiMemo and uiListView
};

// Number of records before the one with a null Variable (0 for a null table).
int UIItemCount(const _UIItem_s* items);

// True when a flags word marks a variable that is only shown, never written
// from its page: exactly vfRead or exactly vfKey.
inline bool IsDisplayOnlyFlags(uint32_t flags) { return flags == vfRead || flags == vfKey; }

// A UI descriptor table derived at run time from a variable list, with the
// variable records its items point to. The records are copies of the list's
// variables (name, syntax, flags, option list), so the table stays valid on
// its own; the option lists are the list's and must outlive the table.
class TUIItemTable {
public:
    TUIItemTable() = default;
    TUIItemTable(const TUIItemTable&) = delete;
    TUIItemTable& operator=(const TUIItemTable&) = delete;

    // The records, ended by a record of kind 0 with null pointers.
    _UIItem_s* Items() { return items_.empty() ? nullptr : items_.data(); }
    int Count() const { return items_.empty() ? 0 : static_cast<int>(items_.size()) - 1; }

    // Derives the table from a variable list: for variable i, kind 1 with
    // format "%s"; "%i" for an INTEGER without option list; kind 2 with an
    // option list; kind 4 when the flags are exactly vfRead or exactly vfKey
    // (this last rule wins).
    static std::unique_ptr<TUIItemTable> FromVarList(const KvSNMPVarList& list);

private:
    std::vector<_UIItem_s> items_;
    std::vector<_SNMPVar_s> vars_;
    std::deque<std::string> texts_;  // owned names and OIDs (stable addresses)
};
