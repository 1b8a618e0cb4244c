#pragma once
// "Registrer alle gruppene": one button a group position A..I, each opening the register
// group screen for its group.

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

    std::array<QPushButton*, MaxGroups> groupButtons{};
    QPushButton* closeButton = nullptr;
};
