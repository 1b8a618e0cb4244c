#pragma once
// The course table as the course editor changes it: the courses as typed, the checks a
// table must pass before it is saved, and writing it to the course table file.
//
// Writing goes through the INI layer into the file as it is, so every key, section and
// comment the table does not own stays byte for byte. The table owns the key "Number" of
// [NumberOfPitches], the keys "Pitch1".."Pitch100" of [Pitches] and, in the sections
// [Pitch1]..[Pitch100], the keys the course table reader reads. Keys of a course or tee
// that no longer exists are removed, and a course section left empty goes with them.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/Records.h"

class IniFile;

inline constexpr int MinHolePar = 3;
inline constexpr int MaxHolePar = 6;
inline constexpr int MinSlope = 55;
inline constexpr int MaxSlope = 155;
inline constexpr double MinCourseRating = 10.0;
inline constexpr double MaxCourseRating = 90.0;

// Texts are Windows-1252.
struct TeeDraft {
    std::string name;
    // As typed: a decimal with a point or a comma ("71.3", "71,3").
    std::string rating;
    int slope = 0;
    int par = 0;
    bool operator==(const TeeDraft&) const = default;
};

struct CourseDraft {
    std::string name;
    int holes = 0;
    // Only the first `holes` holes count; the others are kept for the editor but not stored.
    std::array<int, MaxHoles> par{};
    std::array<int, MaxHoles> index{};
    std::vector<TeeDraft> tees;
    bool operator==(const CourseDraft&) const = default;
};

// The course rating in `text`: digits, optionally a point or a comma and more digits, with
// blanks around; nothing for any other text.
std::optional<double> readCourseRating(std::string_view text);

// The first check `course` fails, as the message the organiser sees (naming the course
// and the field); nothing when it passes. `position` (from 1) names a course without a name.
std::optional<std::string> checkCourse(const CourseDraft& course, int position);
// checkCourse for courses[at], then that no other course has its name.
std::optional<std::string> checkCourseAt(std::span<const CourseDraft> courses, int at);
// The count of courses, each course in order, then that no two courses share a name
// (a tournament keeps its course by name; letter case does not make two names differ).
std::optional<std::string> checkCourseTable(std::span<const CourseDraft> courses);

// The courses of the course table file at `path`, as CourseTableReader reads them,
// with each course rating as the file writes it. A missing file holds none; nothing when
// the file is there but cannot be read.
std::optional<std::vector<CourseDraft>> readCourseTable(const std::string& path);

// A course made from what the course import reads: a name and a number of holes.
CourseDraft importedCourse(const CPitch& pitch);

// Puts `courses` into `file` as the table's keys (see above).
void putCourseTable(IniFile& file, std::span<const CourseDraft> courses);

enum class CourseTableWrite {
    Written,
    Refused,     // the courses fail a check: nothing is written
    Unreadable,  // the file is there but cannot be read: it is not replaced
    NotWritten,  // the new file could not be written: the old one stays as it was
};

// Writes `courses` into the course table file at `path`, replacing it safely (a new file
// renamed over the old one).
CourseTableWrite writeCourseTable(const std::string& path, std::span<const CourseDraft> courses);

// The figures of the first `holes` holes, blank-separated, as the course table and the tournament
// file write a hole list.
std::string holeList(const std::array<int, MaxHoles>& values, int holes);
