#include "ui/LeaderboardColumns.h"

#include "model/Records.h"
#include "print/TextCodec.h"
#include "scoring/Handicap.h"
#include "scoring/HoleScore.h"
#include "text/Text.h"

namespace {

constexpr int PlayerWidth = 170;
constexpr int ClassWidth = 60;
constexpr int FigureWidth = 48;

QString playerName(const CPlayer& player, std::string_view) { return toQString(player.text()); }
QString playerClass(const CPlayer&, std::string_view className) { return toQString(className); }
QString handicapIndex(const CPlayer& player, std::string_view) { return toQString(text::formatFixed1(player.hcp)); }
QString strokesReceived(const CPlayer& player, std::string_view) { return toQString(formatPlayingHandicap(player.sh)); }
QString totalStrokes(const CPlayer& player, std::string_view) { return numberText(player.totalStrokes()); }
QString points(const CPlayer& player, std::string_view) { return numberText(playerPoints(player)); }

}  // namespace

const std::array<LeaderboardColumn, 6> LeaderboardColumns{{
    {BoardColumn::Player, u"Spiller", "Player", PlayerWidth, Qt::AlignLeft, false, playerName},
    {BoardColumn::Class, u"Klasse", "Class", ClassWidth, Qt::AlignCenter, true, playerClass},
    {BoardColumn::Hcp, u"Hcp", "Hcp", FigureWidth, Qt::AlignCenter, true, handicapIndex},
    {BoardColumn::Received, u"Tildelte slag", "Received", FigureWidth, Qt::AlignCenter, true, strokesReceived},
    {BoardColumn::Total, u"Slag", "Total", FigureWidth, Qt::AlignCenter, true, totalStrokes},
    {BoardColumn::Points, u"Poeng", "Points", FigureWidth, Qt::AlignCenter, false, points},
}};

int columnIndex(BoardColumn id) {
    for (std::size_t i = 0; i < LeaderboardColumns.size(); ++i) {
        if (LeaderboardColumns[i].id == id) return static_cast<int>(i);
    }
    return -1;
}
