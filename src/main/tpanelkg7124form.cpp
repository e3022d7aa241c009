#include "tpanelkg7124form.h"

#include "panelmodels.h"

TPanelKG7124Form::TPanelKG7124Form(QWidget* owner) : TPanelForm(PanelKG7124Model, owner) {}
