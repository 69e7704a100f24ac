#include "ValueFormat.h"

#include "CommandError.h"

#include "testsupport/RecordingServices.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace quillan {

std::string boolWord(bool value) {
    return value ? "true" : "false";
}

std::string numberOrTextWord(const NumberOrText& value) {
    if (const auto* number = std::get_if<std::int16_t>(&value))
        return std::to_string(*number);
    return quoted(std::get<std::string>(value));
}

std::string iconWord(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::None:
        return "none";
    case MsgIcon::Critical:
        return "critical";
    case MsgIcon::Question:
        return "question";
    case MsgIcon::Exclamation:
        return "exclamation";
    case MsgIcon::Information:
        return "information";
    }
    return "none";
}

std::string answerWord(MsgAnswer answer) {
    switch (answer) {
    case MsgAnswer::OK:
        return "OK";
    case MsgAnswer::Cancel:
        return "Cancel";
    case MsgAnswer::Yes:
        return "Yes";
    case MsgAnswer::No:
        return "No";
    }
    return "OK";
}

std::string windowStateWord(WindowState state) {
    switch (state) {
    case WindowState::Normal:
        return "normal";
    case WindowState::Minimized:
        return "minimized";
    case WindowState::Maximized:
        return "maximized";
    }
    return "normal";
}

MsgAnswer parseAnswer(const std::string& word) {
    std::string lower = word;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    for (MsgAnswer answer : {MsgAnswer::OK, MsgAnswer::Cancel, MsgAnswer::Yes, MsgAnswer::No}) {
        std::string name = answerWord(answer);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        if (lower == name)
            return answer;
    }
    throw CommandError("no such button: " + word + " (OK, Yes, No or Cancel)");
}

long long parseInteger(const std::string& word, const char* what, long long min, long long max) {
    long long value = 0;
    const char* first = word.data();
    const char* last = first + word.size();
    auto [end, ec] = std::from_chars(first, last, value);
    if (first == last || ec != std::errc() || end != last)
        throw CommandError(std::string(what) + " is not a whole number: " + word);
    if (value < min || value > max)
        throw CommandError(std::string(what) + " out of range: " + word);
    return value;
}

} // namespace quillan
