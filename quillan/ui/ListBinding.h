#pragma once

#include "ControlBinding.h"

#include <QListWidget>

namespace quillan {

class ListBox;
class ListControl;

// A list box or a file list; with check boxes, each line is a checkable item whose tick the model keeps.
class ListBinding : public ControlBinding {
  public:
    ListBinding(ListControl& list, QListWidget& widget);
    void refresh(Property property, bool initial) override;

  private:
    void fill(QListWidget& widget);

    bool hasCheckBoxes() const;

    ListControl& m_list;
    ListBox* m_checkList;
};

} // namespace quillan
