#include "export/template_variables.h"

#include <ctime>
#include <unordered_map>
#include <vector>

#include "base/html_text.h"
#include "base/text_utils.h"
#include "export/game_pieces.h"
#include "export/leader_lists.h"
#include "export/page_links.h"
#include "export/stat_cells.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/team_schedule.h"

namespace {

using PARAMS = HTML_TEMPLATE_PARAMS;

int P(const PARAMS& Params, int nCode)
{
    return Get_Template_Parameter(Params, nCode);
}

// A piece replaces its output whole or leaves it: each writes into a fresh
// text that is then appended to the page.
using PIECE = void (*)(std::string& Out, const PARAMS& Params);

struct VARIABLE {
    const char* szName;
    PIECE pPiece;
};

void Team_Text(std::string& Out, int nTeam, void (*pGet)(int, char*, size_t))
{
    // An erased club is named on the seasons it played.
    if (!Is_Valid_Team(nTeam) && !Is_Erased_Club(nTeam))
        return;
    char szText[TEXT_BUFFER_SIZE];
    pGet(nTeam, szText, sizeof(szText));
    Out = Escape_Html(szText);
}

void Today(std::string& Out)
{
    // The program's own English names, not the locale's: a page is written
    // the same, in its own charset, wherever it is made.
    static const char* const MONTHS[12] = {"January", "February", "March",     "April",   "May",      "June",
                                           "July",    "August",   "September", "October", "November", "December"};
    const std::time_t Now = std::time(nullptr);
    std::tm Local{};
    if (!localtime_r(&Now, &Local) || Local.tm_mon < 0 || Local.tm_mon > 11)
        return;
    // "MMMM d, yyyy": the month's name, the day without a leading zero, the year.
    Out = std::string(MONTHS[Local.tm_mon]) + " " + std::to_string(Local.tm_mday) + ", " +
          std::to_string(Local.tm_year + 1900);
}

// A club's points in a season: those of the league's game records for the
// season they hold, none yet for a season begun after it (the new one in
// the off-season), and "-" for the seasons before, whose games are gone.
void Season_Points(std::string& O, const PARAMS& p, void (*Format)(std::string&, int))
{
    const int nSeason = P(p, TP_SEASON);
    if (nSeason == Get_Game_Records_Season())
        Format(O, P(p, TP_TEAM));
    else if (nSeason >= 0 && nSeason < Get_Game_Records_Season())
        O = "0";
    else
        O = "-";
}

// The variables in the order their names are compared.
const VARIABLE VARIABLES[] = {
    {"LinkToCSS", [](std::string& O, const PARAMS& p) { Format_Css_Link(O, P(p, TP_TYPE)); }},
    {"Year", [](std::string& O, const PARAMS& p) { O = std::to_string(Get_Current_Year() - P(p, TP_SEASON)); }},
    {"Date", [](std::string& O, const PARAMS&) { Today(O); }},
    {"KelvoName", [](std::string& O, const PARAMS&) { Format_Kelvo_Name(O); }},
    {"League", [](std::string& O, const PARAMS& p) { Get_League_Name_Or_Overall(O, P(p, TP_LEAGUE)); }},
    {"Division", [](std::string& O, const PARAMS& p) { Format_Division_Name(O, P(p, TP_DIVIS)); }},
    {"TeamFullName", [](std::string& O, const PARAMS& p) { Team_Text(O, P(p, TP_TEAM), Get_Team_Full_Name); }},
    {"TeamCityName", [](std::string& O, const PARAMS& p) { Team_Text(O, P(p, TP_TEAM), Get_Team_City); }},
    {"TeamName", [](std::string& O, const PARAMS& p) { Team_Text(O, P(p, TP_TEAM), Get_Team_Nickname); }},
    {"TeamWins", [](std::string& O, const PARAMS& p) { Format_Team_Wins(O, P(p, TP_TEAM), P(p, TP_SEASON)); }},
    {"TeamLosses", [](std::string& O, const PARAMS& p) { Format_Team_Losses(O, P(p, TP_TEAM), P(p, TP_SEASON)); }},
    {"TeamTies", [](std::string& O, const PARAMS& p) { Format_Team_Ties(O, P(p, TP_TEAM), P(p, TP_SEASON)); }},
    {"TeamPointsFor", [](std::string& O, const PARAMS& p) { Season_Points(O, p, Format_Team_Points_For); }},
    {"TeamPointsAgainst", [](std::string& O, const PARAMS& p) { Season_Points(O, p, Format_Team_Points_Against); }},
    {"TeamOffenseLeader",
     [](std::string& O, const PARAMS& p) {
         Format_Team_Offense_Leader(O, P(p, TP_STAT), P(p, TP_TEAM), P(p, TP_SEASON));
     }},
    {"PlayoffGame", [](std::string& O, const PARAMS& p) { Format_Playoff_Game(O, P(p, TP_GAME), P(p, TP_SEASON)); }},
    {"Game", [](std::string& O, const PARAMS& p) { Format_Game(O, P(p, TP_GAME)); }},
    {"isPlayoff", [](std::string& O, const PARAMS& p) { Format_Is_Playoff(O, P(p, TP_WEEK)); }},
    {"PlayoffStar", [](std::string& O, const PARAMS& p) { Format_Playoff_Star(O, P(p, TP_TEAM), P(p, TP_SEASON)); }},
    {"PlayoffGameName", [](std::string& O, const PARAMS& p) { Format_Playoff_Game_Name(O, P(p, TP_WEEK)); }},
    {"TeamRef",
     [](std::string& O, const PARAMS& p) { Format_Team_Ref(O, P(p, TP_TEAM), P(p, TP_SEASON), P(p, TP_TYPE)); }},
    {"OpponentRef",
     [](std::string& O, const PARAMS& p) { Format_Opponent_Ref(O, P(p, TP_WEEK), P(p, TP_TEAM), P(p, TP_TYPE)); }},
    {"PlayerRef",
     [](std::string& O, const PARAMS& p) { Format_Player_Ref(O, P(p, TP_PLAYER), P(p, TP_TEAM), P(p, TP_TYPE)); }},
    {"LeagueLeadersRef",
     [](std::string& O, const PARAMS& p) {
         Format_League_Leaders_Ref(O, P(p, TP_LEAGUE), P(p, TP_SEASON), P(p, TP_TYPE));
     }},
    {"LeaderRef", [](std::string& O, const PARAMS& p) { Format_Leader_Ref(O, P(p, TP_COUNT), P(p, TP_TYPE)); }},
    {"LeaderTeamRef",
     [](std::string& O, const PARAMS& p) { Format_Leader_Team_Ref(O, P(p, TP_COUNT), P(p, TP_TYPE)); }},
    {"PlayerTeamRef",
     [](std::string& O, const PARAMS& p) {
         Format_Player_Team_Ref(O, P(p, TP_PLAYER), P(p, TP_TEAM), P(p, TP_SEASON));
     }},
    {"MostRecentLeadersRef", [](std::string& O, const PARAMS& p) { Format_Most_Recent_Leaders_Ref(O, P(p, TP_TYPE)); }},
    {"GameLeaderRef",
     [](std::string& O, const PARAMS& p) {
         Format_Game_Leader_Ref(O, P(p, TP_GAME), P(p, TP_STAT), P(p, TP_POS), P(p, TP_TYPE));
     }},
    {"ScheduleLeaderRef",
     [](std::string& O, const PARAMS& p) {
         Format_Schedule_Leader_Ref(O, P(p, TP_TEAM), P(p, TP_WEEK), P(p, TP_STAT), P(p, TP_POS));
     }},
    {"GameDetailRef", [](std::string& O, const PARAMS& p) { Format_Game_Detail_Ref(O, P(p, TP_GAME), P(p, TP_TYPE)); }},
    {"ScheduleGameRef",
     [](std::string& O, const PARAMS& p) {
         Format_Schedule_Game_Ref(O, P(p, TP_TEAM), P(p, TP_WEEK), P(p, TP_TYPE));
     }},
    {"GameTeamRef", [](std::string& O, const PARAMS& p) { Format_Game_Team_Ref(O, P(p, TP_GAME), P(p, TP_TYPE)); }},
    {"TeamRecord",
     [](std::string& O, const PARAMS& p) {
         const int nTeam = P(p, TP_TEAM);
         if (nTeam < 0 || nTeam >= MAX_FRANCHISES || !Is_Club_Of_Season(nTeam))
             return;
         char szRecord[TEXT_BUFFER_SIZE];
         Format_Team_Yearly_Record(szRecord, nTeam, P(p, TP_SEASON));
         O = szRecord;
     }},
    {"TeamPointsForRank", [](std::string& O, const PARAMS& p) { Format_Team_Points_For_Rank(O, P(p, TP_TEAM)); }},
    {"TeamPointsAgainstRank",
     [](std::string& O, const PARAMS& p) { Format_Team_Points_Against_Rank(O, P(p, TP_TEAM)); }},
    {"OverallTeams", [](std::string& O, const PARAMS&) { Format_Overall_Teams(O); }},
    {"Count", [](std::string& O, const PARAMS& p) { O = std::to_string(P(p, TP_WEEK) + 1); }},
    {"at", [](std::string& O, const PARAMS& p) { Format_Home_Away_Word(O, P(p, TP_WEEK), P(p, TP_TEAM)); }},
    {"OpponentName", [](std::string& O, const PARAMS& p) { Format_Opponent_Name(O, P(p, TP_WEEK), P(p, TP_TEAM)); }},
    {"GameResult", [](std::string& O, const PARAMS& p) { Format_Game_Result(O, P(p, TP_WEEK), P(p, TP_TEAM)); }},
    {"GameScore", [](std::string& O, const PARAMS& p) { Format_Game_Score(O, P(p, TP_WEEK), P(p, TP_TEAM)); }},
    {"TeamOffense", [](std::string& O, const PARAMS& p) { Format_Team_Offense(O, P(p, TP_STAT), P(p, TP_TEAM)); }},
    {"TeamDefense", [](std::string& O, const PARAMS& p) { Format_Team_Defense(O, P(p, TP_STAT), P(p, TP_TEAM)); }},
    {"TeamOffenseRank",
     [](std::string& O, const PARAMS& p) { Format_Team_Offense_Rank(O, P(p, TP_STAT), P(p, TP_TEAM)); }},
    {"TeamDefenseRank",
     [](std::string& O, const PARAMS& p) { Format_Team_Defense_Rank(O, P(p, TP_STAT), P(p, TP_TEAM)); }},
    {"PlayerName",
     [](std::string& O, const PARAMS& p) {
         const int nTeam = P(p, TP_TEAM);
         const int nSlot = P(p, TP_PLAYER);
         if (!Is_Player_Slot_Used(nTeam, nSlot))
             return;
         char szName[TEXT_BUFFER_SIZE];
         Get_Player_Full_Name(nTeam, nSlot, szName);
         O = Escape_Html(szName);
     }},
    {"PlayerStat",
     [](std::string& O, const PARAMS& p) {
         Format_Player_Stat(O, P(p, TP_STAT), P(p, TP_PLAYER), P(p, TP_TEAM), P(p, TP_SEASON), P(p, TP_TYPE));
     }},
    {"LeaderName", [](std::string& O, const PARAMS& p) { Format_Leader_Name(O, P(p, TP_COUNT)); }},
    {"LeaderTeam", [](std::string& O, const PARAMS& p) { Format_Leader_Team(O, P(p, TP_COUNT)); }},
    {"LeaderStat", [](std::string& O, const PARAMS& p) { Format_Leader_Stat(O, P(p, TP_COUNT)); }},
    {"LeaderStatYear", [](std::string& O, const PARAMS& p) { Format_Leader_Stat_Year(O, P(p, TP_COUNT)); }},
    {"GameLeaderName",
     [](std::string& O, const PARAMS& p) {
         Format_Game_Leader_Name(O, P(p, TP_GAME), P(p, TP_STAT), P(p, TP_POS), P(p, TP_TYPE));
     }},
    {"GameLeaderStat",
     [](std::string& O, const PARAMS& p) {
         Format_Game_Leader_Stat(O, P(p, TP_GAME), P(p, TP_STAT), P(p, TP_POS), P(p, TP_TYPE));
     }},
    {"GameTeam", [](std::string& O, const PARAMS& p) { Format_Game_Team(O, P(p, TP_GAME), P(p, TP_TYPE)); }},
    {"GameTeamLogo", [](std::string& O, const PARAMS& p) { Format_Game_Team_Logo(O, P(p, TP_GAME), P(p, TP_TYPE)); }},
    {"GamePoints", [](std::string& O, const PARAMS& p) { Format_Game_Points(O, P(p, TP_GAME), P(p, TP_TYPE)); }},
    {"QuarterBegin",
     [](std::string& O, const PARAMS& p) {
         Format_Quarter_Begin_Of_Type(O, P(p, TP_GAME), P(p, TP_PLAY), P(p, TP_TYPE));
     }},
    {"PlayTime", [](std::string& O, const PARAMS& p) { Format_Play_Time(O, P(p, TP_GAME), P(p, TP_PLAY)); }},
    {"PlayOffensiveTeam",
     [](std::string& O, const PARAMS& p) { Format_Play_Offensive_Team(O, P(p, TP_GAME), P(p, TP_PLAY)); }},
    {"PlayDown", [](std::string& O, const PARAMS& p) { Format_Play_Down(O, P(p, TP_GAME), P(p, TP_PLAY)); }},
    {"PlayYardline", [](std::string& O, const PARAMS& p) { Format_Play_Yardline(O, P(p, TP_GAME), P(p, TP_PLAY)); }},
    {"PlayOffensivePlay",
     [](std::string& O, const PARAMS& p) { Format_Play_Offensive_Play(O, P(p, TP_GAME), P(p, TP_PLAY)); }},
    {"PlayDefensivePlay",
     [](std::string& O, const PARAMS& p) { Format_Play_Defensive_Play(O, P(p, TP_GAME), P(p, TP_PLAY)); }},
    {"PlayResult", [](std::string& O, const PARAMS& p) { Format_Play_Result(O, P(p, TP_GAME), P(p, TP_PLAY)); }},
    {"PlayTD", [](std::string& O, const PARAMS& p) { Format_Play_TD(O, P(p, TP_GAME), P(p, TP_PLAY)); }},
    {"PlayInjury", [](std::string& O, const PARAMS& p) { Format_Play_Injury(O, P(p, TP_GAME), P(p, TP_PLAY)); }},
    {"ScheduleLeaderName",
     [](std::string& O, const PARAMS& p) {
         Format_Schedule_Leader_Name(O, P(p, TP_TEAM), P(p, TP_WEEK), P(p, TP_STAT), P(p, TP_POS));
     }},
    {"ScheduleLeaderStat",
     [](std::string& O, const PARAMS& p) {
         Format_Schedule_Leader_Stat(O, P(p, TP_TEAM), P(p, TP_WEEK), P(p, TP_STAT), P(p, TP_POS));
     }},
    {"PlayerVitalStat",
     [](std::string& O, const PARAMS& p) {
         Format_Player_Vital_Stat(O, P(p, TP_STAT), P(p, TP_PLAYER), P(p, TP_TEAM));
     }},
    {"PlayerCollege", [](std::string& O, const PARAMS& p) { Format_Player_College(O, P(p, TP_PLAYER), P(p, TP_TEAM)); }},
    {"PlayerTeam",
     [](std::string& O, const PARAMS& p) { Format_Player_Team(O, P(p, TP_PLAYER), P(p, TP_TEAM), P(p, TP_SEASON)); }},
    {"SeasonYear",
     [](std::string& O, const PARAMS& p) { Format_Season_Year(O, P(p, TP_PLAYER), P(p, TP_TEAM), P(p, TP_SEASON)); }},
    {"TableStatCaption",
     [](std::string& O, const PARAMS& p) {
         Format_Table_Stat_Caption(O, P(p, TP_PLAYER), P(p, TP_TEAM), P(p, TP_POS));
     }},
    {"Select", [](std::string& O, const PARAMS& p) { Format_Select(O, P(p, TP_TYPE)); }},
    {"TeamLogo", [](std::string& O, const PARAMS& p) { Format_Team_Logo(O, P(p, TP_TEAM)); }},
    {"PositionName", [](std::string& O, const PARAMS& p) { Format_Position_Name(O, P(p, TP_POS)); }},
    {"TimeLeaderCategory",
     [](std::string& O, const PARAMS& p) { Format_Time_Leader_Category(O, P(p, TP_SEASON), P(p, TP_TYPE)); }},
};
constexpr int VARIABLE_COUNT = sizeof(VARIABLES) / sizeof(VARIABLES[0]);
static_assert(VARIABLE_COUNT == 78, "the engine knows 78 variables");

// The leaders lists of the tLeaders tables being expanded, innermost last.
std::vector<TOP_TEN_LIST> g_LeaderLists;

}  // namespace

bool Expand_Template_Variable_Text(std::string_view Name, const HTML_TEMPLATE_PARAMS& Params, std::string& Out)
{
    static const std::unordered_map<std::string_view, int> INDEX = [] {
        std::unordered_map<std::string_view, int> Index;
        for (int i = VARIABLE_COUNT - 1; i >= 0; --i)   // the first of equal names wins
            Index[VARIABLES[i].szName] = i;
        return Index;
    }();
    const auto It = INDEX.find(Name);
    if (It == INDEX.end())
        return false;
    std::string Text;
    VARIABLES[It->second].pPiece(Text, Params);
    Out += Text;
    return true;
}

void Begin_Template_Leaders_Table(int nLeague, int nStat, int nPeriod)
{
    TOP_TEN_LIST List{};
    Build_Top_Ten_List(&List, nLeague, nStat, nPeriod);
    g_LeaderLists.push_back(List);
    Set_Leader_Piece_List(&g_LeaderLists.back());
}

void End_Template_Leaders_Table()
{
    if (!g_LeaderLists.empty())
        g_LeaderLists.pop_back();
    Set_Leader_Piece_List(g_LeaderLists.empty() ? nullptr : &g_LeaderLists.back());
}
