#pragma once
// Every call the core makes to the operating system. Files are read only when they are
// regular files of a sane size, without ever blocking, and replaced so that a crash, a
// kill or a full disk never leaves one half written. Paths are UTF-8.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace files {

// No realistic tournament, course table or import file comes near this.
inline constexpr std::size_t MaxFileSize = std::size_t{16} << 20;

enum class FileError {
    None,
    Missing,        // no file there (or its folder is missing when reading)
    NotRegular,     // a folder, device, pipe or socket
    TooLarge,       // over MaxFileSize
    NoPermission,   // the user may not read or write it
    DiskFull,       // no room left (or over the user's quota)
    FolderMissing,  // the folder to write into does not exist
    WrongContents,  // read, but not a file of the kind asked for
    Other,          // see systemText
};

// What an operation came to: success, or why it failed with the system's own words.
struct FileResult {
    FileError error = FileError::None;
    std::string systemText;

    explicit operator bool() const { return error == FileError::None; }
};

struct ReadResult {
    std::string contents;
    FileResult result;
};

// The bytes of the regular file at `path` (a link to one is followed). Anything else,
// and a file over MaxFileSize, is refused without reading it; nothing here can block.
ReadResult readRegularFile(const std::string& path);

// Replaces the file at `path` with `bytes`: a new file in the same folder, flushed to disk
// and renamed over the old one. A symbolic link stays and its target is replaced in the
// target's own folder; a replaced file keeps its permission bits; an existing file the
// user may not write, or one that is not a regular file, is left as it is. After success
// the leftovers of earlier killed writes of the same file are removed. On failure the old
// file is untouched.
FileResult replaceFile(const std::string& path, std::string_view bytes);

// Adds `bytes` at the end of the regular file at `path`, made when missing, and returns only
// once they are on the disk (fdatasync), so what was answered as stored survives a power cut.
FileResult appendDurably(const std::string& path, std::string_view bytes);

// Removes the file at `path`; a file that is not there is no failure.
FileResult removeIfPresent(const std::string& path);

// Fills `into` with `count` bytes of the system's secure random source; false when it fails.
bool secureRandomBytes(unsigned char* into, std::size_t count);

// A file directly in a folder: its name (UTF-8) and when it was last written, in ticks of the
// file system's clock that only order files.
struct FolderEntry {
    std::string name;
    long long modified = 0;
};
struct FolderListing {
    std::vector<FolderEntry> files;
    FileResult result;
};
// The regular files directly in `folder` (a link to one counts), in no particular order;
// subfolders and what they hold are left out.
FolderListing listFiles(const std::string& folder);

// Creates `folder` and its parents where missing.
FileResult createFolders(const std::string& folder);

// The name part of the temporary files that replaceFile uses for a file named `fileName`:
// "." + the name (cut with a hash when very long) + ".tmp".
std::string temporaryNamePrefix(std::string_view fileName);

// The names of the regular files directly in `folder` that end in `suffix` and do not start with
// a dot (a hidden or temporary file); none when the folder cannot be listed.
std::vector<std::string> filesIn(const std::string& folder, std::string_view suffix);
// When the file at `path` last changed, in milliseconds since 1970; nothing when it is not there.
std::optional<long long> modifiedAt(const std::string& path);
// Renames `from` to `to`, and never over a file that is already at `to`.
FileResult renameWithoutReplacing(const std::string& from, const std::string& to);
// Removes the file at `path`; a file that is not there is no failure.
FileResult removeFileAt(const std::string& path);

// This machine's name, as other machines on the network know it.
std::string machineName();
// This process's id.
long long processId();
// Whether a process with id `process` runs on this machine (this process counts).
bool processRuns(long long process);

// A file this process holds a lock on, so another process taking the same lock waits for
// nothing and learns it is held. The lock goes with the process, however it ends.
class LockedFile {
public:
    enum class Outcome { Taken, HeldByAnother, Failed };
    struct Attempt;

    // Opens `path`, creating it, and takes its lock without waiting.
    static Attempt tryLock(const std::string& path);
    // The contents of a lock file, read without taking it.
    static std::string peek(const std::string& path);

    LockedFile(LockedFile&& other) noexcept;
    LockedFile& operator=(LockedFile&& other) noexcept;
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    // Releases the lock, leaving the file.
    ~LockedFile();

    std::string contents() const;
    // Writes `bytes` as the whole file and flushes it.
    FileResult replaceContents(std::string_view bytes);
    // Removes the file, then releases the lock: the end of a normal run.
    void removeAndRelease();

private:
    LockedFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    int fd_ = -1;
    std::string path_;
};

struct LockedFile::Attempt {
    Outcome outcome = Outcome::Failed;
    std::optional<LockedFile> lock;  // when Taken
    FileResult failure;              // when Failed
};

}  // namespace files
