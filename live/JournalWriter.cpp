#include "live/JournalWriter.h"

JournalWriter::JournalWriter(std::string path) : path_(std::move(path)) {
    // A line cut short by a kill is ended, so the first line of this run starts a line of its own.
    const files::ReadResult journal = files::readRegularFile(path_);
    startNewLine_ = journal.result && !journal.contents.empty() && journal.contents.back() != '\n';
}

std::uint64_t JournalWriter::take(const std::string& line) {
    const std::lock_guard<std::mutex> lock(mutex_);
    pending_ += line;
    return ++taken_;
}

std::uint64_t JournalWriter::lastTaken() {
    const std::lock_guard<std::mutex> lock(mutex_);
    return taken_;
}

files::FileResult JournalWriter::writeTaken(std::unique_lock<std::mutex>& lock) {
    writing_ = true;
    const std::string batch = std::move(pending_);
    pending_.clear();
    const std::uint64_t through = taken_;
    const bool newLine = startNewLine_;
    lock.unlock();
    files::FileResult result = files::appendDurably(path_, newLine ? "\n" + batch : batch);
    lock.lock();
    writing_ = false;
    if (result) {
        onDisk_ = through;
        startNewLine_ = false;
    } else {
        // Kept for the next write, before anything taken meanwhile.
        pending_.insert(0, batch);
        startNewLine_ = true;
        ++failures_;
        lastFailure_ = result;
    }
    written_.notify_all();
    return result;
}

files::FileResult JournalWriter::waitUntilWritten(std::uint64_t number) {
    std::unique_lock<std::mutex> lock(mutex_);
    const std::uint64_t failuresBefore = failures_;
    while (onDisk_ < number) {
        if (failures_ != failuresBefore) return lastFailure_;
        if (!writing_) {
            if (files::FileResult result = writeTaken(lock); !result) return result;
        } else {
            written_.wait(lock);
        }
    }
    return {};
}
