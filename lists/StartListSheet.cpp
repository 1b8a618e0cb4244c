#include "lists/StartListSheet.h"

#include <optional>

#include "lists/Lists.h"
#include "model/CTournament.h"
#include "scoring/Handicap.h"
#include "text/Text.h"

namespace {

StartListPlayer startListPlayer(const CTournamentInfo& tournament, const CPlayGroup& group, const CPlayer& player) {
    const std::optional<int> playing = playingHandicapOf(tournament, group, player);
    return {text::withoutLineBreaks(player.text()), text::withoutLineBreaks(player.club),
            text::formatFixed1(player.hcp), playing ? text::formatInt(*playing) : std::string()};
}

std::string teeName(const CPitch& pitch, int tee) {
    return tee >= 0 && tee < pitch.teeCount() ? text::withoutLineBreaks(pitch.teeNameAt(tee)) : std::string();
}

}  // namespace

StartListDocument startListDocument(const CTournamentInfo& tournament) {
    StartListDocument document;
    document.tournament = text::withoutLineBreaks(tournament.name);
    document.date = listDateText(tournament);
    document.course = text::withoutLineBreaks(tournament.pitch.name);
    for (int g = 0; g < tournament.groupsInUse(); ++g) {
        const CPlayGroup& group = tournament.groups[g];
        StartListGroup shown{static_cast<char>('A' + g),
                             text::withoutLineBreaks(group.groupName),
                             std::string(className(group.groupClass)),
                             std::string(playFormName(group.playForm)),
                             teeName(tournament.pitch, group.tee),
                             {}};
        for (int p = 0; p < group.playerCount(); ++p)
            shown.players.push_back(startListPlayer(tournament, group, group.players[p]));
        document.groups.push_back(std::move(shown));
    }
    return document;
}
