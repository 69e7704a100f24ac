#include "GioBrowserLauncher.h"

#include "GioLaunch.h"
#include "GioLibrary.h"

#include <stdexcept>

namespace quillan {

std::string GioBrowserLauncher::findAssociated(const std::filesystem::path& htmlFile) {
    const GioLibrary* loaded = nullptr;
    try {
        loaded = &GioLibrary::get();
    } catch (const std::runtime_error&) {
        // Without GIO there are no associations to ask: no browser is found.
        return "";
    }
    const GioLibrary& gio = *loaded;
    GFile* file = gio.file_new_for_path(htmlFile.c_str());
    GAppInfo* app = gio.file_query_default_handler(file, nullptr, nullptr);
    gio.object_unref(file);
    if (!app)
        return "";
    std::string found;
    GDesktopAppInfo* entry = gio.desktopEntryOf(app);
    if (entry && gio.desktop_app_info_get_filename(entry))
        found = gio.desktop_app_info_get_filename(entry);
    else if (const char* executable = gio.app_info_get_executable(app))
        found = executable;
    gio.object_unref(app);
    return found;
}

bool GioBrowserLauncher::open(const std::string& program, const std::string& argument) {
    return launchApplication(program, argument).has_value();
}

} // namespace quillan
