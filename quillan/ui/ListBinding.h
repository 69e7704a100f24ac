#pragma once

#include "ControlBinding.h"

#include <QListWidget>

namespace quillan {

class ListBox;

// A list box; with check boxes, each line is a checkable item whose tick the model keeps.
class ListBinding : public ControlBinding {
public:
    ListBinding(ListBox& list, QListWidget& widget);
    void refresh(Property property, bool initial) override;

private:
    void fill(QListWidget& widget);

    ListBox& m_list;
};

} // namespace quillan
