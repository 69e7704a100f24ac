#pragma once

#include "runtime/Form.h"

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
    FormRegistration() {
        formCatalog().push_back({T::kName, [](Forms& forms) { return std::make_unique<T>(forms); }});
    }
};

} // namespace quillan

#define QUILLAN_REGISTER_FORM(T) static const ::quillan::FormRegistration<T> registration_##T
