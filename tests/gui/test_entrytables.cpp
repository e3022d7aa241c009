// Consistency of the static tables of the generic entries and the menu
// catalogue, in the manner of a field-registration check: terminated tables,
// UI items parallel to their variables, valid edit formats, combo boxes with
// option lists, add and delete texts among the status options, key counts
// within the lists, no duplicate or malformed OIDs, and every OID an entry
// sends declared by the simulator's object files (or one of the SNMP groups
// its agent serves itself).
#include "genericentries.h"
#include "kveditformat.h"
#include "kvexception.h"
#include "menucatalogue.h"
#include "tgenericentry.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

constexpr int kMaxVars = 64;  // no table is longer; a missing terminator runs past it

// Internet OIDs, and the two IEEE roots of the 802.1X PAE MIB (1.0.8802.1.1)
// and the 802.3ad LAG MIB (1.2.840.10006.300.43).
bool WellFormedOid(const std::string& oid) {
    static const QRegularExpression re(
        "^(1\\.3\\.6\\.1|1\\.0\\.8802\\.1\\.1|1\\.2\\.840\\.10006\\.300\\.43)(\\.(0|[1-9][0-9]*))+$");
    return re.match(QString::fromStdString(oid)).hasMatch();
}

// Scalar OIDs and column OIDs declared by kxsim's object files.
std::set<std::string> SimulatorOids() {
    std::set<std::string> oids;
    QDir dir(QString(KX_SOURCE_DIR) + "/sim/data/objects");
    for (const QString& name : dir.entryList({"*.txt"}, QDir::Files)) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text)) << name.toStdString();
        QTextStream in(&f);
        QString entry;
        while (!in.atEnd()) {
            const QStringList t = in.readLine().trimmed().split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
            if (t.size() >= 3 && t[0] == "scalar") oids.insert(t[2].toStdString());
            else if (t.size() >= 3 && t[0] == "table") entry = t[2];
            else if (t.size() >= 3 && t[0] == "column") oids.insert((entry + "." + t[1]).toStdString());
        }
    }
    return oids;
}

// Groups the simulator's agent serves from its own modules.
bool ServedByAgentModules(const std::string& oid) {
    for (const char* prefix : {"1.3.6.1.2.1.1.", "1.3.6.1.6.3.10.", "1.3.6.1.6.3.11.", "1.3.6.1.6.3.12.",
                               "1.3.6.1.6.3.13.", "1.3.6.1.6.3.15.", "1.3.6.1.6.3.16."})
        if (oid.rfind(prefix, 0) == 0) return true;
    return false;
}

std::vector<const _GenericEntry_s*> AllEntries() {
    std::vector<const _GenericEntry_s*> all;
    for (const _GenericEntry_s* const* t = GenericEntryTables; *t; ++t)
        for (const _GenericEntry_s* e = *t; e->Name; ++e) all.push_back(e);
    return all;
}

TEST(EntryTables, EveryEntryIsConsistentWithItsVariables) {
    const std::set<std::string> served = SimulatorOids();
    std::set<std::string> names;
    for (const _GenericEntry_s* e : AllEntries()) {
        SCOPED_TRACE(e->Name);
        EXPECT_TRUE(names.insert(e->Name).second) << "duplicate entry name";
        ASSERT_NE(e->Title, nullptr);
        ASSERT_NE(e->Vars, nullptr);
        int count = 0;
        while (count <= kMaxVars && e->Vars[count].Oid) ++count;
        ASSERT_LE(count, kMaxVars) << "variable table not terminated";
        ASSERT_GT(count, 0);

        // List kind and keys.
        EXPECT_LE(e->ListKind, KvSNMPVarList::kTableEditKeys);
        if (e->ListKind <= KvSNMPVarList::kOneInstance) EXPECT_EQ(e->KeyCount, 0);
        else EXPECT_TRUE(e->KeyCount >= 1 && e->KeyCount <= count) << e->KeyCount;

        std::set<std::string> oids;
        for (int i = 0; i < count; ++i) {
            const _SNMPVar_s& v = e->Vars[i];
            SCOPED_TRACE(v.Name ? v.Name : "(no name)");
            ASSERT_NE(v.Name, nullptr);
            EXPECT_TRUE(WellFormedOid(v.Oid)) << v.Oid;
            EXPECT_TRUE(oids.insert(v.Oid).second) << "duplicate OID " << v.Oid;
            EXPECT_TRUE(IsKnownSyntax(v.Syntax)) << v.Syntax;
            EXPECT_NE(v.Flags, 0u);
            if (v.Flags & vfKey) EXPECT_LT(i, e->KeyCount) << "a not-accessible key outside the key columns";
            if (v.Options) EXPECT_GT(v.Options->Count(), 0);
            // Everything put on the wire must exist in the simulator.
            if (v.Flags & (vfRead | vfWrite))
                EXPECT_TRUE(served.count(v.Oid) || ServedByAgentModules(v.Oid)) << v.Oid << " not served by kxsim";
        }

        // UI items: parallel, combo boxes backed by options, valid formats.
        const std::vector<_UIItem_s> items = TGenericEntry::BuildItems(*e);
        ASSERT_EQ(static_cast<int>(items.size()), count + 1);
        EXPECT_EQ(items.back().Variable, nullptr);
        for (int i = 0; i < count; ++i) {
            const _UIItem_s& item = items[static_cast<size_t>(i)];
            SCOPED_TRACE(e->Vars[i].Name);
            EXPECT_EQ(item.Variable, &e->Vars[i]);
            EXPECT_TRUE(item.Kind == uiCheckEdit || item.Kind == uiCheckCombo || item.Kind == uiUncheckedEdit)
                << item.Kind;
            if (item.Kind == uiCheckCombo) EXPECT_NE(item.Variable->Options, nullptr) << "combo without options";
            ASSERT_NE(item.Format, nullptr);
            for (const std::string& specifier : KvEditFormat::Split(item.Format))
                EXPECT_NO_THROW(KvEditFormat::Parse(specifier)) << item.Format;
        }
        if (e->Items) {
            int overrides = 0;
            for (const _ItemOverride_s* o = e->Items; o->Name && overrides <= kMaxVars; ++o, ++overrides) {
                bool found = false;
                for (int i = 0; i < count; ++i) found = found || std::string(o->Name) == e->Vars[i].Name;
                EXPECT_TRUE(found) << "override for an unknown variable: " << o->Name;
            }
            EXPECT_LE(overrides, kMaxVars) << "override table not terminated";
        }

        // Row status pair.
        if (e->AddText || e->DeleteText) {
            ASSERT_TRUE(e->StatusIndex >= 0 && e->StatusIndex < count) << e->StatusIndex;
            const KvOptionList* options = e->Vars[e->StatusIndex].Options;
            ASSERT_NE(options, nullptr);
            if (e->AddText) EXPECT_GE(options->IndexOfText(e->AddText), 0) << e->AddText;
            if (e->DeleteText) EXPECT_GE(options->IndexOfText(e->DeleteText), 0) << e->DeleteText;
            EXPECT_TRUE(e->ListKind >= KvSNMPVarList::kTable);
        } else {
            EXPECT_EQ(e->StatusIndex, -1);
        }
        const bool table = e->Page == KvPageKind::Table || e->Page == KvPageKind::TableAuto;
        EXPECT_EQ(table, e->ListKind >= KvSNMPVarList::kTable);
    }
}

TEST(EntryTables, CatalogueAndEntriesNameEachOther) {
    std::set<std::string> named;
    for (const _MenuEntry_s* table : {MainMenuCatalogue, PortPopupCatalogue}) {
        std::set<std::string> paths;
        for (const _MenuEntry_s* m = table; m->Path; ++m) {
            if (m->Kind == KvMenuKind::Separator) continue;
            EXPECT_TRUE(paths.insert(m->Path).second) << "duplicate path " << m->Path;
            if (m->Kind != KvMenuKind::Generic) continue;
            EXPECT_NE(FindGenericEntry(m->Data), nullptr) << m->Path << " names no entry";
            if (m->Data) {
                EXPECT_TRUE(named.insert(m->Data).second) << m->Data << " named twice";
            }
        }
    }
    for (const _GenericEntry_s* e : AllEntries()) EXPECT_TRUE(named.count(e->Name)) << e->Name << " not in a menu";
    for (const _MenuEntry_s* m = PortPopupCatalogue; m->Path; ++m)
        EXPECT_EQ(FindGenericEntry(m->Data)->Behaviour, KvEntryBehaviour::PortPopup) << m->Path;
}

// The OID docs/mib-map.md gives for an entry: a table's entry (its columns
// are the next arc: the last variable is always a column of it), or the
// group holding an editor's scalars.
std::string MapOid(const _GenericEntry_s& e) {
    int count = 0;
    while (e.Vars[count].Oid) ++count;
    const std::string oid = e.ListKind == KvSNMPVarList::kScalars ? e.Vars[0].Oid : e.Vars[count - 1].Oid;
    return oid.substr(0, oid.rfind('.'));
}

std::string MapRow(const _MenuEntry_s& m, const _GenericEntry_s& e) {
    return std::string("| ") + m.Path + (m.Hidden ? " (hidden)" : "") + " | " + e.Title + " | " + MapOid(e) + " |";
}

TEST(EntryTables, MibMapListsEveryEntryInMenuOrder) {
    std::vector<std::string> expected;
    for (const _MenuEntry_s* table : {MainMenuCatalogue, PortPopupCatalogue})
        for (const _MenuEntry_s* m = table; m->Path; ++m)
            if (m->Kind == KvMenuKind::Generic && FindGenericEntry(m->Data))
                expected.push_back(MapRow(*m, *FindGenericEntry(m->Data)));
    QFile f(QString(KX_SOURCE_DIR) + "/docs/mib-map.md");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text));
    std::vector<std::string> rows;
    QTextStream in(&f);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith("| ") && !line.startsWith("| Entry |")) rows.push_back(line.toStdString());
    }
    std::string table;
    for (const std::string& row : expected) table += row + "\n";
    EXPECT_EQ(rows, expected) << "docs/mib-map.md should list:\n" << table;
}

// The menus' vocabulary: 27 external tool pages, and 117 generic pages - 115
// in the main menu and the two of the port popup - of which 52 are editor
// pages and 65 table pages.
TEST(EntryTables, CatalogueHoldsEveryGenericPageAndToolPage) {
    int tools = 0, editors = 0, tables = 0, popup = 0, hidden = 0;
    for (const _MenuEntry_s* table : {MainMenuCatalogue, PortPopupCatalogue})
        for (const _MenuEntry_s* m = table; m->Path; ++m) {
            if (m->Kind == KvMenuKind::Tool) ++tools;
            if (m->Kind != KvMenuKind::Generic) continue;
            const _GenericEntry_s* e = FindGenericEntry(m->Data);
            ASSERT_NE(e, nullptr) << m->Path;
            const bool editor = e->Page == KvPageKind::Editor || e->Page == KvPageKind::EditorAuto;
            (editor ? editors : tables) += 1;
            if (table == PortPopupCatalogue) ++popup;
            if (m->Hidden) ++hidden;
        }
    EXPECT_EQ(tools, 27);
    EXPECT_EQ(editors + tables, 117);
    EXPECT_EQ(editors, 52);
    EXPECT_EQ(tables, 65);
    EXPECT_EQ(popup, 2);
    EXPECT_EQ(hidden, 5) << "Dual Image File, Diffie Hellman Algorithm, Port Diagnosis Table, IP MAC Map Table, "
                            "Add Member Switch";
}

} // namespace
