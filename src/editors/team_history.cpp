#include "editors/team_history.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/text_utils.h"
#include "editors/stat_pickers.h"
#include "frontoffice/list_services.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "pages/player_card.h"
#include "platform/resources.h"
#include "platform/ui_services.h"

namespace {

constexpr int YEARLY_INT_ATTENDANCE = 0;
constexpr int YEARLY_INT_PROFIT = 1;
constexpr int YEARLY_INT_RANK = 2;

// "1,234,567" of a 64-bit magnitude (profits summed over a century pass
// 32 bits).
std::string Commas(int64_t n)
{
    const bool bNegative = n < 0;
    uint64_t u = bNegative ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
    std::string Digits = std::to_string(u);
    std::string Out;
    const size_t nLength = Digits.size();
    for (size_t i = 0; i < nLength; ++i) {
        if (i > 0 && (nLength - i) % 3 == 0)
            Out += ',';
        Out += Digits[i];
    }
    return bNegative ? "-" + Out : Out;
}

uint64_t Magnitude(int64_t n)
{
    return n < 0 ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
}

void Put(char* szText, size_t nSize, const std::string& Text)
{
    if (nSize == 0)
        return;
    std::snprintf(szText, nSize, "%s", Text.c_str());
}

int Viewed_Team()
{
    return Get_Selected_Team_Byte();
}

void Show_Averages(DIALOG& Dialog, int nTeam)
{
    HISTORY_AVERAGES Averages{};
    Compute_Yearly_Averages(nTeam, Averages);
    Dialog.Set_Text(HISTORY_AVERAGE_ATTENDANCE, Averages.szAttendance);
    Dialog.Set_Text(HISTORY_AVERAGE_PROFIT, Averages.szProfit);
    Dialog.Set_Text(HISTORY_AVERAGE_RECORD, Averages.szRecord);
    Dialog.Set_Text(HISTORY_AVERAGE_RANK, Averages.szRank);
}

void Fill_History_List(DIALOG& Dialog)
{
    const int nTeam = Viewed_Team();
    Dialog.Clear_Items(HISTORY_LIST);
    Dialog.Set_Tab_Stops(HISTORY_LIST, {26, 90, 136, 166, 204});
    const int nSeasons = Count_History_Seasons();
    for (int y = 0; y < nSeasons; ++y) {
        if (!Did_Team_Play_Season(nTeam, y))
            continue;
        char szLine[256];
        Format_History_Line(nTeam, y, szLine, sizeof(szLine));
        Dialog.Add_Item(HISTORY_LIST, szLine, y);
    }
    Show_Averages(Dialog, nTeam);
}

void Show_History_Title(DIALOG& Dialog)
{
    Dialog.Set_Title("History");
    Set_Dialog_Title_With_Year(Dialog);
}

void Fill_Hall_Of_Fame_List(DIALOG& Dialog)
{
    Dialog.Set_Tab_Stops(HALL_OF_FAME_LIST, {106, 152, 193});
    const int nSelected = Dialog.Get_Selected(HALL_OF_FAME_LIST);
    Dialog.Clear_Items(HALL_OF_FAME_LIST);
    const int nYear = Get_Current_Year();
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
        if (!Is_Player_Slot_Used(HALL_OF_FAME_TEAM, s))
            break;   // the hall is kept compact
        if (Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, s, VITAL_LONGEVITY) >= nYear)
            continue;   // inducted this year: shown from next year on
        char szRow[160];
        Format_Hall_Of_Fame_Row(s, szRow, sizeof(szRow));
        const int nAt = s < Dialog.Item_Count(HALL_OF_FAME_LIST) ? s : Dialog.Item_Count(HALL_OF_FAME_LIST);
        Dialog.Insert_Item(HALL_OF_FAME_LIST, nAt, szRow, s);
    }
    if (nSelected >= 0 && nSelected < Dialog.Item_Count(HALL_OF_FAME_LIST))
        Dialog.Set_Selected(HALL_OF_FAME_LIST, nSelected);
}

void Update_Hall_Of_Fame_Buttons(DIALOG& Dialog)
{
    Dialog.Enable(HALL_OF_FAME_SCOUTING, Dialog.Get_Selected(HALL_OF_FAME_LIST) >= 0);
}

void Open_Selected_Card(DIALOG& Dialog)
{
    const int nRow = Dialog.Get_Selected(HALL_OF_FAME_LIST);
    if (nRow < 0)
        return;
    Show_Scouting_Report(HALL_OF_FAME_TEAM, static_cast<int>(Dialog.Item_Data(HALL_OF_FAME_LIST, nRow)));
}

// --- Templates --------------------------------------------------------------

constexpr CONTROL_TEMPLATE HISTORY_CONTROLS[] = {
    {-1, CONTROL_LABEL, "Team:", {8, 9, 24, 10}},
    {HISTORY_TEAM_COMBO, CONTROL_COMBO, "", {34, 6, 170, 14}},
    {-1, CONTROL_LABEL, "Year", {10, 24, 24, 10}},
    {-1, CONTROL_LABEL, "Attendance", {34, 24, 50, 10}},
    {-1, CONTROL_LABEL, "Profit", {96, 24, 40, 10}},
    {-1, CONTROL_LABEL, "W-L-T", {140, 24, 30, 10}},
    {-1, CONTROL_LABEL, "Rank", {172, 24, 30, 10}},
    {-1, CONTROL_LABEL, "Finish", {210, 24, 60, 10}},
    {HISTORY_LIST, CONTROL_LIST, "", {8, 35, 304, 120}},
    {-1, CONTROL_GROUP, "Yearly Averages", {8, 158, 220, 52}},
    {HISTORY_AVERAGE_ATTENDANCE, CONTROL_LABEL, "", {14, 170, 100, 10}},
    {HISTORY_AVERAGE_PROFIT, CONTROL_LABEL, "", {120, 170, 104, 10}},
    {HISTORY_AVERAGE_RECORD, CONTROL_LABEL, "", {14, 186, 100, 10}},
    {HISTORY_AVERAGE_RANK, CONTROL_LABEL, "", {120, 186, 104, 10}},
    {DIALOG_OK, CONTROL_BUTTON, "&DONE", {252, 162, 60, 16}, CS_DEFAULT},
    {HISTORY_HELP, CONTROL_BUTTON, "&Help", {252, 184, 60, 16}},
};
constexpr DIALOG_TEMPLATE HISTORY_TEMPLATE{HISTORY_DIALOG, "History", 320, 216, 0, 0, 0, HISTORY_CONTROLS, "history"};
constexpr int HISTORY_USED_IDS[] = {HISTORY_LIST,
                                    HISTORY_TEAM_COMBO,
                                    HISTORY_AVERAGE_ATTENDANCE,
                                    HISTORY_AVERAGE_PROFIT,
                                    HISTORY_AVERAGE_RECORD,
                                    HISTORY_AVERAGE_RANK,
                                    DIALOG_OK,
                                    HISTORY_HELP};
const DIALOG_REGISTRAR HISTORY_REGISTRAR(HISTORY_DIALOG, HISTORY_TEMPLATE, History_Dialog, HISTORY_USED_IDS);

constexpr unsigned STRETCH = CS_ANCHOR_LEFT | CS_ANCHOR_TOP | CS_ANCHOR_RIGHT | CS_ANCHOR_BOTTOM;
constexpr unsigned CORNER = CS_ANCHOR_RIGHT | CS_ANCHOR_BOTTOM;

constexpr CONTROL_TEMPLATE HALL_CONTROLS[] = {
    // The captions stand over the list's tab stops (106, 152, 193).
    {-1, CONTROL_LABEL, "Player", {10, 8, 60, 10}},
    {-1, CONTROL_LABEL, "Position", {114, 8, 40, 10}},
    {-1, CONTROL_LABEL, "Inducted", {160, 8, 40, 10}},
    {-1, CONTROL_LABEL, "Voting", {201, 8, 40, 10}},
    {HALL_OF_FAME_LIST, CONTROL_LIST, "", {8, 20, 244, 150}, STRETCH},
    {HALL_OF_FAME_SCOUTING, CONTROL_BUTTON, "&Scouting", {8, 176, 60, 16}, CS_ANCHOR_LEFT | CS_ANCHOR_BOTTOM},
    {HALL_OF_FAME_HELP, CONTROL_BUTTON, "&Help", {100, 176, 60, 16}, CS_ANCHOR_LEFT | CS_ANCHOR_BOTTOM},
    {DIALOG_OK, CONTROL_BUTTON, "&OK", {192, 176, 60, 16}, CS_DEFAULT | CORNER},
};
constexpr DIALOG_TEMPLATE HALL_TEMPLATE{
    HALL_OF_FAME_DIALOG, "Hall Of Fame", 260, 200, DS_RESIZABLE, 260, 200, HALL_CONTROLS, "halloffame"};
constexpr int HALL_USED_IDS[] = {HALL_OF_FAME_LIST, HALL_OF_FAME_SCOUTING, HALL_OF_FAME_HELP, DIALOG_OK};
const DIALOG_REGISTRAR HALL_REGISTRAR(HALL_OF_FAME_DIALOG, HALL_TEMPLATE, Hall_Of_Fame_Dialog, HALL_USED_IDS);

}  // namespace

const char* Get_Ordinal_Suffix(int n)
{
    const int nLast2 = std::abs(n % 100);
    int nEntry = 129;
    if (nLast2 < 10 || nLast2 > 19) {
        nEntry = 129 + nLast2 % 10;
        if (nEntry > 133)
            nEntry = 133;
    }
    return Get_Resource_String(nEntry);
}

void Format_Season_Finish(int nTeam, int nCode, char* szText, size_t nSize)
{
    if (nCode < 0 || nCode > 8 || nSize == 0)
        return;
    if (nCode == 8) {
        Put(szText, nSize, "Super Bowl Champion");
        return;
    }
    const int nDivision = Is_Team_Slot_Used(nTeam) ? Get_Team_Stat(nTeam, TEAM_STAT_DIVISION) : -1;
    char szName[32] = "";
    if (nCode == 4 || nCode == 6 || nCode == 7) {
        Get_League_Name(nDivision >= 0 ? nDivision / 4 : -1, szName);
        const char* szFormat = nCode == 4 ? "%s Wild Card" : nCode == 6 ? "%s Divisional Winner" : "%s Champion";
        std::snprintf(szText, nSize, szFormat, szName);
        return;
    }
    Get_Division_Name(nDivision, szName);
    static const char* const PLACES[] = {"5th", "4th", "3rd", "2nd", "", "1st"};
    std::snprintf(szText, nSize, "%s (%s)", PLACES[nCode], szName);
}

bool Did_Team_Play_Season(int nTeam, int nYear)
{
    // No club: the league's averages cover every season.
    if (nTeam == 255)
        return true;
    // A club added later has a zeroed record for the seasons before it: no
    // game, nobody through the gates.
    return Get_Team_Yearly_Char(nTeam, nYear, YEARLY_WINS) + Get_Team_Yearly_Char(nTeam, nYear, YEARLY_LOSSES) +
                   Get_Team_Yearly_Char(nTeam, nYear, YEARLY_TIES) >
               0 ||
           Get_Team_Yearly_Int(nTeam, nYear, YEARLY_INT_ATTENDANCE) != 0;
}

int Count_History_Seasons()
{
    const int n = Get_Current_Season_Index();
    if (n < 0)
        return 0;
    return n < YEARLY_RECORD_YEARS ? n : YEARLY_RECORD_YEARS;
}

void Format_History_Line(int nTeam, int nYear, char* szText, size_t nSize)
{
    std::string Line = std::to_string(Get_Universe_Stat(FIRST_SEASON_YEAR) + nYear);
    Line += '\t';
    Line += Commas(Get_Team_Yearly_Int(nTeam, nYear, YEARLY_INT_ATTENDANCE));
    Line += '\t';
    const int64_t nProfit = Get_Team_Yearly_Int(nTeam, nYear, YEARLY_INT_PROFIT);
    Line += nProfit < 0 ? "-$" : "$";
    Line += Commas(static_cast<int64_t>(Magnitude(nProfit)));
    Line += '\t';
    const int nWins = Get_Team_Yearly_Char(nTeam, nYear, YEARLY_WINS);
    const int nLosses = Get_Team_Yearly_Char(nTeam, nYear, YEARLY_LOSSES);
    const int nTies = Get_Team_Yearly_Char(nTeam, nYear, YEARLY_TIES);
    char szRecord[40];
    if (nTies != 0)
        std::snprintf(szRecord, sizeof(szRecord), "%d-%d-%d", nWins, nLosses, nTies);
    else
        std::snprintf(szRecord, sizeof(szRecord), "%d-%d", nWins, nLosses);
    Line += szRecord;
    Line += '\t';
    const int nRank = Get_Team_Yearly_Int(nTeam, nYear, YEARLY_INT_RANK) + 1;
    Line += std::to_string(nRank) + Get_Ordinal_Suffix(nRank);
    Line += '\t';
    char szFinish[80] = "";
    Format_Season_Finish(nTeam, Get_Team_Yearly_Int(nTeam, nYear, YEARLY_INT_FINISH), szFinish, sizeof(szFinish));
    Line += szFinish;
    Put(szText, nSize, Line);
}

void Compute_Yearly_Averages(int nTeam, HISTORY_AVERAGES& Averages)
{
    const int nSeasons = Count_History_Seasons();
    int64_t n = 0;
    for (int y = 0; y < nSeasons; ++y)
        n += Did_Team_Play_Season(nTeam, y) ? 1 : 0;
    if (n == 0) {
        Put(Averages.szAttendance, sizeof(Averages.szAttendance), "Attendance: n/a");
        Put(Averages.szProfit, sizeof(Averages.szProfit), "Profit: n/a");
        Put(Averages.szRecord, sizeof(Averages.szRecord), "Record: n/a");
        Put(Averages.szRank, sizeof(Averages.szRank), "Rank: n/a");
        return;
    }
    int64_t nAttendance = 0;
    int64_t nProfit = 0;
    int64_t nWins = 0;
    int64_t nLosses = 0;
    int64_t nRanks = 0;
    for (int y = 0; y < nSeasons; ++y) {
        if (!Did_Team_Play_Season(nTeam, y))
            continue;
        nAttendance += Get_Team_Yearly_Int(nTeam, y, YEARLY_INT_ATTENDANCE);
        nProfit += Get_Team_Yearly_Int(nTeam, y, YEARLY_INT_PROFIT);
        nRanks += Get_Team_Yearly_Int(nTeam, y, YEARLY_INT_RANK);
        if (nTeam != 255) {
            nWins += Get_Team_Yearly_Char(nTeam, y, YEARLY_WINS);
            nLosses += Get_Team_Yearly_Char(nTeam, y, YEARLY_LOSSES);
        }
    }
    if (nTeam == 255) {
        // No club: the league's current season, averaged over its franchises.
        const int nTeams = Count_Teams();
        for (int t = 0; t < nTeams; ++t) {
            nWins += Get_Team_Power_Stat(t, 1);
            nLosses += Get_Team_Power_Stat(t, 2);
        }
    }
    Put(Averages.szAttendance, sizeof(Averages.szAttendance), "Attendance: " + Commas(nAttendance / n));
    const int64_t nAverageProfit = (nProfit + n / 2) / n;
    Put(Averages.szProfit, sizeof(Averages.szProfit),
        std::string(nAverageProfit < 0 ? "Profit: -$" : "Profit: $") +
            Commas(static_cast<int64_t>(Magnitude(nAverageProfit))));
    Put(Averages.szRecord, sizeof(Averages.szRecord),
        "Record: " + std::to_string((nWins + n / 2) / n) + "-" + std::to_string((nLosses + (n - 1) / 2) / n));
    const int64_t nRank = (nRanks + n / 2) / n + 1;
    Put(Averages.szRank, sizeof(Averages.szRank),
        "Rank: " + std::to_string(nRank) + Get_Ordinal_Suffix(static_cast<int>(nRank % 100)));
}

void Format_Hall_Of_Fame_Row(int nSlot, char* szText, size_t nSize)
{
    char szName[64] = "";
    Get_Player_Full_Name(HALL_OF_FAME_TEAM, nSlot, szName);
    const int nPosition = Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, nSlot, VITAL_POSITION);
    char szPosition[16] = "";
    if (nPosition >= 0 && nPosition <= 14)
        std::snprintf(szPosition, sizeof(szPosition), "%s", Get_Resource_String(59 + nPosition));
    else if (nPosition == 15)
        std::snprintf(szPosition, sizeof(szPosition), "Any");
    Pad_Text_Left(szPosition, 5);
    std::snprintf(szText, nSize, "%s\t%s\t%d\t%d%%\t", szName, szPosition,
                  Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, nSlot, VITAL_LONGEVITY),
                  Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, nSlot, VITAL_POTENTIAL));
}

void History_Dialog(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        Fill_Roster_List_Control(Dialog);
        Show_History_Title(Dialog);
        Fill_History_List(Dialog);
        return;
    }
    if (nEvent != DIALOG_COMMAND)
        return;
    switch (nControl) {
    case HISTORY_TEAM_COMBO: {
        if (Dialog.Event().nNotification != NOTIFY_SELECTION_CHANGED)
            break;
        const int nRow = Dialog.Get_Selected(HISTORY_TEAM_COMBO);
        if (nRow < 0)
            break;
        Set_Selected_Team(static_cast<int>(Dialog.Item_Data(HISTORY_TEAM_COMBO, nRow)));
        Fill_History_List(Dialog);
        Show_History_Title(Dialog);
        break;
    }
    case HISTORY_HELP:
        if (Dialog.Is_Change_Command())
            Open_Help_Page("history");
        break;
    case DIALOG_OK:
    case DIALOG_CANCEL:
        if (Dialog.Is_Change_Command())
            Dialog.End(1);
        break;
    default:
        break;
    }
}

void Hall_Of_Fame_Dialog(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        Fill_Hall_Of_Fame_List(Dialog);
        Update_Hall_Of_Fame_Buttons(Dialog);
        return;
    }
    if (nEvent != DIALOG_COMMAND)
        return;
    switch (nControl) {
    case HALL_OF_FAME_LIST:
        if (Dialog.Event().nNotification == NOTIFY_SELECTION_CHANGED)
            Update_Hall_Of_Fame_Buttons(Dialog);
        else if (Dialog.Event().nNotification == NOTIFY_DOUBLE_CLICK)
            Open_Selected_Card(Dialog);
        break;
    case HALL_OF_FAME_SCOUTING:
        if (Dialog.Is_Change_Command())
            Open_Selected_Card(Dialog);
        break;
    case HALL_OF_FAME_HELP:
        if (Dialog.Is_Change_Command())
            Open_Help_Page("halloffame");
        break;
    case DIALOG_OK:
    case DIALOG_CANCEL:
        if (Dialog.Is_Change_Command())
            Dialog.End(1);
        break;
    default:
        break;
    }
    Update_Hall_Of_Fame_Buttons(Dialog);
}
