#pragma once
// KvEditConstraint: the input constraints of the single-line edits of one
// form. Each edit gets a format specifier (see kveditformat.h); the
// constraint then
//  - filters every change of the text: a refused character is removed at
//    once with a beep, the exit character moves the focus on, and with the
//    "a" flag reaching the maximum length moves the focus on;
//  - checks the value when the edit loses the focus to another control of
//    its window, reports a refused value in a message box owned by the form
//    and puts back the last accepted text.
// The markers "(NULL)" and "(NOTDONE)" (a value not read or absent) are
// never filtered or checked.
//
//   KvEditConstraint constraints(form);
//   constraints.AddConstraint("%i{n1x255l3}", ui.TtlEdit);
//   constraints.AddConstraints("%i{n0x255l3}%i{n0x255l3}", {ed1, ed2});
//
// An edit's own reaction to changes and to leaving it is given as its change
// and exit handler (AddConstraint's arguments, or the record's SavedOnChange
// / SavedOnExit): the constraint calls it after the keystroke filter and
// after an accepted exit check. Such a handler vetoes a value by setting the
// edit's tag (kvtag.h) to -1: after a change nothing more happens, after an
// exit the last accepted text is put back.
#include "kveditformat.h"

#include <QLineEdit>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using KvEditHandler = std::function<void(QLineEdit* edit)>;

// One constrained edit: the rules of its specifier and its state.
struct _EditConstraint_s : KvEditFormat {
    QPointer<QLineEdit> Edit;
    const QObject* Key = nullptr;  // the edit's identity, also while it is being destroyed
    QString LastText;              // last accepted text; put back when a value is refused
    KvEditHandler SavedOnChange;   // the edit's own change handler
    KvEditHandler SavedOnExit;     // the edit's own exit handler
};

class KvEditConstraint : public QObject {
public:
    // form: owner of the message boxes and the window in which the focus moves.
    explicit KvEditConstraint(QWidget* form, bool rememberLastText = false);
    ~KvEditConstraint() override;
    KvEditConstraint(const KvEditConstraint&) = delete;
    KvEditConstraint& operator=(const KvEditConstraint&) = delete;

    QPointer<QWidget> Form;
    bool RememberLastText;  // every value accepted on exit becomes the edit's last accepted text

    // Parses the specifier, applies the width and maximum length to the edit
    // and attaches the filter and the exit check. A malformed specifier
    // raises KvException -2 and attaches nothing. A second constraint on the
    // same edit replaces the first (its handlers and last text are kept when
    // none are given).
    _EditConstraint_s& AddConstraint(const std::string& specifier, QLineEdit* edit,
                                     KvEditHandler onChange = {}, KvEditHandler onExit = {});
    // The k-th specifier of the format goes to the k-th edit; a null edit
    // takes its specifier without attaching it (the specifier is still
    // checked). A specifier without an edit raises -2.
    void AddConstraints(const std::string& format, const std::vector<QLineEdit*>& edits);

    // The keystroke filter, run on every change of the text.
    void CheckOnChange(QLineEdit* edit);
    // The value check, run when the edit loses the focus; true when the
    // value was accepted (or not checked).
    bool CheckOnExit(QLineEdit* edit);
    // The edit's current text becomes its last accepted text.
    void StoreLastText(QLineEdit* edit);

    _EditConstraint_s* Find(const QLineEdit* edit) const;
    const std::vector<std::unique_ptr<_EditConstraint_s>>& Constraints() const { return constraints_; }

    // Moves the focus from the window's focus widget (or, when the window
    // has none, from the given widget) to the next control in the tab order:
    // what the queued "next control" request does.
    static void FocusNextControl(QWidget* form, QWidget* from = nullptr);

    // The speaker beep of a refused keystroke (QApplication::beep by
    // default). Tests install their own; returns the previous one.
    static std::function<void()> SetBeeper(std::function<void()> beeper);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PostFocusNext(QLineEdit* edit);
    void SetTextQuietly(QLineEdit* edit, const QString& text, int cursor);
    void Forget(const QObject* edit);

    std::vector<std::unique_ptr<_EditConstraint_s>> constraints_;
    bool settingText_ = false;   // the filter's own corrections are not filtered again
    bool checkingExit_ = false;  // an exit check (and its message box) is running
};
