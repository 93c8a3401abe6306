// The yearly renewal of one player's contract at the end of a season.
#pragma once

// A free agent of this age or older, or a franchise player this old whose
// contract has run out, retires at the renewal.
constexpr int RETIREMENT_AGE = 35;
// Years of the new contract of a player whose deal ran out.
constexpr int RENEWED_CONTRACT_YEARS = 2;

// One season of the player's contract passes: he gains a credited season
// (at most 30; a player with none gains one only when he has played a
// game), a contract with years to run loses one (the bonus still to count
// shrinks with it). An expired contract: an old player retires; a
// computer-run club re-signs him for RENEWED_CONTRACT_YEARS; a user's club
// lets him go to the free agents. A free agent of RETIREMENT_AGE retires;
// players of the pools 37-40 stay as they are.
// Returns 1 when the player is still in the slot under contract (or, for
// slots 36-40, still in the league), 0 when he left. A bad address or an
// empty slot is reported and gives 0.
int Renew_Player_Contract(int nTeam, int nSlot);

// The years a player signs for (2-7).
int Get_Contract_Length(int nTeam, int nSlot);
// 1 when the club keeps him; bFinal 0 only tests, leaving his contract as it was.
int Resign_Or_Release_Player(int nTeam, int nSlot, int bFinal);
