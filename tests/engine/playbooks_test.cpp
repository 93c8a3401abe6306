// The playbook accessors, the built-in tables, the default playbook and the
// usage tallies.

#include <algorithm>
#include <cstring>
#include <iterator>

#include "engine/playbooks.h"
#include "league/league_fixture.h"
#include "league/preferences.h"
#include "league/team.h"
#include "test_support.h"

namespace {

class PlaybooksTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(4);
        for (int t = 0; t < 4; ++t)
            Build_Team_Default_Playbook(t);
        Set_Playbook_Current_Game(nullptr);
        Reset_Error_Count();
    }
    void TearDown() override { Set_Playbook_Current_Game(nullptr); }

    static OFFENSIVE_PLAY& Team_Play(int nTeam, int nPlay) { return Get_Offensive_Playbook_Area(nTeam)->Play[nPlay]; }

    // Team 2 away with the ball against team 3, calls i and j, at the snap
    // of the down (0-3) with nToGo to go; the play gained nGain with nResult.
    GAME& Snap(int i, int j, int nDown, int nToGo, int nGain, int nResult)
    {
        GAME& Game = League.Game[0];
        Game.nAwayTeam = 2;
        Game.nHomeTeam = 3;
        Game.nOffense = 2;
        Game.CurrentPlay.nOffenseCall = static_cast<uint8_t>(i);
        Game.CurrentPlay.nDefenseCall = static_cast<uint8_t>(j);
        Game.nDown = static_cast<uint32_t>(nDown);
        Game.nToGo = static_cast<int8_t>(nToGo);
        Game.nPlayYards = static_cast<int8_t>(nGain);
        Set_Play_Result(&Game.CurrentPlay, nResult);
        return Game;
    }
};

// ---------------------------------------------------------------------------
// Built-in tables, checked by hand against the play sheets

TEST_F(PlaybooksTest, BuiltInPlaysReadAsWritten)
{
    EXPECT_EQ(Get_Offensive_Play_Formation(-1, 0), 3);     // "Pro 21 Dive"
    EXPECT_EQ(Get_Offensive_Play_Type(-1, 0), PLAY_TYPE_RUSH);
    EXPECT_EQ(Get_Offensive_Play_Carrier(-1, 0), 1);       // field 2: place 1
    EXPECT_EQ(Get_Offensive_Play_Run_Hole(-1, 0), 1);
    EXPECT_EQ(Get_Offensive_Play_Route(-1, 0, 4), 8);

    char szText[PLAY_DESCRIPTION_SIZE];
    Get_Offensive_Play_Name(-1, 49, szText);
    EXPECT_STREQ(szText, "Hail Mary");
    Get_Offensive_Play_Description(-1, 49, szText);
    EXPECT_STREQ(szText, "Everyone go deep.");
    EXPECT_EQ(Get_Offensive_Play_Formation(-1, 49), 10);
    EXPECT_EQ(Get_Offensive_Play_Route(-1, 49, 1), 35);

    EXPECT_EQ(Get_Offensive_Play_Formation(-1, 56), 41);   // "Fake Punt (Rollout)"
    EXPECT_EQ(Get_Offensive_Play_Type(-1, 56), PLAY_TYPE_BOOTLEG);
    EXPECT_EQ(Get_Offensive_Play_Route(-1, 56, 0), NO_ROUTE);
    EXPECT_EQ(Get_Offensive_Play_Route(-1, 56, 3), 3);
    Get_Offensive_Play_Description(-1, 58, szText);
    EXPECT_STREQ(szText, "");

    Get_Defensive_Play_Name(-1, 27, szText);
    EXPECT_STREQ(szText, "Dime Package");
    EXPECT_EQ(Get_Defensive_Play_Formation(-1, 27), 34);
    EXPECT_EQ(Get_Defensive_Play_Role(-1, 27, 5), 12);
    Get_Defensive_Play_Description(-1, 0, szText);
    EXPECT_STREQ(szText, "Defensive ends key on the run. Weaker against deep passes.");

    Get_Kick_Play_Name(13, szText);                          // 13 mod 10
    EXPECT_STREQ(szText, "Surprise Onside");
    EXPECT_EQ(Get_Kick_Play_Type(2), PLAY_TYPE_ONSIDE_KICK);
    EXPECT_EQ(Get_Kick_Play_Formation(2), ONSIDE_FORMATION);
    EXPECT_EQ(Get_Kick_Play_Route(3, 0), 7);
    Get_Kick_Play_Description(1, szText);
    EXPECT_STREQ(szText, "The squib kick sacrifices distance for a lower risk of a long runback.");
    EXPECT_TRUE(Is_Valid_Kick_Play(3));
    EXPECT_FALSE(Is_Valid_Kick_Play(4));
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlaybooksTest, RoutesAndResponsibilitiesReadAsWritten)
{
    const PASS_ROUTE* pCorner = Get_Pass_Route(7);
    ASSERT_NE(pCorner, nullptr);
    EXPECT_STREQ(pCorner->szName, "(7) Corner");
    EXPECT_EQ(pCorner->Point[1].x, 4.0);
    EXPECT_EQ(pCorner->Point[1].y, 13.0);
    EXPECT_EQ(Get_Pass_Route_Mean_Depth(7), 25);            // (15 + 1 + 35) / 2
    EXPECT_EQ(Get_Pass_Route_Mean_Depth(11), -2);           // (-4 + 1 - 1) / 2
    EXPECT_STREQ(Get_Pass_Route(56)->szName, "Run Option");
    EXPECT_EQ(Get_Pass_Route(57), nullptr);
    EXPECT_EQ(Get_Pass_Route(NO_ROUTE), nullptr);
    EXPECT_EQ(Get_Pass_Route_Mean_Depth(NO_ROUTE), 0);

    EXPECT_EQ(Get_Pass_Route_Segment_Flag(10, 1), WIGGLE | NEW_PATH);
    EXPECT_EQ(Get_Pass_Route_Segment_Flag(31, 0), HITCH | NEW_PATH);
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_EQ(Get_Pass_Route_Segment_Flag(10, 4), 0u);
    EXPECT_EQ(Errors_Reported(), 1);

    const DEFENSIVE_RESPONSIBILITY* pGap = Get_Defensive_Responsibility(6);
    ASSERT_NE(pGap, nullptr);
    EXPECT_STREQ(pGap->szName, "Plug The Gap");
    EXPECT_EQ(pGap->Point[3].x, 1.4);
    EXPECT_EQ(pGap->nFlag[2], 128u);
    EXPECT_STREQ(Get_Defensive_Responsibility(18)->szName, "Double Team");
    EXPECT_EQ(Get_Defensive_Responsibility(19), nullptr);

    EXPECT_STREQ(Get_Play_Type_Name(22), "Reverse");
    EXPECT_STREQ(Get_Play_Type_Name(23), "");
}

TEST_F(PlaybooksTest, CategoriesFollowTypeHoleAndPrimaryRouteDepth)
{
    EXPECT_EQ(Get_Offensive_Play_Category(-1, 0), 0);   // dive, hole 1
    EXPECT_EQ(Get_Offensive_Play_Category(-1, 14), 1);  // sweep, hole 8
    EXPECT_EQ(Get_Offensive_Play_Category(-1, 8), 2);   // draw
    EXPECT_EQ(Get_Offensive_Play_Category(-1, 21), 3);  // screen to receiver 0: depth -2
    EXPECT_EQ(Get_Offensive_Play_Category(-1, 20), 4);  // slant to receiver 4: depth 7
    EXPECT_EQ(Get_Offensive_Play_Category(-1, 49), 5);  // go to receiver 2: depth 31
    EXPECT_EQ(Get_Offensive_Play_Category(-1, 52), 0);  // end around, hole 1
    EXPECT_EQ(Get_Offensive_Play_Category(-1, 53), 1);  // end around, hole 9
    EXPECT_EQ(Get_Offensive_Play_Category(-1, 57), 4);  // fake field goal: slant out to receiver 4, depth 7
}

// ---------------------------------------------------------------------------
// Table selection and bounds

TEST_F(PlaybooksTest, TeamPlaysComeFromTheAreaAndFixedPlaysFromTheTable)
{
    Team_Play(1, 3).nType = PLAY_TYPE_SWEEP;
    std::strcpy(Team_Play(1, 3).szName, "Mine");
    EXPECT_EQ(Get_Offensive_Play_Type(1, 3), PLAY_TYPE_SWEEP);
    EXPECT_EQ(Get_Offensive_Play_Type(-1, 3), PLAY_TYPE_RUSH);
    EXPECT_EQ(Get_Offensive_Play_Type(255, 3), PLAY_TYPE_RUSH);
    EXPECT_EQ(Get_Offensive_Play_Type(NO_TEAM, 3), PLAY_TYPE_RUSH);

    Get_Defensive_Playbook_Area(1)->Play[4].nFormation = 38;
    EXPECT_EQ(Get_Defensive_Play_Formation(1, 4), 38);
    EXPECT_EQ(Get_Defensive_Play_Formation(-1, 4), 37);

    EXPECT_EQ(Get_Offensive_Play_Type(1, 54), PLAY_TYPE_KNEEL_DOWN);
    EXPECT_TRUE(Is_Kneel_Down_Play(1, 54));
    EXPECT_FALSE(Set_Offensive_Play_Carrier(1, 54, 2));
    EXPECT_TRUE(Set_Offensive_Play_Carrier(1, 53, 2));
    EXPECT_EQ(Team_Play(1, 53).nCarrier, 3);
    EXPECT_FALSE(Set_Offensive_Play_Carrier(-1, 3, 2));

    EXPECT_EQ(Get_Offensive_Play_Type(1, 60), -1);
    EXPECT_FALSE(Is_Running_Play(1, 60));
    EXPECT_FALSE(Is_Passing_Play(1, 255));
    EXPECT_FALSE(Is_Valid_Offensive_Play(1, 60));
    EXPECT_TRUE(Is_Valid_Offensive_Play(1, 59));
    EXPECT_TRUE(Is_Valid_Offensive_Play(37, 55));      // a pool slot counts; 55 is built in
    EXPECT_FALSE(Is_Valid_Offensive_Play(5, 0));       // slot not in use
    EXPECT_FALSE(Is_Valid_Offensive_Play(-1, 0));
    Team_Play(1, 7).szName[0] = '\0';
    EXPECT_FALSE(Is_Valid_Offensive_Play(1, 7));
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlaybooksTest, TypeGroupsCoverEveryType)
{
    const int nRunning[] = {0, 1, 2, 3, 4, 5, 10, 15, 22};
    const int nPassing[] = {6, 7, 8, 9, 11, 12, 13, 14};
    for (int nType = 0; nType < PLAY_TYPE_COUNT; ++nType) {
        Team_Play(0, 0).nType = nType;
        const bool bRun = std::find(std::begin(nRunning), std::end(nRunning), nType) != std::end(nRunning);
        const bool bPass = std::find(std::begin(nPassing), std::end(nPassing), nType) != std::end(nPassing);
        EXPECT_EQ(Is_Running_Play(0, 0), bRun) << nType;
        EXPECT_EQ(Is_Passing_Play(0, 0), bPass) << nType;
        EXPECT_EQ(Is_Rollout_Play(0, 0), nType == 7 || nType == 8) << nType;
        EXPECT_EQ(Is_Kneel_Down_Play(0, 0), nType == 20) << nType;
    }
}

TEST_F(PlaybooksTest, NoCarrierAndNoRouteNeverIndex)
{
    EXPECT_EQ(Get_Offensive_Play_Carrier(-1, 58), NO_CARRIER);    // field -1
    Team_Play(0, 1).nCarrier = 0;
    EXPECT_EQ(Get_Offensive_Play_Carrier(0, 1), NO_CARRIER);
    Team_Play(0, 1).nCarrier = 12;
    EXPECT_EQ(Get_Offensive_Play_Carrier(0, 1), NO_CARRIER);
    Team_Play(0, 1).nCarrier = 11;
    EXPECT_EQ(Get_Offensive_Play_Carrier(0, 1), 10);
    Team_Play(0, 2).nRunHole = 10;
    EXPECT_EQ(Get_Offensive_Play_Run_Hole(0, 2), NO_HOLE);
    // A pass whose primary is the passer himself has no route: short.
    Team_Play(0, 20).nCarrier = 1;
    EXPECT_EQ(Get_Offensive_Play_Category(0, 20), 3);
    EXPECT_EQ(Errors_Reported(), 0);
}

int Route_Of_Receiver_5() { return Get_Offensive_Play_Route(0, 3, 5); }
int Route_Of_Play_60() { return Get_Offensive_Play_Route(0, 60, 1); }
int Set_Route_Receiver_5() { return Set_Offensive_Play_Route(0, 3, 5, 2); }
int Set_Route_Of_Play_54() { return Set_Offensive_Play_Route(0, 54, 1, 2); }
int Set_Route_57() { return Set_Offensive_Play_Route(0, 3, 1, 57); }
int Set_Role_Place_11() { return Set_Defensive_Play_Role(0, 3, 11, 2); }
int Set_Role_19() { return Set_Defensive_Play_Role(0, 3, 1, 19); }
int Name_Of_Play_Minus_1()
{
    char szName[PLAY_NAME_SIZE] = "x";
    Get_Offensive_Play_Name(0, -1, szName);
    return szName[0];
}
int Role_Of_Play_30() { return Get_Defensive_Play_Role(0, 30, 1); }
int Kick_Minus_1() { return Get_Kick_Play_Type(-1); }

TEST_F(PlaybooksTest, BadIndexesAreRefused)
{
    const REFUSAL_CASE Cases[] = {
        {Route_Of_Receiver_5, -1, "Invalid nReceiver in Get_Offensive_Play_Route(0, 3, [5])"},
        {Route_Of_Play_60, -1, "Invalid nPlay"},
        {Set_Route_Receiver_5, 0, "Invalid nReceiver in Set_Offensive_Play_Route(0, 3, [5], 2)"},
        {Set_Route_Of_Play_54, 0, "Invalid nPlay in Set_Offensive_Play_Route(0, [54], 1, 2)"},
        {Set_Route_57, 0, "Set_Offensive_Play_Route"},
        {Set_Role_Place_11, 0, "Invalid nPlayer in Set_Defensive_Play_Role(0, 3, [11], 2)"},
        {Set_Role_19, 0, "Set_Defensive_Play_Role"},
        {Name_Of_Play_Minus_1, 0, "Get_Offensive_Play_Name"},
        {Role_Of_Play_30, -1, "Get_Defensive_Play_Role"},
        {Kick_Minus_1, -1, "Get_Kick_Play_Type"},
    };
    Expect_Refusals(Cases);
}

TEST_F(PlaybooksTest, SettersStoreInTheTeamArea)
{
    EXPECT_TRUE(Set_Offensive_Play_Route(2, 10, 4, NO_ROUTE));
    EXPECT_EQ(Team_Play(2, 10).nRoute[4], NO_ROUTE);
    EXPECT_TRUE(Set_Defensive_Play_Role(2, 29, 10, 18));
    EXPECT_EQ(Get_Defensive_Play_Role(2, 29, 10), 18);
    EXPECT_EQ(Get_Defensive_Play_Role(-1, 29, 10), 8);
}

// ---------------------------------------------------------------------------
// The default playbook

TEST_F(PlaybooksTest, DefaultPlaybookFillsBothAreas)
{
    OFFENSIVE_PLAYBOOK_AREA& Offense = *Get_Offensive_Playbook_Area(6);
    DEFENSIVE_PLAYBOOK_AREA& Defense = *Get_Defensive_Playbook_Area(6);
    std::memset(&Offense, 0x5A, sizeof(Offense));
    std::memset(&Defense, 0x5A, sizeof(Defense));
    Build_Team_Default_Playbook(6);

    EXPECT_STREQ(Offense.szNotes, "The default offensive playbook includes 22 running plays and 32 passing plays.");
    EXPECT_STREQ(Defense.szNotes, "The default defensive playbook is primarily built around the 4-3 formation.");
    EXPECT_EQ(Offense.szNotes[PLAYBOOK_NOTES_SIZE - 1], 0);
    const char* szOffense[] = {"Inside Runs", "Outside Runs", "Short Passes", "Medium Passes", "Long Passes",
                               "Trick/Special"};
    for (int c = 0; c < OFFENSIVE_CATEGORY_COUNT; ++c)
        EXPECT_STREQ(Offense.szCategory[c], szOffense[c]);
    EXPECT_STREQ(Defense.szCategory[0], "Balanced");
    EXPECT_STREQ(Defense.szCategory[1], "Run Defense");
    EXPECT_STREQ(Defense.szCategory[2], "Pass Defense");
    EXPECT_EQ(Defense.szCategory[2][PLAYBOOK_CATEGORY_NAME_SIZE - 1], 0);

    EXPECT_EQ(std::memcmp(Offense.Play, BUILT_IN_OFFENSIVE_PLAYS, sizeof(Offense.Play)), 0);
    EXPECT_EQ(std::memcmp(Defense.Play, BUILT_IN_DEFENSIVE_PLAYS, sizeof(Defense.Play)), 0);
    for (int i = 0; i < OFFENSIVE_PLAY_COUNT; ++i) {
        for (int s = 0; s < OFFENSIVE_SITUATIONS; ++s) {
            for (int k = TALLY_YARDS; k <= TALLY_FIRST_DOWNS; ++k)
                ASSERT_EQ(Get_Playbook_Tally(6, PLAYBOOK_OFFENSE, i, s, k), 0) << i << " " << s << " " << k;
        }
    }
    for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j) {
        for (int s = 0; s < DEFENSIVE_SITUATIONS; ++s) {
            for (int k = TALLY_YARDS; k <= TALLY_FIRST_DOWNS; ++k)
                ASSERT_EQ(Get_Playbook_Tally(6, PLAYBOOK_DEFENSE, j, s, k), 0) << j << " " << s << " " << k;
        }
    }
    // What the default leaves alone: the carried bytes, the name and the selection flags.
    EXPECT_EQ(Offense.Carried1[0], 0x5A);
    EXPECT_EQ(Offense.szName[0], 0x5A);
    EXPECT_EQ(Offense.bSelected[59], 0x5A);
    EXPECT_EQ(Defense.Carried[229], 0x5A);
}

TEST_F(PlaybooksTest, ResetGivesEveryTeamInUseTheDefaultAndItsSystem)
{
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2010;
    Set_User_Preference(PREF_SEASON_INDEX, 0);
    Use_Franchises(11);
    for (int t : {0, 10, 11}) {
        std::strcpy(Team_Play(t, 0).szName, "Old");
        Set_Team_Stat(t, TEAM_STAT_OFFENSIVE_SYSTEM, 0);
    }
    Reset_Team_Playbooks();
    char szName[PLAY_NAME_SIZE];
    Get_Offensive_Play_Name(0, 0, szName);
    EXPECT_STREQ(szName, "Pro 21 Dive");
    Get_Offensive_Play_Name(10, 0, szName);
    EXPECT_STREQ(szName, "Pro 21 Dive");
    Get_Offensive_Play_Name(11, 0, szName);                  // not in use
    EXPECT_STREQ(szName, "Old");
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_OFFENSIVE_SYSTEM), 2);
    EXPECT_EQ(Get_Team_Stat(10, TEAM_STAT_OFFENSIVE_SYSTEM), 3);
    EXPECT_EQ(Get_Team_Stat(11, TEAM_STAT_OFFENSIVE_SYSTEM), 0);
}

// ---------------------------------------------------------------------------
// Usage tallies

TEST_F(PlaybooksTest, ThirdAndLongTouchdownAgainstABlitzCountsEverywhereItApplies)
{
    // Hail Mary (long pass) against "Cover-2 All-Out Blitz" (six rushers).
    Record_Play_Usage(&Snap(49, 22, 2, 12, 15, RESULT_TOUCHDOWN_PASS));
    for (int s : {SITUATION_OVERALL, SITUATION_THIRD_DOWN, SITUATION_LONG_YARDAGE, SITUATION_VS_BLITZ}) {
        EXPECT_EQ(Get_Playbook_Tally(2, PLAYBOOK_OFFENSE, 49, s, TALLY_PLAYS), 1) << s;
        EXPECT_EQ(Get_Playbook_Tally(2, PLAYBOOK_OFFENSE, 49, s, TALLY_YARDS), 15) << s;
        EXPECT_EQ(Get_Playbook_Tally(2, PLAYBOOK_OFFENSE, 49, s, TALLY_TOUCHDOWNS), 1) << s;
        EXPECT_EQ(Get_Playbook_Tally(2, PLAYBOOK_OFFENSE, 49, s, TALLY_FIRST_DOWNS), 1) << s;
        EXPECT_EQ(Get_Playbook_Tally(2, PLAYBOOK_OFFENSE, 49, s, TALLY_SACKS), 0) << s;
    }
    EXPECT_EQ(Get_Playbook_Tally(2, PLAYBOOK_OFFENSE, 49, SITUATION_SHORT_YARDAGE, TALLY_PLAYS), 0);
    // The defence counts it under long passes (column 5) only.
    EXPECT_EQ(Get_Playbook_Tally(3, PLAYBOOK_DEFENSE, 22, 5, TALLY_PLAYS), 1);
    EXPECT_EQ(Get_Playbook_Tally(3, PLAYBOOK_DEFENSE, 22, 5, TALLY_YARDS), 15);
    EXPECT_EQ(Get_Playbook_Tally(3, PLAYBOOK_DEFENSE, 22, 5, TALLY_TOUCHDOWNS), 1);
    EXPECT_EQ(Get_Playbook_Tally(3, PLAYBOOK_DEFENSE, 22, 4, TALLY_PLAYS), 0);
    EXPECT_EQ(Get_Playbook_Tally(2, PLAYBOOK_DEFENSE, 22, 5, TALLY_PLAYS), 0);
    EXPECT_EQ(Get_Playbook_Tally(3, PLAYBOOK_OFFENSE, 49, 0, TALLY_PLAYS), 0);
}

TEST_F(PlaybooksTest, FirstAndShortSackAgainstFourRushers)
{
    // "Pro 262 Hover" (medium pass) against "4-3 Contain": four rushers, no blitz.
    Record_Play_Usage(&Snap(20, 3, 0, 3, -7, RESULT_SACKED));
    EXPECT_EQ(Get_Playbook_Tally(2, PLAYBOOK_OFFENSE, 20, SITUATION_OVERALL, TALLY_SACKS), 1);
    EXPECT_EQ(Get_Playbook_Tally(2, PLAYBOOK_OFFENSE, 20, SITUATION_SHORT_YARDAGE, TALLY_YARDS), -7);
    EXPECT_EQ(Get_Playbook_Tally(2, PLAYBOOK_OFFENSE, 20, SITUATION_SHORT_YARDAGE, TALLY_FIRST_DOWNS), 0);
    EXPECT_EQ(Get_Playbook_Tally(2, PLAYBOOK_OFFENSE, 20, SITUATION_THIRD_DOWN, TALLY_PLAYS), 0);
    EXPECT_EQ(Get_Playbook_Tally(2, PLAYBOOK_OFFENSE, 20, SITUATION_VS_BLITZ, TALLY_PLAYS), 0);
    EXPECT_EQ(Get_Playbook_Tally(3, PLAYBOOK_DEFENSE, 3, 4, TALLY_SACKS), 1);
}

TEST_F(PlaybooksTest, TurnoverCountsThePlayAndNothingElse)
{
    GAME& Game = Snap(0, 3, 1, 10, 4, RESULT_RUN_FUMBLE_LOST);
    Game.nDown |= GAME_DOWN_FLAG_CHANGED_HANDS;
    Record_Play_Usage(&Game);
    EXPECT_EQ(Get_Playbook_Tally(2, PLAYBOOK_OFFENSE, 0, 0, TALLY_PLAYS), 1);
    EXPECT_EQ(Get_Playbook_Tally(2, PLAYBOOK_OFFENSE, 0, 0, TALLY_TURNOVERS), 1);
    EXPECT_EQ(Get_Playbook_Tally(2, PLAYBOOK_OFFENSE, 0, 0, TALLY_YARDS), 0);
    EXPECT_EQ(Get_Playbook_Tally(3, PLAYBOOK_DEFENSE, 3, 0, TALLY_TURNOVERS), 1);   // inside rush
}

TEST_F(PlaybooksTest, TurnoverCountsForTheTeamThatSnappedTheBall)
{
    // After the fumble the home team (3) has the ball; the away team (2), the
    // home bit of the snap at 0, called the play.
    GAME& Game = Snap(0, 3, 1, 10, 4, RESULT_RUN_FUMBLE_LOST);
    Game.nOffense = 3;
    Set_Play_Home_Bit(&Game.CurrentPlay, 0);
    Game.nDown |= GAME_DOWN_FLAG_CHANGED_HANDS;
    Record_Play_Usage(&Game);
    EXPECT_EQ(Get_Playbook_Tally(2, PLAYBOOK_OFFENSE, 0, 0, TALLY_TURNOVERS), 1);
    EXPECT_EQ(Get_Playbook_Tally(3, PLAYBOOK_DEFENSE, 3, 0, TALLY_TURNOVERS), 1);
    EXPECT_EQ(Get_Playbook_Tally(3, PLAYBOOK_OFFENSE, 0, 0, TALLY_PLAYS), 0);
    EXPECT_EQ(Get_Playbook_Tally(2, PLAYBOOK_DEFENSE, 3, 0, TALLY_PLAYS), 0);
}

TEST_F(PlaybooksTest, FixedPlaysAddNoTallies)
{
    for (int nCall : {KNEEL_DOWN_PLAY, FAKE_PUNT_RUN_PLAY, HARD_CODED_PUNT_PLAY}) {
        GAME& Game = Snap(nCall, 3, 3, 8, 12, RESULT_RUN_MIDDLE);
        LEAGUE_SNAPSHOT Before;
        Record_Play_Usage(&Game);
        EXPECT_TRUE(Before.Unchanged()) << nCall;
    }
}

TEST_F(PlaybooksTest, TalliesSaturate)
{
    OFFENSIVE_PLAYBOOK_AREA& Area = *Get_Offensive_Playbook_Area(2);
    Area.nPlays[30][0] = 65535;
    Area.nTouchdowns[30][0] = 255;
    Area.nYards[30][0] = 32760;
    Record_Play_Usage(&Snap(30, 3, 0, 10, 20, RESULT_TOUCHDOWN_PASS));
    EXPECT_EQ(Get_Playbook_Tally(2, PLAYBOOK_OFFENSE, 30, 0, TALLY_PLAYS), 65535);
    EXPECT_EQ(Get_Playbook_Tally(2, PLAYBOOK_OFFENSE, 30, 0, TALLY_TOUCHDOWNS), 255);
    EXPECT_EQ(Get_Playbook_Tally(2, PLAYBOOK_OFFENSE, 30, 0, TALLY_YARDS), 32767);
    Area.nYards[30][0] = -32760;
    Record_Play_Usage(&Snap(30, 3, 0, 10, -20, RESULT_SACKED));
    EXPECT_EQ(Get_Playbook_Tally(2, PLAYBOOK_OFFENSE, 30, 0, TALLY_YARDS), -32768);
}

TEST_F(PlaybooksTest, ClearingTalliesTouchesOnlyWhatItNames)
{
    Record_Play_Usage(&Snap(20, 3, 0, 3, 5, RESULT_PASS_COMPLETE));
    Record_Play_Usage(&Snap(21, 4, 0, 3, 5, RESULT_PASS_COMPLETE));
    Clear_Team_Playbook_Stats(2, PLAYBOOK_OFFENSE, 20);
    EXPECT_EQ(Get_Playbook_Tally(2, PLAYBOOK_OFFENSE, 20, 0, TALLY_PLAYS), 0);
    EXPECT_EQ(Get_Playbook_Tally(2, PLAYBOOK_OFFENSE, 21, 0, TALLY_PLAYS), 1);
    Clear_Team_Play_Usage(3, PLAYBOOK_DEFENSE);
    EXPECT_EQ(Get_Playbook_Tally(3, PLAYBOOK_DEFENSE, 4, 3, TALLY_PLAYS), 0);
    EXPECT_EQ(Get_Playbook_Tally(2, PLAYBOOK_OFFENSE, 21, 0, TALLY_PLAYS), 1);
    Clear_All_Playbook_Stats();
    EXPECT_EQ(Get_Playbook_Tally(2, PLAYBOOK_OFFENSE, 21, 0, TALLY_PLAYS), 0);
}

// ---------------------------------------------------------------------------
// The run hole of the current play and play 59's description

TEST_F(PlaybooksTest, EndAroundGoesToTheFarSideOfItsCarrier)
{
    GAME& Game = Snap(52, 3, 0, 10, 0, RESULT_UNDECIDED);
    EXPECT_EQ(Get_Play_Run_Hole_For_Carrier_X(&Game, -3.0f), 8);
    EXPECT_EQ(Get_Play_Run_Hole_For_Carrier_X(&Game, 0.0f), 9);
    Snap(14, 3, 0, 10, 0, RESULT_UNDECIDED);
    EXPECT_EQ(Get_Play_Run_Hole_For_Carrier_X(&Game, -3.0f), 8);   // its own hole
    EXPECT_EQ(Get_Play_Run_Hole_For_Carrier_X(nullptr, 0.0f), NO_HOLE);
}

TEST_F(PlaybooksTest, ReadOptionTakesThePlayActionHoleOnOddSnaps)
{
    OFFENSIVE_PLAY& Play = Team_Play(2, 30);            // play-action route 37 for receiver 0
    std::strcpy(Play.szName, "Zone Read Keep");
    Play.nType = PLAY_TYPE_RUSH;
    Play.nRunHole = 1;
    Play.nPlayActionHole = 6;
    GAME& Game = Snap(30, 4, 0, 10, 0, RESULT_UNDECIDED);
    Game.nClock = 101;                                   // 101 + 4 odd
    EXPECT_EQ(Get_Play_Run_Hole_For_Carrier_X(&Game, 0.0f), 6);
    Game.nClock = 100;
    EXPECT_EQ(Get_Play_Run_Hole_For_Carrier_X(&Game, 0.0f), 1);
    Game.nClock = 101;
    std::strcpy(Play.szName, "Zone Keep");
    EXPECT_EQ(Get_Play_Run_Hole_For_Carrier_X(&Game, 0.0f), 1);
}

TEST_F(PlaybooksTest, FieldGoalDescriptionNamesTheKickDistance)
{
    char szText[PLAY_DESCRIPTION_SIZE] = "x";
    Get_Offensive_Play_Description(0, 59, szText);
    EXPECT_STREQ(szText, "");
    GAME& Game = Snap(59, 3, 3, 8, 0, RESULT_UNDECIDED);
    Game.nYardLine = 23;
    Set_Playbook_Current_Game(&Game);
    Get_Offensive_Play_Description(0, 59, szText);
    EXPECT_STREQ(szText, "40-Yard Field Goal Attempt");
    Set_User_Preference(PREF_GOAL_POSTS_ON_GOAL_LINE, 1);
    Get_Offensive_Play_Description(0, 59, szText);
    EXPECT_STREQ(szText, "30-Yard Field Goal Attempt");
}

}  // namespace

namespace {

// Every built-in play holds codes its readers accept: formations of its side,
// known types, carriers within the 11 places, routes and responsibilities
// within their tables; names fit beside the play-card bytes.
TEST(BuiltInPlaysTest, EveryBuiltInPlayHoldsValidCodes)
{
    for (int i = 0; i < OFFENSIVE_PLAY_COUNT; ++i) {
        const OFFENSIVE_PLAY& Play = BUILT_IN_OFFENSIVE_PLAYS[i];
        const bool bKick = Play.nFormation >= PUNT_FORMATION;
        EXPECT_TRUE(bKick ? Play.nFormation <= FIELD_GOAL_FORMATION : Play.nFormation <= LAST_OFFENSIVE_FORMATION) << i;
        EXPECT_TRUE(Play.nType >= 0 && Play.nType < PLAY_TYPE_COUNT) << i;
        EXPECT_TRUE(Play.nCarrier >= -1 && Play.nCarrier <= PLACES_ON_FIELD) << i;
        EXPECT_TRUE(Play.nRunHole >= NO_HOLE && Play.nRunHole < RUN_HOLE_COUNT) << i;
        for (int nRoute : Play.nRoute)
            EXPECT_TRUE(nRoute >= NO_ROUTE && nRoute < PASS_ROUTE_COUNT) << i;
        EXPECT_LE(std::strlen(Play.szName), 53u) << i;
        EXPECT_NE(Play.szName[0], '\0') << i;
        // Passes have a primary receiver among receivers 0-4 with a route.
        if (Is_Passing_Play(-1, i)) {
            EXPECT_NE(Get_Pass_Route(Play.nRoute[Play.nCarrier - 2]), nullptr) << i;
        }
    }
    for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j) {
        const DEFENSIVE_PLAY& Play = BUILT_IN_DEFENSIVE_PLAYS[j];
        EXPECT_TRUE(Play.nFormation >= FIRST_DEFENSIVE_FORMATION && Play.nFormation <= LAST_DEFENSIVE_FORMATION) << j;
        for (int nRole : Play.nResponsibility)
            EXPECT_NE(Get_Defensive_Responsibility(nRole), nullptr) << j;
        EXPECT_NE(Play.szDescription[0], '\0') << j;
    }
    // Running plays 0-53 number 22 (20 runs and two end arounds), passes 32.
    int nRuns = 0, nPasses = 0;
    for (int i = 0; i < TEAM_OFFENSIVE_PLAYS; ++i) {
        nRuns += Is_Running_Play(-1, i) ? 1 : 0;
        nPasses += Is_Passing_Play(-1, i) ? 1 : 0;
    }
    EXPECT_EQ(nRuns, 22);
    EXPECT_EQ(nPasses, 32);
}

}  // namespace
