#pragma once
// "Baner": the club's course table. Lists the courses of the course table file; "Ny bane",
// "Endre" and "Slett" change the list, "Importer baner..." adds the courses of an import
// file as new ones to complete, and "Lagre" checks the whole table and writes the file.
// Nothing reaches the file or the tournament before "Lagre"; closing with changes not
// saved asks first.

#include <QDialog>
#include <vector>

#include "model/CourseTableFile.h"

class QLabel;
class QPushButton;
class QTreeWidget;

class CCourseTableDlg : public QDialog {
    Q_OBJECT
public:
    // Reads the course table file of the tournament; `newCourses` are listed behind its
    // courses as new, not yet saved (those of the course import).
    explicit CCourseTableDlg(QWidget* parent = nullptr, const std::vector<CourseDraft>& newCourses = {});

    // Lists `newCourses` behind the others as new; a course whose name the list already has
    // is left out, and the organiser is told how many were.
    void addNewCourses(const std::vector<CourseDraft>& newCourses);

protected:
    void reject() override;

private:
    enum class State { Saved, New, Changed };

    void buildForm();
    void showList(int current);
    int currentCourse() const;
    void updateButtons();
    void setUnsaved(bool value);

    void addCourse();
    void changeCourse();
    void deleteCourse();
    void importCourses();
    bool save();
    // Opens the form on courses[at] (or a new course for at == size) and keeps what it gives.
    void editCourse(int at, CourseDraft start, State state);

    std::vector<CourseDraft> courses;
    std::vector<State> states;
    bool tableReadable = true;
    bool unsaved = false;

    QTreeWidget* courseList = nullptr;
    QPushButton* newButton = nullptr;
    QPushButton* changeButton = nullptr;
    QPushButton* deleteButton = nullptr;
    QPushButton* importButton = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* closeButton = nullptr;
    QLabel* stateLabel = nullptr;
};
