#pragma once
// KvSNMPRequest2Controls: the request a form owns. It adds to KvSNMPRequest
// the two whole operations forms call — Get (a scalar group, one instance or
// a whole table) and Set — each synchronous or asynchronous, writes every
// outcome as one line to a message target (memo, status bar or status-bar
// panel) or, without one, shows errors in a message box, and tells its owner
// when an asynchronous operation has finished.
//
//   request.AttachMessageTarget(statusBar);
//   request.OnGetDone = [this](KvSNMPRequest2Controls&, const KvSNMPError& e) { ... };
//   request.Get();                      // asynchronous by default (Mode 1)
//   ... later: request.Set();           // collect from the controls, send, refresh
//
// Outcome lines follow the request log templates, for example
//   Get: (DeRIRA++) Ok! Request: Port Settings. Receive at 10:15:02 AM.
//   Get: (DeRIRA++) Ok!. Receive at 10:15:02 AM.          (list without a label)
//
// Derived classes bind the variables to something (KvSNMPRequest2Edits: to
// controls, KvSNMPRequest2Leds: to LED shapes) through the virtual steps.
// A class derived from this one calls Shutdown() first thing in its
// destructor, so that no completion reaches a half-destroyed object.
#include "kvsnmprequest.h"

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class KvException;
class QLabel;
class QPlainTextEdit;
class QStatusBar;
class KvSNMPRequest2Controls;

// OnGetDone / OnSetDone(request, error record): the data of the event is
// whatever the function captures.
using KvSNMPDoneEvent = std::function<void(KvSNMPRequest2Controls& request, const KvSNMPError& error)>;

class KvSNMPRequest2Controls : public KvSNMPRequest {
public:
    enum : uint8_t { kSynchronous = 0, kAsynchronous = 1 };
    enum : int32_t { kLastGet = 0, kLastSet = 1 };

    explicit KvSNMPRequest2Controls(QWidget* owner);
    ~KvSNMPRequest2Controls() override;

    KvSNMPDoneEvent OnGetDone;   // an asynchronous Get has finished (also after an error)
    KvSNMPDoneEvent OnSetDone;   // an asynchronous Set has finished
    uint8_t Mode = kAsynchronous;
    bool Busy = false;           // a Get or Set is in progress; forms wait on it
    QPointer<QWidget> Owner;     // parent of error message boxes
    int32_t RowCount = 0;        // rows (or scalar groups) delivered by the current Get
    int32_t LastOperation = kLastGet;  // chooses the line template
    bool RefreshAfterSet = true; // table lists: a successful Set is followed by a Get
    KvSNMPRequest* FilterSource = nullptr;  // its variables fill the "#" placeholders of Filter
    std::string Filter;          // row filter

    // Where outcome lines go: a memo gets the line appended, a status bar
    // shows it as its message, a status-bar panel as its text. Null detaches.
    void AttachMessageTarget(QPlainTextEdit* memo);
    void AttachMessageTarget(QStatusBar* statusBar);
    void AttachMessageTarget(QLabel* statusPanel);
    QWidget* MessageTarget() const { return target_; }

    // Reads the list: kinds 0 and 1 one PDU, kinds 2 and 3 the whole table
    // row by row. Synchronous: errors raise (KvException) after Busy is
    // cleared. Asynchronous: raises only when the first PDU cannot be sent;
    // every later outcome goes to OnGetError and OnGetDone.
    void Get();
    // Writes the settable variables in one PDU. refresh: RefreshAfterSet;
    // collect: take the values from the controls first (CollectValues);
    // indexList and values as for KvSNMPRequest::SetValues.
    void Set(bool refresh = true, bool collect = true, const std::string& indexList = std::string(),
             const std::vector<std::string>* values = nullptr);

    // One outcome line to the message target (nothing without one).
    void ShowStatus(const std::string& text);

    // The virtual steps of Get and Set.
    virtual void BeforeGet() {}
    virtual void BeforeSet() {}
    virtual void RowReceived() = 0;  // a row (or the scalar group) has arrived
    virtual void CollectValues() {}
    virtual void OnGetError(const KvSNMPError& error);
    virtual void OnSetError(const KvSNMPError& error);
    virtual void AfterGet() {}
    virtual void AfterSet() {}

protected:
    // Stops the request for good: clears Alive, and completions that still
    // arrive are dropped. Idempotent.
    void Shutdown();
    bool IsTable() const;
    // An error of a step that runs from the event loop (a selection, a
    // timer): a line to the message target, or a message box without one.
    void ReportError(const KvException& error);
    // Lives as long as the request: context of its signal connections and
    // timers, so that nothing is delivered to a destroyed request.
    QObject* Context() const { return context_.get(); }

private:
    void DeliverRow(const std::string& filter);
    std::string FilterText();
    void GetCompleted(const KvSNMPError& error);
    void SetCompleted(const KvSNMPError& error);
    void RefreshAfterAsyncSet();
    KvSNMPCompletion GetCompletion();
    KvSNMPCompletion SetCompletion();

    enum class TargetKind { None, Memo, StatusBar, StatusPanel };
    QPointer<QWidget> target_;
    TargetKind targetKind_ = TargetKind::None;
    std::unique_ptr<QObject> context_;
    std::shared_ptr<int> life_;  // reset by Shutdown(); completions hold it weakly
};
