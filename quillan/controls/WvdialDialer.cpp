#include "WvdialDialer.h"

#include "runtime/RegularFile.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>
#include <set>
#include <sstream>

namespace quillan {

namespace {

// What wvdial uses when a configuration names no modem or speed.
constexpr const char* kWvdialModem = "/dev/modem";
constexpr int kWvdialBaud = 57600;
constexpr int kMostInherits = 16;

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

// Keys of one section by lower-cased name; section names are compared lower-cased too.
using Keys = std::map<std::string, std::string>;
struct Section {
    std::string name; // as first written, "Dialer" dropped
    Keys keys;
};

void parseInto(std::string_view text, std::vector<Section>& sections) {
    Section* current = nullptr;
    std::istringstream lines{std::string(text)};
    for (std::string raw; std::getline(lines, raw);) {
        std::string_view line = trimmed(raw);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            std::string_view title = trimmed(line.substr(1, line.size() - 2));
            current = nullptr;
            if (lowered(title.substr(0, 7)) != "dialer " || trimmed(title.substr(7)).empty())
                continue;
            const std::string name(trimmed(title.substr(7)));
            auto same = std::find_if(sections.begin(), sections.end(),
                                     [&](const Section& s) { return lowered(s.name) == lowered(name); });
            if (same == sections.end()) {
                sections.push_back({name, {}});
                current = &sections.back();
            } else {
                current = &*same;
            }
            continue;
        }
        const size_t equals = line.find('=');
        if (current && equals != std::string_view::npos)
            current->keys[lowered(trimmed(line.substr(0, equals)))] =
                std::string(trimmed(line.substr(equals + 1)));
    }
}

const Section* findSection(const std::vector<Section>& sections, const std::string& name) {
    for (const Section& section : sections)
        if (lowered(section.name) == lowered(name))
            return &section;
    return nullptr;
}

// The section's keys over those it inherits, over the defaults.
Keys resolved(const std::vector<Section>& sections, const Section& section) {
    std::vector<const Section*> chain{&section};
    std::set<std::string> seen{lowered(section.name)};
    for (const Section* at = &section; chain.size() < kMostInherits;) {
        auto inherits = at->keys.find("inherits");
        if (inherits == at->keys.end() || !seen.insert(lowered(inherits->second)).second)
            break;
        at = findSection(sections, inherits->second);
        if (!at)
            break;
        chain.push_back(at);
    }
    Keys keys;
    if (const Section* defaults = findSection(sections, "Defaults"))
        keys = defaults->keys;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        for (const auto& [key, value] : (*it)->keys)
            keys[key] = value;
    return keys;
}

std::string value(const Keys& keys, const std::string& key) {
    auto it = keys.find(key);
    return it == keys.end() ? std::string() : it->second;
}

int parseBaud(const std::string& text) {
    int baud = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), baud);
    return error == std::errc() && end == text.data() + text.size() && baud > 0 ? baud : kWvdialBaud;
}

bool startsWithAt(std::string_view command) {
    return command.size() >= 2 && lowered(command.substr(0, 2)) == "at";
}

// A bare reset, which would undo the settings the dialer makes before the init string.
bool isReset(std::string_view command) {
    std::string body = lowered(trimmed(command));
    if (startsWithAt(body))
        body.erase(0, 2);
    return body == "z" ||
           (body.size() == 2 && body[0] == 'z' && std::isdigit(static_cast<unsigned char>(body[1])));
}

} // namespace

PhonebookEntry WvdialDialer::phonebookEntry() const {
    PhonebookEntry entry;
    entry.name = name;
    entry.phoneNumber = phone;
    entry.device = modem.empty() ? kWvdialModem : modem;
    entry.speed = baud > 0 ? baud : kWvdialBaud;
    // The dialogue sends one init line: the commands joined after a single AT.
    for (const std::string& init : inits) {
        if (isReset(init))
            continue;
        std::string_view body = trimmed(init);
        if (startsWithAt(body))
            body.remove_prefix(2);
        body = trimmed(body);
        if (!body.empty())
            entry.init += (entry.init.empty() ? "AT" : " ") + std::string(body);
    }
    return entry;
}

std::vector<WvdialDialer> parseWvdialDialers(const std::vector<std::string>& texts) {
    std::vector<Section> sections;
    for (const std::string& text : texts)
        parseInto(text, sections);
    std::vector<WvdialDialer> dialers;
    for (const Section& section : sections) {
        const Keys keys = resolved(sections, section);
        WvdialDialer dialer;
        dialer.name = section.name;
        dialer.phone = value(keys, "phone");
        if (dialer.phone.empty())
            continue;
        for (int n = 1; n <= 4; ++n)
            if (std::string number = value(keys, "phone" + std::to_string(n)); !number.empty())
                dialer.alternates.push_back(number);
        dialer.modem = value(keys, "modem");
        dialer.baud = parseBaud(value(keys, "baud"));
        for (int n = 1; n <= 9; ++n)
            if (std::string init = value(keys, "init" + std::to_string(n)); !init.empty())
                dialer.inits.push_back(init);
        dialer.username = value(keys, "username");
        dialer.password = value(keys, "password");
        dialers.push_back(std::move(dialer));
    }
    return dialers;
}

std::vector<WvdialDialer> readWvdialDialers(const std::vector<std::filesystem::path>& files) {
    std::vector<std::string> texts;
    for (const std::filesystem::path& file : files) {
        // Read on the UI thread: a FIFO or a huge file there must not hold up the entry editor.
        try {
            texts.push_back(readRegularFile(file));
        } catch (const FileReadError&) {
            // left out, as a missing file is
        }
    }
    return parseWvdialDialers(texts);
}

} // namespace quillan
