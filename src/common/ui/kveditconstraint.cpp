#include "kveditconstraint.h"

#include "kvexception.h"
#include "kvmessagebox.h"
#include "kvmessages.h"
#include "kvtag.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMetaObject>
#include <QTimer>

#include <algorithm>

namespace {

std::function<void()>& Beeper() {
    static std::function<void()> beeper = [] { QApplication::beep(); };
    return beeper;
}

bool IsMarker(const QString& text) { return text == QLatin1String("(NULL)") || text == QLatin1String("(NOTDONE)"); }

bool CanTakeFocus(QWidget* w, QWidget* window) {
    return w && w != window && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(window) &&
           window->isAncestorOf(w) && !w->focusProxy();
}

} // namespace

KvEditConstraint::KvEditConstraint(QWidget* form, bool rememberLastText)
    : Form(form), RememberLastText(rememberLastText) {}

KvEditConstraint::~KvEditConstraint() {
    for (const auto& c : constraints_)
        if (c->Edit) c->Edit->removeEventFilter(this);
}

std::function<void()> KvEditConstraint::SetBeeper(std::function<void()> beeper) {
    std::function<void()> old = std::move(Beeper());
    Beeper() = beeper ? std::move(beeper) : [] { QApplication::beep(); };
    return old;
}

_EditConstraint_s* KvEditConstraint::Find(const QLineEdit* edit) const {
    if (!edit) return nullptr;
    for (const auto& c : constraints_)
        if (c->Key == edit) return c.get();
    return nullptr;
}

void KvEditConstraint::Forget(const QObject* edit) {
    std::erase_if(constraints_, [edit](const auto& c) { return c->Key == edit; });
}

_EditConstraint_s& KvEditConstraint::AddConstraint(const std::string& specifier, QLineEdit* edit,
                                                   KvEditHandler onChange, KvEditHandler onExit) {
    const KvEditFormat format = KvEditFormat::Parse(specifier);  // raises -2 before anything is touched
    if (!edit) RaiseKvCommon(-2);
    _EditConstraint_s* record = Find(edit);
    if (!record) {
        constraints_.push_back(std::make_unique<_EditConstraint_s>());
        record = constraints_.back().get();
        record->Edit = edit;
        record->Key = edit;
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { CheckOnChange(edit); });
        connect(edit, &QObject::destroyed, this, [this, edit] { Forget(edit); });
        edit->installEventFilter(this);
    }
    static_cast<KvEditFormat&>(*record) = format;
    if (onChange) record->SavedOnChange = std::move(onChange);
    if (onExit) record->SavedOnExit = std::move(onExit);
    if (format.Width > 0) edit->resize(format.Width, edit->height());
    edit->setMaxLength(format.EditMaxLength() > 0 ? format.EditMaxLength() : 32767);
    return *record;
}

void KvEditConstraint::AddConstraints(const std::string& format, const std::vector<QLineEdit*>& edits) {
    const std::vector<std::string> specifiers = KvEditFormat::Split(format);
    for (size_t k = 0; k < specifiers.size(); ++k) {
        if (k >= edits.size()) RaiseKvCommon(-2);
        if (edits[k]) AddConstraint(specifiers[k], edits[k]);
        else KvEditFormat::Parse(specifiers[k]);
    }
}

void KvEditConstraint::StoreLastText(QLineEdit* edit) {
    if (_EditConstraint_s* record = Find(edit)) record->LastText = edit->text();
}

void KvEditConstraint::SetTextQuietly(QLineEdit* edit, const QString& text, int cursor) {
    settingText_ = true;
    edit->setText(text);
    edit->setCursorPosition(std::clamp(cursor, 0, static_cast<int>(text.size())));
    settingText_ = false;
}

void KvEditConstraint::CheckOnChange(QLineEdit* edit) {
    if (settingText_) return;
    _EditConstraint_s* record = Find(edit);
    if (!record) return;
    QString text = edit->text();
    int cursor = edit->cursorPosition();
    bool corrected = false;
    // Each correction is checked again as the new text of the edit: the exit
    // character's first occurrence goes (and the focus moves on), then the
    // first refused character goes with a beep, until nothing is left to do.
    for (;;) {
        if (IsMarker(text) || text.isEmpty()) {
            if (corrected) SetTextQuietly(edit, text, cursor);
            return;
        }
        if (record->ExitChar) {
            const int at = text.indexOf(QChar(static_cast<unsigned char>(record->ExitChar)));
            if (at >= 0) {
                text.remove(at, 1);
                if (cursor > at) --cursor;
                corrected = true;
                PostFocusNext(edit);
                continue;
            }
        }
        const int refused = record->FirstRefusedChar(text);
        if (refused < 0) break;
        text.remove(refused, 1);
        if (cursor > refused) --cursor;
        corrected = true;
        if (Beeper()) Beeper()();
    }
    if (corrected) SetTextQuietly(edit, text, cursor);

    QPointer<QLineEdit> alive = edit;
    if (record->SavedOnChange) {
        const KvEditHandler handler = record->SavedOnChange;  // the handler may replace itself
        handler(edit);
        if (!alive || KvTag(edit) == -1) return;
        record = Find(edit);
        if (!record) return;
    }
    if (record->AdvancesAt(static_cast<int>(edit->text().size()))) PostFocusNext(edit);
}

bool KvEditConstraint::CheckOnExit(QLineEdit* edit) {
    _EditConstraint_s* record = Find(edit);
    if (!record || checkingExit_) return true;
    const QString text = edit->text();
    if (IsMarker(text)) return true;
    std::string message;
    const int code = record->CheckValue(text, &message);
    if (code == 0) {
        if (text.isEmpty()) return true;  // nothing to accept
        QPointer<QLineEdit> alive = edit;
        if (record->SavedOnExit) {
            const KvEditHandler handler = record->SavedOnExit;
            handler(edit);
            if (!alive) return true;
            record = Find(edit);
            if (!record) return true;
            if (KvTag(edit) == -1) {
                edit->setText(record->LastText);
                return false;
            }
        }
        if (RememberLastText) record->LastText = edit->text();
        return true;
    }
    // Refused: tell the user, put the last accepted text back and return to the edit.
    checkingExit_ = true;
    QPointer<QLineEdit> alive = edit;
    KvMessageBox::Show(Form, QString::fromStdString(message));
    checkingExit_ = false;
    if (!alive) return false;
    record = Find(edit);
    if (record) edit->setText(record->LastText);
    // The focus goes back once the focus change in progress has finished.
    QTimer::singleShot(0, edit, [alive] {
        if (alive) alive->setFocus(Qt::OtherFocusReason);
    });
    return false;
}

bool KvEditConstraint::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Only a move to another control is leaving the edit; the window
        // losing its activation (another window, a menu, a message box) is not.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            if (auto* edit = qobject_cast<QLineEdit*>(watched)) CheckOnExit(edit);
    }
    return QObject::eventFilter(watched, event);
}

void KvEditConstraint::PostFocusNext(QLineEdit* edit) {
    QPointer<QWidget> target = Form ? Form.data() : edit->window();
    QPointer<QLineEdit> from = edit;
    QMetaObject::invokeMethod(
        this,
        [target, from] {
            if (target) FocusNextControl(target, from);
        },
        Qt::QueuedConnection);
}

void KvEditConstraint::FocusNextControl(QWidget* form, QWidget* from) {
    if (!form) return;
    QWidget* window = form->window();
    QWidget* current = window->focusWidget();
    if (!current) current = from && window->isAncestorOf(from) ? from : window;
    for (QWidget* w = current->nextInFocusChain(); w && w != current; w = w->nextInFocusChain()) {
        if (CanTakeFocus(w, window)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}
