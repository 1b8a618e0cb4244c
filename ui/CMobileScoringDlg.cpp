#include "ui/CMobileScoringDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "app/CTournamentApp.h"
#include "app/TournamentSession.h"
#include "live/LiveScoringRun.h"
#include "live/ServiceAddress.h"
#include "print/QrCode.h"
#include "print/TextCodec.h"
#include "scoring/LiveScoring.h"
#include "ui/Controls.h"
#include "ui/MessageBox.h"

namespace {

constexpr int TileColumns = 5;
constexpr int TileWidth = CMobileScoringDlg::QrPixels + 40;

QString groupLetter(int group) { return QString(QChar(u'A' + group)); }

QString playerName(const CPlayer& player) {
    return toQString(player.firstName) + QStringLiteral(" ") + toQString(player.surName);
}

QString conflictText(const CTournament& tournament, const ConflictHole& conflict) {
    return QStringLiteral("Gruppe %1, %2, hull %3: markør %4, spiller %5")
        .arg(groupLetter(conflict.group), playerName(tournament.groups[conflict.group].players[conflict.player]))
        .arg(conflict.hole + 1)
        .arg(conflict.markerStrokes)
        .arg(conflict.playerStrokes);
}

}  // namespace

CMobileScoringDlg::CMobileScoringDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CMobileScoringDlg"));
    setWindowTitle(QStringLiteral("Mobilregistrering"));
    buildForm();
    listenToSession();
    refreshAll();
    // Five groups side by side, within a 1280x720 display.
    resize(1180, 620);
}

void CMobileScoringDlg::buildForm() {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* texts = new QVBoxLayout;
    stateLabel = new QLabel(this);
    stateLabel->setObjectName(QStringLiteral("stateLabel"));
    QFont big = stateLabel->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    stateLabel->setFont(big);
    addressLabel = new QLabel(this);
    addressLabel->setObjectName(QStringLiteral("addressLabel"));
    addressLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    texts->addWidget(stateLabel);
    texts->addWidget(addressLabel);
    startStop = new QPushButton(this);
    startStop->setObjectName(QStringLiteral("startStopButton"));
    connect(startStop, &QPushButton::clicked, this, &CMobileScoringDlg::startOrStop);
    top->addLayout(texts, 1);
    top->addWidget(startStop, 0, Qt::AlignTop);
    layout->addLayout(top);
    layout->addWidget(buildGroupTiles(), 1);
    layout->addWidget(new QLabel(QStringLiteral("Hull i konflikt (markør og spiller har registrert ulike slag; "
                                                "skriv hullet på \"Aktiv turnering\" for å avgjøre):"),
                                 this));
    conflicts = new QListWidget(this);
    conflicts->setObjectName(QStringLiteral("conflictList"));
    conflicts->setMaximumHeight(90);
    layout->addWidget(conflicts);
    auto* bottom = new QHBoxLayout;
    addButtons(bottom, this,
               {Stretch, {QStringLiteral("Lukk"), QStringLiteral("closeButton"), &closeButton, EnterKey::Default}});
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    layout->addLayout(bottom);
}

QWidget* CMobileScoringDlg::buildGroupTiles() {
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    auto* area = new QWidget(scroll);
    auto* grid = new QGridLayout(area);
    for (int g = 0; g < MaxGroups; ++g) {
        GroupTile& tile = tiles[g];
        tile.box = new QGroupBox(area);
        tile.box->setFixedWidth(TileWidth);
        auto* column = new QVBoxLayout(tile.box);
        tile.qr = new QLabel(tile.box);
        tile.qr->setObjectName(QStringLiteral("qrLabel%1").arg(g));
        tile.qr->setFixedSize(QrPixels, QrPixels);
        tile.qr->setAlignment(Qt::AlignCenter);
        tile.code = new QLabel(tile.box);
        tile.code->setObjectName(QStringLiteral("codeLabel%1").arg(g));
        QFont codeFont(QStringLiteral("DejaVu Sans Mono"));
        codeFont.setPointSize(16);
        codeFont.setBold(true);
        tile.code->setFont(codeFont);
        tile.code->setTextInteractionFlags(Qt::TextSelectableByMouse);
        tile.link = new QLabel(tile.box);
        tile.link->setTextInteractionFlags(Qt::TextSelectableByMouse);
        tile.newCode = new QPushButton(QStringLiteral("Ny kode"), tile.box);
        tile.newCode->setObjectName(QStringLiteral("newCodeButton%1").arg(g));
        connect(tile.newCode, &QPushButton::clicked, this, [this, g] { askForNewCode(g); });
        column->addWidget(tile.qr, 0, Qt::AlignHCenter);
        column->addWidget(tile.code, 0, Qt::AlignHCenter);
        column->addWidget(tile.link, 0, Qt::AlignHCenter);
        column->addWidget(tile.newCode, 0, Qt::AlignHCenter);
        grid->addWidget(tile.box, g / TileColumns, g % TileColumns);
    }
    grid->setRowStretch(MaxGroups / TileColumns + 1, 1);
    scroll->setWidget(area);
    return scroll;
}

void CMobileScoringDlg::listenToSession() {
    TournamentSession& session = theSession();
    connect(&session, &TournamentSession::strokesChanged, this, &CMobileScoringDlg::showConflicts);
    connect(&session, &TournamentSession::groupChanged, this, &CMobileScoringDlg::showGroup);
    connect(&session, &TournamentSession::headerChanged, this, &CMobileScoringDlg::refreshAll);
    connect(&session, &TournamentSession::tournamentReplaced, this, &CMobileScoringDlg::refreshAll);
    connect(&session, &TournamentSession::courseTableChanged, this, &CMobileScoringDlg::refreshAll);
    connect(&theLiveScoring(), &LiveScoringRun::runningChanged, this, &CMobileScoringDlg::refreshAll);
}

void CMobileScoringDlg::startOrStop() {
    LiveScoringRun& run = theLiveScoring();
    if (run.isRunning()) {
        run.stop();
        return;
    }
    if (const std::optional<QString> refused = run.start())
        MessageBox::warning(this, QStringLiteral("Mobilregistreringen kunne ikke startes.\n") + *refused);
}

void CMobileScoringDlg::askForNewCode(int group) {
    const QString question = QStringLiteral(
                                 "Gruppe %1 får en ny kode. Telefoner med den gamle koden kan ikke "
                                 "registrere mer før de åpner den nye. Vil du det?")
                                 .arg(groupLetter(group));
    if (!MessageBox::askYesNo(this, question)) return;
    if (const std::optional<QString> failed = theLiveScoring().replaceCode(group)) MessageBox::warning(this, *failed);
}

void CMobileScoringDlg::refreshAll() {
    showState();
    showGroups();
    showConflicts();
}

void CMobileScoringDlg::showState() {
    const LiveScoringRun& run = theLiveScoring();
    if (run.isRunning()) {
        stateLabel->setText(QStringLiteral("Mobilregistreringen går. Telefonene åpner:"));
        addressLabel->setText(run.addresses().join(QStringLiteral("   ")) +
                              QStringLiteral("   (resultattavle: %1/tavle)").arg(run.addresses().value(0)));
        startStop->setText(QStringLiteral("Stopp mobilregistrering"));
    } else {
        stateLabel->setText(QStringLiteral("Mobilregistreringen er stoppet."));
        addressLabel->setText(QStringLiteral("Start den for å vise adressen og gruppenes QR-koder."));
        startStop->setText(QStringLiteral("Start mobilregistrering"));
    }
}

void CMobileScoringDlg::showGroups() {
    for (int g = 0; g < MaxGroups; ++g) showGroup(g);
}

QString CMobileScoringDlg::shownLink(int group) const {
    const LiveScoringRun& run = theLiveScoring();
    const std::string& code = theTournament().groups[group].code;
    if (!run.isRunning() || code.empty()) return {};
    return groupPageLink(run.addresses().value(0), code);
}

void CMobileScoringDlg::showGroup(int group) {
    if (group < 0 || group >= MaxGroups) return;
    const CTournament& tournament = theTournament();
    const GroupTile& tile = tiles[group];
    const bool inUse = group < tournament.groupsInUse();
    tile.box->setVisible(inUse);
    if (!inUse) return;
    const CPlayGroup& shown = tournament.groups[group];
    QString title = QStringLiteral("Gruppe %1").arg(groupLetter(group));
    if (!shown.groupName.empty()) title += QStringLiteral(" – ") + toQString(shown.groupName);
    // A long group name is cut, so five groups stay side by side; the whole name is the tip.
    tile.box->setTitle(tile.box->fontMetrics().elidedText(title, Qt::ElideRight, TileWidth - 16));
    tile.box->setToolTip(title);
    tile.code->setText(shown.code.empty() ? QStringLiteral("(ingen kode)") : toQString(shown.code));
    const QString link = shownLink(group);
    tile.link->setText(link);
    const std::optional<QrCode> qr = link.isEmpty() ? std::nullopt : QrCode::encode(link);
    if (qr) {
        tile.qr->setPixmap(QPixmap::fromImage(qr->image(QrPixels / (qr->size() + 2 * QrCode::QuietZone))));
    } else {
        tile.qr->setPixmap({});
        tile.qr->setText(QStringLiteral("Ingen QR-kode\nmens den er stoppet"));
    }
    tile.newCode->setEnabled(!shown.code.empty());
}

void CMobileScoringDlg::showConflicts() {
    const CTournament& tournament = theTournament();
    conflicts->clear();
    for (const ConflictHole& conflict : conflictHoles(tournament))
        conflicts->addItem(conflictText(tournament, conflict));
    if (conflicts->count() == 0) conflicts->addItem(QStringLiteral("Ingen"));
}
