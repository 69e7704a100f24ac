#include "DesktopEntry.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace quillan {

namespace {

// The most names tried before the folder is taken to be full of namesakes.
constexpr int kMostNamesakes = 1000;

[[noreturn]] void fail(int error, const std::string& what) {
    throw std::system_error(error, std::generic_category(), what);
}

// A value of a string key: the escapes of the desktop entry format.
std::string escapedValue(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// One argument of an Exec line, quoted when it holds a reserved character.
std::string execArgument(std::string_view argument) {
    std::string percentSafe;
    for (char c : argument)
        percentSafe += c == '%' ? std::string("%%") : std::string(1, c);
    if (!percentSafe.empty() && percentSafe.find_first_of(" \t\n\"'\\><~|&;$*?#()`") == std::string::npos)
        return percentSafe;
    std::string quoted = "\"";
    for (char c : percentSafe) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

std::string candidateName(const std::string& stem, const std::string& extension, int n) {
    return n == 1 ? stem + extension : stem + " (" + std::to_string(n) + ")" + extension;
}

void writeAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            fail(errno, "cannot write");
        contents.remove_prefix(static_cast<size_t>(written));
    }
}

// Writes a new file that must not exist yet; EEXIST when it does. A half-written file is removed.
int writeNewFile(const std::filesystem::path& path, std::string_view contents, mode_t mode) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0)
        return errno;
    try {
        writeAll(fd, contents);
        if (::fchmod(fd, mode) != 0) // the creation mode passed through the umask
            fail(errno, "cannot set the permissions of " + path.string());
    } catch (...) {
        ::close(fd);
        ::unlink(path.c_str());
        throw;
    }
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(path.c_str());
        fail(error, "cannot write " + path.string());
    }
    return 0;
}

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        fail(errno ? errno : ENOENT, "cannot read " + path.string());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

std::string desktopEntryText(const std::string& name, const std::vector<std::string>& command,
                             const std::string& icon) {
    std::string exec;
    for (const std::string& argument : command)
        exec += (exec.empty() ? "" : " ") + execArgument(argument);
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=" +
           escapedValue(name) +
           "\n"
           "Exec=" +
           escapedValue(exec) +
           "\n"
           "Icon=" +
           escapedValue(icon) +
           "\n"
           "Terminal=false\n";
}

std::filesystem::path createWithFreeName(const std::filesystem::path& folder, const std::string& stem,
                                         const std::string& extension, std::string_view contents,
                                         mode_t mode) {
    for (int n = 1; n <= kMostNamesakes; ++n) {
        const std::filesystem::path path = folder / candidateName(stem, extension, n);
        const int error = writeNewFile(path, contents, mode);
        if (error == 0)
            return path;
        if (error != EEXIST)
            fail(error, "cannot create " + path.string());
    }
    fail(EEXIST, "no free name for " + stem + extension + " in " + folder.string());
}

std::filesystem::path moveToFreeName(const std::filesystem::path& file, const std::filesystem::path& folder) {
    const std::string stem = file.stem().string();
    const std::string extension = file.extension().string();
    for (int n = 1; n <= kMostNamesakes; ++n) {
        const std::filesystem::path target = folder / candidateName(stem, extension, n);
        if (::renameat2(AT_FDCWD, file.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
            return target;
        if (errno == EEXIST)
            continue;
        if (errno != EXDEV && errno != EINVAL)
            fail(errno, "cannot move " + file.string() + " to " + folder.string());
        // Another file system, or one that cannot rename without replacing: copy, then remove.
        struct stat source {};
        if (::stat(file.c_str(), &source) != 0)
            fail(errno, "cannot move " + file.string());
        const int error = writeNewFile(target, readAll(file), source.st_mode & 07777);
        if (error == EEXIST)
            continue;
        if (error != 0)
            fail(error, "cannot move " + file.string() + " to " + folder.string());
        ::unlink(file.c_str());
        return target;
    }
    fail(EEXIST, "no free name for " + file.filename().string() + " in " + folder.string());
}

} // namespace quillan
