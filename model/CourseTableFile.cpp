#include "model/CourseTableFile.h"

#include <algorithm>

#include "ini/FileSystem.h"
#include "ini/IniFile.h"
#include "model/CourseTable.h"
#include "text/Encoding.h"
#include "text/Text.h"

using namespace text::literals;

namespace {

// The words of the key names, written with the number of the course or tee right after them.
constexpr std::array<std::string_view, 4> TeeKeys{"Tee", "SlopeValue", "ParValue", "PitchValue"};
constexpr std::array<std::string_view, 4> CourseKeys{"Holes", "Par", "Index", "NumberOfTees"};

using text::isDigit;
using text::numbered;

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// --- Messages -------------------------------------------------------------------------

std::string inQuotes(std::string_view name) { return text::joined("«"_cp1252, name, "»"_cp1252); }

std::string courseLabel(const CourseDraft& course, int position) {
    return course.name.empty() ? "Bane nr. " + text::formatInt(position) : "Bane " + inQuotes(course.name);
}

std::string teeLabel(const CourseDraft& course, int position, int tee) {
    const std::string& name = course.tees[tee].name;
    return courseLabel(course, position) + ", tee " + (name.empty() ? text::formatInt(tee + 1) : inQuotes(name));
}

std::string range(long long low, long long high) {
    return "fra " + text::formatInt(low) + " til " + text::formatInt(high);
}

// --- Checks ---------------------------------------------------------------------------

bool inRange(int value, int low, int high) { return value >= low && value <= high; }

std::optional<std::string> checkName(const CourseDraft& course, int position) {
    if (course.name.empty()) return courseLabel(course, position) + " mangler banenavn.";
    if (course.name.size() > text::MaxTextLength) {
        return text::joined("Banenavnet ", inQuotes(course.name), " er for langt: høyst 49 tegn."_cp1252);
    }
    return std::nullopt;
}

std::optional<std::string> checkHoles(const CourseDraft& course, int position) {
    const std::string label = courseLabel(course, position);
    if (!inRange(course.holes, 1, MaxHoles))
        return text::joined(label, ": antall hull må være "_cp1252, range(1, MaxHoles), ".");
    for (int hole = 0; hole < course.holes; ++hole) {
        if (!inRange(course.par[hole], MinHolePar, MaxHolePar)) {
            return text::joined(label, ", hull ", text::formatInt(hole + 1), ": par må være "_cp1252,
                                range(MinHolePar, MaxHolePar), ".");
        }
    }
    return std::nullopt;
}

// Every index in 1..holes and none twice means each of 1..holes once.
std::optional<std::string> checkIndexes(const CourseDraft& course, int position) {
    const std::string label = courseLabel(course, position);
    std::array<int, MaxHoles + 1> holeOfIndex{};
    for (int hole = 0; hole < course.holes; ++hole) {
        const int index = course.index[hole];
        if (!inRange(index, 1, course.holes)) {
            return text::joined(label, ", hull ", text::formatInt(hole + 1), ": indeks må være "_cp1252,
                                range(1, course.holes), ".");
        }
        if (holeOfIndex[index] != 0) {
            return label + ": hull " + text::formatInt(holeOfIndex[index]) + " og hull " + text::formatInt(hole + 1) +
                   " har begge indeks " + text::formatInt(index) + ". Hvert tall " + range(1, course.holes) +
                   std::string(" skal brukes én gang."_cp1252);
        }
        holeOfIndex[index] = hole + 1;
    }
    return std::nullopt;
}

std::optional<std::string> checkTee(const CourseDraft& course, int position, int tee) {
    const TeeDraft& draft = course.tees[tee];
    const std::string label = teeLabel(course, position, tee);
    if (draft.name.empty()) return label + ": navnet mangler.";
    if (draft.name.size() > text::MaxTextLength) return text::joined(label, ": navnet kan ha høyst 49 tegn."_cp1252);
    const std::optional<double> rating = readCourseRating(draft.rating);
    if (!rating || *rating < MinCourseRating || *rating > MaxCourseRating) {
        return text::joined(label, ": baneverdi må være et desimaltall "_cp1252, range(10, 90), ", for eksempel 71,3.");
    }
    if (!inRange(draft.slope, MinSlope, MaxSlope))
        return text::joined(label, ": slope må være "_cp1252, range(MinSlope, MaxSlope), ".");
    // The par figure of a tee lies between all holes played as par 3 and all as par 6.
    const int lowPar = course.holes * MinHolePar;
    const int highPar = course.holes * MaxHolePar;
    if (!inRange(draft.par, lowPar, highPar))
        return text::joined(label, ": par må være "_cp1252, range(lowPar, highPar), ".");
    return std::nullopt;
}

std::optional<std::string> checkTees(const CourseDraft& course, int position) {
    const std::string label = courseLabel(course, position);
    if (course.tees.empty()) return text::joined(label, " må ha minst én tee."_cp1252);
    if (course.tees.size() > MaxTees) return text::joined(label, " kan ha høyst 5 tees."_cp1252);
    for (int tee = 0; tee < static_cast<int>(course.tees.size()); ++tee) {
        if (auto failed = checkTee(course, position, tee)) return failed;
    }
    return std::nullopt;
}

// Whether a course other than courses[at] has its name; only those before it when `earlierOnly`.
std::optional<std::string> checkNameFree(std::span<const CourseDraft> courses, std::size_t at, bool earlierOnly) {
    const std::size_t end = earlierOnly ? at : courses.size();
    for (std::size_t j = 0; j < end; ++j) {
        if (j != at && text::sameLettersIgnoringCase(courses[j].name, courses[at].name)) {
            return "To baner heter " + inQuotes(courses[at].name) + ". Gi hver bane sitt eget navn.";
        }
    }
    return std::nullopt;
}

// --- Reading --------------------------------------------------------------------------

// The file at `path`, an empty one when there is none; nothing when it is there but cannot be read.
std::optional<IniFile> readTableFile(const std::string& path) {
    // Only a regular file is read: a pipe or a device would block or never end.
    const files::ReadResult read = files::readRegularFile(path);
    if (read.result) return IniFile(read.contents);
    if (read.result.error == files::FileError::Missing) return IniFile();
    return std::nullopt;
}

// The course rating stays the text the file holds, so the editor shows it as written.
CourseDraft draftOf(const CourseValues& values) {
    CourseDraft course;
    course.name = values.name;
    course.holes = values.holes;
    text::scanInts(values.parList, course.par.data(), MaxHoles);
    text::scanInts(values.indexList, course.index.data(), MaxHoles);
    for (int tee = 0; tee < values.teeCount; ++tee) {
        const CourseValues::Tee& read = values.tees[tee];
        course.tees.push_back({std::string(read.name), std::string(read.rating), read.slope, read.par});
    }
    return course;
}

// --- Writing --------------------------------------------------------------------------

// The reader takes a course rating with a point only.
std::string storedRating(std::string_view typed) {
    std::string rating(trimmed(typed));
    std::replace(rating.begin(), rating.end(), ',', '.');
    return rating;
}

void removeTeeKeys(IniFile& file, const std::string& section, int number) {
    for (std::string_view word : TeeKeys) file.removeKey(section, numbered(word, number));
}

void putCourse(IniFile& file, const CourseDraft& course, int number) {
    const std::string section = numbered("Pitch", number);
    const int holes = std::clamp(course.holes, 0, MaxHoles);
    const int tees = std::min(static_cast<int>(course.tees.size()), MaxTees);
    file.setValue(section, "Holes", text::formatInt(course.holes));
    file.setValue(section, "Par", holeList(course.par, holes));
    file.setValue(section, "Index", holeList(course.index, holes));
    file.setValue(section, "NumberOfTees", text::formatInt(tees));
    for (int tee = 0; tee < tees; ++tee) {
        const TeeDraft& draft = course.tees[tee];
        file.setValue(section, numbered("Tee", tee + 1), draft.name);
        file.setValue(section, numbered("SlopeValue", tee + 1), text::formatInt(draft.slope));
        file.setValue(section, numbered("ParValue", tee + 1), text::formatInt(draft.par));
        file.setValue(section, numbered("PitchValue", tee + 1), storedRating(draft.rating));
    }
    for (int tee = tees + 1; tee <= MaxTees; ++tee) removeTeeKeys(file, section, tee);
}

// A course position the table no longer uses: its name and its own keys go.
void removeCourse(IniFile& file, int number) {
    const std::string section = numbered("Pitch", number);
    file.removeKey("Pitches", section);
    for (std::string_view key : CourseKeys) file.removeKey(section, key);
    for (int tee = 1; tee <= MaxTees; ++tee) removeTeeKeys(file, section, tee);
    file.removeSectionIfEmpty(section);
}

}  // namespace

std::optional<double> readCourseRating(std::string_view text) {
    const std::string_view number = trimmed(text);
    std::size_t digits = 0;
    while (digits < number.size() && isDigit(number[digits])) ++digits;
    if (digits == 0) return std::nullopt;
    if (digits < number.size()) {
        if (number[digits] != '.' && number[digits] != ',') return std::nullopt;
        const std::string_view fraction = number.substr(digits + 1);
        if (fraction.empty() || !std::all_of(fraction.begin(), fraction.end(), isDigit)) return std::nullopt;
    }
    return text::readDecimal(storedRating(number));
}

std::optional<std::string> checkCourse(const CourseDraft& course, int position) {
    if (auto failed = checkName(course, position)) return failed;
    if (auto failed = checkHoles(course, position)) return failed;
    if (auto failed = checkIndexes(course, position)) return failed;
    return checkTees(course, position);
}

std::optional<std::string> checkCourseTable(std::span<const CourseDraft> courses) {
    if (courses.size() > MaxPitches) return std::string("Banetabellen kan ha høyst 100 baner."_cp1252);
    for (std::size_t i = 0; i < courses.size(); ++i) {
        if (auto failed = checkCourse(courses[i], static_cast<int>(i) + 1)) return failed;
    }
    for (std::size_t i = 0; i < courses.size(); ++i) {
        if (auto failed = checkNameFree(courses, i, true)) return failed;
    }
    return std::nullopt;
}

std::optional<std::string> checkCourseAt(std::span<const CourseDraft> courses, int at) {
    if (auto failed = checkCourse(courses[at], at + 1)) return failed;
    return checkNameFree(courses, static_cast<std::size_t>(at), false);
}

std::optional<std::vector<CourseDraft>> readCourseTable(const std::string& path) {
    const std::optional<IniFile> file = readTableFile(path);
    if (!file) return std::nullopt;
    const CourseTableReader table(*file);
    std::vector<CourseDraft> courses;
    courses.reserve(table.count());
    for (int i = 0; i < table.count(); ++i) courses.push_back(draftOf(table.course(i)));
    return courses;
}

CourseDraft importedCourse(const CPitch& pitch) {
    CourseDraft course;
    course.name = pitch.name;
    course.holes = pitch.holes;
    return course;
}

void putCourseTable(IniFile& file, std::span<const CourseDraft> courses) {
    const int count = std::min(static_cast<int>(courses.size()), MaxPitches);
    // In a new file the sections come in the order the reader's description gives them.
    file.setValue("NumberOfPitches", "Number", text::formatInt(count));
    for (int i = 0; i < count; ++i) file.setValue("Pitches", numbered("Pitch", i + 1), courses[i].name);
    for (int i = 0; i < count; ++i) putCourse(file, courses[i], i + 1);
    for (int number = count + 1; number <= MaxPitches; ++number) removeCourse(file, number);
}

CourseTableWrite writeCourseTable(const std::string& path, std::span<const CourseDraft> courses) {
    if (checkCourseTable(courses)) return CourseTableWrite::Refused;
    std::optional<IniFile> file = readTableFile(path);
    if (!file) return CourseTableWrite::Unreadable;
    putCourseTable(*file, courses);
    return file->writeAtomically(path) ? CourseTableWrite::Written : CourseTableWrite::NotWritten;
}

std::string holeList(const std::array<int, MaxHoles>& values, int holes) {
    std::string list;
    for (int hole = 0; hole < holes; ++hole) {
        if (hole > 0) list += ' ';
        list += text::formatInt(values[hole]);
    }
    return list;
}
