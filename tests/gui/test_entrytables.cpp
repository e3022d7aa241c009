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
#include <map>
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

TEST(EntryTables, EveryEntryIsConsistentWithItsVariables) {
    const std::set<std::string> served = SimulatorOids();
    std::set<std::string> names;
    for (const _GenericEntry_s* e : AllGenericEntries()) {
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
    for (const _GenericEntry_s* e : AllGenericEntries()) EXPECT_TRUE(named.count(e->Name)) << e->Name << " not in a menu";
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

// The entries told in full, as the catalogue describes them: page and title;
// list kind; the variables' OIDs (P.{1,3-5} for P.1, P.3, P.4, P.5, "+" for
// another prefix) and display names ("*" for writable); then the row status
// and the adjustments.
struct TellingEntry {
    const char* Path;
    const char* Opens;
};
const TellingEntry kTellingEntries[] = {
    {"Basic Configuration / Device Management / Device Information",
     "editor \"Device Information\"; scalars; 2: 1.3.6.1.4.1.99402.11.59.7.2.1.1.{1,2}: Total Number Of Port, Number Of Port In Use"},
    {"Basic Configuration / Device Management / Device Module Information",
     "table \"Device Module Information\"; table, 1 key; 5: 1.3.6.1.4.1.99402.11.59.7.2.1.1.3.1.{1,3-6}: swDevModuleInfoUnitID, swDevModuleInfoModuleName, swDevModuleInfoReversion, swDevModuleInfoSerial, swDevModuleInfoDescription"},
    {"Basic Configuration / Device Management / Layer2 Control",
     "editor \"Device Control\"; scalars; 9: 1.3.6.1.4.1.99402.11.59.7.2.1.2.{1,2,4-8} + 1.3.6.1.4.1.99402.11.59.7.2.1.2.14.{1,2}: Spanning Tree Algorithm*, IGMP Snooping*, Clean All Statistic Counter*, VLAN ID Of FDB Table [1-4094]*, MAC Notify State*, MAC Notify History Size [1-500]*, MAC Notify Interval [1-2147483647 second(s)]*, Telnet State*, Telnet Tcp Port*; height +10×s"},
    {"Basic Configuration / Equipment Management / Unit Table",
     "table \"Unit Table\"; table, 1 key; 13: 1.3.6.1.4.1.99402.12.11.1.9.4.1.{1-6,8-14}: Id, Status, Mac Addr, Start Port, Port Range, Front Panel Led Status, Current Mode, Version, Module Name, Prom Version, Firmware Version, Hardware Version, Priority*; height 450×s"},
    {"Basic Configuration / Equipment Management / Fan Information",
     "table (derived) \"Fan Information\"; table, 2 keys; 3: 1.3.6.1.4.1.99402.12.11.1.7.1.{1-3}: Fan Unit Index, Fan ID, Fan Status; height 450×s"},
    {"Basic Configuration / Agent Management / MIB Capabilities",
     "table \"Mib Capabilities\"; table, 1 key; 4: 1.3.6.1.4.1.99402.12.1.1.2.1.{1-4}: Index, Description, Version, Type; height 450×s, width +100×s"},
    {"Basic Configuration / Agent Management / Agent Supported Update Files",
     "table \"Agent Supported Update Files\"; table, 1 key editable; 10: 1.3.6.1.4.1.99402.12.1.2.1.1.{1-10}: File Index, Description*, IP Address*, Transfer Type*, File Name*, File Type*, Load Type*, Status*, Parameter of download cfg-file*, Ctrl ID*"},
    {"Basic Configuration / IF-MIB / IfX Table",
     "table \"IfX Table\"; table, 1 key; 20: 1.3.6.1.2.1.2.2.1.1 + 1.3.6.1.2.1.31.1.1.1.{1-19}: ifIndex, Name, InMulticastPkts, InBroadcastPkts, OutMulticastPkts, OutBroadcastPkts, HCInOctets, HCInUcastPkts, HCInMulticastPkts, HCInBroadcastPkts, HCOutOctets, HCOutUcastPkts, HCOutMulticastPkts, HCOutBroadcastPkts, LinkUpDownTrapEnable*, HighSpeed, PromiscuousMode, ConnectorPresent, Alias*, ifCounterDiscontinuityTime; value controls 40 wider, height 450; see IfX Table below"},
    {"RMON / RMON Control",
     "editor \"RMON Control\"; scalars; 1: 1.3.6.1.4.1.99402.11.59.7.2.1.2.3: Rmon State*; closing re-reads the RMON state (see Interfaces)"},
    {"Bridge / Spanning Tree / STP Control",
     "editor \"Spanning Tree Control\"; scalars; 7: 1.3.6.1.4.1.99402.12.15.1.{2-8}: STP Version*, Max Age[600-4000]*, Hello Time[100-1000]*, Forward Delay[400-3000]*, Max Hops[1-20]*, Tx Hold Count[1-10]*, Forwarding BPDU*; note label (see Interfaces), height +20×s"},
    {"Bridge / Spanning Tree / Port State Information",
     "table \"MSTP Port State Information\"; table, 1 key editable; 10: 1.3.6.1.4.1.99402.12.15.2.4.1.{1-10}: MSTP Port, Administrate HelloTime*, Operate HelloTime, MSTP Port Enable*, MSTP Port External Path Cost*, MSTP Port Migration*, MSTP Port Admin Edge Port*, MSTP Port Oper Edge Port, MSTP Port Admin P2P*, MSTP Port Oper P2P; `ShowStopButton`"},
    {"VLAN / 802.1P / Priority Information / Regenerated User Priorities",
     "table \"Regenerated User Priorities\"; table, 2 keys editable; 3: 1.3.6.1.2.1.17.1.4.1.1 + 1.3.6.1.2.1.17.6.1.2.2.1.{1,2}: PortNumber, UserPriority, RegeneratedUserPriority*; `ShowStopButton`; height 450×s"},
    {"SNMP V3 / SNMP Target MIB / Target Address Table",
     "table \"Target Address Table\"; table, 1 key editable; 9: 1.3.6.1.6.3.12.1.2.1.{1-9}: snmpTargetAddrName, snmpTargetAddrTDomain*, snmpTargetAddrTAddress*, snmpTargetAddrTimeout*, snmpTargetAddrRetryCount*, snmpTargetAddrTagList*, snmpTargetAddrParams*, snmpTargetAddrStorageType*, snmpTargetAddrRowStatus*; status snmpTargetAddrRowStatus add \"createAndGo\" delete \"destroy\""},
    {"SNMP V3 / SNMP Target MIB / Target Parameters",
     "table \"Target Parameters\"; table, 1 key editable; 5: 1.3.6.1.6.3.12.1.3.1.{1,3-5,7}: snmpTargetParamsName, snmpTargetParamsSecurityModel*, snmpTargetParamsSecurityName*, snmpTargetParamsSecurityLevel*, snmpTargetParamsRowStatus*; status snmpTargetParamsRowStatus add \"createAndGo\" delete \"destroy\"; `DisableRowEdit`"},
    {"SNMP V3 / View-base Access Control Mode / Access Table",
     "table \"Access Table\"; table, 4 keys editable; 8: 1.3.6.1.6.3.16.1.2.1.3 + 1.3.6.1.6.3.16.1.4.1.{1-3,5-7,9}: Vacm Group Name, Access Context Prefix, Access Security Model, Access Security Level, Access Read View Name*, Access Write View Name*, Access Notify View Name*, Access Status*; status Access Status add \"createAndGo\" delete \"destroy\"; `DisableRowEdit`"},
    {"Security Management / Authentication Mode Setting",
     "editor \"Authentication Mode Setting\"; scalars; 2: 1.3.6.1.4.1.99402.12.3.1.{1,2}: User Authentication Protocol*, Device Authentication Mode*; control adjustments (see Interfaces)"},
    {"Security Management / TACACS+ / Server Control",
     "table \"Server Control\"; table, 3 keys editable; 4: 1.3.6.1.4.1.99402.12.5.12.1.{1-4}: Server Group Name, Server IP Address, Server Authentication Protocol, Server Row State*; status Server Row State add \"add\"; height +10×s"},
    {"Layer 2 Management / Port Management / Port Control Table",
     "table \"Port Control Table\"; table, 1 key; 7: 1.3.6.1.4.1.99402.11.59.7.2.3.2.1.{1-7}: Index, Unit Index, Admin State*, Nway State*, Flow Control State*, Lock State*, MAC Notify State*; `ShowStopButton`; value controls 100×s wider, height 450×s"},
    {"Layer 2 Management / QoS Management / Bandwidth Control Table",
     "table \"Bandwidth Control Table :\"; table, 1 key editable; 3: 1.3.6.1.4.1.99402.11.59.7.2.6.1.1.{1-3}: Port Index, Receive Rate*, Transmit Rate*"},
    {"Layer 3 Management / IP Management / IP Control Management",
     "editor \"ARP Aging Time\"; scalars; 1: 1.3.6.1.4.1.99402.11.59.7.3.2.4: swL3IpArpAgingTime*"},
    {"Layer 3 Management / IP Management / IP Static Routing Table",
     "table (derived) \"IP Static Routing Table\"; table, 3 keys; 6: 1.3.6.1.4.1.99402.11.59.7.3.2.5.1.{1-6}: Destination, Mask, Backup State*, Next Hop*, Metric*, Status*; status Status add \"valid\" delete \"invalid\""},
    {"Layer 3 Management / DNS Ctrl Table",
     "table (derived) \"DNS Ctrl Table\"; table, 2 keys; 3: 1.3.6.1.4.1.99402.11.59.7.3.3.2.6.1.{1-3}: Domain Name, IP Address, State*; status State add \"valid\" delete \"invalid\"; `HideEditButton`; height +100×s"},
    {"Layer 3 Management / VRRP (RFC2787) / VRRP Operation",
     "table \"VRRP Operations\"; table, 2 keys editable; 16: 1.3.6.1.2.1.2.2.1.1 + 1.3.6.1.2.1.68.1.3.1.{1-15}: ifIndex, VRID, Virtual MAC Address, Virtual Router State, Administrate State*, Virtual Router Priority*, IP Address Count, Master IP Address, Primary IP Address*, Authentication Type*, Authentication Key*, Advertisement Interval*, Preempt Mode*, Virtual Router UpTime, Operate Protocol*, Row Status*"},
    {"Single IP / Add Member Switch (hidden)",
     "editor \"Add Member Switch\"; one instance; 4: 1.3.6.1.4.1.99402.12.8.1.3.1.{1,8-10}: Member ID, Member Candidate Source*, Member Password*, Member Row Status*"},
    {"Port popup menu / Port Information",
     "editor \"Port Information Table\"; one instance; 5: 1.3.6.1.4.1.99402.11.59.7.2.3.1.1.{1-5}: Index, Unit Index, Port Type, Link Status, Nway Status; value controls and form 50×s wider"},
    {"Port popup menu / Port Configuration",
     "editor \"Port Configuration\"; one instance; 7: 1.3.6.1.4.1.99402.11.59.7.2.3.2.1.{1-7}: Index, Unit Index, Admin State*, Nway State*, Flow Control State*, Lock State*, MAC Notify State*; value controls and form 80×s wider"},
};

std::vector<std::string> ExpandOids(const QString& text) {
    std::vector<std::string> oids;
    for (const QString& part : text.split(" + ")) {
        const int brace = part.indexOf(".{");
        if (brace < 0) {
            oids.push_back(part.toStdString());
            continue;
        }
        const QString prefix = part.left(brace);
        for (const QString& range : part.mid(brace + 2).chopped(1).split(',')) {
            const QStringList ends = range.split('-');
            for (int n = ends.first().toInt(); n <= ends.last().toInt(); ++n)
                oids.push_back((prefix + "." + QString::number(n)).toStdString());
        }
    }
    return oids;
}

const _MenuEntry_s* MenuEntryAt(const QString& path) {
    const bool popup = path.startsWith("Port popup menu / ");
    const QString inMenu = popup ? path.mid(18) : QString(path).remove(" (hidden)");
    for (const _MenuEntry_s* m = popup ? PortPopupCatalogue : MainMenuCatalogue; m->Path; ++m)
        if (inMenu == m->Path) return m;
    return nullptr;
}

TEST(EntryTables, EntriesToldInFullMatchTheirDescription) {
    static const QRegularExpression page("^(editor|table)( \\(derived\\))? \"(.*)\"$");
    static const QRegularExpression list("^(scalars|one instance|table, (\\d+) keys?( editable)?)$");
    static const QRegularExpression status("^status (.+?) add \"([^\"]+)\"( delete \"([^\"]+)\")?$");
    static const QRegularExpression size(
        "^(height|value controls|value controls and form|width) (\\+?)(\\d+)(×s)?( wider)?$");
    for (const TellingEntry& t : kTellingEntries) {
        SCOPED_TRACE(t.Path);
        const _MenuEntry_s* m = MenuEntryAt(t.Path);
        ASSERT_NE(m, nullptr) << "not in the menus";
        EXPECT_EQ(m->Hidden, QString(t.Path).endsWith(" (hidden)"));
        const _GenericEntry_s* e = FindGenericEntry(m->Data);
        ASSERT_NE(e, nullptr);
        const QStringList parts = QString::fromUtf8(t.Opens).split("; ");
        ASSERT_GE(parts.size(), 3);

        const auto p = page.match(parts[0]);
        ASSERT_TRUE(p.hasMatch()) << parts[0].toStdString();
        const KvPageKind kind = p.captured(1) == "editor"
                                    ? (p.captured(2).isEmpty() ? KvPageKind::Editor : KvPageKind::EditorAuto)
                                    : (p.captured(2).isEmpty() ? KvPageKind::Table : KvPageKind::TableAuto);
        EXPECT_EQ(e->Page, kind);
        EXPECT_EQ(e->Title, p.captured(3).toStdString());

        const auto l = list.match(parts[1]);
        ASSERT_TRUE(l.hasMatch()) << parts[1].toStdString();
        const uint8_t listKind = parts[1] == "scalars"        ? KvSNMPVarList::kScalars
                                 : parts[1] == "one instance" ? KvSNMPVarList::kOneInstance
                                 : l.captured(3).isEmpty()    ? KvSNMPVarList::kTable
                                                              : KvSNMPVarList::kTableEditKeys;
        EXPECT_EQ(e->ListKind, listKind);
        EXPECT_EQ(e->KeyCount, l.captured(2).toInt());

        // "N: OIDs: names"
        const int first = parts[2].indexOf(": "), second = parts[2].indexOf(": ", first + 2);
        ASSERT_GT(second, first);
        const std::vector<std::string> oids = ExpandOids(parts[2].mid(first + 2, second - first - 2));
        const QStringList names = parts[2].mid(second + 2).split(", ");
        ASSERT_EQ(static_cast<int>(oids.size()), parts[2].left(first).toInt());
        ASSERT_EQ(oids.size(), static_cast<size_t>(names.size()));
        int count = 0;
        while (e->Vars[count].Oid) ++count;
        ASSERT_EQ(count, static_cast<int>(oids.size()));
        for (int i = 0; i < count; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(e->Vars[i].Oid, oids[static_cast<size_t>(i)]);
            const bool writable = names[i].endsWith('*');
            EXPECT_EQ(e->Vars[i].Name, (writable ? names[i].chopped(1) : names[i]).toStdString());
            EXPECT_EQ((e->Vars[i].Flags & vfWrite) != 0, writable);
        }

        // Status pair and adjustments.
        int statusIndex = -1, height = 0, heightAdd = 0, valueWider = 0, formWider = 0;
        uint32_t adjust = 0;
        std::string addText, deleteText;
        bool scaled = true;
        for (int k = 3; k < parts.size(); ++k)
            for (const QString& piece : parts[k].split(", ")) {
                if (const auto st = status.match(piece); st.hasMatch()) {
                    statusIndex = static_cast<int>(names.indexOf(st.captured(1) + "*"));
                    addText = st.captured(2).toStdString();
                    deleteText = st.captured(4).toStdString();
                } else if (piece == "`ShowStopButton`") {
                    adjust |= adShowStop;
                } else if (piece == "`HideEditButton`") {
                    adjust |= adHideEdit;
                } else if (piece == "`DisableRowEdit`") {
                    adjust |= adDisableRowEdit;
                } else if (const auto sz = size.match(piece); sz.hasMatch()) {
                    const int n = sz.captured(3).toInt();
                    scaled = scaled && !sz.captured(4).isEmpty();
                    if (sz.captured(1) == "height") (sz.captured(2).isEmpty() ? height : heightAdd) = n;
                    else if (sz.captured(1) == "width") formWider = n;
                    else if (sz.captured(1) == "value controls") valueWider = n;
                    else valueWider = formWider = n;
                }
            }
        EXPECT_EQ(e->StatusIndex, statusIndex);
        EXPECT_EQ(e->AddText ? e->AddText : "", addText);
        EXPECT_EQ(e->DeleteText ? e->DeleteText : "", deleteText);
        EXPECT_EQ(e->Adjust & ~uint32_t(adUnscaled), adjust);
        EXPECT_EQ((e->Adjust & adUnscaled) == 0, scaled);
        EXPECT_EQ(e->Height, height);
        EXPECT_EQ(e->HeightAdd, heightAdd);
        EXPECT_EQ(e->ValueWider, valueWider);
        EXPECT_EQ(e->FormWider, formWider);
    }
}

// The items of those entries whose kind or format differs from the automatic
// rule, as the catalogue lists them: "Title": Name "format"; Name kind N.
const char* const kItemExceptions[] = {
    "\"Device Control\": VLAN ID Of FDB Table [1-4094] \"%i{n1x4094l4}\"; MAC Notify History Size [1-500] \"%i{n1x500l3}\"; MAC Notify Interval [1-2147483647 second(s)] \"%i{n1x2147483647l10}\".",
    "\"Agent Supported Update Files\": File Type \"%i{n1x16}\".",
    "\"Spanning Tree Control\": Max Age[600-4000] \"%i{n600x4000l4}\"; Hello Time[100-1000] \"%i{n100x1000l4}\"; Forward Delay[400-3000] \"%i{n400x3000l4}\"; Max Hops[1-20] \"%i{n1x20l2}\"; Tx Hold Count[1-10] \"%i{n1x10l2}\".",
    "\"MSTP Port State Information\": Administrate HelloTime \"%i{n100x1000l4}\"; MSTP Port External Path Cost \"%i{n0x200000000l9}\".",
    "\"Regenerated User Priorities\": RegeneratedUserPriority \"%i{n0x7l1}\".",
    "\"Target Address Table\": snmpTargetAddrName kind 4.",
    "\"Target Parameters\": snmpTargetParamsName kind 4.",
    "\"Access Table\": Access Security Level kind 2.",
    "\"Bandwidth Control Table :\": Receive Rate \"%i{n1x10000}\"; Transmit Rate \"%i{n1x10000}\".",
    "\"Server Control\": Server Authentication Protocol kind 2.",
    "\"Add Member Switch\": Member ID \"%i{n1x15l2}\".",
};

TEST(EntryTables, ToldEntriesItemsFollowTheRuleExceptWhereListed) {
    std::map<std::string, std::map<std::string, std::string>> listed;  // title -> name -> "kind N" or format
    static const QRegularExpression line("^\"([^\"]+)\": (.*)\\.$");
    static const QRegularExpression item("^(.+) (kind (\\d)|\"([^\"]+)\")$");
    for (const char* text : kItemExceptions) {
        const auto m = line.match(QString::fromUtf8(text));
        ASSERT_TRUE(m.hasMatch()) << text;
        for (const QString& piece : m.captured(2).split("; ")) {
            const auto it = item.match(piece);
            ASSERT_TRUE(it.hasMatch()) << piece.toStdString();
            listed[m.captured(1).toStdString()][it.captured(1).toStdString()] =
                it.captured(3).isEmpty() ? it.captured(4).toStdString() : "kind " + it.captured(3).toStdString();
        }
    }
    int checked = 0;
    for (const TellingEntry& t : kTellingEntries) {
        const _MenuEntry_s* m = MenuEntryAt(t.Path);
        ASSERT_NE(m, nullptr) << t.Path;
        const _GenericEntry_s* e = FindGenericEntry(m->Data);
        ASSERT_NE(e, nullptr) << t.Path;
        if (e->Page != KvPageKind::Editor && e->Page != KvPageKind::Table) continue;  // automatic pages
        SCOPED_TRACE(e->Title);
        const auto exceptions = listed.count(e->Title) ? listed[e->Title] : std::map<std::string, std::string>{};
        size_t found = 0;
        for (const _UIItem_s& i : TGenericEntry::BuildItems(*e)) {
            if (!i.Variable) break;
            SCOPED_TRACE(i.Variable->Name);
            const uint32_t flags = i.Variable->Flags;
            // Read-only and key variables: kind 4, even with an option list.
            const int rule = (flags == vfRead || flags == vfKey) ? uiUncheckedEdit
                             : i.Variable->Options              ? uiCheckCombo
                                                                : uiCheckEdit;
            const auto x = exceptions.find(i.Variable->Name);
            if (x == exceptions.end()) {
                EXPECT_EQ(i.Kind, rule);
                EXPECT_TRUE(std::string(i.Format) == "%i" || std::string(i.Format) == "%s") << i.Format;
                continue;
            }
            ++found;
            if (x->second.rfind("kind ", 0) == 0) EXPECT_EQ("kind " + std::to_string(i.Kind), x->second);
            else EXPECT_EQ(i.Format, x->second);
            ++checked;
        }
        EXPECT_EQ(found, exceptions.size()) << "a listed item is not among the variables";
    }
    EXPECT_EQ(checked, 19);
}

} // namespace
