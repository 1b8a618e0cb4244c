#include "app/ListExport.h"

#include <QFileInfo>
#include <ostream>
#include <string>
#include <vector>

#include "app/TournamentSession.h"
#include "lists/Lists.h"
#include "lists/PrizeList.h"
#include "model/FileMessages.h"
#include "model/FileNames.h"
#include "model/RecoveryCopy.h"
#include "print/PrizeListPdf.h"
#include "print/ScoreCardPdf.h"
#include "print/StartListPdf.h"
#include "text/Encoding.h"

namespace {

struct ListFile {
    const char* what;  // for the message when it cannot be written
    std::string path;
    files::FileResult (*write)(const CTournament&, const std::string&);
};

files::FileResult writeText(const CTournament& t, const std::string& path) { return writePrizeListText(t, path); }
files::FileResult writeCsv(const CTournament& t, const std::string& path) { return writePrizeListCsv(t, path); }
files::FileResult writePdf(const CTournament& t, const std::string& path) { return writePrizeListPdf(t, path); }
files::FileResult writeStartSheet(const CTournament& t, const std::string& path) { return writeStartListPdf(t, path); }
files::FileResult writeCards(const CTournament& t, const std::string& path) { return writeScoreCardsPdf(t, path); }

std::string absolute(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
}

}  // namespace

int exportLists(TournamentSession& session, const QString& name, std::ostream& out, std::ostream& err) {
    const std::string typedName = name.toStdString();
    if (nameForFiles(typedName) != NameForFiles::Usable) {
        err << "Turneringsnavnet kan ikke brukes som filnavn: \"" << typedName << "\"\n";
        return 1;
    }
    // A usable name has every character in Windows-1252.
    const std::string file = tournamentFilePath(text::windows1252FromUtf8(typedName, '?'));
    if (const files::FileResult loaded = session.open(file); !loaded) {
        err << withReadFailureReason("Turneringen kunne ikke leses: " + absolute(file), loaded) << '\n';
        return 1;
    }
    const CTournament& tournament = session.tournament();
    for (const std::size_t replaced : {tournament.replacedInCourseTable, tournament.replacedInTournamentFile}) {
        if (replaced > 0) err << replacedCharactersMessage(replaced) << '\n';
    }
    if (!tournament.lastRead.faults.empty()) err << damagedFileMessage(tournament.lastRead.faults) << '\n';
    if (!tournament.lastRead.courseNotInTable.empty())
        err << courseNotInTableMessage(tournament.lastRead.courseNotInTable) << '\n';
    // The export reads the saved file only; work a crash left unsaved stays in its copy.
    if (hasNewerCopy(file, tournament.name))
        err << "Det finnes en nyere gjenopprettingskopi av turneringen i " << absolute(std::string(RecoveryFolder))
            << ". Åpne Teebrook for å gjenopprette den.\n";
    // The lists are named after the file read, whatever name a damaged file stores, so they can
    // never replace another tournament's lists.
    const std::string listName = text::windows1252FromUtf8(typedName, '?');
    const PrizeListPaths prize = prizeListPaths(listName);
    const std::vector<ListFile> files{
        {"Startlisten", startListPath(listName), &writeStartList},
        {"Startlisten (PDF)", startListPdfPath(listName), &writeStartSheet},
        {"Resultatlisten", resultListPath(listName), &writeResultList},
        {"Premielisten", prize.text, &writeText},
        {"Premielisten (CSV)", prize.csv, &writeCsv},
        {"Premielisten (PDF)", prize.pdf, &writePdf},
        {"Scorekortene", scoreCardPath(listName), &writeCards},
    };
    for (const ListFile& list : files) {
        if (const files::FileResult written = list.write(tournament, list.path); !written) {
            err << withFailureReason(std::string(list.what) + " kunne ikke skrives: " + absolute(list.path), written)
                << '\n';
            return 1;
        }
        out << absolute(list.path) << '\n';
    }
    return 0;
}
