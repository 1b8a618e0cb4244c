#include "app/TournamentSession.h"

#include <utility>

#include "scoring/Handicap.h"

TournamentSession::TournamentSession(std::string configPath, QObject* parent)
    : QObject(parent), tournament_(std::move(configPath)) {}

TournamentSession::~TournamentSession() = default;

template <typename T, typename Announce>
void TournamentSession::store(T& field, const T& value, Announce announce) {
    if (field == value) return;
    field = value;
    announce();
}

void TournamentSession::storeHeader(TournamentField field, int& target, int value) {
    store(target, value, [&] { emit headerChanged(field); });
}

CPlayGroup* TournamentSession::groupAt(int group) {
    return group >= 0 && group < MaxGroups ? &tournament_.groups[group] : nullptr;
}

CPlayer* TournamentSession::playerAt(int group, int player) {
    CPlayGroup* found = groupAt(group);
    return found && player >= 0 && player < MaxPlayers ? &found->players[player] : nullptr;
}

void TournamentSession::setDay(int day) { storeHeader(TournamentField::Day, tournament_.day, day); }

void TournamentSession::setMonth(int month) { storeHeader(TournamentField::Month, tournament_.month, month); }

void TournamentSession::setYear(int year) { storeHeader(TournamentField::Year, tournament_.year, year); }

void TournamentSession::setName(const std::string& name) {
    store(tournament_.name, name, [this] { emit headerChanged(TournamentField::Name); });
}

void TournamentSession::setType(const std::string& type) {
    store(tournament_.type, type, [this] { emit headerChanged(TournamentField::Type); });
}

void TournamentSession::setNumberOfGroups(int count) {
    storeHeader(TournamentField::NumberOfGroups, tournament_.numberOfGroups, settledCount(count));
}

void TournamentSession::selectCourse(std::string_view name) {
    const CPitch before = tournament_.pitch;
    tournament_.selectPitch(name);
    if (!(tournament_.pitch == before)) emit headerChanged(TournamentField::Course);
}

void TournamentSession::storeGroup(int group, int CPlayGroup::*field, int value) {
    if (CPlayGroup* target = groupAt(group)) store(target->*field, value, [&] { emit groupChanged(group); });
}

void TournamentSession::setGroupClass(int group, int groupClass) {
    storeGroup(group, &CPlayGroup::groupClass, groupClass);
}

void TournamentSession::setPlayForm(int group, int playForm) { storeGroup(group, &CPlayGroup::playForm, playForm); }

void TournamentSession::setAllowance(int group, int allowance) {
    CPlayGroup* target = groupAt(group);
    if (!target || target->allowance == allowance || settledAllowance(allowance) != allowance) return;
    target->setAllowance(allowance);
    emit groupChanged(group);
}

void TournamentSession::setNoOfPlayers(int group, int count) {
    storeGroup(group, &CPlayGroup::noOfPlayers, settledCount(count));
}

void TournamentSession::setTee(int group, int tee) { storeGroup(group, &CPlayGroup::tee, tee); }

void TournamentSession::setGroupName(int group, const std::string& name) {
    if (CPlayGroup* target = groupAt(group)) store(target->groupName, name, [&] { emit groupChanged(group); });
}

void TournamentSession::storePlayerText(int group, int player, std::string CPlayer::*field, const std::string& text) {
    if (CPlayer* target = playerAt(group, player))
        store(target->*field, text, [&] { emit playerChanged(group, player); });
}

void TournamentSession::setFirstName(int group, int player, const std::string& text) {
    storePlayerText(group, player, &CPlayer::firstName, text);
}

void TournamentSession::setSurName(int group, int player, const std::string& text) {
    storePlayerText(group, player, &CPlayer::surName, text);
}

void TournamentSession::setClub(int group, int player, const std::string& text) {
    storePlayerText(group, player, &CPlayer::club, text);
}

void TournamentSession::setHandicap(int group, int player, float hcp) {
    CPlayer* target = playerAt(group, player);
    if (!target) return;
    const float sh = playingHandicapOnSelectedTee(tournament_, tournament_.groups[group].tee, hcp).value_or(target->sh);
    if (target->hcp == hcp && target->sh == sh) return;
    target->hcp = hcp;
    target->sh = sh;
    emit playerChanged(group, player);
}

void TournamentSession::setStrokes(int group, int player, int hole, int strokes) {
    CPlayer* target = playerAt(group, player);
    if (!target || hole < 0 || hole >= MaxHoles) return;
    store(target->results[hole], strokes, [&] { emit strokesChanged(group, player, hole); });
}

void TournamentSession::newTournament() {
    tournament_.newTournament();
    emit tournamentReplaced();
}

files::FileResult TournamentSession::open(const std::string& path) {
    files::FileResult read = tournament_.load(path);
    if (read) emit tournamentReplaced();
    return read;
}

files::FileResult TournamentSession::save(const std::string& path) {
    files::FileResult saved = tournament_.save(path);
    if (saved) emit tournamentSaved();
    return saved;
}

ImportCounts TournamentSession::importPlayers(std::string_view contents) {
    const ImportCounts counts = ::importPlayers(contents, tournament_.groups[0]);
    if (counts.taken > 0) emit tournamentReplaced();
    return counts;
}

void TournamentSession::reloadCourseTable() {
    tournament_.reloadPitches();
    emit courseTableChanged();
}
