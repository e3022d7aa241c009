#include "tpanelkg7124iform.h"

#include "panelmodels.h"

TPanelKG7124iForm::TPanelKG7124iForm(QWidget* owner) : TPanelForm(PanelKG7124iModel, owner) {}
