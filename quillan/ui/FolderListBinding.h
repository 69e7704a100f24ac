#pragma once

#include "ControlBinding.h"

#include <QListWidget>

namespace quillan {

class DirListBox;

// A folder list: the first line is the open folder (a double click goes up), the others its
// subfolders; a click highlights one, a double click opens it.
class FolderListBinding : public ControlBinding {
  public:
    FolderListBinding(DirListBox& folders, QListWidget& widget);
    void refresh(Property property, bool initial) override;

  private:
    DirListBox& m_folders;
};

} // namespace quillan
