#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/XRes.h>

namespace quillan {

// The X server's resource extension, loaded by the first program started with a window state: it names
// the process behind a window that does not say itself whose it is.
struct XResLibrary {
    decltype(&XResQueryClientIds) queryClientIds;
    decltype(&XResGetClientPid) getClientPid;
    decltype(&XResClientIdsDestroy) clientIdsDestroy;

    // Loaded once; throws std::runtime_error, saying what to install, when it cannot be.
    static const XResLibrary& get();
};

} // namespace quillan
