// Fuzz target of the fantasy-draft file reader: any bytes, read as the
// "%s.draft" file of an older saved game into a small league whose draft is
// under way. A file is taken whole or not at all: a refused one leaves a
// fresh draft (round 0, pick 0, no pick made, nobody drafted); a taken one
// becomes the state byte for byte, and every drafted-by byte it gives back
// names a club of the league. Either way the prompt may then run from that
// state without reading outside a table.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "season/draft_teams.h"
#include "season/fantasy_draft.h"

namespace {

constexpr int CLUBS = 3;

void Put_Player(int nTeam, int nSlot, int nID)
{
    Clear_Player(nTeam, nSlot);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID, nID);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION, nSlot % 15);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE, 19950101);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY, -1);
    Set_Player_First_Name(nTeam, nSlot, "Fuzz");
    Set_Player_Last_Name(nTeam, nSlot, "Player");
    for (int r = 0; r <= RATING_PUNT_DISTANCE; ++r)
        Set_Player_Rating(nTeam, nSlot, r, 55.0f + (nID % 20));
}

// Three computer-run clubs of four players and a pool of four prospects.
void Build_League_Once()
{
    Zero_League_Data();
    Clear_League_Data();
    Set_Universe_Stat(FIRST_SEASON_YEAR, 2020);
    Set_Universe_Stat(INFLATION_FACTOR, 1000);
    for (int t = 0; t < CLUBS; ++t) {
        Set_Team_Stat(t, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
        Set_Team_Stat(t, TEAM_STAT_DIVISION, 0);
        Set_Team_String("City", t, TEAM_STRING_CITY);
        Set_Team_String("Nick", t, TEAM_STRING_NICKNAME);
        for (int s = 0; s < 4; ++s)
            Put_Player(t, s, 100 * (t + 1) + s);
    }
    for (int s = 0; s < 4; ++s)
        Put_Player(FIRST_DRAFT_POOL_TEAM, s, 900 + s);
    Count_Teams();
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    Set_Universe_Stat(FANTASY_DRAFT_RUNNING, FANTASY_DRAFT_UNDER_WAY);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static bool bBuilt = false;
    if (!bBuilt) {
        Build_League_Once();
        bBuilt = true;
    }
    Clear_All_Drafted_By();
    const bool bTaken = Load_Fantasy_Draft_Bytes(pData, nSize, "fuzz.draft");
    if (bTaken != (Check_Fantasy_Draft_Bytes(pData, nSize) == nullptr))
        std::abort();

    static FANTASY_DRAFT_STATE State;
    Get_Fantasy_Draft_State(&State);
    if (bTaken) {
        static uint8_t Bytes[FANTASY_DRAFT_STATE_SIZE];
        Encode_Fantasy_Draft_State(State, Bytes);
        if (std::memcmp(Bytes, pData, FANTASY_DRAFT_STATE_SIZE) != 0)
            std::abort();
    } else if (State.nRound != 0 || State.nPick != 0 || State.nPicked[0][0] != 0) {
        std::abort();
    }
    For_Each_Player_In_Use([](int t, int s) {
        const int nDrafted = Get_Player_Drafted_By(t, s);
        if (nDrafted != NO_TEAM && (nDrafted < 0 || nDrafted >= CLUBS))
            std::abort();
    });
    // The loaded or fresh state's next pick is weighed without running the
    // draft to its end (which would move the players of the next input's
    // league): Choose reads the state's club and every candidate.
    if (State.nRound >= 0 && State.nRound < FANTASY_DRAFT_ROUNDS && State.nPick >= 0 && State.nPick < CLUBS) {
        int nTeam = 0;
        int nSlot = 0;
        Choose_Fantasy_Draft_Pick(State.nOrder[State.nRound][State.nPick], &nTeam, &nSlot);
    }
    ui::Reset();
    Clear_Recent_Errors();
    return 0;
}
