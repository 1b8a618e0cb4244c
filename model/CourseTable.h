#pragma once
// The one reader of the course table file, for the tournament's course table
// (CTournament::loadPitches) and for the course editor (readCourseTable), so both see the
// same courses. The file is parsed once and each section walked once, its keys told apart
// by name, so a full table of a hundred courses reads in a fraction of the time of one
// lookup per value.

#include <array>
#include <string_view>

#include "model/Records.h"

class IniFile;

// One course as the model's files take values (IniFile::textValue and its kin): their first
// 49 characters, as text or as a leading integer; the par and index lists whole. Of
// duplicate keys the first counts; a missing key reads as the empty text or 0. The views
// point into the file.
struct CourseValues {
    struct Tee {
        std::string_view name;
        std::string_view rating;  // as the file writes it
        int slope = 0;
        int par = 0;
    };
    std::string_view name;
    int holes = 0;
    std::string_view parList;
    std::string_view indexList;
    // NumberOfTees, kept within the five tees a course has; the tees past it are left empty.
    int teeCount = 0;
    std::array<Tee, MaxTees> tees{};
};

// The course values of `section` in `file`, for a course named `name`. A tournament file keeps
// the course it plays in a section of its own, with the course table's keys.
CourseValues courseValuesIn(const IniFile& file, std::string_view section, std::string_view name);
// A course row from its values; holes the par and index lists do not reach keep their values.
void readCourse(const CourseValues& values, CPitch& row);

class CourseTableReader {
public:
    // Reads the count and the names of the courses.
    explicit CourseTableReader(const IniFile& file);
    // The count of [NumberOfPitches], kept within the hundred rows of the table.
    int count() const { return count_; }
    // Course `position` (from 0, below count()), from the section named after its position,
    // [Pitch1], [Pitch2], ..., like its key in [Pitches].
    CourseValues course(int position) const;

private:
    const IniFile& file_;
    int count_ = 0;
    std::array<std::string_view, MaxPitches> names_{};
};
