#pragma once

#include "LineReader.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillan {

// The answer of a finger or whois server as lines fit to show: at most 1 MiB and 10,000 lines, each
// line valid UTF-8 with bytes that are not text (invalid sequences, control characters) shown as
// U+FFFD. A cut answer ends with a line saying so.
class LineAnswer {
  public:
    static constexpr std::size_t kMostBytes = 1 << 20;
    static constexpr std::size_t kMostLines = 10000;

    LineAnswer();
    // False once the answer is full: read no more.
    bool feed(std::string_view bytes);
    // The peer has closed: an unfinished last line counts too.
    void finish();
    void clear();

    const std::vector<std::string>& lines() const { return m_lines; }

  private:
    void add(const LineReader::Line& line);

    LineReader m_reader;
    std::vector<std::string> m_lines;
    bool m_noted = false;
};

// Bytes as valid UTF-8 without control characters (a tab stays).
std::string displayText(std::string_view bytes);

} // namespace quillan
