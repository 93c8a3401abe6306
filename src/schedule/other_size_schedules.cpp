#include "schedule/other_size_schedules.h"

#include <utility>

#include "base/random.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/team_schedule.h"
#include "schedule/schedule_tables.h"
#include "schedule/table_schedules.h"

namespace {

constexpr int AWAY_INT = 0;
constexpr int HOME_INT = 1;
constexpr int BLOCK_SLOTS = 5;

bool Coin_Flip()
{
    return Get_Random_Below(2) == 0;
}

// Occupants of slots [a, a + n) and [b, b + n) change places pairwise.
void Swap_Slots(int* pTeamAtSlot, int a, int b, int n)
{
    for (int i = 0; i < n; ++i)
        std::swap(pTeamAtSlot[a + i], pTeamAtSlot[b + i]);
}

bool Divisions_Hold(int nFirstDivision, int n0, int n1, int n2, int n3)
{
    return Count_Division_Teams(nFirstDivision) == n0 && Count_Division_Teams(nFirstDivision + 1) == n1
        && Count_Division_Teams(nFirstDivision + 2) == n2 && Count_Division_Teams(nFirstDivision + 3) == n3;
}

void Shuffle_Slots(int nMember, int* pTeamAtSlot)
{
    switch (nMember) {
    case OTHER_SIZE_12_TEAMS:
        if (Coin_Flip())
            Swap_Slots(pTeamAtSlot, 0, 6, 6);
        break;
    case OTHER_SIZE_26_TEAMS:
        if (Coin_Flip())
            Swap_Slots(pTeamAtSlot, 5, 9, 4);
        if (Coin_Flip())
            Swap_Slots(pTeamAtSlot, 18, 22, 4);
        break;
    case OTHER_SIZE_28_TEAMS:
        // Each flip is drawn whatever the divisions hold.
        if (Coin_Flip() && Divisions_Hold(0, 5, 4, 5, 0))
            Swap_Slots(pTeamAtSlot, 0, 9, 5);
        if (Coin_Flip() && Divisions_Hold(4, 5, 5, 4, 0))
            Swap_Slots(pTeamAtSlot, 14, 19, 5);
        break;
    case OTHER_SIZE_30_TEAMS:
        for (int nConference = 0; nConference < 2; ++nConference) {
            if (!Divisions_Hold(4 * nConference, 5, 5, 5, 0))
                continue;
            for (int n = 0; n < 3; ++n) {
                const int a = 3 * nConference + Get_Random_Below(3);
                const int b = 3 * nConference + Get_Random_Below(3);
                if (a != b)
                    Swap_Slots(pTeamAtSlot, BLOCK_SLOTS * a, BLOCK_SLOTS * b, BLOCK_SLOTS);
            }
        }
        break;
    default:
        break;
    }
}

// The table slot of a league slot in 1977's 14-game season of 28 teams.
int Shift_1977(int nSlot)
{
    if (nSlot >= 23)
        return nSlot - 4;
    if (nSlot >= 19)
        return nSlot + 5;
    return nSlot;
}

}  // namespace

void Build_Other_Size_Slot_Map(int nMember, int* pTeamAtSlot)
{
    for (int s = 0; s < OTHER_SIZE_MAX_SLOTS; ++s)
        pTeamAtSlot[s] = NO_TEAM;
    if (nMember < 0 || nMember >= OTHER_SIZE_MEMBERS)
        return;
    const OTHER_SIZE_SHAPE& Shape = Get_Other_Size_Shape(nMember);
    const int nYear = Get_Current_Year();
    const bool bSpecial = nYear == Shape.nSpecialYear;
    const int nTeams = Count_Teams() < Shape.nTeams ? Count_Teams() : Shape.nTeams;
    for (int t = 0; t < nTeams; ++t) {
        int nSlot;
        if (bSpecial) {
            nSlot = Get_Other_Size_Special_Order(nMember, t);
        } else {
            nSlot = Get_Team_League_Slot(t);
            if (nMember == OTHER_SIZE_28_TEAMS_14_GAMES && nYear == 1977 && nSlot >= 0)
                nSlot = Shift_1977(nSlot);
        }
        // Only the table's slots are written, each once: a team without a
        // place, or a second team for one slot, sits nowhere.
        if (nSlot >= 0 && nSlot < Shape.nTeams && pTeamAtSlot[nSlot] == NO_TEAM)
            pTeamAtSlot[nSlot] = t;
    }
    if (!bSpecial)
        Shuffle_Slots(nMember, pTeamAtSlot);
}

void Generate_Other_Size_Schedule(int nMember)
{
    if (nMember < 0 || nMember >= OTHER_SIZE_MEMBERS)
        return;
    int nTeamAtSlot[OTHER_SIZE_MAX_SLOTS];
    Build_Other_Size_Slot_Map(nMember, nTeamAtSlot);
    const OTHER_SIZE_SHAPE& Shape = Get_Other_Size_Shape(nMember);
    auto Team_At = [&](int nSlot) {
        return nSlot >= 0 && nSlot < Shape.nTeams ? nTeamAtSlot[nSlot] : NO_TEAM;
    };
    for (int w = 0; w < Shape.nWeeks; ++w) {
        for (int g = 0; g < Shape.nGamesPerWeek; ++g) {
            const int nHomeSlot = Get_Other_Size_Schedule_Opponent(nMember, w, g, HOME_INT);
            if (nHomeSlot == SCHEDULE_NO_VALUE)
                continue;
            const int nHome = Team_At(nHomeSlot);
            const int nAway = Team_At(Get_Other_Size_Schedule_Opponent(nMember, w, g, AWAY_INT));
            // A slot nobody holds gives no game.
            if (nHome == NO_TEAM || nAway == NO_TEAM)
                continue;
            Schedule_Game(nHome, nAway, w, -1, -1);
        }
    }
}

void Generate_Schedule_12_Teams()
{
    Generate_Other_Size_Schedule(OTHER_SIZE_12_TEAMS);
}

void Generate_Schedule_26_Teams()
{
    Generate_Other_Size_Schedule(OTHER_SIZE_26_TEAMS);
}

void Generate_Schedule_28_Teams_14_Games()
{
    Generate_Other_Size_Schedule(OTHER_SIZE_28_TEAMS_14_GAMES);
}

void Generate_Schedule_28_Teams_Before_1990()
{
    Generate_Other_Size_Schedule(OTHER_SIZE_28_TEAMS_BEFORE_1990);
}

void Generate_Schedule_28_Teams()
{
    Generate_Other_Size_Schedule(OTHER_SIZE_28_TEAMS);
}

void Generate_Schedule_30_Teams()
{
    Generate_Other_Size_Schedule(OTHER_SIZE_30_TEAMS);
}
