// Generated college seasons: games and starts, the statistics of a season
// from ratings, the scaling noise, the consistency fixes and the archived
// lines, with the refusals of prospects that are not prospects and of a full
// line table.
#include <cstring>

#include "../league/player_fixture.h"
#include "base/random.h"
#include "league/player_stats.h"
#include "league/season_lines.h"
#include "season/past_seasons.h"

namespace {

constexpr int POOL = 38;
constexpr int SCRATCH = STAT_PERIOD_THIS_SEASON;

class PastSeasonsTest : public PlayerTest {
protected:
    void SetUp() override
    {
        PlayerTest::SetUp();
        Use_Franchises(1);
    }
    static PLAYER& Prospect(int nTeam, int nSlot, int nPosition, int nSeasons = -1)
    {
        PLAYER& Player = Add_Player(nTeam, nSlot, 500 + nSlot, nPosition);
        Player.nVital[VITAL_SEASONS_PLAYED] = nSeasons;
        Player.nVital[VITAL_BIRTH_DATE] = 19980505;
        return Player;
    }
    static int Line(int nTeam, int nSlot, int n) { return Get_Player_Season_Line_Index(nTeam, nSlot, n); }
    static int Line_Team(int nLine) { return League.SeasonLines[nLine][2] & 0xFF; }
    static int S(int nTeam, int nSlot, int nStat) { return Get_Player_Stat(nTeam, nSlot, SCRATCH, nStat); }
    static bool Scratch_Is_Clear(int nTeam, int nSlot)
    {
        for (int i = 0; i < STATS_PER_PERIOD; ++i) {
            if (League.Team[nTeam].Player[nSlot].nStat[SCRATCH][i] != 0)
                return false;
        }
        return true;
    }
    static uint32_t Draw_After(uint32_t nSeed, int nDraws)
    {
        Seed_Random_Numbers(nSeed);
        for (int i = 0; i < nDraws; ++i)
            Generate_Random_Number();
        return Generate_Random_Number();
    }
    static double Fraction() { return Random_Word_To_Fraction(Generate_Random_Number()); }
};

}  // namespace

TEST_F(PastSeasonsTest, AProspectGetsFourCollegeLinesEndingThisYear)
{
    for (uint32_t nSeed = 1; nSeed <= 60; ++nSeed) {
        Zero_League_Data();
        Use_Franchises(1);
        League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
        Seed_Random_Numbers(nSeed);
        Prospect(POOL, 0, POSITION_WR);
        Generate_Player_History(POOL, 0, 1);

        ASSERT_EQ(Count_Player_Season_Lines(POOL, 0), 4) << nSeed;
        for (int n = 0; n < 4; ++n) {
            const int nLine = Line(POOL, 0, n);
            EXPECT_EQ(Get_Season_Line_Year(nLine), 2016 + n);
            EXPECT_EQ(Get_Season_Line_Level(nLine), n - 4);   // FR, SO, JR, SR
            EXPECT_EQ(Line_Team(nLine), NO_TEAM);
            const int nGames = Get_Season_Line_Stat(nLine, 0);
            const int nStarts = Get_Season_Line_Stat(nLine, 1);
            EXPECT_GE(nGames, 2);
            EXPECT_LE(nGames, 13);
            EXPECT_GE(nStarts, 0);
            EXPECT_LE(nStarts, nGames);
            if (n == 0) {   // baseline 10 +/- 19 percent
                EXPECT_LE(nStarts, Mul_Div_Rounded(29, nGames, 100));
            }
            if (n == 3) {   // baseline 130: never below 100 percent
                EXPECT_EQ(nStarts, nGames);
            }
        }
        EXPECT_EQ(League.Team[POOL].Player[0].nCurrentLine, Line(POOL, 0, 3));
        EXPECT_TRUE(Scratch_Is_Clear(POOL, 0));
        for (int r = 0; r < NUMBER_OF_RATINGS; ++r)
            EXPECT_EQ(League.Team[POOL].Player[0].fRating[r], 70.0f);
    }
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PastSeasonsTest, FewerSeasonsAndAnotherYearOffset)
{
    Prospect(POOL, 0, POSITION_RB, -2);
    Generate_Player_History(POOL, 0, 2);
    // Three seasons, years 2019 - 3 + i + 2.
    ASSERT_EQ(Count_Player_Season_Lines(POOL, 0), 3);
    for (int n = 0; n < 3; ++n) {
        EXPECT_EQ(Get_Season_Line_Year(Line(POOL, 0, n)), 2018 + n);
        EXPECT_EQ(Get_Season_Line_Level(Line(POOL, 0, n)), n - 4);
    }
}

TEST_F(PastSeasonsTest, NoHistoryOutsideOneToFourSeasons)
{
    for (int nSeasons : {0, 3, -5, -30}) {
        Prospect(POOL, 0, POSITION_WR, nSeasons);
        Seed_Random_Numbers(3);
        LEAGUE_SNAPSHOT Before;
        Generate_Player_History(POOL, 0, 1);
        EXPECT_TRUE(Before.Unchanged()) << nSeasons;
        const uint32_t nNext = Generate_Random_Number();
        EXPECT_EQ(nNext, Draw_After(3, 0)) << nSeasons;
    }
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PastSeasonsTest, FreeAgentsAndAFullLineTableArchiveNothing)
{
    Prospect(FREE_AGENT_TEAM, 0, POSITION_QB);
    Generate_Player_History(FREE_AGENT_TEAM, 0, 1);
    EXPECT_EQ(Count_Player_Season_Lines(FREE_AGENT_TEAM, 0), 0);
    EXPECT_TRUE(Scratch_Is_Clear(FREE_AGENT_TEAM, 0));

    // Every line taken: the seasons are made and dropped, nothing written.
    for (int i = 0; i < SEASON_LINE_COUNT; ++i)
        League.SeasonLines[i][0] = 1990;
    Prospect(POOL, 0, POSITION_QB);
    LEAGUE_SNAPSHOT Before;
    Generate_Player_History(POOL, 0, 1);
    EXPECT_EQ(Count_Player_Season_Lines(POOL, 0), 0);
    EXPECT_EQ(League.Team[POOL].Player[0].nCurrentLine, NO_SEASON_LINE);
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PastSeasonsTest, QuarterbackSeasonFromLoweredRatings)
{
    Prospect(POOL, 0, POSITION_QB);
    // Ratings 70 lowered by 3 to 67; P = trunc(0.7 x 11 + 0.3 x 13) = 11.
    Generate_Season_Stats_From_Ratings(POOL, 0, -1, 13, 11);
    EXPECT_EQ(S(POOL, 0, 2), 324);    // 167 x 30 / 170 x 11 = 324.18
    EXPECT_EQ(S(POOL, 0, 3), 211);    // (0.2233 + 0.43) x 324.18
    EXPECT_EQ(S(POOL, 0, 4), 8);      // 38 / 1400 x 324.18 = 8.80
    EXPECT_EQ(S(POOL, 0, 5), 2478);   // 117 x 211.80 / 10
    EXPECT_EQ(S(POOL, 0, 6), 21);     // 324.18 x 67 / 1000
    EXPECT_EQ(S(POOL, 0, 7), 42);     // a = max(1.78, 3.89) = 3.89, x 11
    EXPECT_EQ(S(POOL, 0, 8), 201);    // 47 x 3.89 x 11 / 10
    EXPECT_EQ(S(POOL, 0, 9), 2);
    EXPECT_EQ(S(POOL, 0, 14), 13);    // 43 x 324.18 / 1000 = 13.94
    EXPECT_EQ(S(POOL, 0, 15), 125);   // 9 x 13.94, not 9 x 13
    EXPECT_EQ(S(POOL, 0, 0), 0);
    for (int r = 0; r < NUMBER_OF_RATINGS; ++r)
        EXPECT_EQ(League.Team[POOL].Player[0].fRating[r], 70.0f);
}

TEST_F(PastSeasonsTest, KickerAndLinebackerSeasonsFromRatings)
{
    PLAYER& Kicker = Prospect(POOL, 0, POSITION_K);
    Kicker.fRating[RATING_FG_ACCURACY] = 80;
    Kicker.fRating[RATING_FG_DISTANCE] = 90;
    Generate_Season_Stats_From_Ratings(POOL, 0, -1, 13, 11);
    // a = 77, d = 87, P = 11.
    const int Expected[] = {27, 26, 8, 7, 11, 9, 12, 9, 6, 4};   // statistics 8-17
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(S(POOL, 0, 8 + i), Expected[i]) << 8 + i;
    EXPECT_EQ(S(POOL, 0, 18), 0);

    // A short leg tries no long field goals at all.
    Kicker.fRating[RATING_FG_DISTANCE] = 50;
    Generate_Season_Stats_From_Ratings(POOL, 0, -1, 13, 11);
    EXPECT_EQ(S(POOL, 0, 16), 0);
    EXPECT_EQ(S(POOL, 0, 17), 0);

    Prospect(POOL, 1, POSITION_LB);
    Generate_Season_Stats_From_Ratings(POOL, 1, -1, 13, 11);
    // t(67) = 0.84 x 11 = 9.24; T = 9.
    const int Defence[] = {55, 41, 9, 2, 6, 2, 1, 0};   // statistics 2-9
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(S(POOL, 1, 2 + i), Defence[i]) << 2 + i;
    // Kick Returns 67 > 65: ((67 - 50) / 10) x 11 = 18.7 returns.
    EXPECT_EQ(S(POOL, 1, 14), 18);
    EXPECT_EQ(S(POOL, 1, 15), 417);   // 67 / 3 x 18.7 = 417.63
    EXPECT_EQ(S(POOL, 1, 16), 1);
}

TEST_F(PastSeasonsTest, ScalingNoiseAndTheZeroGameSeason)
{
    Prospect(POOL, 0, POSITION_WR);
    Set_Player_Stat(POOL, 0, SCRATCH, 11, 1000);
    Set_Player_Stat(POOL, 0, SCRATCH, 10, 10);
    Seed_Random_Numbers(41);
    // Noise draws: two for each statistic from 2; statistic 10 takes draws
    // 16 and 17, statistic 11 draws 18 and 19.
    double u[36];
    for (double& x : u)
        x = Fraction();
    auto Noise = [&](int nStat) {
        const int k = 2 * (nStat - 2);
        return static_cast<int>(-200 * u[k]) - static_cast<int>(-200 * u[k + 1]);
    };
    Seed_Random_Numbers(41);
    Scale_Generated_Season_Stats(POOL, 0, 17);   // f = 1000
    EXPECT_EQ(S(POOL, 0, 11), Mul_Div_Rounded(1000, 1000 + Noise(11), 1000));
    const int nSmall = Mul_Div_Rounded(Noise(10), 35, 23);
    EXPECT_EQ(S(POOL, 0, 10), std::max(0, Mul_Div_Rounded(10, 1000 + nSmall, 1000)));
    EXPECT_EQ(S(POOL, 0, 2), 0);
    const uint32_t nNext = Generate_Random_Number();
    EXPECT_EQ(nNext, Draw_After(41, 36));

    for (int i = 0; i < STATS_PER_PERIOD; ++i)
        Set_Player_Stat(POOL, 0, SCRATCH, i, 40 + i);
    Scale_Generated_Season_Stats(POOL, 0, 0);
    for (int i = 0; i < STATS_PER_PERIOD; ++i)
        EXPECT_EQ(S(POOL, 0, i), 0) << i;
}

TEST_F(PastSeasonsTest, GeneratedKickingSeasonsStayConsistent)
{
    for (uint32_t nSeed = 1; nSeed <= 40; ++nSeed) {
        Zero_League_Data();
        Use_Franchises(1);
        League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
        Seed_Random_Numbers(nSeed);
        PLAYER& Kicker = Prospect(POOL, 0, POSITION_K);
        Kicker.fRating[RATING_FG_ACCURACY] = 60.0f + static_cast<float>(nSeed);
        Kicker.fRating[RATING_FG_DISTANCE] = 40.0f + static_cast<float>(nSeed);
        Prospect(POOL, 1, POSITION_P);
        Generate_Player_History(POOL, 0, 1);
        Generate_Player_History(POOL, 1, 1);
        ASSERT_EQ(Count_Player_Season_Lines(POOL, 0), 4);
        for (int n = 0; n < 4; ++n) {
            const int nLine = Line(POOL, 0, n);
            for (int nTried = 8; nTried <= 16; nTried += 2) {
                EXPECT_GE(Get_Season_Line_Stat(nLine, nTried + 1), 0) << nSeed;
                EXPECT_LE(Get_Season_Line_Stat(nLine, nTried + 1), Get_Season_Line_Stat(nLine, nTried)) << nSeed;
            }
            EXPECT_LE(Get_Season_Line_Stat(nLine, 18), 68);
            const int nPunterLine = Line(POOL, 1, n);
            if (Get_Season_Line_Stat(nPunterLine, 0) < 6)   // too few games for a sure punt
                continue;
            EXPECT_GT(Get_Season_Line_Stat(nPunterLine, 2), 0);
            EXPECT_GT(Get_Season_Line_Stat(nPunterLine, 5), 0);
        }
    }
}

TEST_F(PastSeasonsTest, FixesByUnit)
{
    // Backs: targets at least yards after catch / 20, rounded.
    Prospect(POOL, 0, POSITION_TE);
    Set_Player_Stat(POOL, 0, SCRATCH, 6, 210);
    Set_Player_Stat(POOL, 0, SCRATCH, 4, 3);
    Fix_Generated_Season_Stats(POOL, 0);
    EXPECT_EQ(S(POOL, 0, 4), 11);

    // Defence: no negative figures, coverage base at least the coverage.
    Prospect(POOL, 1, POSITION_CB);
    Set_Player_Stat(POOL, 1, SCRATCH, 5, -2);
    Set_Player_Stat(POOL, 1, SCRATCH, 11, 7);
    Set_Player_Stat(POOL, 1, SCRATCH, 10, 4);
    Fix_Generated_Season_Stats(POOL, 1);
    EXPECT_EQ(S(POOL, 1, 5), 0);
    EXPECT_EQ(S(POOL, 1, 10), 7);

    // Linemen: 11 held within 6 and 9 times 10, then to a multiple of 5.
    Prospect(POOL, 2, POSITION_G);
    Set_Player_Stat(POOL, 2, SCRATCH, 10, 7);
    Set_Player_Stat(POOL, 2, SCRATCH, 11, 100);
    Set_Player_Stat(POOL, 2, SCRATCH, 14, 2);
    Set_Player_Stat(POOL, 2, SCRATCH, 15, 300);
    Set_Player_Stat(POOL, 2, SCRATCH, 16, 1);
    Fix_Generated_Season_Stats(POOL, 2);
    EXPECT_EQ(S(POOL, 2, 11), 65);   // 63 -> 65
    EXPECT_EQ(S(POOL, 2, 15), 62);   // at most 31 x 2
    EXPECT_EQ(S(POOL, 2, 16), 0);    // 62 < 225

    // Kickers: made at most tried.
    Prospect(POOL, 3, POSITION_K);
    Set_Player_Stat(POOL, 3, SCRATCH, 14, 3);
    Set_Player_Stat(POOL, 3, SCRATCH, 15, 5);
    Set_Player_Stat(POOL, 3, SCRATCH, 18, 50);
    Fix_Generated_Season_Stats(POOL, 3);
    EXPECT_EQ(S(POOL, 3, 15), 3);
    EXPECT_EQ(S(POOL, 3, 18), 50);
}
