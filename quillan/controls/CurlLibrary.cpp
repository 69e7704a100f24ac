#include "CurlLibrary.h"

#include "runtime/LoadedLibrary.h"

#include <stdexcept>
#include <string>

namespace quillan {

namespace {

CurlLibrary load() {
    const LoadedLibrary library("libcurl.so.4", "libcurl4");
    CurlLibrary curl{};
    decltype(&curl_global_init) global_init = nullptr;
    library.resolve(global_init, "curl_global_init");
    library.resolve(curl.easy_init, "curl_easy_init");
    library.resolve(curl.easy_cleanup, "curl_easy_cleanup");
    library.resolve(curl.easy_reset, "curl_easy_reset");
    library.resolve(curl.easy_setopt, "curl_easy_setopt");
    library.resolve(curl.easy_strerror, "curl_easy_strerror");
    library.resolve(curl.multi_init, "curl_multi_init");
    library.resolve(curl.multi_cleanup, "curl_multi_cleanup");
    library.resolve(curl.multi_setopt, "curl_multi_setopt");
    library.resolve(curl.multi_add_handle, "curl_multi_add_handle");
    library.resolve(curl.multi_remove_handle, "curl_multi_remove_handle");
    library.resolve(curl.multi_socket_action, "curl_multi_socket_action");
    library.resolve(curl.multi_info_read, "curl_multi_info_read");
    const CURLcode initialised = global_init(CURL_GLOBAL_DEFAULT);
    if (initialised != CURLE_OK)
        throw std::runtime_error("the network library could not start: " +
                                 std::string(curl.easy_strerror(initialised)));
    return curl;
}

} // namespace

const CurlLibrary& CurlLibrary::get() {
    // A failed load throws out of the initialisation, so the next check tries again.
    static const CurlLibrary curl = load();
    return curl;
}

} // namespace quillan
