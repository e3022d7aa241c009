#pragma once
// Layout adapters bind the generated controls of a page to the page's
// request and carry the page's command logic.
//
// TSNMPLayoutAdapter binds item i of the UI descriptor table to variable i
// of the request's list (edits with the item's format, combo boxes with the
// variable's option list, a memo as the message target, a list view as the
// row view) and runs the command buttons: Refresh, Set, Check All, Clear
// Checks, Stop, and on table pages the row dialogs (Edit, Add) and Delete.
//
// Reads and writes are asynchronous. GetDone is false while a read runs and
// SetDone while a write runs; Refresh and Set are refused meanwhile with
// "Get data not complete" / "Modify data not complete". A write is followed,
// once it has finished, by a read of what the switch now holds.
#include "uiitem.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class KvSNMPRequest2Controls;
class KvSNMPRequest2Edits;
struct KvSNMPError;
class QCheckBox;
class QDialog;
class QObject;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class TSNMPPanel;

class TLayoutAdapter {
public:
    virtual ~TLayoutAdapter() = default;
};

class TSNMPLayoutAdapter : public TLayoutAdapter {
public:
    // Stores the arguments and binds every item (binding errors raise
    // KvException from here).
    TSNMPLayoutAdapter(_UIItem_s* items, KvSNMPRequest2Edits* request);
    ~TSNMPLayoutAdapter() override;

    int DeleteIndex = -1;                   // row-status variable written by Delete
    int AddIndex = -1;                      // row-status variable preset by Add
    std::optional<std::string> AddValue;    // option text preset by Add ("createAndGo")
    std::optional<std::string> DeleteValue; // option text written by Delete ("destroy")
    QPlainTextEdit* PageMemo = nullptr;     // the page's memo, the request's usual message target
    bool GetDone = false;                   // the last read has finished
    bool SetDone = true;                    // no write of this page is running
    QString DialogCaption;                  // caption of the row dialogs
    _UIItem_s* Items;
    KvSNMPRequest2Edits* Request;           // null once the form has released its requests
    QScrollArea* EditorBox = nullptr;       // table pages: the hidden box of the generated controls
    int ContentHeight = 0;                  // table pages: layout extents, for sizing the dialogs
    int ContentWidth = 0;
    QPushButton* RefreshButton = nullptr;
    QPushButton* EditButton = nullptr;
    QPushButton* SetButton = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPushButton* CheckAllButton = nullptr;
    QPushButton* ClearChecksButton = nullptr;
    QPushButton* StopButton = nullptr;
    QPushButton* CloseButton = nullptr;
    QTreeWidget* ListView = nullptr;        // table pages: the page's list view
    QPointer<QDialog> Dialog;               // the edit or add dialog while it is open
    int KeyCount = 0;                       // key variables at the start of the list (table pages)

    // --- Setters used by the panels and the form ---------------------------
    void SetAddPair(int index, const char* value);     // null value: none
    void SetDeletePair(int index, const char* value);
    void SetKeyCount(int keyCount) { KeyCount = keyCount; }
    void SetPageMemo(QPlainTextEdit* memo);            // also the request's message target
    void SetRefreshButton(QPushButton* button);
    void SetEditButton(QPushButton* button);
    void SetSetButton(QPushButton* button);
    void SetAddButton(QPushButton* button);
    void SetDeleteButton(QPushButton* button);
    void SetCheckAllButton(QPushButton* button);
    void SetClearChecksButton(QPushButton* button);
    void SetStopButton(QPushButton* button);

    // --- Request events (installed by the page's container) -----------------
    void HandleGetDone(KvSNMPRequest2Controls& request, const KvSNMPError& error);
    void HandleSetDone(KvSNMPRequest2Controls& request, const KvSNMPError& error);

    // Starts a read of the request; GetDone is false while it runs. An
    // error starting it is reported and leaves GetDone set.
    void StartGet();

    // --- Button actions ----------------------------------------------------
    void RefreshClick();
    void SetClick();
    void CheckAllClick();
    void ClearChecksClick();
    void StopClick();
    // Table pages.
    void OpenEditDialog();
    void OpenAddDialog();
    void DeleteRow();

    // Selects the first list row whose key columns show what the key items'
    // value controls hold (after a reload, the row that was selected before).
    void SelectRowByKey();

    // Lets go of the request and the UI table (the form is deleting them):
    // later clicks and events do nothing.
    void ReleaseRequest();

    // Reports an error of an action: a line in the message target, or a
    // message box when the request has none.
    void Report(const std::string& message);

    // Context of the adapter's signal connections.
    QObject* Context() const { return context_.get(); }

private:
    void Bind();
    bool Ready() const;
    // Starts the write of the ticked items (the Set action's write).
    void StartWrite();
    void SaveFlags();
    void RestoreFlags();
    // The item's value control shows the delete value.
    bool ShowsDeleteValue() const;
    void AfterWriteFinished(bool succeeded);
    void RunDialog(bool adding);
    void WireDialog(TSNMPPanel* page, bool adding);
    void LockKeyControls();
    int ColumnOfVariable(int index) const;

    std::unique_ptr<QObject> context_;
    std::vector<uint32_t> savedFlags_;
    bool writePending_ = false;       // a write of this adapter awaits its completion
    bool keysLocked_ = false;         // an edit dialog shows a selected row: keys stay fixed
    bool deleting_ = false;           // the write in flight is a Delete
};
