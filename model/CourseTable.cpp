// Reading the course table file into the rows of the course table.

#include <algorithm>

#include "ini/IniFile.h"
#include "model/CTournament.h"
#include "text/Text.h"

namespace {

// Every value of the course table is taken up to its first 49 characters, except the
// hole lists, which are read whole.
std::string textValue(const IniFile& file, std::string_view section, std::string_view key) {
    return text::cut(file.value(section, key));
}

int intValue(const IniFile& file, std::string_view section, std::string_view key) {
    return text::readInt(textValue(file, section, key));
}

float decimalValue(const IniFile& file, std::string_view section, std::string_view key) {
    return text::toFloat(text::readDecimal(textValue(file, section, key)));
}

// Fills the numbers present; holes the list does not reach keep their values.
void readHoleList(const IniFile& file, std::string_view section, std::string_view key,
                  std::array<int, MaxHoles>& holes) {
    text::scanInts(file.value(section, key), holes.data(), MaxHoles);
}

std::string numbered(std::string_view word, int number) {
    return std::string(word) + text::formatInt(number);
}

void readTee(const IniFile& file, std::string_view section, int tee, CPitch& row) {
    const int j = tee + 1;
    row.teeName[tee] = textValue(file, section, numbered("Tee", j));
    row.slopeValue[tee] = intValue(file, section, numbered("SlopeValue", j));
    row.parValue[tee] = intValue(file, section, numbered("ParValue", j));
    row.pitchValue[tee] = decimalValue(file, section, numbered("PitchValue", j));
}

void readCourse(const IniFile& file, int number, CPitch& row) {
    // The section of a course is named after its position, like its key in "Pitches".
    const std::string section = numbered("Pitch", number);
    row.name = textValue(file, "Pitches", section);
    row.holes = intValue(file, section, "Holes");
    readHoleList(file, section, "Par", row.par);
    readHoleList(file, section, "Index", row.index);
    // The tee arrays hold five; a larger or negative count is kept within them.
    row.numberOfTees = std::clamp(intValue(file, section, "NumberOfTees"), 0, MaxTees);
    for (int tee = 0; tee < row.numberOfTees; ++tee) readTee(file, section, tee, row);
}

}  // namespace

void CTournament::loadPitches() {
    // A missing or unreadable file gives an empty course table.
    const IniFile file = IniFile::readOrEmpty(configFile);
    // The table holds a hundred rows; a larger or negative count is kept within them.
    numberOfPitches = std::clamp(intValue(file, "NumberOfPitches", "Number"), 0, MaxPitches);
    for (int i = 0; i < numberOfPitches; ++i) readCourse(file, i + 1, pitches[i]);
}
