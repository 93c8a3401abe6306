// Every player of the league with his season lines.
#include "league/league_players.h"

#include <cstdint>

#include "league/league_structure.h"
#include "league/season_lines.h"
#include "league/stat_codes.h"

namespace {

// His professional lines of nYear, in link order: f(nLine).
template <typename F> void For_Each_Year_Line(int nTeam, int nSlot, int nYear, F f)
{
    const int nLinks = Count_Player_Season_Lines(nTeam, nSlot);
    for (int k = 0; k < nLinks; ++k) {
        const int nLine = Get_Player_Season_Line_Index(nTeam, nSlot, k);
        if (nLine >= 0 && Get_Season_Line_Year(nLine) == nYear && Get_Season_Line_Level(nLine) >= 0)
            f(nLine);
    }
}

}  // namespace

bool Is_League_Player_Team(int nTeam)
{
    return nTeam == FREE_AGENT_TEAM || (nTeam >= 0 && nTeam < MAX_FRANCHISES && Is_Team_Slot_Used(nTeam));
}

int Get_Player_Season_Club(int nTeam, int nSlot, int nYear)
{
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return nTeam;
    int nClub = -1;
    int nMostGames = -1;
    For_Each_Year_Line(nTeam, nSlot, nYear, [&](int nLine) {
        const int nLineTeam = Get_Season_Line_Team(nLine);
        const int nGames = Get_Season_Line_Stat(nLine, STAT_GAMES_PLAYED);
        if (nLineTeam >= 0 && nLineTeam < MAX_FRANCHISES && Is_Team_Slot_Used(nLineTeam) && nGames > nMostGames) {
            nMostGames = nGames;
            nClub = nLineTeam;
        }
    });
    return nClub >= 0 ? nClub : nTeam;
}

bool Get_Player_Club_Season_Stat(int nTeam, int nSlot, int nYear, int nClub, int nStat, int* pValue)
{
    int64_t nSum = 0;
    bool bAny = false;
    if (Is_Player_Slot_Used(nTeam, nSlot)) {
        For_Each_Year_Line(nTeam, nSlot, nYear, [&](int nLine) {
            if (Get_Season_Line_Team(nLine) != nClub)
                return;
            bAny = true;
            nSum += Get_Season_Line_Stat(nLine, nStat);
        });
    }
    if (pValue)
        *pValue = nSum > INT32_MAX ? INT32_MAX : nSum < INT32_MIN ? INT32_MIN : static_cast<int32_t>(nSum);
    return bAny;
}
