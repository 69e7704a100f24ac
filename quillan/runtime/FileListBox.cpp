#include "FileListBox.h"

#include "FolderReader.h"
#include "PathNames.h"

#include <filesystem>

#include <unistd.h>

namespace quillan {

namespace fs = std::filesystem;

FileListBox::FileListBox(Form& form, std::string name, Control* container, int page)
    : ListControl(form, std::move(name), container, page) {
    std::error_code error;
    const fs::path current = fs::current_path(error);
    m_path = error ? "/" : current.string();
    readFolder();
}

void FileListBox::setPath(const std::string& path) {
    m_path = path;
    readFolder();
}

void FileListBox::setPattern(const std::string& pattern) {
    if (pattern == m_pattern)
        return;
    m_pattern = pattern;
    readFolder();
    if (PatternChange)
        PatternChange();
}

void FileListBox::setListsPrograms(bool programs) {
    m_programs = programs;
    readFolder();
}

bool FileListBox::wanted(const std::string& name, bool listPrograms) const {
    if (matchesPattern(name, m_pattern))
        return true;
    if (!listPrograms)
        return false;
    return matchesPattern(name, "*.desktop") || access(joinPath(m_path, name).c_str(), X_OK) == 0;
}

void FileListBox::readFolder() {
    std::vector<std::string> names;
    const bool listPrograms = m_programs && matchesPattern("a.exe", m_pattern);
    for (const FolderEntry& entry : FolderReader::read(m_path).entries)
        if (entry.file && entry.name.front() != '.' && wanted(entry.name, listPrograms))
            names.push_back(entry.name);
    setItems(std::move(names));
}

} // namespace quillan
