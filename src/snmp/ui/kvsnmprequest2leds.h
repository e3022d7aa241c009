#pragma once
// KvSNMPRequest2Leds: a request that polls a unit's LED variable (one octet
// string, one octet per LED) on a timer and paints the LED shapes of a
// front panel, with a short blinking burst after each reading for LEDs whose
// octet says they blink.
//
// How a panel form uses it:
//
//   leds = std::make_unique<KvSNMPRequest2Leds>(this);
//   leds->VarList.Assign(KvSNMPVarList(kLedVars, KvSNMPVarList::kOneInstance, 0));
//   leds->VarList.Instance = std::to_string(UnitNumber);
//   leds->VarList.Label = " Led Status";
//   leds->Timeout = 500;
//   leds->AddLeds(0, "0", &mapA, powerLedPanel, 1, 10, TShape::stRectangle, 7, 7);
//   leds->AttachMessageTarget(mainWindowStatusPanel);
//   leds->StartPolling(300);      // every 3 s, and once now
//   ...
//   leds->StopPolling();          // on close: timers off, LEDs dark
//
// A failed reading darkens all LEDs and writes its line to the message
// target; LED errors never open a message box, and polling goes on.
#include "kvsnmpledcolormaplist.h"
#include "kvsnmprequest2controls.h"
#include "tshape.h"

#include <QPointer>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

struct KvSNMPLed {
    int32_t VarIndex = 0;                          // variable of the request's list
    int32_t ByteIndex = 0;                         // octet of the LED in the variable's octets
    const KvSNMPLedColorMapList* ColorMap = nullptr;
    QPointer<TShape> Shape;
    bool Blinking = false;
    int32_t Color = 0;                             // current colour, 0x00BBGGRR
};

class KvSNMPRequest2Leds : public KvSNMPRequest2Controls {
public:
    // form: owner of the timers; the blink timer runs from now on.
    explicit KvSNMPRequest2Leds(QWidget* form);
    ~KvSNMPRequest2Leds() override;  // stops polling; the shapes stay with the form

    std::vector<std::unique_ptr<KvSNMPLed>> Leds;
    QPointer<QTimer> PollTimer;   // its tick runs a poll; off until StartPolling
    QPointer<QTimer> BlinkTimer;  // 60 ms; its tick runs PaintLeds
    int32_t BlinkLimit = 6;
    int32_t BlinkCount = 0;       // blink ticks since the last reading
    int32_t DecodeMode = KvSNMPLedColorMapList::kOneOctetPerLed;
    int32_t StatusBytes = 4;      // mode 2: the leading one-octet LEDs

    // One LED: dark (the map's off colour) until the first reading.
    void AddLed(int varIndex, int byteIndex, const KvSNMPLedColorMapList* colorMap, TShape* shape);
    // One shape per octet number of byteIndexList ("4,8,12"), placed on the
    // panel at left + k * (gap + width), top 1; the panel loses its frame.
    void AddLeds(int varIndex, const std::string& byteIndexList, const KvSNMPLedColorMapList* colorMap,
                 QWidget* panel, int left, int gap, int shapeKind, int width, int height);

    // interval in hundredths of a second; polls once at once (its error is
    // raised to the caller after the LEDs are darkened).
    void StartPolling(int interval);
    void StopPolling();   // both timers off, LEDs dark
    void ResetLeds();     // every LED dark and not blinking

    // One reading of the LEDs, as the poll timer runs it: errors go to the
    // message target.
    void Poll();

    void RowReceived() override;
    void OnGetError(const KvSNMPError& error) override;
    virtual void UpdateLed(KvSNMPLed& led);
    void PaintLeds();

private:
    bool PollOnce();
    static void Paint(KvSNMPLed& led, int32_t color);
};
