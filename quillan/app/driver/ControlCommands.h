#pragma once

#include "CommandTable.h"
#include "FormTargets.h"

#include <filesystem>

namespace quillan {

class ListControl;

// What a user does to controls: click, type, choose, tick, switch pages, close a window.
class ControlCommands {
  public:
    ControlCommands(const FormTargets& targets, std::filesystem::path dataDir)
        : m_targets(targets), m_dataDir(std::move(dataDir)) {}
    void addTo(CommandTable& table);
    // A user's click on a reachable control.
    void click(const std::string& reference);

  private:
    void type(const Words& args);
    void setText(const Words& args);
    void leave(const std::string& reference);
    void choose(const Words& args);
    void check(const Words& args);
    void tab(const Words& args);
    // The user's close box and minimise button on a shown window.
    void close(const std::string& formName);
    void minimize(const std::string& formName);
    Form& shownForm(const std::string& formName) const;

    // The line whose text is item, or line N for "#N".
    static int lineOf(const ListControl& list, const std::string& reference, const std::string& item);

    const FormTargets& m_targets;
    std::filesystem::path m_dataDir;
};

} // namespace quillan
