#pragma once

#include "runtime/Form.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quillan {

class Forms;

// Every window of the program registers here once, from its own source file.
struct FormCatalogEntry {
    std::string name;
    std::function<std::unique_ptr<Form>(Forms&)> make;
};

std::vector<FormCatalogEntry>& formCatalog();

template <class T> struct FormRegistration {
    // Where T stands in the catalog, so that the program finds its form by type without a name.
    static inline size_t index = SIZE_MAX;
    FormRegistration() {
        index = formCatalog().size();
        formCatalog().push_back({T::kName, [](Forms& forms) { return std::make_unique<T>(forms); }});
    }
};

} // namespace quillan

#define QUILLAN_REGISTER_FORM(T) static const ::quillan::FormRegistration<T> registration_##T
