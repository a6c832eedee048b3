#include "game/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

std::string reason(int error) {
    return std::strerror(error);
}

// The new file keeps the old one's permissions, or gets those of any new
// file (umask applied).
mode_t mode_for(const std::string& file_name) {
    struct stat old {};
    if (stat(file_name.c_str(), &old) == 0) return old.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool write_all(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

std::string write_file_whole(const std::string& file_name, const std::string& text) {
    std::string temporary = file_name + ".XXXXXX";
    std::vector<char> pattern(temporary.begin(), temporary.end());
    pattern.push_back('\0');
    const int fd = mkstemp(pattern.data());
    if (fd < 0) return reason(errno);
    temporary = pattern.data();

    int error = 0;
    errno = 0;
    if (fchmod(fd, mode_for(file_name)) != 0 || !write_all(fd, text) || fsync(fd) != 0)
        error = errno != 0 ? errno : EIO;
    if (close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && std::rename(temporary.c_str(), file_name.c_str()) != 0) error = errno;
    if (error != 0) {
        std::remove(temporary.c_str());
        return reason(error);
    }
    return "";
}
