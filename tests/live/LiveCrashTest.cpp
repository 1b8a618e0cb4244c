// "--serve" killed with SIGKILL while phones post: after a restart every entry that was
// answered as stored is there.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "LiveTestSupport.h"

namespace {

// One marker's phone posting for one player, hole after hole round and round, until the service
// stops answering; entry `seq` is hole (seq - 1) % 18 + 1 with strokes seq % 9 + 1.
struct Phone {
    std::string code;
    int player = 0;
    std::array<int, MaxHoles> acknowledged{};  // per hole the last strokes answered as stored
    std::pair<int, int> unanswered{};          // hole and strokes of the entry the kill cut off

    void postUntilKilled(int port) {
        HttpClient client(port);
        for (long long seq = 1;; ++seq) {
            unanswered = {static_cast<int>((seq - 1) % MaxHoles), static_cast<int>(seq % 9) + 1};
            const std::string entry = entryJson(player, unanswered.first + 1, unanswered.second, "marker", "crash",
                                                seq);
            if (client.request("POST", "/api/group/" + code + "/score", entry).status != 200) return;
            acknowledged[unanswered.first] = unanswered.second;
        }
    }

    // The entry posted but not answered when the kill came may be there too.
    bool holdsAcknowledged(const std::vector<int>& shown) const {
        for (int h = 0; h < MaxHoles; ++h) {
            if (shown[h] != acknowledged[h] && !(h == unanswered.first && shown[h] == unanswered.second)) return false;
        }
        return true;
    }
};

std::vector<int> strokesOfPlayer(const std::string& groupJson, int player) {
    const std::size_t at = groupJson.find("\"strokes\":[", groupJson.find("\"player\":" + std::to_string(player)));
    std::vector<int> strokes;
    for (std::size_t pos = at + 11; at != std::string::npos && strokes.size() < MaxHoles; ++pos) {
        strokes.push_back(std::atoi(groupJson.c_str() + pos));
        pos = groupJson.find_first_of(",]", pos);
    }
    return strokes;
}

TEST(LiveCrash, EveryAcknowledgedEntryIsThereAfterAKill) {
    ServedTournament served;
    served.writeTournament(3);
    std::string problem;
    ASSERT_TRUE(served.start(problem)) << problem;
    std::vector<Phone> phones;
    for (int g = 0; g < 3; ++g) {
        for (int p = 1; p <= 3; ++p) phones.push_back({served.code(g), p});
    }
    std::vector<std::thread> threads;
    for (Phone& phone : phones) threads.emplace_back(&Phone::postUntilKilled, &phone, served.port());
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    EXPECT_EQ(served.stop(SIGKILL), -SIGKILL);
    for (std::thread& thread : threads) thread.join();

    ASSERT_TRUE(served.start(problem)) << problem;
    HttpClient client(served.port());
    for (const Phone& phone : phones) {
        // Every phone got round all 18 holes before the kill.
        EXPECT_EQ(std::count(phone.acknowledged.begin(), phone.acknowledged.end(), 0), 0);
        // The codes handed out before the kill still work.
        const std::string shown = client.request("GET", "/api/group/" + phone.code).body;
        const std::vector<int> strokes = strokesOfPlayer(shown, phone.player);
        ASSERT_EQ(strokes.size(), std::size_t{MaxHoles}) << shown;
        EXPECT_TRUE(phone.holdsAcknowledged(strokes)) << phone.code << " player " << phone.player << ": " << shown;
    }
}

}  // namespace
