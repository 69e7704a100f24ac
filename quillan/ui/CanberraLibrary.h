#pragma once

#include <canberra.h>

namespace quillan {

// libcanberra, loaded by the first sound: it and its sound drivers would otherwise weigh on every start.
struct CanberraLibrary {
    decltype(&ca_context_create) context_create;
    decltype(&ca_context_destroy) context_destroy;
    decltype(&ca_context_change_props) context_change_props;
    decltype(&ca_context_play_full) context_play_full;
    decltype(&ca_context_cancel) context_cancel;
    decltype(&ca_proplist_create) proplist_create;
    decltype(&ca_proplist_sets) proplist_sets;
    decltype(&ca_proplist_destroy) proplist_destroy;

    // Loaded once; throws std::runtime_error, saying what to install, when it cannot be.
    static const CanberraLibrary& get();
};

} // namespace quillan
