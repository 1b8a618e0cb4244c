#pragma once
// "Registrer alle gruppene": one button a group position A..I, each opening the register
// group screen for its group, and "Scorekort", which writes every player's score card.

#include <QDialog>
#include <array>

#include "model/Records.h"

class QPushButton;
class StatusLine;

class CRegisterAllGroupsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CRegisterAllGroupsDlg(QWidget* parent = nullptr);

private:
    void buildForm();
    void showGroups();
    void registerGroup(int position);
    void writeScoreCards();
    void printScoreCards();
    // False, after saying why, when the tournament has no cards to make.
    bool hasCardsToMake();

    std::array<QPushButton*, MaxGroups> groupButtons{};
    QPushButton* scoreCardButton = nullptr;
    QPushButton* printButton = nullptr;
    StatusLine* statusLine = nullptr;
    QPushButton* closeButton = nullptr;
};
