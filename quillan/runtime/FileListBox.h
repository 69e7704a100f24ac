#pragma once

#include "ListControl.h"

namespace quillan {

// The files of one folder that match a pattern: its lines are the file names, sorted as a listing
// shows them, hidden files left out. A user's choice selects a name, then runs Click.
class FileListBox : public ListControl {
  public:
    FileListBox(Form& form, std::string name, Control* container = nullptr, int page = -1);
    const char* kind() const override { return "file"; }

    const std::string& path() const { return m_path; }
    // Lists the folder's files; a folder that cannot be read lists none.
    void setPath(const std::string& path);
    // ";"-separated wildcards; PatternChange runs when the pattern differs.
    const std::string& pattern() const { return m_pattern; }
    void setPattern(const std::string& pattern);

    // A pattern naming "*.exe" also lists the programs of this platform: executable files and
    // desktop launchers, which carry no such extension.
    void setListsPrograms(bool programs);

    std::function<void()> PatternChange;

  private:
    void readFolder();
    bool wanted(const std::string& name, bool listPrograms) const;

    std::string m_path;
    std::string m_pattern = "*.*";
    bool m_programs = false;
};

} // namespace quillan
