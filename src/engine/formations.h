// The formation catalogue and the field questions built on it: who fills each
// of the 11 places of a formation and where he stands, the formations of a
// snap, the players on the field, the computer defence's formation for the
// situation, the offence's field-goal range and the two-point decision, and
// the depth-chart lookups of the play calling and the roster cuts.
//
// Coordinates are yards: x across the field from the ball (negative to the
// offence's left), y along it from the line of scrimmage (negative in the
// offensive backfield, positive on the defence's side).
#pragma once

#include <cstddef>

#include "league/game_record.h"

constexpr int FORMATION_COUNT = 48;
constexpr int FORMATION_PLACES = 11;
constexpr int FORMATION_NAME_SIZE = 32;

// Formation ids beyond the play formations of playbook_records.h.
constexpr int FIRST_KICK_FORMATION = 39;
constexpr int KICKOFF_RETURN_FORMATION = 44;
constexpr int ONSIDE_RETURN_FORMATION = 45;
constexpr int PUNT_RETURN_FORMATION = 46;
constexpr int FIELD_GOAL_BLOCK_FORMATION = 47;
constexpr int PRO_SET_FORMATION = 3;
constexpr int BASE_43_FORMATION = 22;
constexpr int BASE_34_FORMATION = 25;

// Position codes of a place beyond the player positions 0-14.
constexpr int PLACE_KICK_RETURNER = 150;
constexpr int PLACE_PUNT_RETURNER = 151;

// Which field of a place Get_Formation_Slot_Position gives.
constexpr int SLOT_POSITION = 0;
constexpr int SLOT_DEPTH_RANK = 1;

// One place of a formation.
struct FORMATION_PLACE {
    int nPosition;   // 0-14, PLACE_KICK_RETURNER or PLACE_PUNT_RETURNER
    int nRank;       // depth-chart rank, 0 the starter
    double x;
    double y;
};

struct FORMATION {
    const char* szName;        // long name; empty for the kick alignments
    const char* szShortName;
    FORMATION_PLACE Place[FORMATION_PLACES];
};

// The catalogue, in formation_catalogue.cpp.
extern const FORMATION FORMATIONS[FORMATION_COUNT];

// ---------------------------------------------------------------------------
// Catalogue

// Ids above 47 read as 47, negative ids as 0.
int Clamp_Formation_Id(int nFormation);
// Copies the long name into szName (FORMATION_NAME_SIZE bytes).
void Get_Formation_Name(char* szName, size_t nSize, int nFormation);
template <size_t N> void Get_Formation_Name(char (&szName)[N], int nFormation)
{
    return Get_Formation_Name(szName, N, nFormation);
}
// which SLOT_POSITION: the place's position code; SLOT_DEPTH_RANK: its rank.
// A place outside 0-10 or another which is reported and gives -1.
int Get_Formation_Slot_Position(int nFormation, int nPlace, int nWhich);
// The place's spot. A formation above 47 or a place outside 0-10 is reported
// and gives (0, 0).
void Get_Formation_Coordinate(int nFormation, int nPlace, double* px, double* py);
// The ball goes back to a player standing off the centre (shotgun, pistol,
// wildcat and the kicks).
bool Is_Deep_Snap_Formation(int nFormation);

// ---------------------------------------------------------------------------
// The formations of a snap and the players on the field

void Set_Play_Formations(GAME* pGame);
// The offence in the pro set, the defence in its base front, both sides put
// on the field.
void Set_Default_Formations(GAME* pGame);
// Fills nOnField[side] from the team's line-up of the side's formation.
void Set_On_Field_Players(GAME* pGame, int bSide);
// While a game is played (Run_Game) each formation's players are looked up
// once; whatever moves a player off the depth chart (an injury, a roster
// change) in that time must forget them.
void Begin_On_Field_Cache(const GAME* pGame);
void End_On_Field_Cache();
void Forget_On_Field_Cache();

// ---------------------------------------------------------------------------
// Situation

// The computer defence's formation; -1 for a down code it has no rule for.
int Set_Team_Formations(GAME* pGame);
// Near 1 early in a game; above 1 when the offence has passed more than 65%
// of its plays, below when under 55%.
float Get_Offense_Pass_Tendency(const GAME* pGame);
// The longest kick (yards) the kicker in the roster slot makes, at most 62.
float Get_Kicker_Max_Distance(int nTeam, int nSlot);
// The farthest yard line from which the offence tries a field goal.
int Get_Field_Goal_Range(GAME* pGame);
bool Get_Two_Point_Chart(const GAME* pGame);
// Asks the user in a watched game of a user-run offence when a window can
// answer (Can_Wait_For_User); else the chart.
bool Should_Go_For_Two(const GAME* pGame);
// The user's answer is kept for the try it was given for (the same game,
// play count, clock and score), so he is asked once per try; this forgets it.
void Forget_Two_Point_Answer();
// The league's average field-goal percentage (historical code 124) of this
// season and the one before, in percent.
double Get_League_Field_Goal_Average();
int Get_Starters_Needed(int nTeam, int nPosition);

// ---------------------------------------------------------------------------
// Depth chart and roster cuts

// Roster slot of the player at a depth of the chart, or -1. Positions 15 and
// above are the returners (depth 0 kick-offs, 1 punts).
int Get_Depth_Chart_Player(int nTeam, int nPosition, int nDepth);
// Roster slot of the player filling a place of a formation (the backup
// quarterback in place 0 when asked), -1 for none.
int Get_Formation_Place_Player(int nTeam, int nFormation, int nPlace, bool bBackupQB);
int Find_Surplus_Position(int nTeam);

// The pass result's base figure of a route.
int Get_Route_Base_Value(int nRoute);
