// Test hooks of the season's end, never used by the program itself.
#pragma once

// The renewal of one player that Renew_Team_Contracts runs (result as
// Renew_Player_Contract's). Null (the default) restores Renew_Player_Contract.
using PLAYER_RENEWAL_FUNCTION = int (*)(int nTeam, int nSlot);
void Set_Player_Renewal_Function(PLAYER_RENEWAL_FUNCTION pFunction);
