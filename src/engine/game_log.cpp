#include "engine/game_log.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <set>

#include "base/text_utils.h"
#include "engine/game_driver.h"
#include "engine/game_report.h"
#include "engine/game_state.h"
#include "engine/play_wording.h"
#include "engine/playbook_records.h"
#include "engine/playbooks.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "platform/ui_backend.h"

namespace {

std::string g_TextLog;
std::string g_PlayTable;
std::string g_PageHead;
bool g_bFinalTablesWritten = false;

// A log past this size stops growing; far beyond any real game.
constexpr size_t LOG_TEXT_LIMIT = 8u << 20;
bool g_bLogFullReported = false;

// The newest season a downloaded logo exists for.
constexpr int LAST_LOGO_YEAR = 2023;

void Append_Limited(std::string& Text, const std::string& Add)
{
    if (Text.size() + Add.size() > LOG_TEXT_LIMIT) {
        if (!g_bLogFullReported)
            Report_Error("%s: the game log is full; later lines are left out", __func__);
        g_bLogFullReported = true;
        return;
    }
    Text += Add;
}

// Team string 2 with its first letter a capital.
std::string Capitalised_Nickname(int nTeam)
{
    std::string Name = Get_Team_Text(nTeam, TEAM_STRING_NICKNAME);
    if (!Name.empty() && Name[0] >= 'a' && Name[0] <= 'z')
        Name[0] = static_cast<char>(Name[0] - 'a' + 'A');
    return Name;
}

std::string Game_Title(const GAME* pGame)
{
    char szTitle[TEXT_BUFFER_SIZE];
    Get_Week_Name(pGame->nWeek, szTitle);
    return szTitle;
}

// "%d-%d-%d" (or "%d-%d" without ties) of the current season, this game
// counted once it is over.
std::string Team_Record(const GAME* pGame, int nSide)
{
    const int nTeam = Get_Game_Side_Team(pGame, nSide);
    int nWins = 0, nLosses = 0, nTies = 0;
    if (nTeam >= 0 && nTeam <= LAST_TEAM) {
        nWins = Get_Team_Current_Yearly_Char(nTeam, YEARLY_WINS);
        nLosses = Get_Team_Current_Yearly_Char(nTeam, YEARLY_LOSSES);
        nTies = Get_Team_Current_Yearly_Char(nTeam, YEARLY_TIES);
    }
    if (Is_Game_Over(pGame)) {
        const int nOwn = pGame->nScore[nSide];
        const int nOther = pGame->nScore[1 - nSide];
        nWins += nOwn > nOther;
        nLosses += nOwn < nOther;
        nTies += nOwn == nOther;
    }
    char szText[64];
    if (nTies)
        std::snprintf(szText, sizeof(szText), "%d-%d-%d", nWins, nLosses, nTies);
    else
        std::snprintf(szText, sizeof(szText), "%d-%d", nWins, nLosses);
    return szText;
}

// A file of the data folder as a page in "Output" links it: "../" and the
// path as it is spelled on disk; "" when the file is not there, so that a
// page never shows a broken picture.
std::string Link_From_Output(const std::string& Path)
{
    if (!files::File_Exists(Path.c_str()))
        return std::string();
    return "../" + files::Resolve_Path(Path.c_str());
}

std::string Last_Component(const std::string& Path)
{
    const size_t nSlash = Path.find_last_of('/');
    return nSlash == std::string::npos ? Path : Path.substr(nSlash + 1);
}

// The club's logo: the downloaded one of the season, else the club's own
// logo file; "" when it has none.
std::string Logo_Link(const GAME* pGame, int nSide)
{
    const std::string Code = Get_Team_Text(Get_Game_Side_Team(pGame, nSide), TEAM_STRING_ABBREVIATION);
    if (Code.empty())
        return std::string();
    const int nYear = std::min<int>(pGame->nYear, LAST_LOGO_YEAR);
    std::string Link = Link_From_Output("Logos/Downloads/" + Code + "-" + std::to_string(nYear) + ".png");
    for (const char* szExtension : {".png", ".jpg", ".gif"}) {
        if (!Link.empty())
            break;
        Link = Link_From_Output("logos/" + Code + szExtension);
    }
    return Link;
}

void Append_Logo_Cell(std::string& Out, const GAME* pGame, int nSide)
{
    const std::string Link = Logo_Link(pGame, nSide);
    Out += "<TD width=220 align=\"center\" valign=\"middle\">";
    if (!Link.empty())
        Append_Formatted(Out, "<img src=\"%s\" border=\"0\">", Html_Escaped(Link.c_str()).c_str());
    Out += "</TD>";
}

void Append_Line_Score_Row(std::string& Out, const GAME* pGame, int nSide)
{
    const char* szName = nSide ? "tbl" : "tml";
    const char* szCell = nSide ? "tbc" : "tmc";
    char szTeam[TEXT_BUFFER_SIZE];
    Get_Team_Short_Name(Get_Game_Side_Team(pGame, nSide), szTeam);
    Out += "<TR class=largefooter>";
    Append_Formatted(Out, "<TD class=%s><B>%s</B></TD>", szName, Html_Escaped(szTeam).c_str());
    for (int p = 0; p < 5; ++p) {
        std::string Points;
        if (p == 4 && pGame->nClock <= SECONDS_OF_REGULATION)
            Points = "-";
        else if (p == 4 || pGame->nClock > SECONDS_PER_QUARTER * p)
            Points = std::to_string(Get_Quarter_Score(pGame, nSide, p));
        Append_Formatted(Out, "<TD width=\"35\" class=%s>%s</TD>", szCell, Points.c_str());
    }
    Append_Formatted(Out, "<TD width=\"60\" class=%s><B>%d</B></TD></TR>", szCell, pGame->nScore[nSide]);
}

// Every page head starts so; a game's mark goes right after it.
constexpr const char* PAGE_HEAD_START = "<HTML><HEAD>";
constexpr const char* PAGE_MARK_START = "<META name=\"game-mark\" content=\"";
// The mark stands within a page's first bytes; this many are read to find it.
constexpr size_t PAGE_MARK_SEARCH_BYTES = 4096;

// FNV-1a over the little-endian bytes of each value: the same game gives the
// same fingerprint on every machine and after a save and a load.
class FINGERPRINT {
public:
    void Add(int64_t nValue)
    {
        for (int i = 0; i < 8; ++i) {
            m_nHash ^= static_cast<uint8_t>(static_cast<uint64_t>(nValue) >> (8 * i));
            m_nHash *= 1099511628211ull;
        }
    }
    uint64_t Value() const { return m_nHash; }

private:
    uint64_t m_nHash = 14695981039346656037ull;
};

// What was played: the teams, the score, the clock, the rosters at kick-off
// and every logged play without its narration (the fields the game's pages
// are written from, and none that a later day or a load changes).
uint64_t Game_Fingerprint(const GAME* pGame)
{
    FINGERPRINT Print;
    Print.Add(pGame->nAwayTeam);
    Print.Add(pGame->nHomeTeam);
    Print.Add(pGame->nScore[GAME_SIDE_AWAY]);
    Print.Add(pGame->nScore[GAME_SIDE_HOME]);
    Print.Add(pGame->nYear);
    Print.Add(pGame->nWeek);
    Print.Add(pGame->nClock);
    for (const auto& Side : pGame->nRosterID)
        for (int32_t nID : Side)
            Print.Add(nID);
    const int nPlays = std::clamp<int>(pGame->nPlays, 0, PLAY_LOG_SIZE);
    Print.Add(nPlays);
    for (int i = 0; i < nPlays; ++i) {
        const PLAY& Play = pGame->PlayLog[i];
        for (int64_t nValue : {int64_t{Play.nClock}, int64_t{Play.nOtherPasser}, int64_t{Play.nPlayer1},
                               int64_t{Play.nPlayer2}, int64_t{Play.nOffenseCall}, int64_t{Play.nDefenseCall},
                               int64_t{Play.nYard1}, int64_t{Play.nYard2}, int64_t{Play.nSnapDown},
                               int64_t{Play.nSnapToGo}, int64_t{Play.nSnapYardLine}, int64_t{Play.bResult}})
            Print.Add(nValue);
    }
    return Print.Value();
}

constexpr const char* BOX_SCORE_PATTERN = "Output\\Box-%02d-%03d.htm";
constexpr const char* RECAP_PATTERN = "Output\\Recap-%02d-%03d.htm";

// Pages whose last write failed: an older page of the name may still stand
// (a folder where nothing can be removed) and must not pass for the game's.
std::set<std::string> g_LostPages;
// The user hears of the first page lost since one was last written; the log
// has every one.
bool g_bPageLossTold = false;

void Tell_Lost_Page(const char* szName, int nError)
{
    const std::string Path = files::Resolve_Path(szName);
    const std::string Cause = files::Error_Text(nError);
    if (g_bPageLossTold) {
        Write_Debug_Log("The page \"%s\" could not be written: %s", Path.c_str(), Cause.c_str());
        return;
    }
    g_bPageLossTold = true;
    char szText[ERROR_TEXT_SIZE];
    std::snprintf(szText, sizeof(szText),
                  "The page \"%s\" could not be written: %s. The games go on; further pages that cannot be "
                  "written are listed in %s.",
                  Path.c_str(), Cause.c_str(), DEBUG_LOG_FILE);
    if (Ui_Is_Headless()) {
        Write_Notice("%s", szText);
        return;
    }
    Write_Debug_Log("%s", szText);
    Show_Message_Box(szText, "Game Pages", BOX_OK | BOX_ICON_EXCLAMATION);
}

bool Write_Page_File(const char* szPattern, const GAME* pGame, int nGameIndex, const std::string& Body)
{
    char szName[TEXT_BUFFER_SIZE];
    std::snprintf(szName, sizeof(szName), szPattern, ((pGame->nYear % 100) + 100) % 100, nGameIndex);
    // The game's mark goes first in the head (first of all when there is no
    // head), where a check finds it in the page's first bytes.
    const std::string Mark = Get_Game_Page_Mark(pGame, nGameIndex);
    const size_t nHeadStart = g_PageHead.rfind(PAGE_HEAD_START, 0) == 0 ? std::strlen(PAGE_HEAD_START) : 0;
    std::string Page;
    Page.reserve(Mark.size() + g_PageHead.size() + Body.size());
    Page.append(g_PageHead, 0, nHeadStart).append(Mark).append(g_PageHead, nHeadStart).append(Body);
    // Written whole under a temporary name, then renamed: a full disk never
    // leaves half a page under the page's name.
    int nError = 0;
    if (!files::Create_Folders("Output"))
        nError = errno != 0 ? errno : EIO;
    else if (!files::Write_Whole_File(szName, Page.data(), Page.size()))
        nError = errno != 0 ? errno : EIO;
    if (nError == 0) {
        g_LostPages.erase(szName);
        g_bPageLossTold = false;
        return true;
    }
    // The last game's page of the name would show as this game's.
    files::Delete_File(szName);
    g_LostPages.insert(szName);
    Tell_Lost_Page(szName, nError);
    return false;
}

}  // namespace

const std::string& Get_Game_Text_Log()
{
    return g_TextLog;
}

const std::string& Get_Game_Play_Table_Html()
{
    return g_PlayTable;
}

const std::string& Get_Game_Page_Head()
{
    return g_PageHead;
}

void Clear_Game_Log_Texts()
{
    g_TextLog.clear();
    g_PlayTable.clear();
    g_PageHead.clear();
    g_bFinalTablesWritten = false;
    g_bLogFullReported = false;
}

void Get_Period_Label(int nPeriod, char* szBuffer, size_t nSize)
{
    if (!szBuffer || nSize == 0)
        return;
    static const char* const LABELS[8] = {"1st Q", "2nd Q", "3rd Q", "4th Q", "OT   ", "OT #2", "OT #3", "OT #4"};
    if (nPeriod < 0)
        nPeriod = 0;
    // Periods past the table keep the last overtime label.
    Format_Text_Bounded(szBuffer, static_cast<int>(std::min<size_t>(nSize, TEXT_BUFFER_SIZE)), "%s",
                        LABELS[nPeriod < 8 ? nPeriod : 7]);
}

void Write_Game_Page_Header(const GAME* pGame)
{
    if (!Are_Game_Pages_Enabled() || !pGame)
        return;
    g_bFinalTablesWritten = false;
    const std::string Title = Game_Title(pGame);
    char szAway[TEXT_BUFFER_SIZE];
    char szHome[TEXT_BUFFER_SIZE];
    Get_Team_Short_Name(pGame->nAwayTeam, szAway);
    Get_Team_Short_Name(pGame->nHomeTeam, szHome);
    std::string Line;
    Append_Formatted(Line, "%s: %s at %s\n", Title.c_str(), szAway, szHome);
    Append_Limited(g_TextLog, Line);

    std::string Head;
    Append_Formatted(Head, "<HTML><HEAD><TITLE>%s: %s at %s</TITLE>\n", Html_Escaped(Title.c_str()).c_str(),
                     Html_Escaped(szAway).c_str(), Html_Escaped(szHome).c_str());
    const std::string StyleSheet = Link_From_Output("HTML_Templates/CSS/default.css");
    if (!StyleSheet.empty())
        Append_Formatted(Head, "<LINK href=\"%s\" type=text/css rel=stylesheet>",
                         Html_Escaped(StyleSheet.c_str()).c_str());
    Head += "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">";
    // The wallpaper sits beside the pages; without it the colour alone.
    const std::string Wallpaper = files::File_Exists("Output/wallpaper.JPG")
                                      ? Last_Component(files::Resolve_Path("Output/wallpaper.JPG"))
                                      : std::string();
    if (Wallpaper.empty())
        Head += "<style type=\"text/css\">body {background-color: #606080}</style>";
    else
        Append_Formatted(Head,
                         "<style type=\"text/css\">body {background-color: #606080; background-image: url(%s)}</style>",
                         Html_Escaped(Wallpaper.c_str()).c_str());
    Head += "</HEAD>";
    Head += "<TABLE class=basic cellspacing=0 cellpadding=0 width=992 align=center bgcolor=#ffffff><TBODY>";
    Head += "<TR><TD align=\"center\">";
    Append_Limited(g_PageHead, Head);
}

void Write_Game_Log(const GAME* pGame)
{
    if (!Are_Game_Pages_Enabled() || !pGame)
        return;
    const bool bOver = Is_Game_Over(pGame);
    if (bOver && g_bFinalTablesWritten)
        return;
    // Quarters 1-4, then each overtime period of the game's own length.
    const int nPeriod = std::max(Get_Game_Quarter(pGame) - 1, 0);
    char szLabel[TEXT_BUFFER_SIZE];
    Get_Period_Label(nPeriod, szLabel, sizeof(szLabel));
    std::string Text;
    Append_Formatted(Text,
                     "\n %s <=> Down Yardline Offensive Play           Defensive Play           Result\n"
                     " ----- --- ---- -------- ------------------------ ------------------------ --------------------\n",
                     szLabel);
    Append_Limited(g_TextLog, Text);
    if (nPeriod > 0)
        Append_Limited(g_PlayTable, "</TBODY></TABLE><BR>");
    if (bOver) {
        g_bFinalTablesWritten = true;
        Append_Limited(g_PlayTable, "</TBODY></TABLE></HTML>");
        Append_Game_Report_Text("</TBODY></TABLE><BR>\n");
        Write_Box_Score_Team_Stats_Table(pGame);
        Write_Box_Score_Offense_Table(pGame);
        Write_Box_Score_Defense_Table(pGame);
        Write_Line_Score_Table(pGame);
        return;
    }
    std::string Html;
    Append_Formatted(Html,
                     "<TABLE class=table1 cellSpacing=0 cellPadding=0 align=\"center\" width=970><TBODY>"
                     "<TR class=header%d>\n",
                     nPeriod % 2);
    Append_Formatted(Html, "<TD width=\"5%%\" class=ltc>%s</TD>\n", szLabel);
    Html += "<TD width=\"5%\" class=ltc>Team</TD>";
    Html += "<TD width=\"9%\" class=ltc>Down</TD>";
    Html += "<TD width=\"9%\" class=ltc>Yardline</TD>";
    Html += "<TD width=\"21%\" class=ltc>Offensive Play</TD>";
    Html += "<TD width=\"18%\" class=ltc>Defensive Play</TD>";
    Html += "<TD width=\"33%\" class=ltr>Result</TD></TR>";
    Append_Limited(g_PlayTable, Html);
}

void Write_Play_Log_Row(std::string& Row, const GAME* pGame, int bHtml)
{
    Row.clear();
    if (!Are_Game_Pages_Enabled() || !pGame)
        return;
    char szClock[TEXT_BUFFER_SIZE];
    char szDown[TEXT_BUFFER_SIZE];
    char szSpot[TEXT_BUFFER_SIZE];
    char szOffense[PLAY_NAME_SIZE] = "";
    char szDefense[PLAY_NAME_SIZE] = "";
    Format_Play_Clock(pGame, szClock, sizeof(szClock));
    Format_Down_And_Distance(pGame, szDown, sizeof(szDown), bHtml ? 1 : 0);
    Format_Ball_Spot(pGame, szSpot, sizeof(szSpot));
    const int nOffenseTeam = Get_Game_Offense_Team(pGame);
    const int nDefenseTeam = Get_Game_Defense_Team(pGame);
    const int nOffenseSide = Is_Home_Team_On_Offense(pGame) ? GAME_SIDE_HOME : GAME_SIDE_AWAY;
    const std::string Team = Get_Team_Text(nOffenseTeam, TEAM_STRING_ABBREVIATION);
    const int nOffenseCall = pGame->CurrentPlay.nOffenseCall;
    const int nDown = Get_Game_Down_Code(pGame);
    // A kick-off's call is an entry of the kick table, not of the playbook.
    const bool bKickoff = nDown == KICKOFF_DOWN || nDown == SAFETY_KICK_DOWN;
    if (pGame->nFormation[nOffenseSide] == EXTRA_POINT_FORMATION)
        Format_Text_Bounded(szOffense, sizeof(szOffense), "%s", "Extra Point");
    else if (nOffenseCall != PLAY_NOT_CALLED && bKickoff)
        Get_Kick_Play_Name(nOffenseCall % KICK_PLAY_COUNT, szOffense);
    else if (nOffenseCall != PLAY_NOT_CALLED)
        Get_Offensive_Play_Name(nOffenseTeam, nOffenseCall, szOffense);
    const int nType =
        nOffenseCall != PLAY_NOT_CALLED && !bKickoff ? Get_Offensive_Play_Type(nOffenseTeam, nOffenseCall) : -1;
    const bool bNoDefense = bKickoff || nType == PLAY_TYPE_PUNT || nType == PLAY_TYPE_FIELD_GOAL ||
                            pGame->nFormation[nOffenseSide] == EXTRA_POINT_FORMATION;
    if (!bNoDefense && pGame->CurrentPlay.nDefenseCall != PLAY_NOT_CALLED)
        Get_Defensive_Play_Name(nDefenseTeam, pGame->CurrentPlay.nDefenseCall, szDefense);

    if (!bHtml) {
        Append_Formatted(Row, "%s %5s %3s %4s %8s %-24s %-24s", "\n", szClock, Team.c_str(), szDown, szSpot, szOffense,
                         szDefense);
        Row += " ";
        return;
    }
    Append_Formatted(Row, "<TR class=%s><TD width=\"5%%\" class=lml>%s</TD>\n",
                     nOffenseSide == GAME_SIDE_HOME ? "highlight" : "none", szClock);
    Append_Formatted(Row, "<TD width=\"5%%\" class=lmc>%s</TD>", Html_Escaped(Team.c_str()).c_str());
    Append_Formatted(Row, "<TD width=\"9%%\" class=lmc>%s</TD>", Html_Escaped(szDown).c_str());
    Append_Formatted(Row, "<TD width=\"9%%\" class=lmc>%s</TD>", Html_Escaped(szSpot).c_str());
    Append_Formatted(Row, "<TD width=\"17%%\" class=lmc>%s</TD>", Html_Escaped(szOffense).c_str());
    Append_Formatted(Row, "<TD width=\"17%%\" class=lmc>%s</TD>", Html_Escaped(szDefense).c_str());
}

void Append_Play_Log_Row(const GAME* pGame, int bHtml)
{
    if (!Are_Game_Pages_Enabled() || !pGame)
        return;
    std::string Row;
    Write_Play_Log_Row(Row, pGame, bHtml);
    Append_Limited(bHtml ? g_PlayTable : g_TextLog, Row);
}

void Log_Play_Result(const GAME* pGame)
{
    if (!Are_Game_Pages_Enabled() || !pGame)
        return;
    char szSentence[TEXT_BUFFER_SIZE];
    Write_Play_Summary_Sentence(pGame, &pGame->CurrentPlay, szSentence, sizeof(szSentence));
    Append_Limited(g_TextLog, std::string(szSentence) + "\r");
    std::string Html;
    Append_Formatted(Html, "<TD width=\"38%%\" class=lmc>%s</TD></TR>\r", Html_Escaped(szSentence).c_str());
    Append_Limited(g_PlayTable, Html);

    const int nResult = Get_Play_Result(&pGame->CurrentPlay);
    if (Is_Scoring_Result(nResult))
        Write_Scoring_Play_Html_Row(pGame);
    switch (nResult) {
    case RESULT_SAFETY:
    case RESULT_FIELD_GOAL_GOOD:
    case RESULT_EXTRA_POINT_GOOD:
    case RESULT_EXTRA_POINT_MISSED:
    case RESULT_TWO_POINT_GOOD:
    case RESULT_TWO_POINT_FAILED:
        break;
    default:
        return;
    }
    const std::string Away = Capitalised_Nickname(pGame->nAwayTeam);
    const std::string Home = Capitalised_Nickname(pGame->nHomeTeam);
    const int nAway = pGame->nScore[GAME_SIDE_AWAY];
    const int nHome = pGame->nScore[GAME_SIDE_HOME];
    std::string Text;
    Append_Formatted(Text, "\n <><><><><><> %s %d / %s %d <><><><><><>\n", Away.c_str(), nAway, Home.c_str(), nHome);
    Append_Limited(g_TextLog, Text);
    Html.clear();
    Append_Formatted(Html, "<TR class=subhead0><TD colspan=7 align=center class=lmc><b>%s %d / %s %d</b></TD></TR>\n",
                     Html_Escaped(Away.c_str()).c_str(), nAway, Html_Escaped(Home.c_str()).c_str(), nHome);
    Append_Limited(g_PlayTable, Html);
}

void Write_Injury_Log_Line(int nTeam, int nSlot)
{
    if (!Are_Game_Pages_Enabled())
        return;
    if (nTeam < 0 || nTeam > LAST_TEAM || !Is_Player_Slot_Used(nTeam, nSlot)) {
        Report_Error("Bad player in %s(%d,%d)", __func__, nTeam, nSlot);
        return;
    }
    const std::string Team = Get_Team_Text(nTeam, TEAM_STRING_NICKNAME);
    const int nPosition = Get_Player_Position(nTeam, nSlot);
    char szPosition[TEXT_BUFFER_SIZE];
    if (nPosition >= 0 && nPosition <= POSITION_ANY)
        Get_Position_Name(nPosition, szPosition);
    else
        Format_Text_Bounded(szPosition, sizeof(szPosition), "%s", "<Err");
    char szName[TEXT_BUFFER_SIZE];
    Get_Player_Full_Name(nTeam, nSlot, szName, sizeof(szName));
    std::string Text;
    Append_Formatted(Text, "<< %s %s %s was injured on the play >>\n", Team.c_str(), szPosition, szName);
    Append_Limited(g_TextLog, Text);
    std::string Html;
    Append_Formatted(Html, "<TR class=subhead1><TD colspan=7 class=lmc>%s %s %s was injured on the play</TD></TR>\n",
                     Html_Escaped(Team.c_str()).c_str(), Html_Escaped(szPosition).c_str(),
                     Html_Escaped(szName).c_str());
    Append_Limited(g_PlayTable, Html);
}

int Get_Quarter_Score(const GAME* pGame, int nSide, int nPeriod)
{
    if (!pGame || (nSide != GAME_SIDE_AWAY && nSide != GAME_SIDE_HOME) || nPeriod < 0 || nPeriod > 4) {
        Report_Error("Bad argument in %s(pGame,%d,%d)", __func__, nSide, nPeriod);
        return 0;
    }
    const int nPlays = std::clamp<int>(pGame->nPlays, 0, PLAY_LOG_SIZE);
    int nPoints = 0;
    for (int i = 0; i < nPlays; ++i) {
        const PLAY& Play = pGame->PlayLog[i];
        const int nResult = Get_Play_Result(&Play);
        const int nValue = Get_Result_Points(nResult);
        if (nValue == 0 || Get_Scoring_Side(&Play) != nSide)
            continue;
        int nClock = Play.nClock;
        // A try snapped as a quarter ran out belongs to the touchdown's quarter.
        const bool bTry = nResult >= RESULT_EXTRA_POINT_GOOD && nResult <= RESULT_TWO_POINT_FAILED;
        if (bTry && nClock > 0 && nClock <= SECONDS_OF_REGULATION && nClock % SECONDS_PER_QUARTER == 0)
            --nClock;
        const int nPlayPeriod = std::min(nClock / SECONDS_PER_QUARTER, 4);
        if (nPlayPeriod == nPeriod)
            nPoints += nValue;
    }
    return nPoints;
}

void Write_Line_Score_Table(const GAME* pGame)
{
    if (!Are_Game_Pages_Enabled() || !pGame)
        return;
    const std::string Title = Game_Title(pGame);
    char szAway[TEXT_BUFFER_SIZE];
    char szHome[TEXT_BUFFER_SIZE];
    Get_Team_Full_Name(pGame->nAwayTeam, szAway);
    Get_Team_Full_Name(pGame->nHomeTeam, szHome);
    std::string Out = "<TR><TD align=\"center\"><BR>";
    Out += "<TABLE class=shade1 cellSpacing=0 cellPadding=0 width=970 align=center><TBODY><TR>";
    Append_Logo_Cell(Out, pGame, GAME_SIDE_AWAY);
    Out += "<TD width=516><TABLE width=\"500\" border=\"0\" align=\"center\" cellpadding=\"0\" cellspacing=\"0\">";
    Append_Formatted(Out, "<TR class=large><TD><BR><P align=\"center\"><strong>%s (%s) at %s (%s)</strong><BR><BR>",
                     Html_Escaped(szAway).c_str(), Team_Record(pGame, GAME_SIDE_AWAY).c_str(),
                     Html_Escaped(szHome).c_str(), Team_Record(pGame, GAME_SIDE_HOME).c_str());
    Append_Formatted(Out, "%s</P></TD></TR></TABLE>", Html_Escaped(Title.c_str()).c_str());
    Out += "<TABLE class=table1 cellSpacing=0 cellPadding=2 width=360 align=center>";
    Out += "<TBODY><TR class=largeheader>";
    Out += "<TD class=ttl>&nbsp;</TD>";
    for (int q = 1; q <= 4; ++q)
        Append_Formatted(Out, "<TD width=\"35\" class=ttc>%d</TD>", q);
    Out += "<TD width=\"35\" class=ttc>OT</TD>";
    Out += "<TD width=\"60\" class=ttc><B>Final</B></TR>";
    Append_Line_Score_Row(Out, pGame, GAME_SIDE_AWAY);
    Append_Line_Score_Row(Out, pGame, GAME_SIDE_HOME);
    Out += "</TBODY></TABLE><BR></TD>";
    Append_Logo_Cell(Out, pGame, GAME_SIDE_HOME);
    Out += "</TR></TBODY></TABLE><BR>";
    Append_Limited(g_PageHead, Out);
}

bool Write_Box_Score_File(const GAME* pGame, int nGameIndex, int bClear)
{
    if (!Are_Game_Pages_Enabled() || !pGame)
        return false;
    const bool bWritten = Write_Page_File(BOX_SCORE_PATTERN, pGame, nGameIndex, Get_Game_Report_Html());
    if (bClear)
        Clear_Game_Report_Html();
    return bWritten;
}

bool Write_Recap_File(const GAME* pGame, int nGameIndex, int bClear)
{
    if (!Are_Game_Pages_Enabled() || !pGame)
        return false;
    const bool bWritten = Write_Page_File(RECAP_PATTERN, pGame, nGameIndex, g_PlayTable);
    if (bClear)
        Clear_Game_Log_Texts();
    return bWritten;
}

namespace {

void Name_Page(const char* szPattern, int nYear, int nGameIndex, char* szBuffer, size_t nSize)
{
    if (szBuffer != nullptr && nSize > 0)
        std::snprintf(szBuffer, nSize, szPattern, ((nYear % 100) + 100) % 100, nGameIndex);
}

bool Name_Selected_Page(const char* szPattern, char* szBuffer, size_t nSize)
{
    if (szBuffer == nullptr || nSize == 0)
        return false;
    szBuffer[0] = '\0';
    const int nShown = Get_User_Preference(PREF_SHOWN_GAME);
    if (nShown < 0 || nShown >= NUMBER_OF_GAMES)
        return false;
    const int nYear = Get_Current_Year() - (Get_Current_Week() == OFFSEASON_WEEK ? 1 : 0);
    Name_Page(szPattern, nYear, nShown, szBuffer, nSize);
    return true;
}

}  // namespace

void Get_Box_Score_File_Name(char* szBuffer, size_t nSize)
{
    Name_Page(BOX_SCORE_PATTERN, Get_Current_Year(), Get_User_Preference(PREF_PAGE_FILE_NUMBER), szBuffer, nSize);
}

void Get_Recap_File_Name(char* szBuffer, size_t nSize)
{
    Name_Page(RECAP_PATTERN, Get_Current_Year(), Get_User_Preference(PREF_PAGE_FILE_NUMBER), szBuffer, nSize);
}

bool Get_Selected_Box_Score_File_Name(char* szBuffer, size_t nSize)
{
    return Name_Selected_Page(BOX_SCORE_PATTERN, szBuffer, nSize);
}

bool Get_Selected_Recap_File_Name(char* szBuffer, size_t nSize)
{
    return Name_Selected_Page(RECAP_PATTERN, szBuffer, nSize);
}

bool Was_Game_Page_Lost(const char* szName)
{
    return szName != nullptr && g_LostPages.count(szName) > 0;
}

std::string Get_Game_Page_Mark(const GAME* pGame, int nGameIndex)
{
    if (pGame == nullptr)
        return std::string();
    char szMark[160];
    std::snprintf(szMark, sizeof(szMark), "%s%d %03d %d at %d %d-%d %016llx\">", PAGE_MARK_START, pGame->nYear,
                  nGameIndex, pGame->nAwayTeam, pGame->nHomeTeam, pGame->nScore[GAME_SIDE_AWAY],
                  pGame->nScore[GAME_SIDE_HOME], static_cast<unsigned long long>(Game_Fingerprint(pGame)));
    return szMark;
}

int Check_Game_Page(const char* szName, const GAME* pGame, int nGameIndex)
{
    if (szName == nullptr || pGame == nullptr)
        return GAME_PAGE_MISSING;
    FILE* pFile = files::Open_File(szName, "rb");
    if (pFile == nullptr)
        return GAME_PAGE_MISSING;
    std::string Start(PAGE_MARK_SEARCH_BYTES, '\0');
    Start.resize(std::fread(Start.data(), 1, Start.size(), pFile));
    std::fclose(pFile);
    const size_t nMark = Start.find(PAGE_MARK_START);
    if (nMark == std::string::npos)
        return GAME_PAGE_UNMARKED;
    // The whole mark, to its closing quote and bracket.
    const std::string Own = Get_Game_Page_Mark(pGame, nGameIndex);
    return Start.compare(nMark, Own.size(), Own) == 0 ? GAME_PAGE_OWN : GAME_PAGE_REPLACED;
}

bool Write_Down_And_Distance_CSV()
{
    constexpr const char* CSV_NAME = "DownAndDistance.csv";
    constexpr int LAST_SINGLE_DISTANCE = 28;   // the last line counts 29 yards and more
    std::string Text = "Distance,1st,2nd,3rd,4th\n";
    char szLine[128];
    for (int nToGo = 0; nToGo <= LAST_SINGLE_DISTANCE + 1; ++nToGo) {
        const std::string Label = nToGo > LAST_SINGLE_DISTANCE ? "29+" : std::to_string(nToGo);
        std::snprintf(szLine, sizeof(szLine), "%s,%d,%d,%d,%d\n", Label.c_str(), Get_Down_And_Distance_Tally(0, nToGo),
                      Get_Down_And_Distance_Tally(1, nToGo), Get_Down_And_Distance_Tally(2, nToGo),
                      Get_Down_And_Distance_Tally(3, nToGo));
        Text += szLine;
    }
    // Replaced whole, never written through a link at the name.
    return files::Write_Whole_File(CSV_NAME, Text.data(), Text.size());
}
