#pragma once
// The tournaments saved in the data folder, for a list to pick one from.

#include <string>
#include <vector>

#include "ini/FileSystem.h"

struct SavedTournament {
    std::string path;  // "<folder>/<file>.ini", UTF-8
    std::string file;  // the file's name, UTF-8
    // As the file stores them (Windows-1252); empty when it cannot be read.
    std::string name;
    int day = 0;
    int month = 0;
    int year = 0;
    std::string course;
    // False for a file that cannot be read or holds no tournament.
    bool readable = false;
};

struct SavedTournamentList {
    std::vector<SavedTournament> tournaments;
    // Why the folder could not be listed; a missing folder lists nothing and is no failure.
    files::FileResult result;
};

// Every "*.ini" directly in `folder` (so no copy kept in a subfolder), newest file first. A
// file is a tournament when its "[Tournament]" section holds "Name" or "NumberOfGroups".
SavedTournamentList savedTournaments(const std::string& folder);
