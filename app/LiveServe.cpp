#include "app/LiveServe.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSocketNotifier>
#include <csignal>
#include <optional>
#include <ostream>
#include <string>

#include "app/RecoveryKeeper.h"
#include "app/TournamentSession.h"
#include "live/LiveService.h"
#include "live/ServiceAddress.h"
#include "model/FileMessages.h"
#include "model/FileNames.h"
#include "model/FolderLock.h"
#include "model/RecoveryCopy.h"
#include "text/Encoding.h"

namespace {

int signalPipe[2] = {-1, -1};

void onStopSignal(int) {
    const char byte = 1;
    // Nothing else is safe in a signal handler; the event loop reads the byte.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

// SIGINT and SIGTERM end the event loop, so the tournament is saved on the way out.
bool quitOnStopSignals(QObject* parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return false;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, parent);
    QObject::connect(notifier, &QSocketNotifier::activated, parent, [] { QCoreApplication::quit(); });
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(SIGINT, &action, nullptr) == 0 && ::sigaction(SIGTERM, &action, nullptr) == 0;
}

std::string absolute(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
}

QString utf8(const std::string& text) { return QString::fromStdString(text); }

// The folder is this run's alone; with no window to ask in, a lock another copy holds ends the run.
std::optional<FolderLock> takeFolderLock(std::ostream& err) {
    FolderLock::Attempt attempt = FolderLock::take();
    switch (attempt.state) {
        case FolderLock::State::Taken:
            return std::move(attempt.lock);
        case FolderLock::State::HeldHere:
        case FolderLock::State::HeldElsewhere:
            err << "Teebrook kjører allerede i denne mappen (på «" << attempt.holder << "»).\n";
            return std::nullopt;
        case FolderLock::State::Failed:
            break;
    }
    err << withFailureReason("Mappen data kunne ikke låses.", attempt.failure) << '\n';
    return std::nullopt;
}

bool sameFile(const std::string& a, const std::string& b) {
    return QFileInfo(utf8(a)).absoluteFilePath() == QFileInfo(utf8(b)).absoluteFilePath();
}

// A recovery copy newer than the tournament file holds work of a run that ended without saving;
// it is taken unasked.
void restoreNewerRecoveryCopy(TournamentSession& session, const std::string& file, std::ostream& err) {
    for (const RecoveryCopy& copy : copiesToOffer()) {
        if (!copy.readable || !sameFile(copy.tournamentFile, file)) continue;
        if (session.restore(copy.contents, file)) {
            err << "Gjenopprettingskopien fra " << madeAtText(copy.madeAt) << " er lest inn: " << absolute(copy.path)
                << '\n';
            return;
        }
        err << "Gjenopprettingskopien " << absolute(copy.path) << " kunne ikke leses; turneringsfilen brukes.\n";
    }
}

bool reportJournal(const TournamentSession& session, std::ostream& err) {
    const TournamentSession::JournalState& journal = session.lastJournal();
    if (journal.read.error == files::FileError::Missing) return true;
    if (!journal.read) {
        err << withReadFailureReason("Telefonenes journal kunne ikke leses: " + absolute(journal.path), journal.read)
            << '\n';
        return false;
    }
    err << journal.replay.applied << " linjer fra telefonenes journal er lest inn: " << absolute(journal.path) << '\n';
    if (journal.replay.skipped > 0)
        err << journal.replay.skipped << " linjer i journalen kunne ikke leses og er hoppet over\n";
    return true;
}

bool drawAndJournalCodes(TournamentSession& session, LiveService& service, std::ostream& err) {
    const std::optional<std::vector<int>> drawn = session.drawMissingCodes();
    if (!drawn) {
        err << "Kodene til gruppene kunne ikke trekkes: systemets tilfeldighetskilde svarte ikke\n";
        return false;
    }
    if (const files::FileResult written = service.journalCodes(*drawn); !written) {
        err << withFailureReason("Kodene kunne ikke skrives til journalen", written) << '\n';
        return false;
    }
    return true;
}

void printAddressAndCodes(const CTournament& tournament, quint16 port, std::ostream& out) {
    out << "http://" << serviceHost().toStdString() << ':' << port << "/\n";
    for (int g = 0; g < tournament.groupsInUse(); ++g)
        out << static_cast<char>('A' + g) << ' ' << tournament.groups[g].code << '\n';
    out.flush();
}

}  // namespace

int serveTournament(TournamentSession& session, const QString& name, int port, std::ostream& out, std::ostream& err) {
    const std::string typedName = name.toStdString();
    if (nameForFiles(typedName) != NameForFiles::Usable) {
        err << "Turneringsnavnet kan ikke brukes som filnavn: \"" << typedName << "\"\n";
        return 1;
    }
    const std::string file = tournamentFilePath(text::windows1252FromUtf8(typedName, '?'));
    const std::optional<FolderLock> lock = takeFolderLock(err);
    if (!lock) return 1;
    // The copy is kept up to date while the phones enter, as the screens keep it.
    RecoveryKeeper keeper(session);
    if (const files::FileResult loaded = session.open(file); !loaded) {
        err << withReadFailureReason("Turneringen kunne ikke leses: " + absolute(file), loaded) << '\n';
        return 1;
    }
    restoreNewerRecoveryCopy(session, file, err);
    // Unread, the journal's entries would be lost with the next save, which removes it.
    if (!reportJournal(session, err)) return 1;
    const std::string journal = session.lastJournal().path;
    if (const files::FileResult folder = files::createFolders(
            QFileInfo(QString::fromStdString(journal)).path().toStdString());
        !folder) {
        err << withFailureReason("Mappen til journalen kunne ikke lages: " + absolute(journal), folder) << '\n';
        return 1;
    }

    LiveService service(session, journal);
    if (!drawAndJournalCodes(session, service, err)) return 1;
    if (const std::optional<QString> refused = service.listenOn(static_cast<quint16>(port))) {
        err << "Port " << port << " kan ikke brukes: " << refused->toStdString() << '\n';
        return 1;
    }
    if (!quitOnStopSignals(&service)) {
        err << "Programmet kan ikke avsluttes med et signal på dette systemet\n";
        return 1;
    }
    printAddressAndCodes(session.tournament(), service.port(), out);
    QCoreApplication::exec();
    service.stop();

    if (const files::FileResult saved = session.save(file); !saved) {
        err << withFailureReason("Turneringen kunne ikke lagres: " + absolute(file), saved) << '\n';
        return 1;
    }
    return 0;
}
