#pragma once
// The start list the starter holds: per group its name (the start time, as clubs use it),
// class, play form and tee, and each player with club, HCP and Spillehcp. The rows a printed
// page lays out; texts are Windows-1252.

#include <string>
#include <vector>

struct CTournamentInfo;

struct StartListPlayer {
    std::string name;
    std::string club;
    std::string hcp;              // "12.4"
    std::string playingHandicap;  // empty without a tee of the course
};

struct StartListGroup {
    char position = 'A';  // the group's place A..I
    std::string name;
    std::string className;
    std::string playForm;
    std::string tee;  // empty when the course lacks the group's tee
    std::vector<StartListPlayer> players;
};

struct StartListDocument {
    std::string tournament;
    std::string date;    // "14 Juni 2026"
    std::string course;  // the course's name
    std::vector<StartListGroup> groups;
};

// The groups in use, in their order, with their players in registration order.
StartListDocument startListDocument(const CTournamentInfo& tournament);
