#pragma once

#include "ControlBinding.h"

#include <QComboBox>

namespace quillan {

class ComboBox;

class ComboBinding : public ControlBinding {
public:
    ComboBinding(ComboBox& combo, QComboBox& widget);
    void refresh(Property property, bool initial) override;

private:
    ComboBox& m_combo;
};

} // namespace quillan
