#pragma once
// A tournament without a course table and a scratch folder for the list writers' files.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "TempFolder.h"
#include "model/CTournament.h"

class ListTest : public ::testing::Test {
protected:
    // The course table path lies in a folder that does not exist, so the table stays empty.
    ListTest() : tournament(folder.file("config/none.ini")) {}

    std::string pathOf(std::string_view fileName) const { return folder.file(fileName); }
    static std::string readBytes(const std::string& path) { return TempFolder::read(path); }

    void setHeader(const std::string& name, int day, int month, int year) {
        tournament.name = name;
        tournament.day = day;
        tournament.month = month;
        tournament.year = year;
    }

    // The next group in use, with its class and play form.
    CPlayGroup& addGroup(int groupClass, int playForm) {
        CPlayGroup& group = tournament.groups[tournament.numberOfGroups++];
        group.groupClass = groupClass;
        group.playForm = playForm;
        return group;
    }

    // The next player of `group`, with strokes on holes 1, 2, ... as given.
    static CPlayer& addPlayer(CPlayGroup& group, const std::string& firstName, const std::string& surName,
                              std::initializer_list<int> strokes = {}) {
        CPlayer& player = group.players[group.noOfPlayers++];
        player.firstName = firstName;
        player.surName = surName;
        int hole = 0;
        for (int s : strokes) player.results[hole++] = s;
        return player;
    }

    const TempFolder folder;
    CTournament tournament;
};

// Pairs, teams and classes on three holes of par 4, stroke index in hole order, one tee of slope
// 113 whose rating is its par: on so short a course half the index plays, so an index of 4.0
// receives a stroke on holes 1 and 2.
class SideListTest : public ListTest {
protected:
    SideListTest() {
        CPitch& pitch = tournament.pitch;
        pitch.name = "Kortbanen";
        pitch.holes = 3;
        pitch.par = {4, 4, 4};
        pitch.index = {1, 2, 3};
        pitch.numberOfTees = 1;
        pitch.slopeValue[0] = 113;
        pitch.parValue[0] = 12;
        pitch.pitchValue[0] = 12.0f;
    }
    CPlayGroup& group(const char* type, int format, int groupClass, int playForm, const std::string& name = "") {
        tournament.type = type;
        CPlayGroup& result = addGroup(groupClass, playForm);
        result.format = format;
        result.groupName = name;
        return result;
    }
    static void player(CPlayGroup& g, const std::string& first, float hcp, std::initializer_list<int> strokes,
                       const std::string& sur = "By") {
        addPlayer(g, first, sur, strokes).hcp = hcp;
    }
};
