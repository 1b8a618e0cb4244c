#include "model/CourseTable.h"

#include <algorithm>
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
        if (!text::isDigit(c)) return -1;
        number = number * 10 + (c - '0');
        if (number > largest) return -1;
    }
    return number;
}

// The values of one course section that the table reads, the first of duplicate keys.
class SectionValues {
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

// Values as the model's files take them: their first 49 characters.
std::string_view cut(std::string_view value) { return value.substr(0, text::MaxTextLength); }
int intOf(std::string_view value) { return text::readInt(cut(value)); }

}  // namespace

void readCourse(const CourseValues& values, CPitch& row) {
    row.name = values.name;
    row.holes = values.holes;
    // Fills the numbers present; holes the list does not reach keep their values.
    text::scanInts(values.parList, row.par.data(), MaxHoles);
    text::scanInts(values.indexList, row.index.data(), MaxHoles);
    row.numberOfTees = values.teeCount;
    for (int tee = 0; tee < row.numberOfTees; ++tee) {
        row.teeName[tee] = values.tees[tee].name;
        row.slopeValue[tee] = values.tees[tee].slope;
        row.parValue[tee] = values.tees[tee].par;
        row.pitchValue[tee] = text::toFloat(text::readDecimal(values.tees[tee].rating));
    }
}

CourseTableReader::CourseTableReader(const IniFile& file)
    : file_(file), count_(std::clamp(file.intValue("NumberOfPitches", "Number"), 0, MaxPitches)) {
    // The names of the courses, keyed by position: "Pitch1", "Pitch2", ...
    std::bitset<MaxPitches> found;
    file.forEachValue("Pitches", [&](std::string_view key, std::string_view value) {
        const int number = numberAfter(key, "Pitch", count_);
        if (number < 1 || found[number - 1]) return;
        found[number - 1] = true;
        names_[number - 1] = value;
    });
}

CourseValues courseValuesIn(const IniFile& file, std::string_view sectionName, std::string_view name) {
    SectionValues section;
    file.forEachValue(sectionName,
                      [&section](std::string_view key, std::string_view value) { section.take(key, value); });
    CourseValues values;
    values.name = cut(name);
    values.holes = intOf(section[SectionValues::Holes]);
    // Read whole, unlike the other values, which are cut at 49 characters.
    values.parList = section[SectionValues::Par];
    values.indexList = section[SectionValues::Index];
    values.teeCount = std::clamp(intOf(section[SectionValues::NumberOfTees]), 0, MaxTees);
    for (int tee = 0; tee < values.teeCount; ++tee) {
        values.tees[tee] = {cut(section.tee(tee, SectionValues::Tee)), cut(section.tee(tee, SectionValues::PitchValue)),
                            intOf(section.tee(tee, SectionValues::SlopeValue)),
                            intOf(section.tee(tee, SectionValues::ParValue))};
    }
    return values;
}

CourseValues CourseTableReader::course(int position) const {
    return courseValuesIn(file_, text::numbered("Pitch", position + 1), names_[position]);
}

void CTournament::loadPitches() {
    // A missing or unreadable file gives an empty course table.
    const IniFile file = IniFile::readOrEmpty(configFile);
    replacedInCourseTable = file.replacedCharacters();
    const CourseTableReader table(file);
    numberOfPitches = table.count();
    for (int i = 0; i < numberOfPitches; ++i) readCourse(table.course(i), pitches[i]);
}
