#pragma once
// Front panel of the KM-20X (two XFP ports) expansion module.
#include "tmodulepanelform.h"

class TfrmKM20X : public TModulePanelForm {
    Q_OBJECT
public:
    explicit TfrmKM20X(QWidget* owner = nullptr);
};
