#pragma once

#include "CommandTable.h"

#include "forms/Forms.h"
#include "modules/Module1.h"

#include <ostream>

namespace quillan {

// The program's shared values: module state by name, the dialing form's public counters, profiles.
class StateCommands {
  public:
    StateCommands(Module1& module1, Forms& forms, std::ostream& out)
        : m_module1(module1), m_forms(forms), m_out(out) {}
    void addTo(CommandTable& table);

  private:
    void state(const std::string& name);
    void profile(const std::string& key);
    void profiles();

    Module1& m_module1;
    Forms& m_forms;
    std::ostream& m_out;
};

} // namespace quillan
