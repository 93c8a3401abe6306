// The encyclopedia written whole on the small league: the season summary's
// playoff list (each game the season played, once, round by round, with its
// score; no final between the leagues in a season without one, a past one
// in its off-season too, whatever the rules say since) and a page
// of its own for every club, whatever the names.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "export/encyclopedia.h"
#include "export/game_pieces.h"
#include "export/page_links.h"
#include "league/standings_keys.h"
#include "export_settings_fixture.h"
#include "pieces_fixture.h"
#include "scratch_folder.h"
#include "season/playoffs.h"

namespace fs = std::filesystem;

namespace {

std::string Text_Of(std::string Html)
{
    return std::regex_replace(Html, std::regex("<[^>]*>"), "");
}

// The texts of the playoff list's items that say something, in page order.
std::vector<std::string> Playoff_Rows(const std::string& Page)
{
    std::vector<std::string> Rows;
    const size_t nStart = Page.find("<h2>Playoffs</h2>");
    if (nStart == std::string::npos)
        return Rows;
    const size_t nEnd = Page.find("</main>", nStart);
    const std::string Part = Page.substr(nStart, nEnd - nStart);
    static const std::regex CELL("<(li|td)[^>]*>(.*?)</(li|td)>");
    for (auto It = std::sregex_iterator(Part.begin(), Part.end(), CELL); It != std::sregex_iterator(); ++It) {
        const std::string Text = Text_Of((*It)[2].str());
        if (!Text.empty())
            Rows.push_back(Text);
    }
    return Rows;
}

class ExportedSeasonPagesTest : public EXPORT_SETTINGS_KEPT<PiecesTest> {
protected:
    static void Play(int nSlot, int nFirstScore, int nSecondScore)
    {
        Set_Playoff_Score(nSlot, nFirstScore);
        Set_Playoff_Score(nSlot + 1, nSecondScore);
        const int nWinner = Get_Playoff_Team(nFirstScore > nSecondScore ? nSlot : nSlot + 1);
        Set_Playoff_Team(16 + nSlot / 2, nWinner);
    }
};

}  // namespace

TEST_F(ExportedSeasonPagesTest, TheSeasonSummaryListsEachPlayoffGamePlayedOnceRoundByRound)
{
    SCRATCH_FOLDER Scratch("season_summary_playoffs");
    ASSERT_TRUE(Scratch.Ready());
    ASSERT_TRUE(Copy_Html_Templates());
    // Eight clubs, four a league; the season before this one is kept too.
    Add_Team(4, "MIN", "Minnesota", "Vikings", 0);
    Add_Team(5, "PHI", "Philadelphia", "Eagles", 4);
    Add_Team(6, "WAS", "Washington", "Senators", 4);
    Add_Team(7, "DET", "Detroit", "Lions", 1);
    Count_Teams();
    Set_User_Preference(PREF_SEASON_INDEX, 1);
    Set_User_Preference(PREF_CURRENT_WEEK, 21);

    // Each league sends three: its first seed waits in the third round while
    // the other two meet; then the two league finals and the final. Five
    // games; every other pair of the bracket plays none.
    for (int s = 0; s <= 30; ++s) {
        Set_Playoff_Team(s, NO_TEAM);
        Set_Playoff_Score(s, 0);
    }
    Set_Playoff_Team(24, 0);   // Chicago, league 0's first seed
    Set_Playoff_Team(18, 1);   // Green Bay
    Set_Playoff_Team(19, 4);   // Minnesota
    Set_Playoff_Team(26, 2);   // Dallas, league 1's first seed
    Set_Playoff_Team(22, 5);   // Philadelphia
    Set_Playoff_Team(23, 3);   // New York
    Play(18, 17, 10);          // Green Bay to 25
    Play(22, 21, 24);          // New York to 27
    Play(24, 30, 27);          // Chicago to 28
    Play(26, 14, 20);          // New York to 29
    Play(28, 31, 27);          // Chicago the champion
    ASSERT_EQ(Get_Playoff_Team(30), 0);

    // Last season: New York beat Minnesota for the title; Detroit and
    // Philadelphia lost the league finals.
    Set_Team_Yearly_Int(3, 0, YEARLY_INT_FINISH, 8);
    Set_Team_Yearly_Int(4, 0, YEARLY_INT_FINISH, 7);
    Set_Team_Yearly_Int(7, 0, YEARLY_INT_FINISH, 6);
    Set_Team_Yearly_Int(5, 0, YEARLY_INT_FINISH, 6);
    Clear_Errors();

    ASSERT_EQ(Export_Html_Encyclopedia("Site", nullptr), 1);
    const std::vector<std::string> This = Playoff_Rows(Read_Text_File("Site/Season summary.htm"));
    const std::vector<std::string> ThisExpected = {
        "Green Bay Packers 17, Minnesota Vikings 10",   "Philadelphia Eagles 21, New York Giants 24",
        "Chicago Bears 30, Green Bay Packers 27",       "Dallas Cowboys 14, New York Giants 20",
        "Chicago Bears 31, New York Giants 27",
    };
    EXPECT_EQ(This, ThisExpected);

    const std::vector<std::string> Past = Playoff_Rows(Read_Text_File("Site/Season summary 2019.htm"));
    const std::vector<std::string> PastExpected = {
        "Minnesota Vikings W, Detroit Lions L",
        "New York Giants W, Philadelphia Eagles L",
        "New York Giants W, Minnesota Vikings L",
    };
    EXPECT_EQ(Past, PastExpected);

    // Minnesota's slot taken by a new club since (no finish of 2019): its
    // side of its games is a club since erased, and Detroit, who lost to it,
    // is never paired with New York, whom it did not meet.
    Set_Team_Yearly_Int(4, 0, YEARLY_INT_FINISH, 0);
    ASSERT_EQ(Export_Html_Encyclopedia("Later", nullptr), 1);
    EXPECT_EQ(Playoff_Rows(Read_Text_File("Later/Season summary 2019.htm")),
              (std::vector<std::string>{"a club since erased W, Detroit Lions L",
                                        "New York Giants W, Philadelphia Eagles L",
                                        "New York Giants W, a club since erased L"}));
    EXPECT_EQ(Errors_Reported(), 0);
}

// Twelve clubs of 1957, before the leagues' champions met in a final: the
// season is over with the leagues' finals, and its page lists those two
// games and nothing for a final it never had.
TEST_F(ExportedSeasonPagesTest, ASeasonWithoutAFinalBetweenTheLeaguesListsNoGameForIt)
{
    SCRATCH_FOLDER Scratch("season_without_final");
    ASSERT_TRUE(Scratch.Ready());
    ASSERT_TRUE(Copy_Html_Templates());
    Set_Universe_Stat(FIRST_SEASON_YEAR, 1957);
    Set_Universe_Word(INTER_LEAGUE_FINAL_WORD, 0);
    // Two divisions of three a league.
    Add_Team(4, "LA", "Los Angeles", "Rams", 0);
    Add_Team(5, "BAL", "Baltimore", "Colts", 1);
    Add_Team(6, "CLE", "Cleveland", "Browns", 1);
    Add_Team(7, "DET", "Detroit", "Lions", 1);
    Add_Team(8, "PHI", "Philadelphia", "Eagles", 4);
    Add_Team(9, "PIT", "Pittsburgh", "Steelers", 5);
    Add_Team(10, "WAS", "Washington", "Senators", 5);
    Add_Team(11, "SF", "San Francisco", "49ers", 5);
    ASSERT_EQ(Count_Teams(), 12);
    Clear_Standings_Order();
    for (int s = 0; s <= 30; ++s) {
        Set_Playoff_Team(s, NO_TEAM);
        Set_Playoff_Score(s, 0);
    }
    // The division winners meet in each league's final, booked as played.
    Set_Playoff_Team(24, 0);   // Chicago
    Set_Playoff_Team(25, 6);   // Cleveland
    Set_Playoff_Team(26, 3);   // New York
    Set_Playoff_Team(27, 9);   // Pittsburgh
    Set_User_Preference(PREF_CURRENT_WEEK, 19);
    const auto Final = std::make_unique<GAME>();
    Final->nAwayTeam = 6;
    Final->nHomeTeam = 0;
    Final->nScore[0] = 17;
    Final->nScore[1] = 24;
    Record_Playoff_Result(Final.get());
    Final->nAwayTeam = 9;
    Final->nHomeTeam = 3;
    Final->nScore[0] = 21;
    Final->nScore[1] = 14;
    Record_Playoff_Result(Final.get());
    ASSERT_EQ(Get_Playoff_Team(28), 0);
    ASSERT_EQ(Get_Playoff_Team(29), 9);
    ASSERT_TRUE(Is_Season_Complete());
    ASSERT_TRUE(Is_Season_Title_Recorded(0));
    Clear_Errors();

    ASSERT_EQ(Export_Html_Encyclopedia("Site", nullptr), 1);
    const std::string Page = Read_Text_File("Site/Season summary.htm");
    const std::vector<std::string> Finals = {"Chicago Bears 24, Cleveland Browns 17",
                                             "New York Giants 14, Pittsburgh Steelers 21"};
    EXPECT_EQ(Playoff_Rows(Page), Finals);
    EXPECT_EQ(Page.find("Not played yet"), std::string::npos);
    EXPECT_EQ(Errors_Reported(), 0) << Get_Recent_Errors();

    // In the off-season, 1957 a past season whose bracket the league still
    // holds, with the final between the leagues turned on for 1958: 1957's
    // page still lists its two games and nothing for a final it never had,
    // its title kept or not (a game saved before titles were kept).
    Set_User_Preference(PREF_SEASON_INDEX, 1);
    Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
    Set_Universe_Word(INTER_LEAGUE_FINAL_WORD, 1);
    for (const bool bTitleKept : {true, false}) {
        if (!bTitleKept)
            for (int t = 0; t < 12; ++t)
                Set_Team_Yearly_Char(t, 0, YEARLY_TITLE, 0);
        ASSERT_EQ(Is_Season_Title_Recorded(0), bTitleKept);
        ASSERT_EQ(Export_Html_Encyclopedia("Later", nullptr), 1);
        const std::string Past = Read_Text_File("Later/Season summary 1957.htm");
        EXPECT_EQ(Playoff_Rows(Past), Finals) << bTitleKept;
        EXPECT_EQ(Past.find("Not played yet"), std::string::npos) << bTitleKept;
        std::string Out = "<kept>";
        Format_Playoff_Game(Out, 28, 1);
        EXPECT_EQ(Out, "") << bTitleKept;
    }
    EXPECT_EQ(Errors_Reported(), 0) << Get_Recent_Errors();
    Set_User_Preference(PREF_SEASON_INDEX, 0);
    Set_User_Preference(PREF_CURRENT_WEEK, 19);
    Set_Universe_Word(INTER_LEAGUE_FINAL_WORD, 0);

    // A season whose title the yearly records do not hold (a game saved
    // before they kept it) goes by the rule: none without a final, and with
    // one the leagues' champions have their game still to come.
    for (int t = 0; t < 12; ++t)
        Set_Team_Yearly_Char(t, 0, YEARLY_TITLE, 0);
    ASSERT_FALSE(Is_Season_Title_Recorded(0));
    std::string Out = "<kept>";
    Format_Playoff_Game(Out, 28, 0);
    EXPECT_EQ(Out, "");
    Set_Universe_Word(INTER_LEAGUE_FINAL_WORD, 1);
    Format_Playoff_Game(Out, 28, 0);
    EXPECT_EQ(Out, "Not played yet");
}

TEST_F(ExportedSeasonPagesTest, ClubsOfTheSameNameEachHaveTheirOwnPageAndLinksToIt)
{
    SCRATCH_FOLDER Scratch("same_named_clubs");
    ASSERT_TRUE(Scratch.Ready());
    ASSERT_TRUE(Copy_Html_Templates());
    // Two clubs added with the same placeholder names, as a new club is.
    Add_Team(4, "NEW", "New City", "New Team", 1);
    Add_Team(5, "NEW", "New City", "New Team", 5);
    Count_Teams();
    Clear_Errors();

    ASSERT_EQ(Export_Html_Encyclopedia("Site", nullptr), 1);
    int nTeamPages = 0;
    for (const auto& Entry : fs::directory_iterator("Site/teams"))
        nTeamPages += Entry.path().extension() == ".htm" ? 1 : 0;
    EXPECT_EQ(nTeamPages, 6);
    int nDetailPages = 0;
    for (const auto& Entry : fs::directory_iterator("Site/TeamsDetail"))
        nDetailPages += Entry.path().extension() == ".htm" ? 1 : 0;
    EXPECT_EQ(nDetailPages, 6);

    // The start page's pickers of a club's pages offer each club its own
    // page (the page turns the value into teams\<value>.htm and
    // TeamsDetail\<value>.htm), and a link to a club names its own file.
    const std::string Index = Read_Text_File("Site/index.htm");
    static const std::regex OPTION("<option value=\"([^\"]*)\">New City New Team</option>");
    std::set<std::string> Teams;
    std::set<std::string> Details;
    for (auto It = std::sregex_iterator(Index.begin(), Index.end(), OPTION); It != std::sregex_iterator(); ++It) {
        const std::string Value = (*It)[1].str();
        if (fs::is_regular_file(fs::path("Site/teams") / (Value + ".htm")))
            Teams.insert(Value);
        if (fs::is_regular_file(fs::path("Site/TeamsDetail") / (Value + ".htm")))
            Details.insert(Value);
    }
    EXPECT_EQ(Teams.size(), 2u) << Index;
    EXPECT_EQ(Details.size(), 2u);
    std::string Link4;
    std::string Link5;
    Format_Team_Ref(Link4, 4, -1, 0);
    Format_Team_Ref(Link5, 5, -1, 0);
    EXPECT_EQ(Link4, "<a href=\".\\teams\\New City New Team.htm\">");
    EXPECT_EQ(Link5, "<a href=\".\\teams\\New City New Team (2).htm\">");
    EXPECT_TRUE(fs::is_regular_file("Site/teams/New City New Team (2).htm"));
    // The lists of players by club have a page for each too.
    int nClubLists = 0;
    for (const auto& Entry : fs::directory_iterator("Site/SortedPlayers"))
        nClubLists += Entry.path().filename().string().rfind("New City New Team", 0) == 0 ? 1 : 0;
    EXPECT_EQ(nClubLists, 2);
}
