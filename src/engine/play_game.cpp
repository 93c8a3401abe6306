// Playing one scheduled game: the record before the kick-off, the play loop,
// and what follows the final whistle.
#include "engine/play_game.h"

#include <cstdlib>
#include <cstring>

#include "base/random.h"
#include "engine/calibration.h"
#include "engine/game_ratings.h"
#include "engine/game_clock.h"
#include "engine/formations.h"
#include "engine/game_driver.h"
#include "engine/game_lineups.h"
#include "engine/game_log.h"
#include "engine/game_report.h"
#include "engine/narration.h"
#include "engine/game_state.h"
#include "engine/game_stats.h"
#include "engine/stadium_score.h"
#include "league/cities.h"
#include "league/human_teams.h"
#include "league/league_data.h"
#include "league/player.h"
#include "league/player_lookup.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "league/team_finances.h"
#include "league/team_schedule.h"
#include "platform/errors.h"

namespace {

constexpr int LAST_FRANCHISE = 35;
constexpr int FIRST_SPECIAL_SLOT = 36;
constexpr int LAST_SPECIAL_SLOT = 40;
constexpr int ROOF_DOMED = 1;
constexpr int ROOF_CONVERTIBLE = 2;
constexpr int STADIUM_STAT_ROOF = 1;
constexpr int FINANCE_VISITOR_DRAW = 0;
constexpr int MONTH_DAYS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// A uniform value 0-n: the truncation of U x (n + 1).
int Random_Upto(int n)
{
    return static_cast<int>((static_cast<uint64_t>(Generate_Random_Number()) * static_cast<uint64_t>(n + 1)) >> 32);
}

// a x b / c with half of c added first; a negative inexact quotient is lowered by 1.
int Scale(int a, int b, int c)
{
    return Mul_Div_Rounded(a, b, c);
}

bool Is_Valid_Home(int nHome)
{
    if (nHome >= FIRST_SPECIAL_SLOT && nHome <= LAST_SPECIAL_SLOT)
        return true;
    return nHome >= 0 && nHome <= LAST_FRANCHISE && Get_Team_Stat(nHome, TEAM_STAT_CONTROLLER) != CONTROLLER_NOT_IN_USE;
}

int Season_Year()
{
    return Get_Universe_Stat(FIRST_SEASON_YEAR) + Get_User_Preference(PREF_SEASON_INDEX);
}

int Starter_Offense_Formation(int nTeam)
{
    static constexpr int FORMATION_BY_SYSTEM[4] = {1, 4, 7, 18};
    int nSystem = Get_Team_Stat(nTeam, TEAM_STAT_OFFENSIVE_SYSTEM);
    nSystem = nSystem < 0 ? 0 : nSystem > 3 ? 3 : nSystem;
    return FORMATION_BY_SYSTEM[nSystem];
}

}  // namespace

void Copy_Game_Rosters(GAME* pGame)
{
    if (!pGame)
        return;
    for (int bSide : {GAME_SIDE_AWAY, GAME_SIDE_HOME}) {
        const int nTeam = Side_Team(pGame, bSide);
        for (int s = 0; s < GAME_ROSTER_SIZE; ++s) {
            const int nID = nTeam <= LAST_TEAM ? Get_Player_ID(nTeam, s) : 0;
            pGame->nRosterID[bSide][s] = nID > 0 ? nID : 0;
        }
    }
}

int Roll_Game_Sky(int nTeam, int nMonth)
{
    int x = Random_Upto(144);
    const int nLongitude = Get_Team_City_Stat(nTeam, CITY_STAT_LONGITUDE);
    if (nLongitude > 100000) {
        const int f = 250 - (7 - std::abs(nMonth - 6)) * (nLongitude / 1000 - 100);
        x = Scale(x, f, 250);
    }
    return x;
}

int Roll_Game_Temperature(int nTeam, int nMonth, int bLateGame, int nSky)
{
    int nLatitude = Get_Team_City_Stat(nTeam, CITY_STAT_LATITUDE);
    int nLongitude = Get_Team_City_Stat(nTeam, CITY_STAT_LONGITUDE);
    nLatitude = nLatitude < 23000 ? 23000 : nLatitude > 46000 ? 46000 : nLatitude;
    nLongitude = nLongitude < 75000 ? 75000 : nLongitude > 122000 ? 122000 : nLongitude;
    if (nLongitude > 100000)
        nLatitude -= (nLongitude - 100000) / 2;
    int t = 92 - static_cast<int>((static_cast<int64_t>(nLatitude - 16500) * std::abs(nMonth - 6) * 10) / 25500);
    if (bLateGame)
        t -= 10;
    if (nLongitude > 116500)
        t = (t + 70) / 2;
    const int a = Random_Upto(9);
    const int b = Random_Upto(9);
    t += a - b - Get_Team_City_Stat(nTeam, CITY_STAT_ALTITUDE) / 300;
    if (nSky > 100)
        t = Scale(t, 480, nSky + 400);
    return t;
}

void Set_Game_Weather(GAME* pGame)
{
    if (!pGame)
        return;
    const int nHome = pGame->nHomeTeam;
    const int nWeek = pGame->nWeek;
    int nDay = nWeek == OFFSEASON_WEEK ? 104 : nWeek * 7 + 249;
    nDay %= 365;
    int nMonth = 0;
    while (nMonth < 11 && nDay >= MONTH_DAYS[nMonth])
        nDay -= MONTH_DAYS[nMonth++];

    const int nSky = Roll_Game_Sky(nHome, nMonth);
    int t = Roll_Game_Temperature(nHome, nMonth, 0, nSky);
    const int nPlayoffDay = nWeek - Get_First_Playoff_Week();
    int nRoof = Get_Team_Stadium_Stat(nHome, STADIUM_STAT_ROOF);
    if (nPlayoffDay == 4) {
        t = 62 + Random_Upto(19);
        if (pGame->nYear % 2 == 0)
            nRoof = ROOF_DOMED;
    } else if (nPlayoffDay == 5) {
        t = 72 + Random_Upto(14);
    }
    bool bRoof = nRoof == ROOF_DOMED;
    if (nRoof == ROOF_CONVERTIBLE)
        bRoof = nSky > 90 || t < 55 || nSky / 10 + t >= 89;
    pGame->nWeatherDraw = static_cast<int16_t>(nSky);
    if (bRoof) {
        pGame->nWindSpeed = -1;
        pGame->nWindDirection = -1;
        t = (t + 730) / 11;
    } else {
        const int a = Random_Upto(11);
        const int b = Random_Upto(11);
        pGame->nWindSpeed = static_cast<int16_t>(a + b - 7 < 0 ? 0 : a + b - 7);
        pGame->nWindDirection = static_cast<int16_t>(Random_Upto(359));
    }
    pGame->nTemperature = static_cast<int16_t>(t);
}

void Set_Game_Attendance(GAME* pGame)
{
    if (!pGame)
        return;
    const int nHome = pGame->nHomeTeam;
    const int nAway = pGame->nAwayTeam;
    const int P = Get_Team_Financial_Stat(nHome, FINANCE_TICKET_PRICE);
    const int V = Get_Team_Financial_Stat(nAway, FINANCE_VISITOR_DRAW);
    const int nStreak = Get_Team_Winning_Streak(nHome) - Get_Team_Losing_Streak(nHome);
    auto Record = [](int nTeam) {
        return (Get_Team_Current_Yearly_Char(nTeam, 0) + 10) * 1000 / (Get_Team_Current_Yearly_Char(nTeam, 4) + 10);
    };
    const int H = Record(nHome);
    const int A = Record(nAway);
    const int k = nStreak > 0 ? 1000 + 30 * nStreak : 1000 + 20 * nStreak;
    int T = Scale(Compute_Team_Stadium_Income(nHome), k, 1000);
    T = Scale(T, H, 1000);
    T = Scale(T, A + 1000, 2000);
    T = Scale(T, V + 1000, 2000);
    const int F = Scale(Compute_Team_Fan_Income(nHome), Get_Team_Stadium_Score(nHome), 1000);
    int D = T > 0 ? Mul_Div_Rounded(F, T - P, T) : 0;
    if (Get_Team_Division(nHome) == Get_Team_Division(nAway))
        D = Scale(D, 1200, 1000);
    const int nFirstPlayoff = Get_First_Playoff_Week();
    if (Get_User_Preference(PREF_CURRENT_WEEK) > (nFirstPlayoff > 2 ? nFirstPlayoff : 2))
        D = Scale(D, 1500, 1000);
    const int L1 = Scale(Get_Universe_Stat(INFLATION_FACTOR), 5000, 1000);
    const int L2 = Scale(T, 55, 100);
    const int L = L1 > L2 ? L1 : L2;
    const int C = Get_Team_Stadium_Stat(nHome, STADIUM_STAT_CAPACITY);
    int N;
    if (D >= C) {
        N = D / 5 + Scale(C, 4, 5);
        if (N > Scale(C, 105, 100))
            N = N / 21 + C;
    } else {
        const int s = P == 0 ? 0 : Scale(L, 70, P);
        N = Scale(C, s, 100) + Scale(D, 100 - s, 100);
        if (P > L)
            N = Mul_Div_Rounded(N, L, P);
    }
    // The crowd never outnumbers the seats.
    N = N > C ? C : N;
    pGame->nAttendance = N < 0 ? 0 : N;
}

void Clear_Game_Player_Flags(GAME* pGame)
{
    if (!pGame)
        return;
    for (int bSide : {GAME_SIDE_AWAY, GAME_SIDE_HOME}) {
        const int nTeam = Side_Team(pGame, bSide);
        if (nTeam > LAST_TEAM)
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            const int nFlags = Get_Player_Vital_Stat(nTeam, s, VITAL_FLAGS);
            if (nFlags & ON_FIELD_THIS_GAME_FLAG)
                Set_Player_Vital_Stat(nTeam, s, VITAL_FLAGS, nFlags & ~ON_FIELD_THIS_GAME_FLAG);
        }
    }
}

void Credit_Game_Starters(GAME* pGame)
{
    if (!pGame)
        return;
    for (int bSide : {GAME_SIDE_AWAY, GAME_SIDE_HOME}) {
        const int nTeam = Side_Team(pGame, bSide);
        if (nTeam > LAST_TEAM)
            continue;
        const int nDefense = Get_Team_Stat(nTeam, TEAM_STAT_DEFENSE_ALIGNMENT) == 1 ? 25 : 22;
        for (int nFormation : {Starter_Offense_Formation(nTeam), nDefense}) {
            for (int p = 0; p < 11; ++p) {
                PLAYER_LOCATION Where{};
                const int nID = Get_Team_Lineup_Player(nTeam, nFormation, p);
                if (nID > 0 && Find_Player_By_ID(&Where, nID) && Where.nTeam == nTeam && Where.nSlot < PLAYERS_PER_TEAM)
                    Credit_Game_Player_Stat(pGame, nTeam, Where.nSlot, UNIT_FILTER_ANY, 1, 1);
                else
                    Report_Error("Bad nPlayer %d,%d in Credit_Game_Starters()", nTeam, p);
            }
        }
    }
}

void Run_Pre_Game_Steps(GAME* pGame)
{
    if (!pGame)
        return;
    pGame->nWeek = static_cast<int16_t>(Get_User_Preference(PREF_CURRENT_WEEK));
    pGame->nYear = static_cast<uint16_t>(Season_Year());
    Set_Game_Weather(pGame);
    Set_Game_Attendance(pGame);
    Update_Game_Lineups(pGame);
    Credit_Game_Starters(pGame);
    Clear_Game_Player_Flags(pGame);
}

namespace {
GAME_PREVIEW_HOOK g_pGamePreviewHook = nullptr;
}  // namespace

void Set_Game_Preview_Hook(GAME_PREVIEW_HOOK pHook)
{
    g_pGamePreviewHook = pHook;
}

int Play_Game(int nHome, int nAway, int nWeek, GAME* pGame)
{
    if (!pGame)
        return 0;
    if (nWeek < 0 || nWeek >= SCHEDULE_WEEKS) {
        Report_Error("Invalid nWeek in Play_Game(%d,%d,[%d],)", nHome, nAway, nWeek);
        return 0;
    }
    const bool bResume = Get_User_Preference(PREF_PLAYING_GAMES) != 0;
    if (!bResume) {
        // A game stopped part-way (Stop, or a game left unfinished) keeps its
        // log, box-score body and narration; a new game's pages start empty.
        Clear_Game_Log_Texts();
        Clear_Game_Report_Html();
        Clear_Play_Commentary_Texts();
        std::memset(pGame, 0, sizeof(GAME));
        pGame->nAwayTeam = static_cast<uint8_t>(nAway);
        pGame->nHomeTeam = static_cast<uint8_t>(nHome);
        if (Is_Valid_Home(nHome) && Is_Valid_Team(nAway)) {
            pGame->nScheduleInfo = static_cast<int16_t>(Get_Team_Schedule_Stat(nHome, nWeek, SCHEDULE_KICKOFF_TIME));
            int nPointSpread = 0;
            int nOverUnder = 0;
            Get_Game_Lines(nAway, nHome, &nPointSpread, &nOverUnder);
            pGame->nPointSpread = static_cast<int16_t>(nPointSpread + 1000);
            pGame->nOverUnder = static_cast<int16_t>(nOverUnder + 1000);
        }
    } else if (Is_Game_Over(pGame)) {
        return 0;
    }
    if (!Is_Valid_Home(nHome) || !Is_Valid_Team(nAway)) {
        Report_Error("Invalid TNUM parameter to Play_Game(%d,%d,%d,)", nHome, nAway, nWeek);
        return 0;
    }
    Check_Team_Returners(nHome);
    Check_Team_Returners(nAway);
    // From here to the final whistle the depth charts change only by an
    // injury: the line-ups below and the snaps share their answers.
    Begin_On_Field_Cache(pGame);
    if (!bResume) {
        // A user's game is previewed, unless he asked to simulate the rest
        // of the run without previews. Whatever the preview answers, only
        // the week's watch flags change, never a result.
        if (g_pGamePreviewHook != nullptr && Get_User_Preference(PREF_SIMULATE_ALL_NO_PREVIEWS) != 1 &&
            (Is_Human_Team(nHome) || Is_Human_Team(nAway)))
            g_pGamePreviewHook(pGame, nWeek);
        Copy_Game_Rosters(pGame);
        Run_Pre_Game_Steps(pGame);
        Write_Game_Page_Header(pGame);
    } else {
        // The line-up tables live outside the saved league: take them again.
        Update_Game_Lineups(pGame);
    }
    Begin_Game_Rating_Cache(pGame);
    Run_Game(pGame);
    End_Game_Rating_Cache();
    return Is_Game_Over(pGame) ? 1 : 0;
}

void Finish_Played_Game(GAME* pGame, int nWeek)
{
    if (!pGame) {
        Report_Error("%s(null, %d)", __func__, nWeek);
        return;
    }
    const int nIndex = Get_User_Preference(PREF_PAGE_FILE_NUMBER);
    Write_Box_Score_File(pGame, nIndex, 1);
    Write_Recap_File(pGame, nIndex, 1);
    Credit_Games_Played(pGame);
    const int nHome = pGame->nHomeTeam;
    const int nAway = pGame->nAwayTeam;
    if (pGame->nScore[GAME_SIDE_HOME] > pGame->nScore[GAME_SIDE_AWAY]) {
        Add_Team_Win(nHome, 1);
        Add_Team_Loss(nAway, 0);
    } else if (pGame->nScore[GAME_SIDE_AWAY] > pGame->nScore[GAME_SIDE_HOME]) {
        Add_Team_Win(nAway, 0);
        Add_Team_Loss(nHome, 1);
    } else {
        Add_Team_Tie(nHome, 1);
        Add_Team_Tie(nAway, 0);
    }
    for (int nTeam : {nAway, nHome})
        if (nWeek >= 0 && nWeek <= 21 && nTeam >= 0 && nTeam <= 36)
            Set_Calendar_PBP_Flag(nTeam, nWeek, 0);
}
