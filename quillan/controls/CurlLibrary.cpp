#include "CurlLibrary.h"

#include <stdexcept>
#include <string>

#include <dlfcn.h>

namespace quillan {

namespace {

constexpr const char* kLibrary = "libcurl.so.4";

[[noreturn]] void cannotLoad(const std::string& why) {
    throw std::runtime_error("the network library " + std::string(kLibrary) + " could not be loaded (" + why +
                             "); install the package libcurl4");
}

template <class F> void resolve(void* library, F& function, const char* name) {
    function = reinterpret_cast<F>(::dlsym(library, name));
    if (!function)
        cannotLoad(std::string(name) + " is missing");
}

CurlLibrary load() {
    // Kept for the life of the process: curl's global state must not go away under its handles.
    void* library = ::dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        cannotLoad(::dlerror());
    CurlLibrary curl{};
    decltype(&curl_global_init) global_init = nullptr;
    resolve(library, global_init, "curl_global_init");
    resolve(library, curl.easy_init, "curl_easy_init");
    resolve(library, curl.easy_cleanup, "curl_easy_cleanup");
    resolve(library, curl.easy_reset, "curl_easy_reset");
    resolve(library, curl.easy_setopt, "curl_easy_setopt");
    resolve(library, curl.easy_strerror, "curl_easy_strerror");
    resolve(library, curl.multi_init, "curl_multi_init");
    resolve(library, curl.multi_cleanup, "curl_multi_cleanup");
    resolve(library, curl.multi_setopt, "curl_multi_setopt");
    resolve(library, curl.multi_add_handle, "curl_multi_add_handle");
    resolve(library, curl.multi_remove_handle, "curl_multi_remove_handle");
    resolve(library, curl.multi_socket_action, "curl_multi_socket_action");
    resolve(library, curl.multi_info_read, "curl_multi_info_read");
    const CURLcode initialised = global_init(CURL_GLOBAL_DEFAULT);
    if (initialised != CURLE_OK)
        throw std::runtime_error("the network library could not start: " + std::string(curl.easy_strerror(initialised)));
    return curl;
}

} // namespace

const CurlLibrary& CurlLibrary::get() {
    // A failed load throws out of the initialisation, so the next check tries again.
    static const CurlLibrary curl = load();
    return curl;
}

} // namespace quillan
