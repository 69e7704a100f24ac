#include "MenuBinding.h"

#include "QtText.h"

#include "runtime/MenuItem.h"

namespace quillan {

MenuBinding::MenuBinding(MenuItem& item, QMenu& menu)
    : ControlBinding(item, nullptr), m_item(item), m_action(menu.addAction(QString())) {
    m_action->setObjectName(toQt(item.name()));
    QObject::connect(m_action, &QAction::triggered, [this] {
        if (!applying() && m_item.enabled())
            m_item.userClick();
    });
}

void MenuBinding::refresh(Property property, bool initial) {
    (void)initial;
    switch (property) {
    case Property::Caption:
        m_action->setSeparator(m_item.separator());
        m_action->setText(toQt(m_item.caption()));
        break;
    case Property::Enabled:
        m_action->setEnabled(m_item.enabled());
        break;
    case Property::Visible:
        m_action->setVisible(m_item.visible());
        break;
    case Property::ToolTip:
        m_action->setToolTip(toQt(m_item.toolTip()));
        break;
    default:
        break;
    }
}

} // namespace quillan
