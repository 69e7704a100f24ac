#pragma once

#include "CommandTable.h"
#include "FormTargets.h"

namespace quillan {

class ListControl;

// What a user does to controls: click, type, choose, tick, switch pages, close a window.
class ControlCommands {
  public:
    explicit ControlCommands(const FormTargets& targets) : m_targets(targets) {}
    void addTo(CommandTable& table);

  private:
    void click(const std::string& reference);
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
};

} // namespace quillan
