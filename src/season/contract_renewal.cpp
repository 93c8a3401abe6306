// The yearly renewal of one player's contract.
//
// Rule now: no aging of ratings, no asking salary, no weighing of what the
// player is worth: computer clubs keep every expiring player who is not too
// old at his salary for a short term, users' clubs let theirs go.
#include "season/contract_renewal.h"

#include "base/random.h"
#include "frontoffice/computer_manager.h"
#include "league/league_data.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/team.h"
#include "platform/errors.h"

namespace {

constexpr int MAX_CREDITED_SEASONS = 30;
constexpr int CAREER_PERIOD = 2;
constexpr int STAT_GAMES = 0;

void Credit_Season(int nTeam, int nSlot)
{
    const int nSeasons = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED);
    if (nSeasons > 0) {
        const int nNext = nSeasons + 1 < MAX_CREDITED_SEASONS ? nSeasons + 1 : MAX_CREDITED_SEASONS;
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED, nNext);
    } else if (nSeasons == 0 && Get_Player_Stat(nTeam, nSlot, CAREER_PERIOD, STAT_GAMES) != 0) {
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED, 1);
    }
}

}  // namespace

int Renew_Player_Contract(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0;
    if (!Is_Player_Slot_Used(nTeam, nSlot)) {
        Report_Error("No player in %s(%d,[%d])", __func__, nTeam, nSlot);
        return 0;
    }
    const int nYears = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT);
    const int nBonus = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS);
    Credit_Season(nTeam, nSlot);
    const int nAge = Get_Player_Age(nTeam, nSlot);

    if (nTeam >= FREE_AGENT_TEAM) {
        if (nTeam == FREE_AGENT_TEAM && nAge >= RETIREMENT_AGE) {
            Remove_Player_From_Roster(nTeam, nSlot);
            return 0;
        }
        return 1;
    }

    if (nYears - 1 > 0) {
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, nYears - 1);
        if (nBonus != 0)
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, Mul_Div_Rounded(nBonus, nYears - 1, nYears));
        return 1;
    }

    // The contract has run out.
    if (nAge >= RETIREMENT_AGE) {
        Remove_Player_From_Roster(nTeam, nSlot);
        return 0;
    }
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, RENEWED_CONTRACT_YEARS);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH, RENEWED_CONTRACT_YEARS);
    if (Is_Computer_Run_Team(nTeam))
        return 1;
    // A user's club: he goes to the free agents (a full pool that cannot
    // make room keeps him where he is, unsigned all the same).
    Find_Free_Agent_Slot(nTeam, nSlot);
    return 0;
}

// Stand-ins until the renewal rules are in.
int Get_Contract_Length(int, int)
{
    return RENEWED_CONTRACT_YEARS;
}

int Resign_Or_Release_Player(int, int, int)
{
    return 1;
}
