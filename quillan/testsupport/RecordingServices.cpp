#include "RecordingServices.h"

#include <algorithm>

namespace quillan {

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        default: out += c;
        }
    }
    return out + "\"";
}

std::string RecordingProcessStarter::find(const std::string& program) {
    return std::find(installed.begin(), installed.end(), program) != installed.end() ? "/usr/bin/" + program : "";
}

bool RecordingProcessStarter::start(const std::string& program, const std::vector<std::string>& args,
                                    WindowStyle style) {
    static const char* const styles[] = {"Nor", "Min", "Max", "Hide"};
    std::string line = "start " + quoted(program);
    for (const auto& arg : args)
        line += " " + quoted(arg);
    m_log.add(line + " " + styles[static_cast<int>(style)]);
    return true;
}

} // namespace quillan
