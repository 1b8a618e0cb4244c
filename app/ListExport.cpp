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
    // The lists are named after the tournament's own name, as the screens name them.
    const std::string listName = text::utf8FromWindows1252(tournament.name);
    if (storedNameForFiles(tournament.name) != NameForFiles::Usable) {
        err << "Turneringen " << absolute(file) << " har et navn som ikke kan brukes som filnavn: \"" << listName
            << "\"\n";
        return 1;
    }
    const PrizeListPaths prize = prizeListPaths(tournament.name);
    const std::vector<ListFile> files{
        {"Startlisten", startListPath(tournament.name), &writeStartList},
        {"Startlisten (PDF)", startListPdfPath(tournament.name), &writeStartSheet},
        {"Resultatlisten", resultListPath(tournament.name), &writeResultList},
        {"Premielisten", prize.text, &writeText},
        {"Premielisten (CSV)", prize.csv, &writeCsv},
        {"Premielisten (PDF)", prize.pdf, &writePdf},
        {"Scorekortene", scoreCardPath(tournament.name), &writeCards},
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
