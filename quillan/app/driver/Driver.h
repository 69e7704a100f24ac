#pragma once

#include "CommandTable.h"
#include "ConnectActionCommands.h"
#include "ControlCommands.h"
#include "DataFileCommands.h"
#include "DialUpCommands.h"
#include "FormTargets.h"
#include "MailCommands.h"
#include "NetCommands.h"
#include "ProgramCommands.h"
#include "PropertyCommands.h"
#include "ServiceCommands.h"
#include "StateCommands.h"

#include "testsupport/Harness.h"

#include <functional>
#include <istream>
#include <ostream>

namespace quillan {

// Runs the program headless from commands, one a line, answering each with its output and a status
// line. A modally shown window runs a nested command loop until it is hidden or unloaded.
class Driver {
  public:
    // With echo, every command line is repeated as "> LINE" when read, so that the output reads as a
    // transcript even where modal windows nest.
    Driver(Harness& harness, std::istream& in, std::ostream& out, bool echo);
    ~Driver();

    // Until quit or the end of the input.
    void run();

  private:
    void runUntil(const std::function<bool()>& done);
    void execute(const std::string& line);
    // Runs the command; returns its status line.
    std::string status(const Words& words);

    Harness& m_harness;
    std::istream& m_in;
    std::ostream& m_out;
    bool m_echo;
    FormTargets m_targets;
    CommandTable m_commands;
    DialUpCommands m_dialUp;
    NetCommands m_net;
    ControlCommands m_controls;
    PropertyCommands m_properties;
    ServiceCommands m_services;
    DataFileCommands m_files;
    StateCommands m_state;
    ProgramCommands m_program;
    MailCommands m_mail;
    ConnectActionCommands m_connectActions;
    bool m_quit = false;
    // Nesting of the command being run (modal windows nest), and that of the quit command.
    int m_depth = 0;
    int m_quitDepth = 0;
    bool m_inputEnded = false;
    bool m_ended = false;
};

} // namespace quillan
