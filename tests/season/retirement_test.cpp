// Retirement limits by age and worth, the retirement box, career scores by
// position, the hall's thresholds, its balance and rate rules beyond ten
// members, and the full hall.
#include <cstring>
#include <string>

#include "frontoffice/hall_of_fame.h"
#include "league/league_fixture.h"
#include "league/player.h"
#include "league/player_fixture.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "platform/ui.h"
#include "season/player_value.h"
#include "season/retirement.h"
#include "frontoffice/roster_moves.h"
#include "test_support.h"

namespace {

class RetirementTest : public PlayerTest {
protected:
    void SetUp() override
    {
        PlayerTest::SetUp();
        Use_Franchises(2);
    }

    static PLAYER& Put_Aged(int nTeam, int nSlot, int nID, int nPosition, int nAge, int nSeasons,
                            float fRating = 70.0f)
    {
        PLAYER& P = Put_Player(nTeam, nSlot, nID, nPosition, fRating);
        P.nVital[VITAL_BIRTH_DATE] = (Get_Current_Year() - nAge) * 10000 + 101;
        P.nVital[VITAL_SEASONS_PLAYED] = nSeasons;
        P.nVital[VITAL_PEAK_START] = 23;
        P.nVital[VITAL_PEAK_END] = 28;
        P.nVital[VITAL_LONGEVITY] = 100;
        P.nVital[VITAL_POTENTIAL] = 100;
        return P;
    }

    // A worthless player: ratings of 30 make an overall whose rating value
    // is 0 (below 50), and he has no statistics.
    static void Put_Worthless(int nTeam, int nSlot, int nID, int nPosition, int nAge)
    {
        Put_Aged(nTeam, nSlot, nID, nPosition, nAge, 5, 30.0f);
        ASSERT_GE(Get_Player_Overall_Rating(nTeam, nSlot), 25.0f);
        ASSERT_LT(Get_Player_Overall_Rating(nTeam, nSlot), 50.0f);
        ASSERT_EQ(Get_Player_Value(nTeam, nSlot), 0);
    }

    // A retiring running back of 10 seasons whose career score is
    // trunc(trunc((22 x yards + 5) / 10) / 600).
    static void Put_Career_Back(int nTeam, int nSlot, int nID, int nRushingYards, int nSeasons = 10)
    {
        Put_Aged(nTeam, nSlot, nID, POSITION_RB, 33, nSeasons);
        Set_Player_Stat(nTeam, nSlot, STAT_PERIOD_CAREER, STAT_RUSHING_YARDS, nRushingYards);
    }

    // A kicker of 10 seasons with career score nScore (punt yards / 35 / 5).
    static void Put_Career_Kicker(int nTeam, int nSlot, int nID, int nScore)
    {
        Put_Aged(nTeam, nSlot, nID, POSITION_K, 38, 10);
        Set_Player_Stat(nTeam, nSlot, STAT_PERIOD_CAREER, STAT_PUNT_YARDS, nScore * 5 * 35);
    }

    // Hall members: nQB quarterbacks then nRB running backs, the first
    // inducted in nFirstYear.
    static void Fill_Hall(int nQB, int nRB, int nFirstYear)
    {
        for (int i = 0; i < nQB + nRB; ++i) {
            PLAYER& P = Put_Player(HALL_OF_FAME_TEAM, i, 9000 + i, i < nQB ? POSITION_QB : POSITION_RB);
            P.nVital[VITAL_LONGEVITY] = nFirstYear;
        }
    }
};

// --- Retirement limits --------------------------------------------------------------

TEST_F(RetirementTest, AFreeAgentPastHisLimitNeedsMoreWorthEachYear)
{
    // RB limit 27 (no quota for free agents): value 0 stays while 2,000 >=
    // (age - 27) x 1000, so through 29, and retires at 30.
    for (int nAge = 25; nAge <= 30; ++nAge) {
        Put_Worthless(FREE_AGENT_TEAM, 0, 50, POSITION_RB, nAge);
        EXPECT_EQ(Check_Player_Retirement(FREE_AGENT_TEAM, 0), nAge >= 30 ? 1 : 0) << nAge;
        EXPECT_EQ(Get_Player_ID(FREE_AGENT_TEAM, 0), nAge >= 30 ? 0 : 50) << nAge;
    }
    // K limit 35: 37 stays, 38 goes.
    Put_Worthless(FREE_AGENT_TEAM, 0, 51, POSITION_K, 37);
    EXPECT_EQ(Check_Player_Retirement(FREE_AGENT_TEAM, 0), 0);
    Put_Worthless(FREE_AGENT_TEAM, 0, 51, POSITION_K, 38);
    EXPECT_EQ(Check_Player_Retirement(FREE_AGENT_TEAM, 0), 1);
}

TEST_F(RetirementTest, TheQuarterbacksLimitFollowsTheEraAndTheQuotaAddsThree)
{
    // 1965: QB limit 32; a 31-year-old stays whatever his worth.
    League.Universe.nStat[FIRST_SEASON_YEAR] = 1965;
    Put_Aged(FREE_AGENT_TEAM, 0, 60, POSITION_QB, 31, 9, 30.0f);
    EXPECT_EQ(Check_Player_Retirement(FREE_AGENT_TEAM, 0), 0);
    // 2019: QB limit 35: worthless at 37 stays, at 38 goes.
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
    Put_Worthless(FREE_AGENT_TEAM, 0, 61, POSITION_QB, 37);
    EXPECT_EQ(Check_Player_Retirement(FREE_AGENT_TEAM, 0), 0);
    Put_Worthless(FREE_AGENT_TEAM, 0, 61, POSITION_QB, 38);
    EXPECT_EQ(Check_Player_Retirement(FREE_AGENT_TEAM, 0), 1);
    // A club's first running back is within his quota: limit 30, so he stays
    // until 33.
    Put_Worthless(0, 0, 62, POSITION_RB, 32);
    EXPECT_EQ(Check_Player_Retirement(0, 0), 0);
    Put_Worthless(0, 0, 62, POSITION_RB, 33);
    EXPECT_EQ(Check_Player_Retirement(0, 0), 1);
    EXPECT_EQ(Check_Player_Retirement(0, 0), 0);   // the slot is empty now
}

// --- Retiring --------------------------------------------------------------------------

TEST_F(RetirementTest, OnlyTheUsersOwnClubIsToldAndTheRosterClosesUp)
{
    League.Team[0].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_USER;
    Set_User_Preference(PREF_SELECTED_TEAM, 0);
    Put_Aged(0, 0, 70, POSITION_RB, 31, 8);
    Set_Player_First_Name(0, 0, "Joe");
    Set_Player_Last_Name(0, 0, "Smith");
    Put_Aged(0, 1, 71, POSITION_WR, 24, 2);
    Retire_Player(0, 0);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Retiring Player");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Joe Smith is retiring from football at the age of 31.");
    EXPECT_EQ(Get_Player_ID(0, 0), 71);
    EXPECT_EQ(Get_Player_ID(0, 1), 0);

    // The computer's club, the free agents, and an all-computer run: no box.
    ui::Clear_Shown_Boxes();
    Put_Aged(1, 0, 72, POSITION_RB, 31, 8);
    Retire_Player(1, 0);
    Put_Aged(FREE_AGENT_TEAM, 0, 73, POSITION_RB, 31, 8);
    Set_User_Preference(PREF_SELECTED_TEAM, FREE_AGENT_TEAM);
    Retire_Player(FREE_AGENT_TEAM, 0);
    Set_User_Preference(PREF_SELECTED_TEAM, 0);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    Retire_Player(0, 0);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Get_Player_ID(1, 0), 0);
    EXPECT_EQ(Get_Player_ID(FREE_AGENT_TEAM, 0), 0);
    EXPECT_EQ(Get_Player_ID(0, 0), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(RetirementTest, AnInducteeLeavesACopyWithHisLinesEntryAgeScoreAndYear)
{
    Put_Career_Back(1, 0, 80, 30000);    // 66,000 -> 110 -> 95 + 7 = 102 -> 100
    Put_Aged(1, 1, 81, POSITION_WR, 24, 2);
    League.Team[1].Player[0].nSeasonLink[0] = 5;
    Stamp_Season_Line(5, 2018, 0, 1, 16);
    Retire_Player(1, 0);
    EXPECT_EQ(Get_Player_ID(1, 0), 81);
    EXPECT_EQ(Count_Hall_Of_Fame_Members(), 1);
    EXPECT_EQ(Get_Player_ID(HALL_OF_FAME_TEAM, 0), 80);
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VITAL_PEAK_START), 33 - 10);
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VITAL_POTENTIAL), 100);
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VITAL_LONGEVITY), 2019);
    EXPECT_EQ(League.Team[HALL_OF_FAME_TEAM].Player[0].nSeasonLink[0], 5);
    EXPECT_EQ(League.SeasonLines[5][0], 2018);
}

// --- Career scores -------------------------------------------------------------------

TEST_F(RetirementTest, CareerScoresOfBacksAndReceivers)
{
    // RB: 22,000 + 3 x 3,000 + 60 x 80 + 100 x 10 = 36,800 -> 61.
    Put_Aged(0, 0, 1, POSITION_RB, 33, 10);
    Set_Player_Stat(0, 0, 2, STAT_RUSHING_YARDS, 10000);
    Set_Player_Stat(0, 0, 2, STAT_RUSHING_TOUCHDOWNS, 80);
    Set_Player_Stat(0, 0, 2, STAT_RECEIVING_YARDS, 3000);
    Set_Player_Stat(0, 0, 2, STAT_RECEIVING_TOUCHDOWNS, 10);
    EXPECT_EQ(Get_Career_Score(0, 0), 61);
    // 14 seasons: 36,800 x 27 / 29 = 34,262 -> 57.
    League.Team[0].Player[0].nVital[VITAL_SEASONS_PLAYED] = 14;
    EXPECT_EQ(Get_Career_Score(0, 0), 57);
    // Return touchdowns count for backs: + 60 x 5 + 50 x 4 = 500: 37,300 -> 62.
    League.Team[0].Player[0].nVital[VITAL_SEASONS_PLAYED] = 10;
    Set_Player_Stat(0, 0, 2, STAT_KICK_RETURN_TOUCHDOWNS, 5);
    Set_Player_Stat(0, 0, 2, STAT_PUNT_RETURN_TOUCHDOWNS, 4);
    EXPECT_EQ(Get_Career_Score(0, 0), 62);
    // TE: x 1.3: 37,300 -> 48,490 -> 80.
    League.Team[0].Player[0].nVital[VITAL_POSITION] = POSITION_TE;
    EXPECT_EQ(Get_Career_Score(0, 0), 80);
}

TEST_F(RetirementTest, CareerScoreOfAQuarterbackWeighsHisPasserRating)
{
    Put_Aged(0, 0, 1, POSITION_QB, 36, 10);
    Set_Player_Stat(0, 0, 2, STAT_PASS_ATTEMPTS, 5000);
    Set_Player_Stat(0, 0, 2, STAT_PASS_COMPLETIONS, 3200);
    Set_Player_Stat(0, 0, 2, STAT_PASSING_YARDS, 40000);
    Set_Player_Stat(0, 0, 2, STAT_PASSING_TOUCHDOWNS, 300);
    Set_Player_Stat(0, 0, 2, STAT_INTERCEPTIONS_THROWN, 150);
    const int nRating = Get_Player_Stat(0, 0, 2, STAT_CODE_PASSER_RATING);
    ASSERT_GT(nRating, 800);
    // 40,000 + 30 x 300 = 49,000, weighed by the rating per 85.0.
    EXPECT_EQ(Get_Career_Score(0, 0), static_cast<int>((49000LL * nRating + 425) / 850 / 600));
}

TEST_F(RetirementTest, CareerScoresOfLinemenDefendersAndKickers)
{
    // G: p = 10 - season index 0; 70 x (160 + 150) = 21,700; x (1,000 - 100
    // + 450) / 1,300 = 22,535; - 4,000 - 500 = 18,035; x 0.9 = 16,232 -> 45.
    Put_Aged(0, 0, 1, POSITION_G, 33, 10);
    Set_Player_Stat(0, 0, 2, STAT_GAMES_PLAYED, 160);
    Set_Player_Stat(0, 0, 2, STAT_GAMES_STARTED, 150);
    Set_Player_Stat(0, 0, 2, STAT_RUNS_BEHIND, 1000);
    Set_Player_Stat(0, 0, 2, STAT_RUN_YARDS_BEHIND, 4500);
    Set_Player_Stat(0, 0, 2, STAT_SACKS_ALLOWED, 20);
    ASSERT_EQ(Get_Player_Stat(0, 0, 2, STAT_CODE_YARDS_PER_RUSH), 450);
    ASSERT_EQ(Get_Player_Stat(0, 0, 2, STAT_CODE_SACKS_ALLOWED), 500);
    EXPECT_EQ(Get_Career_Score(0, 0), 45);
    // C: no 0.9: 18,035 -> 50.
    League.Team[0].Player[0].nVital[VITAL_POSITION] = POSITION_C;
    EXPECT_EQ(Get_Career_Score(0, 0), 50);

    // LB: 4,000,000 + 25,000 x 900 + 5,000,000 + 4,500,000 = 36,000,000 ->
    // 35,000; x 1.65 = 57,750 -> 62.
    Put_Aged(0, 1, 2, POSITION_LB, 33, 10);
    Set_Player_Stat(0, 1, 2, STAT_INTERCEPTIONS, 20);
    Set_Player_Stat(0, 1, 2, STAT_SOLO_TACKLES, 800);
    Set_Player_Stat(0, 1, 2, STAT_TACKLE_ASSISTS, 200);
    Set_Player_Stat(0, 1, 2, STAT_SACKS, 50);
    Set_Player_Stat(0, 1, 2, STAT_PASSES_DEFENSED, 60);
    EXPECT_EQ(Get_Career_Score(0, 1), 62);
    // 15 seasons: 57,750 x 22 / 25 = 50,820 -> 55.
    League.Team[0].Player[1].nVital[VITAL_SEASONS_PLAYED] = 15;
    EXPECT_EQ(Get_Career_Score(0, 1), 55);

    // K: field goals (30 made + 9 - 10 + 8 - 10 + 6) / 3 = 11, punt yards
    // 3,500 / 35 = 100: 111 -> 22.
    Put_Aged(0, 2, 3, POSITION_K, 38, 10);
    const int Made[] = {9, 8, 7, 6};
    for (int b = 0; b < 4; ++b) {
        Set_Player_Stat(0, 2, 2, STAT_FIELD_GOAL_ATTEMPTS_BAND_1 + 2 * b, 10);
        Set_Player_Stat(0, 2, 2, STAT_FIELD_GOALS_MADE_BAND_1 + 2 * b, Made[b]);
    }
    Set_Player_Stat(0, 2, 2, STAT_PUNT_YARDS, 3500);
    EXPECT_EQ(Get_Career_Score(0, 2), 22);
    EXPECT_EQ(Get_Career_Score(0, 60), 0);
}

// --- The hall's thresholds ----------------------------------------------------------

TEST_F(RetirementTest, SeventyFiveWithTitlesGetsInNineSeasonsNever)
{
    Put_Career_Back(0, 0, 1, 19637);     // 43,201 -> 72
    EXPECT_EQ(Get_Career_Score(0, 0), 72);
    EXPECT_EQ(Check_Hall_Of_Fame_Induction(0, 0), 0);
    League.Team[0].Player[0].bStat[BYTE_STAT_CHAMPIONSHIPS] = 1;   // + 3
    EXPECT_EQ(Check_Hall_Of_Fame_Induction(0, 0), 1);
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VITAL_POTENTIAL), 75);
    Put_Career_Back(0, 1, 2, 60000, 9);  // 220 by score, but 9 seasons
    EXPECT_EQ(Check_Hall_Of_Fame_Induction(0, 1), 0);
    EXPECT_EQ(Count_Hall_Of_Fame_Members(), 1);
}

TEST_F(RetirementTest, ScoresAbove95CountHalfAndAreStoredAtMost100)
{
    Put_Career_Back(0, 0, 1, 27000);     // 59,400 -> 99 -> 97
    Put_Career_Back(0, 1, 2, 32728);     // 72,002 -> 120 -> 107 -> 100
    EXPECT_EQ(Check_Hall_Of_Fame_Induction(0, 0), 1);
    EXPECT_EQ(Check_Hall_Of_Fame_Induction(0, 1), 1);
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VITAL_POTENTIAL), 97);
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 1, VITAL_POTENTIAL), 100);
}

TEST_F(RetirementTest, EarlierErasWeighMore)
{
    // Score 60 (36,001): x (2200 - 1950) / 200 = 75 in 1950; 1960: 72.5 -> 72.
    League.Universe.nStat[FIRST_SEASON_YEAR] = 1950;
    Put_Career_Back(0, 0, 1, 16364);
    EXPECT_EQ(Get_Career_Score(0, 0), 60);
    EXPECT_EQ(Check_Hall_Of_Fame_Induction(0, 0), 1);
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VITAL_POTENTIAL), 75);
    League.Universe.nStat[FIRST_SEASON_YEAR] = 1960;
    Put_Career_Back(0, 0, 1, 16364);
    EXPECT_EQ(Check_Hall_Of_Fame_Induction(0, 0), 0);
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2000;
    EXPECT_EQ(Check_Hall_Of_Fame_Induction(0, 0), 0);
}

TEST_F(RetirementTest, TenMembersOrFewerSkipTheBalanceAndTheRate)
{
    Fill_Hall(5, 5, 2018);
    Put_Career_Back(0, 0, 1, 21819);     // 48,002 -> 80
    EXPECT_EQ(Check_Hall_Of_Fame_Induction(0, 0), 1);
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 10, VITAL_POTENTIAL), 80);
}

TEST_F(RetirementTest, BeyondTenMembersThePositionBalanceWeighs)
{
    // 20 members, half of them backs, the first in 2000 (rate 1,000: no limit).
    Fill_Hall(10, 10, 2000);
    // A back: 10 of 20 held against a share of 70: 70 x 20 / 10 = 140 per
    // mille; 80 x 0.14 = 11: out.
    Put_Career_Back(0, 0, 1, 21819);
    EXPECT_EQ(Check_Hall_Of_Fame_Induction(0, 0), 0);
    // A kicker of 40, a position the hall lacks: twice, 80: in.
    Put_Career_Kicker(0, 1, 2, 40);
    EXPECT_EQ(Get_Career_Score(0, 1), 40);
    EXPECT_EQ(Check_Hall_Of_Fame_Induction(0, 1), 1);
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 20, VITAL_POTENTIAL), 80);
    // Another: 1 of 21 held against 35: 35 x 21 / 1 = 735; 40 x 0.735 = 29: out.
    Put_Career_Kicker(0, 2, 3, 40);
    EXPECT_EQ(Check_Hall_Of_Fame_Induction(0, 2), 0);
}

TEST_F(RetirementTest, TheBalanceWeighsAPositionByItsShareOverTheShareItHolds)
{
    // 1000 x share x members / (1000 x members there), rounded, at most 2000.
    EXPECT_EQ(Get_Hall_Of_Fame_Balance(POSITION_CB, 5, 20), 220);    // 55 x 20 / 5
    EXPECT_EQ(Get_Hall_Of_Fame_Balance(POSITION_QB, 6, 30), 950);    // 190 x 30 / 6
    EXPECT_EQ(Get_Hall_Of_Fame_Balance(POSITION_S, 3, 40), 1000);    // 75 x 40 / 3 = 1,000
    EXPECT_EQ(Get_Hall_Of_Fame_Balance(POSITION_FB, 1, 21), 525);    // 25 x 21 / 1
    EXPECT_EQ(Get_Hall_Of_Fame_Balance(POSITION_LB, 1, 99), 2000);   // 13,860, held
    EXPECT_EQ(Get_Hall_Of_Fame_Balance(POSITION_QB, 0, 30), 2000);   // none yet
    EXPECT_EQ(Get_Hall_Of_Fame_Balance(15, 3, 30), 1000);
    EXPECT_EQ(Get_Hall_Of_Fame_Balance(POSITION_QB, 0, 0), 1000);
}

// Figures far beyond every other position's (a back of 300) count as the
// best the hall stores, 105, so the balance holds his position to its share:
// 4 backs of 20 against 70 weigh 350 per mille, 105 x 0.35 = 37: out (300
// would have made 105).
TEST_F(RetirementTest, NoCareerCountsForMoreThanTheBestTheHallStores)
{
    Fill_Hall(16, 4, 2000);
    Put_Career_Back(0, 0, 1, 81819);   // 180,002 -> 300
    EXPECT_EQ(Get_Career_Score(0, 0), 300);
    EXPECT_EQ(Check_Hall_Of_Fame_Induction(0, 0), 0);
    // With 10 members the balance does not weigh, and he goes in at 100.
    Fill_Hall(6, 4, 2000);
    for (int i = 10; i < 20; ++i)
        Clear_Player(HALL_OF_FAME_TEAM, i);
    ASSERT_EQ(Count_Hall_Of_Fame_Members(), 10);
    EXPECT_EQ(Check_Hall_Of_Fame_Induction(0, 0), 1);
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 10, VITAL_POTENTIAL), 100);
}

// A career that ends when the full pool lets its weakest player go is
// weighed for the hall as any other retirement.
TEST_F(RetirementTest, APlayerReleasedFromTheFullPoolRetiresAndMayBeInducted)
{
    for (int s = 0; s < 51; ++s)
        Put_Aged(FREE_AGENT_TEAM, s, 100 + s, POSITION_RB, 25, 3);
    Put_Aged(FREE_AGENT_TEAM, 51, 1, POSITION_RB, 36, 12, 30.0f);
    Set_Player_Stat(FREE_AGENT_TEAM, 51, STAT_PERIOD_CAREER, STAT_RUSHING_YARDS, 21819);   // 80
    ASSERT_EQ(Count_Team_Players(FREE_AGENT_TEAM), 52);
    EXPECT_TRUE(Release_Excess_Player(FREE_AGENT_TEAM));
    EXPECT_EQ(Count_Team_Players(FREE_AGENT_TEAM), 51);
    ASSERT_EQ(Count_Hall_Of_Fame_Members(), 1);
    EXPECT_EQ(Get_Player_ID(HALL_OF_FAME_TEAM, 0), 1);
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VITAL_POTENTIAL), 80);
}

TEST_F(RetirementTest, BeyondTenMembersMoreThanFiveInductionsAYearWeighLess)
{
    // First induction 2017: k = 3, rate = (20,000 + 1) / 3 = 6,667: a kicker
    // of 45, twice as the hall has none, 90 x 5,000 / 6,667 = 67: out.
    Fill_Hall(10, 10, 2017);
    Put_Career_Kicker(0, 0, 1, 45);
    EXPECT_EQ(Check_Hall_Of_Fame_Induction(0, 0), 0);
    // First induction 2016: rate 5,000, not above: 90, in.
    League.Team[HALL_OF_FAME_TEAM].Player[0].nVital[VITAL_LONGEVITY] = 2016;
    EXPECT_EQ(Check_Hall_Of_Fame_Induction(0, 0), 1);
}

TEST_F(RetirementTest, AFullHallTakesNobodyAndTheRetireeLeavesAsAnyOther)
{
    Fill_Hall(50, 50, 1950);
    EXPECT_EQ(Count_Hall_Of_Fame_Members(), 100);
    Put_Career_Kicker(0, 0, 1, 300);
    Put_Aged(0, 1, 2, POSITION_WR, 24, 2);
    LEAGUE_SNAPSHOT Before;
    EXPECT_FALSE(Add_Player_To_Hall_Of_Fame(0, 0, 90));
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_EQ(Check_Hall_Of_Fame_Induction(0, 0), 0);
    Retire_Player(0, 0);
    EXPECT_EQ(Get_Player_ID(0, 0), 2);
    EXPECT_EQ(Count_Hall_Of_Fame_Members(), 100);
    for (int i = 0; i < PLAYERS_PER_TEAM; ++i)
        EXPECT_EQ(Get_Player_ID(HALL_OF_FAME_TEAM, i), 9000 + i);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(RetirementTest, TheHallRefusesEmptySlotsAndItsOwnMembers)
{
    EXPECT_FALSE(Add_Player_To_Hall_Of_Fame(0, 5, 90));
    Fill_Hall(1, 0, 2000);
    EXPECT_FALSE(Add_Player_To_Hall_Of_Fame(HALL_OF_FAME_TEAM, 0, 90));
    EXPECT_EQ(Count_Hall_Of_Fame_Members(), 1);
    EXPECT_EQ(Get_Hall_Of_Fame_Position_Share(POSITION_QB), 190);
    int nTotal = 0;
    for (int p = 0; p < NUMBER_OF_POSITIONS; ++p)
        nTotal += Get_Hall_Of_Fame_Position_Share(p);
    EXPECT_EQ(nTotal, 1000);
}

}  // namespace
