#pragma once
// TConfigForm: the generic configuration form. A menu entry opens it like
// this (title "Device Control", static tables DeviceControlVars and
// DeviceControlItems):
//
//   auto* form = new TConfigForm();
//   auto* request = new KvSNMPRequest2Edits(form);
//   request->VarList.Assign(KvSNMPVarList(DeviceControlVars, KvSNMPVarList::kScalars, 0));
//   form->SetupEditor(request, DeviceControlItems);     // the form owns the request now
//   form->SetTitle("Device Control");                   // "Device Control:10.90.90.90"
//   form->exec();
//   delete form;
//
// Table entries call SetupTable (or SetupTableAuto) with the row-status
// variable and its add and delete texts, then optionally ShowStopButton,
// HideEditButton or DisableRowEdit, and may resize the form, e.g.
// form->resize(form->width(), TConfigForm::Scaled(450)).
//
// The first activation reads the request; closing the form stops it, waits
// for outstanding replies and deletes it.
#include "uiitem.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class KvSNMPRequest2Edits;
class TSNMPEditorPanel;
class TSNMPListViewPanel;
class TSNMPPanel;

class TConfigForm : public QDialog {
    Q_OBJECT
public:
    enum : int32_t { kNotSetUp = 0, kEditorForm = 1, kTableForm = 2 };

    explicit TConfigForm(QWidget* parent = nullptr);
    ~TConfigForm() override;

    int32_t FormType = kNotSetUp;
    std::vector<std::unique_ptr<KvSNMPRequest2Edits>> Requests;  // owned
    KvSNMPRequest2Edits* ActiveRequest = nullptr;                // read on first activation
    bool Activated = false;
    std::unique_ptr<TUIItemTable> AutoItems;                     // derived UI table, if any
    TSNMPListViewPanel* TablePanel = nullptr;                    // table forms
    TSNMPEditorPanel* EditorPanel = nullptr;                     // editor forms

    // Set-up, once per form. A second call raises "Can not change Type of a
    // Config Form!" and changes nothing (the request stays the caller's).
    // Otherwise the form takes the request over, even when building the
    // page fails afterwards.
    void SetupEditor(KvSNMPRequest2Edits* request, _UIItem_s* items);
    void SetupEditorAuto(KvSNMPRequest2Edits* request);
    // addValue / deleteValue null: no Add / no Delete button.
    void SetupTable(KvSNMPRequest2Edits* request, _UIItem_s* items, int addIndex, const char* addValue,
                    int deleteIndex, const char* deleteValue);
    void SetupTableAuto(KvSNMPRequest2Edits* request, int addIndex, const char* addValue, int deleteIndex,
                        const char* deleteValue);

    // Table forms (nothing on other forms).
    void ShowStopButton();
    void HideEditButton();
    void DisableRowEdit();

    // The UI table of a request's variable list (see TUIItemTable).
    static std::unique_ptr<TUIItemTable> BuildAutoItems(const KvSNMPVarList& list);

    // Caption: the title, ":" and the device address of the main window.
    void SetTitle(const QString& title);
    static QString CaptionFor(const QString& title, const std::string& deviceAddress);

    // A size scaled by the main window's ScaleFactor, truncated toward zero
    // (450 gives 562 at 1.25).
    static int Scaled(int size);
    static int Scaled(int size, double factor);

    // The page of the form (null before set-up).
    TSNMPPanel* Page() const;

    // Event handlers.
    void FormCreate();
    void FormActivate();  // the first call starts the read of ActiveRequest
    void FormClose();     // stops, waits for and deletes the requests; once

    // Replaces what closing runs (default: FormClose). A replacement that
    // wants the clean-up calls FormClose itself.
    std::function<void(TConfigForm&)> OnClose;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CheckType() const;
    void SizeFromPage(TSNMPPanel* page);
    bool closed_ = false;
};
