// Making players: the rating formulas and their draw order, the default
// ratings, the rating adjustment, veterans fitted to a threshold, the name
// caches, measures, IDs, uniform numbers and whole generated players.
#include <cctype>
#include <chrono>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "../league/player_fixture.h"
#include "base/random.h"
#include "league/overall_rating.h"
#include "league/player.h"
#include "league/preferences.h"
#include "season/generation_settings.h"
#include "season/player_generation.h"
#include "season/position_scan.h"
#include "season/salaries.h"

namespace {

class PlayerMaking : public PlayerTest {
protected:
    SCRATCH_FOLDER Scratch{"player_making"};

    static void Write_List(const char* szPath, const std::string& Text)
    {
        std::filesystem::create_directories("names");
        FILE* pFile = std::fopen(szPath, "wb");
        ASSERT_NE(pFile, nullptr);
        std::fwrite(Text.data(), 1, Text.size(), pFile);
        std::fclose(pFile);
    }

    // The spread column at -200 makes every quality draw exactly M + 50.
    static void Fix_Quality_Draws(int nPosition) { Set_Draft_Talent(DRAFT_TALENT_SPREAD, nPosition, -200); }

    static float Rating(int nTeam, int nSlot, int nRating) { return League.Team[nTeam].Player[nSlot].fRating[nRating]; }

    // How many draws a call took: the next word after it against the words
    // of a fresh run from the same seed.
    template <typename F> static int Count_Draws(F Call)
    {
        Seed_Random_Numbers(777);
        Call();
        const uint32_t nNext = Generate_Random_Number();
        Seed_Random_Numbers(777);
        for (int n = 0; n < 400; ++n)
            if (Generate_Random_Number() == nNext)
                return n;
        return -1;
    }
};

// ---------------------------------------------------------------------------
// The rating generator

TEST_F(PlayerMaking, QualityDrawsFixedBySpreadGiveTheFormulasWithoutChance)
{
    // a = b = c = d = 0 + 50 (M = 0): the ratings with no draw of their own.
    struct CASE {
        int nPosition;
        int nRating;
        float fValue;
    };
    const CASE Cases[] = {
        {POSITION_RB, RATING_SPEED, 83.0f},          // 71 + 50/4
        {POSITION_FB, RATING_SPEED, 68.0f},          // 60 + 50/6
        {POSITION_TE, RATING_RECEIVING, 62.0f},      // 50 + 50/4
        {POSITION_WR, RATING_RECEIVING, 70.0f},      // 58 + 12
        {POSITION_T, RATING_RECEIVING, 36.0f},       // 20 + 50/3
        {POSITION_DE, RATING_PASS_RUSH, 74.0f},      // 62 + 12
        {POSITION_DT, RATING_RUN_DEFENSE, 74.0f},    // 58 + 16
        {POSITION_DT, RATING_RECEIVING, 31.0f},      // 15 + 16
        {POSITION_LB, RATING_RECEIVING, 46.0f},      // 30 + 16
        {POSITION_CB, RATING_PASS_COVERAGE, 75.0f},  // 63 + 12
        {POSITION_S, RATING_PASS_COVERAGE, 69.0f},   // 57 + 12
    };
    for (const CASE& C : Cases) {
        Add_Player(2, 0, 9, C.nPosition);
        Fix_Quality_Draws(C.nPosition);
        Generate_Player_Ratings(2, 0);
        EXPECT_EQ(Rating(2, 0, C.nRating), C.fValue) << C.nPosition << " " << C.nRating;
    }
    // With draws of their own the ratings stay in their bands: a QB's
    // Accuracy 53 + 10 + 0..14, Speed 55 + 12 + 0..9; K's FG Accuracy 50 + 10 + 0..19.
    Add_Player(2, 1, 10, POSITION_QB);
    Fix_Quality_Draws(POSITION_QB);
    Generate_Player_Ratings(2, 1);
    EXPECT_GE(Rating(2, 1, RATING_ACCURACY), 63.0f);
    EXPECT_LE(Rating(2, 1, RATING_ACCURACY), 77.0f);
    EXPECT_GE(Rating(2, 1, RATING_SPEED), 67.0f);
    EXPECT_LE(Rating(2, 1, RATING_SPEED), 76.0f);
    // A QB's unnamed ratings keep their base 20..30.
    for (int r : {RATING_DISCIPLINE, RATING_RUN_DEFENSE, RATING_TACKLING, RATING_FG_ACCURACY, RATING_PUNT_DISTANCE}) {
        EXPECT_GE(Rating(2, 1, r), 20.0f) << r;
        EXPECT_LE(Rating(2, 1, r), 30.0f) << r;
    }
}

TEST_F(PlayerMaking, DraftTalentShiftsAndSpreadsTheQualityDraws)
{
    // Draft Talent +100 with column 1 at 0: M = (0 + 50) / 2 = 25, a = 75.
    Set_Draft_Talent_Setting(100);
    Add_Player(2, 0, 9, POSITION_RB);
    Fix_Quality_Draws(POSITION_RB);
    Generate_Player_Ratings(2, 0);
    EXPECT_EQ(Rating(2, 0, RATING_SPEED), 89.0f);   // 71 + 75/4
    // Column 1 of -60 with Draft Talent -100: M = (-60 - 50) / 2 = -55, a = -5:
    // -5/4 truncates toward zero.
    Set_Draft_Talent_Setting(-100);
    Set_Draft_Talent(DRAFT_TALENT_QUALITY, POSITION_RB, -60);
    Generate_Player_Ratings(2, 0);
    EXPECT_EQ(Rating(2, 0, RATING_SPEED), 70.0f);   // 71 + (-1)
    // Spread -400: R = -100, H = -100, so a lies in 1..100 (M = 0).
    Set_Draft_Talent_Setting(0);
    Set_Draft_Talent(DRAFT_TALENT_QUALITY, POSITION_RB, 0);
    Set_Draft_Talent(DRAFT_TALENT_SPREAD, POSITION_RB, -400);
    for (int i = 0; i < 200; ++i) {
        Generate_Player_Ratings(2, 0);
        EXPECT_GE(Rating(2, 0, RATING_SPEED), 71.0f);   // 71 + 1/4
        EXPECT_LE(Rating(2, 0, RATING_SPEED), 96.0f);   // 71 + 100/4
    }
    // The talent table saturates instead of wrapping.
    Set_Draft_Talent(DRAFT_TALENT_QUALITY, POSITION_QB, 40000);
    EXPECT_EQ(Get_Draft_Talent(DRAFT_TALENT_QUALITY, POSITION_QB), 32767);
    EXPECT_EQ(Get_Draft_Talent(DRAFT_TALENT_QUALITY, 15), 0);
}

TEST_F(PlayerMaking, EachPositionTakesItsFixedNumberOfDraws)
{
    // 4 for health and durability, 25 base values, 4 quality draws, then one
    // per formula with a random part.
    const int Expected[NUMBER_OF_POSITIONS] = {48, 43, 43, 43, 43, 43, 43, 43, 44, 44, 45, 44, 44, 42, 42};
    for (int p = 0; p < NUMBER_OF_POSITIONS; ++p) {
        Add_Player(2, 0, 9, p);
        EXPECT_EQ(Count_Draws([] { Generate_Player_Ratings(2, 0); }), Expected[p]) << p;
    }
    Add_Player(2, 0, 9, POSITION_QB);
    League.Team[2].Player[0].nVital[VITAL_POSITION] = 15;   // no formulas
    EXPECT_EQ(Count_Draws([] { Generate_Player_Ratings(2, 0); }), 33);
    // The same sequence makes the same player.
    Add_Player(2, 1, 10, POSITION_LB);
    Seed_Random_Numbers(5);
    Generate_Player_Ratings(2, 1);
    std::vector<float> First(League.Team[2].Player[1].fRating, League.Team[2].Player[1].fRating + NUMBER_OF_RATINGS);
    Seed_Random_Numbers(5);
    Generate_Player_Ratings(2, 1);
    EXPECT_EQ(std::memcmp(First.data(), League.Team[2].Player[1].fRating, sizeof(float) * NUMBER_OF_RATINGS), 0);
}

TEST_F(PlayerMaking, DefaultRatingsByPosition)
{
    Add_Player(2, 0, 9, POSITION_FB);
    Set_Default_Player_Ratings(2, 0);
    const float Fullback[NUMBER_OF_RATINGS] = {70, 70, 40, 40, 40, 40, 40, 50, 40, 40, 40, 30, 40, 35,
                                               35, 55, 55, 40, 15, 15, 15, 15, 25, 20, 20, 20, 20};
    for (int r = 0; r < NUMBER_OF_RATINGS; ++r)
        EXPECT_EQ(Rating(2, 0, r), Fullback[r]) << r;
    Add_Player(2, 1, 10, POSITION_P);
    Set_Default_Player_Ratings(2, 1);
    EXPECT_EQ(Rating(2, 1, RATING_FG_ACCURACY), 45.0f);
    EXPECT_EQ(Rating(2, 1, RATING_PUNT_DISTANCE), 65.0f);
    EXPECT_EQ(Rating(2, 1, RATING_SPEED), 35.0f);
    Add_Player(2, 2, 11, POSITION_LB);
    Set_Default_Player_Ratings(2, 2);
    EXPECT_EQ(Rating(2, 2, RATING_RECEIVING), 65.0f);
    EXPECT_EQ(Rating(2, 2, RATING_TACKLING), 65.0f);
    // A position outside 0-14 keeps its ratings.
    Add_Player(2, 3, 12, POSITION_QB);
    League.Team[2].Player[3].nVital[VITAL_POSITION] = 15;
    Set_Default_Player_Ratings(2, 3);
    EXPECT_EQ(Rating(2, 3, RATING_ACCURACY), 70.0f);
    EXPECT_EQ(Rating(2, 3, RATING_SPEED), 70.0f);
}

// ---------------------------------------------------------------------------
// The rating adjustment

TEST_F(PlayerMaking, RaisesAndDeclinesMoveOnlyThePositionsRatings)
{
    // Every rating 70. A raise of 0.1 adds (99 - 70) / 29 x 7 = 7.
    Add_Player(2, 0, 9, POSITION_QB);
    Modify_Player_Ratings(2, 0, 0, 0.1f);
    EXPECT_FLOAT_EQ(Rating(2, 0, RATING_ACCURACY), 77.0f);
    EXPECT_FLOAT_EQ(Rating(2, 0, RATING_SPEED), 77.0f);
    EXPECT_EQ(Rating(2, 0, RATING_PASS_BLOCKING), 70.0f);   // not a QB's
    EXPECT_EQ(Rating(2, 0, RATING_RECEIVING), 70.0f);
    // 90 rises to 90 + 9/29 x 7 = 92.1724; exactly 99 stays.
    League.Team[2].Player[0].fRating[RATING_CONTROL] = 90.0f;
    League.Team[2].Player[0].fRating[RATING_MOBILITY] = 99.0f;
    Modify_Player_Ratings(2, 0, 0, 0.1f);
    EXPECT_NEAR(Rating(2, 0, RATING_CONTROL), 92.1724f, 1e-4f);
    EXPECT_EQ(Rating(2, 0, RATING_MOBILITY), 99.0f);

    // Weighted decline of -0.1 on a back: Health x 0.8, Vision x 0.98,
    // Kick Returns x 0.85; weighted raise leaves Speed alone.
    Add_Player(2, 1, 10, POSITION_RB);
    Modify_Player_Ratings(2, 1, 1, -0.1f);
    EXPECT_FLOAT_EQ(Rating(2, 1, RATING_HEALTH), 56.0f);
    EXPECT_FLOAT_EQ(Rating(2, 1, RATING_VISION), 68.6f);
    EXPECT_FLOAT_EQ(Rating(2, 1, RATING_KICK_RETURNS), 59.5f);
    EXPECT_EQ(Rating(2, 1, RATING_ACCURACY), 70.0f);
    const float fSpeed = Rating(2, 1, RATING_SPEED);
    Modify_Player_Ratings(2, 1, 1, 0.05f);
    EXPECT_EQ(Rating(2, 1, RATING_SPEED), fSpeed);
    // Adjustment 0 stores everything back unchanged.
    std::vector<float> Before(League.Team[2].Player[1].fRating, League.Team[2].Player[1].fRating + NUMBER_OF_RATINGS);
    Modify_Player_Ratings(2, 1, 1, 0.0f);
    EXPECT_EQ(std::memcmp(Before.data(), League.Team[2].Player[1].fRating, sizeof(float) * NUMBER_OF_RATINGS), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerMaking, AdjustmentsBeyondOneAreReportedAndHeldNoRatingGoesNegative)
{
    // An injury's -0.8 weighted: Health's factor 1 - 1.6 is held at 0.
    Add_Player(2, 0, 9, POSITION_WR);
    Modify_Player_Ratings(2, 0, 1, -0.8f);
    EXPECT_EQ(Rating(2, 0, RATING_HEALTH), 0.0f);
    EXPECT_EQ(Rating(2, 0, RATING_KICK_RETURNS), 0.0f);               // 1 - 1.2 below 0
    EXPECT_FLOAT_EQ(Rating(2, 0, RATING_PUNT_RETURNS), 70.0f * 0.2f);  // weight 1.0
    EXPECT_EQ(Errors_Reported(), 0);

    // -1.5 is reported and applied as -1.
    Add_Player(2, 1, 10, POSITION_WR);
    Modify_Player_Ratings(2, 1, 0, -1.5f);
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_TRUE(Last_Error_Contains("fAdjustment too large in Modify_Player_Ratings(2, 1, [-1.500000], FALSE)"));
    EXPECT_EQ(Rating(2, 1, RATING_SPEED), 0.0f);
    // 1.5 is applied as 1: 70 + 29/29 x 70.
    Add_Player(2, 2, 11, POSITION_WR);
    Modify_Player_Ratings(2, 2, 1, 1.5f);
    EXPECT_TRUE(Last_Error_Contains("[1.500000], TRUE)"));
    EXPECT_EQ(Rating(2, 2, RATING_RECEIVING), 140.0f);
    EXPECT_EQ(Errors_Reported(), 1);
}

// ---------------------------------------------------------------------------
// Veterans and fitted players

TEST_F(PlayerMaking, VeteransAreMadeOnAOneYearMinimumDeal)
{
    Create_Veteran_Player(3, 0, POSITION_G, 1.0f);
    const PLAYER& P = League.Team[3].Player[0];
    EXPECT_NE(P.nVital[VITAL_PLAYER_ID], 0);
    EXPECT_EQ(P.nVital[VITAL_POSITION], POSITION_G);
    const int nAge = 2019 - P.nVital[VITAL_BIRTH_DATE] / 10000;
    EXPECT_GE(nAge, 21);
    EXPECT_LE(nAge, 32);
    EXPECT_EQ(P.nVital[VITAL_SEASONS_PLAYED], 0);
    EXPECT_EQ(P.nVital[VITAL_SIGNING_BONUS], 0);
    EXPECT_EQ(P.nVital[VITAL_CONTRACT_YEARS_LEFT], 1);
    EXPECT_EQ(P.nVital[VITAL_CONTRACT_LENGTH], 1);
    EXPECT_EQ(P.nVital[VITAL_SALARY], Get_Minimum_Salary(0));
}

TEST_F(PlayerMaking, FittedPlayersPassTheThreshold)
{
    // Factor 0.0 keeps the threshold 70; 1.0 gives 59; 2.0 gives 48, below
    // which the forced scale does not reach.
    for (auto [fFactor, fThreshold] : {std::pair{0.0f, 70.0f}, {1.0f, 59.0f}}) {
        for (int p = 0; p < NUMBER_OF_POSITIONS; ++p) {
            Fit_Player_Ratings_To_Target(4, p, p, fFactor);
            const float o = Get_Position_Overall_Rating(4, p, p);
            EXPECT_GT(o, fThreshold * 0.995f) << p << " factor " << fFactor;
            EXPECT_EQ(Get_Player_Position(4, p), p);
        }
    }
    EXPECT_EQ(Errors_Reported(), 0);
}

// ---------------------------------------------------------------------------
// Measures, dates, IDs, numbers

TEST_F(PlayerMaking, AveragesFollowTheEra)
{
    // 1971 and 2006 are the table's ends; 1988 weights them 18 : 17.
    League.Universe.nStat[FIRST_SEASON_YEAR] = 1960;
    EXPECT_EQ(Get_Average_Player_Weight(POSITION_T), 255);
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
    EXPECT_EQ(Get_Average_Player_Weight(POSITION_T), 315);
    League.Universe.nStat[FIRST_SEASON_YEAR] = 1988;
    EXPECT_EQ(Get_Average_Player_Weight(POSITION_T), 284);   // (4590 + 17) / 35 + (5355 + 17) / 35 = 131 + 153
    // QB height 74.7 inches: 74, or 75 when the draw is below 7 in 10.
    std::set<int> Seen;
    for (int i = 0; i < 200; ++i)
        Seen.insert(Get_Average_Player_Height(POSITION_QB));
    EXPECT_EQ(Seen, (std::set<int>{74, 75}));
    EXPECT_EQ(Get_Average_Player_Height(15), 0);
    EXPECT_EQ(Get_Average_Player_Weight(-1), 0);
    // Generated heights stay within 6 inches of the average.
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
    for (int i = 0; i < 300; ++i) {
        const int h = Generate_Player_Height(POSITION_T);   // 77.8
        EXPECT_GE(h, 77 - 6);
        EXPECT_LE(h, 78 + 6);
    }
}

TEST_F(PlayerMaking, BirthDatesAreRealDaysOfTheYear)
{
    Add_Player(2, 0, 9);
    for (int i = 0; i < 400; ++i) {
        Set_Random_Birth_Date(2, 0, 22);
        const int d = League.Team[2].Player[0].nVital[VITAL_BIRTH_DATE];
        EXPECT_EQ(d / 10000, 1997);
        const int m = d / 100 % 100;
        const int day = d % 100;
        static const int DAYS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        ASSERT_GE(m, 1);
        ASSERT_LE(m, 12);
        EXPECT_GE(day, 1);
        EXPECT_LE(day, DAYS[m - 1]);
    }
}

TEST_F(PlayerMaking, IdsComeFromTheSeasonTeamAndSlotAndAreNeverReused)
{
    // b = (0 x 100 + 1) x 100 + 10101 + 2 = 10,203; ID b x 256 + 0..255.
    const int nID = Make_Unique_Player_Id(1, 2);
    EXPECT_GE(nID, 10203 * 256);
    EXPECT_LE(nID, 10203 * 256 + 255);
    // Far seasons: b x 256 would overflow 32 bits; the IDs stay positive,
    // distinct and free.
    Set_User_Preference(PREF_SEASON_INDEX, 60000);
    std::set<int> IDs;
    for (int s = 0; s < 300; ++s) {
        const int n = Make_Unique_Player_Id(5, 0);
        EXPECT_GT(n, 0);
        EXPECT_TRUE(IDs.insert(n).second);
        League.Team[5].Player[s % 100].nVital[VITAL_PLAYER_ID] = n;   // held from now on
        League.Team[6 + s / 100].Player[s % 100].nVital[VITAL_PLAYER_ID] = n;
    }
}

TEST_F(PlayerMaking, UniformNumbersFitThePosition)
{
    struct RANGE {
        int nLow;
        int nHigh;
    };
    const RANGE Ranges[NUMBER_OF_POSITIONS] = {{1, 19}, {20, 49}, {20, 49}, {40, 89}, {10, 89}, {60, 79}, {60, 79},
                                               {50, 79}, {50, 99}, {50, 99}, {40, 99}, {20, 49}, {20, 49}, {1, 19},
                                               {1, 19}};
    for (int p = 0; p < NUMBER_OF_POSITIONS; ++p) {
        for (int i = 0; i < 500; ++i) {
            const int n = Get_Random_Uniform_Number(p);
            EXPECT_GE(n, Ranges[p].nLow) << p;
            EXPECT_LE(n, Ranges[p].nHigh) << p;
            if (p == POSITION_K || p == POSITION_P) {
                EXPECT_NE(n, 10);
            }
            if (p == POSITION_TE) {
                EXPECT_TRUE(n < 50 || n >= 80) << n;
            }
            if (p == POSITION_WR) {
                EXPECT_TRUE(n < 20 || n >= 80) << n;
            }
        }
    }
    for (int i = 0; i < 200; ++i) {
        const int n = Get_Random_Uniform_Number(15);
        EXPECT_GE(n, 1);
        EXPECT_LE(n, 99);
    }
    // Taken: 0 always, a number worn on a club in use, not on one out of use.
    Add_Player(2, 0, 9).bStat[BYTE_STAT_UNIFORM] = 12;
    EXPECT_EQ(Is_Uniform_Number_Taken(2, 0), 1);
    EXPECT_EQ(Is_Uniform_Number_Taken(2, 12), 1);
    EXPECT_EQ(Is_Uniform_Number_Taken(2, 13), 0);
    Set_Team_Not_In_Use(2);
    EXPECT_EQ(Is_Uniform_Number_Taken(2, 12), 0);
}

TEST_F(PlayerMaking, PoolRankTargets)
{
    EXPECT_EQ(Get_Pool_Rank_Target(38, 0), 82);
    EXPECT_EQ(Get_Pool_Rank_Target(38, 1), 81);
    EXPECT_EQ(Get_Pool_Rank_Target(38, 2), 81);
    EXPECT_EQ(Get_Pool_Rank_Target(38, 3), 80);
    EXPECT_EQ(Get_Pool_Rank_Target(38, 9), 80);
    EXPECT_EQ(Get_Pool_Rank_Target(38, 10), 79);
    EXPECT_EQ(Get_Pool_Rank_Target(39, 0), 70);
    EXPECT_EQ(Get_Pool_Rank_Target(40, 76), 53);   // k = 276
}

TEST_F(PlayerMaking, CollegesAreClampedAndStoredWithPlus)
{
    EXPECT_STREQ(Get_College_Name(0), "Florida State");
    EXPECT_STREQ(Get_College_Name(-5), "Florida State");
    EXPECT_STREQ(Get_College_Name(5), "Texas A+M");
    EXPECT_STREQ(Get_College_Name(100), "Army");
    EXPECT_STREQ(Get_College_Name(102), "Buffalo");
    EXPECT_STREQ(Get_College_Name(118), "North Carolina A+T");
    EXPECT_STREQ(Get_College_Name(120), "Wesleyan University");
    EXPECT_STREQ(Get_College_Name(500), "Wesleyan University");
    for (int i = 0; i < COLLEGE_COUNT; ++i) {
        EXPECT_GT(std::strlen(Get_College_Name(i)), 0u) << i;
        EXPECT_LT(std::strlen(Get_College_Name(i)), PLAYER_COLLEGE_SIZE) << i;
        EXPECT_EQ(std::strchr(Get_College_Name(i), '&'), nullptr) << i;
    }
}

// ---------------------------------------------------------------------------
// Names

TEST_F(PlayerMaking, MissingNameListsGiveJohnSmithAndOneBoxEach)
{
    Add_Player(2, 0, 9);
    Make_Random_Player_Name(2, 0);
    Add_Player(2, 1, 10);
    Make_Random_Player_Name(2, 1);
    for (int s = 0; s < 2; ++s) {
        EXPECT_STREQ(League.Team[2].Player[s].szFirstName, "John");
        EXPECT_STREQ(League.Team[2].Player[s].szLastName, "Smith");
    }
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "File Error");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text.rfind("Couldn't open file: \"names\\first.txt\"\n\n", 0), 0u);
    EXPECT_EQ(ui::Shown_Boxes()[1].Text.rfind("Couldn't open file: \"names\\last.txt\"\n\n", 0), 0u);
}

// A pipe or a device in place of a name list is told as no regular file.
TEST_F(PlayerMaking, NameListsThatAreNoFilesSayWhy)
{
    std::filesystem::create_directories("names");
    ASSERT_EQ(::mkfifo("names/first.txt", 0644), 0);
    ASSERT_EQ(::symlink("/dev/zero", "names/last.txt"), 0);
    Add_Player(2, 0, 9);
    Make_Random_Player_Name(2, 0);
    EXPECT_STREQ(League.Team[2].Player[0].szFirstName, "John");
    EXPECT_STREQ(League.Team[2].Player[0].szLastName, "Smith");
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Couldn't open file: \"names\\first.txt\"\n\nnot a regular file");
    EXPECT_EQ(ui::Shown_Boxes()[1].Text, "Couldn't open file: \"names\\last.txt\"\n\nnot a regular file");
}

TEST_F(PlayerMaking, CrlfListsAreReadWithoutTheirCarriageReturnsAndCounted)
{
    Write_List("names/first.txt", "Ann\r\nBea\r\nCal\r\n");
    Write_List("names/last.txt", "Ashford\r\nBramwell\r\nCrestwood-Ellingham-Fairbanks\r\n");
    const std::set<std::string> First{"Ann", "Bea", "Cal"};
    // Cut at 19 characters.
    const std::set<std::string> Last{"Ashford", "Bramwell", "Crestwood-Ellingham"};
    for (int s = 0; s < 30; ++s) {
        Add_Player(2, s, 9 + s);
        Make_Random_Player_Name(2, s);
        const PLAYER& P = League.Team[2].Player[s];
        EXPECT_TRUE(First.count(P.szFirstName) == 1 || std::string(P.szFirstName) == "John") << P.szFirstName;
        EXPECT_TRUE(Last.count(P.szLastName) == 1 || std::string(P.szLastName) == "Smith") << P.szLastName;
        EXPECT_EQ(std::strchr(P.szFirstName, '\r'), nullptr);
    }
    // Three line ends: four lines as a builder counts them.
    EXPECT_EQ(Get_User_Preference(PREF_FIRST_NAME_LIST), 4);
    EXPECT_EQ(Get_User_Preference(PREF_LAST_NAME_LIST), 4);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    // First names keep 11 characters.
    Reset_Name_Pool();
    Write_List("names/first.txt", "Bartholomewson\n");
    Set_User_Preference(PREF_FIRST_NAME_LIST, 0);
    char szName[32];
    Pick_Random_First_Name();
    ASSERT_TRUE(Take_Cached_First_Name(szName, sizeof(szName)));
    EXPECT_STREQ(szName, "Bartholomew");
    EXPECT_FALSE(Take_Cached_First_Name(szName, sizeof(szName)));
    // An editor's byte-order mark is not read as part of the first name.
    Reset_Name_Pool();
    Write_List("names/first.txt", "\xEF\xBB\xBF" "Ann\n");
    Pick_Random_First_Name();
    ASSERT_TRUE(Take_Cached_First_Name(szName, sizeof(szName)));
    EXPECT_STREQ(szName, "Ann");
}

TEST_F(PlayerMaking, ALongListFillsTheWholeCacheFromAcrossTheFile)
{
    std::string Text;
    // Appended piece by piece: GCC 12 at -O3 takes "N" + std::to_string(i)
    // for an overlapping copy (-Wrestrict).
    for (int i = 0; i < 1000; ++i) {
        Text += 'N';
        Text += std::to_string(i);
        Text += '\n';
    }
    Write_List("names/first.txt", Text);
    Set_User_Preference(PREF_FIRST_NAME_LIST, 1001);
    Pick_Random_First_Name();
    char szName[32];
    int nTaken = 0;
    int nLargest = 0;
    while (Take_Cached_First_Name(szName, sizeof(szName))) {
        ++nTaken;
        ASSERT_EQ(szName[0], 'N');
        const int n = std::atoi(szName + 1);
        nLargest = n > nLargest ? n : nLargest;
    }
    EXPECT_EQ(nTaken, 100);
    EXPECT_GT(nLargest, 500);   // the skips reach far into the file
}

// A list whose names run out fast (one line of a megabyte, a megabyte of
// NUL bytes: every refill yields one name or none) is read once for all the
// players made from it, not once a player; a list written again is read
// again, and its new names are used.
TEST_F(PlayerMaking, ANameListIsReadOnceWhateverItsShape)
{
    const auto Age = [](const char* szPath) {
        std::filesystem::last_write_time(szPath, std::filesystem::file_time_type::clock::now() -
                                                     std::chrono::hours(1));
    };
    constexpr size_t MEGABYTE = 1u << 20;
    Write_List("names/last.txt", "Ashford\nBramwell\nCrestwood\n");
    Age("names/last.txt");
    for (const std::string& Text : {std::string(MEGABYTE, 'q'), std::string(MEGABYTE, '\0')}) {
        Reset_Name_Pool();
        Write_List("names/first.txt", Text);
        Age("names/first.txt");
        Set_User_Preference(PREF_FIRST_NAME_LIST, 0);
        const long long nBefore = Name_List_Bytes_Read();
        for (int i = 0; i < 200; ++i) {
            Add_Player(2, i % 40, 9);
            Make_Random_Player_Name(2, i % 40);
        }
        const long long nRead = Name_List_Bytes_Read() - nBefore;
        // Each list once: the megabyte and the three last names.
        EXPECT_EQ(nRead, static_cast<long long>(MEGABYTE + 27));
        EXPECT_STREQ(League.Team[2].Player[0].szFirstName, Text[0] == 'q' ? "qqqqqqqqqqq" : "John");
        EXPECT_EQ(Get_User_Preference(PREF_FIRST_NAME_LIST), 1);
    }
    EXPECT_TRUE(ui::Shown_Boxes().empty());

    // Written again (and aged again): the new list is read, the old one gone.
    Write_List("names/first.txt", "Zeke\n");
    std::filesystem::last_write_time("names/first.txt", std::filesystem::file_time_type::clock::now() -
                                                            std::chrono::hours(2));
    Set_User_Preference(PREF_FIRST_NAME_LIST, 0);
    std::memset(League.Team[2].Player[0].szFirstName, 0, sizeof(League.Team[2].Player[0].szFirstName));
    const long long nBefore = Name_List_Bytes_Read();
    Make_Random_Player_Name(2, 0);
    EXPECT_STREQ(League.Team[2].Player[0].szFirstName, "Zeke");
    EXPECT_EQ(Name_List_Bytes_Read() - nBefore, 5);
}

// A list written within the last seconds vouches for nothing: a rewrite in
// the same tick of the file system's clock, at the same size, would leave
// its stamp as it was. Such a list is read again at every refill until it
// has settled, so the names written into it in place are the ones taken.
TEST_F(PlayerMaking, AListJustWrittenIsReadAgainAtTheNextRefill)
{
    Write_List("names/first.txt", "Abe\n");
    Set_User_Preference(PREF_FIRST_NAME_LIST, 0);
    char szName[32] = "";
    long long nBefore = Name_List_Bytes_Read();
    Pick_Random_First_Name();
    EXPECT_EQ(Name_List_Bytes_Read() - nBefore, 4);
    ASSERT_TRUE(Take_Cached_First_Name(szName, sizeof(szName)));
    EXPECT_STREQ(szName, "Abe");

    // Unchanged, but not yet settled: read again.
    nBefore = Name_List_Bytes_Read();
    Pick_Random_First_Name();
    EXPECT_EQ(Name_List_Bytes_Read() - nBefore, 4);
    ASSERT_TRUE(Take_Cached_First_Name(szName, sizeof(szName)));
    EXPECT_STREQ(szName, "Abe");

    // Rewritten in place at the same size: the next refill gives the new name.
    FILE* pFile = std::fopen("names/first.txt", "r+b");
    ASSERT_NE(pFile, nullptr);
    std::fwrite("Zed\n", 1, 4, pFile);
    std::fclose(pFile);
    nBefore = Name_List_Bytes_Read();
    Pick_Random_First_Name();
    EXPECT_EQ(Name_List_Bytes_Read() - nBefore, 4);
    ASSERT_TRUE(Take_Cached_First_Name(szName, sizeof(szName)));
    EXPECT_STREQ(szName, "Zed");
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

// A saved game may hold any count for a list (the league keeps it, so it
// comes from a file like the lists themselves):
// a count near INT_MAX used to skip past the file's end two billion times,
// and to turn a skip beyond the int range into an integer. The file ends
// the skipping; a list read past its end leaves the cache empty, so a made
// player takes the default names.
TEST_F(PlayerMaking, AStoredCountFarAboveTheFileStopsAtItsEnd)
{
    Write_List("names/first.txt", "Ann\nBea\nCal\n");
    Write_List("names/last.txt", "Ashford\nBramwell\n");
    Set_User_Preference(PREF_FIRST_NAME_LIST, INT32_MAX);
    Set_User_Preference(PREF_LAST_NAME_LIST, INT32_MAX);
    Pick_Random_First_Name();
    char szName[32] = "x";
    EXPECT_FALSE(Take_Cached_First_Name(szName, sizeof(szName)));
    EXPECT_STREQ(szName, "");
    Add_Player(2, 0, 9);
    Make_Random_Player_Name(2, 0);
    EXPECT_STREQ(League.Team[2].Player[0].szFirstName, "John");
    EXPECT_STREQ(League.Team[2].Player[0].szLastName, "Smith");
    // The stored counts are the league's: the refill leaves them alone.
    EXPECT_EQ(Get_User_Preference(PREF_FIRST_NAME_LIST), INT32_MAX);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

// ---------------------------------------------------------------------------
// Whole players

TEST_F(PlayerMaking, GeneratedPlayersKeepEveryInvariant)
{
    Write_List("names/first.txt", "Ann\nBea\nCal\nDee\nEli\n");
    Write_List("names/last.txt", "Ashford\nBramwell\nCole\n");
    std::set<int> IDs;
    std::set<std::string> Colleges;
    for (int i = 0; i < COLLEGE_COUNT; ++i)
        Colleges.insert(Get_College_Name(i));
    for (int t = 0; t < 3; ++t) {
        for (int s = 0; s < 60; ++s) {
            const int p = (s + t) % NUMBER_OF_POSITIONS;
            Fabricate_Position_Player(t, s, p, 0);
            const PLAYER& P = League.Team[t].Player[s];
            EXPECT_NE(P.nVital[VITAL_PLAYER_ID], 0);
            EXPECT_TRUE(IDs.insert(P.nVital[VITAL_PLAYER_ID]).second);
            EXPECT_EQ(P.nVital[VITAL_POSITION], p);
            EXPECT_EQ(P.bStat[BYTE_STAT_DEPTH_SLOT], p);
            // The lowest formula is 15 + b/3 (a defensive tackle's receiving).
            for (int r = 0; r < NUMBER_OF_RATINGS; ++r) {
                EXPECT_GE(P.fRating[r], 15.0f) << p << " " << r;
                EXPECT_LE(P.fRating[r], 99.0f) << p << " " << r;
            }
            const int nAge = 2019 - P.nVital[VITAL_BIRTH_DATE] / 10000;
            EXPECT_GE(nAge, 21);
            EXPECT_LE(nAge, 24);
            EXPECT_EQ(P.nVital[VITAL_SEASONS_PLAYED], -1);
            EXPECT_EQ(P.nVital[VITAL_INJURY], -1);
            EXPECT_EQ(P.nVital[VITAL_FLAGS] & 1, 1);
            EXPECT_EQ(Colleges.count(P.szCollege), 1u) << P.szCollege;
            EXPECT_NE(P.bStat[BYTE_STAT_UNIFORM], 0);
            EXPECT_GE(P.nVital[VITAL_PEAK_START], 23);
            EXPECT_LE(P.nVital[VITAL_PEAK_START], 30);
            EXPECT_GE(P.nVital[VITAL_LONGEVITY], 62);
            EXPECT_LE(P.nVital[VITAL_LONGEVITY], 250);
            EXPECT_GT(P.nVital[VITAL_HEIGHT], 60);
            EXPECT_GT(P.nVital[VITAL_WEIGHT], 150);
            EXPECT_NE(P.szFirstName[0], '\0');
            EXPECT_NE(P.szLastName[0], '\0');
            // Random rookies stay under the cap: 85, QB 86, TE and DT 84, FB 82.
            const int nCap = p == POSITION_QB ? 86 : p == POSITION_FB ? 82 : (p == POSITION_TE || p == POSITION_DT) ? 84 : 85;
            EXPECT_LE(Get_Position_Overall_Rating(t, s, p), static_cast<float>(nCap));
        }
    }
    // No two players of a club share a number while numbers are free.
    for (int t = 0; t < 3; ++t) {
        std::set<int> Numbers;
        for (int s = 0; s < 30; ++s)
            EXPECT_TRUE(Numbers.insert(League.Team[t].Player[s].bStat[BYTE_STAT_UNIFORM]).second) << t << " " << s;
    }
    // Pools get no number.
    Fabricate_Position_Player(39, 0, POSITION_WR, 0);
    EXPECT_EQ(League.Team[39].Player[0].bStat[BYTE_STAT_UNIFORM], 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerMaking, FixedDevelopmentGivesThePositionsPeak)
{
    Set_Fixed_Development(true);
    Fabricate_Position_Player(2, 0, POSITION_QB, 0);
    const PLAYER& P = League.Team[2].Player[0];
    EXPECT_EQ(P.nVital[VITAL_PEAK_START], 26);
    EXPECT_EQ(P.nVital[VITAL_PEAK_END], 35);   // 32 + (2019 - 1950) / 20
    EXPECT_EQ(P.nVital[VITAL_LONGEVITY], 100);
    // Development column 3 of -50: 100 - 50 = 50, held at 100 / 2.
    Set_Draft_Talent(DRAFT_TALENT_DEVELOPMENT, POSITION_K, -70);
    Fabricate_Position_Player(2, 1, POSITION_K, 0);
    EXPECT_EQ(League.Team[2].Player[1].nVital[VITAL_PEAK_END], 35);
    EXPECT_EQ(League.Team[2].Player[1].nVital[VITAL_POTENTIAL], 50);
}

TEST_F(PlayerMaking, RookiesTooGoodForTheCapAreRejected)
{
    // All 70: an overall near 73 against a cap of 86 for a QB.
    Add_Player(2, 0, 9, POSITION_QB);
    EXPECT_EQ(Is_Random_Rookie_Rejected(2, 0), 0);
    // Column 1 of -300: cap 85 - 30 + 1 = 56.
    Set_Draft_Talent(DRAFT_TALENT_QUALITY, POSITION_QB, -300);
    EXPECT_EQ(Is_Random_Rookie_Rejected(2, 0), 1);
    // An empty slot is never rejected.
    EXPECT_EQ(Is_Random_Rookie_Rejected(2, 50), 0);
}

TEST_F(PlayerMaking, AfterTenThousandRejectionsTheLastTryIsFinished)
{
    // A development column of -2000 leaves a potential cap far below any
    // player: every try fails.
    Set_Draft_Talent(DRAFT_TALENT_DEVELOPMENT, POSITION_C, -2000);
    Fabricate_Position_Player(2, 0, POSITION_C, 0);
    const PLAYER& P = League.Team[2].Player[0];
    EXPECT_NE(P.nVital[VITAL_PLAYER_ID], 0);
    EXPECT_EQ(P.nVital[VITAL_POSITION], POSITION_C);
    EXPECT_STREQ(P.szFirstName, "John");
    EXPECT_STREQ(P.szLastName, "Smith");
    EXPECT_EQ(P.nVital[VITAL_SEASONS_PLAYED], -1);
    const std::string Told = "Fabricate_Position_Player() unable to create Center after 10000 attempts.";
    EXPECT_EQ(Count_Logged_Lines(Told), 1);
    // The same conditions cannot succeed the next time either: the next
    // player of them is not tried another 10,000 times, and not told again.
    Fabricate_Position_Player(2, 1, POSITION_C, 0);
    EXPECT_EQ(League.Team[2].Player[1].nVital[VITAL_POSITION], POSITION_C);
    EXPECT_EQ(Count_Logged_Lines(Told), 1);
}

TEST_F(PlayerMaking, BadPositionsAreRefused)
{
    Expect_Refused({
        {[] { Fabricate_Position_Player(2, 0, 43, 0); }, "nPosition out of bounds in Fabricate_Position_Player(2,0,[43],0)"},
        {[] { Fabricate_Position_Player(2, 0, -1, 0); }, "nPosition out of bounds in Fabricate_Position_Player(2,0,[-1],0)"},
        {[] { Modify_Player_Ratings(41, 0, 0, 0.1f); }, "nTeam out of bounds in Modify_Player_Ratings"},
    });
}

// ---------------------------------------------------------------------------
// The 2023 pools

TEST_F(PlayerMaking, RandomRookiesOf2023StayInsideTheBand)
{
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2023;
    Set_Prospect_Class(nullptr, 0);
    for (int s = 0; s < 40; ++s) {
        Fabricate_Position_Player(38, s, s % NUMBER_OF_POSITIONS, 0);
        const int o = static_cast<int>(Get_Player_Overall_Or_Regenerate(38, s));
        EXPECT_GE(o, 58) << s;
        EXPECT_LE(o, 71) << s;
        EXPECT_EQ(League.Team[38].Player[s].nVital[VITAL_FLAGS] & 1, 1);
    }
}

TEST_F(PlayerMaking, AProspectRecordGivesItsPlayer)
{
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2023;
    PROSPECT_RECORD Records[2] = {};
    std::strcpy(Records[1].szFirstName, "Ada");
    std::strcpy(Records[1].szLastName, "Quillfeather");
    std::strcpy(Records[1].szCollege, "Texas A&M");
    Records[1].nPosition = POSITION_QB;
    Records[1].nHeight = 75;
    Records[1].nWeight = 0;   // keeps the generated weight
    Records[1].nBirthMonth = 5;
    Records[1].nBirthDay = 6;
    Records[1].nBirthYear = 2001;
    Records[1].nSeasonsMarker = -2;
    Records[0] = Records[1];
    Records[0].nPosition = 99;   // no position: the caller's stands
    Set_Prospect_Class(Records, 2);

    Fabricate_Position_Player(38, 1, POSITION_WR, 0);
    const PLAYER& P = League.Team[38].Player[1];
    EXPECT_EQ(P.nVital[VITAL_POSITION], POSITION_QB);
    EXPECT_STREQ(P.szFirstName, "Ada");
    EXPECT_STREQ(P.szLastName, "Quillfeather");
    EXPECT_STREQ(P.szCollege, "Texas A+M");
    EXPECT_EQ(P.nVital[VITAL_HEIGHT], 75);
    EXPECT_GT(P.nVital[VITAL_WEIGHT], 150);
    EXPECT_EQ(P.nVital[VITAL_BIRTH_DATE], 20010506);
    EXPECT_EQ(P.nVital[VITAL_SEASONS_PLAYED], -2);
    EXPECT_EQ(P.nVital[VITAL_FLAGS] & 1, 0);                          // a real prospect
    EXPECT_NEAR(Get_Player_Overall_Rating(38, 1) / 81.0f, 1.0f, 0.01f);   // target of k = 1

    Fabricate_Position_Player(38, 0, POSITION_WR, 0);
    EXPECT_EQ(League.Team[38].Player[0].nVital[VITAL_POSITION], POSITION_WR);
    // Slot 2 has no record: a random rookie.
    Fabricate_Position_Player(38, 2, POSITION_S, 0);
    EXPECT_EQ(League.Team[38].Player[2].nVital[VITAL_SEASONS_PLAYED], -1);
    EXPECT_EQ(League.Team[38].Player[2].nVital[VITAL_FLAGS] & 1, 1);
    Set_Prospect_Class(nullptr, 0);
}

// The last day of the year is a birth date like any other: a prospect born
// on 31 December 2001 keeps it, and so do the first and last of a month.
TEST_F(PlayerMaking, AProspectBornOnTheYearsLastOrAMonthsFirstDayKeepsTheDate)
{
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2023;
    const int Dates[3][3] = {{2001, 12, 31}, {2000, 1, 1}, {2002, 7, 31}};
    for (const auto& Date : Dates) {
        PROSPECT_RECORD Record = {};
        std::strcpy(Record.szFirstName, "Ada");
        std::strcpy(Record.szLastName, "Quill");
        Record.nPosition = POSITION_QB;
        Record.nBirthYear = Date[0];
        Record.nBirthMonth = Date[1];
        Record.nBirthDay = Date[2];
        Record.nSeasonsMarker = -1;
        Set_Prospect_Class(&Record, 1);
        Fabricate_Position_Player(38, 0, POSITION_QB, 0);
        EXPECT_EQ(League.Team[38].Player[0].nVital[VITAL_BIRTH_DATE], (Date[0] * 100 + Date[1]) * 100 + Date[2]);
    }
    Set_Prospect_Class(nullptr, 0);
}

// A damaged record's birth date (a year of 808,464,432) is not multiplied
// into an overflow: the player keeps the date he was generated with, one of
// an 18- to 30-year-old.
TEST_F(PlayerMaking, AProspectRecordWithADamagedBirthDateKeepsTheGeneratedOne)
{
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2023;
    PROSPECT_RECORD Record = {};
    std::strcpy(Record.szFirstName, "Ada");
    std::strcpy(Record.szLastName, "Quill");
    Record.nPosition = POSITION_QB;
    Record.nBirthYear = 808464432;
    Record.nBirthMonth = 808464432;
    Record.nBirthDay = 1515868828;
    Set_Prospect_Class(&Record, 1);
    Fabricate_Position_Player(38, 0, POSITION_QB, 0);
    const int nBirthYear = League.Team[38].Player[0].nVital[VITAL_BIRTH_DATE] / 10000;
    EXPECT_GE(nBirthYear, 2023 - 30);
    EXPECT_LE(nBirthYear, 2023 - 18);
    Set_Prospect_Class(nullptr, 0);
}

// ---------------------------------------------------------------------------
// Small services

TEST_F(PlayerMaking, SuspensionsAndUnusedSlots)
{
    Add_Player(2, 0, 9);
    League.Team[2].Player[0].nVital[VITAL_INJURY] = 180;
    League.Team[2].Player[0].nVital[VITAL_INJURY_WEEKS] = 2;
    EXPECT_EQ(Is_Player_Suspended(2, 0), 1);
    League.Team[2].Player[0].nVital[VITAL_INJURY] = 183;
    EXPECT_EQ(Is_Player_Suspended(2, 0), 0);
    League.Team[2].Player[0].nVital[VITAL_INJURY] = 184;
    League.Team[2].Player[0].nVital[VITAL_INJURY_WEEKS] = 0;
    EXPECT_EQ(Is_Player_Suspended(2, 0), 0);

    League.Team[2].Player[5].nVital[VITAL_SALARY] = 900;
    League.Team[2].Player[5].nVital[VITAL_CONTRACT_LENGTH] = 3;
    Reset_Unused_Player_Slot(2, 5);
    EXPECT_EQ(League.Team[2].Player[5].nVital[VITAL_SALARY], 0);
    EXPECT_EQ(League.Team[2].Player[5].nVital[VITAL_CONTRACT_LENGTH], 0);
    EXPECT_EQ(League.Team[2].Player[5].nVital[VITAL_WEEK_COUNTER], 22);
    League.Team[2].Player[0].nVital[VITAL_SALARY] = 900;
    Reset_Unused_Player_Slot(2, 0);   // holds a player: left alone
    EXPECT_EQ(League.Team[2].Player[0].nVital[VITAL_SALARY], 900);

    const int nOld = League.Team[2].Player[0].nVital[VITAL_PLAYER_ID];
    Assign_New_Player_Id(2, 0);
    EXPECT_NE(League.Team[2].Player[0].nVital[VITAL_PLAYER_ID], nOld);
    EXPECT_NE(League.Team[2].Player[0].nVital[VITAL_PLAYER_ID], 0);
}

TEST_F(PlayerMaking, OldPositionCodesMoveUpForTheFullback)
{
    Add_Player(2, 0, 9, POSITION_QB);
    Add_Player(2, 1, 10, 2);    // an old tight end
    Add_Player(2, 2, 11, 13);   // an old punter
    Scan_Player_Records_On_Load();
    EXPECT_EQ(Get_Player_Position(2, 0), POSITION_QB);
    EXPECT_EQ(Get_Player_Position(2, 1), POSITION_TE);
    EXPECT_EQ(Get_Player_Position(2, 2), POSITION_P);
}

}  // namespace

namespace {

// The shipped lists: several hundred plain names a file, each fitting its field.
TEST(ShippedNameLists, ArePlainAndFitTheirFields)
{
    const char* szSource = std::getenv("KELVO_SOURCE_DIR");
    ASSERT_NE(szSource, nullptr);
    for (auto [szFile, nKeep] : {std::pair{"/data/names/first.txt", 11}, {"/data/names/last.txt", 19}}) {
        const std::string Text = Read_Text_File(std::string(szSource) + szFile);
        std::set<std::string> Names;
        size_t nStart = 0;
        while (nStart < Text.size()) {
            size_t nEnd = Text.find('\n', nStart);
            if (nEnd == std::string::npos)
                nEnd = Text.size();
            const std::string Name = Text.substr(nStart, nEnd - nStart);
            EXPECT_FALSE(Name.empty());
            EXPECT_LE(Name.size(), static_cast<size_t>(nKeep)) << Name;
            for (unsigned char c : Name)
                EXPECT_TRUE(std::isalpha(c) || c == '-' || c == '\'') << Name;
            EXPECT_TRUE(Names.insert(Name).second) << Name;
            nStart = nEnd + 1;
        }
        EXPECT_GE(Names.size(), 300u) << szFile;
    }
}

}  // namespace
