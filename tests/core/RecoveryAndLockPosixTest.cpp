// The recovery copy's folder and the working folder's lock, on a real disk and with real
// processes.

#include <gtest/gtest.h>

#include <filesystem>
#include <mutex>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TempFolder.h"
#include "model/FolderLock.h"
#include "model/RecoveryCopy.h"

namespace {

// A copy as the keeper writes it, of a tournament named `name` belonging to `file`.
std::string copyOf(std::string_view name, std::string_view file, long long madeAt) {
    return "[Tournament]\r\nName=" + std::string(name) +
           "\r\nNumberOfGroups=0\r\n[Recovery]\r\nMade=" + std::to_string(madeAt) + "\r\nFile=" + std::string(file) +
           "\r\n";
}

}  // namespace

// Only unsaved work is offered, a copy that cannot be read first; copies of work saved since
// are set aside, none is ever deleted or overwritten.
TEST(RecoveryCopies, AreOfferedWhenNewerThanTheirSavedFileAndOtherwiseSetAside) {
    TempFolder folder;
    const std::string copies = folder.file("copies");
    const std::string saved = folder.write("data/Saved.ini", "[Tournament]\r\nName=Saved\r\n");
    const long long savedAt = *files::modifiedAt(saved);
    folder.write("copies/Newer.ini", copyOf("Newer", saved, savedAt + 5000));
    folder.write("copies/Older.ini", copyOf("Older", saved, savedAt - 5000));
    folder.write("copies/Uten navn.ini", copyOf("", "", savedAt + 9000));
    folder.write("copies/Cut.ini", "[Tournament]\r\nName=Cut\r\nNumberOfGr");

    const std::vector<RecoveryCopy> offered = copiesToOffer(copies);
    ASSERT_EQ(offered.size(), 3u);
    EXPECT_FALSE(offered[0].readable);
    EXPECT_EQ(offered[1].path, copies + "/Uten navn.ini");
    EXPECT_EQ(offered[2].tournamentName, "Newer");
    EXPECT_EQ(offered[2].tournamentFile, saved);
    // The older copy went aside; setting the same copy aside twice keeps both.
    EXPECT_EQ(files::filesIn(copies, ".ini").size(), 3u);
    EXPECT_EQ(files::filesIn(copies, ".bak").size(), 1u);
    folder.write("copies/Older.ini", copyOf("Older", saved, savedAt - 5000));
    const std::vector<RecoveryCopy> again = copiesToOffer(copies);
    EXPECT_EQ(again.size(), 3u);
    EXPECT_EQ(files::filesIn(copies, ".bak").size(), 2u);
    // The export asks about the copy of the tournament it reads.
    EXPECT_TRUE(hasNewerCopy(saved, "Newer", copies));
    EXPECT_FALSE(hasNewerCopy(saved, "Older", copies));
    std::string movedTo;
    ASSERT_TRUE(setAside(offered[2], &movedTo));
    EXPECT_NE(movedTo.find("Newer "), std::string::npos);
    EXPECT_FALSE(hasNewerCopy(saved, "Newer", copies));
}

// The writer does what was asked in order, only the latest of the writes not yet begun, and
// tells each write's beginning and end.
TEST(RecoveryCopies, TheWriterKeepsOrderWritesTheLatestAndReportsFailures) {
    TempFolder folder;
    std::vector<std::string> told;
    std::mutex toldMutex;
    {
        RecoveryCopyWriter writer(folder.file("copies"), [&](RecoveryCopyWriter::Stage stage, long long tag) {
            const std::lock_guard lock(toldMutex);
            told.push_back((stage == RecoveryCopyWriter::Stage::Writing ? "writing " : "written ") +
                           std::to_string(tag));
        });
        for (int tag = 1; tag <= 200; ++tag) writer.write("A.ini", "state " + std::to_string(tag), tag);
        writer.write("B.ini", "renamed", 201);
        writer.remove("A.ini");
        writer.finish();
        EXPECT_TRUE(writer.lastResult());
        EXPECT_EQ(TempFolder::read(folder.file("copies/B.ini")), "renamed");
        EXPECT_FALSE(std::filesystem::exists(folder.file("copies/A.ini")));
        // Later writes replaced most of the 200: far fewer were written.
        EXPECT_LT(told.size(), 2u * 200u);
        EXPECT_EQ(told.back(), "written 201");

        folder.write("blocked", "a file where the folder should be");
        RecoveryCopyWriter failing(folder.file("blocked/copies"));
        failing.write("A.ini", "x", 1);
        failing.finish();
        EXPECT_FALSE(failing.lastResult());
    }
}

// One copy of the program per folder: a running copy's lock holds; a lock left by one that no
// longer runs is taken over; another machine's is respected until the organiser takes it over.
TEST(FolderLocks, HeldStaleAndAnotherMachinesLockEachGetTheirAnswer) {
    TempFolder folder;
    const std::string lockPath = folder.file("data/.teebrook.lock");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        FolderLock::Attempt held = FolderLock::take(lockPath);
        const char answer = held.state == FolderLock::State::Taken ? 'y' : 'n';
        if (::write(ready[1], &answer, 1) != 1) ::_exit(1);
        ::pause();
        ::_exit(0);
    }
    char answer = 0;
    ASSERT_EQ(::read(ready[0], &answer, 1), 1);
    ASSERT_EQ(answer, 'y');
    FolderLock::Attempt second = FolderLock::take(lockPath);
    EXPECT_EQ(second.state, FolderLock::State::HeldHere);
    EXPECT_EQ(second.holder, files::machineName());

    // Killed: its lock file stays, naming this machine, and is taken over without a question.
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    ASSERT_TRUE(std::filesystem::exists(lockPath));
    {
        FolderLock::Attempt afterCrash = FolderLock::take(lockPath);
        EXPECT_EQ(afterCrash.state, FolderLock::State::Taken);
        EXPECT_EQ(machineOfLock(TempFolder::read(lockPath)), files::machineName());
    }
    // A normal end removes the lock.
    EXPECT_FALSE(std::filesystem::exists(lockPath));

    folder.write("data/.teebrook.lock", "[Lock]\r\nMachine=klubbhuset-pc\r\nProcess=4242\r\n");
    FolderLock::Attempt shared = FolderLock::take(lockPath);
    EXPECT_EQ(shared.state, FolderLock::State::HeldElsewhere);
    EXPECT_EQ(shared.holder, "klubbhuset-pc");
    const FolderLock takenOver = FolderLock::takeOver(std::move(shared), lockPath);
    EXPECT_EQ(machineOfLock(TempFolder::read(lockPath)), files::machineName());
    ::close(ready[0]);
    ::close(ready[1]);
}
