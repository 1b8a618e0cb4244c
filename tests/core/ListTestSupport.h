#pragma once
// A tournament without a course table and a scratch folder for the list writers' files.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <random>
#include <string>

#include "model/CTournament.h"

class ListTest : public ::testing::Test {
protected:
    // The course table path lies in a folder that does not exist, so the table stays empty.
    ListTest() : tournament((folder / "config" / "none.ini").string()) {}
    ~ListTest() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    std::string pathOf(const std::string& fileName) const { return (folder / fileName).string(); }

    static std::string readBytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

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

    static std::filesystem::path makeFolder() {
        std::random_device random;
        auto folder = std::filesystem::temp_directory_path() / ("teebrook-lists-" + std::to_string(random()));
        std::filesystem::create_directories(folder);
        return folder;
    }

    const std::filesystem::path folder = makeFolder();
    CTournament tournament;
};
