// Whole games on the two-club fixture league: reproducibility, a box score
// that adds up, the end of the game under every overtime rule, a resumed
// game, the closing steps, and a snap that allocates nothing.

#include <string>

#include "allocation_counter.h"
#include "engine/calibration.h"
#include "engine/formations.h"
#include "engine/game_fixture.h"
#include "engine/game_lineups.h"
#include "engine/game_state.h"
#include "engine/game_report.h"
#include "engine/play_game.h"
#include "engine/playbooks.h"
#include "league/player_lookup.h"
#include "league/player_stats.h"
#include "league/stat_codes.h"
#include "league/team_schedule.h"
#include "test_support.h"

namespace {

using namespace game_fixture;

class GameDriverTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Set_Game_Pages_Enabled(false);
    }
    void TearDown() override { Set_Game_Pages_Enabled(false); }

    static GAME& Game() { return League.Game[0]; }
};

std::string Bytes(const void* p, size_t n)
{
    return std::string(static_cast<const char*>(p), n);
}

int Sum_Player_Stat(int nTeam, int nCode, bool bLine)
{
    int n = 0;
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
        if (Get_Player_ID(nTeam, s) <= 0)
            continue;
        const bool bIsLine = Get_Position_Unit(Get_Player_Vital_Stat(nTeam, s, VITAL_POSITION)) == UNIT_LINE;
        if (bIsLine == bLine && Get_Position_Unit(Get_Player_Vital_Stat(nTeam, s, VITAL_POSITION)) != UNIT_DEFENSE &&
            Get_Position_Unit(Get_Player_Vital_Stat(nTeam, s, VITAL_POSITION)) != UNIT_KICKERS)
            n += Get_Player_Stat(nTeam, s, STAT_PERIOD_THIS_SEASON, nCode);
    }
    return n;
}

// The quarterbacks' passing line.
int Sum_Passer_Stat(int nTeam, int nCode)
{
    int n = 0;
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
        if (Get_Player_ID(nTeam, s) > 0 && Get_Player_Vital_Stat(nTeam, s, VITAL_POSITION) == POSITION_QB)
            n += Get_Player_Stat(nTeam, s, STAT_PERIOD_THIS_SEASON, nCode);
    return n;
}

int Team_Total(int bSide, int nTotal)
{
    return static_cast<int16_t>(League.Game[0].nTeamTotal[bSide][nTotal]);
}

TEST_F(GameDriverTest, WholeGameFromASeedIsReproducibleBitForBit)
{
    Build_Two_Team_League(11);
    ASSERT_EQ(Play_Fixture_Game(2024), 1);
    const std::string FirstGame = Bytes(&Game(), sizeof(GAME));
    const std::string FirstLeague = Bytes(&League, sizeof(League));

    Build_Two_Team_League(11);
    ASSERT_EQ(Play_Fixture_Game(2024), 1);
    EXPECT_TRUE(FirstGame == Bytes(&Game(), sizeof(GAME)));
    EXPECT_TRUE(FirstLeague == Bytes(&League, sizeof(League)));

    // Another seed plays another game.
    Build_Two_Team_League(11);
    ASSERT_EQ(Play_Fixture_Game(2025), 1);
    EXPECT_FALSE(FirstGame == Bytes(&Game(), sizeof(GAME)));
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(GameDriverTest, RecordIsFilledBeforeTheKickOff)
{
    Build_Two_Team_League(11);
    ASSERT_EQ(Play_Fixture_Game(7), 1);
    const GAME& G = Game();
    EXPECT_EQ(G.nAwayTeam, AWAY_TEAM);
    EXPECT_EQ(G.nHomeTeam, HOME_TEAM);
    EXPECT_EQ(G.nYear, 2020);
    EXPECT_EQ(G.nWeek, FIXTURE_WEEK);
    // The line in tenths of a point, plus 1000.
    EXPECT_EQ(G.nPointSpread, 1000 + Get_Game_Point_Spread(AWAY_TEAM, HOME_TEAM));
    EXPECT_GE(G.nPointSpread, 1000 - 240);
    EXPECT_LE(G.nPointSpread, 1000 + 240);
    EXPECT_EQ(G.nOverUnder, 1000 + Get_Game_Over_Under(AWAY_TEAM, HOME_TEAM));
    EXPECT_GE(G.nOverUnder, 1300);
    EXPECT_LE(G.nOverUnder, 1600);
    EXPECT_GE(G.nAttendance, 0);
    EXPECT_LE(G.nAttendance, 65000);
    for (int s = 0; s < GAME_ROSTER_SIZE; ++s) {
        EXPECT_EQ(G.nRosterID[GAME_SIDE_AWAY][s], s < ROSTER_SIZE ? Get_Player_ID(AWAY_TEAM, s) : 0);
        EXPECT_EQ(G.nRosterID[GAME_SIDE_HOME][s], s < ROSTER_SIZE ? Get_Player_ID(HOME_TEAM, s) : 0);
    }
    // 22 starters a side (11 on offence, 11 on defence), each credited once.
    for (int nTeam : {AWAY_TEAM, HOME_TEAM}) {
        int nStarts = 0;
        for (int s = 0; s < ROSTER_SIZE; ++s)
            nStarts += Get_Player_Stat(nTeam, s, STAT_PERIOD_THIS_SEASON, STAT_GAMES_STARTED);
        EXPECT_EQ(nStarts, 22);
    }
}

TEST_F(GameDriverTest, BoxScoreAddsUp)
{
    for (uint32_t nSeed : {1u, 2u, 3u, 4u, 5u}) {
        Build_Two_Team_League(11);
        ASSERT_EQ(Play_Fixture_Game(nSeed), 1);
        const GAME& G = Game();
        ASSERT_LE(G.nPlays, PLAY_LOG_SIZE);
        ASSERT_LT(G.nPlays, PLAY_LOG_SIZE) << "the log must hold every play for the score check";
        // The score equals the scoring plays.
        int nPoints[2] = {0, 0};
        for (int i = 0; i < G.nPlays; ++i) {
            const PLAY& P = G.PlayLog[i];
            nPoints[Get_Scoring_Side(&P)] += Get_Result_Points(Get_Play_Result(&P));
        }
        EXPECT_EQ(nPoints[GAME_SIDE_AWAY], G.nScore[GAME_SIDE_AWAY]) << "seed " << nSeed;
        EXPECT_EQ(nPoints[GAME_SIDE_HOME], G.nScore[GAME_SIDE_HOME]) << "seed " << nSeed;
        // Team totals equal the sums of the players'. Stored statistics share
        // their indices between units and positions (a receiver's index 5 is
        // his first-down catches), so the passing line is the quarterbacks'.
        // The team's passing yards are net of the sack yards the other
        // defence made.
        for (int bSide : {GAME_SIDE_AWAY, GAME_SIDE_HOME}) {
            const int nTeam = bSide == GAME_SIDE_HOME ? HOME_TEAM : AWAY_TEAM;
            EXPECT_EQ(Team_Total(bSide, GAME_TOTAL_RUSHES), Sum_Player_Stat(nTeam, STAT_RUSHING_ATTEMPTS, false))
                << "seed " << nSeed;
            EXPECT_EQ(Team_Total(bSide, GAME_TOTAL_RUSHING_YARDS), Sum_Player_Stat(nTeam, STAT_RUSHING_YARDS, false))
                << "seed " << nSeed;
            EXPECT_EQ(Team_Total(bSide, GAME_TOTAL_PASS_ATTEMPTS), Sum_Passer_Stat(nTeam, STAT_PASS_ATTEMPTS))
                << "seed " << nSeed;
            EXPECT_EQ(Team_Total(bSide, GAME_TOTAL_COMPLETIONS), Sum_Passer_Stat(nTeam, STAT_PASS_COMPLETIONS))
                << "seed " << nSeed;
            EXPECT_EQ(Team_Total(bSide, GAME_TOTAL_COMPLETIONS), Sum_Player_Stat(nTeam, STAT_RECEPTIONS, false))
                << "seed " << nSeed;
            const int nGross = Sum_Passer_Stat(nTeam, STAT_PASSING_YARDS);
            EXPECT_EQ(nGross, Sum_Player_Stat(nTeam, STAT_RECEIVING_YARDS, false)) << "seed " << nSeed;
            EXPECT_EQ(Team_Total(bSide, GAME_TOTAL_PASSING_YARDS) + Team_Total(1 - bSide, GAME_TOTAL_SACK_YARDS_MADE),
                      nGross)
                << "seed " << nSeed;
        }
    }
}

// Plays seeds until one reaches overtime under the rule; checks how it ended.
void Check_Overtime_Endings(int nRule)
{
    int nOvertimeGames = 0;
    for (uint32_t nSeed = 1; nSeed <= 400 && nOvertimeGames < 3; ++nSeed) {
        Build_Two_Team_League(11, nRule);
        ASSERT_EQ(Play_Fixture_Game(nSeed), 1);
        const GAME& G = League.Game[0];
        ASSERT_GE(G.nClock, SECONDS_OF_REGULATION);
        const int h = G.nScore[GAME_SIDE_HOME];
        const int a = G.nScore[GAME_SIDE_AWAY];
        if (G.nClock == SECONDS_OF_REGULATION) {
            EXPECT_NE(h, a);   // overtime is on in the fixture's regular season
            continue;
        }
        ++nOvertimeGames;
        const int L = 600;   // ten-minute periods in the regular season
        // The team behind has had the ball in overtime.
        const int nTrailerBit = h > a ? OVERTIME_AWAY_HAD_BALL : OVERTIME_HOME_HAD_BALL;
        const bool bTrailerHadBall = (G.nOvertimePossession & nTrailerBit) != 0;
        if (h == a) {
            // A tie stands only at the end of the period, and only where ties are allowed.
            EXPECT_TRUE(nRule == 0 || nRule == 1) << "seed " << nSeed;
            EXPECT_EQ(G.nClock, SECONDS_OF_REGULATION + L) << "seed " << nSeed;
        } else if (nRule == 1 || nRule == 3) {
            // A lead of 1-5 ends it only once the other team had the ball (or the period ran out).
            if (std::abs(h - a) < 6 && !(nRule == 1 && G.nClock >= SECONDS_OF_REGULATION + L)) {
                EXPECT_TRUE(bTrailerHadBall) << "rule " << nRule << " seed " << nSeed;
            }
        }
        if (nRule == 0 || nRule == 1) {
            EXPECT_LE(G.nClock, SECONDS_OF_REGULATION + L) << "seed " << nSeed;
        }
    }
    EXPECT_GT(nOvertimeGames, 0) << "no fixture game reached overtime under rule " << nRule;
}

TEST_F(GameDriverTest, OvertimeEndsByEachRule)
{
    for (int nRule = 0; nRule <= 3; ++nRule)
        Check_Overtime_Endings(nRule);
}

// The end-of-game test by hand for every rule (10-minute regular-season periods).
TEST_F(GameDriverTest, EndOfGameRulesByHand)
{
    Build_Two_Team_League(11);
    GAME G{};
    G.nAwayTeam = AWAY_TEAM;
    G.nHomeTeam = HOME_TEAM;
    auto Over = [&](int nRule, int nClock, int h, int a, int nHad) {
        Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME_RULE, nRule);
        G.nClock = static_cast<int16_t>(nClock);
        G.nScore[GAME_SIDE_HOME] = h;
        G.nScore[GAME_SIDE_AWAY] = a;
        G.nOvertimePossession = static_cast<int16_t>(nHad);
        return Is_Game_Over(&G);
    };
    for (int nRule = 0; nRule <= 3; ++nRule) {
        EXPECT_FALSE(Over(nRule, 3599, 10, 3, 0));
        EXPECT_TRUE(Over(nRule, 3600, 10, 3, 0));
        EXPECT_FALSE(Over(nRule, 3600, 10, 10, 0));
    }
    // Sudden death: any score ends it; tied at 3,600 + 600 it is a tie.
    EXPECT_TRUE(Over(0, 3700, 13, 10, 2));
    EXPECT_FALSE(Over(0, 4199, 10, 10, 3));
    EXPECT_TRUE(Over(0, 4200, 10, 10, 3));
    // Six-point threshold: the first team's field goal waits for the other's possession.
    EXPECT_FALSE(Over(1, 3800, 13, 10, 2));
    EXPECT_TRUE(Over(1, 3800, 13, 10, 3));
    EXPECT_TRUE(Over(1, 3800, 16, 10, 2));
    EXPECT_TRUE(Over(1, 4200, 10, 10, 2));
    EXPECT_TRUE(Over(1, 4200, 13, 10, 2));
    // No ties: the period never runs out.
    EXPECT_FALSE(Over(2, 3600 + 600 + 600, 10, 10, 3));
    EXPECT_TRUE(Over(2, 5000, 10, 13, 3));
    EXPECT_FALSE(Over(3, 5000, 13, 10, 2));
    EXPECT_TRUE(Over(3, 5000, 13, 10, 3));
    EXPECT_FALSE(Over(3, 9000, 10, 10, 3));
}

TEST_F(GameDriverTest, StoppedGameResumesWithoutRestartingOrCountingTwice)
{
    Build_Two_Team_League(11);
    ASSERT_EQ(Play_Fixture_Game(99), 1);
    const std::string Straight = Bytes(&Game(), sizeof(GAME));
    const std::string StraightLeague = Bytes(&League, sizeof(League));

    // The same game, stopped before its first snap (the simulation flag off)
    // and taken up again.
    Build_Two_Team_League(11);
    Set_User_Preference(PREF_SIMULATION_RUNNING, 0);
    ASSERT_EQ(Play_Fixture_Game(99), 0);
    EXPECT_FALSE(Is_Game_Over(&Game()));
    EXPECT_EQ(Get_Game_Down_Code(&Game()), KICKOFF_DOWN);
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    Set_User_Preference(PREF_PLAYING_GAMES, 1);
    EXPECT_EQ(Play_Game(HOME_TEAM, AWAY_TEAM, FIXTURE_WEEK, &Game()), 1);
    EXPECT_EQ(Get_User_Preference(PREF_PLAYING_GAMES), 0);
    EXPECT_TRUE(Straight == Bytes(&Game(), sizeof(GAME)));
    EXPECT_TRUE(StraightLeague == Bytes(&League, sizeof(League)));

    // A finished game is not taken up again.
    Set_User_Preference(PREF_PLAYING_GAMES, 1);
    EXPECT_EQ(Play_Game(HOME_TEAM, AWAY_TEAM, FIXTURE_WEEK, &Game()), 0);
    EXPECT_TRUE(StraightLeague.compare(0, StraightLeague.size(), Bytes(&League, sizeof(League))) != 0 ||
                Straight == Bytes(&Game(), sizeof(GAME)));
}

TEST_F(GameDriverTest, FinishBooksTheResultAndGamesPlayedOfPlayersWhoPlayed)
{
    Build_Two_Team_League(11);
    // Values 1, 2 and 4 of vital stat 24 belong to other rules: no game touches them.
    Set_Player_Vital_Stat(AWAY_TEAM, 0, VITAL_FLAGS, 1 | 2 | 4);
    Set_Player_Vital_Stat(HOME_TEAM, 45, VITAL_FLAGS, 2);
    Set_Calendar_PBP_Flag(HOME_TEAM, FIXTURE_WEEK, 0);
    ASSERT_EQ(Play_Fixture_Game(3), 1);
    EXPECT_EQ(Get_Player_Vital_Stat(AWAY_TEAM, 0, VITAL_FLAGS) & 7, 7);
    EXPECT_EQ(Get_Player_Vital_Stat(HOME_TEAM, 45, VITAL_FLAGS) & 7, 2);
    // The starting quarterback played; the third linebacker of the extra
    // slot 45 rarely does, but whoever was marked gets one game.
    EXPECT_NE(Get_Player_Vital_Stat(AWAY_TEAM, 0, VITAL_FLAGS) & ON_FIELD_THIS_GAME_FLAG, 0);

    Finish_Played_Game(&Game(), FIXTURE_WEEK);
    for (int nTeam : {AWAY_TEAM, HOME_TEAM})
        for (int s = 0; s < ROSTER_SIZE; ++s) {
            const bool bPlayed = (Get_Player_Vital_Stat(nTeam, s, VITAL_FLAGS) & ON_FIELD_THIS_GAME_FLAG) != 0;
            EXPECT_EQ(Get_Player_Stat(nTeam, s, STAT_PERIOD_THIS_SEASON, STAT_GAMES_PLAYED), bPlayed ? 1 : 0)
                << nTeam << "/" << s;
        }
    const int h = Game().nScore[GAME_SIDE_HOME];
    const int a = Game().nScore[GAME_SIDE_AWAY];
    EXPECT_EQ(Get_Team_Current_Yearly_Char(HOME_TEAM, 0), h > a ? 1 : 0);
    EXPECT_EQ(Get_Team_Current_Yearly_Char(AWAY_TEAM, 0), a > h ? 1 : 0);

    // The next game's pre-game steps clear only the per-game mark.
    Clear_Game_Player_Flags(&Game());
    EXPECT_EQ(Get_Player_Vital_Stat(AWAY_TEAM, 0, VITAL_FLAGS), 7);
}

TEST_F(GameDriverTest, WindLiesOnTheSideOfTheFirstPossession)
{
    for (uint32_t nSeed = 1; nSeed <= 12; ++nSeed) {
        Build_Two_Team_League(11);
        Set_User_Preference(PREF_SIMULATION_RUNNING, 0);   // set up, no snap
        ASSERT_EQ(Play_Fixture_Game(nSeed), 0);
        const GAME& G = Game();
        if (G.nWindDirection < 0)
            continue;
        const bool bAwayKicks = (G.nDown & GAME_DOWN_FLAG_AWAY_KICKS_OFF) != 0;
        EXPECT_EQ(G.nOffense, bAwayKicks ? AWAY_TEAM : HOME_TEAM);
        if (bAwayKicks) {
            EXPECT_LE(G.nWindDirection, 180);
        } else {
            EXPECT_GE(G.nWindDirection, 180);
        }
    }
}

TEST_F(GameDriverTest, AttendanceNeverExceedsCapacity)
{
    Build_Two_Team_League(11);
    GAME G{};
    G.nAwayTeam = AWAY_TEAM;
    G.nHomeTeam = HOME_TEAM;
    League.Team[HOME_TEAM].nStadiumStat[STADIUM_STAT_CAPACITY] = 100;
    Set_Game_Attendance(&G);
    EXPECT_GE(G.nAttendance, 0);
    EXPECT_LE(G.nAttendance, 100);
}

TEST_F(GameDriverTest, UnwatchedGameWithPagesOffAllocatesNothingAfterItsStart)
{
    Build_Two_Team_League(11);
    Seed_Random_Numbers(5);
    GAME& G = Game();
    // Set up and stop before the first snap, then count the whole game.
    Set_User_Preference(PREF_SIMULATION_RUNNING, 0);
    ASSERT_EQ(Play_Fixture_Game(5), 0);
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    Set_User_Preference(PREF_PLAYING_GAMES, 1);
    const unsigned long long nBefore = Get_Allocation_Count();
    const int nResult = Play_Game(HOME_TEAM, AWAY_TEAM, FIXTURE_WEEK, &G);
    const unsigned long long nAllocations = Get_Allocation_Count() - nBefore;
    EXPECT_EQ(nResult, 1);
    EXPECT_EQ(nAllocations, 0u);
}

TEST_F(GameDriverTest, BadTeamsAreRefused)
{
    Build_Two_Team_League(11);
    EXPECT_EQ(Play_Game(30, AWAY_TEAM, 0, &Game()), 0);
    EXPECT_TRUE(Last_Error_Contains("Invalid TNUM parameter to Play_Game(30,0,0,)"));
    EXPECT_EQ(Play_Game(HOME_TEAM, AWAY_TEAM, 0, nullptr), 0);
    // Weeks run 0-21: the 22nd index is past the schedule.
    EXPECT_EQ(Play_Game(HOME_TEAM, AWAY_TEAM, SCHEDULE_WEEKS, &Game()), 0);
    EXPECT_TRUE(Last_Error_Contains("Invalid nWeek in Play_Game"));
    EXPECT_EQ(Play_Game(HOME_TEAM, AWAY_TEAM, -1, &Game()), 0);
}

TEST_F(GameDriverTest, GarbageTimeBringsInTheBackupQuarterback)
{
    Build_Two_Team_League(11);
    GAME G{};
    G.nAwayTeam = AWAY_TEAM;
    G.nHomeTeam = HOME_TEAM;
    ASSERT_EQ(Update_Game_Lineups(&G), 1);
    EXPECT_EQ(Get_Team_Lineup_Player(HOME_TEAM, 3, 0), Get_Player_ID(HOME_TEAM, 0));
    // Fourth quarter, 23 points: with 6:00 left nothing changes; with 5:59 the backup plays.
    G.nScore[GAME_SIDE_HOME] = 30;
    G.nScore[GAME_SIDE_AWAY] = 7;
    G.nClock = 3600 - 360;
    Update_Game_Lineups(&G);
    EXPECT_EQ(Get_Team_Lineup_Player(HOME_TEAM, 3, 0), Get_Player_ID(HOME_TEAM, 0));
    G.nClock = 3600 - 359;
    Update_Game_Lineups(&G);
    EXPECT_EQ(Get_Team_Lineup_Player(HOME_TEAM, 3, 0), Get_Player_ID(HOME_TEAM, 1));
    // The kickers' units keep the starters.
    EXPECT_TRUE(Is_Player_In_Formation_Row(HOME_TEAM, 42, 43));
}

// A build asks the depth chart once for each question its places share:
// every cell still holds its place's depth-chart player, a place the depth
// chart leaves empty a healthy player, and a later build follows injuries.
TEST_F(GameDriverTest, EveryLineupCellIsItsPlacesDepthChartPlayer)
{
    Build_Two_Team_League(11);
    // No healthy tight end: those places go to the rest of the roster.
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
        if (Get_Player_ID(HOME_TEAM, s) > 0 && Get_Player_Vital_Stat(HOME_TEAM, s, VITAL_POSITION) == POSITION_TE)
            Set_Player_Vital_Stat(HOME_TEAM, s, VITAL_INJURY_WEEKS, 3);
    const int nStarter = Get_Depth_Chart_Player(HOME_TEAM, POSITION_QB, 0);
    ASSERT_GE(nStarter, 0);
    int nEmptyPlaces = 0;
    for (int nRound = 0; nRound < 2; ++nRound) {
        if (nRound == 1)   // the starter hurt between two builds
            Set_Player_Vital_Stat(HOME_TEAM, nStarter, VITAL_INJURY_WEEKS, 2);
        for (int bGarbage : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "round " << nRound << " garbage " << bGarbage);
            ASSERT_EQ(Build_Formation_Depth_Chart(HOME_TEAM, bGarbage), 1);
            for (int f = 0; f < FORMATION_COUNT; ++f)
                for (int p = 0; p < FORMATION_PLACES; ++p) {
                    const int nSlot = Get_Formation_Place_Player(HOME_TEAM, f, p, bGarbage && f < 39);
                    const int nID = Get_Team_Lineup_Player(HOME_TEAM, f, p);
                    if (nSlot >= 0) {
                        EXPECT_EQ(nID, Get_Player_ID(HOME_TEAM, nSlot)) << "formation " << f << " place " << p;
                        continue;
                    }
                    ++nEmptyPlaces;
                    PLAYER_LOCATION Where{};
                    ASSERT_TRUE(Find_Player_By_ID(&Where, nID)) << "formation " << f << " place " << p;
                    EXPECT_EQ(Get_Player_Vital_Stat(HOME_TEAM, Where.nSlot, VITAL_INJURY_WEEKS), 0);
                }
            EXPECT_EQ(Is_Player_In_Formation_Row(HOME_TEAM, PRO_SET_FORMATION, nStarter), nRound == 0 && !bGarbage);
        }
    }
    EXPECT_GT(nEmptyPlaces, 0);
}

// A build of a healthy club with every place answered by the depth chart
// may keep the rows of the club's last build: they follow every change of
// an answer, of a player's ID and of garbage time all the same.
TEST_F(GameDriverTest, ALineupBuiltAgainFollowsEveryChangeOfItsDepthChart)
{
    Build_Two_Team_League(11);
    auto Expect_Depth_Chart_Rows = [](int bGarbage) {
        for (int f = 0; f < FORMATION_COUNT; ++f)
            for (int p = 0; p < FORMATION_PLACES; ++p) {
                const int nSlot = Get_Formation_Place_Player(HOME_TEAM, f, p, bGarbage && f < 39);
                ASSERT_GE(nSlot, 0) << "formation " << f << " place " << p;
                ASSERT_EQ(Get_Team_Lineup_Player(HOME_TEAM, f, p), Get_Player_ID(HOME_TEAM, nSlot))
                    << "garbage " << bGarbage << " formation " << f << " place " << p;
            }
    };
    for (int nBuild = 0; nBuild < 2; ++nBuild) {
        ASSERT_EQ(Build_Formation_Depth_Chart(HOME_TEAM, 0), 1);
        Expect_Depth_Chart_Rows(0);
    }
    const int nBack = Get_Depth_Chart_Player(HOME_TEAM, POSITION_RB, 0);
    ASSERT_GE(nBack, 0);
    Set_Player_Vital_Stat(HOME_TEAM, nBack, VITAL_INJURY_WEEKS, 1);
    ASSERT_EQ(Build_Formation_Depth_Chart(HOME_TEAM, 0), 1);
    Expect_Depth_Chart_Rows(0);
    EXPECT_FALSE(Is_Player_In_Formation_Row(HOME_TEAM, PRO_SET_FORMATION, nBack));
    for (int bGarbage : {1, 1, 0}) {
        ASSERT_EQ(Build_Formation_Depth_Chart(HOME_TEAM, bGarbage), 1);
        Expect_Depth_Chart_Rows(bGarbage);
    }
    Set_Player_Vital_Stat(HOME_TEAM, nBack, VITAL_INJURY_WEEKS, 0);
    ASSERT_EQ(Build_Formation_Depth_Chart(HOME_TEAM, 0), 1);
    Expect_Depth_Chart_Rows(0);
    EXPECT_TRUE(Is_Player_In_Formation_Row(HOME_TEAM, PRO_SET_FORMATION, nBack));
    // A new ID in a starter's slot: the rows name him by it.
    const int nQuarterback = Get_Depth_Chart_Player(HOME_TEAM, POSITION_QB, 0);
    Set_Player_Vital_Stat(HOME_TEAM, nQuarterback, VITAL_PLAYER_ID, 987654);
    ASSERT_EQ(Build_Formation_Depth_Chart(HOME_TEAM, 0), 1);
    Expect_Depth_Chart_Rows(0);
    EXPECT_EQ(Get_Team_Lineup_Player(HOME_TEAM, PRO_SET_FORMATION, 0), 987654);
}

// Every play from scrimmage of the log is in the playbook tallies of both
// teams: the offence's call in its overall and third-down columns, the
// defence's call in the column of the offensive call's category; penalties
// (no play), kicks and the fixed plays 54-59 are not.
TEST_F(GameDriverTest, PlaysFromScrimmageGoIntoThePlaybookTallies)
{
    Build_Two_Team_League(11);
    ASSERT_EQ(Play_Fixture_Game(2024), 1);
    const GAME& G = Game();
    ASSERT_LT(G.nPlays, PLAY_LOG_SIZE);
    int nOffense[2][TEAM_OFFENSIVE_PLAYS] = {};
    int nThirdDown[2][TEAM_OFFENSIVE_PLAYS] = {};
    int nTouchdowns[2][TEAM_OFFENSIVE_PLAYS] = {};
    int nDefense[2][DEFENSIVE_PLAY_COUNT] = {};
    int nCounted = 0;
    for (int i = 0; i < G.nPlays; ++i) {
        const PLAY& P = G.PlayLog[i];
        const int nResult = Get_Play_Result(&P);
        if (nResult > LAST_SCRIMMAGE_RESULT || P.nOffenseCall >= TEAM_OFFENSIVE_PLAYS)
            continue;
        const int nTeam = Get_Play_Home_Bit(&P) ? G.nHomeTeam : G.nAwayTeam;
        ++nOffense[nTeam][P.nOffenseCall];
        if (P.nSnapDown >= 2)
            ++nThirdDown[nTeam][P.nOffenseCall];
        if (nResult == RESULT_TOUCHDOWN_PASS || nResult == RESULT_TOUCHDOWN_RUN)
            ++nTouchdowns[nTeam][P.nOffenseCall];
        ASSERT_LT(P.nDefenseCall, DEFENSIVE_PLAY_COUNT);
        ++nDefense[1 - nTeam][P.nDefenseCall];
        ++nCounted;
    }
    ASSERT_GT(nCounted, 80);
    for (int nTeam : {AWAY_TEAM, HOME_TEAM}) {
        for (int c = 0; c < TEAM_OFFENSIVE_PLAYS; ++c) {
            EXPECT_EQ(Get_Playbook_Tally(nTeam, PLAYBOOK_OFFENSE, c, SITUATION_OVERALL, TALLY_PLAYS),
                      nOffense[nTeam][c]) << "team " << nTeam << " call " << c;
            EXPECT_EQ(Get_Playbook_Tally(nTeam, PLAYBOOK_OFFENSE, c, SITUATION_THIRD_DOWN, TALLY_PLAYS),
                      nThirdDown[nTeam][c]) << "team " << nTeam << " call " << c;
            EXPECT_EQ(Get_Playbook_Tally(nTeam, PLAYBOOK_OFFENSE, c, SITUATION_OVERALL, TALLY_TOUCHDOWNS),
                      nTouchdowns[nTeam][c]) << "team " << nTeam << " call " << c;
        }
        for (int nPlay : {54, 59})
            EXPECT_EQ(Get_Playbook_Tally(nTeam, PLAYBOOK_OFFENSE, nPlay, SITUATION_OVERALL, TALLY_PLAYS), 0);
        for (int d = 0; d < DEFENSIVE_PLAY_COUNT; ++d) {
            int nSum = 0;
            for (int c = 0; c < DEFENSIVE_SITUATIONS; ++c)
                nSum += Get_Playbook_Tally(nTeam, PLAYBOOK_DEFENSE, d, c, TALLY_PLAYS);
            EXPECT_EQ(nSum, nDefense[nTeam][d]) << "team " << nTeam << " defensive call " << d;
        }
    }
    EXPECT_EQ(Errors_Reported(), 0);
}

}  // namespace
