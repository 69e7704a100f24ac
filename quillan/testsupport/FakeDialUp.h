#pragma once

#include "controls/DialUpControl.h"

#include <map>
#include <string>
#include <vector>

namespace quillan {

// A dial-up control over an in-memory phonebook. It records the program's writes and method calls
// (not its reads), and raises Progress when told to.
class FakeDialUp : public DialUpControl {
  public:
    struct PhonebookEntry {
        std::string name;
        std::string number;
    };

    std::string PhoneNumber() override { return m_phoneNumber; }
    void setPhoneNumber(const std::string& number) override;
    void setUserName(const std::string& name) override { record("UserName", name); }
    void setPassword(const std::string& password) override { record("Password", password); }
    void setEntryName(const std::string& name) override;
    void setDomain(const std::string& domain) override { record("Domain", domain); }
    std::int16_t EntryCount() override { return static_cast<std::int16_t>(entries.size()); }
    std::string StatusText() override { return m_statusText; }
    bool IsConnected() override;
    void HangUp() override { m_calls.push_back("HangUp"); }
    void Dial() override { m_calls.push_back("Dial"); }
    void LoadEntry() override;
    void CreateEntry() override;
    void EditEntry() override { m_calls.push_back("EditEntry"); }
    const std::string& Entry(std::int16_t index) override;
    void Refresh() override { m_calls.push_back("Refresh"); }
    PhonebookHealth phonebookHealth() override { return health; }

    // Raises Progress(state) with StatusText = text.
    void raise(std::int16_t state, const std::string& text);
    // The calls since the last take: writes as `NAME = "VALUE"`, methods as `NAME`.
    std::vector<std::string> takeCalls();

    std::vector<PhonebookEntry> entries;
    std::map<std::string, bool> online;
    // What phonebookHealth reports, as if the phonebook file had been read so.
    PhonebookHealth health;
    // Appended by the next CreateEntry, as if the user had filled in the new-entry editor.
    std::vector<PhonebookEntry> pendingNewEntries;

  private:
    void record(const char* member, const std::string& value);

    std::string m_entryName;
    std::string m_phoneNumber;
    std::string m_statusText;
    std::vector<std::string> m_calls;
};

} // namespace quillan
