#pragma once
// TCtrlBtnPanel: the column of command buttons on the right of a page.
//
// Children, in layout and tab order: the row count ("0", sunken) and the
// "Samples" label under it, then Refresh, Edit, Set, Add, Delete, Check All,
// Clear Checks, Stop and Close. Arrange stacks the visible children from
// y = 10 at x = 10, 96 wide, 5 pixels apart; a hidden child keeps a position
// but takes no room. The column is 2 x 10 + 96 = 116 pixels wide.
//
// Button glyphs: when the current directory holds the button's bitmap
// ("Get.bmp", "Set.bmp", "SetCheck.bmp", "Add.bmp", "Delete.bmp",
// "SelectAll.bmp", "SelectNone.bmp", "Close.bmp") the bitmap replaces the
// caption; otherwise the glyph packaged with the program does. A file that
// cannot be read is ignored. Stop has no glyph.
#include <QFrame>
#include <QList>
#include <QString>

class QLabel;
class QPushButton;

class TCtrlBtnPanel : public QFrame {
    Q_OBJECT
public:
    explicit TCtrlBtnPanel(QWidget* owner);

    QList<QWidget*> Order;  // children in layout order
    int Margin = 10;
    int TopMargin = 10;

    QLabel* RowCount;
    QLabel* SamplesLabel;
    QPushButton* RefreshButton;
    QPushButton* EditButton;
    QPushButton* SetButton;
    QPushButton* AddButton;
    QPushButton* DeleteButton;
    QPushButton* CheckAllButton;
    QPushButton* ClearChecksButton;
    QPushButton* StopButton;
    QPushButton* CloseButton;

    static constexpr int kButtonWidth = 96;

    void Arrange();

    // Each hides or shows its child, then arranges.
    void HideRowCount();
    void HideSamplesLabel();
    void HideRefresh();
    void HideEdit();
    void HideSet();
    void HideAdd();
    void HideDelete();
    void HideCheckAll();
    void HideClearChecks();
    void HideStop();
    void HideClose();
    void ShowStop();

    // Set, Check All and Clear Checks together.
    void ShowNoSetGroup();  // hide all three (nothing to write)
    void ShowSetGroup();    // show all three (several writable items)
    void ShowSetOnly();     // Set alone (one writable item)

    // The caption a button was created with ("Refresh", "Check All" ...),
    // also when a glyph replaced it.
    static QString Caption(const QPushButton* button);
    // Sets a button's caption; a button showing a glyph in place of its
    // caption keeps the glyph and shows the caption beside it.
    static void SetCaption(QPushButton* button, const QString& caption);

    // Loads a glyph bitmap as the class library does: a bitmap whose width
    // is 2 to 4 times its height holds that many glyphs side by side (the
    // first is used), and the colour of the bottom-left pixel is transparent.
    // Null when the file cannot be read.
    static QPixmap LoadGlyph(const QString& path);

    QSize sizeHint() const override;

private:
    QPushButton* AddButtonChild(const QString& caption, const QString& iconName);
    void SetChildVisible(QWidget* child, bool visible);
};
