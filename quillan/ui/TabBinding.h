#pragma once

#include "ControlBinding.h"

#include <QTabWidget>

namespace quillan {

class TabControl;

class TabBinding : public ControlBinding {
  public:
    TabBinding(TabControl& tabs, QTabWidget& widget);
    void refresh(Property property, bool initial) override;

  private:
    TabControl& m_tabs;
};

} // namespace quillan
