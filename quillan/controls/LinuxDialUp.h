#pragma once

#include "DialCall.h"
#include "DialTrace.h"
#include "DialUpControl.h"
#include "LinuxDialUpOptions.h"
#include "Phonebook.h"
#include "PppdRunFolder.h"
#include "ProcessEnder.h"
#include "VirtualModemProcess.h"
#include "WvdialDialer.h"
#include "runtime/EventLoop.h"

#include <chrono>
#include <deque>
#include <memory>
#include <optional>

namespace quillan {

// The dial-up control on Linux: the phonebook file, a Hayes modem dialogue on a serial line or on
// the virtual modem, and pppd through the dialer's own peers file; after the phonebook's entries, the
// system's pppd peers files, dialed as `pon NAME` would. Progress is raised from the event loop, never
// inside a member call, and HangUp ends every report of the call it ends.
class LinuxDialUp : public DialUpControl {
  public:
    // What the entry editor gives back: the entry, and the dialer it was imported from if any.
    struct EditedEntry {
        PhonebookEntry entry;
        std::optional<WvdialDialer> imported;
    };
    // Shows an entry for editing (an empty one for a new entry), offering the dialers of the wvdial
    // configuration to import; the changed entry, or none when cancelled.
    using EntryEditor = std::function<std::optional<EditedEntry>(const PhonebookEntry& entry,
                                                                 const std::vector<WvdialDialer>& dialers)>;

    LinuxDialUp(EventLoop& loop, LinuxDialUpOptions options);
    ~LinuxDialUp() override;
    LinuxDialUp(const LinuxDialUp&) = delete;
    LinuxDialUp& operator=(const LinuxDialUp&) = delete;

    // The number written last, or the entry's own number when none was written since LoadEntry.
    std::string PhoneNumber() override;
    void setPhoneNumber(const std::string& number) override { m_phoneNumber = number; }
    void setUserName(const std::string& name) override { m_userName = name; }
    void setPassword(const std::string& password) override { m_password = password; }
    void setEntryName(const std::string& name) override { m_entryName = name; }
    void setDomain(const std::string& domain) override { m_domain = domain; }
    std::int16_t EntryCount() override;
    std::string StatusText() override { return m_statusText; }
    bool IsConnected() override;
    void HangUp() override;
    void Dial() override;
    void LoadEntry() override;
    void CreateEntry() override;
    void EditEntry() override;
    const std::string& Entry(std::int16_t index) override;
    void Refresh() override;
    PhonebookHealth phonebookHealth() override { return m_phonebook.health(); }

    // Without an editor, CreateEntry and EditEntry leave the phonebook as it is.
    EntryEditor entryEditor;
    // Told of an entry written from an imported dialer, for the credentials the phonebook does not keep.
    std::function<void(const std::string& entryName, const WvdialDialer& dialer)> dialerImported;
    // Told when an entry the editor gave back could not be written, with the reason.
    std::function<void(const std::string& why)> editRefused;
    // Why the phonebook refused the last edited entry, or "".
    const std::string& editRefusal() const { return m_editRefusal; }

  private:
    struct DialRequest {
        std::string entryName;
        std::string number;
        std::string user;
        std::string password;
    };
    struct Report {
        std::int16_t state;
        std::string text;
    };

    // Shows the editor and writes what it gives back; replacing names the entry edited, "" for a new one.
    void runEditor(const PhonebookEntry& shown, std::string replacing);
    void beginCall(const DialRequest& request);
    void beginPeersCall(const std::string& peers);
    std::string preflight(const PhonebookEntry& entry) const;
    bool isSystemPeers(const std::string& name) const;
    void loadSystemPeers();
    void post(std::int16_t state, const std::string& text);
    void deliver();
    void endCall();
    int restBeforeOpening() const;

    EventLoop& m_loop;
    LinuxDialUpOptions m_options;
    DialTrace m_trace;
    ProcessEnder m_ender;
    PppdRunFolder m_runFolder;
    Phonebook m_phonebook;
    size_t m_listedBeforePeers;
    std::vector<std::string> m_systemPeers;
    VirtualModemProcess m_virtualModem;
    std::string m_entryName;
    std::optional<std::string> m_phoneNumber;
    std::string m_userName;
    std::string m_password;
    std::string m_domain;
    std::string m_statusText;
    std::string m_editRefusal;

    std::unique_ptr<DialCall> m_call;
    std::string m_callEntry;
    EventLoop::Id m_begin = 0;
    std::deque<Report> m_reports;
    EventLoop::Id m_delivery = 0;
    std::optional<std::chrono::steady_clock::time_point> m_lineClosedAt;
};

} // namespace quillan
