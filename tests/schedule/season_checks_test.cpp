#include <gtest/gtest.h>

#include <string>

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "league/league_fixture.h"
#include "schedule/season_checks.h"
#include "test_support.h"

namespace {

class SeasonChecksTest : public LeagueTest {
protected:
    void Set_Season(int nGames, int nYear)
    {
        Set_Universe_Stat(GAMES_PER_SEASON, nGames);
        Set_Universe_Stat(FIRST_SEASON_YEAR, nYear - 3);
        Set_User_Preference(PREF_SEASON_INDEX, 3);
    }
    // nTeams in use, team t in division t x nDivisions / nTeams.
    void Use_Teams(int nTeams, int nDivisions)
    {
        Use_Franchises(nTeams);
        for (int t = 0; t < nTeams; ++t)
            Set_Team_Stat(t, TEAM_STAT_DIVISION, t * nDivisions / nTeams);
    }
};

// ---------------------------------------------------------------------------
// Season length for the era

TEST_F(SeasonChecksTest, TheEraCheckRefusesSeasonsTooLongForTheirYear)
{
    const struct {
        int nGames;
        int nYear;
        bool bRefused;
    } Case[] = {
        {16, 1975, true},  {14, 1975, false}, {17, 2021, false}, {11, 2021, true},
        {11, 1950, true},  {13, 1960, false}, {14, 1960, true},  {14, 1961, false},
        {15, 1977, false}, {16, 1977, true},  {16, 1978, false}, {12, 1950, false},
    };
    for (const auto& c : Case) {
        Set_Season(c.nGames, c.nYear);
        EXPECT_EQ(Check_Season_Length_For_Era(), c.bRefused) << c.nGames << " games in " << c.nYear;
    }
}

// 19 games are stored back as 17 and tested as 17: refused in 1977, not in
// 1978.
TEST_F(SeasonChecksTest, TheEraCheckStoresALongSeasonBackAsSeventeenGames)
{
    Set_Season(19, 1977);
    EXPECT_TRUE(Check_Season_Length_For_Era());
    EXPECT_EQ(League.Universe.nStat[GAMES_PER_SEASON], 17);
    Set_Season(19, 1978);
    EXPECT_FALSE(Check_Season_Length_For_Era());
    EXPECT_EQ(League.Universe.nStat[GAMES_PER_SEASON], 17);
}

// ---------------------------------------------------------------------------
// Equal games per league

// Four teams, two leagues of two: 0 and 1 in divisions 0 and 2 (league 0),
// 2 and 3 in divisions 4 and 6 (league 1).
class EqualGamesTest : public SeasonChecksTest {
protected:
    void SetUp() override
    {
        SeasonChecksTest::SetUp();
        Use_Teams(4, 8);
        Set_Regular_Season_Weeks(18);
    }
};

TEST_F(EqualGamesTest, AnEmptyScheduleNeverPasses)
{
    EXPECT_FALSE(Check_Equal_Games_Per_League());
    Use_Franchises(0);
    EXPECT_FALSE(Check_Equal_Games_Per_League());
}

TEST_F(EqualGamesTest, EqualCountsInEachLeaguePass)
{
    // League 0: teams 0 and 1 play twice; league 1: teams 2 and 3 once.
    ASSERT_TRUE(Schedule_Game(0, 1, 0, 6, 1300));
    ASSERT_TRUE(Schedule_Game(1, 0, 5, 6, 1300));
    ASSERT_TRUE(Schedule_Game(2, 3, 17, 6, 1300));
    EXPECT_TRUE(Check_Equal_Games_Per_League());
}

TEST_F(EqualGamesTest, ALaterTeamWithAnotherCountFails)
{
    ASSERT_TRUE(Schedule_Game(0, 1, 0, 6, 1300));
    ASSERT_TRUE(Schedule_Game(2, 3, 1, 6, 1300));
    ASSERT_TRUE(Schedule_Game(3, 0, 2, 6, 1300));   // 0: 2 games, 1: 1 game
    EXPECT_FALSE(Check_Equal_Games_Per_League());
}

// A team without games fails the check wherever it stands, also when it is
// the first team of its league (it would otherwise fix the count at 0, or be
// skipped and let an empty season pass).
TEST_F(EqualGamesTest, ATeamWithoutGamesFails)
{
    ASSERT_TRUE(Schedule_Game(2, 3, 0, 6, 1300));
    EXPECT_FALSE(Check_Equal_Games_Per_League());   // teams 0 and 1 have none
    ASSERT_TRUE(Schedule_Game(1, 2, 1, 6, 1300));
    ASSERT_TRUE(Schedule_Game(3, 1, 2, 6, 1300));
    EXPECT_FALSE(Check_Equal_Games_Per_League());   // team 0 has none, 1 has two
}

// Only weeks 0-17 count: a game in week 18 changes nothing.
TEST_F(EqualGamesTest, GamesAfterTheEighteenthWeekAreNotCounted)
{
    for (int w = 0; w < 2; ++w) {
        ASSERT_TRUE(Schedule_Game(0, 1, w, 6, 1300));
        ASSERT_TRUE(Schedule_Game(2, 3, w, 6, 1300));
    }
    // Counted, it would give team 0 and team 2 a game more than their
    // league rivals.
    ASSERT_TRUE(Schedule_Game(0, 2, 18, 6, 1300));
    Set_Regular_Season_Weeks(19);
    EXPECT_TRUE(Check_Equal_Games_Per_League());
}

// ---------------------------------------------------------------------------
// GAME records

TEST_F(SeasonChecksTest, RecordsNeededAreTheRegularSeasonAndThePlayoffGames)
{
    EXPECT_EQ(Count_Season_Game_Records_Needed(34, 17, 12), 300);   // 289 + 11
    EXPECT_EQ(Count_Season_Game_Records_Needed(32, 17, 14), 285);   // 272 + 13
    EXPECT_EQ(Count_Season_Game_Records_Needed(35, 17, 4), 301);    // 297.5 -> 298, + 3
    EXPECT_EQ(Count_Season_Game_Records_Needed(36, 17, 12), 317);   // 306 + 11
    EXPECT_EQ(Count_Season_Game_Records_Needed(12, 12, 1), 72);     // no playoff game
    EXPECT_EQ(Count_Season_Game_Records_Needed(12, 12, 0), 72);
    EXPECT_EQ(Count_Season_Game_Records_Needed(0, 17, 0), 0);
}

// 34 x 17 with 12 playoff teams fits exactly: 289 + 11 = 300.
TEST_F(SeasonChecksTest, ThreeHundredRecordsFitExactly)
{
    char szWhy[256] = "untouched";
    EXPECT_TRUE(Check_Season_Fits_Game_Records(34, 17, 12, szWhy, sizeof(szWhy)));
    EXPECT_STREQ(szWhy, "untouched");
}

// 301: one playoff team more. Lower the games by 1 (34 x 16 / 2 + 12 = 284)
// or the teams by 1 (33 x 17 = 561 -> 281, + 12 = 293).
TEST_F(SeasonChecksTest, ThreeHundredAndOneRecordsAreRefusedNamingTheFigures)
{
    char szWhy[256] = "";
    EXPECT_FALSE(Check_Season_Fits_Game_Records(34, 17, 13, szWhy, sizeof(szWhy)));
    EXPECT_STREQ(szWhy,
                 "A season of 34 teams playing 17 games each, with 13 playoff teams, needs 301 game "
                 "records; 300 exist. Lower the games per season by 1 or the number of teams by 1.");
}

// 36 x 17 with 12 playoff teams: 306 + 11 = 317. 16 games: 288 + 11 = 299;
// 35 teams: 298 + 11 = 309, 34 teams: 289 + 11 = 300.
TEST_F(SeasonChecksTest, TheRefusalSaysByHowMuchToLowerEachFigure)
{
    char szWhy[256] = "";
    EXPECT_FALSE(Check_Season_Fits_Game_Records(36, 17, 12, szWhy, sizeof(szWhy)));
    EXPECT_STREQ(szWhy,
                 "A season of 36 teams playing 17 games each, with 12 playoff teams, needs 317 game "
                 "records; 300 exist. Lower the games per season by 1 or the number of teams by 2.");
    // 36 x 40 / 2 + 15 = 735: 36 x g / 2 + 15 <= 300 needs g <= 15 (285 + 15),
    // n x 40 / 2 + 15 <= 300 needs n <= 14 (280 + 15).
    EXPECT_FALSE(Check_Season_Fits_Game_Records(36, 40, 16, szWhy, sizeof(szWhy)));
    EXPECT_STREQ(szWhy,
                 "A season of 36 teams playing 40 games each, with 16 playoff teams, needs 735 game "
                 "records; 300 exist. Lower the games per season by 25 or the number of teams by 22.");
}

// An odd number of team games leaves one club a game more: 35 x 17 needs
// 298 regular-season records, so with 4 playoff teams 301.
TEST_F(SeasonChecksTest, AnOddProductCountsTheExtraGame)
{
    EXPECT_FALSE(Check_Season_Fits_Game_Records(35, 17, 4, nullptr, 0));
    EXPECT_TRUE(Check_Season_Fits_Game_Records(35, 17, 3, nullptr, 0));
}

// The refusal text is cut to the buffer and always terminated.
TEST_F(SeasonChecksTest, AShortBufferGetsTheStartOfTheRefusal)
{
    char szWhy[12];
    std::memset(szWhy, 'x', sizeof(szWhy));
    EXPECT_FALSE(Check_Season_Fits_Game_Records(36, 17, 12, szWhy, sizeof(szWhy)));
    EXPECT_STREQ(szWhy, "A season of");
}

// Playoff teams per league: its divisions plus the wild cards, at most 8 and
// at most its teams.
TEST_F(SeasonChecksTest, PlayoffTeamsFollowTheLeagueFormat)
{
    Use_Teams(32, 8);                        // two leagues of four divisions
    Set_Universe_Stat(WILD_CARD_TEAMS, 2);
    EXPECT_EQ(Count_League_Playoff_Teams(), 12);
    Set_Universe_Stat(WILD_CARD_TEAMS, 3);
    EXPECT_EQ(Count_League_Playoff_Teams(), 14);
    Set_Universe_Stat(WILD_CARD_TEAMS, 4);
    EXPECT_EQ(Count_League_Playoff_Teams(), 16);

    Use_Teams(12, 4);                        // one league of four divisions
    EXPECT_EQ(Count_League_Playoff_Teams(), 8);
    Set_Universe_Stat(WILD_CARD_TEAMS, 0);
    EXPECT_EQ(Count_League_Playoff_Teams(), 4);

    // Two leagues of one division of two teams: 1 + 4 seeds, but 2 teams each.
    Use_Franchises(4);
    for (int t = 0; t < 4; ++t)
        Set_Team_Stat(t, TEAM_STAT_DIVISION, t < 2 ? 0 : 4);
    Set_Universe_Stat(WILD_CARD_TEAMS, 4);
    EXPECT_EQ(Count_League_Playoff_Teams(), 4);

    // Three divisions take up to five wild cards, and the playoffs seed all
    // five: 3 + 5 = 8 (not 3 + 4); six would still be 8 seeds.
    Use_Teams(12, 3);
    Set_Universe_Stat(WILD_CARD_TEAMS, 5);
    EXPECT_EQ(Count_League_Playoff_Teams(), 8);
    Set_Universe_Stat(WILD_CARD_TEAMS, 1);
    EXPECT_EQ(Count_League_Playoff_Teams(), 4);
    // Divisions 0-2 and 4-6 of four clubs each, 5 wild cards: 8 + 8.
    const int THREE_AND_THREE[8] = {4, 4, 4, 0, 4, 4, 4, 0};
    EXPECT_EQ(Count_Playoff_Teams_Of_Structure(THREE_AND_THREE, 5), 16);
    EXPECT_EQ(Count_Playoff_Teams_Of_Structure(THREE_AND_THREE, 2), 10);
    EXPECT_EQ(Count_Playoff_Teams_Of_Structure(THREE_AND_THREE, -3), 6);
    // A league of three clubs in three divisions sends three, whatever the wild cards.
    const int SMALL[8] = {1, 1, 1, 0, 0, 0, 0, 0};
    EXPECT_EQ(Count_Playoff_Teams_Of_Structure(SMALL, 5), 3);
    Errors_Reported();   // the stored 5 was reported as too high

    Use_Franchises(0);
    EXPECT_EQ(Count_League_Playoff_Teams(), 0);
}

// The league as it stands: 34 teams in eight divisions, 17 games, two wild
// cards a league (12 playoff teams) fit; a third wild card does not.
TEST_F(SeasonChecksTest, TheLeagueAsItStandsIsChecked)
{
    Use_Teams(34, 8);
    Set_Season(17, 2024);
    Set_Universe_Stat(WILD_CARD_TEAMS, 2);
    char szWhy[256] = "";
    EXPECT_TRUE(Check_League_Fits_Game_Records(szWhy, sizeof(szWhy)));
    Set_Universe_Stat(WILD_CARD_TEAMS, 3);
    EXPECT_FALSE(Check_League_Fits_Game_Records(szWhy, sizeof(szWhy)));
    EXPECT_NE(std::string(szWhy).find("needs 302 game records"), std::string::npos) << szWhy;
    // 19 games are counted as the 17 they become.
    Set_Universe_Stat(WILD_CARD_TEAMS, 2);
    Set_Season(19, 2024);
    EXPECT_TRUE(Check_League_Fits_Game_Records(szWhy, sizeof(szWhy)));
}

}  // namespace
