// The contract pass over the whole league keeps a few league-wide figures
// while it runs (payrolls, potentials, each position's market places): it
// must draw every contract exactly as the players drawn one at a time, with
// nothing kept, would be.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "league/league_structure.h"
#include "money_fixture.h"
#include "season/player_value.h"
#include "season/salary_finance.h"

namespace {

class ContractPassTest : public MoneyTest {
protected:
    static int Vital(int t, int s, int n) { return Get_Player_Vital_Stat(t, s, n); }

    // Three franchises under a cap, free agents and a college pool: players
    // alike in age and overall at one position, so each new contract moves
    // the market and the payroll level the next one is drawn from; young
    // players, whose potential is projected; prospects, whose bonuses
    // hang on the best draft score of the pool.
    static void Build_Market()
    {
        Use_Teams(3);
        League.Universe.nStat[SALARY_CAP] = 150000000;
        int nID = 1;
        for (int t = 0; t < 3; ++t) {
            for (int s = 0; s < 6; ++s) {
                const int nPosition = s < 4 ? POSITION_QB : POSITION_WR;
                PLAYER& Player = Put_Priced_Player(t, s, nID++, nPosition, 1990 + s + t, 3 + s, 1500 + 700 * s + 300 * t,
                                                   3, 66.0f + static_cast<float>(s + t));
                if (s == 5) {
                    // Young: 21 with his peak from 25.
                    Player.nVital[VITAL_BIRTH_DATE] = 19980101;
                    Player.nVital[VITAL_PEAK_START] = 25;
                    Player.nVital[VITAL_PEAK_END] = 30;
                    Player.nVital[VITAL_POTENTIAL] = 80;
                }
            }
        }
        Put_Priced_Player(FREE_AGENT_TEAM, 0, nID++, POSITION_QB, 1991, 6, 900, 2, 68.0f);
        Put_Priced_Player(FREE_AGENT_TEAM, 3, nID++, POSITION_WR, 1993, 4, 700, 2, 69.0f);
        for (int s = 0; s < 4; ++s) {
            PLAYER& Prospect = Put_Priced_Player(FIRST_DRAFT_POOL_TEAM, s, nID++, POSITION_QB, 1997 + s % 2, 0, 0, 0,
                                                 60.0f + 3.0f * static_cast<float>(s));
            Prospect.nVital[VITAL_PEAK_START] = 26;
            Prospect.nVital[VITAL_POTENTIAL] = 40 + 20 * s;
        }
    }

    static std::vector<unsigned char> League_Bytes()
    {
        const unsigned char* p = reinterpret_cast<const unsigned char*>(&League);
        return std::vector<unsigned char>(p, p + sizeof(League));
    }
    static void Put_League_Bytes(const std::vector<unsigned char>& Bytes)
    {
        std::memcpy(static_cast<void*>(&League), Bytes.data(), Bytes.size());
    }

    // The pass's order, one player at a time and nothing kept.
    static void Draw_One_At_A_Time()
    {
        for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
            if (t == HALL_OF_FAME_TEAM || (t < MAX_FRANCHISES && !Is_Team_Slot_Used(t)))
                continue;
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
                if (Get_Player_Vital_Stat(t, s, VITAL_PLAYER_ID) != 0)
                    Update_Player_Computed_Value(t, s);
        }
    }
};

TEST_F(ContractPassTest, ThePassDrawsWhatPlayersDrawnOneAtATimeDraw)
{
    Build_Market();
    const std::vector<unsigned char> Start = League_Bytes();

    Draw_One_At_A_Time();
    const std::vector<unsigned char> Alone = League_Bytes();
    // Contracts were drawn again, the prospects' bonuses too.
    EXPECT_NE(Vital(0, 0, VITAL_SALARY), 1500);
    EXPECT_NE(Vital(FIRST_DRAFT_POOL_TEAM, 3, VITAL_SIGNING_BONUS), 0);

    Put_League_Bytes(Start);
    Update_All_Player_Computed_Values(1);
    EXPECT_TRUE(League_Bytes() == Alone);

    // Twice over, with nothing kept from the first pass.
    Update_All_Player_Computed_Values(1);
    Put_League_Bytes(Alone);
    Draw_One_At_A_Time();
    const std::vector<unsigned char> AloneTwice = League_Bytes();
    Put_League_Bytes(Alone);
    Update_All_Player_Computed_Values(1);
    EXPECT_TRUE(League_Bytes() == AloneTwice);
}

TEST_F(ContractPassTest, KeptPayrollsAndPotentialsFollowWhatChanges)
{
    // Club 0: ten kickers of 2,000 a year and a bonus of 3,000 over 3 years,
    // 3,000 each: 30,000 $K.
    Use_Teams(1);
    League.Universe.nStat[SALARY_CAP] = 100000000;
    for (int s = 0; s < 10; ++s) {
        Put_Priced_Player(0, s, 1 + s, POSITION_K, 1990, 5, 2000, 3);
        Set_Player_Vital_Stat(0, s, VITAL_SIGNING_BONUS, 3000);
    }
    Begin_Payroll_Memo();
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_PAYROLL), 30000);
    Set_Player_Vital_Stat(0, 4, VITAL_SALARY, 2500);   // 500 more
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_PAYROLL), 30500);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_CAP_ROOM), 100000 - 30500);
    End_Payroll_Memo();
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_PAYROLL), 30500);

    // A young receiver: every rating 70, aged 21, his peak from 25.
    PLAYER& Young = Put_Priced_Player(0, 20, 99, POSITION_WR, 1998, 1, 800, 2);
    Young.nVital[VITAL_PEAK_START] = 25;
    Young.nVital[VITAL_POTENTIAL] = 80;
    const float fFresh = Compute_Player_Potential(0, 20);
    EXPECT_GT(fFresh, 70.0f);
    Begin_Potential_Memo();
    EXPECT_EQ(Compute_Player_Potential(0, 20), fFresh);
    // A new contract keeps it; a new rating does not.
    Set_Player_Vital_Stat(0, 20, VITAL_SALARY, 5000);
    EXPECT_EQ(Compute_Player_Potential(0, 20), fFresh);
    for (int r = 0; r < NUMBER_OF_RATINGS; ++r)
        Set_Player_Rating(0, 20, r, 50.0f);
    const float fLower = Compute_Player_Potential(0, 20);
    EXPECT_LT(fLower, fFresh);
    End_Potential_Memo();
    EXPECT_EQ(Compute_Player_Potential(0, 20), fLower);
}

}  // namespace
