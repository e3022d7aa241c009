#include "tsnmplistviewpanel.h"

#include "kvsnmprequest2edits.h"
#include "tctrlbtnpanel.h"
#include "tlayoutadapter.h"
#include "tlayoutmanger.h"
#include "tmsgpanel.h"
#include "tpanellistviewcontainer.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

TSNMPListViewPanel::TSNMPListViewPanel(QWidget* owner) : TSNMPPanel(owner) {}

TPanelListViewContainer* TSNMPListViewPanel::ListContainer() const {
    return static_cast<TPanelListViewContainer*>(Container);
}

std::string TSNMPListViewPanel::RangeSuffix(const char* format) {
    if (!format) return {};
    const std::string f(format);
    const size_t brace = f.rfind('{');
    if (brace == std::string::npos) return {};
    const std::string group = f.substr(brace);
    // The text after the last occurrence of the letter, up to the next stop letter.
    auto option = [&group](char letter, const char* stops) -> std::string {
        const size_t at = group.rfind(letter);
        if (at == std::string::npos) return {};
        const size_t end = group.find_first_of(stops, at + 1);
        return group.substr(at + 1, end == std::string::npos ? std::string::npos : end - at - 1);
    };
    const std::string minimum = option('n', "mlwx}");
    if (minimum.empty()) return {};
    const std::string maximum = option('x', "mnwl}");
    return "[" + minimum + ".." + maximum + "]";
}

void TSNMPListViewPanel::Build(_UIItem_s* items, KvSNMPRequest2Edits* request) {
    auto* container = new TPanelListViewContainer(this, request, items);
    Container = container;
    container->Title = Title;
    TSNMPLayoutAdapter* adapter = container->Adapter.get();
    adapter->DialogCaption = Title;
    ListView = container->ListView;
    adapter->ListView = ListView;
    container->RowCountText = Buttons->RowCount;

    TFlowLayoutManger* layout = container->LayoutManager.get();
    layout->Layout(2);
    adapter->ContentHeight = layout->ExtentBottom;
    adapter->ContentWidth = layout->ExtentRight;
    container->FillEditorBox();

    SetClient(container);
    Buttons->HideSet();
    Buttons->HideCheckAll();
    Buttons->HideClearChecks();
    Buttons->HideStop();

    ContentSize = QSize(8 * layout->LabelChars + Buttons->width() + 40,
                        layout->ExtentBottom + TMsgPanel::kHeight + 60);
    container->resize(ContentSize);

    for (int i = 0; items && items[i].Variable; ++i) {
        if (!items[i].Label) continue;
        const std::string suffix = RangeSuffix(items[i].Format);
        if (suffix.empty()) continue;
        items[i].Label->setText(items[i].Label->text() + QString::fromStdString(suffix));
        items[i].Label->adjustSize();
    }
    layout->Layout(2);
    container->FillEditorBox();

    // Edit is offered when a row has a field that can be written.
    const KvSNMPVarList& list = request->VarList;
    const bool editKeys = list.Kind == KvSNMPVarList::kTableEditKeys;
    bool editable = false;
    for (int i = 0; i < list.Count() && !editable; ++i)
        if (list.IsSettable(i) && (i >= list.KeyCount || editKeys)) editable = true;
    if (!editable) Buttons->HideEdit();
}


