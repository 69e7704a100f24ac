#pragma once

#include "ListControl.h"

namespace quillan {

// The drives of the machine, one selected; its lines are the drives' roots.
class DriveListBox : public ListControl {
  public:
    DriveListBox(Form& form, std::string name, Control* container = nullptr, int page = -1);
    const char* kind() const override { return "drive"; }

    // The selected drive's root.
    const std::string& drive() const { return m_drive; }
    // Selects a drive; Change runs when it differs from the one selected.
    void setDrive(const std::string& root);
    // The drive that holds path.
    std::string driveOf(const std::string& path) const;

    // The user picks a drive: it becomes the drive, and Change runs.
    void userChoose(int index) override;

    std::function<void()> Change;

  private:
    std::string m_drive;
};

} // namespace quillan
