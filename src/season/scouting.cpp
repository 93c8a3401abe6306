// What the user's scouts make of a player.
#include "season/scouting.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "league/calendar.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/stat_codes.h"
#include "league/team.h"
#include "league/team_finance_stats.h"

namespace {

// Preference 16 holds the scale between days; the day's advance clears it.
constexpr int PREF_SCOUTING_SCALE = PREF_GAME_STATE_SWITCH;
constexpr int NO_TEAM_RANK_SCORE = 1000;
constexpr int BEST_RANK_SCORE = 1500;
constexpr int RANK_SCORE_SPREAD = 1000;
constexpr int LOW_SPENDING = 500;
constexpr int MOST_COUNTED_SEASONS = 4;
constexpr int LARGEST_MODIFIER = 12;
constexpr int SCOUTING_CENTRE = 70;

const char* const LETTER_GRADES[] = {"F ", "F",  "D-", "D ", "D+", "C-", "C ",
                                     "C+", "B-", "B ", "B+", "A-", "A ", "A+"};
constexpr int LETTER_GRADE_COUNT = static_cast<int>(sizeof(LETTER_GRADES) / sizeof(LETTER_GRADES[0]));

bool Is_Player_Address(int nTeam, int nSlot)
{
    return nTeam >= 0 && nTeam < TOTAL_NUMBER_OF_TEAMS && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM;
}

bool Holds_Player(int nTeam, int nSlot)
{
    return Is_Player_Address(nTeam, nSlot) && Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID) != 0;
}

}  // namespace

int Get_Team_Rank_Score(int nTeam)
{
    if (nTeam == NO_TEAM)
        return NO_TEAM_RANK_SCORE;
    if (!Check_Team_Index(__func__, nTeam))
        return NO_TEAM_RANK_SCORE;
    const int nTeams = Count_Teams();
    const int k = Get_Team_Financial_Stat_Rank(nTeam, FINANCE_SCOUTING_LEVEL);
    const int s = BEST_RANK_SCORE - k * (RANK_SCORE_SPREAD / std::max(nTeams - 1, 1));
    const int nSpending = Get_Team_Financial_Stat(nTeam, FINANCE_SCOUTING_LEVEL);
    return nSpending < LOW_SPENDING ? nSpending : s;
}

int Get_Scouting_Scale()
{
    int S = Get_User_Preference(PREF_SCOUTING_SCALE);
    if (S == 0) {
        const int64_t nDifficulty = Get_User_Preference(PREF_DIFFICULTY);
        const int64_t x = ((nDifficulty + 15) * 100 - Get_Team_Rank_Score(Get_Selected_Team())) / 4;
        S = static_cast<int>(std::clamp<int64_t>(x, 1, INT32_MAX));
        Set_User_Preference(PREF_SCOUTING_SCALE, S);
    }
    return S;
}

void Reset_Scouting_Scale()
{
    Set_User_Preference(PREF_SCOUTING_SCALE, 0);
}

int Get_Scouting_Hash_Remainder(int nPlayerID, int nMonth, int nSeasonIndex)
{
    const uint32_t a = static_cast<uint32_t>(nPlayerID / 10);
    const uint32_t b = static_cast<uint32_t>(nPlayerID % 10);
    const uint32_t m = static_cast<uint32_t>(nMonth);
    const uint32_t y = static_cast<uint32_t>(nSeasonIndex);
    const uint32_t h = a * a * a + 10u * (b * b * b) + m * m + y * y;
    // Two's complement by definition from C++20, and what every supported
    // compiler does before it.
    const int64_t nSigned = static_cast<int32_t>(h);
    return static_cast<int>(std::llabs(nSigned) % 100);
}

int Get_Player_Stat_Modifier(int nTeam, int nSlot, int nPlayerID)
{
    if (Get_User_Preference(PREF_COMMISSIONER_MODE) != 0 || Get_User_Preference(PREF_PERFECT_SCOUTING) != 0)
        return 0;
    const int64_t S = Get_Scouting_Scale();
    int64_t nSeasons = 0;
    int64_t nStarts = 0;
    if (Holds_Player(nTeam, nSlot)) {
        nSeasons = std::clamp(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED), 0, MOST_COUNTED_SEASONS);
        // A damaged negative count would shrink the divisor toward 0.
        nStarts = std::max(Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_LAST_SEASON, STAT_GAMES_STARTED), 0);
    }
    const int64_t d = 15 * nSeasons + 12 + 2 * nStarts
                    + Get_Scouting_Hash_Remainder(nPlayerID, Get_Current_Month(), Get_User_Preference(PREF_SEASON_INDEX));
    const int64_t q = S / d;
    const int64_t m = (q > 0 && q % 2 == 1) ? -((q + 1) / 2) : q / 2;
    return static_cast<int>(std::clamp<int64_t>(m, -LARGEST_MODIFIER, LARGEST_MODIFIER));
}

int Adjust_Player_Stat_By_Modifier(int nTeam, int nSlot, int nValue)
{
    int nPlayerID = -1;
    if (nSlot != NO_PLAYER && Is_Player_Address(nTeam, nSlot))
        nPlayerID = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID);
    const int m = Get_Player_Stat_Modifier(nTeam, nSlot, nPlayerID);
    const int64_t nMoved = [&]() -> int64_t {
        if (nValue % 2 == 0 && nValue > SCOUTING_CENTRE)
            return static_cast<int64_t>(nValue) - std::abs(m);
        if (nValue % 2 == 0 && nValue < SCOUTING_CENTRE)
            return static_cast<int64_t>(nValue) + std::abs(m);
        return static_cast<int64_t>(nValue) + m;
    }();
    return static_cast<int>(std::clamp<int64_t>(nMoved, INT32_MIN, INT32_MAX));
}

void Get_Letter_Grade(int nIndex, char* szBuffer, size_t nSize)
{
    if (szBuffer == nullptr || nSize == 0)
        return;
    const char* szGrade = LETTER_GRADES[std::clamp(nIndex, 0, LETTER_GRADE_COUNT - 1)];
    const size_t nLength = std::min(std::strlen(szGrade), nSize - 1);
    std::memcpy(szBuffer, szGrade, nLength);
    szBuffer[nLength] = '\0';
}
