#pragma once

#include "runtime/CommandButton.h"
#include "runtime/Form.h"
#include "runtime/Label.h"
#include "runtime/PictureBox.h"

namespace quillan {

class Forms;

// Tells the user that the mailbox holds mail; any click on it puts it away.
class frmNewMailNotify : public Form {
  public:
    static constexpr const char* kName = "frmNewMailNotify";
    explicit frmNewMailNotify(Forms& forms);

    PictureBox Image1{*this, "Image1"};
    Label Label1{*this, "Label1"};
    CommandButton Command1{*this, "Command1"};
};

} // namespace quillan
