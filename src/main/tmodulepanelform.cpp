#include "tmodulepanelform.h"

#include <QToolButton>

void TModulePanelForm::RegisterPorts(QList<QToolButton*>& portButtons) {
    const int first = FirstHostPort();
    if (!first) return;
    const char* names[] = {"SpeedButtonX", "SpeedButtonY"};
    for (int i = 0; i < 2; ++i) {
        QToolButton* button = Button(names[i]);
        if (!button) continue;
        const int port = first + i;
        button->setProperty("tag", StackPortNumber(UnitNumber, port));
        button->setToolTip(QString("Unit %1 Port %2").arg(UnitNumber).arg(port));
        portButtons.append(button);
    }
}

void TModulePanelForm::SetUpLeds(QWidget* messageTarget, QWidget* timerOwner) {
    if (OnKX7026G) SetUpLedsFrom(ModuleOnKX7026GLeds, messageTarget, timerOwner);
    else if (OnKX7050) SetUpLedsFrom(ModuleOnKX7050Leds, messageTarget, timerOwner);
}
