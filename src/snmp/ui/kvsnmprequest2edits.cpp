#include "kvsnmprequest2edits.h"

#include "kvcomboboxchoice.h"
#include "kvexception.h"
#include "kvmessages.h"
#include "kvnumlist.h"
#include "kvoptionlist.h"
#include "kvradiogroupchoice.h"
#include "kvsnmpcontroltext.h"
#include "kvsnmpconverter.h"
#include "kvsnmpvalue.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidget>

namespace {

enum class ControlKind { Edit, Label, CheckBox, ComboBox, RadioGroup, Other };

ControlKind KindOf(const QWidget* w) {
    if (qobject_cast<const QLineEdit*>(w)) return ControlKind::Edit;
    if (qobject_cast<const QLabel*>(w)) return ControlKind::Label;
    if (qobject_cast<const QCheckBox*>(w)) return ControlKind::CheckBox;
    if (qobject_cast<const QComboBox*>(w)) return ControlKind::ComboBox;
    if (qobject_cast<const QGroupBox*>(w)) return ControlKind::RadioGroup;
    return ControlKind::Other;
}

bool IsTruthSyntax(uint32_t syntax) {
    return syntax == synTruthValue || syntax == synPartTruth1 || syntax == synPartTruth2;
}

std::string Text(const QString& s) { return s.toStdString(); }
QString Text(const std::string& s) { return QString::fromStdString(s); }

std::string RadioText(QGroupBox* group) {
    KvRadioGroupChoice choice(group);
    QAbstractButton* button = KvRadioGroupChoice::ButtonsOf(group)->button(choice.SelectedIndex());
    return button ? Text(button->text()) : std::string();
}

// Report-style grid lines between the cells of a list view.
class GridLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(option.palette.color(QPalette::Mid));
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->restore();
    }
};

} // namespace

KvSNMPRequest2Edits::KvSNMPRequest2Edits(QWidget* form)
    : KvSNMPRequest2Controls(form), EditConstraint(std::make_unique<KvEditConstraint>(form, true)) {}

KvSNMPRequest2Edits::~KvSNMPRequest2Edits() { Shutdown(); }

const KvOptionList* KvSNMPRequest2Edits::EffectiveOptions(const KvSNMPBinding& b) const {
    if (b.PartOptions) return b.PartOptions;
    const KvSNMPVar& var = VarList.Item(b.VarIndex);
    return KvSNMPControlText::IsWholeValue(var, b.ByteOffset, b.PartSyntax) ? var.Options : nullptr;
}

// --- Binding --------------------------------------------------------------------

int KvSNMPRequest2Edits::AddBinding(int varIndex, int byteOffset, uint32_t partSyntax,
                                    const KvOptionList* partOptions, QWidget* control, QWidget* secondControl) {
    const KvSNMPVar& var = VarList.Item(varIndex);  // -12 for a variable outside the list
    auto binding = std::make_unique<KvSNMPBinding>();
    binding->VarIndex = varIndex;
    binding->ByteOffset = byteOffset;
    binding->PartSyntax = partSyntax;
    binding->PartOptions = partOptions;
    if (!binding->PartOptions && KvSNMPControlText::IsWholeValue(var, byteOffset, partSyntax))
        binding->PartOptions = var.Options;
    const KvOptionList* options = binding->PartOptions;
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (!options) RaiseDeRIRA(-520);
        if (options->Kind() == kOptionListPrefixKind && !secondControl) RaiseDeRIRA(-522);
        KvComboBoxChoice choice(combo);
        options->FillComboBox(choice);
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        if (!options) RaiseDeRIRA(-520);
        KvRadioGroupChoice choice(group);
        options->FillRadioGroup(choice);
    }
    binding->Controls.emplace_back(control);
    if (secondControl) binding->Controls.emplace_back(secondControl);
    Bindings.push_back(std::move(binding));
    return static_cast<int>(Bindings.size()) - 1;
}

int KvSNMPRequest2Edits::BindControl(int varIndex, QWidget* control) {
    return AddBinding(varIndex, 0, VarList.Item(varIndex).Syntax, nullptr, control);
}

int KvSNMPRequest2Edits::BindComboBox(int varIndex, QComboBox* comboBox) {
    if (comboBox) comboBox->setEditable(false);
    return AddBinding(varIndex, 0, VarList.Item(varIndex).Syntax, nullptr, comboBox);
}

int KvSNMPRequest2Edits::BindFormat(int varIndex, const std::string& format, const std::vector<QWidget*>& controls) {
    const KvSNMPVar& var = VarList.Item(varIndex);
    const std::vector<std::string> specifiers = KvEditFormat::Split(format);
    // Every specifier takes one control; a malformed one raises -2 below.
    if (controls.size() < specifiers.size()) RaiseDeRIRA(-522);
    std::vector<QWidget*> collected(controls.begin(), controls.begin() + static_cast<long>(specifiers.size()));
    std::vector<QLineEdit*> edits;
    for (QWidget* w : collected) edits.push_back(qobject_cast<QLineEdit*>(w));
    EditConstraint->AddConstraints(format, edits);
    auto binding = std::make_unique<KvSNMPBinding>();
    binding->VarIndex = varIndex;
    binding->PartSyntax = var.Syntax;
    for (QWidget* w : collected) binding->Controls.emplace_back(w);
    Bindings.push_back(std::move(binding));
    return static_cast<int>(Bindings.size()) - 1;
}

int KvSNMPRequest2Edits::BindControlList(int varIndex, const std::string& bitList,
                                         const std::vector<QWidget*>& controls) {
    const KvSNMPVar& var = VarList.Item(varIndex);
    KvIntList bits;
    bits.Delimiter = ',';
    bits.Parse(bitList);
    if (static_cast<int>(controls.size()) < bits.Count()) RaiseDeRIRA(-522);
    auto binding = std::make_unique<KvSNMPBinding>();
    binding->VarIndex = varIndex;
    binding->PartSyntax = var.Syntax;
    binding->BitList = bits.Items();
    for (int k = 0; k < bits.Count(); ++k) binding->Controls.emplace_back(controls[static_cast<size_t>(k)]);
    Bindings.push_back(std::move(binding));
    return static_cast<int>(Bindings.size()) - 1;
}

// --- Values into controls ----------------------------------------------------------

void KvSNMPRequest2Edits::ValuesToControls(int varIndex) {
    for (const auto& b : Bindings) {
        if (varIndex != -1 && b->VarIndex != varIndex) continue;
        if (VarList.Item(b->VarIndex).Flags & vfExcluded) continue;
        ShowBinding(*b);
    }
}

void KvSNMPRequest2Edits::ShowBinding(const KvSNMPBinding& b) {
    if (b.Controls.empty() || !b.Controls.front()) return;
    const KvSNMPVar& var = VarList.Item(b.VarIndex);
    const KvOptionList* options = EffectiveOptions(b);
    std::string image;
    const std::string text = KvSNMPControlText::PartText(var, b.ByteOffset, b.PartSyntax, options, &image);
    QWidget* first = b.Controls.front();
    switch (KindOf(first)) {
    case ControlKind::Label:
        static_cast<QLabel*>(first)->setText(Text(text));
        return;
    case ControlKind::CheckBox:
        if (b.BitList) {
            const std::vector<int32_t>& bits = *b.BitList;
            for (int32_t bit : bits)
                if (bit < 0 || static_cast<size_t>(bit) / 8 >= image.size()) RaiseDeRIRA(-519);
            for (size_t k = 0; k < bits.size() && k < b.Controls.size(); ++k)
                if (auto* box = qobject_cast<QCheckBox*>(b.Controls[k].data()))
                    box->setChecked(OctetBit(image, bits[k]));
            return;
        }
        if (options) {
            int position = options->IndexOfText(text);
            if (position < 0) position = options->IndexOfValue(text);
            static_cast<QCheckBox*>(first)->setChecked(position > 0);
        } else if (IsTruthSyntax(b.PartSyntax)) {
            static_cast<QCheckBox*>(first)->setChecked(text == "true");
        } else {
            RaiseDeRIRA(-517);
        }
        return;
    case ControlKind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(first);
        if (!options) RaiseDeRIRA(-520);
        KvComboBoxChoice choice(combo);
        options->SelectInComboBox(choice, text);
        if (b.Controls.size() > 1) {
            if (auto* rest = qobject_cast<QLineEdit*>(b.Controls[1].data())) {
                std::string tail = text;
                if (combo->currentIndex() >= 0) {
                    const std::string item = Text(combo->currentText());
                    tail = text.size() > item.size() ? text.substr(item.size()) : std::string();
                    if (b.PartSyntax == synObjectId && !tail.empty() && tail.front() == '.') tail.erase(0, 1);
                }
                rest->setText(Text(tail));
            }
        }
        return;
    }
    case ControlKind::RadioGroup: {
        if (!options) RaiseDeRIRA(-520);
        KvRadioGroupChoice choice(static_cast<QGroupBox*>(first));
        options->SelectInRadioGroup(choice, text);
        return;
    }
    case ControlKind::Edit: {
        if (b.Controls.size() == 1) {
            auto* edit = static_cast<QLineEdit*>(first);
            edit->setText(Text(text));
            // A value read from the switch is what a refused entry falls back to.
            EditConstraint->StoreLastText(edit);
            return;
        }
        const auto texts =
            KvSNMPControlText::EditTexts(text, image, b.PartSyntax, static_cast<int>(b.Controls.size()));
        for (size_t k = 0; k < texts.size(); ++k) {
            auto* edit = qobject_cast<QLineEdit*>(b.Controls[k].data());
            if (!edit || !texts[k]) continue;
            edit->setText(Text(*texts[k]));
            EditConstraint->StoreLastText(edit);
        }
        return;
    }
    case ControlKind::Other:
        RaiseDeRIRA(-521);
    }
}

// --- Controls into values ----------------------------------------------------------

void KvSNMPRequest2Edits::ControlsToValues(int varIndex) {
    for (int i = 0; i < VarList.Count(); ++i) {
        if (varIndex != -1 && i != varIndex) continue;
        if (!VarList.IsSettable(i)) continue;
        KvSNMPVar& var = VarList.Item(i);
        std::string image = KvSNMPControlText::ValueImage(var);
        bool bound = false;
        // An octet string emptied in its edit is the empty string, which has
        // no octets: without this it would read "(NULL)" and go out as NULL.
        bool emptyEntered = false;
        for (const auto& b : Bindings) {
            if (b->VarIndex != i) continue;
            // A DisplayString is rebuilt from its bindings.
            if (!bound && var.Syntax == synDisplayString) image.clear();
            bound = true;
            if (b->Controls.empty() || !b->Controls.front()) continue;
            const KvOptionList* options = EffectiveOptions(*b);
            QWidget* first = b->Controls.front();
            std::string text, part;
            bool octets = false;
            switch (KindOf(first)) {
            case ControlKind::Label: text = Text(static_cast<QLabel*>(first)->text()); break;
            case ControlKind::CheckBox:
                if (b->BitList) {
                    std::vector<bool> checked;
                    for (const auto& c : b->Controls) {
                        auto* box = qobject_cast<QCheckBox*>(c.data());
                        checked.push_back(box && box->isChecked());
                    }
                    part = KvSNMPControlText::BitsToOctets(*b->BitList, checked);
                    octets = true;
                } else if (options) {
                    text = options->Item(static_cast<QCheckBox*>(first)->isChecked() ? 1 : 0).Text;
                } else if (IsTruthSyntax(b->PartSyntax)) {
                    text = static_cast<QCheckBox*>(first)->isChecked() ? "true" : "false";
                } else {
                    RaiseDeRIRA(-517);
                }
                break;
            case ControlKind::ComboBox:
                text = Text(static_cast<QComboBox*>(first)->currentText());
                if (b->Controls.size() > 1 && b->Controls[1]) {
                    if (b->PartSyntax == synObjectId) text += '.';
                    if (auto* rest = qobject_cast<QLineEdit*>(b->Controls[1].data())) text += Text(rest->text());
                }
                break;
            case ControlKind::RadioGroup: text = RadioText(static_cast<QGroupBox*>(first)); break;
            case ControlKind::Edit:
                if (b->Controls.size() == 1) {
                    text = Text(static_cast<QLineEdit*>(first)->text());
                } else {
                    std::vector<std::string> texts;
                    for (const auto& c : b->Controls) {
                        auto* edit = qobject_cast<QLineEdit*>(c.data());
                        texts.push_back(edit ? Text(edit->text()) : std::string());
                    }
                    text = KvSNMPControlText::ValueFromEdits(texts, b->PartSyntax);
                }
                break;
            case ControlKind::Other:
                continue;  // contributes nothing
            }
            if (!octets) {
                if (options) text = options->TextToValue(text);
                part = TextToOctets(text, b->PartSyntax);
            }
            if (!b->BitList && KvSNMPControlText::IsWholeValue(var, b->ByteOffset, b->PartSyntax)) {
                // A binding of the whole value is the value: a shorter entry
                // must not keep the old value's tail.
                image = part;
                emptyEntered = !octets && text.empty() &&
                               (var.Syntax == synOctetString || var.Syntax == synBits || var.Syntax == synOpaque);
            } else {
                KvSNMPControlText::WritePart(image, b->ByteOffset, part);
            }
        }
        if (bound) var.Value = emptyEntered && image.empty() ? std::string()
                                                             : OptionValueToText(var, OctetsToText(image, var.Syntax));
    }
}

// --- List view ---------------------------------------------------------------------

std::vector<int> KvSNMPRequest2Edits::ColumnVariables() const {
    std::vector<int> columns;
    for (int i = 0; i < VarList.Count(); ++i)
        if (VarList.IsHiddenColumn(i)) columns.push_back(i);
    for (int i = 0; i < VarList.Count(); ++i)
        if (VarList.IsListColumn(i)) columns.push_back(i);
    return columns;
}

void KvSNMPRequest2Edits::AttachListView(QTreeWidget* listView, bool autoSelect) {
    if (ListView) QObject::disconnect(ListView, nullptr, Context(), nullptr);
    ListView = listView;
    AutoSelect = autoSelect;
    if (!listView) return;
    listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listView->setSelectionBehavior(QAbstractItemView::SelectRows);
    listView->setSelectionMode(QAbstractItemView::SingleSelection);
    listView->setRootIsDecorated(false);
    listView->setItemsExpandable(false);
    listView->setUniformRowHeights(true);
    listView->setAllColumnsShowFocus(true);
    listView->header()->setVisible(true);
    listView->setItemDelegate(new GridLineDelegate(listView));
    // The selection stays visible when the list view loses the focus.
    QPalette palette = listView->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    listView->setPalette(palette);
    QObject::connect(listView, &QTreeWidget::itemSelectionChanged, Context(), [this] { OnSelectionChanged(); });
    BuildColumns();
}

void KvSNMPRequest2Edits::BuildColumns() {
    if (!ListView) return;
    QTreeWidget* lv = ListView;
    const std::vector<int> columns = ColumnVariables();
    const int hidden = VarList.HiddenColumnCount();
    // A new tree widget has one column captioned "1": that is no column of ours.
    const bool untouched = lv->columnCount() == 1 && lv->headerItem()->text(0) == QLatin1String("1");
    if (!untouched && lv->columnCount() >= static_cast<int>(columns.size())) return;
    lv->setColumnCount(0);
    lv->setColumnCount(static_cast<int>(columns.size()));
    QStringList captions;
    for (int i : columns) captions << Text(VarList.Item(i).Name);
    lv->setHeaderLabels(captions);
    QHeaderView* header = lv->header();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(0);
    const QFontMetrics metrics(header->font());
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        if (c < hidden) {
            lv->setColumnHidden(c, true);
            header->resizeSection(c, 0);
        } else {
            lv->setColumnHidden(c, false);
            header->resizeSection(c, metrics.horizontalAdvance(captions[c]) + 16);
        }
    }
}

void KvSNMPRequest2Edits::AddRow() {
    if (!ListView) return;
    auto* item = new QTreeWidgetItem;
    const std::vector<int> columns = ColumnVariables();
    for (size_t c = 0; c < columns.size(); ++c) item->setText(static_cast<int>(c), Text(VarList.Item(columns[c]).Value));
    ListView->addTopLevelItem(item);
}

void KvSNMPRequest2Edits::SelectedRowToValues() {
    if (!ListView) return;
    const QList<QTreeWidgetItem*> selected = ListView->selectedItems();
    if (selected.isEmpty()) return;
    const QTreeWidgetItem* item = selected.front();
    const std::vector<int> columns = ColumnVariables();
    for (size_t c = 0; c < columns.size() && static_cast<int>(c) < item->columnCount(); ++c)
        VarList.Item(columns[c]).Value = Text(item->text(static_cast<int>(c)));
}

void KvSNMPRequest2Edits::EnableControls(bool enabled) {
    for (const auto& b : Bindings)
        for (const auto& c : b->Controls)
            if (c) c->setEnabled(enabled);
}

void KvSNMPRequest2Edits::OnSelectionChanged() {
    if (!ListView) return;
    const QList<QTreeWidgetItem*> selected = ListView->selectedItems();
    QTreeWidgetItem* item = selected.isEmpty() ? nullptr : selected.front();
    try {
        ListViewSelect(item, item != nullptr);
    } catch (const KvException& e) {
        // From the event loop: the error is reported, never thrown on.
        ReportError(e);
    }
}

void KvSNMPRequest2Edits::ListViewSelect(QTreeWidgetItem* item, bool selected) {
    if (SavedSelectHandler) SavedSelectHandler(ListView, item, selected);
    if (!selected) return;
    if (AutoSelect) EnableControls(true);
    if (ListView) SelectedRowToValues();
    ValuesToControls(-1);
}

// --- The steps of Get and Set -------------------------------------------------------

void KvSNMPRequest2Edits::BeforeGet() {
    if (!ListView) return;
    BuildColumns();
    ListView->clear();
}

void KvSNMPRequest2Edits::RowReceived() {
    if (ListView) {
        AddRow();
        // The list grows visibly during a walk. Input waits until the walk
        // step is over, so a click cannot close the form under it.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    } else {
        ValuesToControls(-1);
    }
}

void KvSNMPRequest2Edits::CollectValues() {
    for (int i = 0; i < VarList.Count(); ++i) VarList.Item(i).Value.clear();
    if (ListView) SelectedRowToValues();
    ControlsToValues(-1);
}

void KvSNMPRequest2Edits::AfterGet() {
    if (ListView && AutoSelect && VarList.Kind == KvSNMPVarList::kTable) EnableControls(false);
}
