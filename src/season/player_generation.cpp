// Making players: names from the shipped name lists, ratings, heights and
// weights, unique IDs, and the minimum-salary scale that prices them.
//
// Rule now: ratings, heights and weights are drawn around plain position
// profiles (no draft classes, colleges, uniform numbers or potential).
#include "season/player_generation.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "league/inflation.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "base/random.h"
#include "league/salary_cap.h"
#include "platform/errors.h"
#include "platform/files.h"

const char* const DEFAULT_FIRST_NAME = "John";
const char* const DEFAULT_LAST_NAME = "Smith";

namespace {

// ---- Name pool ----------------------------------------------------------------

struct NAME_LIST {
    const char* szPath;
    bool bLoaded = false;
    std::vector<std::string> Names;
};

NAME_LIST FirstNames{"names\\first.txt", false, {}};
NAME_LIST LastNames{"names\\last.txt", false, {}};
char FirstNameCache[FIRST_NAME_CACHE_SIZE][CACHED_FIRST_NAME_SIZE];

// Reads the list once: one name a line, CR LF or LF, blank lines skipped.
void Load_Name_List(NAME_LIST& List)
{
    if (List.bLoaded)
        return;
    List.bLoaded = true;
    List.Names.clear();
    FILE* pFile = files::Open_File(List.szPath, "rb");
    if (pFile == nullptr)
        return;
    std::string Line;
    int c;
    auto Finish_Line = [&List, &Line]() {
        while (!Line.empty() && (Line.back() == '\r' || Line.back() == ' ' || Line.back() == '\t'))
            Line.pop_back();
        size_t nStart = Line.find_first_not_of(" \t");
        if (nStart != std::string::npos)
            List.Names.push_back(Line.substr(nStart));
        Line.clear();
    };
    while ((c = std::fgetc(pFile)) != EOF) {
        if (c == '\n')
            Finish_Line();
        else
            Line.push_back(static_cast<char>(c));
    }
    Finish_Line();
    std::fclose(pFile);
}

void Copy_Cut(char* szOut, size_t nOutSize, const char* szText)
{
    if (szOut == nullptr || nOutSize == 0)
        return;
    size_t nLength = strnlen(szText, nOutSize - 1);
    std::memcpy(szOut, szText, nLength);
    std::memset(szOut + nLength, 0, nOutSize - nLength);
}

// ---- Position profiles ------------------------------------------------------

// Average height (inches) and weight (pounds) of positions 0-14.
constexpr int AVERAGE_HEIGHT[NUMBER_OF_POSITIONS] = {75, 71, 72, 76, 72, 77, 76, 75, 76, 75, 74, 71, 72, 72, 74};
constexpr int AVERAGE_WEIGHT[NUMBER_OF_POSITIONS] = {225, 215, 245, 255, 200, 315, 315, 305, 275, 310, 245, 193, 207, 200, 215};

// The ratings that make a player at each position.
bool Is_Key_Rating(int nPosition, int nRating)
{
    switch (nPosition) {
    case POSITION_QB:
        return nRating >= RATING_ACCURACY && nRating <= RATING_MOBILITY;
    case POSITION_RB:
    case POSITION_WR:
        return (nRating >= RATING_SPEED && nRating <= RATING_PUNT_RETURNS) || nRating == RATING_PASS_BLOCKING;
    case POSITION_FB:
    case POSITION_TE:
        return (nRating >= RATING_SPEED && nRating <= RATING_HANDS) || nRating == RATING_PASS_BLOCKING ||
               nRating == RATING_RUN_BLOCKING;
    case POSITION_T:
    case POSITION_G:
    case POSITION_C:
        return nRating >= RATING_PASS_BLOCKING && nRating <= RATING_DISCIPLINE;
    case POSITION_CB:
    case POSITION_S:
        if (nRating == RATING_KICK_RETURNS || nRating == RATING_PUNT_RETURNS)
            return true;
        [[fallthrough]];
    case POSITION_DE:
    case POSITION_DT:
    case POSITION_LB:
        return nRating >= RATING_RUN_DEFENSE && nRating <= RATING_TACKLING;
    case POSITION_K:
        return nRating == RATING_FG_ACCURACY || nRating == RATING_FG_DISTANCE;
    case POSITION_P:
        return nRating == RATING_PUNT_ACCURACY || nRating == RATING_PUNT_DISTANCE;
    default:
        return false;
    }
}

}  // namespace

// ---------------------------------------------------------------------------
// Name pool

void Get_Random_Last_Name(char* szOut, size_t nOutSize)
{
    Load_Name_List(LastNames);
    if (LastNames.Names.empty()) {
        Copy_Cut(szOut, nOutSize, DEFAULT_LAST_NAME);
        return;
    }
    int n = Get_Random_Below(static_cast<int>(LastNames.Names.size()));
    Copy_Cut(szOut, nOutSize, LastNames.Names[n].c_str());
}

void Pick_Random_First_Name()
{
    Load_Name_List(FirstNames);
    if (FirstNames.Names.empty())
        return;
    for (char* szEntry : FirstNameCache) {
        int n = Get_Random_Below(static_cast<int>(FirstNames.Names.size()));
        Copy_Cut(szEntry, CACHED_FIRST_NAME_SIZE, FirstNames.Names[n].c_str());
    }
}

bool Take_Cached_First_Name(char* szOut, size_t nOutSize)
{
    for (char* szEntry : FirstNameCache) {
        if (szEntry[0] != '\0') {
            char szName[CACHED_FIRST_NAME_SIZE];
            std::memcpy(szName, szEntry, CACHED_FIRST_NAME_SIZE);
            szName[CACHED_FIRST_NAME_SIZE - 1] = '\0';
            std::memset(szEntry, 0, CACHED_FIRST_NAME_SIZE);
            Copy_Cut(szOut, nOutSize, szName);
            return true;
        }
    }
    Copy_Cut(szOut, nOutSize, "");
    return false;
}

void Reset_Name_Pool()
{
    FirstNames.bLoaded = false;
    FirstNames.Names.clear();
    LastNames.bLoaded = false;
    LastNames.Names.clear();
    std::memset(FirstNameCache, 0, sizeof(FirstNameCache));
}

// ---------------------------------------------------------------------------
// Ratings and measures

void Generate_Player_Ratings(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    int nPosition = Get_Player_Position(nTeam, nSlot);
    for (int nRating = 0; nRating < NUMBER_OF_RATINGS; ++nRating) {
        int nValue;
        if (nRating == RATING_HEALTH || nRating == RATING_DURABILITY)
            nValue = 60 + Get_Random_Below(31);
        else if (Is_Key_Rating(nPosition, nRating))
            nValue = 45 + Get_Random_Below(41);
        else
            nValue = 25 + Get_Random_Below(36);
        Set_Player_Rating(nTeam, nSlot, nRating, static_cast<float>(nValue));
    }
}

void Fit_Player_Ratings_To_Target(int nTeam, int nSlot, int nPosition, float fFactor)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS) {
        Report_Error("nPosition out of bounds in %s(%d,%d,[%d],%f)", __func__, nTeam, nSlot, nPosition, fFactor);
        return;
    }
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION, nPosition);
    Generate_Player_Ratings(nTeam, nSlot);
    // An average starter rates 70; the factor moves the target from there.
    float fTarget = 70.0f * fFactor;
    if (!(fTarget >= 50.0f))
        fTarget = 50.0f;
    if (fTarget > 95.0f)
        fTarget = 95.0f;
    Scale_Player_To_Overall(nTeam, nSlot, fTarget);
}

int Get_Average_Player_Height(int nPosition)
{
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS)
        return 0;
    return AVERAGE_HEIGHT[nPosition];
}

int Get_Average_Player_Weight(int nPosition)
{
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS)
        return 0;
    return AVERAGE_WEIGHT[nPosition];
}

int Generate_Player_Height(int nPosition)
{
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS) {
        Report_Error("nPosition out of bounds in %s([%d])", __func__, nPosition);
        return 0;
    }
    return AVERAGE_HEIGHT[nPosition] - 2 + Get_Random_Below(5);
}

int Generate_Player_Weight(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0;
    int nPosition = Get_Player_Position(nTeam, nSlot);
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS) {
        Report_Error("Position out of bounds in %s(%d,%d) [%d]", __func__, nTeam, nSlot, nPosition);
        return 0;
    }
    return AVERAGE_WEIGHT[nPosition] - 10 + Get_Random_Below(21);
}

int Make_Unique_Player_Id(int nTeam, int nSlot)
{
    auto Is_Taken = [nTeam, nSlot](int nID) {
        for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
                if ((t != nTeam || s != nSlot) && Get_Player_Vital_Stat(t, s, VITAL_PLAYER_ID) == nID)
                    return true;
            }
        }
        return false;
    };
    for (int nTry = 0; nTry < 10000; ++nTry) {
        int nID = static_cast<int>(Generate_Random_Number() & 0x0FFFFFFFu);
        if (nID != 0 && !Is_Taken(nID))
            return nID;
    }
    // Practically unreachable: one above the largest ID in use.
    int nLargest = 0;
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Get_Player_Vital_Stat(t, s, VITAL_PLAYER_ID) > nLargest)
                nLargest = Get_Player_Vital_Stat(t, s, VITAL_PLAYER_ID);
        }
    }
    return nLargest + 1;
}

// ---------------------------------------------------------------------------
// Salaries

namespace {

// Which ratings a position has: Health, Durability and Speed everyone; the
// rest by the position's duties.
bool Rating_Applies(int nPosition, int nRating)
{
    const bool bBack = nPosition >= POSITION_RB && nPosition <= POSITION_WR;
    const bool bLine = nPosition >= POSITION_T && nPosition <= POSITION_C;
    const bool bDefense = nPosition >= POSITION_DE && nPosition <= POSITION_S;
    const bool bReturner = bBack || nPosition == POSITION_CB || nPosition == POSITION_S;
    switch (nRating) {
    case RATING_HEALTH:
    case RATING_DURABILITY:
    case RATING_SPEED:
        return true;
    case RATING_ACCURACY:
    case RATING_DISTANCE:
    case RATING_CONTROL:
    case RATING_RED_ZONE:
    case RATING_MOBILITY:
        return nPosition == POSITION_QB;
    case RATING_RECEIVING:
        return nPosition == POSITION_WR;
    case RATING_KICK_RETURNS:
    case RATING_PUNT_RETURNS:
        return bReturner;
    case RATING_POWER:
    case RATING_QUICKNESS:
    case RATING_VISION:
    case RATING_HANDS:
        return bBack;
    case RATING_PASS_BLOCKING:
    case RATING_RUN_BLOCKING:
    case RATING_DISCIPLINE:
        return bLine;
    case RATING_FG_ACCURACY:
    case RATING_FG_DISTANCE:
        return nPosition == POSITION_K;
    case RATING_PUNT_ACCURACY:
    case RATING_PUNT_DISTANCE:
        return nPosition == POSITION_P;
    default:
        return bDefense && nRating >= RATING_RUN_DEFENSE && nRating <= RATING_TACKLING;
    }
}

constexpr float RATING_WEIGHTS[NUMBER_OF_RATINGS] = {
    2.0f, 2.0f, 0.7f, 1.2f, 0.6f, 0.7f, 1.2f, 0.8f, 0.8f, 1.2f, 0.2f, 0.8f, 0.8f, 1.5f,
    1.0f, 1.0f, 1.0f, 0.5f, 1.0f, 1.0f, 1.1f, 0.9f, 1.0f, 0.7f, 1.2f, 0.7f, 1.2f};

}  // namespace

// Lowers (or raises) every rating his position has by one fraction, each by
// its weight in the weighted form, as the player-development rules do.
void Modify_Player_Ratings(int nTeam, int nSlot, int bWeighted, float fAdjustment)
{
    if (fAdjustment > 1.0f || fAdjustment < -1.0f)
        Report_Error("fAdjustment too large in Modify_Player_Ratings(%d, %d, [%f], %s)", nTeam, nSlot,
                     static_cast<double>(fAdjustment), bWeighted ? "TRUE" : "FALSE");
    const int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    for (int r = 0; r < NUMBER_OF_RATINGS; ++r) {
        float v = Get_Player_Rating(nTeam, nSlot, r);
        if (Rating_Applies(nPosition, r)) {
            if (fAdjustment < 0.0f) {
                const float x = bWeighted ? RATING_WEIGHTS[r] * fAdjustment : fAdjustment;
                v = v * (1.0f + x);
            } else {
                const float x = (bWeighted && r == RATING_SPEED) ? 0.0f : fAdjustment * 70.0f;
                v = v + (99.0f - v) / 29.0f * x;
            }
        }
        Set_Player_Rating(nTeam, nSlot, r, v);
    }
}

// ---------------------------------------------------------------------------
// Whole players (a plain stand-in until the full generator is in)

void Fabricate_Position_Player(int nTeam, int nSlot, int nPosition, int)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION, nPosition >= 0 && nPosition < NUMBER_OF_POSITIONS ? nPosition : 0);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID, Make_Unique_Player_Id(nTeam, nSlot));
    Generate_Player_Ratings(nTeam, nSlot);
}

void Init_Draft_Class_Player(int, int) {}

void Reset_Unused_Player_Slot(int, int) {}

void Create_Veteran_Player(int nTeam, int nSlot, int nPosition, float)
{
    Fabricate_Position_Player(nTeam, nSlot, nPosition, 0);
}

int Get_Random_Uniform_Number(int)
{
    return 1 + static_cast<int>(Get_Random_Below(99));
}

int Get_Pool_Rank_Target(int, int)
{
    return 60;
}
