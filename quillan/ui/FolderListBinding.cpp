#include "FolderListBinding.h"

#include "QtText.h"

#include "runtime/DirListBox.h"

#include <QApplication>
#include <QStyle>

namespace quillan {

FolderListBinding::FolderListBinding(DirListBox& folders, QListWidget& widget)
    : ControlBinding(folders, &widget), m_folders(folders) {
    // Row 0 is the open folder, row r its subfolder r - 1.
    QObject::connect(&widget, &QListWidget::currentRowChanged, [this](int row) {
        if (row >= 0 && row - 1 != m_folders.listIndex() && row - 1 < m_folders.listCount())
            user([this, row] { m_folders.userChoose(row - 1); }, Property::ListIndex);
    });
    QObject::connect(&widget, &QListWidget::itemDoubleClicked, [this, &widget](QListWidgetItem* item) {
        const int row = widget.row(item);
        user(
            [this, row] {
                try {
                    m_folders.userOpen(row - 1);
                } catch (const FolderError&) {
                    // Gone since it was listed; the list stays as it is.
                }
            },
            Property::List);
    });
}

void FolderListBinding::refresh(Property property, bool initial) {
    auto* list = static_cast<QListWidget*>(widget());
    if (!list)
        return;
    const QSignalBlocker blocker(list);
    if (property == Property::List) {
        list->clear();
        const QIcon open = list->style()->standardIcon(QStyle::SP_DirOpenIcon);
        const QIcon closed = list->style()->standardIcon(QStyle::SP_DirClosedIcon);
        new QListWidgetItem(open, toQt(m_folders.path()), list);
        for (const std::string& name : m_folders.items())
            new QListWidgetItem(closed, "    " + toQt(name), list);
        property = Property::ListIndex;
    }
    if (property == Property::ListIndex)
        list->setCurrentRow(m_folders.listIndex() + 1);
    ControlBinding::refresh(property, initial);
}

} // namespace quillan
