// Draws the packaged command-button glyphs of the configuration pages
// (resources/icons/*.png, at 1x and 2x). Not part of the build; run it again
// after changing a glyph:
//
//   g++ -std=c++20 -fPIC resources/icons/makeicons.cpp -o /tmp/makeicons \
//       $(pkg-config --cflags --libs Qt6Gui)
//   QT_QPA_PLATFORM=offscreen /tmp/makeicons resources/icons
//
// Each glyph is a small symbol followed by the button's word, like the
// bitmaps the platform installs beside the program; the "Set" glyph (shown
// on the row Edit button, which keeps its own caption) is the symbol alone.
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

constexpr int kHeight = 16;   // logical height of every glyph
constexpr int kSymbol = 14;   // symbol box, logical pixels
constexpr int kGap = 4;

using Symbol = std::function<void(QPainter&)>;  // draws into a 14 x 14 box at (0, 1)

QPen Pen(const QColor& c, double w) { return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void Refresh(QPainter& p) {
    p.setPen(Pen(QColor(0x1f, 0x5f, 0xb4), 2.0));
    p.drawArc(QRectF(2, 3, 10, 10), 60 * 16, 280 * 16);
    QPainterPath head;
    head.moveTo(9.2, 1.0);
    head.lineTo(13.6, 4.0);
    head.lineTo(8.6, 6.6);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x5f, 0xb4));
    p.drawPath(head);
}

void Pencil(QPainter& p) {
    p.save();
    p.translate(7, 8);
    p.rotate(-45);
    p.setPen(Pen(QColor(0x5a, 0x3a, 0x10), 1.0));
    p.setBrush(QColor(0xf0, 0xa8, 0x30));
    p.drawRect(QRectF(-4, -2, 9, 4));
    QPainterPath tip;
    tip.moveTo(-4, -2);
    tip.lineTo(-7.5, 0);
    tip.lineTo(-4, 2);
    tip.closeSubpath();
    p.setBrush(QColor(0xf5, 0xdc, 0xb0));
    p.drawPath(tip);
    p.setBrush(QColor(0xd0, 0x50, 0x50));
    p.drawRect(QRectF(5, -2, 2, 4));
    p.restore();
}

void Check(QPainter& p) {
    p.setPen(Pen(QColor(0x1e, 0x8c, 0x3a), 2.4));
    QPainterPath mark;
    mark.moveTo(2, 8);
    mark.lineTo(5.5, 11.5);
    mark.lineTo(12, 3);
    p.drawPath(mark);
}

void Plus(QPainter& p) {
    p.setPen(Pen(QColor(0x1e, 0x8c, 0x3a), 2.6));
    p.drawLine(QPointF(7, 2.5), QPointF(7, 12.5));
    p.drawLine(QPointF(2, 7.5), QPointF(12, 7.5));
}

void Cross(QPainter& p) {
    p.setPen(Pen(QColor(0xc0, 0x28, 0x28), 2.4));
    p.drawLine(QPointF(3, 3.5), QPointF(11, 11.5));
    p.drawLine(QPointF(11, 3.5), QPointF(3, 11.5));
}

void Box(QPainter& p, bool ticked) {
    p.setPen(Pen(QColor(0x40, 0x40, 0x40), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 2.5, 11, 11));
    if (ticked) {
        p.setPen(Pen(QColor(0x1f, 0x5f, 0xb4), 2.0));
        QPainterPath mark;
        mark.moveTo(3.8, 8);
        mark.lineTo(6.2, 10.6);
        mark.lineTo(10.6, 5);
        p.setBrush(Qt::NoBrush);
        p.drawPath(mark);
    }
}

void Door(QPainter& p) {
    p.setPen(Pen(QColor(0x40, 0x40, 0x40), 1.2));
    p.setBrush(QColor(0xe8, 0xe8, 0xe8));
    p.drawRect(QRectF(1.5, 1.5, 7, 12));
    p.setPen(Pen(QColor(0xc0, 0x28, 0x28), 1.8));
    p.drawLine(QPointF(5.5, 7.5), QPointF(12.5, 7.5));
    p.drawLine(QPointF(10, 5), QPointF(12.5, 7.5));
    p.drawLine(QPointF(10, 10), QPointF(12.5, 7.5));
}

void Write(const QString& dir, const QString& name, const Symbol& symbol, const QString& word) {
    QFont font("DejaVu Sans Condensed");
    font.setPixelSize(11);
    const double textWidth = word.isEmpty() ? 0 : std::ceil(QFontMetricsF(font).horizontalAdvance(word));
    const int width = kSymbol + (word.isEmpty() ? 0 : kGap + static_cast<int>(textWidth));
    for (int scale : {1, 2}) {
        QImage image(width * scale, kHeight * scale, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        image.setDevicePixelRatio(scale);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.save();
        p.translate(0, 1);
        symbol(p);
        p.restore();
        if (!word.isEmpty()) {
            p.setFont(font);
            p.setPen(QColor(0x20, 0x20, 0x20));
            p.drawText(QRectF(kSymbol + kGap, 0, textWidth + 1, kHeight), Qt::AlignLeft | Qt::AlignVCenter, word);
        }
        p.end();
        const QString file = QDir(dir).filePath(name + (scale == 2 ? "@2x.png" : ".png"));
        if (!image.save(file)) std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    }
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    Write(dir, "Get", Refresh, "Refresh");
    Write(dir, "Set", Pencil, QString());
    Write(dir, "SetCheck", Check, "Set");
    Write(dir, "Add", Plus, "Add");
    Write(dir, "Delete", Cross, "Delete");
    Write(dir, "SelectAll", [](QPainter& p) { Box(p, true); }, "Check All");
    Write(dir, "SelectNone", [](QPainter& p) { Box(p, false); }, "Clear Checks");
    Write(dir, "Close", Door, "Close");
    return 0;
}
