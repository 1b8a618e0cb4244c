#pragma once
// The phones' journal, written with group commit: lines are taken in the order the entries are
// applied, and a service thread that waits for its line to be on the disk either writes and
// syncs everything taken so far (one fdatasync for every entry waiting) or waits for the thread
// doing so. A line counts as on the disk only once every line before it is too.

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>

#include "ini/FileSystem.h"

class JournalWriter {
public:
    explicit JournalWriter(std::string path);

    // Takes `line` (ending in a line break) after the lines taken before; its number.
    std::uint64_t take(const std::string& line);
    // The number of the last line taken.
    std::uint64_t lastTaken();
    // Returns once line `number` and all before it are on the disk; the failure when a write of
    // it failed (the lines stay taken, and the next wait writes them again).
    files::FileResult waitUntilWritten(std::uint64_t number);

private:
    files::FileResult writeTaken(std::unique_lock<std::mutex>& lock);

    const std::string path_;
    std::mutex mutex_;
    std::condition_variable written_;
    std::string pending_;
    std::uint64_t taken_ = 0;
    std::uint64_t onDisk_ = 0;
    bool writing_ = false;
    // After a failed write the file may end in part of a line; the next write starts a new one.
    bool startNewLine_ = false;
    std::uint64_t failures_ = 0;
    files::FileResult lastFailure_;
};
