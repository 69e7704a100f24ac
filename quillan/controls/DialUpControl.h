#pragma once

#include "PhonebookHealth.h"

#include <cstdint>
#include <functional>
#include <string>

namespace quillan {

// Remote access connection states the program acts on.
inline constexpr std::int16_t kStateConnected = 8192;
inline constexpr std::int16_t kStateDisconnected = 8193;

// The dial-up control: the phonebook, dialing and hang-up, reached through these members only.
// Write-only members are setters; every state of a dial arrives as Progress on the UI thread.
class DialUpControl {
  public:
    virtual ~DialUpControl() = default;

    // Dialed by the next Dial; setting EntryName keeps it, LoadEntry restores the entry's own number.
    virtual std::string PhoneNumber() = 0;
    virtual void setPhoneNumber(const std::string& number) = 0;
    virtual void setUserName(const std::string& name) = 0;
    virtual void setPassword(const std::string& password) = 0;
    // Selects the phonebook entry the other members act on.
    virtual void setEntryName(const std::string& name) = 0;
    virtual void setDomain(const std::string& domain) = 0;

    virtual std::int16_t EntryCount() = 0;
    // One line describing the latest state.
    virtual std::string StatusText() = 0;
    // Whether EntryName has a connection up now, whoever made it.
    virtual bool IsConnected() = 0;

    // Ends the call or the failed attempt; harmless when idle.
    virtual void HangUp() = 0;
    // Starts an asynchronous dial of EntryName and returns at once.
    virtual void Dial() = 0;
    virtual void LoadEntry() = 0;
    // Runs the new-entry editor and returns when it closes; a created entry is listed last.
    virtual void CreateEntry() = 0;
    virtual void EditEntry() = 0;
    // Name of the entry at a zero-based index below EntryCount ("" otherwise); valid until the next Refresh.
    virtual const std::string& Entry(std::int16_t index) = 0;
    // Re-reads the phonebook.
    virtual void Refresh() = 0;
    // How the last reading of the phonebook went; an unreadable one lists no entry.
    virtual PhonebookHealth phonebookHealth() { return {}; }

    std::function<void(std::int16_t connectState)> Progress;
};

} // namespace quillan
