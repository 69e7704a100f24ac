#pragma once

#include "ControlBinding.h"
#include "QtText.h"

#include <QAbstractButton>

namespace quillan {

// A check box or option button. The model decides the value: Qt's own toggling and grouping are only
// previews that the refresh after the click replaces.
template <class Toggle> class ToggleBinding : public ControlBinding {
  public:
    ToggleBinding(Toggle& toggle, QAbstractButton& widget)
        : ControlBinding(toggle, &widget), m_toggle(toggle) {
        widget.setAutoExclusive(false);
        widget.setFocusPolicy(Qt::StrongFocus);
        QObject::connect(&widget, &QAbstractButton::clicked,
                         [this] { user([this] { m_toggle.userClick(); }, Property::Value); });
    }

    void refresh(Property property, bool initial) override {
        auto* button = static_cast<QAbstractButton*>(widget());
        if (button && property == Property::Caption && !(initial && control().caption().empty()))
            button->setText(toQt(control().caption()));
        if (button && property == Property::Value)
            button->setChecked(m_toggle.value() != 0);
        ControlBinding::refresh(property, initial);
    }

  private:
    Toggle& m_toggle;
};

} // namespace quillan
