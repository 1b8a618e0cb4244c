#include "ui/CResultsDlg.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/CTournamentApp.h"
#include "lists/Lists.h"
#include "model/FileNames.h"
#include "text/Encoding.h"
#include "text/Text.h"
#include "ui/DialogButtons.h"
#include "ui/FileMessages.h"
#include "ui/MessageBox.h"
#include "ui/TextCodec.h"

namespace {

const QString EmptyNameMessage = QStringLiteral("Skriv inn et Konkuransenavn.");
const QString WriteFailedMessage = QStringLiteral("Resultatlisten kunne ikke skrives.");

// Sort weight of a character: punctuation and blanks first, then digits, then letters
// with upper and lower case alike, as the sorted list box of the desktop orders lines.
struct SortKey {
    int kind;
    char32_t code;
    auto operator<=>(const SortKey&) const = default;
};

SortKey sortKey(QChar c) {
    if (c.isDigit()) return {1, c.unicode()};
    if (c.isLetter()) return {2, c.toCaseFolded().unicode()};
    return {0, c.unicode()};
}

// "%d: %s %s %d %.1f, %s": number, names, class number, handicap index, then the strokes
// of the course's holes, each followed by a blank.
QString resultLine(int number, const CPlayer& player, const CPlayGroup& group, int holes) {
    std::string strokes;
    for (int j = 0; j < holes; ++j) strokes += text::formatInt(player.results[j]) + ' ';
    const std::string line = text::formatInt(number) + ": " + player.firstName + ' ' + player.surName + ' ' +
                             text::formatInt(group.groupClass) + ' ' + text::formatFixed1(player.hcp) + ", " + strokes;
    return toQString(line);
}

}  // namespace

CResultsDlg::CResultsDlg(QWidget* parent) : QDialog(parent), tournament(theTournament()) {
    setWindowTitle(QStringLiteral("Resultater"));
    buildForm();
    // The list is filled before the name is checked, so an empty name still gives a full list.
    fillResults();
    writeResults();
    resultsList->setCurrentRow(-1);
}

void CResultsDlg::buildForm() {
    auto* layout = new QVBoxLayout(this);
    resultsList = new QListWidget(this);
    resultsList->setObjectName(QStringLiteral("resultsList"));
    resultsList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    resultsList->setMinimumSize(520, 300);
    layout->addWidget(resultsList);
    // Both buttons only close the screen; the line the user may have selected is not used.
    const OkCancelButtons buttons = addOkCancelButtons(this, layout);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
}

void CResultsDlg::fillResults() {
    resultsList->clear();
    const int holes = tournament.pitch.holeCount();
    int number = 0;
    // Groups in use, players in registration order; one running number over all groups.
    for (int g = 0; g < tournament.groupsInUse(); ++g) {
        const CPlayGroup& group = tournament.groups[g];
        for (int i = 0; i < group.playerCount(); ++i) addSorted(resultLine(++number, group.players[i], group, holes));
    }
}

void CResultsDlg::addSorted(const QString& line) {
    // A sorted list box: the line goes after every line that does not sort after it.
    int row = resultsList->count();
    while (row > 0 && sortsBefore(line, resultsList->item(row - 1)->text())) --row;
    resultsList->insertItem(row, line);
}

bool CResultsDlg::sortsBefore(const QString& left, const QString& right) {
    return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end(),
                                        [](QChar a, QChar b) { return sortKey(a) < sortKey(b); });
}

void CResultsDlg::writeResults() {
    if (tournament.name.empty()) {
        MessageBox::warning(parentWidget(), EmptyNameMessage);
        return;
    }
    // A name with a folder separator would write the list outside the working directory.
    if (!isUsableFileName(text::utf8FromWindows1252(tournament.name))) {
        MessageBox::warning(parentWidget(), QString::fromUtf8(UnusableFileNameMessage));
        return;
    }
    const files::FileResult written = writeResultList(tournament, resultListPath(tournament.name));
    if (!written) MessageBox::warning(parentWidget(), withFailureReason(WriteFailedMessage, written));
}

QStringList CResultsDlg::lines() const {
    QStringList result;
    for (int row = 0; row < resultsList->count(); ++row) result.append(resultsList->item(row)->text());
    return result;
}
