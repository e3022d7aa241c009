#include "tsnmpeditorpanel.h"

#include "kvsnmprequest2edits.h"
#include "tctrlbtnpanel.h"
#include "tlayoutadapter.h"
#include "tlayoutmanger.h"
#include "tmsgpanel.h"
#include "tpanelcontainer.h"

#include <QPushButton>
#include <QScrollArea>

TSNMPEditorPanel::TSNMPEditorPanel(QWidget* owner) : TSNMPPanel(owner) {}

void TSNMPEditorPanel::Build(_UIItem_s* items, KvSNMPRequest2Edits* request) {
    Container = new TPanelContainer(this, request, items);
    Container->LayoutManager->Layout(2);
    const int right = Container->LayoutManager->ExtentRight;
    const int bottom = Container->LayoutManager->ExtentBottom;

    // The container fills the client area; when the form is cut to its
    // largest size the rows scroll instead of being cut off.
    Scroller = new QScrollArea;
    Scroller->setFrameShape(QFrame::NoFrame);
    Scroller->setWidgetResizable(true);
    Container->setMinimumSize(right, bottom);
    Scroller->setWidget(Container);
    SetClient(Scroller);
    Buttons->HideStop();

    int writable = 0;
    for (int i = 0; items && items[i].Variable; ++i)
        if (items[i].Variable->Flags != vfRead) ++writable;
    if (writable == 0) Buttons->ShowNoSetGroup();
    else if (writable > 1) Buttons->ShowSetGroup();
    else Buttons->ShowSetOnly();

    ContentSize = QSize(right + Buttons->width() + 40, bottom + TMsgPanel::kHeight + 60);
    Container->resize(ContentSize);
}



void TSNMPEditorPanel::SetupAsEditor() {
    WireButtons();
    WireMessages();
    Buttons->HideRowCount();
    Buttons->HideSamplesLabel();
    Buttons->HideEdit();
    Buttons->HideAdd();
    Buttons->HideDelete();
}
