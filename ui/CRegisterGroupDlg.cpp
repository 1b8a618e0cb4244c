#include "ui/CRegisterGroupDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/CTournamentApp.h"
#include "print/TextCodec.h"
#include "scoring/Handicap.h"
#include "scoring/Sides.h"
#include "text/Text.h"
#include "ui/Artwork.h"
#include "ui/Controls.h"
#include "ui/FieldText.h"
#include "ui/MessageBox.h"

namespace {

const QString MissingTeeMessage = QStringLiteral("Gruppens tee finnes ikke på valgt bane. Velg tee i Opprett grupper.");

// "Gruppe: <class> (<play form>) <group name>", the format after the play form in pairs and teams.
QString frameCaption(const CTournamentInfo& tournament, const CPlayGroup& group) {
    std::string caption("Gruppe: ");
    caption.append(className(group.groupClass)).append(" (").append(playFormName(group.playForm));
    const std::string_view format = formatNameOf(tournament.type, group.format);
    if (!format.empty()) caption.append(", ").append(format);
    caption.append(") ");
    caption.append(group.groupName);
    // A "&" in a frame title marks a shortcut; the caption shows it as it is.
    return toQString(caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

CRegisterGroupDlg::CRegisterGroupDlg(int groupPosition, QWidget* parent) : QDialog(parent), position(groupPosition) {
    setWindowTitle(QStringLiteral("Registrer gruppe"));
    setWindowIcon(teebrookIcon());
    buildForm();
    for (int row = 0; row < MaxPlayers; ++row) connectRow(row);
    setTabOrderOfRows();
    showGroup();
    warnOfMissingTee();
    // Sized before the window exists, so showing it changes no size hints.
    layout()->activate();
}

void CRegisterGroupDlg::buildForm() {
    groupFrame = new QGroupBox(QStringLiteral("Gruppe:"), this);
    groupFrame->setObjectName(QStringLiteral("groupFrame"));
    auto* grid = new QGridLayout(groupFrame);
    grid->setHorizontalSpacing(8);
    const QStringList headings{QStringLiteral("Fornavn"), QStringLiteral("Etternavn"), QStringLiteral("Klubb"),
                               QStringLiteral("HCP"),     QStringLiteral("SH"),        QStringLiteral("Spillehcp")};
    for (int column = 0; column < headings.size(); ++column) {
        grid->addWidget(new QLabel(headings[column], groupFrame), 0, column);
    }
    // The pair or team of each row, after the figures; shown for "Par" and "Lag" only.
    const int sideColumn = static_cast<int>(headings.size());
    sideHeading = new QLabel(toQString(theTournament().type), groupFrame);
    grid->addWidget(sideHeading, 0, sideColumn);
    for (int row = 0; row < MaxPlayers; ++row) {
        firstNameEdits[row] = makeEdit(numbered("firstNameEdit", row + 1), groupFrame, {.minimumLetters = 16});
        surNameEdits[row] = makeEdit(numbered("surNameEdit", row + 1), groupFrame, {.minimumLetters = 18});
        clubEdits[row] = makeEdit(numbered("clubEdit", row + 1), groupFrame, {.minimumLetters = 18});
        for (QLineEdit* text : {firstNameEdits[row], surNameEdits[row], clubEdits[row]}) acceptOnlyStorableText(text);
        hcpEdits[row] = makeEdit(numbered("hcpEdit", row + 1), groupFrame, {.minimumLetters = 6});
        shEdits[row] = makeEdit(numbered("shEdit", row + 1), groupFrame, {.minimumLetters = 5});
        playingHandicapEdits[row] = makeEdit(numbered("playingHandicapEdit", row + 1), groupFrame,
                                             {.minimumLetters = 5});
        for (QLineEdit* figure : {shEdits[row], playingHandicapEdits[row]}) {
            makeReadOnly(figure);
            figure->setFocusPolicy(Qt::ClickFocus);
        }
        const QList<QLineEdit*> cells{firstNameEdits[row], surNameEdits[row], clubEdits[row],
                                      hcpEdits[row],       shEdits[row],      playingHandicapEdits[row]};
        for (int column = 0; column < cells.size(); ++column) grid->addWidget(cells[column], row + 1, column);
        sideEdits[row] = makeEdit(numbered("sideEdit", row + 1), groupFrame, {.minimumLetters = 3});
        sideEdits[row]->setMaximumWidth(sideEdits[row]->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 5);
        makeReadOnly(sideEdits[row]);
        sideEdits[row]->setFocusPolicy(Qt::ClickFocus);
        grid->addWidget(sideEdits[row], row + 1, sideColumn);
    }
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 3);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(4, 1);
    grid->setColumnStretch(5, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(groupFrame);
    closeButton = addCloseButton(this, layout);
}

void CRegisterGroupDlg::connectRow(int row) {
    connect(firstNameEdits[row], &QLineEdit::textChanged, this,
            [this, row] { theSession().setFirstName(position, row, fieldText(firstNameEdits[row])); });
    connect(surNameEdits[row], &QLineEdit::textChanged, this,
            [this, row] { theSession().setSurName(position, row, fieldText(surNameEdits[row])); });
    connect(clubEdits[row], &QLineEdit::textChanged, this,
            [this, row] { theSession().setClub(position, row, fieldText(clubEdits[row])); });
    connect(hcpEdits[row], &QLineEdit::textChanged, this, [this, row] { onHandicapChanged(row); });
}

// Row by row, left to right, then "Lukk"; the read-only playing handicap takes no tab stop.
void CRegisterGroupDlg::setTabOrderOfRows() {
    QWidget* previous = nullptr;
    for (int row = 0; row < MaxPlayers; ++row) {
        for (QWidget* edit : {firstNameEdits[row], surNameEdits[row], clubEdits[row], hcpEdits[row]}) {
            if (previous) setTabOrder(previous, edit);
            previous = edit;
        }
    }
    setTabOrder(previous, closeButton);
}

const CPlayGroup* CRegisterGroupDlg::group() const {
    return position >= 0 && position < MaxGroups ? &theTournament().groups[position] : nullptr;
}

void CRegisterGroupDlg::showGroup() {
    const CPlayGroup* shown = group();
    const int players = shown ? shown->playerCount() : 0;
    if (shown) groupFrame->setTitle(frameCaption(theTournament(), *shown));
    for (int row = 0; row < MaxPlayers; ++row) {
        if (row < players) {
            showPlayer(row);
        } else {
            disableRow(row);
        }
    }
    showSideNumbers();
}

void CRegisterGroupDlg::showSideNumbers() {
    const int sideSize = sideSizeOfType(theTournament().type);
    sideHeading->setVisible(sideSize > 1);
    for (int row = 0; row < MaxPlayers; ++row) {
        sideEdits[row]->setVisible(sideSize > 1);
        const int side = group() ? sideNumberOf(*group(), sideSize, row) : 0;
        showText(sideEdits[row], side > 0 ? numberText(side) : QString());
    }
}

// Filling a field counts as a change of it: names are read back, and the handicap of a named
// player (an index of 0.0 and a plus handicap too) is read back from its one-decimal text and
// its playing handicap worked out anew.
void CRegisterGroupDlg::showPlayer(int row) {
    const CPlayer& player = group()->players[row];
    setTextAndNotify(firstNameEdits[row], toQString(player.firstName));
    setTextAndNotify(surNameEdits[row], toQString(player.surName));
    setTextAndNotify(clubEdits[row], toQString(player.club));
    const bool named = !player.firstName.empty() || !player.surName.empty();
    if (named || player.hcp > 0.0f)
        setTextAndNotify(hcpEdits[row], QString::fromStdString(text::formatFixed1(player.hcp)));
    if (player.sh > 0.0f && hasValidTee())
        showText(shEdits[row], QString::fromStdString(formatPlayingHandicap(player.sh)));
    showPlayingHandicap(row);
}

// The handicap the score card, the board and the prize list use, or nothing without a tee. A side
// playing one ball has one handicap, on its first row.
void CRegisterGroupDlg::showPlayingHandicap(int row) {
    const CTournament& tournament = theTournament();
    const CPlayGroup& shown = *group();
    std::optional<int> playingHandicap;
    if (playsOneBall(sideFormatOf(tournament, shown))) {
        const int sideSize = sideSizeOfType(tournament.type);
        const std::vector<std::vector<int>> sides = sidesOf(shown, sideSize);
        const std::size_t side = static_cast<std::size_t>(row / sideSize);
        if (row % sideSize == 0 && side < sides.size() && sides[side].size() > 1)
            playingHandicap = oneBallHandicap(tournament, shown, sides[side]);
    } else {
        playingHandicap = playingHandicapOf(tournament, shown, shown.players[row]);
    }
    showText(playingHandicapEdits[row], playingHandicap ? numberText(*playingHandicap) : QString());
}

void CRegisterGroupDlg::showPlayingHandicaps() {
    for (int row = 0; row < group()->playerCount() && row < MaxPlayers; ++row) showPlayingHandicap(row);
}

// Playing handicaps are worked out only from a tee the selected course has.
bool CRegisterGroupDlg::hasValidTee() const {
    const CPlayGroup* shown = group();
    return shown && theTournament().selectedCourseHasTee(shown->tee);
}

void CRegisterGroupDlg::warnOfMissingTee() {
    if (group() && !hasValidTee()) MessageBox::warning(parentWidget(), MissingTeeMessage);
}

void CRegisterGroupDlg::disableRow(int row) {
    for (QLineEdit* edit : {firstNameEdits[row], surNameEdits[row], clubEdits[row], hcpEdits[row], shEdits[row],
                            playingHandicapEdits[row], sideEdits[row]}) {
        edit->setEnabled(false);
    }
}

// The session works the playing handicap out on a tee of the selected course only; without one
// the field is empty and the stored one stays.
void CRegisterGroupDlg::onHandicapChanged(int row) {
    const CPlayGroup* edited = group();
    if (!edited) return;
    const LimitedHandicap limited = limitHandicap(text::readHandicapIndex(fieldText(hcpEdits[row])));
    theSession().setHandicap(position, row, limited.value);
    if (limited.limited) {
        MessageBox::warning(isVisible() ? this : parentWidget(), QString::fromUtf8(HandicapLimitMessage));
    }
    // A partner's index changes the handicap a one-ball side shows on its first row.
    showPlayingHandicaps();
    if (!hasValidTee()) {
        shEdits[row]->clear();
        return;
    }
    showText(shEdits[row], QString::fromStdString(formatPlayingHandicap(edited->players[row].sh)));
}
