// The three end-of-season reports. Lines go out one append at a time, so a
// file that cannot be opened simply stays unwritten.
#include "season/season_reports.h"
#include "season/player_value.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <strings.h>

#include "base/text_utils.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "league/team_schedule.h"
#include "platform/files.h"
#include "platform/ui.h"

namespace {

constexpr int LINE_SIZE = 256;
constexpr int TEAM_STRING_TEXT_SIZE = 32;     // a team string and its terminator
constexpr int AWARDS_PROGRESS_STEPS = 100;
constexpr int PRO_BOWL_STARTERS = 24;
constexpr int PLACES_PER_UNIT = 11;
constexpr int LAST_NAMED_TEAM = 37;       // slots above have no nickname in the results
constexpr int BRACKET_PAIRS_END = 30;     // pairs (s, s + 1) for s = 0, 2, ..., 28
constexpr int FIRST_DIVISION_ROUND_SLOT = 16;
constexpr int FIRST_CHAMPIONSHIP_SLOT = 24;
constexpr int TITLE_GAME_SLOT = 28;

// Starts a report: the folder made, the old file of that name gone.
void Start_Report(const char* szPath)
{
    files::Create_Folders("Output");
    files::Delete_File(szPath);
}

void Upper_First(char* szText)
{
    szText[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(szText[0])));
}

// Millions and the tenths digit of a dollar amount.
void Split_Millions(int nDollars, int& nMillions, int& nTenths)
{
    nMillions = nDollars / 1000000;
    nTenths = (nDollars % 1000000) / 100000;
}

const char* Position_Abbreviation(int nPosition)
{
    static const char* const ABBREVIATIONS[] = {"QB", "RB", "FB", "TE", "WR", "T", "G", "C",
                                                "DE", "DT", "LB", "CB", "S", "K", "P"};
    if (nPosition >= 0 && nPosition <= POSITION_P)
        return ABBREVIATIONS[nPosition];
    return nPosition == POSITION_ANY ? "Any" : "";
}

// The awards' value: production plus a return bonus for backs, receivers
// and defensive backs.
int Award_Value(int nTeam, int nSlot)
{
    int nValue = Get_Player_Production_Value(nTeam, nSlot, STAT_PERIOD_THIS_SEASON);
    if (Is_Player_Back_Or_Receiver(nTeam, nSlot)) {
        const int G = Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_THIS_SEASON, 302) +
                      Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_THIS_SEASON, 303);
        nValue += G > 100 ? G - 50 : G / 2;
    }
    return nValue;
}

int Player_Base_Position(int nTeam, int nSlot)
{
    const int nCode = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    return nCode >= POSITION_ANY ? Translate_Expanded_Position(nCode) : nCode;
}

struct CHOICE {
    int nTeam = -1;
    int nSlot = -1;
    int nValue = 0;
};

// The best candidate of the clubs in use that passes the test; the first
// found keeps a tie. nTeam -1 when nobody qualifies.
template <typename F> CHOICE Choose_Best(F bQualifies)
{
    CHOICE Best;
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; ++t)
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Get_Player_ID(t, s) == 0 || !bQualifies(t, s))
                continue;
            const int nValue = Award_Value(t, s);
            if (Best.nTeam < 0 || nValue > Best.nValue)
                Best = {t, s, nValue};
        }
    return Best;
}

void Append_Award(const char* szPath, const char* szTitle, const CHOICE& Choice)
{
    char szPlayer[LINE_SIZE] = "";
    if (Choice.nTeam >= 0)
        Format_Player_With_Team(Choice.nTeam, Choice.nSlot, szPlayer, sizeof(szPlayer));
    Append_Formatted_Line_To_File(szPath, "%32s: %s", szTitle, szPlayer);
}

// A club's name in the playoff results: the nickname, or the city for the
// placeholder nickname.
void Results_Name(int nTeam, char* szOut, size_t nSize)
{
    szOut[0] = '\0';
    if (nTeam < 0 || nTeam > LAST_NAMED_TEAM)
        return;
    Get_Team_String(szOut, nSize, nTeam, TEAM_STRING_NICKNAME);
    if (strcasecmp(szOut, "Vazarudu Team") == 0)
        Get_Team_String(szOut, nSize, nTeam, TEAM_STRING_CITY);
}

// Standings name cell: the club's nickname (its city for the placeholder
// nickname), as the standings pages show it.
void Standings_Name(int nTeam, char* szOut, size_t nSize)
{
    Results_Name(nTeam, szOut, nSize);
}

// Points for and against, and yards from scrimmage (rushing and passing as
// each box score gives them), over the season's regular-season game records.
// The club's season totals would count its playoff games too.
struct SEASON_SUMS {
    int nFor = 0;
    int nAgainst = 0;
    int nYards = 0;
};

SEASON_SUMS Sum_Team_Season(int nTeam)
{
    SEASON_SUMS Sums;
    const int nFirstPlayoffWeek = Get_First_Playoff_Week();
    const int nGames = Count_Game_Records();
    for (int g = 0; g < nGames; ++g) {
        const GAME* pGame = Get_Game_Record(g);
        if (!pGame || pGame->nWeek >= nFirstPlayoffWeek || pGame->nAwayTeam == pGame->nHomeTeam)
            continue;
        const int nSide = pGame->nAwayTeam == nTeam ? GAME_SIDE_AWAY : pGame->nHomeTeam == nTeam ? GAME_SIDE_HOME : -1;
        if (nSide < 0)
            continue;
        Sums.nFor += pGame->nScore[nSide];
        Sums.nAgainst += pGame->nScore[1 - nSide];
        // Stored as 16 bits: a game of lost yardage is negative.
        Sums.nYards += static_cast<int16_t>(pGame->nTeamTotal[nSide][GAME_TOTAL_RUSHING_YARDS]) +
                       static_cast<int16_t>(pGame->nTeamTotal[nSide][GAME_TOTAL_PASSING_YARDS]);
    }
    return Sums;
}

}  // namespace

// ---------------------------------------------------------------------------
// Services the reports lean on

void Format_Player_With_Team(int nTeam, int nSlot, char* szOut, size_t nSize)
{
    if (!szOut || nSize == 0)
        return;
    szOut[0] = '\0';
    if (!Check_Player_Address(__func__, nTeam, nSlot) || Get_Player_ID(nTeam, nSlot) == 0)
        return;
    char szName[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(nTeam, nSlot, szName);
    char szAbbreviation[TEAM_STRING_TEXT_SIZE];
    Get_Team_String(szAbbreviation, nTeam, TEAM_STRING_ABBREVIATION);
    std::snprintf(szOut, nSize, "%s (%s)", szName, szAbbreviation);
}

// The starters' template: an offence of one back, a fullback, a tight end
// and two receivers; a 4-3 defence with two corners and two safeties; the
// kicker and the punter.
int Sort_Roster_For_Depth_Chart(int, int nUnit, int nPlace)
{
    static const int TEMPLATE[3][PLACES_PER_UNIT] = {
        {POSITION_QB, POSITION_RB, POSITION_FB, POSITION_TE, POSITION_WR, POSITION_WR, POSITION_T, POSITION_T,
         POSITION_G, POSITION_G, POSITION_C},
        {POSITION_DE, POSITION_DE, POSITION_DT, POSITION_DT, POSITION_LB, POSITION_LB, POSITION_LB, POSITION_CB,
         POSITION_CB, POSITION_S, POSITION_S},
        {POSITION_K, POSITION_P, POSITION_ANY, POSITION_ANY, POSITION_ANY, POSITION_ANY, POSITION_ANY, POSITION_ANY,
         POSITION_ANY, POSITION_ANY, POSITION_ANY},
    };
    if (nUnit < 0 || nUnit > 2 || nPlace < 0 || nPlace >= PLACES_PER_UNIT)
        return POSITION_ANY;
    return TEMPLATE[nUnit][nPlace];
}

// ---------------------------------------------------------------------------
// The reports

void Write_Money_Report()
{
    if (Get_User_Preference(PREF_WRITE_MONEY_REPORT) == 0)
        return;
    const int nYear = Get_Current_Year();
    char szPath[LINE_SIZE];
    std::snprintf(szPath, sizeof(szPath), "Output\\Money-%02d.txt", nYear % 100);
    Start_Report(szPath);
    Append_Line_To_File(szPath, "");
    Append_Line_To_File(szPath, "                                             TICKETS        ATTENDANCE");
    Append_Formatted_Line_To_File(szPath, "End Of %-18d  Cash  Payroll  Price  Revenue   Home    Road", nYear);
    const int nTeams = Count_Teams();
    const bool bAllComputer = Get_User_Preference(PREF_ALL_COMPUTER_TEAMS) != 0;
    for (int t = 0; t < nTeams; ++t) {
        char szName[LINE_SIZE];
        Get_Team_Full_Name(t, szName);
        if (!bAllComputer && Get_Team_Stat(t, TEAM_STAT_CONTROLLER) == CONTROLLER_USER)
            Upper_First(szName);
        int nCashM, nCashT, nRevenueM, nRevenueT;
        Split_Millions(std::max(0, Get_Team_Financial_Stat(t, FINANCE_CASH)), nCashM, nCashT);
        Split_Millions(Get_Team_Financial_Stat(t, FINANCE_TICKETS), nRevenueM, nRevenueT);
        const int nPayroll = Get_Team_Financial_Stat(t, FINANCE_PAYROLL);
        char szHome[TEXT_BUFFER_SIZE];
        char szRoad[TEXT_BUFFER_SIZE];
        Format_Number_With_Commas(Get_Team_Financial_Stat(t, FINANCE_AVERAGE_ATTENDANCE), szHome);
        Format_Number_With_Commas(Get_Team_Financial_Stat(t, FINANCE_AVERAGE_ROAD_ATTENDANCE), szRoad);
        Append_Formatted_Line_To_File(szPath, "%-25s %3d.%01dM %3d.%01dM    $%2d   %3d.%01dM   %6s  %6s", szName, nCashM, nCashT,
                                      nPayroll / 1000, (nPayroll % 1000) / 100,
                                      Get_Team_Financial_Stat(t, FINANCE_TICKET_PRICE) / 100, nRevenueM, nRevenueT, szHome,
                                      szRoad);
    }
}

void Write_Awards_Report()
{
    if (Get_User_Preference(PREF_WRITE_AWARDS_REPORT) == 0)
        return;
    const int nYear = Get_Current_Year();
    char szPath[LINE_SIZE];
    std::snprintf(szPath, sizeof(szPath), "Output\\Awards%02d.txt", nYear % 100);
    const bool bProgress = Open_Progress_Window("Creating Output/Awards.txt...", AWARDS_PROGRESS_STEPS) != 0;
    Start_Report(szPath);

    auto Unit_Of = [](int t, int s) { return Get_Position_Unit(Player_Base_Position(t, s)); };
    Append_Award(szPath, "MOST VALUABLE PLAYER", Choose_Best([&](int t, int s) { return Unit_Of(t, s) == UNIT_BACKS; }));
    Append_Award(szPath, "DEFENSIVE PLAYER OF THE YEAR",
                 Choose_Best([&](int t, int s) { return Unit_Of(t, s) == UNIT_DEFENSE; }));
    Append_Award(szPath, "ROOKIE OF THE YEAR",
                 Choose_Best([](int t, int s) { return Get_Player_Vital_Stat(t, s, VITAL_SEASONS_PLAYED) == 0; }));
    Append_Line_To_File(szPath, "");

    for (int nLeague = 0; nLeague < NUMBER_OF_LEAGUES; ++nLeague) {
        char szLeague[LEAGUE_NAME_SIZE];
        Get_League_Name(nLeague, szLeague);
        Upper_First(szLeague);
        Append_Formatted_Line_To_File(szPath, "%s PRO BOWL STARTERS (%d)", szLeague, nYear);
        if (bProgress)
            Step_Progress_Window(2);
        CHOICE Named[PRO_BOWL_STARTERS];
        for (int k = 0; k < PRO_BOWL_STARTERS; ++k) {
            if (k == 0 || k == 11 || k == 22)
                Append_Line_To_File(szPath, "");
            const int nPosition = Sort_Roster_For_Depth_Chart(-1, k / PLACES_PER_UNIT, k % PLACES_PER_UNIT);
            CHOICE Best;
            const int nTeams = Count_Teams();
            for (int t = 0; t < nTeams; ++t) {
                if (Get_Team_Stat(t, TEAM_STAT_DIVISION) / 4 != nLeague)
                    continue;
                for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
                    if (Get_Player_ID(t, s) == 0 || Get_Player_Vital_Stat(t, s, VITAL_POSITION) != nPosition)
                        continue;
                    const bool bNamed = std::any_of(Named, Named + k, [&](const CHOICE& C) { return C.nTeam == t && C.nSlot == s; });
                    const int nValue = bNamed ? 0 : Award_Value(t, s);
                    if (Best.nTeam < 0 || nValue > Best.nValue)
                        Best = {t, s, nValue};
                }
            }
            Named[k] = Best;
            char szPlayer[LINE_SIZE] = "";
            if (Best.nTeam >= 0)
                Format_Player_With_Team(Best.nTeam, Best.nSlot, szPlayer, sizeof(szPlayer));
            Append_Formatted_Line_To_File(szPath, "  %2s: %s", Position_Abbreviation(nPosition), szPlayer);
            if (bProgress)
                Step_Progress_Window(2);
        }
        Append_Line_To_File(szPath, "");
    }
    if (bProgress)
        Close_Progress_Window();
    Pump_Messages();
}

void Write_Standings_Report()
{
    if (Get_User_Preference(PREF_WRITE_STANDINGS_REPORT) == 0)
        return;
    const int nYear = Get_Current_Year();
    char szPath[LINE_SIZE];
    std::snprintf(szPath, sizeof(szPath), "Output\\Stndng%02d.txt", nYear % 100);
    Start_Report(szPath);
    const int nSeason = Get_Current_Season_Index();

    const int nLeagues = Count_Leagues();
    for (int L = 0; L < nLeagues; ++L) {
        char szLeague[LEAGUE_NAME_SIZE];
        Get_League_Name(L, szLeague);
        Upper_First(szLeague);
        Append_Line_To_File(szPath, "");
        Append_Formatted_Line_To_File(szPath, "%s (%d)", szLeague, nYear);
        Append_Line_To_File(szPath, "");
        const int nDivisions = Count_League_Divisions(L);
        for (int d = 4 * L; d < 4 * L + nDivisions; ++d) {
            char szDivision[DIVISION_NAME_SIZE];
            Get_Division_Name(d, szDivision);
            Upper_First(szDivision);
            Append_Formatted_Line_To_File(szPath, " %-20s %3s %3s %3s %5s %5s %5s %5s %5s", szDivision, "W", "L", "T", "PCT", "PF",
                                          "PA", "Yds", "+/-");
            const int nTeams = Count_Season_Division_Teams(d, nSeason);
            for (int i = 0; i < nTeams; ++i) {
                const int t = Get_Division_Place_Team(d, i, nSeason);
                if (t < 0 || t >= MAX_FRANCHISES)
                    continue;
                char szName[LINE_SIZE];
                Standings_Name(t, szName, sizeof(szName));
                char szPercent[TEXT_BUFFER_SIZE];
                Format_Thousandths(Get_Team_Winning_Percentage(t), szPercent);
                const SEASON_SUMS Sums = Sum_Team_Season(t);
                const int nFor = Sums.nFor;
                const int nAgainst = Sums.nAgainst;
                char szCells[5][16];
                std::snprintf(szCells[0], sizeof(szCells[0]), "%d", Get_Team_Wins(t));
                std::snprintf(szCells[1], sizeof(szCells[1]), "%d", Get_Team_Losses(t));
                std::snprintf(szCells[2], sizeof(szCells[2]), "%d", Get_Team_Ties(t));
                std::snprintf(szCells[3], sizeof(szCells[3]), "%d", Sums.nYards);
                std::snprintf(szCells[4], sizeof(szCells[4]), nFor > nAgainst ? "+%d" : "%d", nFor - nAgainst);
                Append_Formatted_Line_To_File(szPath, " %-20s %3s %3s %3s %5s %5d %5d %5s %5s", szName, szCells[0], szCells[1],
                                              szCells[2], szPercent, nFor, nAgainst, szCells[3], szCells[4]);
            }
            Append_Line_To_File(szPath, "");
        }
    }

    const int nDivisionCount = Count_Divisions();
    for (int s = 0; s < BRACKET_PAIRS_END; s += 2) {
        if (nDivisionCount == 3 && s == 0) {
            Append_Line_To_File(szPath, "");
            Append_Line_To_File(szPath, "WILD CARD GAMES");
        }
        if (nDivisionCount == 3 && s == FIRST_DIVISION_ROUND_SLOT) {
            Append_Line_To_File(szPath, "");
            Append_Line_To_File(szPath, "DIVISION PLAYOFFS");
        }
        if (nDivisionCount >= 2 && s == FIRST_CHAMPIONSHIP_SLOT) {
            Append_Line_To_File(szPath, "");
            Append_Line_To_File(szPath, nYear < 1970 ? "LEAGUE CHAMPIONSHIPS" : "CONFERENCE CHAMPIONSHIPS");
        }
        if (nLeagues == 2 && s == TITLE_GAME_SLOT) {
            Append_Line_To_File(szPath, "");
            Append_Line_To_File(szPath, "SUPER BOWL");
        }
        const int nScoreA = Get_Playoff_Score(s);
        const int nScoreB = Get_Playoff_Score(s + 1);
        if (nScoreA == nScoreB)
            continue;
        const int nWinner = nScoreA > nScoreB ? s : s + 1;
        const int nLoser = nWinner == s ? s + 1 : s;
        char szWinner[LINE_SIZE];
        char szLoser[LINE_SIZE];
        Results_Name(Get_Playoff_Team(nWinner), szWinner, sizeof(szWinner));
        Results_Name(Get_Playoff_Team(nLoser), szLoser, sizeof(szLoser));
        Append_Formatted_Line_To_File(szPath, " %s defeat %s, %d-%d", szWinner, szLoser, std::max(nScoreA, nScoreB),
                                      std::min(nScoreA, nScoreB));
    }
    Append_Line_To_File(szPath, "");
}
