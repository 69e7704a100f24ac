#include "PrivateTempFile.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace quillan {

namespace {

std::filesystem::path privateFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime && access(runtime, W_OK) == 0)
        return runtime;
    std::error_code error;
    const std::filesystem::path temp = std::filesystem::temp_directory_path(error);
    return error ? std::filesystem::path("/tmp") : temp;
}

} // namespace

PrivateTempFile::PrivateTempFile(std::string_view suffix, std::string_view contents) {
    std::string name = (privateFolder() / "quillan-XXXXXX").string();
    name += suffix;
    // mkstemps makes the file exclusively, with mode 0600.
    const int fd = mkstemps(name.data(), static_cast<int>(suffix.size()));
    if (fd < 0)
        throw std::system_error(errno, std::generic_category(),
                                "cannot create a temporary file in " + privateFolder().string());
    m_path = name;
    size_t written = 0;
    while (written < contents.size()) {
        const ssize_t n = ::write(fd, contents.data() + written, contents.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = errno;
            ::close(fd);
            ::unlink(name.c_str());
            throw std::system_error(error, std::generic_category(), "cannot write " + name);
        }
        written += static_cast<size_t>(n);
    }
    ::close(fd);
}

PrivateTempFile::~PrivateTempFile() {
    ::unlink(m_path.c_str());
}

} // namespace quillan
