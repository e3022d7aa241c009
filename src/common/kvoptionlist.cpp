#include "kvoptionlist.h"

#include "kvmessages.h"
#include "kvtextnumbers.h"

KvOptionList::KvOptionList(const _Option_s* table, uint32_t kind, bool caseSensitive)
    : kind_(kind), caseSensitive_(caseSensitive) {
    AddTable(table);
}

void KvOptionList::AddTable(const _Option_s* table) {
    if (!table) return;
    for (const _Option_s* record = table; record->Text; ++record) {
        KvOptionItem item;
        item.Text = record->Text;
        if (kind_ == kTextValues) {
            item.ValueText = record->ValueText ? record->ValueText : "";
        } else {
            item.Value = record->Value;
        }
        items_.push_back(std::move(item));
    }
}

const KvOptionItem& KvOptionList::Item(int index) const {
    if (index < 0 || index >= Count()) RaiseKvCommon(-12);
    return items_[static_cast<size_t>(index)];
}

bool KvOptionList::SameText(const std::string& a, const std::string& b) const {
    return caseSensitive_ ? a == b : SameTextIgnoringCase(a, b);
}

int KvOptionList::IndexOfText(const std::string& text) const {
    for (int i = 0; i < Count(); ++i)
        if (SameText(items_[static_cast<size_t>(i)].Text, text)) return i;
    return -1;
}

int KvOptionList::IndexOfValue(const std::string& text) const {
    if (kind_ == kTextValues) {
        for (int i = 0; i < Count(); ++i)
            if (SameText(items_[static_cast<size_t>(i)].ValueText, text)) return i;
        return -1;
    }
    if (text == "(NULL)") return -1;
    int32_t value = 0;
    if (!TryParseInt32(text, value)) return -1;
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<size_t>(i)].Value == value) return i;
    return -1;
}

std::string KvOptionList::ValueToText(const std::string& text) const {
    const int index = IndexOfValue(text);
    return index < 0 ? text : items_[static_cast<size_t>(index)].Text;
}

std::string KvOptionList::TextToValue(const std::string& text) const {
    const int index = IndexOfText(text);
    if (index < 0) return text;
    const KvOptionItem& item = items_[static_cast<size_t>(index)];
    return kind_ == kTextValues ? item.ValueText : std::to_string(item.Value);
}

void KvOptionList::Fill(KvChoiceControl& control) const {
    control.ClearItems();
    for (const KvOptionItem& item : items_) control.AddItem(item.Text);
}

int KvOptionList::SelectionIndex(const std::string& text) const {
    const int index = IndexOfText(text);
    return index >= 0 ? index : IndexOfValue(text);
}

void KvOptionList::FillComboBox(KvChoiceControl& control) const { Fill(control); }
void KvOptionList::FillRadioGroup(KvChoiceControl& control) const { Fill(control); }

void KvOptionList::SelectInComboBox(KvChoiceControl& control, const std::string& text) const {
    control.SetSelectedIndex(SelectionIndex(text));
}

void KvOptionList::SelectInRadioGroup(KvChoiceControl& control, const std::string& text) const {
    control.SetSelectedIndex(SelectionIndex(text));
}
