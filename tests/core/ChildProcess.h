#pragma once
// Runs a check in a child process, so a check that hangs or eats memory fails instead of
// stalling or starving the test run, and so a check can run as an ordinary user: CI runs
// as root, whom file permissions do not stop.

#include <cstring>
#include <functional>
#include <string>

enum class RunAs { Self, OrdinaryUser };

#ifdef _WIN32
// Windows has no fork: the check runs in the test's own process, as the user running it.
inline std::string runInChild(const std::function<std::string()>& check, RunAs = RunAs::Self, unsigned = 10) {
    return check();
}
#else
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// The user a check runs as when the tests run as root ("nobody").
inline constexpr uid_t UnprivilegedId = 65534;

// Runs `check` in a child limited to `seconds` and about a gigabyte of memory. The answer is
// empty when the check answered empty, else what it answered or how the child ended.
inline std::string runInChild(const std::function<std::string()>& check, RunAs runAs = RunAs::Self,
                              unsigned seconds = 10) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child < 0) return "no fork";
    if (child == 0) {
        ::close(pipeEnds[0]);
        ::alarm(seconds);
#ifndef __SANITIZE_ADDRESS__
        const rlimit memory{1u << 30, 1u << 30};
        ::setrlimit(RLIMIT_AS, &memory);
#endif
        std::string failure;
        if (runAs == RunAs::OrdinaryUser && ::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(UnprivilegedId) != 0 || ::setuid(UnprivilegedId) != 0)) {
            failure = "could not become an ordinary user";
        }
        if (failure.empty()) failure = check();
        if (!failure.empty() && ::write(pipeEnds[1], failure.data(), failure.size()) < 0) _exit(2);
        _exit(failure.empty() ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    std::string answer;
    char buffer[512];
    ssize_t got = 0;
    while ((got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0) answer.append(buffer, static_cast<std::size_t>(got));
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFSIGNALED(status)) {
        return answer + (WTERMSIG(status) == SIGALRM ? "hung" : "ended by signal " + std::to_string(WTERMSIG(status)));
    }
    if (WEXITSTATUS(status) != 0 && answer.empty()) return "failed with code " + std::to_string(WEXITSTATUS(status));
    return answer;
}
#endif
