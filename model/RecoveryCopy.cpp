#include "model/RecoveryCopy.h"

#include <algorithm>
#include <charconv>
#include <ctime>

#include "ini/IniFile.h"
#include "model/CTournament.h"
#include "model/FileNames.h"
#include "text/Encoding.h"
#include "text/Text.h"

namespace {

constexpr std::string_view CopySuffix = ".ini";
constexpr std::string_view SetAsideSuffix = ".ini.bak";

std::tm localTimeOf(long long madeAt) {
    const std::time_t seconds = static_cast<std::time_t>(madeAt / 1000);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    return local;
}

std::string pathIn(const std::string& folder, std::string_view name) {
    std::string path = folder;
    path.append(1, '/').append(name);
    return path;
}

std::string twoDigits(int value) { return (value < 10 ? "0" : "") + text::formatInt(value); }

long long millisecondsIn(std::string_view text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

RecoveryCopy readCopy(const std::string& path) {
    RecoveryCopy copy;
    copy.path = path;
    const files::ReadResult read = files::readRegularFile(path);
    if (!read.result) return copy;
    copy.contents = read.contents;
    const IniFile file(read.contents);
    // The copy's own section is written last: a copy without it is not whole.
    const std::string made = file.value("Recovery", "Made");
    copy.madeAt = millisecondsIn(made);
    if (copy.madeAt <= 0 || !file.hasKey("Tournament", "Name")) return copy;
    copy.readable = true;
    copy.tournamentName = text::utf8FromWindows1252(file.textValue("Tournament", "Name"));
    copy.tournamentFile = text::utf8FromWindows1252(file.value("Recovery", "File"));
    return copy;
}

// The saved file a copy is measured against: its own tournament file, else the one its name gives.
std::string savedFileOf(const RecoveryCopy& copy) {
    if (!copy.tournamentFile.empty()) return copy.tournamentFile;
    const std::string stored = text::windows1252FromUtf8(copy.tournamentName, '?');
    return storedNameForFiles(stored) == NameForFiles::Usable ? tournamentFilePath(stored) : std::string();
}

bool isNewerThanSavedFile(const RecoveryCopy& copy) {
    const std::string saved = savedFileOf(copy);
    const std::optional<long long> savedAt = saved.empty() ? std::nullopt : files::modifiedAt(saved);
    return !savedAt || copy.madeAt > *savedAt;
}

std::string stampOf(long long madeAt) {
    const std::tm t = localTimeOf(madeAt);
    return text::formatInt(t.tm_year + 1900) + "-" + twoDigits(t.tm_mon + 1) + "-" + twoDigits(t.tm_mday) + " " +
           twoDigits(t.tm_hour) + "." + twoDigits(t.tm_min) + "." + twoDigits(t.tm_sec);
}

}  // namespace

std::string recoveryCopyName(std::string_view storedName) {
    const bool named = storedNameForFiles(storedName) == NameForFiles::Usable;
    return (named ? text::utf8FromWindows1252(storedName) : std::string("Uten navn")) + std::string(CopySuffix);
}

std::string recoveryCopyContents(const CTournament& tournament, long long madeAt) {
    IniFile file(tournament.storedForm());
    file.setValue("Recovery", "Made", text::formatInt(madeAt));
    file.setValue("Recovery", "File", text::windows1252FromUtf8(tournament.tournamentFile, '?'));
    return file.contents();
}

std::string madeAtText(long long madeAt) {
    const std::tm t = localTimeOf(madeAt);
    return twoDigits(t.tm_mday) + "." + twoDigits(t.tm_mon + 1) + "." + text::formatInt(t.tm_year + 1900) + " kl. " +
           twoDigits(t.tm_hour) + ":" + twoDigits(t.tm_min);
}

std::vector<RecoveryCopy> copiesToOffer(const std::string& folder) {
    std::vector<RecoveryCopy> offered;
    for (const std::string& name : files::filesIn(folder, CopySuffix)) {
        RecoveryCopy copy = readCopy(pathIn(folder, name));
        if (!copy.readable || isNewerThanSavedFile(copy)) {
            offered.push_back(std::move(copy));
        } else {
            setAside(copy);
        }
    }
    std::sort(offered.begin(), offered.end(), [](const RecoveryCopy& a, const RecoveryCopy& b) {
        if (a.readable != b.readable) return !a.readable;
        return a.madeAt > b.madeAt;
    });
    return offered;
}

bool hasNewerCopy(const std::string& tournamentFile, std::string_view storedName, const std::string& folder) {
    const RecoveryCopy copy = readCopy(pathIn(folder, recoveryCopyName(storedName)));
    if (!copy.readable || (!copy.tournamentFile.empty() && copy.tournamentFile != tournamentFile)) return false;
    const std::optional<long long> savedAt = files::modifiedAt(tournamentFile);
    return !savedAt || copy.madeAt > *savedAt;
}

files::FileResult setAside(const RecoveryCopy& copy, std::string* movedTo) {
    const std::string stem = copy.path.substr(0, copy.path.size() - CopySuffix.size());
    const long long madeAt = copy.readable ? copy.madeAt : files::modifiedAt(copy.path).value_or(0);
    files::FileResult moved;
    for (int attempt = 1; attempt <= 100; ++attempt) {
        const std::string target = stem + " " + stampOf(madeAt) +
                                   (attempt > 1 ? " (" + text::formatInt(attempt) + ")" : "") +
                                   std::string(SetAsideSuffix);
        moved = files::renameWithoutReplacing(copy.path, target);
        if (moved) {
            if (movedTo) *movedTo = target;
            return moved;
        }
        if (files::modifiedAt(target) == std::nullopt) break;
    }
    return moved;
}

RecoveryCopyWriter::RecoveryCopyWriter(std::string folder, Progress progress)
    : folder_(std::move(folder)), progress_(std::move(progress)), thread_([this] { run(); }) {}

RecoveryCopyWriter::~RecoveryCopyWriter() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void RecoveryCopyWriter::write(std::string fileName, std::string bytes, long long tag) {
    {
        const std::lock_guard lock(mutex_);
        std::erase_if(jobs_, [](const Job& job) { return !job.removal; });
        jobs_.push_back({std::move(fileName), std::move(bytes), tag, false});
    }
    wake_.notify_one();
}

void RecoveryCopyWriter::remove(std::string fileName) {
    {
        const std::lock_guard lock(mutex_);
        std::erase_if(jobs_, [&](const Job& job) { return !job.removal && job.fileName == fileName; });
        jobs_.push_back({std::move(fileName), {}, 0, true});
    }
    wake_.notify_one();
}

void RecoveryCopyWriter::finish() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

files::FileResult RecoveryCopyWriter::lastResult() const {
    const std::lock_guard lock(mutex_);
    return lastResult_;
}

void RecoveryCopyWriter::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty()) return;
        const Job job = std::move(jobs_.front());
        jobs_.pop_front();
        busy_ = true;
        lock.unlock();
        perform(job);
        lock.lock();
        busy_ = false;
        if (jobs_.empty()) idle_.notify_all();
    }
}

void RecoveryCopyWriter::perform(const Job& job) {
    const std::string path = pathIn(folder_, job.fileName);
    files::FileResult result;
    if (job.removal) {
        result = files::removeFileAt(path);
    } else {
        if (progress_) progress_(Stage::Writing, job.tag);
        result = files::createFolders(folder_);
        if (result) result = files::replaceFile(path, job.bytes);
        if (result && progress_) progress_(Stage::Written, job.tag);
    }
    const std::lock_guard lock(mutex_);
    lastResult_ = result;
}
