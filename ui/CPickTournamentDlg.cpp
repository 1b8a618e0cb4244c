#include "ui/CPickTournamentDlg.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/SavedTournaments.h"
#include "print/TextCodec.h"
#include "ui/Artwork.h"
#include "ui/Controls.h"
#include "ui/FileMessages.h"

namespace {

const QString NotFoundText = QStringLiteral("Finner ingen lagret turnering med navnet «%1».");
const QString PickText = QStringLiteral("Velg en av de lagrede turneringene:");
const QString NoneSavedText = QStringLiteral("Det er ingen lagrede turneringer i mappen data.");
const QString UnreadableText = QStringLiteral("kan ikke leses");
const QString ListFailedText = QStringLiteral("Mappen data kunne ikke leses.");
constexpr int PathRole = Qt::UserRole;

QString dateText(const SavedTournament& saved) {
    if (saved.day <= 0 || saved.month <= 0 || saved.year <= 0) return {};
    return QStringLiteral("%1.%2.%3")
        .arg(saved.day, 2, 10, QLatin1Char('0'))
        .arg(saved.month, 2, 10, QLatin1Char('0'))
        .arg(saved.year);
}

QTreeWidgetItem* itemOf(const SavedTournament& saved) {
    auto* item = new QTreeWidgetItem;
    item->setData(0, PathRole, QString::fromStdString(saved.path));
    if (!saved.readable) {
        // Shown so the organiser knows it is there, but it cannot be picked.
        item->setText(0, QString::fromStdString(saved.file));
        item->setText(1, UnreadableText);
        item->setFlags(Qt::NoItemFlags);
        return item;
    }
    const QString name = toQString(saved.name);
    item->setText(0, name.isEmpty() ? QString::fromStdString(saved.file) : name);
    item->setText(1, dateText(saved));
    item->setText(2, toQString(saved.course));
    return item;
}

}  // namespace

CPickTournamentDlg::CPickTournamentDlg(const QString& notFound, const std::string& folder, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Åpne turnering"));
    setWindowIcon(teebrookIcon());
    buildForm(notFound);
    fillList(folder);
}

void CPickTournamentDlg::buildForm(const QString& notFound) {
    auto* layout = new QVBoxLayout(this);
    if (!notFound.isEmpty()) {
        auto* notFoundLabel = new QLabel(NotFoundText.arg(notFound), this);
        notFoundLabel->setObjectName(QStringLiteral("notFoundLabel"));
        notFoundLabel->setTextFormat(Qt::PlainText);
        layout->addWidget(notFoundLabel);
    }
    introLabel = new QLabel(PickText, this);
    introLabel->setObjectName(QStringLiteral("introLabel"));
    layout->addWidget(introLabel);
    tournamentList = new QTreeWidget(this);
    tournamentList->setObjectName(QStringLiteral("tournamentList"));
    tournamentList->setHeaderLabels(
        {QStringLiteral("Konkurransenavn"), QStringLiteral("Dato"), QStringLiteral("Bane")});
    tournamentList->setRootIsDecorated(false);
    tournamentList->setAllColumnsShowFocus(true);
    tournamentList->setMinimumSize(560, 260);
    tournamentList->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    tournamentList->header()->setStretchLastSection(false);
    tournamentList->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    layout->addWidget(tournamentList);
    const OkCancelButtons buttons = addOkCancelButtons(this, layout);
    openButton = buttons.ok;
    openButton->setText(QStringLiteral("Åpne"));
    buttons.cancel->setText(QStringLiteral("Avbryt"));
    connect(openButton, &QPushButton::clicked, this, &CPickTournamentDlg::onPicked);
    connect(tournamentList, &QTreeWidget::itemActivated, this, &CPickTournamentDlg::onPicked);
    connect(tournamentList, &QTreeWidget::currentItemChanged, this,
            [this](const QTreeWidgetItem* current) { openButton->setEnabled(current != nullptr); });
}

void CPickTournamentDlg::fillList(const std::string& folder) {
    const SavedTournamentList saved = savedTournaments(folder);
    for (const SavedTournament& tournament : saved.tournaments) tournamentList->addTopLevelItem(itemOf(tournament));
    tournamentList->resizeColumnToContents(1);
    if (!saved.result) introLabel->setText(withReadFailureReason(ListFailedText, saved.result));
    else if (saved.tournaments.empty()) introLabel->setText(NoneSavedText);
    // The newest tournament that can be read is chosen, so Enter opens it.
    QTreeWidgetItem* first = nullptr;
    for (int i = 0; i < tournamentList->topLevelItemCount() && !first; ++i) {
        QTreeWidgetItem* item = tournamentList->topLevelItem(i);
        if (item->flags() & Qt::ItemIsEnabled) first = item;
    }
    tournamentList->setCurrentItem(first);
    openButton->setEnabled(first != nullptr);
    tournamentList->setFocus();
}

void CPickTournamentDlg::onPicked() {
    const QTreeWidgetItem* item = tournamentList->currentItem();
    if (!item || !(item->flags() & Qt::ItemIsEnabled)) return;
    picked = item->data(0, PathRole).toString().toStdString();
    accept();
}
