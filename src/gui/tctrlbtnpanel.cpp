#include "tctrlbtnpanel.h"

#include <QBitmap>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

static void InitPackagedGlyphs() {
    static const bool done = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    (void)done;
}

namespace {
constexpr const char* kCaptionProperty = "kxCaption";
constexpr const char* kGlyphProperty = "kxGlyph";  // true while a glyph stands for the caption
}

TCtrlBtnPanel::TCtrlBtnPanel(QWidget* owner) : QFrame(owner) {
    InitPackagedGlyphs();
    setFrameShape(QFrame::NoFrame);

    RowCount = new QLabel(QStringLiteral("0"), this);
    RowCount->setAlignment(Qt::AlignCenter);
    RowCount->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    RowCount->setFixedSize(kButtonWidth, RowCount->sizeHint().height() + 2);
    Order << RowCount;

    SamplesLabel = new QLabel(QStringLiteral("Samples"), this);
    SamplesLabel->setAlignment(Qt::AlignCenter);
    SamplesLabel->resize(kButtonWidth, SamplesLabel->sizeHint().height());
    Order << SamplesLabel;

    RefreshButton = AddButtonChild(QStringLiteral("Refresh"), QStringLiteral("Get"));
    EditButton = AddButtonChild(QStringLiteral("Set"), QStringLiteral("Set"));
    SetButton = AddButtonChild(QStringLiteral("Set"), QStringLiteral("SetCheck"));
    AddButton = AddButtonChild(QStringLiteral("Add"), QStringLiteral("Add"));
    DeleteButton = AddButtonChild(QStringLiteral("Delete"), QStringLiteral("Delete"));
    CheckAllButton = AddButtonChild(QStringLiteral("Check All"), QStringLiteral("SelectAll"));
    ClearChecksButton = AddButtonChild(QStringLiteral("Clear Checks"), QStringLiteral("SelectNone"));
    StopButton = AddButtonChild(QStringLiteral("Stop"), QString());
    CloseButton = AddButtonChild(QStringLiteral("Close"), QStringLiteral("Close"));

    Margin = TopMargin = 10;
    Arrange();
    const int width = 2 * Margin + RefreshButton->width();
    setMinimumWidth(width);
    resize(width, height());
}

QPixmap TCtrlBtnPanel::LoadGlyph(const QString& path) {
    QImage image(path);
    if (image.isNull() || image.height() <= 0) return {};
    const int w = image.width(), h = image.height();
    if (w % h == 0 && w / h >= 2 && w / h <= 4) image = image.copy(0, 0, w / (w / h), h);
    QPixmap glyph = QPixmap::fromImage(image);
    if (!image.hasAlphaChannel()) {
        const QColor transparent = image.pixelColor(0, image.height() - 1);
        glyph.setMask(glyph.createMaskFromColor(transparent, Qt::MaskInColor));
    }
    return glyph;
}

QPushButton* TCtrlBtnPanel::AddButtonChild(const QString& caption, const QString& iconName) {
    auto* button = new QPushButton(caption, this);
    button->setProperty(kCaptionProperty, caption);
    button->setAccessibleName(caption);
    button->setAutoDefault(false);
    if (!iconName.isEmpty()) {
        QPixmap glyph;
        const QString file = QDir::current().filePath(iconName + QStringLiteral(".bmp"));
        if (QFileInfo::exists(file)) glyph = LoadGlyph(file);
        if (glyph.isNull()) glyph = QPixmap(QStringLiteral(":/icons/") + iconName + QStringLiteral(".png"));
        if (!glyph.isNull()) {
            button->setText(QString());
            button->setIcon(QIcon(glyph));
            button->setIconSize(glyph.deviceIndependentSize().toSize());
            button->setToolTip(caption);
            button->setProperty(kGlyphProperty, true);
        }
    }
    button->resize(kButtonWidth, std::max(25, button->sizeHint().height()));
    Order << button;
    return button;
}

QString TCtrlBtnPanel::Caption(const QPushButton* button) {
    return button ? button->property(kCaptionProperty).toString() : QString();
}

void TCtrlBtnPanel::SetCaption(QPushButton* button, const QString& caption) {
    if (!button) return;
    button->setProperty(kCaptionProperty, caption);
    button->setAccessibleName(caption);
    button->setText(caption);
    if (button->property(kGlyphProperty).toBool()) button->setToolTip(caption);
    button->resize(button->width(), std::max(button->height(), button->sizeHint().height()));
}

void TCtrlBtnPanel::Arrange() {
    int y = TopMargin;
    QWidget* previous = nullptr;
    for (QWidget* child : Order) {
        if (previous) QWidget::setTabOrder(previous, child);
        previous = child;
        child->setGeometry(Margin, y, kButtonWidth, child->height());
        if (child->isVisibleTo(this)) y = child->y() + child->height() + 5;
    }
}

QSize TCtrlBtnPanel::sizeHint() const { return {2 * Margin + kButtonWidth, QFrame::sizeHint().height()}; }

void TCtrlBtnPanel::SetChildVisible(QWidget* child, bool visible) {
    child->setVisible(visible);
    Arrange();
}

void TCtrlBtnPanel::HideRowCount() { SetChildVisible(RowCount, false); }
void TCtrlBtnPanel::HideSamplesLabel() { SetChildVisible(SamplesLabel, false); }
void TCtrlBtnPanel::HideRefresh() { SetChildVisible(RefreshButton, false); }
void TCtrlBtnPanel::HideEdit() { SetChildVisible(EditButton, false); }
void TCtrlBtnPanel::HideSet() { SetChildVisible(SetButton, false); }
void TCtrlBtnPanel::HideAdd() { SetChildVisible(AddButton, false); }
void TCtrlBtnPanel::HideDelete() { SetChildVisible(DeleteButton, false); }
void TCtrlBtnPanel::HideCheckAll() { SetChildVisible(CheckAllButton, false); }
void TCtrlBtnPanel::HideClearChecks() { SetChildVisible(ClearChecksButton, false); }
void TCtrlBtnPanel::HideStop() { SetChildVisible(StopButton, false); }
void TCtrlBtnPanel::HideClose() { SetChildVisible(CloseButton, false); }
void TCtrlBtnPanel::ShowStop() { SetChildVisible(StopButton, true); }

void TCtrlBtnPanel::ShowNoSetGroup() {
    SetButton->setVisible(false);
    CheckAllButton->setVisible(false);
    ClearChecksButton->setVisible(false);
    Arrange();
}

void TCtrlBtnPanel::ShowSetGroup() {
    SetButton->setVisible(true);
    CheckAllButton->setVisible(true);
    ClearChecksButton->setVisible(true);
    Arrange();
}

void TCtrlBtnPanel::ShowSetOnly() {
    SetButton->setVisible(true);
    CheckAllButton->setVisible(false);
    ClearChecksButton->setVisible(false);
    Arrange();
}
