#pragma once
// A radio group (a group box holding one radio button per caption) as the
// choice control of an option list:
//   KvRadioGroupChoice choice(groupBox);
//   options.FillRadioGroup(choice);
//   options.SelectInRadioGroup(choice, value);
#include "kvoptionlist.h"

#include <QButtonGroup>
#include <QGroupBox>

class KvRadioGroupChoice : public KvChoiceControl {
public:
    explicit KvRadioGroupChoice(QGroupBox* groupBox);

    void ClearItems() override;
    void AddItem(const std::string& caption) override;
    void SetSelectedIndex(int index) override;   // -1: no button checked

    // The index of the checked button, or -1.
    int SelectedIndex() const;

    // The buttons this adapter manages in a group box (kept with the box).
    static QButtonGroup* ButtonsOf(QGroupBox* groupBox);

private:
    QGroupBox* groupBox_;
    QButtonGroup* buttons_;
};
