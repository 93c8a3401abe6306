// The main window's pages as layouts: every text, rule and shaded box a page
// shows, placed in the 768 x 507 design space. A layout reads the league
// through its accessors only and knows nothing of the screen; the painter
// (page_paint.h) scales it to the client area. Tests read the layouts back:
// which club sits on which row, and where.
#pragma once

#include <string>
#include <vector>

// The design space every page is laid out in.
constexpr int PAGE_DESIGN_WIDTH = 768;
constexpr int PAGE_DESIGN_HEIGHT = 507;

// The page commands (preference 26 holds the one shown; 0 is the front page).
constexpr int MAIN_PAGE_FRONT = 0;
constexpr int MAIN_PAGE_STANDINGS = 40030;
constexpr int MAIN_PAGE_CALENDAR = 40036;
constexpr int MAIN_PAGE_PLAYOFFS = 40069;
constexpr int MAIN_PAGE_DRAFT = 40070;
constexpr int MAIN_PAGE_CHAMPIONS = 40074;
constexpr int MAIN_PAGE_GAMES = 40086;

// A rectangle in design units; right and bottom are outside it.
struct PAGE_RECT {
    int nLeft = 0;
    int nTop = 0;
    int nRight = 0;
    int nBottom = 0;
    int Width() const { return nRight - nLeft; }
    int Height() const { return nBottom - nTop; }
    bool Contains(const PAGE_RECT& Inner) const
    {
        return Inner.nLeft >= nLeft && Inner.nTop >= nTop && Inner.nRight <= nRight && Inner.nBottom <= nBottom;
    }
};

// The type a text is set in: the newspaper's kinds of type.
enum PAGE_TYPE : int {
    TYPE_MASTHEAD,    // the paper's name
    TYPE_HEADLINE,    // a page's big headline
    TYPE_SUBHEAD,     // a column's or a box's heading
    TYPE_BODY,        // table text
    TYPE_BODY_BOLD,   // a winner, a user's club
    TYPE_SMALL,       // date line, notes
};
constexpr int PAGE_TYPE_COUNT = 6;

enum PAGE_ALIGN : int { ALIGN_LEFT, ALIGN_CENTRE, ALIGN_RIGHT };

struct PAGE_TEXT {
    PAGE_RECT Box;
    std::string Text;   // Windows-1252
    int nType = TYPE_BODY;
    int nAlign = ALIGN_LEFT;
};

// A rule: a horizontal or vertical line of nWeight design units.
struct PAGE_RULE {
    PAGE_RECT Line;
    int nWeight = 1;
};

// One row of a table: the club it is about (or NO_TEAM) and its rectangle.
struct PAGE_ROW {
    int nTeam = 0;
    PAGE_RECT Box;
    int nGroup = 0;   // division, playoff slot, week or pick: what the page groups by
};

// A heading the user may click to choose the statistic under it: the
// preference slot that keeps the choice and the Choose Stat dialog that
// writes it.
struct PAGE_STAT_HEADING {
    int nSlot = -1;
    int nDialog = 0;
    PAGE_RECT Box;
};

struct PAGE_LAYOUT {
    int nPage = MAIN_PAGE_FRONT;
    std::string Title;             // the page's name under the masthead
    std::vector<PAGE_TEXT> Texts;
    std::vector<PAGE_RULE> Rules;
    std::vector<PAGE_RECT> Shades; // tinted boxes (drawn first)
    std::vector<PAGE_ROW> Rows;    // the rows of the page's table, in reading order
    std::vector<PAGE_STAT_HEADING> StatHeadings;
};

// True for the seven page commands above.
bool Is_Main_Page(int nPage);
// The layout of a page; an unknown page lays out the front page.
PAGE_LAYOUT Layout_Main_Page(int nPage);

// The pages one by one.
PAGE_LAYOUT Layout_Front_Page();
PAGE_LAYOUT Layout_Standings_Page();
PAGE_LAYOUT Layout_Calendar_Page();
PAGE_LAYOUT Layout_Games_Page();
PAGE_LAYOUT Layout_Playoffs_Page();
PAGE_LAYOUT Layout_Champions_Page();
PAGE_LAYOUT Layout_Draft_Page();

// --- Pieces the layouts share ------------------------------------------------
// The masthead, date line and page title above y = PAGE_BODY_TOP.
constexpr int PAGE_MARGIN = 12;
constexpr int PAGE_BODY_TOP = 78;
void Add_Masthead(PAGE_LAYOUT& Layout, const char* szTitle);
// A club's name as the tables show it: the city and nickname, or the
// abbreviation when bShort. A club erased since its season was played is
// named too (the bracket still holds it); any other slot not in use is "".
std::string Page_Team_Name(int nTeam, bool bShort = false);
// The club's nickname ("Frost"), its abbreviation when it has none; as
// Page_Team_Name for slots not in use.
std::string Page_Team_Nickname(int nTeam);
// The club the main window's pages show: the viewed club (preference 28,
// what View Other Team and the lists choose) when it is a club in use, else
// the user's club.
int Get_Calendar_Page_Team();
// The user's club, as the status bar shows it: the selected club
// (preference 32), else the first club the user runs, else the first club.
int Get_User_Page_Team();
// The Draft page's round (preference 38, held in 1-7) and year
// (preference 39 when it names a year of the league's span, else the coming
// draft's: next year's while the season runs, the current year's in the
// off-season, when the draft of that year is held).
int Get_Draft_Page_Round();
int Get_Draft_Page_Year();
// The Draft page's tab of round r (1-7) on the headline's line, in design
// units; an empty box for another r.
PAGE_RECT Get_Draft_Round_Tab_Box(int nRound);
// The overall pick on the clock when the page shows the draft under way;
// 0 otherwise.
int Get_Draft_Page_Pick_On_The_Clock();
// The day the Games page shows: the current day once a game of it has
// begun, else the last day before it whose games are over (the last round
// played, in the playoffs as in the regular season); -1 none.
int Get_Games_Page_Week();
