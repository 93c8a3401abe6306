// The cap on young players' ratings after a new game's set-up.

#include "tools/young_player_cap.h"

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/overall_rating.h"
#include "league/player.h"
#include "season/player_value.h"
#include "season/stat_based_rating.h"

namespace {
// Players of this age and older have proved what they are worth.
constexpr int CAPPED_BELOW_AGE = 26;
// Six points a season, counted from a base of thirteen seasons.
constexpr int CAP_BASE_SEASONS = 13;
constexpr int CAP_POINTS_PER_SEASON = 6;
}  // namespace

int Get_Young_Player_Rating_Cap(int nSeasons)
{
    return (nSeasons + CAP_BASE_SEASONS) * CAP_POINTS_PER_SEASON;
}

void Adjust_Ratings_After_Setup()
{
    const int nYear = Get_Current_Year();
    for (int t = 0; t <= FREE_AGENT_TEAM; ++t) {
        if (t < FREE_AGENT_TEAM && !Is_Team_Slot_Used(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Get_Player_ID(t, s) == 0)
                continue;
            const int nAge = nYear - Get_Player_Vital_Stat(t, s, VITAL_BIRTH_DATE) / 10000;
            if (nAge >= CAPPED_BELOW_AGE)
                continue;
            const int nCap = Get_Young_Player_Rating_Cap(Get_Player_Vital_Stat(t, s, VITAL_SEASONS_PLAYED));
            const int nOverall =
                static_cast<int>(Get_Position_Overall_Rating(t, s, Get_Player_Vital_Stat(t, s, VITAL_POSITION)));
            if (nOverall <= nCap)
                continue;
            // The peak is measured on the ratings as they were.
            const int nPeak = static_cast<int>(Compute_Player_Potential(t, s));
            Scale_Player_To_Overall(t, s, static_cast<float>(nCap));
            Set_Player_Career_Fields(t, s, nPeak);
        }
    }
}
