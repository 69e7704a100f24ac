#include "GioLibrary.h"

#include "runtime/LoadedLibrary.h"

namespace quillan {

namespace {

GioLibrary load() {
    const LoadedLibrary library("libgio-2.0.so.0", "libglib2.0-0");
    GioLibrary gio{};
    library.resolve(gio.object_unref, "g_object_unref");
    library.resolve(gio.type_check_instance_is_a, "g_type_check_instance_is_a");
    library.resolve(gio.desktop_app_info_get_type, "g_desktop_app_info_get_type");
    library.resolve(gio.desktop_app_info_new_from_filename, "g_desktop_app_info_new_from_filename");
    library.resolve(gio.desktop_app_info_get_filename, "g_desktop_app_info_get_filename");
    library.resolve(gio.desktop_app_info_launch_uris_as_manager, "g_desktop_app_info_launch_uris_as_manager");
    library.resolve(gio.app_info_create_from_commandline, "g_app_info_create_from_commandline");
    library.resolve(gio.app_info_get_executable, "g_app_info_get_executable");
    library.resolve(gio.file_new_for_path, "g_file_new_for_path");
    library.resolve(gio.file_query_default_handler, "g_file_query_default_handler");
    return gio;
}

} // namespace

GDesktopAppInfo* GioLibrary::desktopEntryOf(GAppInfo* app) const {
    auto* instance = reinterpret_cast<GTypeInstance*>(app);
    return app && type_check_instance_is_a(instance, desktop_app_info_get_type())
               ? reinterpret_cast<GDesktopAppInfo*>(app)
               : nullptr;
}

const GioLibrary& GioLibrary::get() {
    static const GioLibrary gio = load();
    return gio;
}

} // namespace quillan
