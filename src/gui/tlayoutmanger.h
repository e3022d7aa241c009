#pragma once
// Layout managers place the generated controls of a page.
//
// TFlowLayoutManger puts the items in one column of rows: check box at
// x = 20, label 5 pixels after it, value control (121 wide) 5 pixels after
// the widest label; the first row at y = 20, every further row below the
// previous one by the current item's value height + 5 (a value control lower
// than 20 is first raised to 21). Check box and label are centred on the
// value control. When no check box is visible, labels and value controls
// move 25 pixels to the left. All numbers are logical pixels.
#include <QList>

class QWidget;

class TLayoutManger {
public:
    virtual ~TLayoutManger() = default;
    // Places the controls; mode 2 (a flow of rows) is the one in use.
    virtual void Layout(int mode) = 0;
};

class TFlowLayoutManger : public TLayoutManger {
public:
    // Stores its arguments and gives every control the owner as parent.
    // controls is the generator's list and must outlive the manager.
    TFlowLayoutManger(QWidget* owner, QWidget* container, QList<QWidget*>* controls);

    void Layout(int mode) override;

    const int ItemsPerRow = 1;
    const int RowGap = 5;
    const int ColumnGap = 5;
    const int LeftMargin = 20;
    const int TopMargin = 20;
    const int ValueWidth = 121;

    int ExtentRight = 0;   // largest left + width over the controls (last run)
    int ExtentBottom = 0;  // largest top + height over the controls (last run)
    int LabelChars = 0;    // characters of all label captions, added on every run

    QWidget* Owner;
    QList<QWidget*>* Controls;
    QWidget* Container;
};
