// How far the regular season has gone, per mille of its weeks.

#include "schedule/season_progress.h"

#include "league/league_structure.h"
#include "league/standings_keys.h"

int Get_Season_Progress_Per_Mille()
{
    long long nWeeks = Get_First_Playoff_Week();
    if (nWeeks <= 0)
        return 0;
    long long nWeek = Get_Current_Week();
    if (nWeek < 0)
        nWeek = 0;
    long long nProgress = (nWeek * 1000 + nWeeks / 2) / nWeeks;
    return nProgress > 1000 ? 1000 : static_cast<int>(nProgress);
}
