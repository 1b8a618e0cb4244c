#include "model/FolderLock.h"

#include "ini/IniFile.h"
#include "text/Text.h"

namespace {
std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}
}  // namespace

std::string folderLockContents() {
    IniFile file;
    file.setValue("Lock", "Machine", files::machineName());
    file.setValue("Lock", "Process", text::formatInt(files::processId()));
    return file.contents();
}

std::string machineOfLock(std::string_view contents) { return IniFile(contents).value("Lock", "Machine"); }

FolderLock::Attempt FolderLock::take(const std::string& path) {
    Attempt attempt;
    if (files::FileResult made = files::createFolders(folderOf(path)); !made) {
        attempt.failure = made;
        return attempt;
    }
    files::LockedFile::Attempt locked = files::LockedFile::tryLock(path);
    const std::string here = files::machineName();
    if (locked.outcome == files::LockedFile::Outcome::Failed) {
        attempt.failure = locked.failure;
        return attempt;
    }
    if (locked.outcome == files::LockedFile::Outcome::HeldByAnother) {
        // A copy starting this moment may not have written its name yet: it runs here.
        const std::string holder = machineOfLock(files::LockedFile::peek(path));
        attempt.holder = holder.empty() ? here : holder;
        attempt.state = attempt.holder == here ? State::HeldHere : State::HeldElsewhere;
        return attempt;
    }
    // Nobody holds the system lock. A lock naming this machine (or nothing) was left by a copy
    // that ended without removing it; one naming another machine may be that machine's, whose
    // system lock a shared folder does not carry over.
    const std::string holder = machineOfLock(locked.lock->contents());
    if (!holder.empty() && holder != here) {
        attempt.state = State::HeldElsewhere;
        attempt.holder = holder;
        attempt.refusedFile = std::move(locked.lock);
        return attempt;
    }
    if (files::FileResult written = locked.lock->replaceContents(folderLockContents()); !written) {
        attempt.failure = written;
        return attempt;
    }
    attempt.state = State::Taken;
    attempt.lock = FolderLock(std::move(locked.lock));
    return attempt;
}

FolderLock FolderLock::takeOver(Attempt&& refused, const std::string& path) {
    std::optional<files::LockedFile> file = std::move(refused.refusedFile);
    if (!file) {
        // The other machine's copy still holds the system lock: work beside it, without one.
        files::LockedFile::Attempt locked = files::LockedFile::tryLock(path);
        if (locked.outcome == files::LockedFile::Outcome::Taken) file = std::move(locked.lock);
    }
    if (file) file->replaceContents(folderLockContents());
    return FolderLock(std::move(file));
}

FolderLock::~FolderLock() {
    if (file_) file_->removeAndRelease();
}
