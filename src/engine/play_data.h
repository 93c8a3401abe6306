// Pure queries over the playbook tables that the play resolution, the
// narration and the diagrams ask while a play runs or is drawn, and the timed
// wait of the watched-game animation. None changes league or game state.
//
// Team and play arguments select the table as the playbook accessors do.
// The game queries return a roster slot of the on-field line-up, or -1.
#pragma once

#include "league/game_record.h"

// Defensive plays.
int Count_Defenders_With_Role(int nTeam, int nPlay, int nRole);
int Count_Deep_Zone_Defenders(int nTeam, int nPlay);
bool Play_Has_Double_Team(int nTeam, int nPlay);
// More than four of the 11 places rush the passer (codes 0-3).
bool Is_Blitz_Defense(int nTeam, int nPlay);
// The rank of place nPlace among the places holding responsibility nRole,
// ordered by their spot across the field (fX, the defensive formation's 11 x
// coordinates): every such place further left counts, and every such place
// at the same x with a higher place number. -1 for bad arguments.
int Get_Zone_Defender_Rank_From_X(int nTeam, int nPlay, int nPlace, int nRole, const float fX[11]);
// Where a "Deep Zone" (15 yards deep) or "Short Zone" (9) defender drops: the
// 40 yards across split evenly among the defenders of that zone; when three
// or more share it, the inner ones stand half a yard shallower. True with
// the point written; false (nothing written) for any other responsibility.
bool Get_Zone_Drop_Point_From_X(int nTeam, int nPlay, int nPlace, const float fX[11], float* pfX, float* pfDepth);

// Offensive plays.
bool Is_Trick_Pass_Play(int nTeam, int nPlay);       // flea flicker, halfback pass, fake reverse
bool Is_Backfield_Pass_Play(int nTeam, int nPlay);   // trick, or a backfield route for the primary
bool Is_Reverse_Play(int nTeam, int nPlay);          // end around, double reverse, reverse
bool Play_Has_Lead_Block(int nTeam, int nPlay);      // a receiver runs "Lead Block"
bool Play_Has_Play_Action(int nTeam, int nPlay);     // a receiver runs route 31, 32 or 37
// A play-action play whose name holds "Read" or "Option" (case counts).
bool Is_Option_Play(int nTeam, int nPlay);

// Game queries on the current play. Pick_Random_Pass_Rusher and
// Find_Pass_Blocking_Back draw once each.
int Pick_Random_Pass_Rusher(const GAME* pGame);
int Find_Pass_Blocking_Back(const GAME* pGame);
int Find_Play_Action_Back(const GAME* pGame);
// The defender fooled by the play-action fake: no defensive responsibility is
// a play-action route, so nobody is named (-1), and callers fall back on the
// back of Find_Play_Action_Back.
int Find_Play_Action_Back_In_Defense(const GAME* pGame);

// The lookups above that need the formation's spots, reading them from the
// formation catalogue: the run hole of the current play (the carrier's x in
// the play's formation), and a defender's zone rank and drop point in his
// play's formation.
int Get_Play_Run_Hole(const GAME* pGame);
int Get_Zone_Defender_Rank(int nTeam, int nPlay, int nPlace, int nRole);
bool Get_Zone_Drop_Point(int nTeam, int nPlay, int nPlace, float* pfX, float* pfDepth);
