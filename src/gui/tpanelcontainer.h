#pragma once
// TPanelContainer: the panel that receives the generated controls of a page.
// It creates and owns the page's generator (which creates the controls),
// flow layout manager and layout adapter (which binds them to the request),
// and hands the adapter's completion handlers to the request.
#include "uiitem.h"

#include <QFrame>
#include <memory>

class KvSNMPRequest2Edits;
class TFlowLayoutManger;
class TSNMPLayoutAdapter;
class TUIGenerator;

class TPanelContainer : public QFrame {
    Q_OBJECT
public:
    // The controls are created with owner as their owner. Binding errors
    // (KvException) raise from here.
    TPanelContainer(QWidget* owner, KvSNMPRequest2Edits* request, _UIItem_s* items);
    ~TPanelContainer() override;

    std::unique_ptr<TUIGenerator> Generator;
    std::unique_ptr<TFlowLayoutManger> LayoutManager;
    std::unique_ptr<TSNMPLayoutAdapter> Adapter;
    bool NoRowEdit = false;  // double-click on a row opens no edit dialog
};
