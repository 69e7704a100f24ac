#include "DataFolderCare.h"

#include "frmCloseConfig.h"
#include "modules/SettingsFile.h"
#include "runtime/AtomicFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace quillan {

namespace {

bool isMonthlyLogName(std::string_view name) {
    constexpr std::string_view kEnd = ".txt";
    if (!name.ends_with(kEnd) || name.size() == kEnd.size())
        return false;
    name.remove_suffix(kEnd.size());
    return std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isdigit(c); });
}

bool isOwnFileName(std::string_view name) {
    return name == kSettingsFileName || name == kCloseReminderFileName || isMonthlyLogName(name);
}

// Takes the given permission bits (as chmod writes them: symbolic) away; a sentence for the user
// when they were there.
std::string withdraw(const std::filesystem::path& path, mode_t bits, const char* symbolic,
                     const std::string& what, const std::string& done) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || (info.st_mode & bits) == 0)
        return "";
    // Someone else's, or a shared folder such as /tmp (sticky): not ours to change.
    if (info.st_uid != ::geteuid() || (S_ISDIR(info.st_mode) && (info.st_mode & S_ISVTX)))
        return "";
    if (::chmod(path.c_str(), info.st_mode & 07777 & ~bits) != 0)
        return what + " Quillan could not change that (" + std::strerror(errno) + "); run chmod " + symbolic +
               " \"" + path.string() + "\" to do it yourself.\n\n";
    return what + " Quillan has changed that: " + done + "\n\n";
}

} // namespace

std::string tidyDataFolder(const std::filesystem::path& dataDir) {
    removeLeftoverTemporaries(dataDir, isOwnFileName);
    const auto settings = dataDir / kSettingsFileName;
    std::string told;
    told += withdraw(dataDir, S_IWGRP | S_IWOTH, "go-w",
                     "Other users of this computer could change the files in Quillan's data folder \"" +
                         dataDir.string() + "\".",
                     "only you can write to it now.");
    std::error_code error;
    if (std::filesystem::is_regular_file(settings, error))
        told += withdraw(settings, S_IRWXG | S_IRWXO, "go-rwx",
                         "Other users of this computer could read the settings file \"" + settings.string() +
                             "\", which holds your passwords.",
                         "only you can read it now.");
    while (told.ends_with('\n'))
        told.pop_back();
    return told;
}

} // namespace quillan
