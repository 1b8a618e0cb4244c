#pragma once
// "Registrer gruppe": the players of one group, one row a player, each change stored at once
// and the handicaps worked out at every keystroke in the handicap field: "SH", the course
// handicap the file keeps, and "Spillehcp", the playing handicap with the group's allowance
// that the score card, the board and the prize list use. In a "Par" or "Lag" tournament a
// column "Par" or "Lag" numbers each row's pair or team, and a side playing one ball shows its
// one "Spillehcp" on its first row.

#include <QDialog>
#include <array>

#include "model/Records.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class CRegisterGroupDlg : public QDialog {
    Q_OBJECT
public:
    // `groupPosition` is the position (0..8) of the group to register.
    explicit CRegisterGroupDlg(int groupPosition, QWidget* parent = nullptr);

    int groupPosition() const { return position; }

private:
    void buildForm();
    void connectRow(int row);
    void setTabOrderOfRows();
    void showGroup();
    void showPlayer(int row);
    void disableRow(int row);
    bool hasValidTee() const;
    void warnOfMissingTee();

    // The group edited here, or nullptr for a position outside the nine groups.
    const CPlayGroup* group() const;
    void onHandicapChanged(int row);
    void showPlayingHandicap(int row);
    void showPlayingHandicaps();
    void showSideNumbers();

    int position;
    QGroupBox* groupFrame = nullptr;
    std::array<QLineEdit*, MaxPlayers> firstNameEdits{};
    std::array<QLineEdit*, MaxPlayers> surNameEdits{};
    std::array<QLineEdit*, MaxPlayers> clubEdits{};
    std::array<QLineEdit*, MaxPlayers> hcpEdits{};
    std::array<QLineEdit*, MaxPlayers> shEdits{};
    std::array<QLineEdit*, MaxPlayers> playingHandicapEdits{};
    std::array<QLineEdit*, MaxPlayers> sideEdits{};
    QLabel* sideHeading = nullptr;
    QPushButton* closeButton = nullptr;
};
