#include "MailWatch.h"

#include "Forms.h"
#include "NewMail.h"
#include "frmWarn.h"

namespace quillan {

MailWatch::MailWatch(Forms& forms) : m_forms(forms) {
    MailControl& mail = m_forms.mail().mail;
    mail.Done = [this] { mail_Done(); };
    // Failures stay silent: the next interval tries again.
    mail.AsyncError = [this](const std::string&) { mail_AsyncError(); };
}

MailWatch::~MailWatch() {
    MailControl& mail = m_forms.mail().mail;
    mail.Done = nullptr;
    mail.AsyncError = nullptr;
}

void MailWatch::startCheck() {
    const SettingsRecord& s = m_forms.m().settings;
    if (s.popserver.empty() || s.popuser.empty() || s.poppassword.empty()) {
        m_forms.get<frmWarn>().showWarning(
            "Mail Data not completely filled. Unable to access POP mail server.");
        return;
    }
    m_state = kChecking;
    MailControl& mail = m_forms.mail().mail;
    mail.setServer(s.popserver);
    mail.setUserName(s.popuser);
    mail.setPassword(s.poppassword);
    mail.setAction(MailControl::kActionCheck);
}

void MailWatch::mail_Done() {
    MailControl& mail = m_forms.mail().mail;
    if (m_state == kChecking) {
        m_state = kHandling;
        if (mail.MessageCount() != 0 && !announceNewMail(m_forms, false))
            return;
        m_state = kClosing;
        mail.setAction(MailControl::kActionClose);
    } else if (m_state == kClosing) {
        m_state = kIdle;
    }
}

} // namespace quillan
