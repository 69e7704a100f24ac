#include "CanberraLibrary.h"

#include "runtime/LoadedLibrary.h"

namespace quillan {

namespace {

CanberraLibrary load() {
    const LoadedLibrary library("libcanberra.so.0", "libcanberra0");
    CanberraLibrary canberra{};
    library.resolve(canberra.context_create, "ca_context_create");
    library.resolve(canberra.context_destroy, "ca_context_destroy");
    library.resolve(canberra.context_change_props, "ca_context_change_props");
    library.resolve(canberra.context_play_full, "ca_context_play_full");
    library.resolve(canberra.context_cancel, "ca_context_cancel");
    library.resolve(canberra.proplist_create, "ca_proplist_create");
    library.resolve(canberra.proplist_sets, "ca_proplist_sets");
    library.resolve(canberra.proplist_destroy, "ca_proplist_destroy");
    return canberra;
}

} // namespace

const CanberraLibrary& CanberraLibrary::get() {
    static const CanberraLibrary canberra = load();
    return canberra;
}

} // namespace quillan
