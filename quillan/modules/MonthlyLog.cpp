#include "MonthlyLog.h"

#include "Numeric.h"
#include "TextFile.h"
#include "runtime/AtomicFile.h"
#include "runtime/RegularFile.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <system_error>

namespace quillan {

namespace {

constexpr long long kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr long long kInt32Max = std::numeric_limits<std::int32_t>::max();

[[noreturn]] void fail(const std::filesystem::path& file, const char* doing, const std::exception& error) {
    throw MonthlyLogError("The monthly log \"" + file.string() + "\" could not be " + doing + ": " +
                          error.what() + ".");
}

// Replaces the log in memory with the file's lines; a line that is not a number is kept but not counted.
void readLog(Module1& m, const std::filesystem::path& dataDir, const std::string& name) {
    const auto file = dataDir / name;
    std::vector<LogLine> lines;
    long long total = 0;
    std::string contents;
    try {
        contents = readRegularFile(file);
    } catch (const FileReadError& error) {
        if (!error.missing())
            fail(file, "read", error);
    }
    for (const auto line : splitLines(contents)) {
        lines.emplace_back(std::string(line));
        if (const auto seconds = toNumber(line))
            total += static_cast<long long>(
                std::clamp(std::nearbyint(*seconds), double(kInt32Min), double(kInt32Max)));
    }
    m.monthlylog = std::move(lines);
    m.monthlytotal = static_cast<std::int32_t>(std::clamp(total, kInt32Min, kInt32Max));
    m.monthlylogname = name;
}

void writeLog(const Module1& m, const std::filesystem::path& dataDir) {
    std::string contents;
    for (const auto& line : m.monthlylog) {
        if (const auto* seconds = std::get_if<long long>(&line))
            contents += formatNumber(*seconds);
        else
            contents += std::get<std::string>(line);
        contents += "\r\n";
    }
    const auto file = dataDir / m.monthlylogname;
    try {
        writeFileAtomically(file, contents, 0600);
    } catch (const std::system_error& error) {
        fail(file, "written", error);
    }
}

std::optional<Money> callCost(const SettingsRecord& settings, long long seconds) {
    const double rate = parseRate(settings.costdollars, settings.costcents).value_or(Money()).toDouble();
    double perSecond = 0;
    if (settings.costperhour == "true")
        perSecond = rate / 3600;
    else if (settings.costperminute == "true")
        perSecond = rate / 60;
    return Money::fromDouble(static_cast<double>(seconds) * perSecond);
}

} // namespace

std::string monthlyLogName(std::time_t now) {
    std::tm local{};
    localtime_r(&now, &local);
    return std::to_string(local.tm_year + 1900) + std::to_string(local.tm_mon + 1) + ".txt";
}

void beginCallRecord(Module1& m, const std::filesystem::path& dataDir, std::time_t now) {
    m.clearWarnedFlags();
    m.monthlylog.clear();
    m.monthlytotal = 0;
    m.monthlylogname.clear();
    readLog(m, dataDir, monthlyLogName(now));
}

std::optional<Money> endCallRecord(Module1& m, const std::filesystem::path& dataDir, std::time_t now) {
    m.hanguptime = now;
    m.lastduration = static_cast<long long>(now - m.starttime);
    const std::string name = monthlyLogName(now);
    if (name != m.monthlylogname)
        readLog(m, dataDir, name);
    m.monthlylog.emplace_back(m.lastduration);
    writeLog(m, dataDir);
    if (m.settings.showcost != "true")
        return std::nullopt;
    return callCost(m.settings, m.lastduration);
}

} // namespace quillan
