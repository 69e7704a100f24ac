// Reads arbitrary text as a phonebook: it never crashes, and every entry it lists has a usable name.
#include "controls/Phonebook.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const quillan::PhonebookEntry& entry : quillan::Phonebook::parse(text))
        if (entry.name.empty() || entry.name.find_first_of("\r\n") != std::string::npos || entry.speed <= 0)
            std::abort();
    return 0;
}
