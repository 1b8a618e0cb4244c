#pragma once
// A competition day typed by a script instead of a person, for the crash test of the real
// program: each line is one change through the session, and the run logs what it typed and
// which recovery copies it wrote, so the test can tell what a copy must hold after a kill.
// Started only when the environment asks for it (TEEBROOK_SCRIPTED_DAY).

#include <QObject>
#include <QTimer>
#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

class TournamentSession;

// Applies one line of a script: "name <text>", "date <d> <m> <y>", "groups <n>",
// "course <name>", "group <g> <class> <form> <allowance> <players> <tee>",
// "player <g> <p> <first> <surname> <club> <hcp>" and "strokes <g> <p> <hole> <n>", with groups,
// players and holes from 0. Answers false for a line it does not know.
bool applyScriptLine(TournamentSession& session, std::string_view line);

// A log that a kill cannot cut short: each line is handed to the system as it is written.
class DayLog {
public:
    explicit DayLog(const std::string& path);
    ~DayLog();
    void line(std::string_view what, long long number);

private:
    std::mutex mutex_;
    std::FILE* file_ = nullptr;
};

class ScriptedDay : public QObject {
    Q_OBJECT
public:
    // Types lines `from` (counted from 1) onwards of the script at `path`, one each millisecond.
    ScriptedDay(TournamentSession& session, const std::string& path, long long from, DayLog& log);
    // The number of the last line typed.
    long long lastTyped() const { return typed_; }

private:
    void typeNext();

    TournamentSession& session_;
    std::vector<std::string> lines_;
    DayLog& log_;
    long long typed_ = 0;
    QTimer timer_;
};
