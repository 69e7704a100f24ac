#pragma once

#include "CommandTable.h"
#include "FormTargets.h"

#include <ostream>

namespace quillan {

// `get`: the properties of forms and controls, read without loading or running anything.
class PropertyCommands {
  public:
    PropertyCommands(const FormTargets& targets, std::ostream& out) : m_targets(targets), m_out(out) {}
    void addTo(CommandTable& table);

  private:
    void get(const Words& args);
    void formProperty(const std::string& formName, const std::string& property);
    void controlProperty(const std::string& reference, const std::string& property);

    const FormTargets& m_targets;
    std::ostream& m_out;
};

} // namespace quillan
