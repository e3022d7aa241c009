#include "tshape.h"

#include <QPainter>
#include <algorithm>

TShape::TShape(QWidget* parent, int shape) : QWidget(parent), shape_(shape) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    UpdateOpacity();
}

void TShape::SetShape(int shape) {
    if (shape_ == shape) return;
    shape_ = shape;
    UpdateOpacity();
    update();
}

void TShape::SetBrushColor(int32_t color) {
    if (brush_ == color) return;
    brush_ = color;
    UpdateOpacity();
    update();
}

void TShape::SetPenColor(int32_t color) {
    if (pen_ == color) return;
    pen_ = color;
    UpdateOpacity();
    update();
}

// A filled rectangle covers the whole widget: nothing under it needs
// painting when it changes (panels show dozens of these).
void TShape::UpdateOpacity() {
    setAttribute(Qt::WA_OpaquePaintEvent, shape_ == stRectangle && brush_ >= 0 && pen_ >= 0);
}

QColor TShape::ToQColor(int32_t color) {
    if (color < 0) return {};
    const auto c = static_cast<uint32_t>(color);
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

int32_t TShape::FromQColor(const QColor& color) {
    if (!color.isValid()) return -1;
    return static_cast<int32_t>(static_cast<uint32_t>(color.red()) | (static_cast<uint32_t>(color.green()) << 8) |
                                (static_cast<uint32_t>(color.blue()) << 16));
}

void TShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor brush = ToQColor(brush_), pen = ToQColor(pen_);
    painter.setBrush(brush.isValid() ? QBrush(brush) : QBrush(Qt::NoBrush));
    painter.setPen(pen.isValid() ? QPen(pen, 1) : QPen(Qt::NoPen));
    QRect r = rect().adjusted(0, 0, -1, -1);
    if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
        const int side = std::min(r.width(), r.height());
        r = QRect(r.left() + (r.width() - side) / 2, r.top() + (r.height() - side) / 2, side, side);
    }
    switch (shape_) {
    case stRoundRect:
    case stRoundSquare: {
        const qreal radius = std::min(r.width(), r.height()) / 4.0;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawRoundedRect(r, radius, radius);
        break;
    }
    case stEllipse:
    case stCircle:
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(r);
        break;
    default:
        painter.drawRect(r);
        break;
    }
}
