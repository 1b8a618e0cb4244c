// The course table read by the program and by QSettings, side by side in one run: the same
// file of 100 courses with five tees each, every value the program reads taken from it.
//   build/bench/course_table_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <QSettings>
#include <QString>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "bench/FullCourseTable.h"
#include "model/CTournament.h"

namespace {

const std::string& courseTablePath() {
    static const std::string path = [] {
        const std::string file = (std::filesystem::temp_directory_path() /
                                  ("teebrook-bench-" + std::to_string(::getpid()) + ".ini"))
                                     .string();
        std::ofstream(file, std::ios::binary) << fullCourseTable();
        return file;
    }();
    return path;
}

void BM_CourseTableLoadPitches(benchmark::State& state) {
    CTournament tournament(courseTablePath());
    for (auto _ : state) {
        tournament.loadPitches();
        benchmark::DoNotOptimize(tournament.pitches[MaxPitches - 1].pitchValue[MaxTees - 1]);
    }
    if (tournament.numberOfPitches != MaxPitches) state.SkipWithError("the table did not read");
}
BENCHMARK(BM_CourseTableLoadPitches)->Unit(benchmark::kMicrosecond);

// A new QSettings reads the file each time; each value is taken as the program takes it
// (text, whole number or decimal), the hole lists as text.
void BM_CourseTableQSettings(benchmark::State& state) {
    const QString path = QString::fromStdString(courseTablePath());
    int read = 0;
    for (auto _ : state) {
        QSettings settings(path, QSettings::IniFormat);
        const int courses = settings.value("NumberOfPitches/Number").toInt();
        for (int i = 1; i <= courses; ++i) {
            const QString number = QString::number(i);
            benchmark::DoNotOptimize(settings.value("Pitches/Pitch" + number).toString());
            settings.beginGroup("Pitch" + number);
            benchmark::DoNotOptimize(settings.value("Holes").toInt());
            benchmark::DoNotOptimize(settings.value("Par").toString());
            benchmark::DoNotOptimize(settings.value("Index").toString());
            const int tees = settings.value("NumberOfTees").toInt();
            for (int j = 1; j <= tees; ++j) {
                const QString tee = QString::number(j);
                benchmark::DoNotOptimize(settings.value("Tee" + tee).toString());
                benchmark::DoNotOptimize(settings.value("SlopeValue" + tee).toInt());
                benchmark::DoNotOptimize(settings.value("ParValue" + tee).toInt());
                benchmark::DoNotOptimize(settings.value("PitchValue" + tee).toDouble());
            }
            settings.endGroup();
        }
        read = courses;
    }
    if (read != MaxPitches) state.SkipWithError("the table did not read");
}
BENCHMARK(BM_CourseTableQSettings)->Unit(benchmark::kMicrosecond);

}  // namespace
