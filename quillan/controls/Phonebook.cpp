#include "Phonebook.h"

#include "runtime/AtomicFile.h"
#include "runtime/RegularFile.h"
#include "runtime/TextLines.h"

#include <sys/stat.h>
#include <system_error>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <sstream>
#include <unordered_map>

namespace quillan {

namespace {

constexpr int kHighestSpeed = 4000000;
constexpr std::string_view kKnownKeys[] = {"phonenumber", "device", "speed", "init", "ppp"};

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

// One line of the file as the reader sees it.
struct IniLine {
    enum class Kind { Other, Section, Value } kind = Kind::Other;
    std::string_view name; // section name, or key
    std::string_view value;
};

IniLine classify(std::string_view raw) {
    std::string_view line = trimmed(raw);
    if (line.empty() || line.front() == ';' || line.front() == '#')
        return {};
    if (line.front() == '[' && line.back() == ']' && line.size() >= 2)
        return {IniLine::Kind::Section, trimmed(line.substr(1, line.size() - 2)), {}};
    size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return {};
    return {IniLine::Kind::Value, trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1))};
}

int parseSpeed(std::string_view text) {
    int speed = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), speed);
    if (error != std::errc() || end != text.data() + text.size() || speed <= 0 || speed > kHighestSpeed)
        return kDefaultSpeed;
    return speed;
}

std::optional<bool> parseFlag(std::string_view text) {
    std::string word = lowered(text);
    if (word == "yes" || word == "true" || word == "on" || word == "1")
        return true;
    if (word == "no" || word == "false" || word == "off" || word == "0")
        return false;
    return std::nullopt;
}

void applyKey(PhonebookEntry& entry, std::string_view key, std::string_view value) {
    std::string name = lowered(key);
    if (name == "phonenumber")
        entry.phoneNumber = value;
    else if (name == "device")
        entry.device = value;
    else if (name == "speed")
        entry.speed = parseSpeed(value);
    else if (name == "init")
        entry.init = value;
    else if (name == "ppp")
        entry.ppp = parseFlag(value);
}

bool isKnownKey(std::string_view key) {
    std::string name = lowered(key);
    return std::find(std::begin(kKnownKeys), std::end(kKnownKeys), name) != std::end(kKnownKeys);
}

std::string sectionText(const PhonebookEntry& entry) {
    std::ostringstream out;
    out << '[' << entry.name << "]\n";
    out << "PhoneNumber=" << entry.phoneNumber << '\n';
    out << "Device=" << entry.device << '\n';
    out << "Speed=" << entry.speed << '\n';
    if (!entry.init.empty())
        out << "Init=" << entry.init << '\n';
    if (entry.ppp)
        out << "PPP=" << (*entry.ppp ? "yes" : "no") << '\n';
    return out.str();
}

bool holdsLineBreak(const std::string& text) {
    return text.find_first_of("\r\n") != std::string::npos;
}

} // namespace

Phonebook::Phonebook(std::filesystem::path path) : m_path(std::move(path)) {
    const std::string name = m_path.filename().string();
    const auto folder = m_path.has_parent_path() ? m_path.parent_path() : std::filesystem::path(".");
    removeLeftoverTemporaries(folder, [&name](std::string_view candidate) { return candidate == name; });
    reload();
}

std::vector<PhonebookEntry> Phonebook::parse(std::string_view text, std::vector<std::string>* repeated) {
    std::vector<PhonebookEntry> entries;
    std::unordered_map<std::string_view, size_t> indexOf; // views into text, which outlives the map
    PhonebookEntry* current = nullptr;
    for (std::string_view raw : splitLines(withoutByteOrderMark(text))) {
        IniLine line = classify(raw);
        if (line.kind == IniLine::Kind::Section) {
            current = nullptr;
            if (line.name.empty())
                continue;
            const auto [same, added] = indexOf.emplace(line.name, entries.size());
            if (added) {
                entries.push_back(PhonebookEntry{std::string(line.name), {}, {}, kDefaultSpeed, {}, {}});
            } else if (repeated &&
                       std::find(repeated->begin(), repeated->end(), line.name) == repeated->end()) {
                repeated->emplace_back(line.name);
            }
            current = &entries[same->second]; // a repeated section adds to the first one
        } else if (line.kind == IniLine::Kind::Value && current) {
            applyKey(*current, line.name, line.value);
        }
    }
    return entries;
}

void Phonebook::reload() {
    m_entries.clear();
    const std::optional<std::string> text = readText();
    if (text)
        m_entries = parse(*text, &m_health.repeated);
}

const PhonebookEntry* Phonebook::find(std::string_view name) const {
    for (const PhonebookEntry& entry : m_entries)
        if (entry.name == name)
            return &entry;
    return nullptr;
}

std::optional<std::string> Phonebook::readText() {
    m_health = PhonebookHealth{m_path.string(), {}, false, {}};
    try {
        std::string text = readRegularFile(m_path);
        if (const std::string reason = notPlainTextReason(text); !reason.empty()) {
            m_health.unreadable = reason;
            return std::nullopt;
        }
        return text;
    } catch (const FileReadError& error) {
        m_health.missing = error.missing();
        if (!error.missing())
            m_health.unreadable = error.what();
        return error.missing() ? std::optional<std::string>("") : std::nullopt;
    }
}

std::string Phonebook::refusal(const PhonebookEntry& entry, const std::string& replacing) const {
    std::string_view name = entry.name;
    if (name.empty() || trimmed(name) != name)
        return "an entry name must not be empty or start or end with a blank";
    if (name.find(']') != std::string_view::npos || name.front() == '[' || name.front() == ';' ||
        name.front() == '#')
        return "an entry name must not hold ] or start with [, ; or #";
    if (holdsLineBreak(entry.name) || holdsLineBreak(entry.phoneNumber) || holdsLineBreak(entry.device) ||
        holdsLineBreak(entry.init))
        return "phonebook values must be single lines";
    if (entry.name != replacing && find(entry.name))
        return "an entry called " + entry.name + " exists already";
    return "";
}

std::string Phonebook::store(const std::string& text) {
    // A new phonebook is the user's own; an existing one keeps the permissions it was given.
    mode_t mode = S_IRUSR | S_IWUSR;
    struct stat existing {};
    if (::stat(m_path.c_str(), &existing) == 0)
        mode = existing.st_mode & 07777;
    std::string error;
    try {
        writeFileAtomically(m_path, text, mode);
    } catch (const std::system_error& failure) {
        error = m_path.string() + ": " + failure.what();
    }
    reload();
    return error;
}

std::string Phonebook::unreadableRefusal() const {
    return "the phonebook " + m_path.string() + " cannot be read (" + m_health.unreadable +
           "), so Quillan leaves it as it is";
}

std::string Phonebook::append(const PhonebookEntry& entry) {
    std::optional<std::string> old = readText();
    if (!old)
        return unreadableRefusal();
    m_entries = parse(*old, &m_health.repeated);
    if (std::string why = refusal(entry, {}); !why.empty())
        return why;
    std::string text = std::move(*old);
    if (!text.empty() && text.back() != '\n')
        text += '\n';
    if (!text.empty())
        text += '\n';
    return store(text + sectionText(entry));
}

std::string Phonebook::replace(const std::string& name, const PhonebookEntry& entry) {
    const std::optional<std::string> old = readText();
    if (!old)
        return unreadableRefusal();
    m_entries = parse(*old, &m_health.repeated);
    if (!find(name))
        return "there is no entry called " + name;
    const auto& repeated = m_health.repeated;
    if (std::find(repeated.begin(), repeated.end(), name) != repeated.end())
        return "the phonebook has more than one [" + name + "] section; remove all but one of them in " +
               m_path.string() + " first, or the change would not be the one used";
    if (std::string why = refusal(entry, name); !why.empty())
        return why;
    std::string text;
    enum { Before, Inside, After } where = Before;
    std::string kept; // lines of the old section the new one keeps: comments and unknown keys
    for (std::string_view raw : splitLines(withoutByteOrderMark(*old))) {
        IniLine line = classify(raw);
        if (line.kind == IniLine::Kind::Section && where == Before && line.name == name) {
            where = Inside;
            continue;
        }
        if (line.kind == IniLine::Kind::Section && where == Inside) {
            text += sectionText(entry) + kept;
            where = After;
        }
        if (where == Inside) {
            if (!(line.kind == IniLine::Kind::Value && isKnownKey(line.name)))
                kept += std::string(raw) + '\n';
            continue;
        }
        text += std::string(raw) + '\n';
    }
    if (where == Inside)
        text += sectionText(entry) + kept;
    return store(text);
}

} // namespace quillan
