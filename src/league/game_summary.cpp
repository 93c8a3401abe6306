#include "league/game_summary.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "base/text_utils.h"
#include "league/human_teams.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/preferences.h"

namespace {

// Text of a franchise name plus room for the years.
constexpr int SUMMARY_SIZE = TEXT_BUFFER_SIZE;
// The years part " (yyyy-yyyy)" of an automatic name, less its first year:
// what may differ between two seasons' summaries of one game.
constexpr size_t SUMMARY_YEARS_TAIL = 5;

int Summary_Team()
{
    const int nTeam = League.Preferences.nInt[PREF_SELECTED_TEAM];
    if (Is_Team_Slot_Used(nTeam) || (nTeam >= FREE_AGENT_TEAM && nTeam < TOTAL_NUMBER_OF_TEAMS))
        return nTeam;
    return 0;
}

}  // namespace

void Format_Game_File_Summary(char* szBuffer, size_t nSize)
{
    if (szBuffer == nullptr)
        return;
    const int nYear = Get_Current_Year();
    char szText[SUMMARY_SIZE];
    if (Count_Human_Teams() >= 2) {
        Format_Text_Bounded(szText, sizeof(szText), "%d teams - %d players (%d)", Count_Teams(), Count_Human_Teams(),
                            nYear);
    } else {
        char szName[TEXT_BUFFER_SIZE] = "";
        Get_Team_Full_Name(Summary_Team(), szName);
        if (Get_Current_Season_Index() == 0)
            Format_Text_Bounded(szText, sizeof(szText), "%s (%d)", szName, nYear);
        else
            Format_Text_Bounded(szText, sizeof(szText), "%s (%d-%d)", szName,
                                League.Universe.nStat[FIRST_SEASON_YEAR], nYear);
    }
    Put_Text(szBuffer, nSize, szText);
}

void Update_Game_Name_For_Season()
{
    if (Get_Current_Season_Index() <= 0)
        return;
    char szSummary[TEXT_BUFFER_SIZE];
    Format_Game_File_Summary(szSummary);
    char szName[sizeof(League.szCurrentGamePath) + 1];
    Get_Current_Game_Name(szName, sizeof(szName));
    const size_t nSummary = std::strlen(szSummary);
    if (nSummary <= SUMMARY_YEARS_TAIL)
        return;
    const size_t nCompare = nSummary - SUMMARY_YEARS_TAIL;
    // strncmp stops at the shorter text's end, so a shorter name differs.
    // The first season's automatic name "<team> (<year>)" differs from the
    // later ones before their last five characters, so it is matched whole:
    // a new game's name follows the seasons from the first one on.
    char szTeam[TEXT_BUFFER_SIZE] = "";
    Get_Team_Full_Name(Summary_Team(), szTeam);
    const std::string First = std::string(szTeam) + " (" + std::to_string(League.Universe.nStat[FIRST_SEASON_YEAR]) + ")";
    if (std::strncmp(szName, szSummary, nCompare) == 0 || (Count_Human_Teams() < 2 && First == szName))
        Set_Current_Game_Name(szSummary);
}

void Get_Current_Game_Name(char* szBuffer, size_t nBufferSize)
{
    Copy_From_Record_Field(szBuffer, nBufferSize, League.szCurrentGamePath, sizeof(League.szCurrentGamePath));
}

bool Set_Current_Game_Name(const char* szName)
{
    return safe_strncpy(League.szCurrentGamePath, szName != nullptr ? szName : "",
                        static_cast<int>(sizeof(League.szCurrentGamePath))) >= 0;
}
