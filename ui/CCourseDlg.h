#pragma once
// The form of one course in the course editor: name, number of holes, par and stroke index
// of each hole (only the played holes can be filled), and up to five tees. "OK" keeps the
// course when it passes its checks and otherwise names the field to mend; "Avbryt" forgets
// the changes, Escape and the close box ask first. Nothing is written to the file here.

#include <QDialog>
#include <array>
#include <vector>

#include "model/CourseTableFile.h"

class QLabel;
class QLineEdit;

class CCourseDlg : public QDialog {
    Q_OBJECT
public:
    // Shows courses[at]; the other courses are there so that no two get one name.
    CCourseDlg(std::vector<CourseDraft> courses, int at, QWidget* parent = nullptr);

    // The course as the fields hold it; a tee row with every field empty is no tee.
    CourseDraft course() const;

    // Escape and the close box: changes typed into the form are forgotten only when the
    // organiser says so.
    void reject() override;

private:
    struct TeeRow {
        QLineEdit* name;
        QLineEdit* rating;
        QLineEdit* slope;
        QLineEdit* par;
    };

    QWidget* buildCourseFrame();
    QWidget* buildTeeFrame();
    void showCourse(const CourseDraft& course);
    void enablePlayedHoles();
    void showParSum();
    void acceptIfValid();

    std::vector<CourseDraft> courses;
    int at;
    // The course as the form showed it on opening, to tell whether anything was typed.
    CourseDraft opened;
    bool cancelPressed = false;
    QLineEdit* nameEdit = nullptr;
    QLineEdit* holesEdit = nullptr;
    std::array<QLineEdit*, MaxHoles> parEdits{};
    std::array<QLineEdit*, MaxHoles> indexEdits{};
    QLabel* parSumLabel = nullptr;
    std::array<TeeRow, MaxTees> teeRows{};
};
