#include "OptionButton.h"

#include "Form.h"

namespace quillan {

void OptionButton::setValue(bool value) {
    if (value == m_value)
        return;
    m_value = value;
    changed(Property::Value);
    if (!value)
        return;
    for (Control* other : form().controls()) {
        auto* option = dynamic_cast<OptionButton*>(other);
        if (option && option != this && option->container() == container() && option->page() == page())
            option->setValue(false);
    }
}

void OptionButton::userClick() {
    setValue(true);
    if (Click)
        Click();
}

} // namespace quillan
