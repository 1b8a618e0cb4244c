#include "ui/CCourseDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "print/TextCodec.h"
#include "text/Text.h"
#include "ui/Artwork.h"
#include "ui/Controls.h"
#include "ui/FieldText.h"
#include "ui/MessageBox.h"

namespace {

const QString DiscardQuestion = QStringLiteral("Du har endret banen. Vil du forkaste endringene?");

// A field of the form. One that cannot be filled (a hole the course does not play) looks it.
QLineEdit* courseEdit(const QString& objectName, QWidget* parent, const EditOptions& options = {}) {
    QLineEdit* edit = makeEdit(objectName, parent, options);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Disabled, QPalette::Base, palette.color(QPalette::Disabled, QPalette::Window));
    edit->setPalette(palette);
    return edit;
}

const QString Digits = QStringLiteral("[0-9]*");
// A course rating as typed: digits, a point or a comma, digits.
const QString Decimal = QStringLiteral("[0-9]*([.,][0-9]*)?");

// A number field shows nothing for 0, so an unfilled field looks unfilled.
QString numberOrEmpty(int value) { return value == 0 ? QString() : numberText(value); }

int numberOf(const QLineEdit* edit) { return text::readInt(fromQString(edit->text())); }

std::string trimmedText(const QLineEdit* edit) { return fromQString(edit->text().trimmed()); }

}  // namespace

CCourseDlg::CCourseDlg(std::vector<CourseDraft> courseList, int position, QWidget* parent)
    : QDialog(parent), courses(std::move(courseList)), at(position) {
    setWindowTitle(QStringLiteral("Bane"));
    setWindowIcon(teebrookIcon());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildCourseFrame());
    layout->addWidget(buildTeeFrame());

    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    auto* row = new QHBoxLayout;
    layout->addLayout(row);
    addButtons(row, this,
               {Stretch,
                {QStringLiteral("OK"), QStringLiteral("okButton"), &ok, EnterKey::Default},
                {QStringLiteral("Avbryt"), QStringLiteral("cancelButton"), &cancel}});
    connect(ok, &QPushButton::clicked, this, &CCourseDlg::acceptIfValid);
    connect(cancel, &QPushButton::clicked, this, [this] {
        cancelPressed = true;
        reject();
    });

    // A position outside the list is a course of its own, behind the others.
    if (at < 0 || at >= static_cast<int>(courses.size())) {
        courses.emplace_back();
        at = static_cast<int>(courses.size()) - 1;
    }
    showCourse(courses[at]);
    enablePlayedHoles();
    showParSum();
    opened = course();
    layout->activate();
}

QWidget* CCourseDlg::buildCourseFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Baneinformasjon"), this);
    nameEdit = courseEdit(QStringLiteral("nameEdit"), frame);
    acceptOnlyStorableText(nameEdit);
    nameEdit->setMinimumWidth(nameEdit->fontMetrics().averageCharWidth() * 32);
    holesEdit = courseEdit(QStringLiteral("holesEdit"), frame, {.accepts = Digits, .digits = 3});
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Banenavn"), frame));
    top->addWidget(nameEdit, 1);
    top->addSpacing(16);
    top->addWidget(new QLabel(QStringLiteral("Antall hull"), frame));
    top->addWidget(holesEdit);

    // The 18 holes in a row each, par above stroke index.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(3);
    grid->addWidget(boldLabel(QStringLiteral("Hull"), frame), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Par"), frame), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Indeks"), frame), 2, 0);
    for (int hole = 0; hole < MaxHoles; ++hole) {
        auto* number = boldLabel(QString::number(hole + 1), frame);
        number->setAlignment(Qt::AlignCenter);
        grid->addWidget(number, 0, hole + 1);
        parEdits[hole] = courseEdit(numbered("parEdit", hole + 1), frame,
                                    {.accepts = QStringLiteral("[0-9]?"), .digits = 2});
        indexEdits[hole] = courseEdit(numbered("indexEdit", hole + 1), frame,
                                      {.accepts = QStringLiteral("[0-9]{0,2}"), .digits = 2});
        grid->addWidget(parEdits[hole], 1, hole + 1);
        grid->addWidget(indexEdits[hole], 2, hole + 1);
        connect(parEdits[hole], &QLineEdit::textChanged, this, &CCourseDlg::showParSum);
    }
    parSumLabel = new QLabel(frame);
    parSumLabel->setObjectName(QStringLiteral("parSumLabel"));
    auto* hint = new QLabel(QStringLiteral("Indeks: hullets vanskelighetsgrad, 1 for det vanskeligste."), frame);

    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addLayout(grid);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(hint);
    bottom->addStretch();
    bottom->addWidget(parSumLabel);
    layout->addLayout(bottom);
    connect(holesEdit, &QLineEdit::textChanged, this, &CCourseDlg::enablePlayedHoles);
    connect(holesEdit, &QLineEdit::textChanged, this, &CCourseDlg::showParSum);
    return frame;
}

QWidget* CCourseDlg::buildTeeFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Tees (minst én, høyst fem)"), this);
    auto* grid = new QGridLayout(frame);
    const QStringList headings{QStringLiteral("Tee"), QStringLiteral("Baneverdi"), QStringLiteral("Slope"),
                               QStringLiteral("Par")};
    for (int column = 0; column < headings.size(); ++column)
        grid->addWidget(boldLabel(headings[column], frame), 0, column);
    for (int tee = 0; tee < MaxTees; ++tee) {
        TeeRow& row = teeRows[tee];
        row.name = courseEdit(numbered("teeNameEdit", tee + 1), frame);
        acceptOnlyStorableText(row.name);
        row.name->setMinimumWidth(row.name->fontMetrics().averageCharWidth() * 18);
        row.rating = courseEdit(numbered("teeRatingEdit", tee + 1), frame, {.accepts = Decimal, .digits = 5});
        row.slope = courseEdit(numbered("teeSlopeEdit", tee + 1), frame, {.accepts = Digits, .digits = 4});
        row.par = courseEdit(numbered("teeParEdit", tee + 1), frame, {.accepts = Digits, .digits = 4});
        grid->addWidget(row.name, tee + 1, 0);
        grid->addWidget(row.rating, tee + 1, 1);
        grid->addWidget(row.slope, tee + 1, 2);
        grid->addWidget(row.par, tee + 1, 3);
    }
    grid->setColumnStretch(4, 1);
    return frame;
}

void CCourseDlg::showCourse(const CourseDraft& course) {
    showText(nameEdit, toQString(course.name));
    showText(holesEdit, numberOrEmpty(course.holes));
    for (int hole = 0; hole < MaxHoles; ++hole) {
        showText(parEdits[hole], numberOrEmpty(course.par[hole]));
        showText(indexEdits[hole], numberOrEmpty(course.index[hole]));
    }
    const int tees = std::min(static_cast<int>(course.tees.size()), MaxTees);
    for (int tee = 0; tee < tees; ++tee) {
        const TeeDraft& draft = course.tees[tee];
        showText(teeRows[tee].name, toQString(draft.name));
        showText(teeRows[tee].rating, toQString(draft.rating));
        showText(teeRows[tee].slope, numberOrEmpty(draft.slope));
        showText(teeRows[tee].par, numberOrEmpty(draft.par));
    }
}

void CCourseDlg::enablePlayedHoles() {
    const int played = std::clamp(numberOf(holesEdit), 0, MaxHoles);
    for (int hole = 0; hole < MaxHoles; ++hole) {
        parEdits[hole]->setEnabled(hole < played);
        indexEdits[hole]->setEnabled(hole < played);
    }
}

void CCourseDlg::showParSum() {
    const int played = std::clamp(numberOf(holesEdit), 0, MaxHoles);
    int sum = 0;
    for (int hole = 0; hole < played; ++hole) sum += numberOf(parEdits[hole]);
    parSumLabel->setText(QStringLiteral("Sum par: %1").arg(sum));
}

CourseDraft CCourseDlg::course() const {
    CourseDraft course;
    course.name = trimmedText(nameEdit);
    course.holes = numberOf(holesEdit);
    for (int hole = 0; hole < MaxHoles; ++hole) {
        course.par[hole] = numberOf(parEdits[hole]);
        course.index[hole] = numberOf(indexEdits[hole]);
    }
    for (const TeeRow& row : teeRows) {
        const bool empty = row.name->text().trimmed().isEmpty() && row.rating->text().isEmpty() &&
                           row.slope->text().isEmpty() && row.par->text().isEmpty();
        if (empty) continue;
        course.tees.push_back({trimmedText(row.name), trimmedText(row.rating), numberOf(row.slope), numberOf(row.par)});
    }
    return course;
}

void CCourseDlg::acceptIfValid() {
    courses[at] = course();
    if (const std::optional<std::string> failed = checkCourseAt(courses, at)) {
        MessageBox::warning(this, toQString(*failed));
        return;
    }
    accept();
}

void CCourseDlg::reject() {
    const bool pressedCancel = std::exchange(cancelPressed, false);
    if (!pressedCancel && course() != opened && !MessageBox::askYesNo(this, DiscardQuestion)) return;
    QDialog::reject();
}
