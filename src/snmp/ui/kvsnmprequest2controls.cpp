#include "kvsnmprequest2controls.h"

#include "kvexception.h"
#include "kvmessagebox.h"
#include "kvmessages.h"
#include "kvsnmpcontroltext.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTime>

namespace {
std::string OkText() { return DeRIRAText(-500); }

KvSNMPError FailedRecord(const KvSNMPError& base, const KvException& e) {
    KvSNMPError failed = base;
    failed.Code = e.HelpContext();
    failed.Message = e.Message();
    failed.Done = true;
    return failed;
}
} // namespace

KvSNMPRequest2Controls::KvSNMPRequest2Controls(QWidget* owner)
    : Owner(owner), context_(std::make_unique<QObject>()), life_(std::make_shared<int>(0)) {}

KvSNMPRequest2Controls::~KvSNMPRequest2Controls() { Shutdown(); }

void KvSNMPRequest2Controls::Shutdown() {
    Alive = false;
    life_.reset();
}

bool KvSNMPRequest2Controls::IsTable() const {
    return VarList.Kind == KvSNMPVarList::kTable || VarList.Kind == KvSNMPVarList::kTableEditKeys;
}

void KvSNMPRequest2Controls::AttachMessageTarget(QPlainTextEdit* memo) {
    target_ = memo;
    targetKind_ = memo ? TargetKind::Memo : TargetKind::None;
}

void KvSNMPRequest2Controls::AttachMessageTarget(QStatusBar* statusBar) {
    target_ = statusBar;
    targetKind_ = statusBar ? TargetKind::StatusBar : TargetKind::None;
}

void KvSNMPRequest2Controls::AttachMessageTarget(QLabel* statusPanel) {
    target_ = statusPanel;
    targetKind_ = statusPanel ? TargetKind::StatusPanel : TargetKind::None;
}

void KvSNMPRequest2Controls::ShowStatus(const std::string& text) {
    if (!target_) return;
    const int entry = LastOperation == kLastSet ? 1 : 0;
    const QString line = QString::fromStdString(KvSNMPControlText::StatusLine(
        CatalogueText(KvCatalogue::RequestLog, entry), VarList.Label, text, QTime::currentTime()));
    switch (targetKind_) {
    case TargetKind::Memo: static_cast<QPlainTextEdit*>(target_.data())->appendPlainText(line); break;
    case TargetKind::StatusBar: static_cast<QStatusBar*>(target_.data())->showMessage(line); break;
    case TargetKind::StatusPanel: static_cast<QLabel*>(target_.data())->setText(line); break;
    case TargetKind::None: break;
    }
}

void KvSNMPRequest2Controls::ReportError(const KvException& error) {
    if (target_) ShowStatus(error.Message());
    else KvMessageBox::Show(Owner, QString::fromStdString(error.Message()));
}

void KvSNMPRequest2Controls::OnGetError(const KvSNMPError& error) {
    LastOperation = kLastGet;
    if (target_) ShowStatus(error.Message);
    else KvMessageBox::Show(Owner, QString::fromStdString(error.Message));
}

void KvSNMPRequest2Controls::OnSetError(const KvSNMPError& error) {
    LastOperation = kLastSet;
    if (target_) ShowStatus(error.Message);
    else KvMessageBox::Show(Owner, QString::fromStdString(error.Message));
}

std::string KvSNMPRequest2Controls::FilterText() {
    if (FilterSource && !Filter.empty()) return FilterSource->SubstituteExpression(Filter, "#", true);
    return {};
}

void KvSNMPRequest2Controls::DeliverRow(const std::string& filter) {
    if (TestRow(filter) && TestCondition(Condition)) {
        // Counted first: showing the row lets events run, and one of them may
        // close the form and delete this request.
        ++RowCount;
        RowReceived();
    }
}

// --- Get --------------------------------------------------------------------------

KvSNMPCompletion KvSNMPRequest2Controls::GetCompletion() {
    std::weak_ptr<int> life = life_;
    return [this, life](void*, const KvSNMPError& error, KvSNMPVarList&) {
        if (!life.expired()) GetCompleted(error);
    };
}

void KvSNMPRequest2Controls::Get() {
    LastOperation = kLastGet;
    BeforeGet();
    const std::string filter = FilterText();
    RowCount = 0;
    if (Mode == kSynchronous) {
        Busy = true;
        try {
            if (IsTable()) {
                for (bool more = GetRow(true); more; more = GetRow(false)) DeliverRow(filter);
            } else if (Alive) {
                GetRow(true);
                DeliverRow(filter);
            }
            AfterGet();
        } catch (...) {
            Busy = false;  // a form waiting on Busy must not wait for ever
            throw;
        }
        Busy = false;
        if (target_) ShowStatus(OkText());
        return;
    }
    Busy = true;
    if (!Alive) {
        Busy = false;
        return;
    }
    try {
        GetRowAsync(GetCompletion(), this, true);
    } catch (...) {
        Busy = false;
        throw;
    }
}

// Runs from the event pump: nothing may escape from here. Errors of the
// steps (a binding that cannot show its value, a filter that cannot be
// evaluated, a next PDU that cannot be sent) end the Get like an error of
// the agent.
void KvSNMPRequest2Controls::GetCompleted(const KvSNMPError& error) {
    std::weak_ptr<int> life = life_;
    KvSNMPError outcome = error;
    bool finished = true;
    if (error.Code == 0) {
        try {
            const std::string filter = FilterText();
            if (!IsTable()) {
                DeliverRow(filter);
                if (life.expired()) return;
            } else if (!error.Done) {
                DeliverRow(filter);
                if (life.expired()) return;
                if (Alive) {
                    GetRowAsync(GetCompletion(), this, false);
                    finished = false;
                }
            }
            if (finished) AfterGet();
        } catch (const KvException& e) {
            outcome = FailedRecord(error, e);
            finished = true;
        }
        if (life.expired() || !finished) return;
    }
    Busy = false;
    if (outcome.Code != 0) {
        OnGetError(outcome);
    } else if (target_) {
        LastOperation = kLastGet;
        ShowStatus(OkText());
    }
    if (life.expired()) return;
    if (OnGetDone) {
        const KvSNMPDoneEvent done = OnGetDone;  // the handler may replace itself or delete us
        done(*this, outcome);
    }
}

// --- Set --------------------------------------------------------------------------

KvSNMPCompletion KvSNMPRequest2Controls::SetCompletion() {
    std::weak_ptr<int> life = life_;
    return [this, life](void*, const KvSNMPError& error, KvSNMPVarList&) {
        if (!life.expired()) SetCompleted(error);
    };
}

void KvSNMPRequest2Controls::Set(bool refresh, bool collect, const std::string& indexList,
                                 const std::vector<std::string>* values) {
    LastOperation = kLastSet;
    RefreshAfterSet = refresh;
    BeforeSet();
    if (collect) CollectValues();
    if (Mode == kSynchronous) {
        Busy = true;
        try {
            SetValues(indexList, values);
            AfterSet();
        } catch (...) {
            Busy = false;
            throw;
        }
        Busy = false;
        if (target_) ShowStatus(OkText());
        if (IsTable() && RefreshAfterSet) Get();
        return;
    }
    Busy = true;
    if (!Alive) {
        Busy = false;
        return;
    }
    try {
        SetValuesAsync(SetCompletion(), this, indexList, values);
    } catch (...) {
        Busy = false;
        throw;
    }
}

void KvSNMPRequest2Controls::SetCompleted(const KvSNMPError& error) {
    std::weak_ptr<int> life = life_;
    KvSNMPError outcome = error;
    if (outcome.Code == 0) {
        try {
            AfterSet();
        } catch (const KvException& e) {
            outcome = FailedRecord(error, e);
        }
        if (life.expired()) return;
    }
    Busy = false;
    if (outcome.Code != 0) {
        OnSetError(outcome);
    } else {
        LastOperation = kLastSet;
        if (target_) ShowStatus(OkText());
    }
    if (life.expired()) return;
    if (OnSetDone) {
        const KvSNMPDoneEvent done = OnSetDone;
        done(*this, outcome);
        if (life.expired()) return;
    }
    if (outcome.Code == 0 && IsTable() && RefreshAfterSet) RefreshAfterAsyncSet();
}

void KvSNMPRequest2Controls::RefreshAfterAsyncSet() {
    try {
        Get();
    } catch (const KvException& e) {
        // The read could not even be sent; it ends as a failed Get.
        KvSNMPError failed;
        failed = FailedRecord(failed, e);
        std::weak_ptr<int> life = life_;
        OnGetError(failed);
        if (life.expired()) return;
        if (OnGetDone) {
            const KvSNMPDoneEvent done = OnGetDone;
            done(*this, failed);
        }
    }
}
