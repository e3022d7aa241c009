#pragma once
// Front panel of a KX-7050 unit: 48 ports and 4 combo slots (ports 45-48).
#include "tpanelform.h"

class TPanelKX7050Form : public TPanelForm {
    Q_OBJECT
public:
    explicit TPanelKX7050Form(QWidget* owner = nullptr);
};
