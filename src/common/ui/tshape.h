#pragma once
// TShape: a small filled shape (an LED on a front panel), painted with a
// brush colour and a one-pixel pen colour. Colours are class-library colour
// values 0x00BBGGRR; -1 paints nothing.
#include <QColor>
#include <QWidget>
#include <cstdint>

class TShape : public QWidget {
public:
    enum ShapeType : int {
        stRectangle = 0,
        stSquare = 1,
        stRoundRect = 2,
        stRoundSquare = 3,
        stEllipse = 4,
        stCircle = 5,
    };

    explicit TShape(QWidget* parent = nullptr, int shape = stRectangle);

    int Shape() const { return shape_; }
    void SetShape(int shape);
    int32_t BrushColor() const { return brush_; }
    void SetBrushColor(int32_t color);
    int32_t PenColor() const { return pen_; }
    void SetPenColor(int32_t color);

    // 0x00BBGGRR <-> QColor (-1: an invalid colour).
    static QColor ToQColor(int32_t color);
    static int32_t FromQColor(const QColor& color);

protected:
    void UpdateOpacity();
    void paintEvent(QPaintEvent* event) override;

private:
    int shape_;
    int32_t brush_ = 0xFFFFFF;  // white, as a new shape of the class library
    int32_t pen_ = 0;           // black
};
