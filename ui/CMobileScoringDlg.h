#pragma once
// "Mobilregistrering": starts and stops the scoring service inside the program, shows where the
// phones reach it and, per group in use, its code and the QR code of its page (large enough to
// scan from the screen), with "Ny kode" for a code gone astray; lists the holes in conflict.

#include <QDialog>
#include <array>

#include "model/Records.h"

class QGridLayout;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

class CMobileScoringDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int QrPixels = 180;

    explicit CMobileScoringDlg(QWidget* parent = nullptr);

    QPushButton* startStopButton() const { return startStop; }
    QListWidget* conflictList() const { return conflicts; }
    // The link group `group`'s QR code shows; empty while the service is stopped.
    QString shownLink(int group) const;

private:
    struct GroupTile {
        QGroupBox* box = nullptr;
        QLabel* qr = nullptr;
        QLabel* code = nullptr;
        QLabel* link = nullptr;
        QPushButton* newCode = nullptr;
    };

    void buildForm();
    QWidget* buildGroupTiles();
    void listenToSession();
    void startOrStop();
    void askForNewCode(int group);
    void refreshAll();
    void showState();
    void showGroups();
    void showGroup(int group);
    void showConflicts();

    QLabel* stateLabel = nullptr;
    QLabel* addressLabel = nullptr;
    QPushButton* startStop = nullptr;
    std::array<GroupTile, MaxGroups> tiles{};
    QListWidget* conflicts = nullptr;
    QPushButton* closeButton = nullptr;
};
