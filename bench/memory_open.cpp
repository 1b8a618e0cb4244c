// Opens one file the way the program does, for measuring peak memory with
// /usr/bin/time -v: "tournament <path>" opens a tournament file, "courses <path>" starts
// with that course table, "import <path>" imports players from that file.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "model/CTournament.h"
#include "model/ImportLine.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: memory_open tournament|courses|import PATH\n");
        return 2;
    }
    const std::string_view what = argv[1];
    const std::string path = argv[2];
    if (what == "courses") {
        const CTournament tournament(path);
        std::printf("%d courses kept\n", tournament.pitchCount());
        return 0;
    }
    CTournament tournament("");
    if (what == "tournament") {
        const files::FileResult opened = tournament.load(path);
        std::printf("opened: %s\n", opened ? "yes" : "no");
        return 0;
    }
    const files::ReadResult read = readImportFile(path);
    const ImportCounts counts = read.result ? importPlayers(read.contents, tournament.groups[0]) : ImportCounts{};
    std::printf("read: %s, %lld taken, %lld left out\n", read.result ? "yes" : "no", counts.taken, counts.leftOut);
    return 0;
}
