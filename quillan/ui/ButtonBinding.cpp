#include "ButtonBinding.h"

#include "QtText.h"

#include "runtime/CommandButton.h"

namespace quillan {

ButtonBinding::ButtonBinding(CommandButton& button, QAbstractButton& widget)
    : ControlBinding(button, &widget) {
    // A click moves the focus first, so a text box's LostFocus runs before the button's Click.
    widget.setFocusPolicy(Qt::StrongFocus);
    QObject::connect(&widget, &QAbstractButton::clicked,
                     [this, &button] { user([&button] { button.userClick(); }, Property::Enabled); });
}

void ButtonBinding::refresh(Property property, bool initial) {
    auto* button = static_cast<QAbstractButton*>(widget());
    if (button && property == Property::Caption && !(initial && control().caption().empty()))
        button->setText(toQt(control().caption()));
    ControlBinding::refresh(property, initial);
}

} // namespace quillan
