#include "tuigenerator.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>

TUIGenerator::TUIGenerator(_UIItem_s* items, QWidget* owner) : Items(items), Owner(owner) { Generate(); }

int TUIGenerator::ValueControlHeight() {
    QLineEdit edit;
    QComboBox combo;
    return std::max(edit.sizeHint().height(), combo.sizeHint().height());
}

bool TUIGenerator::IsShown(const QWidget* w) {
    if (!w) return false;
    if (const QWidget* parent = w->parentWidget()) return w->isVisibleTo(parent);
    return !w->isHidden();
}

void TUIGenerator::MoveTo(QWidget* w, QWidget* parent) {
    if (!w || w->parentWidget() == parent) return;
    const bool shown = IsShown(w);
    w->setParent(parent);
    w->setVisible(shown);
}

void TUIGenerator::SetFaceColour(QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Button));
    w->setPalette(p);
}

void TUIGenerator::SetWindowColour(QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, QApplication::palette(w).color(QPalette::Base));
    w->setPalette(p);
}

void TUIGenerator::SetParentAll(QWidget* parent) {
    for (QWidget* w : Controls) MoveTo(w, parent);
}

void TUIGenerator::Generate() {
    if (!Items) return;
    const int valueHeight = ValueControlHeight();
    for (_UIItem_s* item = Items; item->Variable; ++item) {
        const _SNMPVar_s& var = *item->Variable;
        const bool displayOnly = IsDisplayOnlyFlags(var.Flags);
        switch (item->Kind) {
        case uiCheckEdit:
        case uiUncheckedEdit:
        case uiCheckCombo: {
            auto* box = new QCheckBox(Owner);
            box->resize(CheckBoxWidth, box->sizeHint().height());
            box->setChecked(item->Kind != uiUncheckedEdit);
            auto* label = new QLabel(QString::fromUtf8(var.Name ? var.Name : ""), Owner);
            label->adjustSize();
            QWidget* value;
            if (item->Kind == uiCheckCombo) {
                auto* combo = new QComboBox(Owner);
                if (displayOnly) {
                    box->setEnabled(false);
                    combo->setEnabled(false);
                    SetFaceColour(combo);
                    combo->setFocusPolicy(Qt::NoFocus);
                }
                value = combo;
            } else {
                auto* edit = new QLineEdit(Owner);
                if (displayOnly) {
                    box->setEnabled(false);
                    box->hide();
                    edit->setReadOnly(true);
                    SetFaceColour(edit);
                    edit->setFocusPolicy(Qt::NoFocus);
                }
                value = edit;
            }
            value->resize(value->sizeHint().width(), valueHeight);
            label->setBuddy(value);
            Controls << box << label << value;
            item->CheckBox = box;
            item->Label = label;
            item->Control = value;
            break;
        }
        case uiMemo: {
            auto* memo = new QPlainTextEdit(Owner);
            memo->setReadOnly(true);
            Controls << memo;
            item->Control = memo;
            break;
        }
        case uiListView: {
            auto* list = new QTreeWidget(Owner);
            list->setRootIsDecorated(false);
            Controls << list;
            item->Control = list;
            break;
        }
        default:
            break;  // unknown kinds generate nothing
        }
    }
}
