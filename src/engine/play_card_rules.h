// Play cards: the nine card fields every playbook play carries (bytes 54-62
// of its name field), the deck flags, the rule that makes a card legal and
// gives its bonus value, the feedback texts of that rule, and the batches
// that recompute the bonuses or load the built-in cards of a club. The card
// panel of the playbook editor and the card export both work through these.
//
// Grades are the composite grade codes: a stored offensive grade g stands
// for 400 + g (7 none), a defensive one for 407 + g (0-3: Run Defense, Pass
// Rush, Coverage, Tackling; 4 none).
#pragma once

#include <string>

// Card fields.
constexpr int CARD_SCORING = 0;          // 0 "Field Goal", 1 "Touchdown"
constexpr int CARD_OFFENSE_1 = 1;        // 0-6
constexpr int CARD_OFFENSE_2 = 2;        // 0-6, 7 none
constexpr int CARD_DEFENSE_1 = 3;        // 0-3
constexpr int CARD_DEFENSE_2 = 4;        // 0-3, 4 none
constexpr int CARD_BONUS_RATING = 5;     // 0-6, 7 none
constexpr int CARD_BONUS_POSITION = 6;   // 0-7, QB .. C
constexpr int CARD_BONUS_VALUE = 7;      // 0-30, or an error code -1 to -6
constexpr int CARD_PLAY_KIND = 8;        // 0-3

constexpr int CARD_OFFENSE_NONE = 7;
constexpr int CARD_DEFENSE_NONE = 4;
constexpr int CARD_DECK_SIZE = 25;

// ---------------------------------------------------------------------------
// The card bytes of a play (side 0 offence, plays 0-53 of team 0-40; side 1
// defence, plays 0-29). A bad team, side, play or field is reported; the
// reader then gives 0 and the writer stores nothing.
int Get_Play_Card_Field(int nTeam, int nSide, int nPlay, int nField);
bool Set_Play_Card_Field(int nTeam, int nSide, int nPlay, int nField, int nValue);
// Stores a play's name cut to 53 characters, zeroing the rest of its 54 name
// bytes only: the card fields after it are never touched. False (nothing
// stored) for a bad team, side or play.
bool Set_Play_Name_Keeping_Card(int nTeam, int nSide, int nPlay, const std::string& Name);

// The card deck: the offensive area's 60 flags, one per play index.
bool Get_Card_Deck_Flag(int nTeam, int nPlay);
void Set_Card_Deck_Flag(int nTeam, int nPlay, bool bSelected);
int Count_Card_Deck_Plays(int nTeam);

// ---------------------------------------------------------------------------
// The value rule

bool Is_Running_Grade(int nCode);   // 401, 402, 403
bool Is_Passing_Grade(int nCode);   // 400, 404, 405, 406
// The bonus weight of position 0-7 and rating 400-406: 0 when the position
// cannot take the rating, -1 for a position or rating outside those ranges.
int Get_Card_Position_Grade_Weight(int nPosition, int nRating);
// The pair values (0 for a pair the tables do not hold); bTrySwapped also
// looks the pair up the other way round.
int Get_Offensive_Grade_Pair_Value(int a, int b, bool bTrySwapped);
int Get_Defensive_Grade_Pair_Value(int a, int b, bool bTrySwapped);
int Get_Offensive_Combination_Bonus(int nKind, int a, int b);
int Get_Defensive_Combination_Bonus(int nKind, int a, int b);
// The bonus value of a score: 0 below 70 ... 30 from 2999.
int Get_Card_Score_Value(int nScore);

// The bonus value 0-30 of a card (points 3 a field goal, 7 a touchdown;
// grades as codes), or an error: -1 illegal as a field goal, -2 illegal, -3
// no valid bonus position and rating, -4 the position cannot take the
// rating, -5 offence #1 = #2, -6 defence #1 = #2.
int Compute_Play_Card_Bonus(int nKind, int nPoints, int nOff1, int nOff2, int nDef1, int nDef2, int nBonusRating,
                            int nBonusPosition);

// A card as the panel shows it (stored field values, not codes).
struct PLAY_CARD {
    int nField[9] = {};
};
// The feedback the panel shows for a card, with the bonus value it shows
// (0 on an error): the first rule that applies, from the field-goal grades
// through the bonus rating and the value rule's errors to the warnings.
std::string Get_Play_Card_Feedback(const PLAY_CARD& Card, int* pnShownValue);
// The bonus value of the card's fields converted to codes.
int Compute_Card_Bonus(const PLAY_CARD& Card);

// ---------------------------------------------------------------------------
// Batches

// Every offensive play 0-53 of the team: the bonus value (or error code)
// from its fields into field 7.
void Recompute_Team_Play_Card_Bonuses(int nTeam);
// The team's 54 offensive plays from the built-in card table, then their
// bonus values. Defensive grades 407-410 are stored as 0-3.
void Load_Team_Default_Play_Cards(int nTeam);
