// Page links, names and the select control of the encyclopedia pages.
//
// Every piece writes the text of one template variable into Out. A piece that
// writes something replaces Out whole; a piece that "writes nothing" leaves
// Out as the caller handed it over. Texts have no length limit.
//
// Links keep the encyclopedia's own form: a TYPE 1 prefix "..\" (the page
// lies one folder down), any other TYPE ".\", then the folder and the file,
// one backslash between each step ("..\teams\Name.htm"). Names taken from
// the league are escaped for HTML (& < > ") and, inside a link, first made
// safe as a file name (Page_Name_Of), so a link names exactly the file the
// export writes under the same helper.
#pragma once

#include <string>

// ---------------------------------------------------------------------------
// Page file names. The export names its files with these, the links use them.

// A name made safe as one file-name component: the page toolkit's
// Sanitise_File_Name (base/html_text.h), which the export's file names use too.
std::string Page_Name_Of(const std::string& Name);
// "<full name>" of a franchise (teams/ pages); "" for a slot with no name
// and for a franchise slot not in use (an erased club has no page).
std::string Team_Page_Name(int nTeam);
// "<full name> <year>" (TeamsDetail/ pages): the year of the games the
// league's records hold (Get_Game_Records_Year).
std::string Team_Detail_Page_Name(int nTeam);
// "<Last, First> <ID>" of a player (players/ pages); "" for an empty slot.
std::string Player_Page_Name(int nTeam, int nSlot);
// "G-%02d-%03d" of the year the game was played (Get_Game_Records_Year) and
// a game record index (GameDetails/).
std::string Game_Page_Name(int nGame);
// The leaders page of a league (0, 1, or 2 for "NFL") and a period p:
// "<league> Leaders" + (p -2: " By Season"; p -1: ""; else " <current year - p>").
std::string Leaders_Page_Name(int nLeague, int nPeriod);
// The logo of a team as the pages name it ("Logos\<abbreviation>.png", or
// ".jpg"/".gif"), "" when the data folder has no logo file for it.
std::string Team_Logo_Page_Path(int nTeam);

// The season whose games, bracket and playoff results the league holds, as
// the pages count seasons back from the current one (SEASON): 0, except in
// the off-season (week 100), when the season index has moved on but the
// season just played keeps its records until the next one is set up.
int Get_Game_Records_Season();
// The year of those games.
int Get_Game_Records_Year();
// The week pages (SeasonDetail/): one for each week played so far, at most
// the regular season and its four playoff weeks.
int Count_Season_Detail_Pages();

// ---------------------------------------------------------------------------
// HTML escaping of & < > " (other bytes unchanged): the page toolkit's Escape_Html.
std::string Escape_Html_Text(const std::string& Text);

// The style sheet file name written by "LinkToCSS" ("styles.css" until set).
void Set_Html_Style_Sheet_Name(const std::string& Name);
const std::string& Get_Html_Style_Sheet_Name();

// ---------------------------------------------------------------------------
// Links
//
// Each writes the opening tag of a link; the page's template closes it after
// the name. With nothing to link to they write "<a>" (an anchor without a
// target, not a link), so the template's closing tag still has its opening.

constexpr const char* NO_LINK_REF = "<a>";

void Format_Team_Ref(std::string& Out, int nTeam, int nSeason, int nType);
void Format_Opponent_Ref(std::string& Out, int nWeek, int nTeam, int nType);
void Format_Player_Ref(std::string& Out, int nPlayer, int nTeam, int nType);
void Format_Player_Team_Ref(std::string& Out, int nPlayer, int nTeam, int nSeason);
void Format_Game_Detail_Ref(std::string& Out, int nGame, int nType);
// The page of TEAM's game of WEEK (its schedule's or its playoff game); no
// link when it has none that week.
void Format_Schedule_Game_Ref(std::string& Out, int nTeam, int nWeek, int nType);
void Format_Game_Team_Ref(std::string& Out, int nGame, int nType);

// Pictures and style sheet
void Format_Css_Link(std::string& Out, int nType);
void Format_Team_Logo(std::string& Out, int nTeam);
void Format_Game_Team_Logo(std::string& Out, int nGame, int nType);

// Names
void Format_Kelvo_Name(std::string& Out);
void Get_League_Name_Or_Overall(std::string& Out, int nLeague);
void Format_Division_Name(std::string& Out, int nDivision);
void Format_Position_Name(std::string& Out, int nPosition);
void Format_Playoff_Game_Name(std::string& Out, int nWeek);
void Format_Is_Playoff(std::string& Out, int nWeek);
void Format_Overall_Teams(std::string& Out);

// The HTML select control of TYPE 1-9.
void Format_Select(std::string& Out, int nType);

// The number of regular-season weeks as the playoff pieces count them: the
// first playoff week, at least 2.
int Get_Regular_Season_Weeks();
