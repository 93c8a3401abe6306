// The games of one day.

#include "season/games_of_day.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "engine/injury_services.h"
#include "engine/game_state.h"
#include "engine/play_game.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player_hash.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "league/team_finances.h"
#include "league/team_schedule.h"
#include "platform/errors.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "season/draft_pool.h"
#include "season/playoffs.h"
#include "season/standings.h"

namespace {

constexpr int LAST_GAME_DAY = 21;
constexpr int LAST_NAMED_TEAM = 37;              // slots above are pools: no name on the score line
constexpr unsigned WINNER_COLOUR = 0x0045F9FF;   // (255, 249, 69)
constexpr unsigned PLAIN_COLOUR = 0x00FFFFFF;
constexpr unsigned OVERTIME_COLOUR = 0x002EA6AA; // (170, 166, 46)

struct SCORE_RING {
    char szLine[SCORE_RING_ENTRIES][SCORE_RING_LINES][SCORE_LINE_SIZE];
    unsigned nColour[SCORE_RING_ENTRIES][SCORE_RING_LINES];
};
SCORE_RING g_Ring;

// round(k x a / b), halves up; 0 for a zero divisor. The totals are season
// sums, never negative.
int16_t Rounded_Ratio(int64_t a, int64_t k, int64_t b)
{
    if (b == 0)
        return 0;
    int64_t n = (a * k + b / 2) / b;
    if (n > INT16_MAX)
        n = INT16_MAX;
    if (n < INT16_MIN)
        n = INT16_MIN;
    return static_cast<int16_t>(n);
}

int16_t Clamped(int nValue)
{
    return static_cast<int16_t>(nValue > INT16_MAX ? INT16_MAX : (nValue < INT16_MIN ? INT16_MIN : nValue));
}

bool Is_Record_Referenced_Today(int nRecord, int nDay, int nTeams)
{
    for (int t = 0; t < nTeams; ++t)
        if (Get_Team_Schedule_Stat(t, nDay, SCHEDULE_GAME_INDEX) == nRecord)
            return true;
    return false;
}

// The first record after the finished ones that no game of today holds (a
// game stopped part-way keeps its record until it is resumed); -1 when the
// records are used up.
int Next_Free_Game_Record(int nDay, int nTeams)
{
    for (int i = Count_Game_Records(); i < NUMBER_OF_GAMES; ++i) {
        if (Is_Game_Over(Get_Game_Record(i)))
            continue;
        if (!Is_Record_Referenced_Today(i, nDay, nTeams))
            return i;
    }
    return -1;
}

// The record of a game of these two teams that was stopped part-way: it is
// played on from where it stopped, never from the kick-off again.
bool Is_Stopped_Game(int nRecord, int nHome, int nVisitor)
{
    if (nRecord < 0 || nRecord >= NUMBER_OF_GAMES)
        return false;
    const GAME* pGame = Get_Game_Record(nRecord);
    return !Is_Game_Over(pGame) && pGame->nHomeTeam == nHome && pGame->nAwayTeam == nVisitor;
}

bool Should_Stop()
{
    return Get_User_Preference(PREF_SIMULATION_RUNNING) == 0 ||
           Get_Current_Week() >= Get_Universe_Word(SIMULATION_STOP_DAY_WORD);
}

void Book_Game(GAME* pGame, int nRecord, int nDay, int k)
{
    Finish_Played_Game(pGame, nDay);
    const int nPlayoffStart = Get_Playoff_Start_Day();
    if (nDay >= nPlayoffStart)
        Record_Playoff_Result(pGame);
    Compute_Game_Day_Finances(nRecord);
    Clear_Standings_Order();
    if (Get_Current_Week() < nPlayoffStart)
        Update_Standings();
    Format_Score_Text(pGame, k);
    Reset_Page_Cache();
    Request_Main_Window_Repaint();
    Request_Status_Bar_Repaint();
    Request_News_Bar_Repaint();   // the shell knows whether the bar is up
    Draw_Game_Score_Box(pGame);
    Pump_Messages();
}

}  // namespace

void Prepare_Game_Day()
{
    int16_t nNorms[LEAGUE_NORM_COUNT];
    for (int i = 0; i < LEAGUE_NORM_COUNT; ++i)
        nNorms[i] = static_cast<int16_t>(Get_Default_League_Norm(i + 1));
    if (Count_League_Games() != 0) {
        const auto T = [](int c, int s) { return static_cast<int64_t>(Get_League_Total(c, 0, s)); };
        nNorms[0] = Rounded_Ratio(T(0, 8), 100, T(0, 7));
        nNorms[1] = Clamped(Get_League_Total(3, 0, 101));
        nNorms[2] = Rounded_Ratio(T(3, 5), 100, T(3, 3));
        nNorms[3] = Rounded_Ratio(T(3, 5), 1000, T(0, 8) + T(3, 8));
        nNorms[4] = Clamped(Get_League_Total(3, 0, 107));
        nNorms[5] = Clamped(Get_League_Total(3, 0, 111));
        nNorms[6] = Clamped(Get_League_Total(2, 0, 124));
    }
    Set_League_Norms(nNorms);
}

bool Has_Stopped_Game_Today()
{
    const int nDay = Get_Current_Week();
    if (nDay < 0 || nDay >= SCHEDULE_WEEKS)
        return false;
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; ++t) {
        const int nOpponent = Get_Team_Schedule_Stat(t, nDay, SCHEDULE_OPPONENT);
        if (nOpponent > 0 && Is_Stopped_Game(Get_Team_Schedule_Stat(t, nDay, SCHEDULE_GAME_INDEX), t, nOpponent - 1))
            return true;
    }
    return false;
}

void Play_Todays_Games()
{
    const int nTeams = Count_Teams();
    const int nDay = Get_Current_Week();
    int k = 0;
    Clear_Game_Buffers();
    Prepare_Game_Day();

    // The saved resume flag only says that a stopped game waits; the game is
    // found by its teams' schedule entries below, and every other game gets
    // a new record.
    Set_User_Preference(PREF_PLAYING_GAMES, 0);
    for (int t = 0; t < nTeams; ++t) {
        const int nOpponent = Get_Team_Schedule_Stat(t, nDay, SCHEDULE_OPPONENT);
        const int nEntryRecord = Get_Team_Schedule_Stat(t, nDay, SCHEDULE_GAME_INDEX);
        const int nVisitor = nOpponent - 1;
        const bool bPlay = nDay <= LAST_GAME_DAY && nOpponent > 0 &&
                           !(nEntryRecord >= 0 && nEntryRecord < NUMBER_OF_GAMES &&
                             Is_Game_Over(Get_Game_Record(nEntryRecord)));
        if (bPlay) {
            const bool bResume = Is_Stopped_Game(nEntryRecord, t, nVisitor);
            const int nRecord = bResume ? nEntryRecord : Next_Free_Game_Record(nDay, nTeams);
            if (nRecord < 0) {
                Report_Error("No free GAME record for team %d in week %d", t, nDay);
            } else {
                Set_Team_Schedule_Stat(t, nDay, SCHEDULE_GAME_INDEX, nRecord);
                Set_Team_Schedule_Stat(nVisitor, nDay, SCHEDULE_GAME_INDEX, nRecord);
                Set_User_Preference(PREF_PAGE_FILE_NUMBER, nRecord);
                Set_User_Preference(PREF_PLAYING_GAMES, bResume ? 1 : 0);
                GAME* pGame = Get_Game_Record(nRecord);
                const int bOver = Play_Game(t, nVisitor, nDay, pGame);
                Set_User_Preference(PREF_PLAYING_GAMES, 0);
                if (bOver)
                    Book_Game(pGame, nRecord, nDay, k++);
            }
        }
        if (Should_Stop())
            break;
    }
    Sanity_Check_Player_IDs();
    Set_Draft_Order();
}

void Format_Score_Text(const GAME* pGame, int k)
{
    if (pGame == nullptr || k < 0)
        return;
    const int nEntry = k % SCORE_RING_ENTRIES;
    const int nTeam[2] = {pGame->nAwayTeam, pGame->nHomeTeam};
    for (int nSide = 0; nSide < 2; ++nSide) {
        char szName[TEAM_STRING_SIZE] = "";
        if (nTeam[nSide] <= LAST_NAMED_TEAM)
            Get_Team_String(szName, nTeam[nSide], TEAM_STRING_NICKNAME);
        const int nOwn = pGame->nScore[nSide];
        const int nOther = pGame->nScore[1 - nSide];
        std::snprintf(g_Ring.szLine[nEntry][nSide], SCORE_LINE_SIZE, "%s %d", szName, nOwn);
        g_Ring.nColour[nEntry][nSide] = nOwn > nOther ? WINNER_COLOUR : PLAIN_COLOUR;
    }
    const bool bOvertime = pGame->nClock > SECONDS_OF_REGULATION;
    std::snprintf(g_Ring.szLine[nEntry][2], SCORE_LINE_SIZE, "%s", bOvertime ? "(OT)" : "");
    g_Ring.nColour[nEntry][2] = bOvertime ? OVERTIME_COLOUR : 0;
}

void Clear_Game_Buffers()
{
    std::memset(&g_Ring, 0, sizeof(g_Ring));
}

const char* Get_Score_Ring_Text(int nEntry, int nLine)
{
    if (nEntry < 0 || nEntry >= SCORE_RING_ENTRIES || nLine < 0 || nLine >= SCORE_RING_LINES)
        return "";
    return g_Ring.szLine[nEntry][nLine];
}

unsigned Get_Score_Ring_Colour(int nEntry, int nLine)
{
    if (nEntry < 0 || nEntry >= SCORE_RING_ENTRIES || nLine < 0 || nLine >= SCORE_RING_LINES)
        return 0;
    return g_Ring.nColour[nEntry][nLine];
}
