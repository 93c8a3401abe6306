// The play summary sentence, penalty names, clock, ball spot and down texts.
// Expected texts are written out by hand from the wording rules.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "base/text_utils.h"
#include "engine/play_wording.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_fixture.h"
#include "league/player.h"
#include "league/player_hash.h"
#include "league/preferences.h"
#include "league/team.h"
#include "test_support.h"

namespace {

constexpr int AWAY = 1;
constexpr int HOME = 4;
constexpr int RUNNER_ID = 501;
constexpr int TACKLER_ID = 602;

class PlayWordingTest : public LeagueTest {
protected:
    GAME& Game = League.Game[3];
    PLAY Play{};

    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(6);
        Set_Regular_Season_Weeks(17);
        Set_Team_String("BOS", AWAY, TEAM_STRING_ABBREVIATION);
        Set_Team_String("Boston", AWAY, TEAM_STRING_CITY);
        Set_Team_String("Owls", AWAY, TEAM_STRING_NICKNAME);
        Set_Team_String("GB", HOME, TEAM_STRING_ABBREVIATION);
        Set_Team_String("Green Bay", HOME, TEAM_STRING_CITY);
        Set_Team_String("Packers", HOME, TEAM_STRING_NICKNAME);
        Put_Player(AWAY, 0, RUNNER_ID, POSITION_RB);
        Set_Player_Last_Name(AWAY, 0, "Rusk");
        Put_Player(HOME, 0, TACKLER_ID, POSITION_LB);
        Set_Player_Last_Name(HOME, 0, "Hale");
        Build_Player_ID_Hash();
        Game.nAwayTeam = AWAY;
        Game.nHomeTeam = HOME;
        Game.nOffense = AWAY;
        Play.nPlayer1 = RUNNER_ID;
        Play.nPlayer2 = TACKLER_ID;
    }

    std::string Sentence(int nResult, int y, int r = 0)
    {
        Set_Play_Result(&Play, nResult);
        Play.nYard1 = static_cast<int8_t>(y);
        Play.nYard2 = static_cast<int8_t>(r);
        char szText[TEXT_BUFFER_SIZE];
        Write_Play_Summary_Sentence(&Game, &Play, szText, sizeof(szText));
        return szText;
    }

    std::string Clock(int nClock, int bZero, int nDown = 0)
    {
        Game.nClock = static_cast<int16_t>(nClock);
        Game.nDown = static_cast<uint32_t>(nDown);
        char szText[TEXT_BUFFER_SIZE];
        Format_Game_Clock(&Game, bZero, szText, sizeof(szText));
        return szText;
    }

    std::string Spot(int nYardLine)
    {
        Game.nYardLine = static_cast<int8_t>(nYardLine);
        char szText[TEXT_BUFFER_SIZE];
        Format_Ball_Spot(&Game, szText, sizeof(szText));
        return szText;
    }

    std::string Down(int nDown, int nToGo, int nYardLine, int bLong)
    {
        Game.nDown = static_cast<uint32_t>(nDown);
        Game.nToGo = static_cast<int8_t>(nToGo);
        Game.nYardLine = static_cast<int8_t>(nYardLine);
        char szText[TEXT_BUFFER_SIZE];
        Format_Down_And_Distance(&Game, szText, sizeof(szText), bLong);
        return szText;
    }
};

TEST(PenaltyName, Codes)
{
    char szName[TEXT_BUFFER_SIZE];
    Get_Penalty_Name(0, szName, sizeof(szName));
    EXPECT_STREQ(szName, "Encroachment");
    Get_Penalty_Name(5, szName, sizeof(szName));
    EXPECT_STREQ(szName, "Unnecessary Roughness");
    Get_Penalty_Name(10, szName, sizeof(szName));
    EXPECT_STREQ(szName, "Offensive Pass Interference");
    Get_Penalty_Name(15, szName, sizeof(szName));
    EXPECT_STREQ(szName, "Unnecessary Roughness");
    Get_Penalty_Name(16, szName, sizeof(szName));
    EXPECT_STREQ(szName, "");
}

TEST_F(PlayWordingTest, Runs)
{
    EXPECT_EQ(Sentence(RESULT_RUN_LEFT, 7), "Rusk rushes left for 7 yards");
    EXPECT_EQ(Sentence(RESULT_RUN_MIDDLE, 1), "Rusk rushes up the middle for 1 yard");
    EXPECT_EQ(Sentence(RESULT_RUN_RIGHT, 0), "Rusk rushes right for no gain");
    EXPECT_EQ(Sentence(RESULT_RUN_RIGHT, -3), "Rusk rushes right for a 3-yard loss");
    EXPECT_EQ(Sentence(RESULT_TOUCHDOWN_RUN, 12), "Rusk 12-yard TD run!");
}

TEST_F(PlayWordingTest, PassesNameThePasserSecond)
{
    // A is the receiver (first reference), B the passer (second).
    EXPECT_EQ(Sentence(RESULT_PASS_COMPLETE, 14), "Hale 14-yard pass to Rusk");
    EXPECT_EQ(Sentence(RESULT_PASS_COMPLETE, 0), "Hale pass to Rusk for no gain");
    EXPECT_EQ(Sentence(RESULT_PASS_COMPLETE, -4), "Hale pass to Rusk for (4-yard loss)");
    EXPECT_EQ(Sentence(RESULT_PASS_INCOMPLETE, 0), "Hale incomplete to Rusk");
    EXPECT_EQ(Sentence(RESULT_SACKED, -8), "Rusk sacked by Hale for 8-yard loss");
    EXPECT_EQ(Sentence(RESULT_TOUCHDOWN_PASS, 33), "Hale 33-yard TD pass to Rusk");
}

TEST_F(PlayWordingTest, TextsAreCutToTheCallersBuffer)
{
    // "Rusk rushes left for 7 yards" in 10 bytes: nine characters and the
    // terminator; the byte after the buffer is never written.
    Set_Play_Result(&Play, RESULT_RUN_LEFT);
    Play.nYard1 = 7;
    char szText[12];
    std::memset(szText, 'x', sizeof szText);
    Write_Play_Summary_Sentence(&Game, &Play, szText, 10);
    EXPECT_STREQ(szText, "Rusk rush");
    EXPECT_EQ(szText[10], 'x');
    std::memset(szText, 'x', sizeof szText);
    Get_Penalty_Name(3, szText, 6);
    EXPECT_STREQ(szText, "Rough");
    EXPECT_EQ(szText[6], 'x');
    std::memset(szText, 'x', sizeof szText);
    Game.nYardLine = 30;
    Format_Ball_Spot(&Game, szText, 4);
    EXPECT_STREQ(szText, "(GB");
    Game.nClock = 0;
    Format_Game_Clock(&Game, 0, szText, 3);
    EXPECT_STREQ(szText, "15");
    Format_Down_And_Distance(&Game, szText, 2, 1);
    EXPECT_STREQ(szText, "1");
    // A buffer of no bytes is left alone.
    std::memset(szText, 'x', sizeof szText);
    Write_Play_Summary_Sentence(&Game, &Play, szText, 0);
    Format_Down_And_Distance(&Game, szText, 0, 1);
    EXPECT_EQ(szText[0], 'x');
}

TEST_F(PlayWordingTest, Kicks)
{
    EXPECT_EQ(Sentence(RESULT_KICKOFF_RETURNED, 35, 70), "Rusk returns kickoff 35 yards to his 30");
    EXPECT_EQ(Sentence(RESULT_KICKOFF_RETURNED, 60, 45), "Rusk returns kickoff to opponent's 45!");
    EXPECT_EQ(Sentence(RESULT_PUNT_RETURNED, 44, 9), "44-yard punt returned 9 yards by Rusk");
    EXPECT_EQ(Sentence(RESULT_PUNT_RETURNED, 44, 0), "44-yard punt - Fair catch by Rusk");
    EXPECT_EQ(Sentence(RESULT_FIELD_GOAL_GOOD, 47), "Rusk kicks 47-yard FG");
    EXPECT_EQ(Sentence(RESULT_PUNT_TOUCHBACK, 0), "Punt went into endzone for a touchback");
    EXPECT_EQ(Sentence(RESULT_ONSIDE_KICK_KEPT, 0), "Onside kick recovered by Owls!");
    EXPECT_EQ(Sentence(RESULT_ONSIDE_KICK_LOST, 0), "Onside kick recovered by Owls");
    EXPECT_EQ(Sentence(RESULT_TWO_POINT_FAILED, 0), "2-pt conversion failed (Rusk)");
}

TEST_F(PlayWordingTest, PenaltySentence)
{
    EXPECT_EQ(Sentence(RESULT_PENALTY, 15, 11), "Offensive Holding (Rusk): 15 yards");
}

TEST_F(PlayWordingTest, MissingPlayerNamedByHisSideTeam)
{
    Play.nPlayer2 = -1;
    Set_Play_Home_Bit(&Play, 1);
    EXPECT_EQ(Sentence(RESULT_PASS_INCOMPLETE, 0), "Green Bay incomplete to Rusk");
    // A safety names the other side.
    Play.nPlayer2 = 0;
    EXPECT_EQ(Sentence(RESULT_SAFETY, 0), "Rusk tackled by Boston for a safety");
    Play.nPlayer2 = 77777;   // not found
    Game.nHomeTeam = ALL_TEAMS;
    EXPECT_EQ(Sentence(RESULT_PASS_INCOMPLETE, 0), "NFL Average incomplete to Rusk");
    Game.nHomeTeam = NO_TEAM;
    EXPECT_EQ(Sentence(RESULT_PASS_INCOMPLETE, 0), " incomplete to Rusk");
}

// A player who no longer exists (his club erased, or dropped from the free
// agents) is named by his own club: the side whose game roster holds him,
// else the side his part in the play puts him on. Boston (away) has the ball
// at every snap here unless said; Green Bay defends and receives the kicks.
TEST_F(PlayWordingTest, AGonePlayerIsNamedByHisOwnClub)
{
    constexpr int GONE_1 = 9001;
    constexpr int GONE_2 = 9002;
    Play.nPlayer1 = GONE_1;
    Play.nPlayer2 = GONE_2;
    Set_Play_Home_Bit(&Play, 0);
    // The kicking side's punter and the returner of the other.
    EXPECT_EQ(Sentence(RESULT_PUNT_RETURNED, 58, 3), "58-yard punt returned 3 yards by Green Bay");
    EXPECT_EQ(Sentence(RESULT_PUNT_RETURNED, 44, 0), "44-yard punt - Fair catch by Green Bay");
    EXPECT_EQ(Sentence(RESULT_PUNT_RETURN_TOUCHDOWN, 70), "Punt returned by Green Bay for a TD!");
    EXPECT_EQ(Sentence(RESULT_PUNT_MUFFED, 0), "Green Bay fumbles punt - Boston recovers");
    EXPECT_EQ(Sentence(RESULT_KICKOFF_RETURNED, 35, 70), "Green Bay returns kickoff 35 yards to his 30");
    EXPECT_EQ(Sentence(RESULT_KICKOFF_RETURN_TOUCHDOWN, 100), "Green Bay returned kickoff for a TD!");
    EXPECT_EQ(Sentence(RESULT_KICKOFF_RETURN_FUMBLE, 20), "Kickoff return fumbled by Green Bay -- Boston recovers");
    // Defenders: the one who knocked a pass down, the interceptor, the
    // sacker, the recoverer of a fumble and the tackler of a safety.
    EXPECT_EQ(Sentence(RESULT_PASS_KNOCKED_DOWN, 0), "Pass to Boston knocked down by Green Bay");
    EXPECT_EQ(Sentence(RESULT_PASS_INTERCEPTED, 0), "Pass to Boston intercepted by Green Bay");
    EXPECT_EQ(Sentence(RESULT_INTERCEPTION_TOUCHDOWN, 40), "Green Bay returns interception for a TD!");
    EXPECT_EQ(Sentence(RESULT_SACKED, -7), "Boston sacked by Green Bay for 7-yard loss");
    EXPECT_EQ(Sentence(RESULT_SACK_FUMBLE_LOST, 5), "Boston fumble recovered by Green Bay");
    EXPECT_EQ(Sentence(RESULT_RUN_FUMBLE_LOST, 3), "Boston fumble recovered by Green Bay");
    EXPECT_EQ(Sentence(RESULT_FUMBLE_RETURN_TOUCHDOWN, 30), "Boston fumble recovered by Green Bay for TD");
    EXPECT_EQ(Sentence(RESULT_SAFETY, -1), "Boston tackled by Green Bay for a safety");
    // The offence's own: passer, receiver, runner, kicker.
    EXPECT_EQ(Sentence(RESULT_PASS_COMPLETE, 14), "Boston 14-yard pass to Boston");
    EXPECT_EQ(Sentence(RESULT_TOUCHDOWN_PASS, 9), "Boston 9-yard TD pass to Boston");
    EXPECT_EQ(Sentence(RESULT_RUN_LEFT, 7), "Boston rushes left for 7 yards");
    EXPECT_EQ(Sentence(RESULT_FIELD_GOAL_GOOD, 47), "Boston kicks 47-yard FG");
    EXPECT_EQ(Sentence(RESULT_EXTRA_POINT_GOOD, 0), "Boston kicked the extra point");
    // A foul names the side that committed it.
    EXPECT_EQ(Sentence(RESULT_PENALTY, 5, 2), "Defensive Holding (Green Bay): 5 yards");
    EXPECT_EQ(Sentence(RESULT_PENALTY, 15, 6), "Pass Interference (Green Bay): 15 yards");
    EXPECT_EQ(Sentence(RESULT_PENALTY, 10, 11), "Offensive Holding (Boston): 10 yards");
    EXPECT_EQ(Sentence(RESULT_PENALTY, 5, 7), "Offensive Offsides (Boston): 5 yards");
    // The sides follow the ball: Green Bay punting, Boston returning.
    Set_Play_Home_Bit(&Play, 1);
    EXPECT_EQ(Sentence(RESULT_PUNT_RETURNED, 58, 3), "58-yard punt returned 3 yards by Boston");
    EXPECT_EQ(Sentence(RESULT_SACKED, -7), "Green Bay sacked by Boston for 7-yard loss");

    // On the game roster a player is named by the side he was on, whatever
    // his part: a try that failed when a Green Bay defender picked it off.
    Set_Play_Home_Bit(&Play, 0);
    Game.nRosterID[GAME_SIDE_HOME][12] = GONE_1;
    EXPECT_EQ(Sentence(RESULT_TWO_POINT_FAILED, 0), "2-pt conversion failed (Green Bay)");
    Game.nRosterID[GAME_SIDE_HOME][12] = 0;
    EXPECT_EQ(Sentence(RESULT_TWO_POINT_FAILED, 0), "2-pt conversion failed (Boston)");
    // A Boston returner on Boston's roster though Boston had the ball.
    Game.nRosterID[GAME_SIDE_AWAY][79] = GONE_1;
    EXPECT_EQ(Sentence(RESULT_PUNT_RETURNED, 58, 3), "58-yard punt returned 3 yards by Boston");
    // The second player is looked for by his own ID: the sacked passer on
    // Boston's roster says nothing of the sacker, on none (his part puts him
    // on Green Bay) or on Green Bay's.
    EXPECT_EQ(Sentence(RESULT_SACKED, -7), "Boston sacked by Green Bay for 7-yard loss");
    Game.nRosterID[GAME_SIDE_HOME][5] = GONE_2;
    EXPECT_EQ(Sentence(RESULT_SACKED, -7), "Boston sacked by Green Bay for 7-yard loss");
    Game.nRosterID[GAME_SIDE_HOME][5] = 0;
    // A player still in the league is named by his last name.
    Play.nPlayer1 = TACKLER_ID;
    EXPECT_EQ(Sentence(RESULT_PUNT_RETURNED, 58, 3), "58-yard punt returned 3 yards by Hale");
}

TEST_F(PlayWordingTest, UnhandledResultAndWildYards)
{
    EXPECT_EQ(Sentence(RESULT_UNDECIDED, 0), "UNHANDLED nResult (32) in PLAY");
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_EQ(Sentence(RESULT_RUN_LEFT, -110), "Rusk rushes left for a 110-yard loss");
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_TRUE(Last_Error_Contains("Write_Play_Summary_Sentence: pPlay->nYard1 = -110"));
    Sentence(RESULT_FIELD_GOAL_MISSED, 110);
    EXPECT_EQ(Errors_Reported(), 0);
    Sentence(RESULT_FIELD_GOAL_GOOD, 100);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayWordingTest, GameClock)
{
    EXPECT_EQ(Clock(0, 0), "15:00");
    EXPECT_EQ(Clock(0, 1), "0:00");
    EXPECT_EQ(Clock(1000, 1), "13:20");
    EXPECT_EQ(Clock(1799, 0), "0:01");
    // The try after a touchdown on the last play of the half.
    EXPECT_EQ(Clock(1800, 0, CONVERSION_ATTEMPT), "0:00");
    EXPECT_EQ(Clock(1800, 0), "15:00");
    // Regular-season overtime of 10 minutes.
    Set_User_Preference(PREF_MINUTES_PER_PERIOD, 10);
    Game.nWeek = 5;
    EXPECT_EQ(Clock(3600, 0), "10:00");
    EXPECT_EQ(Clock(3600, 1), "0:00");
    EXPECT_EQ(Clock(3725, 1), "7:55");
    // Playoff overtime periods last 15 minutes.
    Game.nWeek = 18;
    EXPECT_EQ(Clock(3725, 1), "12:55");
}

TEST_F(PlayWordingTest, TheScoreboardClockOfATryAtTheGunReadsZeroInThePeriodThatEnded)
{
    const auto Board = [this](int nClock, int nDown) {
        Game.nClock = static_cast<int16_t>(nClock);
        Game.nDown = static_cast<uint32_t>(nDown);
        char szText[TEXT_BUFFER_SIZE];
        Format_Scoreboard_Clock(&Game, szText, sizeof(szText));
        return std::string(szText);
    };
    Game.nWeek = 5;
    // 3,578 s: 22 s left; the touchdown ran the clock to 3,600.
    EXPECT_EQ(Board(3578, 0), "4th 0:22");
    EXPECT_EQ(Board(3600, CONVERSION_ATTEMPT), "4th 0:00");
    // The same second with no try pending is the overtime's start.
    EXPECT_EQ(Board(3600, KICKOFF_DOWN), "OT 15:00");
    // The first and third quarters' last plays, and the half's.
    EXPECT_EQ(Board(900, CONVERSION_ATTEMPT), "1st 0:00");
    EXPECT_EQ(Board(900, 0), "2nd 15:00");
    EXPECT_EQ(Board(1800, CONVERSION_ATTEMPT), "2nd 0:00");
    EXPECT_EQ(Board(2700, CONVERSION_ATTEMPT), "3rd 0:00");
    EXPECT_EQ(Board(1000, 0), "2nd 13:20");
    // Overtime periods of 10 minutes: the first ends at 4,200 s.
    Set_User_Preference(PREF_MINUTES_PER_PERIOD, 10);
    EXPECT_EQ(Board(3725, 0), "OT 7:55");
    EXPECT_EQ(Board(4200, CONVERSION_ATTEMPT), "OT 0:00");
    EXPECT_EQ(Board(4200, KICKOFF_DOWN), "OT2 10:00");
    EXPECT_EQ(Board(4800, CONVERSION_ATTEMPT), "OT2 0:00");
    // The log's and the recap's clock is the same time.
    char szClock[TEXT_BUFFER_SIZE];
    Board(4200, CONVERSION_ATTEMPT);
    Format_Play_Clock(&Game, szClock, sizeof(szClock));
    EXPECT_STREQ(szClock, "0:00");
    Board(900, CONVERSION_ATTEMPT);
    Format_Play_Clock(&Game, szClock, sizeof(szClock));
    EXPECT_STREQ(szClock, "0:00");
    Board(900, 0);
    Format_Play_Clock(&Game, szClock, sizeof(szClock));
    EXPECT_STREQ(szClock, "15:00");
}

TEST_F(PlayWordingTest, BallSpot)
{
    EXPECT_EQ(Spot(50), "(--  50)");
    EXPECT_EQ(Spot(70), "(BOS 30)");
    EXPECT_EQ(Spot(5), "(GB   5)");
    Game.nOffense = HOME;
    EXPECT_EQ(Spot(38), "(BOS 38)");
}

TEST_F(PlayWordingTest, DownAndDistance)
{
    EXPECT_EQ(Down(0, 10, 40, 0), "1-10");
    EXPECT_EQ(Down(2, 4, 5, 1), "3-4");
    EXPECT_EQ(Down(0, 5, 5, 0), "1-G");
    EXPECT_EQ(Down(3, 9, 2, 0), "4-G");
    EXPECT_EQ(Down(KICKOFF_DOWN, 0, 65, 0), "KICK");
    EXPECT_EQ(Down(KICKOFF_DOWN, 0, 65, 1), "Kickoff");
    EXPECT_EQ(Down(SAFETY_KICK_DOWN, 0, 80, 1), "Free Kick");
    EXPECT_EQ(Down(CONVERSION_ATTEMPT, 2, 2, 0), "CONV");
    EXPECT_EQ(Down(CONVERSION_ATTEMPT, 2, 2, 1), "Conversion");
    EXPECT_EQ(Down(FURTHER_KICK_DOWN, 0, 65, 1), "----");
    // Flags above the down code do not change the text.
    EXPECT_EQ(Down(1 | static_cast<int>(GAME_DOWN_FLAG_CHANGED_HANDS), 7, 50, 0), "2-7");
}

}  // namespace
