#include "frmCreateShortcut.h"

#include "DesktopEntry.h"
#include "FormCatalog.h"
#include "Forms.h"
#include "modules/ProgramTitle.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace quillan {

QUILLAN_REGISTER_FORM(frmCreateShortcut);

namespace {

constexpr std::string_view kForbiddenCharacters = "\"*/:<>?\\|";

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

void showForbiddenCharacters(MessageBoxes& boxes) {
    boxes.show("A filename cannot contain any of the following characters:\r\n"
               "               / \\ : * ? \" < > |",
               MsgButtons::OK, MsgIcon::Critical, kProgramTitle);
}

} // namespace

frmCreateShortcut::frmCreateShortcut(Forms& forms)
    : Form(forms.services(), kName, "Creating Shortcut for Quillan Professional", 2400) {
    Label1.setCaption(
        "Quillan Professional would create a shortcut to be placed on your Windows Desktop. This "
        "shortcut would assist you in making a quick launching of the Quillan program. It is highly "
        "recommended to create a shortcut.");
    Label2.setCaption("Enter the &name of the shortcut  :");
    txtShortcutName.setText("Quillan Professional");
    txtShortcutName.setToolTip("This name would appear as the name of the shortcut on your desktop");
    cmdCreateShortcut.setToolTip("Create shortcut to Quillan now!");
    cmdCreateCancel.setCaption("Cancel");
    txtShortcutDir.setVisible(false);
    txtExename.setVisible(false);
    setDefaultButton(cmdCreateShortcut);
    txtShortcutName.KeyPress = [this](char& KeyAscii) { txtShortcutName_KeyPress(KeyAscii); };
    cmdCreateShortcut.Click = [this] { cmdCreateShortcut_Click(); };
    cmdCreateCancel.Click = [this] { unload(); };
}

void frmCreateShortcut::Form_Load() {
    txtShortcutDir.setText(services().desktop.desktop.string());
}

void frmCreateShortcut::txtShortcutName_KeyPress(char& KeyAscii) {
    if (KeyAscii == 0 || kForbiddenCharacters.find(KeyAscii) == std::string_view::npos)
        return;
    KeyAscii = 0;
    showForbiddenCharacters(services().boxes);
}

void frmCreateShortcut::cmdCreateShortcut_Click() {
    CreateDesktopShortcut(txtShortcutDir.text(), txtShortcutName.text());
}

void frmCreateShortcut::CreateDesktopShortcut(const std::string& destination, std::string name) {
    if (name.size() >= 4) {
        const std::string end = lowered(name.substr(name.size() - 4));
        if (end == ".pif" || end == ".lnk")
            name.erase(name.size() - 4);
    }
    // Pasted text escapes the key filter; a name is a file name, never a path.
    if (name.find_first_of(kForbiddenCharacters) != std::string::npos) {
        showForbiddenCharacters(services().boxes);
        return;
    }
    if (name.empty() || name == "." || name == "..") {
        unableToCreate("Enter a name for the shortcut.");
        return;
    }
    const DesktopPlaces& places = services().desktop;
    std::filesystem::path entry;
    try {
        std::filesystem::create_directories(places.applications);
        entry = createWithFreeName(places.applications, name, kDesktopEntryExtension,
                                   desktopEntryText(name, places.command, places.icon), 0755);
    } catch (const std::exception& error) {
        unableToCreate(std::string(error.what()) + "\n\nMake sure the folder " +
                       places.applications.string() + " can be written to, then press the button again.");
        return;
    }
    try {
        moveToFreeName(entry, destination);
    } catch (const std::exception& error) {
        unableToCreate(std::string(error.what()) + "\n\nThe shortcut stays in your programs menu as " +
                       entry.string() + ". Make sure the desktop folder exists and can be written to.");
    }
}

void frmCreateShortcut::unableToCreate(const std::string& why) {
    services().boxes.show("Unable to create shortcut for Quillan.\n\n" + why, MsgButtons::OK,
                          MsgIcon::Information, kProgramTitle);
}

} // namespace quillan
