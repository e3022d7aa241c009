#pragma once
// KvOptionList: the (value, caption) pairs of an enumerated value, built from
// static option tables. Every enumerated MIB value shown in a combo box, a
// radio group or a list-view cell goes through one of these lists.
#include <cstdint>
#include <string>
#include <vector>

// One record of a static option table. A table is an array of these ended by
// a record whose caption is null:
//
//   const _Option_s StorageTypeOptions[] = {
//       {1, "other"}, {2, "volatile"}, {3, "nonVolatile"}, {}
//   };
//   const _Option_s AuthProtocolOptions[] = {
//       {"1.3.6.1.6.3.10.1.1.1", "None"}, {"1.3.6.1.6.3.10.1.1.2", "MD5"}, {}
//   };
//
// Kind 1 lists read Value, kind 2 lists read ValueText.
struct _Option_s {
    int32_t Value = 0;
    const char* ValueText = nullptr;
    const char* Text = nullptr;

    constexpr _Option_s() = default;
    constexpr _Option_s(int32_t value, const char* text) : Value(value), Text(text) {}
    constexpr _Option_s(const char* valueText, const char* text) : ValueText(valueText), Text(text) {}
};

// One item of a list: the value (integer for kind 1, text for kind 2) and the caption.
struct KvOptionItem {
    int32_t Value = 0;
    std::string ValueText;
    std::string Text;
};

// The few things an option list needs from a combo box or a radio group.
// The widget adapters live with the GUI code; tests use a plain recorder.
class KvChoiceControl {
public:
    virtual ~KvChoiceControl() = default;
    virtual void ClearItems() = 0;
    virtual void AddItem(const std::string& caption) = 0;
    virtual void SetSelectedIndex(int index) = 0;   // -1: no selection
};

class KvOptionList {
public:
    enum : uint32_t { kIntegerValues = 1, kTextValues = 2 };

    KvOptionList() = default;
    // Sets the fields, then AddTable(table). A null table gives an empty list.
    KvOptionList(const _Option_s* table, uint32_t kind, bool caseSensitive = false);

    // Appends the table's records, up to the first record with a null caption,
    // after the existing items. A null table adds nothing.
    void AddTable(const _Option_s* table);

    uint32_t Kind() const { return kind_; }
    bool CaseSensitive() const { return caseSensitive_; }
    int Count() const { return static_cast<int>(items_.size()); }
    // Raises KvCommon -12 for an index outside 0..Count()-1.
    const KvOptionItem& Item(int index) const;

    // First item whose caption equals the text by the list's case rule, or -1.
    int IndexOfText(const std::string& text) const;
    // Kind 1: -1 for "(NULL)" or a text that is not a decimal 32-bit integer,
    // otherwise the first item with that value or -1. Kind 2: the first item
    // whose value text equals the text by the case rule, or -1.
    int IndexOfValue(const std::string& text) const;

    // Caption of the item found by IndexOfValue; the text itself when none.
    std::string ValueToText(const std::string& text) const;
    // Value (decimal for kind 1) of the item found by IndexOfText; the text itself when none.
    std::string TextToValue(const std::string& text) const;

    // Clear the control's items, then add every caption in item order.
    void FillComboBox(KvChoiceControl& control) const;
    void FillRadioGroup(KvChoiceControl& control) const;
    // Select IndexOfText(text); when that is negative, IndexOfValue(text) (-1: no selection).
    void SelectInComboBox(KvChoiceControl& control, const std::string& text) const;
    void SelectInRadioGroup(KvChoiceControl& control, const std::string& text) const;

private:
    bool SameText(const std::string& a, const std::string& b) const;
    void Fill(KvChoiceControl& control) const;
    int SelectionIndex(const std::string& text) const;

    uint32_t kind_ = kIntegerValues;
    bool caseSensitive_ = false;
    std::vector<KvOptionItem> items_;
};
