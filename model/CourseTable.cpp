// Reading the course table file into the rows of the course table.

#include <algorithm>

#include "ini/IniFile.h"
#include "model/CTournament.h"
#include "text/Text.h"

namespace {

// Read whole, unlike the other values, which are cut at 49 characters. Fills the numbers
// present; holes the list does not reach keep their values.
void readHoleList(const IniFile& file, std::string_view section, std::string_view key,
                  std::array<int, MaxHoles>& holes) {
    text::scanInts(file.value(section, key), holes.data(), MaxHoles);
}

std::string numbered(std::string_view word, int number) { return std::string(word) + text::formatInt(number); }

void readTee(const IniFile& file, std::string_view section, int tee, CPitch& row) {
    const int j = tee + 1;
    row.teeName[tee] = file.textValue(section, numbered("Tee", j));
    row.slopeValue[tee] = file.intValue(section, numbered("SlopeValue", j));
    row.parValue[tee] = file.intValue(section, numbered("ParValue", j));
    row.pitchValue[tee] = file.decimalValue(section, numbered("PitchValue", j));
}

void readCourse(const IniFile& file, int number, CPitch& row) {
    // The section of a course is named after its position, like its key in "Pitches".
    const std::string section = numbered("Pitch", number);
    row.name = file.textValue("Pitches", section);
    row.holes = file.intValue(section, "Holes");
    readHoleList(file, section, "Par", row.par);
    readHoleList(file, section, "Index", row.index);
    // The tee arrays hold five; a larger or negative count is kept within them.
    row.numberOfTees = std::clamp(file.intValue(section, "NumberOfTees"), 0, MaxTees);
    for (int tee = 0; tee < row.numberOfTees; ++tee) readTee(file, section, tee, row);
}

}  // namespace

void CTournament::loadPitches() {
    // A missing or unreadable file gives an empty course table.
    const IniFile file = IniFile::readOrEmpty(configFile);
    // The table holds a hundred rows; a larger or negative count is kept within them.
    numberOfPitches = std::clamp(file.intValue("NumberOfPitches", "Number"), 0, MaxPitches);
    for (int i = 0; i < numberOfPitches; ++i) readCourse(file, i + 1, pitches[i]);
}
