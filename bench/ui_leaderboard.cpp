// One keystroke in an input hole field of the play screen, with a full group of nine
// players shown: from the key press to the leaderboard painted and the picture handed to
// the window system. Meant for a real X server:
//
//   xvfb-run -a -s "-screen 0 1366x768x24" build/bench/ui_bench
//
// (with a display the program uses it; without one it falls back to the offscreen platform
// and says so in the label). Every keystroke is timed on its own (manual timing), so the run
// reports the median and the 99th percentile of single keystrokes as counters.

#include <benchmark/benchmark.h>
#include "app/RecoveryKeeper.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/CTournamentApp.h"
#include "ui/CActiveTournamentDlg.h"
#include "ui/CClubhouseBoardDlg.h"

namespace {

constexpr int HoleTyped = 6;  // hole 7, a par 4

// Counts paint events anywhere in the application, to show that painting is inside the timing.
class PaintCounter : public QObject {
public:
    long long count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

// The course the keystrokes are typed on, written as the course table of the run.
constexpr const char* CourseTable =
    "[NumberOfPitches]\r\nNumber=1\r\n[Pitches]\r\nPitch1=Testbanen\r\n[Pitch1]\r\nHoles=18\r\n"
    "Par=4 4 3 4 5 4 4 3 4 4 4 3 4 5 4 3 4 4\r\nIndex=1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18\r\n"
    "NumberOfTees=1\r\nTee1=Gul\r\nSlopeValue1=113\r\nParValue1=72\r\nPitchValue1=72.0\r\n";

// Nine players on an 18-hole course, half-way round, all on level par but for different
// holes, so that a changed stroke moves the typed player from the top of the leaderboard
// off its foot and back, and every row changes. Saved and opened, as the organiser would.
bool openFullGroup() {
    CTournament tournament{std::string(DefaultConfigFile)};
    tournament.name = "Benk";
    tournament.type = "Singel";
    tournament.numberOfGroups = 1;
    tournament.selectPitch("Testbanen");
    const CPitch& pitch = tournament.pitch;
    CPlayGroup& group = tournament.groups[0];
    group.groupClass = 1;
    group.groupName = "Gruppe A";
    group.noOfPlayers = MaxPlayers;
    for (int p = 0; p < MaxPlayers; ++p) {
        CPlayer& player = group.players[p];
        player.firstName = "Spiller";
        player.surName = std::to_string(p + 1);
        player.hcp = 10.0f + p;
        player.sh = 11.5f + p;
        for (int h = 0; h < 9; ++h) player.results[h] = pitch.par[h] + (h == p % 3) - (h == 3 + p % 3);
        player.results[HoleTyped] = pitch.par[HoleTyped];
    }
    const std::string path = "./data/Benk.ini";
    return tournament.save(path) && theSession().open(path);
}

void pressKey(QWidget* widget, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
    QCoreApplication::sendEvent(widget, &release);
}

// Runs the event loop until the screen has painted what the keystroke changed, then waits
// until the window system has taken the picture. False when no paint came.
bool waitUntilPainted(const PaintCounter& paints, long long paintsBefore) {
    for (int round = 0; paints.count == paintsBefore; ++round) {
        if (round == 1000) return false;
        QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();  // updates posted while painting
    QGuiApplication::sync();
    return true;
}

bool waitUntilExposed(QWidget& window) {
    QElapsedTimer waited;
    waited.start();
    const auto exposed = [&window] { return window.windowHandle() && window.windowHandle()->isExposed(); };
    while (!exposed() && waited.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return exposed();
}

double percentile(std::vector<double> samples, double fraction) {
    std::sort(samples.begin(), samples.end());
    const auto at = static_cast<std::size_t>(fraction * static_cast<double>(samples.size() - 1) + 0.5);
    return samples[std::min(at, samples.size() - 1)];
}

// With `boardOpen`, the clubhouse board is open beside the play screen: its redraws, gathered
// and run from a timer, land inside some keystrokes' timings and show in the 99th percentile.
void typeKeystrokes(benchmark::State& state, bool boardOpen) {
    if (!openFullGroup()) {
        state.SkipWithError("the tournament could not be saved and opened");
        return;
    }
    const CTournament& tournament = theTournament();
    // As in the program: every change brings the recovery copy up to date, off the keystroke path.
    RecoveryKeeper keeper(theSession());
    CActiveTournamentDlg screen;
    screen.show();
    if (!waitUntilExposed(screen)) {
        state.SkipWithError("the play screen was never shown");
        return;
    }
    if (boardOpen) screen.findChild<QPushButton*>(QStringLiteral("boardButton"))->click();
    screen.findChild<QComboBox*>(QStringLiteral("playerCombo"))->setCurrentIndex(4);
    QLineEdit* hole = screen.findChild<QLineEdit*>(QStringLiteral("holeEdit%1").arg(HoleTyped));
    hole->setFocus();
    QCoreApplication::processEvents();

    PaintCounter paints;
    qApp->installEventFilter(&paints);
    std::vector<double> samples;
    samples.reserve(static_cast<std::size_t>(state.max_iterations));
    // Alternating 2 (two under par, first) and 9 (five over, off the board) moves every row.
    bool low = false;
    for (auto _ : state) {
        low = !low;
        hole->selectAll();
        const auto start = std::chrono::steady_clock::now();
        const long long paintsBefore = paints.count;
        pressKey(hole, low ? Qt::Key_2 : Qt::Key_9, low ? QStringLiteral("2") : QStringLiteral("9"));
        if (!waitUntilPainted(paints, paintsBefore)) {
            state.SkipWithError("a keystroke was never painted");
            break;
        }
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        samples.push_back(elapsed.count() * 1e3);
    }
    qApp->removeEventFilter(&paints);
    if (samples.empty()) return;
    if (tournament.groups[0].players[4].results[HoleTyped] != (low ? 2 : 9)) state.SkipWithError("stroke not stored");
    state.counters["median_ms"] = percentile(samples, 0.5);
    state.counters["p99_ms"] = percentile(samples, 0.99);
    state.SetLabel(QGuiApplication::platformName().toStdString());
    state.counters["paints_per_key"] = static_cast<double>(paints.count) / static_cast<double>(samples.size());
    if (boardOpen && !screen.clubhouseBoard()) state.SkipWithError("board not open");
}

void BM_KeystrokeRedrawsLeaderboard(benchmark::State& state) { typeKeystrokes(state, false); }
BENCHMARK(BM_KeystrokeRedrawsLeaderboard)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2000);

void BM_KeystrokeWithClubhouseBoardOpen(benchmark::State& state) { typeKeystrokes(state, true); }
BENCHMARK(BM_KeystrokeWithClubhouseBoardOpen)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2000);

}  // namespace

int main(int argc, char** argv) {
    // Painting is only worth timing on a real window system; without one the run still works.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", std::getenv("DISPLAY") ? "xcb" : "offscreen", 1);
    // A working folder of its own, holding the course table the run reads at start-up.
    QTemporaryDir folder;
    if (!folder.isValid() || !QDir::setCurrent(folder.path())) return 1;
    QDir().mkpath(QStringLiteral("config"));
    if (QFile table(QStringLiteral("config/TeebrookConfig.ini"));
        !table.open(QIODevice::WriteOnly) || table.write(CourseTable) < 0)
        return 1;
    CTournamentApp app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
