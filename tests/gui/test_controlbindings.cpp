// Control bindings without an agent: values into controls and back for every
// kind of control, partial data, the binding errors, the list view and the
// outcome lines.
#include "kvexception.h"
#include "kvmessagebox.h"
#include "kvoptionlist.h"
#include "kvradiogroupchoice.h"
#include "kvsnmpconverter.h"
#include "kvsnmprequest2edits.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

const _Option_s kStateTable[] = {{1, "enabled"}, {2, "disabled"}, {}};
const KvOptionList kStateOptions(kStateTable, KvOptionList::kIntegerValues);

enum { vAddress, vPorts, vState, vName, vCounter, vOctets, vFlag };
const _SNMPVar_s kScalars[] = {
    {"1.3.6.1.4.1.99402.99.2.1", "Address", synIpAddress, vfReadWrite},
    {"1.3.6.1.4.1.99402.99.2.2", "Ports", synBits, vfReadWrite},
    {"1.3.6.1.4.1.99402.99.2.3", "State", synInteger, vfReadWrite, &kStateOptions},
    {"1.3.6.1.4.1.99402.99.2.4", "Name", synDisplayString, vfReadWrite},
    {"1.3.6.1.4.1.99402.99.2.5", "Counter", synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.99.2.6", "Octets", synOctetString, vfReadWrite},
    {"1.3.6.1.4.1.99402.99.2.7", "Flag", synTruthValue, vfReadWrite},
    {},
};

int CodeOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const KvException& e) {
        return e.HelpContext();
    }
    return 0;
}

std::string BitList(int count) {
    std::string text;
    for (int b = 0; b < count; ++b) text += (b ? "," : "") + std::to_string(b);
    return text;
}

class Bindings : public ::testing::Test {
protected:
    void SetUp() override {
        request = std::make_unique<KvSNMPRequest2Edits>(&form);
        request->VarList.Assign(KvSNMPVarList(kScalars, KvSNMPVarList::kScalars, 0));
        KvMessageBox::SetScript([this](const KvMessageBox::Request& r) {
            boxes.push_back(r.Text.toStdString());
            return QMessageBox::Ok;
        });
    }
    void TearDown() override {
        request.reset();
        KvMessageBox::SetScript(nullptr);
    }
    std::string& Value(int i) { return request->VarList.Item(i).Value; }

    QWidget form;
    std::unique_ptr<KvSNMPRequest2Edits> request;
    std::vector<std::string> boxes;
};

TEST_F(Bindings, PortListOnCheckBoxesReadAndWrittenBack) {
    std::vector<QWidget*> boxes26;
    for (int k = 0; k < 26; ++k) boxes26.push_back(new QCheckBox(&form));
    request->BindControlList(vPorts, BitList(26), boxes26);
    auto box = [&](int k) { return static_cast<QCheckBox*>(boxes26[static_cast<size_t>(k)]); };

    Value(vPorts) = "C0800003";
    request->ValuesToControls(vPorts);
    for (int k = 0; k < 26; ++k) EXPECT_EQ(box(k)->isChecked(), k == 0 || k == 1 || k == 8) << k;

    box(0)->setChecked(false);
    box(25)->setChecked(true);
    request->ControlsToValues(vPorts);
    // Four octets; the six bits after port 26 are cleared.
    EXPECT_EQ(Value(vPorts), "40800040");

    Value(vPorts) = "C0";  // too short for box 9 and on
    EXPECT_EQ(CodeOf([&] { request->ValuesToControls(vPorts); }), -519);
    // Fewer check boxes than bits.
    EXPECT_EQ(CodeOf([&] { request->BindBits(vPorts, "0,1,2", box(0), box(1)); }), -522);
}

TEST_F(Bindings, IpAddressOnFourEdits) {
    QLineEdit a(&form), b(&form), c(&form), d(&form);
    request->BindFormat(vAddress, "%i{n0x255l3}%i{n0x255l3}%i{n0x255l3}%i{n0x255l3}", &a, &b, &c, &d);
    ASSERT_NE(request->EditConstraint->Find(&d), nullptr);
    EXPECT_EQ(d.maxLength(), 3);

    Value(vAddress) = "10.90.90.90";
    request->ValuesToControls(-1);
    EXPECT_EQ(a.text() + "|" + b.text() + "|" + c.text() + "|" + d.text(), "10|90|90|90");
    Value(vAddress) = "(NULL)";
    request->ValuesToControls(-1);
    EXPECT_EQ(a.text() + "|" + b.text() + "|" + c.text() + "|" + d.text(), "10|90|90|90");

    d.setText("7");
    request->ControlsToValues(vAddress);
    EXPECT_EQ(Value(vAddress), "10.90.90.7");

    // One control per specifier.
    EXPECT_EQ(CodeOf([&] { request->BindFormat(vAddress, "%i%i%i%i", &a, &b, &c); }), -522);
}

TEST_F(Bindings, EmptiedOctetStringIsTheEmptyStringNotNull) {
    QLineEdit edit(&form);
    request->AddBinding(vOctets, 0, synOctetString, nullptr, &edit);
    struct Case {
        const char* entered;
        const char* value;
    } cases[] = {{"", ""}, {"0A0B", "0A0B"}, {"(NULL)", "(NULL)"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entered);
        Value(vOctets) = "FFFF";
        edit.setText(c.entered);
        request->ControlsToValues(vOctets);
        EXPECT_EQ(Value(vOctets), c.value);
    }
    KvVarbind vb;
    TextToVarbind(request->VarList, vOctets, vb);
    EXPECT_EQ(vb.Type, kvSmiNull) << "an absent value still asks for NULL";
    edit.clear();
    request->ControlsToValues(vOctets);
    TextToVarbind(request->VarList, vOctets, vb);
    EXPECT_EQ(vb.Type, kvSmiOctetString);
    EXPECT_TRUE(vb.Octets.empty());
}

TEST_F(Bindings, PartialDataChangesItsOwnOctetsOnly) {
    QLineEdit edit(&form);
    request->AddBinding(vOctets, 2, synPartInt2, nullptr, &edit);

    Value(vOctets) = "00010000";
    edit.setText("4660");
    request->ControlsToValues(vOctets);
    EXPECT_EQ(Value(vOctets), "00011234");
    // Collecting starts from the empty value.
    Value(vOctets) = "00010000";
    request->CollectValues();
    EXPECT_EQ(Value(vOctets), "00001234");

    Value(vOctets) = "00015678";
    request->ValuesToControls(vOctets);
    EXPECT_EQ(edit.text(), "22136");
    Value(vOctets) = "000156";
    EXPECT_EQ(CodeOf([&] { request->ValuesToControls(vOctets); }), -519);
}

TEST_F(Bindings, WholeValueBindingsReplaceTheValue) {
    QLineEdit hex(&form), name(&form);
    request->BindFormat(vOctets, "%h", &hex);
    request->BindControl(vName, &name);
    Value(vOctets) = "AABBCCDD";
    Value(vName) = "hello world";
    hex.setText("11");
    name.setText("hi");
    request->ControlsToValues(-1);
    EXPECT_EQ(Value(vOctets), "11");
    EXPECT_EQ(Value(vName), "hi");
}

TEST_F(Bindings, ChoiceControlsFollowTheOptionList) {
    QComboBox combo(&form);
    combo.setEditable(true);
    QGroupBox radio(&form);
    QCheckBox stateBox(&form), flag(&form);
    QLabel label(&form);
    request->BindComboBox(vState, &combo);
    request->BindControl(vState, &radio);
    request->BindControl(vState, &stateBox);
    request->BindControl(vFlag, &flag);
    request->BindControl(vName, &label);
    EXPECT_FALSE(combo.isEditable());
    ASSERT_EQ(combo.count(), 2);
    EXPECT_EQ(KvRadioGroupChoice::ButtonsOf(&radio)->buttons().size(), 2);

    Value(vState) = "disabled";
    Value(vFlag) = "true";
    Value(vName) = "core-1";
    request->ValuesToControls(-1);
    EXPECT_EQ(combo.currentIndex(), 1);
    EXPECT_EQ(KvRadioGroupChoice(&radio).SelectedIndex(), 1);
    EXPECT_TRUE(stateBox.isChecked());  // option 1 or more
    EXPECT_TRUE(flag.isChecked());
    EXPECT_EQ(label.text(), "core-1");
    Value(vState) = "1";  // a value finds its option too
    request->ValuesToControls(vState);
    EXPECT_EQ(combo.currentIndex(), 0);
    EXPECT_FALSE(stateBox.isChecked());

    // Back: the bindings of one variable are applied in order, the last one wins.
    combo.setCurrentIndex(1);
    KvRadioGroupChoice(&radio).SetSelectedIndex(1);
    stateBox.setChecked(false);
    flag.setChecked(false);
    request->ControlsToValues(-1);
    EXPECT_EQ(Value(vState), "enabled");
    EXPECT_EQ(Value(vFlag), "false");
    stateBox.setChecked(true);
    request->ControlsToValues(vState);
    EXPECT_EQ(Value(vState), "disabled");
}

TEST_F(Bindings, BindingErrors) {
    QComboBox combo(&form);
    QGroupBox radio(&form);
    QCheckBox box(&form);
    QPlainTextEdit memo(&form);
    try {
        request->BindComboBox(vCounter, &combo);
        ADD_FAILURE() << "no error";
    } catch (const KvException& e) {
        EXPECT_EQ(e.HelpContext(), -520);
        EXPECT_EQ(e.Message(),
                  "(DeRIRA++) No reference option list for a SNMP variable's (partial) data associating with a "
                  "optional visual control!");
    }
    EXPECT_EQ(CodeOf([&] { request->BindControl(vCounter, &radio); }), -520);
    EXPECT_TRUE(request->Bindings.empty());

    const _Option_s prefixes[] = {{"1.3.6.1.6.3.10.1.1", "usm"}, {}};
    const KvOptionList prefixOptions(prefixes, kOptionListPrefixKind);
    EXPECT_EQ(CodeOf([&] { request->AddBinding(vName, 0, synDisplayString, &prefixOptions, &combo); }), -522);

    request->BindControl(vCounter, &box);
    Value(vCounter) = "1";
    try {
        request->ValuesToControls(vCounter);
        ADD_FAILURE() << "no error";
    } catch (const KvException& e) {
        EXPECT_EQ(e.HelpContext(), -517);
        EXPECT_EQ(e.Message(), "(DeRIRA++) Bad syntax of the associated SNMP variable's (partial) data!");
    }
    EXPECT_EQ(CodeOf([&] { request->ControlsToValues(vCounter); }), -517);

    request->BindControl(vName, &memo);
    EXPECT_EQ(CodeOf([&] { request->ValuesToControls(vName); }), -521);
}

TEST_F(Bindings, ARefusedEntryFallsBackToTheValueShown) {
    QLineEdit ttl(&form);
    request->BindFormat(vCounter, "%i{n1x255l3}", &ttl);
    Value(vCounter) = "100";
    request->ValuesToControls(vCounter);
    ttl.setText("300");
    EXPECT_FALSE(request->EditConstraint->CheckOnExit(&ttl));
    EXPECT_EQ(boxes, std::vector<std::string>{"(KvCommon) Please enter a number between 1 and 255!"});
    EXPECT_EQ(ttl.text(), "100");
}

TEST_F(Bindings, FailuresBeforeSendingLeaveTheRequestIdle) {
    request->Address = "";  // no target can be built: -509 before anything is sent
    for (uint8_t mode : {KvSNMPRequest2Controls::kSynchronous, KvSNMPRequest2Controls::kAsynchronous}) {
        SCOPED_TRACE(static_cast<int>(mode));
        request->Mode = mode;
        EXPECT_EQ(CodeOf([&] { request->Get(); }), -509);
        EXPECT_FALSE(request->Busy);
        EXPECT_EQ(CodeOf([&] { request->Set(false, false); }), -509);
        EXPECT_FALSE(request->Busy);
    }
}

TEST_F(Bindings, OutcomeLinesGoToTheMessageTarget) {
    const QRegularExpression time(" Receive at \\d\\d:\\d\\d:\\d\\d (AM|PM)\\.$");
    QStatusBar bar(&form);
    request->AttachMessageTarget(&bar);
    request->ShowStatus("(DeRIRA++) Ok!");
    const QString line = bar.currentMessage();
    EXPECT_TRUE(line.startsWith("Get: (DeRIRA++) Ok!. Receive at ")) << line.toStdString();
    EXPECT_TRUE(time.match(line).hasMatch()) << line.toStdString();

    QPlainTextEdit memo(&form);
    request->AttachMessageTarget(&memo);
    request->VarList.Label = " Port Settings";
    request->LastOperation = KvSNMPRequest2Controls::kLastSet;
    request->ShowStatus("first");
    KvSNMPError error;
    error.Code = -405;
    error.Message = "(SNMPClass) SNMP request timed out!";
    request->OnSetError(error);
    const QStringList lines = memo.toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith("Set: first Request: Port Settings. Receive at "));
    EXPECT_TRUE(lines[1].startsWith("Set: (SNMPClass) SNMP request timed out! Request: Port Settings."));
    EXPECT_TRUE(time.match(lines[1]).hasMatch());

    QLabel panel(&form);
    request->AttachMessageTarget(&panel);
    request->OnGetError(error);
    EXPECT_TRUE(panel.text().startsWith("Get: (SNMPClass) SNMP request timed out! Request: Port Settings."));
    EXPECT_TRUE(boxes.empty());

    // Without a target errors are message boxes and outcome lines go nowhere.
    request->AttachMessageTarget(static_cast<QLabel*>(nullptr));
    request->ShowStatus("(DeRIRA++) Ok!");
    request->OnGetError(error);
    EXPECT_EQ(boxes, std::vector<std::string>{"(SNMPClass) SNMP request timed out!"});
}

// --- The list view -------------------------------------------------------------------

enum { tVid, tName, tPorts, tStatus };
const _SNMPVar_s kTable[] = {
    {"1.3.6.1.4.1.99402.99.3.1.1", "VID", synInteger, vfReadOnly | vfKey},
    {"1.3.6.1.4.1.99402.99.3.1.2", "Name", synDisplayString, vfReadWrite},
    {"1.3.6.1.4.1.99402.99.3.1.3", "Ports", synBits, vfReadWrite},
    {"1.3.6.1.4.1.99402.99.3.1.4", "Status", synInteger, vfWrite},  // write-only: hidden column
    {},
};

class ListViewBindings : public Bindings {
protected:
    void SetUp() override {
        Bindings::SetUp();
        request->VarList.Assign(KvSNMPVarList(kTable, KvSNMPVarList::kTable, 1));
    }
    // What a walk delivers, without an agent.
    void Deliver(const std::vector<std::vector<std::string>>& rows) {
        request->BeforeGet();
        for (const auto& row : rows) {
            for (size_t i = 0; i < row.size(); ++i) Value(static_cast<int>(i)) = row[i];
            request->RowReceived();
        }
        request->AfterGet();
    }
};

TEST_F(ListViewBindings, RowsFillTheListAndSelectionFillsTheControls) {
    QTreeWidget list(&form);
    QLineEdit name(&form);
    QCheckBox p1(&form), p2(&form);
    std::vector<std::pair<QTreeWidgetItem*, bool>> selections;
    request->SavedSelectHandler = [&](QTreeWidget* lv, QTreeWidgetItem* item, bool selected) {
        EXPECT_EQ(lv, &list);
        selections.emplace_back(item, selected);
    };
    request->AttachListView(&list, true);
    request->BindFormat(tName, "%s{l32}", &name);
    request->BindBits(tPorts, "0,1", &p1, &p2);

    ASSERT_EQ(list.columnCount(), 4);
    EXPECT_TRUE(list.isColumnHidden(0));
    EXPECT_EQ(list.headerItem()->text(0), "Status");
    EXPECT_EQ(list.headerItem()->text(1), "VID");
    EXPECT_EQ(list.headerItem()->text(3), "Ports");
    EXPECT_EQ(list.editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(list.selectionBehavior(), QAbstractItemView::SelectRows);

    Deliver({{"1", "default", "C0", "1"}, {"10", "servers", "40", "1"}, {"20", "office", "80", "1"}});
    ASSERT_EQ(list.topLevelItemCount(), 3);
    EXPECT_EQ(list.topLevelItem(1)->text(2), "servers");
    EXPECT_FALSE(name.isEnabled());
    EXPECT_FALSE(p1.isEnabled());

    list.topLevelItem(1)->setSelected(true);
    ASSERT_EQ(selections.size(), 1u);
    EXPECT_EQ(selections[0], std::make_pair(list.topLevelItem(1), true));
    EXPECT_TRUE(name.isEnabled());
    EXPECT_EQ(name.text(), "servers");
    EXPECT_FALSE(p1.isChecked());
    EXPECT_TRUE(p2.isChecked());

    // A collecting Set takes the selected row and the controls.
    name.setText("web");
    p1.setChecked(true);
    request->CollectValues();
    EXPECT_EQ(Value(tVid), "10");
    EXPECT_EQ(Value(tName), "web");
    EXPECT_EQ(Value(tPorts), "C0");
    EXPECT_EQ(Value(tStatus), "1");

    list.clearSelection();
    ASSERT_EQ(selections.size(), 2u);
    EXPECT_EQ(selections[1], std::make_pair(static_cast<QTreeWidgetItem*>(nullptr), false));

    // The next read keeps the columns and starts the list anew.
    list.setColumnWidth(1, 99);
    Deliver({{"30", "lab", "00", "1"}});
    EXPECT_EQ(list.topLevelItemCount(), 1);
    EXPECT_EQ(list.columnWidth(1), 99);
}

TEST_F(ListViewBindings, EditableKeyTablesAndNoAutoSelectLeaveTheControlsAlone) {
    QTreeWidget list(&form);
    QLineEdit name(&form);
    request->VarList.Assign(KvSNMPVarList(kTable, KvSNMPVarList::kTableEditKeys, 1));
    request->AttachListView(&list, true);
    request->BindControl(tName, &name);
    Deliver({{"1", "default", "C0", "1"}});
    EXPECT_TRUE(name.isEnabled());

    request->VarList.Assign(KvSNMPVarList(kTable, KvSNMPVarList::kTable, 1));
    request->AttachListView(&list, false);
    Deliver({{"1", "default", "C0", "1"}});
    EXPECT_TRUE(name.isEnabled());
    list.topLevelItem(0)->setSelected(true);
    EXPECT_EQ(name.text(), "default");
}

TEST_F(ListViewBindings, ErrorsOfASelectionAreReportedNotThrown) {
    QTreeWidget list(&form);
    QStatusBar bar(&form);
    std::vector<QWidget*> boxes9;
    for (int k = 0; k < 9; ++k) boxes9.push_back(new QCheckBox(&form));
    request->AttachListView(&list, true);
    request->AttachMessageTarget(&bar);
    request->BindControlList(tPorts, BitList(9), boxes9);
    Deliver({{"1", "default", "C0", "1"}});  // one octet, nine bits bound
    list.topLevelItem(0)->setSelected(true);
    EXPECT_TRUE(bar.currentMessage().startsWith(
        "Get: (DeRIRA++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!"))
        << bar.currentMessage().toStdString();
}

} // namespace
