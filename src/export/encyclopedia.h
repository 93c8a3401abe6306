// The encyclopedia export: the whole league as a folder of linked HTML
// pages, each from one of the 13 templates of "HTML_Templates".
//
// Under the export root (a folder relative to the current folder, which is
// the data folder, or absolute):
//   index.htm, "Season summary[ YEAR].htm", "Player Summary.htm",
//   "LEAGUE Leaders.htm", "LEAGUE Leaders By Season.htm",
//   SeasonDetail/  "Season details[ weekN].htm"
//   teams/         "TEAM FULL NAME.htm"
//   TeamsDetail/   "TEAM FULL NAME YEAR.htm"
//   players/       "LAST, FIRST ID.htm"
//   leagueleaders/ "LEAGUE Leaders YEAR.htm"
//   SortedPlayers/ qbindex.htm ..., "TEAM FULL NAME index.htm", "Aindex.htm" ...
//   GameDetails/   "G-YY-NNN.htm"
//   Images/        the style sheets of "HTML_Templates\\CSS"
//   Logos/         the program's team logos, when it has any
// Each page is written under a temporary name and takes its own name only
// once whole, and the start page index.htm is removed when an export begins
// and written last: a site with a start page is a finished export, and a
// killed one leaves no empty or half page (its temporaries go at the next
// export into the folder). Names made from data go through the page
// toolkit's sanitiser, as the links to them do. The leaders pages are written for every league in use and for
// both leagues together ("NFL"), which the pages' links always name.
#pragma once

#include <string>
#include <vector>

#include "export/html_template.h"

// The folder and style sheet the export uses when nobody chose others.
constexpr const char* DEFAULT_HTML_EXPORT_FOLDER = "HTML_Export";
constexpr const char* DEFAULT_HTML_STYLE_SHEET = "default.css";

// The export root (no trailing separator) and the style sheet name the pages
// link. Set by Export_Html_Encyclopedia; kept after it.
void Set_Html_Export_Root(const char* szRoot);
const std::string& Get_Html_Export_Root();

// The path of the page a template makes with these parameters, the root
// followed by the suffix the page table gives; empty when the parameters name
// no page (a team or player slot not in use, an unknown position).
std::string Get_Template_Output_Path(const char* szTemplate, const HTML_TEMPLATE_PARAMS& Page);

// One page of the export: its template and parameters.
struct HTML_EXPORT_PAGE {
    const char* szTemplate;
    HTML_TEMPLATE_PARAMS Params;
    int nCount;
};
// Every page the export writes, in its order (the start page last), for the
// league as it stands.
std::vector<HTML_EXPORT_PAGE> List_Html_Export_Pages();

// 1 when any page the export would write exists already.
int Html_Export_Files_Exist();
// The root and its subfolders made; the style sheets (and logos) copied.
// Problem says why they failed ("cannot make the folder "PATH" (Not a
// directory)").
bool Make_Html_Export_Folders(std::string& Problem);
bool Copy_Html_Template_Assets(std::string& Problem);

// Exports the league into szFolder (null: the current root, else the
// default folder) with the style sheet szStyleSheet (null: the default).
// Asks "Caution" before overwriting an earlier export; 0 when the user
// declines, 1 when every page was written, -1 when a folder, a style sheet,
// a template or a page could not be (the first such ends the export, the
// "Export Failed" box and Get_Html_Export_Problem say why).
int Export_Html_Encyclopedia(const char* szFolder, const char* szStyleSheet);
// Why the last export failed ("cannot write "PATH" (No space left on
// device)"); empty after one that did not.
const std::string& Get_Html_Export_Problem();

// The full path of the index page of the last export (slashes).
std::string Get_Html_Export_Index_Path();
// Pages written by the last export.
int Count_Html_Pages_Written();
