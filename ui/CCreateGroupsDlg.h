#pragma once
// "Opprett grupper": one row a group with its class, name, play form, handicap allowance,
// number of players, tee and (pairs and teams only) format, and below the rows the prizes of an
// individual tournament: the index limits of the handicap classes and the best-gross prize.
// Every pick and keystroke is stored into the group at once; the limits when the field is left.

#include <QDialog>
#include <array>

#include "model/Records.h"

class CChoiceList;
class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

class CCreateGroupsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CCreateGroupsDlg(QWidget* parent = nullptr);

protected:
    // Limits typed and not yet left are taken too when the window closes, Escape included.
    void done(int result) override;

private:
    void buildForm();
    void buildRow(int row, QGridLayout* grid, QWidget* frame);
    QWidget* buildPrizeSettings();
    void connectRow(int row);
    void fillLists();
    void showGroups();
    void showGroup(int row);
    void disableRow(int row);

    void onNameChanged(int row);
    void onPlayerCountChanged(int row);
    void onHcpLimitsEdited();
    void showPrizeSettings();

    // Row k of every column edits group k (counted from 0).
    std::array<CChoiceList*, MaxGroups> classLists{};
    std::array<QLineEdit*, MaxGroups> nameEdits{};
    std::array<CChoiceList*, MaxGroups> playFormLists{};
    std::array<CChoiceList*, MaxGroups> allowanceLists{};
    std::array<QLineEdit*, MaxGroups> playerCountEdits{};
    std::array<CChoiceList*, MaxGroups> teeLists{};
    std::array<CChoiceList*, MaxGroups> formatLists{};
    QLineEdit* hcpLimitsEdit = nullptr;
    QCheckBox* grossPrizeBox = nullptr;
    QPushButton* closeButton = nullptr;
};
