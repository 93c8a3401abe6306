// The 48 formations: names, and for each of the 11 places the position and
// depth-chart rank of the player who fills it and his spot (x across from the
// ball, y along the field from the line of scrimmage; yards).
//
// Offensive formations put the passer in place 0, backs and receivers in
// places 1-5 (the receivers 0-4 of a play's routes) and the line T0 G0 C0 G1
// T1 in places 6-10 at x -4, -2, 0, 2, 4 on the line; seven players stand on
// the line (y 0). Defensive formations list the front first, then the
// linebackers, cornerbacks and safeties, which is the order the built-in
// defensive plays give their responsibilities in.

#include "engine/formations.h"
#include "league/player.h"

namespace {

constexpr int QB = POSITION_QB;
constexpr int RB = POSITION_RB;
constexpr int FB = POSITION_FB;
constexpr int TE = POSITION_TE;
constexpr int WR = POSITION_WR;
constexpr int T = POSITION_T;
constexpr int G = POSITION_G;
constexpr int C = POSITION_C;
constexpr int DE = POSITION_DE;
constexpr int DT = POSITION_DT;
constexpr int LB = POSITION_LB;
constexpr int CB = POSITION_CB;
constexpr int S = POSITION_S;
constexpr int K = POSITION_K;
constexpr int P = POSITION_P;
constexpr int KR = PLACE_KICK_RETURNER;
constexpr int PR = PLACE_PUNT_RETURNER;

}  // namespace

// The offensive line of places 6-10.
#define LINE {T, 0, -4, 0}, {G, 0, -2, 0}, {C, 0, 0, 0}, {G, 1, 2, 0}, {T, 1, 4, 0}

const FORMATION FORMATIONS[] = {
    // 0: two backs stacked behind the quarterback, tight end right.
    {"'I' Formation", "'I'",
     {{QB, 0, 0, -1.6}, {RB, 0, -0.01, -5}, {FB, 0, 0, -3.3}, {WR, 1, -12, 0}, {TE, 0, 6, 0}, {WR, 0, 12, -1}, LINE}},
    // 1: the fullback offset to the tight end's side.
    {"Strong 'I'", "'I'",
     {{QB, 0, 0, -1.6}, {RB, 0, -0.01, -5}, {FB, 0, 1.8, -3.3}, {TE, 0, 6, 0}, {WR, 1, -12, 0}, {WR, 0, 12, -1}, LINE}},
    // 2: three backs, one tight end, one receiver.
    {"Three-Back", "Three",
     {{QB, 0, 0, -1.6}, {RB, 0, -2, -5}, {FB, 0, 0, -3.3}, {RB, 1, 2, -5}, {TE, 0, 6, 0}, {WR, 0, -12, 0}, LINE}},
    // 3: split backs, tight end right, a receiver on each side.
    {"Pro Set", "Pro",
     {{QB, 0, 0, -1.6}, {RB, 0, 2, -5}, {FB, 0, -2, -5}, {TE, 0, 6, 0}, {WR, 0, 12, -1}, {WR, 1, -12, 0}, LINE}},
    // 4: one back, two tight ends, two receivers off the line.
    {"Ace (Lone Setback)", "Ace",
     {{QB, 0, 0, -1.6}, {RB, 0, -0.01, -5}, {TE, 1, -6, 0}, {TE, 0, 6, 0}, {WR, 0, 12, -1}, {WR, 1, -12, -1}, LINE}},
    // 5: one back, two slot receivers inside two wide ones.
    {"Spread", "Spread",
     {{QB, 0, 0, -1.6}, {RB, 0, -0.01, -5}, {WR, 2, -8, -1}, {WR, 3, 8, -1}, {WR, 0, 13, 0}, {WR, 1, -13, 0}, LINE}},
    // 6: the second tight end set back as an H-back on the left.
    {"'H-Back'", "H-Back",
     {{QB, 0, 0, -1.6}, {RB, 0, -0.01, -5}, {TE, 1, -5, -1.5}, {TE, 0, 6, 0}, {WR, 0, 12, -1}, {WR, 1, -12, 0}, LINE}},
    // 7: tight ends at both ends of the line (places 3 and 5).
    {"Double Tight End", "Tight",
     {{QB, 0, 0, -1.6}, {RB, 0, -0.01, -5}, {WR, 1, -12, -1}, {TE, 0, 6, 0}, {WR, 0, 12, -1}, {TE, 1, -6, 0}, LINE}},
    // 8: quarterback five yards deep, back beside him.
    {"Shotgun", "Gun",
     {{QB, 0, 0, -5}, {RB, 0, -3.4, -5}, {WR, 1, -13, 0}, {TE, 0, 6, 0}, {WR, 0, 13, -1}, {WR, 2, -10, -1}, LINE}},
    // 9: four receivers, one back.
    {"Shotgun Four", "Gun-4",
     {{QB, 0, 0, -5}, {RB, 0, -3.4, -5}, {WR, 2, -8, -1}, {WR, 1, -13, 0}, {WR, 0, 13, 0}, {WR, 3, 8, -1}, LINE}},
    // 10: empty backfield, five receivers.
    {"Shotgun Five", "Gun-5",
     {{QB, 0, 0, -5}, {WR, 1, -13, 0}, {WR, 2, -8, -1}, {WR, 0, 13, 0}, {WR, 3, 8, -1}, {WR, 4, -5.5, -1}, LINE}},
    // 11: two backs beside the quarterback to protect him.
    {"Shotgun Protect", "Gun-Pro",
     {{QB, 0, 0, -5}, {RB, 0, -3.4, -5}, {FB, 0, 3.4, -5}, {TE, 0, 6, 0}, {WR, 0, 12, -1}, {WR, 1, -12, 0}, LINE}},
    // 12: three receivers to the right.
    {"Shotgun Trips", "Gun-Trips",
     {{QB, 0, 0, -5}, {RB, 0, -3.4, -5}, {WR, 2, 7, -1}, {WR, 3, 10, -1}, {WR, 0, 13, 0}, {WR, 1, -13, 0}, LINE}},
    // 13: three receivers to the left, tight end right.
    {"Trips", "Trips",
     {{QB, 0, 0, -1.6}, {RB, 0, -0.01, -5}, {TE, 0, 6, 0}, {WR, 2, -7, -1}, {WR, 0, -13, 0}, {WR, 1, -10, -1}, LINE}},
    // 14: two receivers beside the tight end on the right.
    {"Trips Strong", "Trips",
     {{QB, 0, 0, -1.6}, {RB, 0, -0.01, -5}, {TE, 0, 6, 0}, {WR, 2, 9, -1}, {WR, 0, 13, -1}, {WR, 1, -12, 0}, LINE}},
    // 15: two receivers bunched behind the tight end.
    {"Shotgun Bunch", "Bunch",
     {{QB, 0, 0, -5}, {RB, 0, -3.4, -5}, {TE, 0, 6, 0}, {WR, 2, 7.5, -1.5}, {WR, 0, 9, -1}, {WR, 1, -12, 0}, LINE}},
    // 16: five receivers with the quarterback under the centre.
    {"Five Wide", "Five",
     {{QB, 0, 0, -1.6}, {WR, 1, -13, 0}, {WR, 2, -8, -1}, {WR, 0, 13, 0}, {WR, 3, 8, -1}, {WR, 4, -5.5, -1}, LINE}},
    // 17: a tight end at each end of the line.
    {"Shotgun Two Tight Ends", "Gun-Two",
     {{QB, 0, 0, -5}, {RB, 0, -3.4, -5}, {TE, 0, 6, 0}, {TE, 1, -6, 0}, {WR, 0, 12, -1}, {WR, 1, -12, -1}, LINE}},
    // 18: quarterback short of the back, who stands straight behind him.
    {"Pistol", "Pistol",
     {{QB, 0, 0, -3.3}, {RB, 0, -0.01, -5}, {FB, 0, -3.4, -3.31}, {WR, 0, -12, 0}, {TE, 0, 6, 0}, {WR, 1, -10, -1}, LINE}},
    // 19: the shotgun with the back on the right and a slot left.
    {"Shotgun [3rd Down]", "Gun",
     {{QB, 0, 0, -5}, {RB, 0, 3.4, -5}, {WR, 1, -13, 0}, {TE, 0, 6, 0}, {WR, 0, 13, -1}, {WR, 2, -9, -1}, LINE}},
    // 20: three tight ends and two backs.
    {"Goal Line", "Goal",
     {{QB, 0, 0, -1.6}, {RB, 0, -0.01, -5}, {FB, 0, 0, -3.3}, {TE, 0, 6, 0}, {TE, 1, -6, 0}, {TE, 2, 8, -1}, LINE}},
    // 21: the second back takes the snap; the quarterback splits wide.
    {"Wildcat", "Wildcat",
     {{RB, 1, 0, -5}, {RB, 0, 3, -5}, {TE, 0, 6, 0}, {QB, 0, -13, 0}, {WR, 0, 12, -1}, {WR, 1, -9, -1}, LINE}},

    // 22: four linemen, three linebackers.
    {"4-3", "4-3",
     {{DE, 0, -6, 2}, {DT, 0, -2, 2}, {DT, 1, 2, 2}, {DE, 1, 6, 2}, {LB, 0, -5, 6}, {LB, 1, 0, 6}, {LB, 2, 5, 6},
      {CB, 0, -13, 3}, {CB, 1, 13, 3}, {S, 0, -4, 12}, {S, 1, 4, 12}}},
    // 23: the 4-3 a little wider and deeper against the pass.
    {"4-3 [3rd Down]", "4-3",
     {{DE, 0, -7, 2}, {DT, 0, -2, 2}, {DT, 1, 2, 2}, {DE, 1, 7, 2}, {LB, 0, -5, 7}, {LB, 1, 0, 8}, {LB, 2, 5, 7},
      {CB, 0, -13, 5}, {CB, 1, 13, 5}, {S, 0, -6, 14}, {S, 1, 6, 14}}},
    // 24: the outside linebackers on the line beside four linemen.
    {"6-1", "6-1",
     {{DE, 0, -6, 2}, {DT, 0, -2, 2}, {DT, 1, 2, 2}, {DE, 1, 6, 2}, {LB, 0, -9, 2}, {LB, 1, 0, 6}, {LB, 2, 9, 2},
      {CB, 0, -13, 3}, {CB, 1, 13, 3}, {S, 0, -4, 12}, {S, 1, 4, 12}}},
    // 25: three linemen, four linebackers.
    {"3-4", "3-4",
     {{DE, 0, -4, 2}, {DT, 0, 0, 2}, {DE, 1, 4, 2}, {LB, 0, -7, 5}, {LB, 1, -2.5, 6}, {LB, 2, 2.5, 6}, {LB, 3, 7, 5},
      {CB, 0, -13, 3}, {CB, 1, 13, 3}, {S, 0, -4, 12}, {S, 1, 4, 12}}},
    // 26: the 3-4 with the outside linebackers up to rush.
    {"3-4 [3rd Down]", "3-4",
     {{DE, 0, -4, 2}, {DT, 0, 0, 2}, {DE, 1, 4, 2}, {LB, 0, -8, 3}, {LB, 1, -3, 7}, {LB, 2, 3, 7}, {LB, 3, 8, 3},
      {CB, 0, -13, 5}, {CB, 1, 13, 5}, {S, 0, -6, 14}, {S, 1, 6, 14}}},
    // 27: ends outside the tackles, outside linebackers on the line.
    {"3-4 Eagle", "3-4 Eagle",
     {{DE, 0, -5, 2}, {DT, 0, 0, 2}, {DE, 1, 5, 2}, {LB, 0, -8, 2}, {LB, 1, -2, 5}, {LB, 2, 2, 5}, {LB, 3, 8, 2},
      {CB, 0, -13, 3}, {CB, 1, 13, 3}, {S, 0, -4, 12}, {S, 1, 4, 12}}},
    // 28: five linemen, two linebackers.
    {"5-2", "5-2",
     {{DE, 0, -7, 2}, {DT, 0, -3.5, 2}, {DT, 1, 0, 2}, {DT, 2, 3.5, 2}, {DE, 1, 7, 2}, {LB, 0, -3, 6}, {LB, 1, 3, 6},
      {CB, 0, -13, 3}, {CB, 1, 13, 3}, {S, 0, -4, 12}, {S, 1, 4, 12}}},
    // 29: the second safety comes up into the box; one deep.
    {"Forty-Six", "46",
     {{DE, 0, -6, 2}, {DT, 0, -2, 2}, {DT, 1, 2, 2}, {DE, 1, 6, 2}, {LB, 0, -8, 3}, {LB, 1, 0, 5}, {LB, 2, 8, 3},
      {CB, 0, -13, 3}, {CB, 1, 13, 3}, {S, 0, 0, 12}, {S, 1, -4, 5}}},
    // 30: a third cornerback for a linebacker.
    {"Nickel", "Nickel",
     {{DE, 0, -6, 2}, {DT, 0, -2, 2}, {DT, 1, 2, 2}, {DE, 1, 6, 2}, {LB, 0, -3, 6}, {LB, 1, 3, 6}, {CB, 0, -13, 3},
      {CB, 1, 13, 3}, {CB, 2, 8, 4}, {S, 0, -4, 12}, {S, 1, 4, 12}}},
    // 31: three linemen, three linebackers, five backs.
    {"3-3-5", "3-3-5",
     {{DE, 0, -4, 2}, {DT, 0, 0, 2}, {DE, 1, 4, 2}, {LB, 0, -5, 6}, {LB, 1, 0, 6}, {LB, 2, 5, 6}, {CB, 0, -13, 3},
      {CB, 1, 13, 3}, {CB, 2, 8, 4}, {S, 0, -5, 12}, {S, 1, 5, 12}}},
    // 32: linebackers stacked behind the three linemen, a third safety.
    {"33 Stack", "33 Stack",
     {{DE, 0, -4, 2}, {DT, 0, 0, 2}, {DE, 1, 4, 2}, {LB, 0, -4, 5}, {LB, 1, 0, 5}, {LB, 2, 4, 5}, {CB, 0, -13, 3},
      {CB, 1, 13, 3}, {S, 0, -6, 12}, {S, 1, 6, 12}, {S, 2, 0, 9}}},
    // 33: five linebackers, one safety.
    {"3-5-3", "3-5-3",
     {{DE, 0, -4, 2}, {DT, 0, 0, 2}, {DE, 1, 4, 2}, {LB, 0, -8, 4}, {LB, 1, -4, 5}, {LB, 2, 0, 6}, {LB, 3, 4, 5},
      {LB, 4, 8, 4}, {CB, 0, -13, 3}, {CB, 1, 13, 3}, {S, 0, 0, 12}}},
    // 34: six backs, the outside corners pressed on the line.
    {"Dime", "Dime",
     {{DE, 0, -6, 2}, {DT, 0, -2, 2}, {DT, 1, 2, 2}, {DE, 1, 6, 2}, {LB, 0, 0, 6}, {CB, 0, -13, 1}, {CB, 1, 13, 1},
      {CB, 2, -8, 4}, {CB, 3, 8, 4}, {S, 0, -5, 12}, {S, 1, 5, 12}}},
    // 35: the dime with three linemen and two linebackers.
    {"3-4 Dime", "Dime",
     {{DE, 0, -4, 2}, {DT, 0, 0, 2}, {DE, 1, 4, 2}, {LB, 0, -3, 6}, {LB, 1, 3, 6}, {CB, 0, -13, 3}, {CB, 1, 13, 3},
      {CB, 2, -8, 4}, {CB, 3, 8, 4}, {S, 0, -5, 12}, {S, 1, 5, 12}}},
    // 36: three rushers, everyone else back.
    {"Prevent", "Prevent",
     {{DE, 0, -5, 2}, {DT, 0, 0, 2}, {DE, 1, 5, 2}, {LB, 1, 0, 5}, {CB, 0, -13, 3}, {CB, 1, 13, 3}, {CB, 2, 8, 6},
      {CB, 3, -8, 6}, {S, 0, 0, 12.5}, {S, 1, 5, 12}, {S, 2, -5, 12}}},
    // 37: four linemen, four linebackers, one safety.
    {"4-4", "4-4",
     {{DE, 0, -6, 2}, {DT, 0, -2, 2}, {DT, 1, 2, 2}, {DE, 1, 6, 2}, {LB, 0, -8, 4}, {LB, 1, -3, 5}, {LB, 2, 3, 5},
      {LB, 3, 8, 4}, {CB, 0, -13, 3}, {CB, 1, 13, 3}, {S, 0, 0, 12}}},
    // 38: five linemen, four linebackers, two corners; no safety.
    {"Goal Line", "Goal",
     {{DE, 0, -6, 1}, {DT, 0, -3, 1}, {DT, 1, 0, 1}, {DT, 2, 3, 1}, {DE, 1, 6, 1}, {LB, 0, -8, 2}, {LB, 1, -3, 3.5},
      {LB, 2, 3, 3.5}, {LB, 3, 8, 2}, {CB, 0, -12, 2}, {CB, 1, 12, 2}}},

    // 39: kick-off, the cover men spread across the field.
    {"", "",
     {{K, 0, -2, -4}, {WR, 3, 3, 0}, {WR, 4, 14, 0}, {CB, 2, -14, 0}, {S, 2, 12, 0}, {FB, 0, -12, 0}, {TE, 1, 9, 0},
      {TE, 2, -9, 0}, {LB, 3, 6, 0}, {LB, 4, -6, 0}, {LB, 5, -3, 0}}},
    // 40: onside kick, the cover men bunched to the kicker's right.
    {"", "",
     {{K, 0, -1, -4}, {WR, 3, 2, 0}, {WR, 4, 4, 0}, {CB, 2, 6, 0}, {S, 2, 8, 0}, {FB, 0, 10, 0}, {TE, 1, 12, 0},
      {TE, 2, -3, 0}, {LB, 3, -6, 0}, {LB, 4, -9, 0}, {LB, 5, -12, 0}}},
    // 41: punt, the punter nine yards back, an up-back ahead of him.
    {"", "",
     {{P, 0, 0, -9}, {TE, 1, 1.8, -5}, {TE, 2, -12, 0}, {RB, 1, 6, -1}, {FB, 0, 12, 0}, {WR, 4, -6, -1},
      {T, 0, -4, 0}, {G, 0, -2, 0}, {C, 1, 0, 0}, {G, 1, 2, 0}, {T, 1, 4, 0}}},
    // 42: field goal, the punter holding for the kicker.
    {"", "",
     {{P, 0, -1.6, -8.8}, {K, 0, 0.9, -7}, {TE, 1, -8, -1}, {TE, 2, 6, 0}, {RB, 1, 8, -1}, {FB, 0, -6, 0},
      {T, 2, -4, 0}, {G, 2, -2, 0}, {C, 1, 0, 0}, {G, 1, 2, 0}, {T, 1, 4, 0}}},
    // 43: extra point, lined up as the field goal.
    {"", "",
     {{P, 0, -1.6, -8.8}, {K, 0, 0.9, -7}, {TE, 1, -8, -1}, {TE, 2, 6, 0}, {RB, 1, 8, -1}, {FB, 0, -6, 0},
      {T, 2, -4, 0}, {G, 2, -2, 0}, {C, 1, 0, 0}, {G, 1, 2, 0}, {T, 1, 4, 0}}},

    // 44: kick-off return, six men in front, four in a wedge before the returner.
    {"", "",
     {{KR, 0, 0, 14}, {WR, 2, -10, 2}, {WR, 3, -6, 2}, {WR, 4, -2, 2}, {FB, 0, 2, 2}, {T, 2, 6, 2}, {G, 2, 10, 2},
      {S, 2, -7, 11}, {CB, 2, -4, 11}, {TE, 1, 4, 11}, {TE, 2, 7, 11}}},
    // 45: onside return, the hands team close up.
    {"", "",
     {{KR, 0, 0, 12}, {WR, 2, -10, 2}, {WR, 3, -6, 2}, {WR, 4, -2, 2}, {FB, 0, 2, 2}, {T, 2, 6, 2}, {G, 2, 10, 2},
      {S, 2, -8, 5}, {CB, 2, -3, 5}, {TE, 1, 3, 5}, {TE, 2, 8, 5}}},
    // 46: punt return, the returner deep, two men on the gunners.
    {"", "",
     {{PR, 0, 0, 38}, {WR, 2, -9, 1}, {WR, 3, -5, 1}, {WR, 4, -2, 1}, {FB, 0, 2, 1}, {T, 2, 5, 1}, {G, 2, 9, 1},
      {S, 2, -14, 1}, {CB, 2, 14, 1}, {TE, 1, -4, 6}, {TE, 2, 4, 6}}},
    // 47: field-goal block, everyone up but two.
    {"", "",
     {{DE, 2, -6, 1}, {DT, 2, -2, 1}, {DT, 1, 2, 1}, {DE, 1, 6, 1}, {LB, 2, -8, 1}, {LB, 3, 0, 3}, {LB, 4, 8, 1},
      {CB, 1, -11, 2}, {CB, 2, 11, 2}, {S, 1, -3, 6}, {S, 2, 3, 6}}},
};
static_assert(sizeof(FORMATIONS) / sizeof(FORMATIONS[0]) == FORMATION_COUNT, "one row per formation id");

#undef LINE
