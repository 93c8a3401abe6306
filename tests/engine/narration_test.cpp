// Play-by-play narration: the one-draw rule, the queue, the variant rules,
// token expansion and the words for places, runs and passes. Expected texts
// are written out by hand from the phrase table and the wording rules.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <utility>

#include "base/random.h"
#include "engine/display_random.h"
#include "engine/kicking.h"
#include "engine/narration.h"
#include "engine/play_wording.h"
#include "engine/playbooks.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_fixture.h"
#include "league/player.h"
#include "league/player_hash.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "test_support.h"
#include "told_numbers.h"

namespace {

constexpr int AWAY = 2;
constexpr int HOME = 5;
constexpr int WEEK = 3;
// Roster slot = place on the field for both sides; IDs 100 + slot (away) and
// 200 + slot (home).
constexpr int AWAY_ID = 100;
constexpr int HOME_ID = 200;

class NarrationTest : public LeagueTest {
protected:
    GAME& Game = League.Game[7];

    void SetUp() override
    {
        LeagueTest::SetUp();
        Clear_Play_Commentary_Texts();
        Use_Franchises(8);
        // The built-in plays in both teams' playbooks; no play called yet.
        Build_Team_Default_Playbook(AWAY);
        Build_Team_Default_Playbook(HOME);
        Set_Team_String("Boston", AWAY, TEAM_STRING_CITY);
        Set_Team_String("Owls", AWAY, TEAM_STRING_NICKNAME);
        Set_Team_String("Chicago", HOME, TEAM_STRING_CITY);
        Set_Team_String("Bears", HOME, TEAM_STRING_NICKNAME);
        Game.nAwayTeam = AWAY;
        Game.nHomeTeam = HOME;
        Game.nOffense = AWAY;
        static const char* const NAMES[11] = {"Quill", "Rusk", "Fenn", "Tate", "Wick", "Wade",
                                              "Lyle", "Gant", "Cole", "Hale", "Mott"};
        for (int k = 0; k < PLACES_ON_FIELD; ++k) {
            Put_Player(AWAY, k, AWAY_ID + k, k == 0 ? POSITION_QB : (k == 1 ? POSITION_RB : POSITION_WR));
            Set_Player_Last_Name(AWAY, k, NAMES[k]);
            Set_Player_First_Name(AWAY, k, "Al");
            Put_Player(HOME, k, HOME_ID + k, POSITION_LB);
            Set_Player_Last_Name(HOME, k, (std::string("D") + NAMES[k]).c_str());
            Game.nRosterID[GAME_SIDE_AWAY][k] = AWAY_ID + k;
            Game.nRosterID[GAME_SIDE_HOME][k] = HOME_ID + k;
            Game.nOnField[GAME_SIDE_AWAY][k] = static_cast<uint8_t>(k);
            Game.nOnField[GAME_SIDE_HOME][k] = static_cast<uint8_t>(k);
        }
        Build_Player_ID_Hash();
        Start_Play_Record(&Game);
        Game.nYardLine = 40;
        Game.nToGo = 10;
        Game.CurrentPlay.nSnapYardLine = 40;
        // Week 3: the home team plays the away team.
        Set_User_Preference(PREF_CURRENT_WEEK, WEEK);
        League.Team[HOME].nSchedule[WEEK][SCHEDULE_OPPONENT] = AWAY + 1;
        League.Team[AWAY].nSchedule[WEEK][SCHEDULE_OPPONENT] = -(HOME + 1);
        Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    }

    // The offence's and the defence's calls of the current play.
    void Call(int nOffenseCall, int nDefenseCall = PLAY_NOT_CALLED)
    {
        Game.CurrentPlay.nOffenseCall = static_cast<uint8_t>(nOffenseCall);
        Game.CurrentPlay.nDefenseCall = static_cast<uint8_t>(nDefenseCall);
    }

    void Watch(bool bWatch) { Set_Calendar_PBP_Flag(HOME, WEEK, bWatch ? 1 : 0); }

    int Queued()
    {
        int n = 0;
        for (const NARRATION_ENTRY& Entry : Game.CurrentPlay.Narration)
            n += Entry.bEvent != NARRATION_ENTRY_FREE;
        return n;
    }

    // Entry 0 set by hand and rendered.
    std::string Render(int nEvent, int nVariant, int a1 = 0, int nID0 = 0, int nID1 = 0, int a2 = 0)
    {
        NARRATION_ENTRY& Entry = Game.CurrentPlay.Narration[0];
        Entry.bEvent = static_cast<uint8_t>(nEvent);
        Entry.bVariant = static_cast<uint8_t>(nVariant);
        Entry.nArg1 = static_cast<int8_t>(a1);
        Entry.bArg2 = static_cast<uint8_t>(a2);
        Entry.nPlayerID[0] = nID0;
        Entry.nPlayerID[1] = nID1;
        Render_Play_Commentary(&Game, 0);
        return Get_Play_Commentary_Text(0);
    }

    // The variant rule of an event under many display seeds: every variant it
    // gave.
    std::set<int> Variants(int nEvent, int a1 = 0, int a2 = 0, int a3 = 0, int nID0 = 0, int nID1 = 0)
    {
        std::set<int> Seen;
        for (uint64_t nSeed = 0; nSeed < 400; ++nSeed) {
            DISPLAY_RANDOM Display;
            Seed_Display_Random(&Display, nSeed * 7919);
            Seen.insert(Choose_Commentary_Variant(&Game, nEvent, 19, a1, a2, a3, nID0, nID1, &Display));
        }
        return Seen;
    }
};

// The next number the game's generator would give.
uint32_t Peek_Next_Draw()
{
    return Generate_Random_Number();
}

// ---------------------------------------------------------------------------
// One draw per call, watched or not

TEST_F(NarrationTest, EachCallDrawsOnceWatchedOrNotAndQueuesOnlyWhenWatched)
{
    for (bool bWatch : {false, true}) {
        Watch(bWatch);
        Start_Play_Record(&Game);
        Clear_Play_Commentary_Texts();
        Seed_Random_Numbers(777);
        for (int i = 0; i < 5; ++i)
            Queue_Play_Commentary(&Game, bWatch ? NARRATE_SERIES : NARRATE_SNAP, 0, 0, 0, AWAY_ID, 0);
        const uint32_t nAfter = Peek_Next_Draw();
        Seed_Random_Numbers(777);
        for (int i = 0; i < 5; ++i)
            Generate_Random_Number();
        EXPECT_EQ(Peek_Next_Draw(), nAfter) << bWatch;
        EXPECT_EQ(Queued(), bWatch ? 5 : 0);
        if (!bWatch) {
            EXPECT_STREQ(Get_Play_Commentary_Text(0), "");
        }
    }
}

TEST_F(NarrationTest, NotNarratedWithoutSimulationOrInFastForward)
{
    Watch(true);
    EXPECT_TRUE(Is_Game_Narrated(&Game));
    Set_User_Preference(PREF_ANIMATION_MODE, 3);
    EXPECT_FALSE(Is_Game_Narrated(&Game));
    Set_User_Preference(PREF_ANIMATION_MODE, 0);
    Set_User_Preference(PREF_SIMULATION_RUNNING, 0);
    EXPECT_FALSE(Is_Game_Narrated(&Game));
    EXPECT_FALSE(Is_Game_Narrated(nullptr));
}

// Built-in plays of the tests below.
constexpr int PLAY_I_583_PLAY_ACTION = 30;   // pass: routes 37 (play action), 39 (pass block), 5, 8, 3
constexpr int PLAY_ACE_28_SWEEP = 14;        // sweep to hole 8
constexpr int PLAY_ACE_782_CURL = 36;        // pass: routes 6, 7, 8, 2, 3
constexpr int PLAY_PRO_48_END_AROUND = 52;

TEST_F(NarrationTest, SameSeedSameDrawsWatchedOrNot)
{
    // A play-action pass with a blocking back against each defence in turn:
    // the rusher, the blocking back and the missed tackler are drawn from the
    // game's generator.
    Set_Play_Result(&Game.CurrentPlay, RESULT_PASS_COMPLETE);

    auto Run_Plays = [this](bool bWatch) {
        Watch(bWatch);
        Seed_Random_Numbers(4242);
        int nQueued = 0;
        for (int i = 0; i < 60; ++i) {
            Start_Play_Record(&Game);
            Call(PLAY_I_583_PLAY_ACTION, i % DEFENSIVE_PLAY_COUNT);
            Set_Play_Result(&Game.CurrentPlay, i % 3 ? RESULT_PASS_COMPLETE : RESULT_PASS_INCOMPLETE);
            Queue_Snap_Commentary(&Game);
            if (i % 3)
                Queue_Pass_Result_Commentary(&Game, 3, 4, i % 25, 6);
            else
                Queue_Pass_Start_Commentary(&Game, 2, i % 2 ? NO_PLAYER : 5, 12, 0);
            Queue_Sack_Commentary(&Game, 6);
            Queue_Handoff_Commentary(&Game, 0);
            nQueued += Queued();
        }
        return std::pair<uint32_t, int>(Peek_Next_Draw(), nQueued);
    };
    const auto Unwatched = Run_Plays(false);
    const auto Watched = Run_Plays(true);
    EXPECT_EQ(Unwatched.first, Watched.first);
    EXPECT_EQ(Unwatched.second, 0);
    EXPECT_GT(Watched.second, 300);
}

// ---------------------------------------------------------------------------
// Queue

TEST_F(NarrationTest, EleventhSentenceIsDropped)
{
    Watch(true);
    for (int i = 0; i < NARRATION_ENTRIES; ++i)
        Queue_Play_Commentary(&Game, NARRATE_PILE_UP, 0, 0, 0, 0, 0);
    Queue_Play_Commentary(&Game, NARRATE_SACKED, 0, 0, 0, 0, 0);
    EXPECT_EQ(Queued(), NARRATION_ENTRIES);
    for (const NARRATION_ENTRY& Entry : Game.CurrentPlay.Narration)
        EXPECT_EQ(Entry.bEvent, NARRATE_PILE_UP);
}

TEST_F(NarrationTest, QueuedEntryHoldsItsArgumentsAndText)
{
    Watch(true);
    Queue_Play_Commentary(&Game, NARRATE_CAUGHT, -7, 2, 1, AWAY_ID + 4, HOME_ID + 3);
    const NARRATION_ENTRY& Entry = Game.CurrentPlay.Narration[0];
    EXPECT_EQ(Entry.bEvent, NARRATE_CAUGHT);
    EXPECT_EQ(Entry.nArg1, -7);
    EXPECT_EQ(Entry.bArg2, 2);
    EXPECT_EQ(Entry.bArg3, 1);
    EXPECT_EQ(Entry.nPlayerID[0], AWAY_ID + 4);
    EXPECT_EQ(Entry.nPlayerID[1], HOME_ID + 3);
    EXPECT_NE(std::string(Get_Play_Commentary_Text(0)).find("Wick"), std::string::npos);
}

// ---------------------------------------------------------------------------
// First variants, expanded

TEST_F(NarrationTest, FirstVariantsAsGiven)
{
    EXPECT_EQ(Render(NARRATE_SNAP, 0), "Snap to Quill.");
    EXPECT_EQ(Render(NARRATE_BLOCKER_STOPS_RUSHER, 0, 0, AWAY_ID + 7, HOME_ID + 2), "Gant stops the charge by DFenn.");
    EXPECT_EQ(Render(NARRATE_BLITZ, 0), "Chicago blitzes.");
    EXPECT_EQ(Render(NARRATE_DROPPED, 0, 0, AWAY_ID + 3), "Tate has it. And drops it..");
    EXPECT_EQ(Render(NARRATE_BALL_AWARDED, 0, 0, HOME_ID + 1), "The refs signal Chicago ball.");
    EXPECT_EQ(Render(NARRATE_FIELD_GOAL_UNIT, 0, 0, AWAY_ID + 9), "The Owls bring the field goal unit.");
    EXPECT_EQ(Render(NARRATE_INJURY, 0, 0, AWAY_ID + 2), "Al Fenn is hurt.");
    EXPECT_EQ(Render(NARRATE_TURNOVER_ON_DOWNS, 0), "The Owls turn the ball over on downs.");
    EXPECT_EQ(Render(NARRATE_QB_RUNS, 0), "Quill is going to run with it.");
    EXPECT_EQ(Render(NARRATE_KNEEL, 0, 0, AWAY_ID), "Quill takes a knee.");
    EXPECT_EQ(Get_Narration_Phrase(NARRATE_END_OF_PERIOD, 0), std::string("That's the last play of the first quarter."));
    EXPECT_EQ(Get_Narration_Phrase(NARRATE_FIRST_DOWN, 0), std::string("That moves the chains for the $OFFENSIVETEAM."));
    EXPECT_EQ(Get_Narration_Phrase(NARRATION_EVENTS, 0), std::string(""));
    EXPECT_EQ(Get_Narration_Phrase(0, 8), std::string("$OFFENSIVECITY is trying for the 2-point conversion."));
    EXPECT_EQ(Get_Narration_Phrase(0, 9), std::string("The $DEFENSIVETEAM have a chance to end this drive here."));
    EXPECT_EQ(Get_Narration_Phrase(52, 9), std::string("We're tied at $WINNERSCORE going into halftime."));
    EXPECT_EQ(Get_Narration_Phrase(52, 16), std::string("That's the end of regulation. We're going to overtime."));
    EXPECT_EQ(Get_Narration_Phrase(52, 17), std::string("Time's up. We're tied at $WINNERSCORE going into overtime."));
    EXPECT_EQ(Get_Narration_Phrase(52, 18), std::string("The $WINNERTEAM win on the final play of the game!"));
}

TEST_F(NarrationTest, TokensWithWordsAndCapital)
{
    Game.nDown = 0;
    Game.nToGo = 7;
    Game.nYardLine = 7;
    // "$DOWN and goal at the $DEFENSIVECITY $TOGO-yard line."
    EXPECT_EQ(Render(0, 5), "First and goal at the Chicago seven-yard line.");
    Game.nDown = 2;
    Game.nToGo = 1;
    Game.nYardLine = 30;
    // "$DOWN down, $YARDSTOGO to go."
    EXPECT_EQ(Render(0, 17), "Third down, one yard to go.");
    Game.nToGo = 3;
    EXPECT_EQ(Render(0, 17), "Third down, three yards to go.");
    Game.nScore[GAME_SIDE_AWAY] = 24;
    Game.nScore[GAME_SIDE_HOME] = 17;
    Game.nClock = SECONDS_OF_REGULATION;
    EXPECT_EQ(Render(52, 13), "Time has expired. Boston wins by seven.");
    Game.nScore[GAME_SIDE_HOME] = 24;
    EXPECT_EQ(Render(52, 17), "Time's up. We're tied at twenty-four going into overtime.");
}

TEST_F(NarrationTest, MissingPlayerSpoilsTheSentence)
{
    EXPECT_EQ(Render(NARRATE_CAUGHT, 0, 0, -1), "...");
    EXPECT_EQ(Render(NARRATE_CAUGHT, 0, 0, 99999), "...");
    EXPECT_EQ(Render(NARRATE_HIT, 0, 0, -1, AWAY_ID + 3), "Hit hard.");
}

TEST_F(NarrationTest, NameHoldingATokenIsNotExpandedAgain)
{
    Set_Player_Last_Name(AWAY, 4, "$QB$PLAYER0");
    EXPECT_EQ(Render(NARRATE_CAUGHT, 0, 0, AWAY_ID + 4), "Caught by $QB$PLAYER0.");
    char szOut[16];
    Expand_Commentary_Tokens(&Game, 0, "Intercepted by $PLAYER0 and a long tail of text", szOut, sizeof(szOut));
    EXPECT_STREQ(szOut, "Intercepted by ");
}

TEST_F(NarrationTest, TokenOutsideTheTableGivesError)
{
    char szOut[32];
    EXPECT_TRUE(Get_Commentary_Token_Value(&Game, 0, NARRATION_TOKENS, szOut, sizeof(szOut)));
    EXPECT_STREQ(szOut, "<ERROR>");
    int nLength = 0;
    EXPECT_EQ(Find_Commentary_Token("$YARDSTOGO left", &nLength), 17);
    EXPECT_EQ(nLength, 10);
    EXPECT_EQ(Find_Commentary_Token("$TOGO", &nLength), 16);
    EXPECT_EQ(Find_Commentary_Token("$NOTHING", &nLength), -1);
}

// ---------------------------------------------------------------------------
// $YARDLINE

TEST(YardLineWords, Rules)
{
    struct CASE {
        int Y, s;
        bool bReturn;
        const char* szWords;
    };
    const CASE Cases[] = {
        {50, 0, false, "at midfield"},
        {50, 4, false, "on the 50-yard line"},
        {50, 5, false, "at the 50"},
        {0, 3, false, "in the end zone"},
        {-4, 3, false, "in the end zone"},
        {1, 5, false, "near the end zone"},
        {2, 5, false, "at the 2-yard line"},          // 2 is not near a 5
        {1, 3, false, "on the 1-yard line"},
        {1, 1, false, "at the 1-yard line"},
        {5, 12, false, "near the 5-yard line"},       // even, 12 mod 7 = 5, near a 5
        {13, 6, false, "on the 13-yard line"},
        {13, 4, false, "at the 13-yard line"},
        {99, 5, false, "near the end zone"},
        {99, 1, false, "at the 1-yard line"},
        {85, 10, false, "near the 15-yard line"},
        {84, 10, false, "near the 15-yard line"},     // 85 - 1: near a 5
        {82, 6, false, "on the 18-yard line"},
        {82, 4, false, "at the 18-yard line"},
        {49, 4, false, "near midfield"},
        {21, 10, false, "on the Chicago 21-yard line"},
        {21, 9, false, "at the Chicago 21-yard line"},
        {30, 16, false, "near the Bears 30-yard line"},
        {31, 7, false, "at the Bears 31-yard line"},
        {33, 2, false, "on the Bears 33-yard line"},
        {23, 16, true, "on the 23-yard line"},
        {24, 7, true, "near the 25-yard line"},
        {70, 14, false, "near the 30-yard line"},
        {72, 5, false, "on the 28-yard line"},
        {72, 3, false, "at the 28-yard line"},
        {72, 1, false, "at the 28-yard line"},
        {72, 2, false, "on the 28-yard line"},
    };
    for (const CASE& c : Cases) {
        char szOut[64];
        Format_Yard_Line_Words(c.Y, c.s, "Bears", "Chicago", c.bReturn, szOut, sizeof(szOut));
        EXPECT_STREQ(szOut, c.szWords) << "Y " << c.Y << " s " << c.s;
    }
}

TEST_F(NarrationTest, YardLineTokenFromSnapSpotAndPlayer)
{
    // Y = 40 - 19 = 21; s = ID 10 mod (variant 1 + 10) = 10.
    Put_Player(AWAY, 20, 10, POSITION_WR);
    Set_Player_Last_Name(AWAY, 20, "Tenn");
    Build_Player_ID_Hash();
    EXPECT_EQ(Render(NARRATE_TACKLED, 1, 19, 10), "Brought down on the Chicago 21-yard line.");
    // The ball changed hands: 79 yards from the other goal, no team named.
    Game.nDown |= GAME_DOWN_FLAG_CHANGED_HANDS;
    EXPECT_EQ(Render(NARRATE_TACKLED, 1, 19, 10), "Brought down on the 21-yard line.");
}

// ---------------------------------------------------------------------------
// Long run, run and pass words

TEST_F(NarrationTest, LongRunCountsByFives)
{
    // From the own 30 (70 to go); the run is long from 10 yards on (own 40)
    // and ends 25 yards later at the other 35.
    Game.CurrentPlay.nSnapYardLine = 70;
    EXPECT_EQ(Render(NARRATE_LONG_RUN, 0, 10, AWAY_ID + 1, 0, 25), "He's to the 40 ... 45 ... 50 ... 45 ... 40 ... 35.");
    // Into the end zone: the count stops at the 5.
    Game.CurrentPlay.nSnapYardLine = 20;
    EXPECT_EQ(Render(NARRATE_LONG_RUN, 0, 0, AWAY_ID + 1, 0, 30), "He's to the 20 ... 15 ... 10 ... 5.");
}

TEST(RunAndPassLocation, Words)
{
    EXPECT_STREQ(Get_Run_Location_Text(0, 2), "inside");
    EXPECT_STREQ(Get_Run_Location_Text(5, 4), "to the left side");
    EXPECT_STREQ(Get_Run_Location_Text(8, 5), "around the right side");
    EXPECT_STREQ(Get_Run_Location_Text(9, 0), "to the left");
    EXPECT_STREQ(Get_Run_Location_Text(-1, 0), "");
    EXPECT_STREQ(Get_Run_Location_Text(10, 0), "");
    EXPECT_STREQ(Get_Pass_Location_Words(0, false, false), "underneath");
    EXPECT_STREQ(Get_Pass_Location_Words(-6, true, false), "in the flat");
    EXPECT_STREQ(Get_Pass_Location_Words(1, false, false), "over the middle");
    EXPECT_STREQ(Get_Pass_Location_Words(11, true, false), "near the sideline");
    EXPECT_STREQ(Get_Pass_Location_Words(21, false, false), "deep downfield");
    EXPECT_STREQ(Get_Pass_Location_Words(60, true, false), "down the sideline");
    EXPECT_STREQ(Get_Pass_Location_Words(12, true, true), "in the corner");
}

TEST_F(NarrationTest, LocationOfRunsAndPasses)
{
    // A sweep to hole 8.
    Call(PLAY_ACE_28_SWEEP);
    EXPECT_EQ(Render(NARRATE_RUSHES, 2, 0, AWAY_ID + 1), "Rusk heads around the right side.");
    Call(PLAY_PRO_48_END_AROUND);
    EXPECT_EQ(Render(NARRATE_RUSHES, 2, 0, AWAY_ID + 1), "Rusk heads around the outside.");

    Call(PLAY_ACE_782_CURL);
    // Place 2 runs receiver 1's route 7 "(7) Corner", ending at x 4 (outside
    // from -1.5); 15 yards: band 2.
    EXPECT_EQ(Render(NARRATE_RECEIVER_OPEN, 0, 15, AWAY_ID + 2), "Fenn is open near the sideline.");
    // Place 4: route 2 "(2) Slant", ending at x -8, inside.
    EXPECT_EQ(Render(NARRATE_RECEIVER_OPEN, 0, 15, AWAY_ID + 4), "Wick is open downfield.");
    // The passer runs no route.
    EXPECT_EQ(Render(NARRATE_RECEIVER_OPEN, 0, 15, AWAY_ID), "Quill is open downfield.");
    EXPECT_TRUE(Is_Route_Outside(7));
    EXPECT_FALSE(Is_Route_Outside(2));
    // A backfield route is outside only from x 3: "Swing" ends at 6, "Under" at 1.6.
    EXPECT_TRUE(Is_Route_Outside(12));
    EXPECT_FALSE(Is_Route_Outside(33));
    EXPECT_FALSE(Is_Route_Outside(-1));
    EXPECT_EQ(Get_Player_Route(&Game, 3), 8);
    EXPECT_EQ(Get_Player_Route(&Game, 0), -1);
    EXPECT_EQ(Get_Player_Route(&Game, 7), -1);
    EXPECT_EQ(Get_Player_Route(&Game, 40), -1);
}

// ---------------------------------------------------------------------------
// Variant rules

TEST_F(NarrationTest, SeriesVariants)
{
    Game.nDown = CONVERSION_ATTEMPT;
    EXPECT_EQ(Variants(NARRATE_SERIES), std::set<int>({8}));
    Game.nDown = 0;
    Game.nToGo = 6;
    Game.nYardLine = 6;
    EXPECT_EQ(Variants(NARRATE_SERIES), std::set<int>({5, 6, 7}));
    Game.nToGo = 10;
    Game.nYardLine = 60;
    EXPECT_EQ(Variants(NARRATE_SERIES), std::set<int>({0, 1, 2}));
    Game.nDown = 2;
    Game.nToGo = 12;
    EXPECT_EQ(Variants(NARRATE_SERIES), std::set<int>({1, 2, 3, 4, 9}));
    Game.nToGo = 1;
    EXPECT_EQ(Variants(NARRATE_SERIES), std::set<int>({1, 2, 3, 4, 13, 14}));
    Game.nToGo = 4;
    EXPECT_EQ(Variants(NARRATE_SERIES), std::set<int>({1, 2, 3, 4, 10, 11, 12}));
    Game.nDown = 1;
    EXPECT_EQ(Variants(NARRATE_SERIES), std::set<int>({1, 2, 3, 4, 15, 16, 17, 18, 19}));
}

TEST_F(NarrationTest, SnapAndTackleVariants)
{
    EXPECT_EQ(Variants(NARRATE_SNAP, 0, 1), std::set<int>({14, 15, 16, 17, 18, 19, 0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(Variants(NARRATE_SNAP, 0, 0).size(), 14u);
    EXPECT_EQ(*Variants(NARRATE_SNAP, 0, 0).rbegin(), 13);
    Game.nDown = GAME_DOWN_FLAG_OUT_OF_BOUNDS;
    EXPECT_EQ(Variants(NARRATE_TACKLED), std::set<int>({12, 13, 14, 15, 16, 17, 18}));
    Game.nDown = GAME_DOWN_FLAG_OUT_OF_BOUNDS | GAME_DOWN_FLAG_OUT_OF_BOUNDS_HURRY;
    EXPECT_EQ(Variants(NARRATE_TACKLED), std::set<int>({15, 16, 17, 18, 19}));
    Game.nDown = 0;
    EXPECT_EQ(*Variants(NARRATE_TACKLED).rbegin(), 11);
}

TEST_F(NarrationTest, PlayerlessGroupsAvoidThatPlayer)
{
    // Without player 0, event 4 keeps to 7-19 and event 25 to 11-19; with
    // him the drawn variant stands.
    EXPECT_EQ(*Variants(NARRATE_BLOCKER_STOPS_RUSHER, 0, 0, 0, 0, HOME_ID).begin(), 7);
    EXPECT_EQ(Variants(NARRATE_BLOCKER_STOPS_RUSHER, 0, 0, 0, AWAY_ID, HOME_ID), std::set<int>({19}));
    EXPECT_EQ(*Variants(NARRATE_BITES_ON_FAKE).begin(), 11);
    for (int v : Variants(NARRATE_BLOCKER_STOPS_RUSHER, 0, 0, 0, 0, HOME_ID))
        EXPECT_EQ(std::string(Get_Narration_Phrase(NARRATE_BLOCKER_STOPS_RUSHER, v)).find("$PLAYER0"), std::string::npos);
    // A rollout reaches the given first variant too; the others name nobody.
    for (int v : Variants(NARRATE_SCRAMBLES_AWAY, 0, 2)) {
        if (v != 0) {
            EXPECT_EQ(std::string(Get_Narration_Phrase(NARRATE_SCRAMBLES_AWAY, v)).find("$PLAYER"), std::string::npos);
        }
    }
}

TEST_F(NarrationTest, EndOfPeriodVariants)
{
    // Told before the play's seconds are added: the clock is still inside
    // the period.
    Game.nClock = 890;
    EXPECT_EQ(Variants(NARRATE_END_OF_PERIOD), std::set<int>({0, 1, 2}));
    Game.nClock = 1799;
    EXPECT_EQ(Variants(NARRATE_END_OF_PERIOD), std::set<int>({9}));
    Game.nScore[GAME_SIDE_HOME] = 3;
    EXPECT_EQ(Variants(NARRATE_END_OF_PERIOD), std::set<int>({3, 4, 5, 6, 7, 8}));
    // Fourth quarter, tied: overtime ahead.
    Game.nClock = 3599;
    Game.nScore[GAME_SIDE_AWAY] = 3;
    EXPECT_EQ(Variants(NARRATE_END_OF_PERIOD), std::set<int>({16, 17}));
    // The away side (with the ball) kicks a field goal on the last play and
    // leads: a final-play win.
    Set_Play_Result(&Game.CurrentPlay, RESULT_FIELD_GOAL_GOOD);
    Game.nScore[GAME_SIDE_AWAY] = 6;
    EXPECT_TRUE(Did_Play_Change_Leader(&Game));
    EXPECT_EQ(Variants(NARRATE_END_OF_PERIOD), std::set<int>({18, 19}));
    // A lead that only grew: the plain end of the game.
    Game.nScore[GAME_SIDE_AWAY] = 13;
    EXPECT_FALSE(Did_Play_Change_Leader(&Game));
    EXPECT_EQ(Variants(NARRATE_END_OF_PERIOD), std::set<int>({13, 14, 15}));
}

TEST_F(NarrationTest, KickVariants)
{
    Set_Play_Result(&Game.CurrentPlay, RESULT_FIELD_GOAL_MISSED);
    Game.CurrentPlay.nYard1 = 58;
    EXPECT_EQ(Variants(NARRATE_KICK_RESULT), std::set<int>({18, 19}));
    Game.CurrentPlay.nYard1 = 30;
    EXPECT_EQ(*Variants(NARRATE_KICK_RESULT).begin(), 8);
    EXPECT_EQ(*Variants(NARRATE_KICK_RESULT).rbegin(), 17);
    Set_Play_Result(&Game.CurrentPlay, RESULT_FIELD_GOAL_GOOD);
    EXPECT_EQ(*Variants(NARRATE_KICK_RESULT).rbegin(), 5);
    Set_Play_Result(&Game.CurrentPlay, RESULT_PUNT_RETURNED);
    Game.CurrentPlay.nYard2 = 0;
    EXPECT_EQ(Variants(NARRATE_KICK_CAUGHT), std::set<int>({15, 16, 17, 18, 19}));
    EXPECT_EQ(Variants(NARRATE_PENALTY_FLAG, 5, 0, 0).size(), 10u);
    EXPECT_EQ(*Variants(NARRATE_PENALTY_FLAG, 5, 0, 0).begin(), 10);
    EXPECT_EQ(*Variants(NARRATE_PENALTY_FLAG, 5, 0, 1).rbegin(), 9);
}

// ---------------------------------------------------------------------------
// Builders

TEST_F(NarrationTest, PassStartEndsWithThrowAndBreakUp)
{
    Watch(true);
    Seed_Random_Numbers(99);
    Queue_Pass_Start_Commentary(&Game, 3, 6, 12, 0);
    const int n = Queued();
    ASSERT_GE(n, 2);
    const NARRATION_ENTRY& Throw = Game.CurrentPlay.Narration[n - 2];
    const NARRATION_ENTRY& BreakUp = Game.CurrentPlay.Narration[n - 1];
    EXPECT_EQ(Throw.bEvent, NARRATE_PASS_THROWN);
    EXPECT_EQ(Throw.nArg1, 12);
    EXPECT_EQ(Throw.nPlayerID[0], AWAY_ID + 3);
    EXPECT_EQ(Throw.nPlayerID[1], AWAY_ID);
    EXPECT_EQ(BreakUp.bEvent, NARRATE_KNOCKED_DOWN);
    EXPECT_EQ(BreakUp.nPlayerID[0], HOME_ID + 6);
}

TEST_F(NarrationTest, SnapTellsShotgunAndRollout)
{
    Watch(true);
    Game.nFormation[GAME_SIDE_AWAY] = 18;
    Queue_Snap_Commentary(&Game);
    ASSERT_EQ(Queued(), 2);
    EXPECT_EQ(Game.CurrentPlay.Narration[0].bEvent, NARRATE_SERIES);
    EXPECT_EQ(Game.CurrentPlay.Narration[1].bEvent, NARRATE_SNAP);
    EXPECT_EQ(Game.CurrentPlay.Narration[1].bArg2, 1);
    EXPECT_EQ(Game.CurrentPlay.Narration[1].nArg1, 40);
    const int v = Game.CurrentPlay.Narration[1].bVariant;
    EXPECT_TRUE(v >= 14 || v <= 7) << v;
}

TEST_F(NarrationTest, CompletedPassForFirstDown)
{
    Watch(true);
    Set_Play_Result(&Game.CurrentPlay, RESULT_PASS_COMPLETE);
    Game.nToGo = 8;
    Seed_Random_Numbers(5);
    Queue_Pass_Result_Commentary(&Game, 2, 7, 0, 9);
    const int n = Queued();
    ASSERT_GE(n, 4);
    EXPECT_EQ(Game.CurrentPlay.Narration[n - 2].bEvent, NARRATE_TACKLED);
    EXPECT_EQ(Game.CurrentPlay.Narration[n - 2].nArg1, 9);
    EXPECT_EQ(Game.CurrentPlay.Narration[n - 2].nPlayerID[1], HOME_ID + 7);
    EXPECT_EQ(Game.CurrentPlay.Narration[n - 1].bEvent, NARRATE_FIRST_DOWN);
}

}  // namespace

namespace {

// The first whole number in a text, -1 when there is none.
int First_Number(const std::string& Text)
{
    const size_t n = Text.find_first_of("0123456789");
    return n == std::string::npos ? -1 : std::stoi(Text.substr(n));
}

}  // namespace

// A returned kick-off is told of the returner going down where the next snap
// stands, and its summary line names the same man and the same yard line.
TEST_F(NarrationTest, KickoffReturnToldWhereTheReturnerWentDown)
{
    Watch(true);
    int nReturns = 0;
    // Kick-offs from the 35 and free kicks after a safety from the 20.
    for (uint32_t nSeed = 1; nSeed < 800 && nReturns < 80; ++nSeed) {
        const bool bFreeKick = nSeed % 2 == 0;
        const int nFrom = bFreeKick ? 80 : 65;
        Start_Play_Record(&Game);
        Clear_Play_Commentary_Texts();
        Game.nOffense = HOME;
        Game.nDown = bFreeKick ? SAFETY_KICK_DOWN : KICKOFF_DOWN;
        Game.nYardLine = static_cast<int8_t>(nFrom);
        Game.nPlayYards = 0;
        Game.CurrentPlay.nSnapDown = static_cast<uint8_t>(Game.nDown);
        Game.CurrentPlay.nSnapYardLine = static_cast<uint8_t>(nFrom);
        Game.CurrentPlay.nOffenseCall = 0;
        Seed_Random_Numbers(nSeed);
        Run_Kickoff(&Game);
        if (Get_Play_Result(&Game.CurrentPlay) != RESULT_KICKOFF_RETURNED)
            continue;
        ++nReturns;
        // The spot of the next snap, in yards to the kicking side's goal, and
        // its number on the field.
        const int nSpot = Game.nYardLine - Game.nPlayYards;
        const int nField = nSpot > 50 ? 100 - nSpot : nSpot;
        int nTackled = -1;
        for (int i = 0; i < NARRATION_ENTRIES; ++i)
            if (Game.CurrentPlay.Narration[i].bEvent == NARRATE_TACKLED)
                nTackled = i;
        ASSERT_GE(nTackled, 0) << nSeed;
        const NARRATION_ENTRY& Entry = Game.CurrentPlay.Narration[nTackled];
        // The returner (the away side's place 0) goes down; a man of the
        // kicking side brings him down.
        EXPECT_EQ(Entry.nPlayerID[0], AWAY_ID) << nSeed << " from " << nFrom;
        EXPECT_GE(Entry.nPlayerID[1], HOME_ID) << nSeed;
        EXPECT_LT(Entry.nPlayerID[1], HOME_ID + PLACES_ON_FIELD) << nSeed;
        char szWhere[128];
        Expand_Commentary_Tokens(&Game, nTackled, "$YARDLINE", szWhere, sizeof(szWhere));
        const std::string Where = szWhere;
        if (Where.find("midfield") != std::string::npos) {
            EXPECT_GE(nField, 48) << Where;
        } else if (Where.find("ear the") != std::string::npos) {   // "near", "Near" at the start
            EXPECT_LE(std::abs(First_Number(Where) - nField), 2) << Where << " " << nField;
        } else {
            EXPECT_EQ(First_Number(Where), nField) << Where << " from " << nFrom;
        }
        char szLine[256];
        Write_Play_Summary_Sentence(&Game, &Game.CurrentPlay, szLine, sizeof(szLine));
        const std::string Line = szLine;
        EXPECT_NE(Line.find("Quill"), std::string::npos) << Line;
        EXPECT_NE(Line.find(" " + std::to_string(nField) + (nSpot < 50 ? "!" : "")), std::string::npos)
            << Line << " " << nField;
    }
    EXPECT_GE(nReturns, 40);
}

namespace {

// A spot of the 0-100 field the way a long run tells it: taken to a multiple
// of 5, kept off the goal lines, then numbered 0-50.
int Long_Run_Mark(int nYards)
{
    int m = ((nYards + 2) / 5) * 5;
    m = m < 5 ? 5 : (m > 95 ? 95 : m);
    return m <= 50 ? m : 100 - m;
}

}  // namespace

// A returned punt's long run is told from where the returner caught it to
// where he went down, the spot of the next snap; the log names him and the
// yards he brought it back.
TEST_F(NarrationTest, PuntReturnLongRunEndsWhereTheReturnerWentDown)
{
    Watch(true);
    // A returner who breaks long returns.
    for (int r = 0; r < NUMBER_OF_RATINGS; ++r)
        Set_Player_Rating(AWAY, 0, r, 95.0f);
    int nLongRuns = 0;
    for (uint32_t nSeed = 1; nSeed < 4000 && nLongRuns < 40; ++nSeed) {
        const int nFrom = 60 + static_cast<int>(nSeed % 3) * 5;   // the punting side's own 40, 35 or 30
        Start_Play_Record(&Game);
        Clear_Play_Commentary_Texts();
        Game.nOffense = HOME;
        Game.nDown = 3;
        Game.nToGo = 8;
        Game.nYardLine = static_cast<int8_t>(nFrom);
        Game.nPlayYards = 0;
        Game.CurrentPlay.nSnapDown = 3;
        Game.CurrentPlay.nSnapYardLine = static_cast<uint8_t>(nFrom);
        Seed_Random_Numbers(nSeed);
        Run_Punt(&Game);
        const int nResult = Get_Play_Result(&Game.CurrentPlay);
        if (nResult != RESULT_PUNT_RETURNED && nResult != RESULT_PUNT_RETURN_TOUCHDOWN)
            continue;
        int nLong = -1;
        for (int i = 0; i < NARRATION_ENTRIES; ++i)
            if (Game.CurrentPlay.Narration[i].bEvent == NARRATE_LONG_RUN)
                nLong = i;
        if (nLong < 0)
            continue;
        ++nLongRuns;
        // Caught where the receivers now stand, in yards to their goal;
        // down where the next snap stands.
        const int nCaught = Game.nYardLine;
        const int nDown = Game.nYardLine - Game.nPlayYards;
        EXPECT_EQ(Game.CurrentPlay.nPlayer1, AWAY_ID) << nSeed;
        EXPECT_EQ(Game.CurrentPlay.nYard2, Game.nPlayYards) << nSeed;
        EXPECT_EQ(Game.CurrentPlay.Narration[nLong].nPlayerID[0], AWAY_ID) << nSeed;
        char szRun[256];
        Expand_Commentary_Tokens(&Game, nLong, "$LONGRUN", szRun, sizeof(szRun));
        const std::string Run = szRun;
        EXPECT_EQ(First_Number(Run), Long_Run_Mark(nCaught)) << Run << " caught " << nCaught << " seed " << nSeed;
        EXPECT_EQ(Last_Told_Number(Run), Long_Run_Mark(nDown)) << Run << " down " << nDown << " seed " << nSeed;
        // The summary line: the same man, the yards between the two spots.
        char szLine[256];
        Write_Play_Summary_Sentence(&Game, &Game.CurrentPlay, szLine, sizeof(szLine));
        const std::string Line = szLine;
        if (nResult == RESULT_PUNT_RETURNED)
            EXPECT_NE(Line.find("returned " + std::to_string(nCaught - nDown) + " yards by Quill"), std::string::npos)
                << Line;
        else
            EXPECT_NE(Line.find("Quill"), std::string::npos) << Line;
    }
    EXPECT_GE(nLongRuns, 20);
}
