#include "app/RecoveryKeeper.h"

#include <chrono>

#include "app/TournamentSession.h"
#include "model/FileMessages.h"

namespace {
long long nowInMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}
}  // namespace

RecoveryKeeper::RecoveryKeeper(TournamentSession& session, std::string folder, RecoveryCopyWriter::Progress progress,
                               std::function<long long()> tagOfChange, QObject* parent)
    : QObject(parent),
      session_(session),
      tagOfChange_(std::move(tagOfChange)),
      writer_(std::make_unique<RecoveryCopyWriter>(std::move(folder), std::move(progress))) {
    timer_.setSingleShot(true);
    timer_.setInterval(DelayMs);
    connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::bringUpToDate);
    const auto onChange = [this] { changed(); };
    connect(&session, &TournamentSession::headerChanged, this, onChange);
    connect(&session, &TournamentSession::groupChanged, this, onChange);
    connect(&session, &TournamentSession::playerChanged, this, onChange);
    connect(&session, &TournamentSession::strokesChanged, this, onChange);
    connect(&session, &TournamentSession::tournamentReplaced, this, onChange);
    connect(&session, &TournamentSession::courseTableChanged, this, onChange);
    // A saved tournament needs its copy no more, at once.
    connect(&session, &TournamentSession::tournamentSaved, this, &RecoveryKeeper::bringUpToDate);
}

RecoveryKeeper::~RecoveryKeeper() = default;

void RecoveryKeeper::changed() {
    ++changes_;
    // Not restarted by later changes, so a steady stream of them still gets a copy each DelayMs.
    if (!timer_.isActive()) timer_.start();
}

void RecoveryKeeper::bringUpToDate() {
    timer_.stop();
    checkWriter();
    const CTournament& tournament = session_.tournament();
    if (!tournament.hasUnsavedChanges()) {
        if (!copyName_.empty()) writer_->remove(std::exchange(copyName_, {}));
        return;
    }
    const std::string name = recoveryCopyName(tournament.name);
    const long long tag = tagOfChange_ ? tagOfChange_() : changes_;
    writer_->write(name, recoveryCopyContents(tournament, nowInMilliseconds()), tag);
    // A renamed tournament's copy moves with it: the new one is written before the old one goes.
    if (!copyName_.empty() && copyName_ != name) writer_->remove(copyName_);
    copyName_ = name;
}

void RecoveryKeeper::checkWriter() {
    const files::FileResult last = writer_->lastResult();
    if (last) {
        failureSaid_ = false;
        return;
    }
    if (failureSaid_) return;
    failureSaid_ = true;
    emit copyFailed(QString::fromStdString(withFailureReason("Gjenopprettingskopien kunne ikke skrives.", last)));
}

void RecoveryKeeper::flush() {
    bringUpToDate();
    writer_->finish();
    checkWriter();
}

void RecoveryKeeper::discard() {
    timer_.stop();
    if (!copyName_.empty()) writer_->remove(std::exchange(copyName_, {}));
    writer_->finish();
}
