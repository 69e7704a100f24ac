#pragma once

#include "catcher/ParsedAddress.h"

#include <string_view>

namespace ie2bl {

// Splits an address into service kind, server part and object path, and finds its file name.
class AddressParser {
  public:
    static ParsedAddress ParseAddress(std::string_view address);
    // Empty for an unrecognised or empty address.
    static std::string GetAddressHost(std::string_view address);
    // Empty for an unrecognised or empty address; "INDEX.HTM" when the path names no file.
    static std::string GetAddressFileName(std::string_view address);
};

} // namespace ie2bl
