#pragma once

#include <string>
#include <vector>

namespace quillan {

// One entry of a folder: its name, and whether it is (or links to) a folder or a regular file.
struct FolderEntry {
    std::string name;
    bool folder = false;
    bool file = false;
    bool link = false;
};

struct FolderListing {
    // In the order a listing shows them (PathNames' listingOrder).
    std::vector<FolderEntry> entries;
    // The path names no folder (missing, or something else).
    bool notAFolder = false;
    // The folder could not be read; error says why.
    bool unreadable = false;
    std::string error;
    // The file system that holds the folder.
    unsigned long device = 0;
};

// Reads the entries of folders for the folder and file lists. A folder read again while its
// modification time (which every added, removed or renamed entry changes) is the same is taken from
// memory, so that walking a tree up and down reads each folder from disk once.
class FolderReader {
  public:
    static const FolderListing& read(const std::string& path);

    // A walk reads the same folders again and again while nothing else runs. While a Walk lives, a
    // folder found unchanged on disk once is taken from memory without a look at the disk, until
    // eventsRan() says that other work may have changed the world in between.
    class Walk {
      public:
        Walk();
        ~Walk();
        Walk(const Walk&) = delete;
        Walk& operator=(const Walk&) = delete;
        static void eventsRan();
    };
};

} // namespace quillan
