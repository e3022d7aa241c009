#pragma once
// The main menu and the port popup as data: one row per entry, with its
// caption path under the top-level menu ("Basic Configuration / MIB II /
// IF Table"), what it does, and that action's data. Submenus appear in the
// order their first entry appears; a path segment "-" is a separator.
#include <cstdint>

enum class KvMenuKind : uint8_t {
    Separator, // no action
    Tool,      // Data: the external MIB tool's page argument ("/TMIB_Info")
    Generic,   // Data: the name of a generic configuration entry
    Dedicated, // Data: the class of a dedicated form
    Help,      // the help file
    About,     // TAboutForm
    Exit,      // close the main window
};

struct _MenuEntry_s {
    const char* Path;
    KvMenuKind Kind;
    const char* Data;
    bool Hidden; // exists but is never shown
};

// Top-level menus in their order, ended by null.
extern const char* const MainMenuTitles[];
// Ended by a row with a null Path.
extern const _MenuEntry_s MainMenuCatalogue[];
extern const _MenuEntry_s PortPopupCatalogue[];

// The help file beside the module's executable.
extern const char* const kHelpFileName; // "KX-7026G orvexdr3.hlp"
