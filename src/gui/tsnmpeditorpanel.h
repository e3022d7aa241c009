#pragma once
// TSNMPEditorPanel: the page of a scalar group. Every variable gets a check
// box (ticked: written by Set), a label and an edit or combo box, in one
// column of rows. The buttons offered follow the writable items: none gives
// Refresh and Close only, one adds Set, several add Check All and Clear
// Checks too.
#include "tsnmppanel.h"

class QScrollArea;

class TSNMPEditorPanel : public TSNMPPanel {
    Q_OBJECT
public:
    explicit TSNMPEditorPanel(QWidget* owner);

    // Creates the container for the table and the request, lays the
    // controls out and computes the page's size: layout extent + the button
    // column + 40 wide, layout extent + the message panel + 60 high.
    void Build(_UIItem_s* items, KvSNMPRequest2Edits* request) override;

    // Wires the buttons and the message panel and hides what an editor page
    // does not use (row count, "Samples", Edit, Add, Delete).
    void SetupAsEditor();

    // Scrolls the container when the form is smaller than its content.
    QScrollArea* Scroller = nullptr;
};
