// Injuries: the table, names, the check on a play, the code choice, healing,
// suspensions, the stop of a run and the notice.
#include <cstring>
#include <string>

#include "../league/league_fixture.h"
#include "base/random.h"
#include "league/league_structure.h"
#include "league/player_hash.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/team_finance_stats.h"
#include "season/injuries.h"
#include "season/playoffs.h"
#include "test_support.h"

namespace {

class InjuriesTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(2);
        Set_Universe_Stat(FIRST_SEASON_YEAR, 2020);
        Put_Player(0, 0, 101, POSITION_WR);
        Put_Player(0, 1, 102, POSITION_CB);
        Put_Player(1, 0, 201, POSITION_QB);
        for (int t = 0; t < 2; ++t)
            for (int s = 0; s < 2; ++s)
                League.Team[t].Player[s].nVital[VITAL_INJURY] = NO_INJURY;
        Build_Player_ID_Hash();
        Set_User_Preference(PREF_CURRENT_WEEK, 3);
    }
    static void Hurt(int nTeam, int nSlot, int nCode, int nWeeks)
    {
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY, nCode);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS, nWeeks);
    }
    static int Weeks(int nTeam, int nSlot) { return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS); }
    static int Code(int nTeam, int nSlot) { return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY); }
};

// The fraction of the next word, as every draw takes it.
double Peek_Fraction(uint32_t nSeed, int nSkip)
{
    Seed_Random_Numbers(nSeed);
    for (int i = 0; i < nSkip; ++i)
        Generate_Random_Number();
    return Random_Word_To_Fraction(Generate_Random_Number());
}

TEST_F(InjuriesTest, TableWeightsSquaredAddUpAndTheLongestNameFits)
{
    EXPECT_EQ(Get_Injury_Cumulative_Weight(INJURY_CODE_COUNT - 1), 586);
    EXPECT_EQ(Get_Injury_Cumulative_Weight(0), 0);
    EXPECT_EQ(Get_Injury_Cumulative_Weight(1), 16);
    EXPECT_EQ(Get_Injury_Cumulative_Weight(2), 25);
    EXPECT_EQ(std::strlen(INJURY_TABLE[182].szName) + 1, INJURY_NAME_SIZE);
    for (int i = 180; i < INJURY_CODE_COUNT; ++i)
        EXPECT_EQ(INJURY_TABLE[i].nWeight, 0) << i;
}

TEST_F(InjuriesTest, WeeksAndNamesAtTheEdges)
{
    EXPECT_EQ(Get_Injury_Weeks(17, 0), 20);
    EXPECT_EQ(Get_Injury_Weeks(17, 1), 40);
    EXPECT_EQ(Get_Injury_Weeks(183, 0), 30);
    EXPECT_EQ(Get_Injury_Weeks(199, 1), 0);
    EXPECT_EQ(Get_Injury_Weeks(-1, 0), 0);
    EXPECT_EQ(Get_Injury_Weeks(200, 1), 0);

    char szName[INJURY_NAME_SIZE];
    EXPECT_EQ(Get_Injury_Name(-1, szName), 1);
    EXPECT_STREQ(szName, "NO INJURY");
    EXPECT_EQ(Get_Injury_Name(200, szName), 0);
    EXPECT_STREQ(szName, "");
    EXPECT_EQ(Get_Injury_Name(-2, szName), 0);
    EXPECT_EQ(Get_Injury_Name(114, szName), 0);   // an empty entry
    EXPECT_EQ(Get_Injury_Name(26, szName), 1);
    EXPECT_STREQ(szName, "torn ACL");
    EXPECT_EQ(Get_Injury_Name(185, szName), 1);
    EXPECT_STREQ(szName, "Holdout");
    // The longest name fits its buffer; a small buffer gets a cut copy.
    EXPECT_EQ(Get_Injury_Name(182, szName), 1);
    EXPECT_STREQ(szName, "Suspension (Performance Enhancers)");
    char szSmall[8];
    EXPECT_EQ(Get_Injury_Name(182, szSmall), 1);
    EXPECT_STREQ(szSmall, "Suspens");
}

TEST_F(InjuriesTest, FindByNameIgnoresCaseAndReportsUnknownNames)
{
    EXPECT_EQ(Find_Injury_By_Name("TORN acl"), 26);
    EXPECT_EQ(Find_Injury_By_Name("holdout"), 185);
    EXPECT_EQ(Find_Injury_By_Name("severe elbow tendonitis"), 95);   // the first of two
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_EQ(Find_Injury_By_Name(""), 0);
    EXPECT_EQ(Find_Injury_By_Name(nullptr), 0);
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_EQ(Find_Injury_By_Name("broken spirit"), 0);
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_TRUE(Last_Error_Contains("Injury String Not Found: broken spirit"));
}

TEST_F(InjuriesTest, HealthTextAndTests)
{
    char szText[INJURY_NAME_SIZE];
    Get_Player_Health_Text(0, 0, szText);
    EXPECT_STREQ(szText, "Healthy");
    Hurt(0, 0, 11, 2);
    Get_Player_Health_Text(0, 0, szText);
    EXPECT_STREQ(szText, "sprained ankle");
    EXPECT_TRUE(Is_Player_Injured(0, 0));
    EXPECT_FALSE(Is_Player_Holding_Out(0, 0));
    Hurt(0, 1, INJURY_HOLDOUT, 1);
    EXPECT_TRUE(Is_Player_Holding_Out(0, 1));
    Hurt(0, 1, INJURY_HOLDOUT, 0);
    EXPECT_FALSE(Is_Player_Holding_Out(0, 1));
    EXPECT_FALSE(Is_Player_Injured(0, 1));
}

TEST_F(InjuriesTest, SidelinedThresholds)
{
    EXPECT_EQ(Get_Sidelined_Threshold(OFFSEASON_WEEK, false), 19);
    EXPECT_EQ(Get_Sidelined_Threshold(OFFSEASON_WEEK, true), 19);
    EXPECT_EQ(Get_Sidelined_Threshold(21, true), 31);
    EXPECT_EQ(Get_Sidelined_Threshold(5, false), 1);

    Hurt(0, 0, 11, 18);
    Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
    EXPECT_EQ(Is_Player_Sidelined(0, 0), 0);
    Hurt(0, 0, 11, 19);
    EXPECT_EQ(Is_Player_Sidelined(0, 0), 1);
    Set_User_Preference(PREF_CURRENT_WEEK, 4);
    Clear_Playoff_Slots();   // a season under way: no champion yet
    Hurt(0, 0, 11, 1);
    EXPECT_EQ(Is_Player_Sidelined(0, 0), 1);
    Hurt(0, 0, 11, 0);
    EXPECT_EQ(Is_Player_Sidelined(0, 0), 0);
}

TEST_F(InjuriesTest, NoInjuryAtTheLowestFrequencyOrWhenAlreadyHurt)
{
    Set_Injury_Frequency(-100);
    Seed_Random_Numbers(7);
    for (int i = 0; i < 2000; ++i)
        ASSERT_EQ(Check_Player_Injury(0, 0), 0);
    EXPECT_EQ(Weeks(0, 0), 0);

    Set_Injury_Frequency(100);
    Hurt(0, 0, 11, 3);
    for (int i = 0; i < 2000; ++i)
        ASSERT_EQ(Check_Player_Injury(0, 0), 0);
    EXPECT_EQ(Code(0, 0), 11);
    EXPECT_EQ(Weeks(0, 0), 3);
}

TEST_F(InjuriesTest, TheCheckDrawsOnceAndTheChanceFollowsTheFrequency)
{
    // At the normal setting c = 50 per mille: find a seed whose first draw is
    // just below and one just above.
    uint32_t nBelow = 0, nAbove = 0;
    for (uint32_t s = 1; s < 50000 && (!nBelow || !nAbove); ++s) {
        const int r1 = static_cast<int>(Peek_Fraction(s, 0) * 1000);
        const int r2 = static_cast<int>(Peek_Fraction(s, 1) * 1000);
        // Two clubs level on medical spending both rank (0 + 2) / 2 = 1, so
        // m = ((2 - 1) x 400 + 1) / 2 = 200: a second draw of 200 or more hurts.
        if (r1 == 49 && r2 >= 200 && !nBelow)
            nBelow = s;
        if (r1 == 50 && !nAbove)
            nAbove = s;
    }
    ASSERT_NE(nBelow, 0u);
    ASSERT_NE(nAbove, 0u);
    EXPECT_EQ(Get_Team_Financial_Stat_Rank(0, FINANCE_MEDICAL_LEVEL), 1);

    Seed_Random_Numbers(nAbove);
    EXPECT_EQ(Check_Player_Injury(0, 0), 0);
    // Exactly one draw was taken.
    const double fNext = Random_Word_To_Fraction(Generate_Random_Number());
    EXPECT_EQ(fNext, Peek_Fraction(nAbove, 1));

    // The same draw injures at frequency +100 (c = 100).
    Set_Injury_Frequency(100);
    Seed_Random_Numbers(nAbove);
    const int r2 = static_cast<int>(Peek_Fraction(nAbove, 1) * 1000);
    Seed_Random_Numbers(nAbove);
    EXPECT_EQ(Check_Player_Injury(0, 0), r2 >= 200 ? 1 : 0);

    Clear_Player_Injury(0, 0);
    Set_Injury_Frequency(0);
    Seed_Random_Numbers(nBelow);
    EXPECT_EQ(Check_Player_Injury(0, 0), 1);
    EXPECT_GE(Weeks(0, 0), 1);
    EXPECT_GE(Code(0, 0), 0);
    EXPECT_LT(Code(0, 0), 180);
    EXPECT_GT(INJURY_TABLE[Code(0, 0)].nWeight, 0);
    EXPECT_GE(Weeks(0, 0), Get_Injury_Weeks(Code(0, 0), 0));
    EXPECT_LE(Weeks(0, 0), Get_Injury_Weeks(Code(0, 0), 1));
}

TEST_F(InjuriesTest, ReplayModeWaitsForTheGamesOfThePredictedSeason)
{
    Set_Universe_Word(REPLAY_MODE_WORD, 1);
    Set_Injury_Frequency(100);
    Set_Player_Stat(0, 0, STAT_PERIOD_PREDICTED, STAT_GAMES_PLAYED, 5);
    Set_Player_Stat(0, 0, STAT_PERIOD_THIS_SEASON, STAT_GAMES_PLAYED, 5);
    Seed_Random_Numbers(3);
    for (int i = 0; i < 500; ++i)
        ASSERT_EQ(Check_Player_Injury(0, 0), 0);
    // Past his predicted games, the chance is five times 100 per mille.
    Set_Player_Stat(0, 0, STAT_PERIOD_THIS_SEASON, STAT_GAMES_PLAYED, 6);
    int nHurt = 0;
    for (int i = 0; i < 500 && nHurt == 0; ++i)
        nHurt = Check_Player_Injury(0, 0);
    EXPECT_EQ(nHurt, 1);
}

TEST_F(InjuriesTest, CodeChoiceFlaresUpAnOldInjuryOnALowDraw)
{
    // r = trunc(u x 100) < 50 with a stored code takes that code back.
    uint32_t nSeed = 1;
    while (static_cast<int>(Peek_Fraction(nSeed, 0) * 100) != 49)
        ++nSeed;
    Hurt(0, 0, 49, 0);
    Seed_Random_Numbers(nSeed);
    EXPECT_EQ(Choose_Injury_Code(0, 0), 49);
    // A draw of 50 or more draws two candidates instead (code 49 is never drawn).
    while (static_cast<int>(Peek_Fraction(nSeed, 0) * 100) != 50)
        ++nSeed;
    Seed_Random_Numbers(nSeed);
    const int nCode = Choose_Injury_Code(0, 0);
    EXPECT_GT(INJURY_TABLE[nCode].nWeight, 0);
}

TEST_F(InjuriesTest, CodeChoiceTakesTheCandidateTheSeverityPicks)
{
    // Hand-worked: candidates from x = trunc(u x 586), the lowest code whose
    // running sum exceeds x; with severity -100 (p = 0) the second candidate
    // wins unless it is the longer one.
    Set_Injury_Severity(-100);
    for (uint32_t s = 1; s < 40; ++s) {
        const int x1 = static_cast<int>(Peek_Fraction(s, 1) * 586);
        const int x2 = static_cast<int>(Peek_Fraction(s, 2) * 586);
        int c1 = 0, c2 = 0;
        while (Get_Injury_Cumulative_Weight(c1) <= x1)
            ++c1;
        while (Get_Injury_Cumulative_Weight(c2) <= x2)
            ++c2;
        const int L1 = Get_Injury_Weeks(c1, 0) + Get_Injury_Weeks(c1, 1);
        const int L2 = Get_Injury_Weeks(c2, 0) + Get_Injury_Weeks(c2, 1);
        Seed_Random_Numbers(s);
        EXPECT_EQ(Choose_Injury_Code(0, 0), L2 > L1 ? c1 : c2) << s;
    }
    // Severity +100 (p = 60): the longer one when the last draw is below 60.
    Set_Injury_Severity(100);
    for (uint32_t s = 1; s < 40; ++s) {
        const int x1 = static_cast<int>(Peek_Fraction(s, 1) * 586);
        const int x2 = static_cast<int>(Peek_Fraction(s, 2) * 586);
        const int r = static_cast<int>(Peek_Fraction(s, 3) * 100);
        int c1 = 0, c2 = 0;
        while (Get_Injury_Cumulative_Weight(c1) <= x1)
            ++c1;
        while (Get_Injury_Cumulative_Weight(c2) <= x2)
            ++c2;
        const int L1 = Get_Injury_Weeks(c1, 0) + Get_Injury_Weeks(c1, 1);
        const int L2 = Get_Injury_Weeks(c2, 0) + Get_Injury_Weeks(c2, 1);
        const int nExpected = L2 > L1 ? (r < 60 ? c2 : c1) : (r < 60 ? c1 : c2);
        Seed_Random_Numbers(s);
        EXPECT_EQ(Choose_Injury_Code(0, 0), nExpected) << s;
    }
}

TEST_F(InjuriesTest, HealingOneWeekAndSeveralWeeks)
{
    Hurt(0, 0, 11, 2);
    Hurt(0, 1, 183, 3);   // not a suspension code: heals every week
    Hurt(1, 0, 8, 1);
    const int nCounter = Get_Player_Vital_Stat(1, 0, VITAL_WEEK_COUNTER);
    Heal_All_Injuries_One_Week();
    EXPECT_EQ(Weeks(0, 0), 1);
    EXPECT_EQ(Weeks(0, 1), 2);
    EXPECT_EQ(Weeks(1, 0), 0);
    EXPECT_EQ(Code(1, 0), NO_INJURY);
    EXPECT_EQ(Get_Player_Vital_Stat(1, 0, VITAL_WEEK_COUNTER), nCounter + 1);
    Heal_All_Injuries(2);
    EXPECT_EQ(Weeks(0, 0), 0);
    EXPECT_EQ(Code(0, 0), NO_INJURY);
    EXPECT_EQ(Weeks(0, 1), 0);
    EXPECT_EQ(Get_Player_Vital_Stat(1, 0, VITAL_WEEK_COUNTER), nCounter + 3);
    Heal_All_Injuries(0);
    Heal_All_Injuries(-4);
    EXPECT_EQ(Get_Player_Vital_Stat(1, 0, VITAL_WEEK_COUNTER), nCounter + 3);
}

TEST_F(InjuriesTest, HealingReachesThePoolsAndSkipsClubsNotInUse)
{
    Put_Player(38, 0, 901, POSITION_K);
    Hurt(38, 0, 11, 2);
    Put_Player(5, 0, 501, POSITION_K);   // club 5 is not in use
    Hurt(5, 0, 11, 2);
    Heal_All_Injuries(2);
    EXPECT_EQ(Weeks(38, 0), 0);
    EXPECT_EQ(Weeks(5, 0), 2);
}

TEST_F(InjuriesTest, ASuspensionIsServedOnlyInWeeksTheTeamPlays)
{
    Hurt(0, 0, 182, 3);
    Set_User_Preference(PREF_CURRENT_WEEK, 3);   // no game: a bye
    Heal_All_Injuries_One_Week();
    EXPECT_EQ(Weeks(0, 0), 3);
    League.Team[0].nSchedule[3][0] = 2;           // at home to club 1
    Heal_All_Injuries_One_Week();
    EXPECT_EQ(Weeks(0, 0), 2);
    Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
    Heal_All_Injuries_One_Week();
    EXPECT_EQ(Weeks(0, 0), 2);
}

TEST_F(InjuriesTest, SuspensionsAreClearedAtSeasonEndButAHoldoutIsNot)
{
    Hurt(0, 0, 180, 5);
    Hurt(0, 1, 184, 5);
    Hurt(1, 0, INJURY_HOLDOUT, 5);
    Clear_Suspensions_At_Season_End();
    EXPECT_EQ(Weeks(0, 0), 0);
    EXPECT_EQ(Code(0, 0), NO_INJURY);
    EXPECT_EQ(Weeks(0, 1), 0);
    EXPECT_EQ(Weeks(1, 0), 5);
    Hurt(0, 0, 183, 5);
    Clear_Suspensions_At_Season_End();
    EXPECT_EQ(Weeks(0, 0), 5);
}

TEST_F(InjuriesTest, TheRunStopsOnlyForAUserPlayerOutLongEnough)
{
    Set_Universe_Word(SIMULATION_STOP_DAY_WORD, 999);
    Set_User_Preference(PREF_INJURY_CONTINGENCY, 2);
    Stop_Simulation_For_Injury(0, 0, 0, 3);   // a computer club
    EXPECT_EQ(Get_User_Preference(210), 0);
    EXPECT_EQ(Get_Universe_Word(SIMULATION_STOP_DAY_WORD), 999);

    Set_Team_Stat(0, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    Stop_Simulation_For_Injury(0, 0, 0, 2);   // misses one more week only
    EXPECT_EQ(Get_User_Preference(210), 0);
    Set_User_Preference(PREF_INJURY_CONTINGENCY, -2);
    Stop_Simulation_For_Injury(0, 0, 0, 9);   // the stop is off
    EXPECT_EQ(Get_User_Preference(210), 0);
    Set_User_Preference(PREF_INJURY_CONTINGENCY, 1);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    Stop_Simulation_For_Injury(0, 0, 0, 9);
    EXPECT_EQ(Get_User_Preference(210), 0);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 0);

    Set_User_Preference(PREF_TRADE_ATTEMPTS, 1);
    Stop_Simulation_For_Injury(0, 0, 0, 2);
    EXPECT_EQ(Get_User_Preference(210), 101);
    EXPECT_EQ(Get_Universe_Word(SIMULATION_STOP_DAY_WORD), 4);
    EXPECT_EQ(Get_User_Preference(PREF_TRADE_ATTEMPTS), 0);
    // Five notices at most.
    for (int i = 0; i < 5; ++i)
        Stop_Simulation_For_Injury(0, 1, 0, 5);
    for (int p = 211; p <= 214; ++p)
        EXPECT_EQ(Get_User_Preference(p), 102) << p;
    EXPECT_EQ(Get_User_Preference(210), 101);
}

TEST_F(InjuriesTest, NoticeTextsTakeTheirArticleAndEnding)
{
    Set_Regular_Season_Weeks(17);   // playoff weeks 17-22: the fifth is 21
    Set_Player_First_Name(0, 0, "Al");
    Set_Player_Last_Name(0, 0, "Ames");
    Set_Player_First_Name(0, 1, "Bo");
    Set_Player_Last_Name(0, 1, "Bell");
    Set_Player_First_Name(1, 0, "Cy");
    Set_Player_Last_Name(1, 0, "Cole");
    Hurt(0, 0, 49, 1);       // "ACL": a capital vowel takes "an"
    Hurt(0, 1, 11, 20);      // 20 > 21 - 3 + 1: the rest of the year
    Hurt(1, 0, 26, 0);       // healed: no line
    Set_User_Preference(210, 101);
    Set_User_Preference(211, 777);   // nobody
    Set_User_Preference(212, 102);
    Set_User_Preference(213, 201);
    char szText[1024];
    Format_Injury_Notices(szText, sizeof(szText));
    EXPECT_STREQ(szText,
                 "Al Ames will be injured for 1 week due to an ACL.\n"
                 "Bo Bell will be injured for the rest of the year due to a sprained ankle.\n");
    Hurt(0, 1, 11, 19);
    Format_Injury_Notices(szText, sizeof(szText));
    EXPECT_STREQ(szText,
                 "Al Ames will be injured for 1 week due to an ACL.\n"
                 "Bo Bell will be injured for 19 weeks due to a sprained ankle.\n");
    Show_Injury_Notices();
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Injury");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, szText);
}

}  // namespace
