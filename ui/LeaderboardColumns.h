#pragma once
// The columns of the play screen's leaderboard, described once: the screen lays out its
// headings and its input row from this list, and every leaderboard row its fields, so a new
// column is one entry here. The 18 hole cells follow the columns.

#include <QString>
#include <QStringView>
#include <Qt>
#include <array>
#include <string_view>

struct CPlayer;

enum class BoardColumn { Player, Class, Hcp, Received, Total, Points };

struct LeaderboardColumn {
    BoardColumn id;
    QStringView heading;
    // Names the column's fields: "board<name><row>" on the leaderboard, "input<name>" in the input row.
    const char* name;
    int width;
    Qt::Alignment alignment;
    // The input row shows this column too, for the chosen player.
    bool inInputRow;
    // What a row shows for `player` of a group of class `className`.
    QString (*text)(const CPlayer& player, std::string_view className);
};

extern const std::array<LeaderboardColumn, 6> LeaderboardColumns;

// Position of `id` in LeaderboardColumns.
int columnIndex(BoardColumn id);

// Hole cells: narrow fixed widths keep the 18 holes in straight columns that read at a glance.
inline constexpr int HoleCellWidth = 30;
