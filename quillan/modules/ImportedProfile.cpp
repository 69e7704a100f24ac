#include "ImportedProfile.h"

#include "Module1.h"

namespace quillan {

void applyImportedProfile(Module1& m) {
    if (!m.importedprofile)
        return;
    const ImportedProfile imported = *m.importedprofile;
    m.importedprofile.reset();
    KeyedCollection& profiles = m.profiledata;
    const std::string& name = imported.entryName;
    if (!profiles.contains(name) || !profiles.contains(name + "AN10"))
        return;
    profiles.replace(name + "Username", imported.userName);
    profiles.replace(name + "Password", imported.password);
    size_t slot = 0;
    for (const std::string& number : imported.alternates) {
        if (number.empty() || slot == 10)
            continue;
        profiles.replace(name + "AN" + std::to_string(++slot), number);
    }
    // The other dialer walked these numbers on its own; so does the imported profile.
    if (slot > 0)
        profiles.replace(name + "DialAN", "true");
}

} // namespace quillan
