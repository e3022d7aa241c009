#pragma once
// TUIGenerator: creates the controls of a UI descriptor table.
//
// Kinds uiCheckEdit, uiCheckCombo and uiUncheckedEdit give three controls
// each, in this order: check box, label, value control; so the position of a
// control in Controls modulo 3 tells its role (0 check box, 1 label, 2 value
// control). uiMemo and uiListView give their one control. The pointers are
// written into the table's Control, CheckBox and Label fields.
//
// A variable that is only shown (flags exactly vfRead or exactly vfKey) gets
// a disabled check box (hidden beside an edit), a read-only edit or a
// disabled combo box, in the button-face colour and out of the tab order.
#include "uiitem.h"

#include <QList>

class QWidget;

class TUIGenerator {
public:
    // Stores the arguments and generates at once; the controls are owned by
    // (children of) owner.
    TUIGenerator(_UIItem_s* items, QWidget* owner);

    _UIItem_s* Items;
    QWidget* Owner;
    int CheckBoxWidth = 20;
    QList<QWidget*> Controls;  // every generated control, in generation order

    // Gives every control in Controls the new parent (keeping whether each
    // one is hidden).
    void SetParentAll(QWidget* parent);

    // Height given to every generated edit and combo box, so that rows of
    // mixed kinds are equally high: the larger of their natural heights.
    static int ValueControlHeight();

    // Whether a control is shown within its parent (not hidden itself); true
    // also before the window is on the screen.
    static bool IsShown(const QWidget* w);
    // setParent that keeps whether the control is hidden.
    static void MoveTo(QWidget* w, QWidget* parent);
    // The colours of a control that is only shown (button face) or editable (window).
    static void SetFaceColour(QWidget* w);
    static void SetWindowColour(QWidget* w);

private:
    void Generate();
};
