// Configuration forms without an agent: generated controls and their layout
// numbers, derived UI tables, the command button column, form sizes and
// captions, the table page's labels, Edit rule, hint and button enabling.
#include "formtools.h"
#include "kvexception.h"
#include "kvmessagebox.h"
#include "kvoptionlist.h"
#include "kvsnmprequest2edits.h"
#include "kxtestfiles.h"
#include "tconfigform.h"
#include "tctrlbtnpanel.h"
#include "tlayoutadapter.h"
#include "tlayoutmanger.h"
#include "tmsgpanel.h"
#include "tpanellistviewcontainer.h"
#include "tsnmpeditorpanel.h"
#include "tsnmplistviewpanel.h"
#include "tuigenerator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

const _Option_s kStateOptions[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {}};
const KvOptionList kStates(kStateOptions, KvOptionList::kIntegerValues);

const _SNMPVar_s kMixedVars[] = {
    {"1.3.6.1.4.1.99402.98.1.1", "Description", synDisplayString, vfReadWrite},
    {"1.3.6.1.4.1.99402.98.1.3", "State", synInteger, vfReadWrite, &kStates},
    {"1.3.6.1.4.1.99402.98.1.4", "Up Time In Hundredths", synInteger, vfReadOnly},
    {},
};

_UIItem_s* MixedItems() {
    static _UIItem_s items[4];
    const _UIItem_s fresh[] = {
        {uiCheckEdit, "%s", &kMixedVars[0]},
        {uiCheckCombo, "%s", &kMixedVars[1]},
        {uiUncheckedEdit, "%i", &kMixedVars[2]},
        {},
    };
    std::copy(std::begin(fresh), std::end(fresh), items);
    return items;
}

int MaxWidth(std::initializer_list<QWidget*> widgets) {
    int w = 0;
    for (QWidget* x : widgets) w = std::max(w, x->width());
    return w;
}

// --- Generation and layout ---------------------------------------------------------

TEST(FlowLayout, RowsOfCheckBoxLabelAndValueControl) {
    QWidget page, container;
    _UIItem_s* items = MixedItems();
    TUIGenerator generator(items, &page);
    ASSERT_EQ(generator.Controls.size(), 9);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(generator.Controls[3 * i], items[i].CheckBox);
        EXPECT_EQ(generator.Controls[3 * i + 1], items[i].Label);
        EXPECT_EQ(generator.Controls[3 * i + 2], items[i].Control);
        EXPECT_EQ(items[i].CheckBox->width(), 20);
    }
    EXPECT_TRUE(items[0].CheckBox->isChecked());
    EXPECT_TRUE(qobject_cast<QComboBox*>(items[1].Control));
    EXPECT_FALSE(items[2].CheckBox->isChecked());
    EXPECT_TRUE(items[2].CheckBox->isHidden()) << "a read-only edit has no check box";
    EXPECT_TRUE(static_cast<QLineEdit*>(items[2].Control)->isReadOnly());
    EXPECT_EQ(items[2].Control->focusPolicy(), Qt::NoFocus);

    TFlowLayoutManger layout(&page, &container, &generator.Controls);
    layout.Layout(2);
    const int widest = MaxWidth({items[0].Label, items[1].Label, items[2].Label});
    EXPECT_GE(widest, items[2].Label->fontMetrics().horizontalAdvance("Up Time In Hundredths")) << "label fits its caption";
    int y = 20;
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        QWidget* b = items[k].CheckBox;
        QWidget* l = items[k].Label;
        QWidget* v = items[k].Control;
        EXPECT_EQ(v->parentWidget(), &container);
        if (k > 0) y += v->height() + 5;
        EXPECT_EQ(v->geometry(), QRect(20 + 20 + 5 + widest + 5, y, 121, v->height()));
        EXPECT_EQ(b->pos(), QPoint(20, y + (v->height() - b->height()) / 2));
        EXPECT_EQ(l->pos(), QPoint(45, y + (v->height() - l->height()) / 2));
    }
    EXPECT_EQ(layout.ExtentRight, 45 + widest + 5 + 121);
    EXPECT_EQ(layout.ExtentBottom, items[2].Control->y() + items[2].Control->height());
    const int chars = QString("Description").size() + QString("State").size() + QString("Up Time In Hundredths").size();
    EXPECT_EQ(layout.LabelChars, chars);
    layout.Layout(2);
    EXPECT_EQ(layout.LabelChars, 2 * chars) << "every run adds its captions";
}

TEST(FlowLayout, WithoutVisibleCheckBoxesLabelsAndValuesMoveLeft) {
    const _SNMPVar_s vars[] = {
        {"1.3.6.1.4.1.99402.98.1.1", "A", synInteger, vfReadOnly},
        {"1.3.6.1.4.1.99402.98.1.2", "Longer Label", synInteger, vfIndex},
        {},
    };
    _UIItem_s items[] = {{uiUncheckedEdit, "%i", &vars[0]}, {uiUncheckedEdit, "%i", &vars[1]}, {}};
    QWidget page, container;
    TUIGenerator generator(items, &page);
    TFlowLayoutManger layout(&page, &container, &generator.Controls);
    layout.Layout(2);
    const int widest = MaxWidth({items[0].Label, items[1].Label});
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(items[k].Label->x(), 20);
        EXPECT_EQ(items[k].Control->x(), widest + 25);
        EXPECT_EQ(items[k].CheckBox->x(), 20) << "hidden boxes keep their place";
    }
    EXPECT_EQ(layout.ExtentRight, widest + 25 + 121);
}

TEST(FlowLayout, LowControlIsRaisedFromTheSecondRowOn) {
    QWidget page, container;
    _UIItem_s* items = MixedItems();
    TUIGenerator generator(items, &page);
    for (int k = 0; k < 3; ++k) items[k].Control->resize(items[k].Control->width(), 17);
    TFlowLayoutManger layout(&page, &container, &generator.Controls);
    layout.Layout(2);
    EXPECT_EQ(items[0].Control->height(), 17) << "the first row is never raised";
    EXPECT_EQ(items[1].Control->height(), 21);
    EXPECT_EQ(items[0].Control->y(), 20);
    EXPECT_EQ(items[1].Control->y(), 20 + 21 + 5);
    EXPECT_EQ(items[2].Control->y(), 20 + 21 + 5 + 21 + 5);
    EXPECT_EQ(items[0].CheckBox->y(), 20 + (17 - items[0].CheckBox->height()) / 2);
}

TEST(FlowLayout, TallLabelStartsAboveItsRow) {
    QWidget page, container;
    _UIItem_s* items = MixedItems();
    TUIGenerator generator(items, &page);
    QFont big = items[1].Label->font();
    big.setPixelSize(40);
    items[1].Label->setFont(big);
    TFlowLayoutManger layout(&page, &container, &generator.Controls);
    layout.Layout(2);
    QWidget* v = items[1].Control;
    QWidget* l = items[1].Label;
    ASSERT_GT(l->height(), v->height());
    EXPECT_EQ(l->y(), v->y() + (v->height() - l->height()) / 2);
    EXPECT_LT(l->y(), v->y());
}

TEST(FlowLayout, MemoAloneFillsTheContainer) {
    const _SNMPVar_s vars[] = {{"1.3.6.1.4.1.99402.98.1.1", "Log", synDisplayString, vfReadOnly}, {}};
    _UIItem_s items[] = {{uiMemo, "%s", &vars[0]}, {}};
    QWidget page, container;
    TUIGenerator generator(items, &page);
    ASSERT_EQ(generator.Controls.size(), 1);
    EXPECT_EQ(items[0].CheckBox, nullptr);
    EXPECT_EQ(items[0].Label, nullptr);
    TFlowLayoutManger layout(&page, &container, &generator.Controls);
    layout.Layout(2);
    container.resize(300, 200);
    container.show();
    QApplication::processEvents();
    EXPECT_EQ(items[0].Control->geometry(), QRect(0, 0, 300, 200));
    EXPECT_EQ(layout.ExtentRight, 0);
    EXPECT_EQ(layout.ExtentBottom, 0);
}

// --- Derived UI tables ---------------------------------------------------------------

TEST(AutoItems, KindAndFormatFollowSyntaxOptionsAndFlags) {
    const _SNMPVar_s vars[] = {
        {"1.3.6.1.4.1.99402.98.9.1", "ro-enum", synInteger, vfReadOnly, &kStates},
        {"1.3.6.1.4.1.99402.98.9.2", "rw-int", synInteger, vfReadWrite},
        {"1.3.6.1.4.1.99402.98.9.3", "rw-octets", synOctetString, vfReadWrite},
        {"1.3.6.1.4.1.99402.98.9.4", "rw-enum", synInteger, vfReadWrite, &kStates},
        {"1.3.6.1.4.1.99402.98.9.5", "key-int", synInteger, vfIndex},
        {"1.3.6.1.4.1.99402.98.9.6", "ro-text", synDisplayString, vfReadOnly},
        {"1.3.6.1.4.1.99402.98.9.7", "implied-key", synDisplayString, vfImpliedIndex},
        {},
    };
    struct Expected {
        int32_t kind;
        const char* format;
    };
    const Expected expected[] = {{uiUncheckedEdit, "%s"}, {uiCheckEdit, "%i"}, {uiCheckEdit, "%s"},
                                 {uiCheckCombo, "%s"},    {uiUncheckedEdit, "%i"}, {uiUncheckedEdit, "%s"},
                                 {uiCheckEdit, "%s"}};
    const KvSNMPVarList list(vars, KvSNMPVarList::kTable, 1);
    auto table = TConfigForm::BuildAutoItems(list);
    ASSERT_EQ(table->Count(), 7);
    _UIItem_s* items = table->Items();
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(list.Item(i).Name);
        EXPECT_EQ(items[i].Kind, expected[i].kind);
        EXPECT_STREQ(items[i].Format, expected[i].format);
        ASSERT_NE(items[i].Variable, nullptr);
        EXPECT_EQ(std::string(items[i].Variable->Name), list.Item(i).Name);
        EXPECT_EQ(items[i].Variable->Flags, list.Item(i).Flags);
        EXPECT_EQ(items[i].Control, nullptr);
    }
    EXPECT_EQ(items[7].Kind, 0);
    EXPECT_EQ(items[7].Format, nullptr);
    EXPECT_EQ(items[7].Variable, nullptr);
    EXPECT_EQ(UIItemCount(items), 7);
}

// --- Range suffix ------------------------------------------------------------------------

TEST(RangeSuffix, FromTheLastBraceGroup) {
    const struct {
        const char* format;
        const char* suffix;
    } cases[] = {
        {"%i{n0x240}", "[0..240]"},
        {"%i{n0x7l1}", "[0..7]"},
        {"%i{n1x4094l4}", "[1..4094]"},
        {"%i{n0x200000000l9}", "[0..200000000]"},
        {"%s{l15}", ""},
        {"%i", ""},
        {"%i{x5}", ""},
        {"%i{n3}", "[3..]"},
        {"%i{x9n2}", "[2..9]"},
        {"%i{n1x2}%i{n5x6}", "[5..6]"},
        {nullptr, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format ? c.format : "(null)");
        EXPECT_EQ(TSNMPListViewPanel::RangeSuffix(c.format), c.suffix);
    }
}

// --- Button column ------------------------------------------------------------------------

class ButtonColumn : public ::testing::Test {
protected:
    void SetUp() override {
        oldCwd_ = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(dir.Path()));
    }
    void TearDown() override { QDir::setCurrent(oldCwd_); }

    kxtest::TempDir dir;
    QString oldCwd_;
};

TEST_F(ButtonColumn, ChildrenStackFromTheTop) {
    TCtrlBtnPanel panel(nullptr);
    EXPECT_EQ(panel.width(), 116);
    ASSERT_EQ(panel.Order.size(), 11);
    EXPECT_EQ(panel.Order[2], panel.RefreshButton);
    EXPECT_EQ(panel.Order.back(), panel.CloseButton);
    int y = 10;
    for (QWidget* child : panel.Order) {
        EXPECT_EQ(child->geometry(), QRect(10, y, 96, child->height()));
        y += child->height() + 5;
    }
    panel.HideRowCount();
    panel.HideSamplesLabel();
    EXPECT_EQ(panel.RefreshButton->y(), 10);
    const int setTop = panel.SetButton->y();
    panel.HideSet();
    EXPECT_EQ(panel.AddButton->y(), setTop) << "a hidden child takes no room";
    EXPECT_EQ(panel.SetButton->y(), setTop) << "and keeps a position";
    panel.ShowSetOnly();
    EXPECT_FALSE(panel.SetButton->isHidden());
    EXPECT_TRUE(panel.CheckAllButton->isHidden());
    EXPECT_TRUE(panel.ClearChecksButton->isHidden());
    panel.ShowSetGroup();
    EXPECT_FALSE(panel.CheckAllButton->isHidden());
    panel.ShowNoSetGroup();
    EXPECT_TRUE(panel.SetButton->isHidden() && panel.CheckAllButton->isHidden() && panel.ClearChecksButton->isHidden());
}

TEST_F(ButtonColumn, GlyphsFromTheCurrentDirectoryThenPackaged) {
    // A 32 x 16 bitmap holds two 16 x 16 glyphs; its bottom-left colour is transparent.
    QImage strip(32, 16, QImage::Format_RGB32);
    strip.fill(Qt::magenta);
    QPainter(&strip).fillRect(4, 4, 8, 8, Qt::blue);
    ASSERT_TRUE(strip.save(QString::fromStdString(dir.File("SetCheck.bmp")), "BMP"));
    dir.Write("Delete.bmp", "not a bitmap");

    TCtrlBtnPanel panel(nullptr);
    EXPECT_EQ(panel.SetButton->text(), "") << "the bitmap stands for the caption";
    EXPECT_EQ(TCtrlBtnPanel::Caption(panel.SetButton), "Set");
    const QPixmap glyph = panel.SetButton->icon().pixmap(16, 16);
    EXPECT_EQ(panel.SetButton->iconSize(), QSize(16, 16));
    const QImage shown = glyph.toImage();
    EXPECT_EQ(shown.pixelColor(0, 15).alpha(), 0) << "bottom-left colour is transparent";
    EXPECT_EQ(shown.pixelColor(6, 6), QColor(Qt::blue));

    // An unreadable file is ignored: the packaged glyph is used.
    EXPECT_FALSE(panel.DeleteButton->icon().isNull());
    EXPECT_GT(panel.DeleteButton->iconSize().width(), 16);
    // Stop has no glyph and keeps its caption.
    EXPECT_TRUE(panel.StopButton->icon().isNull());
    EXPECT_EQ(panel.StopButton->text(), "Stop");
    for (QPushButton* b : {panel.RefreshButton, panel.ClearChecksButton, panel.CloseButton}) {
        SCOPED_TRACE(TCtrlBtnPanel::Caption(b).toStdString());
        EXPECT_FALSE(b->icon().isNull());
        EXPECT_LE(b->iconSize().width(), 96 - 8) << "the glyph fits its button";
    }
}

// --- Forms ------------------------------------------------------------------------------

// A request that is never sent: forms in these tests are not activated.
KvSNMPRequest2Edits* NewRequest(QWidget* form, const _SNMPVar_s* vars, uint8_t kind = KvSNMPVarList::kScalars,
                                int keys = 0) {
    auto* request = new KvSNMPRequest2Edits(form);
    request->VarList.Assign(KvSNMPVarList(vars, kind, keys));
    return request;
}

std::vector<QString> VisibleButtons(TCtrlBtnPanel* panel) {
    std::vector<QString> shown;
    for (QWidget* child : panel->Order)
        if (auto* b = qobject_cast<QPushButton*>(child); b && b->isVisibleTo(panel))
            shown.push_back(TCtrlBtnPanel::Caption(b));
    return shown;
}

TEST(ConfigForm, EditorButtonsFollowTheWritableItems) {
    const _SNMPVar_s allRead[] = {{"1.3.6.1.4.1.99402.98.1.1", "A", synInteger, vfReadOnly},
                                  {"1.3.6.1.4.1.99402.98.1.2", "B", synDisplayString, vfReadOnly},
                                  {}};
    const _SNMPVar_s oneWrite[] = {{"1.3.6.1.4.1.99402.98.1.1", "A", synInteger, vfReadOnly},
                                   {"1.3.6.1.4.1.99402.98.1.2", "B", synDisplayString, vfReadWrite},
                                   {}};
    const _SNMPVar_s twoWrite[] = {{"1.3.6.1.4.1.99402.98.1.1", "A", synInteger, vfReadWrite},
                                   {"1.3.6.1.4.1.99402.98.1.2", "B", synDisplayString, vfReadWrite},
                                   {}};
    const struct {
        const char* name;
        const _SNMPVar_s* vars;
        std::vector<QString> buttons;
    } cases[] = {
        {"all read-only", allRead, {"Refresh", "Close"}},
        {"one writable", oneWrite, {"Refresh", "Set", "Close"}},
        {"two writable", twoWrite, {"Refresh", "Set", "Check All", "Clear Checks", "Close"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TConfigForm form;
        form.SetupEditorAuto(NewRequest(&form, c.vars));
        ASSERT_EQ(form.FormType, TConfigForm::kEditorForm);
        TCtrlBtnPanel* buttons = form.EditorPanel->Buttons;
        EXPECT_EQ(VisibleButtons(buttons), c.buttons);
        EXPECT_EQ(buttons->RefreshButton->y(), 10) << "row count and label are hidden";
        EXPECT_FALSE(buttons->EditButton->isEnabled());
        EXPECT_EQ(form.ActiveRequest, form.Requests.front().get());
        EXPECT_EQ(form.AutoItems->Count(), 2);
        if (c.vars == allRead) {
            for (int i = 0; i < 2; ++i) {
                auto* edit = qobject_cast<QLineEdit*>(form.AutoItems->Items()[i].Control);
                ASSERT_NE(edit, nullptr);
                EXPECT_TRUE(edit->isReadOnly());
            }
        }
    }
}

TEST(ConfigForm, EditorSizeComesFromTheLayoutAndIsCut) {
    TConfigForm form;
    _UIItem_s* items = MixedItems();
    form.SetupEditor(NewRequest(&form, kMixedVars), items);
    TFlowLayoutManger* layout = form.EditorPanel->Container->LayoutManager.get();
    EXPECT_EQ(form.size(), QSize(layout->ExtentRight + 116 + 40, layout->ExtentBottom + TMsgPanel::kHeight + 60));
    EXPECT_EQ(form.windowTitle(), "test");
    form.SetTitle("Device Control");
    EXPECT_EQ(form.windowTitle(), "Device Control:");
    EXPECT_EQ(TConfigForm::CaptionFor("Device Control", "10.90.90.90"), "Device Control:10.90.90.90");

    // Forty rows with a long label do not fit: 800 x 550, and the rows scroll.
    static std::vector<std::string> names;
    std::vector<_SNMPVar_s> many;
    names.assign(40, std::string(90, 'W'));
    for (auto& n : names) many.push_back({"1.3.6.1.4.1.99402.98.1.1", n.c_str(), synDisplayString, vfReadWrite});
    many.push_back({});
    TConfigForm big;
    big.SetupEditorAuto(NewRequest(&big, many.data()));
    EXPECT_GT(big.EditorPanel->ContentSize.width(), 800);
    EXPECT_GT(big.EditorPanel->ContentSize.height(), 550);
    EXPECT_EQ(big.size(), QSize(800, 550));
    EXPECT_EQ(big.EditorPanel->Scroller->widget(), big.EditorPanel->Container);

    // The caller's height adjustment, scaled and truncated.
    EXPECT_EQ(TConfigForm::Scaled(450, 1.25), 562);
    EXPECT_EQ(TConfigForm::Scaled(450, 1.0), 450);
    EXPECT_EQ(TConfigForm::Scaled(450), 450) << "no main window: factor 1";
    big.resize(big.width(), TConfigForm::Scaled(450, 1.25));
    EXPECT_EQ(big.height(), 562);
}

TEST(ConfigForm, SecondSetUpIsRefused) {
    TConfigForm form;
    form.SetupEditor(NewRequest(&form, kMixedVars), MixedItems());
    std::unique_ptr<KvSNMPRequest2Edits> second(NewRequest(&form, kMixedVars));
    try {
        form.SetupTableAuto(second.get(), -1, nullptr, -1, nullptr);
        FAIL() << "no exception";
    } catch (const KvException& e) {
        EXPECT_EQ(e.Message(), "Can not change Type of a Config Form!");
    }
    EXPECT_THROW(form.SetupEditor(second.get(), MixedItems()), KvException);
    EXPECT_EQ(form.FormType, TConfigForm::kEditorForm);
    EXPECT_EQ(form.Requests.size(), 1u) << "the refused request stays the caller's";
    EXPECT_EQ(form.TablePanel, nullptr);
    EXPECT_EQ(form.AutoItems, nullptr);
}

TEST(ConfigForm, ClosingWithoutFormAsksForOne) {
    std::vector<QString> boxes;
    KvMessageBox::SetScript([&](const KvMessageBox::Request& r) {
        boxes.push_back(r.Text);
        return QMessageBox::Ok;
    });
    QWidget owner;
    TSNMPPanel page(&owner);
    page.Buttons->CloseButton->click();
    KvMessageBox::SetScript(nullptr);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Please initial close form");
}

// --- Table pages --------------------------------------------------------------------------

const _Option_s kRowStatusOptions[] = {{1, "active"},        {2, "notInService"}, {3, "notReady"},
                                       {4, "createAndGo"},   {5, "createAndWait"}, {6, "destroy"}, {}};
const KvOptionList kRowStatus(kRowStatusOptions, KvOptionList::kIntegerValues);

const _SNMPVar_s kTableVars[] = {
    {"1.3.6.1.4.1.99402.98.2.1.1", "Unit", synInteger, vfIndex},
    {"1.3.6.1.4.1.99402.98.2.1.2", "Slot", synInteger, vfIndex},
    {"1.3.6.1.4.1.99402.98.2.1.3", "Name", synDisplayString, vfReadWrite},
    {"1.3.6.1.4.1.99402.98.2.1.4", "Max Learn Address", synInteger, vfReadWrite},
    {"1.3.6.1.4.1.99402.98.2.1.5", "Status", synInteger, vfReadWrite, &kRowStatus},
    {},
};

_UIItem_s* TableItems() {
    static _UIItem_s items[6];
    const _UIItem_s fresh[] = {
        {uiUncheckedEdit, "%i", &kTableVars[0]}, {uiUncheckedEdit, "%i", &kTableVars[1]},
        {uiCheckEdit, "%s{l15}", &kTableVars[2]}, {uiCheckEdit, "%i{n0x64}", &kTableVars[3]},
        {uiCheckCombo, "%s", &kTableVars[4]},     {},
    };
    std::copy(std::begin(fresh), std::end(fresh), items);
    return items;
}

TEST(TablePage, LabelsCarryTheRangeOnlyOnTablePages) {
    {
        TConfigForm form;
        _UIItem_s* items = TableItems();
        form.SetupTable(NewRequest(&form, kTableVars, KvSNMPVarList::kTable, 2), items, 4, "createAndGo", 4,
                        "destroy");
        EXPECT_EQ(items[3].Label->text(), "Max Learn Address[0..64]");
        EXPECT_EQ(items[2].Label->text(), "Name");
        EXPECT_GE(items[3].Label->width(), items[3].Label->fontMetrics().horizontalAdvance("Max Learn Address[0..64]"));
        TSNMPListViewPanel* page = form.TablePanel;
        TFlowLayoutManger* layout = page->Container->LayoutManager.get();
        const int plainChars = 4 + 4 + 4 + 17 + 6;
        EXPECT_EQ(page->ContentSize.width(), 8 * plainChars + 116 + 40) << "sized before the ranges were added";
        EXPECT_EQ(layout->LabelChars, 2 * plainChars + 7);
        TSNMPLayoutAdapter* adapter = page->Adapter();
        EXPECT_EQ(adapter->KeyCount, 2);
        EXPECT_EQ(adapter->AddIndex, 4);
        EXPECT_EQ(adapter->DeleteValue, "destroy");
        EXPECT_EQ(TCtrlBtnPanel::Caption(page->Buttons->EditButton), "Edit");
        EXPECT_EQ(VisibleButtons(page->Buttons), (std::vector<QString>{"Refresh", "Edit", "Add", "Delete", "Close"}));
        EXPECT_FALSE(page->Buttons->RowCount->isHidden());
        auto* container = page->ListContainer();
        EXPECT_TRUE(container->EditorBox->isHidden());
        EXPECT_EQ(items[3].Control->parentWidget(), container->EditorContent());
        EXPECT_EQ(page->ListView->columnCount(), 5);
        EXPECT_TRUE(page->ListView->header()->isVisible() || page->ListView->header()->isVisibleTo(page->ListView));
    }
    {
        TConfigForm form;
        _UIItem_s* items = TableItems();
        form.SetupEditor(NewRequest(&form, kTableVars), items);
        EXPECT_EQ(items[3].Label->text(), "Max Learn Address");
    }
}

TEST(TablePage, EditButtonNeedsAWritableRowField) {
    const _SNMPVar_s keyOnly[] = {{"1.3.6.1.4.1.99402.98.2.1.1", "Unit", synInteger, vfReadWrite},
                                  {"1.3.6.1.4.1.99402.98.2.1.3", "Name", synDisplayString, vfReadOnly},
                                  {}};
    const struct {
        const char* name;
        uint8_t kind;
        bool edit;
    } cases[] = {
        {"kind 2, only the key writable", KvSNMPVarList::kTable, false},
        {"kind 3, editable keys", KvSNMPVarList::kTableEditKeys, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TConfigForm form;
        form.SetupTableAuto(NewRequest(&form, keyOnly, c.kind, 1), -1, nullptr, -1, nullptr);
        EXPECT_EQ(form.TablePanel->Buttons->EditButton->isVisibleTo(form.TablePanel->Buttons), c.edit);
        EXPECT_EQ(VisibleButtons(form.TablePanel->Buttons).size(), c.edit ? 3u : 2u) << "no Add, no Delete";
    }
    TConfigForm form;
    form.SetupTable(NewRequest(&form, kTableVars, KvSNMPVarList::kTable, 2), TableItems(), -1, nullptr, -1, nullptr);
    EXPECT_TRUE(form.TablePanel->Buttons->EditButton->isVisibleTo(form.TablePanel->Buttons));
    form.HideEditButton();
    EXPECT_FALSE(form.TablePanel->Buttons->EditButton->isVisibleTo(form.TablePanel->Buttons));
    EXPECT_FALSE(form.TablePanel->Buttons->StopButton->isVisibleTo(form.TablePanel->Buttons));
    form.ShowStopButton();
    EXPECT_TRUE(form.TablePanel->Buttons->StopButton->isVisibleTo(form.TablePanel->Buttons));
}

TEST(TablePage, RowHintHasOneTabAlignedLinePerColumn) {
    QTreeWidget list;
    list.setHeaderLabels({"A", "Name", "Value"});
    auto* row = new QTreeWidgetItem(QStringList{"1", "uplink", "42"});
    list.addTopLevelItem(row);
    EXPECT_EQ(TPanelListViewContainer::RowHint(&list, row), "A\t\t\t\t  1\nName\t  uplink\nValue  42\n");
    EXPECT_EQ(TPanelListViewContainer::RowHint(&list, nullptr), "");
}

// A table form with rows put in by hand, shown but never read.
class ShownTable : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TConfigForm>();
        items = TableItems();
        form->SetupTable(NewRequest(form.get(), kTableVars, KvSNMPVarList::kTable, 2), items, 4, "createAndGo", 4,
                         "destroy");
        form->Activated = true;  // no read
        form->show();
        list = form->TablePanel->ListView;
        for (const QStringList& texts : {QStringList{"1", "1", "uplink", "5", "active"},
                                         QStringList{"1", "12", "server", "7", "active"}})
            list->addTopLevelItem(new QTreeWidgetItem(texts));
        QApplication::processEvents();
    }
    void TearDown() override { form.reset(); }

    QPoint RowCentre(int r) { return list->visualItemRect(list->topLevelItem(r)).center(); }
    QPoint Empty() { return {list->viewport()->width() / 2, list->viewport()->height() - 5}; }

    std::unique_ptr<TConfigForm> form;
    _UIItem_s* items = nullptr;
    QTreeWidget* list = nullptr;
};

TEST_F(ShownTable, ClickingEnablesEditAndDeleteOnlyOnARow) {
    TCtrlBtnPanel* buttons = form->TablePanel->Buttons;
    EXPECT_EQ(buttons->RowCount->text(), "2");
    EXPECT_FALSE(buttons->EditButton->isEnabled());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(1));
    EXPECT_EQ(list->currentItem(), list->topLevelItem(1));
    EXPECT_TRUE(buttons->EditButton->isEnabled());
    EXPECT_TRUE(buttons->DeleteButton->isEnabled());
    list->clearSelection();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, Empty());
    EXPECT_FALSE(buttons->EditButton->isEnabled());
    EXPECT_FALSE(buttons->DeleteButton->isEnabled());
    // A hidden button is enabled whatever the selection.
    form->HideEditButton();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, Empty());
    EXPECT_TRUE(buttons->EditButton->isEnabled());
}

TEST_F(ShownTable, StopClearsBothObstaclesAndStopsTheRequest) {
    std::vector<QString> boxes;
    KvMessageBox::SetScript([&](const KvMessageBox::Request& r) {
        boxes.push_back(r.Text);
        return QMessageBox::Ok;
    });
    TSNMPLayoutAdapter* adapter = form->TablePanel->Adapter();
    adapter->GetDone = true;
    adapter->SetDone = false;
    adapter->SetClick();
    adapter->GetDone = false;
    adapter->SetClick();
    adapter->RefreshClick();
    KvMessageBox::SetScript(nullptr);
    EXPECT_EQ(boxes, (std::vector<QString>{"Modify data not complete", "Get data not complete", "Get data not complete"}));
    form->ShowStopButton();
    form->TablePanel->Buttons->StopButton->click();
    EXPECT_TRUE(adapter->GetDone);
    EXPECT_TRUE(adapter->SetDone);
    EXPECT_FALSE(form->ActiveRequest->Alive);
}

TEST_F(ShownTable, MouseOverARowSetsItsHint) {
    QTest::mouseMove(list->viewport(), RowCentre(0));
    QApplication::processEvents();
    EXPECT_EQ(list->viewport()->toolTip(), TPanelListViewContainer::RowHint(list, list->topLevelItem(0)));
    EXPECT_EQ(list->viewport()->toolTip().count('\n'), 5);
    QTest::mouseMove(list->viewport(), Empty());
    QApplication::processEvents();
    EXPECT_EQ(list->viewport()->toolTip(), "");
}

TEST_F(ShownTable, DoubleClickOpensTheEditDialogUnlessRowEditIsOff) {
    TSNMPLayoutAdapter* adapter = form->TablePanel->Adapter();
    QString nameShown;
    bool keyEnabled = true;
    int dialogWidth = 0;
    formtest::ModalProbe probe([&](QDialog* dialog) {
        nameShown = static_cast<QLineEdit*>(items[2].Control)->text();
        keyEnabled = items[0].Control->isEnabled();
        dialogWidth = dialog->width();
        EXPECT_EQ(adapter->Dialog, dialog);
        EXPECT_FALSE(adapter->EditorBox->isHidden());
    });
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(1));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, RowCentre(1));
    EXPECT_TRUE(probe.Opened());
    EXPECT_EQ(nameShown, "server");
    EXPECT_FALSE(keyEnabled) << "the row's keys cannot be changed";
    EXPECT_EQ(dialogWidth, 116 + adapter->ContentWidth + 40);
    EXPECT_EQ(adapter->Dialog, nullptr);
    EXPECT_TRUE(adapter->EditorBox->isHidden());
    EXPECT_EQ(adapter->EditorBox->parentWidget(), form->TablePanel->Container) << "the box came back";

    form->DisableRowEdit();
    formtest::ModalProbe none(nullptr);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, RowCentre(0));
    QApplication::processEvents();
    EXPECT_FALSE(none.Opened());
    EXPECT_FALSE(form->TablePanel->Buttons->EditButton->isVisibleTo(form->TablePanel->Buttons));
}

TEST_F(ShownTable, AddDialogPresetsTheStatusAndEmptiesTheFields) {
    TSNMPLayoutAdapter* adapter = form->TablePanel->Adapter();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(1));
    QString status, name;
    bool keyWritable = false;
    formtest::ModalProbe probe([&](QDialog*) {
        status = static_cast<QComboBox*>(items[4].Control)->currentText();
        name = static_cast<QLineEdit*>(items[2].Control)->text();
        auto* key = static_cast<QLineEdit*>(items[0].Control);
        keyWritable = key->isEnabled() && !key->isReadOnly();
    });
    form->TablePanel->Buttons->AddButton->click();
    ASSERT_TRUE(probe.Opened());
    EXPECT_EQ(status, "createAndGo");
    EXPECT_EQ(name, "");
    EXPECT_TRUE(keyWritable);
    EXPECT_EQ(list->selectedItems().size(), 0);
    EXPECT_FALSE(form->TablePanel->Buttons->EditButton->isEnabled());

    // A status list without the add value leaves the combo box empty.
    adapter->SetAddPair(4, "add");
    formtest::ModalProbe second([&](QDialog*) { status = static_cast<QComboBox*>(items[4].Control)->currentText(); });
    form->TablePanel->Buttons->AddButton->click();
    ASSERT_TRUE(second.Opened());
    EXPECT_EQ(status, "");
}

} // namespace
