#include <string>

#include "ListTestSupport.h"
#include "lists/PrizeList.h"

namespace {

// Kortbanen, nine holes of par 4, stroke index in hole order, one tee of slope 113 and rating
// 36.0, so a player's course handicap is half his index. Herre stroke play in groups A and C (a
// tie parted on the last 6, an unfinished card); Dame Stableford at 3/4 in group B.
class PrizeListFiles : public ListTest {
protected:
    PrizeListFiles() {
        setHeader("Klubbmesterskap", 14, 6, 2026);
        tournament.pitch.name = "Kortbanen";
        tournament.pitch.holes = 9;
        tournament.pitch.par.fill(4);
        tournament.pitch.index = {1, 2, 3, 4, 5, 6, 7, 8, 9};
        tournament.pitch.numberOfTees = 1;
        tournament.pitch.slopeValue[0] = 113;
        tournament.pitch.parValue[0] = 36;
        tournament.pitch.pitchValue[0] = 36.0f;
        CPlayGroup& a = group(1, 0, "Gruppe A", 0);
        player(a, "Ola", "Nordmann", "Fana GK", 2.0f, {4, 4, 4, 4, 4, 4, 4, 4, 4});
        player(a, "Per", "Berg", "Bergen GK", 3.0f, {5, 4, 4, 4, 4, 4, 4, 4, 4});
        player(a, "Liv", "Dahl", "", 10.0f, {4, 4, 4});
        CPlayGroup& b = group(0, 1, "Gruppe; B", 1);
        player(b, "\xC5se", "\xD8stby", "Sola \"GK\"", 13.0f, {5, 5, 5, 5, 5, 5, 5, 5, 5});
        player(b, "Kari", "Hansen", "Sola GK", 10.0f, {});
        CPlayGroup& c = group(1, 0, "Gruppe C", 0);
        player(c, "Jon", "Moe", "", 0.0f, {4, 4, 4, 4, 4, 4, 4, 4, 4});
    }

    CPlayGroup& group(int groupClass, int playForm, const std::string& name, int allowance) {
        CPlayGroup& result = addGroup(groupClass, playForm);
        result.groupName = name;
        result.setAllowance(allowance);
        return result;
    }
    void player(CPlayGroup& g, const std::string& first, const std::string& sur, const std::string& club,
                float courseHandicap, std::initializer_list<int> strokes) {
        CPlayer& p = addPlayer(g, first, sur, strokes);
        p.club = club;
        p.hcp = 2 * courseHandicap;
        p.sh = courseHandicap;
    }
};

}  // namespace

TEST_F(PrizeListFiles, CsvIsUtf8WithOneLinePerPlayerInPrizeListOrder) {
    const std::string expected =
        "\xEF\xBB\xBF"
        "Klasse;Spilleform;Plass;Fornavn;Etternavn;Klubb;Gruppe;Brutto;Spillehandicap;Netto;Poeng;Avgjort\r\n"
        "Herre;Slagspill;1;Per;Berg;Bergen GK;Gruppe A;37;3;34;20;\r\n"
        "Herre;Slagspill;2;Ola;Nordmann;Fana GK;Gruppe A;36;2;34;20;siste 6\r\n"
        "Herre;Slagspill;3;Jon;Moe;;Gruppe C;36;0;36;18;\r\n"
        "Herre;Slagspill;;Liv;Dahl;;Gruppe A;12;10;;10;Ikke fullf\xC3\xB8rt\r\n"
        "Dame;Stableford;1;\xC3\x85se;\xC3\x98stby;\"Sola \"\"GK\"\"\";\"Gruppe; B\";45;10;35;19;\r\n"
        "Dame;Stableford;;Kari;Hansen;Sola GK;\"Gruppe; B\";0;8;;;Ikke startet\r\n";
    EXPECT_EQ(prizeListCsv(tournament), expected);
}

TEST_F(PrizeListFiles, TextShowsEachCompetitionAsATableWithItsWorking) {
    const std::string expected =
        "Premieliste\r\n"
        "Turnering : Klubbmesterskap\r\n"
        "Dato      : 14 Juni 2026\r\n"
        "Bane      : Kortbanen, 9 hull\r\n"
        "\r\n"
        "\r\n"
        "Herre \x96 Slagspill\r\n"
        "\r\n"
        "Plass  Navn          Klubb      Gruppe    Brutto  Sp.hcp  Netto  Avgjort\r\n"
        "-----  ------------  ---------  --------  ------  ------  -----  -------------\r\n"
        "    1  Per Berg      Bergen GK  Gruppe A      37       3     34\r\n"
        "    2  Ola Nordmann  Fana GK    Gruppe A      36       2     34  siste 6\r\n"
        "    3  Jon Moe                  Gruppe C      36       0     36\r\n"
        "       Liv Dahl                 Gruppe A      12      10      2  Ikke fullf\xF8rt\r\n"
        "\r\n"
        "\r\n"
        "Dame \x96 Stableford\r\n"
        "\r\n"
        "Plass  Navn         Klubb      Gruppe     Brutto  Sp.hcp  Poeng  Avgjort\r\n"
        "-----  -----------  ---------  ---------  ------  ------  -----  ------------\r\n"
        "    1  \xC5se \xD8stby    Sola \"GK\"  Gruppe; B      45      10     19\r\n"
        "       Kari Hansen  Sola GK    Gruppe; B               8         Ikke startet\r\n";
    EXPECT_EQ(prizeListText(tournament), expected);
}

TEST_F(PrizeListFiles, WritersReplaceTheFileOrAnswerFalse) {
    ASSERT_TRUE(writePrizeListText(tournament, pathOf("p.txt")));
    ASSERT_TRUE(writePrizeListCsv(tournament, pathOf("p.csv")));
    EXPECT_EQ(readBytes(pathOf("p.txt")), prizeListText(tournament));
    EXPECT_EQ(readBytes(pathOf("p.csv")), prizeListCsv(tournament));
    EXPECT_FALSE(writePrizeListText(tournament, pathOf("no-such-folder/p.txt")));
    EXPECT_FALSE(writePrizeListCsv(tournament, pathOf("no-such-folder/p.csv")));
}

TEST_F(SideListTest, CsvOfPairsHasOneLinePerPairAndThePlayerAloneLast) {
    CPlayGroup& a = group("Par", 0, 1, StrokePlay, "Gruppe A");
    player(a, "Ola", 0.0f, {5, 4, 4}, "Nordmann");
    player(a, "Per", 4.0f, {6, 5, 4}, "Berg");
    player(a, "Liv", 0.0f, {4, 4, 4}, "Dahl");
    CPlayGroup& b = group("Par", 1, 1, Stableford, "Gruppe B");
    player(b, "Kari", 0.0f, {4, 4, 4}, "Hansen");
    player(b, "Siv", 4.0f, {}, "Moe");
    const std::string expected =
        "\xEF\xBB\xBF"
        "Klasse;Spilleform;Format;Plass;Spillere;Gruppe;Brutto;Spillehandicap;Netto;Poeng;Avgjort\r\n"
        "Herre;Slagspill;Bestball;1;Ola Nordmann / Per Berg;Gruppe A;;0/2;13;;\r\n"
        "Herre;Slagspill;Bestball;;Liv Dahl;Gruppe A;;;;;Uten makker\r\n"
        "Herre;Stableford;Greensome;1;Kari Hansen / Siv Moe;Gruppe B;12;1;;7;\r\n";
    EXPECT_EQ(prizeListCsv(tournament), expected);
}

TEST_F(SideListTest, CsvOfTeamsLeavesOutTheFiguresOfTeamsNotFinishedOrStarted) {
    CPlayGroup& a = group("Lag", 0, 0, StrokePlay, "Lag 1");
    player(a, "Ane", 0.0f, {5, 4, 6});
    player(a, "Bo", 4.0f, {6, 5, 4});
    player(a, "Cai", 0.0f, {4, 4, 4});
    player(a, "Dag", 0.0f, {3, 5});
    player(a, "Eli", 0.0f, {4, 4});
    player(a, "Fia", 0.0f, {4});
    CPlayGroup& b = group("Lag", 1, 0, StrokePlay, "Lag 2");
    player(b, "Gro", 10.0f, {});
    player(b, "Hal", 20.0f, {});
    player(b, "Ida", 30.0f, {});
    const std::string expected =
        "\xEF\xBB\xBF"
        "Klasse;Spilleform;Format;Plass;Spillere;Gruppe;Brutto;Spillehandicap;Netto;Poeng;Avgjort\r\n"
        "Dame;Slagspill;Beste 2 av 4;1;Ane By / Bo By / Cai By / Dag By;Lag 1;;0/2/0/0;23;;\r\n"
        "Dame;Slagspill;Beste 2 av 4;;Eli By / Fia By;Lag 1;;0/0;;;Ikke fullf\xC3\xB8rt\r\n"
        "Dame;Slagspill;Scramble;;Gro By / Hal By / Ida By;Lag 2;0;5;;;Ikke startet\r\n";
    EXPECT_EQ(prizeListCsv(tournament), expected);
}
