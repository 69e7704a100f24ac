#pragma once

#include "PhonebookEntry.h"
#include "PhonebookHealth.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillan {

// The per-user phonebook: an INI file with one [entry name] section per entry, in listing order,
// and the keys PhoneNumber, Device, Speed, Init and PPP. Comments (; or #), blank lines, unknown keys
// and CR LF line ends are tolerated and kept when the file is changed.
class Phonebook {
  public:
    // Removes what interrupted saves of the file left beside it, then reads it.
    explicit Phonebook(std::filesystem::path path);

    const std::filesystem::path& path() const { return m_path; }
    // Re-reads the file; a missing or unreadable file lists no entry, and health() tells which.
    void reload();
    const PhonebookHealth& health() const { return m_health; }
    const std::vector<PhonebookEntry>& entries() const { return m_entries; }
    const PhonebookEntry* find(std::string_view name) const;

    // Adds the entry last. Returns "" or the reason it was refused; a refused entry changes nothing,
    // and a file that cannot be read is never written over.
    std::string append(const PhonebookEntry& entry);
    // Replaces the entry called name in its place (it may be renamed). Returns "" or the reason; an
    // entry whose section appears twice is refused, as only one of them would change.
    std::string replace(const std::string& name, const PhonebookEntry& entry);

    // The entries of the text; names of sections that appear more than once go to repeated.
    static std::vector<PhonebookEntry> parse(std::string_view text,
                                             std::vector<std::string>* repeated = nullptr);

  private:
    std::string refusal(const PhonebookEntry& entry, const std::string& replacing) const;
    // The file's text, or nullopt with m_health telling why it could not be read.
    std::optional<std::string> readText();
    std::string store(const std::string& text);
    std::string unreadableRefusal() const;

    std::filesystem::path m_path;
    std::vector<PhonebookEntry> m_entries;
    PhonebookHealth m_health;
};

} // namespace quillan
