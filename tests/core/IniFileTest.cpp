#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
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

// UTF-8 text as a UTF-16 file with its byte order mark (characters of up to three bytes).
std::string utf16(std::string_view utf8, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned>(static_cast<unsigned char>(utf8[i + k])); };
        unsigned code = byte(0);
        std::size_t length = 1;
        if (code >= 0xE0) code = (code & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F), length = 3;
        else if (code >= 0xC0) code = (code & 0x1F) << 6 | (byte(1) & 0x3F), length = 2;
        const char high = static_cast<char>(code >> 8);
        const char low = static_cast<char>(code & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
        i += length;
    }
    return bytes;
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

// Small files and the value the platform's reader gives for [S] Name in each.
TEST(IniReading, FilesReadAsThePlatformReadsThem) {
    const std::string unicodeName = "[S]\r\nName=Bj\xC3\xB8rn \xC3\x86r\xC3\xA5 \xE2\x82\xAC \xCE\xA9\r\n";  // UTF-8
    const struct {
        const char* what;
        std::string file;
        std::string expected;
    } cases[] = {
        {"single quotes", lines({"[S]", "Name='Vaarturnering'"}), "Vaarturnering"},
        {"double quotes", lines({"[S]", "Name=\"Sola GK\""}), "Sola GK"},
        {"one pair only", lines({"[S]", "Name=\"'Hvit'\""}), "'Hvit'"},
        {"unmatched quote", lines({"[S]", "Name='Hvit"}), "'Hvit"},
        {"quotes of two kinds", lines({"[S]", "Name='Hvit\""}), "'Hvit\""},
        {"a lone quote", lines({"[S]", "Name='"}), "'"},
        {"lone CR line ends", "[S]\rOther=1\rName=Sola GK\rMore=2", "Sola GK"},
        {"a CR inside a line ends it", lines({"[S]", "Name=Sola\rGK"}), "Sola"},
        {"CR CR LF", "[S]\r\r\nName=Sola GK\r\r\nMore=2\r\r\n", "Sola GK"},
        {"LF CR", "[S]\n\rName=Sola GK\n\r", "Sola GK"},
        {"LF only", "[S]\nName=Sola GK", "Sola GK"},
        {"^Z at the end of the file", "[S]\r\nName=Sola GK\x1A", "Sola GK"},
        {"control characters around", lines({"[\tS\x1A]", "\v Name\f=\t Sola GK \x1A\v"}), "Sola GK"},
        {"control characters inside stay", lines({"[S]", "Name=Sola\x1A\tGK"}), "Sola\x1A\tGK"},
        {"quotes inside trimmed ends", lines({"[S]", "Name=\t'Sola GK'\x1A"}), "Sola GK"},
        {"UTF-16 LE", utf16(unicodeName, false), "Bj\xF8rn \xC6r\xE5 \x80 ?"},
        {"UTF-16 BE", utf16(unicodeName, true), "Bj\xF8rn \xC6r\xE5 \x80 ?"},
        {"UTF-8 mark", "\xEF\xBB\xBF" + lines({"[S]", "Name=Sola"}), "Sola"},
        {"UTF-8 with a mark", "\xEF\xBB\xBF" + unicodeName, "Bj\xF8rn \xC6r\xE5 \x80 ?"},
        {"UTF-8 without a mark", unicodeName, "Bj\xF8rn \xC6r\xE5 \x80 ?"},
        {"a mark before a byte UTF-8 lacks", "\xEF\xBB\xBF" + lines({"[S]", "Name=B\xE6rum"}), "B\xE6rum"},
        {"Windows-1252 bytes", lines({"[S]", "Name=Bj\xF8rn"}), "Bj\xF8rn"},
        {"Windows-1252 that reads as UTF-8 by chance", lines({"[S]", "Name=\xC3\xA6"}), "\xE6"},
        {"header without ]", lines({"[S", "Name=Sola"}), "Sola"},
        {"] inside a header", lines({"[S]x]", "Name=Sola"}), "Sola"},
        {"line without =", lines({"[S]", "Name", "Name=Sola"}), "Sola"},
        {"comment", lines({"[S]", ";Name=Gone", "Name=Sola"}), "Sola"},
        {"a NUL ends the value", lines({"[S]", std::string_view("Name=So\0la", 10)}), "So"},
        {"a NUL-filled tail", "[S]\r\nName=Sola" + std::string(64, '\0'), "Sola"},
        {"UTF-16 with a NUL", utf16(std::string("[S]\r\nName=Sola\0GK\r\n", 19), false), "Sola"},
    };
    for (const auto& c : cases) EXPECT_EQ(IniFile(c.file).value("S", "Name"), c.expected) << c.what;
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

TEST(IniWriting, ValuesInQuotesOrWithControlCharactersAtTheirEndsReadBackAsSet) {
    const std::string values[] = {"'Sola GK'", "\"Sola GK\"", "''",      "\"\"",  "'",     "\"",
                                  "'x\"",      "It's",        "'a' 'b'", " 'a' ", "\tTab", "Vt\v",
                                  "\x1A",      "Eof\x1A",     "\fFf",    "",      "Plain", "\"'x'\""};
    // A file of this program, one with lone CR line ends and a UTF-16 one.
    const std::string files[] = {"", "[S]\rName=old\r", utf16("[S]\r\nName=old\r\n", false)};
    for (const std::string& file : files) {
        for (const std::string& value : values) {
            IniFile changed(file);
            changed.setValue("S", "Name", value);
            EXPECT_EQ(IniFile(changed.contents()).value("S", "Name"), value) << value;
        }
    }
    IniFile file;
    file.setValue("S", "Name", "'Sola GK'");
    file.setValue("S", "Tee", "'Hvit");
    file.setValue("S", "Club", "GK\x1A");
    EXPECT_EQ(file.contents(), lines({"[S]", "Name=\"'Sola GK'\"", "Tee='Hvit", "Club=\"GK\x1A\""}));
}

// A save changes the line the platform reads; the other lines and their line ends stay as
// they were (a lone LF becomes CR LF, as every line this program writes ends).
TEST(IniWriting, ASaveIntoAFileWithOtherLineEndsChangesOnlyTheLineItSets) {
    IniFile loneCr("[S]\rA=1\r  Name = old\rB=2\r");
    loneCr.setValue("S", "Name", "new");
    loneCr.setValue("S", "C", "3");
    EXPECT_EQ(loneCr.contents(), "[S]\rA=1\r  Name = new\rB=2\rC=3\r\n");

    IniFile convertedTwice("[S]\r\r\nName=Sola GK\r\r\nB=2\r\r\n\r\r\n[T]\r\r\n");
    convertedTwice.setValue("S", "Name", "Sola");
    convertedTwice.setValue("S", "C", "3");
    EXPECT_EQ(convertedTwice.contents(), "[S]\r\r\nName=Sola\r\r\nB=2\r\r\nC=3\r\n\r\r\n[T]\r\r\n");

    IniFile removed("[S]\r\r\nA=1\r\r\nName=x\r\r\n[T]\r\r\nB=2\r\r\n");
    removed.removeKey("S", "A");
    removed.removeKey("T", "B");
    removed.removeSectionIfEmpty("T");
    EXPECT_EQ(removed.contents(), "[S]\r\r\nName=x\r\r\n");

    IniFile mixed("[S]\nName=old\rB=2");
    mixed.setValue("S", "Name", "new");
    EXPECT_EQ(mixed.contents(), "[S]\r\nName=new\rB=2\r\n");
}

TEST(IniWriting, AUnicodeFileIsWrittenBackInItsOwnEncoding) {
    using namespace std::string_literals;
    const struct {
        std::function<std::string(std::string_view)> encoded;
        std::size_t replaced;  // counted for UTF-8 files, which today's editors write
    } encodings[] = {
        {[](std::string_view utf8) { return utf16(utf8, false); }, 0},
        {[](std::string_view utf8) { return utf16(utf8, true); }, 0},
        {[](std::string_view utf8) { return "\xEF\xBB\xBF" + std::string(utf8); }, 2},
        {[](std::string_view utf8) { return std::string(utf8); }, 2},
    };
    for (const auto& [encoded, replaced] : encodings) {
        // Omega has no Windows-1252 form: its line is not touched, so it stays, also when the
        // value it reads as is set again; a NUL-filled value is written anew without its NULs.
        IniFile file(encoded("[S]\r\nName=\xCE\xA9\r\nClub=\xCE\xA9\r\nTee=Gul\r\nTail=\xC3\xB8\0\0\r\n"s));
        EXPECT_EQ(file.value("S", "Name"), "?");
        EXPECT_EQ(file.replacedCharacters(), replaced);
        file.setValue("S", "Name", "?");
        file.setValue("S", "Club", "? GK");
        file.setValue("S", "Tee", "R\xF8\x64 \x80");
        file.setValue("S", "Tail", "\xF8");
        file.setValue("T", "New", "1");
        EXPECT_EQ(file.contents(), encoded("[S]\r\nName=\xCE\xA9\r\nClub=? GK\r\nTee=R\xC3\xB8\x64 \xE2\x82\xAC\r\n"
                                           "Tail=\xC3\xB8\r\n[T]\r\nNew=1\r\n"));
    }
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
