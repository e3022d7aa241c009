#include "tpanelkx7026gform.h"

#include "panelmodels.h"

TPanelKX7026GForm::TPanelKX7026GForm(QWidget* owner) : TPanelForm(PanelKX7026GModel, owner) {}
