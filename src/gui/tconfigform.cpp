#include "tconfigform.h"

#include "kvexception.h"
#include "kvsnmprequest2edits.h"
#include "tctrlbtnpanel.h"
#include "tlayoutadapter.h"
#include "tmainform.h"
#include "tpanelcontainer.h"
#include "tsnmpeditorpanel.h"
#include "tsnmplistviewpanel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <algorithm>

namespace {
const char* const kTypeError = "Can not change Type of a Config Form!";
}

TConfigForm::TConfigForm(QWidget* parent) : QDialog(parent) {
    setModal(true);
    FormType = kNotSetUp;
    setWindowTitle(QString());
    setWindowTitle(QStringLiteral("test"));
    resize(364, 317);
    FormCreate();
}

TConfigForm::~TConfigForm() {
    // Requests go before the widgets they are bound to.
    FormClose();
}

void TConfigForm::FormCreate() { Activated = false; }

TSNMPPanel* TConfigForm::Page() const {
    if (TablePanel) return TablePanel;
    return EditorPanel;
}

// --- Set-up ---------------------------------------------------------------------

void TConfigForm::CheckType() const {
    if (FormType != kNotSetUp) throw KvException(kTypeError, 0);
}

void TConfigForm::SizeFromPage(TSNMPPanel* page) { page->AttachForm(this); }

void TConfigForm::SetupEditor(KvSNMPRequest2Edits* request, _UIItem_s* items) {
    CheckType();
    FormType = kEditorForm;
    Requests.emplace_back(request);
    auto* page = new TSNMPEditorPanel(this);
    EditorPanel = page;
    page->Build(items, request);
    page->SetupAsEditor();
    SizeFromPage(page);
    ActiveRequest = request;
}

void TConfigForm::SetupEditorAuto(KvSNMPRequest2Edits* request) {
    CheckType();
    auto items = BuildAutoItems(request->VarList);
    _UIItem_s* table = items->Items();
    AutoItems = std::move(items);
    SetupEditor(request, table);
}

void TConfigForm::SetupTable(KvSNMPRequest2Edits* request, _UIItem_s* items, int addIndex, const char* addValue,
                             int deleteIndex, const char* deleteValue) {
    CheckType();
    FormType = kTableForm;
    Requests.emplace_back(request);
    auto* page = new TSNMPListViewPanel(this);
    TablePanel = page;
    page->Build(items, request);
    TSNMPLayoutAdapter* adapter = page->Adapter();
    adapter->SetKeyCount(request->VarList.KeyCount);
    SizeFromPage(page);
    page->WireButtons();
    page->WireMessages();
    if (addValue) adapter->SetAddPair(addIndex, addValue);
    else page->Buttons->HideAdd();
    if (deleteValue) adapter->SetDeletePair(deleteIndex, deleteValue);
    else page->Buttons->HideDelete();
    TCtrlBtnPanel::SetCaption(page->Buttons->EditButton, QStringLiteral("Edit"));
    ActiveRequest = request;
}

void TConfigForm::SetupTableAuto(KvSNMPRequest2Edits* request, int addIndex, const char* addValue, int deleteIndex,
                                 const char* deleteValue) {
    CheckType();
    auto items = BuildAutoItems(request->VarList);
    _UIItem_s* table = items->Items();
    AutoItems = std::move(items);
    SetupTable(request, table, addIndex, addValue, deleteIndex, deleteValue);
}

std::unique_ptr<TUIItemTable> TConfigForm::BuildAutoItems(const KvSNMPVarList& list) {
    return TUIItemTable::FromVarList(list);
}

void TConfigForm::ShowStopButton() {
    if (TablePanel) TablePanel->Buttons->ShowStop();
}

void TConfigForm::HideEditButton() {
    if (TablePanel) TablePanel->Buttons->HideEdit();
}

void TConfigForm::DisableRowEdit() {
    if (!TablePanel) return;
    TablePanel->Buttons->HideEdit();
    if (TablePanel->Container) TablePanel->Container->NoRowEdit = true;
}

// --- Caption and sizes ---------------------------------------------------------------

QString TConfigForm::CaptionFor(const QString& title, const std::string& deviceAddress) {
    return title + QLatin1Char(':') + QString::fromStdString(deviceAddress);
}

void TConfigForm::SetTitle(const QString& title) {
    setWindowTitle(CaptionFor(title, MainForm ? MainForm->DeviceAddress : std::string()));
}

int TConfigForm::Scaled(int size, double factor) { return static_cast<int>(size * factor); }

int TConfigForm::Scaled(int size) { return Scaled(size, MainForm ? MainForm->ScaleFactor : 1.0); }

// --- Events -------------------------------------------------------------------------

void TConfigForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!Activated) {
        // Centred on the main window.
        if (MainForm && MainForm->isVisible() && MainForm != parentWidget())
            move(MainForm->frameGeometry().center() - QPoint(width() / 2, height() / 2));
        FormActivate();
    }
}

void TConfigForm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TConfigForm::FormActivate() {
    if (Activated) return;
    Activated = true;
    if (!ActiveRequest) return;
    TSNMPPanel* page = Page();
    TSNMPLayoutAdapter* adapter = page ? page->Adapter() : nullptr;
    if (adapter && adapter->Request == ActiveRequest) {
        adapter->StartGet();
        return;
    }
    try {
        ActiveRequest->Get();
    } catch (const KvException& e) {
        ActiveRequest->ShowStatus(e.Message());
    }
}

void TConfigForm::FormClose() {
    if (closed_) return;
    closed_ = true;
    if (TSNMPPanel* page = Page())
        if (TSNMPLayoutAdapter* adapter = page->Adapter()) adapter->ReleaseRequest();
    ActiveRequest = nullptr;
    for (auto& request : Requests) {
        try {
            request->Alive = false;  // a running walk ends at its next step
            QCoreApplication::processEvents();
            // Replies still on their way complete within the request's own
            // time-out and retries.
            const qint64 limit = std::max<qint64>(KvSNMPRequest::kDestroyWaitMs,
                                                  qint64(request->Retries + 1) * request->Timeout * 10 + 1000);
            QElapsedTimer waited;
            waited.start();
            while (request->Busy && request->Pending > 0 && waited.elapsed() < limit)
                KvProcessMessages(20);
        } catch (...) {
            // Clean-up goes on with the next request.
        }
        request.reset();
    }
    Requests.clear();
    AutoItems.reset();
}

void TConfigForm::done(int result) {
    if (!closed_) {
        try {
            if (OnClose) OnClose(*this);
            else FormClose();
        } catch (...) {
            // The form closes anyway.
        }
    }
    QDialog::done(result);
}
