#pragma once
// The properties the fuzz targets check, shared with the regression tests that keep the
// inputs the fuzzers once failed on. Each check answers the empty text when the property
// holds and a description of the first difference otherwise.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

#include <vector>
#include "ini/FileEncoding.h"

#include "ini/IniFile.h"
#include "model/CTournament.h"
#include "text/Text.h"

namespace fuzzcheck {

// Stops the fuzzer on a broken property, so the input is kept as a crash.
inline void require(const std::string& found) {
    if (found.empty()) return;
    std::fprintf(stderr, "property broken: %s\n", found.c_str());
    std::abort();
}

// A folder of its own for the files one process writes, removed when it goes; in memory
// where the machine has /dev/shm, since every fuzz input is written and saved (with a
// flush to disk) at least once.
class ScratchDir {
public:
    explicit ScratchDir(std::string_view prefix = "teebrook-fuzz") {
        std::error_code error;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        // A name of its own: create_directory answers false for one that is there already.
        std::random_device entropy;
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            const std::filesystem::path candidate = base / (std::string(prefix) + "-" + std::to_string(entropy()));
            if (std::filesystem::create_directory(candidate, error)) path_ = candidate.string();
        }
        if (path_.empty()) std::abort();
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, error);
    }
    ~ScratchDir() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }

private:
    std::string path_;
};

inline bool writeFile(const std::string& path, std::string_view contents) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    return static_cast<bool>(out);
}

inline const std::string& scratchDir() {
    static const ScratchDir dir;
    return dir.path();
}

// Section and key names that a file's own lines mention: "[name]" headers and the text
// before the first '=' of other lines, a line ending at any CR or LF as the reader's do.
// Limited in number so one input stays quick.
struct NamesInFile {
    std::vector<std::string> sections;
    std::vector<std::string> keys;
};

inline NamesInFile namesInFile(std::string_view contents) {
    NamesInFile names;
    std::size_t start = 0;
    while (start < contents.size() && names.sections.size() + names.keys.size() < 64) {
        std::size_t end = contents.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = contents.size();
        const std::string_view line = contents.substr(start, end - start);
        const std::size_t close = line.find(']');
        if (!line.empty() && line.front() == '[' && close != std::string_view::npos) {
            names.sections.emplace_back(line.substr(1, close - 1));
        } else if (const std::size_t eq = line.find('='); eq != std::string_view::npos) {
            names.keys.emplace_back(line.substr(0, eq));
        }
        start = end + 1;
    }
    names.sections.emplace_back("");
    names.keys.emplace_back("");
    return names;
}

// Parsing, writing out and parsing again changes nothing: the contents are stable after
// one pass and every section/key the file names reads the same from both; a value set
// reads back exactly (line breaks as blanks) and leaves the other values alone.
inline std::string checkIniFile(std::string_view contents) {
    const IniFile first(contents);
    const std::string written = first.contents();
    const IniFile second(written);
    if (second.contents() != written) return "contents change on a second pass";

    const NamesInFile names = namesInFile(contents);
    for (const std::string& section : names.sections) {
        for (const std::string& key : names.keys) {
            if (first.value(section, key) != second.value(section, key)) {
                return "value of [" + section + "] " + key + " changes when written out and read again";
            }
        }
    }

    // Set a value taken from the input itself, in a section the file may or may not hold.
    IniFile changed(contents);
    // Names, like values, are written with their line breaks as blanks.
    const std::string section = text::withoutLineBreaks(names.sections.front());
    const std::string value(contents.substr(0, std::min<std::size_t>(contents.size(), 60)));
    changed.setValue(section, "FuzzKey", value);
    const std::string expected = text::withoutLineBreaks(value.substr(0, value.find('\0')));
    if (changed.value(section, "FuzzKey") != expected) return "a value set does not read back as set";
    const IniFile reread(changed.contents());
    if (reread.value(section, "FuzzKey") != expected) return "a value set does not survive writing out";
    // The reader itself tells whether a name from the file means the key or section just set.
    std::vector<bool> sameKey;
    for (const std::string& key : names.keys) {
        sameKey.push_back(IniFile("[a]\r\n" + key + "=x\r\n").value("a", "FuzzKey") == "x");
    }
    for (const std::string& otherSection : names.sections) {
        const bool sameSection = IniFile("[" + otherSection + "]\r\nk=x\r\n").value(section, "k") == "x";
        for (std::size_t k = 0; k < names.keys.size(); ++k) {
            if (sameSection && sameKey[k]) continue;
            const std::string& key = names.keys[k];
            if (reread.value(otherSection, key) != first.value(otherSection, key)) {
                return "setting one value changed [" + otherSection + "] " + key;
            }
        }
    }
    return {};
}

// A float as the tournament file holds it.
inline std::string asFileHolds(float value) { return text::formatFixed1(value); }

#define FUZZCHECK_SAME(field, what)                                                 \
    do {                                                                            \
        if ((a.field) != (b.field)) return std::string(what) + " differs: " #field; \
    } while (false)

inline std::string comparePlayers(const CPlayer& a, const CPlayer& b, const std::string& where) {
    FUZZCHECK_SAME(firstName, where);
    FUZZCHECK_SAME(surName, where);
    FUZZCHECK_SAME(club, where);
    FUZZCHECK_SAME(results, where);
    if (asFileHolds(a.hcp) != asFileHolds(b.hcp)) return where + " differs: hcp";
    if (asFileHolds(a.sh) != asFileHolds(b.sh)) return where + " differs: sh";
    return {};
}

inline std::string compareGroups(const CPlayGroup& a, const CPlayGroup& b, const std::string& where) {
    FUZZCHECK_SAME(groupClass, where);
    FUZZCHECK_SAME(playForm, where);
    FUZZCHECK_SAME(allowance, where);
    FUZZCHECK_SAME(allowanceFactor, where);
    FUZZCHECK_SAME(noOfPlayers, where);
    FUZZCHECK_SAME(groupName, where);
    FUZZCHECK_SAME(tee, where);
    for (int p = 0; p < a.playerCount(); ++p) {
        const std::string found = comparePlayers(a.players[p], b.players[p],
                                                 where + " player " + std::to_string(p + 1));
        if (!found.empty()) return found;
    }
    return {};
}

// Every field a tournament file holds, for the groups and players its counts reach.
inline std::string compareTournaments(const CTournamentInfo& a, const CTournamentInfo& b) {
    FUZZCHECK_SAME(day, "tournament");
    FUZZCHECK_SAME(month, "tournament");
    FUZZCHECK_SAME(year, "tournament");
    FUZZCHECK_SAME(numberOfGroups, "tournament");
    FUZZCHECK_SAME(name, "tournament");
    FUZZCHECK_SAME(type, "tournament");
    FUZZCHECK_SAME(pitch.name, "tournament");
    for (int g = 0; g < a.groupsInUse(); ++g) {
        const std::string found = compareGroups(a.groups[g], b.groups[g], "group " + std::to_string(g + 1));
        if (!found.empty()) return found;
    }
    return {};
}

#undef FUZZCHECK_SAME

// A small course table in `dir`, so that loading a tournament also copies a course.
inline std::string courseTableFile(const std::string& dir) {
    const std::string path = dir + "/courses.ini";
    if (!std::filesystem::exists(path)) {
        writeFile(path,
                  "[NumberOfPitches]\r\nNumber=1\r\n[Pitches]\r\nPitch1=Bane\r\n"
                  "[Pitch1]\r\nHoles=18\r\nPar=4 4 3 4 5 4 4 3 4 4 4 3 4 5 4 3 4 4\r\n"
                  "Index=1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18\r\nNumberOfTees=2\r\n"
                  "Tee1=Gul\r\nSlopeValue1=128\r\nParValue1=72\r\nPitchValue1=70.4\r\n"
                  "Tee2=R\xF8\x64\r\nSlopeValue2=113\r\nParValue2=72\r\nPitchValue2=72.0\r\n");
    }
    return path;
}

// A course as one lookup per value reads it from the file, to hold the course table's
// single walk through each section against.
inline std::string compareWithLookups(const IniFile& file, const CPitch& pitch, const std::string& section) {
    if (pitch.holes != file.intValue(section, "Holes")) return "Holes differs from a lookup: " + section;
    const int tees = std::clamp(file.intValue(section, "NumberOfTees"), 0, MaxTees);
    if (pitch.numberOfTees != tees) return "NumberOfTees differs from a lookup: " + section;
    for (int t = 0; t < tees; ++t) {
        const std::string j = text::formatInt(t + 1);
        if (pitch.teeName[t] != file.textValue(section, "Tee" + j) ||
            pitch.slopeValue[t] != file.intValue(section, "SlopeValue" + j) ||
            pitch.parValue[t] != file.intValue(section, "ParValue" + j) ||
            asFileHolds(pitch.pitchValue[t]) != asFileHolds(file.decimalValue(section, "PitchValue" + j))) {
            return "tee " + j + " differs from a lookup: " + section;
        }
    }
    return {};
}

// The course table read from a file with `contents` at `path` stays within its limits,
// holds the file's names cut to their length limit, its hole lists read whole and every
// other value as a lookup of it reads it.
inline std::string checkCourseTable(std::string_view contents, const std::string& path) {
    const CTournament tournament(path);
    const IniFile file(contents);
    const int count = tournament.pitchCount();
    if (count < 0 || count > MaxPitches) return "pitchCount outside 0..100";
    if (count != std::clamp(file.intValue("NumberOfPitches", "Number"), 0, MaxPitches))
        return "count not as in the file";
    for (int i = 0; i < count; ++i) {
        const CPitch& pitch = tournament.pitches[i];
        const std::string section = "Pitch" + text::formatInt(i + 1);
        if (tournament.PitchNames[i] != pitch.name) return "PitchNames differs from the table at " + section;
        if (pitch.name != text::cut(file.value("Pitches", section)))
            return "course name not as in the file: " + section;
        for (int t = 0; t < pitch.teeCount(); ++t) {
            if (pitch.teeName[t].size() > text::MaxTextLength) return "tee name longer than the limit: " + section;
        }
        for (const char* key : {"Par", "Index"}) {
            std::array<int, MaxHoles> expected{};
            text::scanInts(file.value(section, key), expected.data(), MaxHoles);
            if ((key[0] == 'P' ? pitch.par : pitch.index) != expected)
                return std::string(key) + " not read whole: " + section;
        }
        if (tournament.findPitch(pitch.name) < i) return "findPitch answers an earlier course: " + section;
        if (std::string found = compareWithLookups(file, pitch, section); !found.empty()) return found;
    }
    for (int i = count; i < MaxPitches; ++i) {
        if (!tournament.PitchNames[i].empty()) return "a course name beyond the count";
    }
    CTournament copy(path);
    for (int i = 0; i < count; ++i) {
        copy.selectPitch(tournament.pitches[i].name);
        const CPitch& source = tournament.pitches[tournament.findPitch(tournament.pitches[i].name)];
        if (copy.pitch.name != source.name || copy.pitch.par != source.par || copy.pitch.holes != source.holes) {
            return "selectPitch did not copy the course";
        }
    }
    return {};
}

// A tournament file read by load, saved and read again into a fresh tournament gives the
// same records. `dir` is a folder the check may write its two files in.
inline std::string checkTournamentRoundTrip(std::string_view contents, const std::string& dir) {
    const std::string input = dir + "/input.ini";
    const std::string saved = dir + "/saved.ini";
    const std::string courses = courseTableFile(dir);
    if (!writeFile(input, contents)) return {};
    std::filesystem::remove(saved);

    CTournament first(courses);
    const files::FileResult loaded = first.load(input);
    // A file that holds no tournament is refused whole; there is nothing to save again.
    if (loaded.error == files::FileError::WrongContents) return {};
    if (!loaded) return "an existing file did not load";
    if (!first.save(saved)) return {};  // a full disk is not the reader's fault
    // Windows-1252 texts whose bytes also happen to be UTF-8 (never Norwegian letters, which are
    // single bytes) make the saved file read as UTF-8: a known limit of telling the two apart.
    if (const files::ReadResult written = files::readRegularFile(saved);
        written.result && ini::encodingOf(written.contents).encoding == ini::Encoding::Utf8 &&
        ini::encodingOf(contents).encoding != ini::Encoding::Utf8)
        return {};
    CTournament second(courses);
    if (!second.load(saved)) return "the saved file did not load";
    return compareTournaments(first, second);
}

}  // namespace fuzzcheck
