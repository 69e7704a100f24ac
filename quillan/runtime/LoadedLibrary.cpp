#include "LoadedLibrary.h"

#include <stdexcept>

#include <dlfcn.h>

namespace quillan {

LoadedLibrary::LoadedLibrary(std::string soname, std::string package)
    : m_soname(std::move(soname)), m_package(std::move(package)) {
    m_handle = ::dlopen(m_soname.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_handle)
        cannotLoad(::dlerror());
}

void* LoadedLibrary::symbol(const char* name) const {
    void* found = ::dlsym(m_handle, name);
    if (!found)
        cannotLoad(std::string(name) + " is missing");
    return found;
}

void LoadedLibrary::cannotLoad(const std::string& why) const {
    throw std::runtime_error("the library " + m_soname + " could not be loaded (" + why +
                             "); install the package " + m_package);
}

} // namespace quillan
