#include "ComboBinding.h"

#include "QtText.h"

#include "runtime/ComboBox.h"

namespace quillan {

ComboBinding::ComboBinding(ListControl& combo, QComboBox& widget)
    : ControlBinding(combo, &widget), m_combo(combo) {
    QObject::connect(&widget, &QComboBox::activated, [this](int index) {
        if (index < m_combo.listCount())
            user([this, index] { m_combo.userChoose(index); }, Property::ListIndex);
    });
}

void ComboBinding::refresh(Property property, bool initial) {
    auto* combo = static_cast<QComboBox*>(widget());
    if (!combo)
        return;
    const QSignalBlocker blocker(combo);
    if (property == Property::List) {
        combo->clear();
        for (const std::string& item : m_combo.items())
            combo->addItem(toQt(item));
        property = Property::ListIndex;
    }
    if (property == Property::ListIndex)
        combo->setCurrentIndex(m_combo.listIndex());
    if ((property == Property::ListIndex || property == Property::Text) && combo->isEditable())
        combo->setEditText(toQt(m_combo.text()));
    ControlBinding::refresh(property, initial);
}

} // namespace quillan
