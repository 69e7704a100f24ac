#include "GioLaunch.h"

#include "GioLibrary.h"

#include <stdexcept>

#include <unistd.h>

namespace quillan {

namespace {

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

void ownSession(gpointer) {
    setsid();
}

void reportPid(GDesktopAppInfo*, GPid pid, gpointer data) {
    *static_cast<pid_t*>(data) = pid;
}

} // namespace

std::optional<pid_t> launchApplication(const std::string& program, const std::string& argument) {
    const GioLibrary* loaded = nullptr;
    try {
        loaded = &GioLibrary::get();
    } catch (const std::runtime_error&) {
        // Without GIO nothing can be started the freedesktop way: as a path that cannot be started.
        return std::nullopt;
    }
    const GioLibrary& gio = *loaded;
    GDesktopAppInfo* app = nullptr;
    if (endsWith(program, ".desktop")) {
        app = gio.desktop_app_info_new_from_filename(program.c_str());
    } else {
        GError* error = nullptr;
        gchar* quotedProgram = g_shell_quote(program.c_str());
        const std::string commandLine = std::string(quotedProgram) + " %u";
        g_free(quotedProgram);
        GAppInfo* command = gio.app_info_create_from_commandline(commandLine.c_str(), nullptr,
                                                                 G_APP_INFO_CREATE_SUPPORTS_URIS, &error);
        if (error)
            g_error_free(error);
        app = gio.desktopEntryOf(command);
        if (command && !app)
            gio.object_unref(command);
    }
    if (!app)
        return std::nullopt;
    GList* uris = argument.empty() ? nullptr : g_list_append(nullptr, const_cast<char*>(argument.c_str()));
    pid_t pid = 0;
    GError* error = nullptr;
    const gboolean started = gio.desktop_app_info_launch_uris_as_manager(
        app, uris, nullptr, G_SPAWN_SEARCH_PATH, ownSession, nullptr, reportPid, &pid, &error);
    g_list_free(uris);
    gio.object_unref(app);
    if (error)
        g_error_free(error);
    if (!started)
        return std::nullopt;
    return pid;
}

} // namespace quillan
