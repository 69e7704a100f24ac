#include "ListBinding.h"

#include "QtText.h"

#include "runtime/ListBox.h"

namespace quillan {

ListBinding::ListBinding(ListControl& list, QListWidget& widget)
    : ControlBinding(list, &widget), m_list(list), m_checkList(dynamic_cast<ListBox*>(&list)) {
    QObject::connect(&widget, &QListWidget::currentRowChanged, [this](int row) {
        if (row != m_list.listIndex() && row < m_list.listCount())
            user([this, row] { m_list.userChoose(row); }, Property::ListIndex);
    });
    QObject::connect(&widget, &QListWidget::itemChanged, [this, &widget](QListWidgetItem* item) {
        const int row = widget.row(item);
        const bool ticked = item->checkState() == Qt::Checked;
        if (hasCheckBoxes() && row < m_list.listCount() && ticked != m_checkList->selected(row))
            user([this, row] { m_checkList->userCheck(row); }, Property::Value);
    });
}

bool ListBinding::hasCheckBoxes() const {
    return m_checkList && m_checkList->hasCheckBoxes();
}

void ListBinding::fill(QListWidget& widget) {
    // A line added at the end (a search filling its results) is appended, not the whole list rebuilt.
    const int shown = widget.count();
    if (!hasCheckBoxes() && m_list.lastChangeAppended() && shown + 1 == m_list.listCount()) {
        new QListWidgetItem(toQt(m_list.list(shown)), &widget);
        return;
    }
    widget.clear();
    for (int i = 0; i < m_list.listCount(); ++i) {
        auto* item = new QListWidgetItem(toQt(m_list.list(i)), &widget);
        if (hasCheckBoxes()) {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(m_checkList->selected(i) ? Qt::Checked : Qt::Unchecked);
        }
    }
}

void ListBinding::refresh(Property property, bool initial) {
    auto* list = static_cast<QListWidget*>(widget());
    if (!list)
        return;
    const QSignalBlocker blocker(list);
    if (property == Property::List) {
        fill(*list);
        property = Property::ListIndex;
    }
    if (property == Property::Value && hasCheckBoxes()) {
        for (int i = 0; i < list->count() && i < m_list.listCount(); ++i)
            list->item(i)->setCheckState(m_checkList->selected(i) ? Qt::Checked : Qt::Unchecked);
    }
    if (property == Property::ListIndex) {
        list->setCurrentRow(m_list.listIndex());
        if (m_list.listIndex() >= 0)
            list->scrollToItem(list->item(m_list.listIndex()));
    }
    ControlBinding::refresh(property, initial);
}

} // namespace quillan
