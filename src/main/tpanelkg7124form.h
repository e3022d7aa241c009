#pragma once
// Front panel of a KG-7124 unit: 24 ports and 4 combo slots (ports 21-24).
#include "tpanelform.h"

class TPanelKG7124Form : public TPanelForm {
    Q_OBJECT
public:
    explicit TPanelKG7124Form(QWidget* owner = nullptr);
};
