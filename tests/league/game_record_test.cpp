// The game and play records: their byte layout (part of the game file), the
// pre-snap reset, the result byte, the clock, the end-of-game rule and the
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
#include "league_fixture.h"
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

    // A player in a team slot and, at kick-off, in the same game roster entry.
    void Put_Player(int nTeam, int bSide, int nSlot, int nID, int nPosition)
    {
        League.Team[nTeam].Player[nSlot].nVital[VITAL_PLAYER_ID] = nID;
        League.Team[nTeam].Player[nSlot].nVital[VITAL_POSITION] = nPosition;
        Game.nRosterID[bSide][nSlot] = nID;
    }
};

// ---------------------------------------------------------------------------
// Layout: the offsets are added up by hand from the field list.

TEST(GameRecordLayout, SizesAndOffsets)
{
    EXPECT_EQ(sizeof(PLAY), 180u);
    EXPECT_EQ(sizeof(GAME), 48708u);
    EXPECT_EQ(sizeof(NARRATION_ENTRY), 16u);

    // PLAY: u16 clock, 2 unused, two int32 IDs, eight bytes, 10 x 16 narration.
    EXPECT_EQ(offsetof(PLAY, nPlayer2), 4u + 4u);
    EXPECT_EQ(offsetof(PLAY, nOffenseCall), 8u + 4u);
    EXPECT_EQ(offsetof(PLAY, nSnapDown), 12u + 4u);
    EXPECT_EQ(offsetof(PLAY, bResult), 16u + 3u);
    EXPECT_EQ(offsetof(PLAY, Narration) + 10u * 16u, 180u);
    // Narration entry: five bytes, three of padding, two IDs at 8 and 12.
    EXPECT_EQ(offsetof(NARRATION_ENTRY, bArg3), 4u);
    EXPECT_EQ(offsetof(NARRATION_ENTRY, nPlayerID), 8u);

    // GAME: 2 team bytes + 2 reserved; three int32 pairs from 4; ten 16-bit
    // words from 28; the attendance and two reserved int32 from 48.
    EXPECT_EQ(offsetof(GAME, nScore), 4u);
    EXPECT_EQ(offsetof(GAME, nFormation), 4u + 2u * 8u);
    EXPECT_EQ(offsetof(GAME, nYear), 20u + 8u);
    EXPECT_EQ(offsetof(GAME, nWindDirection), 28u + 9u * 2u);
    EXPECT_EQ(offsetof(GAME, nAttendance), 28u + 10u * 2u);
    EXPECT_EQ(offsetof(GAME, bTeamStat), 48u + 3u * 4u);
    EXPECT_EQ(offsetof(GAME, nTeamTotal), 60u + 2u * 16u);
    EXPECT_EQ(offsetof(GAME, nRosterID), 92u + 2u * 20u * 2u);
    EXPECT_EQ(offsetof(GAME, nPlayerGameStat), 172u + 2u * 80u * 4u);
    EXPECT_EQ(offsetof(GAME, CurrentPlay), 812u + 2u * 80u * 5u * 2u);
    EXPECT_EQ(offsetof(GAME, PlayLog), 2412u + 180u);
    EXPECT_EQ(offsetof(GAME, nPlays), 2592u + 256u * 180u);
    EXPECT_EQ(offsetof(GAME, nPlaySeconds), 48672u + 2u * 2u);
    EXPECT_EQ(offsetof(GAME, nDown), 48676u + 4u);
    EXPECT_EQ(offsetof(GAME, nOffense), 48680u + 4u);
    // 22 on-field bytes, then one reserved byte closes the record.
    EXPECT_EQ(offsetof(GAME, nOnField) + 22u + 1u, 48708u);
}

// ---------------------------------------------------------------------------
// The pre-snap reset

TEST_F(GameRecordTest, StartPlayRecordResetsTheCurrentPlayOnly)
{
    std::memset(&Game.CurrentPlay, 0xAB, sizeof(PLAY));
    std::memset(&Game.PlayLog[0], 0xCD, sizeof(PLAY));
    Game.nDown = 0x7F00u | 3u;        // every flag and fourth down
    Game.nPlaySeconds = 40;
    Game.nPlayYards = -7;
    Game.nClock = 1234;
    Game.nYardLine = 35;
    Game.nToGo = 6;

    Start_Play_Record(&Game);

    const PLAY& Play = Game.CurrentPlay;
    const uint8_t* pBytes = reinterpret_cast<const uint8_t*>(&Play);
    // Clock and the unused pair zeroed; both player IDs -1.
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(pBytes[i], 0) << i;
    EXPECT_EQ(Play.nPlayer1, -1);
    EXPECT_EQ(Play.nPlayer2, -1);
    // Both calls 255, snap fields 0 (the play loop's to fill), result 32 << 1.
    const int nHead[8] = {255, 255, 0, 0, 0, 0, 0, 64};
    for (int i = 0; i < 8; i++)
        EXPECT_EQ(pBytes[12 + i], nHead[i]) << 12 + i;
    for (int e = 0; e < 10; e++) {
        EXPECT_EQ(pBytes[20 + 16 * e], 255) << e;
        for (int i = 1; i < 16; i++)
            EXPECT_EQ(pBytes[20 + 16 * e + i], 0) << e << "/" << i;
    }
    // Only the change-of-hands flags go; the play's seconds and yards are 0.
    EXPECT_EQ(Game.nDown, 0x4F00u | 3u);
    EXPECT_EQ(Game.nPlaySeconds, 0);
    EXPECT_EQ(Game.nPlayYards, 0);
    EXPECT_EQ(Game.nYardLine, 35);
    EXPECT_EQ(Game.PlayLog[0].nPlayer1, static_cast<int32_t>(0xCDCDCDCDu));

    Start_Play_Record(nullptr);       // no record: nothing happens
    EXPECT_EQ(Errors_Reported(), 0);
}

// ---------------------------------------------------------------------------
// The result byte

TEST_F(GameRecordTest, ResultCodeAndHomeBitPackIntoTheWordAtOffset16)
{
    PLAY& Play = Game.CurrentPlay;
    Start_Play_Record(&Game);
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
    EXPECT_EQ(Get_Play_Home_Bit(&Play), 1);

    // Each setter keeps the other half of the byte.
    Set_Play_Result(&Play, RESULT_PENALTY);
    EXPECT_EQ(Play.bResult, (31 << 1) | 1);
    Set_Play_Home_Bit(&Play, 0);
    EXPECT_EQ(Play.bResult, 31 << 1);
    EXPECT_EQ(Play.nSnapYardLine, 43);

    // A code beyond 32 is refused and stores nothing.
    LEAGUE_SNAPSHOT Before;
    Set_Play_Result(&Play, 33);
    EXPECT_TRUE(Last_Error_Contains("nResult out of bounds in Set_Play_Result(pPlay,[33])"));
    Set_Play_Result(&Play, -1);
    EXPECT_EQ(Errors_Reported(), 2);
    EXPECT_TRUE(Before.Unchanged());

    // Box-score words, one per group of codes.
    for (auto [nCode, szWord] : {std::pair{5, "Sack"}, {16, "Missed Field Goal"}, {31, "Penalty"}, {32, ""}})
        EXPECT_STREQ(Get_Play_Result_Word(nCode), szWord) << nCode;

    // Plays from scrimmage are 0-14; an undecided result is not reported as an error.
    Set_Play_Result(&Play, RESULT_FUMBLE_RETURN_TOUCHDOWN);
    EXPECT_EQ(Is_Play_From_Scrimmage(&Play), 1);
    Set_Play_Result(&Play, RESULT_FIELD_GOAL_GOOD);
    EXPECT_EQ(Is_Play_From_Scrimmage(&Play), 0);
    Set_Play_Result(&Play, RESULT_UNDECIDED);
    EXPECT_EQ(Is_Play_From_Scrimmage(&Play), 0);
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
        {0, 8, 1},     {899, 0, 1},   {900, 1, 2},   {1799, 2, 2},
        {1800, 0, 3},  {1800, 11, 2}, // the try after a touchdown on the last play of the half
        {2700, 11, 4}, {3599, 3, 4},  {3600, 0, 5},  {3600, 11, 4},
        {3601, 0, 5},  {4199, 0, 5},  {4200, 8, 6},  {4800, 0, 7}, // 600-second periods
    };
    for (const auto& c : Case) {
        Set_Clock(c.nClock, 0, 0, c.nDown);
        EXPECT_EQ(Get_Game_Quarter(&Game), c.nQuarter) << c.nClock << " down " << c.nDown;
    }

    // Playoff overtime periods are 900 seconds whatever the preference.
    Game.nWeek = FIRST_PLAYOFF_WEEK;
    Set_Clock(4200, 0, 0);
    EXPECT_EQ(Get_Game_Quarter(&Game), 5);
    Set_Clock(4500, 0, 0);
    EXPECT_EQ(Get_Game_Quarter(&Game), 6);

    // A damaged file with no period length: counted as 900 seconds, no crash.
    Game.nWeek = 4;
    Set_User_Preference(PREF_MINUTES_PER_PERIOD, 0);
    EXPECT_EQ(Get_Overtime_Period_Length(&Game), 900);
    Set_Clock(4500, 0, 0);
    EXPECT_EQ(Get_Game_Quarter(&Game), 6);
    Set_User_Preference(PREF_MINUTES_PER_PERIOD, -5);
    EXPECT_EQ(Get_Overtime_Period_Length(&Game), 900);
    Set_User_Preference(PREF_MINUTES_PER_PERIOD, 0x7FFFFFFF);   // would overflow x 60
    EXPECT_GT(Get_Overtime_Period_Length(&Game), 0);

    EXPECT_EQ(Get_Game_Quarter(nullptr), 0);
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
        {-1, 4, 3600, 17, 24, 0, 0, 1},
        {-1, 4, 3600, 20, 20, 0, 0, 1},                    // a season tie stands ...
        {-1, 4, 3600, 20, 26, CONVERSION_ATTEMPT, 0, 0},   // ... after the pending try
        {OVERTIME_SUDDEN_DEATH, 4, 3600, 20, 20, 0, 0, 0},
        {OVERTIME_SUDDEN_DEATH, 4, 4199, 20, 20, 0, 0, 0},
        {OVERTIME_SUDDEN_DEATH, 4, 4200, 20, 20, 0, 0, 1},   // still tied: a tie
        {OVERTIME_SUDDEN_DEATH, 4, 3700, 23, 20, 0, 0, 1},
        // A lead under 6 waits for the other side's possession.
        {OVERTIME_SIX_POINT_THRESHOLD, 4, 3800, 20, 23, 0, 0, 0},
        {OVERTIME_SIX_POINT_THRESHOLD, 4, 3800, 20, 23, 0, OVERTIME_HOME_HAD_BALL, 0},
        {OVERTIME_SIX_POINT_THRESHOLD, 4, 3800, 20, 23, 0, OVERTIME_HOME_HAD_BALL | OVERTIME_AWAY_HAD_BALL, 1},
        {OVERTIME_SIX_POINT_THRESHOLD, 4, 3800, 20, 26, 0, OVERTIME_HOME_HAD_BALL, 1},   // six end it at once
        {OVERTIME_SIX_POINT_THRESHOLD, 4, 3800, 25, 20, 0, OVERTIME_HOME_HAD_BALL, 1},
        {OVERTIME_SIX_POINT_THRESHOLD, 4, 4200, 20, 23, 0, 0, 1},   // the period ran out
        {OVERTIME_SIX_POINT_THRESHOLD_NO_TIES, 4, 9000, 20, 23, 0, 0, 0},
        {OVERTIME_SIX_POINT_THRESHOLD_NO_TIES, 4, 9000, 20, 20, 0, 0, 0},
        {OVERTIME_SUDDEN_DEATH_NO_TIES, 4, 5400, 20, 20, 0, 0, 0},
        {OVERTIME_SUDDEN_DEATH_NO_TIES, 4, 5401, 20, 22, 0, 0, 1},
        {9, 4, 9000, 20, 20, 0, 0, 0},   // an unknown rule is never over
        // Playoffs read their own rule (here "no ties") whatever preference 175 says.
        {-2, FIRST_PLAYOFF_WEEK + 1, 3600, 20, 20, 0, 0, 0},
        {-2, FIRST_PLAYOFF_WEEK + 1, 4500, 20, 20, 0, 0, 0},
    };
    Set_User_Preference(PREF_OVERTIME_RULE_2, OVERTIME_SUDDEN_DEATH_NO_TIES);
    for (const auto& c : Case) {
        Set_User_Preference(PREF_SEASON_RULE_175, c.nRule >= 0 ? 1 : 0);
        Set_User_Preference(PREF_OVERTIME_RULE, c.nRule >= 0 ? c.nRule : OVERTIME_SUDDEN_DEATH);
        Game.nWeek = static_cast<int16_t>(c.nWeek);
        Game.nOvertimePossession = c.nPossession;
        Set_Clock(c.nClock, c.nAway, c.nHome, c.nDown);
        EXPECT_EQ(Is_Game_Over(&Game), c.bOver) << c.nRule << " at " << c.nClock;
    }
    EXPECT_EQ(Is_Game_Over(nullptr), 0);
}

// ---------------------------------------------------------------------------
// Possession and the winner

TEST_F(GameRecordTest, PossessionAndWinner)
{
    Game.nOffense = HOME;
    EXPECT_EQ(Get_Game_Offense_Team(&Game), HOME);
    EXPECT_EQ(Get_Game_Defense_Team(&Game), AWAY);
    EXPECT_TRUE(Is_Home_Team_On_Offense(&Game));
    EXPECT_FALSE(Is_Away_Team_On_Offense(&Game));
    Game.nOffense = AWAY;
    EXPECT_EQ(Get_Game_Defense_Team(&Game), HOME);
    EXPECT_TRUE(Is_Away_Team_On_Offense(&Game));
    EXPECT_EQ(Get_Game_Defense_Team(nullptr), 0);
    EXPECT_FALSE(Is_Away_Team_On_Offense(nullptr));

    // NO_TEAM is the byte 0x80 and reads as 128.
    Game.nOffense = NO_TEAM;
    EXPECT_EQ(Get_Game_Offense_Team(&Game), 128);

    Set_User_Preference(PREF_SEASON_RULE_175, 1);
    Set_User_Preference(PREF_OVERTIME_RULE, OVERTIME_SUDDEN_DEATH);
    Set_User_Preference(PREF_MINUTES_PER_PERIOD, 10);
    Set_Clock(1200, 10, 17);
    EXPECT_EQ(Get_Game_Winner(&Game), HOME);
    Set_Clock(3600, 21, 17);
    EXPECT_EQ(Get_Game_Winner(&Game), AWAY);
    // Tied at 3,600 and not over: the home team until overtime decides it.
    Set_Clock(3600, 17, 17);
    EXPECT_EQ(Get_Game_Winner(&Game), HOME);
    // A tie that stands: nobody.
    Set_Clock(4200, 17, 17);
    EXPECT_EQ(Get_Game_Winner(&Game), NO_TEAM);
    EXPECT_EQ(Get_Game_Winner(nullptr), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

// ---------------------------------------------------------------------------
// Box statistics of the players

TEST_F(GameRecordTest, PlayerStatAndTopPlayer)
{
    Put_Player(HOME, 1, 0, 1001, 0);    // QB
    Put_Player(HOME, 1, 1, 1002, 1);    // RB
    Put_Player(HOME, 1, 2, 1003, 4);    // WR
    Put_Player(HOME, 1, 3, 1004, 10);   // LB
    Put_Player(HOME, 1, 4, 1005, 13);   // K
    Put_Player(HOME, 1, 5, 1006, 14);   // P
    Put_Player(HOME, 1, 6, 1007, 4);    // WR
    Put_Player(HOME, 1, 51, 1051, 4);   // beyond the entries the readers look at
    auto& Stat = Game.nPlayerGameStat[1];
    Stat[0][0] = 30;
    Stat[1][2] = 40;
    Stat[2][2] = 55;
    Stat[6][2] = 55;                    // equal to slot 2: the first one wins
    Stat[3][2] = 9;
    Stat[3][1] = -3;
    Stat[4][0] = 7;
    Stat[5][0] = 12;                    // a punter with statistics
    Stat[51][2] = 99;

    EXPECT_EQ(Get_Game_Player_Stat(&Game, 1, 2, 2), 55);
    EXPECT_EQ(Get_Game_Player_Stat(&Game, 1, 3, 1), -3);
    EXPECT_EQ(Get_Game_Player_Stat(&Game, 0, 2, 2), 0);

    EXPECT_EQ(Get_Game_Top_Player(&Game, 2, 1, 1), 1003);   // backs and receivers
    EXPECT_EQ(Get_Game_Top_Player(&Game, 2, 15, 1), 1003);  // any position; slot 51 unseen
    EXPECT_EQ(Get_Game_Top_Player(&Game, 0, 15, 1), 1001);  // QB 30 beats P 12 and K 7
    EXPECT_EQ(Get_Game_Top_Player(&Game, 0, -1, 1), 1001);  // a page's "all positions"
    EXPECT_EQ(Get_Game_Top_Player(&Game, 0, 0, 1), 1001);   // quarterbacks
    EXPECT_EQ(Get_Game_Top_Player(&Game, 2, 10, 1), 1004);  // defenders
    EXPECT_EQ(Get_Game_Top_Player(&Game, 1, 10, 1), -1);    // no positive value
    EXPECT_EQ(Get_Game_Top_Player(&Game, 0, 13, 1), 1005);  // kickers
    EXPECT_EQ(Get_Game_Top_Player(&Game, 0, 14, 1), -1);    // punters: never
    for (int nCategory : {5, 6, 7})
        EXPECT_EQ(Get_Game_Top_Player(&Game, 2, nCategory, 1), -1) << nCategory;
    EXPECT_EQ(Get_Game_Top_Player(&Game, 2, 1, 0), -1);     // the away side has nothing
    EXPECT_EQ(Errors_Reported(), 0);

    // After kick-off the receiver moves to slot 9 and a quarterback takes
    // slot 2: the box score still names the receiver among the receivers.
    League.Team[HOME].Player[9] = League.Team[HOME].Player[2];
    League.Team[HOME].Player[2].nVital[VITAL_PLAYER_ID] = 2000;
    League.Team[HOME].Player[2].nVital[VITAL_POSITION] = 0;
    EXPECT_EQ(Get_Game_Top_Player(&Game, 2, 1, 1), 1003);
    EXPECT_EQ(Get_Game_Top_Player(&Game, 2, 0, 1), -1);

    // Records not between two franchises give 0 without a report.
    for (int nAway : {HOME, FREE_AGENT_TEAM}) {
        Game.nAwayTeam = static_cast<uint8_t>(nAway);
        EXPECT_EQ(Get_Game_Player_Stat(&Game, 1, 2, 2), 0) << nAway;
    }
    Game.nAwayTeam = AWAY;
    Game.nHomeTeam = NO_TEAM;
    EXPECT_EQ(Get_Game_Player_Stat(&Game, 1, 2, 2), 0);
    EXPECT_EQ(Get_Game_Top_Player(&Game, 2, 15, 1), -1);
    Game.nHomeTeam = HOME;
    EXPECT_EQ(Get_Game_Player_Stat(nullptr, 1, 2, 2), 0);
    EXPECT_EQ(Get_Game_Top_Player(nullptr, 2, 15, 1), -1);
    EXPECT_EQ(Errors_Reported(), 0);

    // Bad side, entry or figure: reported with the bad one in brackets.
    EXPECT_EQ(Get_Game_Player_Stat(&Game, 2, 2, 2), 0);
    EXPECT_TRUE(Last_Error_Contains("bTeam out of bounds in Get_Game_Player_Stat(pGame,[2],2,2)"));
    EXPECT_EQ(Get_Game_Player_Stat(&Game, 1, 51, 2), 0);
    EXPECT_TRUE(Last_Error_Contains("nSlot out of bounds in Get_Game_Player_Stat(pGame,1,[51],2)"));
    EXPECT_EQ(Get_Game_Player_Stat(&Game, 1, -1, 2), 0);
    EXPECT_EQ(Get_Game_Player_Stat(&Game, 1, 2, 5), 0);
    EXPECT_TRUE(Last_Error_Contains("nFigure out of bounds in Get_Game_Player_Stat(pGame,1,2,[5])"));
    EXPECT_EQ(Get_Game_Top_Player(&Game, 2, 1, -1), -1);
    EXPECT_TRUE(Last_Error_Contains("bTeam out of bounds in Get_Game_Top_Player(pGame,2,1,[-1])"));
    EXPECT_EQ(Get_Game_Top_Player(&Game, 5, 1, 1), -1);
    EXPECT_TRUE(Last_Error_Contains("nFigure out of bounds in Get_Game_Top_Player(pGame,[5],1,1)"));
    EXPECT_EQ(Errors_Reported(), 6);
}

// ---------------------------------------------------------------------------
// Per-game team counters and totals

TEST_F(GameRecordTest, TeamCountersAndTotals)
{
    Increment_Game_Team_Stat(&Game, 1, GAME_STAT_RED_ZONE_TRIPS);
    Increment_Game_Team_Stat(&Game, 1, GAME_STAT_RED_ZONE_TRIPS);
    Increment_Game_Team_Stat(&Game, 0, GAME_STAT_PUNTS);
    EXPECT_EQ(Game.bTeamStat[1][1], 2);
    EXPECT_EQ(Game.bTeamStat[0][6], 1);
    Set_Game_Team_Stat(&Game, 0, GAME_STAT_RED_ZONE_START, 300);   // a byte: 300 - 256
    EXPECT_EQ(Game.bTeamStat[0][9], 44);

    Increment_Game_Team_Total(&Game, 0, GAME_TOTAL_RUSHING_YARDS, 12);
    Increment_Game_Team_Total(&Game, 0, GAME_TOTAL_RUSHING_YARDS, 5);
    EXPECT_EQ(Game.nTeamTotal[0][6], 17);
    Increment_Game_Team_Total(&Game, 1, GAME_TOTAL_PENALTY_YARDS, -3);   // 16-bit: 65,536 - 3
    EXPECT_EQ(Game.nTeamTotal[1][13], 65533);

    // During a conversion try only red-zone touchdowns count; no totals.
    Game.nDown = CONVERSION_ATTEMPT | GAME_DOWN_FLAG_CLOCK_STOPPED;
    Increment_Game_Team_Stat(&Game, 1, GAME_STAT_RED_ZONE_TRIPS);
    Increment_Game_Team_Stat(&Game, 1, GAME_STAT_RED_ZONE_TOUCHDOWNS);
    Increment_Game_Team_Total(&Game, 0, GAME_TOTAL_RUSHING_YARDS, 2);
    EXPECT_EQ(Game.bTeamStat[1][1], 2);
    EXPECT_EQ(Game.bTeamStat[1][2], 1);
    EXPECT_EQ(Game.nTeamTotal[0][6], 17);
    Set_Game_Team_Stat(&Game, 1, GAME_STAT_FUMBLES, 1);   // setting is not a count
    EXPECT_EQ(Game.bTeamStat[1][7], 1);
    EXPECT_EQ(Errors_Reported(), 0);

    // Bad sides and indexes are refused with their messages; nothing is written.
    Game.nDown = 0;
    LEAGUE_SNAPSHOT Before;
    Increment_Game_Team_Stat(&Game, 2, 1);
    EXPECT_TRUE(Last_Error_Contains("Invalid bTeam passed to Increment_Game_Team_Stat(pGame,[2],nStat,nAmount"));
    Increment_Game_Team_Stat(&Game, 0, 16);
    EXPECT_TRUE(Last_Error_Contains("Invalid nStat passed to Increment_Game_Team_Stat(pGame,bTeam,[16],nAmount"));
    Increment_Game_Team_Stat(&Game, 0, -1);
    Set_Game_Team_Stat(&Game, -1, 1, 5);
    EXPECT_TRUE(Last_Error_Contains("Invalid bTeam passed to Set_Game_Team_Stat(pGame,[-1],nStat,nValue"));
    Set_Game_Team_Stat(&Game, 0, 16, 5);
    EXPECT_TRUE(Last_Error_Contains("Invalid nStat passed to Set_Game_Team_Stat(pGame,bTeam,[16],nValue"));
    Increment_Game_Team_Total(&Game, 3, 1, 5);
    EXPECT_TRUE(Last_Error_Contains("Invalid bTeam passed to Increment_Game_Team_Total(pGame,[3],nStat,nAmount"));
    Increment_Game_Team_Total(&Game, 1, 20, 5);
    EXPECT_TRUE(Last_Error_Contains("Invalid nStat passed to Increment_Game_Team_Total(pGame,bTeam,[20],nAmount"));
    EXPECT_EQ(Errors_Reported(), 7);
    Increment_Game_Team_Stat(nullptr, 0, 1);
    Set_Game_Team_Stat(nullptr, 0, 1, 1);
    Increment_Game_Team_Total(nullptr, 0, 1, 1);
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_TRUE(Before.Unchanged());
}

}  // namespace
