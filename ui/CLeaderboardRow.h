#pragma once
// One row of the play screen's leaderboard: a player's name, class, handicap index,
// strokes received, total and points, then the 18 hole cells coloured against par.

#include <QString>
#include <array>
#include <string_view>

#include "model/Records.h"

class CColorEdit;
class QGridLayout;
class QLineEdit;
class QWidget;

class CLeaderboardRow {
public:
    // Creates the row's fields on `parent` and lays them into `grid` at `gridRow`: the six
    // figures from `firstColumn` on, the hole cells after them. `row` (0..4) names the fields.
    CLeaderboardRow(QWidget* parent, QGridLayout* grid, int gridRow, int firstColumn, int row);

    void showPlayer(const CPlayer& player, std::string_view className, const CPitch& pitch);
    // A row without a player: empty fields and grey cells.
    void showEmpty();

private:
    QLineEdit* player;
    QLineEdit* groupClass;
    QLineEdit* hcp;
    QLineEdit* received;
    QLineEdit* total;
    QLineEdit* points;
    std::array<CColorEdit*, MaxHoles> cells{};
};
