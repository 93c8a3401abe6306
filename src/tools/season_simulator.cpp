#include "tools/season_simulator.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <vector>

#include "base/input_file.h"
#include "base/text_utils.h"
#include "engine/game_report.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/player_hash.h"
#include "league/preferences.h"
#include "league/salary_cap.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "league/team_finances.h"
#include "league/team_ranks.h"
#include "league/team_schedule.h"
#include "league/team_strength.h"
#include "platform/dialog_template.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/main_frame.h"
#include "platform/save_failures.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "platform/ui_services.h"
#include "season/day_advance.h"
#include "season/leader_updates.h"
#include "season/player_generation.h"
#include "season/playoffs.h"

namespace {

// The days a season's regular part is played in, one at a time, before the
// rest of it and the playoffs go in two runs.
constexpr int SINGLE_DAYS = 18;
constexpr int SEASON_RUN_DAYS = 22;
constexpr int STEPS_PER_SEASON = 20;
constexpr int FINANCE_REVENUE = 82;
constexpr int FINANCE_PROFIT = 84;
constexpr int FINANCE_ATTENDANCE = 92;
constexpr int TEAM_STAT_PROJECTED_WINS = 16;   // tenths of a win

void File_Error(const char* szText)
{
    Show_Message_Box(szText, "File Error", BOX_OK | BOX_ICON_EXCLAMATION);
}

// A run writes "Simulator.dat" after every season (and reads it back for
// its reports): a disk that cannot take it fails each time, and one box in
// a run says so; the log has each.
bool g_bRunning = false;
bool g_bWriteFailureTold = false;

// A file of the simulator ("Simulator.dat" or a report) could not be
// written: the box gives the system's cause (the write, not the open, fails
// on a full disk), and the failure counts as a failed save, so that a
// script's line that asked for it fails.
void Tell_Write_Failure(int nError, const char* szName = SIMULATOR_DATA_FILE)
{
    const std::string Text =
        std::string("\"") + szName + "\" could not be written (" + files::Error_Text(nError) + ").";
    Write_Debug_Log("%s", Text.c_str());
    if (g_bRunning && g_bWriteFailureTold)
        return;
    g_bWriteFailureTold = true;
    File_Error(Text.c_str());
    Note_Failed_Save(Text);
}

int64_t Get_64(const SIMULATOR_TOTALS& T, int nIndex)
{
    return static_cast<int64_t>(static_cast<uint64_t>(static_cast<uint32_t>(T.n[nIndex])) |
                                (static_cast<uint64_t>(static_cast<uint32_t>(T.n[nIndex + 1])) << 32));
}

void Set_64(SIMULATOR_TOTALS& T, int nIndex, int64_t nValue)
{
    const uint64_t u = static_cast<uint64_t>(nValue);
    T.n[nIndex] = static_cast<int32_t>(static_cast<uint32_t>(u & 0xFFFFFFFFu));
    T.n[nIndex + 1] = static_cast<int32_t>(static_cast<uint32_t>(u >> 32));
}

// Totals grow across runs until cleared: they stop at the largest value
// rather than wrap.
void Add_Saturated(int32_t& nTotal, int64_t nValue)
{
    const int64_t nSum = static_cast<int64_t>(nTotal) + nValue;
    nTotal = static_cast<int32_t>(std::clamp<int64_t>(nSum, INT32_MIN, INT32_MAX));
}

void Add_Saturated_64(SIMULATOR_TOTALS& T, int nIndex, int64_t nValue)
{
    const int64_t nOld = Get_64(T, nIndex);
    int64_t nSum;
    if (__builtin_add_overflow(nOld, nValue, &nSum))
        nSum = nValue > 0 ? INT64_MAX : INT64_MIN;
    Set_64(T, nIndex, nSum);
}

// A file holds totals this program could have written: no negative count,
// markers 0 or -1.
bool Is_Sound(const SIMULATOR_TOTALS& T)
{
    for (int i = SIM_SEASONS; i < SIM_TALLY_MARKERS; ++i)
        if (T.n[i] < 0)
            return false;
    for (int i = SIM_TALLY_MARKERS; i < SIM_TALLY_COUNTS; ++i)
        if (T.n[i] != 0 && T.n[i] != -1)
            return false;
    for (int i = SIM_TALLY_COUNTS; i < SIM_SPARE; ++i)
        if (T.n[i] < 0)
            return false;
    for (int i = SIM_ATTENDANCE; i < SIMULATOR_INTS; ++i)
        if (T.n[i] < 0)
            return false;
    return true;
}

bool Write_File(const SIMULATOR_TOTALS& Totals)
{
    // Little-endian whatever the machine.
    unsigned char Bytes[SIMULATOR_FILE_SIZE];
    for (int i = 0; i < SIMULATOR_INTS; ++i) {
        const uint32_t u = static_cast<uint32_t>(Totals.n[i]);
        for (int b = 0; b < 4; ++b)
            Bytes[i * 4 + b] = static_cast<unsigned char>(u >> (8 * b));
    }
    return files::Write_Whole_File(SIMULATOR_DATA_FILE, Bytes, sizeof(Bytes), true);
}

}  // namespace

void Count_Simulator_Finish(SIMULATOR_TOTALS& T, int nTeam)
{
    if (nTeam < 0 || nTeam >= SIMULATOR_TEAMS)
        return;
    int32_t* pCounters = &T.n[SIM_FINISHES + 9 * nTeam];
    const int nCode = Record_Team_Division_Finish(nTeam);
    if (nCode >= SIM_ROUND_ONE && nCode <= SIM_WORLD_CHAMPION)
        Add_Saturated(pCounters[nCode], 1);
    if (nCode >= SIM_WILD)
        Add_Saturated(pCounters[SIM_WILD], 1);
    const int nPlace = Get_Team_Division_Place(nTeam);
    int k = SIM_FIFTH_OR_LOWER;
    if (nPlace == 0)
        k = SIM_FIRST;
    else if (nPlace == 1)
        k = SIM_SECOND;
    else if (nPlace == 2)
        k = SIM_THIRD;
    else if (nPlace == 3)
        k = SIM_FOURTH;
    else if (nPlace == NOT_IN_DIVISION_ROWS)
        Report_Error("Team not found in Get_Team_Division_Standing()");
    Add_Saturated(pCounters[k], 1);
}

namespace {

// The points a club scored (bScored) or allowed in the season's regular
// games: the games its wins, losses and ties count, so that points a game
// divide like with like.
int64_t Regular_Season_Points(int nTeam, bool bScored)
{
    const int nFirstPlayoffWeek = Get_First_Playoff_Week();
    int64_t nTotal = 0;
    const int nRecords = Count_Season_Game_Records();
    for (int i = 0; i < nRecords; ++i) {
        const GAME* pGame = Get_Game_Record(i);
        if (pGame == nullptr || pGame->nAwayTeam == pGame->nHomeTeam || pGame->nWeek >= nFirstPlayoffWeek)
            continue;
        int nSide;
        if (pGame->nHomeTeam == nTeam)
            nSide = GAME_SIDE_HOME;
        else if (pGame->nAwayTeam == nTeam)
            nSide = GAME_SIDE_AWAY;
        else
            continue;
        nTotal += pGame->nScore[bScored ? nSide : 1 - nSide];
    }
    return nTotal;
}

void Add_Season(SIMULATOR_TOTALS& T)
{
    const int nTeams = std::min(Count_Teams(), SIMULATOR_TEAMS);
    for (int t = 0; t < nTeams; ++t) {
        Add_Saturated(T.n[SIM_WINS + t], Get_Team_Current_Yearly_Char(t, YEARLY_WINS));
        Add_Saturated(T.n[SIM_LOSSES + t], Get_Team_Current_Yearly_Char(t, YEARLY_LOSSES));
        Add_Saturated(T.n[SIM_GAMES + t], Get_Team_Games_Played(t));
        Add_Saturated(T.n[SIM_SCORED + t], Regular_Season_Points(t, true));
        Add_Saturated(T.n[SIM_ALLOWED + t], Regular_Season_Points(t, false));
        Count_Simulator_Finish(T, t);
        Add_Saturated_64(T, SIM_REVENUE + 2 * t, Get_Team_Financial_Stat(t, FINANCE_REVENUE));
        Add_Saturated_64(T, SIM_PROFIT + 2 * t, Get_Team_Financial_Stat(t, FINANCE_PROFIT));
        Add_Saturated(T.n[SIM_ATTENDANCE + t], std::max(Get_Team_Financial_Stat(t, FINANCE_ATTENDANCE), 0));
    }
    Add_Saturated(T.n[SIM_SEASONS], 1);
}

void Add_Season_To_Totals()
{
    SIMULATOR_TOTALS T;
    Load_Simulator_Data(T);
    Add_Season(T);
    if (!Write_File(T))
        Tell_Write_Failure(errno);
}

// The league as it was before a season was played, with what a load
// rebuilds beside the block.
void Restore_League(const std::vector<uint8_t>& Snapshot)
{
    Restore_League_Block(Snapshot);
    // Names drawn for the simulated seasons' new players must not reach the
    // real one's.
    Reset_Name_Pool();
    Note_All_Player_Ratings_Changed();
    Invalidate_Career_Leaders_Snapshot();
    Build_Player_Name_Hash();
    Build_Corvel_ID_Hash();
    Build_Player_ID_Hash();
}

bool Play_One_Season()
{
    for (int i = 0; i < SINGLE_DAYS; ++i) {
        if (Get_Current_Week() < Get_First_Playoff_Week())
            Advance_Day(1);
        Step_Progress_Window(1);
    }
    if (Get_Current_Week() < Get_First_Playoff_Week()) {
        Advance_Day(SEASON_RUN_DAYS);
        Step_Progress_Window(1);
    }
    if (Get_User_Preference(PREF_ALL_COMPUTER_TEAMS) == 0)
        return false;
    Advance_Day(SEASON_RUN_DAYS);
    return Get_User_Preference(PREF_ALL_COMPUTER_TEAMS) != 0;
}

// "(total x 100 + S/2) / S" as "%3d.%02d"; 0 for no seasons.
void Format_Average(char* szOut, size_t nSize, int64_t nTotal, int64_t nSeasons, bool bCsv)
{
    const int64_t v = nSeasons > 0 ? (nTotal * 100 + nSeasons / 2) / nSeasons : 0;
    std::snprintf(szOut, nSize, bCsv ? "%d.%02d" : "%3d.%02d", static_cast<int>(v / 100), static_cast<int>(v % 100));
}

int64_t Per_Game_Tenths(int64_t nTotal, int64_t nGames)
{
    return nGames > 0 ? (nTotal * 10 + nGames / 2) / nGames : 0;
}

int64_t Rounded_Average(int64_t nTotal, int64_t nSeasons)
{
    if (nSeasons <= 0)
        return 0;
    return nTotal >= 0 ? (nTotal + nSeasons / 2) / nSeasons : -((-nTotal + nSeasons / 2) / nSeasons);
}

void Write_Division(FILE* pFile, const SIMULATOR_TOTALS& T, int nDivision, bool bCsv)
{
    std::vector<int> Teams;
    for (int n = 0;; ++n) {
        const int nTeam = Get_Nth_Team_In_Division(nDivision, n);
        if (nTeam == NO_TEAM)
            break;
        if (nTeam >= 0 && nTeam < SIMULATOR_TEAMS)
            Teams.push_back(nTeam);
    }
    if (Teams.empty())
        return;
    const bool bFive = Teams.size() >= 5;
    const char* szFifth = bFive ? "5+" : "";
    std::fputc('\n', pFile);
    if (bCsv)
        std::fprintf(pFile, "%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s", "Team", "Division", "Won", "Lost", "WC", "LC",
                     "1R", "1st", "Wild", "2nd", "3rd", "4th", szFifth);
    else
        std::fprintf(pFile, "%22s %12s %6s %6s %4s %4s %4s %4s %4s %4s %4s %4s %4s", "Team", "Division", "Won",
                     "Lost", "WC", "LC", "1R", "1st", "Wild", "2nd", "3rd", "4th", szFifth);
    if (bCsv)
        std::fputs(",,Scored,Allowed,,Running,Passing,Run Defense,Pass Defense,Special Teams,Power Rank", pFile);
    std::fputc('\n', pFile);
    // Most wins first; ties keep division order.
    std::stable_sort(Teams.begin(), Teams.end(),
                     [&T](int a, int b) { return T.n[SIM_WINS + a] > T.n[SIM_WINS + b]; });
    char szDivision[32];
    Get_Division_Name(nDivision, szDivision);
    const int64_t nSeasons = T.n[SIM_SEASONS];
    for (int nTeam : Teams) {
        char szName[64];
        Get_Team_Full_Name(nTeam, szName);
        char szWon[24], szLost[24];
        Format_Average(szWon, sizeof(szWon), T.n[SIM_WINS + nTeam], nSeasons, bCsv);
        Format_Average(szLost, sizeof(szLost), T.n[SIM_LOSSES + nTeam], nSeasons, bCsv);
        const int32_t* c = &T.n[SIM_FINISHES + 9 * nTeam];
        if (bCsv) {
            std::fprintf(pFile, "%s,%s,%s,%s,%d,%d,%d,%d,%d,%d,%d,%d,", szName, szDivision, szWon, szLost,
                         c[SIM_WORLD_CHAMPION], c[SIM_LEAGUE_CHAMPION], c[SIM_ROUND_ONE], c[SIM_FIRST], c[SIM_WILD],
                         c[SIM_SECOND], c[SIM_THIRD], c[SIM_FOURTH]);
            if (bFive)
                std::fprintf(pFile, "%d", c[SIM_FIFTH_OR_LOWER]);
            const int64_t nGames = T.n[SIM_GAMES + nTeam];
            const int64_t nScored = Per_Game_Tenths(T.n[SIM_SCORED + nTeam], nGames);
            const int64_t nAllowed = Per_Game_Tenths(T.n[SIM_ALLOWED + nTeam], nGames);
            char szProjected[24] = "";
            const int nProjected = Get_Team_Stat(nTeam, TEAM_STAT_PROJECTED_WINS);
            if (nProjected > 0)
                std::snprintf(szProjected, sizeof(szProjected), "%d.%d", nProjected / 10, nProjected % 10);
            std::fprintf(pFile, ",,%d.%01d,%d.%01d,%s,%d,%d,%d,%d,%d,%d", static_cast<int>(nScored / 10),
                         static_cast<int>(nScored % 10), static_cast<int>(nAllowed / 10),
                         static_cast<int>(nAllowed % 10), szProjected, Get_Team_Run_Rating(nTeam),
                         Get_Team_Pass_Rating(nTeam), Get_Team_Run_Defense_Rating(nTeam),
                         Get_Team_Pass_Defense_Rating(nTeam), Get_Team_Special_Teams_Rating(nTeam),
                         Get_Team_Points_Rank(nTeam) + 1);
        } else {
            std::fprintf(pFile, "%22s %12s %6s %6s %4d %4d %4d %4d %4d %4d %4d %4d", szName, szDivision, szWon,
                         szLost, c[SIM_WORLD_CHAMPION], c[SIM_LEAGUE_CHAMPION], c[SIM_ROUND_ONE], c[SIM_FIRST],
                         c[SIM_WILD], c[SIM_SECOND], c[SIM_THIRD], c[SIM_FOURTH]);
            if (bFive)
                std::fprintf(pFile, " %4d", c[SIM_FIFTH_OR_LOWER]);
            else
                std::fputs("     ", pFile);
        }
        std::fputc('\n', pFile);
    }
}

}  // namespace

void Add_Simulator_Season(SIMULATOR_TOTALS& T)
{
    Add_Season(T);
}

int Load_Simulator_Data(SIMULATOR_TOTALS& Totals)
{
    std::memset(&Totals, 0, sizeof(Totals));
    const std::string Path = files::Resolve_Path(SIMULATOR_DATA_FILE);
    struct stat Info;
    if (stat(Path.c_str(), &Info) != 0) {
        // None yet: a zeroed one is started.
        if (!Write_File(Totals)) {
            Tell_Write_Failure(errno);
            return 0;
        }
        return 1;
    }
    std::vector<unsigned char> Bytes;
    bool bRead = S_ISREG(Info.st_mode) && files::Read_Whole_File(Path.c_str(), Bytes, SIMULATOR_FILE_SIZE + 1);
    if (bRead && Bytes.size() == static_cast<size_t>(SIMULATOR_FILE_SIZE)) {
        for (int i = 0; i < SIMULATOR_INTS; ++i)
            Totals.n[i] = static_cast<int32_t>(static_cast<uint32_t>(Bytes[i * 4]) |
                                               (static_cast<uint32_t>(Bytes[i * 4 + 1]) << 8) |
                                               (static_cast<uint32_t>(Bytes[i * 4 + 2]) << 16) |
                                               (static_cast<uint32_t>(Bytes[i * 4 + 3]) << 24));
        if (Is_Sound(Totals))
            return 1;
    }
    // Damaged: kept aside for the user, and a zeroed file started.
    std::memset(&Totals, 0, sizeof(Totals));
    const std::string Aside = Path + ".bad";
    files::Rename_File(Path.c_str(), Aside.c_str());
    Show_Message_Box("\"Simulator.dat\" was damaged. It was set aside as \"Simulator.dat.bad\" and the simulation "
                     "totals start again from zero.",
                     "Season Simulator", BOX_OK | BOX_ICON_EXCLAMATION);
    if (!Write_File(Totals))
        Tell_Write_Failure(errno);
    return 0;
}

void Save_Simulator_Data()
{
    SIMULATOR_TOTALS Zero;
    std::memset(&Zero, 0, sizeof(Zero));
    if (!Write_File(Zero))
        Tell_Write_Failure(errno);
}

int Write_Simulator_Data(const SIMULATOR_TOTALS& Totals)
{
    if (Write_File(Totals))
        return 1;
    Tell_Write_Failure(errno);
    return 0;
}

int Tally_Simulator_Block(int a, int b)
{
    if (a < 0 || a > 5 || b < 0 || b > 1) {
        Report_Error("Tally_Simulator_Block(%d,%d) refused", a, b);
        return 0;
    }
    SIMULATOR_TOTALS T;
    if (!Load_Simulator_Data(T))
        return 0;
    const int nBlock = 2 * a + b;
    int32_t* pMarkers = &T.n[SIM_TALLY_MARKERS + nBlock * SIM_TALLY_BLOCK];
    int32_t* pCounts = &T.n[SIM_TALLY_COUNTS + nBlock * SIM_TALLY_BLOCK];
    bool bUsed = false;
    for (int i = 0; i < SIM_TALLY_BLOCK; ++i)
        if (pMarkers[i] == -1) {
            Add_Saturated(pCounts[i], 1);
            bUsed = true;
        }
    if (!bUsed) {
        pMarkers[0] = -1;
        pCounts[0] = 1;
    }
    Write_Simulator_Data(T);
    return 1;
}

bool Simulate_Seasons(int nSeasons, std::string& Problem)
{
    if (nSeasons < 1 || nSeasons > SIMULATOR_MOST_SEASONS) {
        Problem = "a run takes 1 to 1000 seasons";
        return false;
    }
    if (Is_Simulation_In_Progress() || Get_Universe_Word(DAY_ADVANCE_BUSY_WORD) != 0) {
        Problem = "games are being played";
        return false;
    }
    if (Is_Season_Complete() || Get_Current_Week() >= OFFSEASON_WEEK) {
        // Another run would play the off-season and count the same season
        // again. Nothing is played: a script's line that asked for the run
        // fails there.
        const char* szText =
            "The season is complete. The simulator plays the current season: start the next season first.";
        Show_Message_Box(szText, "Season Simulator", BOX_OK | BOX_ICON_INFORMATION);
        Note_Refused_Step(szText);
        Problem = "the season is complete";
        return false;
    }
    Write_Debug_Log("gnSeasons=nSeasons %d", nSeasons);
    g_bRunning = true;
    g_bWriteFailureTold = false;
    const std::vector<uint8_t> Snapshot = Copy_League_Block();
    char szTitle[64];
    std::snprintf(szTitle, sizeof(szTitle), "Simulating %d Season%s", nSeasons, nSeasons >= 2 ? "s" : "");
    const bool bProgress = Open_Progress_Window(szTitle, STEPS_PER_SEASON * nSeasons) != 0;
    // Simulated games write no pages: the real season's box scores stay.
    const bool bPages = Are_Game_Pages_Enabled();
    Set_Game_Pages_Enabled(false);
    for (int s = 0; s < nSeasons; ++s) {
        Set_User_Preference(PREF_COMMISSIONER_MODE, 0);
        Set_User_Preference(PREF_SIMULATE_ALL_NO_PREVIEWS, 1);
        Set_User_Preference(PREF_AUTO_SAVE, 0);
        Reset_Team_Controllers();
        Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
        if (Play_One_Season())
            Add_Season_To_Totals();
        Step_Progress_Window(1);
        Restore_League(Snapshot);
    }
    Set_Game_Pages_Enabled(bPages);
    Refresh_Main_Window_Title();
    if (bProgress)
        Close_Progress_Window();
    // The window as it was before the run: the last simulated day left the
    // menu of games being played, its results and leaders in the ticker and
    // its pages in the cache. All of them are made again from the restored
    // league.
    Reset_Page_Cache();
    Rebuild_Play_Menu();
    Start_News_Ticker();
    Request_Status_Bar_Repaint();
    Request_News_Bar_Repaint();
    main_frame::Invalidate();
    Write_Simulator_Report(0);
    Write_Simulator_Report(1);
    g_bRunning = false;
    return true;
}

bool Write_Simulator_Report(int nKind)
{
    const bool bCsv = nKind == 1;
    SIMULATOR_TOTALS T;
    Load_Simulator_Data(T);
    const char* szName = bCsv ? SIMULATOR_CSV_REPORT : SIMULATOR_TEXT_REPORT;
    // Through a temporary: a link at the name is replaced, never written through.
    std::string Temporary;
    FILE* pFile = files::Create_Temporary_File(szName, Temporary);
    if (pFile == nullptr) {
        Tell_Write_Failure(errno, szName);
        return false;
    }
    errno = 0;
    std::fprintf(pFile, "%d SEASONS SIMULATED\n", T.n[SIM_SEASONS]);
    for (int nDivision = 0; nDivision < 8; ++nDivision)
        Write_Division(pFile, T, nDivision, bCsv);
    std::fputc('\n', pFile);
    if (bCsv)
        std::fprintf(pFile, "%s,%s,%s,%s\n", "TEAM FINANCES", "Attendance", "Revenue", "Profit");
    else
        std::fprintf(pFile, "%22s %10s %10s %10s\n", "TEAM FINANCES", "Attendance", "Revenue", "Profit");
    const int64_t nSeasons = T.n[SIM_SEASONS];
    const int nTeams = std::min(Count_Teams(), SIMULATOR_TEAMS);
    for (int t = 0; t < nTeams; ++t) {
        char szTeam[64];
        Get_Team_Full_Name(t, szTeam);
        const long long nAttendance = Rounded_Average(T.n[SIM_ATTENDANCE + t], nSeasons);
        const long long nRevenue = Rounded_Average(Get_64(T, SIM_REVENUE + 2 * t), nSeasons);
        const long long nProfit = Rounded_Average(Get_64(T, SIM_PROFIT + 2 * t), nSeasons);
        std::fprintf(pFile, bCsv ? "%s,%lld,%lld,%lld\n" : "%22s %10lld %10lld %10lld\n", szTeam, nAttendance,
                     nRevenue, nProfit);
    }
    if (files::Finish_Temporary_File(pFile, Temporary, szName, !std::ferror(pFile), false) == files::REPLACE_DONE)
        return true;
    Tell_Write_Failure(errno, szName);
    return false;
}

// --- Dialog 104 ---------------------------------------------------------------

namespace {

constexpr CONTROL_TEMPLATE SIMULATOR_CONTROLS[] = {
    {-1, CONTROL_LABEL, "Simulate season:", {10, 12, 64, 10}},
    {SIMULATOR_COUNT_EDIT, CONTROL_EDIT, "10", {76, 10, 36, 13}, CS_GROUP, 4},
    {-1, CONTROL_LABEL, "times.", {116, 12, 40, 10}},
    {SIMULATOR_SIMULATE_BUTTON, CONTROL_BUTTON, "&Simulate", {10, 34, 90, 16}, CS_DEFAULT | CS_GROUP},
    {SIMULATOR_DONE_BUTTON, CONTROL_BUTTON, "&Done", {106, 34, 90, 16}},
    {SIMULATOR_CLEAR_BUTTON, CONTROL_BUTTON, "&Clear/Reset Simulation Data", {10, 56, 186, 16}},
    {SIMULATOR_VIEW_TEXT_BUTTON, CONTROL_BUTTON, "View Simulation Results (.&txt)", {10, 76, 186, 16}},
    {SIMULATOR_VIEW_CSV_BUTTON, CONTROL_BUTTON, "&View Simulation Results (.csv)", {10, 96, 186, 16}},
    {SIMULATOR_HELP_BUTTON, CONTROL_BUTTON, "&Help", {10, 116, 186, 16}},
};
constexpr DIALOG_TEMPLATE SIMULATOR_TEMPLATE{
    SIMULATOR_DIALOG, "Simulation Tool", 206, 140, 0, 0, 0, SIMULATOR_CONTROLS, nullptr};
constexpr int SIMULATOR_USED_IDS[] = {SIMULATOR_COUNT_EDIT,     SIMULATOR_SIMULATE_BUTTON, SIMULATOR_DONE_BUTTON,
                                      SIMULATOR_CLEAR_BUTTON,   SIMULATOR_HELP_BUTTON,     SIMULATOR_VIEW_TEXT_BUTTON,
                                      SIMULATOR_VIEW_CSV_BUTTON};
const DIALOG_REGISTRAR SIMULATOR_REGISTRAR(SIMULATOR_DIALOG, SIMULATOR_TEMPLATE, Season_Simulator_Dialog_Proc,
                                           SIMULATOR_USED_IDS);

void View_Report(int nKind)
{
    if (Write_Simulator_Report(nKind))
        Show_Document(files::Resolve_Path(nKind == 1 ? SIMULATOR_CSV_REPORT : SIMULATOR_TEXT_REPORT).c_str(),
                      "Simulation Tool");
}

}  // namespace

void Season_Simulator_Dialog_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        return;
    }
    if (nEvent != DIALOG_COMMAND || Dialog.Event().nNotification != NOTIFY_CLICKED)
        return;
    switch (nControl) {
    case SIMULATOR_SIMULATE_BUTTON: {
        const int n = Parse_Input_Int(Dialog.Get_Text(SIMULATOR_COUNT_EDIT).c_str());
        if (n < 1)
            Show_Formatted_Message("Season Simulator", "You must simulate at least %d season.", 1);
        else if (n > SIMULATOR_MOST_SEASONS)
            Show_Formatted_Message("Season Simulator", "You cannot simulate more than %d seasons.",
                                   SIMULATOR_MOST_SEASONS);
        else
            Dialog.End(n);
        break;
    }
    case SIMULATOR_DONE_BUTTON:
        Dialog.End(-1);
        break;
    case SIMULATOR_CLEAR_BUTTON:
        Save_Simulator_Data();
        break;
    case SIMULATOR_VIEW_TEXT_BUTTON:
        View_Report(0);
        break;
    case SIMULATOR_VIEW_CSV_BUTTON:
        View_Report(1);
        break;
    case SIMULATOR_HELP_BUTTON:
        Open_Help_Page(SIMULATOR_DIALOG);
        break;
    default:
        break;
    }
}

void Run_Season_Simulator()
{
    const int nSeasons = Do_Dialog(SIMULATOR_DIALOG, "Simulation Tool", Season_Simulator_Dialog_Proc);
    if (nSeasons < 1)
        return;
    std::string Problem;
    if (!Simulate_Seasons(nSeasons, Problem))
        Write_Debug_Log("Season simulator not run: %s", Problem.c_str());
}
