// Repairs of player records that the database tools and the game file run.

#include "season/player_repairs.h"

#include "league/season_lines.h"
#include "season/stat_based_rating.h"

namespace {
constexpr int FIRST_OLD_RATING = 13;   // ratings 13-16 were added in version 1400
constexpr int LAST_OLD_RATING = 16;
// A returner who is also a blocker above this in whole points is a record
// that the old scale left unplayable.
constexpr int OLD_RATING_LIMIT = 70;

// Erases the player with his past seasons; the roster is closed up later.
void Erase_Player(int nTeam, int nSlot)
{
    Erase_Player_Season_Lines(nTeam, nSlot);
    Clear_Player(nTeam, nSlot);
}

// Walks every player in use, erasing those bErase picks, then closes the
// gaps of each team that lost one (and only those).
template <typename F> void Erase_Players_Where(F bErase)
{
    bool bRemoved[TOTAL_NUMBER_OF_TEAMS] = {};
    For_Each_Player_In_Use([&](int t, int s) {
        if (bErase(t, s)) {
            Erase_Player(t, s);
            bRemoved[t] = true;
        }
    });
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        if (bRemoved[t])
            Compact_Team_Roster(t);
    }
}
}  // namespace

void Remove_Players_Without_Position()
{
    Erase_Players_Where([](int t, int s) {
        // Taken as unsigned, a negative code is above 14 too: it names no
        // position and would index every position table out of bounds.
        const unsigned nPosition = static_cast<unsigned>(Get_Player_Vital_Stat(t, s, VITAL_POSITION));
        return nPosition > static_cast<unsigned>(POSITION_P);
    });
}

void Convert_Old_Player_Ratings()
{
    Erase_Players_Where([](int t, int s) {
        int nWhole[LAST_OLD_RATING + 1] = {};
        // Reading a stored rating repairs it in the record: not a number
        // becomes the default, below the minimum becomes the minimum.
        for (int r = FIRST_OLD_RATING; r <= LAST_OLD_RATING; ++r)
            nWhole[r] = static_cast<int>(Get_Player_Rating(t, s, r));
        const bool bReturner =
            nWhole[RATING_KICK_RETURNS] > OLD_RATING_LIMIT || nWhole[RATING_PUNT_RETURNS] > OLD_RATING_LIMIT;
        const bool bBlocker =
            nWhole[RATING_PASS_BLOCKING] > OLD_RATING_LIMIT || nWhole[RATING_RUN_BLOCKING] > OLD_RATING_LIMIT;
        return bReturner && bBlocker;
    });
}

void Recompute_All_Player_Ratings()
{
    For_Each_Player_In_Use([](int t, int s) { Recompute_Player_Ratings(t, s); });
}
