#include "export/encyclopedia.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "base/html_text.h"
#include "base/text_utils.h"
#include "export/page_links.h"
#include "league/league_snapshot.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"

namespace {

std::string g_Root = DEFAULT_HTML_EXPORT_FOLDER;
int g_nPagesWritten = 0;
std::string g_Problem;   // why the last export failed; empty when it did not

// "cannot write "PATH" (No space left on device)"
std::string Cannot(const char* szWhat, const std::string& Path, int nError)
{
    return std::string(szWhat) + " \"" + files::Resolve_Path(Path.c_str()) + "\" (" + files::Error_Text(nError) + ")";
}

// Writes the whole of Data to Path; false with Problem set when any of it
// could not be written (a full disk shows at the write or at the close). The
// page goes under a temporary name first and takes its own name only once
// whole, so a killed export never leaves an empty or half page behind.
bool Write_Whole_File(const std::string& Path, const void* pData, size_t nSize, std::string& Problem)
{
    errno = 0;
    if (files::Write_Whole_File(Path.c_str(), pData, nSize))
        return true;
    Problem = Cannot("cannot write", Path, errno);
    return false;
}

constexpr const char* SUBFOLDERS[] = {"teams",         "players", "leagueleaders", "SeasonDetail", "TeamsDetail",
                                      "Images",        "SortedPlayers", "GameDetails", "Logos"};

// The league's name in a page name: "NFL" for both leagues together.
std::string League_Page_Name(int nLeague)
{
    if (nLeague == 2)
        return "NFL";
    if (nLeague < 0) {
        Report_Error("Invalid Get_League_Name(%d) call.", nLeague);
        return std::string();
    }
    char szName[TEXT_BUFFER_SIZE];
    Get_League_Name(nLeague, szName);
    return Sanitise_File_Name(szName);
}

// The links' name of a club's page; a club without a name still gets a file.
std::string Team_Name_For_Page(int nTeam)
{
    const std::string Name = Team_Page_Name(nTeam);
    return Name.empty() ? Sanitise_File_Name(Name) : Name;
}

int Year_Of(int nSeasonsBack)
{
    return Get_Current_Year() - nSeasonsBack;
}

HTML_TEMPLATE_PARAMS Params_Of(std::initializer_list<std::pair<int, int>> Groups)
{
    HTML_TEMPLATE_PARAMS Params;
    int i = 0;
    for (const auto& Group : Groups) {
        if (i >= TEMPLATE_PARAMETER_SLOTS)
            break;
        Params.nCode[i] = Group.first;
        Params.nValue[i] = Group.second;
        ++i;
    }
    return Params;
}

// Copies every file of a folder matching "*.*" into another, overwriting.
// False with Problem set at the first file that could not be read or
// written.
bool Copy_Folder_Files(const char* szFrom, const std::string& To, std::string& Problem)
{
    for (const std::string& Name : files::List_Folder(szFrom, "*.*")) {
        const std::string Source = std::string(szFrom) + "\\" + Name;
        if (files::Folder_Exists(Source.c_str()))
            continue;
        std::vector<unsigned char> Data;
        if (!files::Read_Whole_File(Source.c_str(), Data)) {
            Problem = Cannot("cannot read", Source, errno);
            return false;
        }
        // The copy replaces a read-only one too: it takes the name by a rename.
        const std::string Target = To + "\\" + Sanitise_File_Name(Name);
        if (!Write_Whole_File(Target, Data.data(), Data.size(), Problem))
            return false;
    }
    return true;
}

// The counts the export takes at its start.
struct EXPORT_COUNTS {
    int S, W, T, L, G;
};

EXPORT_COUNTS Take_Counts()
{
    EXPORT_COUNTS Counts{};
    Counts.S = std::clamp(Get_Current_Season_Index() + 1, 1, 100);
    Counts.W = Get_Current_Week() + 1;
    Counts.T = Count_Teams();
    Counts.L = Count_Leagues();
    Counts.G = Count_Game_Records();
    return Counts;
}

// The leagues whose leader pages are written: those in use and, always,
// both together (2), which every leaders link and select can name.
std::vector<int> Leader_Leagues(int L)
{
    std::vector<int> Leagues;
    for (int l = 0; l <= std::min(L, 2); ++l)
        Leagues.push_back(l);
    if (std::find(Leagues.begin(), Leagues.end(), 2) == Leagues.end())
        Leagues.push_back(2);
    return Leagues;
}

}  // namespace

void Set_Html_Export_Root(const char* szRoot)
{
    g_Root = szRoot && *szRoot ? szRoot : DEFAULT_HTML_EXPORT_FOLDER;
    while (g_Root.size() > 1 && (g_Root.back() == '/' || g_Root.back() == '\\'))
        g_Root.pop_back();
}

const std::string& Get_Html_Export_Root()
{
    return g_Root;
}

std::string Get_Template_Output_Path(const char* szTemplate, const HTML_TEMPLATE_PARAMS& Page)
{
    if (!szTemplate)
        return std::string();
    const std::string Name = szTemplate;
    const int nSeason = Get_Template_Parameter(Page, TP_SEASON);
    const int nTeam = Get_Template_Parameter(Page, TP_TEAM);
    const std::string& Root = g_Root;
    if (Name == "index.template")
        return Root + "\\index.htm";
    if (Name == "SeasonSummary.template")
        return nSeason == 0 ? Root + "\\Season summary.htm"
                            : Root + "\\Season summary " + std::to_string(Year_Of(nSeason)) + ".htm";
    if (Name == "SeasonDetail.template") {
        // The last week written is the season's page as it stands.
        const int nWeek = Get_Template_Parameter(Page, TP_WEEK);
        if (nWeek == Count_Season_Detail_Pages() - 1)
            return Root + "\\SeasonDetail\\Season details.htm";
        return Root + "\\SeasonDetail\\Season details week" + std::to_string(nWeek + 1) + ".htm";
    }
    if (Name == "TeamSummary.template") {
        if (!Is_Valid_Team(nTeam) || nTeam >= MAX_FRANCHISES)
            return std::string();
        return Root + "\\teams\\" + Team_Name_For_Page(nTeam) + ".htm";
    }
    if (Name == "TeamDetail.template") {
        if (!Is_Valid_Team(nTeam) || nTeam >= MAX_FRANCHISES)
            return std::string();
        return Root + "\\TeamsDetail\\" + Team_Name_For_Page(nTeam) + " " + std::to_string(Year_Of(nSeason)) + ".htm";
    }
    if (Name == "PlayerSummary.template")
        return Root + "\\Player Summary.htm";
    if (Name == "PlayerDetail.template") {
        const int nSlot = Get_Template_Parameter(Page, TP_PLAYER);
        if (!Is_Player_Slot_Used(nTeam, nSlot))
            return std::string();
        char szName[TEXT_BUFFER_SIZE];
        Get_Player_Name_Last_First(nTeam, nSlot, szName);
        return Root + "\\players\\" +
               Sanitise_File_Name(std::string(szName) + " " + std::to_string(Get_Player_ID(nTeam, nSlot))) + ".htm";
    }
    if (Name == "LeadersSummary.template" || Name == "LeadersDetail.template") {
        const std::string LeagueName = League_Page_Name(Get_Template_Parameter(Page, TP_LEAGUE));
        if (LeagueName.empty())
            return std::string();
        if (Name == "LeadersDetail.template")
            return Root + "\\leagueleaders\\" + LeagueName + " Leaders " + std::to_string(Year_Of(nSeason)) + ".htm";
        return Root + "\\" + LeagueName + (nSeason == -1 ? " Leaders.htm" : " Leaders By Season.htm");
    }
    if (Name == "FilterPlayersPos.template") {
        static const std::pair<int, const char*> PAGES[] = {
            {0, "qbindex"}, {1, "rbindex"},     {2, "fbindex"},     {3, "teindex"}, {4, "wrindex"},
            {13, "kickindex"}, {14, "puntindex"}, {16, "DLindex"}, {17, "OLindex"},
        };
        const int nPosition = Get_Template_Parameter(Page, TP_POS);
        for (const auto& Entry : PAGES)
            if (Entry.first == nPosition)
                return Root + "\\SortedPlayers\\" + Entry.second + ".htm";
        return std::string();
    }
    if (Name == "FilterPlayersTeam.template") {
        if (!Is_Valid_Team(nTeam) || nTeam >= MAX_FRANCHISES)
            return std::string();
        return Root + "\\SortedPlayers\\" + Team_Name_For_Page(nTeam) + " index.htm";
    }
    if (Name == "FilterPlayersName.template") {
        const int cLetter = Get_Template_Parameter(Page, TP_TYPE);
        if (cLetter < 1 || cLetter > 255)
            return std::string();
        return Root + "\\SortedPlayers\\" + Sanitise_File_Name(std::string(1, static_cast<char>(cLetter))) +
               "index.htm";
    }
    if (Name == "GameExport.template")
        return Root + "\\GameDetails\\" + Game_Page_Name(Get_Template_Parameter(Page, TP_GAME)) + ".htm";
    return std::string();
}

std::vector<HTML_EXPORT_PAGE> List_Html_Export_Pages()
{
    const EXPORT_COUNTS C = Take_Counts();
    std::vector<HTML_EXPORT_PAGE> Pages;
    auto Add = [&Pages](const char* szTemplate, std::initializer_list<std::pair<int, int>> Groups) {
        Pages.push_back(HTML_EXPORT_PAGE{szTemplate, Params_Of(Groups), static_cast<int>(Groups.size())});
    };
    for (int s = 0; s < C.S; ++s)
        Add("SeasonSummary.template", {{TP_SEASON, s}});
    for (int w = 0; w < Count_Season_Detail_Pages(); ++w)
        Add("SeasonDetail.template", {{TP_WEEK, w}});
    for (int t = 0; t < C.T; ++t)
        Add("TeamSummary.template", {{TP_TEAM, t}});
    // A club's season page is that of the games the records hold: in the
    // off-season, the season just played.
    for (int t = 0; t < C.T; ++t)
        Add("TeamDetail.template", {{TP_TEAM, t}, {TP_SEASON, Get_Game_Records_Season()}});
    for (int t = 0; t <= FREE_AGENT_TEAM; ++t) {
        if (t < MAX_FRANCHISES && (t >= C.T || !Is_Valid_Team(t)))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
            if (Is_Player_Slot_Used(t, s))
                Add("PlayerDetail.template", {{TP_TEAM, t}, {TP_PLAYER, s}});
    }
    const std::vector<int> Leagues = Leader_Leagues(C.L);
    for (int l : Leagues)
        for (int s : {-2, -1})
            Add("LeadersSummary.template", {{TP_LEAGUE, l}, {TP_SEASON, s}});
    for (int l : Leagues)
        for (int s = 0; s < C.S; ++s)
            Add("LeadersDetail.template", {{TP_LEAGUE, l}, {TP_SEASON, s}});
    Add("PlayerSummary.template", {});
    for (int nPosition : {0, 1, 4, 3, 17, 16, 13, 14})
        Add("FilterPlayersPos.template", {{TP_POS, nPosition}});
    for (int t = 0; t < C.T; ++t)
        Add("FilterPlayersTeam.template", {{TP_TEAM, t}});
    for (int c = 'A'; c <= 'Z'; ++c)
        Add("FilterPlayersName.template", {{TP_TYPE, c}});
    for (int g = 0; g < C.G; ++g)
        Add("GameExport.template", {{TP_GAME, g}});
    // The start page comes last: a site that has one is whole.
    Add("index.template", {});
    return Pages;
}

int Html_Export_Files_Exist()
{
    if (!files::Folder_Exists(g_Root.c_str()))
        return 0;
    for (const HTML_EXPORT_PAGE& Page : List_Html_Export_Pages()) {
        const std::string Path = Get_Template_Output_Path(Page.szTemplate, Page.Params);
        if (!Path.empty() && files::File_Exists(Windows_1252_To_Utf8(Path).c_str()))
            return 1;
    }
    return 0;
}

bool Make_Html_Export_Folders(std::string& Problem)
{
    // Every level of the root, then the root, then its subfolders.
    if (!files::Create_Folders(g_Root.c_str())) {
        Problem = Cannot("cannot make the folder", g_Root, errno);
        return false;
    }
    for (const char* szFolder : SUBFOLDERS) {
        const std::string Folder = g_Root + "\\" + szFolder;
        if (!files::Create_Folders(Folder.c_str())) {
            Problem = Cannot("cannot make the folder", Folder, errno);
            return false;
        }
    }
    return true;
}

namespace {

// Before a page is written: the temporaries a killed export left in the
// site's folders go, and so does the old start page, which is written again
// last: a site whose start page stands is one whose export finished.
bool Clear_Unfinished_Site(std::string& Problem)
{
    files::Remove_Temporary_Files(g_Root.c_str());
    for (const char* szFolder : SUBFOLDERS)
        files::Remove_Temporary_Files((g_Root + "\\" + szFolder).c_str());
    const std::string Index = g_Root + "\\index.htm";
    if (files::Entry_Exists(Index.c_str()) && !files::Folder_Exists(Index.c_str()) &&
        !files::Delete_File(Index.c_str())) {
        Problem = Cannot("cannot remove the old start page", Index, errno);
        return false;
    }
    return true;
}

}  // namespace

bool Copy_Html_Template_Assets(std::string& Problem)
{
    if (!Copy_Folder_Files("HTML_Templates\\CSS", g_Root + "\\Images", Problem))
        return false;
    return !files::Folder_Exists("Logos") || Copy_Folder_Files("Logos", g_Root + "\\Logos", Problem);
}

namespace {

// One page: its template read, expanded and written whole. False with
// Problem set when the template cannot be read or the page not written; a
// page the parameters do not name is no failure (nothing to write).
bool Write_Export_Page(const HTML_EXPORT_PAGE& Page, std::string& Problem)
{
    const std::string Path = Get_Template_Output_Path(Page.szTemplate, Page.Params);
    if (Path.empty())
        return true;
    const std::string Template = std::string("HTML_Templates\\") + Page.szTemplate;
    std::vector<unsigned char> Data;
    if (!files::Read_Whole_File(Template.c_str(), Data)) {
        Problem = Cannot("cannot read the template", Template, errno);
        return false;
    }
    const std::string Html =
        Expand_Html_Template(std::string(Data.begin(), Data.end()), Page.Params, Page.nCount, Page.szTemplate);
    return Write_Whole_File(Windows_1252_To_Utf8(Path), Html.data(), Html.size(), Problem);
}

// True when the folder is the current (data) folder, under any spelling
// ("", ".", "./", its absolute path, a link to it).
bool Is_Data_Folder_Itself(const std::string& Folder)
{
    if (Folder.empty())
        return true;
    struct stat Root;
    struct stat Data;
    return ::stat(files::Resolve_Path(Folder.c_str()).c_str(), &Root) == 0 && ::stat(".", &Data) == 0 &&
           Root.st_dev == Data.st_dev && Root.st_ino == Data.st_ino;
}

}  // namespace

int Export_Html_Encyclopedia(const char* szFolder, const char* szStyleSheet)
{
    if (szFolder)
        Set_Html_Export_Root(szFolder);
    Set_Html_Style_Sheet_Name(szStyleSheet && *szStyleSheet ? szStyleSheet : DEFAULT_HTML_STYLE_SHEET);
    g_Problem.clear();
    g_nPagesWritten = 0;
    // The pages' folders ("logos", "players", "Images" ...) would land among
    // the program's own files, matched without regard to case.
    if (Is_Data_Folder_Itself(g_Root)) {
        g_Problem = "\"" + g_Root + "\" is the data folder itself; the pages need a folder of their own";
        const std::string Text = "The HTML encyclopedia was not exported: " + g_Problem + ".";
        Show_Message_Box(Text.c_str(), "Export Failed", BOX_OK | BOX_ICON_EXCLAMATION);
        return -1;
    }
    const EXPORT_COUNTS C = Take_Counts();
    if (Html_Export_Files_Exist() &&
        Show_Message_Box("This will overwrite any existing HTML Encyclopedia files", "Caution", BOX_OKCANCEL) ==
            ID_CANCEL)
        return 0;
    // The export reads the league; whatever its getters tidy on the way is
    // put back, so the league has nothing new to save.
    const LEAGUE_READ_ONLY_SCOPE Read_Only;
    Request_Main_Window_Repaint();
    Open_Progress_Window("Exporting universe...", 3 * C.T + 3736 + (C.L + 2) * C.S + C.G + C.L + C.W);
    Clear_Template_Problems();
    std::string Problem;
    const std::vector<HTML_EXPORT_PAGE> Pages = List_Html_Export_Pages();
    // The first page that cannot be written ends the export: on a full disk
    // or a folder that takes nothing, every later page would fail the same way.
    if (Make_Html_Export_Folders(Problem) && Clear_Unfinished_Site(Problem) && Copy_Html_Template_Assets(Problem)) {
        for (const HTML_EXPORT_PAGE& Page : Pages) {
            if (!Write_Export_Page(Page, Problem))
                break;
            if (!Get_Template_Output_Path(Page.szTemplate, Page.Params).empty())
                ++g_nPagesWritten;
            Step_Progress_Window(1);
            Pump_Messages();
        }
    }
    Close_Progress_Window();
    Pump_Messages();
    Request_Main_Window_Repaint();
    if (!Problem.empty()) {
        g_Problem = Problem;
        Write_Debug_Log("HTML encyclopedia to \"%s\" failed after %d pages: %s", g_Root.c_str(), g_nPagesWritten,
                        Problem.c_str());
        const std::string Text = "The HTML encyclopedia was not exported: " + Problem + ".";
        Show_Message_Box(Text.c_str(), "Export Failed", BOX_OK | BOX_ICON_EXCLAMATION);
        return -1;
    }
    Write_Debug_Log("HTML encyclopedia: %d of %zu pages written to \"%s\"", g_nPagesWritten, Pages.size(),
                    g_Root.c_str());
    return 1;
}

const std::string& Get_Html_Export_Problem()
{
    return g_Problem;
}

std::string Get_Html_Export_Index_Path()
{
    const std::string Path = files::Resolve_Path((g_Root + "\\index.htm").c_str());
    if (!Path.empty() && Path[0] == '/')
        return Path;
    return files::Get_Current_Folder() + "/" + Path;
}

int Count_Html_Pages_Written()
{
    return g_nPagesWritten;
}
