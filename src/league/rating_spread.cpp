#include "league/rating_spread.h"

#include <cmath>
#include <vector>

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/standings_keys.h"
#include "platform/errors.h"

namespace {

// How many players of each position count as regulars on one roster.
constexpr int REGULARS_PER_POSITION[NUMBER_OF_POSITIONS] = {
    2, 2, 1, 3, 4,      // QB RB FB TE WR
    3, 3, 2,            // T G C
    3, 2, 5, 3, 3,      // DE DT LB CB S
    1, 1,               // K P
};

// The rating of every regular player whose position may fill the depth slot
// numbered like the rating. Values that are not numbers are left out.
std::vector<float> Regular_Rating_Values(int nRating)
{
    std::vector<float> Values;
    bool bCounts[NUMBER_OF_POSITIONS];
    for (int p = 0; p < NUMBER_OF_POSITIONS; p++)
        bCounts[p] = Can_Play_Depth_Slot(p, nRating) != 0;
    Count_Teams();
    for (int t = 0; t < MAX_FRANCHISES; t++) {
        if (!Is_Team_Slot_Used(t))
            continue;
        int nTaken[NUMBER_OF_POSITIONS] = {};
        // A franchise in use is a valid team: a slot is in use when it holds
        // a player ID.
        for (int s = 0; s < PLAYERS_PER_TEAM; s++) {
            const PLAYER& Player = League.Team[t].Player[s];
            if (Player.nVital[VITAL_PLAYER_ID] == 0)
                continue;
            int p = Player.nVital[VITAL_POSITION];
            if (p < 0 || p >= NUMBER_OF_POSITIONS || !bCounts[p] || nTaken[p] >= REGULARS_PER_POSITION[p])
                continue;
            nTaken[p]++;
            float fValue = Player.fRating[nRating];
            if (!std::isnan(fValue))
                Values.push_back(fValue);
        }
    }
    return Values;
}

double Mean_Of(const std::vector<float>& Values)
{
    double fSum = 0.0;
    for (float f : Values)
        fSum += f;
    return fSum / static_cast<double>(Values.size());
}

}  // namespace

float Get_Regular_Rating_Mean(int nRating)
{
    if (nRating < 0 || nRating >= NUMBER_OF_RATINGS) {
        Report_Error("nRating out of bounds in %s([%d])", __func__, nRating);
        return 0.0f;
    }
    std::vector<float> Values = Regular_Rating_Values(nRating);
    if (Values.empty())
        return 0.0f;
    return static_cast<float>(Mean_Of(Values));
}

float Get_Regular_Rating_Spread(int nRating)
{
    if (nRating < 0 || nRating >= NUMBER_OF_RATINGS) {
        Report_Error("nRating out of bounds in %s([%d])", __func__, nRating);
        return 0.0f;
    }
    std::vector<float> Values = Regular_Rating_Values(nRating);
    if (Values.empty())
        return 0.0f;
    double fMean = Mean_Of(Values);
    double fSum = 0.0;
    for (float f : Values)
        fSum += std::fabs(f - fMean);
    return static_cast<float>(fSum / static_cast<double>(Values.size()));
}
