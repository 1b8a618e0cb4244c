#include "ui/CTournamentDlg.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

#include "app/CTournamentApp.h"
#include "lists/Lists.h"
#include "live/LiveScoringRun.h"
#include "model/Calendar.h"
#include "model/FileMessages.h"
#include "model/FileNames.h"
#include "print/StartListPdf.h"
#include "print/TextCodec.h"
#include "text/Text.h"
#include "ui/Artwork.h"
#include "ui/CAboutDlg.h"
#include "ui/CActiveTournamentDlg.h"
#include "ui/CChoiceList.h"
#include "ui/CCourseTableDlg.h"
#include "ui/CCreateGroupsDlg.h"
#include "ui/CPickTournamentDlg.h"
#include "ui/CRegisterAllGroupsDlg.h"
#include "ui/CSetupDlg.h"
#include "ui/Controls.h"
#include "ui/FieldText.h"
#include "ui/FileMessages.h"
#include "ui/MessageBox.h"
#include "ui/PrintPreview.h"
#include "ui/StatusLine.h"

namespace {

const QString FillGroupFieldsMessage = QStringLiteral("Fyll inn de andre feltene før du legger inn gruppene.");
const QString FillFieldsFirstMessage = QStringLiteral("Fyll inn de andre feltene først.");
const QString NoTournamentDataMessage = QStringLiteral("Du må legge inn data for en turnering.");
const QString ProgramName = QStringLiteral("Fernhill");
const QString SavedStatus = QStringLiteral("Lagret i %1");
const QString StartListStatus = QStringLiteral("Startlisten er skrevet til %1 og %2");
// The saved tournaments are listed from here, the recovery copies in its subfolder left out.
constexpr const char* DataFolder = "./data";
const QString ReadFailedMessage = QStringLiteral("Turneringen kunne ikke leses.");
const QString SaveFailedMessage = QStringLiteral("Turneringen kunne ikke lagres.");
const QString SaveBeforeQuitQuestion = QStringLiteral("Turneringen er endret. Vil du lagre den før du avslutter?");
const QString SaveBeforeNewQuestion = QStringLiteral("Turneringen er endret. Vil du lagre den før du starter en ny?");
const QString DiscardBeforeOpenQuestion = QStringLiteral(
    "Endringene i turneringen som er åpen, er ikke lagret. Vil du likevel åpne «%1»? Endringene går da tapt.");
const QString ReplaceStoredQuestion = QStringLiteral(
    "Det finnes allerede en lagret turnering med navnet «%1». Vil du erstatte den med denne?");
const QString ChangedOnDiskQuestion = QStringLiteral(
    "Turneringsfilen «%1» er endret av et annet program siden den ble åpnet eller lagret her. Vil du erstatte "
    "den med denne?");
const QString StartListFailedMessage = QStringLiteral("Startlisten kunne ikke skrives.");
const QString MissingDateMessage = QStringLiteral("Datoen finnes ikke.");
const QString GroupCountLimitMessage = QStringLiteral("Maks 9 grupper.");

constexpr int DateFieldGap = 6;

// A date field as wide as its part of the caption line "dd      mm      åååå", so each part
// of the caption stands over its field.
QLineEdit* makeDateEdit(const QString& objectName, const QString& captionPart, QWidget* parent) {
    QLineEdit* edit = makeEdit(objectName, parent, {.accepts = QStringLiteral("[0-9]*")});
    const QFontMetrics metrics = edit->fontMetrics();
    const int digits = metrics.horizontalAdvance(QStringLiteral("0000")) + 12;
    edit->setFixedWidth(qMax(metrics.horizontalAdvance(captionPart) - DateFieldGap, digits));
    return edit;
}

QLineEdit* makeReadOnlyEdit(const QString& objectName, QWidget* parent) {
    QLineEdit* edit = makeEdit(objectName, parent);
    makeReadOnly(edit);
    edit->setFocusPolicy(Qt::ClickFocus);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
    return edit;
}

QStringList courseEntries(const CTournament& tournament) {
    QStringList entries;
    for (int i = 0; i < tournament.pitchCount(); ++i) entries << toQString(tournament.PitchNames[i]);
    return entries;
}

}  // namespace

CTournamentDlg::CTournamentDlg(QWidget* parent) : QDialog(parent) {
    setWindowIcon(teebrookIcon());
    buildForm();
    connectFields();
    listenToSession();
    setTabOrderOfForm();
    fillLists();
    setupButton->setEnabled(false);
    refreshTitle();
    // Sized before the window exists, so showing it changes no size hints.
    layout()->activate();
    // Said once the window is up: the course table was read at start-up.
    if (const std::size_t replaced = theTournament().replacedInCourseTable)
        QTimer::singleShot(0, this, [this, replaced] { warnOfReplacedCharacters(replaced); });
}

// The fields are destroyed after this window's own part, and the focus moving off them then must
// reach no handler of a window that is already gone.
CTournamentDlg::~CTournamentDlg() { disconnect(qApp, &QApplication::focusChanged, this, nullptr); }

void CTournamentDlg::warnOfReplacedCharacters(std::size_t count) {
    MessageBox::warning(this, QString::fromStdString(replacedCharactersMessage(count)));
}

void CTournamentDlg::buildForm() {
    auto* infoFrame = new QGroupBox(QStringLiteral("Turneringsinformasjon"), this);
    auto* picture = new QLabel(infoFrame);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setPixmap(fairwayPicture(150, 190));
    picture->setAlignment(Qt::AlignCenter);

    auto* grid = new QGridLayout(infoFrame);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(10);
    // The left column: the date above the picture.
    auto* left = new QVBoxLayout;
    left->addWidget(buildDateFrame());
    left->addSpacing(6);
    left->addWidget(picture);
    left->addStretch();
    grid->addWidget(buildFileButtons(), 0, 0, 1, 3);
    grid->addLayout(left, 1, 0, 2, 1);
    grid->addWidget(buildHeaderFrame(), 1, 1, 1, 2);
    grid->addWidget(buildCourseFrame(), 2, 1);
    grid->addWidget(buildScreenButtons(), 2, 2);
    grid->setColumnStretch(1, 1);

    auto* bottom = new QHBoxLayout;
    addButtons(bottom, this, {Stretch, {QStringLiteral("Avslutt"), QStringLiteral("exitButton"), &exitButton}});

    statusLine = new StatusLine(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(infoFrame);
    layout->addWidget(statusLine);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    aboutAction = new QAction(QStringLiteral("&About Teebrook..."), this);
    aboutAction->setObjectName(QStringLiteral("aboutAction"));
    aboutAction->setShortcut(QKeySequence(Qt::Key_F1));
    aboutAction->setShortcutContext(Qt::WindowShortcut);
    addAction(aboutAction);
    coursesAction = new QAction(QStringLiteral("&Baner..."), this);
    coursesAction->setObjectName(QStringLiteral("coursesAction"));
    // Without a mouse (or a menu key) the window's menu, and "Baner..." in it, is reached here.
    windowMenuAction = new QAction(this);
    windowMenuAction->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    windowMenuAction->setShortcutContext(Qt::WindowShortcut);
    addAction(windowMenuAction);
}

QWidget* CTournamentDlg::buildFileButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    addButtons(layout, row,
               {{QStringLiteral("Åpne turnering"), QStringLiteral("openButton"), &openButton},
                {QStringLiteral("Lagre turneringen"), QStringLiteral("saveButton"), &saveButton},
                {QStringLiteral("Ny turnering"), QStringLiteral("newButton"), &newButton},
                {QStringLiteral("Lag startliste"), QStringLiteral("startListButton"), &startListButton},
                {QStringLiteral("Skriv ut..."), QStringLiteral("printStartListButton"), &printStartListButton},
                Stretch});
    return row;
}

QWidget* CTournamentDlg::buildDateFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Dato"), this);
    dayEdit = makeDateEdit(QStringLiteral("dayEdit"), QStringLiteral("dd      "), frame);
    monthEdit = makeDateEdit(QStringLiteral("monthEdit"), QStringLiteral("mm      "), frame);
    yearEdit = makeDateEdit(QStringLiteral("yearEdit"), QStringLiteral("åååå      "), frame);
    auto* caption = new QLabel(QStringLiteral("dd      mm      åååå"), frame);
    caption->setObjectName(QStringLiteral("dateCaption"));
    caption->setIndent(3);

    auto* fields = new QHBoxLayout;
    fields->setSpacing(DateFieldGap);
    fields->addWidget(dayEdit);
    fields->addWidget(monthEdit);
    fields->addWidget(yearEdit);
    fields->addStretch();
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(caption);
    layout->addLayout(fields);
    return frame;
}

QWidget* CTournamentDlg::buildHeaderFrame() {
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    nameEdit = makeEdit(QStringLiteral("nameEdit"), frame);
    // The tournament file keeps this many characters; a longer name would name another file.
    nameEdit->setMaxLength(static_cast<int>(text::MaxTextLength));
    courseList = new CChoiceList(frame);
    courseList->setObjectName(QStringLiteral("courseList"));
    courseList->setMinimumContentsLength(22);
    typeList = new CChoiceList(frame);
    typeList->setObjectName(QStringLiteral("typeList"));
    typeList->setMinimumContentsLength(12);
    groupCountEdit = makeEdit(QStringLiteral("groupCountEdit"), frame);
    acceptWholeNumber(groupCountEdit, MaxGroups, GroupCountLimitMessage);
    groupCountEdit->setMaximumWidth(groupCountEdit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    createGroupsButton = makeButton({QStringLiteral("Opprett grupper..."), QStringLiteral("createGroupsButton")},
                                    frame);

    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(4);
    grid->addWidget(new QLabel(QStringLiteral("Konkurransenavn"), frame), 0, 0, 1, 2);
    grid->addWidget(nameEdit, 1, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Velg bane"), frame), 2, 0);
    grid->addWidget(new QLabel(QStringLiteral("Velg type turnering"), frame), 2, 1);
    grid->addWidget(courseList, 3, 0);
    grid->addWidget(typeList, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("Antall grupper"), frame), 4, 0);
    grid->addWidget(groupCountEdit, 5, 0, Qt::AlignLeft);
    grid->addWidget(createGroupsButton, 5, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    return frame;
}

QWidget* CTournamentDlg::buildCourseFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Baneinformasjon"), this);
    ratingEdit = makeReadOnlyEdit(QStringLiteral("ratingEdit"), frame);
    slopeEdit = makeReadOnlyEdit(QStringLiteral("slopeEdit"), frame);
    courseParEdit = makeReadOnlyEdit(QStringLiteral("courseParEdit"), frame);
    holesEdit = makeReadOnlyEdit(QStringLiteral("holesEdit"), frame);
    auto* form = new QFormLayout(frame);
    form->addRow(QStringLiteral("Baneverdi"), ratingEdit);
    form->addRow(QStringLiteral("Slope"), slopeEdit);
    form->addRow(QStringLiteral("Banens par"), courseParEdit);
    form->addRow(QStringLiteral("Antall hull"), holesEdit);
    return frame;
}

QWidget* CTournamentDlg::buildScreenButtons() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 8, 0, 0);
    addButtons(
        layout, column,
        {{QStringLiteral("Start registrering av gruppene..."), QStringLiteral("registerButton"), &registerButton},
         {QStringLiteral("Start Turnering"), QStringLiteral("playButton"), &playButton},
         {QStringLiteral("Oppsett..."), QStringLiteral("setupButton"), &setupButton},
         Stretch});
    return column;
}

void CTournamentDlg::connectFields() {
    connect(nameEdit, &QLineEdit::textChanged, this, &CTournamentDlg::onNameChanged);
    connect(dayEdit, &QLineEdit::textChanged, this, [this] { onDatePartChanged(dayEdit, &TournamentSession::setDay); });
    connect(monthEdit, &QLineEdit::textChanged, this,
            [this] { onDatePartChanged(monthEdit, &TournamentSession::setMonth); });
    connect(yearEdit, &QLineEdit::textChanged, this,
            [this] { onDatePartChanged(yearEdit, &TournamentSession::setYear); });
    connect(groupCountEdit, &QLineEdit::textChanged, this, &CTournamentDlg::onGroupCountChanged);
    connect(qApp, &QApplication::focusChanged, this, &CTournamentDlg::onFocusChanged);
    connect(courseList, &CChoiceList::picked, this, &CTournamentDlg::onCoursePicked);
    connect(typeList, &CChoiceList::picked, this, &CTournamentDlg::onTypePicked);

    connect(openButton, &QPushButton::clicked, this, &CTournamentDlg::openTournament);
    connect(saveButton, &QPushButton::clicked, this, [this] { saveTournament(); });
    connect(newButton, &QPushButton::clicked, this, &CTournamentDlg::startNewTournament);
    connect(startListButton, &QPushButton::clicked, this, &CTournamentDlg::writeStartList);
    connect(printStartListButton, &QPushButton::clicked, this, &CTournamentDlg::printStartList);
    connect(createGroupsButton, &QPushButton::clicked, this, &CTournamentDlg::createGroups);
    connect(registerButton, &QPushButton::clicked, this, &CTournamentDlg::registerGroups);
    connect(playButton, &QPushButton::clicked, this, &CTournamentDlg::startTournament);
    connect(setupButton, &QPushButton::clicked, this, &CTournamentDlg::openSetup);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(aboutAction, &QAction::triggered, this, &CTournamentDlg::showAbout);
    connect(coursesAction, &QAction::triggered, this, &CTournamentDlg::openCourseTable);
    connect(windowMenuAction, &QAction::triggered, this, [this] {
        const QWidget* at = focusWidget() ? focusWidget() : this;
        showWindowMenu(at->mapToGlobal(at->rect().center()));
    });
}

// A new or opened tournament fills the form; a course table saved in "Baner..." or by a course
// import refills the course list. Any change, and a save, may change the title.
void CTournamentDlg::listenToSession() {
    const TournamentSession* session = &theSession();
    connect(session, &TournamentSession::tournamentReplaced, this, &CTournamentDlg::refreshForm);
    connect(session, &TournamentSession::courseTableChanged, this, &CTournamentDlg::refreshCourseList);
    connect(session, &TournamentSession::headerChanged, this, &CTournamentDlg::refreshTitle);
    connect(session, &TournamentSession::groupChanged, this, &CTournamentDlg::refreshTitle);
    connect(session, &TournamentSession::playerChanged, this, &CTournamentDlg::refreshTitle);
    connect(session, &TournamentSession::strokesChanged, this, &CTournamentDlg::refreshTitle);
    connect(session, &TournamentSession::tournamentReplaced, this, &CTournamentDlg::refreshTitle);
    connect(session, &TournamentSession::courseTableChanged, this, &CTournamentDlg::refreshTitle);
    connect(session, &TournamentSession::tournamentSaved, this, &CTournamentDlg::refreshTitle);
}

void CTournamentDlg::refreshTitle() {
    const CTournament& tournament = theTournament();
    // "[*]" in a name would be taken for the mark; doubled, Qt shows it as typed.
    const QString name = toQString(tournament.name).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(name.isEmpty() ? ProgramName : name + QStringLiteral("[*] – ") + ProgramName);
    // Without a name the title has no place for the mark.
    setWindowModified(!name.isEmpty() && tournament.hasUnsavedChanges());
}

void CTournamentDlg::showStatus(const QString& done) { statusLine->showDone(done); }

void CTournamentDlg::setTabOrderOfForm() {
    const QList<QWidget*> order{openButton,     saveButton, newButton,      startListButton,
                                dayEdit,        monthEdit,  yearEdit,       nameEdit,
                                courseList,     typeList,   groupCountEdit, createGroupsButton,
                                registerButton, playButton, setupButton,    exitButton};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void CTournamentDlg::fillLists() {
    typeList->setEntries(toQStrings(TournamentTypes));
    courseList->setEntries(courseEntries(theTournament()));
}

void CTournamentDlg::contextMenuEvent(QContextMenuEvent* event) { showWindowMenu(event->globalPos()); }

void CTournamentDlg::showWindowMenu(const QPoint& globalPos) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("windowMenu"));
    menu.addAction(QStringLiteral("&Lukk"), this, &QDialog::reject);
    menu.addSeparator();
    menu.addAction(coursesAction);
    menu.addSeparator();
    menu.addAction(aboutAction);
    menu.exec(globalPos);
}

// Avslutt, Escape, "Lukk" and the window's close button all end here.
void CTournamentDlg::reject() {
    if (theTournament().hasUnsavedChanges() &&
        !MessageBox::mayCloseUnsaved(this, SaveBeforeQuitQuestion, [this] { return saveTournament(); }))
        return;
    QDialog::reject();
}

void CTournamentDlg::copyBoundFields() {
    competitionName = nameEdit->text();
    groupCountText = groupCountEdit->text();
}

void CTournamentDlg::onNameChanged() {
    copyBoundFields();
    theSession().setName(fromQString(competitionName));
}

void CTournamentDlg::onDatePartChanged(const QLineEdit* edit, void (TournamentSession::*store)(int)) {
    copyBoundFields();
    (theSession().*store)(text::readInt(fromQString(edit->text())));
}

void CTournamentDlg::onGroupCountChanged() {
    copyBoundFields();
    theSession().setNumberOfGroups(text::readInt(fromQString(groupCountText)));
}

void CTournamentDlg::onFocusChanged(const QWidget* old, const QWidget* now) {
    // Moving between the three fields is still typing the date; a window of another program
    // taking the focus (no widget) is no end of it either.
    if (!now || !isDateField(old) || isDateField(now)) return;
    // Said once the focus has moved: a message box opened inside the move would take the click
    // that moved it.
    QTimer::singleShot(0, this, &CTournamentDlg::warnOfMissingDate);
}

bool CTournamentDlg::isDateField(const QWidget* widget) const {
    return widget && (widget == dayEdit || widget == monthEdit || widget == yearEdit);
}

// Only a complete date is checked: a part left empty, or the 0 a new tournament shows, is a
// date not yet typed.
void CTournamentDlg::warnOfMissingDate() {
    const auto part = [](const QLineEdit* edit) { return text::readInt(fromQString(edit->text())); };
    const int day = part(dayEdit);
    const int month = part(monthEdit);
    const int year = part(yearEdit);
    if (day == 0 || month == 0 || year == 0) return;
    if (!isCalendarDate(day, month, year)) MessageBox::warning(this, MissingDateMessage);
}

void CTournamentDlg::onCoursePicked(int index) {
    copyBoundFields();
    const CTournament& tournament = theTournament();
    if (index < 0 || index >= tournament.pitchCount()) return;
    const std::string name = tournament.PitchNames[index];
    theSession().selectCourse(name);
    // Picking the course shown again shows its figures again, as after any pick.
    if (tournament.findPitch(name) >= 0) showCourseInformation();
}

void CTournamentDlg::onTypePicked(int index) {
    copyBoundFields();
    if (index < 0 || index >= static_cast<int>(TournamentTypes.size())) return;
    theSession().setType(std::string(TournamentTypes[index]));
}

bool CTournamentDlg::checkNameForFiles() {
    copyBoundFields();
    const NameForFiles verdict = nameForFiles(competitionName.toStdString());
    if (verdict == NameForFiles::Usable) return true;
    MessageBox::warning(this, QString::fromUtf8(refusalText(verdict)));
    return false;
}

void CTournamentDlg::openTournament() {
    if (!mayLeaveLiveScoring()) return;
    copyBoundFields();
    if (competitionName.isEmpty()) {
        pickTournament(QString());
        return;
    }
    if (!checkNameForFiles()) return;
    openTournamentFile(tournamentFilePath(fromQString(competitionName)), competitionName);
}

void CTournamentDlg::pickTournament(const QString& notFound) {
    CPickTournamentDlg dialog(notFound, DataFolder, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const std::string& path = dialog.pickedPath();
    openTournamentFile(path, QFileInfo(QString::fromStdString(path)).completeBaseName());
}

void CTournamentDlg::openTournamentFile(const std::string& path, const QString& shownName) {
    // Opening reads into this tournament; unsaved work in it is lost only when the organiser says so.
    if (theTournament().hasUnsavedChangesBesidesName() && storedTournamentAt(path) &&
        !MessageBox::askYesNo(this, DiscardBeforeOpenQuestion.arg(shownName)))
        return;
    const files::FileResult read = theSession().open(path);
    if (read.error == files::FileError::Missing) {
        pickTournament(shownName);
        return;
    }
    if (!read) {
        MessageBox::warning(this, withReadFailureReason(ReadFailedMessage, read));
        return;
    }
    warnOfWhatTheFileLacked();
}

// A file that opened is said to be damaged, or to name a course the table lacks, once.
void CTournamentDlg::warnOfWhatTheFileLacked() {
    const CTournament& opened = theTournament();
    if (const std::size_t replaced = opened.replacedInTournamentFile) warnOfReplacedCharacters(replaced);
    if (!opened.lastRead.faults.empty())
        MessageBox::warning(this, QString::fromStdString(damagedFileMessage(opened.lastRead.faults)));
    if (!opened.lastRead.courseNotInTable.empty())
        MessageBox::warning(this, QString::fromStdString(courseNotInTableMessage(opened.lastRead.courseNotInTable)));
}

bool CTournamentDlg::saveTournament() {
    if (!checkNameForFiles()) return false;
    const std::string path = tournamentFilePath(fromQString(competitionName));
    // Another tournament of the same name is replaced only when the organiser says so.
    if (theTournament().replacesAnotherTournament(path) &&
        !MessageBox::askYesNo(this, ReplaceStoredQuestion.arg(competitionName)))
        return false;
    // Another program, or another copy of this one, may have saved into the file meanwhile.
    if (theTournament().changedOnDisk(path) &&
        !MessageBox::askYesNo(this, ChangedOnDiskQuestion.arg(QString::fromStdString(path))))
        return false;
    const files::FileResult saved = theSession().save(path);
    if (!saved) MessageBox::warning(this, withFailureReason(SaveFailedMessage, saved));
    else showStatus(SavedStatus.arg(shownPath(path)));
    return static_cast<bool>(saved);
}

// The phones enter into the tournament held now: it is replaced only once they have stopped.
bool CTournamentDlg::mayLeaveLiveScoring() {
    LiveScoringRun& run = theLiveScoring();
    if (!run.isRunning()) return true;
    if (!MessageBox::askYesNo(this, QStringLiteral("Mobilregistreringen går. Telefonene kan ikke registrere mer "
                                                   "når den stoppes. Vil du stoppe den?")))
        return false;
    run.stop();
    return true;
}

void CTournamentDlg::startNewTournament() {
    if (!mayLeaveLiveScoring()) return;
    if (theTournament().hasUnsavedChanges() &&
        !MessageBox::mayCloseUnsaved(this, SaveBeforeNewQuestion, [this] { return saveTournament(); }))
        return;
    theSession().newTournament();
}

// The text list as ever, and beside it the PDF for the starter.
void CTournamentDlg::writeStartList() {
    if (!checkNameForFiles()) return;
    const std::string name = fromQString(competitionName);
    const std::string textPath = startListPath(name);
    const std::string pdfPath = startListPdfPath(name);
    files::FileResult written = ::writeStartList(theTournament(), textPath);
    if (written) written = writeStartListPdf(theTournament(), pdfPath);
    if (!written) {
        MessageBox::warning(this, withFailureReason(StartListFailedMessage, written));
        return;
    }
    showStatus(StartListStatus.arg(shownPath(textPath), shownPath(pdfPath)));
}

void CTournamentDlg::printStartList() { printWithPreview(this, startListPages(theTournament())); }

void CTournamentDlg::createGroups() {
    copyBoundFields();
    const CTournament& t = theTournament();
    const bool ready = t.numberOfGroups > 0 && t.day > 0 && t.month > 0 && t.year > 0 && !t.name.empty() &&
                       !t.type.empty();
    if (!ready) {
        MessageBox::warning(this, FillGroupFieldsMessage);
        return;
    }
    CCreateGroupsDlg dialog(this);
    dialog.exec();
}

void CTournamentDlg::registerGroups() {
    copyBoundFields();
    if (theTournament().numberOfGroups <= 0) {
        MessageBox::warning(this, FillFieldsFirstMessage);
        return;
    }
    CRegisterAllGroupsDlg dialog(this);
    dialog.exec();
}

void CTournamentDlg::startTournament() {
    copyBoundFields();
    if (competitionName.isEmpty() || theTournament().totalPlayers() <= 0) {
        MessageBox::warning(this, NoTournamentDataMessage);
        return;
    }
    openActiveTournament();
}

// Opens the play screen for the whole tournament.
void CTournamentDlg::openActiveTournament() {
    CActiveTournamentDlg dlg(this);
    dlg.exec();
}

// Opens the setup screen; the button stays disabled, so this runs only when it is enabled.
void CTournamentDlg::openSetup() {
    CSetupDlg dialog(this);
    dialog.exec();
}

void CTournamentDlg::openCourseTable() {
    CCourseTableDlg dialog(this);
    dialog.exec();
}

void CTournamentDlg::refreshCourseList() {
    courseList->setEntries(courseEntries(theTournament()));
    courseList->showText(toQString(theTournament().pitch.name));
}

void CTournamentDlg::showAbout() {
    CAboutDlg dialog(this);
    dialog.exec();
}

// Shows the tournament in the fields. Setting a field's text runs its change handler, which
// stores the same value back; the lists get their text parts only, no entry is chosen.
void CTournamentDlg::refreshForm() {
    const CTournament& t = theTournament();
    setTextAndNotify(dayEdit, QString::fromStdString(text::formatInt(t.day)));
    setTextAndNotify(monthEdit, QString::fromStdString(text::formatInt(t.month)));
    setTextAndNotify(yearEdit, QString::fromStdString(text::formatInt(t.year)));
    courseList->showText(toQString(t.pitch.name));
    typeList->showText(toQString(t.type));
    setTextAndNotify(nameEdit, toQString(t.name));
    setTextAndNotify(groupCountEdit, QString::fromStdString(text::formatInt(t.numberOfGroups)));
    showCourseInformation();
}

void CTournamentDlg::showCourseInformation() {
    const CPitch& pitch = theTournament().pitch;
    showText(ratingEdit, QString::fromStdString(text::formatFixed1(pitch.pitchValue[0])));
    showText(slopeEdit, QString::fromStdString(text::formatInt(pitch.slopeValue[0])));
    showText(courseParEdit, QString::fromStdString(text::formatInt(pitch.parValue[0])));
    showText(holesEdit, QString::fromStdString(text::formatInt(pitch.holes)));
}
