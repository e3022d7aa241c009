#include "tpanelkx7050form.h"

#include "panelmodels.h"

TPanelKX7050Form::TPanelKX7050Form(QWidget* owner) : TPanelForm(PanelKX7050Model, owner) {}
