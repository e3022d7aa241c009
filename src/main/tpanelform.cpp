#include "tpanelform.h"

#include "kvexception.h"
#include "kvsnmprequest2leds.h"

#include <QFontMetrics>
#include <QHash>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QCoreApplication>
#include <QStatusBar>
#include <QToolButton>

void TPortButton::paintEvent(QPaintEvent*) {
    // The socket is in the panel's picture; the button only marks hover and
    // selection on top of it.
    if (!isChecked() && !underMouse() && !isDown()) return;
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    if (isChecked() || isDown()) p.fillRect(r, QColor(80, 170, 255, 110));
    p.setPen(isChecked() ? QColor(0x5f, 0xb4, 0xff) : QColor(0x9f, 0xd3, 0xff));
    p.drawRect(r);
}

namespace {

void PaintSocket(QPainter& p, const QRect& r, int kind) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    if (kind == 0) {
        // RJ-45: a dark well with a key notch and gold contacts.
        QRectF outer = QRectF(r).adjusted(1, 1, -1, -1);
        p.setPen(QPen(QColor(0x70, 0x76, 0x7c), 1));
        p.setBrush(QColor(0x12, 0x13, 0x15));
        p.drawRoundedRect(outer, 2, 2);
        QRectF notch(outer.center().x() - outer.width() / 6, outer.bottom() - outer.height() / 4,
                     outer.width() / 3, outer.height() / 4);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x3a, 0x3e, 0x42));
        p.drawRect(notch);
        p.setPen(QPen(QColor(0xc8, 0xa2, 0x3c), 1));
        const qreal y = outer.top() + 3;
        for (int i = 0; i < 4; ++i) {
            const qreal x = outer.left() + 4 + i * (outer.width() - 8) / 3.0;
            p.drawLine(QPointF(x, y), QPointF(x, y + 3));
        }
    } else if (kind == 1) {
        // SFP / combo slot: a metal cage with a dark mouth.
        QRectF cage = QRectF(r).adjusted(1, 2, -1, -2);
        p.setPen(QPen(QColor(0xa8, 0xae, 0xb4), 1));
        p.setBrush(QColor(0x60, 0x66, 0x6c));
        p.drawRect(cage);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x10, 0x10, 0x12));
        p.drawRect(cage.adjusted(3, 3, -3, -3));
    } else {
        // Module port: a wide cage (CX4 / XFP).
        QRectF cage = QRectF(r).adjusted(0, 0, -1, -1);
        p.setPen(QPen(QColor(0xb8, 0xbe, 0xc4), 1));
        p.setBrush(QColor(0x50, 0x56, 0x5c));
        p.drawRoundedRect(cage, 2, 2);
        p.setBrush(QColor(0x10, 0x10, 0x12));
        p.setPen(Qt::NoPen);
        p.drawRect(cage.adjusted(3, 3, -3, -3));
    }
    p.restore();
}

} // namespace

QPixmap PaintFrontPanel(const _PanelModel_s& model) {
    QPixmap pixmap(model.Width, model.Height);
    QPainter p(&pixmap);
    const QRect all(0, 0, model.Width, model.Height);

    // Faceplate: dark anodised metal with a lighter rim and rack ears.
    QLinearGradient face(0, 0, 0, model.Height);
    face.setColorAt(0, QColor(0x3c, 0x41, 0x46));
    face.setColorAt(0.5, QColor(0x2a, 0x2e, 0x32));
    face.setColorAt(1, QColor(0x1e, 0x21, 0x24));
    p.fillRect(all, face);
    p.setPen(QColor(0x5a, 0x60, 0x66));
    p.drawRect(all.adjusted(0, 0, -1, -1));
    const bool unit = model.Width > 300;
    if (unit) {
        for (int x : {0, model.Width - 14}) {
            p.fillRect(QRect(x, 0, 14, model.Height), QColor(0x48, 0x4d, 0x52));
            p.setBrush(QColor(0x14, 0x16, 0x18));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPoint(x + 7, 14), 3, 3);
            p.drawEllipse(QPoint(x + 7, model.Height - 14), 3, 3);
        }
    }

    // Model name and brand strip.
    QFont nameFont = p.font();
    nameFont.setBold(true);
    nameFont.setPixelSize(unit ? 12 : 9);
    p.setFont(nameFont);
    p.setPen(QColor(0xe8, 0xea, 0xec));
    if (unit) {
        // Top left unless LEDs sit there; then bottom left.
        QRect text(18, 4, QFontMetrics(nameFont).horizontalAdvance(model.ModelText) + 4, 16);
        for (const _PanelLedPanel_s* led = model.LedPanels; led && led->Name; ++led)
            if (text.intersects(QRect(led->Left - 2, led->Top - 2, led->Width + 4, led->Height + 4)))
                text.moveTop(model.Height - 20);
        p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, model.ModelText);
    }
    else p.drawText(QRect(4, 1, model.Width - 8, 11), Qt::AlignLeft | Qt::AlignVCenter, model.ModelText);

    // LED captions.
    QFont small = p.font();
    small.setBold(false);
    small.setPixelSize(7);
    p.setFont(small);
    p.setPen(QColor(0xb0, 0xb6, 0xbc));
    for (const _PanelLedPanel_s* led = model.LedPanels; led && led->Name; ++led) {
        if (!led->Caption) continue;
        QRect box(led->Left - 30, led->Top - 2, 28, led->Height + 4);
        p.drawText(box, Qt::AlignRight | Qt::AlignVCenter, led->Caption);
        p.fillRect(QRect(led->Left - 1, led->Top - 1, led->Width + 2, led->Height + 2), QColor(0x14, 0x15, 0x17));
    }

    // A socket under every port button, with its port number beside it.
    for (const _PanelButton_s* b = model.Buttons; b && b->Number; ++b) {
        const QRect r(b->Left, b->Top, b->Width, b->Height);
        PaintSocket(p, r, b->Kind);
    }
    if (model.HasStackImage) {
        p.fillRect(QRect(model.StackLeft - 1, model.StackTop - 1, model.StackWidth + 2, model.StackHeight + 2),
                   QColor(0x0c, 0x0d, 0x0e));
    }
    return pixmap;
}

TPanelForm::TPanelForm(const _PanelModel_s& model, QWidget* owner)
    : QWidget(owner, Qt::FramelessWindowHint), model_(model) {
    setObjectName(model.ClassName);
    setFixedSize(model.Width, model.Height);
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(0, 0, model.Width, model.Height);
    // Every unit of a model shows the same picture: paint it once.
    static QHash<const _PanelModel_s*, QPixmap> pictures;
    auto picture = pictures.find(&model);
    if (picture == pictures.end()) picture = pictures.insert(&model, PaintFrontPanel(model));
    Image1->setPixmap(*picture);
    // The picture covers the whole panel: nothing under it needs painting
    // when an LED changes.
    Image1->setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(true);

    for (const _PanelLedPanel_s* led = model.LedPanels; led && led->Name; ++led) {
        auto* panel = new QFrame(this);
        panel->setObjectName(led->Name);
        panel->setFrameShape(QFrame::NoFrame);
        panel->setGeometry(led->Left, led->Top, led->Width, led->Height);
        panel->setAutoFillBackground(true);
        QPalette pal = panel->palette();
        pal.setColor(QPalette::Window, QColor(0x14, 0x15, 0x17));
        panel->setPalette(pal);
        ledPanels_.append(panel);
    }

    for (const _PanelButton_s* b = model.Buttons; b && b->Number; ++b) {
        auto* button = new TPortButton(this);
        const bool module = b->Kind == 2;
        button->setObjectName(module ? (b->Number == 1 ? "SpeedButtonX" : "SpeedButtonY")
                                     : QString("SpeedButton%1").arg(b->Number));
        button->setGeometry(b->Left, b->Top, b->Width, b->Height);
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        buttons_.append(button);
    }

    if (model.HasStackImage) {
        auto* panel1 = new QFrame(this);
        panel1->setObjectName("Panel1");
        panel1->setGeometry(model.StackLeft, model.StackTop, model.StackWidth, model.StackHeight);
        stackImage_ = new QLabel(panel1);
        stackImage_->setObjectName("StackImage");
        stackImage_->setGeometry(0, 0, model.StackWidth, model.StackHeight);
        stackImage_->setScaledContents(true);
    }
}

TPanelForm::~TPanelForm() { ClosePanel(); }

void TPanelForm::SetUpLeds(QWidget* messageTarget, QWidget* timerOwner) {
    SetUpLedsFrom(model_.Leds, messageTarget, timerOwner);
}

void TPanelForm::SetUpLedsFrom(const _LedBinding_s* bindings, QWidget* messageTarget, QWidget* timerOwner) {
    if (!bindings) return;
    try {
        LedRequest = std::make_unique<KvSNMPRequest2Leds>(timerOwner ? timerOwner : this);
        LedRequest->Mode = KvSNMPRequest2Controls::kAsynchronous;
        LedRequest->VarList.Assign(KvSNMPVarList(LedStatusVars, KvSNMPVarList::kOneInstance, 0));
        LedRequest->VarList.Instance = std::to_string(UnitNumber);
        LedRequest->Timeout = 500;
        for (const _LedBinding_s* b = bindings; b->Panel; ++b)
            if (QFrame* panel = LedPanel(b->Panel))
                LedRequest->AddLeds(0, b->Positions, LedMap(b->Map), panel, b->Left, b->Gap, TShape::stRectangle,
                                    b->Width, b->Height);
        if (auto* label = qobject_cast<QLabel*>(messageTarget)) LedRequest->AttachMessageTarget(label);
        else if (auto* bar = qobject_cast<QStatusBar*>(messageTarget)) LedRequest->AttachMessageTarget(bar);
        LedRequest->VarList.Label = " Led Status";
    } catch (const std::exception&) {
        // A panel whose LEDs cannot be set up still shows its ports.
    }
}

void TPanelForm::ClosePanel() {
    if (!LedRequest) return;
    LedRequest->StopPolling();
    LedRequest->Alive = false;
    while (LedRequest->Busy) KvProcessMessages(10);
    LedRequest.reset();
}

QToolButton* TPanelForm::Button(const QString& name) const {
    for (QToolButton* b : buttons_)
        if (b->objectName() == name) return b;
    return nullptr;
}

QFrame* TPanelForm::LedPanel(const QString& name) const {
    for (QFrame* f : ledPanels_)
        if (f->objectName() == name) return f;
    return nullptr;
}

int TPanelForm::StackPort(int n) const {
    const int port = n > model_.PortCount ? n - model_.ComboOffset : n;
    return StackPortNumber(UnitNumber, port);
}

void TPanelForm::RegisterPorts(QList<QToolButton*>& portButtons) {
    for (const _PanelButton_s* b = model_.Buttons; b && b->Number; ++b) {
        QToolButton* button = Button(QString("SpeedButton%1").arg(b->Number));
        if (!button) continue;
        const int tag = StackPort(b->Number);
        button->setProperty("tag", tag);
        button->setToolTip(QString("Unit %1 Port %2").arg(UnitNumber).arg(tag - (UnitNumber - 1) * 64));
        portButtons.append(button);
    }
    if (stackImage_) stackImage_->setPixmap(StackImage());
}

QPixmap TPanelForm::StackImage() const {
    if (!model_.HasStackImage) return {};
    // A two-digit stack-ID display showing the unit number.
    QPixmap pm(model_.StackWidth * 2, model_.StackHeight * 2);
    pm.fill(QColor(0x0c, 0x0d, 0x0e));
    QPainter p(&pm);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(pm.height() - 8);
    p.setFont(f);
    p.setPen(QColor(0x4c, 0xff, 0x4c));
    p.drawText(pm.rect(), Qt::AlignCenter, UnitNumber > 0 ? QString::number(UnitNumber) : QString("-"));
    return pm;
}
