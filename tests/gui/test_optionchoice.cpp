// Option lists filling and selecting in real combo boxes and radio groups.
#include "kvcomboboxchoice.h"
#include "kvoptionlist.h"
#include "kvradiogroupchoice.h"

#include <QComboBox>
#include <QGroupBox>
#include <gtest/gtest.h>

namespace {

const _Option_s kStateOptions[] = {{1, "enabled"}, {2, "disabled"}, {}};

TEST(OptionChoice, ComboBox) {
    const KvOptionList options(kStateOptions, KvOptionList::kIntegerValues);
    QComboBox combo;
    combo.addItem("stale");
    KvComboBoxChoice choice(&combo);
    options.FillComboBox(choice);
    ASSERT_EQ(combo.count(), 2);
    EXPECT_EQ(combo.itemText(1), "disabled");
    options.SelectInComboBox(choice, "2");
    EXPECT_EQ(combo.currentIndex(), 1);
    options.SelectInComboBox(choice, "Enabled");
    EXPECT_EQ(combo.currentIndex(), 0);
    options.SelectInComboBox(choice, "9");
    EXPECT_EQ(combo.currentIndex(), -1);
}

TEST(OptionChoice, RadioGroup) {
    const KvOptionList options(kStateOptions, KvOptionList::kIntegerValues);
    QGroupBox box;
    KvRadioGroupChoice choice(&box);
    options.FillRadioGroup(choice);
    options.FillRadioGroup(choice);   // refilling replaces the buttons
    EXPECT_EQ(KvRadioGroupChoice::ButtonsOf(&box)->buttons().size(), 2);
    options.SelectInRadioGroup(choice, "disabled");
    EXPECT_EQ(choice.SelectedIndex(), 1);
    options.SelectInRadioGroup(choice, "1");
    EXPECT_EQ(choice.SelectedIndex(), 0);
    options.SelectInRadioGroup(choice, "unknown");
    EXPECT_EQ(choice.SelectedIndex(), -1);
    // A second adapter on the same box works on the same buttons.
    KvRadioGroupChoice again(&box);
    options.SelectInRadioGroup(again, "2");
    EXPECT_EQ(choice.SelectedIndex(), 1);
}

} // namespace
