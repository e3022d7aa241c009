#include "tgenericentry.h"

#include "kvsnmprequest2edits.h"
#include "kvsnmpsession.h"
#include "tconfigform.h"
#include "tmainform.h"

#include <QCheckBox>
#include <QLabel>
#include <QPalette>
#include <cstring>

namespace {

const char* const kStpNote = "Notes : 2*(Forward Delay-100)>=Max Age>=2*(Hello Time+100))";

} // namespace

std::vector<_UIItem_s> TGenericEntry::BuildItems(const _GenericEntry_s& entry) {
    std::vector<_UIItem_s> items;
    for (const _SNMPVar_s* v = entry.Vars; v && v->Oid; ++v) {
        _UIItem_s item;
        item.Kind = uiCheckEdit;
        item.Format = v->Syntax == synInteger && !v->Options ? "%i" : "%s";
        if (v->Options) item.Kind = uiCheckCombo;
        if (IsDisplayOnlyFlags(v->Flags)) item.Kind = uiUncheckedEdit;
        item.Variable = v;
        if (entry.Items) {
            for (const _ItemOverride_s* o = entry.Items; o->Name; ++o) {
                if (std::strcmp(o->Name, v->Name) != 0) continue;
                if (o->Kind) item.Kind = o->Kind;
                if (o->Format) item.Format = o->Format;
            }
        }
        items.push_back(item);
    }
    items.push_back(_UIItem_s{});
    return items;
}

TGenericEntry::TGenericEntry(const _GenericEntry_s& entry, const std::string& instance) : entry_(entry) {
    // IfX Table's HC columns are Counter64: an SNMPv1 session reads them with
    // SNMPv2c while the form is open.
    if (entry.Behaviour == KvEntryBehaviour::IfXTable && KvSNMPSecurity.Version == 0) {
        savedVersion_ = KvSNMPSecurity.Version;
        KvSNMPSecurity.Version = 1;
    }
    form_ = std::make_unique<TConfigForm>();
    auto* request = new KvSNMPRequest2Edits(form_.get());
    request->VarList.Assign(KvSNMPVarList(entry.Vars, entry.ListKind, entry.KeyCount));
    if (entry.ListKind == KvSNMPVarList::kOneInstance) {
        request->VarList.Instance = instance;
        // Without an instance the first row is shown.
        request->UseGetNext = instance.empty();
    }
    const bool explicitItems = entry.Page == KvPageKind::Editor || entry.Page == KvPageKind::Table;
    if (explicitItems) items_ = BuildItems(entry);
    switch (entry.Page) {
    case KvPageKind::Editor: form_->SetupEditor(request, items_.data()); break;
    case KvPageKind::EditorAuto: form_->SetupEditorAuto(request); break;
    case KvPageKind::Table:
        form_->SetupTable(request, items_.data(), entry.StatusIndex, entry.AddText, entry.StatusIndex,
                          entry.DeleteText);
        break;
    case KvPageKind::TableAuto:
        form_->SetupTableAuto(request, entry.StatusIndex, entry.AddText, entry.StatusIndex, entry.DeleteText);
        break;
    }
    if (entry.Adjust & adShowStop) form_->ShowStopButton();
    if (entry.Adjust & adHideEdit) form_->HideEditButton();
    if (entry.Adjust & adDisableRowEdit) form_->DisableRowEdit();

    auto size = [&](int n) { return entry.Adjust & adUnscaled ? n : TConfigForm::Scaled(n); };
    if (entry.Height) form_->resize(form_->width(), size(entry.Height));
    if (entry.HeightAdd) form_->resize(form_->width(), form_->height() + size(entry.HeightAdd));
    if (entry.ValueWider) {
        _UIItem_s* items = Items();
        for (int i = 0; i < ItemCount(); ++i)
            if (QWidget* c = items[i].Control) c->resize(c->width() + size(entry.ValueWider), c->height());
    }
    if (entry.FormWider) form_->resize(form_->width() + size(entry.FormWider), form_->height());
    ApplyBehaviour();
    form_->SetTitle(QString::fromUtf8(entry.Title));
}

void TGenericEntry::ApplyBehaviour() {
    _UIItem_s* items = Items();
    const int count = ItemCount();
    switch (entry_.Behaviour) {
    case KvEntryBehaviour::RmonControl:
        form_->OnClose = [](TConfigForm& form) {
            form.FormClose();
            if (MainForm) MainForm->RefreshRmonState();
        };
        break;
    case KvEntryBehaviour::StpControl: {
        // The note sits under the check box of the last item ("Forwarding BPDU").
        if (count == 0 || !items[count - 1].CheckBox) break;
        QCheckBox* last = items[count - 1].CheckBox;
        auto* note = new QLabel(QString::fromUtf8(kStpNote), last->parentWidget());
        note->setObjectName("LB_StpNote");
        QPalette palette = note->palette();
        palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
        note->setPalette(palette);
        note->adjustSize();
        note->move(last->x(), last->y() + last->height() + TConfigForm::Scaled(8));
        note->show();
        break;
    }
    case KvEntryBehaviour::AuthModeSetting:
        for (int i = 0; i < count; ++i) {
            QWidget* c = items[i].Control;
            if (!c) continue;
            c->move(c->x() + TConfigForm::Scaled(5), c->y());
            c->resize(TConfigForm::Scaled(142), c->height());
        }
        form_->resize(form_->width() + TConfigForm::Scaled(30), form_->height() + TConfigForm::Scaled(50));
        break;
    default: break;
    }
}

TGenericEntry::~TGenericEntry() {
    form_.reset();
    if (savedVersion_) KvSNMPSecurity.Version = *savedVersion_;
}

_UIItem_s* TGenericEntry::Items() const {
    if (!items_.empty()) return const_cast<_UIItem_s*>(items_.data());
    return form_ && form_->AutoItems ? form_->AutoItems->Items() : nullptr;
}

int TGenericEntry::ItemCount() const {
    if (!items_.empty()) return static_cast<int>(items_.size()) - 1;
    return form_ && form_->AutoItems ? form_->AutoItems->Count() : 0;
}

int TGenericEntry::Exec() { return form_->exec(); }

void TGenericEntry::Run(const _GenericEntry_s& entry, const std::string& instance) {
    TGenericEntry opened(entry, instance);
    opened.Exec();
}
