#include "XResLibrary.h"

#include "runtime/LoadedLibrary.h"

namespace quillan {

namespace {

XResLibrary load() {
    const LoadedLibrary library("libXRes.so.1", "libxres1");
    XResLibrary xres{};
    library.resolve(xres.queryClientIds, "XResQueryClientIds");
    library.resolve(xres.getClientPid, "XResGetClientPid");
    library.resolve(xres.clientIdsDestroy, "XResClientIdsDestroy");
    return xres;
}

} // namespace

const XResLibrary& XResLibrary::get() {
    static const XResLibrary xres = load();
    return xres;
}

} // namespace quillan
