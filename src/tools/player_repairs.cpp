// Repairs of player records that the database tools and the game file run.

#include "tools/player_repairs.h"

#include "tools/stat_based_rating.h"

namespace {
constexpr int FIRST_OLD_RATING = 13;   // ratings 13-16 were added in version 1400
constexpr int LAST_OLD_RATING = 16;
}  // namespace

void Remove_Players_Without_Position()
{
    bool bRemoved[TOTAL_NUMBER_OF_TEAMS] = {};
    For_Each_Player_In_Use([&bRemoved](int t, int s) {
        int nPosition = Get_Player_Position(t, s);
        // A negative position names no position either, and would index
        // every position table out of bounds.
        if (nPosition < POSITION_QB || nPosition > POSITION_P) {
            Clear_Player(t, s);
            bRemoved[t] = true;
        }
    });
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        if (bRemoved[t])
            Compact_Team_Roster(t);
    }
}

void Convert_Old_Player_Ratings()
{
    // Reading a stored rating repairs it in the record: not a number becomes
    // the default, below the minimum becomes the minimum.
    For_Each_Player_In_Use([](int t, int s) {
        for (int r = FIRST_OLD_RATING; r <= LAST_OLD_RATING; ++r)
            Get_Player_Rating(t, s, r);
    });
}

void Recompute_All_Player_Ratings()
{
    For_Each_Player_In_Use([](int t, int s) { Recompute_Player_Ratings(t, s); });
}
