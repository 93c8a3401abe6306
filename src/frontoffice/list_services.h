// Services the player-list dialogs share: whether trades and signings are
// open, releasing a player after asking, and the statistics-period combo.
#pragma once

class DIALOG;

// Controls of the list dialogs these services fill.
constexpr int IDC_TEAM_COMBO = 1132;     // clubs (and, in some dialogs, groups)
constexpr int IDC_PERIOD_COMBO = 1223;   // statistics period

// True in weeks 0-11 of the regular season, in the playoffs and in the
// off-season: after that the transaction deadline has passed.
bool Are_Trades_Allowed();
constexpr int TRADES_CLOSE_WEEK = 12;   // the first week past the deadline

// Asks "Do you really want to release %s?" (Yes/No, titled "Release
// Player"); Yes moves him to the free agents. True when he was released.
// Refused without asking (false) for an empty slot or a player who is not on
// a franchise.
bool Confirm_Release_Player(int nTeam, int nSlot);

// Fills combo 1223 with "This Season", "Last Season", "Career" and
// "Predicted" and selects preference 27 (held to 0-3).
void Fill_Stat_Period_Combo(DIALOG& Dialog);

// Fill_Roster_List_Control and Set_Dialog_Title_With_Year are in
// editors/stat_pickers.h.
