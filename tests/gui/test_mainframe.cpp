// The main window's frame: panel placement, port selection, the menu as
// data, RMON entries, About, and the exit question.
#include "kvmessagebox.h"
#include "kvmessages.h"
#include "kvsnmpsession.h"
#include "kxtestfiles.h"
#include "menucatalogue.h"
#include "taboutform.h"
#include "tmainform.h"
#include "tmodulepanelform.h"
#include "tpanelform.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class MainFrame : public ::testing::Test {
protected:
    void SetUp() override {
        KvMessageBox::SetScript([this](const KvMessageBox::Request& r) {
            asked.push_back(r.Caption.toStdString() + ": " + r.Text.toStdString());
            return answer;
        });
        form = std::make_unique<TMainForm>(QStringList{"/I127.0.0.1"}, nullptr, false);
        form->StartLedPolling = false; // no agent here
    }
    void TearDown() override {
        form.reset();
        KvMessageBox::SetScript(nullptr);
        SetSessionDefaults();
    }
    void AddModuleRow(const char* unit, const char* name) {
        auto* item = new QTreeWidgetItem(form->lvSubUnit);
        item->setText(0, unit);
        item->setText(1, name);
    }

    kxtest::ModuleDir dir;
    std::vector<std::string> asked;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    std::unique_ptr<TMainForm> form;
};

TEST_F(MainFrame, UnitsStackOnePixelApartAndModulesSitToTheRight) {
    AddModuleRow("1", "KM20CX");
    AddModuleRow("3", "-");
    form->AddUnitPanel("KX-7026G", "1", 0);
    form->AddUnitPanel("KG-7124*", "3", 1);
    form->AddUnitPanel("KG-6124", "4", 2); // unknown model: no panel
    ASSERT_EQ(form->UnitPanels.size(), 2);
    EXPECT_EQ(form->UnitPanels[0]->pos(), QPoint(0, 0));
    EXPECT_EQ(form->UnitPanels[1]->pos(), QPoint(0, 90));
    EXPECT_EQ(form->UnitPanels[1]->objectName(), "TPanelKG7124Form");
    ASSERT_EQ(form->ModulePanels.size(), 1);
    EXPECT_EQ(form->ModulePanels[0]->objectName(), "TfrmKM20CX");
    EXPECT_EQ(form->ModulePanels[0]->pos(), QPoint(781, 0));
    EXPECT_EQ(form->ClientSize().width(), 780 + 194 + 8);
    EXPECT_EQ(form->ClientSize().height(), 90 + 89 + form->statusBar()->sizeHint().height() + 1 + 4);
    // Port buttons of both units and the module, tagged stack-wide.
    EXPECT_EQ(form->PortButtons.size(), 28 + 2 + 28);
    EXPECT_EQ(form->PortButtons[28]->property("tag").toInt(), 25);
    EXPECT_EQ(form->PortButtons.back()->property("tag").toInt(), 128 + 24);
    EXPECT_FALSE(form->ImageList1.value(2).isNull());
}

TEST_F(MainFrame, OnlyTheLastClickedPortStaysPressed) {
    form->AddUnitPanel("KX-7026G", "1", -1);
    QToolButton* port5 = form->UnitPanels[0]->Button("SpeedButton5");
    QToolButton* port7 = form->UnitPanels[0]->Button("SpeedButton7");
    port5->click();
    port7->click();
    int pressed = 0;
    for (QToolButton* b : form->PortButtons) pressed += b->isChecked();
    EXPECT_EQ(pressed, 1);
    EXPECT_TRUE(port7->isChecked());
}

TEST_F(MainFrame, MenuFollowsTheCatalogue) {
    int tools = 0;
    for (const _MenuEntry_s* e = MainMenuCatalogue; e->Path; ++e) {
        if (e->Kind == KvMenuKind::Separator) continue;
        SCOPED_TRACE(e->Path);
        QAction* action = form->MenuAction(e->Path);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->isVisible(), !e->Hidden);
        tools += e->Kind == KvMenuKind::Tool;
    }
    EXPECT_EQ(tools, 27);
    // RMON entries follow the state text; other texts change nothing.
    form->ApplyRmonState("disabled");
    EXPECT_FALSE(form->MenuAction("RMON / History")->isEnabled());
    form->ApplyRmonState("(NULL)");
    EXPECT_FALSE(form->MenuAction("RMON / Statistics")->isEnabled());
    form->ApplyRmonState("enabled");
    EXPECT_TRUE(form->MenuAction("RMON / Alarm/Event")->isEnabled());
    // A tool entry without any platform reports it.
    form->MenuAction("RMON / History")->trigger();
    EXPECT_EQ(form->StatusPanel(0)->text(), "No Path!");
    // Help without the help file says so.
    form->MenuAction("Help / Help")->trigger();
    EXPECT_TRUE(form->StatusPanel(0)->text().startsWith("Help file not found: ")) << form->StatusPanel(0)->text().toStdString();
}

TEST_F(MainFrame, ExitAsksAndCancelKeepsTheWindow) {
    form->AddUnitPanel("KX-7026G", "1", -1);
    form->show();
    answer = QMessageBox::Cancel;
    EXPECT_FALSE(form->close());
    EXPECT_EQ(asked.back(), "Confirm: Exit KX-7026G Management Module");
    EXPECT_EQ(form->UnitPanels.size(), 1);
    answer = QMessageBox::Ok;
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(form->UnitPanels.isEmpty());
}

TEST(AboutForm, TextsAndTheHiddenLine) {
    TAboutForm about;
    about.show();
    EXPECT_EQ(about.windowTitle(), "About KX7026G Module");
    EXPECT_EQ(about.ProductLine->text(), "Korvane KX7026G Management Module");
    EXPECT_EQ(about.VersionLine->text(), "Release Version 4.20 (Build Nov 28,2005)");
    QKeyEvent plain(QEvent::KeyPress, Qt::Key_F3, Qt::ShiftModifier);
    QCoreApplication::sendEvent(about.OKButton, &plain);
    EXPECT_EQ(about.VersionLine->text(), "Release Version 4.20 (Build Nov 28,2005)");
    QKeyEvent secret(QEvent::KeyPress, Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier);
    QCoreApplication::sendEvent(about.OKButton, &secret);
    EXPECT_EQ(about.VersionLine->text(), "Hndyyci Ugjgkee 8.82.Q17");
    about.OKButton->click();
    EXPECT_FALSE(about.isVisible());
}

} // namespace
