#pragma once
// The main window "Fernhill": the tournament header form and the hub of the program.
// Every entry is stored into the tournament the moment it changes.

#include <QDialog>
#include <QString>

class CChoiceList;
class QAction;
class QLineEdit;
class QPushButton;
class StatusLine;
class TournamentSession;

class CTournamentDlg : public QDialog {
    Q_OBJECT
public:
    explicit CTournamentDlg(QWidget* parent = nullptr);
    ~CTournamentDlg() override;

public slots:
    // Asks to save first when the tournament changed since it was last saved, opened or made new.
    void reject() override;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The window's menu ("Lukk", "Baner...", the about entry) at `globalPos`.
    void showWindowMenu(const QPoint& globalPos);
    void buildForm();
    QWidget* buildFileButtons();
    QWidget* buildDateFrame();
    QWidget* buildHeaderFrame();
    QWidget* buildCourseFrame();
    QWidget* buildScreenButtons();
    void connectFields();
    void listenToSession();
    void setTabOrderOfForm();
    void fillLists();

    // Copies the bound fields into the window's own texts; every change handler does it first.
    void copyBoundFields();
    void onNameChanged();
    void onDatePartChanged(const QLineEdit* edit, void (TournamentSession::*store)(int));
    void onGroupCountChanged();
    // Run when the focus moves from `old` to `now`: leaving the three date fields for another
    // widget, a complete date the calendar lacks is pointed out (it is stored as typed).
    void onFocusChanged(const QWidget* old, const QWidget* now);
    bool isDateField(const QWidget* widget) const;
    void warnOfMissingDate();
    void onCoursePicked(int index);
    void onTypePicked(int index);

    void openTournament();
    // Opens the tournament file at `path`, `shownName` naming it in the questions; a file that
    // is not there offers the list of saved tournaments instead.
    void openTournamentFile(const std::string& path, const QString& shownName);
    // The saved tournaments to pick one from, with `notFound`, the name typed, said above them.
    void pickTournament(const QString& notFound);
    // "N tegn kunne ikke leses og ble erstattet med «?»." for a file just read.
    void warnOfWhatTheFileLacked();
    void warnOfReplacedCharacters(std::size_t count);
    // Saves as "Lagre turneringen" does; false, after telling the user why, when it did not.
    bool saveTournament();
    bool mayLeaveLiveScoring();
    void startNewTournament();
    void writeStartList();
    void printStartList();
    // "Sommercup[*] – Fernhill", the mark shown while there are unsaved changes.
    void refreshTitle();
    // Tells in the status line what was written and where.
    void showStatus(const QString& done);
    void createGroups();
    void registerGroups();
    void startTournament();
    void openActiveTournament();
    void openSetup();
    void showAbout();
    void openCourseTable();
    // Fills the course list from the tournament's course table, showing the tournament's course.
    void refreshCourseList();

    // False, after telling the user why, when the competition name cannot name the files.
    bool checkNameForFiles();
    void refreshForm();
    void showCourseInformation();

    // The window's own copies of the competition-name and number-of-groups fields.
    QString competitionName;
    QString groupCountText;

    QPushButton* openButton = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* newButton = nullptr;
    QPushButton* startListButton = nullptr;
    QPushButton* printStartListButton = nullptr;
    StatusLine* statusLine = nullptr;
    QLineEdit* dayEdit = nullptr;
    QLineEdit* monthEdit = nullptr;
    QLineEdit* yearEdit = nullptr;
    QLineEdit* nameEdit = nullptr;
    CChoiceList* courseList = nullptr;
    CChoiceList* typeList = nullptr;
    QLineEdit* groupCountEdit = nullptr;
    QPushButton* createGroupsButton = nullptr;
    QLineEdit* ratingEdit = nullptr;
    QLineEdit* slopeEdit = nullptr;
    QLineEdit* courseParEdit = nullptr;
    QLineEdit* holesEdit = nullptr;
    QPushButton* registerButton = nullptr;
    QPushButton* playButton = nullptr;
    QPushButton* setupButton = nullptr;
    QPushButton* exitButton = nullptr;
    QAction* aboutAction = nullptr;
    QAction* coursesAction = nullptr;
    QAction* windowMenuAction = nullptr;
};
