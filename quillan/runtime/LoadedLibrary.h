#pragma once

#include <string>

namespace quillan {

// A shared library opened by its first user rather than at start-up: for the libraries that most runs
// never need, each of which brings a tree of others whose loading would weigh on every start. It stays
// open for the life of the process, as libraries with global state must.
class LoadedLibrary {
  public:
    // Throws std::runtime_error, naming the Debian package to install, when it cannot be opened.
    LoadedLibrary(std::string soname, std::string package);

    // Sets function to the library's function of that name (or of a library it brings); throws as above.
    template <class F> void resolve(F& function, const char* name) const {
        function = reinterpret_cast<F>(symbol(name));
    }

  private:
    void* symbol(const char* name) const;
    [[noreturn]] void cannotLoad(const std::string& why) const;

    std::string m_soname;
    std::string m_package;
    void* m_handle = nullptr;
};

} // namespace quillan
