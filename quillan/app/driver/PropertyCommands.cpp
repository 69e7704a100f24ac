#include "PropertyCommands.h"

#include "ValueFormat.h"

#include "runtime/CheckBox.h"
#include "runtime/CommandButton.h"
#include "runtime/DirListBox.h"
#include "runtime/DriveListBox.h"
#include "runtime/FileListBox.h"
#include "runtime/ListBox.h"
#include "runtime/OptionButton.h"
#include "runtime/TabControl.h"
#include "runtime/TextBox.h"
#include "runtime/Timer.h"
#include "testsupport/RecordingServices.h"

namespace quillan {

void PropertyCommands::addTo(CommandTable& table) {
    table.add("get", "FORM[.CONTROL] PROP", [this](const Words& args) { get(args); });
}

void PropertyCommands::get(const Words& args) {
    if (args[0].find('.') == std::string::npos)
        formProperty(args[0], args[1]);
    else
        controlProperty(args[0], args[1]);
}

void PropertyCommands::formProperty(const std::string& formName, const std::string& property) {
    Form* form = m_targets.peek(formName);
    if (property == "loaded") {
        m_out << boolWord(form != nullptr) << '\n';
        return;
    }
    if (property == "visible") {
        m_out << boolWord(form && form->visible()) << '\n';
        return;
    }
    if (!form)
        throw CommandError(formName + " is not loaded");
    if (property == "caption")
        m_out << quoted(form->caption()) << '\n';
    else if (property == "windowstate")
        m_out << windowStateWord(form->windowState()) << '\n';
    else if (property == "height")
        m_out << form->height() << '\n';
    else if (property == "mousepointer")
        m_out << form->mousePointer() << '\n';
    else if (property == "defaultbutton")
        m_out << (form->defaultButton() ? form->defaultButton()->name() : "none") << '\n';
    else
        throw CommandError("no form property " + property);
}

namespace {

// The control as kind T, which the property needs.
template <class T> T& need(Control& control, const std::string& reference, const std::string& property) {
    auto* typed = dynamic_cast<T*>(&control);
    if (!typed)
        throw CommandError(reference + " has no " + property);
    return *typed;
}

} // namespace

void PropertyCommands::controlProperty(const std::string& reference, const std::string& property) {
    Control& control = m_targets.control(reference);
    const auto& p = property;
    std::ostream& out = m_out;

    if (p == "caption") {
        out << quoted(control.caption()) << '\n';
    } else if (p == "tooltip") {
        out << quoted(control.toolTip()) << '\n';
    } else if (p == "enabled") {
        out << boolWord(control.enabled()) << '\n';
    } else if (p == "visible") {
        out << boolWord(control.visible()) << '\n';
    } else if (p == "text") {
        if (auto* box = dynamic_cast<TextBox*>(&control))
            out << quoted(box->text()) << '\n';
        else
            out << quoted(need<ListControl>(control, reference, p).text()) << '\n';
    } else if (p == "passwordchar") {
        const char mask = need<TextBox>(control, reference, p).passwordChar();
        out << quoted(mask ? std::string(1, mask) : "") << '\n';
    } else if (p == "value") {
        if (auto* option = dynamic_cast<OptionButton*>(&control))
            out << boolWord(option->value()) << '\n';
        else
            out << need<CheckBox>(control, reference, p).value() << '\n';
    } else if (p == "listindex") {
        out << need<ListControl>(control, reference, p).listIndex() << '\n';
    } else if (p == "listcount") {
        out << need<ListControl>(control, reference, p).listCount() << '\n';
    } else if (p == "list") {
        for (const std::string& item : need<ListControl>(control, reference, p).items())
            out << quoted(item) << '\n';
    } else if (p == "checked") {
        auto& list = need<ListBox>(control, reference, p);
        for (int i = 0; i < list.listCount(); ++i)
            if (list.selected(i))
                out << quoted(list.list(i)) << '\n';
    } else if (p == "path") {
        if (auto* folders = dynamic_cast<DirListBox*>(&control))
            out << quoted(folders->path()) << '\n';
        else
            out << quoted(need<FileListBox>(control, reference, p).path()) << '\n';
    } else if (p == "pattern") {
        out << quoted(need<FileListBox>(control, reference, p).pattern()) << '\n';
    } else if (p == "drive") {
        out << quoted(need<DriveListBox>(control, reference, p).drive()) << '\n';
    } else if (p == "tab") {
        out << need<TabControl>(control, reference, p).tab() << '\n';
    } else if (p == "interval") {
        out << need<Timer>(control, reference, p).interval() << '\n';
    } else {
        throw CommandError("no control property " + p);
    }
}

} // namespace quillan
