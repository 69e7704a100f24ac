#pragma once

#include <string>
#include <string_view>

namespace quillan {

// A line a Hayes modem sends, as the dialer reads it (verbose or numeric result codes).
struct ModemReply {
    enum class Kind { Other, Ok, Error, Connect, Busy, NoDialTone, NoAnswer, NoCarrier };
    Kind kind = Kind::Other;
    // The speed of a CONNECT line in digits, "" when the modem gave none.
    std::string speed;

    static ModemReply read(std::string_view line);
};

} // namespace quillan
