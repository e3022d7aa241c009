#include "tform1.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* parent, bool largeFonts) : QWidget(parent) {
    setObjectName("Form1");
    setGeometry(0, 0, 320, 240);
    if (largeFonts) {
        const QRect g = geometry();
        setGeometry(static_cast<int>(g.left() * 1.25), static_cast<int>(g.top() * 1.25),
                    static_cast<int>(g.width() * 1.25), static_cast<int>(g.height() * 1.25));
    }
    Form1 = this;
}
