// Services the player-list dialogs share: whether trades and signings are
// open, releasing a player after asking, and the club, period and title
// controls every list dialog fills the same way.
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

// Fills control 1132 (combo or list) with the full names of the clubs in
// use, in slot order, each with item data nDataBase + its slot, and selects
// the viewed club (preference 28). Gives the number of entries added.
int Fill_Roster_List_Control(DIALOG& Dialog, int nDataBase = 0);

// Appends the year and the viewed club's name to the dialog's title:
// "%s (%d %s)" (the club's full name; the title alone when no club is shown).
void Set_Dialog_Title_With_Year(DIALOG& Dialog);
