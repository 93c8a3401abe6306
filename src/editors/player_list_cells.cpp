// The text and the sort value of one cell of a player list.

#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "editors/player_list_view.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/team.h"
#include "pages/player_text.h"
#include "season/draft_teams.h"
#include "season/season_services.h"

namespace {

PLAYER_STAT_LINE_FORMATTER g_pStatLine = nullptr;

constexpr const char* NO_VALUE_TEXT = " ... ";
constexpr const char* EN_DASH = "\x96";
constexpr int BYTE_STAT_TITLES = 1;
constexpr int BYTE_STAT_SCOUTING_SCORE = 5;

enum POSITION_GROUP { GROUP_SKILL, GROUP_LINE, GROUP_DEFENCE, GROUP_KICKERS, GROUP_NONE };

int Position_Group(int nPosition)
{
    if (nPosition >= 15)
        nPosition = Translate_Expanded_Position(nPosition);
    if (nPosition >= 0 && nPosition <= 4)
        return GROUP_SKILL;
    if (nPosition >= 5 && nPosition <= 7)
        return GROUP_LINE;
    if (nPosition >= 8 && nPosition <= 12)
        return GROUP_DEFENCE;
    if (nPosition == 13 || nPosition == 14)
        return GROUP_KICKERS;
    return GROUP_NONE;
}

// A value in tenths or hundredths: "%d.%01d" / "%d.%02d", a minus sign in
// front of a negative one.
std::string Decimal_Text(int nValue, int nScale)
{
    char szText[40];
    long long nAbs = std::llabs(static_cast<long long>(nValue));
    const char* szSign = nValue < 0 ? "-" : "";
    if (nScale == 10)
        std::snprintf(szText, sizeof(szText), "%s%lld.%01lld", szSign, nAbs / 10, nAbs % 10);
    else
        std::snprintf(szText, sizeof(szText), "%s%lld.%02lld", szSign, nAbs / 100, nAbs % 100);
    return szText;
}

std::string Int_Text(int nValue)
{
    char szText[16];
    const auto Result = std::to_chars(szText, szText + sizeof(szText), nValue);
    return std::string(szText, Result.ptr);
}

bool Is_Draft_Pool(int nTeam)
{
    return nTeam >= FIRST_DRAFT_POOL_TEAM && nTeam <= LAST_TEAM;
}

// The statistic cells by code range: which group shows them and how.
struct STAT_CELL {
    int nGroupMask;   // bit g: position group g shows it
    int nScale;       // 0 "%d", 10 one decimal, 100 two decimals
};

constexpr int SKILL = 1 << GROUP_SKILL;
constexpr int LINE = 1 << GROUP_LINE;
constexpr int DEFENCE = 1 << GROUP_DEFENCE;
constexpr int KICKERS = 1 << GROUP_KICKERS;
constexpr int ALL = SKILL | LINE | DEFENCE | KICKERS;

bool Stat_Cell(int nCode, int nPosition, STAT_CELL& Cell)
{
    const int nGroup = Position_Group(nPosition);
    Cell = STAT_CELL{0, 0};
    switch (nCode) {
    case 9: case 10:
        Cell.nGroupMask = ALL;
        return true;
    case 16: case 17: case 18: case 19: case 20: case 23: case 24:
        Cell.nGroupMask = nPosition == 0 ? ALL : 0;
        return true;
    case 21: case 99:
        Cell = STAT_CELL{nPosition == 0 ? ALL : 0, 100};
        return true;
    case 22: case 68:
        Cell = STAT_CELL{nPosition == 0 ? ALL : 0, 10};
        return true;
    case 25: case 26: case 28: case 29: case 30: case 31: case 33: case 108:
        Cell.nGroupMask = SKILL;
        return true;
    case 27:
        Cell = STAT_CELL{SKILL, 100};
        return true;
    case 32: case 100:
        Cell = STAT_CELL{SKILL, 10};
        return true;
    case 34: case 35: case 37: case 38: case 39: case 41:
    case 36: case 40: {
        // Every position but the quarterback, the line and the kickers.
        bool bShown = nPosition != 0 && (nGroup == GROUP_SKILL || nGroup == GROUP_DEFENCE);
        Cell = STAT_CELL{bShown ? ALL : 0, (nCode == 36 || nCode == 40) ? 10 : 0};
        return true;
    }
    case 42:
        Cell = STAT_CELL{LINE, 10};
        return true;
    case 43:
        Cell.nGroupMask = LINE;
        return true;
    case 44: case 45:
        Cell.nGroupMask = LINE | DEFENCE;
        return true;
    case 46: case 48: case 50: case 51: case 52: case 53: case 54: case 55:
        Cell.nGroupMask = DEFENCE;
        return true;
    case 47: case 49: case 103:
        Cell = STAT_CELL{DEFENCE, 10};
        return true;
    case 56: case 57: case 59: case 60: case 61: case 62: case 65: case 101: case 102:
        Cell.nGroupMask = KICKERS;
        return true;
    case 58: case 63: case 64: case 66: case 67:
        Cell = STAT_CELL{KICKERS, 10};
        return true;
    default:
        return false;
    }
}

bool Is_Rating_Code(int nCode)
{
    return (nCode >= 69 && nCode <= 90) || nCode == 94 || nCode == 95 || nCode == 104 || nCode == 106;
}

}  // namespace

void Set_Player_Stat_Line_Formatter(PLAYER_STAT_LINE_FORMATTER pFormatter)
{
    g_pStatLine = pFormatter;
}

std::string Format_Scaled_Number(int nValue, int nScale)
{
    char szText[40];
    switch (nScale) {
    case 0:
        std::snprintf(szText, sizeof(szText), "%d", nValue);
        break;
    case 10:
        std::snprintf(szText, sizeof(szText), "%d.%01d", nValue / 10, std::abs(nValue % 10));
        break;
    case 100:
        std::snprintf(szText, sizeof(szText), "%d.%02d", nValue / 100, std::abs(nValue % 100));
        break;
    case 1000:
        if (nValue < 1000 && nValue >= 0)
            std::snprintf(szText, sizeof(szText), ".%03d", nValue);
        else
            std::snprintf(szText, sizeof(szText), "%d.%03d", nValue / 1000, std::abs(nValue % 1000));
        break;
    default:
        std::snprintf(szText, sizeof(szText), "%d%%", nValue);
        break;
    }
    return szText;
}

int Format_Stat_Cell(std::string* pText, int nCode, int nTeam, int nSlot)
{
    std::string Local;
    std::string& Text = pText != nullptr ? *pText : Local;
    Text = NO_VALUE_TEXT;
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS || nSlot < 0 || nSlot >= PLAYERS_PER_TEAM)
        return -1;
    const bool bText = pText != nullptr;
    const int nKey = Get_List_Column(nCode).nKey;
    const int nPeriod = Get_User_Preference(PREF_STAT_PERIOD);
    const int nPosition = Get_Player_Position(nTeam, nSlot);
    char szBuffer[64];

    switch (nCode) {
    case 0: {   // Name
        if (!bText)
            return -1;
        // A player without a last name shows his first name alone: the
        // league's "Last, First" would store a drawn last name, and looking
        // at a list must never change a record.
        if (Has_Player_Last_Name(nTeam, nSlot))
            Get_Player_Name_Last_First(nTeam, nSlot, szBuffer);
        else
            Get_Player_First_Name(nTeam, nSlot, szBuffer);
        if (Is_Contract_Expiring(nTeam, nSlot))
            Text = std::string("(") + szBuffer + ")";
        else
            Text = szBuffer;
        Append_Player_Status_Tag(Text, nTeam, nSlot);
        return -1;
    }
    case 1: {   // Team: sorts by the club slot
        if (bText) {
            if (Get_Universe_Stat(FANTASY_DRAFT_RUNNING) >= 1 &&
                Get_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_DRAFTED_BY) == NO_TEAM) {
                Text = EN_DASH;
            } else {
                Get_Team_String(szBuffer, nTeam, TEAM_STRING_ABBREVIATION);
                Text = szBuffer;
            }
        }
        return nTeam;
    }
    case 2:   // Pos: sorts by the position code
        if (bText) {
            Get_Player_Position_Name(szBuffer, nTeam, nSlot);
            Text = szBuffer;
        }
        return nPosition;
    case 3: case 4: {
        int nValue = Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_PREDICTED, nKey);
        if (bText)
            Text = Int_Text(nValue);
        return nValue;
    }
    case 5: case 8: case 11: {
        if (nTeam >= HALL_OF_FAME_TEAM) {
            Text = EN_DASH;
            return -1;
        }
        int nValue = Get_Player_Vital_Stat(nTeam, nSlot, nKey);
        if (bText)
            Text = Format_Salary_Value(nValue);
        return nValue;
    }
    case 6: case 91: {
        if (Is_Draft_Pool(nTeam)) {
            Text = EN_DASH;
            return -1;
        }
        int nValue = Get_Player_Vital_Stat(nTeam, nSlot, nKey);
        if (nValue < 0)
            nValue = 0;
        if (bText)
            Text = Int_Text(nValue);
        return nValue;
    }
    case 7: {
        int nValue = Get_Player_Forty_Yard_Time(nTeam, nSlot);
        if (bText)
            Text = Decimal_Text(nValue, 100);
        return nValue;
    }
    case 12: {
        int nValue = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_HEIGHT);
        if (bText) {
            std::snprintf(szBuffer, sizeof(szBuffer), "%d-%d", nValue / 12, nValue % 12);
            Text = szBuffer;
        }
        return nValue;
    }
    case 13: case 93: {
        int nValue = Get_Player_Vital_Stat(nTeam, nSlot, nKey);
        if (bText)
            Text = Int_Text(nValue);
        return nValue;
    }
    case 14: case 105: {
        int nValue = Get_Player_Byte_Stat(nTeam, nSlot, nCode == 14 ? BYTE_STAT_TITLES : BYTE_STAT_UNIFORM);
        if (bText)
            Text = Int_Text(nValue);
        return nValue;
    }
    case 15: {
        int nValue = Get_Player_Exact_Age(nTeam, nSlot);
        if (bText)
            Text = Int_Text(nValue);
        return nValue;
    }
    case 92: {
        int nValue = Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_PREDICTED, STAT_CODE_DEPTH_CHART_LEVEL);
        if (bText)
            Text = nValue < 1 ? std::string(EN_DASH) : Int_Text(nValue);
        return nValue;
    }
    case 96:
        if (bText)
            Text = g_pStatLine != nullptr ? g_pStatLine(nTeam, nSlot) : std::string();
        return -1;
    case 97: {
        if (!Is_Draft_Pool(nTeam)) {
            Text = EN_DASH;
            return -1;
        }
        // The scouting score is kept once worked out (looking writes it).
        int nValue = Get_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_SCOUTING_SCORE);
        if (nValue < 20) {
            Set_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_SCOUTING_SCORE, Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_PREDICTED, 299));
            nValue = Get_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_SCOUTING_SCORE);
        }
        if (bText)
            Text = Decimal_Text(nValue, 10);
        return nValue;
    }
    case 98:
        if (bText) {
            Get_Player_College(nTeam, nSlot, szBuffer);
            Text = szBuffer;
        }
        return -1;
    case 107:
        if (bText) {
            Get_Player_Corvel_ID(nTeam, nSlot, szBuffer);
            Text = szBuffer;
        }
        return -1;
    case 109: {
        int nWord = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFTED_BY);
        int nYear = nWord > 0 ? nWord % 10000 : 0;
        if (nYear <= 0) {
            Text.clear();
            return -1;
        }
        if (bText)
            Text = Int_Text(nYear);
        return nYear;
    }
    case 110: {
        int nWord = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFTED_BY);
        int nDrafter = nWord > 0 ? nWord / 10000 - 1 : NO_TEAM;
        Text.clear();
        if (nDrafter < 0 || nDrafter >= TOTAL_NUMBER_OF_TEAMS)
            return -1;
        if (bText) {
            Get_Team_String(szBuffer, nDrafter, TEAM_STRING_ABBREVIATION);
            Text = szBuffer;
        }
        return nDrafter;
    }
    case 111: case 112: {
        // An undrafted player (-1) shows nothing rather than round 0, pick -1.
        int nPick = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_PICK);
        if (nPick < 0) {
            Text.clear();
            return -1;
        }
        int nValue = nCode == 111 ? nPick / 100000 : nPick % 1000;
        if (bText)
            Text = Int_Text(nValue);
        return nValue;
    }
    default:
        break;
    }

    if (Is_Rating_Code(nCode)) {
        int nValue = static_cast<int>(Get_Player_Rating(nTeam, nSlot, nKey));
        if (bText)
            Text = Int_Text(nValue);
        return nValue;
    }

    STAT_CELL Cell;
    if (nCode >= LIST_CODE_COUNT) {
        // Codes past the table read the statistic of the same number less 113.
        int nValue = Get_Player_Stat(nTeam, nSlot, nPeriod, nCode);
        if (bText) {
            std::snprintf(szBuffer, sizeof(szBuffer), nCode == 125 ? "$%dM" : "%d", nValue);
            Text = szBuffer;
        }
        return nValue;
    }
    if (!Stat_Cell(nCode, nPosition, Cell))
        return -1;
    const int nGroup = Position_Group(nPosition);
    if ((Cell.nGroupMask & (1 << nGroup)) == 0 || nGroup == GROUP_NONE)
        return -1;
    int nStat = nKey;
    if (nCode == 29 && nPosition == 0)
        nStat = 19;
    if (nCode == 108 && nPeriod == STAT_PERIOD_LAST_SEASON && Get_Current_Season_Index() <= 0) {
        Text = "-";
        return -1;
    }
    // The tackle share in tenths of a percent, as the cell shows it.
    int nValue = nCode == 103 ? Get_Player_Tackle_Share_Tenths(nTeam, nSlot, nPeriod)
                              : Get_Player_Stat(nTeam, nSlot, nPeriod, nStat);
    if (bText) {
        if (nCode == 103)
            Text = Decimal_Text(nValue, 10) + "%";
        else if (Cell.nScale == 0)
            Text = Int_Text(nValue);
        else
            Text = Decimal_Text(nValue, Cell.nScale);
    }
    return nValue;
}
