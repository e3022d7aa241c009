#include "tfrmkm20x.h"

#include "panelmodels.h"

TfrmKM20X::TfrmKM20X(QWidget* owner) : TModulePanelForm(PanelKM20XModel, owner) {}
