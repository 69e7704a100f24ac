#include "DirListBox.h"

#include "FolderReader.h"
#include "PathNames.h"

#include <filesystem>

namespace quillan {

namespace fs = std::filesystem;

namespace {

// An absolute, normal path without a trailing "/" (but for the root).
std::string normalPath(const std::string& path) {
    // Most paths come from the list itself and are normal already.
    const bool alreadyNormal =
        !path.empty() && path.front() == '/' && (path.size() == 1 || path.back() != '/') &&
        path.find("//") == std::string::npos && path.find("/./") == std::string::npos &&
        path.find("/../") == std::string::npos &&
        (path.size() < 2 || path.compare(path.size() - 2, 2, "/.") != 0) &&
        (path.size() < 3 || path.compare(path.size() - 3, 3, "/..") != 0);
    if (alreadyNormal)
        return path;
    std::error_code error;
    std::string normal = fs::absolute(fs::path(path), error).lexically_normal().string();
    while (normal.size() > 1 && normal.back() == '/')
        normal.pop_back();
    return normal;
}

} // namespace

DirListBox::DirListBox(Form& form, std::string name, Control* container, int page)
    : ListControl(form, std::move(name), container, page) {
    std::error_code error;
    const fs::path current = fs::current_path(error);
    m_path = error ? "/" : current.string();
    readFolder();
}

void DirListBox::setPath(const std::string& path) {
    const std::string normal = normalPath(path);
    const FolderListing& listing = FolderReader::read(normal);
    if (listing.notAFolder)
        throw FolderError(normal + " is not a folder that can be opened.");
    if (normal == m_path)
        return;
    m_path = normal;
    show(listing);
    if (Change)
        Change();
}

void DirListBox::readFolder() {
    show(FolderReader::read(m_path));
}

void DirListBox::show(const FolderListing& listing) {
    std::vector<std::string> names;
    m_links.clear();
    for (const FolderEntry& entry : listing.entries)
        if (entry.folder && entry.name.front() != '.') {
            names.push_back(entry.name);
            m_links.push_back(entry.link);
        }
    m_device = listing.device;
    m_unreadable = listing.unreadable;
    m_readError = listing.error;
    setItems(std::move(names));
}

std::string DirListBox::subfolder(int index) const {
    return joinPath(m_path, list(index));
}

std::string DirListBox::highlighted() const {
    return listIndex() >= 0 ? subfolder(listIndex()) : m_path;
}

void DirListBox::userOpen(int index) {
    setPath(index >= 0 ? subfolder(index) : fs::path(m_path).parent_path().string());
}

} // namespace quillan
