#pragma once
// "Oppsett...": the maintenance hub for players and courses outside a tournament. The
// registration and import buttons open their screens modally; the two save buttons do
// nothing. The courses a course import reads go on to the course editor.
// Nothing in the program opens this screen today; it is kept as the hub of the maintenance
// screens behind the main window's "Oppsett...", which stays disabled.

#include <QDialog>

class QPushButton;

class CSetupDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSetupDlg(QWidget* parent = nullptr);

private:
    // Runs a screen of type Dialog modally over this one and destroys it when it closes.
    template <typename Dialog>
    void openModal();
    // The course import, then the course editor with the courses it read, when it read any.
    void importPitches();

    QPushButton* registerPlayersButton;
    QPushButton* savePlayersButton;
    QPushButton* importPlayersButton;
    QPushButton* registerPitchesButton;
    QPushButton* savePitchesButton;
    QPushButton* importPitchesButton;
};
