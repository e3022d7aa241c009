#include "tsnmppanel.h"

#include "kvmessagebox.h"
#include "tctrlbtnpanel.h"
#include "tlayoutadapter.h"
#include "tmsgpanel.h"
#include "tpanelcontainer.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

TSNMPPanel::TSNMPPanel(QWidget* owner) : QFrame(owner) {
    setFrameShape(QFrame::NoFrame);

    columns_ = new QSplitter(Qt::Horizontal, this);
    columns_->setChildrenCollapsible(false);
    ClientPanel = new QWidget(columns_);
    Buttons = new TCtrlBtnPanel(columns_);
    columns_->addWidget(ClientPanel);
    columns_->addWidget(Buttons);
    columns_->setStretchFactor(0, 1);
    columns_->setStretchFactor(1, 0);

    rows_ = new QSplitter(Qt::Vertical, ClientPanel);
    rows_->setChildrenCollapsible(false);
    MsgPanel = new TMsgPanel(rows_);
    rows_->addWidget(MsgPanel);
    rows_->setStretchFactor(0, 0);
    auto* clientFill = new QVBoxLayout(ClientPanel);
    clientFill->setContentsMargins(0, 0, 0, 0);
    clientFill->addWidget(rows_);

    auto* pageFill = new QHBoxLayout(this);
    pageFill->setContentsMargins(0, 0, 0, 0);
    pageFill->addWidget(columns_);

    if (owner) {
        QLayout* ownerFill = owner->layout();
        if (!ownerFill) {
            ownerFill = new QVBoxLayout(owner);
            ownerFill->setContentsMargins(0, 0, 0, 0);
        }
        ownerFill->addWidget(this);
    }

    QObject::connect(Buttons->CloseButton, &QPushButton::clicked, this, [this] { CloseForm(); });
}

void TSNMPPanel::Build(_UIItem_s*, KvSNMPRequest2Edits*) {}

void TSNMPPanel::WireButtons() {
    TSNMPLayoutAdapter* a = Adapter();
    if (!a) return;
    a->SetRefreshButton(Buttons->RefreshButton);
    a->SetEditButton(Buttons->EditButton);
    a->SetSetButton(Buttons->SetButton);
    a->SetAddButton(Buttons->AddButton);
    a->SetDeleteButton(Buttons->DeleteButton);
    a->SetCheckAllButton(Buttons->CheckAllButton);
    a->SetClearChecksButton(Buttons->ClearChecksButton);
    a->SetStopButton(Buttons->StopButton);
    Buttons->EditButton->setEnabled(false);
    Buttons->DeleteButton->setEnabled(false);
}

void TSNMPPanel::WireMessages() {
    if (TSNMPLayoutAdapter* a = Adapter()) a->SetPageMemo(MsgPanel->Memo);
}

void TSNMPPanel::SetClient(QWidget* widget) {
    rows_->insertWidget(0, widget);
    rows_->setStretchFactor(0, 1);
    rows_->setStretchFactor(1, 0);
}

TSNMPLayoutAdapter* TSNMPPanel::Adapter() const { return Container ? Container->Adapter.get() : nullptr; }

void TSNMPPanel::AttachForm(QWidget* form) {
    Form = form;
    if (!form) return;
    form->resize(std::min(ContentSize.width(), kMaxFormWidth), std::min(ContentSize.height(), kMaxFormHeight));
}

void TSNMPPanel::CloseForm() {
    if (!Form) {
        KvMessageBox::Show(window(), QStringLiteral("Please initial close form"));
        return;
    }
    Form->close();
}

void TSNMPPanel::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    if (sized_) return;
    sized_ = true;
    // The button column and the message panel start at their own sizes; the
    // client part takes the rest.
    const int buttons = Buttons->sizeHint().width();
    const int handleW = columns_->handleWidth();
    columns_->setSizes({std::max(0, columns_->width() - buttons - handleW), buttons});
    const int handleH = rows_->handleWidth();
    const int msg = TMsgPanel::kHeight;
    if (rows_->count() > 1) rows_->setSizes({std::max(0, rows_->height() - msg - handleH), msg});
}
