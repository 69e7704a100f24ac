#pragma once

#include "FormCatalog.h"
#include "controls/DialUpControl.h"
#include "controls/MailControls.h"
#include "controls/NetControls.h"
#include "modules/Module1.h"
#include "runtime/FormSlot.h"
#include "runtime/Services.h"

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quillan {

// The program's windows, each a single instance reached by its type or its name,
// with the shared state and the outside controls they all use.
class Forms {
  public:
    Forms(Services& services, Module1& module1, DialUpControl& dialUp, NetControls& net, MailControls mail);
    ~Forms();

    Services& services() const { return m_services; }
    Module1& m() const { return m_module1; }
    DialUpControl& dialUp() const { return m_dialUp; }
    const MailControls& mail() const { return m_mail; }
    NetControls& net() const { return m_net; }

    template <class T> T& get() { return static_cast<T&>(slotOf<T>().get()); }
    template <class T> T* peek() { return static_cast<T*>(slotOf<T>().peek()); }

    // By name, for the views and the driver; null for an unknown name.
    FormSlot* find(const std::string& name);
    std::vector<std::string> names() const;

  private:
    // Looked up on every tick: by the type's place in the catalog, else by name.
    template <class T> FormSlot& slotOf() {
        const size_t index = FormRegistration<T>::index;
        return index < m_catalogSlots.size() ? *m_catalogSlots[index] : slot(T::kName);
    }
    FormSlot& slot(std::string_view name);

    Services& m_services;
    Module1& m_module1;
    DialUpControl& m_dialUp;
    NetControls& m_net;
    MailControls m_mail;
    std::map<std::string, std::unique_ptr<FormSlot>, std::less<>> m_slots;
    // The slots in the catalog's order.
    std::vector<FormSlot*> m_catalogSlots;
    std::vector<std::string> m_order;
};

} // namespace quillan
