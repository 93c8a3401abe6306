// The front office's services to the player lists: moving a player between
// clubs, a draft pick's contract, the roster and cap lines of the list
// dialogs, a player's one-line statistics and what a club wants in a trade.
#pragma once

#include <cstdint>
#include <string>

class DIALOG;

// Controls the list dialogs share with these services.
constexpr int IDC_BUDGET_LINE = 1386;   // the cap room or budget line
constexpr int IDC_ROSTER_LINE = 1384;   // the roster count line

// Moves the player (nTeam, nSlot) to club nDestination (the free agents, 36,
// through the pool's own rule) and returns his new slot, or -1 when nothing
// moved (the same club, an empty slot, a full roster). His old roster closes
// up behind him; his season lines go with him.
int Transfer_Player(int nDestination, int nTeam, int nSlot);

// Gives the college prospect (nTeam, nSlot) the rookie contract of the pick
// on the clock: his draft slot (round x 100,000 + overall pick) and the
// salary and bonus the draft-slot table gives it. Nothing outside a draft.
void Set_Draft_Pick_Contract(int nTeam, int nSlot);

// "Your team is currently full. You must release a player before you add %s."
// titled "Too Many Players", with the player's full name.
void Show_Team_Full_Message(int nTeam, int nSlot);

// The user's club: its cap room into control 1386 ("$%s,000 under salary
// cap" / "$%s,000 OVER salary cap", or the budget line without a cap), and
// "The %s have %d roster players, out of a maximum of %d." into 1384. Both
// are empty when the user runs no club.
void Show_Cap_Room_Text(DIALOG& Dialog);
// The budget line of club nTeam (a franchise in use or the free agents; ""
// for any other): with a salary cap "$%s,000 under salary cap" or "$%s,000
// OVER salary cap" (cap / 1000 - payroll, in $K, thousands commas), without
// one "Under budget by $%s" or "Over budget by $%s" (payroll budget less
// payroll).
std::string Format_Cap_Room_Line(int nTeam);
// The room that line names, in $K (negative when over).
int64_t Get_Cap_Room_Thousands(int nTeam);
// The same room were the club's payroll nPayroll ($K): a club's payroll
// without one player, or what it has drafted in a fantasy draft.
int64_t Get_Cap_Room_For_Payroll(int nTeam, int64_t nPayroll);
// The line of a room as Get_Cap_Room_Thousands gives it: with a salary cap
// "$%s,000 under salary cap" (above 0) or "$%s,000 OVER salary cap", without
// one "Under budget by $%s" or "Over budget by $%s".
std::string Format_Cap_Room_Text(int64_t nRoom);
void Format_Roster_Count_Text(DIALOG& Dialog);
// The most players a club may hold.
constexpr int ROSTER_MAXIMUM = 100;

// The one-line statistics summary of the "Stat Line" column, by the player's
// position group, from his statistics of the period the lists show
// (preference 27): passing for quarterbacks; rushing and receiving for
// backs, tight ends and receivers; games and starts for linemen; tackles,
// sacks and interceptions for defenders; field goals for kickers, punts for
// punters. Empty for an empty slot.
std::string Format_Player_Stat_Summary(int nTeam, int nSlot);
// The same summary of period 0-3 (this season, last season, career,
// predicted; another reads this season).
std::string Format_Player_Period_Stat_Summary(int nTeam, int nSlot, int nPeriod);

// What club nTeam wants in a trade, from its position needs: while the
// best of a position's starter, starter + backup and starter + backup +
// young need (the first position wins ties) passes 1400 and fewer than two
// names are written, that position's plural name is appended, ", " after
// the first, and its needs are set to 0 ("Safeties, Guards"); with no name
// "anyone who can help the team".
std::string Format_Trade_Wish(int nTeam);

// The contract offer: a dialog showing the player's asking salary, bonus and
// years and the user's cap room. "Offer" accepts the asking terms when the
// first year fits under the cap (else it says why); the default button
// declines. It stores nothing: the caller moves or keeps the player. Gives 1
// when the player signs. Installed as the policy of
// Run_Contract_Offer_Dialog by Install_Contract_Offer_Dialog.
int Contract_Offer_Dialog(int nTeam, int nSlot);
void Install_Contract_Offer_Dialog();
constexpr int CONTRACT_OFFER_DIALOG_ID = 186;
