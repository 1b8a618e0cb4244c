// Reading import files: no input reads outside its lines or overflows a record, every
// name taken is one word within the limit, and every non-empty line is either taken or
// counted as left out.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "model/ImportLine.h"

namespace {

void require(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

bool isOneWord(std::string_view word) {
    return !word.empty() && word.size() <= MaxImportWordLength &&
           word.find_first_of(std::string_view(" \t\n\v\f\r\0", 7)) == std::string_view::npos;
}

long long checkLines(std::string_view input) {
    long long nonEmpty = 0;
    for (std::string_view line : splitImportLines(input)) {
        require(line.data() >= input.data() && line.data() + line.size() <= input.data() + input.size(),
                "a line lies outside the input");
        require(line.find_first_of("\r\n") == std::string_view::npos, "a line holds a line end");
        if (isEmptyImportLine(line)) continue;
        ++nonEmpty;
        if (const auto player = parsePlayerLine(line)) {
            require(isOneWord(player->firstName) && isOneWord(player->surName), "a player name is not one word");
            require(line.size() <= MaxImportLineLength, "an overlong line gave a player");
        }
        if (const auto pitch = parsePitchLine(line)) {
            require(isOneWord(pitch->name), "a course name is not one word");
            require(line.size() <= MaxImportLineLength, "an overlong line gave a course");
        }
    }
    return nonEmpty;
}

void checkImports(std::string_view input, long long nonEmpty, int playersBefore) {
    CPlayGroup group;
    group.noOfPlayers = playersBefore;
    const ImportCounts players = importPlayers(input, group);
    require(players.taken + players.leftOut == nonEmpty, "player lines neither taken nor left out");
    require(group.noOfPlayers == playersBefore + players.taken && group.noOfPlayers <= MaxPlayers,
            "the player count does not match the players taken");

    std::array<CPitch, MaxPitches> table{};
    const ImportCounts pitches = importPitches(input, table);
    require(pitches.taken + pitches.leftOut == nonEmpty, "course lines neither taken nor left out");
    require(pitches.taken <= MaxPitches, "more courses taken than the table holds");
    for (long long i = 0; i < pitches.taken; ++i) require(isOneWord(table[i].name), "a taken course has no name");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const long long nonEmpty = checkLines(withoutByteOrderMark(input));
    checkImports(input, nonEmpty, size > 0 ? data[0] % (MaxPlayers + 1) : 0);
    return 0;
}
