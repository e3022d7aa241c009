#pragma once
// KvSNMPRequest2Edits: a request whose variables (or parts of them) are bound
// to the controls of a form and to one list view.
//
// Controls and what they show:
//   QLineEdit        edit: the value text; several edits share one value by
//                    position (octets, address numbers, time or date fields)
//   QLabel           label or static text: the value text
//   QCheckBox        a truth value, option 1 or more of an option list, or
//                    one bit of a bit string (BindBits)
//   QComboBox        the option texts of an option list (drop-down list),
//                    optionally with an edit for the rest of the value
//   QGroupBox        radio group: one radio button per option text
//                    (KvRadioGroupChoice)
//   QTreeWidget      the list view of a table: one row per table row
//
// After a read, and whenever a list-view row is selected, values go into the
// controls (ValuesToControls); before a set the controls' contents go into
// the variables (CollectValues / ControlsToValues).
//
//   KvSNMPRequest2Edits request(form);
//   request.VarList.Assign(KvSNMPVarList(kPortCtrlVars, KvSNMPVarList::kTable, 1));
//   request.AttachListView(ui.PortList, true);
//   request.BindComboBox(2, ui.AdminState);
//   request.BindFormat(3, "%i{n1x4094l4}", ui.Pvid);
//   request.BindBits(4, "0,1,2,3", ui.Port1, ui.Port2, ui.Port3, ui.Port4);
//   request.AttachMessageTarget(ui.StatusBar);
//   request.Get();
//
// Errors (KvException): -517 a check box on a value that is neither a truth
// value nor an option, -519 a bit or part beyond the end of the value, -520
// a combo box or radio group without an option list, -521 a control of no
// bindable type, -522 fewer controls than the value or format needs.
#include "kveditconstraint.h"
#include "kvsnmprequest2controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
class KvOptionList;

// Option lists of this kind hold value prefixes: a combo box bound to one
// needs a second control (an edit) for the rest of the value.
inline constexpr uint32_t kOptionListPrefixKind = 3;

// One bind call.
struct KvSNMPBinding {
    int32_t VarIndex = 0;
    int32_t ByteOffset = 0;     // offset of the bound part in the value's octet image
    uint32_t PartSyntax = 0;    // syntax code of the part (the variable's own for the whole value)
    const KvOptionList* PartOptions = nullptr;  // null: the variable's own for the whole value
    std::optional<std::vector<int32_t>> BitList;  // check boxes bound to bits
    std::vector<QPointer<QWidget>> Controls;      // in order
};

class KvSNMPRequest2Edits : public KvSNMPRequest2Controls {
public:
    // form: owner of the request's message boxes and of its edit constraints.
    explicit KvSNMPRequest2Edits(QWidget* form);
    ~KvSNMPRequest2Edits() override;

    // A selection handler of the list view that runs before the request's
    // own: (list view, item, selected). The item is null when the selection
    // has become empty.
    using SelectHandler = std::function<void(QTreeWidget* listView, QTreeWidgetItem* item, bool selected)>;

    SelectHandler SavedSelectHandler;
    QPointer<QTreeWidget> ListView;
    std::vector<std::unique_ptr<KvSNMPBinding>> Bindings;
    std::unique_ptr<KvEditConstraint> EditConstraint;  // constraints of the edits bound with BindFormat
    // Selecting a row loads it into the bound controls and enables them;
    // after a table Get the bound controls are disabled until a row is selected.
    bool AutoSelect = true;

    // Makes the tree widget a read-only report with whole-row selection and
    // grid lines, builds its columns and follows its selection.
    void AttachListView(QTreeWidget* listView, bool autoSelect);

    // Edit, label, check box or radio group showing the whole value.
    int BindControl(int varIndex, QWidget* control);
    // A combo box (made a drop-down list) with the variable's option texts.
    int BindComboBox(int varIndex, QComboBox* comboBox);
    // The controls of an edit format ("%s", "%i{n1x4094l4}", four "%i{n0x255l3}"
    // for an address): one control per specifier, in order; the edits among
    // them get the specifiers as constraints. -522 when there are fewer
    // controls than specifiers, -2 for a malformed format.
    int BindFormat(int varIndex, const std::string& format, const std::vector<QWidget*>& controls);
    template <typename... More>
    int BindFormat(int varIndex, const std::string& format, QWidget* first, More*... more) {
        return BindFormat(varIndex, format, std::vector<QWidget*>{first, more...});
    }
    // Check boxes bound to bits of the value: bitList is a comma-separated
    // list of bit numbers ("0,1,2"), one check box per number in order (-522
    // when there are fewer check boxes than numbers).
    int BindControlList(int varIndex, const std::string& bitList, const std::vector<QWidget*>& controls);
    template <typename... More>
    int BindBits(int varIndex, const std::string& bitList, QCheckBox* first, More*... more) {
        return BindControlList(varIndex, bitList, std::vector<QWidget*>{first, more...});
    }
    // The general form: a part of syntax partSyntax at byteOffset of the
    // value's octet image, shown through partOptions (null: the variable's
    // own option list when the binding covers the whole value). A combo box
    // or radio group is filled with the option texts (-520 without options).
    // Returns the binding's position.
    int AddBinding(int varIndex, int byteOffset, uint32_t partSyntax, const KvOptionList* partOptions,
                   QWidget* control, QWidget* secondControl = nullptr);

    // Values of the variable (-1: all) into its bound controls.
    void ValuesToControls(int varIndex = -1);
    // The bound controls' contents into the settable variable (-1: all).
    void ControlsToValues(int varIndex = -1);
    // The selected row's texts into the variables of the list-view columns.
    void SelectedRowToValues();
    void EnableControls(bool enabled);
    void BuildColumns();
    void AddRow();

    void BeforeGet() override;
    void RowReceived() override;
    void CollectValues() override;
    void AfterGet() override;
    virtual void ListViewSelect(QTreeWidgetItem* item, bool selected);

private:
    const KvOptionList* EffectiveOptions(const KvSNMPBinding& binding) const;
    void ShowBinding(const KvSNMPBinding& binding);
    std::vector<int> ColumnVariables() const;
    void OnSelectionChanged();
};
