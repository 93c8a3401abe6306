// The shipped team and week templates expanded on the small league: the
// game leaders they name and the team figures of the summary boxes, worked
// out by hand from the box scores and totals set here.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>

#include "export/html_template.h"
#include "league/team_finance_stats.h"
#include "pieces_fixture.h"

namespace {

std::string Read_Template(const char* szName)
{
    const char* szSource = std::getenv("KELVO_SOURCE_DIR");
    const std::filesystem::path Path =
        std::filesystem::path(szSource != nullptr ? szSource : ".") / "data" / "HTML_Templates" / szName;
    std::ifstream In(Path, std::ios::binary);
    std::ostringstream Text;
    Text << In.rdbuf();
    return Text.str();
}

std::string Expand_Page(const char* szName, std::initializer_list<std::pair<int, int>> Page)
{
    HTML_TEMPLATE_PARAMS Params;
    int n = 0;
    for (const auto& Group : Page) {
        Params.nCode[n] = Group.first;
        Params.nValue[n] = Group.second;
        ++n;
    }
    const std::string Text = Read_Template(szName);
    EXPECT_FALSE(Text.empty()) << "no template " << szName << " (KELVO_SOURCE_DIR names the source folder)";
    return Expand_Html_Template(Text, Params, n, szName);
}

class TeamPageTest : public PiecesTest {
protected:
    void SetUp() override
    {
        PiecesTest::SetUp();
        Clear_Template_Problems();
        // Chicago (away side of week 0's record 0): a quarterback who threw
        // for 243 yards and ran for 12, a back who ran for 87. Green Bay: a
        // receiver who caught for 64 yards.
        Add_Player(0, 0, 101, POSITION_RB, "Ron", "Runner");
        Add_Player(0, 1, 111, POSITION_QB, "Quinn", "Passer");
        Add_Player(1, 0, 201, POSITION_WR, "Gus", "Grabber");
        GAME* pGame = Get_Game_Record(0);
        pGame->nRosterID[0][0] = 101;
        pGame->nPlayerGameStat[0][0][1] = 87;    // rushing yards of a back
        pGame->nPlayerGameStat[0][0][2] = 300;   // his receptions: no passing leader
        pGame->nRosterID[0][1] = 111;
        pGame->nPlayerGameStat[0][1][0] = 30;    // attempts
        pGame->nPlayerGameStat[0][1][1] = 19;    // completions
        pGame->nPlayerGameStat[0][1][2] = 243;   // passing yards
        pGame->nRosterID[1][0] = 201;
        pGame->nPlayerGameStat[1][0][2] = 5;     // receptions
        pGame->nPlayerGameStat[1][0][3] = 64;    // receiving yards
        Clear_Errors();
    }
};

TEST_F(TeamPageTest, TheScheduleAndTheWeekNameEachGamesLeadersWithTheirYards)
{
    const std::string Team = Expand_Page("TeamDetail.template", {{TP_TEAM, 0}, {TP_SEASON, 0}});
    EXPECT_NE(Team.find("Quinn Passer</a> 243 Yards</td>"), std::string::npos) << Team;

    const std::string Week = Expand_Page("SeasonDetail.template", {{TP_WEEK, 0}});
    EXPECT_NE(Week.find("Quinn Passer</a> 243 Yards</td>"), std::string::npos) << Week;
    EXPECT_NE(Week.find("Ron Runner</a> 87 Yards</td>"), std::string::npos) << Week;
    EXPECT_NE(Week.find("Gus Grabber</a> 64 Yards</td>"), std::string::npos) << Week;
    EXPECT_TRUE(Get_Template_Problems().empty());
    EXPECT_EQ(Errors_Reported(), 0) << Get_Recent_Errors();
}

// Each cell of the week page names the game's leader over both clubs: Green
// Bay's back, in place 60 of the game roster, outran Chicago's; Chicago's
// receiver outcaught Green Bay's.
TEST_F(TeamPageTest, TheWeekNamesEachGamesLeaderOverBothClubs)
{
    Add_Player(1, 1, 202, POSITION_RB, "Hal", "Halfback");
    Add_Player(0, 2, 102, POSITION_WR, "Wes", "Wideout");
    GAME* pGame = Get_Game_Record(0);
    pGame->nRosterID[1][60] = 202;
    pGame->nPlayerGameStat[1][60][1] = 120;
    pGame->nRosterID[0][2] = 102;
    pGame->nPlayerGameStat[0][2][3] = 90;
    const std::string Week = Expand_Page("SeasonDetail.template", {{TP_WEEK, 0}});
    EXPECT_NE(Week.find("Quinn Passer</a> 243 Yards</td>"), std::string::npos) << Week;
    EXPECT_NE(Week.find("Hal Halfback</a> 120 Yards</td>"), std::string::npos) << Week;
    EXPECT_NE(Week.find("Wes Wideout</a> 90 Yards</td>"), std::string::npos) << Week;
    EXPECT_EQ(Week.find("Ron Runner"), std::string::npos) << Week;
    EXPECT_EQ(Week.find("Gus Grabber"), std::string::npos) << Week;
    EXPECT_TRUE(Get_Template_Problems().empty());
    EXPECT_EQ(Errors_Reported(), 0) << Get_Recent_Errors();
}

TEST_F(TeamPageTest, TheSummaryBoxesShowYardsFromScrimmageAndSacksWithTheirRanks)
{
    // Chicago: backs ran for 95 and caught 180, the quarterbacks ran for 20
    // and caught 15 (a quarterback lined up as a receiver): 310 yards from
    // scrimmage, as the box scores' rows add up. Green Bay's backs caught
    // 400: ahead of Chicago, so Chicago is second. Chicago's defence: 5 half
    // sacks, 2.5; Dallas 3 half sacks, behind: Chicago first.
    Set_Team_Totals_Stat(0, 0, 0, 8, 95);
    Set_Team_Totals_Stat(0, 0, 0, 11, 180);
    Set_Team_Totals_Stat(0, TOTALS_QUARTERBACKS, 0, 8, 20);
    Set_Team_Totals_Stat(0, TOTALS_QUARTERBACKS, 0, 11, 15);
    Set_Team_Totals_Stat(1, 0, 0, 11, 400);
    Set_Team_Totals_Stat(0, 1, 0, 4, 5);
    Set_Team_Totals_Stat(2, 1, 0, 4, 3);
    // Figures of the wrong sides that the boxes must not read: the
    // defenders' forced fumbles and the passing yards Chicago allowed.
    Set_Team_Totals_Stat(0, 1, 0, 5, 2);
    Set_Team_Totals_Stat(0, TOTALS_QUARTERBACKS + 4, 0, 5, 310);
    const std::string Team = Expand_Page("TeamDetail.template", {{TP_TEAM, 0}, {TP_SEASON, 0}});
    EXPECT_NE(Team.find("<span>Yards from scrimmage</span><b>310</b> <small>rank 2</small>"), std::string::npos)
        << Team;
    EXPECT_NE(Team.find("<span>Sacks</span><b>2.5</b> <small>rank 1</small>"), std::string::npos) << Team;
    EXPECT_EQ(Errors_Reported(), 0) << Get_Recent_Errors();
}

}  // namespace
