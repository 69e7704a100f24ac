#pragma once

#include "CommandTable.h"

#include "forms/Forms.h"

namespace quillan {

// The program's life: the start-up sequence and the tray icon's mouse messages.
class ProgramCommands {
  public:
    explicit ProgramCommands(Forms& forms) : m_forms(forms) {}
    void addTo(CommandTable& table);

    bool started() const { return m_started; }
    // Started, and the main console has been unloaded since.
    bool ended();

  private:
    void start();
    void tray(const std::string& message);

    Forms& m_forms;
    bool m_started = false;
};

} // namespace quillan
