#include "model/SavedTournaments.h"

#include <algorithm>
#include <string_view>
#include <tuple>

#include "ini/IniFile.h"
#include "ini/IniSyntax.h"

namespace {

bool isTournamentFileName(std::string_view name) {
    constexpr std::string_view Suffix = ".ini";
    // Hidden files are leftovers of interrupted writes, never a tournament of the organiser's.
    return name.size() > Suffix.size() && name.front() != '.' && name.ends_with(Suffix);
}

bool holdsTournament(const IniFile& file) {
    bool found = false;
    file.forEachValue("Tournament", [&found](std::string_view key, std::string_view) {
        if (ini::sameName(key, "Name") || ini::sameName(key, "NumberOfGroups")) found = true;
    });
    return found;
}

SavedTournament readSaved(const std::string& folder, const std::string& fileName) {
    SavedTournament saved;
    saved.file = fileName;
    saved.path = folder + '/' + fileName;
    const files::ReadResult read = files::readRegularFile(saved.path);
    if (!read.result) return saved;
    const IniFile file(read.contents);
    if (!holdsTournament(file)) return saved;
    saved.readable = true;
    saved.name = file.textValue("Tournament", "Name");
    saved.day = file.intValue("Tournament", "Day");
    saved.month = file.intValue("Tournament", "Month");
    saved.year = file.intValue("Tournament", "Year");
    saved.course = file.textValue("Pitch", "Name");
    return saved;
}

}  // namespace

SavedTournamentList savedTournaments(const std::string& folder) {
    SavedTournamentList list;
    files::FolderListing listing = files::listFiles(folder);
    if (!listing.result && listing.result.error != files::FileError::Missing) list.result = listing.result;
    std::vector<files::FolderEntry>& entries = listing.files;
    std::erase_if(entries, [](const files::FolderEntry& entry) { return !isTournamentFileName(entry.name); });
    // Newest first; files written in the same tick by name, so the order never wobbles.
    std::sort(entries.begin(), entries.end(), [](const files::FolderEntry& a, const files::FolderEntry& b) {
        return std::tie(b.modified, a.name) < std::tie(a.modified, b.name);
    });
    for (const files::FolderEntry& entry : entries) list.tournaments.push_back(readSaved(folder, entry.name));
    return list;
}
