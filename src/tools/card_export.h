// The card-game export: one club as a printable deck of the Tolvaren card
// game. 54 PNG pictures (22 player cards, 25 play cards, 5 audible cards and
// the two checklists), "Players.csv" with the players' card grades, and the
// play and audible lists appended to "Tolvaren-Playbooks.csv" and
// "Tolvaren-Audibles.csv" in the current folder.
//
// Every card is drawn by a function onto a canvas of its own, from template
// pictures the user may supply under "Tolvaren" (none ship); a missing
// picture leaves its area undrawn, and the texts are drawn regardless.
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"

constexpr int TOLVAREN_CARD_COUNT = 54;
constexpr int TOLVAREN_PLAYER_CARDS = 22;        // cards 0-21
constexpr int TOLVAREN_FIRST_PLAY_CARD = 22;     // cards 22-46: the 25 deck plays
constexpr int TOLVAREN_FIRST_AUDIBLE_CARD = 47;  // cards 47-51
constexpr int TOLVAREN_ROSTER_CHECKLIST = 52;
constexpr int TOLVAREN_PLAYBOOK_CHECKLIST = 53;
constexpr int TOLVAREN_CARD_WIDTH = 822;
constexpr int TOLVAREN_CARD_HEIGHT = 1122;
constexpr int TOLVAREN_DECK_PLAYS = 25;
constexpr int TOLVAREN_AUDIBLES = 5;

constexpr const char* TOLVAREN_OUTPUT_FOLDER = "Tolvaren//Output";
constexpr const char* TOLVAREN_PLAYBOOKS_CSV = "Tolvaren-Playbooks.csv";
constexpr const char* TOLVAREN_AUDIBLES_CSV = "Tolvaren-Audibles.csv";
constexpr const char* TOLVAREN_PLAYERS_CSV = "Tolvaren//Output//Players.csv";

// The bonus label of a play card ("C Run Blocking +12") and its box.
constexpr int CARD_BONUS_LABEL_LEFT = 438;
constexpr int CARD_BONUS_LABEL_RIGHT = 782;
constexpr double CARD_BONUS_LABEL_HEIGHT = 32;
std::string Get_Card_Bonus_Label(int nPosition, int nRating, int nValue);
// The height (pixels) a line of a card is set in to fit nWidth pixels: the
// height asked for, or less for a longer line, down to half of it (where an
// ellipsis ends what still does not fit).
double Fit_Card_Text_Height(const std::string& Words, int nWidth, double fHeight, bool bBold);

// ---------------------------------------------------------------------------
// Card grade slots: one byte per slot of an offensive play's card (the play
// card fields). Slots 1, 2 and 5 hold an offensive grade 400-406 as grade -
// 400 (a grade below 400 is stored as 7, none); slots 3 and 4 a defensive
// grade 407-410 as grade - 407 (a grade below 407 is stored as 4, none);
// other slots hold the value itself. False for a bad team, play or slot.
bool Set_Card_Grade_Slot(int nTeam, int nPlay, int nSlot, int nGrade);
// The grade back: byte + 400 (slots 1, 2, 5; -1 above 406), byte + 407
// (slots 3, 4; -1 above 410), else the byte.
int Get_Card_Grade_Slot(int nTeam, int nPlay, int nSlot);

// ---------------------------------------------------------------------------
// Player cards

// The grade rows of a player card.
enum CARD_GRADE_ROW : int {
    CARD_ROW_SKILL = 0,        // RB, FB, TE, WR
    CARD_ROW_LINE = 1,         // T, G, C
    CARD_ROW_DEFENCE = 2,      // DE, DT, LB, CB, S
    CARD_ROW_QUARTERBACK = 3   // QB, K, P
};
int Get_Card_Grade_Row(int nPosition);
// The composite grade code of slot 0-5 of a row, -1 for an empty slot.
int Get_Card_Grade_Code(int nRow, int nSlot);
// "%d" of a grade held to 99; "" for 0.
std::string Format_Card_Grade(int nGrade);
// The six statistic lines' captions of a row ("" for a blank line).
const char* Get_Card_Stat_Caption(int nRow, int nLine);

// The statistics a card line shows.
enum CARD_STAT : int {
    CARD_STAT_NONE = 0,
    CARD_STAT_RUSH_YARDS,
    CARD_STAT_YARDS_PER_RUSH,
    CARD_STAT_RUSH_TOUCHDOWNS,
    CARD_STAT_RECEPTIONS,
    CARD_STAT_RECEIVING_YARDS,
    CARD_STAT_RECEIVING_TOUCHDOWNS,
    CARD_STAT_GAMES,
    CARD_STAT_STARTS,
    CARD_STAT_TACKLES,
    CARD_STAT_SACKS,
    CARD_STAT_PASSES_DEFENSED,
    CARD_STAT_INTERCEPTIONS,
    CARD_STAT_PASSING_YARDS,
    CARD_STAT_COMPLETION_RATE,
    CARD_STAT_TOUCHDOWNS_INTERCEPTIONS,
    CARD_STAT_PASSER_RATING
};
CARD_STAT Get_Card_Stat_Kind(int nRow, int nLine);
// One statistic of the player for the period as the card shows it: whole
// numbers "%d", "4.5" for yards a rush, "62.5" for the completion rate and
// the passer rating, "21/7" for touchdowns and interceptions; "" for
// CARD_STAT_NONE or an empty slot.
std::string Format_Player_Card_Stat(int nTeam, int nSlot, int nKind, int nPeriod);
// The statistics period the team's cards read: the shell's selected period,
// except that a selected season (this or last) in which none of the 22 card
// players has played a game gives way to the last season that has games
// (this season, else last season); the selected period when neither has.
int Get_Card_Stat_Period(int nTeam);

// The club's city as a card shows it: "NFL Average" for team -1; "New York"
// (in any case) as "New York (AFC)" for the Jets, "New York (NFC)" otherwise.
std::string Get_Card_Team_City(int nTeam);
// The player's full name, or "%c. %s" (initial and last name) when the full
// name is longer than 24 characters.
std::string Get_Card_Player_Name(int nTeam, int nSlot);

// The roster slot of card 0-21 (the side's first slot plus the card's
// place), -1 for another card or when the club has no player there.
int Get_Card_Player_Slot(int nTeam, int nCard);

// ---------------------------------------------------------------------------
// Play and audible cards

constexpr int CARD_FIELD_COUNT = 9;

// The nine card fields of an offensive play of the team. A play of 0-53
// whose nine bytes are all 0 has no card made (its two offensive grades
// would be one): it takes its card from the built-in card table, bonus value
// computed, as the editor's default cards give it. A play past 53 has the
// empty card (no grades).
void Get_Card_Play_Fields(int nTeam, int nPlay, int (&nField)[CARD_FIELD_COUNT]);
// The team's deck of 25 plays: the plays whose deck flag is set, in order
// (the first 25). With fewer marked, the deck is filled from the unmarked
// plays 0-53 grouped by their card's kind (Inside Run, Outside Run, Short
// Pass, Long Pass), in play order within a kind, taking one from each kind
// in turn until 25 are held or none is left.
std::vector<int> Get_Card_Deck(int nTeam);
// The offensive play of the n-th deck card (0-24) of that deck; -1 outside it.
int Find_Card_Deck_Play(int nTeam, int n);
// The card name of a play: a long name shortened by the table of card
// names, else the name itself.
std::string Get_Card_Play_Name(const std::string& Full);
// The play list line of a deck play ("name,number,kind,type,card name,
// grade,grade,grade,grade,bonus").
std::string Format_Card_Play_Line(int nTeam, int nPlay);

struct AUDIBLE_CARD {
    const char* szKey;       // a picture under "Tolvaren/Plays", or "d/N": defensive play N's diagram
    const char* szCost;      // "??", "+?", "?" or a picture name
    const char* szName;
    const char* szLine[5];   // the description, up to five lines
};
const AUDIBLE_CARD& Get_Audible_Card(int n);
// The audible entry of card 47-51 of a team.
int Get_Team_Audible_Entry(int nTeam, int nCard);
std::string Format_Audible_Line(int nTeam, int nCard);

// ---------------------------------------------------------------------------
// Drawing and the export

// The picture size of a card: 822 x 1,122, the playbook checklist 1,122 x 822.
void Get_Tolvaren_Card_Size(int nCard, int* pnWidth, int* pnHeight);
// Draws card 0-53 of the team onto the canvas (which must be at least the
// card's size). With bWriteLists a play card appends its line to
// "Tolvaren-Playbooks.csv" and an audible card to "Tolvaren-Audibles.csv".
void Draw_Tolvaren_Card(CANVAS& Canvas, int nTeam, int nCard, bool bWriteLists);
// The output file of card 0-53 of a team.
std::string Get_Tolvaren_Card_Path(int nTeam, int nCard);
// Writes "Players.csv" of the team, appended line by line (the export puts
// its lines in place whole instead, over the old file).
void Write_Tolvaren_Players_Csv(int nTeam, const char* szPath);

// The export of the viewed team: deletes the old lists under the output
// folder, creates the folders, makes the viewed team valid, writes the 54
// pictures, then the lists and "Players.csv", each whole (a list or
// "Players.csv" that cannot be written keeps its old bytes). Returns the pictures written; *pnDeckPlays
// (when given) the plays of the deck the cards were drawn from; *pProblem
// (when given) the first picture or list that could not be written, with the
// system's words ("" when all were); *pnMarked (when given) how many of the
// deck's plays the club's playbook marked (the others were filled).
int Export_Tolvaren_Cards(int* pnDeckPlays = nullptr, std::string* pProblem = nullptr, int* pnMarked = nullptr);
