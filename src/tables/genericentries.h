#pragma once
// The generic configuration entries of the menus: each one a TConfigForm
// built from a static variable table. A row says which page the form gets,
// how the variable list is made, how the UI items differ from the automatic
// rule, the row-status pair of a table, and the adjustments made after
// set-up. The menu catalogue names an entry by its Name (KvMenuKind::Generic).
//
// One file per top-level menu (menu_basic.cpp, menu_l2.cpp, ...) holds the
// variable tables, option lists and entry rows of that menu.
#include "kvoptionlist.h"
#include "kvsnmpvarlist.h"

#include <cstdint>
#include <vector>

// Which set-up operation builds the page.
enum class KvPageKind : uint8_t {
    Editor,      // SetupEditor with the entry's UI items
    EditorAuto,  // SetupEditorAuto
    Table,       // SetupTable with the entry's UI items
    TableAuto,   // SetupTableAuto
};

// Behaviour beyond the common steps.
enum class KvEntryBehaviour : uint8_t {
    None,
    IfXTable,        // SNMPv1 sessions read with SNMPv2c while the form is open
    RmonControl,     // closing re-reads the RMON state of the main window
    StpControl,      // red note under the last item
    AuthModeSetting, // value controls moved right and widened, form enlarged
    PortPopup,       // instance = the port button the popup was opened on
};

// Adjustment bits.
enum : uint32_t {
    adShowStop = 0x01,       // ShowStopButton
    adHideEdit = 0x02,       // HideEditButton
    adDisableRowEdit = 0x04, // DisableRowEdit
    adUnscaled = 0x08,       // the sizes are pixels, not scaled by ScaleFactor
};

// An item whose kind or format differs from the automatic rule (kind 2 for
// an option list, kind 4 for a read-only or key variable, else kind 1;
// "%i" for a plain INTEGER, else "%s"). Kind 0 keeps the rule's kind; a
// null format keeps the rule's format. Ended by a record with a null Name.
struct _ItemOverride_s {
    const char* Name;     // display name of the variable
    int32_t Kind;
    const char* Format;
};

// Written with designated initializers; fields left out keep these defaults.
struct _GenericEntry_s {
    const char* Name = nullptr;             // the catalogue's data for this entry
    const char* Title = nullptr;            // form title ("Device Information")
    KvPageKind Page = KvPageKind::Editor;
    uint8_t ListKind = 0;                   // KvSNMPVarList kind
    int32_t KeyCount = 0;
    const _SNMPVar_s* Vars = nullptr;
    const _ItemOverride_s* Items = nullptr; // null: every item follows the rule
    int32_t StatusIndex = -1;               // row-status variable, -1 for none
    const char* AddText = nullptr;          // null: no Add button
    const char* DeleteText = nullptr;       // null: no Delete button
    uint32_t Adjust = 0;                    // ad... bits
    int32_t Height = 0;                     // form height (0: as built)
    int32_t HeightAdd = 0;                  // added to the form height
    int32_t ValueWider = 0;                 // added to every value control's width
    int32_t FormWider = 0;                  // added to the form's width
    KvEntryBehaviour Behaviour = KvEntryBehaviour::None;
};

// Every table of entries, ended by null; each table ends with a row whose
// Name is null.
extern const _GenericEntry_s* const GenericEntryTables[];

// Every entry of every table, in table order.
std::vector<const _GenericEntry_s*> AllGenericEntries();

// The entry of that name, or null.
const _GenericEntry_s* FindGenericEntry(const char* name);

// Shared option lists (enumeration labels used by many tables).
extern const KvOptionList OtherDisabledEnabled;   // other(1) disabled(2) enabled(3)
extern const KvOptionList EnabledDisabled;        // enabled(1) disabled(2)
extern const KvOptionList TruthValueOptions;      // true(1) false(2)
extern const KvOptionList RowStatusOptions;       // active(1) .. destroy(6)
extern const KvOptionList StorageTypeOptions;     // other(1) .. readOnly(5)
extern const KvOptionList ValidStatusOptions;     // other(1) invalid(2) valid(3)

// Entry tables of the top-level menus and the port popup.
extern const _GenericEntry_s BasicGenericEntries[];
extern const _GenericEntry_s RmonGenericEntries[];
extern const _GenericEntry_s BridgeGenericEntries[];
extern const _GenericEntry_s VlanGenericEntries[];
extern const _GenericEntry_s SnmpV3GenericEntries[];
extern const _GenericEntry_s SecurityGenericEntries[];
extern const _GenericEntry_s Layer2GenericEntries[];
extern const _GenericEntry_s Layer3GenericEntries[];
extern const _GenericEntry_s SingleIpGenericEntries[];
extern const _GenericEntry_s PortPopupGenericEntries[];
