// The yearly renewal of players' contracts at the end of a season, the
// length a player signs for, and a club's choice to keep or let go a player
// whose contract has run out.
#pragma once

// Most years a contract runs.
constexpr int MAXIMUM_CONTRACT_YEARS = 7;
// Players a club may hold and still meet a player halfway on his price.
constexpr int COMPROMISE_ROSTER_LIMIT = 58;

// One season of the player's contract passes: he ages a year and gains a
// credited season (at most 30; a player with none gains one only when he has
// played a game). A free agent or pool player (36, 38-40) gets a new asking
// salary and may retire; a franchise player's contract loses a year (the
// bonus still to count shrinks with it) or, when it has run out, his club
// re-signs or releases him (Resign_Or_Release_Player). Returns 1 when the
// player is still in the slot under contract (or, for slots 36-40, still in
// the league), 0 when he left. A bad address or an empty slot is reported
// and gives 0.
int Renew_Player_Contract(int nTeam, int nSlot);

// The years a player signs for: 0 for an empty slot, 4 for a college
// prospect, else from his value, shorter past his position's decline age,
// 2-7 (a free agent during the season 1-7).
int Get_Contract_Length(int nTeam, int nSlot);

// An expired contract: the user's club decides through the contract offer
// (Commissioner Mode renews at once; an owner in debt must release him);
// a computer club weighs what it will pay against his price. 1 when he is
// re-signed. With bFinal 0 (a probe) a player who is not re-signed keeps his
// old contract and stays, the user is not asked, and the club's coming
// draft picks are not counted against its payroll.
int Resign_Or_Release_Player(int nTeam, int nSlot, int bFinal);
