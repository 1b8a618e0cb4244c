#pragma once
// "Registrer alle gruppene": one button a group position A..I, each opening the register
// group screen for its group, and "Scorekort", which writes every player's score card.

#include <QDialog>
#include <array>

#include "model/Records.h"

class QPushButton;

class CRegisterAllGroupsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CRegisterAllGroupsDlg(QWidget* parent = nullptr);

private:
    void buildForm();
    void showGroups();
    void registerGroup(int position);
    void writeScoreCards();

    std::array<QPushButton*, MaxGroups> groupButtons{};
    QPushButton* scoreCardButton = nullptr;
    QPushButton* closeButton = nullptr;
};
