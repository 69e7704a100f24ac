#include "FileListBox.h"

#include "PathNames.h"

#include <algorithm>
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

bool FileListBox::wanted(const std::string& name, const std::string& fullPath) const {
    if (matchesPattern(name, m_pattern))
        return true;
    if (!m_programs || !matchesPattern("a.exe", m_pattern))
        return false;
    return matchesPattern(name, "*.desktop") || access(fullPath.c_str(), X_OK) == 0;
}

void FileListBox::readFolder() {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(m_path, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (name.front() != '.' && it->is_regular_file(typeError) && wanted(name, it->path().string()))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), listingOrder);
    setItems(std::move(names));
}

} // namespace quillan
