#include "kvradiogroupchoice.h"

#include <QAbstractButton>
#include <QLayout>
#include <QRadioButton>
#include <QString>
#include <QVBoxLayout>

namespace {
const char* const kButtonsName = "KvRadioGroupChoiceButtons";
} // namespace

QButtonGroup* KvRadioGroupChoice::ButtonsOf(QGroupBox* groupBox) {
    auto* buttons = groupBox->findChild<QButtonGroup*>(kButtonsName, Qt::FindDirectChildrenOnly);
    if (!buttons) {
        buttons = new QButtonGroup(groupBox);
        buttons->setObjectName(kButtonsName);
    }
    return buttons;
}

KvRadioGroupChoice::KvRadioGroupChoice(QGroupBox* groupBox) : groupBox_(groupBox), buttons_(ButtonsOf(groupBox)) {
    if (!groupBox_->layout()) new QVBoxLayout(groupBox_);
}

void KvRadioGroupChoice::ClearItems() {
    const auto buttons = buttons_->buttons();
    for (QAbstractButton* button : buttons) {
        buttons_->removeButton(button);
        delete button;
    }
}

void KvRadioGroupChoice::AddItem(const std::string& caption) {
    auto* button = new QRadioButton(QString::fromStdString(caption), groupBox_);
    buttons_->addButton(button, static_cast<int>(buttons_->buttons().size()));
    groupBox_->layout()->addWidget(button);
}

void KvRadioGroupChoice::SetSelectedIndex(int index) {
    QAbstractButton* target = buttons_->button(index);
    if (target) {
        target->setChecked(true);
        return;
    }
    // An exclusive group never unchecks its last button by itself.
    buttons_->setExclusive(false);
    for (QAbstractButton* button : buttons_->buttons()) button->setChecked(false);
    buttons_->setExclusive(true);
}

int KvRadioGroupChoice::SelectedIndex() const { return buttons_->checkedId(); }
