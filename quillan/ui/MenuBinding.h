#pragma once

#include "ControlBinding.h"

#include <QAction>
#include <QMenu>

#include <memory>

namespace quillan {

class MenuItem;

// An item of a pop-up menu. Menu items are reached without their window being shown (the tray menu),
// so only their own enabled state counts.
class MenuBinding : public ControlBinding {
  public:
    MenuBinding(MenuItem& item, QMenu& menu);
    void refresh(Property property, bool initial) override;

  private:
    MenuItem& m_item;
    QAction* m_action;
};

} // namespace quillan
