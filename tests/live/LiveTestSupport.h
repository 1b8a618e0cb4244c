#pragma once
// Drives "teebrook --serve" from outside, as the phones do: the program runs as a process in a
// working folder of its own, and requests go over loopback on plain sockets, one connection each
// client. Shared by the interface and crash tests and the load benchmark.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "TestCourseTable.h"
#include "model/CTournament.h"

struct HttpAnswer {
    int status = 0;  // 0: no answer
    std::string headers;
    std::string body;
};

// One client's connection, kept open between its requests.
class HttpClient {
public:
    explicit HttpClient(int port) : port_(port) {}
    ~HttpClient() { close(); }
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    HttpAnswer request(const std::string& method, const std::string& path, const std::string& body = {}) {
        if (fd_ < 0 && !connect()) return {};
        const std::string text = method + " " + path +
                                 " HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: application/json\r\n" +
                                 "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
        // A refused request may be closed before all of it is sent; its answer is read all the same.
        sendAll(text);
        return readAnswer();
    }

    void close() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        buffered_.clear();
    }

private:
    bool connect() {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<uint16_t>(port_));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const int on = 1;
        ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        const timeval timeout{10, 0};
        ::setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
        if (::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) return true;
        close();
        return false;
    }

    void sendAll(const std::string& text) {
        for (std::size_t sent = 0; sent < text.size();) {
            const ssize_t n = ::send(fd_, text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
            if (n <= 0) return;
            sent += static_cast<std::size_t>(n);
        }
    }

    bool readMore() {
        char chunk[8192];
        const ssize_t n = ::recv(fd_, chunk, sizeof chunk, 0);
        if (n > 0) buffered_.append(chunk, static_cast<std::size_t>(n));
        return n > 0;
    }

    HttpAnswer readAnswer() {
        std::size_t end = 0;
        while ((end = buffered_.find("\r\n\r\n")) == std::string::npos) {
            if (!readMore()) return close(), HttpAnswer{};
        }
        HttpAnswer answer;
        answer.headers = buffered_.substr(0, end);
        answer.status = std::atoi(answer.headers.c_str() + answer.headers.find(' ') + 1);
        const std::size_t length = contentLength(answer.headers);
        while (buffered_.size() < end + 4 + length && readMore()) {}
        answer.body = buffered_.substr(end + 4, length);
        buffered_.erase(0, std::min(buffered_.size(), end + 4 + length));
        return answer;
    }

    static std::size_t contentLength(const std::string& headers) {
        const std::size_t at = headers.find("Content-Length: ");
        return at == std::string::npos ? 0 : std::strtoul(headers.c_str() + at + 16, nullptr, 10);
    }

    int port_;
    int fd_ = -1;
    std::string buffered_;
};

// A working folder with the test course table and data/<name>.ini, where "--serve" runs.
class ServedTournament {
public:
    explicit ServedTournament(const std::string& name = "Klubbcup") : name_(name) {
        static int counter = 0;
        folder_ = std::filesystem::temp_directory_path() /
                  ("teebrook-live-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::create_directories(folder_ / "config");
        std::filesystem::create_directories(folder_ / "data");
        std::ofstream(folder_ / "config/TeebrookConfig.ini", std::ios::binary) << TestCourseTable;
    }
    ~ServedTournament() {
        stop(SIGKILL);
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    // Nine players in each of `groups` groups on "Testbanen", no strokes yet.
    void writeTournament(int groups) {
        groups_ = groups;
        CTournament tournament(file("config/TeebrookConfig.ini"));
        tournament.name = name_;
        tournament.selectPitch("Testbanen");
        tournament.numberOfGroups = groups;
        for (int g = 0; g < groups; ++g) {
            tournament.groups[g].groupClass = 1;
            tournament.groups[g].noOfPlayers = MaxPlayers;
            for (int p = 0; p < MaxPlayers; ++p) {
                tournament.groups[g].players[p].firstName = "Spiller" + std::to_string(p + 1);
                tournament.groups[g].players[p].surName = "Gruppe" + std::to_string(g + 1);
            }
        }
        tournament.save(file("data/" + name_ + ".ini"));
    }

    // Starts the program and reads its address and codes; false when it did not start serving.
    bool start(std::string& problem) {
        int out[2];
        if (::pipe(out) != 0) return false;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            std::filesystem::current_path(folder_);
            ::execl(TEEBROOK_EXECUTABLE, TEEBROOK_EXECUTABLE, "--serve", name_.c_str(), "--port", "0",
                    static_cast<char*>(nullptr));
            _exit(127);
        }
        ::close(out[1]);
        FILE* lines = ::fdopen(out[0], "r");
        char line[256];
        codes_.clear();
        port_ = 0;
        if (std::fgets(line, sizeof line, lines)) {
            const std::string address = line;
            port_ = std::atoi(address.c_str() + address.rfind(':') + 1);
        }
        while (static_cast<int>(codes_.size()) < groups() && std::fgets(line, sizeof line, lines))
            codes_.push_back(std::string(line + 2, 6));
        std::fclose(lines);
        if (port_ == 0) problem = "no address on the first line";
        return port_ != 0;
    }

    // Ends the program with `signal` and waits for it; its exit status, or -signal.
    int stop(int signal) {
        if (pid_ <= 0) return 0;
        ::kill(pid_, signal);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = 0;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    }

    std::string file(const std::string& name) const { return (folder_ / name).string(); }
    int port() const { return port_; }
    const std::string& code(int group) const { return codes_[group]; }
    int groups() const { return groups_; }

private:
    std::string name_;
    std::filesystem::path folder_;
    pid_t pid_ = 0;
    int port_ = 0;
    int groups_ = 1;
    std::vector<std::string> codes_;
};

// The body of a phone's entry.
inline std::string entryJson(int player, int hole, int strokes, const char* by, const std::string& device,
                             long long seq) {
    return "{\"player\":" + std::to_string(player) + ",\"hole\":" + std::to_string(hole) +
           ",\"strokes\":" + std::to_string(strokes) + ",\"by\":\"" + by + "\",\"device\":\"" + device +
           "\",\"seq\":" + std::to_string(seq) + "}";
}
