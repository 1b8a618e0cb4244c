#include "ui/CCourseTableDlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/CTournamentApp.h"
#include "print/TextCodec.h"
#include "ui/Artwork.h"
#include "ui/CCourseDlg.h"
#include "ui/CImportPitchesDlg.h"
#include "ui/Controls.h"
#include "ui/MessageBox.h"

namespace {

const QString UnreadableMessage = QStringLiteral(
    "Banetabellen (config/TeebrookConfig.ini) kunne ikke leses, så den kan ikke endres her.");
const QString NotWrittenMessage = QStringLiteral(
    "Banetabellen kunne ikke lagres. Filen config/TeebrookConfig.ini er som før.");
const QString UnsavedQuestion = QStringLiteral("Endringene i banene er ikke lagret. Vil du lagre dem?");
const QString LeftOutPattern = QStringLiteral(
    "%1 av de importerte banene finnes allerede i listen og ble ikke lagt til.");
const QString UnsavedText = QStringLiteral("Endringene er ikke lagret.");
const QString SavedText = QStringLiteral("Banetabellen er lagret.");

QString teeNames(const CourseDraft& course) {
    QStringList names;
    for (const TeeDraft& tee : course.tees) names << toQString(tee.name);
    return names.join(QStringLiteral(", "));
}

// Letter case does not make two course names differ (as the checks say).
bool sameName(const CourseDraft& a, const CourseDraft& b) {
    return toQString(a.name).compare(toQString(b.name), Qt::CaseInsensitive) == 0;
}

}  // namespace

CCourseTableDlg::CCourseTableDlg(QWidget* parent, const std::vector<CourseDraft>& newCourses) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Baner"));
    setWindowIcon(teebrookIcon());
    buildForm();
    if (std::optional<std::vector<CourseDraft>> table = readCourseTable(theTournament().configFile)) {
        courses = std::move(*table);
    } else {
        tableReadable = false;
        stateLabel->setText(UnreadableMessage);
    }
    states.assign(courses.size(), State::Saved);
    if (tableReadable) addNewCourses(newCourses);
    showList(0);
    layout()->activate();
}

void CCourseTableDlg::buildForm() {
    courseList = new QTreeWidget(this);
    courseList->setObjectName(QStringLiteral("courseList"));
    courseList->setHeaderLabels(
        {QStringLiteral("Bane"), QStringLiteral("Hull"), QStringLiteral("Tees"), QStringLiteral("Status")});
    courseList->setRootIsDecorated(false);
    courseList->setAllColumnsShowFocus(true);
    courseList->setMinimumSize(courseList->fontMetrics().averageCharWidth() * 80,
                               courseList->fontMetrics().height() * 14);
    courseList->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    courseList->header()->setStretchLastSection(false);

    auto* buttons = new QVBoxLayout;
    addButtons(buttons, this,
               {{QStringLiteral("Ny bane"), QStringLiteral("newButton"), &newButton},
                {QStringLiteral("Endre"), QStringLiteral("changeButton"), &changeButton},
                {QStringLiteral("Slett"), QStringLiteral("deleteButton"), &deleteButton}});
    buttons->addSpacing(12);
    addButtons(buttons, this,
               {{QStringLiteral("Importer baner..."), QStringLiteral("importButton"), &importButton}, Stretch});
    auto* middle = new QHBoxLayout;
    middle->addWidget(courseList, 1);
    middle->addLayout(buttons);

    stateLabel = new QLabel(this);
    stateLabel->setObjectName(QStringLiteral("stateLabel"));
    stateLabel->setWordWrap(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(stateLabel, 1);
    addButtons(bottom, this,
               {{QStringLiteral("Lagre"), QStringLiteral("saveButton"), &saveButton},
                {QStringLiteral("Lukk"), QStringLiteral("closeButton"), &closeButton}});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(middle);
    layout->addLayout(bottom);

    connect(newButton, &QPushButton::clicked, this, &CCourseTableDlg::addCourse);
    connect(changeButton, &QPushButton::clicked, this, &CCourseTableDlg::changeCourse);
    connect(deleteButton, &QPushButton::clicked, this, &CCourseTableDlg::deleteCourse);
    connect(importButton, &QPushButton::clicked, this, &CCourseTableDlg::importCourses);
    connect(saveButton, &QPushButton::clicked, this, &CCourseTableDlg::save);
    connect(closeButton, &QPushButton::clicked, this, &CCourseTableDlg::reject);
    connect(courseList, &QTreeWidget::itemDoubleClicked, this, &CCourseTableDlg::changeCourse);
    connect(courseList, &QTreeWidget::currentItemChanged, this, &CCourseTableDlg::updateButtons);
}

void CCourseTableDlg::showList(int current) {
    courseList->clear();
    for (std::size_t i = 0; i < courses.size(); ++i) {
        const CourseDraft& course = courses[i];
        auto* item = new QTreeWidgetItem(courseList);
        item->setText(0, toQString(course.name));
        item->setText(1, numberText(course.holes));
        item->setText(2, teeNames(course));
        if (states[i] == State::New) item->setText(3, QStringLiteral("Ny, ikke lagret"));
        if (states[i] == State::Changed) item->setText(3, QStringLiteral("Endret, ikke lagret"));
    }
    for (int column = 1; column < 4; ++column) courseList->resizeColumnToContents(column);
    if (!courses.empty()) {
        courseList->setCurrentItem(courseList->topLevelItem(std::clamp(current, 0, int(courses.size()) - 1)));
    }
    updateButtons();
}

int CCourseTableDlg::currentCourse() const {
    QTreeWidgetItem* item = courseList->currentItem();
    return item ? courseList->indexOfTopLevelItem(item) : -1;
}

void CCourseTableDlg::updateButtons() {
    const bool chosen = currentCourse() >= 0;
    for (QPushButton* button : {newButton, importButton, saveButton}) button->setEnabled(tableReadable);
    changeButton->setEnabled(tableReadable && chosen);
    deleteButton->setEnabled(tableReadable && chosen);
}

void CCourseTableDlg::setUnsaved(bool value) {
    unsaved = value;
    stateLabel->setText(unsaved ? UnsavedText : SavedText);
}

void CCourseTableDlg::addNewCourses(const std::vector<CourseDraft>& newCourses) {
    int leftOut = 0;
    for (const CourseDraft& course : newCourses) {
        const bool known = std::any_of(courses.begin(), courses.end(),
                                       [&course](const CourseDraft& other) { return sameName(course, other); });
        if (known) {
            ++leftOut;
            continue;
        }
        courses.push_back(course);
        states.push_back(State::New);
    }
    if (leftOut > 0) MessageBox::warning(this, LeftOutPattern.arg(leftOut));
    if (static_cast<int>(newCourses.size()) > leftOut) setUnsaved(true);
}

void CCourseTableDlg::addCourse() {
    CourseDraft course;
    course.holes = MaxHoles;
    editCourse(static_cast<int>(courses.size()), course, State::New);
}

void CCourseTableDlg::changeCourse() {
    const int at = currentCourse();
    if (at < 0) return;
    editCourse(at, courses[at], states[at] == State::New ? State::New : State::Changed);
}

void CCourseTableDlg::editCourse(int at, CourseDraft start, State state) {
    std::vector<CourseDraft> table = courses;
    if (at == static_cast<int>(table.size())) table.push_back(std::move(start));
    CCourseDlg form(table, at, this);
    if (form.exec() != QDialog::Accepted) return;
    if (at == static_cast<int>(courses.size())) {
        courses.push_back(form.course());
        states.push_back(state);
    } else {
        courses[at] = form.course();
        states[at] = state;
    }
    setUnsaved(true);
    showList(at);
}

void CCourseTableDlg::deleteCourse() {
    const int at = currentCourse();
    if (at < 0) return;
    // Saved tournaments keep their own copy of the course, so deleting it changes none of them.
    const QString question = QStringLiteral(
                                 "Vil du slette banen «%1»? Lagrede turneringer beholder sin egen kopi av banen.")
                                 .arg(toQString(courses[at].name));
    if (!MessageBox::askYesNo(this, question)) return;
    courses.erase(courses.begin() + at);
    states.erase(states.begin() + at);
    setUnsaved(true);
    showList(at);
}

void CCourseTableDlg::importCourses() {
    CImportPitchesDlg import(this);
    if (import.exec() != QDialog::Accepted) return;
    const int before = static_cast<int>(courses.size());
    addNewCourses(import.importedCourses());
    showList(before);
}

bool CCourseTableDlg::save() {
    if (!tableReadable) return false;
    if (const std::optional<std::string> failed = checkCourseTable(courses)) {
        MessageBox::warning(this, toQString(*failed));
        return false;
    }
    switch (writeCourseTable(theTournament().configFile, courses)) {
        case CourseTableWrite::Written:
            break;
        case CourseTableWrite::Unreadable:
            MessageBox::warning(this, UnreadableMessage);
            return false;
        case CourseTableWrite::Refused:
        case CourseTableWrite::NotWritten:
            MessageBox::warning(this, NotWrittenMessage);
            return false;
    }
    // The course list of the main window offers the saved table from now on.
    theSession().reloadCourseTable();
    states.assign(courses.size(), State::Saved);
    setUnsaved(false);
    showList(currentCourse());
    return true;
}

void CCourseTableDlg::reject() {
    if (unsaved && !MessageBox::mayCloseUnsaved(this, UnsavedQuestion, [this] { return save(); })) return;
    QDialog::reject();
}
