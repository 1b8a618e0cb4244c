#include "app/ListExport.h"

#include <QFileInfo>
#include <ostream>
#include <string>
#include <vector>

#include "lists/Lists.h"
#include "lists/PrizeList.h"
#include "model/CTournament.h"
#include "print/PrizeListPdf.h"
#include "print/ScoreCardPdf.h"
#include "ui/TextCodec.h"
#include "ui/TournamentFiles.h"

namespace {

struct ListFile {
    const char* what;  // for the message when it cannot be written
    std::string path;
    bool (*write)(const CTournament&, const std::string&);
};

bool writeText(const CTournament& t, const std::string& path) { return writePrizeListText(t, path); }
bool writeCsv(const CTournament& t, const std::string& path) { return writePrizeListCsv(t, path); }
bool writePdf(const CTournament& t, const std::string& path) { return writePrizeListPdf(t, path); }
bool writeCards(const CTournament& t, const std::string& path) { return writeScoreCardsPdf(t, path); }

std::string absolute(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
}

}  // namespace

int exportLists(CTournament& tournament, const QString& name, std::ostream& out, std::ostream& err) {
    if (name.isEmpty() || !isUsableFileName(name)) {
        err << "Turneringsnavnet kan ikke brukes som filnavn: \"" << name.toStdString() << "\"\n";
        return 1;
    }
    const std::string file = tournamentFilePath(name);
    if (!tournament.load(file)) {
        err << "Turneringen kunne ikke leses: " << absolute(file) << '\n';
        return 1;
    }
    // The lists are named after the tournament's own name, as the screens name them.
    const QString listName = toQString(tournament.name);
    if (listName.isEmpty() || !isUsableFileName(listName)) {
        err << "Turneringen " << absolute(file) << " har et navn som ikke kan brukes som filnavn: \""
            << listName.toStdString() << "\"\n";
        return 1;
    }
    const PrizeListPaths prize = prizeListPaths(tournament.name);
    const std::vector<ListFile> files{
        {"Startlisten", startListPath(listName), &writeStartList},
        {"Resultatlisten", resultListPath(listName), &writeResultList},
        {"Premielisten", prize.text, &writeText},
        {"Premielisten (CSV)", prize.csv, &writeCsv},
        {"Premielisten (PDF)", prize.pdf, &writePdf},
        {"Scorekortene", scoreCardPath(listName), &writeCards},
    };
    for (const ListFile& list : files) {
        if (!list.write(tournament, list.path)) {
            err << list.what << " kunne ikke skrives: " << absolute(list.path) << '\n';
            return 1;
        }
        out << absolute(list.path) << '\n';
    }
    return 0;
}
