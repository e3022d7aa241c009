#pragma once
// TPanelListViewContainer: the container of a table page. The list view
// fills it; the generated controls sit in a hidden editor box that moves
// into the row dialogs while they are open.
//
// List-view events: a change of the rows updates the row count; a click
// enables Edit and Delete exactly when a row is selected; a double-click on
// a row opens the edit dialog (unless row editing is off); resting the mouse
// on a row shows one line per column as its hint.
#include "tpanelcontainer.h"

#include <QString>

class QLabel;
class QScrollArea;
class QTreeWidget;
class QTreeWidgetItem;

class TPanelListViewContainer : public TPanelContainer {
    Q_OBJECT
public:
    TPanelListViewContainer(QWidget* owner, KvSNMPRequest2Edits* request, _UIItem_s* items);
    ~TPanelListViewContainer() override;

    QString Title;
    QTreeWidget* ListView;
    QScrollArea* EditorBox;
    QLabel* RowCountText = nullptr;

    // The widget inside EditorBox that holds the generated controls.
    QWidget* EditorContent() const;
    // Moves the generated controls into the editor box and sizes it to
    // the layout extents + 20.
    void FillEditorBox();

    void OnListChange();
    void OnListClick();
    void OnListDblClick();
    // The hint of a row: for every column its caption, TABs up to the
    // longest caption's length, two spaces, the row's text, a line feed.
    static QString RowHint(const QTreeWidget* listView, const QTreeWidgetItem* item);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
