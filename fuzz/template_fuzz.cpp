// Fuzz target of the HTML template engine: any bytes as a page template,
// expanded with the parameters a page of the export may carry, on a small
// league of four clubs with a few players and one game. Whatever the
// template holds, the engine returns (no crash, no read outside the text),
// and a template without "<" comes back unchanged.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "export/html_template.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"

namespace {

void Set_Up_League()
{
    Zero_League_Data();
    Clear_League_Data();
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
    Set_User_Preference(PREF_SEASON_INDEX, 1);
    Set_User_Preference(PREF_CURRENT_WEEK, 3);
    const char* const NAMES[] = {"Quill", "Avery & Co", "<Brand>", "\"Zed\""};
    for (int t = 0; t < 4; ++t) {
        Set_Team_Stat(t, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
        Set_Team_Stat(t, TEAM_STAT_DIVISION, t);
        Set_Team_String("City", t, TEAM_STRING_CITY);
        Set_Team_String(NAMES[t], t, TEAM_STRING_NICKNAME);
        for (int s = 0; s < 3; ++s) {
            League.Team[t].Player[s].nVital[VITAL_PLAYER_ID] = 1000 + t * 10 + s;
            League.Team[t].Player[s].nVital[VITAL_POSITION] = s * 5;
            Set_Player_Last_Name(t, s, NAMES[(t + s) % 4]);
            Set_Player_First_Name(t, s, "Al");
        }
    }
    Count_Teams();
    League.Game[0].nAwayTeam = 0;
    League.Game[0].nHomeTeam = 1;
    League.Game[0].nPlays = 3;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static bool bReady = false;
    if (!bReady) {
        Set_Up_League();
        bReady = true;
    }
    // The first bytes choose the page's parameters, the rest is the template.
    HTML_TEMPLATE_PARAMS Page;
    int nCount = 0;
    size_t nAt = 0;
    if (nSize > 0) {
        nCount = pData[0] % 4;
        nAt = 1;
    }
    for (int i = 0; i < nCount && nAt + 2 <= nSize; ++i, nAt += 2) {
        Page.nCode[i] = pData[nAt] % 14;
        Page.nValue[i] = static_cast<int8_t>(pData[nAt + 1]);
    }
    const std::string Text(reinterpret_cast<const char*>(pData) + nAt, nSize - nAt);
    const std::string Html = Expand_Html_Template(Text, Page, nCount, "fuzz.template");
    if (Text.find('<') == std::string::npos && Html != Text)
        __builtin_trap();
    Clear_Template_Problems();
    return 0;
}
