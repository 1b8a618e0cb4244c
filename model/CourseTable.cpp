// Reading the course table file into the rows of the course table. The file is parsed
// once and each section walked once, its keys told apart by name, so a full table of a
// hundred courses reads in a fraction of the time of one lookup per value.

#include <algorithm>
#include <array>
#include <bitset>

#include "ini/IniFile.h"
#include "model/CTournament.h"
#include "text/Text.h"

namespace {

// The number at the end of a key such as "Tee3", written as formatInt writes it (no sign,
// no leading zero), and at most `largest`; -1 for any other key. The rest must be `word`.
int numberAfter(std::string_view key, std::string_view word, int largest) {
    if (key.size() <= word.size() || !ini::sameName(key.substr(0, word.size()), word)) return -1;
    const std::string_view digits = key.substr(word.size());
    if (digits.front() == '0') return -1;
    int number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return -1;
        number = number * 10 + (c - '0');
        if (number > largest) return -1;
    }
    return number;
}

// The values of one course section that the table reads, the first of duplicate keys.
class CourseValues {
public:
    enum Slot { Holes, Par, Index, NumberOfTees, FirstTee };
    enum TeeSlot { Tee, SlopeValue, ParValue, PitchValue, TeeSlots };
    static constexpr int Slots = FirstTee + TeeSlots * MaxTees;

    void take(std::string_view key, std::string_view value) {
        const int slot = slotOf(key);
        if (slot < 0 || found_[slot]) return;
        found_[slot] = true;
        values_[slot] = value;
    }
    // Missing keys read as the empty text.
    std::string_view operator[](int slot) const { return values_[slot]; }
    std::string_view tee(int tee, TeeSlot slot) const { return values_[FirstTee + TeeSlots * tee + slot]; }

private:
    static int plainSlot(std::string_view key, std::string_view word, Slot slot) {
        return ini::sameName(key, word) ? slot : -1;
    }
    static int teeSlot(std::string_view key, std::string_view word, TeeSlot slot) {
        const int tee = numberAfter(key, word, MaxTees);
        return tee >= 1 ? FirstTee + TeeSlots * (tee - 1) + slot : -1;
    }
    // Told apart by their first letters before any name is compared.
    static int slotOf(std::string_view key) {
        if (key.empty()) return -1;
        switch (ini::lowerCase(key.front())) {
            case 'h':
                return plainSlot(key, "Holes", Holes);
            case 'i':
                return plainSlot(key, "Index", Index);
            case 'n':
                return plainSlot(key, "NumberOfTees", NumberOfTees);
            case 't':
                return teeSlot(key, "Tee", Tee);
            case 's':
                return teeSlot(key, "SlopeValue", SlopeValue);
            case 'p':
                if (key.size() == 3) return plainSlot(key, "Par", Par);
                if (key.size() > 1 && ini::lowerCase(key[1]) == 'a') return teeSlot(key, "ParValue", ParValue);
                return teeSlot(key, "PitchValue", PitchValue);
            default:
                return -1;
        }
    }

    std::array<std::string_view, Slots> values_{};
    std::bitset<Slots> found_;
};

// Values as the model's files take them (IniFile::textValue and its kin): their first
// 49 characters.
std::string_view cut(std::string_view value) { return value.substr(0, text::MaxTextLength); }
int intOf(std::string_view value) { return text::readInt(cut(value)); }
float decimalOf(std::string_view value) { return text::toFloat(text::readDecimal(cut(value))); }

void readCourse(const CourseValues& values, CPitch& row) {
    row.holes = intOf(values[CourseValues::Holes]);
    // Read whole, unlike the other values, which are cut at 49 characters. Fills the
    // numbers present; holes the list does not reach keep their values.
    text::scanInts(values[CourseValues::Par], row.par.data(), MaxHoles);
    text::scanInts(values[CourseValues::Index], row.index.data(), MaxHoles);
    // The tee arrays hold five; a larger or negative count is kept within them.
    row.numberOfTees = std::clamp(intOf(values[CourseValues::NumberOfTees]), 0, MaxTees);
    for (int tee = 0; tee < row.numberOfTees; ++tee) {
        row.teeName[tee] = cut(values.tee(tee, CourseValues::Tee));
        row.slopeValue[tee] = intOf(values.tee(tee, CourseValues::SlopeValue));
        row.parValue[tee] = intOf(values.tee(tee, CourseValues::ParValue));
        row.pitchValue[tee] = decimalOf(values.tee(tee, CourseValues::PitchValue));
    }
}

// The names of the courses, keyed by position: "Pitch1", "Pitch2", ...
std::array<std::string_view, MaxPitches> courseNames(const IniFile& file, int count) {
    std::array<std::string_view, MaxPitches> names{};
    std::bitset<MaxPitches> found;
    file.forEachValue("Pitches", [&](std::string_view key, std::string_view value) {
        const int number = numberAfter(key, "Pitch", count);
        if (number < 1 || found[number - 1]) return;
        found[number - 1] = true;
        names[number - 1] = value;
    });
    return names;
}

}  // namespace

void CTournament::loadPitches() {
    // A missing or unreadable file gives an empty course table.
    const IniFile file = IniFile::readOrEmpty(configFile);
    // The table holds a hundred rows; a larger or negative count is kept within them.
    numberOfPitches = std::clamp(file.intValue("NumberOfPitches", "Number"), 0, MaxPitches);
    const std::array<std::string_view, MaxPitches> names = courseNames(file, numberOfPitches);
    for (int i = 0; i < numberOfPitches; ++i) {
        pitches[i].name = cut(names[i]);
        // The section of a course is named after its position, like its key in "Pitches".
        CourseValues values;
        file.forEachValue("Pitch" + text::formatInt(i + 1),
                          [&values](std::string_view key, std::string_view value) { values.take(key, value); });
        readCourse(values, pitches[i]);
    }
}
