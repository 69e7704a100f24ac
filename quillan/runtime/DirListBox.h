#pragma once

#include "ListControl.h"

namespace quillan {

struct FolderListing;

// Opening a folder that is not there or is no folder.
class FolderError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A folder and its subfolders: its lines are the subfolders' names, sorted as a listing shows them,
// hidden folders left out. One line may be highlighted without being opened (-1: the folder itself).
class DirListBox : public ListControl {
  public:
    DirListBox(Form& form, std::string name, Control* container = nullptr, int page = -1);
    const char* kind() const override { return "dir"; }

    const std::string& path() const { return m_path; }
    // Opens a folder (relative to the current folder of the process) and lists its subfolders; Change
    // runs when the folder differs from the one open. Throws FolderError when it cannot be opened.
    void setPath(const std::string& path);
    // The full path of subfolder index.
    std::string subfolder(int index) const;
    // Subfolder index is a link to a folder elsewhere.
    bool subfolderIsLink(int index) const { return m_links.at(static_cast<size_t>(index)); }
    // The file system that holds the folder.
    unsigned long device() const { return m_device; }
    // The highlighted subfolder, or the folder itself when none is.
    std::string highlighted() const;
    // The folder exists but its contents could not be read.
    bool unreadable() const { return m_unreadable; }
    const std::string& readError() const { return m_readError; }

    // Highlights a subfolder, then runs Click.
    using ListControl::userChoose;
    // The user opens a subfolder (or, with index -1, the folder above).
    void userOpen(int index);

    std::function<void()> Change;

  private:
    void readFolder();
    void show(const FolderListing& listing);

    std::string m_path;
    std::vector<bool> m_links;
    unsigned long m_device = 0;
    bool m_unreadable = false;
    std::string m_readError;
};

} // namespace quillan
