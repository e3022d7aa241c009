#pragma once
// TSNMPListViewPanel: the page of a table. The rows read by a walk fill a
// list view with one column per variable; the generated controls wait in a
// hidden editor box and serve as the surface of the row edit and add
// dialogs. Labels of the dialogs carry the allowed range of their format
// ("Priority[0..240]" for "%i{n0x240}").
#include "tsnmppanel.h"

#include <string>

class QTreeWidget;
class TPanelListViewContainer;

class TSNMPListViewPanel : public TSNMPPanel {
    Q_OBJECT
public:
    explicit TSNMPListViewPanel(QWidget* owner);

    QTreeWidget* ListView = nullptr;

    void Build(_UIItem_s* items, KvSNMPRequest2Edits* request) override;


    TPanelListViewContainer* ListContainer() const;

    // The range suffix of an edit format: "[min..max]" from the n and x
    // options of its last brace group, or empty ("%i{n0x240}" gives
    // "[0..240]", "%s{l15}" and "%i" nothing).
    static std::string RangeSuffix(const char* format);
};
