#include "ui/CRegisterAllGroupsDlg.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/CTournamentApp.h"
#include "live/LiveScoringRun.h"
#include "model/FileNames.h"
#include "print/ScoreCardPdf.h"
#include "print/TextCodec.h"
#include "text/Encoding.h"
#include "text/Text.h"
#include "ui/Artwork.h"
#include "ui/CRegisterGroupDlg.h"
#include "ui/Controls.h"
#include "ui/FileMessages.h"
#include "ui/MessageBox.h"
#include "ui/PrintPreview.h"
#include "ui/StatusLine.h"

namespace {

// A caption made on opening holds at most this many characters.
constexpr std::size_t MaxCaptionLength = 51;

const QString NoPlayersMessage = QStringLiteral("Ingen spillere er registrert, så det er ingen scorekort å skrive.");
const QString WriteFailedMessage = QStringLiteral("Scorekortene kunne ikke skrives til %1.");
const QString CodesFailedMessage = QStringLiteral(
    "Kodene til gruppene kunne ikke trekkes: systemets tilfeldighetskilde svarte ikke.");
const QString WrittenStatus = QStringLiteral("Scorekortene er skrevet til %1");
const QString WrittenQuestion = QStringLiteral("Scorekortene er skrevet til %1.\n\nVil du åpne dem?");

QString positionLetter(int position) { return QChar(u'A' + position); }

// "<class>: <group name>", cut to the caption's length.
QString groupCaption(const CPlayGroup& group) {
    std::string caption(className(group.groupClass));
    caption.append(": ").append(group.groupName);
    // A "&" in a button text marks a shortcut; the caption shows it as it is.
    return toQString(text::cut(caption, MaxCaptionLength)).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

CRegisterAllGroupsDlg::CRegisterAllGroupsDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Registrer alle gruppene"));
    setWindowIcon(teebrookIcon());
    buildForm();
    showGroups();
    // Sized before the window exists, so showing it changes no size hints.
    layout()->activate();
}

void CRegisterAllGroupsDlg::buildForm() {
    auto* layout = new QVBoxLayout(this);
    for (int position = 0; position < MaxGroups; ++position) {
        QPushButton* button = makeButton({QStringLiteral("Registrer gruppe ") + positionLetter(position),
                                          QStringLiteral("groupButton") + positionLetter(position)},
                                         this);
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
        connect(button, &QPushButton::clicked, this, [this, position] { registerGroup(position); });
        groupButtons[position] = button;
        layout->addWidget(button);
    }
    layout->addSpacing(12);
    auto* cardRow = new QHBoxLayout;
    addButtons(cardRow, this,
               {{QStringLiteral("Scorekort"), QStringLiteral("scoreCardButton"), &scoreCardButton},
                {QStringLiteral("Skriv ut..."), QStringLiteral("printButton"), &printButton}});
    cardRow->setStretch(0, 1);
    connect(scoreCardButton, &QPushButton::clicked, this, &CRegisterAllGroupsDlg::writeScoreCards);
    connect(printButton, &QPushButton::clicked, this, &CRegisterAllGroupsDlg::printScoreCards);
    layout->addLayout(cardRow);
    statusLine = new StatusLine(this);
    layout->addWidget(statusLine);
    closeButton = addCloseButton(this, layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CRegisterAllGroupsDlg::showGroups() {
    const CTournament& tournament = theTournament();
    const int groupsInUse = tournament.groupsInUse();
    for (int position = 0; position < MaxGroups; ++position) {
        const CPlayGroup& group = tournament.groups[position];
        if (position >= groupsInUse) {
            groupButtons[position]->setEnabled(false);
        } else if (group.noOfPlayers > 0) {
            groupButtons[position]->setText(groupCaption(group));
        }
    }
}

void CRegisterAllGroupsDlg::registerGroup(int position) {
    CRegisterGroupDlg dialog(position, this);
    dialog.exec();
}

bool CRegisterAllGroupsDlg::hasCardsToMake() {
    if (theTournament().totalPlayers() == 0) {
        MessageBox::warning(this, NoPlayersMessage);
        return false;
    }
    // The cards carry the groups' codes for the phones; a code drawn once stays in the tournament.
    if (!theSession().drawMissingCodes()) {
        MessageBox::warning(this, CodesFailedMessage);
        return false;
    }
    return true;
}

void CRegisterAllGroupsDlg::printScoreCards() {
    if (hasCardsToMake())
        printWithPreview(this, scoreCardPages(buildScoreCards(theTournament()), theLiveScoring().pageAddress()));
}

void CRegisterAllGroupsDlg::writeScoreCards() {
    const CTournament& tournament = theTournament();
    // A name with a folder separator would write the cards outside the working directory.
    if (const NameForFiles verdict = storedNameForFiles(tournament.name); verdict != NameForFiles::Usable) {
        MessageBox::warning(this, QString::fromUtf8(refusalText(verdict)));
        return;
    }
    if (!hasCardsToMake()) return;
    const std::string path = scoreCardPath(tournament.name);
    const QString absolutePath = QDir::toNativeSeparators(
        QDir::cleanPath(QDir::current().absoluteFilePath(QString::fromStdString(path))));
    if (const files::FileResult written = writeScoreCardsPdf(tournament, path, theLiveScoring().pageAddress());
        !written) {
        MessageBox::warning(this, withFailureReason(WriteFailedMessage.arg(absolutePath), written));
        return;
    }
    statusLine->showDone(WrittenStatus.arg(shownPath(path)));
    if (MessageBox::askYesNo(this, WrittenQuestion.arg(absolutePath))) openPdfOrSayWhy(this, absolutePath);
}
