// Feeds a finger or whois answer arbitrary bytes in pieces; whatever the server sends, the answer
// stays within its bounds and every line is valid UTF-8 without control characters.
#include "controls/LineAnswer.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {
bool fitToShow(const std::string& line) {
    std::size_t i = 0;
    while (i < line.size()) {
        const auto c = static_cast<unsigned char>(line[i]);
        std::size_t length = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
        if (length == 0 || i + length > line.size() || (c < 0x20 && c != '\t') || c == 0x7F)
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(line[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quillan::LineAnswer answer;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The first byte sets the size of the reads the bytes arrive in.
    const std::size_t piece = bytes.empty() ? 1 : static_cast<unsigned char>(bytes[0]) % 64 + 1;
    while (!bytes.empty() && answer.feed(bytes.substr(0, piece)))
        bytes.remove_prefix(std::min(piece, bytes.size()));
    answer.finish();
    if (answer.lines().size() > quillan::LineAnswer::kMostLines + 1)
        std::abort();
    for (const std::string& line : answer.lines())
        if (!fitToShow(line))
            std::abort();
    return 0;
}
