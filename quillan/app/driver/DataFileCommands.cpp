#include "DataFileCommands.h"

#include "CommandError.h"

#include "testsupport/RecordingServices.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

namespace quillan {

void DataFileCommands::addTo(CommandTable& table) {
    table.add(
        "read-file", "NAME", [this](const Words& args) { readFile(args[0]); },
        CommandTable::AfterEnd::Answered);
    table.add(
        "files", "FOLDER", [this](const Words& args) { listFiles(args[0]); },
        CommandTable::AfterEnd::Answered);
    table.add("write-file", "NAME TEXT", [this](const Words& args) { writeFile(args[0], args[1]); });
    table.add(
        "file-mode", "NAME", [this](const Words& args) { fileMode(args[0]); },
        CommandTable::AfterEnd::Answered);
}

std::filesystem::path DataFileCommands::pathOf(const std::string& name) const {
    const std::filesystem::path path = std::filesystem::path(name).lexically_normal();
    const bool inside = !name.empty() && path.is_relative() && !path.empty() && *path.begin() != ".." &&
                        path.has_filename() && path.filename() != ".";
    if (!inside)
        throw CommandError("not a path inside the data folder: " + name);
    return m_dataDir / path;
}

void DataFileCommands::listFiles(const std::string& folder) {
    std::error_code error;
    std::filesystem::directory_iterator it(pathOf(folder), error);
    if (error) {
        m_out << "missing\n";
        return;
    }
    std::vector<std::string> names;
    for (const std::filesystem::directory_entry& entry : it)
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    for (const std::string& name : names)
        m_out << quoted(name) << '\n';
}

void DataFileCommands::readFile(const std::string& name) {
    std::ifstream in(pathOf(name), std::ios::binary);
    if (!in) {
        m_out << "missing\n";
        return;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    const std::string content = buffer.str();
    // One quoted line per CR LF ended line; a rest without CR LF is marked as such.
    size_t start = 0;
    for (size_t end; (end = content.find("\r\n", start)) != std::string::npos; start = end + 2)
        m_out << quoted(content.substr(start, end - start)) << '\n';
    if (start < content.size())
        m_out << quoted(content.substr(start)) << " (no CR LF)\n";
}

void DataFileCommands::fileMode(const std::string& name) {
    std::error_code error;
    const auto status = std::filesystem::status(pathOf(name), error);
    if (error || !std::filesystem::exists(status)) {
        m_out << "missing\n";
        return;
    }
    const auto bits = static_cast<unsigned>(status.permissions() & std::filesystem::perms::mask);
    char octal[8];
    std::snprintf(octal, sizeof octal, "%03o", bits);
    m_out << octal << '\n';
}

void DataFileCommands::writeFile(const std::string& name, const std::string& content) {
    const std::filesystem::path file = pathOf(name);
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << content;
    out.close();
    if (!out)
        throw CommandError("cannot write " + name);
    // Readable by its owner only, as the program writes its own files.
    std::filesystem::permissions(pathOf(name),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

} // namespace quillan
