#include "TabBinding.h"

#include "QtText.h"

#include "runtime/TabControl.h"

namespace quillan {

TabBinding::TabBinding(TabControl& tabs, QTabWidget& widget) : ControlBinding(tabs, &widget), m_tabs(tabs) {
    QObject::connect(&widget, &QTabWidget::currentChanged, [this](int page) {
        if (page >= 0 && page < m_tabs.pageCount() && page != m_tabs.tab())
            user([this, page] { m_tabs.setTab(page); }, Property::Tab);
    });
}

void TabBinding::refresh(Property property, bool initial) {
    auto* tabs = static_cast<QTabWidget*>(widget());
    if (!tabs)
        return;
    const QSignalBlocker blocker(tabs);
    if (property == Property::Caption) {
        for (int page = 0; page < m_tabs.pageCount() && page < tabs->count(); ++page)
            tabs->setTabText(page, toQt(m_tabs.pageCaption(page)));
    }
    if (property == Property::Tab)
        tabs->setCurrentIndex(m_tabs.tab());
    ControlBinding::refresh(property, initial);
}

} // namespace quillan
