#pragma once
// One row of the play screen's leaderboard: a field for each of the leaderboard's columns
// (name, class, handicap index, strokes received, total and points), then the 18 hole
// cells coloured against par.

#include <array>
#include <string_view>

#include "model/Records.h"
#include "ui/LeaderboardColumns.h"

class CColorEdit;
class QGridLayout;
class QLineEdit;
class QWidget;

class CLeaderboardRow {
public:
    // Creates the row's fields on `parent` and lays them into `grid` at `gridRow`: the
    // columns' fields from `firstColumn` on, the hole cells after them. `row` (0..4) names the fields.
    CLeaderboardRow(QWidget* parent, QGridLayout* grid, int gridRow, int firstColumn, int row);

    void showPlayer(const CPlayer& player, std::string_view className, const CPitch& pitch);
    // A row without a player: empty fields and grey cells.
    void showEmpty();

private:
    std::array<QLineEdit*, LeaderboardColumns.size()> fields{};
    std::array<CColorEdit*, MaxHoles> cells{};
};
