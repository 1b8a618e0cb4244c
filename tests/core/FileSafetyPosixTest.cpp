// The files the program reads and replaces: only regular files of a sane size are read,
// nothing blocks, protected files and links are respected, leftovers of killed writes go,
// and every failure says why.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>

#include "ChildProcess.h"
#include "FileSizeLimit.h"
#include "TempFolder.h"
#include "ini/FileSystem.h"
#include "lists/Lists.h"
#include "model/CTournament.h"
#include "model/ImportLine.h"

namespace {

namespace fs = std::filesystem;
using files::FileError;

const std::string CourseTable = "[NumberOfPitches]\r\nNumber=1\r\n[Pitches]\r\nPitch1=Sola\r\n[Pitch1]\r\nHoles=9\r\n";

std::string errorName(FileError error) {
    switch (error) {
        case FileError::None:
            return "None";
        case FileError::Missing:
            return "Missing";
        case FileError::NotRegular:
            return "NotRegular";
        case FileError::TooLarge:
            return "TooLarge";
        case FileError::NoPermission:
            return "NoPermission";
        case FileError::DiskFull:
            return "DiskFull";
        case FileError::FolderMissing:
            return "FolderMissing";
        case FileError::WrongContents:
            return "WrongContents";
        case FileError::Other:
            return "Other";
    }
    return "?";
}

// The writers that replace a file: the tournament file and both lists.
struct Writer {
    const char* name;
    std::function<files::FileResult(CTournament&, const std::string&)> write;
};
const Writer Writers[] = {
    {"save", [](CTournament& t, const std::string& path) { return t.save(path); }},
    {"start list", [](CTournament& t, const std::string& path) { return writeStartList(t, path); }},
    {"result list", [](CTournament& t, const std::string& path) { return writeResultList(t, path); }},
};

// "" when `got` is `wanted`, else a line naming the operation.
std::string expectError(const std::string& what, const files::FileResult& got, FileError wanted) {
    return got.error == wanted ? "" : what + ": " + errorName(got.error) + " instead of " + errorName(wanted) + "; ";
}

// Every reader refuses `path`, as do the writers (or only the save, which reads the file
// first, when `listsReplaceIt`), and none of them blocks or runs out of memory.
std::string refusedEverywhere(const std::string& path, FileError wanted, bool listsReplaceIt = false) {
    std::string failures;
    CTournament tournament(path);
    if (tournament.pitchCount() != 0) failures += "course table read; ";
    failures += expectError("open", tournament.load(path), wanted);
    failures += expectError("import", readImportFile(path).result, wanted);
    for (const Writer& writer : Writers) {
        const bool replaces = listsReplaceIt && writer.name != std::string("save");
        failures += expectError(writer.name, writer.write(tournament, path), replaces ? FileError::None : wanted);
    }
    return failures;
}

fs::file_type typeOf(const std::string& path) { return fs::symlink_status(path).type(); }

// Temporary files of `process` in `folder`.
int leftoversOf(const TempFolder& folder, pid_t process) {
    const std::string prefix = ".Cup.ini.tmp" + std::to_string(process) + "-";
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder.path())) {
        count += entry.path().filename().string().rfind(prefix, 0) == 0 ? 1 : 0;
    }
    return count;
}

long peakKilobytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

TEST(FileSafety, SpecialFilesAreNeitherReadNorReplacedAndNothingBlocks) {
    const TempFolder folder;
    const struct {
        const char* name;
        std::function<void(const std::string&)> make;
    } cases[] = {
        {"fifo", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0666), 0); }},
        {"zero", [](const std::string& p) { fs::create_symlink("/dev/zero", p); }},
        {"urandom", [](const std::string& p) { fs::create_symlink("/dev/urandom", p); }},
        {"folder", [](const std::string& p) { fs::create_directory(p); }},
    };
    for (const auto& c : cases) {
        const std::string path = folder.file(c.name);
        c.make(path);
        const fs::file_type before = typeOf(path);
        EXPECT_EQ(runInChild([&] { return refusedEverywhere(path, FileError::NotRegular); }), "") << c.name;
        EXPECT_EQ(typeOf(path), before) << c.name;
    }
    // A link to a regular file reads as that file.
    folder.write("table.ini", CourseTable);
    const std::string link = folder.file("link.ini");
    fs::create_symlink(folder.file("table.ini"), link);
    EXPECT_EQ(CTournament(link).pitchCount(), 1);
}

TEST(FileSafety, FilesOverTheLimitAreRefusedAndAnImportCostsAboutItsSize) {
    const TempFolder folder;
    // A real course table followed by blank lines up to one byte over the limit.
    const std::string tooLarge = folder.write(
        "big.ini", CourseTable + std::string(files::MaxFileSize + 1 - CourseTable.size(), '\n'));
    const std::string atLimit = folder.write("blank.txt", std::string(files::MaxFileSize, '\n'));
    EXPECT_EQ(runInChild([&] {
                  std::string failures = refusedEverywhere(tooLarge, FileError::TooLarge, true);
                  const long before = peakKilobytes();
                  CPlayGroup group;
                  const files::ReadResult read = readImportFile(atLimit);
                  if (!read.result) return failures + "a file at the limit was refused; ";
                  importPlayers(read.contents, group);
                  const long grown = (peakKilobytes() - before) * 1024;
                  if (grown > static_cast<long>(files::MaxFileSize * 2)) {
                      failures += "import of " + std::to_string(files::MaxFileSize) + " bytes grew by " +
                                  std::to_string(grown) + "; ";
                  }
                  return failures;
              }),
              "");
}

// As an ordinary user: an existing file the user may not write is left byte for byte and
// the failure is reported; a file that is replaced keeps its permission bits.
TEST(FileSafety, ProtectedFilesAreLeftAndReplacedFilesKeepTheirPermissions) {
    const TempFolder folder;
    fs::permissions(folder.path(), fs::perms::all);
    const bool root = ::geteuid() == 0;
    const uid_t user = root ? UnprivilegedId : ::geteuid();
    const struct {
        const char* name;
        uid_t owner;
        mode_t mode;
        FileError wanted;
    } cases[] = {
        {"own-read-only", user, 0444, FileError::NoPermission},
        {"other-users", root ? 0 : user, 0644, root ? FileError::NoPermission : FileError::None},
        {"own-group-only", user, 0640, FileError::None},
        {"own-private", user, 0600, FileError::None},
    };
    for (const Writer& writer : Writers) {
        for (const auto& c : cases) {
            const std::string path = folder.write(std::string(c.name) + "-" + writer.name, "old\r\n");
            if (root) {
                ASSERT_EQ(::chown(path.c_str(), c.owner, c.owner), 0);
            }
            ::chmod(path.c_str(), c.mode);
            EXPECT_EQ(runInChild(
                          [&] {
                              CTournament tournament(folder.file("none.ini"));
                              tournament.name = "Sommercup";
                              return expectError(writer.name, writer.write(tournament, path), c.wanted);
                          },
                          RunAs::OrdinaryUser),
                      "")
                << c.name;
            struct stat after {};
            ASSERT_EQ(::stat(path.c_str(), &after), 0);
            EXPECT_EQ(after.st_mode & 07777, c.mode) << c.name << " " << writer.name;
            EXPECT_EQ(TempFolder::read(path) == "old\r\n", c.wanted != FileError::None) << c.name << " " << writer.name;
        }
    }
}

// A tournament kept in a shared folder through a link: the link stays and the shared
// file is replaced in its own folder.
TEST(FileSafety, WritesGoThroughSymbolicLinksWhichStay) {
    const TempFolder folder;
    fs::create_directories(folder.path() / "shared");
    fs::create_directories(folder.path() / "data");
    CTournament tournament(folder.file("none.ini"));
    tournament.name = "Klubbmesterskap";
    for (const Writer& writer : Writers) {
        const std::string target = folder.write("shared/" + std::string(writer.name), "old\r\n");
        const std::string link = folder.file("data/" + std::string(writer.name));
        fs::create_symlink("../shared/" + std::string(writer.name), link);
        ASSERT_TRUE(writer.write(tournament, link)) << writer.name;
        EXPECT_TRUE(fs::is_symlink(link)) << writer.name;
        EXPECT_NE(TempFolder::read(target).find("Klubbmesterskap"), std::string::npos) << writer.name;
    }
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.path() / "data")) ++entries;
    EXPECT_EQ(entries, 3);
}

// A write killed midway leaves its temporary file; the next write of the same file
// removes such leftovers and nothing else.
TEST(FileSafety, TheNextWriteRemovesLeftoversOfTheSameFileOnly) {
    const TempFolder folder;
    const pid_t ended = ::fork();
    if (ended == 0) _exit(0);
    ::waitpid(ended, nullptr, 0);
    const std::string dead = std::to_string(ended);
    const std::string living = std::to_string(::getppid());
    const struct {
        std::string name;
        bool removed;
    } entries[] = {
        {".Cup.ini.tmp" + dead + "-1", true},    {".Cup.ini.tmp" + dead + "-27", true},
        {".Cup.ini.tmp" + living + "-1", false},  // a write that may still run
        {".Cupen.ini.tmp" + dead + "-1", false}, {".Cup.ini.tmp" + dead + "-1.bak", false},
        {"Cup.ini.tmp" + dead + "-1", false},    {".Cup.ini.tmp", false},
    };
    for (const auto& entry : entries) folder.write(entry.name, "half");
    CTournament tournament(folder.file("none.ini"));
    ASSERT_TRUE(tournament.save(folder.file("Cup.ini")));
    for (const auto& entry : entries) EXPECT_EQ(!fs::exists(folder.path() / entry.name), entry.removed) << entry.name;
    // A write killed for real: its leftover goes with the next write.
    const pid_t writer = ::fork();
    if (writer == 0) {
        const FileSizeLimit limit(10);
        ::signal(SIGXFSZ, SIG_DFL);  // killed in the middle of writing
        (void)tournament.save(folder.file("Cup.ini"));
        _exit(0);
    }
    ::waitpid(writer, nullptr, 0);
    EXPECT_EQ(leftoversOf(folder, writer), 1);
    ASSERT_TRUE(tournament.save(folder.file("Cup.ini")));
    EXPECT_EQ(leftoversOf(folder, writer), 0);
}

// Why a read or write failed, as the screens word it.
TEST(FileSafety, FailuresSayWhy) {
    const TempFolder folder;
    fs::create_directories(folder.path() / "folder");
    folder.write("table.ini", CourseTable);
    CTournament tournament(folder.file("none.ini"));
    EXPECT_EQ(tournament.load(folder.file("missing.ini")).error, FileError::Missing);
    EXPECT_EQ(tournament.load(folder.file("folder")).error, FileError::NotRegular);
    EXPECT_EQ(writeStartList(tournament, folder.file("nowhere/list.txt")).error, FileError::FolderMissing);
    EXPECT_EQ(writeStartList(tournament, folder.file("folder")).error, FileError::NotRegular);
    {
        const FileSizeLimit limit(10);
        const files::FileResult tooBig = writeResultList(tournament, folder.file("list.txt"));
        EXPECT_EQ(tooBig.error, FileError::Other);
        EXPECT_EQ(tooBig.systemText, "File too large");
    }
    const std::string unreadable = folder.file("table.ini");
    ::chmod(unreadable.c_str(), 0200);
    ::chmod(folder.path().c_str(), 0777);
    ::chmod(folder.file("folder").c_str(), 0555);
    EXPECT_EQ(runInChild(
                  [&] {
                      CTournament t(folder.file("none.ini"));
                      std::string failures = expectError("open", t.load(unreadable), FileError::NoPermission);
                      return failures +
                             expectError("list", writeStartList(t, folder.file("folder/x")), FileError::NoPermission);
                  },
                  RunAs::OrdinaryUser),
              "");
}
