#pragma once

#include "PhonebookEntry.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillan {

// The per-user phonebook: an INI file with one [entry name] section per entry, in listing order,
// and the keys PhoneNumber, Device, Speed, Init and PPP. Comments (; or #), blank lines, unknown keys
// and CR LF line ends are tolerated and kept when the file is changed.
class Phonebook {
public:
    explicit Phonebook(std::filesystem::path path);

    const std::filesystem::path& path() const { return m_path; }
    // Re-reads the file; a missing or unreadable file lists no entry.
    void reload();
    const std::vector<PhonebookEntry>& entries() const { return m_entries; }
    const PhonebookEntry* find(std::string_view name) const;

    // Adds the entry last. Returns "" or the reason it was refused; a refused entry changes nothing.
    std::string append(const PhonebookEntry& entry);
    // Replaces the entry called name in its place (it may be renamed). Returns "" or the reason.
    std::string replace(const std::string& name, const PhonebookEntry& entry);

    static std::vector<PhonebookEntry> parse(std::string_view text);

private:
    std::string refusal(const PhonebookEntry& entry, const std::string& replacing) const;
    std::string readText() const;
    std::string store(const std::string& text);

    std::filesystem::path m_path;
    std::vector<PhonebookEntry> m_entries;
};

} // namespace quillan
