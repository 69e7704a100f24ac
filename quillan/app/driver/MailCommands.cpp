#include "MailCommands.h"

#include "CommandError.h"
#include "ValueFormat.h"

#include <limits>

namespace quillan {

void MailCommands::addTo(CommandTable& table) {
    table.add("mailbox", "N", [this](const Words& args) {
        m_harness.mailbox = parseInteger(args[0], "N", 0, std::numeric_limits<std::int32_t>::max());
    });
    table.add("mail-done", "FORM.CONTROL", [this](const Words& args) {
        FakeMail& mail = control(args[0]);
        if (!mail.Done)
            throw CommandError("nothing handles " + args[0] + "'s Done yet");
        mail.raiseDone();
    });
    table.add("mail-error", "FORM.CONTROL", [this](const Words& args) {
        FakeMail& mail = control(args[0]);
        if (!mail.AsyncError)
            throw CommandError("nothing handles " + args[0] + "'s AsyncError yet");
        mail.raiseError("The mail server refused the user name or password. Check both and try again.");
    });
}

FakeMail& MailCommands::control(const std::string& reference) {
    if (reference == "frmStart.mail")
        return m_harness.mail;
    if (reference == "frmConfig.mail1")
        return m_harness.mail1;
    throw CommandError("no mail control " + reference + " (frmStart.mail or frmConfig.mail1)");
}

} // namespace quillan
