// Fuzz target of the Find Players fields: any bytes become what the user
// typed. The first byte picks the position entry (any value, held to the
// combo's 16 entries by the reading); the rest is split at NUL bytes into
// the age, name part, salary, Overall, Peak and the five rating fields.
// Whatever they hold, the search runs over a small league and every key it
// gives is a listed player of a club it may search, in key order.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "editors/find_players.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/ui.h"

namespace {

void Build_League()
{
    Zero_League_Data();
    Clear_League_Data();
    Set_Universe_Stat(FIRST_SEASON_YEAR, 2020);
    for (int t = 0; t < 2; ++t)
        Set_Team_Stat(t, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
    Count_Teams();
    const int TEAMS[] = {0, 1, FREE_AGENT_TEAM, HALL_OF_FAME_TEAM, FIRST_DRAFT_POOL_TEAM};
    int nID = 1;
    for (int t : TEAMS)
        for (int s = 0; s < 15; ++s, ++nID) {
            Set_Player_Vital_Stat(t, s, VITAL_PLAYER_ID, nID);
            Set_Player_Vital_Stat(t, s, VITAL_POSITION, s);
            Set_Player_Vital_Stat(t, s, VITAL_BIRTH_DATE, (1985 + s) * 10000 + 101);
            Set_Player_Vital_Stat(t, s, VITAL_SALARY, 100 * s);
            Set_Player_First_Name(t, s, "Fuzzy");
            Set_Player_Last_Name(t, s, s % 2 == 0 ? "Tester" : "Probe");
            for (int r = 0; r < 27; ++r)
                Set_Player_Rating(t, s, r, static_cast<float>(40 + 3 * s));
        }
    Set_User_Preference(PREF_DRAFT_ROUND, 2);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static bool bFirst = true;
    if (bFirst)
        Build_League();
    bFirst = false;
    if (nSize < 1)
        return 0;
    std::vector<std::string> Parts(1);
    for (size_t i = 1; i < nSize; ++i) {
        if (pData[i] == 0)
            Parts.emplace_back();
        else
            Parts.back() += static_cast<char>(pData[i]);
    }
    Parts.resize(10);
    FIND_PLAYERS_FIELDS Fields;
    Fields.nPosition = static_cast<int8_t>(pData[0]);
    Fields.Age = Parts[0];
    Fields.Name = Parts[1];
    Fields.Salary = Parts[2];
    Fields.Overall = Parts[3];
    Fields.Peak = Parts[4];
    for (int i = 0; i < 5; ++i)
        Fields.Ratings[i] = Parts[5 + i];

    const std::vector<int> Keys = Search_Players(Read_Find_Players_Query(Fields));
    int nLast = -1;
    for (int nKey : Keys) {
        const int nTeam = nKey / PLAYERS_PER_TEAM;
        if (nKey <= nLast || nTeam == HALL_OF_FAME_TEAM || !Is_Player_Slot_Used(nTeam, nKey % PLAYERS_PER_TEAM))
            std::abort();
        nLast = nKey;
    }
    ui::Reset();
    Clear_Recent_Errors();
    return 0;
}
