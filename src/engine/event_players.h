// Who made a play's events: the tackler, the sacker, the interceptor, the
// player flagged for a penalty, the runner of a designed run. Each is drawn
// from the eleven players one side has on the field, weighted by how often a
// player of his position and ratings makes that event.
#pragma once

#include "league/game_record.h"

// Event codes (also the stored statistics they are counted in).
constexpr int EVENT_ANY_PLAYER = -1;        // any player of the side, equally likely
constexpr int EVENT_SOLO_TACKLE = 2;
constexpr int EVENT_TACKLE_ASSIST = 3;
constexpr int EVENT_SACK = 4;               // a lineman: the sack he allowed
constexpr int EVENT_FUMBLE_FORCED = 5;
constexpr int EVENT_PASS_DEFENSED = 6;
constexpr int EVENT_INTERCEPTION = 7;
constexpr int EVENT_FUMBLE_RECOVERY = 8;
constexpr int EVENT_PENALTY = 10;
constexpr int EVENT_PENALTY_2 = 11;

// Event types of a player: his position unit, with quarterbacks apart.
constexpr int EVENT_TYPE_SKILL = 0;         // backs, tight ends, receivers
constexpr int EVENT_TYPE_LINE = 1;
constexpr int EVENT_TYPE_DEFENSE = 2;
constexpr int EVENT_TYPE_KICKERS = 3;
constexpr int EVENT_TYPE_QUARTERBACK = 4;

// How often a player of this position and these ratings makes event nStat,
// at least 0; comparable across players for one event, not across events. An
// event his type does not make is reported ("Unhandled stat in
// Estimate_Player_Stat_Frequency(TNUM nTeam, INDEX nPlayer, int nStat)") and
// gives -1. A bad address is reported and gives 0.
int Estimate_Player_Stat_Frequency(int nTeam, int nSlot, int nStat);

// The weight of a player in the draw for event nStat: the estimate, rounded;
// from week 4 on in a league replaying real seasons, blended towards his
// predicted rate of the event against his rate this season, the more the
// later the week. At least 0.
int Get_Blended_Stat_Frequency(int nTeam, int nSlot, int nStat);

// The roster slot of the player of nExpandedType (EVENT_TYPE_*) who made
// event nStat: drawn (one draw) among the defence's eleven on the field for
// type 2, the offence's otherwise, by their weights (with the sack and tackle
// adjustments of the situation); a player of weight 0 is never drawn. When
// every weight is 0, a uniform draw among the places (places 1-5 for a
// skill player's penalty). An empty place drawn is reported ("No player
// assigned in Choose_Game_Event_Player(...)", bPenalty serving the message)
// and gives NO_PLAYER; so does no record.
int Choose_Game_Event_Player(GAME* pGame, int nExpandedType, int nStat, int bPenalty);

// The roster slot of the runner of the offence's current call: the player in
// the play's carrier place; on a read or option play whose clock plus
// defensive call is odd, the back with the play-action route keeps it.
// NO_PLAYER when the play has no carrier or the place is empty. Draws nothing.
int Get_Ball_Carrier(const GAME* pGame);
