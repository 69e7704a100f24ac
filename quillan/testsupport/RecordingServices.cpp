#include "RecordingServices.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace quillan {

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
    return out + "\"";
}

std::string RecordingProcessStarter::find(const std::string& program) {
    return std::find(installed.begin(), installed.end(), program) != installed.end() ? "/usr/bin/" + program
                                                                                     : "";
}

bool RecordingProcessStarter::start(const std::string& program, const std::vector<std::string>& args,
                                    WindowStyle style) {
    if (refused.count(program))
        return false;
    static const char* const styles[] = {"Nor", "Min", "Max", "Hide"};
    std::string line = "start " + quoted(program);
    for (const auto& arg : args)
        line += " " + quoted(arg);
    m_log.add(line + " " + styles[static_cast<int>(style)]);
    return true;
}

std::string RecordingBrowser::findAssociated(const std::filesystem::path& htmlFile) {
    std::ifstream in(htmlFile, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    lookedUpContent = content.str();
    lookedUpPath = htmlFile;
    std::error_code error;
    lookedUpPerms = std::filesystem::status(htmlFile, error).permissions();
    return program;
}

bool RecordingBrowser::open(const std::string& browser, const std::string& argument) {
    if (refuses)
        return false;
    m_log.add("browser " + quoted(browser) + " " + quoted(argument));
    return true;
}

} // namespace quillan
