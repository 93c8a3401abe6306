// Player ratings: repairs, combined ratings, overall ratings, scaling to an
// overall, the league-wide repair, and the player-making services they use.
#include <limits>
#include <utility>

#include "gamefile/load_repair_check.h"
#include "league/overall_rating.h"
#include "league/player_fixture.h"
#include "season/salaries.h"

namespace {

using PlayerRatings = PlayerTest;
using PlayerOverall = PlayerTest;
using PlayerGeneration = PlayerTest;

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();

TEST_F(PlayerRatings, ReadsRepairAndStore)
{
    // A guard: outside the backs and receivers, durability is the health grade.
    PLAYER& Player = Add_Player(2, 3, 23, POSITION_G);
    League.Preferences.nInt[PREF_PERFECT_SCOUTING] = 1;   // the health grade unscouted
    Player.fRating[RATING_KICK_RETURNS] = NaN;
    EXPECT_EQ(Get_Player_Rating(2, 3, RATING_KICK_RETURNS), 55.0f);
    EXPECT_EQ(Player.fRating[RATING_KICK_RETURNS], 55.0f);
    // Health and durability above 120 come from the statistics, unstored:
    // 17 games and 5 starts predicted give 22 + 54.
    Player.nStat[3][0] = 17;
    Player.nStat[3][1] = 5;
    Player.fRating[RATING_HEALTH] = 130.0f;
    EXPECT_EQ(Get_Player_Rating(2, 3, RATING_HEALTH), 76.0f);
    EXPECT_EQ(Player.fRating[RATING_HEALTH], 130.0f);
    Player.fRating[RATING_DURABILITY] = 120.0f;   // exactly 120 stands
    EXPECT_EQ(Get_Player_Rating(2, 3, RATING_DURABILITY), 120.0f);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerRatings, BadArgumentsReadTwentyOrReportAndHugeValuesAreStored)
{
    Add_Player(2, 3, 23).fRating[RATING_SPEED] = NaN;
    Expect_Refused({
        {[] { EXPECT_EQ(Get_Player_Rating(41, 3, RATING_SPEED), 20.0f); }, nullptr},
        {[] { EXPECT_EQ(Get_Player_Rating(2, 100, RATING_SPEED), 20.0f); }, nullptr},
        {[] { EXPECT_EQ(Get_Player_Rating(2, 3, 31), 0.0f); }, "Unrecognized nRating in Get_Player_Rating(2,3,[31])"},
        {[] { Set_Player_Rating(41, 3, RATING_SPEED, 50.0f); }, nullptr},
        {[] { Set_Player_Rating(2, 100, RATING_SPEED, 50.0f); }, nullptr},
        {[] { Set_Player_Rating(2, 3, 27, 50.0f); }, "nRating out of bounds in Set_Player_Rating(2,3,[27],"},
        {[] { EXPECT_EQ(Get_Default_Rating(27), 0.0f); }, "nRating out of bounds in Get_Default_Rating([27])"},
    });
    Set_Player_Rating(2, 3, RATING_VISION, 1500.0f);
    EXPECT_EQ(League.Team[2].Player[3].fRating[RATING_VISION], 1500.0f);
    EXPECT_TRUE(Last_Error_Contains("fValue out of bounds in Set_Player_Rating(2,3,10,[1500.000000])"));
}

TEST_F(PlayerRatings, CombinedRatings)
{
    PLAYER& Player = Add_Player(4, 0, 40, POSITION_RB);
    const std::pair<int, float> Ratings[] = {
        {RATING_SPEED, 80}, {RATING_POWER, 70}, {RATING_QUICKNESS, 60}, {RATING_VISION, 50}, {RATING_HANDS, 40},
        {RATING_MOBILITY, 90}, {RATING_RECEIVING, 90}, {RATING_ACCURACY, 80}, {RATING_CONTROL, 70},
        {RATING_DISTANCE, 60}, {RATING_RED_ZONE, 50}, {RATING_RUN_BLOCKING, 60}, {RATING_PASS_BLOCKING, 80}};
    for (const auto& Rating : Ratings)
        Player.fRating[Rating.first] = Rating.second;
    EXPECT_NEAR(Get_Player_Rating(4, 0, RATING_COMBINED_RUSHING), 61.5f, 1e-4);     // 16 + 14 + 15 + 12.5 + 4
    EXPECT_NEAR(Get_Player_Rating(4, 0, RATING_COMBINED_RECEIVING), 72.2f, 1e-4);   // 10.4 + 6 + 9.8 + 6 + 4 + 36
    EXPECT_NEAR(Get_Player_Rating(4, 0, RATING_COMBINED_PASSING), 67.0f, 1e-4);     // 24 + 21 + 12 + 10
    EXPECT_NEAR(Get_Player_Rating(4, 0, RATING_COMBINED_BLOCKING), 70.0f, 1e-4);
}

TEST_F(PlayerRatings, TheLoadRepair)
{
    PLAYER& A = Add_Player(2, 0, 1);
    A.fRating[RATING_SPEED] = 80;
    A.fRating[RATING_POWER] = 60;
    A.fRating[RATING_RUN_BLOCKING] = 10;
    A.fRating[RATING_ACCURACY] = 3;
    Add_Player(2, 1, 2).fRating[RATING_RUN_BLOCKING] = NaN;
    Repair_Player_Ratings();
    EXPECT_EQ(A.fRating[RATING_RUN_BLOCKING], 58.0f);    // 68 - 40 + 30
    EXPECT_EQ(A.fRating[RATING_ACCURACY], 20.0f);
    EXPECT_EQ(League.Team[2].Player[1].fRating[RATING_RUN_BLOCKING], 72.0f);
    EXPECT_EQ(Errors_Reported(), 0);
    // Power beyond the storage bound is held to it first: the rebuilt
    // blocking is 68 - 10 + 500.
    A.fRating[RATING_SPEED] = 20.0f;
    A.fRating[RATING_RUN_BLOCKING] = 1.0f;
    A.fRating[RATING_POWER] = 3000.0f;
    Repair_Player_Ratings();
    EXPECT_EQ(A.fRating[RATING_POWER], 1000.0f);
    EXPECT_EQ(A.fRating[RATING_RUN_BLOCKING], 558.0f);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerRatings, TheLoadRepairHoldsEveryRatingToItsRange)
{
    const float Inf = std::numeric_limits<float>::infinity();
    PLAYER& A = Add_Player(2, 0, 1);
    A.fRating[RATING_ACCURACY] = 1e30f;
    A.fRating[RATING_CONTROL] = NaN;     // default 72
    A.fRating[RATING_DISTANCE] = -5.0f;
    A.fRating[RATING_HEALTH] = Inf;
    A.fRating[RATING_HANDS] = -Inf;
    // Fast and weak beyond all bounds: the rebuilt blocking would be far
    // below the least rating (68 - 500 + 10).
    A.fRating[RATING_SPEED] = 5e20f;
    A.fRating[RATING_POWER] = 20.0f;
    A.fRating[RATING_RUN_BLOCKING] = -1e30f;
    // A slot nobody holds is held to the storage bound too.
    League.Team[2].Player[7].fRating[RATING_VISION] = -Inf;
    Repair_Player_Ratings();
    EXPECT_EQ(A.fRating[RATING_ACCURACY], 1000.0f);
    EXPECT_EQ(A.fRating[RATING_CONTROL], 72.0f);
    EXPECT_EQ(A.fRating[RATING_DISTANCE], 20.0f);
    EXPECT_EQ(A.fRating[RATING_HEALTH], 1000.0f);
    EXPECT_EQ(A.fRating[RATING_HANDS], 20.0f);
    EXPECT_EQ(A.fRating[RATING_SPEED], 1000.0f);
    EXPECT_EQ(A.fRating[RATING_RUN_BLOCKING], 20.0f);
    EXPECT_EQ(League.Team[2].Player[7].fRating[RATING_VISION], -1000.0f);
    EXPECT_EQ(Errors_Reported(), 0);
}

// One player left as a load would leave him, worked by hand: the storage
// bound and the floor first (blocking rebuilt from the floored speed), then
// the speed of a quarterback, back or receiver.
TEST_F(PlayerRatings, SettlingAPlayerDoesWhatBothLoadRepairsWould)
{
    // A receiver made at speed 32.5: 32 + 40.
    PLAYER& Receiver = Add_Player(2, 0, 1, POSITION_WR);
    Receiver.fRating[RATING_SPEED] = 32.5f;
    // A guard's discipline curtailed to 6.5 is floored; his speed too, and
    // nothing more, since he is no back.
    PLAYER& Guard = Add_Player(2, 1, 2, POSITION_G);
    Guard.fRating[RATING_DISCIPLINE] = 6.5f;
    Guard.fRating[RATING_SPEED] = 12.0f;
    // A running back of speed 10 and power 50 who cannot block: the speed is
    // floored before the blocking is rebuilt, 60 - 10 + 25 and 68 - 10 + 25;
    // then that speed of 20 becomes 20 + 30.
    PLAYER& Back = Add_Player(2, 2, 3, POSITION_RB);
    Back.fRating[RATING_SPEED] = 10.0f;
    Back.fRating[RATING_POWER] = 50.0f;
    Back.fRating[RATING_PASS_BLOCKING] = 12.0f;
    Back.fRating[RATING_RUN_BLOCKING] = 5.0f;
    // A quarterback whose speed is no number takes its default, 70, fast
    // enough; an accuracy beyond the bound is held to it.
    PLAYER& Passer = Add_Player(2, 3, 4, POSITION_QB);
    Passer.fRating[RATING_SPEED] = NaN;
    Passer.fRating[RATING_ACCURACY] = 1500.0f;
    // A tight end just below 40 keeps the whole part, 39 + 30; a fullback at
    // 40 is fast enough; a corner of 25 is no back in this sense.
    PLAYER& End = Add_Player(2, 4, 5, POSITION_TE);
    End.fRating[RATING_SPEED] = 39.99f;
    PLAYER& Fullback = Add_Player(2, 5, 6, POSITION_FB);
    Fullback.fRating[RATING_SPEED] = 40.0f;
    PLAYER& Corner = Add_Player(2, 6, 7, POSITION_CB);
    Corner.fRating[RATING_SPEED] = 25.0f;
    // A fast, light receiver who cannot block: 60 - 45 + 15 and 68 - 45 + 15.
    PLAYER& Flyer = Add_Player(2, 7, 8, POSITION_WR);
    Flyer.fRating[RATING_SPEED] = 90.0f;
    Flyer.fRating[RATING_POWER] = 30.0f;
    Flyer.fRating[RATING_PASS_BLOCKING] = 3.0f;
    Flyer.fRating[RATING_RUN_BLOCKING] = 19.9f;
    // A slot nobody holds is nobody's: left as it is, as the loads leave it.
    League.Team[2].Player[9].fRating[RATING_SPEED] = 5.0f;

    for (int s = 0; s <= 9; ++s)
        Settle_Player_Ratings(2, s);
    EXPECT_EQ(Receiver.fRating[RATING_SPEED], 72.0f);
    EXPECT_EQ(Receiver.fRating[RATING_HANDS], 70.0f);
    EXPECT_EQ(Guard.fRating[RATING_DISCIPLINE], 20.0f);
    EXPECT_EQ(Guard.fRating[RATING_SPEED], 20.0f);
    EXPECT_EQ(Back.fRating[RATING_PASS_BLOCKING], 75.0f);
    EXPECT_EQ(Back.fRating[RATING_RUN_BLOCKING], 83.0f);
    EXPECT_EQ(Back.fRating[RATING_SPEED], 50.0f);
    EXPECT_EQ(Passer.fRating[RATING_SPEED], 70.0f);
    EXPECT_EQ(Passer.fRating[RATING_ACCURACY], 1000.0f);
    EXPECT_EQ(End.fRating[RATING_SPEED], 69.0f);
    EXPECT_EQ(Fullback.fRating[RATING_SPEED], 40.0f);
    EXPECT_EQ(Corner.fRating[RATING_SPEED], 25.0f);
    EXPECT_EQ(Flyer.fRating[RATING_PASS_BLOCKING], 30.0f);
    EXPECT_EQ(Flyer.fRating[RATING_RUN_BLOCKING], 38.0f);
    EXPECT_EQ(League.Team[2].Player[9].fRating[RATING_SPEED], 5.0f);
    EXPECT_EQ(Errors_Reported(), 0);
    // The loads then find nothing to do, and a slot off the rosters is
    // refused without a word.
    EXPECT_EQ(Players_Changed_By_Load_Repairs(), "");
    Expect_Refused({
        {[] { Settle_Player_Ratings(41, 0); }, nullptr},
        {[] { Settle_Player_Ratings(2, 100); }, nullptr},
        {[] { Settle_Player_Ratings(-1, 0); }, nullptr},
    });
}

// ---------------------------------------------------------------------------
// Overall ratings

TEST_F(PlayerOverall, EveryPositionWithAllRatingsAt70)
{
    Add_Player(1, 0, 1);
    // Hand sums of the weights times 70, then the compression.
    // QB 1.26 x 70 - 15; RB 1.2 x 70 - 10; FB 72.1, but 74 as a running back;
    // TE 1.12 x 70; WR 1.15 x 70 - 10; T, G, C 1.027 x 70.
    // DE (1.07 x 4900 + 3900) / 125; DT 69.616, compressed; LB; CB 66.872,
    // compressed; S; K 66 and P 67, compressed.
    const float fExpected[NUMBER_OF_POSITIONS] = {73.2f, 74.0f, 74.0f, 78.4f, 70.5f, 71.89f, 71.89f, 71.89f,
                                                  73.144f, 69.808f, 72.752f, 68.436f, 72.36f, 68.0f, 68.5f};
    for (int nPosition = 0; nPosition < NUMBER_OF_POSITIONS; ++nPosition)
        EXPECT_NEAR(Get_Position_Overall_Rating(1, 0, nPosition), fExpected[nPosition], 2e-4) << nPosition;
    EXPECT_NEAR(Get_Position_Overall_Rating(1, 0, 15), 35.0f, 1e-6);
}

TEST_F(PlayerOverall, PositionRules)
{
    // A running back whose receiving beats his raw value gains 13% of the difference.
    PLAYER& Back = Add_Player(1, 1, 2, POSITION_RB);
    Back.fRating[RATING_RECEIVING] = 90.0f;
    EXPECT_NEAR(Get_Position_Overall_Rating(1, 1, POSITION_RB), 76.08f, 2e-4);   // 64.38 + 11.7
    // A long snapper punter with a raw 30 (0.8 x 35 + 0.3 x 40 - 10): (30 + 150) / 3 = 60, then 65.
    PLAYER& Snapper = Add_Player(1, 3, 4, POSITION_P);
    Snapper.fRating[RATING_PUNT_DISTANCE] = 35.0f;
    Snapper.fRating[RATING_PUNT_ACCURACY] = 40.0f;
    Snapper.bStat[BYTE_STAT_DEPTH_SLOT] = EXPANDED_LONG_SNAPPER;
    EXPECT_NEAR(Get_Position_Overall_Rating(1, 3, POSITION_P), 65.0f, 2e-4);
    // Exactly 90 and 70 stay; just above 90 is pulled halfway, below 70 up halfway.
    for (auto [fRaw, fCompressed] : {std::pair{90.0f, 90.0f}, {70.0f, 70.0f}, {92.0f, 91.0f}, {60.0f, 65.0f}})
        EXPECT_EQ(Compress_Overall_Rating(fRaw), fCompressed) << fRaw;

    // A bad address reads every rating as 20 and writes nothing.
    Expect_Refused({
        {[] { EXPECT_NEAR(Get_Position_Overall_Rating(41, 0, POSITION_QB), 40.1f, 2e-4); }, nullptr},
        {[] { EXPECT_EQ(Get_Player_Overall_Rating(1, 100), 0.0f); },
         "nSlot out of bounds in Get_Player_Overall_Rating(1,[100])"},
    });
}

TEST_F(PlayerOverall, AFullbackGetsTheBetterOfHisTwoOveralls)
{
    // Every rating 40: as a fullback 1.03 x 40 = 41.2, adjusted to 55.6; as a
    // back 1.2 x 40 - 10 = 38, Receiving 40 lifts it to 38.26, adjusted 54.13.
    PLAYER& Blocker = Add_Player(1, 0, 1, POSITION_FB);
    for (float& fRating : Blocker.fRating)
        fRating = 40.0f;
    EXPECT_NEAR(Get_Position_Overall_Rating(1, 0, POSITION_RB), 54.13f, 2e-4);
    EXPECT_NEAR(Get_Position_Overall_Rating(1, 0, POSITION_FB), 55.6f, 2e-4);
    // A runner: Speed, Power, Quickness, Vision and Hands 60, the rest 40. As a
    // back 1.1 x 60 + 0.1 x 40 - 10 = 60, adjusted to 65; as a fullback
    // 3.6 + 4 + 3 + 12 + 1.8 + 4.2 + 8 + 12.8 = 49.4, adjusted to 59.7. He is a
    // 65, not that 65 pulled up once more to 67.5.
    PLAYER& Runner = Add_Player(1, 1, 2, POSITION_FB);
    for (float& fRating : Runner.fRating)
        fRating = 40.0f;
    for (int nRating : {RATING_SPEED, RATING_POWER, RATING_QUICKNESS, RATING_VISION, RATING_HANDS})
        Runner.fRating[nRating] = 60.0f;
    EXPECT_NEAR(Get_Position_Overall_Rating(1, 1, POSITION_RB), 65.0f, 2e-4);
    EXPECT_NEAR(Get_Position_Overall_Rating(1, 1, POSITION_FB), 65.0f, 2e-4);
    // On special teams both values take the place's step once: as a back
    // (60 + 150) / 3 = 70 stays 70; as a fullback 66.47, adjusted to 68.23.
    Runner.bStat[BYTE_STAT_DEPTH_SLOT] = EXPANDED_SPECIAL_TEAMS;
    EXPECT_NEAR(Get_Position_Overall_Rating(1, 1, POSITION_FB), 70.0f, 2e-4);
}

TEST_F(PlayerOverall, ScalingReachesTheTargetWithoutTouchingSpeed)
{
    PLAYER& Player = Add_Player(3, 0, 30, POSITION_QB);   // 73.2 before
    Player.fRating[RATING_SPEED] = 64.0f;
    Scale_Player_To_Overall(3, 0, 80.0f);
    EXPECT_NEAR(Get_Player_Overall_Rating(3, 0) / 80.0f, 1.0f, 0.005f);
    EXPECT_EQ(Player.fRating[RATING_SPEED], 64.0f);
    Expect_Refused({
        {[] { Scale_Player_To_Overall(3, 0, NaN); }, nullptr},
        {[] { Scale_Player_To_Overall(3, 100, 70.0f); }, "nSlot out of bounds in Scale_Player_To_Overall(3,[100])"},
    });
}

TEST_F(PlayerOverall, TheOverallOrRegenerateIsTheOverallAtTheAskedPosition)
{
    // All 70: 73.2 at quarterback, 68 at kicker, whatever his own position;
    // nothing is drawn anew.
    PLAYER& Rated = Add_Player(1, 0, 1, POSITION_WR);
    EXPECT_NEAR(Get_Position_Overall_Or_Regenerate(1, 0, POSITION_QB), 73.2f, 2e-4);
    EXPECT_NEAR(Get_Position_Overall_Or_Regenerate(1, 0, POSITION_K), 68.0f, 2e-4);
    for (float fRating : Rated.fRating)
        EXPECT_EQ(fRating, 70.0f);
}

// ---------------------------------------------------------------------------
// Player-making services

TEST_F(PlayerGeneration, MinimumSalariesAndTheCapScale)
{
    Add_Player(1, 0, 1).nVital[VITAL_SEASONS_PLAYED] = -4;
    EXPECT_EQ(Get_Minimum_Salary(12), 1030);   // more than 10 counts as 10
    EXPECT_EQ(Get_Player_Minimum_Salary(1, 0), 495);
    Set_User_Preference(PREF_SEASON_INDEX, 12);  // 2031: 2023's amounts inflated
    League.Universe.nStat[INFLATION_FACTOR] = 1500;
    EXPECT_EQ(Get_Minimum_Salary(0), 1125);
    // No cap: the base is 224,800,000 at an inflation of 1000; 4,496 x 55 / 224.8 = 1,100.
    League.Universe.nStat[INFLATION_FACTOR] = 1000;
    EXPECT_EQ(Scale_To_Salary_Cap(4496), 1100);
    League.Universe.nStat[SALARY_CAP] = 55000000;
    EXPECT_EQ(Scale_To_Salary_Cap(4496), 4496);
}

TEST_F(PlayerGeneration, FittedOverallsAndRefusals)
{
    Add_Player(1, 1, 5);
    // Threshold 70 - 11 x 1.1 = 57.9: a veteran above it, or one scaled to it.
    Fit_Player_Ratings_To_Target(1, 1, POSITION_DT, 1.1f);
    EXPECT_EQ(Get_Player_Position(1, 1), POSITION_DT);
    EXPECT_GT(Get_Player_Overall_Rating(1, 1), 57.9f * 0.995f);
    EXPECT_EQ(Errors_Reported(), 0);
    Expect_Refused({
        {[] { Fit_Player_Ratings_To_Target(1, 1, 43, 1.0f); },
         "nPosition out of bounds in Fit_Player_Ratings_To_Target(1,1,[43],"},
        {[] { EXPECT_EQ(Generate_Player_Height(-1), 0); }, "nPosition out of bounds in Generate_Player_Height([-1])"},
    });
}

}  // namespace
