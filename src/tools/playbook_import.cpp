// The playbooks of a built league's season.

#include "tools/playbook_import.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "engine/offensive_systems.h"
#include "engine/playbook_files.h"
#include "engine/playbooks.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/team.h"
#include "platform/files.h"
#include "platform/ui.h"

namespace {

constexpr int FIRST_FRONT_YEAR = 2016;
constexpr int FRONT_COLUMNS = 3;   // 2016, 2017, 2018 and later
constexpr int FRONT_TEAMS = 32;
constexpr int FIRST_RUNNING_QB_YEAR = 2013;
constexpr int LAST_RUNNING_QB_YEAR = 2015;
constexpr int RUNNING_QB_TEAMS[] = {4, 28, 27, 31};
constexpr int OFFENCE = 0;
constexpr int DEFENCE = 1;
constexpr int LAST_NAMED_TEAM_SLOT = 37;

constexpr const char* FOUR_THREE = "4-3";
constexpr const char* THREE_FOUR = "3-4";

// By franchise slot after the sort by city: the front in 2016, 2017, 2018+.
// 'A' is "4-3", 'B' "3-4".
constexpr const char* DEFENSIVE_FRONTS[FRONT_TEAMS] = {
    "BBA", "AAA", "BBB", "AAA", "AAA", "AAB", "AAA", "BBA",   // 0-7
    "AAA", "AAB", "AAA", "BBB", "BBB", "BBA", "AAA", "BBB",   // 8-15
    "BBA", "AAB", "AAA", "AAA", "AAA", "BBA", "AAB", "BBB",   // 16-23
    "AAA", "AAA", "BBB", "BBA", "AAA", "AAA", "BBB", "BBB",   // 24-31
};

void Step_Progress()
{
    Step_Progress_Window(1);
}

// Reads "<year>-<name>", else "<name>"; true when either was read. A file
// of either name that is there but did not load goes to Refused.
bool Load_Named_Book(int nTeam, int nSide, int nYear, const char* szName, PLAYBOOK_IMPORT_COUNTS& Counts)
{
    char szYearName[TEAM_STRING_SIZE + 16];
    std::snprintf(szYearName, sizeof(szYearName), "%d-%s", nYear, szName);
    for (const char* szBook : {static_cast<const char*>(szYearName), szName}) {
        std::string Problem;
        if (Load_Playbook_File(nTeam, nSide, szBook, &Problem))
            return true;
        char szPath[PLAYBOOK_FILE_NAME_LIMIT + 32];
        // Whatever stands under the name (a short file, a folder, a pipe, a
        // device) and did not load is refused, not passed over.
        if (Build_Playbook_File_Path(szBook, nSide, szPath, sizeof(szPath)) && files::Entry_Exists(szPath)) {
            Counts.Refused.emplace_back(szPath);
            Counts.Problems.push_back(Problem);
        }
    }
    return false;
}

}  // namespace

int Get_Defensive_Front_Name(char* szOut, size_t nSize, int nTeam, int nYear)
{
    if (szOut != nullptr && nSize > 0)
        szOut[0] = '\0';
    if (nYear < FIRST_FRONT_YEAR || nTeam < 0 || nTeam >= FRONT_TEAMS || szOut == nullptr || nSize == 0)
        return 0;
    const int nColumn = std::clamp(nYear - FIRST_FRONT_YEAR, 0, FRONT_COLUMNS - 1);
    std::snprintf(szOut, nSize, "%s", DEFENSIVE_FRONTS[nTeam][nColumn] == 'A' ? FOUR_THREE : THREE_FOUR);
    return 1;
}

void Assign_Database_Playbooks()
{
    const int nYear = Get_Current_Year();
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; ++t)
        Build_Team_Default_Playbook(t);
    Set_Team_Offensive_System();
    Step_Progress();
    if (nYear >= FIRST_FRONT_YEAR) {
        for (int t = 0; t < nTeams; ++t) {
            char szFront[8];
            if (!Get_Defensive_Front_Name(szFront, t, nYear))
                continue;
            Load_Playbook_File(t, DEFENCE, szFront);
            Set_Team_Stat(t, TEAM_STAT_DEFENSE_ALIGNMENT, std::strcmp(szFront, FOUR_THREE) == 0 ? 0 : 1);
        }
        Step_Progress();
    }
    if (nYear >= FIRST_RUNNING_QB_YEAR && nYear <= LAST_RUNNING_QB_YEAR) {
        for (int t : RUNNING_QB_TEAMS) {
            if (t < nTeams)
                Load_Playbook_File(t, OFFENCE, "Running-QB");
        }
    }
    Load_Playbooks(0);
    Step_Progress();
}

PLAYBOOK_IMPORT_COUNTS Load_Playbooks(int bShow)
{
    const int nTeams = Count_Teams();
    const int nYear = Get_Current_Year();
    const bool bWindow = bShow && Open_Progress_Window("Loading Playbooks...", 2 * nTeams) != 0;
    PLAYBOOK_IMPORT_COUNTS Counts;
    for (int t = 0; t < nTeams; ++t) {
        char szName[TEAM_STRING_SIZE + 1] = "";
        if (t <= LAST_NAMED_TEAM_SLOT)
            Get_Team_String(szName, t, TEAM_STRING_NICKNAME);
        if (szName[0] != '\0') {
            Counts.nOffensive += Load_Named_Book(t, OFFENCE, nYear, szName, Counts) ? 1 : 0;
            if (bWindow)
                Step_Progress_Window(1);
            Counts.nDefensive += Load_Named_Book(t, DEFENCE, nYear, szName, Counts) ? 1 : 0;
            if (bWindow)
                Step_Progress_Window(1);
        } else if (bWindow) {
            Step_Progress_Window(2);
        }
    }
    if (bWindow) {
        Close_Progress_Window();
        Pump_Messages();
    }
    if (bShow && Counts.Refused.empty()) {
        Show_Formatted_Message(IMPORT_PLAYBOOKS_TITLE, "%d Offensive Playbooks loaded.\n\n%d Defensive Playbooks loaded.",
                               Counts.nOffensive, Counts.nDefensive);
    } else if (bShow) {
        // A damaged file is named, as the script's line names it: its club
        // keeps the book it had, which the user would otherwise not know.
        std::string Text = std::to_string(Counts.nOffensive) + " Offensive Playbooks loaded.\n\n" +
                           std::to_string(Counts.nDefensive) + " Defensive Playbooks loaded.\n\n" +
                           (Counts.Refused.size() == 1 ? "This file is" : "These files are") +
                           " not a whole playbook and did not load; each club keeps the playbook it had:";
        for (size_t i = 0; i < Counts.Refused.size(); ++i)
            Text += "\n" + Counts.Refused[i] + " (" + Counts.Problems[i] + ")";
        Show_Message_Box(Text.c_str(), IMPORT_PLAYBOOKS_TITLE, BOX_OK | BOX_ICON_EXCLAMATION);
    }
    return Counts;
}
