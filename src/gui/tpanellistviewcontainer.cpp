#include "tpanellistviewcontainer.h"

#include "kvsnmprequest2edits.h"
#include "tlayoutadapter.h"
#include "tlayoutmanger.h"
#include "tuigenerator.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QTreeWidget>
#include <QVBoxLayout>

TPanelListViewContainer::TPanelListViewContainer(QWidget* owner, KvSNMPRequest2Edits* request, _UIItem_s* items)
    : TPanelContainer(owner, request, items) {
    EditorBox = new QScrollArea(this);
    EditorBox->setWidgetResizable(true);
    EditorBox->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget;
    EditorBox->setWidget(content);
    Generator->SetParentAll(content);
    EditorBox->hide();

    ListView = new QTreeWidget(this);
    auto* fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(ListView);
    request->AttachListView(ListView, true);
    ListView->setMouseTracking(true);
    ListView->viewport()->setMouseTracking(true);
    ListView->viewport()->installEventFilter(this);

    QObject::connect(ListView, &QTreeWidget::itemDoubleClicked, this, [this] { OnListDblClick(); });
    QAbstractItemModel* model = ListView->model();
    QObject::connect(model, &QAbstractItemModel::rowsInserted, this, [this] { OnListChange(); });
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { OnListChange(); });
    QObject::connect(model, &QAbstractItemModel::modelReset, this, [this] { OnListChange(); });

    Adapter->EditorBox = EditorBox;
    Adapter->ListView = ListView;
}

TPanelListViewContainer::~TPanelListViewContainer() {
    // The list view dies with the base class: its last signals must not
    // reach this part of the object.
    QObject::disconnect(ListView->model(), nullptr, this, nullptr);
    QObject::disconnect(ListView, nullptr, this, nullptr);
    ListView->viewport()->removeEventFilter(this);
}

QWidget* TPanelListViewContainer::EditorContent() const { return EditorBox->widget(); }

void TPanelListViewContainer::FillEditorBox() {
    Generator->SetParentAll(EditorContent());
    const QSize size(LayoutManager->ExtentRight + 20, LayoutManager->ExtentBottom + 20);
    EditorContent()->setMinimumSize(size);
    EditorBox->resize(size);
}

void TPanelListViewContainer::OnListChange() {
    if (RowCountText) RowCountText->setText(QString::number(ListView->topLevelItemCount()));
}

void TPanelListViewContainer::OnListClick() {
    const bool selected = !ListView->selectedItems().isEmpty();
    for (QPushButton* button : {Adapter->EditButton, Adapter->DeleteButton}) {
        if (!button) continue;
        if (!TUIGenerator::IsShown(button)) button->setEnabled(true);
        else button->setEnabled(selected);
    }
}

void TPanelListViewContainer::OnListDblClick() {
    if (ListView->selectedItems().isEmpty() || NoRowEdit) return;
    Adapter->OpenEditDialog();
}

QString TPanelListViewContainer::RowHint(const QTreeWidget* listView, const QTreeWidgetItem* item) {
    if (!listView || !item) return {};
    const QTreeWidgetItem* header = listView->headerItem();
    const int columns = listView->columnCount();
    int longest = 0;
    for (int c = 0; c < columns; ++c) longest = std::max(longest, static_cast<int>(header->text(c).size()));
    QString hint;
    for (int c = 0; c < columns; ++c) {
        const QString caption = header->text(c);
        hint += caption;
        hint += QString(longest - caption.size(), QLatin1Char('\t'));
        hint += QStringLiteral("  ");
        hint += item->text(c);
        hint += QLatin1Char('\n');
    }
    return hint;
}

bool TPanelListViewContainer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListView->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonRelease:
            OnListClick();
            break;
        case QEvent::MouseMove: {
            const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
            QTreeWidgetItem* item = ListView->itemAt(pos);
            ListView->viewport()->setToolTip(item ? RowHint(ListView, item) : QString());
            break;
        }
        default:
            break;
        }
    }
    return TPanelContainer::eventFilter(watched, event);
}
