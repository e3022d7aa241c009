#pragma once
// Front panel of a KG-7124i unit: 24 ports and 8 combo slots (ports 17-24), no stack display.
#include "tpanelform.h"

class TPanelKG7124iForm : public TPanelForm {
    Q_OBJECT
public:
    explicit TPanelKG7124iForm(QWidget* owner = nullptr);
};
