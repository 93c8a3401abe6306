// The college draft as the season cycle runs it: the picks, the draft
// report, the pick owners rolled on to the next year, and the draft's end,
// which sets up the next season.
#pragma once

constexpr int DRAFT_PAGE = 40070;   // the main window's Draft page

// The draft report of a year: "Output\\College-Draft-%d.txt".
void Get_Draft_Report_Path(char* szBuffer, int nSize, int nYear);
// An empty line, then "================= %s ROUND =================" with
// the ordinal word of round nRound + 1, capitalised ("First" .. "Seventh").
void Write_Draft_Round_Header(int nRound);

// Starts the draft: the timing line "Off-Season Finished" in "debug.txt",
// the draft order, the status and news bars taken down (the next season's
// set-up makes them again), round and pick 0, the report begun with its
// title and first round, the strategy read, then Begin_College_Draft.
void Start_College_Draft();
// Starts or resumes the draft. Rule now: the computer makes every pick, the
// users' clubs' too, from the college pools (teams 38-40) in the draft
// order, each a line of the report; after the last pick of the seventh
// round, or at once when the pools are empty, the draft ends (round 7, pick
// 0) and the next season is set up. Nothing happens when no draft is under
// way (round 7).
void Begin_College_Draft();
// Reads the clubs' position weights of the draft. Rule now: the computer's
// pick weighs no position, so nothing is read.
void Load_Draft_Strategy();
// For rounds 0-6 and every franchise in use: next year's owner of its pick
// moves to this year, the year after's to next year, and the club owns its
// own pick of the newest year.
void Roll_Draft_Pick_Owners_Forward();
// Every player of the franchises in use and of the free agents with a
// negative count of credited seasons (vital stat 8) gets 0.
void Clear_Negative_Seasons();
