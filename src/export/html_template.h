// The HTML template engine: turns a page template of "HTML_Templates" into
// one HTML page of the league.
//
// A template is HTML with three tags the engine replaces:
//   <qlv:var NAME[KEY=n]...>          one piece of league data
//   <qlv:table NAME[KEY=n]...> ... </qlv:table>
//                                     the block repeated once per table row
// A tag is everything from a "<" to the next ">"; tags under 10 characters
// are plain text, and so is anything not starting "</qlv:table",
// "<qlv:table" or "<qlv:var" (case-sensitive). After the prefix comes one
// separator character, the name and up to six parameter groups "[KEY=n]".
// The page's parameters are appended to every top-level variable and table
// tag; a table appends its row's groups to the variable tags of its block.
// Groups written in the template come first and win over appended ones.
//
// Outside input is hostile: the engine keeps no fixed buffer (a piece's text
// is never cut), never reads outside the template's text and writes only the
// page file the export names. What a template gets wrong is expanded as
// follows, and each problem is logged ("debug.txt") with the template's file
// name and line, and kept for Get_Template_Problems:
//   - an unknown variable writes its bare name (no prefix, no groups);
//   - an unknown table writes nothing of its block;
//   - an unknown parameter key takes its slot with code -1 and is never found;
//   - a value that is not a decimal integer counts as its leading digits
//     (0 when there are none); a name ending in "]" with no "[" keeps the
//     "]" in its name (so an unknown variable or table);
//   - a tag left open at the end of the text takes the rest of the text,
//     with ">" added; a table without its end tag takes the rest of the text
//     as its block;
//   - more than TEMPLATE_TABLE_DEPTH_LIMIT tables nested inside each other:
//     the innermost write nothing; a page whose text passes
//     TEMPLATE_PAGE_SIZE_LIMIT bytes stops expanding there (the page is
//     still written).
// The page is written whatever the problems; only a template that cannot be
// read or a page that cannot be created is skipped.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Parameter codes of the "[KEY=n]" groups.
enum TEMPLATE_PARAMETER : int {
    TP_UNKNOWN = -1,
    TP_GAME = 1,        // a GAME record index
    TP_TEAM = 2,        // a team slot; -1 all teams where a table allows it
    TP_WEEK = 3,        // a week index
    TP_PLAYER = 4,      // a roster slot
    TP_STAT = 5,        // a statistic code
    TP_LEAGUE = 6,      // league 0, 1, or 2 for both
    TP_DIVIS = 7,       // a division 0-7
    TP_POS = 8,         // a position 0-14, 16 defence, 17 offensive line, -1 all
    TP_COUNT = 9,       // a row of the leaders list (0-9)
    TP_SEASON = 10,     // seasons back from the current one, or a statistics period
    TP_TYPE = 11,       // a piece's variant; the initial letter for tPlayersByName
    TP_LEADERSTAT = 12, // recognised, read by nothing
    TP_PLAY = 13,       // a play index of a game's play log
};

// The value of a parameter a tag does not carry.
constexpr int TEMPLATE_ABSENT = -100;
constexpr int TEMPLATE_PARAMETER_SLOTS = 6;

// The parameter list of one tag: six codes (0 = empty slot) and six values.
struct HTML_TEMPLATE_PARAMS {
    int32_t nCode[TEMPLATE_PARAMETER_SLOTS] = {};
    int32_t nValue[TEMPLATE_PARAMETER_SLOTS] = {};
};

// Tag kinds (Find_Template_Tag).
enum TEMPLATE_TAG_KIND : int { TAG_PLAIN = 0, TAG_VARIABLE = 1, TAG_TABLE = 2, TAG_TABLE_END = 3 };

// Table ids (Get_Template_Table_Id); -1 for an unknown name.
enum TEMPLATE_TABLE : int {
    TABLE_DIVISION_STANDING = 1,
    TABLE_GAME_BY_GAME = 2,
    TABLE_PLAYERS = 3,
    TABLE_LEADERS = 4,
    TABLE_PLAYER_STATS = 5,
    TABLE_WEEK_GAMES = 6,
    TABLE_TEAM_SUMMARY = 7,
    TABLE_PLAYERS_BY_NAME = 8,
    TABLE_PLAYOFF_GAME_BY_GAME = 9,
    TABLE_GAME_PLAYS = 10,
};

constexpr int TEMPLATE_TABLE_DEPTH_LIMIT = 4;
constexpr size_t TEMPLATE_PAGE_SIZE_LIMIT = size_t{64} << 20;

// ---- Parameters --------------------------------------------------------------

// The value of the first slot (0..5) holding the code, TEMPLATE_ABSENT when none.
int Get_Template_Parameter(const HTML_TEMPLATE_PARAMS& Params, int nCode);
// The code of a group's text ("TEAM=3" -> 2): the text before its last "=";
// -1 for any other key.
int Get_Template_Parameter_Code(std::string_view Group);
// The decimal integer after the group's first "=" (its leading digits, 0
// when none; saturated to the int range).
int Get_Template_Parameter_Value(std::string_view Group);
// Fills Params from the trailing groups of the tag text (at most six, the last
// group into slot 5) and removes them from the text.
void Parse_Template_Parameters(std::string& Tag, HTML_TEMPLATE_PARAMS& Params);
// Appends "[KEY=value]" before the tag's closing ">" (the tag's last
// character is replaced; a tag without one gets it).
void Get_Template_Parameter_Name(std::string& Tag, int nValue, int nCode);
// The key of a code ("TEAM"), empty for an unknown code.
const char* Get_Template_Parameter_Key(int nCode);

// ---- Tags and tables ----------------------------------------------------------

int Find_Template_Tag(std::string_view Tag);
// Removes the prefix and separator (9 characters for mode 1, 11 for mode 2)
// and the closing character; a tag no longer than that becomes empty.
void Strip_Template_Tag(std::string& Tag, int nMode);
int Get_Template_Table_Id(std::string_view Name);
// (Get_Stat_Column_Index, which the statistic pieces index their position
// table with, is declared in export/stat_cells.h.)

// One row of a player table: a team slot and a roster slot.
struct TEMPLATE_PLAYER_ENTRY {
    int nTeam;
    int nSlot;
};
// The players of a tPlayers or tPlayersByName table. With a letter (a
// character code above 0): every used slot of every team in use whose last
// name begins with it, sorted by name. Team -1: every used slot of every team
// in use of the position (-1 all), sorted. A team slot: its used slots in
// roster order, of the position. The position matches the player's position
// or his group (16 defender, 17 offensive lineman).
std::vector<TEMPLATE_PLAYER_ENTRY> Build_Template_Player_List(int nTeam, int nPosition, int cLetter);
// Orders by last name, then first name (bytewise); equal names keep their order.
void Sort_Player_List_By_Name(std::vector<TEMPLATE_PLAYER_ENTRY>& List);

// The rows of table nTable with its parameter list (-1 for an unknown id).
// A player table fills Players, whose size is its row count (the rows read
// the list the table built, never one a table inside it built later).
int Count_Template_Table_Rows(int nTable, const HTML_TEMPLATE_PARAMS& Table,
                              std::vector<TEMPLATE_PLAYER_ENTRY>& Players);
// Appends row nRow's groups, in the table's order, to a variable tag of the
// table's block; Players is the table's own list.
void Format_Template_Parameters(std::string& Tag, int nTable, const HTML_TEMPLATE_PARAMS& Table, int nRow,
                                const std::vector<TEMPLATE_PLAYER_ENTRY>& Players);
// The leader statistic of the n-th tLeaders table of a page (from 0):
// 10, 11, 12, 14, 15, 16, 1, 2, 4, and 4 for every later one.
int Get_Template_Leader_Table_Stat(int nTableOnPage);

// The number of past seasons of a player: his season-line links (newest
// first) that hold a line whose year is not 0.
int Count_Player_Past_Seasons(int nTeam, int nSlot);

// ---- Pages ----------------------------------------------------------------------

// Expands a whole template text with the page's parameters (the first nCount
// entries of Page) and returns the page. szFile names the template in the
// problems logged.
std::string Expand_Html_Template(const std::string& Text, const HTML_TEMPLATE_PARAMS& Page, int nCount,
                                 const char* szFile);
// Problems logged since the last clear ("FILE:LINE: what").
const std::vector<std::string>& Get_Template_Problems();
void Clear_Template_Problems();
