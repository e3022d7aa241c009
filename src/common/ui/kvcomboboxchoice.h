#pragma once
// A combo box as the choice control of an option list:
//   KvComboBoxChoice choice(comboBox);
//   options.FillComboBox(choice);
//   options.SelectInComboBox(choice, value);
#include "kvoptionlist.h"

#include <QComboBox>
#include <QString>

class KvComboBoxChoice : public KvChoiceControl {
public:
    explicit KvComboBoxChoice(QComboBox* comboBox) : comboBox_(comboBox) {}

    void ClearItems() override { comboBox_->clear(); }
    void AddItem(const std::string& caption) override { comboBox_->addItem(QString::fromStdString(caption)); }
    void SetSelectedIndex(int index) override { comboBox_->setCurrentIndex(index < comboBox_->count() ? index : -1); }

private:
    QComboBox* comboBox_;
};
