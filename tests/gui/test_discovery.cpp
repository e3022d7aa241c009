// The main window against the simulator: discovery of the default stack,
// live LEDs, the RMON state and a clean close.
#include "kvmessagebox.h"
#include "kvsnmprequest2edits.h"
#include "kvsnmprequest2leds.h"
#include "kvsnmpsession.h"
#include "kxsimagent.h"
#include "kxtestagents.h"
#include "kxtestfiles.h"
#include "tmainform.h"
#include "tmodulepanelform.h"
#include "tpanelform.h"
#include "tshape.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class Discovery : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
        // v1/v2c take the agent port from the per-device file.
        dir.WriteDeviceFile(sim.Port());
        KvMessageBox::SetScript([](const KvMessageBox::Request&) { return QMessageBox::Ok; });
    }
    void TearDown() override {
        KvMessageBox::SetScript(nullptr);
        SetSessionDefaults();
    }

    kxtest::KxsimAgent sim{{"--seed", "7"}};
    kxtest::ModuleDir dir;
};

TEST_F(Discovery, DefaultStackBecomesPanelsWithLiveLeds) {
    TMainForm form({"/I127.0.0.1", "/Rpublic", "/Wprivate"});
    // Units 1, 2 and 4 (unit 3 does not exist); a KM20CX beside unit 1.
    ASSERT_EQ(form.UnitPanels.size(), 3) << form.StatusPanel(0)->text().toStdString();
    EXPECT_EQ(form.UnitPanels[0]->objectName(), "TPanelKX7026GForm");
    EXPECT_EQ(form.UnitPanels[1]->objectName(), "TPanelKX7050Form");
    EXPECT_EQ(form.UnitPanels[2]->objectName(), "TPanelKG7124iForm");
    EXPECT_EQ(form.UnitPanels[2]->UnitNumber, 4);
    EXPECT_EQ(form.UnitPanels[1]->y(), 90);
    EXPECT_EQ(form.UnitPanels[2]->y(), 180);
    ASSERT_EQ(form.ModulePanels.size(), 1);
    EXPECT_EQ(form.ModulePanels[0]->objectName(), "TfrmKM20CX");
    EXPECT_EQ(form.ModulePanels[0]->pos(), QPoint(781, 0));
    EXPECT_EQ(form.ST_RmonState->text(), "enabled");
    EXPECT_TRUE(form.MenuAction("RMON / Statistics")->isEnabled());

    // The first LED reading paints the power LED green on every panel.
    auto powerGreen = [&] {
        for (TPanelForm* p : form.UnitPanels) {
            if (!p->LedRequest || p->LedRequest->Leds.empty()) return false;
            if (p->LedRequest->Leds[0]->Color != 0x00FF00) return false;
        }
        return true;
    };
    EXPECT_TRUE(kxtest::WaitFor(powerGreen, 5000));
    EXPECT_TRUE(form.UnitPanels[0]->LedRequest->PollTimer->isActive());

    // RMON disabled on the switch greys the RMON tool entries.
    QString out;
    ASSERT_EQ(kxtest::RunProgram(kxtest::SnmpTool("snmpset"),
                                 {"-v2c", "-c", "private", "-On", sim.Target(), "1.3.6.1.4.1.99402.11.59.7.2.1.2.3.0",
                                  "i", "2"},
                                 &out),
              0)
        << out.toStdString();
    form.RefreshRmonState();
    EXPECT_EQ(form.ST_RmonState->text(), "disabled");
    EXPECT_FALSE(form.MenuAction("RMON / History")->isEnabled());

    // Cancelling the exit question keeps everything polling; OK stops every poll.
    QList<QPointer<QTimer>> timers;
    for (TPanelForm* p : form.UnitPanels) timers.append(p->LedRequest->PollTimer);
    KvMessageBox::SetScript([](const KvMessageBox::Request&) { return QMessageBox::Cancel; });
    EXPECT_FALSE(form.close());
    for (auto& timer : timers) EXPECT_TRUE(timer && timer->isActive());
    KvMessageBox::SetScript([](const KvMessageBox::Request&) { return QMessageBox::Ok; });
    EXPECT_TRUE(form.close());
    EXPECT_TRUE(form.UnitPanels.isEmpty());
    for (auto& timer : timers) EXPECT_TRUE(timer.isNull() || !timer->isActive());
}

TEST_F(Discovery, NoAnswerLeavesTheRowStoresAndAStatusLine) {
    sim.Stop();
    TMainForm form({"/I127.0.0.1", "/Rpublic", "/Wprivate"});
    EXPECT_TRUE(form.UnitPanels.isEmpty());
    EXPECT_TRUE(form.UnitListView->isVisible() || !form.isVisible());
    EXPECT_FALSE(form.StatusPanel(0)->text().isEmpty());
}

} // namespace
