#include "CheckBox.h"

namespace quillan {

void CheckBox::setValue(int value) {
    if (value == m_value)
        return;
    m_value = value;
    changed(Property::Value);
}

void CheckBox::userClick() {
    setValue(m_value == 1 ? 0 : 1);
    if (Click)
        Click();
}

} // namespace quillan
