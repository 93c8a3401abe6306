// The computer's defensive play calling: the coverage, pass-rush and
// run-defence models on built-in plays with hand-summed terms, the matchup
// tables of both directions of play, and the defence's choices in set
// situations.

#include <memory>
#include <initializer_list>
#include <climits>
#include <cstdint>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <random>

#include "base/random.h"
#include "engine/defense_calling.h"
#include "engine/formations.h"
#include "engine/game_context.h"
#include "engine/offense_calling.h"
#include "engine/playbook_records.h"
#include "engine/playbooks.h"
#include "engine/play_calling_fixture.h"

namespace {

// Built-in plays used below.
constexpr int DIVE = 0;          // "Pro 21 Dive": rush, hole 1 (x -1)
constexpr int BENCH = 25;        // "Ace 508 H-Bench": a quick-release pass (route 13)
constexpr int CURL = 36;         // "Ace 782 Curl": primary route 2, not quick
constexpr int CONTAIN = 3;       // "4-3 Contain", formation 22: {0,0,0,0,9,7,9,13,13,8,8}

class DefenseCallingTest : public PlayCallingTest {
protected:
    void SetUp() override
    {
        PlayCallingTest::SetUp();
        Build_Play_Matchup_Table(&m_Game);
        Seed_Random_Numbers(99);
    }

    // Sum over the 11 places of formation f of (x + y) x 0.004 - 0.04.
    static double Spot_Terms(int f)
    {
        double fSum = 0.0;
        for (int s = 0; s < PLACES_ON_FIELD; ++s) {
            double x = 0, y = 0;
            Get_Formation_Coordinate(f, s, &x, &y);
            fSum += (x + y) * 0.004 - 0.04;
        }
        return fSum;
    }
};

TEST_F(DefenseCallingTest, FormationPassFocus)
{
    EXPECT_EQ(Get_Defensive_Formation_Pass_Focus(22), 975);
    EXPECT_EQ(Get_Defensive_Formation_Pass_Focus(28), 825);
    EXPECT_EQ(Get_Defensive_Formation_Pass_Focus(30), 1125);
    EXPECT_EQ(Get_Defensive_Formation_Pass_Focus(36), 1375);
    EXPECT_EQ(Get_Defensive_Formation_Pass_Focus(38), 675);
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_EQ(Get_Defensive_Formation_Pass_Focus(21), 1000);
    EXPECT_TRUE(Last_Error_Contains("Invalid nFormation in Get_Defensive_Formation_Pass_Focus()"));
    EXPECT_FALSE(Is_Defensive_Formation(39));
    EXPECT_TRUE(Is_Defensive_Formation(22));
}

TEST_F(DefenseCallingTest, PassRushOfAFourManContain)
{
    // Four rushers (role 0), four zones (8, 9: -35 each), one contain (7:
    // -145), two men (13: -50 each). Quick release: 1000 + 4 x 5 - 140 - 145
    // - 100 = 635.
    EXPECT_DOUBLE_EQ(Get_Pass_Rush_Multiplier(-1, BENCH, 1, CONTAIN), 0.635);
    // A curl of mean depth d: rushers add 3d + 95 each: 995 + 12d.
    const int d = Get_Play_Primary_Route_Depth(-1, CURL);
    ASSERT_GT(d, 0);
    EXPECT_DOUBLE_EQ(Get_Pass_Rush_Multiplier(-1, CURL, 1, CONTAIN), (995 + 12 * d) / 1000.0);
}

TEST_F(DefenseCallingTest, CoverageAndPassDefenseOfAFourManContain)
{
    const int d = Get_Play_Primary_Route_Depth(-1, CURL);
    // Roles: 4 x -0.055, 2 x (0.3 - 0.025 |5 - d|), -0.005 d - 0.09,
    // 2 x (0.19 - 0.005 d), 2 x (0.022 d - 0.1) = 0.47 - 0.05 |5 - d| + 0.029 d.
    const double fCover = 1.0 + Spot_Terms(22) + 0.47 - 0.05 * std::abs(5 - d) + 0.029 * d;
    EXPECT_NEAR(Get_Pass_Coverage_Multiplier(-1, CURL, 1, CONTAIN), std::max(fCover, 0.1), 1e-12);
    const double fRush = (995 + 12 * d) / 1000.0;
    double r = (3 * std::max(fCover, 0.1) + 3 * fRush - 1) / 5;
    if (d < 12)
        r += (12 - d) * 0.007;
    EXPECT_NEAR(Get_Pass_Defense_Rating(-1, CURL, 1, CONTAIN), std::max(r, 0.1), 1e-12);
    // Against the quick release the four rushers take 0.95 each off the
    // coverage: far below the floor of 0.1.
    EXPECT_DOUBLE_EQ(Get_Pass_Coverage_Multiplier(-1, BENCH, 1, CONTAIN), 0.1);
}

TEST_F(DefenseCallingTest, RunDefenseOfAFourManContainAgainstADive)
{
    // The dive goes to hole 1 (x = -1), not a draw. Bases: rushers -25, short
    // zones 10, contain 15 x 1 + 40 = 55, men -15, deep zones -45.
    const int Roles[PLACES_ON_FIELD] = {0, 0, 0, 0, 9, 7, 9, 13, 13, 8, 8};
    int nSum = 1000;
    for (int s = 0; s < PLACES_ON_FIELD; ++s) {
        double x = 0, y = 0;
        Get_Formation_Coordinate(22, s, &x, &y);
        int nBase = 0;
        switch (Roles[s]) {
        case 0: nBase = -25; break;
        case 9: nBase = 10; break;
        case 7: nBase = 55; break;
        case 13: nBase = -15; break;
        case 8: nBase = -45; break;
        }
        const int nDist = std::abs(-1 - static_cast<int>(x));
        nSum += Mul_Div_Rounded(3 * (10 - static_cast<int>(y) - nDist) + nBase, 15, nDist + 10);
    }
    EXPECT_EQ(Get_Run_Defense_Multiplier(-1, DIVE, 1, CONTAIN), std::max(nSum, 100));
    // A run against a formation of pass focus 975 keeps its rating; the same
    // against a pass gets x 975 / 1000.
    EXPECT_EQ(Get_Play_Matchup_Rating(-1, DIVE, 1, CONTAIN), std::max(nSum, 100));
    EXPECT_EQ(Get_Play_Matchup_Rating(-1, CURL, 1, CONTAIN),
              static_cast<int>(Get_Pass_Defense_Rating(-1, CURL, 1, CONTAIN) * 1000.0 * 975 / 1000.0));
    // Against a kick the rating is 1000; a defence that is not a team, 0.
    EXPECT_EQ(Get_Play_Matchup_Rating(-1, HARD_CODED_PUNT_PLAY, 1, CONTAIN), 1000);
    EXPECT_EQ(Get_Play_Matchup_Rating(-1, DIVE, NO_TEAM, CONTAIN), 0);
}

TEST_F(DefenseCallingTest, ColumnsAverageOneThousand)
{
    for (int s = 0; s < 2; ++s) {
        for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j) {
            int nSum = 0;
            for (int i = 0; i < TEAM_OFFENSIVE_PLAYS; ++i)
                nSum += Get_Play_Matchup_Table_Value(&m_Game, s, i, j);
            EXPECT_NEAR(nSum, 54000, 54) << s << " " << j;
        }
    }
    // The fixed rows stay unscaled: the punt row reads 1000.
    EXPECT_EQ(Get_Play_Matchup_Table_Value(&m_Game, 1, HARD_CODED_PUNT_PLAY, CONTAIN), 1000);
}

TEST_F(DefenseCallingTest, EachTeamWithTheBallHasItsOwnTable)
{
    // The away club's contain play becomes an all-out rush: only the table
    // of the home club's offence (against the away defence) changes.
    const int nHomeBefore = Get_Play_Matchup_Table_Value(&m_Game, GAME_SIDE_HOME, CURL, CONTAIN);
    const int nAwayBefore = Get_Play_Matchup_Table_Value(&m_Game, GAME_SIDE_AWAY, CURL, CONTAIN);
    for (int s = 0; s < PLACES_ON_FIELD; ++s)
        Set_Defensive_Play_Role(0, CONTAIN, s, 0);
    Build_Play_Matchup_Table(&m_Game);
    EXPECT_NE(Get_Play_Matchup_Table_Value(&m_Game, GAME_SIDE_HOME, CURL, CONTAIN), nHomeBefore);
    EXPECT_EQ(Get_Play_Matchup_Table_Value(&m_Game, GAME_SIDE_AWAY, CURL, CONTAIN), nAwayBefore);

    // A call for a game of other teams (a resumed game) builds its tables
    // first: with the clubs swapped the home offence faces the unchanged
    // defence again.
    GAME Swapped = m_Game;
    Swapped.nAwayTeam = 1;
    Swapped.nHomeTeam = 0;
    Swapped.nOffense = 0;
    GAME_CONTEXT SwappedContext;
    const GAME_CONTEXT_BINDING Binding(&Swapped, SwappedContext);
    Call_Defensive_Play(&Swapped);
    EXPECT_EQ(Get_Play_Matchup_Table_Value(&Swapped, GAME_SIDE_HOME, CURL, CONTAIN), nHomeBefore);
}

TEST_F(DefenseCallingTest, RedundancyAndTheRunCallFactor)
{
    EXPECT_EQ(Get_Defensive_Play_Redundancy_Multiplier(&m_Game, CONTAIN), 1000);
    for (int n = 0; n < 10; ++n)
        Record_Defensive_Play_Call(&m_Game, CONTAIN);
    EXPECT_EQ(Get_Defensive_Call_Tally(&m_Game, GAME_SIDE_AWAY, CONTAIN), 10);   // the defence is the away club
    EXPECT_EQ(Get_Last_Defensive_Call(&m_Game), CONTAIN);
    EXPECT_EQ(Get_Defensive_Play_Redundancy_Multiplier(&m_Game, CONTAIN), 833);   // 50000 / 60
    for (int n = 0; n < 50; ++n)
        Record_Defensive_Play_Call(&m_Game, CONTAIN);
    EXPECT_EQ(Get_Defensive_Play_Redundancy_Multiplier(&m_Game, CONTAIN), 500);   // 454.5, at least 500

    // The dive called 20 times (ro 500) against a fresh defensive play (rd 1000):
    // v = r x 2000 / 1500, then the soft bound.
    for (int n = 0; n < 20; ++n)
        Record_Offensive_Play_Call(&m_Game, DIVE);
    const float r = Get_Run_Defense_Multiplier(1, DIVE, 0, 0) / 1000.0f;
    float v = r * 2000.0f / 1500.0f;
    const float fHigh = std::sqrt(1.66f), fLow = std::sqrt(0.6024096f);
    if (v > fHigh)
        v = (fHigh + v) / 2.0f;
    else if (v < fLow)
        v = (fLow + v) / 2.0f;
    v = std::clamp(v, 0.6024096f, 1.66f);
    EXPECT_FLOAT_EQ(Get_Run_Call_Matchup_Factor(&m_Game, DIVE, 0), v);
    EXPECT_GT(Get_Run_Call_Matchup_Factor(&m_Game, DIVE, 0), r);
}

// The formation the situation shows limits the calls to plays whose pass
// focus is within 150 of it.
TEST_F(DefenseCallingTest, GoalLineAndShortYardageFormations)
{
    // At the 1 the situation shows the 4-4 (775): only the 5-2, 6-1, 4-4 and
    // goal-line plays (825, 875, 775, 675) can be called; the 46 (925) cannot.
    m_Game.nYardLine = 1;
    m_Game.nToGo = 1;
    ASSERT_EQ(Set_Team_Formations(&m_Game), 37);
    for (int n = 0; n < 60; ++n) {
        const int f = Get_Defensive_Play_Formation(0, Call_Defensive_Play(&m_Game));
        EXPECT_TRUE(f == 24 || f == 28 || f == 37 || f == 38) << f;
    }
    // At the 2 it shows the 5-2 (825): the 46 (925) is in; the 4-3 (975)
    // and the goal-line front (675) are 150 away and out.
    m_Game.nYardLine = 2;
    m_Game.nToGo = 2;
    ASSERT_EQ(Set_Team_Formations(&m_Game), 28);
    for (int n = 0; n < 60; ++n) {
        const int f = Get_Defensive_Play_Formation(0, Call_Defensive_Play(&m_Game));
        EXPECT_TRUE(f == 24 || f == 28 || f == 29 || f == 37) << f;
    }
}

TEST_F(DefenseCallingTest, ACallDrawsTheFivePredictionsAndTwoMore)
{
    // The defence's call makes the offence's five predictions (each a full
    // call with its draws) and then two draws of its own.
    Seed_Random_Numbers(5);
    const int nCall = Call_Defensive_Play(&m_Game);
    const uint32_t nNext = Generate_Random_Number();

    Seed_Random_Numbers(5);
    Get_Top_Receiver_Focus(&m_Game);
    for (int k = 0; k < 5; ++k)
        Call_Offensive_Play(&m_Game);
    Generate_Random_Number();
    Generate_Random_Number();
    EXPECT_EQ(Generate_Random_Number(), nNext);
    EXPECT_GE(nCall, 0);
    EXPECT_LT(nCall, DEFENSIVE_PLAY_COUNT);
}

} // namespace

namespace {

// A table of side 0 whose rows 0-4 hold the given entries in every column,
// with the greatest entry of each row as Build_Play_Matchup_Table keeps it.
std::unique_ptr<MATCHUP_TABLES> Rows_Of(std::initializer_list<int> Entries)
{
    auto pM = std::make_unique<MATCHUP_TABLES>();
    int i = 0;
    for (int nEntry : Entries) {
        for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j)
            pM->nTable[0][i][j] = nEntry;
        pM->nRowMax[0][i] = nEntry < 0 ? UINT64_MAX : static_cast<uint64_t>(nEntry);
        ++i;
    }
    return pM;
}

int Product_Of(std::initializer_list<int> Entries)
{
    const auto pM = Rows_Of(Entries);
    const int nPredicted[5] = {0, 1, 2, 3, 4};
    int nProduct[DEFENSIVE_PLAY_COUNT];
    Get_Predicted_Call_Products(*pM, 0, nPredicted, nProduct);
    for (int j = 1; j < DEFENSIVE_PLAY_COUNT; ++j)
        EXPECT_EQ(nProduct[j], nProduct[0]) << j;
    return nProduct[0];
}

}  // namespace

TEST(DefensiveProducts, PerMilleStepsRoundHalfAwayFromZeroAndHoldAtTheIntLimit)
{
    // 1500, x 1.2 = 1800, x 0.9 = 1620, x 1.1 = 1782, x 1 = 1782.
    EXPECT_EQ(Product_Of({1500, 1200, 900, 1100, 1000}), 1782);
    // 999 x 1001 = 999,999: 1000 rounded; then 1000 x 999 = 999; 999 x 1 =
    // 0.999: 1; 1 x 500 = 0.5: 1, half rounded up.
    EXPECT_EQ(Product_Of({999, 1001, 999, 1, 500}), 1);
    // 1 x 499 = 0.499: 0, and 0 from then on.
    EXPECT_EQ(Product_Of({1, 499, 3000, 3000, 3000}), 0);
    // 70,000: 4,900,000, then 343,000,000, then 24,010,000,000 held at
    // INT32_MAX, which stays there.
    EXPECT_EQ(Product_Of({70000, 70000, 70000, 70000, 70000}), INT32_MAX);
    // At the edge of 32 bits: 65,536 x 65,535 = 4,294,901,760, + 500 within
    // 2^32, / 1000 = 4,294,902, and x 1000 keeps it.
    EXPECT_EQ(Product_Of({65536, 65535, 1000, 1000, 1000}), 4294902);
    // Beyond: 4,294,902 x 1,000,000 / 1000 = 4,294,902,000, held at
    // 2,147,483,647; x 1 / 1000 = 2,147,483.647: 2,147,484.
    EXPECT_EQ(Product_Of({65536, 65535, 1000, 1000000, 1}), 2147484);
    // A negative entry: -1500 x 1.2 = -1800, x 1 ..., -1800 x 0.25 = -450.
    EXPECT_EQ(Product_Of({-1500, 1200, 1000, 1000, 250}), -450);
    // -1 x 500 = -0.5: -1, half rounded away from zero.
    EXPECT_EQ(Product_Of({-1, 500, 1000, 1000, 1000}), -1);
}

namespace {

// Both sides' tables and row maxima as the game's context holds them.
struct TABLE_COPY {
    int nTable[2][OFFENSIVE_PLAY_COUNT][DEFENSIVE_PLAY_COUNT];
    uint64_t nRowMax[2][OFFENSIVE_PLAY_COUNT];
    int nShownWeight[2][LAST_DEFENSIVE_FORMATION - FIRST_DEFENSIVE_FORMATION + 1][DEFENSIVE_PLAY_COUNT];
    uint64_t nFitMax[2];
};

std::unique_ptr<TABLE_COPY> Copy_Tables(const MATCHUP_TABLES& M)
{
    auto pCopy = std::make_unique<TABLE_COPY>();
    std::memcpy(pCopy->nTable, M.nTable, sizeof M.nTable);
    std::memcpy(pCopy->nRowMax, M.nRowMax, sizeof M.nRowMax);
    std::memcpy(pCopy->nShownWeight, M.nShownWeight, sizeof M.nShownWeight);
    std::memcpy(pCopy->nFitMax, M.nFitMax, sizeof M.nFitMax);
    return pCopy;
}

int Differences(const TABLE_COPY& a, const TABLE_COPY& b)
{
    int n = 0;
    for (int s = 0; s < 2; ++s) {
        n += a.nFitMax[s] != b.nFitMax[s];
        for (const auto& Row : a.nShownWeight[s])
            for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j)
                n += Row[j] != b.nShownWeight[s][&Row - a.nShownWeight[s]][j];
    }
    for (int s = 0; s < 2; ++s)
        for (int i = 0; i < OFFENSIVE_PLAY_COUNT; ++i) {
            n += a.nRowMax[s][i] != b.nRowMax[s][i];
            for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j)
                n += a.nTable[s][i][j] != b.nTable[s][i][j];
        }
    return n;
}

}  // namespace

// The tables kept across games are copied only for plays that look the same:
// after every change of a play either side runs, the game's tables match
// those built from nothing.
TEST_F(DefenseCallingTest, KeptTablesFollowEveryPlayTheyRead)
{
    auto Fresh = [this] {
        Set_Matchup_Table_Keeping(false);
        Build_Play_Matchup_Table(&m_Game);
        Set_Matchup_Table_Keeping(true);
        return Copy_Tables(m_Context.Matchup);
    };
    auto Kept = [this] {
        Build_Play_Matchup_Table(&m_Game);
        return Copy_Tables(m_Context.Matchup);
    };
    const auto pOriginal = Fresh();
    EXPECT_EQ(Differences(*Kept(), *pOriginal), 0);
    EXPECT_EQ(Differences(*Kept(), *pOriginal), 0);

    // The away club's contain play becomes an all-out rush: the home
    // offence's table changes, and the kept one must not be copied.
    int nRole[PLACES_ON_FIELD];
    for (int s = 0; s < PLACES_ON_FIELD; ++s) {
        nRole[s] = Get_Defensive_Play_Role(0, CONTAIN, s);
        Set_Defensive_Play_Role(0, CONTAIN, s, 0);
    }
    const auto pRush = Fresh();
    EXPECT_NE(pRush->nTable[GAME_SIDE_HOME][CURL][CONTAIN], pOriginal->nTable[GAME_SIDE_HOME][CURL][CONTAIN]);
    EXPECT_EQ(Differences(*Kept(), *pRush), 0);

    // The home club's quick pass gets deep routes: its row against the away
    // defence changes.
    int nRoute[5];
    for (int r = 0; r < 5; ++r) {
        nRoute[r] = Get_Offensive_Play_Route(1, BENCH, r);
        Set_Offensive_Play_Route(1, BENCH, r, Get_Offensive_Play_Route(1, CURL, 0));
    }
    const auto pDeep = Fresh();
    EXPECT_GT(Differences(*pDeep, *pRush), 0);
    EXPECT_EQ(Differences(*Kept(), *pDeep), 0);

    // Put back, the plays give the first tables again, now from the kept ones.
    for (int s = 0; s < PLACES_ON_FIELD; ++s)
        Set_Defensive_Play_Role(0, CONTAIN, s, nRole[s]);
    for (int r = 0; r < 5; ++r)
        Set_Offensive_Play_Route(1, BENCH, r, nRoute[r]);
    EXPECT_EQ(Differences(*Kept(), *pOriginal), 0);

    // Another game of the same clubs, in a context of its own, gets all of
    // it from the kept tables.
    auto pOther = std::make_unique<GAME_CONTEXT>();
    MATCHUP_TABLES& O = pOther->Matchup;
    std::memset(O.nTable, 0x55, sizeof O.nTable);
    std::memset(O.nRowMax, 0x55, sizeof O.nRowMax);
    std::memset(O.nShownWeight, 0x55, sizeof O.nShownWeight);
    std::memset(O.nFitMax, 0x55, sizeof O.nFitMax);
    GAME Other = m_Game;
    {
        const GAME_CONTEXT_BINDING Binding(&Other, *pOther);
        Build_Play_Matchup_Table(&Other);
    }
    EXPECT_EQ(Differences(*Copy_Tables(O), *pOriginal), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

namespace {

// a b / 1000 rounded half away from zero and held within int, in 64 bits.
int64_t Reference_Per_Mille(int64_t a, int64_t b)
{
    const int64_t n = a * b;
    const int64_t q = (std::llabs(n) + 500) / 1000;
    return std::clamp<int64_t>(n < 0 ? -q : q, INT32_MIN, INT32_MAX);
}

// A random table of side 0 (and defending side 1's data) of the given
// entry range, with the row and fit maxima, the list of double-team plays
// and the narrow mark as Build_Play_Matchup_Table keeps them.
void Fill_Random(MATCHUP_TABLES& M, std::mt19937& Random, int nLow, int nHigh, int nFitLow, int nFitHigh)
{
    std::uniform_int_distribution<int> Entry(nLow, nHigh);
    std::uniform_int_distribution<int> Fit(nFitLow, nFitHigh);
    std::uniform_int_distribution<int> Weight(0, 1000);
    std::uniform_int_distribution<int> Coin(0, 3);
    for (int i = 0; i < OFFENSIVE_PLAY_COUNT; ++i) {
        int nMin = INT32_MAX;
        int nMax = INT32_MIN;
        for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j) {
            M.nTable[0][i][j] = Entry(Random);
            nMin = std::min(nMin, M.nTable[0][i][j]);
            nMax = std::max(nMax, M.nTable[0][i][j]);
        }
        M.nRowMax[0][i] = nMin < 0 ? UINT64_MAX : static_cast<uint64_t>(nMax);
    }
    uint64_t nFitMax = 0;
    M.nDoubles[1] = 0;
    for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j) {
        M.nSystemMatch[1][j] = Fit(Random);
        M.bDouble[1][j] = Coin(Random) == 0;
        if (M.bDouble[1][j])
            M.nDoublePlay[1][M.nDoubles[1]++] = static_cast<int8_t>(j);
        for (auto& Row : M.nShownWeight[1])
            Row[j] = Weight(Random);
        if (M.nSystemMatch[1][j] < 0)
            nFitMax = UINT64_MAX;
        else if (nFitMax != UINT64_MAX)
            nFitMax = std::max<uint64_t>(nFitMax, static_cast<uint64_t>(M.nSystemMatch[1][j]));
    }
    M.nFitMax[1] = nFitMax;
    // Every call narrow when the greatest entry in all five rows keeps each
    // step, and the weighing by at most 1000 and the greatest fit, below 2^32.
    uint64_t nGreatest = 0;
    for (const uint64_t n : M.nRowMax[0])
        nGreatest = std::max(nGreatest, n);
    bool bNarrow = nGreatest <= UINT32_MAX && nFitMax <= UINT32_MAX;
    uint64_t nBound = nGreatest;
    for (int k = 1; k < 5 && bNarrow; ++k) {
        bNarrow = nBound * nGreatest + 500 <= UINT32_MAX;
        nBound = (nBound * nGreatest + 500) / 1000;
    }
    M.bAlwaysNarrow[0] = bNarrow && nBound * 1000 + 500 <= UINT32_MAX && nBound * nFitMax + 500 <= UINT32_MAX;
}

}  // namespace

// The products and the weighing taken four plays at a time give what the
// plain 64-bit steps give, for entries small and large, at the edge of 32
// bits and below 0.
TEST(DefensiveProducts, TheFastStepsMatchThePlainOnesOverRandomTables)
{
    std::mt19937 Random(20261207);
    auto pM = std::make_unique<MATCHUP_TABLES>();
    struct RANGE {
        int nLow, nHigh, nFitLow, nFitHigh;
    };
    const RANGE Ranges[] = {
        {0, 3000, 0, 1500},            // as games have them: all in 32 bits
        {0, 1000, 0, 1000},
        {0, 20000, 0, 1500},           // products past 32 bits
        {0, 70000, 0, 5000000},
        {-3000, 3000, 0, 1500},        // entries below 0
        {0, 3000, -500, 1500},         // fits below 0
        {60000, 66000, 0, 1000},       // about 2^16: the first step at the edge
        {0, 2, 0, 3},                  // rounding of tiny values
        {INT32_MAX - 10, INT32_MAX, INT32_MAX - 10, INT32_MAX},
    };
    std::uniform_int_distribution<int> Play(0, OFFENSIVE_PLAY_COUNT - 1);
    std::uniform_int_distribution<int> Formation(FIRST_DEFENSIVE_FORMATION - 1, LAST_DEFENSIVE_FORMATION + 1);
    const int Focus[] = {0, 0, 1, 3, -2};
    int nCases = 0;
    int nAlwaysNarrow = 0;
    for (const RANGE& R : Ranges)
        for (int nTable = 0; nTable < 40; ++nTable) {
            Fill_Random(*pM, Random, R.nLow, R.nHigh, R.nFitLow, R.nFitHigh);
            nAlwaysNarrow += pM->bAlwaysNarrow[0];
            for (int nCall = 0; nCall < 50; ++nCall) {
                int nPredicted[5];
                for (int& p : nPredicted)
                    p = Play(Random);
                const int F = Formation(Random);
                const int f = Focus[nCall % 5];
                int nProduct[DEFENSIVE_PLAY_COUNT];
                Get_Predicted_Call_Products(*pM, 0, nPredicted, nProduct);
                int64_t nCum[DEFENSIVE_PLAY_COUNT];
                const int64_t nTotal = Get_Defensive_Call_Sums(*pM, 0, nPredicted, F, f, nCum);
                int64_t nExpectedTotal = 0;
                for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j) {
                    int64_t m = pM->nTable[0][nPredicted[0]][j];
                    for (int k = 1; k < 5; ++k)
                        m = Reference_Per_Mille(m, pM->nTable[0][nPredicted[k]][j]);
                    ASSERT_EQ(nProduct[j], m) << R.nHigh << " " << j;
                    const bool bShown = F >= FIRST_DEFENSIVE_FORMATION && F <= LAST_DEFENSIVE_FORMATION;
                    const int w = bShown ? pM->nShownWeight[1][F - FIRST_DEFENSIVE_FORMATION][j] : 1000;
                    int64_t v = Reference_Per_Mille(Reference_Per_Mille(m, w), pM->nSystemMatch[1][j]);
                    if (f != 0 && pM->bDouble[1][j])
                        v *= f + 1;
                    nExpectedTotal += std::max<int64_t>(v, 0);
                    ASSERT_EQ(nCum[j], nExpectedTotal) << R.nHigh << " " << j;
                }
                ASSERT_EQ(nTotal, nExpectedTotal);
                ++nCases;
            }
        }
    EXPECT_EQ(nCases, 9 * 40 * 50);
    EXPECT_GT(nAlwaysNarrow, 0);
    EXPECT_LT(nAlwaysNarrow, 9 * 40);
}

// The 32-bit steps divide by 1000 with a multiply-high: check it where the
// quotient steps and at the top of the range.
TEST(DefensiveProducts, ThousandthsAtTheEdges)
{
    auto pM = std::make_unique<MATCHUP_TABLES>();
    // Products a x b + 500 just below and at multiples of 1000 up to 2^32:
    // rows 0 and 1 hold a and b, rows 2-4 hold 1000 (each keeps the value).
    const int nPredicted[5] = {0, 1, 2, 3, 4};
    const int64_t Pairs[][2] = {{65535, 65537}, {65536, 65535}, {1, 499}, {1, 500}, {3, 1833},
                                {4294, 1000000}, {2, 2147483600}, {429496, 10000}, {99999, 42949}};
    for (const auto& P : Pairs) {
        for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j) {
            pM->nTable[0][0][j] = static_cast<int>(P[0]);
            pM->nTable[0][1][j] = static_cast<int>(P[1]) + j;
            for (int i = 2; i < 5; ++i)
                pM->nTable[0][i][j] = 1000;
        }
        pM->nRowMax[0][0] = static_cast<uint64_t>(P[0]);
        pM->nRowMax[0][1] = static_cast<uint64_t>(P[1]) + DEFENSIVE_PLAY_COUNT - 1;
        for (int i = 2; i < 5; ++i)
            pM->nRowMax[0][i] = 1000;
        int nProduct[DEFENSIVE_PLAY_COUNT];
        Get_Predicted_Call_Products(*pM, 0, nPredicted, nProduct);
        for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j)
            EXPECT_EQ(nProduct[j], std::min<int64_t>((P[0] * (P[1] + j) + 500) / 1000, INT32_MAX)) << P[0] << " " << j;
    }
}

// The coverage and rush of a pair of plays asked together are those of the
// two calls one after the other, with as many reports, for every pair of
// plays, teams that are not clubs included.
TEST_F(DefenseCallingTest, CoverageAndRushTogetherAsOneAfterTheOther)
{
    const int Offences[] = {-1, 0, 1, NO_TEAM};
    // A play of a formation that is none, and one of a role the models do
    // not know: both report.
    DEFENSIVE_PLAYBOOK_AREA* pArea = Get_Defensive_Playbook_Area(0);
    pArea->Play[CONTAIN].nFormation = 99;
    pArea->Play[CONTAIN + 1].nResponsibility[2] = 40;
    const int Defences[] = {0, 1, NO_TEAM};
    int nReporting = 0;
    for (const int o : Offences)
        for (int i = -1; i <= OFFENSIVE_PLAY_COUNT; ++i)
            for (const int d : Defences)
                for (int j = -1; j <= DEFENSIVE_PLAY_COUNT; ++j) {
                    Errors_Reported();
                    const double fCoverage = Get_Pass_Coverage_Multiplier(o, i, d, j);
                    const double fRush = Get_Pass_Rush_Multiplier(o, i, d, j);
                    const int nApart = Errors_Reported();
                    nReporting += nApart > 0;
                    double fTogetherCoverage = 0.0;
                    double fTogetherRush = 0.0;
                    Get_Pass_Coverage_And_Rush_Multipliers(o, i, d, j, &fTogetherCoverage, &fTogetherRush);
                    ASSERT_EQ(Errors_Reported(), nApart) << o << " " << i << " " << d << " " << j;
                    ASSERT_EQ(fTogetherCoverage, fCoverage) << o << " " << i << " " << d << " " << j;
                    ASSERT_EQ(fTogetherRush, fRush) << o << " " << i << " " << d << " " << j;
                }
    // Pairs whose reading reports were among them.
    EXPECT_GT(nReporting, 0);
}
