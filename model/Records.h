#pragma once
// The plain records of a tournament: players, play groups and courses, and the fixed
// tables that fill the screens' choice lists. All arrays are fixed-size; counts stored
// in the records may hold anything a file gave them, so every loop over players or
// tees goes through the limited counts (playerCount, teeCount).

#include <array>
#include <span>
#include <string>
#include <string_view>

inline constexpr int MaxGroups = 9;
inline constexpr int MaxPlayers = 9;
inline constexpr int MaxPitches = 100;
inline constexpr int MaxTees = 5;
inline constexpr int MaxHoles = 18;

// Fixed tables. A list position on screen equals the index stored in the records.
inline constexpr std::array<std::string_view, 4> ClassNames{"Dame", "Herre", "Junior", "Mixed"};
inline constexpr std::array<std::string_view, 2> PlayFormNames{"Slagspill", "Stableford"};
inline constexpr int StrokePlay = 0;
inline constexpr int Stableford = 1;
// The allowances clubs use: the fractions of old, then the World Handicap System's recommended
// ones (95 % for individual stroke play and Stableford, 90 % and 85 % for four-ball). Figures
// take the hundredths, exact; the float factors are the records' own.
inline constexpr std::array<std::string_view, 8> AllowanceNames{"1/1", "3/4",  "1/2",  "1/4",
                                                                "0",   "95 %", "90 %", "85 %"};
inline constexpr std::array<float, 8> AllowanceFactors{1.0f, 0.75f, 0.5f, 0.25f, 0.0f, 0.95f, 0.90f, 0.85f};
inline constexpr std::array<int, 8> AllowanceHundredths{100, 75, 50, 25, 0, 95, 90, 85};
inline constexpr std::array<std::string_view, 3> TournamentTypes{"Singel", "Par", "Lag"};
// The formats a group of a "Par" or a "Lag" tournament plays; the first is the default.
inline constexpr std::array<std::string_view, 4> PairFormatNames{"Bestball", "Greensome", "Foursome", "Scramble"};
inline constexpr std::array<std::string_view, 2> TeamFormatNames{"Beste 2 av 4", "Scramble"};
inline constexpr int MaxHcpLimits = 2;

// Table entry at `index`, or the empty text when a damaged file gave an index outside the table.
template <std::size_t N>
std::string_view tableText(const std::array<std::string_view, N>& table, int index) {
    return index >= 0 && index < static_cast<int>(N) ? table[index] : std::string_view{};
}
inline std::string_view className(int index) { return tableText(ClassNames, index); }
inline std::string_view playFormName(int index) { return tableText(PlayFormNames, index); }
inline std::string_view allowanceName(int index) { return tableText(AllowanceNames, index); }

// Players of a side in tournament type `type`: 2 for "Par", up to 4 for "Lag", else 1 ("Singel").
int sideSizeOfType(std::string_view type);
// The formats type `type` offers, in list order; none for "Singel" and any other text.
std::span<const std::string_view> formatNamesOfType(std::string_view type);
// The position of `name` among the type's formats; the type's first format for an unknown text.
int formatOfName(std::string_view type, std::string_view name);
// The name of format `format` of type `type`; the type's first for a position outside the list.
std::string_view formatNameOf(std::string_view type, int format);

// A count of groups or of a group's players as the records hold it: 0..9, whatever a file or a
// field gave.
constexpr int settledCount(int count) { return count < 0 ? 0 : count > MaxGroups ? MaxGroups : count; }

// An allowance as the records hold it: an index outside AllowanceNames is "1/1".
constexpr int settledAllowance(int index) {
    return index >= 0 && index < static_cast<int>(AllowanceNames.size()) ? index : 0;
}

// A group's code for the phones: six characters of CodeAlphabet, which leaves out the ones
// easily mistaken for another (I, O, 0, 1).
inline constexpr std::string_view CodeAlphabet = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";
inline constexpr std::size_t CodeLength = 6;
// `code` in capitals when it is a code, else the empty text (a group without one).
std::string settledCode(std::string_view code);

// The identity text of a player on screen and in lookups: first name, one blank, surname.
std::string playerText(std::string_view firstName, std::string_view surName);

// A phone's last entry for a hole: 0 strokes is none (or withdrawn); seq 0 means no phone has
// entered anything for the hole in that role.
struct PhoneEntry {
    int strokes = 0;
    long long seq = 0;
    std::string device;
    bool operator==(const PhoneEntry&) const = default;
};

// Where a hole's stroke came from during live scoring: whether the organiser set it on the play
// screen, and the marker's and the player's last phone entries.
struct HoleSources {
    bool organiser = false;
    PhoneEntry marker;
    PhoneEntry player;
    bool operator==(const HoleSources&) const = default;
    bool hasPhoneEntry() const { return marker.seq > 0 || player.seq > 0; }
};

struct CPlayer {
    std::string firstName;
    std::string surName;
    std::string club;
    float hcp = 0.0f;
    float sh = 0.0f;
    std::array<int, MaxHoles> results{};
    std::array<HoleSources, MaxHoles> sources{};

    void clear();
    // Sum of all 18 results; saturates at the int range instead of overflowing.
    int totalStrokes() const;
    std::string text() const { return playerText(firstName, surName); }
};

struct CPitch {
    std::string name;
    int holes = 0;
    int numberOfTees = 0;
    std::array<int, MaxTees> slopeValue{};
    std::array<int, MaxTees> parValue{};
    std::array<float, MaxTees> pitchValue{};
    std::array<std::string, MaxTees> teeName;
    std::array<int, MaxHoles> par{};
    std::array<int, MaxHoles> index{};

    // Empty name and 18 holes; tees, par and index keep their values.
    void clear();
    // Sum of all 18 par values.
    int totalPar() const;
    // numberOfTees limited to 0..5, for loops over the tee arrays.
    int teeCount() const;
    // holes limited to 0..18, for loops over the hole arrays.
    int holeCount() const;
    // The holes a prize, a score card and the board count: `holes`, or 18 when it is outside
    // 1..18 (a course without holes keeps 0 in `holes`, as the result list prints it).
    int holesThatCount() const;
    // Name of tee `tee`, or the empty text for an index outside the arrays.
    std::string_view teeNameAt(int tee) const;
    bool operator==(const CPitch&) const = default;
};

struct CPlayGroup {
    int groupClass = 0;
    int playForm = 0;
    // Follows `allowance` (see setAllowance): a new or cleared group plays "1/1".
    float allowanceFactor = 1.0f;
    int allowance = 0;
    int noOfPlayers = 0;
    int tee = 0;
    // Position in the formats of the tournament's type (formatNamesOfType); unused for "Singel".
    int format = 0;
    std::string groupName;
    // The phones' code of the group (live scoring); empty until one is drawn.
    std::string code;
    std::array<CPlayer, MaxPlayers> players;

    // Class, play form, allowance ("1/1", with its factor) and player count to 0, the code
    // forgotten and all nine players cleared; tee and groupName keep their values.
    void clear();
    // Copies first name, surname and hcp into the next free slot. A full group (or one
    // whose count is out of range) is left unchanged and the answer is false.
    bool addPlayer(const CPlayer& source);
    // Allowance `index` of AllowanceNames with its factor from AllowanceFactors; an index outside
    // the table changes nothing. The one writer of both, so the factor that the figures use
    // always follows the allowance shown and stored.
    void setAllowance(int index);
    // A play form outside the table counts as stroke play, for every figure.
    bool playsStableford() const { return playForm == Stableford; }
    // noOfPlayers limited to 0..9: the players that exist.
    int playerCount() const;
    // The player at 0-based position k in ascending order of total strokes, equal totals
    // in registration order; k of 0 or less gives the first; none at or beyond the count.
    const CPlayer* playerAtRank(int k) const;
    CPlayer* playerAtRank(int k);
};
