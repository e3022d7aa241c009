// Control and LED bindings against the simulator: asynchronous reads into
// controls and list views, sets from controls read back with snmpget, and
// LED polling with its colours, blinking, short values and time-outs.
#include "kvexception.h"
#include "kvmessagebox.h"
#include "kvoptionlist.h"
#include "kvsnmprequest2edits.h"
#include "kvsnmprequest2leds.h"
#include "kvsnmpsession.h"
#include "kxsimagent.h"
#include "kxtestagents.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

const QString kObjects = QString(KX_SOURCE_DIR) + "/tests/gui/data/binding-objects.txt";

const _Option_s kRmonTable[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {}};
const KvOptionList kRmonOptions(kRmonTable, KvOptionList::kIntegerValues);
const _Option_s kStateTable[] = {{1, "enabled"}, {2, "disabled"}, {}};
const KvOptionList kStateOptions(kStateTable, KvOptionList::kIntegerValues);

const _SNMPVar_s kDeviceVars[] = {
    {"1.3.6.1.4.1.99402.11.59.7.2.1.2.3", "RMON State", synInteger, vfReadWrite, &kRmonOptions},
    {"1.3.6.1.4.1.99402.11.59.7.2.1.1.1", "Ports", synInteger, vfReadOnly},
    {"1.3.6.1.4.1.99402.99.2.1", "Address", synIpAddress, vfReadWrite},
    {},
};

const _SNMPVar_s kScalarVars[] = {
    {"1.3.6.1.4.1.99402.99.2.1", "Address", synIpAddress, vfReadWrite},
    {"1.3.6.1.4.1.99402.99.2.2", "Ports", synBits, vfReadWrite},
    {"1.3.6.1.4.1.99402.99.2.4", "Name", synDisplayString, vfReadWrite},
    {},
};

enum { tVid, tName, tPorts, tState };
const std::string kTableEntry = "1.3.6.1.4.1.99402.99.3.1";
const _SNMPVar_s kTableVars[] = {
    {"1.3.6.1.4.1.99402.99.3.1.1", "VID", synInteger, uint32_t(vfReadOnly) | vfKey},
    {"1.3.6.1.4.1.99402.99.3.1.2", "Name", synDisplayString, vfReadWrite},
    {"1.3.6.1.4.1.99402.99.3.1.3", "Ports", synBits, vfReadWrite},
    {"1.3.6.1.4.1.99402.99.3.1.4", "State", synInteger, vfReadWrite, &kStateOptions},
    {},
};

const _SNMPVar_s kLedVars[] = {
    {"1.3.6.1.4.1.99402.12.11.1.9.4.1.6", "swUnitMgmtFrontPanelLedStatus", synOctetString, vfReadOnly},
    {},
};
const _LedColor_s kMapA[] = {{0, 0x000000}, {2, 0x00FF00}, {4, 0x00FF00}, {0, -1}};
constexpr int32_t kBlack = 0x000000, kLime = 0x00FF00, kWhite = 0xFFFFFF;

using kxtest::WaitFor;

// Edits that note what each delivered row found in the list view.
class RecordingEdits : public KvSNMPRequest2Edits {
public:
    using KvSNMPRequest2Edits::KvSNMPRequest2Edits;
    void RowReceived() override {
        KvSNMPRequest2Edits::RowReceived();
        rows.push_back(ListView ? ListView->topLevelItemCount() : -1);
    }
    std::vector<int> rows;
};

class LedRequest : public KvSNMPRequest2Leds {
public:
    using KvSNMPRequest2Leds::KvSNMPRequest2Leds;
    void RowReceived() override {
        KvSNMPRequest2Leds::RowReceived();
        ++readings;
    }
    int readings = 0;
};

class BindingsKxsim : public kxtest::SessionSuite {
protected:
    void SetUp() override {
        KvMessageBox::SetScript([this](const KvMessageBox::Request& r) {
            boxes.push_back(r.Text.toStdString());
            return QMessageBox::Ok;
        });
    }
    void TearDown() override {
        GlobalSession->SetSendObserver(nullptr);
        KvMessageBox::SetScript(nullptr);
        SetSessionDefaults();
    }
    void Use(const kxtest::KxsimAgent& sim) {
        ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
        kxtest::UseSimulator(sim);
        GlobalSession->SetSendObserver([this](const KvSnmpTarget&, const KvSnmpPdu&) { ++sent; });
    }
    // The value part of snmpget's "-On" line ("STRING: web", "IpAddress: 10.90.1.2").
    static std::string SnmpGet(const kxtest::KxsimAgent& sim, const std::string& oid) {
        QString out;
        const int rc = kxtest::RunProgram(kxtest::SnmpTool("snmpget"),
                                          {"-v2c", "-c", "public", "-On", "-Ox", "-t", "2", "-r", "1",
                                           sim.Target(), QString::fromStdString(oid)},
                                          &out);
        if (rc != 0) return "exit " + std::to_string(rc) + ": " + out.toStdString();
        const int eq = out.indexOf(" = ");
        return eq < 0 ? out.trimmed().toStdString() : out.mid(eq + 3).trimmed().toStdString();
    }
    static std::string Line(const QStatusBar& bar) { return bar.currentMessage().toStdString(); }

    QWidget form;
    std::vector<std::string> boxes;
    int sent = 0;
};

TEST_F(BindingsKxsim, AsynchronousScalarGetFillsTheBoundControls) {
    kxtest::KxsimAgent sim({"--objects", kObjects, "--still"});
    Use(sim);
    RecordingEdits request(&form);
    request.VarList.Assign(KvSNMPVarList(kDeviceVars, KvSNMPVarList::kScalars, 0));
    QComboBox rmon(&form);
    QLabel ports(&form);
    QLineEdit a(&form), b(&form), c(&form), d(&form);
    QStatusBar bar(&form);
    request.BindComboBox(0, &rmon);
    request.BindControl(1, &ports);
    request.BindFormat(2, "%i{n0x255l3}%i{n0x255l3}%i{n0x255l3}%i{n0x255l3}", &a, &b, &c, &d);
    request.AttachMessageTarget(&bar);
    std::vector<KvSNMPError> done;
    request.OnGetDone = [&](KvSNMPRequest2Controls& r, const KvSNMPError& e) {
        EXPECT_EQ(&r, &request);
        EXPECT_FALSE(r.Busy);
        done.push_back(e);
    };

    request.Get();
    EXPECT_TRUE(request.Busy);
    ASSERT_TRUE(WaitFor([&] { return !done.empty(); }));
    QCoreApplication::processEvents();
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0].Code, 0);
    EXPECT_EQ(request.rows.size(), 1u);
    EXPECT_EQ(request.RowCount, 1);
    EXPECT_EQ(sent, 1);
    EXPECT_EQ(rmon.currentText(), "enabled");
    EXPECT_EQ("INTEGER: " + ports.text().toStdString(),
              SnmpGet(sim, "1.3.6.1.4.1.99402.11.59.7.2.1.1.1.0"));
    EXPECT_EQ((a.text() + "." + b.text() + "." + c.text() + "." + d.text()).toStdString(), "10.90.90.90");
    EXPECT_TRUE(QString::fromStdString(Line(bar)).contains(QRegularExpression(
        "^Get: \\(DeRIRA\\+\\+\\) Ok!\\. Receive at \\d\\d:\\d\\d:\\d\\d (AM|PM)\\.$")))
        << Line(bar);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(BindingsKxsim, TableGetGrowsTheListAndSelectionFillsTheControls) {
    kxtest::KxsimAgent sim({"--objects", kObjects, "--still"});
    Use(sim);
    RecordingEdits request(&form);
    request.VarList.Assign(KvSNMPVarList(kTableVars, KvSNMPVarList::kTable, 1));
    QTreeWidget list(&form);
    QLineEdit name(&form);
    QCheckBox p1(&form), p2(&form), p3(&form);
    QComboBox state(&form);
    request.AttachListView(&list, true);
    request.BindFormat(tName, "%s{l32}", &name);
    request.BindBits(tPorts, "0,1,2", &p1, &p2, &p3);
    request.BindComboBox(tState, &state);
    int finished = 0;
    request.OnGetDone = [&](KvSNMPRequest2Controls&, const KvSNMPError& e) {
        EXPECT_EQ(e.Code, 0) << e.Message;
        ++finished;
    };

    request.Get();
    ASSERT_TRUE(WaitFor([&] { return finished == 1; }));
    EXPECT_EQ(request.rows, (std::vector<int>{1, 2, 3}));  // row by row
    EXPECT_EQ(request.RowCount, 3);
    ASSERT_EQ(list.topLevelItemCount(), 3);
    EXPECT_EQ(list.topLevelItem(2)->text(1), "office");
    EXPECT_EQ(list.topLevelItem(1)->text(3), "disabled");
    for (QWidget* w : std::initializer_list<QWidget*>{&name, &p1, &p2, &p3, &state}) EXPECT_FALSE(w->isEnabled());

    list.topLevelItem(1)->setSelected(true);
    EXPECT_TRUE(name.isEnabled());
    EXPECT_TRUE(state.isEnabled());
    EXPECT_EQ(name.text(), "servers");
    EXPECT_EQ(state.currentText(), "disabled");
    EXPECT_FALSE(p1.isChecked());
    EXPECT_TRUE(p2.isChecked());
    EXPECT_FALSE(p3.isChecked());
}

TEST_F(BindingsKxsim, FilterAndConditionChooseTheRowsDelivered) {
    kxtest::KxsimAgent sim({"--objects", kObjects, "--still"});
    Use(sim);
    KvSNMPRequest source;  // the row chosen elsewhere: its name fills "#1"
    source.VarList.Assign(KvSNMPVarList(kTableVars, KvSNMPVarList::kTable, 1));
    source.VarList.Item(tName).Value = "office";
    RecordingEdits request(&form);
    request.VarList.Assign(KvSNMPVarList(kTableVars, KvSNMPVarList::kTable, 1));
    QTreeWidget list(&form);
    request.AttachListView(&list, true);
    request.FilterSource = &source;
    request.Filter = "$1<>#1";
    for (const char* condition : {"", "$3=1"}) {  // conditions compare values: 1 is enabled
        SCOPED_TRACE(condition);
        request.Condition = condition;
        request.Get();
        ASSERT_TRUE(WaitFor([&] { return !request.Busy; }));
        QStringList names;
        for (int k = 0; k < list.topLevelItemCount(); ++k) names << list.topLevelItem(k)->text(1);
        EXPECT_EQ(names.join(","), *condition ? "default" : "default,servers");
        EXPECT_EQ(request.RowCount, names.size());
    }
}

TEST_F(BindingsKxsim, SetFromControlsWritesThemAndReadsTheTableAgain) {
    kxtest::KxsimAgent sim({"--objects", kObjects, "--still"});
    Use(sim);
    RecordingEdits request(&form);
    request.VarList.Assign(KvSNMPVarList(kTableVars, KvSNMPVarList::kTable, 1));
    QTreeWidget list(&form);
    QLineEdit name(&form);
    QCheckBox p1(&form), p2(&form), p3(&form);
    QComboBox state(&form);
    QStatusBar bar(&form);
    request.AttachListView(&list, true);
    request.AttachMessageTarget(&bar);
    request.BindFormat(tName, "%s{l32}", &name);
    request.BindBits(tPorts, "0,1,2", &p1, &p2, &p3);
    request.BindComboBox(tState, &state);
    std::vector<std::string> events;
    request.OnGetDone = [&](KvSNMPRequest2Controls& r, const KvSNMPError& e) {
        events.push_back("get " + std::to_string(e.Code) + " rows " + std::to_string(r.RowCount));
    };
    request.OnSetDone = [&](KvSNMPRequest2Controls&, const KvSNMPError& e) {
        events.push_back("set " + std::to_string(e.Code));
        EXPECT_TRUE(Line(bar).starts_with("Set: (DeRIRA++) Ok!. Receive at ")) << Line(bar);
    };
    request.Get();
    ASSERT_TRUE(WaitFor([&] { return events.size() == 1; }));
    list.topLevelItem(1)->setSelected(true);  // VID 10
    name.setText("web");
    p1.setChecked(true);
    p3.setChecked(true);
    state.setCurrentIndex(0);
    request.rows.clear();

    request.Set(true, true);
    ASSERT_TRUE(WaitFor([&] { return events.size() == 3; }));
    EXPECT_EQ(events, (std::vector<std::string>{"get 0 rows 3", "set 0", "get 0 rows 3"}));
    EXPECT_EQ(request.rows.size(), 3u);  // read again after the set
    EXPECT_EQ(SnmpGet(sim, kTableEntry + ".2.10"), "Hex-STRING: 77 65 62");  // "web"
    EXPECT_EQ(SnmpGet(sim, kTableEntry + ".3.10"), "Hex-STRING: E0 00 00 00");
    EXPECT_EQ(SnmpGet(sim, kTableEntry + ".4.10"), "INTEGER: 1");
    // The other rows are untouched.
    EXPECT_EQ(SnmpGet(sim, kTableEntry + ".3.20"), "Hex-STRING: 0F 00 00 00");
    ASSERT_EQ(list.topLevelItemCount(), 3);
    EXPECT_EQ(list.topLevelItem(1)->text(1), "web");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(BindingsKxsim, SynchronousScalarSetSendsWhatTheControlsHold) {
    kxtest::KxsimAgent sim({"--objects", kObjects, "--still"});
    Use(sim);
    KvSNMPRequest2Edits request(&form);
    request.Mode = KvSNMPRequest2Controls::kSynchronous;
    request.VarList.Assign(KvSNMPVarList(kScalarVars, KvSNMPVarList::kScalars, 0));
    QLineEdit a(&form), b(&form), c(&form), d(&form), name(&form);
    std::vector<QWidget*> ports;
    for (int k = 0; k < 26; ++k) ports.push_back(new QCheckBox(&form));
    std::string bits;
    for (int k = 0; k < 26; ++k) bits += (k ? "," : "") + std::to_string(k);
    QStatusBar bar(&form);
    request.AttachMessageTarget(&bar);
    request.BindFormat(0, "%i{n0x255l3}%i{n0x255l3}%i{n0x255l3}%i{n0x255l3}", &a, &b, &c, &d);
    request.BindControlList(1, bits, ports);
    request.BindControl(2, &name);

    request.Get();
    EXPECT_FALSE(request.Busy);
    EXPECT_EQ(name.text(), "core-1");
    EXPECT_TRUE(static_cast<QCheckBox*>(ports[8])->isChecked());  // C0 80 00 03: ports 1, 2 and 9
    c.setText("1");
    d.setText("2");
    static_cast<QCheckBox*>(ports[0])->setChecked(false);
    static_cast<QCheckBox*>(ports[25])->setChecked(true);
    name.setText("edge-2");
    request.Set(false, true);
    EXPECT_FALSE(request.Busy);
    EXPECT_TRUE(Line(bar).starts_with("Set: (DeRIRA++) Ok!. Receive at ")) << Line(bar);
    EXPECT_EQ(SnmpGet(sim, "1.3.6.1.4.1.99402.99.2.1.0"), "IpAddress: 10.90.1.2");
    EXPECT_EQ(SnmpGet(sim, "1.3.6.1.4.1.99402.99.2.2.0"), "Hex-STRING: 40 80 00 40");
    EXPECT_EQ(SnmpGet(sim, "1.3.6.1.4.1.99402.99.2.4.0"), "Hex-STRING: 65 64 67 65 2D 32");  // "edge-2"
}

TEST_F(BindingsKxsim, AControlThatCannotShowItsValueEndsTheGetLikeAnError) {
    kxtest::KxsimAgent sim({"--objects", kObjects, "--still"});
    Use(sim);
    KvSNMPRequest2Edits request(&form);
    request.VarList.Assign(KvSNMPVarList(kDeviceVars, KvSNMPVarList::kScalars, 0));
    QCheckBox box(&form);  // an INTEGER without options on a check box
    QStatusBar bar(&form);
    request.BindControl(1, &box);
    request.AttachMessageTarget(&bar);
    std::vector<KvSNMPError> done;
    request.OnGetDone = [&](KvSNMPRequest2Controls&, const KvSNMPError& e) { done.push_back(e); };

    request.Get();
    ASSERT_TRUE(WaitFor([&] { return !done.empty(); }));
    EXPECT_EQ(done[0].Code, -517);
    EXPECT_TRUE(done[0].Done);
    EXPECT_FALSE(request.Busy);
    EXPECT_TRUE(Line(bar).starts_with(
        "Get: (DeRIRA++) Bad syntax of the associated SNMP variable's (partial) data!. Receive at "))
        << Line(bar);

    request.Mode = KvSNMPRequest2Controls::kSynchronous;
    try {
        request.Get();
        ADD_FAILURE() << "no error";
    } catch (const KvException& e) {
        EXPECT_EQ(e.HelpContext(), -517);
    }
    EXPECT_FALSE(request.Busy);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(BindingsKxsim, ARequestDestroyedWithAReplyOutstandingHearsNothing) {
    kxtest::KxsimAgent sim({"--objects", kObjects, "--still", "--delay-ms", "200"});
    Use(sim);
    QLineEdit name(&form);
    bool called = false;
    {
        auto request = std::make_unique<KvSNMPRequest2Edits>(&form);
        request->VarList.Assign(KvSNMPVarList(kScalarVars, KvSNMPVarList::kScalars, 0));
        request->BindControl(2, &name);
        request->OnGetDone = [&](KvSNMPRequest2Controls&, const KvSNMPError&) { called = true; };
        request->Get();
        EXPECT_EQ(request->Pending, 1);
    }  // waits for the reply, which finds the request gone
    QCoreApplication::processEvents();
    EXPECT_FALSE(called);
    EXPECT_EQ(name.text(), "");
}

// --- LEDs ----------------------------------------------------------------------------

class LedsKxsim : public BindingsKxsim {
protected:
    std::unique_ptr<LedRequest> MakeLeds(int unit, const std::string& positions) {
        auto leds = std::make_unique<LedRequest>(&form);
        leds->VarList.Assign(KvSNMPVarList(kLedVars, KvSNMPVarList::kOneInstance, 0));
        leds->VarList.Instance = std::to_string(unit);
        leds->VarList.Label = " Led Status";
        leds->Timeout = 500;
        leds->AttachMessageTarget(&statusPanel);
        leds->AddLeds(0, positions, &mapA, &panel, 1, 10, TShape::stRectangle, 7, 7);
        return leds;
    }
    std::vector<int32_t> Colors(const LedRequest& leds) const {
        std::vector<int32_t> colors;
        for (const auto& led : leds.Leds) colors.push_back(led->Shape->BrushColor());
        return colors;
    }

    KvSNMPLedColorMapList mapA{kMapA, 7, 128, kBlack, kWhite};
    QFrame panel{&form};
    QLabel statusPanel{&form};
};

TEST_F(LedsKxsim, ReadingPaintsTheColoursAndBlinksUntilTheBurstEnds) {
    kxtest::KxsimAgent sim({"--still"});
    Use(sim);
    panel.setFrameShape(QFrame::Box);
    // Unit 2: power on, not master, port 1 with traffic (0x82), port 3 linked (0x02).
    auto leds = MakeLeds(2, "0,1,4,8");
    ASSERT_EQ(leds->Leds.size(), 4u);
    EXPECT_EQ(panel.frameShape(), QFrame::NoFrame);
    EXPECT_EQ(leds->Leds[2]->Shape->geometry(), QRect(1 + 2 * 17, 1, 7, 7));
    EXPECT_EQ(Colors(*leds), std::vector<int32_t>(4, kBlack));
    leds->BlinkTimer->stop();  // the test paints the blink ticks itself

    leds->Poll();
    leds->Poll();  // the first reading is still outstanding: skipped
    ASSERT_TRUE(WaitFor([&] { return !leds->Busy; }));
    EXPECT_EQ(sent, 1);
    EXPECT_EQ(leds->readings, 1);
    EXPECT_EQ(Colors(*leds), (std::vector<int32_t>{kLime, kBlack, kLime, kLime}));
    EXPECT_TRUE(leds->Leds[2]->Blinking);
    EXPECT_FALSE(leds->Leds[3]->Blinking);
    EXPECT_TRUE(statusPanel.text().startsWith("Get: (DeRIRA++) Ok! Request: Led Status. Receive at "))
        << statusPanel.text().toStdString();

    std::vector<int32_t> blink;
    for (int tick = 0; tick < 10; ++tick) {
        leds->PaintLeds();
        blink.push_back(leds->Leds[2]->Shape->BrushColor());
        EXPECT_EQ(leds->Leds[3]->Shape->BrushColor(), kLime);
    }
    EXPECT_EQ(blink, (std::vector<int32_t>{kBlack, kLime, kBlack, kLime, kBlack, kLime, kLime, kLime, kLime, kLime}));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(LedsKxsim, LedsBeyondAShortValueTurnWhite) {
    kxtest::KxsimAgent sim({"--still", "--short-led"});
    Use(sim);
    // Unit 1 (24 ports) answers with 24 octets: ports 1 and 10, then port 23 and a slot LED.
    auto leds = MakeLeds(1, "4,22,48,56");
    leds->BlinkTimer->stop();
    leds->Poll();
    ASSERT_TRUE(WaitFor([&] { return leds->readings == 1 && !leds->Busy; }));
    EXPECT_EQ(Colors(*leds), (std::vector<int32_t>{kLime, kLime, kWhite, kWhite}));
    EXPECT_FALSE(leds->Leds[2]->Blinking);
}

TEST_F(LedsKxsim, PollingGoesDarkWithTheTimeOutLineWhenTheSwitchIsGone) {
    kxtest::KxsimAgent sim({"--still"});
    Use(sim);
    auto leds = MakeLeds(2, "0,4");
    leds->Timeout = 30;
    leds->Retries = 0;
    leds->StartPolling(20);  // every 200 ms, and once now
    EXPECT_TRUE(leds->PollTimer->isActive());
    ASSERT_TRUE(WaitFor([&] { return leds->readings >= 2; }));
    EXPECT_EQ(Colors(*leds)[0], kLime);

    ASSERT_TRUE(sim.Stop());
    ASSERT_TRUE(WaitFor([&] { return statusPanel.text().contains("timed out"); }));
    EXPECT_TRUE(statusPanel.text().startsWith(
        "Get: (SNMPClass) SNMP request timed out! Request: Led Status. Receive at "))
        << statusPanel.text().toStdString();
    EXPECT_EQ(Colors(*leds), (std::vector<int32_t>{kBlack, kBlack}));
    EXPECT_FALSE(leds->Leds[1]->Blinking);
    EXPECT_TRUE(leds->PollTimer->isActive());  // polling goes on
    EXPECT_TRUE(boxes.empty());               // never a message box

    leds->StopPolling();
    EXPECT_FALSE(leds->PollTimer->isActive());
    EXPECT_FALSE(leds->BlinkTimer->isActive());
    EXPECT_EQ(Colors(*leds), (std::vector<int32_t>{kBlack, kBlack}));
}

} // namespace
