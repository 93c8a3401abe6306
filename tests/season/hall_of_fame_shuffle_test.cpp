// "Shuffle Players" moves the clubs' and the free agents' players about but
// never the Hall Of Fame's members: they stay in the hall, in their slots.

#include <set>

#include "gamefile/new_universe.h"
#include "league/league_fixture.h"
#include "league/player.h"
#include "league/preferences.h"
#include "test_support.h"

namespace {

class HallOfFameShuffleTest : public LeagueTest {};

TEST_F(HallOfFameShuffleTest, TheHallKeepsItsMembersThroughTheShuffle)
{
    Use_Franchises(4);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    // Twelve players a club (IDs 100 t + s + 1), three free agents and three
    // members of the hall.
    const int nPositions[12] = {POSITION_QB, POSITION_RB, POSITION_WR, POSITION_WR, POSITION_T, POSITION_G,
                                POSITION_C,  POSITION_DE, POSITION_LB, POSITION_CB, POSITION_S, POSITION_K};
    for (int t = 0; t < 4; ++t)
        for (int s = 0; s < 12; ++s)
            Put_Player(t, s, 100 * t + s + 1, nPositions[s]);
    for (int s = 0; s < 3; ++s)
        Put_Player(FREE_AGENT_TEAM, s, 501 + s, POSITION_TE);
    const int nMembers[3] = {901, 902, 903};
    for (int s = 0; s < 3; ++s)
        Put_Player(HALL_OF_FAME_TEAM, s, nMembers[s], POSITION_QB, 90.0f);

    Shuffle_Players("Shuffling Players...");

    for (int s = 0; s < 3; ++s)
        EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, s, VITAL_PLAYER_ID), nMembers[s]) << s;
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 3, VITAL_PLAYER_ID), 0);
    // Nobody else entered the hall, and no member left it for a club.
    std::set<int> Seen;
    int nOthers = 0;
    for (int t : {0, 1, 2, 3, FREE_AGENT_TEAM})
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            const int nID = Get_Player_Vital_Stat(t, s, VITAL_PLAYER_ID);
            if (nID == 0)
                continue;
            EXPECT_LT(nID, 900) << t << "/" << s;
            EXPECT_TRUE(Seen.insert(nID).second) << nID;
            ++nOthers;
        }
    EXPECT_EQ(nOthers, 4 * 12 + 3);
}

}  // namespace
