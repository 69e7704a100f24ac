#include "ModemScript.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <sstream>

namespace quillan {

namespace {

constexpr double kLongestSeconds = 86400.0;
constexpr int kHighestSpeed = 10000000;

std::string upper(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::toupper(c); });
    return out;
}

std::vector<std::string> words(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::vector<std::string> out;
    for (std::string word; in >> word;)
        out.push_back(upper(word));
    return out;
}

std::optional<double> seconds(const std::string& text) {
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !(value >= 0 && value <= kLongestSeconds))
        return std::nullopt;
    return value;
}

std::optional<int> speed(const std::string& text) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value <= 0 || value > kHighestSpeed)
        return std::nullopt;
    return value;
}

// A CONNECT without a speed gets the script's speed when it is dialled.
std::optional<ModemOutcome> outcome(std::string_view text) {
    std::vector<std::string> w = words(text);
    using K = ModemOutcome::Kind;
    if (w.empty())
        return std::nullopt;
    if (w == std::vector<std::string>{"BUSY"})
        return ModemOutcome{K::Busy, 0, {}};
    if (w == std::vector<std::string>{"NO", "CARRIER"})
        return ModemOutcome{K::NoCarrier, 0, {}};
    if (w == std::vector<std::string>{"NO", "ANSWER"})
        return ModemOutcome{K::NoAnswer, 0, {}};
    if (w == std::vector<std::string>{"NO", "DIALTONE"})
        return ModemOutcome{K::NoDialTone, 0, {}};
    if (w == std::vector<std::string>{"SILENCE"})
        return ModemOutcome{K::Silence, 0, {}};
    if (w[0] != "CONNECT")
        return std::nullopt;
    ModemOutcome connect{K::Connect, 0, {}};
    size_t at = 1;
    if (at < w.size() && w[at] != "DROP") {
        std::optional<int> bps = speed(w[at++]);
        if (!bps)
            return std::nullopt;
        connect.speed = *bps;
    }
    if (at < w.size()) {
        if (w[at] != "DROP" || at + 2 != w.size())
            return std::nullopt;
        connect.dropAfterSeconds = seconds(w[at + 1]);
        if (!connect.dropAfterSeconds)
            return std::nullopt;
    }
    return connect;
}

} // namespace

std::string ModemScript::numberKey(std::string_view dialled) {
    std::string key;
    for (char c : dialled)
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '*' || c == '#' || c == '+')
            key += c;
    return key;
}

std::string ModemScript::addLine(std::string_view line) {
    line = line.substr(0, line.find('#') == 0 ? 0 : line.find(" #"));
    if (size_t equals = line.find('='); equals != std::string_view::npos) {
        std::string number = numberKey(line.substr(0, equals));
        if (number.empty())
            return "a rule needs a number before =";
        Rule rule;
        std::string_view rest = line.substr(equals + 1);
        for (;;) {
            size_t comma = rest.find(',');
            std::optional<ModemOutcome> next = outcome(rest.substr(0, comma));
            if (!next)
                return "unknown outcome \"" + std::string(rest.substr(0, comma)) + "\"";
            rule.outcomes.push_back(*next);
            if (comma == std::string_view::npos)
                break;
            rest.remove_prefix(comma + 1);
        }
        m_rules[number] = rule;
        return "";
    }
    std::vector<std::string> w = words(line);
    if (w.empty())
        return "";
    if (w.size() == 1 && w[0] == "MUTE") {
        mute = true;
        return "";
    }
    if (w.size() == 2 && w[0] == "SPEED") {
        std::optional<int> bps = speed(w[1]);
        if (!bps)
            return "speed needs a number of bits per second";
        defaultSpeed = *bps;
        return "";
    }
    if (w.size() == 3 && w[0] == "DELAY") {
        std::optional<double> value = seconds(w[2]);
        double* target = w[1] == "DIAL"    ? &timings.dialSeconds
                         : w[1] == "REPLY" ? &timings.replySeconds
                         : w[1] == "GUARD" ? &timings.guardSeconds
                                           : nullptr;
        if (!target || !value)
            return "delay needs dial, reply or guard and a number of seconds";
        *target = *value;
        return "";
    }
    return "unknown instruction \"" + std::string(line) + "\"";
}

std::string ModemScript::addText(std::string_view text) {
    int number = 0;
    while (!text.empty()) {
        ++number;
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (std::string error = addLine(line); !error.empty())
            return "line " + std::to_string(number) + ": " + error;
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return "";
}

ModemOutcome ModemScript::nextOutcome(std::string_view dialled) {
    std::string key = numberKey(dialled);
    if (key.empty())
        return ModemOutcome{ModemOutcome::Kind::NoCarrier, 0, {}};
    auto it = m_rules.find(key);
    if (it == m_rules.end())
        return ModemOutcome{ModemOutcome::Kind::Connect, defaultSpeed, {}};
    Rule& rule = it->second;
    ModemOutcome chosen = rule.outcomes[std::min(rule.next, rule.outcomes.size() - 1)];
    ++rule.next;
    if (chosen.kind == ModemOutcome::Kind::Connect && chosen.speed == 0)
        chosen.speed = defaultSpeed;
    return chosen;
}

} // namespace quillan
