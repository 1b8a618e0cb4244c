#include "ui/CActiveTournamentDlg.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/CTournamentApp.h"
#include "print/TextCodec.h"
#include "scoring/HoleScore.h"
#include "text/Text.h"
#include "ui/CClubhouseBoardDlg.h"
#include "ui/CColorStatic.h"
#include "ui/CMobileScoringDlg.h"
#include "ui/CResultsDlg.h"
#include "ui/ColorSupport.h"
#include "ui/Controls.h"
#include "ui/FieldText.h"
#include "ui/LeaderboardColumns.h"

namespace {

// Columns of the score grid: row captions, the leaderboard's columns, then holes 1..18.
constexpr int ColCaption = 0;
constexpr int ColFirstFigure = 1;
constexpr int ColFirstHole = ColFirstFigure + static_cast<int>(LeaderboardColumns.size());

int gridColumn(BoardColumn id) { return ColFirstFigure + columnIndex(id); }

// Rows of the score grid.
constexpr int RowHeadings = 0;
constexpr int RowFirstBoard = 1;
constexpr int RowCourse = RowFirstBoard + CActiveTournamentDlg::LeaderboardRows;
constexpr int RowIndex = RowCourse + 1;
constexpr int RowInputHeading = RowIndex + 1;
constexpr int RowInput = RowInputHeading + 1;
constexpr int RowAllocation = RowInput + 1;

// A hole field's text is read up to this many characters.
constexpr std::size_t HoleEntryLength = 99;
// No card holds more strokes on a hole.
constexpr int MaxHoleScore = 30;
const QString HoleScoreMessage = QStringLiteral("Skriv et tall fra 0 til 30.");

// The player list keeps to its columns; its popup is wider, so that names read whole.
constexpr int PlayerListPopupWidth = 360;
// The group choice's three columns keep to this width; a longer caption ends in "…".
constexpr int GroupCaptionWidth = 330;

// A field of the input row, as wide as the leaderboard's field above it.
QLineEdit* inputField(QWidget* parent, const LeaderboardColumn& column) {
    QLineEdit* field = makeEdit(QStringLiteral("input%1").arg(QLatin1String(column.name)), parent);
    makeReadOnly(field);
    field->setFocusPolicy(Qt::NoFocus);
    field->setFixedWidth(column.width);
    return field;
}

QLabel* centredLabel(QWidget* parent, const QString& text, const QString& objectName = QString()) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    // Keeps neighbouring headings such as "HCP: 3/4" and "Tildelte slag" apart.
    label->setContentsMargins(3, 0, 3, 0);
    if (!objectName.isEmpty()) label->setObjectName(objectName);
    return label;
}

QLabel* headingLabel(QWidget* parent, const LeaderboardColumn& column) {
    const QString heading = column.heading.toString();
    if (!(column.alignment & Qt::AlignHCenter)) return new QLabel(heading, parent);
    return centredLabel(parent, heading, column.id == BoardColumn::Hcp ? QStringLiteral("hcpHeading") : QString());
}

QString groupCaption(const CPlayGroup& group, const CPitch& pitch) {
    return QStringLiteral("%1: %2 (%3, Tee=%4)")
        .arg(toQString(className(group.groupClass)), toQString(group.groupName),
             toQString(playFormName(group.playForm)), toQString(pitch.teeNameAt(group.tee)));
}

// A caption too long for its column shows its start and ends in "…"; the whole caption is
// the button's tooltip. A "&" would mark a shortcut, so it is doubled to show as it is.
void showGroupCaption(QRadioButton* radio, const QString& caption) {
    const QStyle* style = radio->style();
    const int textRoom = GroupCaptionWidth - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, radio) -
                         style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, radio);
    const QString shown = radio->fontMetrics().elidedText(caption, Qt::ElideRight, textRoom);
    radio->setText(QString(shown).replace(QLatin1Char('&'), QStringLiteral("&&")));
    if (shown != caption) radio->setToolTip(caption);
}

}  // namespace

CActiveTournamentDlg::CActiveTournamentDlg(QWidget* parent) : QDialog(parent), tournament(theTournament()) {
    setWindowTitle(QStringLiteral("Aktiv turnering"));
    buildForm();
    connect(&theSession(), &TournamentSession::strokesChanged, this, &CActiveTournamentDlg::onStrokesStored);

    playFrame->setTitle(QStringLiteral("Følgende spill pågår: %1").arg(toQString(tournament.type)));
    showCourse();
    showGroupCaptions();
    // Group 1 is shown first even when it has no players (its button is then disabled).
    groupRadios[0]->setChecked(true);
    currentGroup = 0;
    courseLabel->setBackgroundColor(toQColor(CourseLabelColour));
    fillPlayerList();
}

void CActiveTournamentDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    fillScoreAreaWithFrameTint();
}

// The frame tints its inside. The score area fills its own background with that tint, so a
// changed field with a rounded frame (the typed hole, the total) repaints the plain area
// behind it at every keystroke instead of the frame around the whole screen.
void CActiveTournamentDlg::fillScoreAreaWithFrameTint() {
    const QPoint inside = scoreArea->geometry().center();
    QImage probe(1, 1, QImage::Format_RGB32);
    playFrame->render(&probe, QPoint(), QRegion(inside.x(), inside.y(), 1, 1), QWidget::DrawWindowBackground);
    QPalette tinted = scoreArea->palette();
    tinted.setColor(QPalette::Window, probe.pixelColor(0, 0));
    scoreArea->setPalette(tinted);
    scoreArea->setAutoFillBackground(true);
}

void CActiveTournamentDlg::buildForm() {
    auto* outer = new QVBoxLayout(this);
    playFrame = new QGroupBox(QStringLiteral("Spillet pågår"), this);
    playFrame->setObjectName(QStringLiteral("playFrame"));
    auto* frameLayout = new QVBoxLayout(playFrame);
    frameLayout->addWidget(buildGroupChoice());

    // The score grid: headings, leaderboard, course rows and input rows in shared columns.
    scoreArea = new QWidget(playFrame);
    auto* grid = new QGridLayout(scoreArea);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(3);
    buildHeadings(grid);
    buildLeaderboard(grid);
    buildCourseRows(grid);
    buildInputRows(grid);
    grid->setColumnStretch(ColFirstHole + MaxHoles, 1);
    frameLayout->addWidget(scoreArea);

    outer->addWidget(playFrame);
    outer->addWidget(buildButtons());
}

QGroupBox* CActiveTournamentDlg::buildGroupChoice() {
    auto* box = new QGroupBox(QStringLiteral("Velg gruppe"), this);
    auto* layout = new QGridLayout(box);
    groupButtons = new QButtonGroup(this);
    for (int g = 0; g < MaxGroups; ++g) {
        // Three columns of three: groups 1-3 left, 4-6 middle, 7-9 right.
        groupRadios[g] = new QRadioButton(QStringLiteral("Group%1").arg(g + 1), box);
        groupRadios[g]->setObjectName(QStringLiteral("groupRadio%1").arg(g));
        groupButtons->addButton(groupRadios[g], g);
        layout->addWidget(groupRadios[g], g % 3, g / 3);
    }
    connect(groupButtons, &QButtonGroup::idClicked, this, &CActiveTournamentDlg::onGroupChosen);
    return box;
}

void CActiveTournamentDlg::buildHeadings(QGridLayout* grid) {
    for (const LeaderboardColumn& column : LeaderboardColumns) {
        QLabel* heading = headingLabel(scoreArea, column);
        if (column.id == BoardColumn::Hcp) hcpHeading = heading;
        grid->addWidget(heading, RowHeadings, gridColumn(column.id));
    }
    for (int i = 0; i < MaxHoles; ++i) {
        grid->addWidget(centredLabel(scoreArea, QStringLiteral("#%1").arg(i + 1)), RowHeadings, ColFirstHole + i);
    }
}

void CActiveTournamentDlg::buildLeaderboard(QGridLayout* grid) {
    boardRows.reserve(LeaderboardRows);
    for (int r = 0; r < LeaderboardRows; ++r) {
        grid->addWidget(centredLabel(scoreArea, QString::number(r + 1)), RowFirstBoard + r, ColCaption);
        boardRows.emplace_back(scoreArea, grid, RowFirstBoard + r, ColFirstFigure, r);
    }
}

void CActiveTournamentDlg::buildCourseRows(QGridLayout* grid) {
    QWidget* parent = scoreArea;
    const int colHcp = gridColumn(BoardColumn::Hcp);
    const int colTotal = gridColumn(BoardColumn::Total);
    courseLabel = new CColorStatic(QStringLiteral("Bane:"), parent);
    courseLabel->setObjectName(QStringLiteral("courseLabel"));
    courseLabel->setContentsMargins(4, 2, 4, 2);
    grid->addWidget(courseLabel, RowCourse, ColCaption, 1, colHcp - ColCaption);
    auto* parCaption = new QLabel(QStringLiteral("Banens par:"), parent);
    grid->addWidget(parCaption, RowCourse, colHcp, 1, colTotal - colHcp, Qt::AlignRight);
    parTotalLabel = centredLabel(parent, QStringLiteral("Tall"), QStringLiteral("parTotal"));
    grid->addWidget(parTotalLabel, RowCourse, colTotal);
    grid->addWidget(new QLabel(QStringLiteral("Banens indeks:"), parent), RowIndex, colHcp, 1, colTotal - colHcp,
                    Qt::AlignRight);
    for (int i = 0; i < MaxHoles; ++i) {
        parLabels[i] = centredLabel(parent, QString(), QStringLiteral("par%1").arg(i));
        indexLabels[i] = centredLabel(parent, QString(), QStringLiteral("index%1").arg(i));
        grid->addWidget(parLabels[i], RowCourse, ColFirstHole + i);
        grid->addWidget(indexLabels[i], RowIndex, ColFirstHole + i);
    }
}

void CActiveTournamentDlg::buildInputRows(QGridLayout* grid) {
    QWidget* parent = scoreArea;
    const int colHcp = gridColumn(BoardColumn::Hcp);
    grid->addWidget(boldLabel(QStringLiteral("Legg inn spillernes slag"), parent), RowInputHeading, ColCaption, 1,
                    colHcp - ColCaption);

    playerCombo = new QComboBox(parent);
    playerCombo->setObjectName(QStringLiteral("playerCombo"));
    playerCombo->setEditable(true);
    // Only a pick from the list counts; typed text never becomes an entry.
    playerCombo->setInsertPolicy(QComboBox::NoInsert);
    playerCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    playerCombo->view()->setMinimumWidth(PlayerListPopupWidth);
    connect(playerCombo, &QComboBox::currentIndexChanged, this, &CActiveTournamentDlg::onPlayerChosen);
    grid->addWidget(playerCombo, RowInput, ColCaption, 1, gridColumn(BoardColumn::Player) + 1 - ColCaption);
    for (std::size_t c = 0; c < LeaderboardColumns.size(); ++c) {
        const LeaderboardColumn& column = LeaderboardColumns[c];
        if (!column.inInputRow) continue;
        inputFields[c] = inputField(parent, column);
        grid->addWidget(inputFields[c], RowInput, gridColumn(column.id), Qt::AlignHCenter);
    }

    allocationLabel = new QLabel(QStringLiteral("Tildelte slag pr. hull"), parent);
    allocationLabel->setObjectName(QStringLiteral("allocationLabel"));
    grid->addWidget(allocationLabel, RowAllocation, colHcp, 1, gridColumn(BoardColumn::Points) + 1 - colHcp,
                    Qt::AlignRight);
    for (int k = 0; k < MaxHoles; ++k) {
        holeEdits[k] = makeEdit(numbered("holeEdit", k), parent);
        holeEdits[k]->setFixedWidth(HoleCellWidth);
        holeEdits[k]->setAlignment(Qt::AlignCenter);
        acceptWholeNumber(holeEdits[k], MaxHoleScore, HoleScoreMessage);
        connect(holeEdits[k], &QLineEdit::textChanged, this, [this, k] { onHoleChanged(k); });
        grid->addWidget(holeEdits[k], RowInput, ColFirstHole + k);
        allocationLabels[k] = centredLabel(parent, QStringLiteral("1"), QStringLiteral("allocation%1").arg(k));
        grid->addWidget(allocationLabels[k], RowAllocation, ColFirstHole + k);
    }
}

QWidget* CActiveTournamentDlg::buildButtons() {
    auto* bar = new QWidget(this);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    // Enter closes the screen like "Gå til hovedvindu" does; Esc does so through the dialog.
    addButtons(
        layout, bar,
        {{QStringLiteral("Resultatliste"), QStringLiteral("resultListButton"), &resultListButton, EnterKey::AsQt},
         {QStringLiteral("Resultattavle"), QStringLiteral("boardButton"), &boardButton, EnterKey::AsQt},
         {QStringLiteral("Mobilregistrering..."), QStringLiteral("mobileButton"), &mobileButton, EnterKey::AsQt},
         Stretch,
         {QStringLiteral("Gå til hovedvindu"), QStringLiteral("closeButton"), &closeButton, EnterKey::Default}});
    connect(boardButton, &QPushButton::clicked, this, &CActiveTournamentDlg::openClubhouseBoard);
    connect(resultListButton, &QPushButton::clicked, this, &CActiveTournamentDlg::onResultList);
    connect(mobileButton, &QPushButton::clicked, this, &CActiveTournamentDlg::openMobileScoring);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    return bar;
}

void CActiveTournamentDlg::showCourse() {
    const CPitch& pitch = tournament.pitch;
    parTotalLabel->setText(numberText(pitch.totalPar()));
    // All 18 holes are shown whatever the course's hole count says.
    for (int i = 0; i < MaxHoles; ++i) {
        parLabels[i]->setText(numberText(pitch.par[i]));
        indexLabels[i]->setText(numberText(pitch.index[i]));
    }
}

void CActiveTournamentDlg::showGroupCaptions() {
    // All nine positions, whatever numberOfGroups says: a group with players can be chosen.
    for (int g = 0; g < MaxGroups; ++g) {
        const CPlayGroup& group = tournament.groups[g];
        if (group.playerCount() > 0) {
            showGroupCaption(groupRadios[g], groupCaption(group, tournament.pitch));
        } else {
            groupRadios[g]->setEnabled(false);
        }
    }
}

void CActiveTournamentDlg::onGroupChosen(int g) {
    if (g < 0 || g >= MaxGroups) return;
    currentGroup = g;
    // The input row edits a player of the group shown only; it is empty until one is chosen.
    chosenPlayer = nullptr;
    chosenPosition = -1;
    clearInputRow();
    fillPlayerList();
}

void CActiveTournamentDlg::clearInputRow() {
    showInputRow();
    for (QLineEdit* hole : holeEdits) {
        const QSignalBlocker quiet(hole);
        hole->clear();
    }
}

void CActiveTournamentDlg::fillPlayerList() {
    // Filling the list is no pick: the list ends with no selection and the chosen player stays.
    const QSignalBlocker quiet(playerCombo);
    playerCombo->clear();
    playerNames.fill(std::string());
    const CPlayGroup& group = tournament.groups[currentGroup];
    for (int i = 0; i < group.playerCount(); ++i) {
        playerNames[i] = group.players[i].text();
        playerCombo->addItem(toQString(playerNames[i]));
    }
    playerCombo->setCurrentIndex(-1);
    refreshGroupView();
}

void CActiveTournamentDlg::refreshGroupView() {
    const CPlayGroup& group = tournament.groups[currentGroup];
    const CPitch& pitch = tournament.pitch;
    showText(hcpHeading, QStringLiteral("HCP: %1").arg(toQString(allowanceName(group.allowance))));
    showText(courseLabel,
             QStringLiteral("Bane: %1 (Tee= %2)").arg(toQString(pitch.name), toQString(pitch.teeNameAt(group.tee))));
    // Stableford groups see the row of strokes received per hole; it shows the hole numbers.
    const bool stableford = group.playsStableford();
    allocationLabel->setVisible(stableford);
    for (int j = 0; j < MaxHoles; ++j) {
        if (stableford) showText(allocationLabels[j], numberText(j + 1));
        allocationLabels[j]->setVisible(stableford);
    }
    for (int r = 0; r < LeaderboardRows; ++r) {
        // The players ranked stand in the group shown, so the class is that group's.
        if (const CPlayer* player = group.playerAtRank(r)) {
            boardRows[r].showPlayer(*player, className(group.groupClass), pitch);
        } else {
            boardRows[r].showEmpty();
        }
    }
}

void CActiveTournamentDlg::onPlayerChosen(int position) {
    const CPlayGroup& group = tournament.groups[currentGroup];
    if (position < 0 || position >= group.playerCount()) return;
    // The list shows the group's players in registration order, so its position is the
    // player's: two players of the same name stay two players.
    chosenPosition = position;
    chosenPlayer = &group.players[position];
    // Qt leaves the cursor of the list's text at the end, which would show a long name's tail.
    playerCombo->lineEdit()->setCursorPosition(0);
    showInputRow();
    // Every hole field shows this player's own strokes, also beyond a short course's holes.
    // Each write runs the field's handler, which stores the same value back.
    fillingHoleFields = true;
    for (int k = 0; k < MaxHoles; ++k) setTextAndNotify(holeEdits[k], numberText(chosenPlayer->results[k]));
    fillingHoleFields = false;
    showEntryTotal();
}

void CActiveTournamentDlg::onHoleChanged(int k) {
    const int value = holeEntry(k);
    if (chosenPlayer) {
        // The session announces a changed stroke, and onStrokesStored redraws. Filling the fields
        // for a chosen player is the program's own doing; anything else is the organiser's edit.
        if (fillingHoleFields) {
            theSession().setStrokes(currentGroup, chosenPosition, k, value);
        } else {
            holeBeingTyped = k;
            theSession().setStrokesByOrganiser(currentGroup, chosenPosition, k, value);
            holeBeingTyped = -1;
        }
        return;
    }
    // Nobody to store for: a typed score is taken away again, other texts stay.
    if (value > 0) holeEdits[k]->setText(QString());
    refreshGroupView();
}

int CActiveTournamentDlg::chosenClass() const { return tournament.groups[currentGroup].groupClass; }

int CActiveTournamentDlg::holeEntry(int k) const {
    return parseHoleEntry(text::cut(fromQString(holeEdits[k]->text()), HoleEntryLength));
}

// Wherever a stroke of the group shown was stored from, the leaderboard and the input row show
// it; a hole field of the chosen player that reads otherwise is given the stored stroke.
void CActiveTournamentDlg::onStrokesStored(int group, int player, int hole) {
    if (group != currentGroup) return;
    if (player == chosenPosition && chosenPlayer && hole != holeBeingTyped &&
        holeEntry(hole) != chosenPlayer->results[hole]) {
        const QSignalBlocker quiet(holeEdits[hole]);
        holeEdits[hole]->setText(numberText(chosenPlayer->results[hole]));
    }
    if (!fillingHoleFields) showEntryTotal();
}

void CActiveTournamentDlg::showEntryTotal() {
    showInputRow();
    refreshGroupView();
}

void CActiveTournamentDlg::showInputRow() {
    for (std::size_t c = 0; c < LeaderboardColumns.size(); ++c) {
        if (!inputFields[c]) continue;
        showText(inputFields[c],
                 chosenPlayer ? LeaderboardColumns[c].text(*chosenPlayer, className(chosenClass())) : QString());
    }
}

void CActiveTournamentDlg::onResultList() {
    CResultsDlg results(this);
    results.exec();
}

void CActiveTournamentDlg::openMobileScoring() {
    CMobileScoringDlg mobile(this);
    mobile.exec();
}

CClubhouseBoardDlg* CActiveTournamentDlg::clubhouseBoard() const { return board; }

void CActiveTournamentDlg::openClubhouseBoard() {
    // One board at a time; a second press brings it forward. As a child of this screen it
    // takes input while this screen is modal, and closes with it.
    if (board) {
        board->raise();
        return;
    }
    board = new CClubhouseBoardDlg(this);
    board->showOnBestScreen();
    // Typing goes on here: where a window manager activates the board anyway, take it back,
    // and bring the board in front again, as taking the keyboard raises this screen.
    activateWindow();
    board->raise();
}
