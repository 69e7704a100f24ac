#pragma once

#include <curl/curl.h>

namespace quillan {

// libcurl, loaded by the first mail check: the library and the many it brings with it (TLS, Kerberos,
// LDAP and more) would otherwise weigh on the start of a program that may never check mail.
struct CurlLibrary {
    decltype(&curl_easy_init) easy_init;
    decltype(&curl_easy_cleanup) easy_cleanup;
    decltype(&curl_easy_reset) easy_reset;
    decltype(&curl_easy_setopt) easy_setopt;
    decltype(&curl_easy_strerror) easy_strerror;
    decltype(&curl_multi_init) multi_init;
    decltype(&curl_multi_cleanup) multi_cleanup;
    decltype(&curl_multi_setopt) multi_setopt;
    decltype(&curl_multi_add_handle) multi_add_handle;
    decltype(&curl_multi_remove_handle) multi_remove_handle;
    decltype(&curl_multi_socket_action) multi_socket_action;
    decltype(&curl_multi_info_read) multi_info_read;

    // Loaded and initialised once; throws std::runtime_error, saying what to install, when it cannot be.
    static const CurlLibrary& get();
};

} // namespace quillan
