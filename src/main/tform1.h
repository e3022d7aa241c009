#pragma once
// The auxiliary window created beside the main window; it is never shown.
#include <QWidget>

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
};

extern TForm1* Form1;
