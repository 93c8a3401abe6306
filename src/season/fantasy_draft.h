// The fantasy draft: every player of the league dealt anew. The clubs take
// turns in an order the user chooses, picking from every roster, the free
// agents and the college pools, until the rounds run out or nobody is left;
// then each player moves to the club that drafted him.
//
// The draft's state is kept inside the league block (so it is saved with the
// game) at the start of the season bookkeeping area, and is also the exact
// content of the file "%s.draft" that older saved games kept beside the game
// file.
//
// FANTASY_DRAFT_STATE, 18,016 bytes, little-endian, no header:
//   0       int32            first-round order mode (FANTASY_ORDER_*)
//   4       int32            remaining-rounds order mode (FANTASY_LATER_*)
//   8       int32            current round, from 0
//   12      int32            current pick within the round, from 0
//   16      int32[100][36]   player ID taken at [round][pick]; -1 when the
//                            pick took no player; 0 while not made
//   14,416  int8[100][36]    team on the clock at [round][pick]
//
// The fantasy-draft flag is universe stat FANTASY_DRAFT_RUNNING: 0 none,
// 1 under way, 2 the computer makes every remaining pick. Each player's
// drafted-by byte (season/draft_teams.h) holds the club that took him.
//
// Each pick posts the main window its own message, and the window's handling
// of it prompts for the next pick (Show_Fantasy_Draft_Prompt), so the window
// stays live between picks. Without a window the draft runs its picks in a
// loop: the next pick follows at once, until a user-run club is on the clock
// (its pick comes from the player lists or the player card through
// Record_Fantasy_Draft_Pick) or the draft ends.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr size_t FANTASY_DRAFT_STATE_SIZE = 18016;
// Offset of the state within the season bookkeeping area.
constexpr size_t FANTASY_DRAFT_STATE_OFFSET = 0;

constexpr int FANTASY_DRAFT_ROUNDS = 100;   // rounds ordered
constexpr int FANTASY_DRAFT_ROUNDS_MADE = 65;   // rounds drafted, at most
constexpr int FANTASY_DRAFT_TEAMS = 36;

// First-round order modes.
constexpr int FANTASY_ORDER_RANDOM = 1;
constexpr int FANTASY_ORDER_CASH = 2;          // cash, lowest first
constexpr int FANTASY_ORDER_REVENUE = 3;       // this season's revenue, lowest first
constexpr int FANTASY_ORDER_ALPHABETICAL = 4;  // team slots, which are kept sorted by city
// Remaining-rounds order modes.
constexpr int FANTASY_LATER_RANDOM = 1;        // a new random order each round
constexpr int FANTASY_LATER_SNAKE = 5;         // odd rounds reversed, even rounds repeated
constexpr int FANTASY_LATER_REPEAT = 6;
constexpr int FANTASY_LATER_REVERSE = 7;

// Values of the fantasy-draft flag.
constexpr int FANTASY_DRAFT_NONE = 0;
constexpr int FANTASY_DRAFT_UNDER_WAY = 1;
constexpr int FANTASY_DRAFT_COMPUTER_FINISHES = 2;

// Preferences of the draft: 85 the announce flag (show each pick in a box),
// 86 and 87 the player list's team and position selection.
constexpr int PREF_FANTASY_ANNOUNCE = 85;
constexpr int PREF_FANTASY_LIST_TEAM = 86;
constexpr int PREF_FANTASY_LIST_POSITION = 87;

// The computer's need weights and full quotas per position (QB .. P).
constexpr int FANTASY_NEED_WEIGHT[15] = {1200, 1100, 1000, 1000, 1100, 1100, 1100, 1000,
                                         1200, 1200, 1000, 1000, 900,  1000, 1000};
constexpr int FANTASY_NEED_FULL[15] = {3, 4, 2, 4, 6, 4, 4, 2, 5, 4, 7, 5, 5, 1, 1};

struct FANTASY_DRAFT_STATE {
    int32_t nFirstRoundMode;
    int32_t nLaterRoundMode;
    int32_t nRound;
    int32_t nPick;
    int32_t nPicked[FANTASY_DRAFT_ROUNDS][FANTASY_DRAFT_TEAMS];
    int8_t nOrder[FANTASY_DRAFT_ROUNDS][FANTASY_DRAFT_TEAMS];
};
static_assert(sizeof(FANTASY_DRAFT_STATE) == FANTASY_DRAFT_STATE_SIZE);
static_assert(offsetof(FANTASY_DRAFT_STATE, nPicked) == 16);
static_assert(offsetof(FANTASY_DRAFT_STATE, nOrder) == 14416);

// The state's bytes, little-endian, and back.
void Encode_Fantasy_Draft_State(const FANTASY_DRAFT_STATE& State, uint8_t (&Bytes)[FANTASY_DRAFT_STATE_SIZE]);
void Decode_Fantasy_Draft_State(const uint8_t (&Bytes)[FANTASY_DRAFT_STATE_SIZE], FANTASY_DRAFT_STATE* pState);
// The state kept in the league block, and storing it there.
void Get_Fantasy_Draft_State(FANTASY_DRAFT_STATE* pState);
void Set_Fantasy_Draft_State(const FANTASY_DRAFT_STATE& State);

// Why a draft file's bytes cannot be a draft of this league, or null when
// they can: all 18,016 bytes, round 0..99, pick 0..Count_Teams() - 1, and
// every order entry a franchise 0..Count_Teams() - 1. The picked IDs are
// never used as indexes, so any value is accepted.
const char* Check_Fantasy_Draft_Bytes(const uint8_t* pData, size_t nSize);

// The Start Fantasy Draft dialog's answer: the flag set, the player list set
// to all positions and undrafted players, the state zeroed, then
// Set_Up_Fantasy_Draft_Order. The announce flag (preference 85) is the
// dialog's check box. A mode outside its list reads as 1 (first round) or 7
// (later rounds), as an unchecked dialog gives.
void Start_Fantasy_Draft(int nFirstRoundMode, int nLaterRoundMode, int bAnnounce);

// Stores the modes and orders the 100 rounds (round 0 by the first-round
// mode, then each later round by its mode), clears every drafted-by byte,
// restarts the log "Output\\Fantasy Draft.txt" with its header, and prompts
// for the first pick.
void Set_Up_Fantasy_Draft_Order(int nFirstRoundMode, int nLaterRoundMode);
// The same orders for a state, drawing the random ones: nothing else changes.
void Fill_Fantasy_Draft_Order(FANTASY_DRAFT_STATE* pState, int nFirstRoundMode, int nLaterRoundMode);

// The pick on the clock: a user-run club (while the flag is 1) is told to
// pick and the prompt stops; otherwise the computer picks for the club. After
// round index 64, or when nobody is left to pick, the draft finishes. A
// prompt asked for while one is running is taken up by the running one.
void Show_Fantasy_Draft_Prompt();

// The pick of the player in (nTeam, nSlot) by club nDraftingTeam, which must
// be the club on the clock: his drafted-by byte, the log line, the state, the
// announcement, then the next pick. Refused (false, with a report; nothing
// changed) when no draft is under way, the slot holds no player (NO_PLAYER
// included), he was already drafted, or another club is on the clock.
bool Record_Fantasy_Draft_Pick(int nTeam, int nSlot, int nDraftingTeam);

// The menu command "End Fantasy Draft...": Yes lets the computer make every
// remaining pick, Cancel undoes every pick (nobody moves), No goes back to
// the draft.
void Confirm_End_Fantasy_Draft();
// The draft's end: the completion box (unless the computer was finishing it
// for the user), every player moved to his club, absurd contracts repaired,
// then Close_Fantasy_Draft.
void Finish_Fantasy_Draft();
// Drafted-by bytes cleared, the flag 0, the menu and title refreshed.
void Close_Fantasy_Draft();
// The club whose pick is on the clock; NO_TEAM when no draft is under way.
int Get_Fantasy_Draft_Club_On_The_Clock();
// The round and pick on the clock, both from 0, read from the draft's own
// state; false (both 0) when no draft is under way.
bool Get_Fantasy_Draft_Round_And_Pick(int* pnRound, int* pnPick);

// The computer's choice for club nTeam: true with the player's team and slot,
// false (NO_TEAM / NO_PLAYER) when nobody is left.
bool Choose_Fantasy_Draft_Pick(int nTeam, int* pnPoolTeam, int* pnSlot);
// The computer's value of the undrafted player (nPoolTeam, nSlot) to club
// nTeam, as Choose_Fantasy_Draft_Pick weighs it.
int Get_Fantasy_Pick_Value(int nTeam, int nPoolTeam, int nSlot);
// Per mille need per position (0-14): weight x (full - picks) / full, never
// below 0.
void Get_Fantasy_Position_Needs(int nTeam, int (&nNeed)[15]);
// (Salary cap, or the club's payroll budget without a cap) / 1000 less the
// yearly cap charge ($K) of the players it has drafted.
int Get_Fantasy_Payroll_Room(int nTeam);
// The yearly cap charges ($K) of the players club nTeam has drafted so far:
// its payroll once the draft moves them (its own players stay on its roster
// meanwhile, as everybody's, but are its own no more).
int64_t Get_Fantasy_Drafted_Payroll(int nTeam);
// Players whose drafted-by byte is the club and whose position is nPosition.
int Count_Team_Picks_At_Position(int nTeam, int nPosition);

// An older saved game's draft, from "%s.draft" beside it (the current game's
// path with ".draft"). The file is read and checked whole first: a good file
// becomes the state and each pick's player gets his drafted-by byte back; a
// missing file, or a damaged one (after the box "Fantasy Draft" saying so),
// leaves the state to a fresh draft of random first round and snake order.
// The prompt is left to the caller: the load has more to repair before a pick
// may be weighed (Show_Fantasy_Draft_Prompt resumes). True when the file was
// read.
bool Load_Fantasy_Draft_File();
// The same from bytes already read; szName names them in the message.
bool Load_Fantasy_Draft_Bytes(const uint8_t* pData, size_t nSize, const char* szName);

// Forgets the values the computer's picks keep for the current draft (tests, a
// league loaded or a new game made, and a league replaced under a draft).
void Forget_Fantasy_Pick_Values();

// An open player list refreshes itself after each computer pick: the list
// installs its refresh while it is open and removes it (null) when it
// closes. Nothing happens while none is installed.
void Set_Fantasy_Draft_List_Refresher(void (*pRefresh)());
