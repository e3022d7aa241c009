#include "tfrmkm20cx.h"

#include "panelmodels.h"

TfrmKM20CX::TfrmKM20CX(QWidget* owner) : TModulePanelForm(PanelKM20CXModel, owner) {}
