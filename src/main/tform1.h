#pragma once
// The auxiliary window created beside the main window; it is never shown.
// Its two ready flags let forms with several asynchronous requests wait for
// each other.
#include <QWidget>

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // largeFonts: the main window's LargeFonts (position and size x 1.25).
    explicit TForm1(QWidget* parent = nullptr, bool largeFonts = false);

    bool Ready1 = false;
    bool Ready2 = false;
};

extern TForm1* Form1;
