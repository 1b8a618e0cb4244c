#include "ui/CResultsDlg.h"

#include <QBoxLayout>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "app/CTournamentApp.h"
#include "lists/Lists.h"
#include "lists/PrizeList.h"
#include "model/FileNames.h"
#include "print/PrizeListPdf.h"
#include "print/TextCodec.h"
#include "text/Encoding.h"
#include "ui/Controls.h"
#include "ui/FileMessages.h"
#include "ui/MessageBox.h"
#include "ui/PrintPreview.h"
#include "ui/StatusLine.h"

namespace {

const QString WriteFailedMessage = QStringLiteral("Resultatlisten kunne ikke skrives.");
const QString PrizeWriteFailedMessage = QStringLiteral("Premielisten kunne ikke skrives: %1");
const QString ResultsStatus = QStringLiteral("Resultatlisten er skrevet til %1");
// The three files share their name but the ending.
const QString PrizeListStatus = QStringLiteral("Premielisten er skrevet til %1, .csv og .pdf");
const QString PrizeWrittenQuestion = QStringLiteral("Premielisten er skrevet til\n%1\n\nVil du åpne PDF-filen?");

QString absolutePath(const std::string& path) { return QFileInfo(QString::fromStdString(path)).absoluteFilePath(); }

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
    // Each paper's "Skriv ut..." stands beside it: the result list's under the list, the prize
    // list's beside its button.
    auto* listRow = new QHBoxLayout;
    addButtons(listRow, this,
               {Stretch, {QStringLiteral("Skriv ut..."), QStringLiteral("printResultsButton"), &printResultsButton}});
    printResultsButton->setToolTip(QStringLiteral("Skriv ut resultatlisten"));
    connect(printResultsButton, &QPushButton::clicked, this, &CResultsDlg::printResults);
    layout->addLayout(listRow);
    statusLine = new StatusLine(this);
    layout->addWidget(statusLine);
    // Both buttons only close the screen; the line the user may have selected is not used.
    const OkCancelButtons buttons = addOkCancelButtons(this, layout);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    // At the left of the button row.
    if (auto* row = qobject_cast<QBoxLayout*>(layout->itemAt(layout->count() - 1)->layout())) {
        auto* prizeButtons = new QHBoxLayout;
        addButtons(prizeButtons, this,
                   {{QStringLiteral("Premieliste"), QStringLiteral("prizeListButton"), &prizeListButton},
                    {QStringLiteral("Skriv ut..."), QStringLiteral("printPrizeListButton"), &printPrizeListButton}});
        printPrizeListButton->setToolTip(QStringLiteral("Skriv ut premielisten"));
        row->insertLayout(0, prizeButtons);
    }
    connect(prizeListButton, &QPushButton::clicked, this, &CResultsDlg::writePrizeList);
    connect(printPrizeListButton, &QPushButton::clicked, this, &CResultsDlg::printPrizeList);
}

void CResultsDlg::fillResults() {
    resultsList->clear();
    for (const std::string& line : resultScreenLines(tournament)) resultsList->addItem(toQString(line));
}

bool CResultsDlg::hasUsableName() {
    // A name with a folder separator would write the list outside the working directory.
    const NameForFiles verdict = storedNameForFiles(tournament.name);
    if (verdict == NameForFiles::Usable) return true;
    MessageBox::warning(parentWidget(), QString::fromUtf8(refusalText(verdict)));
    return false;
}

void CResultsDlg::writeResults() {
    if (!hasUsableName()) return;
    const std::string path = resultListPath(tournament.name);
    const files::FileResult written = writeResultList(tournament, path);
    if (!written) MessageBox::warning(parentWidget(), withFailureReason(WriteFailedMessage, written));
    else statusLine->showDone(ResultsStatus.arg(shownPath(path)));
}

void CResultsDlg::printResults() {
    printWithPreview(
        this, textPages(QStringLiteral("Resultatliste – ") + toQString(tournament.name), resultListText(tournament)));
}

void CResultsDlg::printPrizeList() { printWithPreview(this, prizeListPages(tournament)); }

void CResultsDlg::writePrizeList() {
    if (!hasUsableName()) return;
    const PrizeListPaths paths = prizeListPaths(tournament.name);
    const std::pair<files::FileResult (*)(const CTournamentInfo&, const std::string&), std::string> writers[] = {
        {&writePrizeListText, paths.text}, {&writePrizeListCsv, paths.csv}, {&writePrizeListPdf, paths.pdf}};
    for (const auto& [write, path] : writers) {
        if (const files::FileResult result = write(tournament, path); !result) {
            MessageBox::warning(this, withFailureReason(PrizeWriteFailedMessage.arg(absolutePath(path)), result));
            return;
        }
    }
    statusLine->showDone(PrizeListStatus.arg(shownPath(paths.text)));
    const QString written =
        QStringList{absolutePath(paths.text), absolutePath(paths.csv), absolutePath(paths.pdf)}.join(u'\n');
    if (!MessageBox::askYesNo(this, PrizeWrittenQuestion.arg(written))) return;
    openPdfOrSayWhy(this, absolutePath(paths.pdf));
}

QStringList CResultsDlg::lines() const {
    QStringList result;
    for (int row = 0; row < resultsList->count(); ++row) result.append(resultsList->item(row)->text());
    return result;
}
