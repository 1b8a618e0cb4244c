#pragma once
// Guessing codes: an address that gives MaxWrongCodes wrong codes within a minute is refused
// (429) for a minute from the last of them, whatever it asks with a code.

#include <chrono>
#include <deque>
#include <map>
#include <string>

class WrongCodeGuard {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int MaxWrongCodes = 10;
    static constexpr std::chrono::seconds Window{60};

    bool isBlocked(const std::string& address, Clock::time_point now) const {
        const auto found = blockedUntil_.find(address);
        return found != blockedUntil_.end() && now < found->second;
    }

    void noteWrongCode(const std::string& address, Clock::time_point now) {
        std::deque<Clock::time_point>& times = wrong_[address];
        while (!times.empty() && now - times.front() >= Window) times.pop_front();
        times.push_back(now);
        if (static_cast<int>(times.size()) >= MaxWrongCodes) {
            blockedUntil_[address] = now + Window;
            times.clear();
        }
        forgetOldAddresses(now);
    }

private:
    // Addresses quiet for a minute are forgotten, so a scan of many addresses holds little.
    void forgetOldAddresses(Clock::time_point now) {
        for (auto it = wrong_.begin(); it != wrong_.end();) {
            if (!it->second.empty() && now - it->second.back() < Window) ++it;
            else if (isBlocked(it->first, now)) ++it;
            else it = wrong_.erase(it);
        }
        std::erase_if(blockedUntil_, [now](const auto& entry) { return now >= entry.second; });
    }

    std::map<std::string, std::deque<Clock::time_point>> wrong_;
    std::map<std::string, Clock::time_point> blockedUntil_;
};
