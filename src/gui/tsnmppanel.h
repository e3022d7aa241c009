#pragma once
// TSNMPPanel: one page of a configuration form or row dialog. The command
// button column (TCtrlBtnPanel) stands on the right, the client panel
// takes the rest; at the bottom of the client panel the message panel
// (TMsgPanel) shows the outcome lines of the page's request. Splitters sit
// between the parts.
//
// Subclasses build their content from a UI descriptor table and a request:
// TSNMPEditorPanel (one labelled control per variable) and
// TSNMPListViewPanel (a table in a list view with row dialogs).
#include "uiitem.h"

#include <QFrame>
#include <QPointer>
#include <QSize>
#include <QString>

class KvSNMPRequest2Edits;
class QSplitter;
class TCtrlBtnPanel;
class TMsgPanel;
class TPanelContainer;
class TSNMPLayoutAdapter;

class TSNMPPanel : public QFrame {
    Q_OBJECT
public:
    // Creates the parts and fills the owner's client area.
    explicit TSNMPPanel(QWidget* owner);

    TMsgPanel* MsgPanel;
    TCtrlBtnPanel* Buttons;
    QWidget* ClientPanel;
    TPanelContainer* Container = nullptr;
    QPointer<QWidget> Form;  // the window that shows the page; closed by Close
    QString Title;

    // The size the page computed for its window (Build).
    QSize ContentSize;

    virtual void Build(_UIItem_s* items, KvSNMPRequest2Edits* request);

    // Records the form and gives it ContentSize, cut to 800 x 550.
    void AttachForm(QWidget* form);
    // The Close button: closes Form; "Please initial close form" without one.
    void CloseForm();

    // Stores the command buttons in the adapter, which handles their clicks
    // (Edit and Delete start disabled).
    void WireButtons();
    // The message panel's memo becomes the page memo and the request's
    // message target.
    void WireMessages();

    // Puts a widget into the client panel, above the message panel, filling it.
    void SetClient(QWidget* widget);

    TSNMPLayoutAdapter* Adapter() const;

    static constexpr int kMaxFormWidth = 800;
    static constexpr int kMaxFormHeight = 550;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QSplitter* columns_;  // client panel | buttons
    QSplitter* rows_;     // client | message panel
    bool sized_ = false;
};
