#include "export/page_links.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>

#include "base/html_text.h"
#include "base/text_utils.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/season_lines.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "platform/errors.h"
#include "platform/files.h"

namespace {

// The wild-card, division, conference and final weeks after the regular season.
constexpr int PLAYOFF_WEEKS = 4;

std::string g_StyleSheetName = "styles.css";

// The link prefix of a piece that takes TYPE.
const char* Link_Prefix(int nType)
{
    return nType == 1 ? "..\\" : ".\\";
}

std::string Team_Full_Name(int nTeam)
{
    if (nTeam < 0 || nTeam > LAST_TEAM)
        return std::string();
    char szName[TEXT_BUFFER_SIZE];
    Get_Team_Full_Name(nTeam, szName);
    return szName;
}

std::string Year_Text(int nYear)
{
    return std::to_string(nYear);
}

const GAME* Game_Of(int nGame)
{
    if (nGame < 0 || nGame >= NUMBER_OF_GAMES)
        return nullptr;
    return Get_Game_Record(nGame);
}

// The team on side 0 (first team) or 1 (second team) of a game; -1 for a bad
// game or side.
int Game_Side_Team(int nGame, int nSide)
{
    const GAME* pGame = Game_Of(nGame);
    if (!pGame || (nSide != 0 && nSide != 1))
        return -1;
    return nSide == 0 ? pGame->nAwayTeam : pGame->nHomeTeam;
}

// The playoff round names from the first playoff week on.
const char* Playoff_Round_Name(int nWeek)
{
    static const char* const Names[] = {"Wildcard Games", "Divisional Playoff", "Championship Games", "Super Bowl"};
    const int nRound = nWeek - Get_Regular_Season_Weeks();
    if (nRound < 0 || nRound > 3)
        return nullptr;
    return Names[nRound];
}

void Append_Option(std::string& Out, const std::string& Value, const std::string& Text)
{
    Out += "<option value=\"";
    Out += Value;
    Out += "\">";
    Out += Text;
    Out += "</option>\n";
}

}  // namespace

// ---------------------------------------------------------------------------
// Page file names

std::string Page_Name_Of(const std::string& Name)
{
    return Sanitise_File_Name(Name);
}

std::string Team_Page_Name(int nTeam)
{
    // A club erased from the league is named by its season's games but
    // has no page of its own.
    if (nTeam >= 0 && nTeam < MAX_FRANCHISES && !Is_Team_Slot_Used(nTeam))
        return std::string();
    const std::string Name = Team_Full_Name(nTeam);
    if (Name.empty())
        return Name;
    std::string Page = Page_Name_Of(Name);
    if (nTeam >= MAX_FRANCHISES)
        return Page;
    // Clubs may share a name (added clubs keep the same placeholder names),
    // and file names match whatever the case: each club after the first of
    // a page name adds its place among them, so every club has a page.
    int nEarlier = 0;
    for (int t = 0; t < nTeam; ++t) {
        if (!Is_Team_Slot_Used(t))
            continue;
        const std::string Other = Team_Full_Name(t);
        if (Other.size() == Name.size() && Is_Same_Text_No_Case(Page_Name_Of(Other).c_str(), Page.c_str()))
            ++nEarlier;
    }
    if (nEarlier > 0)
        Page += " (" + std::to_string(nEarlier + 1) + ")";
    return Page;
}

std::string Team_Detail_Page_Name(int nTeam)
{
    const std::string Name = Team_Page_Name(nTeam);
    return Name.empty() ? Name : Name + " " + Year_Text(Get_Game_Records_Year());
}

std::string Player_Page_Name(int nTeam, int nSlot)
{
    if (nTeam < 0 || nTeam > LAST_TEAM || !Is_Player_Slot_Used(nTeam, nSlot))
        return std::string();
    char szName[TEXT_BUFFER_SIZE];
    Get_Player_Name_Last_First(nTeam, nSlot, szName);
    return Page_Name_Of(szName) + " " + std::to_string(Get_Player_ID(nTeam, nSlot));
}

std::string Game_Page_Name(int nGame)
{
    char szName[32];
    std::snprintf(szName, sizeof(szName), "G-%02d-%03d", Get_Game_Records_Year() % 100, nGame);
    return szName;
}

std::string Leaders_Page_Name(int nLeague, int nPeriod)
{
    std::string Name;
    Get_League_Name_Or_Overall(Name, nLeague);
    if (nLeague == 2)
        Name = "NFL";
    // A bad league (reported) leaves the name empty.
    Name = (Name.empty() ? Name : Page_Name_Of(Name)) + " Leaders";
    if (nPeriod == -2)
        Name += " By Season";
    else if (nPeriod != -1)
        Name += " " + Year_Text(Get_Current_Year() - nPeriod);
    return Name;
}

std::string Team_Logo_Page_Path(int nTeam)
{
    if (nTeam < 0 || nTeam > LAST_TEAM)
        return std::string();
    char szCode[TEXT_BUFFER_SIZE];
    Get_Team_String(szCode, nTeam, TEAM_STRING_ABBREVIATION);
    if (szCode[0] == '\0')
        return std::string();
    const std::string File = Page_Name_Of(szCode);
    for (const char* szExtension : {".png", ".jpg", ".gif"}) {
        if (files::File_Exists(("Logos/" + File + szExtension).c_str()))
            return "Logos\\" + File + szExtension;
    }
    return std::string();
}

int Get_Game_Records_Season()
{
    return Get_Current_Week() == OFFSEASON_WEEK && Get_Current_Season_Index() > 0 ? 1 : 0;
}

int Get_Game_Records_Year()
{
    return Get_Current_Year() - Get_Game_Records_Season();
}

int Count_Season_Detail_Pages()
{
    const int nWeeks = std::min(Get_Regular_Season_Weeks() + PLAYOFF_WEEKS, SCHEDULE_WEEKS);
    return std::clamp(Get_Current_Week(), 0, nWeeks);
}

// ---------------------------------------------------------------------------
// Escaping and the style sheet

std::string Escape_Html_Text(const std::string& Text)
{
    return Escape_Html(Text);
}

void Set_Html_Style_Sheet_Name(const std::string& Name)
{
    g_StyleSheetName = Name;
}

const std::string& Get_Html_Style_Sheet_Name()
{
    return g_StyleSheetName;
}

// ---------------------------------------------------------------------------
// Links

void Format_Team_Ref(std::string& Out, int nTeam, int nSeason, int nType)
{
    const std::string Name = nSeason == -1 ? Team_Page_Name(nTeam) : Team_Detail_Page_Name(nTeam);
    if (Name.empty()) {
        Out = NO_LINK_REF;
        return;
    }
    Out = std::string("<a href=\"") + Link_Prefix(nType) + (nSeason == -1 ? "teams\\" : "TeamsDetail\\") +
          Escape_Html_Text(Name) + ".htm\">";
}

void Format_Opponent_Ref(std::string& Out, int nWeek, int nTeam, int nType)
{
    const GAME* pGame = nTeam >= 0 && nTeam <= LAST_TEAM && nWeek >= 0 && nWeek < SCHEDULE_WEEKS
                            ? Find_Team_Game_In_Week(nWeek, nTeam)
                            : nullptr;
    if (!pGame) {
        Out = NO_LINK_REF;
        return;
    }
    const int nOpponent = pGame->nAwayTeam == nTeam ? pGame->nHomeTeam : pGame->nAwayTeam;
    Format_Team_Ref(Out, nOpponent, -1, nType);
}

void Format_Player_Ref(std::string& Out, int nPlayer, int nTeam, int nType)
{
    const std::string Name = Player_Page_Name(nTeam, nPlayer);
    if (Name.empty()) {
        Out = NO_LINK_REF;
        return;
    }
    Out = std::string("<a href=\"") + Link_Prefix(nType) + "players\\" + Escape_Html_Text(Name) + ".htm\">";
}

void Format_Player_Team_Ref(std::string& Out, int nPlayer, int nTeam, int nSeason)
{
    if (nSeason == 2) {
        Out = NO_LINK_REF;
        return;
    }
    // A season outside the player's lines falls back on team slot 0.
    int nLineTeam = 0;
    if (nSeason >= 4 && nSeason <= 33 && nTeam >= 0 && nTeam <= LAST_TEAM && Is_Player_Slot_Used(nTeam, nPlayer)) {
        const int nLine = Get_Player_Season_Line_Index(nTeam, nPlayer, nSeason - 4);
        if (nLine >= 0) {
            nLineTeam = Get_Season_Line_Team(nLine);
            if (nLineTeam < 0 || nLineTeam >= Count_Teams()) {
                Out = NO_LINK_REF;
                return;
            }
        }
    }
    Format_Team_Ref(Out, nLineTeam, -1, 1);
}

void Format_Game_Detail_Ref(std::string& Out, int nGame, int nType)
{
    if (!Game_Of(nGame)) {
        Out = NO_LINK_REF;
        return;
    }
    Out = std::string("<a href=\"") + (nType == 1 ? "..\\GameDetails\\" : ".\\GameDetails\\") + Game_Page_Name(nGame) +
          ".htm\">";
}

void Format_Schedule_Game_Ref(std::string& Out, int nTeam, int nWeek, int nType)
{
    const int nGame = nTeam >= 0 && nTeam < MAX_FRANCHISES && nWeek >= 0 && nWeek < SCHEDULE_WEEKS
                          ? Get_Team_Game_Index_In_Week(nWeek, nTeam)
                          : -1;
    Format_Game_Detail_Ref(Out, nGame, nType);
}

void Format_Game_Team_Ref(std::string& Out, int nGame, int nType)
{
    const int nTeam = Game_Side_Team(nGame, nType);
    if (nTeam < 0) {
        Out = NO_LINK_REF;
        return;
    }
    Format_Team_Ref(Out, nTeam, 0, 1);
}

// ---------------------------------------------------------------------------
// Pictures and style sheet

void Format_Css_Link(std::string& Out, int nType)
{
    Out = std::string("<LINK REL=STYLESHEET TYPE=\"text/css\" HREF=\"") + (nType == 1 ? "..\\" : "") + "Images\\" +
          Escape_Html_Text(Page_Name_Of(g_StyleSheetName)) + "\">";
}

void Format_Team_Logo(std::string& Out, int nTeam)
{
    // A team without a logo file gets no picture rather than a broken one.
    const std::string Path = Team_Logo_Page_Path(nTeam);
    if (Path.empty()) {
        Out.clear();
        return;
    }
    Out = "<img src=\"..\\" + Escape_Html_Text(Path) + "\" border=\"0\">";
}

void Format_Game_Team_Logo(std::string& Out, int nGame, int nType)
{
    const int nTeam = Game_Side_Team(nGame, nType);
    if (nTeam < 0) {
        Out.clear();
        return;
    }
    Format_Team_Logo(Out, nTeam);
}

// ---------------------------------------------------------------------------
// Names

void Format_Kelvo_Name(std::string& Out)
{
    // The user's name is the owner text of the user's club.
    char szName[TEXT_BUFFER_SIZE] = "";
    Get_Team_String(szName, Get_Selected_Team(), TEAM_STRING_OWNER);
    Out = Escape_Html_Text(szName);
}

void Get_League_Name_Or_Overall(std::string& Out, int nLeague)
{
    if (nLeague == 2) {
        Out = "Overall";
        return;
    }
    if (nLeague < 0 || nLeague > 2) {
        Report_Error("Invalid Get_League_Name(%d) call.", nLeague);
        Out.clear();
        return;
    }
    char szName[TEXT_BUFFER_SIZE] = "";
    Get_League_Name(nLeague, szName);
    Out = Escape_Html_Text(szName);
}

void Format_Division_Name(std::string& Out, int nDivision)
{
    if (nDivision < 0 || nDivision >= NUMBER_OF_DIVISIONS) {
        Report_Error("Invalid Get_Division_Name(%d) call.", nDivision);
        Out.clear();
        return;
    }
    char szName[TEXT_BUFFER_SIZE] = "";
    Get_Division_Name(nDivision, szName);
    Out = Escape_Html_Text(szName);
}

void Format_Position_Name(std::string& Out, int nPosition)
{
    if ((nPosition >= 0 && nPosition <= 4) || nPosition == 13 || nPosition == 14) {
        char szName[TEXT_BUFFER_SIZE] = "";
        Get_Position_Name(nPosition, szName);
        Out = Escape_Html_Text(szName) + "s";
    } else if (nPosition == POSITION_GROUP_DEFENDER) {
        Out = "Defensive Line";
    } else if (nPosition == POSITION_GROUP_OFFENSIVE_LINE) {
        Out = "Offensive Line";
    }
}

int Get_Regular_Season_Weeks()
{
    const int nWeeks = Get_First_Playoff_Week();
    return nWeeks < 2 ? 2 : nWeeks;
}

void Format_Playoff_Game_Name(std::string& Out, int nWeek)
{
    if (const char* szName = Playoff_Round_Name(nWeek))
        Out = szName;
}

void Format_Is_Playoff(std::string& Out, int nWeek)
{
    if (nWeek < Get_Regular_Season_Weeks())
        Out = "Regular Games";
    else if (const char* szName = Playoff_Round_Name(nWeek))
        Out = szName;
}

void Format_Overall_Teams(std::string& Out)
{
    Out = std::to_string(Count_Teams());
}

// ---------------------------------------------------------------------------
// The select control

void Format_Select(std::string& Out, int nType)
{
    static const char* const Names[] = {"week",         "season_year", "leaders_year", "alltime_team", "season_team",
                                        "leaders",      "player_pos",  "player_name",  "player_team"};
    Out = "<select onChange='OnChange(this)' ";
    if (nType < 1 || nType > 9) {
        Out += "</select>\n";
        return;
    }
    Out += "name=\"";
    Out += Names[nType - 1];
    Out += "\">\n<option value=\"-100\" selected></option>";
    const int nYear = Get_Current_Year();
    const int nSeasonIndex = Get_Current_Season_Index();
    switch (nType) {
    case 1: {
        const int nPages = Count_Season_Detail_Pages();
        for (int w = 1; w <= nPages; ++w)
            Append_Option(Out, w == nPages ? "-1" : std::to_string(w), "Week " + std::to_string(w));
        break;
    }
    case 2:
        Out += "<option value=\"-1\">\n" + Year_Text(nYear) + "</option>\n";
        for (int i = 1; i <= nSeasonIndex; ++i)
            Append_Option(Out, Year_Text(nYear - i), Year_Text(nYear - i));
        break;
    case 3:
        for (int i = 0; i <= nSeasonIndex; ++i)
            Out += "<option value=\"" + Year_Text(nYear - i) + "\" >" + Year_Text(nYear - i) + "</option>\n";
        break;
    case 4:
    case 9:
    case 5: {
        const int nTeams = Count_Teams();
        for (int t = 0; t < nTeams; ++t) {
            const std::string Page = nType == 5 ? Team_Detail_Page_Name(t) : Team_Page_Name(t);
            Append_Option(Out, Escape_Html_Text(Page), Escape_Html_Text(Team_Full_Name(t)));
        }
        break;
    }
    case 6: {
        Append_Option(Out, "2", "NFL");
        const int nLeagues = Count_Leagues();
        for (int l = 0; l < nLeagues; ++l) {
            std::string Name;
            Get_League_Name_Or_Overall(Name, l);
            Append_Option(Out, std::to_string(l), Name);
        }
        break;
    }
    case 7:
        Out += "<option value=\"0\">Quarterbacks</option>\n"
               "<option value=\"1\">Running Backs</option>\n"
               "<option value=\"2\">Wide Receivers</option>\n"
               "<option value=\"3\">Tight Ends</option>\n"
               "<option value=\"4\">Offensive Line</option>\n"
               "<option value=\"5\">Defensive Line</option>\n"
               "<option value=\"6\">Kickers</option>\n"
               "<option value=\"7\">Punters</option>\n";
        break;
    case 8:
        for (char c = 'A'; c <= 'Z'; ++c)
            Out += std::string("<option value=\"") + c + "\">\n" + c + "</option>\n";
        break;
    default:
        break;
    }
    Out += "</select>\n";
}
