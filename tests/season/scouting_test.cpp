// Scouting: the club's standing, the scale, the player's modifier and the
// figures the scouts show; letter grades; uniform numbers by position.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "base/random.h"
#include "league/calendar.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/stat_codes.h"
#include "league/team_finance_stats.h"
#include "season/player_generation.h"
#include "season/player_value.h"   // still declares the scouted figure for its callers
#include "season/scouting.h"
#include "season/season_cycle_fixture.h"
#include "test_support.h"

namespace {

using season_cycle::Put_Signed_Player;

class ScoutingTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        season_cycle::Build_League(4);
        // Owner mode: the clubs' scouting spending is their own.
        Set_User_Preference(PREF_OWNER_MODE, 1);
        Set_Team_Financial_Stat(0, FINANCE_SCOUTING_LEVEL, 1200);
        Set_Team_Financial_Stat(1, FINANCE_SCOUTING_LEVEL, 1000);
        Set_Team_Financial_Stat(2, FINANCE_SCOUTING_LEVEL, 900);
        Set_Team_Financial_Stat(3, FINANCE_SCOUTING_LEVEL, 400);
        Set_User_Preference(PREF_CURRENT_WEEK, 0);
        Set_User_Preference(PREF_SEASON_INDEX, 2);
    }

    // Player 1234 at team 1 slot 5: 2 credited seasons, 3 starts last season.
    // In week 0 (September, month 8) of season 2 his hash is
    // 123^3 + 10 x 4^3 + 8^2 + 2^2 = 1,860,867 + 640 + 64 + 4 = 1,861,575:
    // remainder 75, so d = 15 x 2 + 12 + 2 x 3 + 75 = 123.
    static void Put_Scouted_Player()
    {
        Put_Signed_Player(1, 5, 1234, POSITION_WR, 70.0f, 1995, 2);
        Set_Player_Vital_Stat(1, 5, VITAL_SEASONS_PLAYED, 2);
        Set_Player_Stat(1, 5, STAT_PERIOD_LAST_SEASON, STAT_GAMES_STARTED, 3);
    }
};

TEST_F(ScoutingTest, RankScoreFollowsTheClubsScoutingSpending)
{
    // Four clubs: steps of trunc(1000 / 3) = 333.
    EXPECT_EQ(Get_Team_Rank_Score(0), 1500);          // rank 0
    EXPECT_EQ(Get_Team_Rank_Score(1), 1500 - 333);    // rank 1
    EXPECT_EQ(Get_Team_Rank_Score(2), 1500 - 666);    // rank 2
    EXPECT_EQ(Get_Team_Rank_Score(3), 400);           // spending below 500 is its own score
    // Equal spending shares the rank (2 x 1 greater + 2 equal) / 2 = 2.
    Set_Team_Financial_Stat(2, FINANCE_SCOUTING_LEVEL, 1000);
    EXPECT_EQ(Get_Team_Rank_Score(1), 1500 - 666);
    EXPECT_EQ(Get_Team_Rank_Score(NO_TEAM), 1000);
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_EQ(Get_Team_Rank_Score(50), 1000);
    EXPECT_EQ(Errors_Reported(), 1);
    // One club alone: the step divides by max(0, 1).
    season_cycle::Build_League(1);
    EXPECT_EQ(Get_Team_Rank_Score(0), 1500);
}

TEST_F(ScoutingTest, ScaleIsComputedOnceAndCachedUntilReset)
{
    Set_User_Preference(PREF_DIFFICULTY, 2);
    Set_User_Preference(PREF_SELECTED_TEAM, 0);
    // ((2 + 15) x 100 - 1500) / 4 = 50, kept in preference 16.
    EXPECT_EQ(Get_Scouting_Scale(), 50);
    EXPECT_EQ(Get_User_Preference(16), 50);
    // Another club selected: the cached scale stands until it is reset.
    Set_User_Preference(PREF_SELECTED_TEAM, 3);
    EXPECT_EQ(Get_Scouting_Scale(), 50);
    Reset_Scouting_Scale();
    EXPECT_EQ(Get_User_Preference(16), 0);
    EXPECT_EQ(Get_Scouting_Scale(), (1700 - 400) / 4);   // 325
    // The best-scouting club on the easiest level: 0, held at 1.
    Reset_Scouting_Scale();
    Set_User_Preference(PREF_DIFFICULTY, 0);
    Set_User_Preference(PREF_SELECTED_TEAM, 0);
    EXPECT_EQ(Get_Scouting_Scale(), 1);
}

TEST_F(ScoutingTest, HashIsFixedInWrappingThirtyTwoBitArithmetic)
{
    EXPECT_EQ(Get_Scouting_Hash_Remainder(1234, 8, 2), 75);   // 1,861,575
    // Slot NO_PLAYER's ID -1: 0 + 10 x (-1)^3 = -10, |h| = 10; in May 15.
    EXPECT_EQ(Get_Scouting_Hash_Remainder(-1, 0, 0), 10);
    EXPECT_EQ(Get_Scouting_Hash_Remainder(-1, 5, 0), 15);
    // -1234: (-123)^3 + 10 x (-4)^3 = -1,861,507.
    EXPECT_EQ(Get_Scouting_Hash_Remainder(-1234, 0, 0), 7);
    // 2^28 - 1: h = 26,843,545^3 + 10 x 5^3 + 64 + 4 = 19,342,811,816,797,403,104,943,
    // which is -1,654,634,833 as an int32 after wrapping modulo 2^32.
    EXPECT_EQ(Get_Scouting_Hash_Remainder(268435455, 8, 2), 33);
    // 99,999,999 in April of season 7: -1,359,273,933 after wrapping.
    EXPECT_EQ(Get_Scouting_Hash_Remainder(99999999, 3, 7), 33);
    // The largest ID: 1,168,236,255 after wrapping.
    EXPECT_EQ(Get_Scouting_Hash_Remainder(2147483647, 11, 40), 55);
}

TEST_F(ScoutingTest, ModifierFromTheScaleAndThePlayersHash)
{
    Put_Scouted_Player();
    ASSERT_EQ(Get_Current_Month(), 8);
    struct CASE {
        int nScale;
        int nModifier;
    };
    // q = trunc(S / 123): positive odd q gives -trunc((q + 1) / 2), else trunc(q / 2).
    const CASE Cases[] = {
        {122, 0},      // q 0
        {123, -1},     // q 1
        {246, 1},      // q 2
        {500, 2},      // q 4
        {620, -3},     // q 5
        {750, 3},      // q 6
        {2951, -12},   // q 23: -12
        {2952, 12},    // q 24: 12
        {10000, -12},  // q 81: -41, held at -12
        {12300, 12},   // q 100: 50, held at 12
    };
    for (const CASE& Case : Cases) {
        Set_User_Preference(16, Case.nScale);
        EXPECT_EQ(Get_Player_Stat_Modifier(1, 5, 1234), Case.nModifier) << "scale " << Case.nScale;
    }
    // More than four seasons count as four: d = 60 + 12 + 6 + 75 = 153.
    Set_Player_Vital_Stat(1, 5, VITAL_SEASONS_PLAYED, 9);
    Set_User_Preference(16, 765);   // q 5
    EXPECT_EQ(Get_Player_Stat_Modifier(1, 5, 1234), -3);
    // A college player's negative seasons count as none: d = 12 + 6 + 75 = 93.
    Set_Player_Vital_Stat(1, 5, VITAL_SEASONS_PLAYED, -2);
    Set_User_Preference(16, 465);   // q 5
    EXPECT_EQ(Get_Player_Stat_Modifier(1, 5, 1234), -3);
    // Slot NO_PLAYER: no seasons, no starts, ID -1 (remainder 10 in week 0 of
    // season 2: -10 + 64 + 4 = 58): d = 12 + 58 = 70.
    Set_User_Preference(16, 140);   // q 2
    EXPECT_EQ(Get_Player_Stat_Modifier(1, NO_PLAYER, -1), 1);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(ScoutingTest, ScoutedFiguresArePulledTowardSeventyWhenEven)
{
    Put_Scouted_Player();
    Set_User_Preference(16, 620);   // m = -3
    EXPECT_EQ(Adjust_Player_Stat_By_Modifier(1, 5, 80), 77);
    EXPECT_EQ(Adjust_Player_Stat_By_Modifier(1, 5, 60), 63);
    EXPECT_EQ(Adjust_Player_Stat_By_Modifier(1, 5, 75), 72);
    EXPECT_EQ(Adjust_Player_Stat_By_Modifier(1, 5, 65), 62);
    EXPECT_EQ(Adjust_Player_Stat_By_Modifier(1, 5, 70), 67);
    Set_User_Preference(16, 500);   // m = 2
    EXPECT_EQ(Adjust_Player_Stat_By_Modifier(1, 5, 80), 78);
    EXPECT_EQ(Adjust_Player_Stat_By_Modifier(1, 5, 60), 62);
    EXPECT_EQ(Adjust_Player_Stat_By_Modifier(1, 5, 75), 77);
    EXPECT_EQ(Adjust_Player_Stat_By_Modifier(1, 5, 70), 72);
    // Perfect scouting and Commissioner Mode show every figure as it is.
    Set_User_Preference(PREF_PERFECT_SCOUTING, 1);
    EXPECT_EQ(Get_Player_Stat_Modifier(1, 5, 1234), 0);
    EXPECT_EQ(Adjust_Player_Stat_By_Modifier(1, 5, 75), 75);
    Set_User_Preference(PREF_PERFECT_SCOUTING, 0);
    Set_User_Preference(PREF_COMMISSIONER_MODE, 1);
    EXPECT_EQ(Adjust_Player_Stat_By_Modifier(1, 5, 80), 80);
    EXPECT_EQ(Adjust_Player_Stat_By_Modifier(1, 5, 61), 61);
}

TEST_F(ScoutingTest, ScoutedValuesDifferByClubWithinTwelve)
{
    Set_User_Preference(PREF_DIFFICULTY, 4);
    // Sixty players of varied IDs, experience and starts.
    for (int s = 0; s < 60; ++s) {
        Put_Signed_Player(2, s, 1000 + 37 * s * s + 11 * s, POSITION_LB, 70.0f, 1995, 2);
        Set_Player_Vital_Stat(2, s, VITAL_SEASONS_PLAYED, s % 6);
        Set_Player_Stat(2, s, STAT_PERIOD_LAST_SEASON, STAT_GAMES_STARTED, s % 17);
    }
    int nDiffering = 0;
    int nMovedByTheWeakScouts = 0;
    for (int s = 0; s < 60; ++s) {
        for (int v = 40; v <= 99; v += 7) {
            int nSeen[4];
            for (int t = 0; t < 4; ++t) {
                Set_User_Preference(PREF_SELECTED_TEAM, t);
                Reset_Scouting_Scale();
                nSeen[t] = Adjust_Player_Stat_By_Modifier(2, s, v);
                EXPECT_GE(nSeen[t] - v, -12) << s << " " << v << " club " << t;
                EXPECT_LE(nSeen[t] - v, 12) << s << " " << v << " club " << t;
                // Even figures only ever move toward 70.
                if (v % 2 == 0 && v > 70) {
                    EXPECT_LE(nSeen[t], v) << s << " " << v;
                }
                if (v % 2 == 0 && v < 70) {
                    EXPECT_GE(nSeen[t], v) << s << " " << v;
                }
            }
            if (nSeen[0] != nSeen[3])
                ++nDiffering;
            if (nSeen[3] != v)
                ++nMovedByTheWeakScouts;
        }
    }
    EXPECT_GT(nDiffering, 0);
    EXPECT_GT(nMovedByTheWeakScouts, 0);
    // The grades Get_Player_Stat shows go through the scouts too.
    Set_User_Preference(PREF_SELECTED_TEAM, 3);
    Reset_Scouting_Scale();
    int nGradesMoved = 0;
    for (int s = 0; s < 60; ++s) {
        const int nScouted = Get_Player_Stat(2, s, STAT_PERIOD_PREDICTED, 225);
        Set_User_Preference(PREF_PERFECT_SCOUTING, 1);
        const int nTrue = Get_Player_Stat(2, s, STAT_PERIOD_PREDICTED, 225);
        Set_User_Preference(PREF_PERFECT_SCOUTING, 0);
        EXPECT_LE(std::abs(nScouted - nTrue), 12);
        if (nScouted != nTrue)
            ++nGradesMoved;
    }
    EXPECT_GT(nGradesMoved, 0);
}

TEST(LetterGrades, FollowTheTableAndStayInTheBuffer)
{
    const char* const Expected[] = {"F ", "F", "D-", "D ", "D+", "C-", "C ", "C+", "B-", "B ", "B+", "A-", "A ", "A+"};
    for (int i = 0; i < 14; ++i) {
        char szGrade[8];
        Get_Letter_Grade(i, szGrade);
        EXPECT_STREQ(szGrade, Expected[i]) << i;
    }
    char szGrade[8];
    Get_Letter_Grade(-3, szGrade);
    EXPECT_STREQ(szGrade, "F ");
    Get_Letter_Grade(20, szGrade);
    EXPECT_STREQ(szGrade, "A+");
    // A buffer of two bytes keeps the first letter and the end; nothing past it.
    char szSmall[4] = {'x', 'x', 'x', 'x'};
    Get_Letter_Grade(13, szSmall, 2);
    EXPECT_EQ(std::memcmp(szSmall, "A\0xx", 4), 0);
    Get_Letter_Grade(13, szSmall, 0);
    EXPECT_EQ(szSmall[0], 'A');
    Get_Letter_Grade(13, nullptr, 5);
}

// The number a draw r (1-99) gives each position, as the table reads.
int Table_Number(int p, int r)
{
    switch (p) {
    case POSITION_QB:
        if (r < 50)
            return r % 9 + 1;
        return r < 80 ? r % 5 + 10 : r % 5 + 15;
    case POSITION_RB:
        return r < 80 ? r % 10 + 20 : r % 20 + 30;
    case POSITION_FB:
        return r < 20 ? r % 10 + 20 : r % 20 + 30;
    case POSITION_TE:
        return r < 50 ? r % 10 + 40 : r % 10 + 80;
    case POSITION_WR:
        return r < 30 ? r % 10 + 10 : r % 10 + 80;
    case POSITION_T:
    case POSITION_G:
        return r % 20 + 60;
    case POSITION_C:
        if (r < 50)
            return r % 10 + 50;
        return r < 80 ? r % 10 + 60 : r % 10 + 70;
    case POSITION_DE:
    case POSITION_DT:
        if (r < 70)
            return r % 10 + 90;
        return r < 90 ? r - 10 : r - 40;
    case POSITION_LB:
        if (r < 80)
            return r % 10 + 50;
        return r < 90 ? r % 10 + 40 : r % 10 + 90;
    case POSITION_CB:
        return r < 50 ? r % 10 + 20 : r % 20 + 30;
    case POSITION_S:
        return r % 30 + 20;
    case POSITION_K:
    case POSITION_P:
        return r < 10 ? r + 10 : r % 9 + 1;
    default:
        return r;
    }
}

TEST(UniformNumbers, OneDrawMappedByThePositionsTable)
{
    // Hand-read cases of the table.
    EXPECT_EQ(Table_Number(POSITION_QB, 49), 5);     // 49 mod 9 + 1
    EXPECT_EQ(Table_Number(POSITION_QB, 50), 10);
    EXPECT_EQ(Table_Number(POSITION_QB, 99), 19);
    EXPECT_EQ(Table_Number(POSITION_DE, 75), 65);
    EXPECT_EQ(Table_Number(POSITION_DT, 95), 55);
    EXPECT_EQ(Table_Number(POSITION_K, 9), 19);
    EXPECT_EQ(Table_Number(POSITION_P, 10), 2);
    // The program's draw: r = 1 + trunc(99u) of one number of the generator.
    for (int p = 0; p <= 16; ++p) {
        for (int i = 0; i < 300; ++i) {
            Seed_Random_Numbers(static_cast<uint32_t>(7919 * i + p));
            const int r = 1 + static_cast<int>(99.0 * Random_Word_To_Fraction(Generate_Random_Number()));
            Seed_Random_Numbers(static_cast<uint32_t>(7919 * i + p));
            EXPECT_EQ(Get_Random_Uniform_Number(p), Table_Number(p, r)) << "position " << p << " r " << r;
        }
    }
}

}  // namespace
