#include "Forms.h"

#include "FormCatalog.h"

#include <stdexcept>

namespace quillan {

std::vector<FormCatalogEntry>& formCatalog() {
    static std::vector<FormCatalogEntry> catalog;
    return catalog;
}

Forms::Forms(Services& services, Module1& module1, DialUpControl& dialUp, NetControls& net, MailControls mail)
    : m_services(services), m_module1(module1), m_dialUp(dialUp), m_net(net), m_mail(mail) {
    for (const FormCatalogEntry& entry : formCatalog()) {
        auto make = entry.make;
        auto& slot = m_slots[entry.name];
        slot = std::make_unique<FormSlot>(entry.name, [this, make] { return make(*this); });
        m_catalogSlots.push_back(slot.get());
        m_order.push_back(entry.name);
    }
}

Forms::~Forms() = default;

FormSlot* Forms::find(const std::string& name) {
    auto it = m_slots.find(name);
    return it == m_slots.end() ? nullptr : it->second.get();
}

std::vector<std::string> Forms::names() const {
    return m_order;
}

FormSlot& Forms::slot(std::string_view name) {
    auto it = m_slots.find(name);
    if (it == m_slots.end())
        throw std::logic_error("form not built into the program: " + std::string(name));
    return *it->second;
}

} // namespace quillan
