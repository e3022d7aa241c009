#pragma once
// The front panel of one unit (or expansion module) of the stack: a picture
// of the panel, one button per port and the panels that hold its LEDs. The
// model forms differ only in their geometry, which is data (_PanelModel_s).
#include "ledtables.h"

#include <QList>
#include <QPixmap>
#include <QWidget>
#include <memory>

class QFrame;
class QLabel;
class QToolButton;
class KvSNMPRequest2Leds;

// One port button: its number n on the panel (1-based) and its place.
struct _PanelButton_s {
    int Number;
    int Left, Top, Width, Height;
    int Kind; // 0 copper socket, 1 combo/fibre slot, 2 module port (CX4/XFP)
};

// One LED panel (a small borderless panel the LED request fills with shapes).
struct _PanelLedPanel_s {
    const char* Name;
    int Left, Top, Width, Height;
    const char* Caption; // printed on the faceplate beside it, may be null
};

struct _PanelModel_s {
    const char* ClassName;      // "TPanelKX7026GForm"
    const char* ModelText;      // printed on the faceplate
    int Width, Height;
    const _PanelButton_s* Buttons;      // ended by Number 0
    int PortCount;                      // buttons above this are combo buttons ...
    int ComboOffset;                    // ... standing for port n - ComboOffset
    const _PanelLedPanel_s* LedPanels;  // ended by a null Name
    bool HasStackImage;
    int StackLeft, StackTop, StackWidth, StackHeight; // Panel1
    const _LedBinding_s* Leds;          // LED shapes per LED panel (unit forms)
};

// A port button: a transparent speed button over the socket in the picture.
#include <QToolButton>
class TPortButton : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override { QToolButton::enterEvent(event); update(); }
    void leaveEvent(QEvent* event) override { QToolButton::leaveEvent(event); update(); }
};

class TPanelForm : public QWidget {
    Q_OBJECT
public:
    TPanelForm(const _PanelModel_s& model, QWidget* owner = nullptr);
    ~TPanelForm() override;

    const _PanelModel_s& Model() const { return model_; }

    int UnitNumber = 0;

    // The port button named "SpeedButton" + n (module forms: "SpeedButtonX"/"Y").
    QToolButton* Button(const QString& name) const;
    QList<QToolButton*> Buttons() const { return buttons_; }
    // The LED panel of that name ("PowerLedPanel", "LedPanel1", ...).
    QFrame* LedPanel(const QString& name) const;

    // Tags every port button with its stack-wide port number
    // ((UnitNumber - 1) * 64 + port) and appends it to portButtons.
    virtual void RegisterPorts(QList<QToolButton*>& portButtons);

    // Creates the LED request (asynchronous, 5 s time-out, the LED variable
    // at instance UnitNumber), places the LED shapes and sends outcome lines
    // to messageTarget. timerOwner owns the request's timers (default: this
    // form). Errors here leave the panel without LEDs.
    virtual void SetUpLeds(QWidget* messageTarget, QWidget* timerOwner = nullptr);
    std::unique_ptr<KvSNMPRequest2Leds> LedRequest;
    // Stops polling (LEDs dark), ends the request and waits for it.
    void ClosePanel();

    // The stack image (the unit number as the panel shows it); null for
    // models without one.
    QPixmap StackImage() const;

    // Stack-wide number of the port on this panel (combo buttons map to the
    // port they share).
    int StackPort(int buttonNumber) const;

    QLabel* Image1 = nullptr;

protected:
    void SetUpLedsFrom(const _LedBinding_s* bindings, QWidget* messageTarget, QWidget* timerOwner);
    const _PanelModel_s& model_;
    QList<QToolButton*> buttons_;
    QList<QFrame*> ledPanels_;
    QLabel* stackImage_ = nullptr;
};

// Stack-wide port number of port p of unit u.
inline int StackPortNumber(int unit, int port) { return (unit - 1) * 64 + port; }

// The picture of a model's front panel: dark faceplate, model name, a socket
// under every port button, captions beside the LED panels.
QPixmap PaintFrontPanel(const _PanelModel_s& model);
