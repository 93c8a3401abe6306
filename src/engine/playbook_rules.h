// The rules that keep a playbook play one the game can run: a run has a ball
// carrier standing in the backfield or among the receivers and a hole to run
// to, a pass a primary receiver who runs a receiving route, and every
// receiver a route his position may run. The Playbook Editor applies them
// after each change; a playbook file and a saved game hold plays made
// anywhere, so their plays are repaired by the same rules when they load.
#pragma once

#include "engine/playbook_records.h"

// The routes a receiver picks (0-42); the carrier of a run may also run the
// ball-carrier routes above them.
constexpr int RECEIVER_ROUTE_COUNT = 43;
constexpr int ROUTE_HANDOFF = 54;       // a receiver taking the handoff
constexpr int ROUTE_END_AROUND = 45;    // a receiver carrying an end around

// A defender's responsibility made legal for his position: DE 3 -> 2; DT 12
// or 13 -> 9, 3 -> 2; LB 12 or 13 -> 9; CB 1 or 2 -> 3; S 3 -> 1.
int Adjust_Defensive_Role_For_Position(int nPosition, int nRole);
// One step of route stepping: (route + 1 or - 1) modulo 43.
int Next_Route_Step(int nRoute, int nDirection);
// RB, FB, TE and WR: the route, or the next route (direction 1 or more
// upward, else downward, modulo 43) whose kind the position may run (RB and
// FB refuse kinds 2 and 3, TE 1 and 2, WR 1, 3 and 4); at most 43 steps.
// Other positions keep the route.
int Step_Route_For_Slot(int nPosition, int nRoute, int nDirection);

// Types 0-5, 10, 15 and 22 run; 6-9 and 11-14 pass.
bool Is_Running_Play_Type(int nType);
bool Is_Passing_Play_Type(int nType);

// Makes an offensive play consistent (direction: the change just made, new
// value - old, which way a refused route steps): a run's ball carrier among
// the receivers runs the handoff route (45 on an end around), a sweep or end
// around goes outside (hole 6 or 7 and up), a run or a play-action play
// without a hole goes to hole 2; a pass's primary receiver is the first
// receiver from the named one (receiver 3 for the quarterback, receiver 1
// for none) who runs a receiving route, receiver 1-5 in turn, and when none
// does the last one tried is given route 2; every route is stepped to one
// its slot's position may run, and a route outside 0-42 becomes 0 except the
// ball carrier's.
void Normalize_Offensive_Play(OFFENSIVE_PLAY& Play, int nDirection);
// The first five places' responsibilities made legal for their positions.
void Normalize_Defensive_Play(DEFENSIVE_PLAY& Play);

// Repairs the plays of an area read from outside (a playbook file or a saved
// game): texts end inside their fields; a named play of an unknown formation
// or of a type that is neither a run nor a pass (or a defensive play with an
// unknown formation or responsibility) becomes the built-in play of its
// call; a free entry (no name) keeps its place with the codes that index
// tables held to their ranges. A named offensive play's out-of-range codes read as none; then a
// run without a carrier in places 0-5 is given the formation's running back
// (else its fullback, else the quarterback), a carrier among the receivers
// his handoff route, and a hole when it has none (6 for a sweep or an end
// around, else 2); a pass its primary receiver as Normalize_Offensive_Play
// finds him; a play-action fake without a hole hole 2; and every other
// route outside 0-42 becomes 0. The editor's preferences (outside holes for
// sweeps, routes fitted to positions) are left as the file has them: the
// built-in plays do not all follow them. Returns how many plays and texts
// were changed; 0 for an area the program made.
int Repair_Offensive_Playbook(OFFENSIVE_PLAYBOOK_AREA& Area);
int Repair_Defensive_Playbook(DEFENSIVE_PLAYBOOK_AREA& Area);
