#include <algorithm>

#include "lists/Lists.h"
#include "model/CTournament.h"
#include "text/Encoding.h"
#include "text/Text.h"

namespace {

// Sort weight of a character: punctuation and blanks first, then digits, then letters
// with upper and lower case alike, as the desktop's sorted list box orders lines.
struct SortKey {
    int kind;
    char16_t code;
    auto operator<=>(const SortKey&) const = default;
};

// The letters of Windows-1252 (Unicode categories L*).
bool isLetter(char16_t code) {
    if ((code >= u'a' && code <= u'z') || (code >= u'A' && code <= u'Z')) return true;
    if (code >= 0xC0 && code <= 0xFF) return code != 0xD7 && code != 0xF7;
    switch (code) {
        case 0xAA:
        case 0xB5:
        case 0xBA:
        case 0x0152:
        case 0x0153:
        case 0x0160:
        case 0x0161:
        case 0x0178:
        case 0x017D:
        case 0x017E:
        case 0x0192:
        case 0x02C6:
            return true;
        default:
            return false;
    }
}

SortKey sortKey(char byte) {
    const auto code = static_cast<char16_t>(text::unicodeOfWindows1252(static_cast<unsigned char>(byte)));
    if (code >= u'0' && code <= u'9') return {1, code};
    // Letters sort by their Unicode case folding: the code page's own fold, and the micro
    // sign, which folds to the Greek small mu.
    if (code == 0xB5) return {2, 0x03BC};
    if (isLetter(code)) return {2, text::toUtf16(text::foldCase(byte))};
    return {0, code};
}

std::string resultLine(int number, const CPlayer& player, const CPlayGroup& group, int holes) {
    std::string strokes;
    for (int j = 0; j < holes; ++j) strokes += text::formatInt(player.results[j]) + ' ';
    return text::formatInt(number) + ": " + player.firstName + ' ' + player.surName + ' ' +
           text::formatInt(group.groupClass) + ' ' + text::formatFixed1(player.hcp) + ", " + strokes;
}

}  // namespace

bool resultLineSortsBefore(std::string_view left, std::string_view right) {
    return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end(),
                                        [](char a, char b) { return sortKey(a) < sortKey(b); });
}

std::vector<std::string> resultScreenLines(const CTournamentInfo& tournament) {
    std::vector<std::string> lines;
    const int holes = tournament.pitch.holeCount();
    int number = 0;
    // One running number over all groups; a line goes after every line that does not sort after it.
    for (int g = 0; g < tournament.groupsInUse(); ++g) {
        const CPlayGroup& group = tournament.groups[g];
        for (int i = 0; i < group.playerCount(); ++i) {
            std::string line = resultLine(++number, group.players[i], group, holes);
            auto at = lines.end();
            while (at != lines.begin() && resultLineSortsBefore(line, *(at - 1))) --at;
            lines.insert(at, std::move(line));
        }
    }
    return lines;
}
