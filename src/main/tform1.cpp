#include "tform1.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    setObjectName("Form1");
    Form1 = this;
}
