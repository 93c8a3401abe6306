// The small league of the game-file tests, the saved-file fixtures and the
// fuzz corpus: four franchises with players, schedules and finished game
// records, a city, preferences and season lines, as late in a season. The
// committed files were saved from exactly this league, so it must not change.
#pragma once

#include <cstring>

#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_fixture.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"

// Player nID at a position with ratings fRating + 0..4 and a birth date.
inline void Add_Game_File_Player(int nTeam, int nSlot, int nID, int nPosition, float fRating)
{
    Put_Player(nTeam, nSlot, nID, nPosition, fRating).nVital[VITAL_BIRTH_DATE] = 19950101;
    for (int r = 0; r < NUMBER_OF_RATINGS; ++r)
        Set_Player_Rating(nTeam, nSlot, r, fRating + static_cast<float>(r % 5));
}

// Builds the league into a zeroed league block.
inline void Build_Game_File_League()
{
    Clear_All_Teams();
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
    League.Universe.nStat[GAMES_PER_SEASON] = 16;
    League.Universe.nStat[INFLATION_FACTOR] = 1000;
    std::strcpy(League.szSkinName, "earth");
    const char* Cities[4] = {"Boston", "Chicago", "Denver", "Houston"};
    for (int t = 0; t < 4; ++t) {
        Set_Team_Stat(t, TEAM_STAT_CONTROLLER, t == 0 ? CONTROLLER_USER : CONTROLLER_COMPUTER);
        Set_Team_Stat(t, TEAM_STAT_DIVISION, t < 2 ? 0 : 4);
        Set_Team_String(Cities[t], t, TEAM_STRING_CITY);
        Set_Team_Stadium_Stat(t, STADIUM_STAT_CAPACITY, 60000 + t);
        for (int s = 0; s < 30; ++s)
            Add_Game_File_Player(t, s, 1000 * (t + 1) + s, s % 15, 50.0f + static_cast<float>(s));
        for (int w = 0; w < SCHEDULE_WEEKS; ++w)
            League.Team[t].nSchedule[w][3] = -1;
    }
    Add_Game_File_Player(FIRST_DRAFT_POOL_TEAM, 0, 9001, POSITION_QB, 60.0f);
    for (int g = 0; g < 8; ++g) {
        Put_Game(g, g % 4, (g + 1) % 4, 10 + g, 20 - g).nPlays = 120;
        for (int p = 0; p < 120; ++p)
            League.Game[g].PlayLog[p].nPlayer1 = 1000 + p * g;
    }
    for (int k = 0; k < 50; ++k)
        League.SeasonLines[k][0] = 2000 + k;
    Set_User_Preference(PREF_CURRENT_WEEK, 9);
    Set_User_Preference(300, -7);   // a 16-bit slot
    std::memset(League.LeaderTables + 1000, 0x5A, 500);
}
