// Feeds pppd's log reader arbitrary output in pieces; whatever pppd writes, every logged line stays
// within its bound and holds no line end, a line raises at most two events, what the reader has
// learned (the interface, the first complaint) never changes once known, and the pieces the bytes
// arrive in make no difference.
#include "controls/PppdOutput.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kLineBound = 400;

struct Reading {
    std::vector<quillan::PppdOutput::Event> events;
    std::vector<std::string> lines;
};

void mustHold(bool condition) {
    if (!condition)
        std::abort();
}

void feedInto(quillan::PppdOutput& output, std::string_view bytes, Reading& reading) {
    const std::size_t linesBefore = reading.lines.size();
    const auto events = output.feed(bytes, [&reading](std::string_view line) {
        mustHold(line.size() <= kLineBound && line.find_first_of("\r\n") == std::string_view::npos);
        reading.lines.emplace_back(line);
    });
    mustHold(events.size() <= 2 * (reading.lines.size() - linesBefore));
    reading.events.insert(reading.events.end(), events.begin(), events.end());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The first byte sets the size of the reads the bytes arrive in, and pppd's exit status.
    const unsigned char first = bytes.empty() ? 0 : static_cast<unsigned char>(bytes[0]);
    const std::size_t piece = first % 64 + 1;
    const int waitStatus = (first % 24) << 8;
    const std::string unexplained = quillan::PppdOutput().reason(waitStatus);

    quillan::PppdOutput inPieces;
    Reading piecewise;
    std::string interface;
    std::string reason = unexplained;
    for (std::string_view rest = bytes; !rest.empty(); rest.remove_prefix(std::min(piece, rest.size()))) {
        feedInto(inPieces, rest.substr(0, piece), piecewise);
        mustHold(interface.empty() || inPieces.interfaceName() == interface);
        interface = inPieces.interfaceName();
        const std::string now = inPieces.reason(waitStatus);
        mustHold(reason == unexplained || now == reason);
        reason = now;
    }
    mustHold(interface.size() <= kLineBound && reason.size() <= kLineBound + unexplained.size() + 3);

    quillan::PppdOutput atOnce;
    Reading whole;
    feedInto(atOnce, bytes, whole);
    mustHold(whole.events == piecewise.events && whole.lines == piecewise.lines);
    mustHold(atOnce.interfaceName() == interface && atOnce.reason(waitStatus) == reason);
    return 0;
}
