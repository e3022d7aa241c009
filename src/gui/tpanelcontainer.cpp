#include "tpanelcontainer.h"

#include "kvsnmprequest2edits.h"
#include "tlayoutadapter.h"
#include "tlayoutmanger.h"
#include "tuigenerator.h"

TPanelContainer::TPanelContainer(QWidget* owner, KvSNMPRequest2Edits* request, _UIItem_s* items)
    : QFrame(owner) {
    setFrameShape(QFrame::NoFrame);
    Generator = std::make_unique<TUIGenerator>(items, owner);
    LayoutManager = std::make_unique<TFlowLayoutManger>(owner, this, &Generator->Controls);
    Adapter = std::make_unique<TSNMPLayoutAdapter>(items, request);
    TSNMPLayoutAdapter* adapter = Adapter.get();
    request->OnGetDone = [adapter](KvSNMPRequest2Controls& r, const KvSNMPError& e) { adapter->HandleGetDone(r, e); };
    request->OnSetDone = [adapter](KvSNMPRequest2Controls& r, const KvSNMPError& e) { adapter->HandleSetDone(r, e); };
    NoRowEdit = false;
}

TPanelContainer::~TPanelContainer() {
    // The request may outlive the page: it must not call into the adapter.
    if (Adapter && Adapter->Request) {
        Adapter->Request->OnGetDone = nullptr;
        Adapter->Request->OnSetDone = nullptr;
    }
}
