// The generic schedule generator: the division games planned week by week,
// random pairings with weighted refusals for the rest, and the bye plan of an
// odd number of teams.

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
    // Division games are placed by the rival plan, so the random draws
    // never pair two rivals.
    bool bRivalsPlanned = false;
};

// The weeks of one attempt: which week is open to all, which weeks each
// team rests (odd leagues: one bit a week; a league smaller than its weeks
// gives some teams a second bye), whether the progress window is stepped.
struct WEEK_SHAPE {
    int nWeeks = 0;
    int nOpenWeek = -1;
    uint32_t nByeWeeks[MAX_FRANCHISES] = {};
    bool bWindow = false;

    bool Rests(int nTeam, int nWeek) const { return (nByeWeeks[nTeam] >> nWeek & 1u) != 0; }
};
static_assert(GENERIC_SCHEDULE_MAX_WEEKS <= 32, "a team's bye weeks are the bits of one word");

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

bool Are_Rivals(int a, int b)
{
    const int nDivision = Counts.nDivision[a];
    return a != b && nDivision >= 0 && nDivision < NUMBER_OF_DIVISIONS && nDivision == Counts.nDivision[b];
}

// The division games still owed by the team: one at home and one away
// against each rival.
int Owed_Rival_Games(int nTeam)
{
    int nOwed = 0;
    for (int o = 0; o < Counts.nTeams; ++o) {
        if (Are_Rivals(nTeam, o))
            nOwed += (Counts.nVisits[o][nTeam] == 0 ? 1 : 0) + (Counts.nVisits[nTeam][o] == 0 ? 1 : 0);
    }
    return nOwed;
}

bool Plays_In_Week(int nTeam, int nWeek, const WEEK_SHAPE& Shape)
{
    return nWeek != Shape.nOpenWeek && !Shape.Rests(nTeam, nWeek);
}

// The weeks from nWeek on in which the team plays.
int Weeks_Left(int nTeam, int nWeek, const WEEK_SHAPE& Shape)
{
    int nLeft = 0;
    for (int w = nWeek; w < Shape.nWeeks; ++w)
        nLeft += Plays_In_Week(nTeam, w, Shape) ? 1 : 0;
    return nLeft;
}

// Whether every division can meet home and away within the season: a
// division of d clubs needs 2(d - 1) games of each club and, when d is
// odd (one club of it idle each round), 2d weeks with games; the games
// beyond those need clubs of another division.
bool Divisions_Fit_Season(int nGames, int nPlayingWeeks)
{
    int nSize[NUMBER_OF_DIVISIONS] = {};
    for (int t = 0; t < Counts.nTeams; ++t) {
        const int nDivision = Counts.nDivision[t];
        if (nDivision >= 0 && nDivision < NUMBER_OF_DIVISIONS)
            ++nSize[nDivision];
    }
    for (int d : nSize) {
        if (d < 2)
            continue;
        if (2 * (d - 1) > nGames || (d % 2 != 0 && 2 * d > nPlayingWeeks))
            return false;
        if (2 * (d - 1) < nGames && Counts.nTeams == d)
            return false;
    }
    return true;
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
int Find_Home_Team(const int* pnMark, const WEEK_SHAPE& Shape, int nWeek)
{
    for (int nSearch = 0; nSearch < MAX_SEARCHES_PER_GAME; ++nSearch) {
        const int t = Pick_Random_Team_To_Schedule();
        if (pnMark[t] == UNPAIRED && !Shape.Rests(t, nWeek))
            return t;
    }
    return NO_TEAM;
}

int Find_Visitor(int nHome, const int* pnMark, const WEEK_SHAPE& Shape, int nWeek)
{
    for (int nSearch = 0; nSearch < MAX_SEARCHES_PER_GAME; ++nSearch) {
        const int o = Pick_Random_Opponent(nHome);
        if (o != nHome && pnMark[o] == UNPAIRED && !Shape.Rests(o, nWeek))
            return o;
    }
    return NO_TEAM;
}

void Unnote_Game(int nHome, int nAway)
{
    --Counts.nHome[nHome];
    --Counts.nAway[nAway];
    --Counts.nVisits[nAway][nHome];
}

// Only division rivals are left for nTeam this week, and their games are
// already planned: one of the week's other games gives up its two clubs,
// one to nTeam and one to a rival of it (a division game only when its
// clubs have a week to spare for it later). False when no game can.
bool Trade_Into_Week(int nTeam, int* pnMark, const WEEK_SHAPE& Shape, int nWeek)
{
    int nRival = NO_TEAM;
    for (int o = 0; o < Counts.nTeams && nRival == NO_TEAM; ++o) {
        if (o != nTeam && pnMark[o] == UNPAIRED && Plays_In_Week(o, nWeek, Shape))
            nRival = o;
    }
    if (nRival == NO_TEAM)
        return false;
    for (int h = 0; h < Counts.nTeams; ++h) {
        const int v = pnMark[h];
        if (v == UNPAIRED || Get_Team_Schedule_Stat(h, nWeek, SCHEDULE_OPPONENT) != v + 1)
            continue;
        // A division game given up must still fit into the weeks after this one.
        if (Are_Rivals(h, v) && (Weeks_Left(h, nWeek + 1, Shape) <= Owed_Rival_Games(h) ||
                                 Weeks_Left(v, nWeek + 1, Shape) <= Owed_Rival_Games(v)))
            continue;
        int nFirst[2];    // host, visitor of the game of nTeam
        int nSecond[2];   // host, visitor of the game of its rival
        if (!Are_Rivals(nTeam, v) && !Are_Rivals(nRival, h)) {
            nFirst[0] = nTeam, nFirst[1] = v;
            nSecond[0] = h, nSecond[1] = nRival;
        } else if (!Are_Rivals(nTeam, h) && !Are_Rivals(nRival, v)) {
            nFirst[0] = h, nFirst[1] = nTeam;
            nSecond[0] = nRival, nSecond[1] = v;
        } else {
            continue;
        }
        if (!Clear_Scheduled_Game(h, v, nWeek))
            return false;
        Unnote_Game(h, v);
        // The game given up was stepped already: one step for the two new ones.
        if (!Enter_Game(nFirst[0], nFirst[1], nWeek, Shape.bWindow) ||
            !Enter_Game(nSecond[0], nSecond[1], nWeek, false))
            return false;
        pnMark[nFirst[0]] = nFirst[1];
        pnMark[nFirst[1]] = nFirst[0];
        pnMark[nSecond[0]] = nSecond[1];
        pnMark[nSecond[1]] = nSecond[0];
        return true;
    }
    return false;
}

// The week's division games: a club that has as many owed division games
// as weeks left must play one now; any other club with owed games plays
// one with a chance of owed games over weeks left, so that they spread
// over the season. A club picks the rival with the least room to spare.
// False when a club that must play finds no rival free.
bool Plan_Rival_Games(int nWeek, int* pnMark, const WEEK_SHAPE& Shape, int& nPlanned)
{
    struct CANDIDATE {
        int nTeam;
        int nSlack;
        int nTieBreak;
    };
    CANDIDATE List[MAX_FRANCHISES];
    int nCount = 0;
    for (int t = 0; t < Counts.nTeams; ++t) {
        if (!Plays_In_Week(t, nWeek, Shape))
            continue;
        const int nOwed = Owed_Rival_Games(t);
        if (nOwed == 0)
            continue;
        const int nSlack = Weeks_Left(t, nWeek, Shape) - nOwed;
        if (nSlack < 0)
            return false;
        List[nCount++] = {t, nSlack, Get_Random_Below(1000)};
    }
    std::sort(List, List + nCount, [](const CANDIDATE& a, const CANDIDATE& b) {
        return a.nSlack != b.nSlack ? a.nSlack < b.nSlack : a.nTieBreak < b.nTieBreak;
    });
    for (int i = 0; i < nCount; ++i) {
        const int t = List[i].nTeam;
        if (pnMark[t] != UNPAIRED)
            continue;
        const bool bMust = List[i].nSlack == 0;
        const int nOwed = Owed_Rival_Games(t);
        if (nOwed == 0)
            continue;
        if (!bMust && Get_Random_Below(Weeks_Left(t, nWeek, Shape)) >= nOwed)
            continue;
        int o = NO_TEAM;
        for (int j = 0; j < nCount && o == NO_TEAM; ++j) {
            const int c = List[j].nTeam;
            if (c != t && pnMark[c] == UNPAIRED && Are_Rivals(t, c) &&
                (Counts.nVisits[c][t] == 0 || Counts.nVisits[t][c] == 0))
                o = c;
        }
        if (o == NO_TEAM) {
            if (bMust)
                return false;
            continue;
        }
        // The venue still owed; when both are, the club with fewer home games hosts.
        int nHost;
        if (Counts.nVisits[o][t] != 0)
            nHost = o;
        else if (Counts.nVisits[t][o] != 0)
            nHost = t;
        else if (Counts.nHome[t] != Counts.nHome[o])
            nHost = Counts.nHome[t] < Counts.nHome[o] ? t : o;
        else
            nHost = Get_Random_Below(2) == 0 ? t : o;
        const int nVisitor = nHost == t ? o : t;
        if (!Enter_Game(nHost, nVisitor, nWeek, Shape.bWindow))
            return false;
        pnMark[t] = o;
        pnMark[o] = t;
        ++nPlanned;
    }
    return true;
}

// nGames games in week w among the teams not on their bye that week.
bool Fill_Week(int nWeek, int nGames, const WEEK_SHAPE& Shape)
{
    int nMark[MAX_FRANCHISES];
    std::fill(std::begin(nMark), std::end(nMark), UNPAIRED);
    int nPlanned = 0;
    if (Counts.bRivalsPlanned && !Plan_Rival_Games(nWeek, nMark, Shape, nPlanned))
        return false;
    for (int g = nPlanned; g < nGames; ++g) {
        const int t = Find_Home_Team(nMark, Shape, nWeek);
        if (t == NO_TEAM)
            return false;
        const int o = Find_Visitor(t, nMark, Shape, nWeek);
        if (o == NO_TEAM && Counts.bRivalsPlanned) {
            if (!Trade_Into_Week(t, nMark, Shape, nWeek))
                return false;
            continue;
        }
        if (o == NO_TEAM || !Enter_Game(t, o, nWeek, Shape.bWindow))
            return false;
        nMark[t] = o;
        nMark[o] = t;
    }
    Request_Main_Window_Repaint();
    return true;
}

// Whether the weeks the clubs play leave room for every division's home and
// away round: each club plays a game in every week it does not rest, its
// division games first, and the games it plays beyond them are against
// clubs of other divisions. So no club may have fewer weeks than division
// games, and no division more games against others than all other
// divisions together have against it and the rest (two divisions of 7 and
// 6 clubs over 16 weeks: 28 such games against 36 can never be paired).
// Checked before any game is drawn, so an attempt that cannot keep the
// division pairs costs no draws.
bool Division_Games_Can_Balance(const WEEK_SHAPE& Shape)
{
    int nClubs[NUMBER_OF_DIVISIONS] = {};
    for (int t = 0; t < Counts.nTeams; ++t) {
        const int d = Counts.nDivision[t];
        if (d >= 0 && d < NUMBER_OF_DIVISIONS)
            ++nClubs[d];
    }
    int nOthers[NUMBER_OF_DIVISIONS] = {};   // each division's games against other divisions
    int nLoose = 0;                          // those of clubs without a division
    for (int t = 0; t < Counts.nTeams; ++t) {
        const int d = Counts.nDivision[t];
        const int nWeeks = Weeks_Left(t, 0, Shape);
        if (d < 0 || d >= NUMBER_OF_DIVISIONS) {
            nLoose += nWeeks;
            continue;
        }
        const int nRivalGames = 2 * (nClubs[d] - 1);
        if (nWeeks < nRivalGames)
            return false;
        nOthers[d] += nWeeks - nRivalGames;
    }
    int nTotal = nLoose;
    int nLargest = 0;
    for (int n : nOthers) {
        nTotal += n;
        nLargest = std::max(nLargest, n);
    }
    return nLargest <= nTotal - nLargest;
}

bool Fill_Even_League(WEEK_SHAPE& Shape)
{
    std::fill(std::begin(Shape.nByeWeeks), std::end(Shape.nByeWeeks), 0u);
    if (Counts.bRivalsPlanned && !Division_Games_Can_Balance(Shape))
        return false;
    for (int w = 0; w < Shape.nWeeks; ++w) {
        if (w != Shape.nOpenWeek && !Fill_Week(w, Counts.nTeams / 2, Shape))
            return false;
    }
    return true;
}

// Gives nByes teams their bye in week s: drawn among the teams with the
// fewest byes so far that do not rest that week already. While some team
// has no bye that is the draw of the plan, a team without one; only a
// league smaller than its weeks (more byes than teams) reaches the teams
// with one bye, each of which then rests a second week.
void Draw_Week_Byes(int s, int nByes, WEEK_SHAPE& Shape, int* pnByeCount)
{
    const int n = Counts.nTeams;
    for (int k = 0; k < nByes; ++k) {
        int nFewest = -1;
        for (int t = 0; t < n; ++t) {
            if (!Shape.Rests(t, s) && (nFewest < 0 || pnByeCount[t] < nFewest))
                nFewest = pnByeCount[t];
        }
        if (nFewest < 0)
            return;   // every team rests this week already
        int t;
        do
            t = Draw_Team();
        while (Shape.Rests(t, s) || pnByeCount[t] != nFewest);
        Shape.nByeWeeks[t] |= 1u << s;
        ++pnByeCount[t];
    }
}

bool Fill_Odd_League(WEEK_SHAPE& Shape)
{
    const int n = Counts.nTeams;
    const int nWeeks = Shape.nWeeks;
    int nByes[GENERIC_SCHEDULE_MAX_WEEKS] = {};
    Plan_Week_Byes(n, nWeeks, nByes);
    std::fill(std::begin(Shape.nByeWeeks), std::end(Shape.nByeWeeks), 0u);
    int nByeCount[MAX_FRANCHISES] = {};
    for (int s = 0; s < nWeeks; ++s)
        Draw_Week_Byes(s, nByes[s], Shape, nByeCount);
    if (Counts.bRivalsPlanned && !Division_Games_Can_Balance(Shape))
        return false;
    for (int s = 0; s < nWeeks; ++s) {
        int nResting = 0;
        for (int t = 0; t < n; ++t)
            nResting += Shape.Rests(t, s) ? 1 : 0;
        if (!Fill_Week(s, (n - nResting) / 2, Shape))
            return false;
    }
    return true;
}

bool Every_Rival_Met_Twice()
{
    for (int t = 0; t < Counts.nTeams; ++t) {
        if (Owed_Rival_Games(t) != 0)
            return false;
    }
    return true;
}

// Turns venues along a path of home games, from a club with more home than
// away games to one with more away games, until no club is two games off
// level that such a path can help. Only a game whose host has hosted the
// pair more often than it visited is turned, so home and away pairs keep
// their venues.
void Level_Home_And_Away(int nWeeks)
{
    const int n = Counts.nTeams;
    auto Balance = [](int t) { return Counts.nHome[t] - Counts.nAway[t]; };
    for (int nRound = 0; nRound < n * GENERIC_SCHEDULE_MAX_WEEKS; ++nRound) {
        bool bTurned = false;
        for (int s = 0; s < n && !bTurned; ++s) {
            if (Balance(s) < 1)
                continue;
            // Breadth-first along the games that the current club hosts.
            int nFrom[MAX_FRANCHISES];
            int nWeekOf[MAX_FRANCHISES];
            std::fill(std::begin(nFrom), std::end(nFrom), -1);
            int nQueue[MAX_FRANCHISES];
            int nHead = 0;
            int nTail = 0;
            nQueue[nTail++] = s;
            nFrom[s] = s;
            int nEnd = NO_TEAM;
            while (nHead < nTail && nEnd == NO_TEAM) {
                const int u = nQueue[nHead++];
                for (int w = 0; w < nWeeks && nEnd == NO_TEAM; ++w) {
                    const int nCode = Get_Team_Schedule_Stat(u, w, SCHEDULE_OPPONENT);
                    if (nCode <= 0)
                        continue;
                    const int v = nCode - 1;
                    if (v >= n || nFrom[v] != -1 || Counts.nVisits[v][u] <= Counts.nVisits[u][v])
                        continue;
                    nFrom[v] = u;
                    nWeekOf[v] = w;
                    nQueue[nTail++] = v;
                    if (Balance(v) <= -1 && (Balance(s) >= 2 || Balance(v) <= -2))
                        nEnd = v;
                }
            }
            if (nEnd == NO_TEAM)
                continue;
            for (int v = nEnd; v != s; v = nFrom[v]) {
                const int u = nFrom[v];
                const int w = nWeekOf[v];
                Set_Team_Schedule_Stat(u, w, SCHEDULE_OPPONENT, -(v + 1));
                Set_Team_Schedule_Stat(v, w, SCHEDULE_OPPONENT, u + 1);
                --Counts.nHome[u];
                ++Counts.nAway[u];
                --Counts.nAway[v];
                ++Counts.nHome[v];
                --Counts.nVisits[v][u];
                ++Counts.nVisits[u][v];
            }
            bTurned = true;
        }
        if (!bTurned)
            return;
    }
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
    if (Counts.bRivalsPlanned && Are_Rivals(o, t))
        return true;
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

bool Generate_Schedule_With_Progress(bool bPairDivisions)
{
    const int nGames = Get_Games_Per_Season();   // stores 17 back for a longer season
    const int nYear = Get_Current_Year();
    const int nWeeks = std::min(nYear < FIRST_YEAR_WITH_OPEN_WEEK ? nGames : nGames + 1,
                                GENERIC_SCHEDULE_MAX_WEEKS);
    Clear_League_Schedule();
    Load_Schedule_Draw_Counts();
    const int n = Counts.nTeams;
    WEEK_SHAPE Shape;
    Shape.nWeeks = nWeeks;
    Shape.nOpenWeek = n % 2 == 0 && nYear >= FIRST_YEAR_WITH_OPEN_WEEK ? nWeeks / 2 : -1;
    Counts.bRivalsPlanned =
        bPairDivisions && Divisions_Fit_Season(nGames, Shape.nOpenWeek >= 0 ? nWeeks - 1 : nWeeks);
    Shape.bWindow = Open_Progress_Window(PROGRESS_TITLE, n * std::max(nGames, 0) / 2) != 0;
    bool bFilled = n % 2 == 0 ? Fill_Even_League(Shape) : Fill_Odd_League(Shape);
    if (bFilled && Counts.bRivalsPlanned)
        bFilled = Every_Rival_Met_Twice();
    if (bFilled)
        Level_Home_And_Away(nWeeks);
    Counts.bRivalsPlanned = false;
    if (Shape.bWindow)
        Close_Progress_Window();
    Pump_Messages();
    return bFilled;
}
