#pragma once
// The lock on a working folder: one copy of the program works in a folder at a time, so two
// copies never save over each other's work. The lock is a file in data/ naming the machine and
// the process that hold it, and the process keeps a system lock on that file while it runs, so a
// copy that crashed or lost its power holds nothing any more and its lock is taken over.

#include <optional>
#include <string>
#include <string_view>

#include "ini/FileSystem.h"

inline constexpr std::string_view FolderLockPath = "./data/.teebrook.lock";

class FolderLock {
public:
    enum class State {
        Taken,          // this run holds the folder
        HeldHere,       // a copy that runs on this machine holds it
        HeldElsewhere,  // the lock names another machine (a shared folder)
        Failed,         // the lock file could not be made
    };
    struct Attempt;

    // Takes the lock at `path`, creating its folder; a lock of a copy that no longer runs on
    // this machine is taken over.
    static Attempt take(const std::string& path = std::string(FolderLockPath));
    // Takes the folder although another machine's lock names it (the organiser said so).
    static FolderLock takeOver(Attempt&& refused, const std::string& path = std::string(FolderLockPath));

    FolderLock(FolderLock&&) noexcept = default;
    FolderLock& operator=(FolderLock&&) noexcept = default;
    // The end of a normal run: the lock file goes.
    ~FolderLock();

private:
    explicit FolderLock(std::optional<files::LockedFile> file) : file_(std::move(file)) {}
    std::optional<files::LockedFile> file_;
};

struct FolderLock::Attempt {
    State state = State::Failed;
    // The machine named by the lock that holds the folder, when it is not this run's.
    std::string holder;
    files::FileResult failure;
    std::optional<FolderLock> lock;
    // Of a lock that names another machine: the file, locked, for takeOver.
    std::optional<files::LockedFile> refusedFile;
};

// The contents of the lock file of this run.
std::string folderLockContents();
// The machine named in the contents of a lock file; empty when it names none.
std::string machineOfLock(std::string_view contents);
