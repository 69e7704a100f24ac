#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace quillan {

// Splits what a peer sends into lines for every line-based dialogue of the program (modem, pppd,
// finger, whois). CR LF, LF and a lone CR each end a line, also when split across reads. A line
// longer than its bound is handed on cut, and marked so; once the whole answer passes its bound
// in bytes or lines, the reader takes nothing more.
class LineReader {
  public:
    struct Limits {
        std::size_t lineBytes = 4096;
        std::size_t answerBytes = std::numeric_limits<std::size_t>::max();
        std::size_t answerLines = std::numeric_limits<std::size_t>::max();
    };
    struct Line {
        std::string_view text; // without its end
        bool cut = false;      // longer than the line bound: text is only its start
    };

    explicit LineReader(Limits limits) : m_limits(limits) {}

    // Calls onLine(Line) for each line that bytes complete. Returns false once the answer is full.
    template <typename OnLine> bool feed(std::string_view bytes, OnLine&& onLine);
    // Hands on an unfinished last line, as when the peer closes without ending it.
    template <typename OnLine> void finish(OnLine&& onLine);

    bool full() const { return m_full; }
    void reset();

  private:
    template <typename OnLine> void endLine(OnLine& onLine);

    Limits m_limits;
    std::string m_line;
    bool m_cut = false;
    bool m_afterCr = false;
    bool m_full = false;
    std::size_t m_bytes = 0;
    std::size_t m_lines = 0;
};

template <typename OnLine> bool LineReader::feed(std::string_view bytes, OnLine&& onLine) {
    for (char c : bytes) {
        if (m_full)
            return false;
        if (++m_bytes > m_limits.answerBytes) {
            m_full = true;
            return false;
        }
        if (m_afterCr) {
            m_afterCr = false;
            if (c == '\n')
                continue; // the LF of a CR LF
        }
        if (c == '\r' || c == '\n') {
            m_afterCr = c == '\r';
            endLine(onLine);
        } else if (m_line.size() < m_limits.lineBytes) {
            m_line += c;
        } else {
            m_cut = true;
        }
    }
    return !m_full;
}

template <typename OnLine> void LineReader::finish(OnLine&& onLine) {
    if (!m_full && (!m_line.empty() || m_cut))
        endLine(onLine);
}

template <typename OnLine> void LineReader::endLine(OnLine& onLine) {
    Line line{m_line, m_cut};
    onLine(line);
    m_line.clear();
    m_cut = false;
    if (++m_lines >= m_limits.answerLines)
        m_full = true;
}

} // namespace quillan
