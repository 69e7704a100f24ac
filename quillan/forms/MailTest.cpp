#include "MailTest.h"

#include "Forms.h"
#include "NewMail.h"
#include "frmConfig.h"
#include "frmWarn.h"
#include "modules/ProgramTitle.h"

namespace quillan {

MailTest::MailTest(Forms& forms, frmConfig& config) : m_forms(forms), m_config(config) {
    m_config.cmdCheckMail.Click = [this] { cmdCheckMail_Click(); };
    MailControl& mail1 = m_forms.mail().mail1;
    mail1.Done = [this] { mail1_Done(); };
    // The user pressed the button to learn whether the settings work, so a failure is told.
    mail1.AsyncError = [this](const std::string& reason) {
        m_state = State::Idle;
        m_forms.services().boxes.show(reason, MsgButtons::OK, MsgIcon::Exclamation, kProgramTitle);
    };
}

MailTest::~MailTest() {
    MailControl& mail1 = m_forms.mail().mail1;
    mail1.Done = nullptr;
    mail1.AsyncError = nullptr;
}

bool MailTest::anyEntryConnected() {
    DialUpControl& dialUp = m_forms.dialUp();
    for (std::int16_t i = 0; i < dialUp.EntryCount(); ++i) {
        dialUp.setEntryName(dialUp.Entry(i));
        if (dialUp.IsConnected())
            return true;
    }
    return false;
}

void MailTest::cmdCheckMail_Click() {
    MessageBoxes& boxes = m_forms.services().boxes;
    if (!anyEntryConnected()) {
        boxes.show("No Connection detected!", MsgButtons::OK, MsgIcon::None, kProgramTitle);
        return;
    }
    // What is typed now, saved or not.
    const std::string server = m_config.textPOPserver.text();
    const std::string user = m_config.textPOPUser.text();
    const std::string password = m_config.textPOPPassword.text();
    if (server.empty() || user.empty() || password.empty()) {
        m_forms.get<frmWarn>().showWarning(
            "Mail Data not completely filled. Unable to access POP mail server.");
        return;
    }
    m_state = State::Checking;
    MailControl& mail1 = m_forms.mail().mail1;
    mail1.setServer(server);
    mail1.setUserName(user);
    mail1.setPassword(password);
    mail1.setAction(MailControl::kActionCheck);
}

void MailTest::mail1_Done() {
    MailControl& mail1 = m_forms.mail().mail1;
    if (m_state == State::Checking) {
        if (mail1.MessageCount() != 0) {
            if (!announceNewMail(m_forms, true))
                return;
            m_state = State::Closing;
            mail1.setAction(MailControl::kActionClose);
        } else {
            m_state = State::Closing;
            mail1.setAction(MailControl::kActionClose);
            m_forms.services().boxes.show("No new mail detected!", MsgButtons::OK, MsgIcon::None,
                                          kProgramTitle);
        }
    } else if (m_state == State::Closing) {
        m_state = State::Idle;
    }
}

} // namespace quillan
