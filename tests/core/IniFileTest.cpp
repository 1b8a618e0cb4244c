#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "TempFolder.h"
#include "ini/IniFile.h"

namespace {

// Files in tests are built line by line; every line ends in CR LF.
std::string lines(std::initializer_list<std::string_view> all) {
    std::string result;
    for (std::string_view line : all) result.append(line).append("\r\n");
    return result;
}

}  // namespace

TEST(IniReading, NamesMatchWithoutRegardToLetterCase) {
    const IniFile file(lines({"[Tournament]", "Day=14", "[pitch]", "NAME=Sola"}));
    EXPECT_EQ(file.value("tournament", "DAY"), "14");
    EXPECT_EQ(file.value("TOURNAMENT", "day"), "14");
    EXPECT_EQ(file.value("Pitch", "Name"), "Sola");
}

TEST(IniReading, ValuesLoseSurroundingBlanksAndOnePairOfQuotes) {
    const IniFile file(lines({"[S]", "  Plain  =  two words  ", "Quoted=\" inside \"", "Twice=\"\"x\"\"", "Half=\"open",
                              "Lone=\"", "Empty=", "Tabbed=\t7\t", "Eq=a=b"}));
    EXPECT_EQ(file.value("S", "Plain"), "two words");
    EXPECT_EQ(file.value("S", "Quoted"), " inside ");
    EXPECT_EQ(file.value("S", "Twice"), "\"x\"");
    EXPECT_EQ(file.value("S", "Half"), "\"open");
    EXPECT_EQ(file.value("S", "Lone"), "\"");
    EXPECT_EQ(file.value("S", "Empty"), "");
    EXPECT_EQ(file.value("S", "Tabbed"), "7");
    EXPECT_EQ(file.value("S", "Eq"), "a=b");
}

TEST(IniReading, MissingFileSectionOrKeyReadsEmpty) {
    const IniFile file(lines({"[S]", "Key=1"}));
    EXPECT_EQ(file.value("S", "Other"), "");
    EXPECT_EQ(file.value("T", "Key"), "");
    EXPECT_EQ(IniFile().value("S", "Key"), "");
    TempFolder folder;
    EXPECT_FALSE(IniFile::read(folder.file("missing.ini")).has_value());
    EXPECT_EQ(IniFile::readOrEmpty(folder.file("missing.ini")).value("S", "Key"), "");
    // A folder of that name is no file either.
    EXPECT_FALSE(IniFile::read(folder.path().string()).has_value());
}

TEST(IniReading, FirstOfDuplicateSectionsAndKeysWins) {
    const IniFile file(lines({"[S]", "Key=first", "key=second", "[s]", "Key=third", "Only=later"}));
    EXPECT_EQ(file.value("S", "Key"), "first");
    EXPECT_EQ(file.value("S", "Only"), "");
}

TEST(IniReading, CommentsLinesWithoutEqualsAndKeysBeforeAnySectionAreNoKeys) {
    const IniFile file(
        lines({"Loose=1", "[S]", ";Key=commented", "  ; Other=2", "Key", "Key=real", "[Broken", "In=broken"}));
    EXPECT_EQ(file.value("S", "Loose"), "");
    EXPECT_EQ(file.value("S", ";Key"), "");
    EXPECT_EQ(file.value("S", "Key"), "real");
    EXPECT_EQ(file.value("Broken", "In"), "broken");
}

TEST(IniReading, LineEndsOfAnyKindAndWindows1252Bytes) {
    const IniFile lfOnly("[S]\nA=1\nB=2");
    EXPECT_EQ(lfOnly.value("S", "A"), "1");
    EXPECT_EQ(lfOnly.value("S", "B"), "2");
    const IniFile latin(lines({"[Spiller]", "Navn=Bj\xF8rn \xC6r\xE5"}));
    EXPECT_EQ(latin.value("Spiller", "Navn"), "Bj\xF8rn \xC6r\xE5");
}

TEST(IniReading, AByteOrderMarkIsNoPartOfTheFirstSection) {
    const std::string original = "\xEF\xBB\xBF" + lines({"[NumberOfPitches]", "Number=2"});
    IniFile file(original);
    EXPECT_EQ(file.value("NumberOfPitches", "Number"), "2");
    EXPECT_EQ(file.contents(), original);
}

TEST(IniReading, ContentsKeepEveryLineAndEndThemInCrLf) {
    const std::string original = lines({"; top comment", "", "[S]", "  Key = value ", "junk line", "", "[T]"});
    EXPECT_EQ(IniFile(original).contents(), original);
    EXPECT_EQ(IniFile("[S]\nA=1").contents(), lines({"[S]", "A=1"}));
}

TEST(IniReading, HugeFileIsReadWhole) {
    std::string contents;
    constexpr int Sections = 200;
    constexpr int Keys = 1000;
    for (int s = 0; s < Sections; ++s) {
        contents += "[Section" + std::to_string(s) + "]\r\n";
        for (int k = 0; k < Keys; ++k) contents += "Key" + std::to_string(k) + "=" + std::to_string(s * k) + "\r\n";
    }
    contents += "[Last]\r\nLong=" + std::string(1 << 20, 'x') + "\r\n";
    const IniFile file(contents);
    EXPECT_EQ(file.value("Section199", "Key999"), std::to_string(199 * 999));
    EXPECT_EQ(file.value("Last", "Long").size(), 1u << 20);
}

TEST(IniReading, BinaryJunkReadsWithoutHarm) {
    std::mt19937 random(12345);
    std::string junk(64 * 1024, '\0');
    for (char& c : junk) c = static_cast<char>(random());
    junk += "\n[S]\nKey=1\n[\n]\n=\n[=]\n\r\r\n";
    IniFile file(junk);
    EXPECT_EQ(file.value("S", "Key"), "1");
    file.setValue("S", "Key", "2");
    EXPECT_EQ(IniFile(file.contents()).value("S", "Key"), "2");
}

TEST(IniWriting, ReplacesAValueInPlaceAndKeepsEverythingElse) {
    IniFile file(lines({"; kept", "[S]", "A = 1", "B=2", "", "[T]", "C=3"}));
    file.setValue("s", "a", "10");
    EXPECT_EQ(file.contents(), lines({"; kept", "[S]", "A = 10", "B=2", "", "[T]", "C=3"}));
}

TEST(IniWriting, AnUnchangedValueLeavesItsLineAsItWas) {
    const std::string original = lines({"[S]", "  Key =   same   "});
    IniFile file(original);
    file.setValue("S", "Key", "same");
    EXPECT_EQ(file.contents(), original);
    file.setValue("S", "Key", "same   ");
    EXPECT_EQ(file.contents(), lines({"[S]", "  Key =   \"same   \""}));
}

TEST(IniWriting, AddsMissingKeysAtTheEndOfTheirSectionAndMissingSectionsAtTheEnd) {
    IniFile file(lines({"[S]", "A=1", "; note", "", "[T]", "C=3"}));
    file.setValue("S", "B", "2");
    file.setValue("U", "D", "4");
    file.setValue("U", "E", "5");
    EXPECT_EQ(file.contents(), lines({"[S]", "A=1", "; note", "B=2", "", "[T]", "C=3", "[U]", "D=4", "E=5"}));
    EXPECT_EQ(file.value("S", "B"), "2");
    EXPECT_EQ(file.value("U", "E"), "5");
}

TEST(IniWriting, WritesTheFirstOfDuplicates) {
    IniFile file(lines({"[S]", "Key=first", "Key=second", "[S]", "Key=third"}));
    file.setValue("S", "Key", "new");
    EXPECT_EQ(file.contents(), lines({"[S]", "Key=new", "Key=second", "[S]", "Key=third"}));
}

TEST(IniWriting, LineBreaksInsideAValueBecomeBlanks) {
    IniFile file;
    file.setValue("S", "Name", "two\r\nlines\nhere");
    file.setValue("S", "Next", "1");
    EXPECT_EQ(file.contents(), lines({"[S]", "Name=two  lines here", "Next=1"}));
}

TEST(IniFileOnDisk, WritingCreatesMissingFoldersAndLeavesNoTemporaryFile) {
    TempFolder folder;
    IniFile file;
    file.setValue("S", "Key", "1");
    const std::string path = folder.file("data/deeper/file.ini");
    ASSERT_TRUE(file.writeAtomically(path));
    EXPECT_EQ(TempFolder::read(path), lines({"[S]", "Key=1"}));
    EXPECT_EQ(IniFile::read(path)->value("S", "Key"), "1");
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.file("data/deeper"))) {
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST(IniFileOnDisk, AFileNameNearTheLimitOfANameCanBeWritten) {
    TempFolder folder;
    IniFile file;
    file.setValue("S", "Key", "1");
    const std::string path = folder.file(std::string(250, 'n') + ".ini");
    ASSERT_TRUE(file.writeAtomically(path));
    EXPECT_EQ(TempFolder::read(path), lines({"[S]", "Key=1"}));
}

TEST(IniFileOnDisk, AFailedWriteAnswersFalseAndLeavesTheOldFile) {
    TempFolder folder;
    IniFile file;
    file.setValue("S", "Key", "new");
    // The folder of the file is a plain file.
    folder.write("plain", "not a folder");
    EXPECT_FALSE(file.writeAtomically(folder.file("plain/file.ini")));
    EXPECT_EQ(TempFolder::read(folder.file("plain")), "not a folder");
    // The file is a folder.
    std::filesystem::create_directories(folder.file("taken.ini/inside"));
    EXPECT_FALSE(file.writeAtomically(folder.file("taken.ini")));
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("taken.ini/inside")));
    EXPECT_FALSE(file.writeAtomically(folder.path().string() + "/"));
}
