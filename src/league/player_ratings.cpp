// The player's ratings: the stored 27 with their repairs, the combined
// ratings, defaults, overall ratings and the league-wide rating repair.
#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "league/overall_rating.h"
#include "league/player.h"
#include "league/team.h"
#include "platform/errors.h"
#include "season/player_generation.h"
#include "season/stat_based_rating.h"

namespace {

constexpr float DEFAULT_RATING[NUMBER_OF_RATINGS] = {
    70, 70,             // health, durability
    72, 72, 72, 72,     // accuracy, distance, control, red zone
    72, 70, 72, 72,     // mobility, speed, power, quickness
    72, 72, 72,         // vision, receiving, hands
    55, 55,             // kick returns, punt returns
    72, 72, 72,         // pass blocking, run blocking, discipline
    70, 70, 70, 70, 70, // run defense, pass rush, pass coverage, turnovers, tackling
    75, 75, 75, 75,     // field-goal accuracy and distance, punt accuracy and distance
};

bool Is_Address(int nTeam, int nSlot)
{
    return nTeam >= 0 && nTeam < TOTAL_NUMBER_OF_TEAMS && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM;
}

// Stores a rating the way Set_Player_Rating does, without its index checks
// (the callers have made them).
void Store_Rating(int nTeam, int nSlot, int nRating, float fValue)
{
    if (std::fabs(fValue) > RATING_STORAGE_BOUND)
        Report_Error("fValue out of bounds in Set_Player_Rating(%d,%d,%d,[%1f])", nTeam, nSlot, nRating, fValue);
    League.Team[nTeam].Player[nSlot].fRating[nRating] = fValue;
    ++g_nPlayerRatingChanges;
}

}  // namespace

unsigned g_nPlayerRatingChanges = 0;

void Set_Player_Rating(int nTeam, int nSlot, int nRating, float fValue)
{
    if (!Is_Address(nTeam, nSlot))
        return;
    if (nRating < 0 || nRating >= NUMBER_OF_RATINGS) {
        Report_Error("nRating out of bounds in %s(%d,%d,[%d],%f)", __func__, nTeam, nSlot, nRating, fValue);
        return;
    }
    Store_Rating(nTeam, nSlot, nRating, fValue);
}

float Get_Default_Rating(int nRating)
{
    if (nRating < 0 || nRating >= NUMBER_OF_RATINGS) {
        Report_Error("nRating out of bounds in %s([%d])", __func__, nRating);
        return 0.0f;
    }
    return DEFAULT_RATING[nRating];
}

float Read_Player_Rating(int nTeam, int nSlot, int nRating)
{
    if (!Is_Address(nTeam, nSlot) || nRating < 0)
        return MINIMUM_RATING;

    if (nRating < NUMBER_OF_RATINGS) {
        float& fStored = League.Team[nTeam].Player[nSlot].fRating[nRating];
        float fValue = fStored;
        if (std::isnan(fValue))
            fValue = DEFAULT_RATING[nRating];
        if (fValue < MINIMUM_RATING)
            fValue = MINIMUM_RATING;
        fStored = fValue;
        if ((nRating == RATING_HEALTH || nRating == RATING_DURABILITY) && fValue > 120.0f)
            return Get_Stat_Based_Rating(nTeam, nSlot, nRating);
        return fValue;
    }

    // Read before the rating calls below: once those are inlined, GCC 12
    // loses the address check above and reports a false out-of-bounds read.
    const bool bQuarterback = League.Team[nTeam].Player[nSlot].nVital[VITAL_POSITION] == POSITION_QB;
    auto r = [nTeam, nSlot](int n) { return Get_Player_Rating(nTeam, nSlot, n); };
    switch (nRating) {
    case RATING_COMBINED_RUSHING: {
        float fSum = 0.2f * r(RATING_SPEED);
        fSum += 0.2f * r(RATING_POWER);
        fSum += 0.25f * r(RATING_QUICKNESS);
        fSum += 0.25f * r(RATING_VISION);
        fSum += 0.1f * r(RATING_HANDS);
        if (bQuarterback)
            fSum = (fSum + r(RATING_MOBILITY)) * 0.5f;
        return fSum;
    }
    case RATING_COMBINED_RECEIVING: {
        float fSum = 0.13f * r(RATING_SPEED);
        fSum += 0.10f * r(RATING_QUICKNESS);
        fSum += 0.14f * r(RATING_POWER);
        fSum += 0.12f * r(RATING_VISION);
        fSum += 0.10f * r(RATING_HANDS);
        fSum += 0.40f * r(RATING_RECEIVING);
        return fSum;
    }
    case RATING_COMBINED_PASSING: {
        float fSum = 0.3f * r(RATING_ACCURACY);
        fSum += 0.3f * r(RATING_CONTROL);
        fSum += 0.2f * r(RATING_DISTANCE);
        fSum += 0.2f * r(RATING_RED_ZONE);
        return fSum;
    }
    case RATING_COMBINED_BLOCKING: {
        float fSum = 0.5f * r(RATING_RUN_BLOCKING);
        fSum += 0.5f * r(RATING_PASS_BLOCKING);
        return fSum;
    }
    default:
        // Named as the callers know it (player.h's inline Get_Player_Rating).
        Report_Error("Unrecognized nRating in Get_Player_Rating(%d,%d,[%d])", nTeam, nSlot, nRating);
        return 0.0f;
    }
}

float Get_Player_Overall_Rating(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0.0f;
    return Get_Position_Overall_Rating(nTeam, nSlot, League.Team[nTeam].Player[nSlot].nVital[VITAL_POSITION]);
}

float Get_Player_Overall_Or_Regenerate(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0.0f;
    float fOverall = Get_Player_Overall_Rating(nTeam, nSlot);
    if (fOverall < 25.0f) {
        Generate_Player_Ratings(nTeam, nSlot);
        fOverall = Get_Player_Overall_Rating(nTeam, nSlot);
    }
    return fOverall;
}

float Get_Position_Overall_Or_Regenerate(int nTeam, int nSlot, int nPosition)
{
    float fOverall = Get_Position_Overall_Rating(nTeam, nSlot, nPosition);
    if (fOverall < 25.0f) {
        Generate_Player_Ratings(nTeam, nSlot);
        fOverall = Get_Position_Overall_Rating(nTeam, nSlot, nPosition);
    }
    return fOverall;
}

void Scale_Player_To_Overall(int nTeam, int nSlot, float fTarget)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    if (!(fTarget >= 50.0f && fTarget <= 95.0f))
        return;

    float fOverall = Get_Player_Overall_Or_Regenerate(nTeam, nSlot);
    if (fOverall > 105.0f || fOverall < 35.0f) {
        Generate_Player_Ratings(nTeam, nSlot);
        fOverall = Get_Player_Overall_Rating(nTeam, nSlot);
    }
    float f = fTarget / fOverall - 1.0f;
    for (int nStep = 0; nStep < 1000; ++nStep) {
        f *= 0.5f;
        for (int nRating = 0; nRating < NUMBER_OF_RATINGS; ++nRating) {
            if (nRating == RATING_SPEED)
                continue;
            float fRating = Get_Player_Rating(nTeam, nSlot, nRating);
            float fChange = fRating * f;
            // Near the top of the scale a rise slows down.
            if (fRating > 80.0f && fChange > 0.0f)
                fChange *= (99.0f - fRating) / 19.0f;
            float fNew = fRating + fChange;
            if (fNew < 20.0f)
                fNew = 20.0f;
            if (fNew > 99.0f)
                fNew = 99.0f;
            Set_Player_Rating(nTeam, nSlot, nRating, fNew);
        }
        int nPosition = League.Team[nTeam].Player[nSlot].nVital[VITAL_POSITION];
        fOverall = Get_Position_Overall_Or_Regenerate(nTeam, nSlot, nPosition);
        f = fTarget / fOverall - 1.0f;
        if (std::fabs(f) <= 0.005f)
            break;
    }
}

namespace {

// A rating held to the storage bound (NaN becomes its default); true when
// that changed it.
bool Hold_To_Storage_Range(float& fValue, int nRating)
{
    if (std::isnan(fValue))
        fValue = DEFAULT_RATING[nRating];
    else if (fValue > RATING_STORAGE_BOUND)
        fValue = RATING_STORAGE_BOUND;
    else if (fValue < -RATING_STORAGE_BOUND)
        fValue = -RATING_STORAGE_BOUND;
    else
        return false;
    return true;
}

// The floor of the load's repair on one record already held to the storage
// bound: every rating below the least is raised to it, except blocking, which
// is rebuilt from the build of the player (fast players block less, strong
// ones more; never below the least rating). Speed and power come before
// blocking, so the rebuild reads them raised.
void Raise_Ratings_To_Floor(int nTeam, int nSlot)
{
    float* fRating = League.Team[nTeam].Player[nSlot].fRating;
    for (int nRating = 0; nRating < NUMBER_OF_RATINGS; ++nRating) {
        if (!(fRating[nRating] < MINIMUM_RATING))
            continue;
        float fRebuilt = MINIMUM_RATING;
        if (nRating == RATING_RUN_BLOCKING)
            fRebuilt = 68.0f - 0.5f * fRating[RATING_SPEED] + 0.5f * fRating[RATING_POWER];
        else if (nRating == RATING_PASS_BLOCKING)
            fRebuilt = 60.0f - 0.5f * fRating[RATING_SPEED] + 0.5f * fRating[RATING_POWER];
        Store_Rating(nTeam, nSlot, nRating, std::max(fRebuilt, MINIMUM_RATING));
    }
}

}  // namespace

void Hold_Player_Ratings_To_Storage_Range()
{
    // A file can hold any bit pattern: infinities and huge values would turn
    // every overall, value and salary made of them into nonsense, and their
    // conversions to integers into undefined behaviour.
    for (TEAM& Team : League.Team) {
        for (PLAYER& Player : Team.Player) {
            for (int nRating = 0; nRating < NUMBER_OF_RATINGS; ++nRating)
                Hold_To_Storage_Range(Player.fRating[nRating], nRating);
        }
    }
}

void Repair_Player_Ratings()
{
    ++g_nPlayerRatingChanges;
    Hold_Player_Ratings_To_Storage_Range();
    For_Each_Player_In_Use(Raise_Ratings_To_Floor);
}

void Repair_One_Player_Ratings(int nTeam, int nSlot)
{
    if (!Is_Address(nTeam, nSlot) || League.Team[nTeam].Player[nSlot].nVital[VITAL_PLAYER_ID] == 0)
        return;
    bool bHeld = false;
    for (int nRating = 0; nRating < NUMBER_OF_RATINGS; ++nRating)
        bHeld = Hold_To_Storage_Range(League.Team[nTeam].Player[nSlot].fRating[nRating], nRating) || bHeld;
    if (bHeld)
        ++g_nPlayerRatingChanges;
    Raise_Ratings_To_Floor(nTeam, nSlot);
}

void Raise_Low_Player_Speed(int nTeam, int nSlot)
{
    if (!Is_Address(nTeam, nSlot) || League.Team[nTeam].Player[nSlot].nVital[VITAL_PLAYER_ID] == 0)
        return;
    const int nPosition = League.Team[nTeam].Player[nSlot].nVital[VITAL_POSITION];
    if (nPosition < POSITION_QB || nPosition > POSITION_WR)
        return;
    const float fSpeed = Get_Player_Rating(nTeam, nSlot, RATING_SPEED);
    if (fSpeed < LOW_BACK_SPEED)
        Set_Player_Rating(nTeam, nSlot, RATING_SPEED, std::trunc(fSpeed) + (nPosition == POSITION_WR ? 40.0f : 30.0f));
}

void Settle_Player_Ratings(int nTeam, int nSlot)
{
    Repair_One_Player_Ratings(nTeam, nSlot);
    Raise_Low_Player_Speed(nTeam, nSlot);
}
