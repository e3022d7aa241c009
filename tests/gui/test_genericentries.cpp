// The generic configuration entries against the simulator: every entry opens,
// reads and reports success (SNMPv2c and SNMPv3); the Edit button rule; a
// hidden entry; IfX Table's version switch; the port popup's instance and
// widths; RMON Control's re-read on close.
#include "formtools.h"
#include "genericentries.h"
#include "kvmessagebox.h"
#include "kvsnmprequest2edits.h"
#include "kvsnmprequest.h"
#include "kvsnmpsession.h"
#include "kxsimagent.h"
#include "kxtestagents.h"
#include "kxtestfiles.h"
#include "menucatalogue.h"
#include "tconfigform.h"
#include "tctrlbtnpanel.h"
#include "tgenericentry.h"
#include "tlayoutadapter.h"
#include "tmainform.h"
#include "tmsgpanel.h"
#include "tsnmpeditorpanel.h"
#include "tsnmppanel.h"
#include "tsnmplistviewpanel.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <set>

namespace {

using formtest::ModalProbe;
using formtest::WaitFor;

QString Memo(TConfigForm* form) { return form->Page()->MsgPanel->Memo->toPlainText(); }

bool ReadDone(TConfigForm* form) {
    TSNMPLayoutAdapter* adapter =
        form->TablePanel ? form->TablePanel->Adapter() : form->EditorPanel->Adapter();
    return form->ActiveRequest && adapter->GetDone && !form->ActiveRequest->Busy;
}

TCtrlBtnPanel* Buttons(TConfigForm* form) {
    return form->TablePanel ? form->TablePanel->Buttons : form->EditorPanel->Buttons;
}

class GenericEntries : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
        dir.WriteDeviceFile(sim.Port());
        KvMessageBox::SetScript([](const KvMessageBox::Request&) { return QMessageBox::Ok; });
    }
    void TearDown() override {
        main.reset();
        if (GlobalSession) GlobalSession->SetSendObserver(nullptr);
        KvMessageBox::SetScript(nullptr);
        SetSessionDefaults();
    }
    // The main window; with the front panel when the test needs port buttons
    // or the RMON state.
    void OpenMain(bool frontPanel) {
        main = std::make_unique<TMainForm>(QStringList{"/I127.0.0.1", "/Rpublic", "/Wprivate"}, nullptr, frontPanel);
        main->StartLedPolling = false;
        KvSNMPDevice.Address = "127.0.0.1";
        KvSNMPDevice.Port = static_cast<uint16_t>(sim.Port());
    }
    std::string SnmpGet(const std::string& oid) {
        QString out;
        kxtest::RunProgram(kxtest::SnmpTool("snmpget"),
                           {"-v2c", "-c", "public", "-Oqv", sim.Target(), QString::fromStdString(oid)}, &out);
        return out.trimmed().toStdString();
    }
    // An editor page shows every item inside the form, none over another.
    static void CheckEditorLayout(const TGenericEntry& opened) {
        QWidget* window = opened.Form();
        std::vector<std::pair<std::string, QRect>> placed;
        for (int i = 0; i < opened.ItemCount(); ++i) {
            const _UIItem_s& item = opened.Items()[i];
            for (QWidget* w : {static_cast<QWidget*>(item.CheckBox), static_cast<QWidget*>(item.Label), item.Control})
                if (w && w->isVisible())
                    placed.emplace_back(std::string(item.Variable->Name) + " " + w->metaObject()->className(),
                                        QRect(w->mapTo(window, QPoint(0, 0)), w->size()));
        }
        for (size_t a = 0; a < placed.size(); ++a) {
            EXPECT_TRUE(window->rect().contains(placed[a].second)) << placed[a].first;
            for (size_t b = a + 1; b < placed.size(); ++b)
                EXPECT_FALSE(placed[a].second.intersects(placed[b].second)) << placed[a].first << " / " << placed[b].first;
        }
    }
    // Opens every entry, lets its first read finish and checks the outcome line.
    void Sweep() {
        for (const _GenericEntry_s* e : AllGenericEntries()) {
            SCOPED_TRACE(e->Name);
            const std::string instance = e->Behaviour == KvEntryBehaviour::PortPopup ? "26" : "";
            TGenericEntry opened(*e, instance);
            opened.Form()->show();
            ASSERT_TRUE(WaitFor([&] { return ReadDone(opened.Form()); }));
            const QString memo = Memo(opened.Form());
            EXPECT_TRUE(memo.contains("(DeRIRA++) Ok!")) << memo.toStdString();
            EXPECT_FALSE(memo.contains("ERROR", Qt::CaseInsensitive)) << memo.toStdString();
            if (opened.Form()->TablePanel) {
                EXPECT_GT(opened.Form()->TablePanel->ListView->topLevelItemCount(), 0) << "an empty table";
            } else {
                CheckEditorLayout(opened);
            }
            opened.Form()->close();
        }
    }

    kxtest::KxsimAgent sim{{"--seed", "7"}};
    kxtest::ModuleDir dir;
    std::unique_ptr<TMainForm> main;
};

TEST_F(GenericEntries, EveryEntryReadsOverSnmpV2c) {
    OpenMain(false);
    KvSNMPSecurity.Version = 1;
    Sweep();
}

TEST_F(GenericEntries, EveryEntryReadsOverSnmpV3AuthPriv) {
    OpenMain(false);
    KvSNMPSecurity.Version = 3;
    KvSNMPSecurity.SecurityModel = 3;
    KvSNMPSecurity.SecurityLevel = 3;
    KvSNMPSecurity.SecurityName = kxtest::KxsimAgent::kMd5DesUser;
    KvSNMPSecurity.AuthProtocol = 2;
    KvSNMPSecurity.PrivProtocol = 2;
    KvSNMPSecurity.AuthPassword = kxtest::KxsimAgent::kAuthPass;
    KvSNMPSecurity.PrivPassword = kxtest::KxsimAgent::kPrivPass;
    Sweep();
}

// Writing back what was read must succeed everywhere: every writable scalar of
// every editor page, and the first row of every table page that can edit its
// rows, is accepted by the switch with the values it reported.
TEST_F(GenericEntries, EveryWritablePageWritesBackWhatItRead) {
    OpenMain(false);
    KvSNMPSecurity.Version = 1;
    // The last set, shown when the switch refuses it.
    std::string lastSet;
    GlobalSession->SetSendObserver([&](const KvSnmpTarget&, const KvSnmpPdu& pdu) {
        if (pdu.Type != KvPduType::Set) return;
        lastSet.clear();
        for (const KvVarbind& vb : pdu.Varbinds)
            lastSet += vb.Oid + " type " + std::to_string(vb.Type) + " = " +
                       (vb.Type == kvSmiInteger ? std::to_string(vb.Integer)
                                                : QByteArray::fromStdString(vb.Octets).toHex().toStdString() +
                                                      vb.ObjectId) +
                       "\n";
    });
    for (const _GenericEntry_s* e : AllGenericEntries()) {
        if (e->Behaviour == KvEntryBehaviour::PortPopup) continue;  // tested with its port below
        // Rows the agent's own SNMP modules keep, whose read values cannot go
        // back as they are: an active target address row refuses a new
        // domain, address or parameters name, and usmUserCloneFrom always
        // reads 0.0, which names no user to clone.
        if (std::string(e->Name) == "TargetAddressTable" || std::string(e->Name) == "UsmUserTable") continue;
        bool writable = false;
        for (const _SNMPVar_s* v = e->Vars; v->Oid; ++v) writable = writable || (v->Flags & vfWrite);
        if (!writable) continue;
        SCOPED_TRACE(e->Name);
        TGenericEntry opened(*e);
        TConfigForm* form = opened.Form();
        form->show();
        ASSERT_TRUE(WaitFor([&] { return ReadDone(form); }));
        if (!form->TablePanel) {
            QTest::mouseClick(Buttons(form)->SetButton, Qt::LeftButton);
            ASSERT_TRUE(WaitFor([&] { return ReadDone(form) && Memo(form).contains("Set: "); }));
            EXPECT_TRUE(Memo(form).contains("Set: (DeRIRA++) Ok!")) << Memo(form).toStdString() << lastSet;
        } else {
            QTreeWidget* list = form->TablePanel->ListView;
            if (!Buttons(form)->EditButton->isVisibleTo(form) || list->topLevelItemCount() == 0) continue;
            QTreeWidgetItem* row = list->topLevelItem(0);
            const QRect rect = list->visualItemRect(row);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(rect.left() + 4, rect.center().y()));
            QString dialogMemo;
            ModalProbe edit([&](QDialog* dialog) {
                TSNMPPanel* page = dialog->findChild<TSNMPPanel*>();
                QTest::mouseClick(page->Buttons->SetButton, Qt::LeftButton);
                WaitFor([&] { return page->MsgPanel->Memo->toPlainText().contains("Set: ") && ReadDone(form); });
                dialogMemo = page->MsgPanel->Memo->toPlainText();
            });
            QTest::mouseClick(Buttons(form)->EditButton, Qt::LeftButton);
            ASSERT_TRUE(edit.Opened());
            EXPECT_TRUE(dialogMemo.contains("Set: (DeRIRA++) Ok!")) << dialogMemo.toStdString() << lastSet;
        }
        form->close();
    }
}

// Every table page with an add text creates a row with it, and one with a
// delete text removes that row again: the new row copies the first row's
// writable values under a key no row has yet (its first key changed).
TEST_F(GenericEntries, EveryAddTextCreatesARowAndEveryDeleteTextRemovesIt) {
    OpenMain(false);
    KvSNMPSecurity.Version = 1;
    auto walk = [](KvSNMPRequest& r) {
        std::set<std::string> rows;
        for (bool more = r.GetRow(true); more; more = r.GetRow(false)) rows.insert(r.RowIndex());
        return rows;
    };
    // Another key of the same syntax, tried in turn until no row has it.
    auto otherKey = [](const KvSNMPVar& v, int attempt) -> std::string {
        const std::string& text = v.Value;
        if (v.Options) {  // the next labels after the row's own
            const int at = v.Options->IndexOfText(text);
            return v.Options->Item((at + 1 + attempt) % v.Options->Count()).Text;
        }
        switch (v.Syntax) {
        case synInteger: case synGauge32: case synUInteger32: case synCounter32:
            return std::to_string(std::stoll(text) + 1 + attempt);
        case synIpAddress: {
            const size_t dot = text.rfind('.');
            return text.substr(0, dot + 1) + std::to_string((std::stoi(text.substr(dot + 1)) + 1 + attempt) % 254 + 1);
        }
        case synObjectId: return text + "." + std::to_string(attempt + 1);
        case synDisplayString: return text + std::string(1, static_cast<char>('a' + attempt));
        default: {  // hexadecimal octets: the last octet changed
            const int last = std::stoi(text.substr(text.size() - 2), nullptr, 16);
            char hex[3];
            std::snprintf(hex, sizeof hex, "%02X", (last + 1 + attempt) % 256);
            return text.substr(0, text.size() - 2) + hex;
        }
        }
    };
    int tried = 0;
    for (const _GenericEntry_s* e : AllGenericEntries()) {
        if (!e->AddText) continue;
        // Users are cloned from another user, which usmUserCloneFrom (read
        // as 0.0) cannot name.
        if (std::string(e->Name) == "UsmUserTable") continue;
        SCOPED_TRACE(e->Name);
        ++tried;
        KvSNMPRequest r;
        r.VarList.Assign(KvSNMPVarList(e->Vars, e->ListKind, e->KeyCount));
        std::set<std::string> before = walk(r);
        ASSERT_FALSE(before.empty()) << "no row to copy";
        ASSERT_TRUE(r.GetRow(true));
        KvSNMPVar& key = r.VarList.Item(0);
        const std::string firstValue = key.Value;
        for (int attempt = 0; attempt < 50 && before.count(r.RowIndex()); ++attempt) {
            key.Value = firstValue;
            key.Value = otherKey(key, attempt);
        }
        const std::string row = r.RowIndex();
        ASSERT_FALSE(before.count(row)) << row;
        r.VarList.Item(e->StatusIndex).Value = e->AddText;
        // A copy of a built-in row must not claim its permanent storage.
        for (int i = 0; i < r.VarList.Count(); ++i)
            if (r.VarList.Item(i).Options == &StorageTypeOptions) r.VarList.Item(i).Value = "nonVolatile";
        ASSERT_NO_THROW(r.SetValues("")) << "adding row " << row;
        KvSNMPRequest check;
        check.VarList.Assign(KvSNMPVarList(e->Vars, e->ListKind, e->KeyCount));
        EXPECT_TRUE(walk(check).count(row)) << "row " << row << " not created";
        if (!e->DeleteText) continue;
        const std::vector<std::string> status{e->DeleteText};
        ASSERT_NO_THROW(r.SetValues(std::to_string(e->StatusIndex), &status)) << "deleting row " << row;
        EXPECT_EQ(walk(check), before);
    }
    EXPECT_GT(tried, 10);
}

TEST_F(GenericEntries, EditButtonFollowsTheWritableColumns) {
    OpenMain(false);
    struct Case {
        const char* entry;
        bool edit;
    } cases[] = {{"UnitTable", true}, {"PowerTable", false}, {"DnsCtrlTable", false}, {"TargetParameters", false},
                 {"AgentSupportedUpdateFiles", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        TGenericEntry opened(*FindGenericEntry(c.entry));
        opened.Form()->show();
        EXPECT_EQ(Buttons(opened.Form())->EditButton->isVisibleTo(opened.Form()), c.edit);
    }
}

TEST_F(GenericEntries, HiddenEntriesAreInvisibleAndTheirFormsBuildWhenInvoked) {
    OpenMain(false);
    int hidden = 0;
    for (const _MenuEntry_s* m = MainMenuCatalogue; m->Path; ++m) {
        if (!m->Hidden || m->Kind != KvMenuKind::Generic) continue;
        SCOPED_TRACE(m->Path);
        ++hidden;
        QAction* action = main->MenuAction(m->Path);
        ASSERT_NE(action, nullptr);
        EXPECT_FALSE(action->isVisible());
        const _GenericEntry_s* entry = FindGenericEntry(m->Data);
        QString caption;
        ModalProbe probe([&](QDialog* dialog) {
            caption = dialog->windowTitle();
            auto* form = qobject_cast<TConfigForm*>(dialog);
            ASSERT_NE(form, nullptr);
            const bool editor = entry->Page == KvPageKind::Editor || entry->Page == KvPageKind::EditorAuto;
            EXPECT_EQ(form->FormType, editor ? TConfigForm::kEditorForm : TConfigForm::kTableForm);
            // Closed at once, perhaps in the middle of its first read; the
            // sweeps above read every entry, hidden ones included.
        });
        action->trigger();
        EXPECT_TRUE(probe.Opened());
        EXPECT_EQ(caption, QString(entry->Title) + ":127.0.0.1");
    }
    EXPECT_GT(hidden, 1);
}

TEST_F(GenericEntries, IfXTableOnSnmpV1ReadsWithV2cAndLeavesTheSessionAtV1) {
    OpenMain(false);
    std::vector<int> versions;
    GlobalSession->SetSendObserver([&](const KvSnmpTarget& t, const KvSnmpPdu&) { versions.push_back(t.Version); });
    for (uint8_t start : {uint8_t(0), uint8_t(1)}) {
        SCOPED_TRACE(start);
        KvSNMPSecurity.Version = start;
        versions.clear();
        {
            TGenericEntry opened(*FindGenericEntry("IfXTable"));
            opened.Form()->show();
            ASSERT_TRUE(WaitFor([&] { return ReadDone(opened.Form()); }));
            EXPECT_TRUE(Memo(opened.Form()).contains("(DeRIRA++) Ok!")) << Memo(opened.Form()).toStdString();
            QTreeWidget* list = opened.Form()->TablePanel->ListView;
            ASSERT_GT(list->topLevelItemCount(), 0);
            EXPECT_NE(list->topLevelItem(0)->text(6), "(NULL)") << "HCInOctets is read";
            EXPECT_FALSE(list->topLevelItem(0)->text(6).isEmpty());
            EXPECT_EQ(KvSNMPSecurity.Version, 1);
        }
        EXPECT_EQ(KvSNMPSecurity.Version, start);
        ASSERT_FALSE(versions.empty());
        for (int v : versions) EXPECT_EQ(v, 1);
    }
}

TEST_F(GenericEntries, PortConfigurationFromThePopupReadsAndWritesItsPort) {
    OpenMain(true);
    ASSERT_FALSE(main->PortButtons.isEmpty()) << main->StatusPanel(0)->text().toStdString();
    QToolButton* port26 = nullptr;
    for (QToolButton* b : main->PortButtons)
        if (b->property("tag").toInt() == 26) port26 = b;
    ASSERT_NE(port26, nullptr);
    main->PortButtonClick(main->PortButtons.first());
    emit port26->customContextMenuRequested(QPoint(2, 2));
    main->PortInfoPopupMenu->hide();
    EXPECT_EQ(main->PopupButton(), port26);
    QAction* action = main->PortInfoPopupMenu->actions().value(1);
    ASSERT_NE(action, nullptr);
    ASSERT_EQ(action->text(), "Port Configuration");

    // The same page without the widening, for the widths.
    _GenericEntry_s plainEntry = *FindGenericEntry("PortConfiguration");
    plainEntry.ValueWider = plainEntry.FormWider = 0;
    std::vector<int> plainWidths;
    int plainFormWidth = 0;
    {
        TGenericEntry plain(plainEntry, "26");
        for (int i = 0; i < plain.ItemCount(); ++i) plainWidths.push_back(plain.Items()[i].Control->width());
        plainFormWidth = plain.Form()->width();
    }
    const int wider = TConfigForm::Scaled(80);
    EXPECT_EQ(wider, static_cast<int>(80 * main->ScaleFactor));

    std::vector<std::string> sentOids;
    GlobalSession->SetSendObserver([&](const KvSnmpTarget&, const KvSnmpPdu& pdu) {
        for (const auto& vb : pdu.Varbinds) sentOids.push_back(vb.Oid);
    });
    ModalProbe probe([&](QDialog* dialog) {
        auto* form = qobject_cast<TConfigForm*>(dialog);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->ActiveRequest->VarList.Instance, "26");
        EXPECT_EQ(form->width(), plainFormWidth + wider);
        ASSERT_TRUE(WaitFor([&] { return ReadDone(form); }));
        EXPECT_TRUE(Memo(form).contains("(DeRIRA++) Ok!")) << Memo(form).toStdString();
        // Value controls in item order: two edits, then five combo boxes.
        QList<QWidget*> controls;
        for (QWidget* w : form->EditorPanel->findChildren<QWidget*>())
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)) controls.append(w);
        ASSERT_EQ(controls.size(), static_cast<int>(plainWidths.size()));
        for (int i = 0; i < controls.size(); ++i) EXPECT_EQ(controls[i]->width(), plainWidths[i] + wider) << i;
        auto* admin = qobject_cast<QComboBox*>(controls[2]);
        ASSERT_NE(admin, nullptr);
        EXPECT_EQ(admin->currentText(), "enabled");
        admin->setCurrentIndex(admin->findText("disabled"));
        QTest::mouseClick(Buttons(form)->SetButton, Qt::LeftButton);
        ASSERT_TRUE(WaitFor([&] { return ReadDone(form) && Memo(form).contains("Set: (DeRIRA++) Ok!"); }))
            << Memo(form).toStdString();
    });
    action->trigger();
    EXPECT_TRUE(probe.Opened());
    EXPECT_TRUE(port26->isChecked());
    for (QToolButton* b : main->PortButtons)
        if (b != port26) {
            EXPECT_FALSE(b->isChecked());
        }
    ASSERT_FALSE(sentOids.empty());
    for (const std::string& oid : sentOids) EXPECT_EQ(oid.substr(oid.rfind('.')), ".26") << oid;
    EXPECT_EQ(SnmpGet("1.3.6.1.4.1.99402.11.59.7.2.3.2.1.3.26"), "2");
    EXPECT_EQ(SnmpGet("1.3.6.1.4.1.99402.11.59.7.2.3.2.1.3.25"), "3");
}

TEST_F(GenericEntries, ClosingRmonControlReReadsTheRmonState) {
    OpenMain(true);
    ASSERT_EQ(main->ST_RmonState->text(), "enabled");
    {
        TGenericEntry opened(*FindGenericEntry("RmonControl"));
        TConfigForm* form = opened.Form();
        form->show();
        ASSERT_TRUE(WaitFor([&] { return ReadDone(form); }));
        auto* state = qobject_cast<QComboBox*>(opened.Items()[0].Control);
        ASSERT_NE(state, nullptr);
        state->setCurrentIndex(state->findText("disabled"));
        QTest::mouseClick(Buttons(form)->SetButton, Qt::LeftButton);
        ASSERT_TRUE(WaitFor([&] { return ReadDone(form) && Memo(form).contains("Set: (DeRIRA++) Ok!"); }))
            << Memo(form).toStdString();
        EXPECT_EQ(main->ST_RmonState->text(), "enabled") << "not before the form closes";
        form->close();
    }
    EXPECT_EQ(main->ST_RmonState->text(), "disabled");
    EXPECT_FALSE(main->MenuAction("RMON / Statistics")->isEnabled());
    EXPECT_FALSE(main->MenuAction("RMON / Alarm/Event")->isEnabled());
}

TEST_F(GenericEntries, StpNoteAndAuthenticationModeAdjustments) {
    OpenMain(false);
    {
        TGenericEntry opened(*FindGenericEntry("StpControl"));
        auto* note = opened.Form()->findChild<QLabel*>("LB_StpNote");
        ASSERT_NE(note, nullptr);
        EXPECT_EQ(note->text(), "Notes : 2*(Forward Delay-100)>=Max Age>=2*(Hello Time+100))");
        EXPECT_EQ(note->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        const _UIItem_s& last = opened.Items()[opened.ItemCount() - 1];
        EXPECT_EQ(QString(last.Variable->Name), "Forwarding BPDU");
        EXPECT_EQ(note->parentWidget(), last.CheckBox->parentWidget());
        EXPECT_EQ(note->x(), last.CheckBox->x());
        EXPECT_EQ(note->y(), last.CheckBox->y() + last.CheckBox->height() + TConfigForm::Scaled(8));
    }
    _GenericEntry_s plainEntry = *FindGenericEntry("AuthenticationModeSetting");
    plainEntry.Behaviour = KvEntryBehaviour::None;
    TGenericEntry plain(plainEntry);
    TGenericEntry adjusted(*FindGenericEntry("AuthenticationModeSetting"));
    ASSERT_EQ(adjusted.ItemCount(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(adjusted.Items()[i].Control->x(), plain.Items()[i].Control->x() + TConfigForm::Scaled(5));
        EXPECT_EQ(adjusted.Items()[i].Control->width(), TConfigForm::Scaled(142));
    }
    EXPECT_EQ(adjusted.Form()->width(), plain.Form()->width() + TConfigForm::Scaled(30));
    EXPECT_EQ(adjusted.Form()->height(), plain.Form()->height() + TConfigForm::Scaled(50));
}

} // namespace
