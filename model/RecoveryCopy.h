#pragma once
// The recovery copy of the tournament being worked on: what a save would write, kept in the
// hidden folder data/.gjenoppretting/ within a second of every change, so a crash, a kill or a
// power cut loses at most that second. A copy is named after its tournament ("Uten navn" for
// one not named yet), says when it was made and which tournament file it belongs to, and is
// written as every file here is: a whole new file flushed to the disk, then renamed into place.
// A copy is set aside, never deleted, unless the work it holds was saved or given up.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "ini/FileSystem.h"

class CTournament;

inline constexpr std::string_view RecoveryFolder = "./data/.gjenoppretting";

// The copy's file name for a tournament named `storedName` (Windows-1252), in UTF-8.
std::string recoveryCopyName(std::string_view storedName);
// The copy's contents: `tournament` as a save into a new file writes it, then when it was made
// (milliseconds since 1970) and the tournament file it belongs to.
std::string recoveryCopyContents(const CTournament& tournament, long long madeAt);
// "DD.MM.ÅÅÅÅ kl. HH:MM" in local time, as the question on start-up says it (UTF-8).
std::string madeAtText(long long madeAt);

// A copy found in the folder.
struct RecoveryCopy {
    std::string path;
    std::string contents;
    // Of a readable copy: its tournament's name (UTF-8), when it was made and its tournament file.
    bool readable = false;
    std::string tournamentName;
    long long madeAt = 0;
    std::string tournamentFile;
};

// The copies in `folder` that hold work not saved: newer than their tournament's saved file, or
// with no saved file. Newest first; copies that cannot be read as copies come first of all.
// Copies older than their saved file are set aside on the way, so none is ever overwritten.
std::vector<RecoveryCopy> copiesToOffer(const std::string& folder = std::string(RecoveryFolder));
// Whether `folder` holds a copy of the tournament file `tournamentFile` newer than the file.
bool hasNewerCopy(const std::string& tournamentFile, std::string_view storedName,
                  const std::string& folder = std::string(RecoveryFolder));
// Moves a copy aside in its folder under a name that adds when it was made, so it is neither
// offered again nor overwritten; answers the new path, or the reason it could not be moved.
files::FileResult setAside(const RecoveryCopy& copy, std::string* movedTo = nullptr);

// Writes and removes the copies of one folder on a thread of its own, in the order asked, so
// the flush to the disk never holds up the one asking. A newer write replaces one not yet
// begun: only the latest state of the tournament matters.
class RecoveryCopyWriter {
public:
    enum class Stage { Writing, Written };
    // Told on the writer's thread as each write of a copy (marked by its `tag`) begins and ends.
    using Progress = std::function<void(Stage, long long tag)>;

    explicit RecoveryCopyWriter(std::string folder = std::string(RecoveryFolder), Progress progress = {});
    // Does what was asked, then ends.
    ~RecoveryCopyWriter();
    RecoveryCopyWriter(const RecoveryCopyWriter&) = delete;
    RecoveryCopyWriter& operator=(const RecoveryCopyWriter&) = delete;

    void write(std::string fileName, std::string bytes, long long tag);
    void remove(std::string fileName);
    // Waits until everything asked so far is done.
    void finish();
    // Why the last write or removal failed; success once one has succeeded again.
    files::FileResult lastResult() const;

private:
    struct Job {
        std::string fileName;
        std::string bytes;
        long long tag = 0;
        bool removal = false;
    };
    void run();
    void perform(const Job& job);

    const std::string folder_;
    const Progress progress_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Job> jobs_;
    bool busy_ = false;
    bool stopping_ = false;
    files::FileResult lastResult_;
    std::thread thread_;
};
