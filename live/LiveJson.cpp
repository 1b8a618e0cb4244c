#include "live/LiveJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <cmath>

#include "scoring/Handicap.h"
#include "text/Encoding.h"

namespace {

QString fromRecords(std::string_view cp1252) { return QString::fromStdString(text::utf8FromWindows1252(cp1252)); }

template <typename Range>
QJsonArray numbers(const Range& values, int count) {
    QJsonArray array;
    for (int i = 0; i < count; ++i) array.append(values[i]);
    return array;
}

// The last entry of the marker's or the player's phone per hole (0 for none), so a phone shows
// its own figure on a hole in conflict, where the marker's stands.
QJsonArray phoneStrokes(const CPlayer& player, int holes, PhoneEntry HoleSources::*role) {
    QJsonArray array;
    for (int h = 0; h < holes; ++h) array.append((player.sources[h].*role).strokes);
    return array;
}

// "entries": false for a player of a side playing one ball other than its first, whose strokes
// stand on the first one's row.
QJsonObject playerJson(const CTournamentInfo& tournament, int g, int p, int holes) {
    const CPlayGroup& group = tournament.groups[g];
    const CPlayer& player = group.players[p];
    const std::optional<int> playing = playingHandicapOf(tournament, group, player);
    return {{"player", p + 1},
            {"firstName", fromRecords(player.firstName)},
            {"surName", fromRecords(player.surName)},
            {"playingHandicap", playing ? QJsonValue(*playing) : QJsonValue(QJsonValue::Null)},
            {"strokes", numbers(player.results, holes)},
            {"markerStrokes", phoneStrokes(player, holes, &HoleSources::marker)},
            {"playerStrokes", phoneStrokes(player, holes, &HoleSources::player)},
            {"entries", takesEntries(tournament, g, p)}};
}

QJsonObject boardRowJson(const BoardRow& row) {
    return {{"place", row.place > 0 ? QJsonValue(row.place) : QJsonValue(QJsonValue::Null)},
            {"name", fromRecords(row.name)},
            {"club", fromRecords(row.club)},
            {"holes", row.holes},
            {"gross", static_cast<qint64>(row.gross)},
            {"net", static_cast<qint64>(row.net)},
            {"points", static_cast<qint64>(row.points)},
            {"working", fromRecords(row.working)},
            {"status", fromRecords(row.status)}};
}

// A whole number within [low, high], or nothing.
std::optional<long long> wholeNumber(const QJsonValue& value, double low, double high) {
    if (!value.isDouble()) return std::nullopt;
    const double number = value.toDouble();
    if (!(number >= low && number <= high) || std::floor(number) != number) return std::nullopt;
    return static_cast<long long>(number);
}

ReadEntry fault(const char* error, const char* field) { return {std::nullopt, QString::fromUtf8(error), field}; }

}  // namespace

QJsonObject groupJson(const CTournamentInfo& tournament, int g, long long version) {
    const CPlayGroup& group = tournament.groups[g];
    const int holes = tournament.pitch.holesThatCount();
    QJsonArray players;
    QJsonArray conflicts;
    for (int p = 0; p < group.playerCount(); ++p) {
        players.append(playerJson(tournament, g, p, holes));
        for (int h = 0; h < holes; ++h) {
            if (isConflict(group.players[p], h)) conflicts.append(QJsonObject{{"player", p + 1}, {"hole", h + 1}});
        }
    }
    return {{"group", QString(QChar(u'A' + g))},
            {"name", fromRecords(group.groupName)},
            {"holes", holes},
            {"par", numbers(tournament.pitch.par, holes)},
            {"index", numbers(tournament.pitch.index, holes)},
            {"version", static_cast<qint64>(version)},
            {"players", players},
            {"conflicts", conflicts}};
}

QJsonObject boardJson(const CTournamentInfo& tournament, long long version) {
    QJsonArray competitions;
    for (const BoardCompetition& competition : boardStandings(tournament)) {
        QJsonArray rows;
        for (const BoardRow& row : competition.rows) rows.append(boardRowJson(row));
        competitions.append(QJsonObject{{"title", fromRecords(competition.title)},
                                        {"playForm", fromRecords(competition.playForm)},
                                        {"rows", rows}});
    }
    return {{"version", static_cast<qint64>(version)}, {"competitions", competitions}};
}

ReadEntry readEntryJson(const QByteArray& body, const CTournamentInfo& tournament, int group) {
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) return fault("Ugyldig JSON", "");
    const QJsonObject object = document.object();
    ScoreEntry entry;
    entry.group = group;
    const auto player = wholeNumber(object.value("player"), 1, tournament.groups[group].playerCount());
    if (!player) return fault("Ukjent spiller", "player");
    const auto hole = wholeNumber(object.value("hole"), 1, tournament.pitch.holesThatCount());
    if (!hole) return fault("Ukjent hull", "hole");
    const auto strokes = wholeNumber(object.value("strokes"), 0, MaxEntryStrokes);
    if (!strokes) return fault("Slag må være et tall fra 0 til 30", "strokes");
    const QString by = object.value("by").toString();
    if (by != "marker" && by != "player") return fault("\"by\" må være \"marker\" eller \"player\"", "by");
    // Whole numbers a double holds exactly.
    const auto seq = wholeNumber(object.value("seq"), 1, 9007199254740991.0);
    if (!seq) return fault("\"seq\" må være et heltall over 0", "seq");
    const std::string device = object.value("device").toString().toStdString();
    if (!isDeviceText(device))
        return fault("\"device\" må være 1 til 64 bokstaver, sifre, '.', '_' eller '-'", "device");
    entry.player = static_cast<int>(*player) - 1;
    entry.hole = static_cast<int>(*hole) - 1;
    entry.strokes = static_cast<int>(*strokes);
    entry.role = by == "marker" ? EntryRole::Marker : EntryRole::Player;
    entry.seq = *seq;
    entry.device = device;
    if (checkEntry(tournament, entry) != EntryFault::None) return fault("Ugyldig registrering", "");
    return {entry, {}, {}};
}
