#include "app/StartUp.h"

#include "app/TournamentSession.h"
#include "model/FileMessages.h"
#include "model/RecoveryCopy.h"
#include "ui/MessageBox.h"

namespace {

QString utf8(const std::string& text) { return QString::fromStdString(text); }

QString runningElsewhereText(const std::string& machine) {
    return QStringLiteral("Teebrook kjører allerede i denne mappen (på «%1»).").arg(utf8(machine));
}

QString restoreQuestion(const RecoveryCopy& copy) {
    const std::string name = copy.tournamentName.empty() ? std::string("Uten navn") : copy.tournamentName;
    return QStringLiteral("Teebrook ble ikke avsluttet riktig. Vil du gjenopprette turneringen «%1» slik den var %2?")
        .arg(utf8(name), utf8(madeAtText(copy.madeAt)));
}

// A copy that cannot be used is kept, out of the way, and the organiser hears where it went.
void setAsideUnreadable(const RecoveryCopy& copy, QWidget* parent) {
    std::string movedTo;
    const files::FileResult moved = setAside(copy, &movedTo);
    QString text = QStringLiteral("Gjenopprettingskopien «%1» kunne ikke leses.").arg(utf8(copy.path));
    if (moved) text += QStringLiteral(" Den er lagt til side som «%1».").arg(utf8(movedTo));
    MessageBox::warning(parent, text);
}

}  // namespace

std::optional<FolderLock> takeFolderLock(QWidget* parent) {
    FolderLock::Attempt attempt = FolderLock::take();
    switch (attempt.state) {
        case FolderLock::State::Taken:
            return std::move(attempt.lock);
        case FolderLock::State::HeldHere:
            MessageBox::warning(parent, runningElsewhereText(attempt.holder));
            return std::nullopt;
        case FolderLock::State::HeldElsewhere:
            if (!MessageBox::askYesNo(
                    parent, runningElsewhereText(attempt.holder) + QStringLiteral("\nVil du likevel åpne mappen?")))
                return std::nullopt;
            return FolderLock::takeOver(std::move(attempt));
        case FolderLock::State::Failed:
            break;
    }
    // A folder that cannot hold a lock file cannot hold a saved tournament either; say so, and go on.
    MessageBox::warning(parent, utf8(withFailureReason("Mappen data kunne ikke låses.", attempt.failure)));
    return FolderLock::takeOver(std::move(attempt));
}

void offerRecovery(TournamentSession& session, QWidget* parent, bool unasked) {
    for (const RecoveryCopy& copy : copiesToOffer()) {
        if (!copy.readable) {
            setAsideUnreadable(copy, parent);
            continue;
        }
        if (!unasked && !MessageBox::askYesNo(parent, restoreQuestion(copy))) {
            setAside(copy);
            continue;
        }
        if (session.restore(copy.contents, copy.tournamentFile)) return;
        setAsideUnreadable(copy, parent);
    }
}
