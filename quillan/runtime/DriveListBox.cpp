#include "DriveListBox.h"

#include "Form.h"
#include "PathNames.h"

#include <filesystem>

namespace quillan {

DriveListBox::DriveListBox(Form& form, std::string name, Control* container, int page)
    : ListControl(form, std::move(name), container, page) {
    setItems(form.services().drives.drives());
    std::error_code error;
    m_drive = driveOf(std::filesystem::current_path(error).string());
    if (m_drive.empty() && listCount() > 0)
        m_drive = list(0);
    setListIndex(indexOf(m_drive));
}

std::string DriveListBox::driveOf(const std::string& path) const {
    return quillan::driveOf(path, items());
}

void DriveListBox::setDrive(const std::string& root) {
    const int index = indexOf(root);
    if (index < 0)
        throw std::invalid_argument("no drive " + root);
    setListIndex(index);
    if (root == m_drive)
        return;
    m_drive = root;
    if (Change)
        Change();
}

void DriveListBox::userChoose(int index) {
    setDrive(list(index));
}

} // namespace quillan
