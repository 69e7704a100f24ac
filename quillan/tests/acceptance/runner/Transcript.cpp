#include "Transcript.h"

#include <sstream>
#include <stdexcept>

namespace quillan {

namespace {

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.rfind(prefix, 0) == 0;
}

std::runtime_error malformed(int number, const std::string& why) {
    return std::runtime_error("transcript line " + std::to_string(number) + ": " + why);
}

} // namespace

std::string Transcript::SeedFile::content() const {
    std::string text;
    for (const std::string& line : lines)
        text += line + (crlf ? "\r\n" : "\n");
    return text;
}

Transcript Transcript::parse(const std::string& text) {
    Transcript transcript;
    transcript.m_runs.emplace_back();
    std::istringstream in(text);
    std::string line;
    int number = 0;
    auto next = [&] {
        if (!std::getline(in, line))
            return false;
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        return true;
    };
    while (next()) {
        Run& run = transcript.m_runs.back();
        const bool started = !run.commands.empty();
        if (line.empty() || line[0] == '#')
            continue;
        if (startsWith(line, "> ")) {
            run.commands.push_back(line.substr(2));
            run.expected.push_back({line, number});
        } else if (line == "@restart") {
            if (!started)
                throw malformed(number, "@restart before any command");
            transcript.m_runs.emplace_back();
        } else if (startsWith(line, "@clock ")) {
            if (started)
                throw malformed(number, "@clock after the run's first command");
            run.clock = line.substr(7);
        } else if (startsWith(line, "@file ") || startsWith(line, "@file-lf ")) {
            if (started)
                throw malformed(number, "@file after the run's first command");
            const bool lf = startsWith(line, "@file-lf ");
            SeedFile file{line.substr(lf ? 9 : 6), {}, !lf};
            const int opened = number;
            bool closed = false;
            while (next()) {
                if (line == "@end") {
                    closed = true;
                    break;
                }
                file.lines.push_back(line);
            }
            if (!closed)
                throw malformed(opened, "@file without @end");
            run.files.push_back(std::move(file));
        } else if (line[0] == '@') {
            throw malformed(number, "unknown directive " + line);
        } else {
            if (!started)
                throw malformed(number, "output before the first command");
            run.expected.push_back({line, number});
        }
    }
    if (transcript.m_runs.back().commands.empty())
        throw malformed(number, "a run without commands");
    return transcript;
}

} // namespace quillan
