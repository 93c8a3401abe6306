// The front page, the playoff bracket, the champions and the draft.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "league/leader_tables.h"
#include "league/league_players.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "pages/news_ticker.h"
#include "pages/page_layout.h"
#include "pages/page_layout_internal.h"
#include "pages/page_stats.h"
#include "platform/resources.h"
#include "season/college_draft.h"
#include "season/draft_state.h"
#include "season/playoffs.h"

using namespace page_parts;

namespace {

constexpr int BRACKET_SLOTS = 31;
constexpr int BRACKET_COLUMNS = 9;
constexpr int BRACKET_BOX_HEIGHT = 20;
constexpr int CHAMPION_ROWS_PER_COLUMN = 24;
constexpr int CHAMPION_ROW_HEIGHT = 16;
constexpr int DRAFT_ROWS_PER_COLUMN = 18;
constexpr int DRAFT_ROW_HEIGHT = 21;
constexpr int POSITION_ABBREVIATION_STRINGS = 59;
constexpr int DRAFT_TAB_WIDTH = 44;

std::string Nickname(int nTeam)
{
    return Page_Team_Nickname(nTeam);
}

// The bracket's column of a slot: league 0's rounds run in from the left,
// league 1's from the right, the champion in the middle.
int Bracket_Column(int nSlot)
{
    if (nSlot < 8)
        return 0;
    if (nSlot < 16)
        return 8;
    if (nSlot < 20)
        return 1;
    if (nSlot < 24)
        return 7;
    if (nSlot < 26)
        return 2;
    if (nSlot < 28)
        return 6;
    if (nSlot == 28)
        return 3;
    if (nSlot == 29)
        return 5;
    return 4;
}

// The top of a slot's box: the first round evenly down the page, every
// later slot halfway between the two slots whose game feeds it.
int Bracket_Top(int nSlot, int nTop, int nHeight)
{
    if (nSlot < 16) {
        const int nPitch = nHeight / 8;
        return nTop + (nSlot % 8) * nPitch + (nPitch - BRACKET_BOX_HEIGHT) / 2;
    }
    const int nFeeder = 2 * (nSlot - 16);
    return (Bracket_Top(nFeeder, nTop, nHeight) + Bracket_Top(nFeeder + 1, nTop, nHeight)) / 2;
}

// Whether the game between a slot and its partner has been played: the slot
// it feeds holds a team.
bool Bracket_Game_Played(int nSlot)
{
    if (nSlot >= BRACKET_SLOTS - 1)
        return false;
    const int nNext = nSlot / 2 + 16;
    return nNext < BRACKET_SLOTS && Get_Playoff_Team(nNext) != NO_TEAM;
}

void Add_Column_Block(PAGE_LAYOUT& Layout, const PAGE_RECT& Column, const char* szHeading,
                      const std::vector<std::string>& Lines)
{
    Add_Text(Layout, Rect(Column.nLeft, Column.nTop, Column.nRight, Column.nTop + 18), szHeading, TYPE_SUBHEAD);
    Add_Rule(Layout, Column.nLeft, Column.nTop + 19, Column.nRight, 1);
    int y = Column.nTop + 23;
    for (const std::string& Line : Lines) {
        if (y + 14 > Column.nBottom)
            break;
        Add_Text(Layout, Rect(Column.nLeft, y, Column.nRight, y + 14), Line, TYPE_SMALL);
        y += 15;
    }
}

// The season the front page's leaders are of: the one under way once a
// game of it is over; until then (the off-season, the first day before its
// games end) the one just finished, whose figures the news still tells.
int Front_Leader_Year()
{
    const int nWeek = Get_Current_Week();
    const bool bUnderWay = nWeek != OFFSEASON_WEEK && (nWeek > 0 || !Get_Last_Day_Results().empty());
    return bUnderWay ? Get_Current_Year() : Get_Current_Year() - 1;
}

// The season's leader of leader statistic n among every player of the
// league: the largest figure above 0, the earlier club and roster slot on
// equal figures; nTeam NO_TEAM when nobody has one yet. *pClub is the club
// he played the season for.
SEASON_LEADER Find_Season_Leader(int nCode, int* pClub)
{
    SEASON_LEADER Best;
    Best.nLeaderStat = nCode;
    Best.nTeam = NO_TEAM;
    const int nYear = Front_Leader_Year();
    For_Each_League_Player([&](int t, int s) {
        const int nValue = Get_Player_Year_Leader_Stat(t, s, nCode, nYear);
        if (nValue > Best.nValue) {
            Best.nValue = nValue;
            Best.nTeam = t;
            Best.nSlot = s;
        }
    });
    *pClub = Best.nTeam == NO_TEAM ? NO_TEAM : Get_Player_Season_Club(Best.nTeam, Best.nSlot, nYear);
    return Best;
}

// The Season Leaders column: under each of the four headings the user
// chooses (a click on one opens Leader Heading), the season's leader.
void Add_Leader_Headings(PAGE_LAYOUT& Layout, const PAGE_RECT& Column)
{
    Add_Text(Layout, Rect(Column.nLeft, Column.nTop, Column.nRight, Column.nTop + 18), "Season Leaders",
             TYPE_SUBHEAD);
    Add_Rule(Layout, Column.nLeft, Column.nTop + 19, Column.nRight, 1);
    int y = Column.nTop + 23;
    for (int i = 0; i < LEADER_HEADING_SLOTS; ++i) {
        const int nSlot = FIRST_LEADER_HEADING_SLOT + i;
        const int nCode = Get_Page_Stat_Choice(nSlot, LEADER_HEADING_CODES);
        const PAGE_RECT Heading = Rect(Column.nLeft, y, Column.nRight, y + 15);
        Add_Text(Layout, Heading, Get_Leader_Heading_Caption(nCode) + ":", TYPE_BODY_BOLD);
        Layout.StatHeadings.push_back(PAGE_STAT_HEADING{nSlot, PAGE_LEADER_DIALOG, Heading});
        y += 16;
        int nClub = NO_TEAM;
        const SEASON_LEADER Leader = Find_Season_Leader(nCode, &nClub);
        std::string Line = "   nobody yet";
        if (Leader.nTeam != NO_TEAM) {
            char szName[64];
            Get_Player_Full_Name(Leader.nTeam, Leader.nSlot, szName);
            Line = std::string("   ") + szName + " (" + Page_Team_Name(nClub, true) + ") " +
                   Format_Leader_Heading_Value(nCode, Leader.nValue);
        }
        Add_Text(Layout, Rect(Column.nLeft, y, Column.nRight, y + 14), Line, TYPE_SMALL);
        y += 19;
    }
}

// The club at the head of each division's standings as the Standings page
// shows them: once the title is decided a club erased since keeps its row,
// and its record, there.
std::vector<std::string> Division_Leader_Lines()
{
    std::vector<std::string> Lines;
    const RESULTS_HOLD Hold;
    for (int d = 0; d < NUMBER_OF_DIVISIONS; ++d) {
        const std::vector<int> Teams = Division_Order(d);
        if (Teams.empty())
            continue;
        char szRecord[RECORD_TEXT_SIZE];
        Format_Team_Record(szRecord, Teams.front());
        Lines.push_back(Division_Heading(d) + ": " + Page_Team_Name(Teams.front()) + " " + szRecord);
    }
    return Lines;
}

// A season's finisher by name: a club in use or erased, or one the league
// can no longer name.
std::string Finisher_Name(int nTeam)
{
    return nTeam == ERASED_FINISHER ? std::string(ERASED_CLUB_TEXT) : Page_Team_Name(nTeam);
}

// The front page's headline: the champion of the season the league's games
// belong to (the one just played, in the off-season), else the day's
// biggest win, else the season ahead.
std::string Front_Headline(const std::vector<DAY_RESULT>& Results)
{
    const int nSeasonsAgo = Get_Current_Week() == OFFSEASON_WEEK && Get_Current_Season_Index() > 0 ? 1 : 0;
    // The season's games name its clubs, an erased champion too.
    const int nChampion = Get_Season_Finalist(1, nSeasonsAgo);
    if (Is_Club_Of_Season(nChampion))
        return Page_Team_Name(nChampion) + " Are Champions!";
    const DAY_RESULT* pBest = nullptr;
    for (const DAY_RESULT& Result : Results)
        if (pBest == nullptr ||
            std::abs(Result.nHomeScore - Result.nAwayScore) > std::abs(pBest->nHomeScore - pBest->nAwayScore))
            pBest = &Result;
    if (pBest != nullptr) {
        if (pBest->nHomeScore == pBest->nAwayScore)
            return Nickname(pBest->nAway) + " and " + Nickname(pBest->nHome) + " Tie " +
                   std::to_string(pBest->nHomeScore) + "-" + std::to_string(pBest->nAwayScore);
        const bool bHome = pBest->nHomeScore > pBest->nAwayScore;
        const int nWinner = bHome ? pBest->nHome : pBest->nAway;
        const int nLoser = bHome ? pBest->nAway : pBest->nHome;
        const int nHigh = std::max(pBest->nHomeScore, pBest->nAwayScore);
        const int nLow = std::min(pBest->nHomeScore, pBest->nAwayScore);
        return Nickname(nWinner) + (nHigh - nLow >= 21 ? " Rout " : " Beat ") + Nickname(nLoser) + " " +
               std::to_string(nHigh) + "-" + std::to_string(nLow);
    }
    return "The " + std::to_string(Get_Current_Year()) + " Season Awaits";
}

}  // namespace

PAGE_LAYOUT Layout_Front_Page()
{
    PAGE_LAYOUT Layout;
    Layout.nPage = MAIN_PAGE_FRONT;
    Add_Masthead(Layout, "Front Page");
    const int nRight = PAGE_DESIGN_WIDTH - PAGE_MARGIN;
    int nWeek = -1;
    const std::vector<DAY_RESULT> Results = Get_Last_Day_Results(&nWeek);
    Add_Text(Layout, Rect(PAGE_MARGIN, PAGE_BODY_TOP, nRight, PAGE_BODY_TOP + 36), Front_Headline(Results),
             TYPE_HEADLINE, ALIGN_CENTRE);
    Add_Rule(Layout, PAGE_MARGIN, PAGE_BODY_TOP + 40, nRight, 1);
    const int nTop = PAGE_BODY_TOP + 46;
    const int nBottom = PAGE_DESIGN_HEIGHT - PAGE_MARGIN;
    const int nWidth = (nRight - PAGE_MARGIN) / 3;
    std::vector<std::string> Scores;
    for (const DAY_RESULT& Result : Results)
        Scores.push_back(Format_Day_Result(Result));
    if (Scores.empty()) {
        Scores.push_back("No games played yet.");
        // A season not begun yet: last season's champions stand.
        const int nChampion = Get_Current_Season_Index() > 0 ? Get_Season_Finalist(1, 1) : NO_FINISHER;
        if (nChampion != NO_FINISHER)
            Scores.push_back(std::to_string(Get_Current_Year() - 1) + " Champions: " + Finisher_Name(nChampion));
    }
    char szWeek[64] = "";
    if (nWeek >= 0)
        Get_Week_Name_Long(nWeek, szWeek);
    const std::string ScoresHeading = nWeek >= 0 ? std::string(szWeek) + " Scores" : "Scores";
    for (int c = 0; c < 3; ++c) {
        const PAGE_RECT Column = Rect(PAGE_MARGIN + c * nWidth + 4, nTop, PAGE_MARGIN + (c + 1) * nWidth - 6, nBottom);
        if (c > 0)
            Add_Column_Rule(Layout, PAGE_MARGIN + c * nWidth, nTop, nBottom);
        if (c == 0)
            Add_Column_Block(Layout, Column, ScoresHeading.c_str(), Scores);
        else if (c == 1)
            Add_Leader_Headings(Layout, Column);
        else
            Add_Column_Block(Layout, Column, "Division Leaders", Division_Leader_Lines());
    }
    return Layout;
}

PAGE_LAYOUT Layout_Playoffs_Page()
{
    PAGE_LAYOUT Layout;
    Layout.nPage = MAIN_PAGE_PLAYOFFS;
    Add_Masthead(Layout, "Playoffs");
    const int nTop = PAGE_BODY_TOP + 22;
    const int nHeight = PAGE_DESIGN_HEIGHT - PAGE_MARGIN - nTop;
    const int nWidth = (PAGE_DESIGN_WIDTH - 2 * PAGE_MARGIN) / BRACKET_COLUMNS;
    char szLeague[LEAGUE_NAME_SIZE];
    for (int l = 0; l < NUMBER_OF_LEAGUES; ++l) {
        Get_League_Name(l, szLeague);
        if (szLeague[0] == '\0')
            continue;
        const int x0 = l == 0 ? PAGE_MARGIN : PAGE_DESIGN_WIDTH - PAGE_MARGIN - 3 * nWidth;
        Add_Text(Layout, Rect(x0, PAGE_BODY_TOP, x0 + 3 * nWidth, PAGE_BODY_TOP + 18), szLeague, TYPE_SUBHEAD,
                 l == 0 ? ALIGN_LEFT : ALIGN_RIGHT);
    }
    Add_Text(Layout, Rect(PAGE_MARGIN + 3 * nWidth, PAGE_BODY_TOP, PAGE_MARGIN + 6 * nWidth, PAGE_BODY_TOP + 18),
             "Champion", TYPE_SUBHEAD, ALIGN_CENTRE);
    bool bAny = false;
    for (int s = 0; s < BRACKET_SLOTS; ++s) {
        const int nTeam = Get_Playoff_Team(s);
        const int c = Bracket_Column(s);
        const int x0 = PAGE_MARGIN + c * nWidth + 1;
        const int x1 = PAGE_MARGIN + (c + 1) * nWidth - 1;
        const int y = Bracket_Top(s, nTop, nHeight);
        const PAGE_RECT Box = Rect(x0, y, x1, y + BRACKET_BOX_HEIGHT);
        Layout.Shades.push_back(Box);
        // A club erased since it played keeps its place, named, but has no
        // club page to open.
        const bool bErased = Is_Erased_Club(nTeam);
        if (nTeam == NO_TEAM || (!Is_Valid_Team(nTeam) && !bErased))
            continue;
        bAny = true;
        const bool bPlayed = Bracket_Game_Played(s);
        const bool bWon = bPlayed && Get_Playoff_Team(s / 2 + 16) == nTeam;
        const int nType = bWon || s == BRACKET_SLOTS - 1 ? TYPE_BODY_BOLD : Team_Type(nTeam);
        // The longest nicknames ("Rainmakers") need about 61 units in bold
        // where the type is largest for its area (a box 1 unit in from its
        // column); a score of two figures 12.
        Add_Text(Layout, Rect(x0 + 2, y + 3, x1 - 15, y + BRACKET_BOX_HEIGHT - 3), Nickname(nTeam), nType);
        if (bPlayed)
            Add_Text(Layout, Rect(x1 - 15, y + 3, x1 - 2, y + BRACKET_BOX_HEIGHT - 3),
                     std::to_string(Get_Playoff_Score(s)), nType, ALIGN_RIGHT);
        if (!bErased)
            Add_Row(Layout, nTeam, Box, s);
    }
    if (!bAny)
        Add_Text(Layout, Rect(PAGE_MARGIN + 3 * nWidth, nTop + nHeight / 2 + 24, PAGE_MARGIN + 6 * nWidth,
                              nTop + nHeight / 2 + 44),
                 "The field is not set yet", TYPE_SMALL, ALIGN_CENTRE);
    return Layout;
}

PAGE_LAYOUT Layout_Champions_Page()
{
    PAGE_LAYOUT Layout;
    Layout.nPage = MAIN_PAGE_CHAMPIONS;
    Add_Masthead(Layout, "Champions");
    const int nTop = PAGE_BODY_TOP + 24;
    const int nHalf = (PAGE_DESIGN_WIDTH - 2 * PAGE_MARGIN) / 2;
    int nShown = 0;
    // Each season's champion as the front page hailed it: with a final
    // between the leagues its winner, else the first league's champion.
    const int nSeasons = std::min(Get_Current_Season_Index() + 1, 2 * CHAMPION_ROWS_PER_COLUMN);
    for (int n = 0; n < nSeasons; ++n) {
        const int nChampion = Get_Season_Finalist(1, n);
        if (nChampion == NO_FINISHER)
            continue;
        const int nRunnerUp = Get_Season_Finalist(0, n);
        const int c = nShown / CHAMPION_ROWS_PER_COLUMN;
        const int x0 = PAGE_MARGIN + c * nHalf + 4;
        const int x1 = PAGE_MARGIN + (c + 1) * nHalf - 4;
        const int y = nTop + (nShown % CHAMPION_ROWS_PER_COLUMN) * CHAMPION_ROW_HEIGHT;
        const PAGE_RECT Row = Rect(x0, y, x1, y + CHAMPION_ROW_HEIGHT);
        if (nShown % 2 == 1)
            Layout.Shades.push_back(Row);
        Add_Text(Layout, Rect(x0 + 2, y, x0 + 44, y + CHAMPION_ROW_HEIGHT), std::to_string(Get_Current_Year() - n),
                 TYPE_BODY_BOLD);
        Add_Text(Layout, Rect(x0 + 48, y, x0 + 200, y + CHAMPION_ROW_HEIGHT), Finisher_Name(nChampion),
                 TYPE_BODY_BOLD);
        if (nRunnerUp != NO_FINISHER)
            Add_Text(Layout, Rect(x0 + 204, y, x1 - 2, y + CHAMPION_ROW_HEIGHT), "over " + Finisher_Name(nRunnerUp),
                     TYPE_BODY);
        // A club no longer in the league has no page to open.
        if (Is_Valid_Team(nChampion))
            Add_Row(Layout, nChampion, Row, Get_Current_Year() - n);
        ++nShown;
    }
    const std::string Heading = nShown > 0 ? "Title Winners" : "No champion has been crowned yet";
    Add_Text(Layout, Rect(PAGE_MARGIN, PAGE_BODY_TOP, PAGE_DESIGN_WIDTH - PAGE_MARGIN, PAGE_BODY_TOP + 20), Heading,
             TYPE_SUBHEAD, nShown > 0 ? ALIGN_LEFT : ALIGN_CENTRE);
    return Layout;
}

int Get_Draft_Page_Round()
{
    const int nRound = Get_User_Preference(PREF_DRAFT_PAGE_SCROLL);
    return nRound < 1 ? 1 : nRound > DRAFT_ROUNDS ? DRAFT_ROUNDS : nRound;
}

int Get_Draft_Page_Year()
{
    const int nYear = Get_User_Preference(PREF_DRAFT_PAGE_SELECTION);
    const int nCurrent = Get_Current_Year();
    if (nYear >= nCurrent - 100 && nYear <= nCurrent + 1)
        return nYear;
    // The draft the page lists without a year chosen: the coming one. The
    // season's year moves on as the off-season begins, before its draft.
    return Get_Current_Week() == OFFSEASON_WEEK ? nCurrent : nCurrent + 1;
}

PAGE_RECT Get_Draft_Round_Tab_Box(int nRound)
{
    if (nRound < 1 || nRound > DRAFT_ROUNDS)
        return Rect(0, 0, 0, 0);
    const int x0 = PAGE_DESIGN_WIDTH - PAGE_MARGIN - DRAFT_ROUNDS * DRAFT_TAB_WIDTH + (nRound - 1) * DRAFT_TAB_WIDTH;
    return Rect(x0, PAGE_BODY_TOP + 6, x0 + DRAFT_TAB_WIDTH - 2, PAGE_BODY_TOP + 26);
}

int Get_Draft_Page_Pick_On_The_Clock()
{
    if (!Is_College_Draft_Running() || Get_Current_Week() != OFFSEASON_WEEK ||
        Get_Draft_Page_Year() != Get_Current_Year())
        return 0;
    return Get_User_Preference(PREF_DRAFT_ROUND) * Count_Teams() + Get_User_Preference(PREF_DRAFT_PICKS_MADE) + 1;
}

PAGE_LAYOUT Layout_Draft_Page()
{
    PAGE_LAYOUT Layout;
    Layout.nPage = MAIN_PAGE_DRAFT;
    Add_Masthead(Layout, "Draft");
    const int nYear = Get_Draft_Page_Year();
    const int nRound = Get_Draft_Page_Round();
    const int nTeams = Count_Teams();
    const int nOnTheClock = Get_Draft_Page_Pick_On_The_Clock();
    // A year's draft is held in its off-season; the season that follows
    // keeps the year.
    const int nCurrent = Get_Current_Year();
    const bool bHeld = nYear < nCurrent || (nYear == nCurrent && Get_Current_Week() != OFFSEASON_WEEK);
    Add_Text(Layout, Rect(PAGE_MARGIN, PAGE_BODY_TOP, Get_Draft_Round_Tab_Box(1).nLeft - 8, PAGE_BODY_TOP + 30),
             std::to_string(nYear) + " Draft, Round " + std::to_string(nRound), TYPE_HEADLINE, ALIGN_LEFT);
    // One tab a round: the round shown is shaded, a click shows another.
    for (int r = 1; r <= DRAFT_ROUNDS; ++r) {
        const PAGE_RECT Tab = Get_Draft_Round_Tab_Box(r);
        if (r == nRound)
            Layout.Shades.push_back(Tab);
        Add_Text(Layout, Tab, "Rd " + std::to_string(r), r == nRound ? TYPE_BODY_BOLD : TYPE_BODY, ALIGN_CENTRE);
    }
    // The players drafted that year in that round, by overall pick.
    std::vector<std::pair<int, int>> Drafted(static_cast<size_t>(nTeams > 0 ? nTeams : 0), {NO_TEAM, -1});
    for (int t = 0; t <= FREE_AGENT_TEAM; ++t)
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (!Is_Player_Slot_Used(t, s) || Get_Player_Vital_Stat(t, s, VITAL_DRAFTED_BY) % 10000 != nYear)
                continue;
            const int nPick = Get_Player_Vital_Stat(t, s, VITAL_DRAFT_PICK);
            if (nPick <= 0)
                continue;
            const int nOverall = nPick % 1000;
            const int nIndex = nOverall - 1 - (nRound - 1) * nTeams;
            if (nIndex >= 0 && nIndex < nTeams && Drafted[static_cast<size_t>(nIndex)].first == NO_TEAM)
                Drafted[static_cast<size_t>(nIndex)] = {t, s};
        }
    const int nTop = PAGE_BODY_TOP + 36;
    const int nHalf = (PAGE_DESIGN_WIDTH - 2 * PAGE_MARGIN) / 2;
    for (int i = 0; i < nTeams && i < 2 * DRAFT_ROWS_PER_COLUMN; ++i) {
        const int nOverall = (nRound - 1) * nTeams + i + 1;
        const int c = i / DRAFT_ROWS_PER_COLUMN;
        const int x0 = PAGE_MARGIN + c * nHalf + 4;
        const int x1 = PAGE_MARGIN + (c + 1) * nHalf - 4;
        const int y = nTop + (i % DRAFT_ROWS_PER_COLUMN) * DRAFT_ROW_HEIGHT;
        const PAGE_RECT Row = Rect(x0, y, x1, y + DRAFT_ROW_HEIGHT);
        if (i % 2 == 1)
            Layout.Shades.push_back(Row);
        Add_Text(Layout, Rect(x0 + 2, y + 3, x0 + 30, y + 18), std::to_string(nOverall) + ".", TYPE_BODY_BOLD,
                 ALIGN_RIGHT);
        const auto [nPlayerTeam, nSlot] = Drafted[static_cast<size_t>(i)];
        int nClub = NO_TEAM;
        std::string Choice;
        if (nPlayerTeam != NO_TEAM) {
            nClub = Get_Player_Vital_Stat(nPlayerTeam, nSlot, VITAL_DRAFTED_BY) / 10000 - 1;
            char szName[64];
            Get_Player_Full_Name(nPlayerTeam, nSlot, szName);
            // The string table holds the position abbreviations from entry 59.
            Choice = std::string(szName) + ", " +
                     Get_Resource_String(POSITION_ABBREVIATION_STRINGS + Get_Player_Position(nPlayerTeam, nSlot));
        } else {
            const int nForfeit = Find_Team_Draft_Record(nYear, nOverall);
            if (nForfeit != NO_TEAM) {
                char szText[96];
                std::snprintf(szText, sizeof(szText), "(Forfeited by %s)", Page_Team_Name(nForfeit, true).c_str());
                Choice = szText;
                nClub = nForfeit;
            } else if (bHeld) {
                // A pick made whose player has left the league: the league
                // keeps no other note of the club that made it, and the
                // order of the draft to come is another draft's.
                nClub = NO_TEAM;
            } else {
                const int nPicker = Get_Draft_Order_Team(i);
                nClub = Is_Team_Slot_Used(nPicker) ? Get_Draft_Pick_Owner(0, nRound - 1, nPicker) : NO_TEAM;
                if (nOverall == nOnTheClock)
                    Choice = "On the clock";
            }
        }
        if (Is_Team_Slot_Used(nClub))
            Add_Text(Layout, Rect(x0 + 34, y + 3, x0 + 160, y + 18), Page_Team_Name(nClub), Team_Type(nClub));
        if (!Choice.empty())
            Add_Text(Layout, Rect(x0 + 164, y + 3, x1 - 2, y + 18), Choice, TYPE_BODY);
        Add_Row(Layout, nClub, Row, nOverall);
    }
    return Layout;
}
