#pragma once

#include "ControlBinding.h"

#include <QComboBox>

namespace quillan {

class ListControl;

// A drop-down list (a combo box or a drive list); an editable widget also shows a text no line holds.
class ComboBinding : public ControlBinding {
  public:
    ComboBinding(ListControl& combo, QComboBox& widget);
    void refresh(Property property, bool initial) override;

  private:
    ListControl& m_combo;
};

} // namespace quillan
