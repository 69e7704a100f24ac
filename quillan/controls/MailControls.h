#pragma once

#include "MailControl.h"

namespace quillan {

// The two mail controls: `mail` of the main console's periodic check, `mail1` of the configuration
// console's test button.
struct MailControls {
    MailControl& mail;
    MailControl& mail1;
};

} // namespace quillan
