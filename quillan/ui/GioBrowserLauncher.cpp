#include "GioBrowserLauncher.h"

#include "GioLaunch.h"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

namespace quillan {

std::string GioBrowserLauncher::findAssociated(const std::filesystem::path& htmlFile) {
    GFile* file = g_file_new_for_path(htmlFile.c_str());
    GAppInfo* app = g_file_query_default_handler(file, nullptr, nullptr);
    g_object_unref(file);
    if (!app)
        return "";
    std::string found;
    if (G_IS_DESKTOP_APP_INFO(app) && g_desktop_app_info_get_filename(G_DESKTOP_APP_INFO(app)))
        found = g_desktop_app_info_get_filename(G_DESKTOP_APP_INFO(app));
    else if (const char* executable = g_app_info_get_executable(app))
        found = executable;
    g_object_unref(app);
    return found;
}

bool GioBrowserLauncher::open(const std::string& program, const std::string& argument) {
    return launchApplication(program, argument).has_value();
}

} // namespace quillan
