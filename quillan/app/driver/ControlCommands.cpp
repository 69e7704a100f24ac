#include "ControlCommands.h"

#include "PathArguments.h"
#include "ValueFormat.h"

#include "runtime/CheckBox.h"
#include "runtime/CommandButton.h"
#include "runtime/DriveListBox.h"
#include "runtime/Label.h"
#include "runtime/ListBox.h"
#include "runtime/MenuItem.h"
#include "runtime/OptionButton.h"
#include "runtime/PictureBox.h"
#include "runtime/TabControl.h"
#include "runtime/TextBox.h"

namespace quillan {

void ControlCommands::addTo(CommandTable& table) {
    table.add("click", "FORM.CONTROL", [this](const Words& args) { click(args[0]); });
    table.add("type", "FORM.CONTROL TEXT", [this](const Words& args) { type(args); });
    table.add("settext", "FORM.CONTROL TEXT", [this](const Words& args) { setText(args); });
    table.add("leave", "FORM.CONTROL", [this](const Words& args) { leave(args[0]); });
    table.add("choose", "FORM.CONTROL ITEM", [this](const Words& args) { choose(args); });
    table.add("check", "FORM.CONTROL ITEM", [this](const Words& args) { check(args); });
    table.add("tab", "FORM.CONTROL N", [this](const Words& args) { tab(args); });
    table.add("close", "FORM", [this](const Words& args) { close(args[0]); });
    table.add("minimize", "FORM", [this](const Words& args) { minimize(args[0]); });
}

void ControlCommands::click(const std::string& reference) {
    Control& control = m_targets.control(reference);
    if (auto* item = dynamic_cast<MenuItem*>(&control)) {
        // A pop-up menu opens on a hidden window; its items need only be enabled.
        for (const Control* c = item; c; c = c->container())
            if (!c->enabled())
                throw CommandError(reference + " is not enabled");
        if (item->separator())
            throw CommandError(reference + " is a separator");
        item->userClick();
        return;
    }
    if (!control.reachable())
        throw CommandError(reference + " is not reachable");
    if (auto* button = dynamic_cast<CommandButton*>(&control))
        button->userClick();
    else if (auto* box = dynamic_cast<CheckBox*>(&control))
        box->userClick();
    else if (auto* option = dynamic_cast<OptionButton*>(&control))
        option->userClick();
    else if (auto* label = dynamic_cast<Label*>(&control))
        label->userClick();
    else if (auto* picture = dynamic_cast<PictureBox*>(&control))
        picture->userClick();
    else
        throw CommandError(reference + " cannot be clicked");
}

void ControlCommands::type(const Words& args) {
    auto& box = m_targets.reachable<TextBox>(args[0], "a text box");
    for (char c : args[1])
        box.userType(c);
}

void ControlCommands::setText(const Words& args) {
    m_targets.reachable<TextBox>(args[0], "a text box").setText(args[1]);
}

void ControlCommands::leave(const std::string& reference) {
    m_targets.reachable<TextBox>(reference, "a text box").userLeave();
}

int ControlCommands::lineOf(const ListControl& list, const std::string& reference, const std::string& item) {
    const bool byIndex = item.size() > 1 && item.front() == '#' &&
                         item.find_first_not_of("0123456789", 1) == std::string::npos;
    if (byIndex)
        return static_cast<int>(parseInteger(item.substr(1), "line", 0, list.listCount() - 1));
    const int line = list.indexOf(item);
    if (line < 0)
        throw CommandError(reference + " has no line \"" + item + "\"");
    return line;
}

void ControlCommands::choose(const Words& args) {
    auto& list = m_targets.reachable<ListControl>(args[0], "a list");
    // A drive is named by its root, relative ones inside the data folder.
    if (dynamic_cast<DriveListBox*>(&list) && !args[1].empty() && args[1].front() != '#') {
        list.userChoose(lineOf(list, args[0], insideDataFolder(m_dataDir, args[1])));
        return;
    }
    list.userChoose(lineOf(list, args[0], args[1]));
}

void ControlCommands::check(const Words& args) {
    auto& list = m_targets.reachable<ListBox>(args[0], "a list");
    if (!list.hasCheckBoxes())
        throw CommandError(args[0] + " has no check boxes");
    list.userCheck(lineOf(list, args[0], args[1]));
}

void ControlCommands::tab(const Words& args) {
    auto& tabs = m_targets.reachable<TabControl>(args[0], "a tab control");
    tabs.setTab(static_cast<int>(parseInteger(args[1], "page", 0, tabs.pageCount() - 1)));
}

Form& ControlCommands::shownForm(const std::string& formName) const {
    Form& form = m_targets.loaded(formName);
    if (!form.visible())
        throw CommandError(formName + " is not shown");
    return form;
}

void ControlCommands::close(const std::string& formName) {
    shownForm(formName).userClose();
}

void ControlCommands::minimize(const std::string& formName) {
    shownForm(formName).setWindowState(WindowState::Minimized);
}

} // namespace quillan
