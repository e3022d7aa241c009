#pragma once
// Front panel of a KX-7026G unit: 24 ports and 4 combo slots (ports 21-24).
#include "tpanelform.h"

class TPanelKX7026GForm : public TPanelForm {
    Q_OBJECT
public:
    explicit TPanelKX7026GForm(QWidget* owner = nullptr);
};
