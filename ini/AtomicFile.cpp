#include "ini/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "text/Text.h"

namespace {

namespace fs = std::filesystem;

bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Creates a new file with a name of its own in `folder`; answers its descriptor or -1.
int createTempFile(const fs::path& folder, const fs::path& target, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    // Part of the file's name, short enough that the temporary name stays within the
    // limit of a name even when the file's own name nearly reaches it.
    const std::string base = text::cut(target.filename().string(), 200);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = "." + base + ".tmp" + text::formatInt(::getpid()) + "-" + text::formatInt(++counter);
        tempPath = (folder / name).string();
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Makes the rename itself durable; file systems that cannot sync a folder are left as they are.
void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes) {
    const fs::path target(path);
    if (target.filename().empty()) return false;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");

    std::string tempPath;
    const int fd = createTempFile(folder, target, tempPath);
    if (fd < 0) return false;
    // A replaced file keeps its permissions.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ::fchmod(fd, old.st_mode & 07777);

    bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (!written || ::rename(tempPath.c_str(), path.c_str()) != 0) {
        ::unlink(tempPath.c_str());
        return false;
    }
    syncFolder(folder);
    return true;
}
