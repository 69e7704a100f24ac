#pragma once

namespace quillan {

class Forms;

// What the program does when a check finds the mailbox holding mail: the notification window
// (always for the test button, else as the settings say), the mail sound and the mail program.
// False when a step failed, which ends the caller's handler there.
bool announceNewMail(Forms& forms, bool alwaysNotify);

} // namespace quillan
