#pragma once
// The scoring service's JSON: what a phone reads of its group, the board's standings, and the
// entry a phone posts, read and checked field by field.

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <optional>

#include "model/CTournament.h"
#include "scoring/LiveScoring.h"

QJsonObject groupJson(const CTournamentInfo& tournament, int group, long long version);
QJsonObject boardJson(const CTournamentInfo& tournament, long long version);

// A posted entry, or the field at fault and why.
struct ReadEntry {
    std::optional<ScoreEntry> entry;
    QString error;
    QString field;
};
ReadEntry readEntryJson(const QByteArray& body, const CTournamentInfo& tournament, int group);
