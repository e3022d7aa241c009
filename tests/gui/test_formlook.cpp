// How the configuration forms look with the platform's font: no generated
// control overlaps another, no label or button is narrower than what it
// shows, and everything lies inside its window. With KX_FORM_SCREENSHOTS
// set to a directory the forms are also saved there as PNG files.
#include "formtools.h"
#include "kvmessagebox.h"
#include "kvoptionlist.h"
#include "kvsnmprequest2edits.h"
#include "kvsnmpsession.h"
#include "kxsimagent.h"
#include "tconfigform.h"
#include "tctrlbtnpanel.h"
#include "tlayoutadapter.h"
#include "tsnmpeditorpanel.h"
#include "tsnmplistviewpanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

const QString kObjects = QString(KX_SOURCE_DIR) + "/tests/gui/data/form-objects.txt";

const _Option_s kStateTable[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {}};
const KvOptionList kStates(kStateTable, KvOptionList::kIntegerValues);
const _Option_s kRowStatusTable[] = {{1, "active"},      {2, "notInService"},  {3, "notReady"},
                                     {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"}, {}};
const KvOptionList kRowStatus(kRowStatusTable, KvOptionList::kIntegerValues);

const _SNMPVar_s kEditorVars[] = {
    {"1.3.6.1.4.1.99402.98.1.1", "System Description", synDisplayString, vfReadWrite},
    {"1.3.6.1.4.1.99402.98.1.2", "Priority Level [0-240]", synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.98.1.3", "Port Security State", synInteger, vfReadWrite, &kStates},
    {"1.3.6.1.4.1.99402.98.1.4", "Up Time", synInteger, vfReadOnly},
    {},
};
_UIItem_s gEditorItems[5];

const _SNMPVar_s kTableVars[] = {
    {"1.3.6.1.4.1.99402.98.2.1.1", "Unit", synInteger, vfIndex},
    {"1.3.6.1.4.1.99402.98.2.1.2", "Slot", synInteger, vfIndex},
    {"1.3.6.1.4.1.99402.98.2.1.3", "Module Name", synDisplayString, vfReadWrite},
    {"1.3.6.1.4.1.99402.98.2.1.4", "Priority", synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.98.2.1.5", "Row Status", synInteger, vfReadWrite, &kRowStatus},
    {},
};
_UIItem_s gTableItems[6];

class FormLook : public kxtest::SessionSuite {
protected:
    void SetUp() override {
        KvMessageBox::SetScript([](const KvMessageBox::Request&) { return QMessageBox::Ok; });
        const _UIItem_s editor[] = {{uiCheckEdit, "%s", &kEditorVars[0]},
                                    {uiCheckEdit, "%i{n0x240l3}", &kEditorVars[1]},
                                    {uiCheckCombo, "%s", &kEditorVars[2]},
                                    {uiUncheckedEdit, "%i", &kEditorVars[3]},
                                    {}};
        std::copy(std::begin(editor), std::end(editor), gEditorItems);
        const _UIItem_s table[] = {{uiUncheckedEdit, "%i{n1x12}", &kTableVars[0]},
                                   {uiUncheckedEdit, "%i{n1x64}", &kTableVars[1]},
                                   {uiCheckEdit, "%s{l32}", &kTableVars[2]},
                                   {uiCheckEdit, "%i{n0x240}", &kTableVars[3]},
                                   {uiCheckCombo, "%s", &kTableVars[4]},
                                   {}};
        std::copy(std::begin(table), std::end(table), gTableItems);
    }
    void TearDown() override {
        KvMessageBox::SetScript(nullptr);
        SetSessionDefaults();
    }
    void Use(const kxtest::KxsimAgent& sim) {
        ASSERT_TRUE(sim.Running()) << sim.Log().toStdString();
        kxtest::UseSimulator(sim);
    }
    static void Save(QWidget* window, const QString& name) {
        const QString dir = qEnvironmentVariable("KX_FORM_SCREENSHOTS");
        if (dir.isEmpty()) return;
        QDir().mkpath(dir);
        EXPECT_TRUE(window->grab().save(QDir(dir).filePath(name)));
    }
    static QRect In(QWidget* w, QWidget* window) { return QRect(w->mapTo(window, QPoint(0, 0)), w->size()); }

    // Generated controls: shown ones do not overlap, labels are wide enough,
    // all lie inside the window.
    static void CheckItems(_UIItem_s* items, QWidget* window) {
        std::vector<std::pair<QString, QRect>> placed;
        for (int i = 0; items[i].Variable; ++i)
            for (QWidget* w : {static_cast<QWidget*>(items[i].CheckBox), static_cast<QWidget*>(items[i].Label),
                               items[i].Control})
                if (w && w->isVisible()) placed.emplace_back(w->metaObject()->className() + QString::number(i), In(w, window));
        ASSERT_FALSE(placed.empty());
        for (size_t a = 0; a < placed.size(); ++a) {
            EXPECT_TRUE(window->rect().contains(placed[a].second)) << placed[a].first.toStdString();
            for (size_t b = a + 1; b < placed.size(); ++b)
                EXPECT_FALSE(placed[a].second.intersects(placed[b].second))
                    << placed[a].first.toStdString() << " and " << placed[b].first.toStdString();
        }
        for (int i = 0; items[i].Variable; ++i) {
            QLabel* label = items[i].Label;
            EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text())) << label->text().toStdString();
            EXPECT_GE(label->height(), label->fontMetrics().height());
        }
    }
    // Visible buttons of a column are as large as their content needs.
    static void CheckButtons(TCtrlBtnPanel* buttons, QWidget* window) {
        for (QWidget* child : buttons->Order) {
            if (!child->isVisible()) continue;
            SCOPED_TRACE(child->metaObject()->className());
            EXPECT_TRUE(window->rect().contains(In(child, window)));
            if (auto* b = qobject_cast<QPushButton*>(child)) {
                SCOPED_TRACE(TCtrlBtnPanel::Caption(b).toStdString());
                EXPECT_LE(b->sizeHint().width(), b->width());
                EXPECT_LE(b->sizeHint().height(), b->height());
            }
        }
    }

};

TEST_F(FormLook, EditorForm) {
    kxtest::KxsimAgent sim({"--objects", kObjects});
    Use(sim);
    TConfigForm form;
    auto* request = new KvSNMPRequest2Edits(&form);
    request->VarList.Assign(KvSNMPVarList(kEditorVars, KvSNMPVarList::kScalars, 0));
    form.SetupEditor(request, gEditorItems);
    form.setWindowTitle(TConfigForm::CaptionFor("Device Control", "127.0.0.1"));
    form.show();
    TSNMPLayoutAdapter* adapter = form.EditorPanel->Adapter();
    ASSERT_TRUE(formtest::WaitFor([&] { return adapter->GetDone && !request->Busy; }));
    QApplication::processEvents();
    EXPECT_EQ(form.EditorPanel->Buttons->width(), 116);
    CheckItems(gEditorItems, &form);
    CheckButtons(form.EditorPanel->Buttons, &form);
    Save(&form, "configform-editor.png");
}

TEST_F(FormLook, TableFormAndEditDialog) {
    kxtest::KxsimAgent sim({"--objects", kObjects});
    Use(sim);
    TConfigForm form;
    auto* request = new KvSNMPRequest2Edits(&form);
    request->VarList.Assign(KvSNMPVarList(kTableVars, KvSNMPVarList::kTable, 2));
    form.SetupTable(request, gTableItems, 4, "createAndGo", 4, "destroy");
    form.ShowStopButton();
    form.resize(form.width(), TConfigForm::Scaled(300));
    form.setWindowTitle(TConfigForm::CaptionFor("Module Table", "127.0.0.1"));
    form.show();
    TSNMPLayoutAdapter* adapter = form.TablePanel->Adapter();
    QTreeWidget* list = form.TablePanel->ListView;
    ASSERT_TRUE(formtest::WaitFor([&] { return adapter->GetDone && !request->Busy; }));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(1)).center());
    QApplication::processEvents();
    EXPECT_EQ(form.TablePanel->Buttons->width(), 116);
    CheckButtons(form.TablePanel->Buttons, &form);
    for (int c = 0; c < list->columnCount(); ++c)
        EXPECT_GE(list->columnWidth(c), list->fontMetrics().horizontalAdvance(list->headerItem()->text(c)));
    Save(&form, "configform-table.png");

    formtest::ModalProbe probe([&](QDialog* dialog) {
        QApplication::processEvents();
        CheckItems(gTableItems, dialog);
        CheckButtons(dialog->findChild<TSNMPPanel*>()->Buttons, dialog);
        Save(dialog, "configform-table-edit.png");
    });
    QTest::mouseClick(form.TablePanel->Buttons->EditButton, Qt::LeftButton);
    EXPECT_TRUE(probe.Opened());
}

} // namespace
