#pragma once

#include "Form.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quillan {

// Holds the single instance of one form. Using the form loads it; after an unload the next use
// makes a fresh instance with the designed initial values.
class FormSlot {
  public:
    FormSlot(std::string name, std::function<std::unique_ptr<Form>()> make)
        : m_name(std::move(name)), m_make(std::move(make)) {}

    const std::string& name() const { return m_name; }

    Form& get() {
        if (!m_form || m_form->unloaded()) {
            // A handler of the old instance may still be running: keep it alive until the end.
            if (m_form)
                m_retired.push_back(std::move(m_form));
            m_form = m_make();
        }
        m_form->load();
        return *m_form;
    }

    // The loaded instance, or null; never loads.
    Form* peek() const { return m_form && m_form->loaded() ? m_form.get() : nullptr; }

  private:
    std::string m_name;
    std::function<std::unique_ptr<Form>()> m_make;
    std::unique_ptr<Form> m_form;
    std::vector<std::unique_ptr<Form>> m_retired;
};

} // namespace quillan
