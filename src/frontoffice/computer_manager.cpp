// What the computer's front offices do.
//
// The clubs keep their rosters between 45 and 51 players, every
// position filled to the minimum of a legal roster: they sign the best free
// agent at a position they are short of (anyone when the pool has nobody
// there) whose salary fits their cap room, less the least salaries of the
// players still to sign after him, else the cheapest one at the league
// minimum; the roster trim of Release_Excess_Player keeps those
// minimums, and a club over the cap lets its least valued paid spare players
// go.
// Before each game day a club short of healthy players at a position its
// line-ups need signs a healthy free agent there.
// They set their depth charts and returners and make no trades among
// themselves.
#include "frontoffice/computer_manager.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "frontoffice/depth_chart.h"
#include "frontoffice/roster_moves.h"
#include "league/finance_basics.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "season/player_value.h"
#include "season/salaries.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "base/text_utils.h"

namespace {

// The healthy players of each position (QB .. P) a club needs on a game
// day: the starters of the base line-ups, with the three receivers that the
// three-receiver sets and the club's run-pass strength call on.
constexpr int HEALTHY_PLAYERS_NEEDED[NUMBER_OF_POSITIONS] = {1, 1, 1, 1, 3, 2, 2, 1, 2, 2, 3, 2, 2, 1, 1};

// Release_Excess_Player lets one player go at a time; a roster never holds
// more than this many, so the trim ends within it.
constexpr int TRIM_LIMIT = PLAYERS_PER_TEAM;

// The free agency's rounds of releases and signings for one club: each round
// that ends over the cap lets spares go that the next one replaces at a
// league minimum, so a few rounds settle it.
constexpr int FREE_AGENCY_ROUNDS = 4;

// The positions the club has fewer players at than a legal roster needs.
bool Is_Position_Short(int nTeam, int nPosition)
{
    return Count_Position_Players(nTeam, nPosition) < Get_Position_Minimum(nPosition);
}

// The club's room under the cap, $K; no cap leaves room for anyone.
int64_t Get_Cap_Room(int nTeam)
{
    if (Get_Universe_Stat(SALARY_CAP) <= 0)
        return INT64_MAX;
    return Get_Team_Financial_Stat(nTeam, FINANCE_CAP_ROOM);
}

// The room one signing may take: the cap room less what the players still
// to sign after him to reach the target size need at the least salary, so
// that a dear signing does not leave the rest to be signed over the cap.
int64_t Get_Signing_Room(int nTeam)
{
    const int64_t nRoom = Get_Cap_Room(nTeam);
    if (nRoom == INT64_MAX)
        return nRoom;
    const int nAfter = std::max(0, AI_ROSTER_TARGET - Count_Team_Players(nTeam) - 1);
    return nRoom - static_cast<int64_t>(nAfter) * Get_Minimum_Salary(0);
}

// Of the free agents Accept takes, the best overall rating whose cap charge
// (salary and bonus share) fits the room, else the cheapest: the one whose
// league minimum, what he is then signed at, is least (of equal minimums the
// lower charge). The lower slot wins a tie; -1 when Accept takes nobody.
template <typename ACCEPT>
int Choose_Free_Agent_Among(ACCEPT Accept, int64_t nRoom)
{
    const int nPlayers = Count_Team_Players(FREE_AGENT_TEAM);
    int nBest = -1;
    float fBest = 0.0f;
    int nCheapest = -1;
    int nCheapestMinimum = 0;
    int nCheapestCharge = 0;
    for (int s = 0; s < nPlayers; ++s) {
        if (!Accept(s))
            continue;
        // What he would count against the cap: his salary and his bonus's share.
        const int nCharge = Get_Player_Vital_Stat(FREE_AGENT_TEAM, s, VITAL_CAP_CHARGE);
        const int nMinimum = Get_Player_Minimum_Salary(FREE_AGENT_TEAM, s);
        if (nCheapest < 0 || nMinimum < nCheapestMinimum ||
            (nMinimum == nCheapestMinimum && nCharge < nCheapestCharge)) {
            nCheapest = s;
            nCheapestMinimum = nMinimum;
            nCheapestCharge = nCharge;
        }
        if (nCharge > nRoom)
            continue;
        const float fOverall = Get_Player_Overall_Rating(FREE_AGENT_TEAM, s);
        if (nBest < 0 || fOverall > fBest) {
            nBest = s;
            fBest = fOverall;
        }
    }
    return nBest >= 0 ? nBest : nCheapest;
}

// The free agent the club signs: at a position it is short of when the pool
// has one, else anyone; of those, the best overall rating whose salary fits
// under the cap, else (a club without room still fields a legal roster) the
// cheapest. The lower slot wins a tie; -1 when the pool is empty.
int Choose_Free_Agent(int nTeam)
{
    const int nPlayers = Count_Team_Players(FREE_AGENT_TEAM);
    bool bNeedOnly = false;
    for (int s = 0; s < nPlayers && !bNeedOnly; ++s)
        bNeedOnly = Is_Position_Short(nTeam, Get_Player_Vital_Stat(FREE_AGENT_TEAM, s, VITAL_POSITION));
    return Choose_Free_Agent_Among(
        [&](int s) {
            return !bNeedOnly || Is_Position_Short(nTeam, Get_Player_Vital_Stat(FREE_AGENT_TEAM, s, VITAL_POSITION));
        },
        Get_Signing_Room(nTeam));
}

// Signs free agent nSlot for the team; false when there is none or the
// roster is full. A player signed beyond the club's signing room comes at the
// league minimum.
bool Sign_Chosen_Free_Agent(int nTeam, int nSlot)
{
    if (nSlot < 0)
        return false;
    const bool bOverCap = Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_CAP_CHARGE) > Get_Signing_Room(nTeam);
    const int nNewSlot = Sign_Free_Agent_To_Team(nTeam, nSlot);
    if (nNewSlot < 0)
        return false;
    if (bOverCap) {
        Set_Player_Vital_Stat(nTeam, nNewSlot, VITAL_SALARY, Get_Player_Minimum_Salary(nTeam, nNewSlot));
        Set_Player_Vital_Stat(nTeam, nNewSlot, VITAL_SIGNING_BONUS, 0);
    }
    return true;
}

// Signs the free agent Choose_Free_Agent picks.
bool Sign_Best_Free_Agent(int nTeam)
{
    return Sign_Chosen_Free_Agent(nTeam, Choose_Free_Agent(nTeam));
}

// The club's players at the position who are not hurt.
int Count_Healthy_Players(int nTeam, int nPosition)
{
    const int nPlayers = Count_Team_Players(nTeam);
    int nCount = 0;
    for (int s = 0; s < nPlayers; ++s)
        if (Get_Player_Vital_Stat(nTeam, s, VITAL_POSITION) == nPosition &&
            Get_Player_Vital_Stat(nTeam, s, VITAL_INJURY_WEEKS) < 1)
            ++nCount;
    return nCount;
}

// The healthy free agent at the position a club signs: the best overall
// rating whose charge fits the room, else the cheapest; the lower slot wins a
// tie; -1 when the pool has nobody healthy there.
int Choose_Healthy_Free_Agent(int nPosition, int64_t nRoom)
{
    return Choose_Free_Agent_Among(
        [&](int s) {
            return Get_Player_Vital_Stat(FREE_AGENT_TEAM, s, VITAL_POSITION) == nPosition &&
                   Get_Player_Vital_Stat(FREE_AGENT_TEAM, s, VITAL_INJURY_WEEKS) <= 0;
        },
        nRoom);
}

bool Has_Short_Position(int nTeam)
{
    for (int p = 0; p < NUMBER_OF_POSITIONS; ++p)
        if (Is_Position_Short(nTeam, p))
            return true;
    return false;
}

// A club signs while it is below the target size or short at a position
// (the roster trim then lets a spare player go).
bool Wants_Free_Agent(int nTeam)
{
    const int nPlayers = Count_Team_Players(nTeam);
    return nPlayers < AI_ROSTER_TARGET || (nPlayers < PLAYERS_PER_TEAM && Has_Short_Position(nTeam));
}

// The spare player (his position above its minimum) paid above the minimum
// who gives the club the least for what his release saves: the least kept
// value (Get_Player_Keep_Value) per unit of salary above his minimum, the
// first of equal ratios. A dear rookie who would start is worth his salary
// to the club, so he goes after the overpaid spare veterans; a release that
// saves little is weighed by that little, so the club gets under the cap
// before it runs out of players to spare. -1 when nobody can be spared or
// no release would save anything.
int Find_Least_Valued_Paid_Spare(int nTeam)
{
    const int nPlayers = Count_Team_Players(nTeam);
    int nLeast = -1;
    int64_t nLeastKeep = 0;
    int64_t nLeastSaving = 1;
    for (int s = 0; s < nPlayers; ++s) {
        const int nPosition = Get_Player_Vital_Stat(nTeam, s, VITAL_POSITION);
        if (Count_Position_Players(nTeam, nPosition) <= Get_Position_Minimum(nPosition))
            continue;
        const int64_t nSaving = static_cast<int64_t>(Get_Player_Vital_Stat(nTeam, s, VITAL_SALARY)) -
                                Get_Player_Minimum_Salary(nTeam, s);
        if (nSaving <= 0)
            continue;   // releasing a minimum salary saves nothing
        const int64_t K = Get_Player_Keep_Value(nTeam, s);
        // K / nSaving below the best so far, compared without division.
        if (nLeast < 0 || K * nLeastSaving < nLeastKeep * nSaving) {
            nLeast = s;
            nLeastKeep = K;
            nLeastSaving = nSaving;
        }
    }
    return nLeast;
}

// The cap room a club keeps for the players it still has to sign to reach
// its target size, each at the least salary a player can ask.
int Room_To_Fill_Roster(int nTeam)
{
    return std::max(0, AI_ROSTER_TARGET - Count_Team_Players(nTeam)) * Get_Minimum_Salary(0);
}

// A club over the cap, or without the room to fill its roster at the least
// salary, lets go of the paid players it values least until it has that room
// (or nobody is left to spare); the free agency then fills the roster within
// the room. Releasing the least valued players saves less per release than
// releasing the dearest, so the room to fill is kept here, not found later.
void Get_Under_The_Cap(int nTeam)
{
    if (Get_Cap_Room(nTeam) >= Room_To_Fill_Roster(nTeam))
        return;
    Begin_Potential_Memo();   // each pass values the same players again
    for (int i = 0; i < PLAYERS_PER_TEAM && Get_Cap_Room(nTeam) < Room_To_Fill_Roster(nTeam); ++i) {
        const int nSlot = Find_Least_Valued_Paid_Spare(nTeam);
        if (nSlot < 0 || Find_Free_Agent_Slot(nTeam, nSlot) < 0)
            break;
    }
    End_Potential_Memo();
}

}  // namespace

bool Is_Computer_Run_Team(int nTeam)
{
    if (!Is_Team_Slot_Used(nTeam))
        return false;
    return Get_Team_Stat(nTeam, TEAM_STAT_CONTROLLER) != CONTROLLER_USER
           || Get_User_Preference(PREF_ALL_COMPUTER_TEAMS) != 0;
}

int Sign_Free_Agent_To_Team(int nTeam, int nSlot)
{
    if (!Is_Team_Slot_Used(nTeam)) {
        Report_Error("nTeam out of bounds in %s([%d],%d)", __func__, nTeam, nSlot);
        return -1;
    }
    if (!Is_Player_Slot_Used(FREE_AGENT_TEAM, nSlot)) {
        Report_Error("No free agent in %s(%d,[%d])", __func__, nTeam, nSlot);
        return -1;
    }
    const int nNewSlot = Find_Empty_Player_Slot(nTeam);
    if (nNewSlot < 0)
        return -1;
    Swap_Players(FREE_AGENT_TEAM, nSlot, nTeam, nNewSlot);
    // The pool's slot now holds the empty record: clear it and close the gap.
    Shift_Roster_Over_Slot(FREE_AGENT_TEAM, nSlot);
    if (Get_Player_Vital_Stat(nTeam, nNewSlot, VITAL_CONTRACT_YEARS_LEFT) < 1)
        Set_Player_Vital_Stat(nTeam, nNewSlot, VITAL_CONTRACT_YEARS_LEFT, 1);
    return nNewSlot;
}

void Auto_Set_Computer_Depth_Charts(int bFlag)
{
    (void)bFlag;
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; ++t) {
        if (!Is_Computer_Run_Team(t))
            continue;
        for (int nUnit = 0; nUnit <= 2; ++nUnit)
            Auto_Set_Depth_Chart(t, nUnit, 0);
    }
}

void Sign_AI_Free_Agent()
{
    const int nTeams = Count_Teams();
    // Every game day begins here: first each club dresses a full line-up.
    for (int t = 0; t < nTeams; ++t)
        Sign_Healthy_Needs(t);
    for (int t = 0; t < nTeams; ++t) {
        if (Is_Computer_Run_Team(t) && Wants_Free_Agent(t)) {
            Sign_Best_Free_Agent(t);
            return;
        }
    }
}

void Run_AI_Trade()
{
    // The computer clubs make no trades among themselves (see the header).
}

void Run_Computer_Roster_Moves()
{
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; ++t) {
        if (!Is_Computer_Run_Team(t))
            continue;
        Trim_Team_Roster(t);
        Get_Under_The_Cap(t);
    }
}

bool Sign_Healthy_Needs(int nTeam)
{
    if (!Is_Computer_Run_Team(nTeam))
        return false;
    bool bSigned = false;
    for (int p = 0; p < NUMBER_OF_POSITIONS; ++p) {
        // Each signing adds a healthy player here, so the loop ends.
        while (Count_Healthy_Players(nTeam, p) < Get_Healthy_Players_Needed(p)) {
            if (!Sign_Chosen_Free_Agent(nTeam, Choose_Healthy_Free_Agent(p, Get_Signing_Room(nTeam))))
                break;
            bSigned = true;
        }
    }
    // A signing at a league minimum beyond the room is paid for by letting
    // a spare go.
    if (bSigned && Get_Cap_Room(nTeam) < 0)
        Get_Under_The_Cap(nTeam);
    // The game finds its players by position among the healthy ones, so a
    // new player is dressed without a new depth chart (the day's end sets
    // one).
    return bSigned;
}

int Get_Healthy_Players_Needed(int nPosition)
{
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS)
        return 0;
    return HEALTHY_PLAYERS_NEEDED[nPosition];
}

void Run_AI_Free_Agency(int bProgress)
{
    (void)bProgress;
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; ++t) {
        if (!Is_Computer_Run_Team(t))
            continue;
        // A club that had to sign at a league minimum above the least one
        // can end over the cap: it lets another spare go and signs again.
        for (int nRound = 0; nRound < FREE_AGENCY_ROUNDS; ++nRound) {
            Get_Under_The_Cap(t);
            // Each signing adds a player, so the loop ends by the roster limit.
            while (Wants_Free_Agent(t))
                if (!Sign_Best_Free_Agent(t))
                    break;
            Trim_Team_Roster(t);
            if (Get_Cap_Room(t) >= 0)
                break;
        }
    }
}

void Trim_Team_Roster(int nTeam)
{
    if (!Check_Team_Index(__func__, nTeam))
        return;
    for (int i = 0; i < TRIM_LIMIT; ++i)
        if (!Release_Excess_Player(nTeam))
            break;
}

void Choose_Team_Returners(int nTeam)
{
    Choose_Team_Returner(nTeam, RETURNER_KICKOFF);
    Choose_Team_Returner(nTeam, RETURNER_PUNT);
}

void Sort_Team_Depth_Chart_Backups(int nTeam)
{
    for (int nUnit = 0; nUnit <= 2; ++nUnit)
        Sort_Depth_Chart_Backups(nTeam, nUnit);
}

void Compute_League_Position_Averages(int nPosition)
{
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS)
        Report_Error("nPosition out of bounds in %s([%d])", __func__, nPosition);
}

int Fill_AI_Roster_Needs(int nTeam)
{
    if (nTeam < 0 || nTeam >= MAX_FRANCHISES || !Is_Team_Slot_Used(nTeam)) {
        Report_Error("nTeam out of bounds in %s([%d])", __func__, nTeam);
        return 0;
    }
    const bool bTell = Get_Team_Stat(nTeam, TEAM_STAT_CONTROLLER) == CONTROLLER_USER &&
                       Get_User_Preference(PREF_ALL_COMPUTER_TEAMS) == 0;
    char szClub[TEAM_STRING_SIZE * 2 + 2];
    Get_Team_Full_Name(nTeam, szClub);
    std::string Text;
    int nSigned = 0;
    for (int p = 0; p < NUMBER_OF_POSITIONS; ++p) {
        if (Count_Healthy_Players(nTeam, p) > 0)
            continue;
        char szPosition[32];
        Get_Position_Name_Lower(p, szPosition);
        // The best healthy free agent there whose charge fits the cap room;
        // else the one of least league minimum, at that minimum, when it fits.
        const int64_t nRoom = Get_Cap_Room(nTeam);
        const int nPick = Choose_Healthy_Free_Agent(p, nRoom);
        int64_t nCharge = 0;
        bool bAtMinimum = false;
        if (nPick >= 0) {
            nCharge = Get_Player_Vital_Stat(FREE_AGENT_TEAM, nPick, VITAL_CAP_CHARGE);
            if (nCharge > nRoom) {
                bAtMinimum = true;
                nCharge = Get_Player_Minimum_Salary(FREE_AGENT_TEAM, nPick);
            }
        }
        if (nPick < 0 || nCharge > nRoom) {
            Text += std::string("The ") + szClub + " have no healthy " + szPosition + ", and " +
                    (nPick < 0 ? "the free agents have none." : "no free agent there fits under the salary cap.") +
                    "\n";
            continue;
        }
        char szPlayer[PLAYER_NAME_TEXT_SIZE];
        Get_Player_Full_Name(FREE_AGENT_TEAM, nPick, szPlayer);
        const int nSlot = Sign_Free_Agent_To_Team(nTeam, nPick);
        if (nSlot < 0)
            continue;
        if (bAtMinimum) {
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, static_cast<int>(nCharge));
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, 0);
        }
        ++nSigned;
        char szMoney[32];
        Format_Money_Short(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY), szMoney);
        Text += std::string("The ") + szClub + " had no healthy " + szPosition + ": " + szPlayer +
                " was signed from the free agents at " + szMoney + " a year.\n";
    }
    if (bTell && !Text.empty())
        Show_Message_Box(Text.c_str(), "Roster Needs", BOX_OK | BOX_ICON_INFORMATION);
    return nSigned;
}
