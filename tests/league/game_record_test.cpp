// The game and play records: the pre-snap reset, the result byte, the clock, the end-of-game rule and the
// box-score readers.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "engine/game_state.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/league_fixture.h"
#include "test_support.h"

namespace {

constexpr int AWAY = 3;
constexpr int HOME = 7;
constexpr int FIRST_PLAYOFF_WEEK = 17;

class GameRecordTest : public LeagueTest {
protected:
    GAME& Game = League.Game[12];

    void SetUp() override
    {
        LeagueTest::SetUp();
        Set_Regular_Season_Weeks(FIRST_PLAYOFF_WEEK);
        Game.nAwayTeam = AWAY;
        Game.nHomeTeam = HOME;
        Game.nWeek = 4;
    }

    void Set_Clock(int nClock, int nAway, int nHome, int nDownCode = 0)
    {
        Game.nClock = static_cast<int16_t>(nClock);
        Game.nScore[GAME_SIDE_AWAY] = nAway;
        Game.nScore[GAME_SIDE_HOME] = nHome;
        Game.nDown = static_cast<uint32_t>(nDownCode);
    }
};

// ---------------------------------------------------------------------------
// The pre-snap reset

TEST_F(GameRecordTest, StartPlayRecordResetsTheCurrentPlayOnly)
{
    std::memset(&Game.CurrentPlay, 0xAB, sizeof(PLAY));
    std::memset(&Game.PlayLog[0], 0xCD, sizeof(PLAY));
    Game.nDown = 0x7F00u | 3u;        // every flag and fourth down
    Game.nPlaySeconds = 40;
    Game.nPlayYards = -7;
    Game.nYardLine = 35;

    Start_Play_Record(&Game);

    const PLAY& Play = Game.CurrentPlay;
    const uint8_t* pBytes = reinterpret_cast<const uint8_t*>(&Play);
    // Clock and the unused pair zeroed; both player IDs -1.
    EXPECT_EQ(pBytes[0] | pBytes[1] | pBytes[2] | pBytes[3], 0);
    EXPECT_EQ(Play.nPlayer1 & Play.nPlayer2, -1);
    // Both calls 255, snap fields 0 (the play loop's to fill), result 32 << 1.
    const int nHead[8] = {255, 255, 0, 0, 0, 0, 0, 64};
    for (int i = 0; i < 8; i++)
        EXPECT_EQ(pBytes[12 + i], nHead[i]) << 12 + i;
    for (int i = 20; i < 180; i++)
        EXPECT_EQ(pBytes[i], (i - 20) % 16 == 0 ? 255 : 0) << i;
    // Only the change-of-hands flags go; the play's seconds and yards are 0.
    EXPECT_EQ(Game.nDown, 0x4F00u | 3u);
    EXPECT_EQ(Game.nPlaySeconds | Game.nPlayYards, 0);
    EXPECT_EQ(Game.nYardLine, 35);
    EXPECT_EQ(Game.PlayLog[0].nPlayer1, static_cast<int32_t>(0xCDCDCDCDu));
    Start_Play_Record(nullptr);       // no record: nothing happens
}

// ---------------------------------------------------------------------------
// The result byte

TEST_F(GameRecordTest, ResultCodeAndHomeBitPackIntoTheWordAtOffset16)
{
    PLAY& Play = Game.CurrentPlay;
    Play.nSnapDown = 2;
    Play.nSnapToGo = 7;
    Play.nSnapYardLine = 43;

    Set_Play_Result(&Play, RESULT_KICKOFF_RETURN_TOUCHDOWN);   // 23
    Set_Play_Home_Bit(&Play, 1);
    uint32_t nWord;
    std::memcpy(&nWord, reinterpret_cast<const uint8_t*>(&Play) + 16, sizeof(nWord));
    // 23 << 25 | 1 << 24 | 43 << 16 | 7 << 8 | 2
    EXPECT_EQ(nWord, 0x2F2B0702u);
    EXPECT_EQ(Get_Play_Result(&Play), 23);

    // Each setter keeps the other half of the byte.
    Set_Play_Result(&Play, RESULT_PENALTY);
    EXPECT_EQ(Play.bResult, (31 << 1) | 1);
    Set_Play_Home_Bit(&Play, 0);
    EXPECT_EQ(Play.bResult, 31 << 1);
    EXPECT_EQ(Play.nSnapYardLine, 43);
    // An undecided result is not reported as an error.
    Set_Play_Result(&Play, RESULT_UNDECIDED);
    EXPECT_EQ(Errors_Reported(), 0);
}

// ---------------------------------------------------------------------------
// The clock

TEST_F(GameRecordTest, QuarterFromTheClock)
{
    Set_User_Preference(PREF_MINUTES_PER_PERIOD, 10);
    const struct {
        int nClock, nDown, nQuarter;
    } Case[] = {
        // The try after a touchdown on the last play of a half is still in it;
        // overtime periods of 600 seconds.
        {0, 8, 1}, {899, 0, 1}, {900, 1, 2}, {1800, 0, 3}, {1800, 11, 2},
        {3599, 3, 4}, {3600, 0, 5}, {3600, 11, 4}, {4199, 0, 5}, {4200, 8, 6},
    };
    for (const auto& c : Case) {
        Set_Clock(c.nClock, 0, 0, c.nDown);
        EXPECT_EQ(Get_Game_Quarter(&Game), c.nQuarter) << c.nClock << " down " << c.nDown;
    }

    // Playoff overtime periods are 900 seconds whatever the preference.
    Game.nWeek = FIRST_PLAYOFF_WEEK;
    Set_Clock(4500, 0, 0);
    EXPECT_EQ(Get_Game_Quarter(&Game), 6);

    // A damaged file with no period length: counted as 900 seconds, no crash.
    Game.nWeek = 4;
    Set_User_Preference(PREF_MINUTES_PER_PERIOD, 0);
    EXPECT_EQ(Get_Overtime_Period_Length(&Game), 900);
    Set_User_Preference(PREF_MINUTES_PER_PERIOD, 0x7FFFFFFF);   // would overflow x 60
    EXPECT_GT(Get_Overtime_Period_Length(&Game), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(GameRecordTest, GameOverByClockScoreAndOvertimeRule)
{
    Set_User_Preference(PREF_MINUTES_PER_PERIOD, 10);
    // Rule -1: preference 175 off, no overtime in the season. Possession
    // bits: 1 the home side has had the ball in overtime, 2 the away side.
    const struct {
        int nRule, nWeek, nClock, nAway, nHome, nDown, nPossession, bOver;
    } Case[] = {
        {-1, 4, 3599, 0, 35, 0, 0, 0},
        {-1, 4, 3600, 20, 20, 0, 0, 1},                    // a season tie stands ...
        {-1, 4, 3600, 20, 26, CONVERSION_ATTEMPT, 0, 0},   // ... after the pending try
        {OVERTIME_SUDDEN_DEATH, 4, 4200, 20, 20, 0, 0, 1},   // still tied: a tie
        {OVERTIME_SUDDEN_DEATH, 4, 3700, 23, 20, 0, 0, 1},
        // A lead under 6 waits for the other side's possession.
        {OVERTIME_SIX_POINT_THRESHOLD, 4, 3800, 20, 23, 0, OVERTIME_HOME_HAD_BALL, 0},
        {OVERTIME_SIX_POINT_THRESHOLD, 4, 3800, 20, 23, 0, OVERTIME_HOME_HAD_BALL | OVERTIME_AWAY_HAD_BALL, 1},
        {OVERTIME_SIX_POINT_THRESHOLD, 4, 3800, 20, 26, 0, OVERTIME_HOME_HAD_BALL, 1},   // six end it at once
        {OVERTIME_SIX_POINT_THRESHOLD, 4, 4200, 20, 23, 0, 0, 1},   // the period ran out
        {OVERTIME_SIX_POINT_THRESHOLD_NO_TIES, 4, 9000, 20, 23, 0, 0, 0},
        {OVERTIME_SUDDEN_DEATH_NO_TIES, 4, 5401, 20, 22, 0, 0, 1},
        {9, 4, 9000, 20, 20, 0, 0, 0},   // an unknown rule is never over
        // Playoffs read their own rule (here "no ties") whatever preference 175 says.
        {-2, FIRST_PLAYOFF_WEEK + 1, 4500, 20, 20, 0, 0, 0},
    };
    Set_User_Preference(PREF_PLAYOFF_OVERTIME_RULE, OVERTIME_SUDDEN_DEATH_NO_TIES);
    for (const auto& c : Case) {
        Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME, c.nRule >= 0 ? 1 : 0);
        Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME_RULE, c.nRule >= 0 ? c.nRule : OVERTIME_SUDDEN_DEATH);
        Game.nWeek = static_cast<int16_t>(c.nWeek);
        Game.nOvertimePossession = c.nPossession;
        Set_Clock(c.nClock, c.nAway, c.nHome, c.nDown);
        EXPECT_EQ(Is_Game_Over(&Game), c.bOver) << c.nRule << " at " << c.nClock;
        // The side ahead wins; level, the home team leads until the tie stands.
        const int nWinner = c.nAway > c.nHome ? AWAY : c.nHome > c.nAway ? HOME : c.bOver ? NO_TEAM : HOME;
        EXPECT_EQ(Get_Game_Winner(&Game), nWinner) << c.nRule << " at " << c.nClock;
    }
    EXPECT_EQ(Errors_Reported(), 0);
}

// ---------------------------------------------------------------------------
// Box statistics of the players

TEST_F(GameRecordTest, PlayerStatAndTopPlayer)
{
    // Home players: slot (also the game roster entry), position, figure and
    // its value. Slot 6 equals slot 2: the first one wins; slot 5 is a punter
    // with statistics; slot 51 is beyond the box score's entries.
    const int nPlayers[][4] = {{0, 0, 0, 30}, {1, 1, 2, 40}, {2, 4, 2, 55},  {3, 10, 2, 9},
                               {4, 13, 0, 7}, {5, 14, 0, 12}, {6, 4, 2, 55}, {51, 10, 2, 99}};
    for (const auto& p : nPlayers) {
        League.Team[HOME].Player[p[0]].nVital[VITAL_PLAYER_ID] = 1001 + p[0];
        League.Team[HOME].Player[p[0]].nVital[VITAL_POSITION] = p[1];
        Game.nRosterID[1][p[0]] = 1001 + p[0];
        Game.nPlayerGameStat[1][p[0]][p[2]] = p[3];
    }
    EXPECT_EQ(Get_Game_Player_Stat(&Game, 1, 2, 2), 55);
    EXPECT_EQ(Get_Game_Top_Player(&Game, 2, 1, 1), 1003);   // backs and receivers
    EXPECT_EQ(Get_Game_Top_Player(&Game, 0, 15, 1), 1001);  // QB 30 beats P 12 and K 7
    EXPECT_EQ(Get_Game_Top_Player(&Game, 0, 14, 1), -1);    // punters: never
    // Every place of the game roster counts: the defender in slot 51, and a
    // backup quarterback who came in late, in place 72, with 35 attempts.
    EXPECT_EQ(Get_Game_Top_Player(&Game, 2, 15, 1), 1052);
    EXPECT_EQ(Get_Game_Top_Player(&Game, 2, 10, 1), 1052);
    League.Team[HOME].Player[72].nVital[VITAL_PLAYER_ID] = 1073;
    League.Team[HOME].Player[72].nVital[VITAL_POSITION] = POSITION_QB;
    Game.nRosterID[1][72] = 1073;
    Game.nPlayerGameStat[1][72][0] = 35;
    EXPECT_EQ(Get_Game_Top_Player(&Game, 0, 0, 1), 1073);
    EXPECT_EQ(Get_Game_Top_Player(&Game, 0, 15, 1), 1073);

    // Records not between two franchises give 0 without a report.
    Game.nHomeTeam = NO_TEAM;
    EXPECT_EQ(Get_Game_Top_Player(&Game, 2, 15, 1), -1);
    EXPECT_EQ(Get_Game_Player_Stat(nullptr, 1, 2, 2), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

// ---------------------------------------------------------------------------
// Per-game team counters and totals

TEST_F(GameRecordTest, TeamCountersAndTotals)
{
    Increment_Game_Team_Stat(&Game, 1, GAME_STAT_RED_ZONE_TRIPS);
    // Byte counters stop at 255 instead of wrapping.
    Set_Game_Team_Stat(&Game, 0, GAME_STAT_RED_ZONE_START, 300);
    EXPECT_EQ(Game.bTeamStat[0][9], 255);
    Increment_Game_Team_Stat(&Game, 0, GAME_STAT_RED_ZONE_START);
    EXPECT_EQ(Game.bTeamStat[0][9], 255);

    // Totals are signed 16-bit: -3 is stored as 65,533, and a sum past either
    // end stops there.
    Increment_Game_Team_Total(&Game, 0, GAME_TOTAL_RUSHING_YARDS, 17);
    Increment_Game_Team_Total(&Game, 1, GAME_TOTAL_PENALTY_YARDS, -3);
    EXPECT_EQ(Game.nTeamTotal[1][13], 65533);
    Increment_Game_Team_Total(&Game, 1, GAME_TOTAL_PENALTY_YARDS, -40000);
    EXPECT_EQ(static_cast<int16_t>(Game.nTeamTotal[1][13]), -32768);
    Increment_Game_Team_Total(&Game, 0, GAME_TOTAL_RUSHING_YARDS, 40000);
    EXPECT_EQ(Game.nTeamTotal[0][6], 32767);
    Game.nTeamTotal[0][6] = 17;

    // During a conversion try only red-zone touchdowns count; no totals.
    Game.nDown = CONVERSION_ATTEMPT | GAME_DOWN_FLAG_CLOCK_STOPPED;
    Increment_Game_Team_Stat(&Game, 1, GAME_STAT_RED_ZONE_TRIPS);
    Increment_Game_Team_Stat(&Game, 1, GAME_STAT_RED_ZONE_TOUCHDOWNS);
    Increment_Game_Team_Total(&Game, 0, GAME_TOTAL_RUSHING_YARDS, 2);
    EXPECT_EQ(Game.bTeamStat[1][1], 1);
    EXPECT_EQ(Game.bTeamStat[1][2], 1);
    EXPECT_EQ(Game.nTeamTotal[0][6], 17);
    Increment_Game_Team_Stat(nullptr, 0, 1);
    Increment_Game_Team_Total(nullptr, 0, 1, 1);
    EXPECT_EQ(Errors_Reported(), 0);
}

// Every setter and reader refuses a bad side, entry, figure or code with its
// message and writes nothing.
TEST_F(GameRecordTest, BadIndexesAreRefusedWithTheirMessage)
{
    static GAME& G = League.Game[12];
    const REFUSAL_CASE CASES[] = {
        {[] { return Set_Play_Result(&G.CurrentPlay, 33), 0; }, 0, "nResult out of bounds in Set_Play_Result(pPlay,[33])"},
        {[] { return Get_Game_Player_Stat(&G, 2, 2, 2); }, 0, "bTeam out of bounds in Get_Game_Player_Stat(pGame,[2],2,2)"},
        {[] { return Get_Game_Player_Stat(&G, 1, 51, 2); }, 0, "nSlot out of bounds in Get_Game_Player_Stat(pGame,1,[51],2)"},
        {[] { return Get_Game_Player_Stat(&G, 1, 2, 5); }, 0, "nFigure out of bounds in Get_Game_Player_Stat(pGame,1,2,[5])"},
        {[] { return Get_Game_Top_Player(&G, 2, 1, -1); }, -1, "bTeam out of bounds in Get_Game_Top_Player(pGame,2,1,[-1])"},
        {[] { return Get_Game_Top_Player(&G, 5, 1, 1); }, -1, "nFigure out of bounds in Get_Game_Top_Player(pGame,[5],1,1)"},
        {[] { return Increment_Game_Team_Stat(&G, 2, 1), 0; }, 0,
         "Invalid bTeam passed to Increment_Game_Team_Stat(pGame,[2],nStat,nAmount"},
        {[] { return Set_Game_Team_Stat(&G, 0, 16, 5), 0; }, 0,
         "Invalid nStat passed to Set_Game_Team_Stat(pGame,bTeam,[16],nValue"},
        {[] { return Increment_Game_Team_Total(&G, 3, 1, 5), 0; }, 0,
         "Invalid bTeam passed to Increment_Game_Team_Total(pGame,[3],nStat,nAmount"},
        {[] { return Increment_Game_Team_Total(&G, 1, 20, 5), 0; }, 0,
         "Invalid nStat passed to Increment_Game_Team_Total(pGame,bTeam,[20],nAmount"},
    };
    Expect_Refusals(CASES);
}

}  // namespace
