#include "FolderReader.h"

#include "PathNames.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unordered_map>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>

namespace quillan {

namespace {

struct Remembered {
    dev_t device;
    ino_t inode;
    timespec modified;
    FolderListing listing;
    // The walk round in which the disk last showed it unchanged.
    unsigned long checkedIn = 0;
};

// Rounds of the walks alive: a listing checked in the current round is not checked again.
int g_walks = 0;
unsigned long g_round = 1;

// Enough for the folders from a drive's root down to the deepest one being walked.
constexpr size_t kRemembered = 512;

bool sameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

FolderListing readFromDisk(int dirFd, DIR* dir) {
    FolderListing listing;
    errno = 0;
    while (dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
            continue;
        FolderEntry item{name};
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN) {
            struct stat status {};
            if (::fstatat(dirFd, name, &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(status.st_mode))
                type = DT_LNK;
        }
        item.link = type == DT_LNK;
        if (type == DT_UNKNOWN || type == DT_LNK) {
            // Links count as what they point to.
            struct stat status {};
            if (::fstatat(dirFd, name, &status, 0) == 0)
                type = S_ISDIR(status.st_mode) ? DT_DIR : S_ISREG(status.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        item.folder = type == DT_DIR;
        item.file = type == DT_REG;
        listing.entries.push_back(std::move(item));
        errno = 0;
    }
    if (errno != 0) {
        listing.unreadable = true;
        listing.error = std::strerror(errno);
    }
    std::sort(listing.entries.begin(), listing.entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return listingOrder(a.name, b.name); });
    return listing;
}

} // namespace

const FolderListing& FolderReader::read(const std::string& path) {
    static std::unordered_map<std::string, Remembered> remembered;
    // The listing of a folder read but not kept.
    static FolderListing failed;

    auto it = remembered.find(path);
    if (g_walks > 0 && it != remembered.end() && it->second.checkedIn == g_round)
        return it->second.listing;

    struct stat status {};
    const bool found = ::stat(path.c_str(), &status) == 0;
    if (!found || !S_ISDIR(status.st_mode)) {
        failed = {{}, true, true, std::strerror(found ? ENOTDIR : errno)};
        return failed;
    }
    if (it != remembered.end() && it->second.device == status.st_dev && it->second.inode == status.st_ino &&
        sameTime(it->second.modified, status.st_mtim)) {
        it->second.checkedIn = g_round;
        return it->second.listing;
    }

    DIR* dir = ::opendir(path.c_str());
    if (!dir) {
        failed = {{}, false, true, std::strerror(errno), static_cast<unsigned long>(status.st_dev)};
        return failed;
    }
    FolderListing listing = readFromDisk(::dirfd(dir), dir);
    ::closedir(dir);
    listing.device = static_cast<unsigned long>(status.st_dev);
    // A folder changed in the last second may change again within the same timestamp tick: not kept.
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    if (status.st_mtim.tv_sec >= now.tv_sec - 1) {
        remembered.erase(path);
        failed = std::move(listing);
        return failed;
    }
    if (remembered.size() >= kRemembered)
        remembered.clear();
    Remembered& slot = remembered[path];
    slot = {status.st_dev, status.st_ino, status.st_mtim, std::move(listing), g_round};
    return slot.listing;
}

FolderReader::Walk::Walk() {
    ++g_walks;
    ++g_round;
}

FolderReader::Walk::~Walk() {
    --g_walks;
    ++g_round;
}

void FolderReader::Walk::eventsRan() {
    ++g_round;
}

} // namespace quillan
