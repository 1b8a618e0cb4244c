#pragma once
// The scoring service inside the running program, started and stopped from the mobile window:
// one at a time, for the tournament the session holds, on port 8080 or the next free one.

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class LiveService;
class TournamentSession;

class LiveScoringRun : public QObject {
    Q_OBJECT
public:
    static constexpr quint16 FirstPort = 8080;
    static constexpr int PortsTried = 20;

    explicit LiveScoringRun(TournamentSession& session, QObject* parent = nullptr);
    ~LiveScoringRun() override;

    // Draws the missing codes, writes them to the journal and listens on the first free port
    // from `firstPort`; the reason when it cannot. Port 0 takes any free one (tests).
    std::optional<QString> start(quint16 firstPort = FirstPort);
    void stop();
    bool isRunning() const { return service_ != nullptr; }
    quint16 port() const;
    // "http://host:port" for each of the machine's addresses, the one phones most likely reach
    // first; empty when the service is not running.
    QStringList addresses() const;
    // The address printed cards link to: the service's while it runs, else the one it will
    // most likely have (this machine's address, port 8080).
    QString pageAddress() const;
    // A new code for `group`, written to the journal while the service runs; the reason when not.
    std::optional<QString> replaceCode(int group);

signals:
    void runningChanged(bool running);

private:
    std::optional<QString> startOn(const std::string& journal, quint16 firstPort);

    TournamentSession& session_;
    std::unique_ptr<LiveService> service_;
};

// The program's one run, on the application's session.
LiveScoringRun& theLiveScoring();
// Stops and ends it, while the session it serves and the event loop its threads ask still exist.
void endLiveScoring();
