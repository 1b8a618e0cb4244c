// The scoring service's interface from outside: "teebrook --serve" as a process, plain HTTP
// over loopback.

#include <gtest/gtest.h>

#include "LiveTestSupport.h"
#include "core/TempFolder.h"

namespace {

class LiveInterface : public ::testing::Test {
protected:
    void SetUp() override {
        served.writeTournament(2);
        std::string problem;
        ASSERT_TRUE(served.start(problem)) << problem;
        client = std::make_unique<HttpClient>(served.port());
    }
    std::string group(int g) const { return "/api/group/" + served.code(g); }
    std::string score(int g) const { return group(g) + "/score"; }

    ServedTournament served;
    std::unique_ptr<HttpClient> client;
};

struct ErrorCase {
    const char* method;
    std::string path;
    std::string body;
    int status;
    const char* inAnswer;  // the field at fault, the Allow header, or empty
};

TEST_F(LiveInterface, RefusesEveryFaultWithItsCodeAndTheFieldAtFault) {
    const std::string ok = entryJson(1, 1, 4, "marker", "a", 1);
    const std::vector<ErrorCase> cases{
        {"GET", "/api/nothing", "", 404, ""},
        {"DELETE", "/config/TeebrookConfig.ini", "", 404, ""},
        {"GET", "/../data/Klubbcup.ini", "", 404, ""},
        {"POST", group(0) + "/other", ok, 404, ""},
        {"POST", "/api/board", "", 405, "Allow: GET"},
        {"GET", score(0), "", 405, "Allow: POST"},
        {"PUT", group(0), "", 405, "Allow: GET"},
        {"POST", score(0), "{\"player\":", 400, ""},
        {"POST", score(0), "[1]", 400, ""},
        {"POST", score(0), entryJson(10, 1, 4, "marker", "a", 1), 400, "\"field\":\"player\""},
        {"POST", score(0), entryJson(1, 19, 4, "marker", "a", 1), 400, "\"field\":\"hole\""},
        {"POST", score(0), entryJson(1, 1, 31, "marker", "a", 1), 400, "\"field\":\"strokes\""},
        {"POST", score(0), entryJson(1, 1, 4, "caddie", "a", 1), 400, "\"field\":\"by\""},
        {"POST", score(0), entryJson(1, 1, 4, "marker", "a b", 1), 400, "\"field\":\"device\""},
        {"POST", score(0), entryJson(1, 1, 4, "marker", "a", 0), 400, "\"field\":\"seq\""},
        {"POST", score(0), std::string(5000, ' ') + ok, 413, ""},
        {"POST", score(0), std::string(1 << 20, ' ') + ok, 413, ""},
        {"GET", "/api/group/AAAAAA", "", 403, ""},
    };
    for (const ErrorCase& c : cases) {
        const HttpAnswer answer = client->request(c.method, c.path, c.body);
        EXPECT_EQ(answer.status, c.status) << c.method << ' ' << c.path.substr(0, 60);
        EXPECT_NE((answer.headers + answer.body).find(c.inAnswer), std::string::npos) << c.path.substr(0, 60);
        EXPECT_NE(answer.body.find("\"error\":"), std::string::npos) << c.path.substr(0, 60);
        client->close();
    }
    // Nine more wrong codes make ten in the minute: from then on even a right code is refused.
    for (int wrong = 0; wrong < 9; ++wrong) EXPECT_EQ(client->request("GET", "/api/group/aaaaaa").status, 403);
    EXPECT_EQ(client->request("GET", group(0)).status, 429);
    EXPECT_EQ(client->request("POST", score(0), ok).status, 429);
    EXPECT_EQ(client->request("GET", "/api/board").status, 200);
}

TEST_F(LiveInterface, TakesAnEntryOnceAndNeverAnOlderOneOverANewer) {
    const auto stored = [&](int strokes, const char* by, long long seq) {
        return client->request("POST", score(1), entryJson(2, 5, strokes, by, "phone-7", seq)).body;
    };
    const std::string before = client->request("GET", group(1)).body;
    EXPECT_EQ(stored(5, "marker", 2), "{\"conflict\":false,\"stored\":5}");
    EXPECT_EQ(stored(6, "marker", 2), "{\"conflict\":false,\"stored\":5}");
    EXPECT_EQ(stored(7, "marker", 1), "{\"conflict\":false,\"stored\":5}");
    EXPECT_EQ(stored(4, "player", 1), "{\"conflict\":true,\"stored\":5}");
    // The code is read case-blind; the group shows the stroke, the conflict and a newer version.
    std::string lower = served.code(1);
    for (char& c : lower) c = static_cast<char>(std::tolower(c));
    const std::string after = client->request("GET", "/api/group/" + lower).body;
    EXPECT_NE(after.find("\"conflicts\":[{\"hole\":5,\"player\":2}]"), std::string::npos) << after;
    EXPECT_NE(after.find("\"strokes\":[0,0,0,0,5,0"), std::string::npos) << after;
    EXPECT_NE(after.find("\"group\":\"B\""), std::string::npos) << after;
    const auto version = [](const std::string& group) {
        return std::stoll(group.substr(group.find("\"version\":") + 10));
    };
    EXPECT_LT(version(before), version(after));
    const std::string board = client->request("GET", "/api/board").body;
    EXPECT_NE(board.find("\"gross\":5,\"holes\":1,\"name\":\"Spiller2 Gruppe2\""), std::string::npos) << board;
    // Saved on SIGTERM (what the file keeps of it: tests/core/LiveScoringTest.cpp), the journal gone.
    EXPECT_EQ(served.stop(SIGTERM), 0);
    EXPECT_NE(TempFolder::read(served.file("data/Klubbcup.ini")).find("SetBy2=- - - - M"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(served.file("data/.gjenoppretting/Klubbcup.journal")));
}

}  // namespace
