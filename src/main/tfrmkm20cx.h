#pragma once
// Front panel of the KM-20CX (two CX4 ports) expansion module.
#include "tmodulepanelform.h"

class TfrmKM20CX : public TModulePanelForm {
    Q_OBJECT
public:
    explicit TfrmKM20CX(QWidget* owner = nullptr);
};
