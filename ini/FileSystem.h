#pragma once
// Every call the core makes to the operating system. Files are read only when they are
// regular files of a sane size, without ever blocking, and replaced so that a crash, a
// kill or a full disk never leaves one half written. Paths are UTF-8.

#include <cstddef>
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

}  // namespace files
