// Writing INI files where only a POSIX system can make a write fail on purpose: a read-only
// folder and a file size limit.

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

#include "FileSizeLimit.h"
#include "TempFolder.h"
#include "ini/IniFile.h"

namespace {

std::string lines(std::initializer_list<std::string_view> all) {
    std::string result;
    for (std::string_view line : all) result.append(line).append("\r\n");
    return result;
}

}  // namespace

TEST(IniFileOnDisk, AWriteIntoAReadOnlyFolderAnswersFalseAndLeavesTheOldFile) {
    TempFolder folder;
    const std::string path = folder.write("locked/file.ini", lines({"[S]", "Key=old"}));
    ::chmod(folder.file("locked").c_str(), 0555);
    // Someone allowed to write anyway (the superuser) cannot test this.
    const bool writable = ::access(folder.file("locked").c_str(), W_OK) == 0;
    IniFile file;
    file.setValue("S", "Key", "new");
    const bool written = writable || static_cast<bool>(file.writeAtomically(path));
    ::chmod(folder.file("locked").c_str(), 0755);
    if (writable) GTEST_SKIP() << "read-only folders are writable for this user";
    EXPECT_FALSE(written);
    EXPECT_EQ(TempFolder::read(path), lines({"[S]", "Key=old"}));
}

TEST(IniFileOnDisk, AWriteThatFailsHalfwayLeavesTheOldFileAndNoTemporaryFile) {
    TempFolder folder;
    const std::string old = lines({"[S]", "Key=old"});
    const std::string path = folder.write("file.ini", old);
    IniFile file;
    file.setValue("S", "Key", std::string(4096, 'n'));
    bool written = true;
    {
        const FileSizeLimit limit(100);
        written = static_cast<bool>(file.writeAtomically(path));
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(TempFolder::read(path), old);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) ++entries;
    EXPECT_EQ(entries, 1);
}
