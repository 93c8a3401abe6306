// The built-in plays and tables: the default playbooks, the fixed calls 54-59,
// the kick plays, the 57 pass routes and the 19 defensive responsibilities.

#include "engine/playbook_records.h"

// Name, formation, play-action hole, padding, type, carrier (place + 1, -1
// none), run hole, routes of receivers 0-4, description.
const OFFENSIVE_PLAY BUILT_IN_OFFENSIVE_PLAYS[OFFENSIVE_PLAY_COUNT] = {
    {"Pro 21 Dive", 3, 0, {0, 0}, 0, 2, 1, {54, 13, 7, 42, 8}, "Basic halfback run up the middle."},  // 0
    {"Pro 20 Blast", 3, 0, {0, 0}, 0, 2, 0, {54, 40, 3, 41, 2}, "The fullback leads through the right guard hole for the halfback."},  // 1
    {"Pro 22 Trap", 3, 0, {0, 0}, 4, 2, 2, {54, 13, 7, 41, 3}, "The guard pulls and traps the tackle; the halfback cuts inside right."},  // 2
    {"Pro 33 Dive", 3, 0, {0, 0}, 0, 3, 3, {35, 54, 29, 41, 8}, "The fullback takes a quick handoff into the left side of the line."},  // 3
    {"QB Sneak", 3, 0, {0, 0}, 0, 1, 0, {35, 35, 35, 41, 35}, "The quarterback pushes forward behind the center for a yard."},  // 4
    {"Tight 23 Dive", 7, 0, {0, 0}, 0, 2, 3, {54, 26, 41, 2, 41}, "Two tight ends seal the left side for the halfback."},  // 5
    {"'I' 22 Blast", 1, 0, {0, 0}, 0, 2, 2, {54, 40, 29, 41, 8}, "The fullback blasts through the right side with the halfback behind him."},  // 6
    {"Pistol 21 Draw", 18, 0, {0, 0}, 3, 2, 1, {54, 39, 7, 5, 9}, "A delayed handoff from the pistol after the line shows pass."},  // 7
    {"Gun 20 Draw", 8, 0, {0, 0}, 3, 2, 0, {54, 8, 3, 26, 7}, "The quarterback drops back from the shotgun and hands off up the middle."},  // 8
    {"'I' 31 Dive", 1, 0, {0, 0}, 0, 3, 1, {42, 54, 7, 5, 3}, "The fullback dives into the left guard hole from the 'I'."},  // 9
    {"Pro 24 Off Tackle", 3, 0, {0, 0}, 0, 2, 4, {54, 13, 35, 41, 35}, "The halfback runs off the right tackle behind the tight end."},  // 10
    {"Tight 25 Slant", 7, 0, {0, 0}, 0, 2, 5, {54, 35, 41, 35, 41}, "A slant run off the left tackle with both tight ends blocking."},  // 11
    {"Pro 35 Off-Tackle", 3, 0, {0, 0}, 0, 3, 5, {12, 54, 29, 41, 16}, "The fullback hits the left side off tackle."},  // 12
    {"Pro 27 Pitch", 3, 0, {0, 0}, 1, 2, 7, {54, 14, 42, 21, 26}, "A quick pitch to the halfback running wide to the left."},  // 13
    {"Ace 28 Sweep", 4, 0, {0, 0}, 2, 2, 8, {54, 15, 41, 42, 9}, "The halfback sweeps far to the right behind pulling guards."},  // 14
    {"Gun 26 Wide", 19, 0, {0, 0}, 0, 2, 6, {54, 3, 42, 42, 7}, "A wide run to the right from the shotgun."},  // 15
    {"Gun 24 Draw", 9, 0, {0, 0}, 3, 2, 6, {54, 3, 7, 8, 15}, "A draw to the outside right from a four-receiver shotgun set."},  // 16
    {"Trips 29 Sweep", 13, 0, {0, 0}, 2, 2, 9, {54, 41, 3, 18, 6}, "The halfback sweeps far to the left behind the trips receivers."},  // 17
    {"'I' 26 Power", 1, 0, {0, 0}, 0, 2, 6, {54, 40, 18, 41, 42}, "A power run to the right with the fullback leading."},  // 18
    {"Ace 25 Trap", 4, 0, {0, 0}, 4, 2, 5, {54, 7, 15, 1, 42}, "A trap block springs the halfback off the left tackle."},  // 19
    {"Pro 262 Hover", 3, 0, {0, 0}, 6, 6, -1, {14, 39, 2, 6, 2}, "A short pass to the receiver sitting in the open underneath."},  // 20
    {"Pro 9-9-Screen", 3, 0, {0, 0}, 6, 2, 9, {11, 40, 42, 16, 18}, "A fake to the left, then a screen to the halfback."},  // 21
    {"Pro 251 Under", 3, 0, {0, 0}, 6, 4, 2, {40, 33, 2, 5, 1}, "The tight end slips underneath the linebackers."},  // 22
    {"Tight 7-5-Release", 7, 0, {0, 0}, 6, 4, 2, {37, 7, 36, 5, 10}, "The tight end blocks, then releases into the flat."},  // 23
    {"Gun 101 Play Action", 9, 0, {0, 0}, 6, 3, 1, {37, 1, 0, 1, 4}, "A play fake from the shotgun, then a quick pass to the slot receiver."},  // 24
    {"Ace 508 H-Bench", 4, 0, {0, 0}, 6, 2, -1, {13, 5, 0, 8, 8}, "The halfback runs to the bench while the receivers clear out deep."},  // 25
    {"'I' 3-2-Screen", 1, 0, {0, 0}, 6, 3, 3, {37, 11, 3, 2, 42}, "A play fake to the halfback, then a screen to the fullback."},  // 26
    {"Gun 410 Cross", 8, 0, {0, 0}, 6, 5, -1, {9, 4, 1, 24, 0}, "Receivers cross underneath to beat man coverage."},  // 27
    {"Spread 2-3-Flare", 5, 0, {0, 0}, 6, 5, -1, {39, 2, 42, 27, 3}, "The flanker takes a quick pass on a flare route."},  // 28
    {"Spread 204 Slingshot", 5, 0, {0, 0}, 6, 3, 1, {13, 24, 0, 4, 5}, "A quick pass to the slot receiver on a short route."},  // 29
    {"'I' 583 Play Action", 1, 0, {0, 0}, 6, 4, 1, {37, 39, 5, 8, 3}, "A play fake, then a medium pass to the tight end."},  // 30
    {"Pro 852", 3, 0, {0, 0}, 6, 5, -1, {39, 39, 8, 5, 2}, "A medium pass with both backs staying in to block."},  // 31
    {"Trips Shoot-and-Go", 12, 0, {0, 0}, 6, 6, -1, {39, 21, 6, 9, 2}, "The outside receiver shoots up the sideline."},  // 32
    {"Spread 927 Maverick", 5, 0, {0, 0}, 6, 6, -1, {39, 15, 2, 7, 26}, "The split end runs a curl while the others stretch the defense."},  // 33
    {"Jailbreak 426", 10, 0, {0, 0}, 6, 4, -1, {4, 2, 6, 7, 23}, "Five receivers go out against a blitz."},  // 34
    {"Tight Double-Slant", 7, 0, {0, 0}, 6, 4, -1, {13, 3, 2, 3, 2}, "Two receivers run slants inside the corners."},  // 35
    {"Ace 782 Curl", 4, 0, {0, 0}, 6, 5, -1, {6, 7, 8, 2, 3}, "The receivers curl at ten yards in front of the zone."},  // 36
    {"Tight 648 Fly", 7, 0, {0, 0}, 6, 4, -1, {39, 6, 4, 8, 16}, "The tight end runs a deep route down the middle."},  // 37
    {"Trips 328 Curl", 13, 0, {0, 0}, 6, 5, -1, {39, 8, 2, 3, 6}, "The outside receiver curls in front of the deep zone."},  // 38
    {"Gun 357 Slant-Out", 8, 0, {0, 0}, 6, 6, -1, {39, 3, 5, 7, 29}, "A slant-out to the split end from the shotgun."},  // 39
    {"Pro 879 Play Action", 3, 0, {0, 0}, 6, 4, 1, {37, 39, 8, 7, 9}, "A play fake, then a deep pass to the tight end."},  // 40
    {"Pro 739 Swing", 3, 0, {0, 0}, 6, 6, -1, {12, 39, 7, 3, 9}, "The halfback swings out while the receivers run deep."},  // 41
    {"Spread 836 Play Action", 5, 0, {0, 0}, 6, 3, 2, {37, 8, 3, 6, 24}, "A play fake from the spread, then a pass to the slot receiver."},  // 42
    {"Gun 6-6-Bomb", 8, 0, {0, 0}, 6, 3, -1, {39, 9, 6, 15, 6}, "A long pass from the shotgun to a receiver going deep."},  // 43
    {"Spread 828 Diamond", 5, 0, {0, 0}, 6, 5, 1, {39, 8, 2, 8, 2}, "Receivers run deep posts to split the safeties."},  // 44
    {"Pro 4-7-Fly", 3, 0, {0, 0}, 6, 5, -1, {39, 34, 4, 7, 16}, "The flanker flies deep down the sideline."},  // 45
    {"Trips 3-2-Fade", 13, 0, {0, 0}, 6, 5, -1, {39, 2, 26, 25, 3}, "A fade to the outside receiver from the trips set."},  // 46
    {"Ace 469 Play Action", 4, 0, {0, 0}, 6, 6, 3, {37, 4, 6, 9, 15}, "A play fake, then a deep pass to the flanker."},  // 47
    {"Gun 689", 8, 0, {0, 0}, 6, 4, -1, {2, 6, 8, 9, 24}, "Three receivers run deep routes from the shotgun."},  // 48
    {"Hail Mary", 10, 0, {0, 0}, 6, 4, -1, {9, 35, 9, 8, 25}, "Everyone go deep."},  // 49
    {"Ace 987 Rollout", 4, 0, {0, 0}, 7, 5, 8, {9, 9, 8, 7, 24}, "The quarterback rolls out right and looks deep."},  // 50
    {"Bootleg Option", 7, 0, {0, 0}, 8, 4, -1, {13, 3, 24, 2, 7}, "The quarterback fakes the handoff and rolls out the other way."},  // 51
    {"Pro 48 End Around", 3, 0, {0, 0}, 5, 4, 1, {37, 12, 45, 42, 42}, "The tight end comes around from the right side on an end around."},  // 52
    {"Gun 59 End Around", 8, 0, {0, 0}, 5, 5, 9, {39, 42, 42, 45, 35}, "A receiver takes the handoff and sweeps around the left end."},  // 53
    {"Kneel Down", 3, 0, {0, 0}, 20, 1, -1, {39, 39, 39, 39, 39}, "The quarterback takes a knee to run out the clock."},  // 54
    {"Fake Punt (Run)", 41, 0, {0, 0}, 0, 1, 8, {-1, 35, 35, 35, 35}, "The punter's protector takes the snap and runs for the first down."},  // 55
    {"Fake Punt (Rollout)", 41, 0, {0, 0}, 8, 5, 6, {-1, 35, 35, 3, 35}, "The punter rolls out and throws to a receiver in the flat."},  // 56
    {"Fake Field Goal", 42, 0, {0, 0}, 6, 6, -1, {-1, 39, 39, 39, 17}, "The holder takes the snap and throws to the tight end."},  // 57
    {"Punt", 41, 0, {0, 0}, 16, -1, -1, {-1, 35, 35, 35, 35}, ""},  // 58
    {"Field Goal", 42, 0, {0, 0}, 17, -1, -1, {-1, 39, 39, 39, 39}, ""},  // 59
};

// Entries 4-9 are free.
const KICK_PLAY BUILT_IN_KICK_PLAYS[KICK_PLAY_COUNT] = {
    {"Normal Kickoff", 39, 0, {0, 0}, 18, 0, 0, {-1, 9, 9, 9, 9}, ""},
    {"Squib Kick", 39, 0, {0, 0}, 18, 0, 0, {-1, 8, 8, 8, 8}, "The squib kick sacrifices distance for a lower risk of a long runback."},
    {"Onside Kick", 40, 0, {0, 0}, 19, 0, 0, {-1, 7, 35, 35, 35}, ""},
    {"Surprise Onside", 39, 0, {0, 0}, 19, 0, 0, {7, 8, 2, 8, 2}, ""},
};

// Name, formation, responsibilities of places 0-10, description.
const DEFENSIVE_PLAY BUILT_IN_DEFENSIVE_PLAYS[DEFENSIVE_PLAY_COUNT] = {
    {"Tampa 2 React", 22, {7, 0, 0, 7, 9, 8, 9, 13, 13, 8, 8}, "Defensive ends key on the run. Weaker against deep passes."},  // 0
    {"Tampa 2 Squeeze", 22, {0, 0, 6, 0, 9, 8, 9, 14, 14, 8, 8}, "Linemen squeeze the gaps while the corners play man-to-man."},  // 1
    {"3-4 Corner Blitz", 25, {0, 0, 0, 1, 9, 7, 9, 3, 13, 8, 8}, "A corner blitzes off the edge from the 3-4."},  // 2
    {"4-3 Contain", 22, {0, 0, 0, 0, 9, 7, 9, 13, 13, 8, 8}, "Four linemen rush while the ends keep contain."},  // 3
    {"4-4 Stunt", 37, {3, 2, 1, 5, 9, 6, 9, 7, 13, 9, 8}, "Eight men in the box with the linemen stunting."},  // 4
    {"Cover-2 Corner Blitz", 25, {0, 0, 0, 9, 9, 0, 9, 13, 3, 8, 8}, "A corner blitz with two deep safeties behind it."},  // 5
    {"New England Cover-2", 25, {0, 6, 0, 1, 9, 9, 9, 12, 12, 8, 8}, "Corners jam the receivers at the line with two deep safeties."},  // 6
    {"3-4 Cover-2", 25, {0, 0, 0, 9, 6, 6, 9, 13, 13, 8, 8}, "Standard 3-4 zone with two deep safeties."},  // 7
    {"Cover-2 Bracket", 25, {0, 0, 0, 9, 6, 9, 18, 9, 13, 8, 8}, "A linebacker double-teams the top receiver."},  // 8
    {"Cover-2 Weakside Dog", 25, {0, 0, 0, 1, 1, 9, 7, 9, 9, 8, 8}, "Two linebackers rush from the weak side."},  // 9
    {"'Two-gap' Cover-2", 22, {0, 6, 6, 0, 7, 9, 7, 13, 13, 8, 8}, "Two-gap linemen hold the line of scrimmage against the run."},  // 10
    {"Eight-man front", 29, {0, 0, 0, 0, 9, 7, 9, 13, 13, 8, 6}, "Eight men crowd the line to stop the run."},  // 11
    {"Balanced Cover-3", 22, {0, 6, 0, 0, 9, 7, 9, 8, 13, 8, 8}, "Three deep defenders with a balanced front."},  // 12
    {"Goal Line Stack", 37, {6, 6, 6, 6, 7, 6, 6, 7, 14, 9, 9}, "Everyone crowds the line to stop a short run."},  // 13
    {"Short Yardage Spread", 22, {0, 0, 0, 0, 7, 6, 7, 9, 12, 9, 9}, "A short-yardage front with zones underneath."},  // 14
    {"Short Yardage Cover-2", 37, {1, 6, 0, 7, 9, 7, 6, 9, 9, 8, 8}, "Short-yardage front with two deep safeties."},  // 15
    {"Short Zone Two-Gap", 22, {0, 6, 6, 0, 9, 7, 17, 16, 16, 8, 8}, "Zones underneath with the corners trailing their men."},  // 16
    {"Tampa 2 Short Yardage", 22, {0, 5, 6, 0, 7, 8, 7, 9, 9, 8, 8}, "Tampa 2 look built to stop short runs."},  // 17
    {"Forty-Six Drop", 29, {0, 0, 0, 0, 7, 9, 7, 9, 9, 8, 8}, "Forty-Six front that drops into short zones."},  // 18
    {"5-2 Cover-1", 28, {0, 0, 6, 0, 7, 7, 9, 9, 9, 8, 9}, "Five linemen with one deep safety."},  // 19
    {"Basic Cover-2", 22, {0, 0, 0, 0, 9, 9, 9, 13, 13, 8, 8}, "Four linemen rush with two deep safeties."},  // 20
    {"Cover-2 Zone Blitz", 25, {9, 0, 0, 3, 9, 0, 9, 13, 13, 8, 8}, "A lineman drops into coverage while a linebacker blitzes."},  // 21
    {"Cover-2 All-Out Blitz", 22, {0, 0, 0, 0, 2, 9, 2, 13, 13, 8, 8}, "Linebackers blitz with two deep safeties left behind."},  // 22
    {"Cover-3 Safety Blitz", 22, {0, 0, 0, 0, 9, 9, 9, 8, 8, 1, 8}, "A safety blitzes with three deep defenders behind."},  // 23
    {"4-Deep Zone", 25, {0, 0, 0, 9, 9, 9, 9, 8, 8, 8, 8}, "Four deep defenders to stop the long pass."},  // 24
    {"Nickel Blitz", 30, {0, 0, 0, 0, 9, 9, 14, 14, 0, 8, 8}, "The nickel back blitzes while the corners play man."},  // 25
    {"Nickel Bracket-4", 30, {0, 0, 0, 0, 9, 18, 8, 8, 16, 8, 8}, "The nickel defense brackets the top receiver."},  // 26
    {"Dime Package", 34, {0, 0, 0, 0, 9, 12, 12, 9, 8, 8, 9}, "Six defensive backs, with the corners jamming at the line."},  // 27
    {"Sideline Prevent", 36, {0, 0, 0, 9, 14, 14, 11, 11, 8, 8, 8}, "Defenders guard the sidelines to stop the clock-saving pass."},  // 28
    {"Deep Prevent", 36, {0, 0, 0, 9, 16, 16, 8, 8, 8, 8, 8}, "Deep zones everywhere to stop the long pass."},  // 29
};

// Name, points (x, y), segment flags, kind, least and greatest depth.
const PASS_ROUTE PASS_ROUTES[PASS_ROUTE_COUNT] = {
    {"(0) Hitch", {{0.0, 3.0}, {-1.0, 3.0}, {-1.0, 3.0}, {-1.0, 7.5}}, {0, 32, 2, 4}, 0, 1, 3},  // 0
    {"(1) Quick Out", {{0.0, 3.0}, {9.0, 3.0}, {0.0, 0.0}, {0.0, 0.0}}, {0, 4, 0, 0}, 0, 2, 4},  // 1
    {"(2) Slant", {{-0.1, 2.0}, {-8.0, 9.9}, {0.0, 0.0}, {0.0, 0.0}}, {0, 4, 0, 0}, 0, 4, 9},  // 2
    {"(3) Out", {{0.0, 7.0}, {9.0, 7.0}, {0.0, 0.0}, {0.0, 0.0}}, {0, 4, 0, 0}, 0, 4, 7},  // 3
    {"(4) Dig", {{0.0, 7.0}, {-9.0, 7.0}, {0.0, 0.0}, {0.0, 0.0}}, {0, 4, 0, 0}, 0, 4, 7},  // 4
    {"(5) Flag", {{0.0, 11.0}, {9.0, 11.0}, {0.0, 0.0}, {0.0, 0.0}}, {0, 4, 0, 0}, 0, 8, 12},  // 5
    {"(6) Curl", {{0.0, 10.0}, {-2.0, 10.0}, {-2.0, 10.0}, {-3.0, 12.0}}, {0, 32, 2, 4}, 0, 10, 13},  // 6
    {"(7) Corner", {{0.0, 9.0}, {4.0, 13.0}, {0.0, 0.0}, {0.0, 0.0}}, {0, 4, 0, 0}, 0, 15, 35},  // 7
    {"(8) Post", {{0.0, 9.0}, {-4.0, 13.0}, {0.0, 0.0}, {0.0, 0.0}}, {0, 4, 0, 0}, 0, 15, 32},  // 8
    {"(9) Go", {{0.0, 13.0}, {0.0, 0.0}, {0.0, 0.0}, {0.0, 0.0}}, {4, 0, 0, 0}, 0, 22, 40},  // 9
    {"Seam", {{3.0, 1.0}, {3.0, 8.0}, {1.0, 10.0}, {0.0, 0.0}}, {0, 1025, 4, 0}, 4, 1, 8},  // 10
    {"Screen", {{2.0, 0.5}, {11.0, 0.5}, {11.0, 3.0}, {0.0, 0.0}}, {0, 2, 4, 0}, 1, -4, -1},  // 11
    {"Swing", {{2.0, 1.0}, {6.0, 1.0}, {6.0, 4.0}, {0.0, 0.0}}, {0, 64, 4, 0}, 1, -5, -3},  // 12
    {"Bench", {{6.0, 3.0}, {9.0, 7.0}, {14.0, 7.0}, {0.0, 0.0}}, {0, 0, 4, 0}, 1, -1, 2},  // 13
    {"Over", {{5.0, 1.5}, {7.0, 4.0}, {7.0, 7.0}, {2.0, 11.0}}, {0, 0, 0, 4}, 1, 3, 8},  // 14
    {"Chair", {{0.0, 8.0}, {2.0, 10.0}, {2.0, 13.0}, {0.0, 0.0}}, {0, 0, 4, 0}, 0, 15, 30},  // 15
    {"Fly", {{0.0, 8.0}, {-2.0, 10.0}, {2.0, 13.0}, {0.0, 0.0}}, {0, 0, 4, 0}, 0, 15, 30},  // 16
    {"Slant Out", {{0.1, 2.0}, {5.0, 6.9}, {0.0, 0.0}, {0.0, 0.0}}, {0, 4, 0, 0}, 0, 4, 9},  // 17
    {"Hitch & Go", {{0.0, 4.0}, {0.0, 6.0}, {0.0, 12.0}, {0.0, 0.0}}, {0, 1025, 4, 0}, 0, 10, 20},  // 18
    {"Cutback", {{0.0, 2.0}, {-7.0, 9.0}, {2.0, 9.0}, {0.0, 0.0}}, {0, 0, 4, 0}, 0, 8, 10},  // 19
    {"Tee", {{0.0, 5.5}, {2.0, 5.7}, {-5.0, 6.5}, {0.0, 0.0}}, {0, 0, 4, 0}, 0, 5, 8},  // 20
    {"Shoot", {{0.0, 6.0}, {2.0, 6.0}, {2.0, 13.0}, {0.0, 0.0}}, {0, 0, 4, 0}, 0, 14, 24},  // 21
    {"Comeback", {{0.0, 11.0}, {-4.0, 7.0}, {-10.0, 7.0}, {0.0, 0.0}}, {0, 0, 4, 0}, 0, 6, 10},  // 22
    {"Fade", {{0.1, 2.0}, {3.5, 5.5}, {5.0, 8.5}, {0.0, 0.0}}, {0, 0, 4, 0}, 0, 5, 10},  // 23
    {"Cross", {{-0.1, 1.0}, {-4.1, 5.0}, {-10.0, 5.0}, {0.0, 0.0}}, {0, 0, 4, 0}, 0, 3, 6},  // 24
    {"Deep Fade", {{0.0, 9.0}, {1.0, 12.8}, {0.0, 0.0}, {0.0, 0.0}}, {0, 4, 0, 0}, 0, 12, 22},  // 25
    {"Deep Cross", {{0.0, 10.0}, {-7.0, 10.0}, {-8.0, 12.0}, {0.0, 0.0}}, {0, 1025, 4, 0}, 0, 9, 15},  // 26
    {"Flare", {{0.0, 0.0}, {-1.5, 0.0}, {-1.5, 5.0}, {0.0, 0.0}}, {0, 2, 4, 0}, 0, -2, -1},  // 27
    {"Slant & Go", {{0.0, 2.0}, {-3.0, 5.0}, {0.0, 8.0}, {0.0, 12.0}}, {0, 0, 0, 4}, 0, 16, 26},  // 28
    {"Slant & Out", {{0.0, 2.0}, {-1.2, 3.2}, {8.0, 3.2}, {0.0, 0.0}}, {0, 0, 4, 0}, 0, 5, 10},  // 29
    {"Release", {{-0.7, 2.0}, {-0.7, 5.0}, {-0.7, 9.0}, {-0.7, 10.0}}, {2, 1024, 1, 4}, 1, 0, 5},  // 30
    {"Play Action Dump", {{-0.7, 2.0}, {-0.7, 8.0}, {-0.7, 12.0}, {0.0, 0.0}}, {1026, 1, 4, 0}, 1, 0, 5},  // 31
    {"Play Action Flat", {{-0.7, 2.0}, {-0.7, 4.0}, {-10.0, 4.0}, {0.0, 0.0}}, {2, 0, 4, 0}, 1, -4, -1},  // 32
    {"Under", {{2.6, 3.0}, {1.6, 3.0}, {1.6, 10.0}, {0.0, 0.0}}, {0, 32, 4, 0}, 1, -3, -1},  // 33
    {"Wheel", {{11.0, 0.0}, {13.5, 2.5}, {0.0, 0.0}, {0.0, 0.0}}, {0, 4, 0, 0}, 1, -5, -1},  // 34
    {"Quick Go", {{0.0, 9.0}, {0.0, 0.0}, {0.0, 0.0}, {0.0, 0.0}}, {4, 0, 0, 0}, 0, 5, 15},  // 35
    {"Block & Release", {{1.5, 1.5}, {0.8, 0.8}, {-0.4, 5.6}, {0.0, 0.0}}, {16, 0, 4, 0}, 4, 2, 6},  // 36
    {"Play Action", {{-1.0, 2.0}, {-1.0, 9.0}, {0.0, 0.0}, {0.0, 0.0}}, {2, 4, 0, 0}, 1, -5, -3},  // 37
    {"Fill Hole", {{-1.0, 2.0}, {-1.0, 4.0}, {0.0, 0.0}, {0.0, 0.0}}, {2, 16, 0, 0}, 1, -2, 2},  // 38
    {"Pass Block", {{1.0, 1.0}, {0.0, 0.0}, {0.0, 0.0}, {0.0, 0.0}}, {16, 0, 0, 0}, 1, -7, -3},  // 39
    {"Lead Block", {{-1.0, 3.0}, {-1.0, 6.0}, {0.0, 0.0}, {0.0, 0.0}}, {0, 16, 0, 0}, 1, -2, 2},  // 40
    {"Run Block", {{-1.0, 1.0}, {0.0, 0.0}, {0.0, 0.0}, {0.0, 0.0}}, {16, 0, 0, 0}, 3, 0, 3},  // 41
    {"Downfield Block", {{0.0, 1.0}, {0.0, 5.0}, {0.0, 7.0}, {0.0, 0.0}}, {0, 1, 16, 0}, 0, 0, 0},  // 42
    {"Reverse Handoff", {{-1.0, 1.0}, {-10.0, 1.0}, {-13.0, 3.0}, {0.0, 0.0}}, {0, 0, 4, 0}, 1, 0, 0},  // 43
    {"Second Handoff", {{-18.0, 0.0}, {-18.0, 3.0}, {0.0, 0.0}, {0.0, 0.0}}, {64, 4, 0, 0}, 2, 0, 0},  // 44
    {"Reverse Route", {{-25.0, -1.0}, {-25.0, 8.0}, {0.0, 0.0}, {0.0, 0.0}}, {64, 4, 0, 0}, 2, -8, 4},  // 45
    {"Fake Reverse", {{-3.0, -3.0}, {-12.0, -6.0}, {-20.0, -6.0}, {-22.0, -2.0}}, {0, 2, 2, 12}, 2, -8, -10},  // 46
    {"Flea Flicker", {{-1.0, 1.0}, {-2.0, -5.0}, {-3.0, -1.0}, {0.0, 0.0}}, {0, 2, 12, 0}, 2, -4, -6},  // 47
    {"Rollout", {{4.0, -2.5}, {10.0, -2.5}, {10.0, 2.0}, {10.0, 2.5}}, {0, 2, 12, 0}, 0, 0, 0},  // 48
    {"Rollout", {{4.0, 1.0}, {10.0, 1.0}, {10.0, 6.0}, {10.0, 6.5}}, {0, 2, 12, 0}, 0, 0, 0},  // 49
    {"Block In", {{-2.0, 3.0}, {0.0, 0.0}, {0.0, 0.0}, {0.0, 0.0}}, {16, 0, 0, 0}, 0, 0, 3},  // 50
    {"Block Out", {{2.0, 3.0}, {0.0, 0.0}, {0.0, 0.0}, {0.0, 0.0}}, {16, 0, 0, 0}, 0, 0, 3},  // 51
    {"Kickoff", {{-2.0, 3.8}, {-2.2, 3.8}, {0.0, 0.0}, {0.0, 0.0}}, {64, 4, 0, 0}, 0, 0, 0},  // 52
    {"Field Goal", {{-2.0, 1.8}, {-2.2, 1.8}, {0.0, 0.0}, {0.0, 0.0}}, {64, 4, 0, 0}, 0, 0, 0},  // 53
    {"Rush Route", {{0.0, 0.0}, {0.0, 0.0}, {0.0, 0.0}, {0.0, 0.0}}, {0, 0, 0, 0}, 0, 0, 0},  // 54
    {"Screen", {{0.0, -2.3}, {-1.0, -3.0}, {-1.0, -0.7}, {0.0, 0.0}}, {0, 2, 4, 0}, 2, -4, -2},  // 55
    {"Run Option", {{-1.0, 2.0}, {-1.0, 9.0}, {0.0, 0.0}, {0.0, 0.0}}, {2, 4, 0, 0}, 1, -5, -3},  // 56
};

const DEFENSIVE_RESPONSIBILITY DEFENSIVE_RESPONSIBILITIES[RESPONSIBILITY_COUNT] = {
    {"Pass Rush", {{0.0, -3.0}, {0.0, 0.0}, {0.0, 0.0}, {0.0, 0.0}}, {4, 0, 0, 0}},  // 0
    {"Outside Rush", {{1.0, -2.0}, {1.0, -3.3}, {0.0, 0.0}, {0.0, 0.0}}, {0, 4, 0, 0}},  // 1
    {"Inside Rush", {{-1.0, -2.0}, {-1.0, -3.3}, {0.0, 0.0}, {0.0, 0.0}}, {0, 4, 0, 0}},  // 2
    {"Corner Blitz", {{-4.0, -4.0}, {0.0, 0.0}, {0.0, 0.0}, {0.0, 0.0}}, {4, 0, 0, 0}},  // 3
    {"Strongside Stunt", {{5.7, 0.0}, {5.7, -2.0}, {0.0, 0.0}, {0.0, 0.0}}, {32, 4, 0, 0}},  // 4
    {"Weakside Stunt", {{-5.7, 0.0}, {-5.7, -2.0}, {0.0, 0.0}, {0.0, 0.0}}, {32, 4, 0, 0}},  // 5
    {"Plug The Gap", {{0.0, -0.9}, {-1.4, -1.3}, {0.0, -0.9}, {1.4, -1.3}}, {0, 0, 128, 0}},  // 6
    {"Rush Contain", {{-2.0, 0.0}, {0.0, 0.0}, {2.0, 0.0}, {0.0, 0.0}}, {4, 128, 4, 0}},  // 7
    {"Deep Zone", {{1.0, 5.0}, {0.0, 0.0}, {0.0, 0.0}, {0.0, 0.0}}, {4, 0, 0, 0}},  // 8
    {"Short Zone", {{4.0, 1.0}, {0.0, 0.0}, {0.0, 0.0}, {0.0, 0.0}}, {4, 0, 0, 0}},  // 9
    {"Inside Zone", {{0.0, 2.0}, {0.0, 0.0}, {0.0, 0.0}, {0.0, 0.0}}, {4, 0, 0, 0}},  // 10
    {"Outside Zone", {{7.0, 2.0}, {0.0, 0.0}, {0.0, 0.0}, {0.0, 0.0}}, {4, 0, 0, 0}},  // 11
    {"Bump and Run", {{0.0, -2.0}, {-1.6, -0.4}, {-1.6, 2.0}, {0.0, 0.0}}, {16, 0, 4, 0}},  // 12
    {"Man-To-Man", {{0.0, 3.0}, {0.0, 0.0}, {0.0, 0.0}, {0.0, 0.0}}, {4, 0, 0, 0}},  // 13
    {"Outside Man", {{3.0, 1.0}, {2.0, 3.0}, {0.0, 0.0}, {0.0, 0.0}}, {0, 4, 0, 0}},  // 14
    {"Inside Man", {{-3.0, 1.0}, {-2.0, 3.0}, {0.0, 0.0}, {0.0, 0.0}}, {0, 4, 0, 0}},  // 15
    {"Behind Man", {{0.0, 4.0}, {-1.0, 2.0}, {0.0, 0.0}, {0.0, 0.0}}, {0, 4, 0, 0}},  // 16
    {"Underneath Man", {{2.0, -2.0}, {2.0, -0.5}, {0.0, 0.0}, {0.0, 0.0}}, {0, 4, 0, 0}},  // 17
    {"Double Team", {{0.0, -1.0}, {2.0, -1.0}, {2.0, 0.0}, {0.0, 0.0}}, {0, 64, 4, 0}},  // 18
};
