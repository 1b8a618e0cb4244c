#include "live/LiveScoringRun.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "app/CTournamentApp.h"
#include "app/TournamentSession.h"
#include "live/LiveService.h"
#include "live/ServiceAddress.h"
#include "model/FileMessages.h"
#include "model/FileNames.h"

LiveScoringRun::LiveScoringRun(TournamentSession& session, QObject* parent) : QObject(parent), session_(session) {
    // The service threads ask this thread their questions, so they end while it still answers.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &LiveScoringRun::stop);
}

LiveScoringRun::~LiveScoringRun() { stop(); }

std::optional<QString> LiveScoringRun::start(quint16 firstPort) {
    if (service_) return std::nullopt;
    const CTournament& tournament = session_.tournament();
    if (storedNameForFiles(tournament.name) != NameForFiles::Usable)
        return QStringLiteral("Turneringen må ha et navn som kan brukes som filnavn før telefonene kan registrere.");
    if (tournament.groupsInUse() == 0) return QStringLiteral("Turneringen har ingen grupper.");
    // The journal beside the tournament file's recovery copy, as "--serve" keeps it.
    const std::string journal = journalPathFor(tournamentFilePath(tournament.name));
    if (const files::FileResult folder = files::createFolders(
            QFileInfo(QString::fromStdString(journal)).path().toStdString());
        !folder)
        return QString::fromStdString(withFailureReason("Mappen til journalen kunne ikke lages.", folder));
    return startOn(journal, firstPort);
}

std::optional<QString> LiveScoringRun::startOn(const std::string& journal, quint16 firstPort) {
    auto service = std::make_unique<LiveService>(session_, journal);
    const std::optional<std::vector<int>> drawn = session_.drawMissingCodes();
    if (!drawn)
        return QStringLiteral("Kodene til gruppene kunne ikke trekkes: systemets tilfeldighetskilde svarte ikke.");
    if (const files::FileResult written = service->journalCodes(*drawn); !written)
        return QString::fromStdString(withFailureReason("Kodene kunne ikke skrives til journalen.", written));
    std::optional<QString> refused;
    const int tries = firstPort == 0 ? 1 : PortsTried;
    for (int t = 0; t < tries; ++t) {
        const auto port = static_cast<quint16>(firstPort == 0 ? 0 : firstPort + t);
        refused = service->listenOn(port);
        if (!refused) break;
    }
    if (refused)
        return QStringLiteral("Ingen ledig port fra %1 til %2: %3")
            .arg(firstPort)
            .arg(firstPort + tries - 1)
            .arg(*refused);
    service_ = std::move(service);
    emit runningChanged(true);
    return std::nullopt;
}

void LiveScoringRun::stop() {
    if (!service_) return;
    service_->stop();
    service_.reset();
    emit runningChanged(false);
}

quint16 LiveScoringRun::port() const { return service_ ? service_->port() : 0; }

QStringList LiveScoringRun::addresses() const {
    QStringList shown;
    if (!service_) return shown;
    for (const QString& host : serviceHosts()) shown << serviceAddress(host, port());
    return shown;
}

QString LiveScoringRun::pageAddress() const {
    return service_ ? addresses().value(0) : serviceAddress(serviceHost(), FirstPort);
}

std::optional<QString> LiveScoringRun::replaceCode(int group) {
    if (!session_.replaceCode(group))
        return QStringLiteral("Ny kode kunne ikke trekkes: systemets tilfeldighetskilde svarte ikke.");
    if (!service_) return std::nullopt;
    if (const files::FileResult written = service_->journalCodes({group}); !written)
        return QString::fromStdString(withFailureReason("Den nye koden kunne ikke skrives til journalen.", written));
    return std::nullopt;
}

namespace {
LiveScoringRun* programRun = nullptr;
}

LiveScoringRun& theLiveScoring() {
    if (!programRun) programRun = new LiveScoringRun(theSession(), qApp);
    return *programRun;
}

void endLiveScoring() {
    delete programRun;
    programRun = nullptr;
}
