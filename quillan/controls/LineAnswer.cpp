#include "LineAnswer.h"

namespace quillan {

namespace {
constexpr const char* kReplacement = "\xEF\xBF\xBD";

// Length of the valid UTF-8 sequence at the start of bytes, or 0 (RFC 3629: no overlongs, no
// surrogates, nothing above U+10FFFF).
std::size_t validSequence(std::string_view bytes) {
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = at(0);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else
        return 0;
    if (bytes.size() < length || at(1) < low || at(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (at(i) < 0x80 || at(i) > 0xBF)
            return 0;
    return length;
}
} // namespace

std::string displayText(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        const std::size_t length = validSequence(bytes);
        const auto lead = static_cast<unsigned char>(bytes[0]);
        const bool control = length == 1 && ((lead < 0x20 && lead != '\t') || lead == 0x7F);
        // C1 controls (U+0080 to U+009F) would reach a terminal or a widget as commands too.
        const bool c1 = length == 2 && lead == 0xC2 && static_cast<unsigned char>(bytes[1]) < 0xA0;
        if (length == 0 || control || c1)
            text += kReplacement;
        else
            text.append(bytes.substr(0, length));
        bytes.remove_prefix(length == 0 ? 1 : length);
    }
    return text;
}

LineAnswer::LineAnswer()
    : m_reader({.lineBytes = 4096, .answerBytes = kMostBytes, .answerLines = kMostLines}) {}

bool LineAnswer::feed(std::string_view bytes) {
    m_reader.feed(bytes, [this](const LineReader::Line& line) { add(line); });
    if (m_reader.full() && !m_noted) {
        m_noted = true;
        m_lines.push_back("[The answer was cut here: it is longer than 1 MiB or 10,000 lines.]");
    }
    return !m_reader.full();
}

void LineAnswer::finish() {
    m_reader.finish([this](const LineReader::Line& line) { add(line); });
}

void LineAnswer::clear() {
    m_reader.reset();
    m_lines.clear();
    m_noted = false;
}

void LineAnswer::add(const LineReader::Line& line) {
    m_lines.push_back(displayText(line.text) + (line.cut ? "..." : ""));
}

} // namespace quillan
