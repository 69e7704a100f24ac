#pragma once

#include "ControlBinding.h"

#include <functional>

namespace quillan {

// A control whose only text is its caption, shown by a label or a group box title.
class CaptionBinding : public ControlBinding {
  public:
    CaptionBinding(Control& control, QWidget& widget, std::function<void(const QString&)> setCaption)
        : ControlBinding(control, &widget), m_setCaption(std::move(setCaption)) {}
    void refresh(Property property, bool initial) override;

  private:
    std::function<void(const QString&)> m_setCaption;
};

} // namespace quillan
