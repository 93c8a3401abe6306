// Find Players (dialog 140, list kind 3): scouts the whole league (the
// franchises in use, the free agents and, while the college draft runs, the
// draft pools; never the Hall Of Fame) for players within a position, an
// age, a salary, Overall and Peak minimums, a part of the name and, for one
// position, minimums of its five key ratings. From the list the user opens
// a player's card, goes after him ("&Go Get": a trade offer, the Free Agents
// or College Draft list) or, during a fantasy draft, drafts him.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/dialogs.h"

constexpr int FIND_PLAYERS_DIALOG = 140;
constexpr int FIND_PLAYERS_LIST_KIND = 3;

// Controls of dialog 140.
constexpr int FIND_POSITION_COMBO = 1217;
constexpr int FIND_AGE_EDIT = 1221;
constexpr int FIND_AGE_SPIN = 1239;
constexpr int FIND_NAME_EDIT = 1254;
constexpr int FIND_SALARY_EDIT = 1255;
constexpr int FIND_OVERALL_EDIT = 1419;
constexpr int FIND_PEAK_EDIT = 1418;
constexpr int FIND_RATING_EDITS[5] = {1218, 1219, 1220, 1222, 1380};
constexpr int FIND_RATING_LABELS[5] = {1214, 1226, 1227, 1228, 1231};
constexpr int FIND_RATING_CAPTION = 1467;
constexpr int FIND_BUTTON = 1215;
constexpr int FIND_SCOUTING_BUTTON = 1045;
constexpr int FIND_GO_GET_BUTTON = 1216;
constexpr int FIND_HELP_BUTTON = 9;
constexpr int FIND_EDIT_COLUMNS_BUTTON = 11;
constexpr int FIND_AUTO_SIZE_BUTTON = 1385;
constexpr int FIND_INFO_LINE_1 = 1349;
constexpr int FIND_INFO_LINE_2 = 1350;
constexpr int FIND_LIST = 1124;
constexpr int FIND_PROGRESS = 1083;

// Preferences keeping the fields between openings.
constexpr int PREF_FIND_OVERALL = 62;
constexpr int PREF_FIND_POSITION = 63;        // combo index; 15 "Any Player"
constexpr int PREF_FIND_AGE = 64;
constexpr int PREF_FIND_RATING_FIRST = 65;    // 65-69: fields 1218, 1219, 1220, 1222, 1380
constexpr int PREF_FIND_SALARY = 70;          // millions
constexpr int PREF_FIND_PEAK = 71;

constexpr int FIND_ANY_POSITION = 15;
constexpr int FIND_NAME_PART_MAX = 31;        // longer parts match nobody
constexpr int TRADE_DEADLINE_WEEK_SHOWN = 12;

// The fields as typed.
struct FIND_PLAYERS_FIELDS {
    int nPosition = 0;             // combo index 0-15
    std::string Age = "50";
    std::string Name;
    std::string Salary = "99";
    std::string Overall;
    std::string Peak;
    std::string Ratings[5];
};

// The limits the fields give: numbers read with a bounded parse (not a
// number reads 0), the salary in thousands worked in 64 bits, the name part
// upper-cased.
struct FIND_PLAYERS_QUERY {
    int nPosition = FIND_ANY_POSITION;
    int32_t nAge = 50;
    int64_t nSalary = 99000;
    int32_t nOverall = 0;
    int32_t nPeak = 0;
    std::string NamePart;
    bool bNameTooLong = false;
    int32_t nRatings[5] = {0, 0, 0, 0, 0};
};
FIND_PLAYERS_QUERY Read_Find_Players_Query(const FIND_PLAYERS_FIELDS& Fields);

// Whether the player in (team, slot) meets the query (the club is not
// checked here).
bool Player_Meets_Query(int nTeam, int nSlot, const FIND_PLAYERS_QUERY& Query);
// The keys (team x 100 + slot) of every player found, in team and slot
// order. The pools are searched only while the college draft runs; an empty
// pool ends the draft (its notice at most once).
std::vector<int> Search_Players(const FIND_PLAYERS_QUERY& Query);

// The combo's entries: the 15 positions made plural, then "Any Player".
std::vector<std::string> Get_Find_Position_Entries();

// The fields kept in the preferences, and stored back.
FIND_PLAYERS_FIELDS Load_Find_Players_Fields();
void Save_Find_Players_Fields(const FIND_PLAYERS_FIELDS& Fields);

// The pending trade offer for the player: the user's club (preference 32
// when it is a franchise in use, 36, 37 or 38-40; else 0) and the player's,
// every item 255 but the wanted slot, cash 0; preference 31 becomes -128.
void Start_Trade_For_Player(int nTeam, int nSlot);

// The two info lines for a player (team 128: none).
void Format_Find_Players_Info(int nTeam, int nSlot, std::string& Line1, std::string& Line2);

void Find_Players_Dialog(DIALOG& Dialog, int nEvent, int nControl);
