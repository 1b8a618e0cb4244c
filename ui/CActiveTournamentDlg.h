#pragma once
// "Aktiv turnering": the screen used during play. The organiser picks a group, sees its
// first five players by total strokes as a leaderboard coloured against par, picks a
// player and types the strokes hole by hole; every keystroke is stored at once and the
// leaderboard is redrawn at once.

#include <QDialog>
#include <QPointer>
#include <array>
#include <string>
#include <vector>

#include "model/Records.h"
#include "ui/CLeaderboardRow.h"

class CClubhouseBoardDlg;
class CColorStatic;
class QButtonGroup;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;
class CTournament;

class CActiveTournamentDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int LeaderboardRows = 5;

    explicit CActiveTournamentDlg(QWidget* parent = nullptr);

    int shownGroup() const { return currentGroup; }
    const CPlayer* playerBeingEdited() const { return chosenPlayer; }
    // The clubhouse board opened from this screen, or nullptr.
    CClubhouseBoardDlg* clubhouseBoard() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillScoreAreaWithFrameTint();
    void buildForm();
    QGroupBox* buildGroupChoice();
    void buildHeadings(QGridLayout* grid);
    void buildLeaderboard(QGridLayout* grid);
    void buildCourseRows(QGridLayout* grid);
    void buildInputRows(QGridLayout* grid);
    QWidget* buildButtons();
    void showCourse();
    void showGroupCaptions();

    void onGroupChosen(int g);
    void clearInputRow();
    void fillPlayerList();
    void refreshGroupView();
    void onPlayerChosen(int position);
    void onHoleChanged(int k);
    // The stroke typed into hole field k, as the hole field reads it.
    int holeEntry(int k) const;
    void onStrokesStored(int group, int player, int hole);
    void showEntryTotal();
    // The input row's fields show the chosen player's figures, or nothing when none is chosen.
    void showInputRow();
    void onResultList();
    void openClubhouseBoard();
    void openMobileScoring();

    const CTournament& tournament;
    int currentGroup = 0;
    // The player whose strokes the input row edits, a player of the group shown, and his
    // position in it; nullptr and -1 until one is chosen.
    const CPlayer* chosenPlayer = nullptr;
    int chosenPosition = -1;
    int chosenClass() const;
    std::array<std::string, MaxPlayers> playerNames;
    // While a chosen player's strokes are written into the hole fields, the leaderboard
    // is redrawn once at the end instead of once per field.
    bool fillingHoleFields = false;
    // The hole the organiser is editing while the edit is stored: its field keeps what is typed
    // even where the phones' stroke stands again (a cleared field), so typing is never undone.
    int holeBeingTyped = -1;

    QGroupBox* playFrame = nullptr;
    QWidget* scoreArea = nullptr;
    std::array<QRadioButton*, MaxGroups> groupRadios{};
    QButtonGroup* groupButtons = nullptr;
    QLabel* hcpHeading = nullptr;
    std::vector<CLeaderboardRow> boardRows;
    CColorStatic* courseLabel = nullptr;
    QLabel* parTotalLabel = nullptr;
    std::array<QLabel*, MaxHoles> parLabels{};
    std::array<QLabel*, MaxHoles> indexLabels{};
    QComboBox* playerCombo = nullptr;
    // The input row's field of each leaderboard column it repeats (nullptr for the others).
    std::array<QLineEdit*, LeaderboardColumns.size()> inputFields{};
    std::array<QLineEdit*, MaxHoles> holeEdits{};
    QLabel* allocationLabel = nullptr;
    std::array<QLabel*, MaxHoles> allocationLabels{};
    QPushButton* resultListButton = nullptr;
    QPushButton* boardButton = nullptr;
    QPushButton* mobileButton = nullptr;
    QPointer<CClubhouseBoardDlg> board;
    QPushButton* closeButton = nullptr;
};
