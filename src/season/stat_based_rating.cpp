// Ratings rebuilt from a player's predicted statistics: each rating reads the
// grade of its own statistic.
#include "season/stat_based_rating.h"

#include <algorithm>
#include <cstdint>

#include "base/int_math.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "platform/errors.h"
#include "season/player_value.h"

namespace {

constexpr int PREDICTED_PERIOD = 3;

// An offensive lineman's blocking ratings read his own blocking statistics.
constexpr int LINEMAN_PASS_BLOCKING_STAT = 6;
constexpr int LINEMAN_RUN_BLOCKING_STAT = 5;
constexpr int OFFENSIVE_LINE_UNIT = 1;

constexpr int RUNS_BEHIND_LINEMAN = 225;

constexpr int CAREER_FIT_ROUNDS = 200;
constexpr int CAREER_FIT_STEP = 2;
// A development age set for a player still short of his peak.
constexpr int LATEST_DEVELOPMENT_AGE = 26;
// The largest development rate the record accessor takes as sound.
constexpr int HIGHEST_DEVELOPMENT_RATE = 250;

}  // namespace

float Get_Stat_Based_Rating(int nTeam, int nSlot, int nRating)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return MINIMUM_RATING;
    if (nRating < 0 || nRating >= NUMBER_OF_RATINGS) {
        Report_Error("nRating out of bounds in %s(%d,%d,[%d])", __func__, nTeam, nSlot, nRating);
        return MINIMUM_RATING;
    }
    int nStat = Get_Rating_Grade_Code(nRating);
    int nPosition = Get_Player_Position(nTeam, nSlot);
    if (nPosition >= 0 && nPosition < NUMBER_OF_POSITIONS && Get_Position_Unit(nPosition) == OFFENSIVE_LINE_UNIT) {
        if (nRating == RATING_PASS_BLOCKING)
            nStat = LINEMAN_PASS_BLOCKING_STAT;
        else if (nRating == RATING_RUN_BLOCKING)
            nStat = LINEMAN_RUN_BLOCKING_STAT;
    }
    return static_cast<float>(Get_Player_Stat(nTeam, nSlot, PREDICTED_PERIOD, nStat));
}

void Recompute_Player_Ratings(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    for (int r = 0; r < NUMBER_OF_RATINGS; ++r)
        Set_Player_Rating(nTeam, nSlot, r, Get_Stat_Based_Rating(nTeam, nSlot, r));
}

void Set_Derived_Player_Stats(int nTeam, int nSlot)
{
    const int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    const int64_t s5 = Get_Player_Stat(nTeam, nSlot, PREDICTED_PERIOD, LINEMAN_RUN_BLOCKING_STAT);
    const int64_t s6 = Get_Player_Stat(nTeam, nSlot, PREDICTED_PERIOD, LINEMAN_PASS_BLOCKING_STAT);
    int64_t nSackShare = 22;
    int64_t nRunBase = 25;
    if (nPosition == POSITION_T) {
        nSackShare = 14;
        nRunBase = 19;
    } else if (nPosition == POSITION_G) {
        nSackShare = 18;
        nRunBase = 22;
    }
    Set_Player_Stat(nTeam, nSlot, PREDICTED_PERIOD, STAT_SACKS_ALLOWED, Clamp_To_Int((100 - s6) * nSackShare / 30));
    Set_Player_Stat(nTeam, nSlot, PREDICTED_PERIOD, STAT_RUNS_BEHIND, RUNS_BEHIND_LINEMAN);
    Set_Player_Stat(nTeam, nSlot, PREDICTED_PERIOD, STAT_RUN_YARDS_BEHIND, Clamp_To_Int((s5 - nRunBase) * 15));
}

void Derive_Offensive_Line_Stats()
{
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams && t < MAX_FRANCHISES; ++t) {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (!Is_Player_Slot_Used(t, s))
                continue;
            int nPosition = Get_Player_Vital_Stat(t, s, VITAL_POSITION);
            if (nPosition >= NUMBER_OF_POSITIONS && nPosition < NUMBER_OF_EXPANDED_POSITIONS)
                nPosition = Translate_Expanded_Position(nPosition);
            if (nPosition >= 0 && nPosition < NUMBER_OF_POSITIONS && Get_Position_Unit(nPosition) == OFFENSIVE_LINE_UNIT)
                Set_Derived_Player_Stats(t, s);
        }
    }
}

void Set_Player_Career_Fields(int nTeam, int nSlot, int nPeak)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot) || !Is_Player_Slot_Used(nTeam, nSlot))
        return;
    auto Potential = [=]() { return static_cast<int>(Compute_Player_Potential(nTeam, nSlot)); };
    int p = Potential();
    const int nAge = Get_Current_Year() - Get_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE) / 10000;
    if (p < nPeak && nAge >= Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PEAK_START) - 1)
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PEAK_START, std::max(nAge + 2, LATEST_DEVELOPMENT_AGE));
    for (int nRound = 0; nRound < CAREER_FIT_ROUNDS && p != nPeak; ++nRound) {
        const int nRate = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POTENTIAL);
        const int nNew = std::clamp(nRate + (p < nPeak ? CAREER_FIT_STEP : -CAREER_FIT_STEP), 0,
                                    HIGHEST_DEVELOPMENT_RATE);
        if (nNew == nRate)
            break;
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POTENTIAL, nNew);
        p = Potential();
    }
}
