#include "kvsnmprequest2leds.h"

#include "kvexception.h"
#include "kvnumlist.h"
#include "kvsnmpcontroltext.h"

#include <QFrame>

KvSNMPRequest2Leds::KvSNMPRequest2Leds(QWidget* form) : KvSNMPRequest2Controls(form) {
    PollTimer = new QTimer(form);
    QObject::connect(PollTimer, &QTimer::timeout, Context(), [this] { Poll(); });
    BlinkTimer = new QTimer(form);
    BlinkTimer->setInterval(60);
    QObject::connect(BlinkTimer, &QTimer::timeout, Context(), [this] { PaintLeds(); });
    BlinkTimer->start();
}

KvSNMPRequest2Leds::~KvSNMPRequest2Leds() {
    Shutdown();
    if (PollTimer) PollTimer->stop();
    if (BlinkTimer) BlinkTimer->stop();
    delete PollTimer.data();
    delete BlinkTimer.data();
}

void KvSNMPRequest2Leds::Paint(KvSNMPLed& led, int32_t color) {
    if (!led.Shape) return;
    led.Shape->SetBrushColor(color);
    led.Shape->SetPenColor(color);
    led.Shape->show();
}

void KvSNMPRequest2Leds::AddLed(int varIndex, int byteIndex, const KvSNMPLedColorMapList* colorMap, TShape* shape) {
    auto led = std::make_unique<KvSNMPLed>();
    led->VarIndex = varIndex;
    led->ByteIndex = byteIndex;
    led->ColorMap = colorMap;
    led->Shape = shape;
    led->Color = colorMap ? colorMap->OffColor : 0;
    Paint(*led, led->Color);
    Leds.push_back(std::move(led));
}

void KvSNMPRequest2Leds::AddLeds(int varIndex, const std::string& byteIndexList,
                                 const KvSNMPLedColorMapList* colorMap, QWidget* panel, int left, int gap,
                                 int shapeKind, int width, int height) {
    KvIntList positions;
    positions.Delimiter = ',';
    positions.Parse(byteIndexList);
    for (int k = 0; k < positions.Count(); ++k) {
        auto* shape = new TShape(panel, shapeKind);
        shape->setGeometry(left + k * (gap + width), 1, width, height);
        shape->show();
        AddLed(varIndex, positions.Item(k), colorMap, shape);
    }
    if (auto* frame = qobject_cast<QFrame*>(panel)) frame->setFrameShape(QFrame::NoFrame);
}

void KvSNMPRequest2Leds::StartPolling(int interval) {
    if (!PollTimer) return;
    PollTimer->setInterval(interval * 10);
    PollTimer->start();
    if (BlinkTimer && !BlinkTimer->isActive()) BlinkTimer->start();
    PollOnce();
}

void KvSNMPRequest2Leds::StopPolling() {
    if (PollTimer) PollTimer->stop();
    if (BlinkTimer) BlinkTimer->stop();
    ResetLeds();
}

void KvSNMPRequest2Leds::ResetLeds() {
    for (auto& led : Leds) {
        led->Blinking = false;
        led->Color = led->ColorMap ? led->ColorMap->OffColor : 0;
        Paint(*led, led->Color);
    }
}

// True when a reading was started. A poll that comes while the previous
// reading is still outstanding is skipped: that reading will paint the
// LEDs, and stacking requests on a slow or unreachable switch would only
// queue up more time-outs.
bool KvSNMPRequest2Leds::PollOnce() {
    if (Busy) return false;
    try {
        Get();
    } catch (const KvException&) {
        ResetLeds();
        throw;
    }
    return true;
}

void KvSNMPRequest2Leds::Poll() {
    try {
        PollOnce();
    } catch (const KvException& e) {
        LastOperation = kLastGet;
        ShowStatus(e.Message());
    }
}

void KvSNMPRequest2Leds::RowReceived() {
    BlinkCount = 0;
    for (auto& led : Leds) UpdateLed(*led);
    if (BlinkTimer && PollTimer && PollTimer->isActive() && !BlinkTimer->isActive()) BlinkTimer->start();
    PaintLeds();
}

void KvSNMPRequest2Leds::OnGetError(const KvSNMPError& error) {
    LastOperation = kLastGet;
    ResetLeds();
    ShowStatus(error.Message);  // only with a message target: never a message box
}

void KvSNMPRequest2Leds::UpdateLed(KvSNMPLed& led) {
    if (!led.ColorMap) return;
    const std::string octets = KvSNMPControlText::ValueImage(VarList.Item(led.VarIndex));
    led.ColorMap->Decode(octets, led.ByteIndex, DecodeMode, StatusBytes, led.Color, led.Blinking);
}

void KvSNMPRequest2Leds::PaintLeds() {
    bool anyBlinking = false;
    for (auto& led : Leds) {
        if (led->Blinking) anyBlinking = true;
        if (!led->Shape) continue;
        if (led->Blinking) {
            const int32_t off = led->ColorMap ? led->ColorMap->OffColor : 0;
            const bool lit = led->Shape->BrushColor() == off || BlinkCount > BlinkLimit;
            Paint(*led, lit ? led->Color : off);
        } else {
            Paint(*led, led->Color);
        }
    }
    if (anyBlinking) ++BlinkCount;
    // Nothing left to blink until the next reading: let the timer rest, so
    // that idle panels cost no wake-ups (RowReceived starts it again).
    if ((!anyBlinking || BlinkCount > BlinkLimit + 1) && BlinkTimer) BlinkTimer->stop();
}
