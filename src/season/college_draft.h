// The college draft as the season cycle runs it: the picks, the draft
// report, the records of forfeited picks, the pick owners rolled on to the
// next year, and the draft's end, which sets up the next season.
#pragma once

#include <cstdint>

constexpr int DRAFT_PAGE = 40070;   // the main window's Draft page
// Team cash after a pick's bonus is held within these dollars.
constexpr int64_t DRAFT_CASH_FLOOR = -100000000;
constexpr int64_t DRAFT_CASH_CEILING = 1000000000;

// The draft report of a year: "Output\\College-Draft-%d.txt".
void Get_Draft_Report_Path(char* szBuffer, int nSize, int nYear);
// Deletes the year's report and writes its head: an empty line, the title
// "               %d COLLEGE DRAFT" and the first round's header.
void Start_Draft_Report();
// An empty line, then "================= %s ROUND =================" with
// the ordinal word of round nRound + 1, capitalised ("First" .. "Seventh").
void Write_Draft_Round_Header(int nRound);

// Starts the draft: the timing line "Off-Season Finished" in "debug.txt",
// the draft order, the status and news bars taken down (the next season's
// set-up makes them again), round and pick 0, the report begun with its
// title and first round, the strategy read, then Begin_College_Draft.
void Start_College_Draft();
// Picks a draft left waiting (a loaded game) up again.
void Resume_College_Draft();
// Starts or resumes the draft loop: the computer makes each pick until a
// user-run club (all-computer flag off) is on the clock, when the user is
// told to pick and the loop stops. After the seventh round, or when the
// pools are empty (with the "College Draft" box), the draft ends (round 7,
// pick 0) and the next season is set up. Nothing happens when no draft is
// under way (round 7).
void Begin_College_Draft();
// The pick on the clock made by the computer, whoever holds it, then the
// draft moves on; an empty pool ends the draft.
void Advance_Draft_Pick();
// The computer's pick for holder nTeam in the current round.
void Make_Draft_Pick(int nTeam);
// Moves the prospect to nTeam (the free agents for 36) and stamps his draft
// slot, drafting record and season line; a club gives him a uniform number
// (Assign_Uniform_Number).
void Record_Drafted_Player(int nTeam, int nPoolTeam, int nPoolSlot);
// Next position, next round (with its report header), or the end.
void Move_To_Next_Draft_Pick();
// The menu command: after "End College Draft?" is answered Yes the computer
// makes every remaining pick, users' clubs' too.
void Confirm_End_College_Draft();
// The holder of the pick on the clock (a franchise, a pool slot, a forfeit
// mark), NO_TEAM when no pick is.
int Get_Draft_Holder_On_The_Clock();
// Tells the user-run club on the clock to pick, the open College Draft list
// (below) refreshed first: the box stands over the pool as it now is.
void Notify_User_Draft_Turn();
// What refreshes the open College Draft list (null: none open). The list
// installs it while it is open.
void Set_College_Draft_List_Refresher(void (*pRefresh)());
// Ends the draft because the pools are empty: the "College Draft" box,
// round 7, pick 0, the next season set up.
void End_Draft_Pool_Empty();

// Appends (year x 1000 + overall pick) x 100 + nTeam for the pick on the
// clock to the first free forfeit record; nothing when all 300 are used.
void Record_Forfeited_Draft_Pick(int nTeam);
// The team recorded for that year and overall pick; NO_TEAM when none.
int Find_Team_Draft_Record(int nYear, int nOverallPick);

// The bonus a club with cash index nRatio (per mille) pays: above 1000 it is
// Mul_Div_Rounded(bonus, ratio + 9000, 10000).
int Scale_Draft_Bonus_For_Cash(int nBonus, int nRatio);
// Cash less bonus x 1,000 dollars, worked in 64 bits, held within
// DRAFT_CASH_FLOOR .. DRAFT_CASH_CEILING.
int Get_Cash_After_Draft_Bonus(int64_t nCash, int nBonus);

// Every franchise holds its own picks of all three drafts.
void Reset_All_Draft_Picks();
// The team's column holds its own picks in all 21 draft rows.
void Reset_Team_Draft_Picks(int nTeam);
// Reads "Input/DraftStrategy.txt": 15 lines, position QB .. P, the first
// comma field of each the position's weight (a percentage added to 100; an
// empty field or missing line 0), each within -100..100
// (DRAFT_STRATEGY_LIMIT): a file holding another is refused with a "Bad
// File" box naming its line (once a run, as Load_Draft_Talent's boxes). A
// missing or refused file leaves the weights as they were.
void Load_Draft_Strategy();
// For rounds 0-6 and every franchise in use: next year's owner of its pick
// moves to this year, the year after's to next year, and the club owns its
// own pick of the newest year.
void Roll_Draft_Pick_Owners_Forward();
// Every player of the franchises in use and of the free agents with a
// negative count of credited seasons (vital stat 8) gets 0.
void Clear_Negative_Seasons();
