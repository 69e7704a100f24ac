#pragma once

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

namespace quillan {

// GIO, loaded by the first program or browser start: it and the libraries it brings would otherwise
// weigh on every start. GLib itself is Qt's and always there.
struct GioLibrary {
    decltype(&g_object_unref) object_unref;
    decltype(&g_type_check_instance_is_a) type_check_instance_is_a;
    decltype(&g_desktop_app_info_get_type) desktop_app_info_get_type;
    decltype(&g_desktop_app_info_new_from_filename) desktop_app_info_new_from_filename;
    decltype(&g_desktop_app_info_get_filename) desktop_app_info_get_filename;
    decltype(&g_desktop_app_info_launch_uris_as_manager) desktop_app_info_launch_uris_as_manager;
    decltype(&g_app_info_create_from_commandline) app_info_create_from_commandline;
    decltype(&g_app_info_get_executable) app_info_get_executable;
    decltype(&g_file_new_for_path) file_new_for_path;
    decltype(&g_file_query_default_handler) file_query_default_handler;

    // The desktop entry behind an application, or null when it has none (G_IS_DESKTOP_APP_INFO).
    GDesktopAppInfo* desktopEntryOf(GAppInfo* app) const;

    // Loaded once; throws std::runtime_error, saying what to install, when it cannot be.
    static const GioLibrary& get();
};

} // namespace quillan
