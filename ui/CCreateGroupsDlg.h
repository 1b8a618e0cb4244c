#pragma once
// "Opprett grupper": one row a group with its class, name, play form, handicap allowance,
// number of players and tee. Every pick and keystroke is stored into the group at once.

#include <QDialog>
#include <array>

#include "model/Records.h"

class CChoiceList;
class QGridLayout;
class QLineEdit;
class QPushButton;

class CCreateGroupsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CCreateGroupsDlg(QWidget* parent = nullptr);

private:
    void buildForm();
    void buildRow(int row, QGridLayout* grid, QWidget* frame);
    void connectRow(int row);
    void fillLists();
    void showGroups();
    void showGroup(int row);
    void disableRow(int row);

    void onNameChanged(int row);
    void onPlayerCountChanged(int row);

    // Row k of every column edits group k (counted from 0).
    std::array<CChoiceList*, MaxGroups> classLists{};
    std::array<QLineEdit*, MaxGroups> nameEdits{};
    std::array<CChoiceList*, MaxGroups> playFormLists{};
    std::array<CChoiceList*, MaxGroups> allowanceLists{};
    std::array<QLineEdit*, MaxGroups> playerCountEdits{};
    std::array<CChoiceList*, MaxGroups> teeLists{};
    QPushButton* closeButton = nullptr;
};
