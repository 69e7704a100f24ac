#include "FakeDialUp.h"

#include "RecordingServices.h"

namespace quillan {

void FakeDialUp::record(const char* member, const std::string& value) {
    m_calls.push_back(std::string(member) + " = " + quoted(value));
}

void FakeDialUp::setPhoneNumber(const std::string& number) {
    m_phoneNumber = number;
    record("PhoneNumber", number);
}

void FakeDialUp::setEntryName(const std::string& name) {
    m_entryName = name;
    record("EntryName", name);
}

bool FakeDialUp::IsConnected() {
    auto it = online.find(m_entryName);
    return it != online.end() && it->second;
}

void FakeDialUp::LoadEntry() {
    m_calls.push_back("LoadEntry");
    for (const PhonebookEntry& entry : entries)
        if (entry.name == m_entryName)
            m_phoneNumber = entry.number;
}

void FakeDialUp::CreateEntry() {
    m_calls.push_back("CreateEntry");
    entries.insert(entries.end(), pendingNewEntries.begin(), pendingNewEntries.end());
    pendingNewEntries.clear();
}

const std::string& FakeDialUp::Entry(std::int16_t index) {
    static const std::string none;
    return index >= 0 && static_cast<size_t>(index) < entries.size()
               ? entries[static_cast<size_t>(index)].name
               : none;
}

void FakeDialUp::raise(std::int16_t state, const std::string& text) {
    m_statusText = text;
    if (Progress)
        Progress(state);
}

std::vector<std::string> FakeDialUp::takeCalls() {
    std::vector<std::string> calls;
    calls.swap(m_calls);
    return calls;
}

} // namespace quillan
