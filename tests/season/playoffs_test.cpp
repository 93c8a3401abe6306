// The playoff days: who is at home, byes, the day and kick-off of each game,
// the second-round reseeding (also when every key is at or below 0), the old
// division rule at the second round, a three-team field, whole brackets
// played through with the champion's roster credited, the format of seven
// teams a league, when the season is complete, and the finish codes a
// bracket played through leaves (with the finals and the draft read from
// them). Every expected slot and
// team is worked out by hand from the records each test gives.

#include <cstring>
#include <string>

#include "league/league_text.h"
#include "league/salary_cap.h"
#include "league/team_finances.h"
#include "playoffs_fixture.h"
#include "season/draft_pool.h"
#include "season/expansion_teams.h"
#include "season/offseason.h"

namespace {

class PlayoffsTest : public PlayoffLeagueTest {
protected:
    // One league of four divisions of two: 0 +9, 1 +3 | 2 +8, 3 +2 |
    // 4 +7, 5 +1 | 6 +6, 7 -3 (plus nOffset for a second league).
    static std::vector<std::pair<int, int>> Eight_Teams(int nLeague)
    {
        const int nMargin[8] = {9, 3, 8, 2, 7, 1, 6, -3};
        std::vector<std::pair<int, int>> Teams;
        for (int i = 0; i < 8; ++i)
            Teams.push_back({4 * nLeague + i / 2, nMargin[i]});
        return Teams;
    }

    static int Games_Today() { return Schedule_Playoff_Games(); }

    static std::string City_Of(int nTeam)
    {
        char szCity[TEAM_STRING_SIZE];
        Get_Team_String(szCity, nTeam, TEAM_STRING_CITY);
        return szCity;
    }
};

TEST_F(PlayoffsTest, ALeaderIsAtHomeAgainstABetterWildCardAndByesPlayNothing)
{
    // Leaders 0 (+9), 2 (+8), 4 (+7), 6 (+1); wild card 1 (+6). Five teams:
    // 17 = 0, 19 = 2, 18 = 4, 1 = 6, 0 = 1.
    Build({{0, 9}, {0, 6}, {1, 8}, {1, 0}, {2, 7}, {2, -1}, {3, 1}, {3, -2}}, 1);
    EXPECT_EQ(Slot(0), 1);
    EXPECT_EQ(Slot(1), 6);
    EXPECT_EQ(Get_Playoff_Seed_Key(6), 10000 + 10000000);
    EXPECT_EQ(Get_Playoff_Seed_Key(1), 60000);
    Set_Day(FIRST_PLAYOFF_DAY);
    EXPECT_EQ(Games_Today(), 1);
    EXPECT_EQ(Home_Of(1), 6);
    EXPECT_EQ(Get_Team_Schedule_Stat(6, FIRST_PLAYOFF_DAY, SCHEDULE_DAY_OF_WEEK), 6);
    EXPECT_EQ(Get_Team_Schedule_Stat(6, FIRST_PLAYOFF_DAY, SCHEDULE_KICKOFF_TIME), 1630);
    for (int nBye : {0, 2, 4})
        EXPECT_EQ(Home_Of(nBye), NO_TEAM) << nBye;
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayoffsTest, EqualSeedKeysGiveTheFirstSlotTheHomeGame)
{
    // One division: 0 leads; wild cards 1 (+5), 2 (+4), then 3 and 4 level
    // at +2: seed 4 = 3 in slot 1, seed 5 = 4 in slot 0, at home.
    Build({{0, 9}, {0, 5}, {0, 4}, {0, 2}, {0, 2}}, 4);
    EXPECT_EQ(Slot(1), 3);
    EXPECT_EQ(Slot(0), 4);
    Set_Day(FIRST_PLAYOFF_DAY);
    EXPECT_EQ(Games_Today(), 1);
    EXPECT_EQ(Home_Of(3), 4);
}

TEST_F(PlayoffsTest, SixTeamsReseedTheBestRemainingAgainstTheLowest)
{
    // Seeds 0, 2, 4, 6, then 1 and 3: 17 = 0, 19 = 2, 5 = 4, 1 = 6, 0 = 1,
    // 4 = 3. Round one: 1 at 6 (Sunday 16:30), 3 at 4 (Saturday 16:30).
    Build(Eight_Teams(0), 2);
    Set_Day(FIRST_PLAYOFF_DAY);
    EXPECT_EQ(Games_Today(), 2);
    EXPECT_EQ(Home_Of(1), 6);
    EXPECT_EQ(Home_Of(3), 4);
    EXPECT_EQ(Get_Team_Schedule_Stat(4, FIRST_PLAYOFF_DAY, SCHEDULE_DAY_OF_WEEK), 5);
    EXPECT_EQ(Get_Team_Schedule_Stat(4, FIRST_PLAYOFF_DAY, SCHEDULE_KICKOFF_TIME), 1630);
    EXPECT_EQ(Home_Of(0), NO_TEAM);
    EXPECT_EQ(Home_Of(2), NO_TEAM);
    // Both wild cards win: 16 = 1, 18 = 3. Reseeding: 0 (best) to 19 and 3
    // (lowest) stays in 18, so 0 meets 3 and 2 meets 1.
    Play_Day({6, 4});
    EXPECT_EQ(Slot(16), 1);
    EXPECT_EQ(Slot(18), 3);
    EXPECT_EQ(Get_Playoff_Score(0), 17);
    EXPECT_EQ(Get_Playoff_Score(1), 13);
    EXPECT_EQ(Games_Today(), 2);
    EXPECT_EQ(Slot(17), 2);
    EXPECT_EQ(Slot(19), 0);
    EXPECT_EQ(Home_Of(3), 0);
    EXPECT_EQ(Home_Of(1), 2);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayoffsTest, ReseedingWithEveryKeyAtOrBelowZeroStaysInTheSecondRound)
{
    // Four divisions of two: leaders 0 (+4), 2 (+3), 4 (+2), 6 (+1); wild
    // cards 1 (0), 3 (-1), 5 (-2), 7 (-3). Eight teams: 7 = 0, 3 = 2,
    // 5 = 4, 1 = 6, 0 = 1, 4 = 3, 2 = 5, 6 = 7. Every leader loses.
    Build({{0, 4}, {0, 0}, {1, 3}, {1, -1}, {2, 2}, {2, -2}, {3, 1}, {3, -3}}, 4);
    Set_Day(FIRST_PLAYOFF_DAY);
    EXPECT_EQ(Games_Today(), 4);
    Play_Day({0, 2, 4, 6});
    EXPECT_EQ(Slot(16), 1);
    EXPECT_EQ(Slot(17), 5);
    EXPECT_EQ(Slot(18), 3);
    EXPECT_EQ(Slot(19), 7);
    // Best 1 (key 0) to 19, its first-round pair with it; lowest 7 (-30,000)
    // then from 16 to 18: 3 v 5 and 7 v 1.
    EXPECT_EQ(Games_Today(), 2);
    EXPECT_EQ(Slot(16), 3);
    EXPECT_EQ(Slot(17), 5);
    EXPECT_EQ(Slot(18), 7);
    EXPECT_EQ(Slot(19), 1);
    EXPECT_EQ(Home_Of(5), 3);
    EXPECT_EQ(Home_Of(7), 1);
    // The first-round games moved with their winners: each pair still
    // feeds the slot its winner holds.
    const int nFirstRound[8] = {3, 4, 5, 2, 7, 0, 1, 6};
    for (int s = 0; s < 8; ++s)
        EXPECT_EQ(Slot(s), nFirstRound[s]) << s;
}

TEST_F(PlayoffsTest, TheOldRuleTurnsOneAgainstFourIntoOneAgainstThree)
{
    // A (+9) and D (+3) of division 0, B (+8) and C (+5) of division 1,
    // seeded with the rule off: 16 = D, 17 = A, 18 = C, 19 = B.
    const int A = 0, D = 1, B = 2, C = 3;
    Build({{0, 9}, {0, 3}, {1, 8}, {1, 5}}, 2);
    Set_Day(FIRST_PLAYOFF_DAY);
    EXPECT_EQ(Games_Today(), 0);
    Set_Day(FIRST_PLAYOFF_DAY + 1);
    Set_Universe_Word(SECOND_ROUND_DIVISION_RULE_WORD, 1);
    EXPECT_EQ(Games_Today(), 2);
    EXPECT_EQ(Home_Of(C), A);
    EXPECT_EQ(Home_Of(D), B);
}

TEST_F(PlayoffsTest, WithoutTheOldRuleOneMeetsFour)
{
    const int A = 0, D = 1, B = 2, C = 3;
    Build({{0, 9}, {0, 3}, {1, 8}, {1, 5}}, 2);
    Set_Day(FIRST_PLAYOFF_DAY + 1);
    EXPECT_EQ(Games_Today(), 2);
    EXPECT_EQ(Home_Of(D), A);
    EXPECT_EQ(Home_Of(C), B);
}

TEST_F(PlayoffsTest, AThreeTeamFieldPlaysThroughToItsChampion)
{
    // One league, one division: 0 waits in 24; 1 and 2 meet in 18 v 19.
    Build({{0, 6}, {0, 4}, {0, 2}, {0, 0}}, 2);
    Set_Day(FIRST_PLAYOFF_DAY);
    EXPECT_EQ(Games_Today(), 0);
    Set_Day(FIRST_PLAYOFF_DAY + 1);
    EXPECT_EQ(Games_Today(), 1);
    EXPECT_EQ(Home_Of(2), 1);
    Play_Day({1});
    EXPECT_EQ(Slot(25), 2);
    EXPECT_EQ(Games_Today(), 1);
    EXPECT_EQ(Home_Of(2), 0);
    EXPECT_FALSE(Is_Season_Complete());
    Play_Day();
    EXPECT_EQ(Slot(28), 0);
    EXPECT_TRUE(Is_Season_Complete());   // one league: 28 is the last slot
    EXPECT_EQ(Get_Player_Byte_Stat(0, 0, BYTE_STAT_CHAMPIONSHIPS), 1);
    EXPECT_EQ(Games_Today(), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayoffsTest, AWholeBracketCrownsTheChampionAndCreditsHisRoster)
{
    std::vector<std::pair<int, int>> Teams = Eight_Teams(0);
    for (const auto& Team : Eight_Teams(1))
        Teams.push_back(Team);
    Build(Teams, 2);
    League.Team[0].Player[0].bStat[BYTE_STAT_CHAMPIONSHIPS] = 2;
    League.Team[0].Player[99].bStat[BYTE_STAT_CHAMPIONSHIPS] = 255;
    Set_Day(FIRST_PLAYOFF_DAY);
    // The home side wins every game. Round one: 6 and 4 (14 and 12) win;
    // reseeded 4 v 2 and 6 v 0 (12 v 10, 14 v 8); then 2 v 0 (10 v 8); final
    // 0 v 8, level keys: slot 28's team at home.
    const int nGames[4] = {4, 4, 2, 1};
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(Games_Today(), nGames[r]) << r;
        EXPECT_FALSE(Is_Season_Complete());
        Play_Day();
    }
    EXPECT_EQ(Slot(24), 2);
    EXPECT_EQ(Slot(25), 0);
    EXPECT_EQ(Slot(28), 0);
    EXPECT_EQ(Slot(29), 8);
    EXPECT_EQ(Slot(30), 0);
    EXPECT_EQ(Get_Playoff_Score(28), 24);
    EXPECT_EQ(Get_Playoff_Score(29), 10);
    EXPECT_TRUE(Is_Season_Complete());
    EXPECT_EQ(Get_Player_Byte_Stat(0, 0, BYTE_STAT_CHAMPIONSHIPS), 3);
    EXPECT_EQ(Get_Player_Byte_Stat(0, 50, BYTE_STAT_CHAMPIONSHIPS), 1);   // empty slots too
    EXPECT_EQ(Get_Player_Byte_Stat(0, 99, BYTE_STAT_CHAMPIONSHIPS), 255);
    EXPECT_EQ(Get_Player_Byte_Stat(8, 0, BYTE_STAT_CHAMPIONSHIPS), 0);
    EXPECT_EQ(Get_Player_Byte_Stat(2, 0, BYTE_STAT_CHAMPIONSHIPS), 0);
    EXPECT_EQ(Games_Today(), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayoffsTest, WithoutTheFinalLeagueZerosChampionEndsTheSeason)
{
    std::vector<std::pair<int, int>> Teams = {{0, 5}, {0, 1}, {4, 5}, {4, 1}};
    Set_Universe_Word(INTER_LEAGUE_FINAL_WORD, 0);
    Build(Teams, 1);   // 24 = 0, 25 = 1; 26 = 2, 27 = 3
    Set_Day(FIRST_PLAYOFF_DAY + 2);
    EXPECT_EQ(Games_Today(), 2);
    Play_Day();
    EXPECT_EQ(Slot(28), 0);
    EXPECT_EQ(Slot(29), 2);
    EXPECT_TRUE(Is_Season_Complete());
    EXPECT_EQ(Get_Player_Byte_Stat(0, 0, BYTE_STAT_CHAMPIONSHIPS), 1);
    EXPECT_EQ(Get_Player_Byte_Stat(2, 0, BYTE_STAT_CHAMPIONSHIPS), 0);
    EXPECT_EQ(Games_Today(), 0);   // no final day
}

TEST_F(PlayoffsTest, CompletionNeedsThePlayoffDaysAndTheLastSlot)
{
    Build({{0, 5}, {4, 5}}, 0);   // 28 = 0, 29 = 1
    EXPECT_EQ(Slot(28), 0);
    EXPECT_EQ(Slot(29), 1);
    Set_Day(FIRST_PLAYOFF_DAY + 3);
    EXPECT_FALSE(Is_Season_Complete());   // two leagues, the final on: 30
    Set_Playoff_Team(30, 1);
    EXPECT_TRUE(Is_Season_Complete());
    Set_Day(FIRST_PLAYOFF_DAY - 1);
    EXPECT_FALSE(Is_Season_Complete());
    Set_Day(OFFSEASON_WEEK);
    EXPECT_FALSE(Is_Season_Complete());
    Set_Day(0);
    Set_Regular_Season_Weeks(0);
    EXPECT_FALSE(Is_Season_Complete());
    Set_Regular_Season_Weeks(FIRST_PLAYOFF_DAY);

    Set_Day(FIRST_PLAYOFF_DAY + 3);
    Set_Playoff_Team(30, NO_TEAM);
    Set_Universe_Word(INTER_LEAGUE_FINAL_WORD, 0);
    EXPECT_TRUE(Is_Season_Complete());    // the final off: 28
    EXPECT_EQ(Get_Season_Last_Playoff_Slot(), 28);

    Set_Universe_Word(INTER_LEAGUE_FINAL_WORD, 1);
    Build({{0, 5}, {0, 2}}, 0);           // one league
    Set_Day(FIRST_PLAYOFF_DAY + 3);
    EXPECT_EQ(Get_Season_Last_Playoff_Slot(), 28);
    EXPECT_TRUE(Is_Season_Complete());
}

TEST_F(PlayoffsTest, SevenTeamsALeagueFrom2020PlaySixWildCardGames)
{
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2020;
    // Two leagues of four divisions of four; W - L = 12 - division - 4 x
    // place. Seeds: leaders 0, 4, 8, 12, wild cards 1, 5, 9 (+8, +7, +6).
    std::vector<std::pair<int, int>> Teams;
    for (int nLeague = 0; nLeague < 2; ++nLeague)
        for (int k = 0; k < 4; ++k)
            for (int p = 0; p < 4; ++p)
                Teams.push_back({4 * nLeague + k, 12 - k - 4 * p});
    Build(Teams, 0);
    Update_Wild_Card_Teams(0);
    ASSERT_EQ(Get_Universe_Stat(WILD_CARD_TEAMS), 3);
    Update_Standings();
    for (int nLeague = 0; nLeague < 2; ++nLeague) {
        const int b = 16 * nLeague, s = 8 * nLeague;
        EXPECT_EQ(Slot(s + 0), b + 1);
        EXPECT_EQ(Slot(s + 1), b + 12);
        EXPECT_EQ(Slot(s + 2), b + 9);
        EXPECT_EQ(Slot(s + 3), b + 4);
        EXPECT_EQ(Slot(s + 4), b + 5);
        EXPECT_EQ(Slot(s + 5), b + 8);
        EXPECT_EQ(Slot(19 + 4 * nLeague), b);
    }
    Set_Day(FIRST_PLAYOFF_DAY);
    EXPECT_EQ(Games_Today(), 6);
    for (int b : {0, 16}) {
        EXPECT_EQ(Home_Of(b + 1), b + 12);
        EXPECT_EQ(Home_Of(b + 9), b + 4);
        EXPECT_EQ(Home_Of(b + 5), b + 8);
        EXPECT_EQ(Home_Of(b), NO_TEAM);
    }
    // The home sides win (12, 4, 8 go on); reseeded, the first seed meets the
    // lowest left, 12 (+9), and 4 meets 8.
    Play_Day();
    EXPECT_EQ(Games_Today(), 4);
    for (int b : {0, 16}) {
        EXPECT_EQ(Home_Of(b + 12), b);
        EXPECT_EQ(Home_Of(b + 8), b + 4);
    }
}

TEST_F(PlayoffsTest, EachClubsFinishCodeNamesTheRoundItWentOutIn)
{
    // Seven clubs a league, seeded as in the test above: leaders b, b+4,
    // b+8, b+12 (W - L 12, 11, 10, 9), wild cards b+1, b+5, b+9 (8, 7, 6).
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2020;
    std::vector<std::pair<int, int>> Teams;
    for (int nLeague = 0; nLeague < 2; ++nLeague)
        for (int k = 0; k < 4; ++k)
            for (int p = 0; p < 4; ++p)
                Teams.push_back({4 * nLeague + k, 12 - k - 4 * p});
    Build(Teams, 0);
    Update_Wild_Card_Teams(0);
    Update_Standings();
    Set_Day(FIRST_PLAYOFF_DAY);
    // League 0: 9 beats the leader 4 away; 12 and 8 win at home. Reseeded, 0
    // meets 9 and 8 (10) is at home to 12 (9); 0 beats 8 in the conference
    // final. League 1 goes by seed: 16 beats 20. Final: 0 beats 16.
    for (int r = 0; r < 4; ++r) {
        ASSERT_GT(Games_Today(), 0) << r;
        Play_Day({4});
    }
    ASSERT_EQ(Slot(30), 0);
    ASSERT_EQ(Slot(24) + Slot(25), 8);   // 0 and 8 met in league 0's conference final
    ASSERT_EQ(Slot(26) + Slot(27), 36);  // 16 and 20 in league 1's
    // 8 champion, 7 lost the final, 6 lost a conference final; out before
    // it, a division's leader 5 and a wild card 4, in whichever round; then
    // the division place of a club out of the playoffs: 3, 2, 1 for second
    // to fourth.
    const int nExpected[32] = {8, 4, 2, 1, 5, 4, 2, 1, 6, 4, 2, 1, 5, 3, 2, 1,
                               7, 4, 2, 1, 6, 4, 2, 1, 5, 4, 2, 1, 5, 3, 2, 1};
    for (int t = 0; t < 32; ++t)
        EXPECT_EQ(Record_Team_Division_Finish(t), nExpected[t]) << "club " << t;
    Record_All_Division_Finishes();   // as the season's end keeps them
    for (int t = 0; t < 32; ++t)
        ASSERT_EQ(Get_Team_Yearly_Int(t, 0, YEARLY_INT_FINISH), nExpected[t]) << "club " << t;

    // The provisional draft order reads the codes: every club out before
    // the conference finals picks ahead of their losers (4, the second-best
    // record, before 8), who pick ahead of the finalists.
    Sort_Draft_Order_By_Record();
    const int n = Count_Teams();
    EXPECT_LT(Find_Team_In_Draft_Order(4), Find_Team_In_Draft_Order(8));
    EXPECT_LT(Find_Team_In_Draft_Order(12), Find_Team_In_Draft_Order(20));
    EXPECT_EQ(Find_Team_In_Draft_Order(8), n - 4);    // 200 + place 5
    EXPECT_EQ(Find_Team_In_Draft_Order(20), n - 3);   // 200 + place 2
    EXPECT_EQ(Find_Team_In_Draft_Order(16), n - 2);
    EXPECT_EQ(Find_Team_In_Draft_Order(0), n - 1);

    // A season later the finals are named from the codes: each league's
    // conference final with the club that lost it.
    Set_User_Preference(PREF_SEASON_INDEX, 1);
    EXPECT_EQ(Get_Season_Finisher_Team(FINISHER_LEAGUE_0_FINAL, 1, 1), 0);
    EXPECT_EQ(Get_Season_Finisher_Team(FINISHER_LEAGUE_0_FINAL, 0, 1), 8);
    EXPECT_EQ(Get_Season_Finisher_Team(FINISHER_LEAGUE_1_FINAL, 1, 1), 16);
    EXPECT_EQ(Get_Season_Finisher_Team(FINISHER_LEAGUE_1_FINAL, 0, 1), 20);
    EXPECT_EQ(Get_Season_Finisher_Team(FINISHER_TITLE_GAME, 1, 1), 0);
    EXPECT_EQ(Get_Season_Finisher_Team(FINISHER_TITLE_GAME, 0, 1), 16);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayoffsTest, TheChampionErasedAfterTheFinalLeavesTheSeasonAsPlayed)
{
    // The bracket of the test above: 0 (division 0's leader) is champion,
    // 16 lost the final, 1 got in as a wild card behind 0.
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2020;
    std::vector<std::pair<int, int>> Teams;
    for (int nLeague = 0; nLeague < 2; ++nLeague)
        for (int k = 0; k < 4; ++k)
            for (int p = 0; p < 4; ++p)
                Teams.push_back({4 * nLeague + k, 12 - k - 4 * p});
    Build(Teams, 0);
    Update_Wild_Card_Teams(0);
    Update_Standings();
    for (int t = 0; t < 32; ++t) {
        Set_Team_String(("City " + std::to_string(t)).c_str(), t, TEAM_STRING_CITY);
        Set_Team_String("Club", t, TEAM_STRING_NICKNAME);
    }
    Set_Day(FIRST_PLAYOFF_DAY);
    for (int r = 0; r < 4; ++r) {
        ASSERT_GT(Games_Today(), 0) << r;
        Play_Day({4});
    }
    Record_All_Division_Finishes();
    ASSERT_EQ(Slot(30), 0);
    ASSERT_EQ(Get_Team_Yearly_Int(1, 0, YEARLY_INT_FINISH), 4);
    // The final's clubs, kept in their yearly records as the game is booked.
    EXPECT_EQ(Get_Season_Finalist(1, 0), 0);
    EXPECT_EQ(Get_Season_Finisher_Team(FINISHER_LEAGUE_1_FINAL, 1, 0), 16);
    EXPECT_EQ(Get_Team_Yearly_Char(5, 0, YEARLY_TITLE), TITLE_DECIDED | TITLE_BY_FINAL);
    // The champion's win over 16 in the final is one of the season's
    // finished games.
    Put_Game(0, 16, 0, 10, 24, FIRST_PLAYOFF_DAY + 3);
    uint8_t Bracket[PLAYOFF_SLOTS];
    std::memcpy(Bracket, League.StandingsArea.PlayoffTeam, sizeof(Bracket));
    int nCode[32];
    for (int t = 0; t < 32; ++t)
        nCode[t] = Get_Team_Yearly_Int(t, 0, YEARLY_INT_FINISH);

    ASSERT_TRUE(Erase_Team(0, 1));
    // Every club moved down a slot; the champion's names stand behind them
    // in slot 31, where the bracket and the game name it.
    ASSERT_EQ(Count_Teams(), 31);
    EXPECT_TRUE(Is_Erased_Club(31));
    EXPECT_FALSE(Is_Erased_Club(30));
    EXPECT_FALSE(Is_Team_Slot_Used(31));
    char szName[64];
    Get_Team_Full_Name(31, szName);
    EXPECT_STREQ(szName, "City 0 Club");
    EXPECT_EQ(Slot(30), 31);
    EXPECT_EQ(League.Game[0].nHomeTeam, 31);
    EXPECT_EQ(League.Game[0].nAwayTeam, 15);
    EXPECT_TRUE(Is_Season_Complete());
    EXPECT_EQ(Get_Season_Finalist(1, 0), 31);
    EXPECT_EQ(Get_Season_Finisher_Team(FINISHER_TITLE_GAME, 0, 0), 15);

    // Division 0 is led by 1 now, but the season's codes stand as played:
    // at the season's end and in the archive, 1 keeps its wild card's 4.
    Clear_Standings_Order();
    ASSERT_EQ(Record_Team_Division_Finish(0), 5);
    Record_All_Division_Finishes();
    for (int t = 0; t < 31; ++t)
        Archive_Team_Season(t);
    for (int t = 1; t < 32; ++t)
        EXPECT_EQ(Get_Team_Yearly_Int(t - 1, 0, YEARLY_INT_FINISH), nCode[t]) << "club " << t;
    for (int s = 0; s < PLAYOFF_SLOTS; ++s)
        EXPECT_EQ(Slot(s), Bracket[s] == NO_TEAM ? NO_TEAM : Bracket[s] == 0 ? 31 : Bracket[s] - 1) << "slot " << s;

    // A club with no result of any season and no game leaves nothing
    // behind; one with results keeps them behind the clubs in use.
    ASSERT_EQ(Get_Team_Playoff_Slot(30), -1);
    Set_Season_Record(30, 0, 0, 0, 0);
    ASSERT_TRUE(Erase_Team(30, 1));
    EXPECT_FALSE(Is_Erased_Club(30));
    EXPECT_TRUE(Is_Erased_Club(31));
    ASSERT_EQ(Get_Team_Playoff_Slot(29), -1);
    const int nWins = Get_Team_Yearly_Char(29, 0, YEARLY_WINS);
    ASSERT_TRUE(Erase_Team(29, 1));
    ASSERT_TRUE(Is_Erased_Club(29));
    EXPECT_EQ(Get_Team_Yearly_Char(29, 0, YEARLY_WINS), nWins);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayoffsTest, AnErasedClubsGamesKeepTheirWeeksAndANewClubTakesAnotherSlot)
{
    // Four clubs, two weeks: week 0 A-B (record 0) and C-D (1), week 1 A-C
    // (2) and B-D (3); the first club named is at home and wins 20-10.
    Build({{0, 1}, {0, 0}, {0, 0}, {0, -1}}, 0);
    Set_Regular_Season_Weeks(2);
    const char* const NAMES[4] = {"A", "B", "C", "D"};
    for (int t = 0; t < 4; ++t) {
        Set_Team_String(NAMES[t], t, TEAM_STRING_CITY);
        Set_Team_String("Club", t, TEAM_STRING_NICKNAME);
        Clear_Scheduled_Games(t);
    }
    const int GAMES[4][3] = {{0, 1, 0}, {2, 3, 0}, {0, 2, 1}, {1, 3, 1}};   // home, away, week
    for (int g = 0; g < 4; ++g) {
        const auto& [nHome, nAway, nWeek] = GAMES[g];
        ASSERT_TRUE(Schedule_Game(nHome, nAway, nWeek, 6, 1300));
        Set_Team_Schedule_Stat(nHome, nWeek, SCHEDULE_GAME_INDEX, g);
        Set_Team_Schedule_Stat(nAway, nWeek, SCHEDULE_GAME_INDEX, g);
        Put_Game(g, nAway, nHome, 10, 20, nWeek);
    }
    ASSERT_EQ(Count_Week_Games(0), 2);
    ASSERT_EQ(Count_Team_Results(0, RESULT_WINS, RESULTS_ALL_GAMES), 2);

    // B erased: C and D move down to 1 and 2, B's names stand in slot 3.
    ASSERT_TRUE(Erase_Team(1, 1));
    ASSERT_EQ(Count_Teams(), 3);
    ASSERT_TRUE(Is_Erased_Club(3));
    // Each week still holds its two games, B's among them, found from
    // either side that is left.
    EXPECT_EQ(Count_Week_Games(0), 2);
    EXPECT_EQ(Count_Week_Games(1), 2);
    EXPECT_EQ(Get_Week_First_Game_Index(1), 2);
    EXPECT_EQ(Get_Team_Game_Index_In_Week(0, 0), 0);
    EXPECT_EQ(Get_Team_Game_Index_In_Week(0, 1), 1);
    EXPECT_EQ(Get_Team_Game_Index_In_Week(1, 2), 3);
    char szName[64];
    Get_Team_Full_Name(League.Game[3].nHomeTeam, szName);
    EXPECT_STREQ(szName, "B Club");
    EXPECT_EQ(Count_Team_Results(0, RESULT_WINS, RESULTS_ALL_GAMES), 2);
    EXPECT_EQ(Count_Team_Results(2, RESULT_LOSSES, RESULTS_ALL_GAMES), 2);

    // A new club takes slot 3 only once B's names have moved on to slot 4,
    // with every game of B's: none of them becomes the new club's.
    const int nNew = Add_Team_To_League(0);
    ASSERT_EQ(nNew, 3);
    EXPECT_EQ(City_Of(3), "[Empty");
    EXPECT_TRUE(Is_Erased_Club(4));
    EXPECT_EQ(League.Game[0].nAwayTeam, 4);
    EXPECT_EQ(League.Game[3].nHomeTeam, 4);
    EXPECT_EQ(Get_Team_Schedule_Stat(0, 0, SCHEDULE_OPPONENT), 5);
    for (int nResult : {RESULT_WINS, RESULT_LOSSES, RESULT_TIES})
        EXPECT_EQ(Count_Team_Results(3, nResult, RESULTS_ALL_GAMES), 0);
    EXPECT_EQ(Count_Week_Games(0), 2);

    // Erased clubs fill the slots behind the clubs in use. With no slot
    // left that holds nothing, a new club takes the slot of the first
    // erased club no game of the records names (slot 5, zeroed), B moving
    // there with its games.
    for (int t = 5; t < MAX_FRANCHISES; ++t)
        Set_Team_String("Gone", t, TEAM_STRING_CITY);
    EXPECT_EQ(Add_Team_To_League(0), 4);
    EXPECT_EQ(Count_Teams(), 5);
    EXPECT_EQ(City_Of(5), "B");
    EXPECT_EQ(League.Game[0].nAwayTeam, 5);
    EXPECT_TRUE(Is_Erased_Club(6));
    // The league is full once every erased club left is named by a game.
    for (int t = 6; t < MAX_FRANCHISES; ++t)
        Put_Game(t + 4, t, 0, 3, 7, 0);
    EXPECT_EQ(Add_Team_To_League(0), -1);
    EXPECT_EQ(Count_Teams(), 5);
    EXPECT_EQ(City_Of(6), "Gone");
}

TEST_F(PlayoffsTest, AResultOutsideTheBracketChangesNothingAndATieSendsTheHomeTeamOn)
{
    Build({{0, 5}, {0, 1}, {4, 5}, {4, 1}}, 1);   // 24 = 0, 25 = 1; 26 = 2, 27 = 3
    auto pGame = std::make_unique<GAME>();
    pGame->nAwayTeam = 1;
    pGame->nHomeTeam = 2;   // not a pair
    pGame->nScore[GAME_SIDE_HOME] = 7;
    unsigned char Before[PLAYOFF_SLOTS];
    std::memcpy(Before, League.StandingsArea.PlayoffTeam, sizeof(Before));
    Record_Playoff_Result(pGame.get());
    EXPECT_EQ(std::memcmp(Before, League.StandingsArea.PlayoffTeam, sizeof(Before)), 0);
    EXPECT_EQ(Errors_Reported(), 1);
    Record_Playoff_Result(nullptr);
    EXPECT_EQ(Errors_Reported(), 1);

    pGame->nAwayTeam = 1;
    pGame->nHomeTeam = 0;
    pGame->nScore[GAME_SIDE_AWAY] = 20;
    pGame->nScore[GAME_SIDE_HOME] = 20;
    Record_Playoff_Result(pGame.get());
    EXPECT_EQ(Slot(28), 0);
    EXPECT_EQ(Get_Playoff_Score(24), 20);
    EXPECT_EQ(Get_Playoff_Score(25), 20);
    // Booked once only: a second booking of the same game is refused.
    Record_Playoff_Result(pGame.get());
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_EQ(Get_Player_Byte_Stat(0, 0, BYTE_STAT_CHAMPIONSHIPS), 0);
}

}  // namespace
