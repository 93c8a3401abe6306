#include "pages/page_layout.h"

#include <algorithm>
#include <cstdio>

#include "league/calendar.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "pages/calendar_page.h"
#include "pages/page_layout_internal.h"
#include "pages/page_stats.h"
#include "pages/score_boxes.h"

namespace page_parts {

PAGE_RECT Rect(int nLeft, int nTop, int nRight, int nBottom)
{
    PAGE_RECT R;
    R.nLeft = nLeft;
    R.nTop = nTop;
    R.nRight = nRight;
    R.nBottom = nBottom;
    return R;
}

void Add_Text(PAGE_LAYOUT& Layout, const PAGE_RECT& Box, const std::string& Text, int nType, int nAlign)
{
    PAGE_TEXT T;
    T.Box = Box;
    T.Text = Text;
    T.nType = nType;
    T.nAlign = nAlign;
    Layout.Texts.push_back(T);
}

void Add_Rule(PAGE_LAYOUT& Layout, int nLeft, int nTop, int nRight, int nWeight)
{
    PAGE_RULE Rule;
    Rule.Line = Rect(nLeft, nTop, nRight, nTop + nWeight);
    Rule.nWeight = nWeight;
    Layout.Rules.push_back(Rule);
}

int Team_Type(int nTeam)
{
    return Is_Team_Slot_Used(nTeam) && Get_Team_Stat(nTeam, TEAM_STAT_CONTROLLER) == 1 ? TYPE_BODY_BOLD : TYPE_BODY;
}

void Add_Column_Rule(PAGE_LAYOUT& Layout, int x, int nTop, int nBottom)
{
    PAGE_RULE Rule;
    Rule.Line = Rect(x, nTop, x + 1, nBottom);
    Rule.nWeight = 1;
    Layout.Rules.push_back(Rule);
}

void Add_Row(PAGE_LAYOUT& Layout, int nTeam, const PAGE_RECT& Box, int nGroup)
{
    PAGE_ROW R;
    R.nTeam = nTeam;
    R.Box = Box;
    R.nGroup = nGroup;
    Layout.Rows.push_back(R);
}

std::string Division_Heading(int nDivision)
{
    char szLeague[LEAGUE_NAME_SIZE];
    char szDivision[DIVISION_NAME_SIZE];
    Get_League_Name(nDivision / 4, szLeague);
    Get_Division_Name(nDivision, szDivision);
    std::string Heading = szLeague;
    if (szDivision[0] != '\0')
        Heading += Heading.empty() ? std::string(szDivision) : " " + std::string(szDivision);
    return Heading.empty() ? "Division " + std::to_string(nDivision + 1) : Heading;
}

// The division's clubs in standings order: the division key, the better
// first; on level keys the order of the stored division row, which the
// playoff bracket seeds from, so no page crowns a leader the bracket does
// not (a club missing from the row after, in slot order). A season whose
// title is decided is shown as it ended, a club erased since in its place.
std::vector<int> Division_Order(int nDivision)
{
    std::vector<int> Teams;
    const int nSeason = Get_Current_Season_Index();
    if (Is_Season_Title_Recorded(nSeason)) {
        const int nClubs = Count_Season_Division_Teams(nDivision, nSeason);
        for (int p = 0; p < nClubs; ++p)
            Teams.push_back(Get_Division_Place_Team(nDivision, p, nSeason));
        return Teams;
    }
    for (int t = 0; t < Count_Teams(); ++t)
        if (Get_Team_Stat(t, TEAM_STAT_DIVISION) == nDivision)
            Teams.push_back(t);
    struct KEYED {
        int nKey;
        int nRowPlace;
        int nTeam;
    };
    const int nPlaces = Count_Season_Division_Teams(nDivision, nSeason);
    std::vector<KEYED> Keyed;
    for (int t : Teams) {
        int nRowPlace = MAX_FRANCHISES;
        for (int p = 0; p < nPlaces; ++p)
            if (Get_Division_Place_Team(nDivision, p, nSeason) == t) {
                nRowPlace = p;
                break;
            }
        Keyed.push_back(KEYED{Get_Team_Division_Key(t), nRowPlace, t});
    }
    std::stable_sort(Keyed.begin(), Keyed.end(), [](const KEYED& A, const KEYED& B) {
        return A.nKey != B.nKey ? A.nKey > B.nKey : A.nRowPlace < B.nRowPlace;
    });
    Teams.clear();
    for (const KEYED& Entry : Keyed)
        Teams.push_back(Entry.nTeam);
    return Teams;
}

}  // namespace page_parts

using namespace page_parts;

namespace {

// The Standings page: one box per division, the leagues one above the other.
constexpr int STANDINGS_ROW_HEIGHT = 15;
constexpr int STANDINGS_HEADING_HEIGHT = 18;
// Between two divisions side by side: twice this.
constexpr int STANDINGS_BOX_INSET = 2;
// The Calendar page: two columns of eleven weeks.
constexpr int CALENDAR_ROWS_PER_COLUMN = 11;
constexpr int CALENDAR_ROW_HEIGHT = 34;
// The Games page: three columns of score boxes.
constexpr int GAMES_COLUMNS = 3;
constexpr int GAMES_BOX_HEIGHT = 48;
constexpr int GAMES_BOX_GAP = 6;
// A game whose clock passed four quarters went to overtime.
constexpr int REGULATION_SECONDS = 3600;

std::string Number_Text(int n)
{
    return std::to_string(n);
}

// ".750", "1.000": the winning percentage as the papers print it.
std::string Percentage_Text(int nPerMille)
{
    char szText[16];
    if (nPerMille >= 1000)
        std::snprintf(szText, sizeof(szText), "1.000");
    else
        std::snprintf(szText, sizeof(szText), ".%03d", nPerMille < 0 ? 0 : nPerMille);
    return szText;
}

// "24-17", the side's own score first.
std::string Score_Text(int nOwn, int nOther)
{
    return Number_Text(nOwn) + "-" + Number_Text(nOther);
}

std::string Kickoff_Text(int nTime)
{
    if (nTime <= 0)
        nTime = DEFAULT_KICKOFF_TIME;
    const int nHour = nTime / 100;
    const int nMinute = nTime % 100;
    char szText[16];
    std::snprintf(szText, sizeof(szText), "%d:%02d %s", nHour % 12 == 0 ? 12 : nHour % 12, nMinute,
                  nHour >= 12 ? "PM" : "AM");
    return szText;
}

// Whether a game of day w has a record of that day: a club's entry of the
// day names it.
bool Has_Day_Begun(int w)
{
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams && t < MAX_FRANCHISES; ++t) {
        const int nGame = Get_Team_Schedule_Stat(t, w, SCHEDULE_GAME_INDEX);
        const GAME* pGame = nGame >= 0 && nGame < NUMBER_OF_GAMES ? Get_Game_Record(nGame) : nullptr;
        if (pGame != nullptr && pGame->nWeek == w)
            return true;
    }
    return false;
}

}  // namespace

bool Is_Main_Page(int nPage)
{
    switch (nPage) {
    case MAIN_PAGE_FRONT:
    case MAIN_PAGE_STANDINGS:
    case MAIN_PAGE_CALENDAR:
    case MAIN_PAGE_PLAYOFFS:
    case MAIN_PAGE_DRAFT:
    case MAIN_PAGE_CHAMPIONS:
    case MAIN_PAGE_GAMES:
        return true;
    default:
        return false;
    }
}

PAGE_LAYOUT Layout_Main_Page(int nPage)
{
    switch (nPage) {
    case MAIN_PAGE_STANDINGS:
        return Layout_Standings_Page();
    case MAIN_PAGE_CALENDAR:
        return Layout_Calendar_Page();
    case MAIN_PAGE_GAMES:
        return Layout_Games_Page();
    case MAIN_PAGE_PLAYOFFS:
        return Layout_Playoffs_Page();
    case MAIN_PAGE_CHAMPIONS:
        return Layout_Champions_Page();
    case MAIN_PAGE_DRAFT:
        return Layout_Draft_Page();
    default:
        return Layout_Front_Page();
    }
}

std::string Page_Team_Nickname(int nTeam)
{
    if (!Is_Valid_Team(nTeam) && !Is_Erased_Club(nTeam))
        return "";
    char szText[64];
    Get_Team_String(szText, nTeam, TEAM_STRING_NICKNAME);
    return szText[0] != '\0' ? std::string(szText) : Page_Team_Name(nTeam, true);
}

std::string Page_Team_Name(int nTeam, bool bShort)
{
    if (!Is_Valid_Team(nTeam) && !Is_Erased_Club(nTeam))
        return "";
    char szText[64];
    if (bShort) {
        Get_Team_String(szText, nTeam, TEAM_STRING_ABBREVIATION);
        return szText;
    }
    Get_Team_String(szText, nTeam, TEAM_STRING_CITY);
    std::string Name = szText;
    Get_Team_String(szText, nTeam, TEAM_STRING_NICKNAME);
    if (szText[0] != '\0')
        Name += Name.empty() ? std::string(szText) : " " + std::string(szText);
    return Name;
}

void Add_Masthead(PAGE_LAYOUT& Layout, const char* szTitle)
{
    const int nRight = PAGE_DESIGN_WIDTH - PAGE_MARGIN;
    Layout.Title = szTitle != nullptr ? szTitle : "";
    Add_Text(Layout, Rect(PAGE_MARGIN, 6, nRight, 40), "The Kelvo League Times", TYPE_MASTHEAD, ALIGN_CENTRE);
    Add_Rule(Layout, PAGE_MARGIN, 43, nRight, 2);
    Add_Rule(Layout, PAGE_MARGIN, 47, nRight, 1);
    char szWeek[64];
    Get_Week_Name_Long(-1, szWeek);
    const std::string Date = Number_Text(Get_Current_Year()) + " - " + szWeek;
    Add_Text(Layout, Rect(PAGE_MARGIN, 50, 300, 64), Date, TYPE_SMALL, ALIGN_LEFT);
    // The corner box of the Standings and Calendar pages reaches down into
    // the date line at the right: the page's name ends short of it there.
    constexpr int CORNER_BOX_GAP = 8;
    const int nTitleRight =
        Is_Corner_Box_Page(Layout.nPage) ? std::min(nRight, Get_Corner_Box_Rect(false).nLeft - CORNER_BOX_GAP) : nRight;
    Add_Text(Layout, Rect(300, 50, nTitleRight, 64), Layout.Title, TYPE_SMALL, ALIGN_RIGHT);
    Add_Rule(Layout, PAGE_MARGIN, 67, nRight, 1);
}

int Get_Calendar_Page_Team()
{
    const int nViewed = Get_User_Preference(PREF_CURRENT_TEAM);
    if (nViewed >= 0 && nViewed < MAX_FRANCHISES && Is_Team_Slot_Used(nViewed))
        return nViewed;
    return Get_User_Page_Team();
}

int Get_User_Page_Team()
{
    const int nSelected = Get_Selected_Team();
    if (Is_Team_Slot_Used(nSelected))
        return nSelected;
    for (int t = 0; t < Count_Teams(); ++t)
        if (Get_Team_Stat(t, TEAM_STAT_CONTROLLER) == 1)
            return t;
    return Count_Teams() > 0 ? 0 : NO_TEAM;
}

int Get_Games_Page_Week()
{
    const int nCurrent = Get_Current_Week();
    const int nLast = nCurrent >= SCHEDULE_WEEKS ? SCHEDULE_WEEKS - 1 : nCurrent;
    for (int w = nLast; w >= 0; --w)
        if (Count_Week_Games(w) > 0 && Get_Week_First_Game_Index(w) < NUMBER_OF_GAMES) {
            // Today shows once a game of it has begun; until then the last
            // day played keeps its finals. A playoff round counts the games
            // its bracket will play before any exists, so the records decide.
            if (w == nCurrent ? Has_Day_Begun(w) : Is_Game_Record_Final(Get_Week_First_Game_Index(w)))
                return w;
        }
    return -1;
}

PAGE_LAYOUT Layout_Standings_Page()
{
    PAGE_LAYOUT Layout;
    Layout.nPage = MAIN_PAGE_STANDINGS;
    Add_Masthead(Layout, "Standings");
    const RESULTS_HOLD Hold;
    const int nLeagues = std::max(1, Count_Leagues());
    int nColumns = 1;
    for (int l = 0; l < nLeagues; ++l)
        nColumns = std::max(nColumns, Count_League_Divisions(l));
    const int nWidth = (PAGE_DESIGN_WIDTH - 2 * PAGE_MARGIN) / nColumns;
    const int nBandHeight = (PAGE_DESIGN_HEIGHT - PAGE_BODY_TOP - PAGE_MARGIN) / nLeagues;
    const int nStat = Get_Page_Stat_Choice(STANDINGS_STAT_SLOT, TEAM_STAT_COLUMN_CODES);
    for (int l = 0; l < nLeagues; ++l) {
        int nColumn = 0;
        for (int k = 0; k < 4; ++k) {
            const int d = l * 4 + k;
            const std::vector<int> Teams = Division_Order(d);
            if (Teams.empty())
                continue;
            const int x0 = PAGE_MARGIN + nColumn * nWidth + STANDINGS_BOX_INSET;
            const int x1 = PAGE_MARGIN + (nColumn + 1) * nWidth - STANDINGS_BOX_INSET;
            int y = PAGE_BODY_TOP + l * nBandHeight;
            ++nColumn;
            Add_Text(Layout, Rect(x0, y, x1, y + STANDINGS_HEADING_HEIGHT), Division_Heading(d), TYPE_SUBHEAD);
            y += STANDINGS_HEADING_HEIGHT;
            Add_Rule(Layout, x0, y, x1, 1);
            // The columns from the right, each as wide as its widest text in
            // bold in the window's page area (1024 wide, where hinting
            // widens bold type most): the percentage 31 ("1.000" some 31),
            // flush with the rule's end; T, L and W 14 ("17" some 13.5), a
            // unit apart but for L and T, which cannot both reach two digits
            // in a season; the statistic the user chooses 41 (its widest
            // figure, "100.0%", some 40.5), a click on its head opening
            // Choose Stat. The nicknames keep the rest, flush with the
            // heading: 64 units with four divisions, what the longest bold
            // nickname ("Rainmakers") needs. The statistic's head reaches
            // left over the nicknames, which have none: its longest names
            // ("Record (vs. Spread)") need some 90 units of small type.
            const int xPct = x1 - 31, xT = x1 - 46, xL = x1 - 60, xW = x1 - 75;
            const int xStat = x1 - 117, xStatRight = xStat + 41;
            const PAGE_RECT StatHead = Rect(x0, y + 1, xStatRight, y + 13);
            Add_Text(Layout, StatHead, Get_Team_Stat_Column_Caption(nStat), TYPE_SMALL, ALIGN_RIGHT);
            Layout.StatHeadings.push_back(PAGE_STAT_HEADING{STANDINGS_STAT_SLOT, PAGE_TEAM_STAT_DIALOG, StatHead});
            Add_Text(Layout, Rect(xW, y + 1, xW + 14, y + 13), "W", TYPE_SMALL, ALIGN_RIGHT);
            Add_Text(Layout, Rect(xL, y + 1, xL + 14, y + 13), "L", TYPE_SMALL, ALIGN_RIGHT);
            Add_Text(Layout, Rect(xT, y + 1, xT + 14, y + 13), "T", TYPE_SMALL, ALIGN_RIGHT);
            Add_Text(Layout, Rect(xPct, y + 1, x1, y + 13), "Pct", TYPE_SMALL, ALIGN_RIGHT);
            y += 14;
            for (size_t i = 0; i < Teams.size(); ++i) {
                const int t = Teams[i];
                const PAGE_RECT Row = Rect(x0, y, x1, y + STANDINGS_ROW_HEIGHT);
                if (i % 2 == 1)
                    Layout.Shades.push_back(Row);
                const int nType = Team_Type(t);
                Add_Text(Layout, Rect(x0, y, xStat - 1, y + STANDINGS_ROW_HEIGHT), Page_Team_Nickname(t), nType);
                Add_Text(Layout, Rect(xStat, y, xStatRight, y + STANDINGS_ROW_HEIGHT),
                         Format_Team_Stat_Column(t, nStat), nType, ALIGN_RIGHT);
                Add_Text(Layout, Rect(xW, y, xW + 14, y + STANDINGS_ROW_HEIGHT), Number_Text(Get_Team_Wins(t)), nType,
                         ALIGN_RIGHT);
                Add_Text(Layout, Rect(xL, y, xL + 14, y + STANDINGS_ROW_HEIGHT), Number_Text(Get_Team_Losses(t)),
                         nType, ALIGN_RIGHT);
                Add_Text(Layout, Rect(xT, y, xT + 14, y + STANDINGS_ROW_HEIGHT), Number_Text(Get_Team_Ties(t)), nType,
                         ALIGN_RIGHT);
                Add_Text(Layout, Rect(xPct, y, x1, y + STANDINGS_ROW_HEIGHT),
                         Percentage_Text(Get_Team_Winning_Percentage(t)), nType, ALIGN_RIGHT);
                // An erased club has no club page to open.
                if (Is_Team_Slot_Used(t)) {
                    PAGE_ROW R;
                    R.nTeam = t;
                    R.Box = Row;
                    R.nGroup = d;
                    Layout.Rows.push_back(R);
                }
                y += STANDINGS_ROW_HEIGHT;
            }
        }
    }
    return Layout;
}

PAGE_LAYOUT Layout_Calendar_Page()
{
    PAGE_LAYOUT Layout;
    Layout.nPage = MAIN_PAGE_CALENDAR;
    const int nTeam = Get_Calendar_Page_Team();
    Add_Masthead(Layout, "Calendar");
    if (!Is_Team_Slot_Used(nTeam)) {
        Add_Text(Layout, Rect(PAGE_MARGIN, PAGE_BODY_TOP, PAGE_DESIGN_WIDTH - PAGE_MARGIN, PAGE_BODY_TOP + 40),
                 "No club to show", TYPE_HEADLINE, ALIGN_CENTRE);
        return Layout;
    }
    char szRecord[RECORD_TEXT_SIZE];
    Format_Team_Record(szRecord, nTeam);
    // Beside the name, the club's measure the user chooses (a click on it
    // opens Choose Stat).
    constexpr int MEASURE_WIDTH = 260;
    const int nMeasureLeft = PAGE_DESIGN_WIDTH - PAGE_MARGIN - MEASURE_WIDTH;
    Add_Text(Layout, Rect(PAGE_MARGIN, PAGE_BODY_TOP, nMeasureLeft - 4, PAGE_BODY_TOP + 30),
             Page_Team_Name(nTeam) + " (" + szRecord + ")", TYPE_HEADLINE, ALIGN_LEFT);
    const int nMeasure = Get_Page_Stat_Choice(CALENDAR_MEASURE_SLOT, FRANCHISE_MEASURE_CODES);
    const PAGE_RECT MeasureBox = Rect(nMeasureLeft, PAGE_BODY_TOP + 8, PAGE_DESIGN_WIDTH - PAGE_MARGIN, PAGE_BODY_TOP + 26);
    Add_Text(Layout, MeasureBox,
             Get_Franchise_Measure_Caption(nMeasure) + ": " + Format_Franchise_Measure(nTeam, nMeasure), TYPE_SUBHEAD,
             ALIGN_RIGHT);
    Layout.StatHeadings.push_back(PAGE_STAT_HEADING{CALENDAR_MEASURE_SLOT, PAGE_FRANCHISE_DIALOG, MeasureBox});
    const int nTop = PAGE_BODY_TOP + 34;
    const int nHalf = (PAGE_DESIGN_WIDTH - 2 * PAGE_MARGIN) / 2;
    const int nCurrent = Get_Current_Week();
    // A playoff round the league does not play (no wild cards, no final
    // between the leagues) has no row: the weeks after it move up.
    int nShown = 0;
    for (int w = 0; w < SCHEDULE_WEEKS; ++w) {
        if (Is_Unplayed_Round_Week(w))
            continue;
        const int nColumn = nShown / CALENDAR_ROWS_PER_COLUMN;
        const int x0 = PAGE_MARGIN + nColumn * nHalf + 4;
        const int x1 = PAGE_MARGIN + (nColumn + 1) * nHalf - 4;
        const int y = nTop + (nShown % CALENDAR_ROWS_PER_COLUMN) * CALENDAR_ROW_HEIGHT;
        ++nShown;
        const PAGE_RECT Row = Rect(x0, y, x1, y + CALENDAR_ROW_HEIGHT - 2);
        if (w == nCurrent)
            Layout.Shades.push_back(Row);
        Add_Rule(Layout, x0, y + CALENDAR_ROW_HEIGHT - 2, x1, 1);
        char szWeek[64];
        Get_Week_Name(w, szWeek);
        Add_Text(Layout, Rect(x0 + 2, y + 2, x0 + 130, y + 16), szWeek, TYPE_SMALL);
        const int nOpponent = Get_Scheduled_Opponent(nTeam, w);
        const int nWhere = Get_Team_Week_Home_Away(nTeam, w);
        PAGE_ROW R;
        R.nTeam = nOpponent;
        R.Box = Row;
        R.nGroup = w;
        Layout.Rows.push_back(R);
        if (nWhere == WEEK_NO_GAME || !Is_Club_Of_Season(nOpponent)) {
            // A regular week without a game is the club's open date; the
            // playoff weeks name only themselves.
            if (w < Get_First_Playoff_Week())
                Add_Text(Layout, Rect(x0 + 2, y + 16, x1 - 2, y + 31), "Open date", TYPE_BODY);
            continue;
        }
        if (Has_Calendar_Watch_Mark(nTeam, w)) {
            // The watch mark: a box, crossed when the game is to be watched.
            const PAGE_RECT Box = Get_Calendar_Watch_Box(Row);
            Add_Rule(Layout, Box.nLeft, Box.nTop, Box.nRight, 1);
            Add_Rule(Layout, Box.nLeft, Box.nBottom - 1, Box.nRight, 1);
            Add_Column_Rule(Layout, Box.nLeft, Box.nTop, Box.nBottom);
            Add_Column_Rule(Layout, Box.nRight - 1, Box.nTop, Box.nBottom);
            if (Get_Calendar_PBP_Flag(nTeam, w) != 0)
                Add_Text(Layout, Box, "X", TYPE_BODY_BOLD, ALIGN_CENTRE);
            Add_Text(Layout, Rect(Box.nRight + 3, y + 2, Box.nRight + 48, y + 16), "Watch", TYPE_SMALL);
        }
        const std::string Opponent = (nWhere == WEEK_AT_HOME ? "vs " : "at ") + Page_Team_Name(nOpponent);
        Add_Text(Layout, Rect(x0 + 2, y + 16, x1 - 96, y + 31), Opponent, Team_Type(nOpponent));
        const int nGame = Get_Team_Schedule_Stat(nTeam, w, SCHEDULE_GAME_INDEX);
        const GAME* pGame = nGame >= 0 && nGame < NUMBER_OF_GAMES ? Get_Game_Record(nGame) : nullptr;
        std::string Result;
        if (pGame != nullptr && pGame->nWeek == w && Is_Game_Record_Final(nGame) &&
            (pGame->nHomeTeam == nTeam || pGame->nAwayTeam == nTeam)) {
            const int nSide = pGame->nHomeTeam == nTeam ? 1 : 0;
            const int nOwn = pGame->nScore[nSide];
            const int nOther = pGame->nScore[1 - nSide];
            Result = std::string(nOwn > nOther ? "W " : nOwn < nOther ? "L " : "T ") + Score_Text(nOwn, nOther);
        } else {
            Result = Kickoff_Text(Get_Team_Schedule_Stat(nTeam, w, SCHEDULE_KICKOFF_TIME));
        }
        Add_Text(Layout, Rect(x1 - 94, y + 9, x1 - 2, y + 27), Result, TYPE_BODY_BOLD, ALIGN_RIGHT);
    }
    return Layout;
}

PAGE_LAYOUT Layout_Games_Page()
{
    PAGE_LAYOUT Layout;
    Layout.nPage = MAIN_PAGE_GAMES;
    Add_Masthead(Layout, "Games");
    const int nWeek = Get_Games_Page_Week();
    const int nFirst = nWeek >= 0 ? Get_Week_First_Game_Index(nWeek) : NO_GAME_INDEX;
    const int nCount = nWeek >= 0 ? Count_Week_Games(nWeek) : 0;
    const int nRight = PAGE_DESIGN_WIDTH - PAGE_MARGIN;
    // At the right of the headline, the game statistic the boxes show (a
    // click on it opens Choose Stat), there to choose on a day without games
    // too.
    constexpr int STAT_HEADING_WIDTH = 260;
    const int nStatLeft = nRight - STAT_HEADING_WIDTH;
    const int nStat = Get_Page_Stat_Choice(GAMES_STAT_SLOT, GAME_STAT_CODES);
    const PAGE_RECT StatHead = Rect(nStatLeft, PAGE_BODY_TOP + 8, nRight, PAGE_BODY_TOP + 26);
    Add_Text(Layout, StatHead, Get_Game_Stat_Caption(nStat), TYPE_SUBHEAD, ALIGN_RIGHT);
    Layout.StatHeadings.push_back(PAGE_STAT_HEADING{GAMES_STAT_SLOT, PAGE_GAME_STAT_DIALOG, StatHead});
    if (nWeek < 0 || nFirst >= NUMBER_OF_GAMES || nCount <= 0) {
        Add_Text(Layout, Rect(PAGE_MARGIN, PAGE_BODY_TOP + 30, nRight, PAGE_BODY_TOP + 60), "No games today",
                 TYPE_HEADLINE, ALIGN_CENTRE);
        return Layout;
    }
    char szWeek[64];
    Get_Week_Name_Long(nWeek, szWeek);
    Add_Text(Layout, Rect(PAGE_MARGIN, PAGE_BODY_TOP, nStatLeft - 4, PAGE_BODY_TOP + 30),
             std::string(szWeek) + " Scores", TYPE_HEADLINE, ALIGN_LEFT);
    const int nWidth = (PAGE_DESIGN_WIDTH - 2 * PAGE_MARGIN) / GAMES_COLUMNS;
    const int nTop = PAGE_BODY_TOP + 36;
    const int nRowsFit = (PAGE_DESIGN_HEIGHT - PAGE_MARGIN - nTop) / (GAMES_BOX_HEIGHT + GAMES_BOX_GAP);
    int nShown = 0;
    for (int g = nFirst; g < NUMBER_OF_GAMES && nShown < nCount && nShown < nRowsFit * GAMES_COLUMNS; ++g) {
        const GAME* pGame = Get_Game_Record(g);
        // The week's records run on from its first; skip any other.
        if (pGame == nullptr || pGame->nWeek != nWeek || !Is_Club_Of_Season(pGame->nHomeTeam) ||
            !Is_Club_Of_Season(pGame->nAwayTeam))
            continue;
        const int nColumn = nShown % GAMES_COLUMNS;
        const int nRow = nShown / GAMES_COLUMNS;
        const int x0 = PAGE_MARGIN + nColumn * nWidth + 4;
        const int x1 = PAGE_MARGIN + (nColumn + 1) * nWidth - 4;
        const int y = nTop + nRow * (GAMES_BOX_HEIGHT + GAMES_BOX_GAP);
        const PAGE_RECT Box = Rect(x0, y, x1, y + GAMES_BOX_HEIGHT);
        Layout.Shades.push_back(Box);
        const bool bFinal = Is_Game_Record_Final(g);
        for (int nSide = 0; nSide < 2; ++nSide) {
            const int t = nSide == 0 ? pGame->nAwayTeam : pGame->nHomeTeam;
            const int yLine = y + 3 + nSide * 15;
            const bool bWinner = bFinal && pGame->nScore[nSide] > pGame->nScore[1 - nSide];
            // Only the winner is set in bold here.
            const int nType = bWinner ? TYPE_BODY_BOLD : TYPE_BODY;
            Add_Text(Layout, Rect(x0 + 4, yLine, x1 - 34, yLine + 15), Page_Team_Name(t), nType);
            if (bFinal)
                Add_Text(Layout, Rect(x1 - 32, yLine, x1 - 4, yLine + 15), Number_Text(pGame->nScore[nSide]), nType,
                         ALIGN_RIGHT);
        }
        const std::string Status = bFinal ? (pGame->nClock > REGULATION_SECONDS ? "Final OT" : "Final")
                                          : Kickoff_Text(Get_Team_Schedule_Stat(pGame->nHomeTeam, nWeek,
                                                                                SCHEDULE_KICKOFF_TIME));
        Add_Text(Layout, Rect(x0 + 4, y + 33, x1 - 4, y + 46), Status, TYPE_SMALL, ALIGN_RIGHT);
        // The chosen figure: the game's own line, or each side's once played.
        std::string Figure;
        if (Is_Game_Wide_Stat(nStat))
            Figure = Format_Game_Stat(*pGame, 1, nStat);
        else if (bFinal)
            Figure = Format_Game_Stat(*pGame, 0, nStat) + " - " + Format_Game_Stat(*pGame, 1, nStat);
        if (!Figure.empty())
            Add_Text(Layout, Rect(x0 + 4, y + 33, x1 - 60, y + 46), Figure, TYPE_SMALL, ALIGN_LEFT);
        PAGE_ROW R;
        R.nTeam = pGame->nHomeTeam;
        R.Box = Box;
        R.nGroup = g;
        Layout.Rows.push_back(R);
        ++nShown;
    }
    return Layout;
}
