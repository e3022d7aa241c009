#include "tlayoutmanger.h"

#include "tuigenerator.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

TFlowLayoutManger::TFlowLayoutManger(QWidget* owner, QWidget* container, QList<QWidget*>* controls)
    : Owner(owner), Controls(controls), Container(container) {
    for (QWidget* w : *Controls) TUIGenerator::MoveTo(w, Owner);
}

void TFlowLayoutManger::Layout(int /*mode*/) {
    QList<QWidget*>& controls = *Controls;
    for (QWidget* w : controls) TUIGenerator::MoveTo(w, Container);

    if (controls.size() == 1) {
        // A memo or a list view fills the container.
        QWidget* only = controls.front();
        auto* fill = qobject_cast<QVBoxLayout*>(Container->layout());
        if (!fill) {
            delete Container->layout();
            fill = new QVBoxLayout(Container);
            fill->setContentsMargins(0, 0, 0, 0);
        }
        if (fill->indexOf(only) < 0) fill->addWidget(only);
        return;
    }

    QList<QWidget*> boxes, labels, values;
    for (int i = 0; i < controls.size(); ++i) {
        switch (i % 3) {
        case 0: boxes << controls[i]; break;
        case 1: labels << controls[i]; break;
        default: values << controls[i]; break;
        }
    }
    int widest = 0;
    for (QWidget* w : labels) {
        if (auto* label = qobject_cast<QLabel*>(w)) {
            label->adjustSize();  // labels size themselves to their caption
            LabelChars += label->text().size();
        }
        widest = std::max(widest, w->width());
    }
    for (QWidget* v : values) v->resize(ValueWidth, v->height());

    const int rows = static_cast<int>(std::min({boxes.size(), labels.size(), values.size()}));
    int y = TopMargin;
    for (int k = 0; k < rows; ++k) {
        QWidget* v = values[k];
        QWidget* b = boxes[k];
        QWidget* l = labels[k];
        if (k > 0) {
            if (v->height() < 20) v->resize(v->width(), 21);
            y += v->height() + RowGap;
        }
        const int boxLeft = LeftMargin;
        const int labelLeft = boxLeft + b->width() + ColumnGap;
        const int valueLeft = labelLeft + widest + ColumnGap;
        v->move(valueLeft, y);
        b->move(boxLeft, y + (v->height() - b->height()) / 2);
        l->move(labelLeft, y + (v->height() - l->height()) / 2);
    }

    const bool anyBoxShown = std::any_of(boxes.begin(), boxes.end(), TUIGenerator::IsShown);
    if (!anyBoxShown) {
        const int shift = 20 + ColumnGap;  // the check-box column and its gap
        for (QWidget* w : labels) w->move(w->x() - shift, w->y());
        for (QWidget* w : values) w->move(w->x() - shift, w->y());
    }

    ExtentRight = 0;
    ExtentBottom = 0;
    for (QWidget* w : controls) {
        ExtentRight = std::max(ExtentRight, w->x() + w->width());
        ExtentBottom = std::max(ExtentBottom, w->y() + w->height());
    }
}
