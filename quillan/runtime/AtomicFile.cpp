#include "AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace quillan {

namespace {

constexpr const char* kTemporaryMark = ".quillan-new-";
constexpr size_t kRandomLength = 6;

bool isAsciiDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}
bool isAsciiUpper(unsigned char c) {
    return c >= 'A' && c <= 'Z';
}
bool isAsciiLower(unsigned char c) {
    return c >= 'a' && c <= 'z';
}

// mkstemp's six characters, each a letter or digit of ASCII.
bool isRandomPart(std::string_view text) {
    return text.size() == kRandomLength && std::all_of(text.begin(), text.end(), [](unsigned char c) {
               return isAsciiDigit(c) || isAsciiUpper(c) || isAsciiLower(c);
           });
}

// Earlier versions put the six characters straight after the file's name, where a user's own copy
// ("<name>.Backup", "<name>.201231", "<name>.bak001") can look the same. Only a part that mixes
// digits with both cases is taken for one of theirs: no word or number does, while about three in
// five of mkstemp's do; the rest are left alone rather than risk deleting the user's file.
bool isEarlierTemporaryPart(std::string_view text) {
    auto has = [text](bool (*kind)(unsigned char)) { return std::any_of(text.begin(), text.end(), kind); };
    return isRandomPart(text) && has(isAsciiDigit) && has(isAsciiUpper) && has(isAsciiLower);
}

[[noreturn]] void fail(const char* step) {
    throw std::system_error(errno, std::generic_category(), step);
}

// Closes the descriptor and removes the temporary file unless the rename took place.
class TemporaryFile {
  public:
    explicit TemporaryFile(const std::filesystem::path& target)
        : m_name(target.string() + kTemporaryMark + "XXXXXX") {
        std::vector<char> pattern(m_name.begin(), m_name.end());
        pattern.push_back('\0');
        m_fd = mkstemp(pattern.data());
        if (m_fd < 0)
            fail("cannot create a temporary file");
        m_name = pattern.data();
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_renamed)
            ::unlink(m_name.c_str());
    }

    void write(std::string_view contents) {
        while (!contents.empty()) {
            const ssize_t written = ::write(m_fd, contents.data(), contents.size());
            if (written < 0 && errno == EINTR)
                continue;
            if (written < 0)
                fail("cannot write");
            contents.remove_prefix(static_cast<size_t>(written));
        }
    }
    void setMode(mode_t mode) {
        if (::fchmod(m_fd, mode) != 0)
            fail("cannot set the permissions");
    }
    void flushAndClose() {
        if (::fsync(m_fd) != 0)
            fail("cannot flush to disk");
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0)
            fail("cannot close");
    }
    void renameTo(const std::filesystem::path& target) {
        if (::rename(m_name.c_str(), target.c_str()) != 0)
            fail("cannot replace the file");
        m_renamed = true;
    }

  private:
    std::string m_name;
    int m_fd = -1;
    bool m_renamed = false;
};

std::filesystem::path resolvedTarget(const std::filesystem::path& file) {
    std::error_code error;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(file, error))) {
        const auto target = std::filesystem::weakly_canonical(file, error);
        if (!error)
            return target;
    }
    return file;
}

// Makes the rename itself durable; a failure here leaves a complete file either way.
void syncFolder(const std::filesystem::path& target) {
    const auto folder = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

void writeFileAtomically(const std::filesystem::path& file, std::string_view contents, mode_t mode) {
    const auto target = resolvedTarget(file);
    TemporaryFile temporary(target);
    temporary.setMode(mode);
    temporary.write(contents);
    temporary.flushAndClose();
    temporary.renameTo(target);
    syncFolder(target);
}

int removeLeftoverTemporaries(const std::filesystem::path& folder,
                              const std::function<bool(std::string_view name)>& isTarget) {
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    int removed = 0;
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        const std::string name = entries->path().filename().string();
        const std::string_view view = name;
        const size_t mark = view.rfind(kTemporaryMark);
        const size_t dot = view.rfind('.');
        const bool ours = (mark != std::string_view::npos &&
                           isRandomPart(view.substr(mark + std::strlen(kTemporaryMark))) &&
                           isTarget(view.substr(0, mark))) ||
                          (dot != std::string_view::npos && isEarlierTemporaryPart(view.substr(dot + 1)) &&
                           isTarget(view.substr(0, dot)));
        std::error_code ignored;
        if (ours && entries->is_regular_file(ignored) && std::filesystem::remove(entries->path(), ignored))
            ++removed;
    }
    return removed;
}

} // namespace quillan
