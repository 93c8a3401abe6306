// The generic schedule generator: random pairings week by week with weighted
// refusals, and the bye plan of an odd number of teams.

#include "schedule/generic_schedule.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "base/random.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "platform/errors.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "schedule/schedule_driver.h"

namespace {

constexpr int FIRST_YEAR_WITH_OPEN_WEEK = 1990;
constexpr int FIRST_YEAR_OF_LOOSER_CONFERENCES = 1970;
constexpr int MAX_TEAM_REDRAWS = 100;
constexpr int MAX_OPPONENT_REDRAWS = 10000;
constexpr int MAX_SEARCHES_PER_GAME = 2000;
constexpr int UNPAIRED = -128;
constexpr int NO_BYE_WEEK = -1;
constexpr const char* PROGRESS_TITLE = "Generating Schedule";

// What the draws read, kept up to date game by game so that every refusal
// test is a lookup, not a count over the weeks.
struct DRAW_COUNTS {
    int nTeams = 0;
    int nYear = 0;
    int nDivision[MAX_FRANCHISES] = {};
    int nConference[MAX_FRANCHISES] = {};   // -1: no real division
    int nHome[MAX_FRANCHISES] = {};
    int nAway[MAX_FRANCHISES] = {};
    uint8_t nVisits[MAX_FRANCHISES][MAX_FRANCHISES] = {};   // [visitor][host]
};

DRAW_COUNTS Counts;

bool Is_Counted_Team(int nTeam)
{
    return nTeam >= 0 && nTeam < Counts.nTeams;
}

// A percentage draw below p.
bool Refused_With(int nPercent)
{
    return Get_Random_Below(100) < nPercent;
}

int Draw_Team()
{
    return Get_Random_Below(Counts.nTeams);
}

int Meetings(int a, int b)
{
    return Counts.nVisits[a][b] + Counts.nVisits[b][a];
}

void Note_Game(int nHome, int nAway)
{
    ++Counts.nHome[nHome];
    ++Counts.nAway[nAway];
    ++Counts.nVisits[nAway][nHome];
}

// Schedule_Game with the day and kick-off of the built-in template; the
// counters follow.
bool Enter_Game(int nHome, int nAway, int nWeek, bool bWindow)
{
    if (!Schedule_Game(nHome, nAway, nWeek, -1, -1))
        return false;
    Note_Game(nHome, nAway);
    if (bWindow)
        Step_Progress_Window(1);
    return true;
}

// Draws (at most MAX_SEARCHES_PER_GAME times) the home team of the week's
// next game: unpaired and not on its bye. NO_TEAM when none was found.
int Find_Home_Team(const int* pnMark, const int* pnByeWeek, int nWeek)
{
    for (int nSearch = 0; nSearch < MAX_SEARCHES_PER_GAME; ++nSearch) {
        const int t = Pick_Random_Team_To_Schedule();
        if (pnMark[t] == UNPAIRED && pnByeWeek[t] != nWeek)
            return t;
    }
    return NO_TEAM;
}

int Find_Visitor(int nHome, const int* pnMark, const int* pnByeWeek, int nWeek)
{
    for (int nSearch = 0; nSearch < MAX_SEARCHES_PER_GAME; ++nSearch) {
        const int o = Pick_Random_Opponent(nHome);
        if (o != nHome && pnMark[o] == UNPAIRED && pnByeWeek[o] != nWeek)
            return o;
    }
    return NO_TEAM;
}

// nGames games in week w among the teams not on their bye that week.
bool Fill_Week(int nWeek, int nGames, const int* pnByeWeek, bool bWindow)
{
    int nMark[MAX_FRANCHISES];
    std::fill(std::begin(nMark), std::end(nMark), UNPAIRED);
    for (int g = 0; g < nGames; ++g) {
        const int t = Find_Home_Team(nMark, pnByeWeek, nWeek);
        if (t == NO_TEAM)
            return false;
        const int o = Find_Visitor(t, nMark, pnByeWeek, nWeek);
        if (o == NO_TEAM || !Enter_Game(t, o, nWeek, bWindow))
            return false;
        nMark[t] = o;
        nMark[o] = t;
    }
    Request_Main_Window_Repaint();
    return true;
}

bool Fill_Even_League(int nWeeks, int nOpenWeek, bool bWindow)
{
    int nByeWeek[MAX_FRANCHISES];
    std::fill(std::begin(nByeWeek), std::end(nByeWeek), NO_BYE_WEEK);
    for (int w = 0; w < nWeeks; ++w) {
        if (w != nOpenWeek && !Fill_Week(w, Counts.nTeams / 2, nByeWeek, bWindow))
            return false;
    }
    return true;
}

bool Fill_Odd_League(int nWeeks, bool bWindow)
{
    const int n = Counts.nTeams;
    int nByes[GENERIC_SCHEDULE_MAX_WEEKS] = {};
    if (Plan_Week_Byes(n, nWeeks, nByes) > n)
        return false;   // more byes than teams: the search below would never end
    int nByeWeek[MAX_FRANCHISES];
    std::fill(std::begin(nByeWeek), std::end(nByeWeek), NO_BYE_WEEK);
    for (int s = 0; s < nWeeks; ++s) {
        for (int k = 0; k < nByes[s]; ++k) {
            int t;
            do
                t = Draw_Team();
            while (nByeWeek[t] != NO_BYE_WEEK);
            nByeWeek[t] = s;
        }
    }
    for (int s = 0; s < nWeeks; ++s) {
        if (!Fill_Week(s, (n - nByes[s]) / 2, nByeWeek, bWindow))
            return false;
    }
    return true;
}

}  // namespace

void Load_Schedule_Draw_Counts()
{
    Counts = DRAW_COUNTS{};
    Counts.nTeams = std::min(Count_Teams(), MAX_FRANCHISES);
    Counts.nYear = Get_Current_Year();
    for (int t = 0; t < Counts.nTeams; ++t) {
        const int nDivision = Get_Team_Stat(t, TEAM_STAT_DIVISION);
        Counts.nDivision[t] = nDivision;
        Counts.nConference[t] = nDivision >= 0 ? nDivision / 4 : -1;
        for (int w = 0; w < GENERIC_SCHEDULE_MAX_WEEKS; ++w) {
            const int nCode = Get_Team_Schedule_Stat(t, w, SCHEDULE_OPPONENT);
            if (nCode > 0) {
                ++Counts.nHome[t];
            } else if (nCode < 0) {
                ++Counts.nAway[t];
                const int nHost = -nCode - 1;
                if (nHost < MAX_FRANCHISES)
                    ++Counts.nVisits[t][nHost];
            }
        }
    }
}

int Pick_Random_Team_To_Schedule()
{
    if (Counts.nTeams <= 0)
        return NO_TEAM;
    int t = Draw_Team();
    for (int i = 0; i < MAX_TEAM_REDRAWS && Has_Too_Many_Home_Games(t); ++i)
        t = Draw_Team();
    return t;
}

bool Has_Too_Many_Home_Games(int nTeam)
{
    if (!Is_Counted_Team(nTeam)) {
        Report_Error("Invalid nTeam in %s(%d)", __func__, nTeam);
        return true;
    }
    const int h = Counts.nHome[nTeam];
    const int a = Counts.nAway[nTeam];
    if (h > a && Refused_With(70))
        return true;
    if (h > a + 1 && Refused_With(80))
        return true;
    return h > a + 2 && Refused_With(90);
}

int Pick_Random_Opponent(int nTeam)
{
    if (Counts.nTeams <= 0)
        return NO_TEAM;
    int o = Draw_Team();
    for (int i = 0; i < MAX_OPPONENT_REDRAWS && Is_Unwanted_Opponent(o, nTeam); ++i)
        o = Draw_Team();
    return o;
}

bool Is_Unwanted_Opponent(int nCandidate, int nTeam)
{
    if (!Is_Counted_Team(nCandidate) || !Is_Counted_Team(nTeam)) {
        Report_Error("Invalid team in %s(%d,%d)", __func__, nCandidate, nTeam);
        return true;
    }
    const int o = nCandidate;
    const int t = nTeam;
    if (Counts.nConference[o] != Counts.nConference[t]) {
        if (Counts.nYear < FIRST_YEAR_OF_LOOSER_CONFERENCES && Refused_With(85))
            return true;
        if (Refused_With(75))
            return true;
        if (Meetings(o, t) > 0 && Refused_With(95))
            return true;
    }
    if (Counts.nDivision[o] != Counts.nDivision[t]) {
        if (Refused_With(66))
            return true;
        if (Meetings(o, t) > 0 && Refused_With(95))
            return true;
    }
    // The candidate would visit: keep its away games level with its home games.
    const int h = Counts.nHome[o];
    const int a = Counts.nAway[o];
    if (a > h && Refused_With(70))
        return true;
    if (a > h + 1 && Refused_With(80))
        return true;
    if (a > h + 2 && Refused_With(90))
        return true;
    return Counts.nVisits[o][t] > 0 && Refused_With(98);
}

int Plan_Week_Byes(int nTeams, int nWeeks, int* pnByes)
{
    if (nWeeks < 1 || nWeeks > GENERIC_SCHEDULE_MAX_WEEKS || pnByes == nullptr)
        return 0;
    int b = (nTeams - 1) / nWeeks;
    if (b % 2 != 0)
        ++b;   // b + 1, the heavy weeks' byes, stays odd
    const int q = b > 0 ? (nTeams - nWeeks) / b : 0;
    const int h = (nWeeks - q) / 2;
    int nTotal = 0;
    for (int s = 0; s < nWeeks; ++s) {
        int nByes = 1;
        if (s >= h && s < h + q) {
            nByes = b + 1;
        } else if (s == h + q - 1) {
            const int nRest = b > 0 ? (nTeams - nWeeks) % b : nTeams - nWeeks;
            nByes = nRest > 0 ? nRest : b + 1;
        }
        pnByes[s] = nByes;
        nTotal += nByes;
    }
    return nTotal;
}

bool Generate_Schedule_With_Progress()
{
    const int nGames = Get_Games_Per_Season();   // stores 17 back for a longer season
    const int nYear = Get_Current_Year();
    const int nWeeks = std::min(nYear < FIRST_YEAR_WITH_OPEN_WEEK ? nGames : nGames + 1,
                                GENERIC_SCHEDULE_MAX_WEEKS);
    Clear_League_Schedule();
    Load_Schedule_Draw_Counts();
    const int n = Counts.nTeams;
    const bool bWindow = Open_Progress_Window(PROGRESS_TITLE, n * std::max(nGames, 0) / 2) != 0;
    bool bFilled;
    if (n % 2 == 0) {
        const int nOpenWeek = nYear >= FIRST_YEAR_WITH_OPEN_WEEK ? nWeeks / 2 : -1;
        bFilled = Fill_Even_League(nWeeks, nOpenWeek, bWindow);
    } else {
        bFilled = Fill_Odd_League(nWeeks, bWindow);
    }
    if (bWindow)
        Close_Progress_Window();
    Pump_Messages();
    return bFilled;
}
