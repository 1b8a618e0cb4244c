#include "app/ScriptedDay.h"

#include <sstream>

#include "app/TournamentSession.h"
#include "ini/FileSystem.h"
#include "text/Text.h"

namespace {

bool applyWords(TournamentSession& session, const std::string& command, std::istringstream& words) {
    int a = 0, b = 0, c = 0, d = 0, e = 0, f = 0;
    std::string first, second, third;
    if (command == "name" && std::getline(words >> std::ws, first)) {
        session.setName(first);
    } else if (command == "date" && words >> a >> b >> c) {
        session.setDay(a);
        session.setMonth(b);
        session.setYear(c);
    } else if (command == "groups" && words >> a) {
        session.setNumberOfGroups(a);
    } else if (command == "course" && std::getline(words >> std::ws, first)) {
        session.selectCourse(first);
    } else if (command == "group" && words >> a >> b >> c >> d >> e >> f) {
        session.setGroupClass(a, b);
        session.setPlayForm(a, c);
        session.setAllowance(a, d);
        session.setNoOfPlayers(a, e);
        session.setTee(a, f);
    } else if (command == "player" && words >> a >> b >> first >> second >> third) {
        std::string hcp;
        words >> hcp;
        session.setFirstName(a, b, first);
        session.setSurName(a, b, second);
        session.setClub(a, b, third);
        session.setHandicap(a, b, text::toFloat(text::readDecimal(hcp)));
    } else if (command == "strokes" && words >> a >> b >> c >> d) {
        session.setStrokes(a, b, c, d);
    } else {
        return false;
    }
    return true;
}

}  // namespace

bool applyScriptLine(TournamentSession& session, std::string_view line) {
    std::istringstream words{std::string(line)};
    std::string command;
    return words >> command && applyWords(session, command, words);
}

DayLog::DayLog(const std::string& path) : file_(std::fopen(path.c_str(), "ab")) {}

DayLog::~DayLog() {
    if (file_) std::fclose(file_);
}

void DayLog::line(std::string_view what, long long number) {
    const std::lock_guard lock(mutex_);
    if (!file_) return;
    std::fprintf(file_, "%.*s %lld\n", static_cast<int>(what.size()), what.data(), number);
    std::fflush(file_);
}

ScriptedDay::ScriptedDay(TournamentSession& session, const std::string& path, long long from, DayLog& log)
    : session_(session), log_(log), typed_(from > 0 ? from - 1 : 0) {
    const files::ReadResult read = files::readRegularFile(path);
    std::istringstream lines(read.contents);
    for (std::string line; std::getline(lines, line);) lines_.push_back(line);
    timer_.setInterval(1);
    connect(&timer_, &QTimer::timeout, this, &ScriptedDay::typeNext);
    timer_.start();
}

void ScriptedDay::typeNext() {
    if (typed_ >= static_cast<long long>(lines_.size())) {
        timer_.stop();
        log_.line("done", typed_);
        return;
    }
    applyScriptLine(session_, lines_[static_cast<std::size_t>(typed_)]);
    ++typed_;
    log_.line("typed", typed_);
}
