#pragma once
// Front panel of an expansion module shown to the right of its host unit.
// Its two ports take the host's port numbers after the host's own ports.
#include "tpanelform.h"

class TModulePanelForm : public TPanelForm {
    Q_OBJECT
public:
    using TPanelForm::TPanelForm;

    bool OnKX7026G = false; // host is a KX-7026G: ports 25 and 26, LED octets 52 and 54
    bool OnKX7050 = false;  // host is a KX-7050: ports 49 and 50, LED octets 100 and 102

    // First port number on the host (25 or 49), 0 without a known host.
    int FirstHostPort() const { return OnKX7026G ? 25 : OnKX7050 ? 49 : 0; }

    // "SpeedButtonX" and "SpeedButtonY" tagged with the host's port numbers;
    // nothing without a known host.
    void RegisterPorts(QList<QToolButton*>& portButtons) override;

    // LEDs at octets 52/54 (KX-7026G host) or 100/102 (KX-7050 host); none
    // without a known host.
    void SetUpLeds(QWidget* messageTarget, QWidget* timerOwner = nullptr) override;
};
