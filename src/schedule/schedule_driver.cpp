// The schedule driver: the generator chosen by league size and era, the
// result checked, the playoff days set after the regular season.

#include "schedule/schedule_driver.h"

#include "league/calendar.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "platform/ui.h"
#include "schedule/generic_schedule.h"
#include "schedule/historical_schedules.h"
#include "schedule/other_size_schedules.h"
#include "schedule/season_checks.h"
#include "schedule/table_schedules.h"

namespace {

constexpr const char* SCHEDULE_CAPTION = "Season Schedule";
constexpr const char* NO_SCHEDULE_TEXT =
    "Unable to generate a season schedule for this league. Try moving or erasing teams in the "
    "League Editor.";
constexpr int TEAMS_PER_DIVISION = 4;
constexpr int LAST_WEEK = SCHEDULE_WEEKS - 1;
constexpr int FIRST_YEAR_WITHOUT_FILES = 2001;
constexpr int FIRST_YEAR_OF_LATER_28_TEAM_TABLE = 1990;

// The historical files are tried before 2001 when the season's length suits
// the era's schedules (12 or 13 games before 1961, 12-15 before 1978, 12-17
// after).
bool Uses_Historical_Files()
{
    return Get_Current_Year() < FIRST_YEAR_WITHOUT_FILES && !Check_Season_Length_For_Era();
}

// The member of the other league sizes that covers the league; -1 for none.
int Other_Size_Member(int nTeams, int nGames, int nYear)
{
    if (nTeams == 30 && nGames == 16)
        return OTHER_SIZE_30_TEAMS;
    if (nTeams == 28 && nGames == 16)
        return nYear < FIRST_YEAR_OF_LATER_28_TEAM_TABLE ? OTHER_SIZE_28_TEAMS_BEFORE_1990 : OTHER_SIZE_28_TEAMS;
    if (nTeams == 28 && nGames == 14)
        return OTHER_SIZE_28_TEAMS_14_GAMES;
    if (nTeams == 26 && nGames == 14)
        return OTHER_SIZE_26_TEAMS;
    if (nTeams == 12 && nGames == 12)
        return OTHER_SIZE_12_TEAMS;
    return -1;
}

// A built-in table for the league's size, when one covers it; true when one
// was run.
bool Run_Table_Generator(int nTeams, int nGames)
{
    if (nTeams == 32 && nGames == 17 && Check_Eight_Divisions_Of_Four()) {
        Fill_Schedule();
        return true;
    }
    if (nTeams == 32 && nGames == 16 && Check_Eight_Divisions_Of_Four()) {
        Fill_Schedule_16_Games();
        return true;
    }
    if (nTeams == 31 && nGames == 16) {
        Generate_Schedule();
        return true;
    }
    const int nMember = Other_Size_Member(nTeams, nGames, Get_Current_Year());
    if (nMember >= 0) {
        Generate_Other_Size_Schedule(nMember);
        return true;
    }
    return false;
}

// Whether each club meets every club of its division once at home and once
// away: a table laid out for other divisions does not.
bool Rivals_Meet_Home_And_Away(int nTeams)
{
    for (int t = 0; t < nTeams; ++t) {
        const int nDivision = Get_Team_Stat(t, TEAM_STAT_DIVISION);
        for (int o = 0; o < nTeams; ++o) {
            if (o != t && Get_Team_Stat(o, TEAM_STAT_DIVISION) == nDivision &&
                (Count_Home_Games_Against(t, o) != 1 || Count_Away_Games_Against(t, o) != 1))
                return false;
        }
    }
    return true;
}

bool Every_Team_Plays(int nTeams)
{
    for (int t = 0; t < nTeams; ++t) {
        bool bPlays = false;
        for (int w = 0; w <= LAST_WEEK && !bPlays; ++w)
            bPlays = Get_Team_Schedule_Stat(t, w, SCHEDULE_OPPONENT) != 0;
        if (!bPlays)
            return false;
    }
    return true;
}

}  // namespace

void Clear_League_Schedule()
{
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; ++t)
        Clear_Scheduled_Games(t);
}

bool Check_Eight_Divisions_Of_Four()
{
    const int nTeams = Count_Teams();
    if (nTeams < 1)
        return false;
    int nCount[NUMBER_OF_DIVISIONS] = {};
    for (int t = 0; t < nTeams; ++t) {
        const int nDivision = Get_Team_Stat(t, TEAM_STAT_DIVISION);
        if (nDivision >= 0 && nDivision < NUMBER_OF_DIVISIONS)
            ++nCount[nDivision];
    }
    for (int nTeamsInDivision : nCount) {
        if (nTeamsInDivision != TEAMS_PER_DIVISION)
            return false;
    }
    return true;
}

int Get_Last_Scheduled_Week()
{
    const int nTeams = Count_Teams();
    for (int w = LAST_WEEK; w >= 0; --w) {
        for (int t = 0; t < nTeams; ++t) {
            if (Get_Team_Schedule_Stat(t, w, SCHEDULE_OPPONENT) != 0)
                return w + 1;
        }
    }
    return 0;
}

bool Is_Schedule_Complete(int nGames)
{
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; ++t) {
        int nPlayed = 0;
        for (int w = 0; w <= LAST_WEEK; ++w) {
            const int nCode = Get_Team_Schedule_Stat(t, w, SCHEDULE_OPPONENT);
            if (nCode == 0)
                continue;
            const int nOpponent = (nCode > 0 ? nCode : -nCode) - 1;
            if (nOpponent == t || nOpponent >= nTeams)
                return false;
            const int nBack = nCode > 0 ? -(t + 1) : t + 1;
            if (Get_Team_Schedule_Stat(nOpponent, w, SCHEDULE_OPPONENT) != nBack)
                return false;
            ++nPlayed;
        }
        if (nPlayed != nGames)
            return false;
    }
    return true;
}

bool Fit_Season_To_Game_Records()
{
    const int nTeams = Count_Teams();
    const int nGames = Get_Games_Per_Season();
    const int nPlayoffTeams = Count_League_Playoff_Teams();
    if (Check_Season_Fits_Game_Records(nTeams, nGames, nPlayoffTeams, nullptr, 0))
        return true;
    int nFits = nGames - 1;
    while (nFits >= 1 && !Check_Season_Fits_Game_Records(nTeams, nFits, nPlayoffTeams, nullptr, 0))
        --nFits;
    if (nFits < 1)
        return false;
    Set_Universe_Stat(GAMES_PER_SEASON, nFits);
    Show_Formatted_Message(SCHEDULE_CAPTION,
                           "A season of %d teams playing %d games each, with %d playoff teams, needs %d game "
                           "records; %d exist. This season is played with %d games each.",
                           nTeams, nGames, nPlayoffTeams,
                           Count_Season_Game_Records_Needed(nTeams, nGames, nPlayoffTeams), NUMBER_OF_GAMES, nFits);
    return true;
}

bool Generate_League_Schedule(bool bTellFailure)
{
    char szWhy[512];
    // Refused before anything changes: the old schedule stays.
    if (!Check_League_Fits_Game_Records(szWhy, sizeof(szWhy))) {
        if (bTellFailure)
            Show_Formatted_Message(SCHEDULE_CAPTION, "%s", szWhy);
        return false;
    }
    const int nTeams = Count_Teams();
    const int nGames = Get_Games_Per_Season();   // stores 17 back for a longer season
    Clear_League_Schedule();
    Clear_Standings_Order();

    bool bDone = false;
    // Fewer than two teams or no games: no season can be made of it.
    // A historical schedule is kept as its files give it (it passed the
    // check of equal games per conference).
    if (nTeams >= 2 && nGames >= 1 && Uses_Historical_Files())
        bDone = Load_Builtin_Schedule() != 0;
    if (!bDone && nTeams >= 2 && nGames >= 1) {
        // A table is kept only when the league's divisions fit it: every
        // team gets its games and meets its division rivals home and away.
        if (Run_Table_Generator(nTeams, nGames)) {
            bDone = Is_Schedule_Complete(nGames) && Rivals_Meet_Home_And_Away(nTeams);
            if (!bDone)
                Clear_League_Schedule();
        }
        // Other leagues use the generic generator; its later attempts no
        // longer insist on the division pairs, for divisions that cannot
        // be fitted into the season's weeks.
        for (int nAttempt = 0; !bDone && nAttempt < SCHEDULE_ATTEMPTS; ++nAttempt)
            bDone = Generate_Schedule_With_Progress(nAttempt < SCHEDULE_ATTEMPTS / 2);
    }
    // Never a season in which a club plays nothing (an odd league of one
    // game a season gives every club its bye at once).
    if (bDone && !Every_Team_Plays(nTeams))
        bDone = false;
    if (!bDone) {
        Clear_League_Schedule();
        if (bTellFailure)
            Show_Formatted_Message(SCHEDULE_CAPTION, "%s", NO_SCHEDULE_TEXT);
    }
    Set_Season_Playoff_Days(Get_Last_Scheduled_Week());
    return bDone;
}
