#include "tlayoutadapter.h"

#include "kvexception.h"
#include "kvmessagebox.h"
#include "kvoptionlist.h"
#include "kvsnmprequest2edits.h"
#include "tctrlbtnpanel.h"
#include "tmsgpanel.h"
#include "tsnmppanel.h"
#include "tuigenerator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTreeWidget>
#include <algorithm>
#include <functional>

namespace {

const QString kGetNotComplete = QStringLiteral("Get data not complete");
const QString kModifyNotComplete = QStringLiteral("Modify data not complete");

QString ControlText(const QWidget* control) {
    if (auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentText();
    if (auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text();
    return {};
}

} // namespace

TSNMPLayoutAdapter::TSNMPLayoutAdapter(_UIItem_s* items, KvSNMPRequest2Edits* request)
    : Items(items), Request(request), context_(std::make_unique<QObject>()) {
    Bind();
}

TSNMPLayoutAdapter::~TSNMPLayoutAdapter() = default;

void TSNMPLayoutAdapter::Bind() {
    if (!Items || !Request) return;
    for (int i = 0; Items[i].Variable; ++i) {
        _UIItem_s& item = Items[i];
        if (!item.Control) continue;
        switch (item.Kind) {
        case uiCheckEdit:
        case uiUncheckedEdit:
            Request->BindFormat(i, item.Format ? item.Format : "%s", item.Control);
            break;
        case uiCheckCombo:
            if (auto* combo = qobject_cast<QComboBox*>(item.Control)) Request->BindComboBox(i, combo);
            break;
        case uiMemo:
            if (auto* memo = qobject_cast<QPlainTextEdit*>(item.Control)) Request->AttachMessageTarget(memo);
            break;
        case uiListView:
            if (auto* list = qobject_cast<QTreeWidget*>(item.Control)) Request->AttachListView(list, true);
            break;
        default:
            break;
        }
    }
}

void TSNMPLayoutAdapter::ReleaseRequest() {
    Request = nullptr;
    Items = nullptr;
    writePending_ = false;
}

bool TSNMPLayoutAdapter::Ready() const { return Request != nullptr; }

// --- Setters ------------------------------------------------------------------

void TSNMPLayoutAdapter::SetAddPair(int index, const char* value) {
    AddIndex = index;
    AddValue = value ? std::optional<std::string>(value) : std::nullopt;
}

void TSNMPLayoutAdapter::SetDeletePair(int index, const char* value) {
    DeleteIndex = index;
    DeleteValue = value ? std::optional<std::string>(value) : std::nullopt;
}

void TSNMPLayoutAdapter::SetPageMemo(QPlainTextEdit* memo) {
    PageMemo = memo;
    if (Request) Request->AttachMessageTarget(memo);
}

namespace {
QWidget* BoxOwner(const TSNMPLayoutAdapter& a) {
    if (a.Dialog) return a.Dialog;
    return a.Request ? a.Request->Owner.data() : nullptr;
}

// Runs an action from a click or an event: nothing may escape into the
// event loop.
template <typename F>
void Guarded(TSNMPLayoutAdapter& a, F&& f) {
    try {
        f();
    } catch (const KvException& e) {
        a.Report(e.Message());
    } catch (const std::exception& e) {
        a.Report(e.what());
    }
}
} // namespace

namespace {
void Wire(TSNMPLayoutAdapter& a, QPushButton*& field, QPushButton* button, std::function<void()> action) {
    if (field) QObject::disconnect(field, nullptr, a.Context(), nullptr);
    field = button;
    if (button)
        QObject::connect(button, &QPushButton::clicked, a.Context(), [&a, action] { Guarded(a, action); });
}
} // namespace

void TSNMPLayoutAdapter::SetRefreshButton(QPushButton* b) { Wire(*this, RefreshButton, b, [this] { RefreshClick(); }); }
void TSNMPLayoutAdapter::SetEditButton(QPushButton* b) { Wire(*this, EditButton, b, [this] { OpenEditDialog(); }); }
void TSNMPLayoutAdapter::SetSetButton(QPushButton* b) { Wire(*this, SetButton, b, [this] { SetClick(); }); }
void TSNMPLayoutAdapter::SetAddButton(QPushButton* b) { Wire(*this, AddButton, b, [this] { OpenAddDialog(); }); }
void TSNMPLayoutAdapter::SetDeleteButton(QPushButton* b) { Wire(*this, DeleteButton, b, [this] { DeleteRow(); }); }
void TSNMPLayoutAdapter::SetCheckAllButton(QPushButton* b) { Wire(*this, CheckAllButton, b, [this] { CheckAllClick(); }); }
void TSNMPLayoutAdapter::SetClearChecksButton(QPushButton* b) {
    Wire(*this, ClearChecksButton, b, [this] { ClearChecksClick(); });
}
void TSNMPLayoutAdapter::SetStopButton(QPushButton* b) { Wire(*this, StopButton, b, [this] { StopClick(); }); }

// --- Reporting ------------------------------------------------------------------

void TSNMPLayoutAdapter::Report(const std::string& message) {
    if (Request && Request->MessageTarget()) {
        Request->ShowStatus(message);
        return;
    }
    QWidget* owner = Dialog ? static_cast<QWidget*>(Dialog.data()) : (Request ? Request->Owner.data() : nullptr);
    KvMessageBox::Show(owner, QString::fromStdString(message));
}

// --- Reads ----------------------------------------------------------------------

void TSNMPLayoutAdapter::StartGet() {
    if (!Request) return;
    GetDone = false;
    try {
        Request->Get();
    } catch (const KvException& e) {
        GetDone = true;
        Report(e.Message());
        return;
    }
    // A synchronous read has finished here; an asynchronous one that could
    // not start (the request was stopped) reports no completion.
    if (Request->Mode == KvSNMPRequest2Controls::kSynchronous) {
        GetDone = true;
        SelectRowByKey();
    } else if (!Request->Busy) {
        GetDone = true;
    }
}

void TSNMPLayoutAdapter::RefreshClick() {
    if (!Ready()) return;
    Request->Alive = true;
    if (!GetDone) {
        KvMessageBox::Show(BoxOwner(*this), kGetNotComplete);
        return;
    }
    StartGet();
}

void TSNMPLayoutAdapter::HandleGetDone(KvSNMPRequest2Controls&, const KvSNMPError&) {
    GetDone = true;
    if (!Request) return;
    try {
        SelectRowByKey();
    } catch (...) {
        // The row simply stays unselected.
    }
}

int TSNMPLayoutAdapter::ColumnOfVariable(int index) const {
    // The list view shows the hidden columns first, then the visible ones,
    // each in list order.
    const KvSNMPVarList& list = Request->VarList;
    int column = 0;
    for (int i = 0; i < list.Count(); ++i)
        if (list.IsHiddenColumn(i)) {
            if (i == index) return column;
            ++column;
        }
    for (int i = 0; i < list.Count(); ++i)
        if (list.IsListColumn(i)) {
            if (i == index) return column;
            ++column;
        }
    return -1;
}

void TSNMPLayoutAdapter::SelectRowByKey() {
    if (!Request || !ListView || ListView->topLevelItemCount() == 0 || KeyCount <= 0 || !Items) return;
    // The key items' controls still show the row that was selected before.
    std::vector<std::pair<int, QString>> keys;  // column, text
    const int count = std::min(KeyCount, UIItemCount(Items));
    for (int k = 0; k < count; ++k) {
        QWidget* control = Items[k].Control;
        if (!qobject_cast<QComboBox*>(control) && !qobject_cast<QLineEdit*>(control)) continue;
        int column = ColumnOfVariable(k);
        if (column < 0) column = k;
        keys.emplace_back(column, ControlText(control));
    }
    if (keys.empty()) return;
    // Key by key, so that keys "1","12" and "11","2" stay different rows.
    for (int r = 0; r < ListView->topLevelItemCount(); ++r) {
        QTreeWidgetItem* row = ListView->topLevelItem(r);
        const bool match = std::all_of(keys.begin(), keys.end(),
                                       [row](const auto& key) { return row->text(key.first) == key.second; });
        if (match) {
            ListView->setCurrentItem(row);
            row->setSelected(true);
            if (keysLocked_) LockKeyControls();
            return;
        }
    }
}

// --- Writes ---------------------------------------------------------------------

void TSNMPLayoutAdapter::SaveFlags() {
    savedFlags_.clear();
    const KvSNMPVarList& list = Request->VarList;
    for (int i = 0; i < list.Count(); ++i) savedFlags_.push_back(list.Item(i).Flags);
}

void TSNMPLayoutAdapter::RestoreFlags() {
    if (!Request) return;
    KvSNMPVarList& list = Request->VarList;
    for (int i = 0; i < list.Count() && i < static_cast<int>(savedFlags_.size()); ++i)
        list.Item(i).Flags = savedFlags_[static_cast<size_t>(i)];
}

void TSNMPLayoutAdapter::SetClick() {
    if (!Ready()) return;
    Request->Alive = true;
    if (!GetDone) {
        KvMessageBox::Show(BoxOwner(*this), kGetNotComplete);
        return;
    }
    if (!SetDone) {
        KvMessageBox::Show(BoxOwner(*this), kModifyNotComplete);
        return;
    }
    SetDone = false;
    StartWrite();
}

void TSNMPLayoutAdapter::StartWrite() {
    try {
        SaveFlags();
        KvSNMPVarList& list = Request->VarList;
        const int count = std::min(UIItemCount(Items), list.Count());
        for (int i = 0; i < count; ++i)
            if (Items[i].CheckBox && !Items[i].CheckBox->isChecked()) list.Item(i).Flags = vfExcluded;
        Request->CollectValues();
        writePending_ = true;
        deleting_ = false;
        Request->Set(false, false);
        RestoreFlags();
    } catch (const KvException& e) {
        writePending_ = false;
        GetDone = true;
        SetDone = true;  // nothing is being written
        RestoreFlags();
        Report(e.Message());
        return;
    }
    if (Request->Mode == KvSNMPRequest2Controls::kSynchronous || !Request->Busy) {
        // Finished already (synchronous), or not started (stopped request).
        const bool sent = Request->Mode == KvSNMPRequest2Controls::kSynchronous;
        writePending_ = false;
        SetDone = true;
        AfterWriteFinished(sent);
    }
}

void TSNMPLayoutAdapter::HandleSetDone(KvSNMPRequest2Controls&, const KvSNMPError& error) {
    SetDone = true;
    if (!writePending_) return;
    writePending_ = false;
    AfterWriteFinished(error.Code == 0);
}

bool TSNMPLayoutAdapter::ShowsDeleteValue() const {
    if (DeleteIndex < 0 || !DeleteValue || !Items || DeleteIndex >= UIItemCount(Items)) return false;
    return ControlText(Items[DeleteIndex].Control).toStdString() == *DeleteValue;
}

void TSNMPLayoutAdapter::AfterWriteFinished(bool succeeded) {
    const bool wasDelete = deleting_;
    deleting_ = false;
    // A row whose status was set to the delete value is gone: its dialog closes.
    const bool closeDialog = succeeded && !wasDelete && ShowsDeleteValue();
    // Show what the switch holds now.
    StartGet();
    if (closeDialog && Dialog) Dialog->close();
}

// --- Check boxes and Stop ----------------------------------------------------------

void TSNMPLayoutAdapter::CheckAllClick() {
    if (!Items) return;
    for (int i = 0; Items[i].Variable; ++i) {
        QCheckBox* box = Items[i].CheckBox;
        if (!box) continue;
        uint32_t flags = Items[i].Variable->Flags;
        if (Request && i < Request->VarList.Count()) flags = Request->VarList.Item(i).Flags;
        box->setChecked(flags != vfRead);
    }
}

void TSNMPLayoutAdapter::ClearChecksClick() {
    if (!Items) return;
    for (int i = 0; Items[i].Variable; ++i)
        if (Items[i].CheckBox) Items[i].CheckBox->setChecked(false);
}

void TSNMPLayoutAdapter::StopClick() {
    GetDone = true;
    SetDone = true;
    writePending_ = false;
    deleting_ = false;
    if (Request) Request->Alive = false;
}

// --- Delete -----------------------------------------------------------------------

void TSNMPLayoutAdapter::DeleteRow() {
    if (!Ready() || DeleteIndex < 0 || !DeleteValue) return;
    if (!ListView || ListView->selectedItems().isEmpty()) return;  // only a selected row is deleted
    Request->Alive = true;
    if (!SetDone) {
        KvMessageBox::Show(BoxOwner(*this), kModifyNotComplete);
        return;
    }
    KvSNMPVarList& list = Request->VarList;
    if (DeleteIndex >= list.Count()) return;
    try {
        SaveFlags();
        for (int i = std::max(0, KeyCount); i < list.Count(); ++i) list.Item(i).Flags = vfExcluded;
        list.Item(DeleteIndex).Flags = savedFlags_[static_cast<size_t>(DeleteIndex)];
        Request->CollectValues();
        list.Item(DeleteIndex).Value = *DeleteValue;
        SetDone = false;
        writePending_ = true;
        deleting_ = true;
        Request->Set(false, false);
        RestoreFlags();
    } catch (const KvException& e) {
        writePending_ = false;
        deleting_ = false;
        SetDone = true;
        Report(e.Message());
        RestoreFlags();
        return;
    }
    if (Request->Mode == KvSNMPRequest2Controls::kSynchronous || !Request->Busy) {
        const bool sent = Request->Mode == KvSNMPRequest2Controls::kSynchronous;
        writePending_ = false;
        SetDone = true;
        AfterWriteFinished(sent);
    }
}

// --- Row dialogs ------------------------------------------------------------------

void TSNMPLayoutAdapter::OpenEditDialog() {
    Guarded(*this, [this] { RunDialog(false); });
}

void TSNMPLayoutAdapter::OpenAddDialog() {
    Guarded(*this, [this] { RunDialog(true); });
}

void TSNMPLayoutAdapter::LockKeyControls() {
    if (!Items) return;
    const int count = std::min(KeyCount, UIItemCount(Items));
    for (int k = 0; k < count; ++k) {
        if (Items[k].Control) Items[k].Control->setEnabled(false);
        if (Items[k].CheckBox) Items[k].CheckBox->hide();
    }
}

void TSNMPLayoutAdapter::WireDialog(TSNMPPanel* page, bool adding) {
    TCtrlBtnPanel* b = page->Buttons;
    QObject* ctx = Context();
    QObject::connect(b->SetButton, &QPushButton::clicked, ctx, [this] { Guarded(*this, [this] { SetClick(); }); });
    if (adding) {
        QObject::connect(b->CheckAllButton, &QPushButton::clicked, ctx, [this] {
            for (int i = 0; Items && Items[i].Variable; ++i)
                if (Items[i].CheckBox) Items[i].CheckBox->setChecked(true);
        });
    } else {
        QObject::connect(b->CheckAllButton, &QPushButton::clicked, ctx, [this] { CheckAllClick(); });
    }
    QObject::connect(b->ClearChecksButton, &QPushButton::clicked, ctx, [this] { ClearChecksClick(); });
    // Close closes the dialog (the page's Form).
}

void TSNMPLayoutAdapter::RunDialog(bool adding) {
    if (!Request || !EditorBox || !Items) return;
    if (Dialog) return;  // one row dialog at a time
    if (adding) {
        Request->Alive = true;
        if (ListView) {
            ListView->clearSelection();
            ListView->setCurrentItem(nullptr);
        }
    }
    const bool rowSelected = ListView && !ListView->selectedItems().isEmpty();

    QWidget* owner = ListView ? ListView->window() : nullptr;
    auto* dialog = new QDialog(owner);
    Dialog = dialog;
    dialog->setWindowTitle(DialogCaption);
    QWidget* oldParent = EditorBox->parentWidget();

    auto* page = new TSNMPPanel(dialog);
    page->Title = DialogCaption;
    page->Form = dialog;
    TCtrlBtnPanel* b = page->Buttons;
    b->HideRefresh();
    b->HideRowCount();
    b->HideEdit();
    b->HideSamplesLabel();
    b->HideDelete();
    b->HideAdd();
    b->HideStop();

    const int itemCount = UIItemCount(Items);
    if (!adding) {
        for (int i = 0; i < itemCount; ++i)
            if (QWidget* v = Items[i].Control) ContentWidth = std::max(ContentWidth, v->x() + v->width());
    }
    int width = b->width() + ContentWidth + 40;
    int height = TMsgPanel::kHeight + ContentHeight + 60;
    if (!adding) {
        height = std::min(height, TSNMPPanel::kMaxFormHeight);
        width = std::min(width, TSNMPPanel::kMaxFormWidth);
    }
    dialog->resize(width, height);

    WireDialog(page, adding);

    page->SetClient(EditorBox);
    EditorBox->show();
    Request->AttachMessageTarget(page->MsgPanel->Memo);

    const KvSNMPVarList& list = Request->VarList;
    if (!adding) {
        int writable = 0;
        for (int i = 0; i < itemCount; ++i) {
            _UIItem_s& item = Items[i];
            uint32_t flags = item.Variable->Flags;
            if (i < list.Count()) flags = list.Item(i).Flags;
            if (item.CheckBox) {
                if (IsDisplayOnlyFlags(flags)) {
                    item.CheckBox->setChecked(false);
                } else {
                    item.CheckBox->setChecked(true);
                    ++writable;
                }
            }
            if (item.Control) item.Control->setEnabled(true);
            if (!rowSelected)
                if (auto* edit = qobject_cast<QLineEdit*>(item.Control)) edit->clear();
        }
        keysLocked_ = rowSelected;
        if (rowSelected) LockKeyControls();
        if (writable == 0) b->ShowNoSetGroup();
        else if (writable > 1) b->ShowSetGroup();
        else b->ShowSetOnly();
    } else {
        keysLocked_ = false;
        for (int i = 0; i < itemCount; ++i) {
            _UIItem_s& item = Items[i];
            if (item.CheckBox) item.CheckBox->setChecked(true);
            if (auto* edit = qobject_cast<QLineEdit*>(item.Control)) {
                edit->clear();
                edit->setReadOnly(false);
                edit->setEnabled(true);
                edit->setFocusPolicy(Qt::StrongFocus);
                TUIGenerator::SetWindowColour(edit);
            } else if (auto* combo = qobject_cast<QComboBox*>(item.Control)) {
                combo->setCurrentIndex(-1);
                combo->setEnabled(true);
                combo->setFocusPolicy(Qt::StrongFocus);
                TUIGenerator::SetWindowColour(combo);
                if (i == AddIndex && AddValue) {
                    const QString wanted = QString::fromStdString(*AddValue);
                    for (int k = 0; k < combo->count(); ++k)
                        if (combo->itemText(k).trimmed() == wanted) {
                            combo->setCurrentIndex(k);
                            break;
                        }
                }
            }
        }
        if (EditButton) EditButton->setEnabled(false);
        if (DeleteButton) DeleteButton->setEnabled(false);
    }

    dialog->exec();

    keysLocked_ = false;
    if (Request) Request->AttachMessageTarget(PageMemo);
    EditorBox->hide();
    EditorBox->setParent(oldParent);
    EditorBox->hide();
    Dialog = nullptr;
    delete dialog;
}
