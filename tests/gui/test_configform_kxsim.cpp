// Configuration forms against the simulator, driven through their widgets:
// an editor page that reads, writes and reads back; a table page whose rows
// are added, edited and deleted through the row dialogs; errors of the agent
// in the message panel; closing during a walk.
#include "formtools.h"
#include "kvmessagebox.h"
#include "kvoptionlist.h"
#include "kvsnmprequest2edits.h"
#include "kvsnmpsession.h"
#include "kxsimagent.h"
#include "tconfigform.h"
#include "tctrlbtnpanel.h"
#include "tlayoutadapter.h"
#include "tmsgpanel.h"
#include "tpanellistviewcontainer.h"
#include "tsnmpeditorpanel.h"
#include "tsnmplistviewpanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

using formtest::ModalProbe;
using formtest::WaitFor;

const QString kObjects = QString(KX_SOURCE_DIR) + "/tests/gui/data/form-objects.txt";

const _Option_s kStateTable[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {}};
const KvOptionList kStates(kStateTable, KvOptionList::kIntegerValues);
const _Option_s kRowStatusTable[] = {{1, "active"},      {2, "notInService"},  {3, "notReady"},
                                     {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"}, {}};
const KvOptionList kRowStatus(kRowStatusTable, KvOptionList::kIntegerValues);

enum { eDescr, eLevel, eState };
const _SNMPVar_s kEditorVars[] = {
    {"1.3.6.1.4.1.99402.98.1.1", "Description", synDisplayString, vfReadWrite},
    {"1.3.6.1.4.1.99402.98.1.2", "Level", synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.98.1.3", "State", synInteger, vfReadWrite, &kStates},
    {},
};
_UIItem_s gEditorItems[4];

enum { tUnit, tSlot, tName, tPrio, tStatus };
const std::string kEntry = "1.3.6.1.4.1.99402.98.2.1";
const _SNMPVar_s kTableVars[] = {
    {"1.3.6.1.4.1.99402.98.2.1.1", "Unit", synInteger, vfIndex},
    {"1.3.6.1.4.1.99402.98.2.1.2", "Slot", synInteger, vfIndex},
    {"1.3.6.1.4.1.99402.98.2.1.3", "Name", synDisplayString, vfReadWrite},
    {"1.3.6.1.4.1.99402.98.2.1.4", "Priority", synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.98.2.1.5", "Status", synInteger, vfReadWrite, &kRowStatus},
    {},
};
_UIItem_s gTableItems[6];

QString Text(QWidget* control) {
    if (auto* e = qobject_cast<QLineEdit*>(control)) return e->text();
    if (auto* c = qobject_cast<QComboBox*>(control)) return c->currentText();
    return {};
}

// Replaces an edit's text as a user does: select everything, type.
void Retype(QWidget* control, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(control);
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Picks a combo box entry with the keyboard (Home, then Down until it shows).
void Choose(QWidget* control, const QString& text) {
    auto* combo = qobject_cast<QComboBox*>(control);
    ASSERT_NE(combo, nullptr);
    const int target = combo->findText(text);
    ASSERT_GE(target, 0) << text.toStdString();
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < target; ++i) QTest::keyClick(combo, Qt::Key_Down);
    ASSERT_EQ(combo->currentText(), text);
}

class ConfigFormKxsim : public kxtest::SessionSuite {
protected:
    void SetUp() override {
        KvMessageBox::SetScript([this](const KvMessageBox::Request& r) {
            boxes.push_back(r.Text.toStdString());
            return QMessageBox::Ok;
        });
        const _UIItem_s editor[] = {{uiCheckEdit, "%s", &kEditorVars[0]},
                                    {uiCheckEdit, "%i", &kEditorVars[1]},
                                    {uiCheckCombo, "%s", &kEditorVars[2]},
                                    {}};
        std::copy(std::begin(editor), std::end(editor), gEditorItems);
        const _UIItem_s table[] = {{uiUncheckedEdit, "%i", &kTableVars[0]}, {uiUncheckedEdit, "%i", &kTableVars[1]},
                                   {uiCheckEdit, "%s", &kTableVars[2]},     {uiCheckEdit, "%i{n0x240}", &kTableVars[3]},
                                   {uiCheckCombo, "%s", &kTableVars[4]},    {}};
        std::copy(std::begin(table), std::end(table), gTableItems);
    }
    void TearDown() override {
        form.reset();
        GlobalSession->SetSendObserver(nullptr);
        KvMessageBox::SetScript(nullptr);
        SetSessionDefaults();
    }

    void Use(const kxtest::KxsimAgent& sim) {
        ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
        kxtest::UseSimulator(sim);
        GlobalSession->SetSendObserver([this](const KvSnmpTarget&, const KvSnmpPdu& pdu) { sent.push_back(pdu); });
    }

    // The form as a menu entry opens it, shown without its modal loop.
    void OpenEditor() {
        form = std::make_unique<TConfigForm>();
        request = new KvSNMPRequest2Edits(form.get());
        request->VarList.Assign(KvSNMPVarList(kEditorVars, KvSNMPVarList::kScalars, 0));
        request->Timeout = 50;
        request->Retries = 0;
        form->SetupEditor(request, gEditorItems);
        form->SetTitle("Editor");
        adapter = form->EditorPanel->Adapter();
        buttons = form->EditorPanel->Buttons;
        form->show();
    }
    void OpenTable() {
        form = std::make_unique<TConfigForm>();
        request = new KvSNMPRequest2Edits(form.get());
        request->VarList.Assign(KvSNMPVarList(kTableVars, KvSNMPVarList::kTable, 2));
        request->Timeout = 50;
        request->Retries = 0;
        form->SetupTable(request, gTableItems, tStatus, "createAndGo", tStatus, "destroy");
        form->SetTitle("Table");
        adapter = form->TablePanel->Adapter();
        buttons = form->TablePanel->Buttons;
        list = form->TablePanel->ListView;
        form->show();
    }
    bool Idle() { return adapter->GetDone && adapter->SetDone && !request->Busy; }
    QString Memo() const { return form->Page()->MsgPanel->Memo->toPlainText(); }
    QString LastLine() const { return Memo().split('\n').last(); }

    // Rows as "unit.slot:name:priority:status".
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (int r = 0; r < list->topLevelItemCount(); ++r) {
            const QTreeWidgetItem* i = list->topLevelItem(r);
            rows.push_back(QString("%1.%2:%3:%4:%5")
                               .arg(i->text(0), i->text(1), i->text(2), i->text(3), i->text(4))
                               .toStdString());
        }
        return rows;
    }
    QTreeWidgetItem* Row(const QString& unit, const QString& slot) const {
        for (int r = 0; r < list->topLevelItemCount(); ++r)
            if (list->topLevelItem(r)->text(0) == unit && list->topLevelItem(r)->text(1) == slot)
                return list->topLevelItem(r);
        return nullptr;
    }
    void ClickRow(QTreeWidgetItem* row) {
        ASSERT_NE(row, nullptr);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(row).center());
    }
    // The switch's current value of a scalar, read on its own.
    static std::string Read(int index) {
        KvSNMPRequest r;
        r.VarList.Assign(KvSNMPVarList(kEditorVars, KvSNMPVarList::kScalars, 0));
        r.GetRow(true);
        return r.VarList.Item(index).Value;
    }
    static TCtrlBtnPanel* DialogButtons(QDialog* dialog) { return dialog->findChild<TSNMPPanel*>()->Buttons; }

    std::unique_ptr<TConfigForm> form;
    KvSNMPRequest2Edits* request = nullptr;
    TSNMPLayoutAdapter* adapter = nullptr;
    TCtrlBtnPanel* buttons = nullptr;
    QTreeWidget* list = nullptr;
    std::vector<std::string> boxes;
    std::vector<KvSnmpPdu> sent;
};

TEST_F(ConfigFormKxsim, EditorReadsOnActivationWritesTheTickedItemsAndReadsBack) {
    kxtest::KxsimAgent sim({"--objects", kObjects});
    Use(sim);
    OpenEditor();
    ASSERT_EQ(sent.size(), 1u) << "the first activation reads";
    EXPECT_EQ(sent[0].Type, KvPduType::Get);
    EXPECT_EQ(sent[0].Varbinds.size(), 3u);
    QTest::mouseClick(buttons->RefreshButton, Qt::LeftButton);
    EXPECT_EQ(boxes, std::vector<std::string>{"Get data not complete"});
    ASSERT_TRUE(WaitFor([&] { return Idle(); }));
    EXPECT_EQ(Text(gEditorItems[eDescr].Control), "core switch");
    EXPECT_EQ(Text(gEditorItems[eLevel].Control), "10");
    EXPECT_EQ(Text(gEditorItems[eState].Control), "enabled");
    EXPECT_TRUE(LastLine().startsWith("Get: (DeRIRA++) Ok!")) << LastLine().toStdString();
    form->FormActivate();
    QApplication::processEvents();
    EXPECT_EQ(sent.size(), 1u) << "a later activation does not read again";

    // Change all three and write them.
    Retype(gEditorItems[eDescr].Control, "lab switch");
    Retype(gEditorItems[eLevel].Control, "42");
    Choose(gEditorItems[eState].Control, "disabled");
    sent.clear();
    QTest::mouseClick(buttons->SetButton, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return Idle(); }));
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].Type, KvPduType::Set);
    EXPECT_EQ(sent[0].Varbinds.size(), 3u);
    EXPECT_EQ(sent[1].Type, KvPduType::Get) << "the write is read back once it has finished";
    EXPECT_EQ(Read(eDescr), "lab switch");
    EXPECT_EQ(Read(eLevel), "42");
    EXPECT_EQ(Read(eState), "disabled");
    EXPECT_EQ(Text(gEditorItems[eLevel].Control), "42");
    EXPECT_TRUE(Memo().contains("Set: (DeRIRA++) Ok!"));

    // An unticked item is left out; the page then shows what the switch holds.
    QTest::mouseClick(gEditorItems[eLevel].CheckBox, Qt::LeftButton);
    ASSERT_FALSE(gEditorItems[eLevel].CheckBox->isChecked());
    Retype(gEditorItems[eLevel].Control, "99");
    Retype(gEditorItems[eDescr].Control, "third");
    sent.clear();
    QTest::mouseClick(buttons->SetButton, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return Idle(); }));
    ASSERT_GE(sent.size(), 1u);
    ASSERT_EQ(sent[0].Varbinds.size(), 2u);
    EXPECT_EQ(sent[0].Varbinds[0].Oid, std::string(kEditorVars[eDescr].Oid) + ".0");
    EXPECT_EQ(sent[0].Varbinds[1].Oid, std::string(kEditorVars[eState].Oid) + ".0");
    EXPECT_EQ(Read(eDescr), "third");
    EXPECT_EQ(Read(eLevel), "42");
    EXPECT_EQ(Text(gEditorItems[eLevel].Control), "42");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(request->VarList.Item(i).Flags, uint32_t(vfReadWrite)) << i;

    // A write the switch refuses: an error line, the flags back, the page usable.
    QTest::mouseClick(gEditorItems[eLevel].CheckBox, Qt::LeftButton);
    QTest::mouseClick(gEditorItems[eDescr].CheckBox, Qt::LeftButton);
    Retype(gEditorItems[eLevel].Control, "300");
    QTest::mouseClick(buttons->SetButton, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return Idle(); }));
    EXPECT_TRUE(Memo().contains(QRegularExpression("Set: .*[Vv]alue"))) << Memo().toStdString();
    EXPECT_EQ(Read(eLevel), "42");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(request->VarList.Item(i).Flags, uint32_t(vfReadWrite)) << i;
    EXPECT_EQ(boxes.size(), 1u) << "errors of the switch are no message boxes";

    // Set twice in a row: the second press finds the first write running.
    Retype(gEditorItems[eLevel].Control, "7");
    QTest::mouseClick(buttons->SetButton, Qt::LeftButton);
    QTest::mouseClick(buttons->SetButton, Qt::LeftButton);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1], "Modify data not complete");
    ASSERT_TRUE(WaitFor([&] { return Idle(); }));
    EXPECT_EQ(Read(eLevel), "7");
}

TEST_F(ConfigFormKxsim, StoppedAgentShowsInTheMessagePanelAndTheFormStaysUsable) {
    kxtest::KxsimAgent sim({"--objects", kObjects});
    Use(sim);
    OpenEditor();
    ASSERT_TRUE(WaitFor([&] { return Idle(); }));
    ASSERT_TRUE(sim.Stop());
    QTest::mouseClick(buttons->RefreshButton, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return Idle(); }));
    EXPECT_TRUE(LastLine().startsWith("Get: ")) << LastLine().toStdString();
    EXPECT_FALSE(LastLine().contains("Ok!")) << LastLine().toStdString();
    EXPECT_EQ(Text(gEditorItems[eDescr].Control), "core switch") << "the controls keep the last values";
    QTest::mouseClick(buttons->SetButton, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return Idle(); }));
    EXPECT_TRUE(Memo().contains("Set: ")) << Memo().toStdString();
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(ConfigFormKxsim, TableRowsAreAddedEditedAndDeletedThroughTheDialogs) {
    kxtest::KxsimAgent sim({"--objects", kObjects});
    Use(sim);
    OpenTable();
    ASSERT_TRUE(WaitFor([&] { return Idle(); }));
    EXPECT_EQ(Rows(), (std::vector<std::string>{"1.1:uplink:5:active", "1.12:server:7:active",
                                                "11.2:printer:9:active"}));
    EXPECT_EQ(buttons->RowCount->text(), "3");
    EXPECT_EQ(TPanelListViewContainer::RowHint(list, list->topLevelItem(0)),
              "Unit\t\t\t\t  1\nSlot\t\t\t\t  1\nName\t\t\t\t  uplink\nPriority  5\nStatus\t\t  active\n");
    EXPECT_EQ(gTableItems[tPrio].Label->text(), "Priority[0..240]");

    // Add: the status is preset; Set creates the row, which the reload selects.
    bool created = false;
    QString presetStatus;
    ModalProbe add([&](QDialog* dialog) {
        presetStatus = Text(gTableItems[tStatus].Control);
        Retype(gTableItems[tUnit].Control, "3");
        Retype(gTableItems[tSlot].Control, "4");
        Retype(gTableItems[tName].Control, "camera");
        Retype(gTableItems[tPrio].Control, "12");
        QTest::mouseClick(DialogButtons(dialog)->SetButton, Qt::LeftButton);
        created = WaitFor([&] { return Idle() && list->topLevelItemCount() == 4; });
        EXPECT_TRUE(dialog->isVisible()) << "the add dialog stays open";
        QTest::mouseClick(DialogButtons(dialog)->CloseButton, Qt::LeftButton);
    });
    QTest::mouseClick(buttons->AddButton, Qt::LeftButton);
    ASSERT_TRUE(add.Opened());
    EXPECT_EQ(presetStatus, "createAndGo");
    ASSERT_TRUE(created) << Memo().toStdString();
    EXPECT_EQ(Rows()[2], "3.4:camera:12:active");
    EXPECT_EQ(list->currentItem(), Row("3", "4")) << "the new row is selected after the reload";
    EXPECT_FALSE(buttons->DeleteButton->isEnabled()) << "disabled by the add dialog until a row is clicked";

    // Edit row 11.2 (its keys joined read "112", as do those of row 1.12).
    ClickRow(Row("11", "2"));
    EXPECT_TRUE(buttons->EditButton->isEnabled());
    bool keysLocked = false, reselected = false;
    ModalProbe edit([&](QDialog* dialog) {
        keysLocked = !gTableItems[tUnit].Control->isEnabled() && !gTableItems[tSlot].Control->isEnabled();
        EXPECT_EQ(Text(gTableItems[tName].Control), "printer");
        Retype(gTableItems[tName].Control, "plotter");
        QTest::mouseClick(DialogButtons(dialog)->SetButton, Qt::LeftButton);
        reselected = WaitFor([&] { return Idle() && Row("11", "2") && Row("11", "2")->text(2) == "plotter"; });
        EXPECT_EQ(list->currentItem(), Row("11", "2"));
        EXPECT_EQ(Text(gTableItems[tName].Control), "plotter");
        EXPECT_EQ(Text(gTableItems[tUnit].Control), "11");
        EXPECT_FALSE(gTableItems[tUnit].Control->isEnabled()) << "the keys stay fixed after the reload";
        EXPECT_TRUE(dialog->findChild<TMsgPanel*>()->Memo->toPlainText().contains("Set: (DeRIRA++) Ok!"));
    });
    QTest::mouseClick(buttons->EditButton, Qt::LeftButton);
    ASSERT_TRUE(edit.Opened());
    EXPECT_TRUE(keysLocked);
    EXPECT_TRUE(reselected) << Memo().toStdString();
    EXPECT_EQ(Row("1", "12")->text(2), "server");
    EXPECT_TRUE(LastLine().contains("Ok!")) << "the page's memo is the target again";

    // Delete the selected row: no question asked.
    ClickRow(Row("3", "4"));
    sent.clear();
    QTest::mouseClick(buttons->DeleteButton, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return Idle() && list->topLevelItemCount() == 3; }));
    ASSERT_GE(sent.size(), 1u);
    ASSERT_EQ(sent[0].Varbinds.size(), 1u) << "only the status is written";
    EXPECT_EQ(sent[0].Varbinds[0].Oid, kEntry + ".5.3.4");
    EXPECT_EQ(Row("3", "4"), nullptr);
    EXPECT_TRUE(boxes.empty());

    // Status set to the delete value in the edit dialog: written, reloaded, closed.
    ClickRow(Row("1", "1"));
    bool closedByItself = false;
    ModalProbe destroy([&](QDialog* dialog) {
        Choose(gTableItems[tStatus].Control, "destroy");
        QTest::mouseClick(DialogButtons(dialog)->SetButton, Qt::LeftButton);
        closedByItself = WaitFor([&] { return !dialog->isVisible(); });
    });
    QTest::mouseClick(buttons->EditButton, Qt::LeftButton);
    ASSERT_TRUE(destroy.Opened());
    EXPECT_TRUE(closedByItself);
    ASSERT_TRUE(WaitFor([&] { return Idle() && list->topLevelItemCount() == 2; }));
    EXPECT_EQ(Row("1", "1"), nullptr);
    EXPECT_TRUE(list->selectedItems().isEmpty()) << "the row is gone: nothing is selected";
    EXPECT_EQ(Rows(), (std::vector<std::string>{"1.12:server:7:active", "11.2:plotter:9:active"}));
}

TEST_F(ConfigFormKxsim, WrongTypeColumnGoesToTheMessagePanel) {
    const _SNMPVar_s hostVars[] = {
        {"1.3.6.1.4.1.99402.98.3.1.1", "Host", synInteger, vfIndex},
        {"1.3.6.1.4.1.99402.98.3.1.2", "Address", synIpAddress, vfReadWrite},
        {},
    };
    for (bool wrong : {false, true}) {
        SCOPED_TRACE(wrong ? "wrong type" : "sound");
        QStringList args{"--objects", kObjects};
        if (wrong) args << "--wrong-type" << "1.3.6.1.4.1.99402.98.3.1.2";
        kxtest::KxsimAgent sim(args);
        Use(sim);
        form = std::make_unique<TConfigForm>();
        request = new KvSNMPRequest2Edits(form.get());
        request->VarList.Assign(KvSNMPVarList(hostVars, KvSNMPVarList::kTable, 1));
        form->SetupTableAuto(request, -1, nullptr, -1, nullptr);
        adapter = form->TablePanel->Adapter();
        buttons = form->TablePanel->Buttons;
        list = form->TablePanel->ListView;
        form->show();
        ASSERT_TRUE(WaitFor([&] { return Idle(); }));
        EXPECT_TRUE(LastLine().startsWith("Get: ")) << LastLine().toStdString();
        EXPECT_EQ(LastLine().contains("Ok!"), !wrong) << LastLine().toStdString();
        EXPECT_EQ(list->topLevelItemCount(), wrong ? 0 : 2);
        if (!wrong) {
            EXPECT_EQ(list->topLevelItem(1)->text(1), "10.90.90.91");
        }
        EXPECT_TRUE(boxes.empty());
        QTest::mouseClick(buttons->RefreshButton, Qt::LeftButton);
        EXPECT_TRUE(boxes.empty()) << "Refresh is accepted again";
        ASSERT_TRUE(WaitFor([&] { return Idle(); }));
        EXPECT_TRUE(form->isVisible());
        form.reset();
    }
}

TEST_F(ConfigFormKxsim, ClosingDuringAWalkStopsItAndWaitsForTheReply) {
    kxtest::KxsimAgent sim({"--objects", kObjects, "--delay-ms", "150"});
    Use(sim);
    OpenTable();
    ASSERT_TRUE(WaitFor([&] { return list->topLevelItemCount() >= 1; }));
    ASSERT_TRUE(request->Busy);
    const size_t sentBefore = sent.size();
    QTest::mouseClick(buttons->CloseButton, Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->Requests.empty()) << "the request is deleted";
    EXPECT_EQ(form->ActiveRequest, nullptr);
    EXPECT_EQ(list->topLevelItemCount(), 2) << "the step on its way was waited for, no further one sent";
    EXPECT_EQ(sent.size(), sentBefore);
    const size_t sentAtClose = sent.size();
    WaitFor([] { return false; }, 400);  // late replies, if any, find nothing
    EXPECT_EQ(sent.size(), sentAtClose);
    // Clicks on the closed form do nothing.
    buttons->RefreshButton->click();
    EXPECT_TRUE(boxes.empty());
}

// Showing a row lets non-input events run (the list grows visibly during a
// walk); one of them may close the form, which deletes the request while the
// row is being delivered. The request must not be touched afterwards, and its
// destructor must not wait for the reply being handled.
TEST_F(ConfigFormKxsim, FormClosedWhileARowIsShownEndsTheWalkCleanly) {
    kxtest::KxsimAgent sim({"--objects", kObjects});
    Use(sim);
    OpenTable();
    bool closeQueued = false;
    QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, form.get(), [&] {
        if (closeQueued) return;
        closeQueued = true;
        QTimer::singleShot(0, form.get(), [&] { form->close(); });
    });
    ASSERT_TRUE(WaitFor([&] { return form->Requests.empty(); }));
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->ActiveRequest, nullptr);
    const size_t sentAtClose = sent.size();
    WaitFor([] { return false; }, 300);
    EXPECT_EQ(sent.size(), sentAtClose) << "no further step of the walk";
    EXPECT_TRUE(boxes.empty());
}

} // namespace
