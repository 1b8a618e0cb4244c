#pragma once
// The index limits that split individual competitions into handicap classes A, B and C, as
// the organiser types them ("12,0 24,0") and as the tournament file keeps them ("12.0 24.0").

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the screen says when the typed limits are refused.
std::string_view hcpLimitsMessage();

// One or two numbers 0..54 with at most one decimal (point or comma), separated by blanks and
// strictly ascending, in tenths; an empty text gives none. Anything else is nothing.
std::optional<std::vector<int>> readHcpLimits(std::string_view typed);
// "12.0 24.0": the limits with a point, one blank between them.
std::string hcpLimitsText(const std::vector<int>& limits);
