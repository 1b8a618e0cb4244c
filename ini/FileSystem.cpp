#ifdef _WIN32
// Declares rand_s, the system's secure random source; must come before the first C header.
#define _CRT_RAND_S
#endif
#include "ini/FileSystem.h"

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace files {

namespace {

constexpr std::size_t LongestPlainName = 200;
constexpr int MostLinksFollowed = 40;

bool isDiskFull(std::error_code code) {
#ifdef EDQUOT
    // Over the user's quota reads as a full disk to the user.
    if (code.value() == EDQUOT && code.category() == std::generic_category()) return true;
#endif
    return code == std::errc::no_space_on_device;
}

FileResult failureOf(std::error_code code, bool writing) {
    FileError error = FileError::Other;
    if (code == std::errc::no_such_file_or_directory || code == std::errc::not_a_directory) {
        error = writing ? FileError::FolderMissing : FileError::Missing;
    } else if (code == std::errc::permission_denied || code == std::errc::operation_not_permitted ||
               code == std::errc::read_only_file_system) {
        error = FileError::NoPermission;
    } else if (isDiskFull(code)) {
        error = FileError::DiskFull;
    } else if (code == std::errc::is_a_directory) {
        error = FileError::NotRegular;
    }
    return {error, code.message()};
}

FileResult errnoFailure(int code, bool writing) {
    return failureOf(std::error_code(code, std::generic_category()), writing);
}

#ifdef _WIN32
constexpr const char* Separators = "/\\";
constexpr const char* Separator = "\\";
#else
constexpr const char* Separators = "/";
constexpr const char* Separator = "/";
#endif

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of(Separators);
    if (slash == std::string::npos) return ".";
    return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of(Separators);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string formatNumber(unsigned long long value) {
    char digits[24];
    std::snprintf(digits, sizeof digits, "%llu", value);
    return digits;
}

// "<prefix><process>-<counter>": a name no other write can hold at the same time.
bool isTemporaryName(std::string_view name, std::string_view prefix, unsigned long long& process) {
    if (name.substr(0, prefix.size()) != prefix) return false;
    name.remove_prefix(prefix.size());
    const std::size_t dash = name.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash + 1 == name.size()) return false;
    process = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (i == dash) continue;
        if (name[i] < '0' || name[i] > '9') return false;
        if (i < dash && process < 1'000'000'000'000ULL) process = process * 10 + static_cast<unsigned>(name[i] - '0');
    }
    return true;
}

std::string nextTemporaryName(const std::string& prefix, unsigned long long process) {
    static std::atomic<unsigned> counter{0};
    return prefix + formatNumber(process) + "-" + formatNumber(++counter);
}

// Reads at most MaxFileSize + 1 bytes through `readSome`, so a file that grows while it is
// read is still refused; memory stays the size of the file.
template <typename ReadSome>
ReadResult readWhole(std::size_t expectedSize, ReadSome readSome) {
    ReadResult out;
    std::string& bytes = out.contents;
    bytes.resize(expectedSize + 1);
    std::size_t total = 0;
    for (;;) {
        if (total == bytes.size()) {
            if (bytes.size() > MaxFileSize) return {{}, {FileError::TooLarge, {}}};
            bytes.resize(std::min(bytes.size() * 2, MaxFileSize + 1));
        }
        const long long got = readSome(bytes.data() + total, bytes.size() - total);
        if (got < 0) return {{}, errnoFailure(errno, false)};
        if (got == 0) break;
        total += static_cast<std::size_t>(got);
    }
    bytes.resize(total);
    return out;
}

#ifdef _WIN32

std::wstring wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring result(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), result.data(), length);
    return result;
}

std::string narrow(const std::wstring& text) {
    if (text.empty()) return {};
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                             nullptr, nullptr);
    std::string result(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), length, nullptr,
                          nullptr);
    return result;
}

FileResult lastWindowsFailure(bool writing) {
    return failureOf(std::error_code(static_cast<int>(::GetLastError()), std::system_category()), writing);
}

bool isRegular(unsigned short mode) { return (mode & _S_IFMT) == _S_IFREG; }

unsigned long long currentProcess() { return static_cast<unsigned long long>(::_getpid()); }

// A link or junction is replaced through: the final path of what it points at.
FileResult resolveLinks(const std::string& path, std::string& target) {
    target = path;
    const DWORD attributes = ::GetFileAttributesW(wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return {};
    const HANDLE handle = ::CreateFileW(wide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return lastWindowsFailure(true);
    std::wstring finalPath(32768, L'\0');
    const DWORD length = ::GetFinalPathNameByHandleW(handle, finalPath.data(), static_cast<DWORD>(finalPath.size()), 0);
    ::CloseHandle(handle);
    if (length == 0 || length >= finalPath.size()) return lastWindowsFailure(true);
    finalPath.resize(length);
    target = narrow(finalPath);
    return {};
}

FileResult checkReplaceable(const std::string& target) {
    struct _stat64 info {};
    if (::_wstat64(wide(target).c_str(), &info) != 0) {
        return errno == ENOENT ? FileResult{} : errnoFailure(errno, true);
    }
    if (!isRegular(info.st_mode)) return {FileError::NotRegular, {}};
    if (::_waccess(wide(target).c_str(), 2) != 0) return errnoFailure(errno, true);
    return {};
}

int createTemporary(const std::string& path) {
    return ::_wopen(wide(path).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                    _S_IREAD | _S_IWRITE);
}

bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const unsigned chunk = static_cast<unsigned>(std::min<std::size_t>(data.size(), 1u << 30));
        const int written = ::_write(fd, data.data(), chunk);
        if (written < 0) return false;
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

FileResult writeAndClose(int fd, std::string_view bytes) {
    const bool written = writeAll(fd, bytes) && ::_commit(fd) == 0;
    const int code = errno;
    const bool closed = ::_close(fd) == 0;
    if (!written) return errnoFailure(code, true);
    if (!closed) return errnoFailure(errno, true);
    return {};
}

FileResult renameOver(const std::string& from, const std::string& to) {
    if (::MoveFileExW(wide(from).c_str(), wide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return {};
    }
    return lastWindowsFailure(true);
}

void removeFile(const std::string& path) { ::_wunlink(wide(path).c_str()); }

// A file that another write still has open cannot be deleted, so only leftovers go.
void removeLeftovers(const std::string& folder, const std::string& prefix) {
    WIN32_FIND_DATAW found;
    const HANDLE search = ::FindFirstFileW(wide(folder + Separator + prefix + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = narrow(found.cFileName);
        unsigned long long process = 0;
        if (isTemporaryName(name, prefix, process)) removeFile(folder + Separator + name);
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

void syncFolder(const std::string&) {}

std::filesystem::path nativePath(const std::string& utf8) { return std::filesystem::path(wide(utf8)); }

#else

bool isRegular(mode_t mode) { return S_ISREG(mode); }

unsigned long long currentProcess() { return static_cast<unsigned long long>(::getpid()); }

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Follows symbolic links to the file they end at, which need not exist yet.
FileResult resolveLinks(const std::string& path, std::string& target) {
    target = path;
    for (int hop = 0; hop < MostLinksFollowed; ++hop) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return {};
        std::string link(4096, '\0');
        const ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
        if (length < 0) return errnoFailure(errno, true);
        link.resize(static_cast<std::size_t>(length));
        if (link.empty() || link.front() != '/') link.insert(0, folderOf(target) + Separator);
        target = std::move(link);
    }
    return errnoFailure(ELOOP, true);
}

// Opening for writing asks the system itself whether this user may write the file.
FileResult checkReplaceable(const std::string& target) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0) return errno == ENOENT ? FileResult{} : errnoFailure(errno, true);
    if (!S_ISREG(info.st_mode)) return {FileError::NotRegular, {}};
    const Descriptor probe(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (probe.get() < 0) return errnoFailure(errno, true);
    return {};
}

int createTemporary(const std::string& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

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

FileResult writeAndClose(int fd, std::string_view bytes) {
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int code = errno;
    const bool closed = ::close(fd) == 0;
    if (!written) return errnoFailure(code, true);
    if (!closed) return errnoFailure(errno, true);
    return {};
}

FileResult renameOver(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? FileResult{} : errnoFailure(errno, true);
}

void removeFile(const std::string& path) { ::unlink(path.c_str()); }

bool isRunning(unsigned long long process) {
    if (process == currentProcess() || process > 0x7FFFFFFF) return false;
    return ::kill(static_cast<pid_t>(process), 0) == 0 || errno == EPERM;
}

// A temporary file of a process that still runs may be a write in progress; it stays.
void removeLeftovers(const std::string& folder, const std::string& prefix) {
    DIR* listing = ::opendir(folder.c_str());
    if (!listing) return;
    while (const dirent* entry = ::readdir(listing)) {
        unsigned long long process = 0;
        if (isTemporaryName(entry->d_name, prefix, process) && !isRunning(process)) {
            removeFile(folder + Separator + entry->d_name);
        }
    }
    ::closedir(listing);
}

// Makes the rename itself durable; file systems that cannot sync a folder are left as they are.
void syncFolder(const std::string& folder) {
    const Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) ::fsync(fd.get());
}

std::filesystem::path nativePath(const std::string& utf8) { return std::filesystem::path(utf8); }

#endif

}  // namespace

std::string temporaryNamePrefix(std::string_view fileName) {
    if (fileName.size() <= LongestPlainName) return "." + std::string(fileName) + ".tmp";
    // Two long names that share their start still get prefixes of their own.
    std::uint64_t hash = 14695981039346656037ULL;
    for (char c : fileName) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return "." + std::string(fileName.substr(0, LongestPlainName - 20)) + "~" + hex + ".tmp";
}

ReadResult readRegularFile(const std::string& path) {
#ifdef _WIN32
    const std::wstring widePath = wide(path);
    struct _stat64 info {};
    if (::_wstat64(widePath.c_str(), &info) != 0) return {{}, errnoFailure(errno, false)};
    if (!isRegular(info.st_mode)) return {{}, {FileError::NotRegular, {}}};
    const int fd = ::_wopen(widePath.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (fd < 0) return {{}, errnoFailure(errno, false)};
    struct Closer {
        int fd;
        ~Closer() { ::_close(fd); }
    } closer{fd};
    if (::_fstat64(fd, &info) != 0) return {{}, errnoFailure(errno, false)};
    const auto readSome = [fd](char* into, std::size_t room) -> long long {
        return ::_read(fd, into, static_cast<unsigned>(std::min<std::size_t>(room, 1u << 30)));
    };
#else
    // Checked before opening, so a device is never opened, and again on what was opened.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return {{}, errnoFailure(errno, false)};
    if (!isRegular(info.st_mode)) return {{}, {FileError::NotRegular, {}}};
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) return {{}, errnoFailure(errno, false)};
    if (::fstat(fd.get(), &info) != 0) return {{}, errnoFailure(errno, false)};
    const auto readSome = [&fd](char* into, std::size_t room) -> long long {
        ssize_t got = 0;
        do {
            got = ::read(fd.get(), into, room);
        } while (got < 0 && errno == EINTR);
        return got;
    };
#endif
    if (!isRegular(info.st_mode)) return {{}, {FileError::NotRegular, {}}};
    if (info.st_size < 0 || static_cast<unsigned long long>(info.st_size) > MaxFileSize) {
        return {{}, {FileError::TooLarge, {}}};
    }
    return readWhole(static_cast<std::size_t>(info.st_size), readSome);
}

FileResult replaceFile(const std::string& path, std::string_view bytes) {
    std::string target;
    if (FileResult resolved = resolveLinks(path, target); !resolved) return resolved;
    const std::string folder = folderOf(target);
    const std::string name = nameOf(target);
    if (name.empty() || name == "." || name == "..") return {FileError::NotRegular, {}};
    if (FileResult replaceable = checkReplaceable(target); !replaceable) return replaceable;

    const std::string prefix = temporaryNamePrefix(name);
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = folder + Separator + nextTemporaryName(prefix, currentProcess());
        fd = createTemporary(temporary);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return errnoFailure(errno, true);
#ifndef _WIN32
    // A replaced file keeps its permission bits.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
#endif
    FileResult result = writeAndClose(fd, bytes);
    if (result) result = renameOver(temporary, target);
    if (!result) {
        removeFile(temporary);
        return result;
    }
    syncFolder(folder);
    removeLeftovers(folder, prefix);
    return {};
}

FileResult appendDurably(const std::string& path, std::string_view bytes) {
#ifdef _WIN32
    const int fd = ::_wopen(wide(path).c_str(), _O_WRONLY | _O_APPEND | _O_CREAT | _O_BINARY | _O_NOINHERIT,
                            _S_IREAD | _S_IWRITE);
    if (fd < 0) return errnoFailure(errno, true);
    const bool written = writeAll(fd, bytes) && ::_commit(fd) == 0;
    const int code = errno;
    ::_close(fd);
    return written ? FileResult{} : errnoFailure(code, true);
#else
    // Checked first so that a device or pipe of that name is never opened.
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) return {FileError::NotRegular, {}};
    const Descriptor fd(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (fd.get() < 0) return errnoFailure(errno, true);
    if (!writeAll(fd.get(), bytes) || ::fdatasync(fd.get()) != 0) return errnoFailure(errno, true);
    return {};
#endif
}

FileResult removeIfPresent(const std::string& path) {
    std::error_code error;
    std::filesystem::remove(nativePath(path), error);
    return error ? failureOf(error, true) : FileResult{};
}

bool secureRandomBytes(unsigned char* into, std::size_t count) {
#ifdef _WIN32
    for (std::size_t i = 0; i < count; ++i) {
        unsigned int value = 0;
        if (::rand_s(&value) != 0) return false;
        into[i] = static_cast<unsigned char>(value);
    }
    return true;
#else
    while (count > 0) {
        const ssize_t got = ::getrandom(into, count, 0);
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        into += got;
        count -= static_cast<std::size_t>(got);
    }
    return true;
#endif
}

FolderListing listFiles(const std::string& folder) {
    FolderListing listing;
    std::error_code error;
    // Stepped with an error code: the iterator's own increment would throw on a failed read.
    for (std::filesystem::directory_iterator it(nativePath(folder), error), end; !error && it != end;
         it.increment(error)) {
        const std::filesystem::directory_entry& entry = *it;
        // An entry that vanished or cannot be looked at is no file of the folder.
        std::error_code entryError;
        if (!entry.is_regular_file(entryError)) continue;
        const auto modified = entry.last_write_time(entryError);
        if (entryError) continue;
#ifdef _WIN32
        std::string name = narrow(entry.path().filename().wstring());
#else
        std::string name = entry.path().filename().string();
#endif
        listing.files.push_back({std::move(name), static_cast<long long>(modified.time_since_epoch().count())});
    }
    if (error) listing.result = failureOf(error, false);
    return listing;
}

FileResult createFolders(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(nativePath(folder), error);
    return error ? failureOf(error, true) : FileResult{};
}

std::vector<std::string> filesIn(const std::string& folder, std::string_view suffix) {
    std::vector<std::string> names;
    for (FolderEntry& entry : listFiles(folder).files) {
        const std::string_view name = entry.name;
        if (name.empty() || name.front() == '.' || name.size() <= suffix.size()) continue;
        if (name.substr(name.size() - suffix.size()) == suffix) names.push_back(std::move(entry.name));
    }
    return names;
}

std::optional<long long> modifiedAt(const std::string& path) {
#ifdef _WIN32
    struct _stat64 info {};
    if (::_wstat64(wide(path).c_str(), &info) != 0) return std::nullopt;
    return static_cast<long long>(info.st_mtime) * 1000;
#else
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    return static_cast<long long>(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000;
#endif
}

FileResult renameWithoutReplacing(const std::string& from, const std::string& to) {
#ifdef _WIN32
    return ::MoveFileExW(wide(from).c_str(), wide(to).c_str(), 0) ? FileResult{} : lastWindowsFailure(true);
#else
    // A hard link fails when `to` is there, so nothing is ever replaced; then the old name goes.
    if (::link(from.c_str(), to.c_str()) != 0) return errnoFailure(errno, true);
    ::unlink(from.c_str());
    syncFolder(folderOf(to));
    return {};
#endif
}

FileResult removeFileAt(const std::string& path) {
    std::error_code error;
    std::filesystem::remove(nativePath(path), error);
    if (error) return failureOf(error, true);
    syncFolder(folderOf(path));
    return {};
}

std::string machineName() {
#ifdef _WIN32
    wchar_t name[256];
    DWORD size = 256;
    return ::GetComputerNameW(name, &size) ? narrow(std::wstring(name, size)) : std::string();
#else
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return {};
    return name;
#endif
}

long long processId() { return static_cast<long long>(currentProcess()); }

bool processRuns(long long process) {
    if (process <= 0) return false;
    if (process == processId()) return true;
#ifdef _WIN32
    HANDLE handle = ::OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(process));
    if (!handle) return false;
    const bool running = ::WaitForSingleObject(handle, 0) == WAIT_TIMEOUT;
    ::CloseHandle(handle);
    return running;
#else
    return isRunning(static_cast<unsigned long long>(process));
#endif
}

#ifndef _WIN32

LockedFile::Attempt LockedFile::tryLock(const std::string& path) {
    // The file that is locked must still be the one at `path`: a process that ends normally
    // removes it, and one that opened it just before that would lock a file no longer there.
    for (int attempt = 0; attempt < 10; ++attempt) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOCTTY | O_CLOEXEC, 0666);
        if (fd < 0) return {Outcome::Failed, std::nullopt, errnoFailure(errno, true)};
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int code = errno;
            ::close(fd);
            if (code == EWOULDBLOCK || code == EINTR) return {Outcome::HeldByAnother, std::nullopt, {}};
            return {Outcome::Failed, std::nullopt, errnoFailure(code, true)};
        }
        struct stat opened {};
        struct stat named {};
        if (::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0 && opened.st_ino == named.st_ino &&
            opened.st_dev == named.st_dev) {
            return {Outcome::Taken, LockedFile(fd, path), {}};
        }
        ::close(fd);
    }
    return {Outcome::HeldByAnother, std::nullopt, {}};
}

LockedFile::LockedFile(LockedFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)) {}

LockedFile& LockedFile::operator=(LockedFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
    }
    return *this;
}

LockedFile::~LockedFile() {
    if (fd_ >= 0) ::close(fd_);
}

std::string LockedFile::contents() const {
    std::string bytes;
    char buffer[512];
    for (off_t at = 0;;) {
        const ssize_t got = ::pread(fd_, buffer, sizeof buffer, at);
        if (got <= 0 || bytes.size() > 4096) break;
        bytes.append(buffer, static_cast<std::size_t>(got));
        at += got;
    }
    return bytes;
}

FileResult LockedFile::replaceContents(std::string_view bytes) {
    if (::ftruncate(fd_, 0) != 0) return errnoFailure(errno, true);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (written < 0) {
            if (errno == EINTR) continue;
            return errnoFailure(errno, true);
        }
        done += static_cast<std::size_t>(written);
    }
    return ::fsync(fd_) == 0 ? FileResult{} : errnoFailure(errno, true);
}

void LockedFile::removeAndRelease() {
    if (fd_ < 0) return;
    ::unlink(path_.c_str());
    ::close(fd_);
    fd_ = -1;
}

std::string LockedFile::peek(const std::string& path) {
    const ReadResult read = readRegularFile(path);
    return read.result ? read.contents : std::string();
}

#endif

}  // namespace files
