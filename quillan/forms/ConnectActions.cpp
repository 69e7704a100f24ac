#include "ConnectActions.h"

#include "Forms.h"
#include "runtime/PrivateTempFile.h"

#include <system_error>

namespace quillan {

namespace {

WindowStyle windowStyle(const std::string& state) {
    if (state == "Min")
        return WindowStyle::Minimized;
    if (state == "Nor")
        return WindowStyle::Normal;
    return WindowStyle::Maximized;
}

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

void LaunchPrograms(Forms& forms, const std::string& moment) {
    const KeyedCollection& programs = forms.m().programdata;
    for (int slot = 1; slot <= 5; ++slot) {
        const std::string key = "P" + std::to_string(slot);
        if (programs.value(key + "Activate") != "true" || programs.value(key + "When") != moment)
            continue;
        const std::string path = programs.value(key + "Path");
        if (!path.empty())
            forms.services().processes.start(path, {}, windowStyle(programs.value(key + "State")));
    }
}

void LaunchBrowser(Forms& forms) {
    Services& services = forms.services();
    std::string browser;
    try {
        // The association is asked about an HTML file, which must exist while it is asked.
        const PrivateTempFile page(".HTM", "\"<HTML> <\\HTML>\"\r\n");
        browser = trimmed(services.browser.findAssociated(page.path()));
    } catch (const std::system_error& error) {
        services.boxes.show(std::string("Could not find associated Browser: ") + error.what() +
                                ". Check that your temporary folder can be written to.",
                            MsgButtons::OK, MsgIcon::Exclamation, "Quillan : Browser Not Found");
        return;
    }
    if (browser.empty()) {
        services.boxes.show("Could not find associated Browser", MsgButtons::OK, MsgIcon::Exclamation,
                            "Quillan : Browser Not Found");
        return;
    }
    if (!services.browser.open(browser, forms.m().settings.starturl))
        services.boxes.show("Web Page not Opened", MsgButtons::OK, MsgIcon::Exclamation, "Invalid URL");
}

void PlayConnectSound(Forms& forms) {
    const SettingsRecord& s = forms.m().settings;
    if (s.playsound != "true")
        return;
    if (s.defaultsound == "true")
        forms.services().sound.play(kDefaultSoundName);
    else if (s.customsound != "none")
        forms.services().sound.play(s.customsound);
}

} // namespace quillan
