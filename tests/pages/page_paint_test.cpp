// The pages painted on the canvas: nothing drawn outside the page's area,
// the rows where their layouts put them at any scale, and the main window's
// client (page, status bar, news bar) painted whole.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/preferences.h"
#include "league/team.h"
#include "pages/page_fixture.h"
#include "pages/page_layout.h"
#include "pages/page_paint.h"
#include "pages/score_boxes.h"
#include "platform/canvas.h"
#include "shell/main_window.h"
#include "shell/news_bar.h"
#include "shell/owner_hall_of_fame.h"
#include "shell/status_bar.h"

namespace {

constexpr uint32_t SENTINEL = 0xFFFF00FF;   // opaque magenta, premultiplied as is

const int ALL_PAGES[] = {MAIN_PAGE_FRONT,    MAIN_PAGE_STANDINGS, MAIN_PAGE_CALENDAR, MAIN_PAGE_GAMES,
                         MAIN_PAGE_PLAYOFFS, MAIN_PAGE_CHAMPIONS, MAIN_PAGE_DRAFT};

uint32_t Opaque(uint32_t nRGB)
{
    return 0xFF000000u | nRGB;
}

// Whether any pixel of the rectangle is dark ink (every channel below 0x80).
bool Has_Ink(const CANVAS& Canvas, const CANVAS_RECT& rc)
{
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x) {
            const uint32_t p = Canvas.Get_Pixel(x, y);
            if (((p >> 16) & 0xFF) < 0x80 && ((p >> 8) & 0xFF) < 0x80 && (p & 0xFF) < 0x80)
                return true;
        }
    return false;
}

using PagePaintTest = PageLeagueTest;

TEST_F(PagePaintTest, NothingIsDrawnOutsideThePageArea)
{
    CANVAS Canvas(1000, 700);
    const CANVAS_RECT rcArea{100, 50, 868, 557};
    for (int nPage : ALL_PAGES) {
        Canvas.Clear(Argb_Color(SENTINEL));
        Paint_Main_Page(Canvas, nPage, rcArea);
        int nOutside = 0;
        for (int y = 0; y < Canvas.Height(); ++y)
            for (int x = 0; x < Canvas.Width(); ++x) {
                const bool bInside = x >= rcArea.left && x < rcArea.right && y >= rcArea.top && y < rcArea.bottom;
                if (!bInside && Canvas.Get_Pixel(x, y) != SENTINEL)
                    ++nOutside;
            }
        EXPECT_EQ(nOutside, 0) << "page " << nPage;
        // The area's corners are paper.
        EXPECT_EQ(Canvas.Get_Pixel(rcArea.left, rcArea.top), Opaque(PAGE_PAPER_RGB)) << nPage;
        EXPECT_EQ(Canvas.Get_Pixel(rcArea.right - 1, rcArea.bottom - 1), Opaque(PAGE_PAPER_RGB)) << nPage;
        EXPECT_EQ(Get_Page_Cache_Marker(), nPage);
    }
    // An area reaching past the canvas is cut at its edge.
    Canvas.Clear(Argb_Color(SENTINEL));
    Paint_Main_Page(Canvas, MAIN_PAGE_STANDINGS, CANVAS_RECT{500, 400, 1268, 907});
    EXPECT_EQ(Canvas.Get_Pixel(499, 699), SENTINEL);
    EXPECT_EQ(Canvas.Get_Pixel(500, 400), Opaque(PAGE_PAPER_RGB));
}

TEST_F(PagePaintTest, StandingsRowsAreWhereTheLayoutPutsThem)
{
    // At the design size one unit is one pixel. Bravos' row (the second of
    // division 0: y 125-140, x 14-382) is shaded; the Alphas' row above it
    // (y 110-125) is paper, and both rows carry ink where their names are.
    CANVAS Canvas(768, 507);
    Paint_Main_Page(Canvas, MAIN_PAGE_STANDINGS, Canvas.Bounds());
    EXPECT_EQ(Canvas.Get_Pixel(200, 126), Opaque(PAGE_SHADE_RGB));
    EXPECT_EQ(Canvas.Get_Pixel(200, 139), Opaque(PAGE_SHADE_RGB));
    EXPECT_EQ(Canvas.Get_Pixel(200, 112), Opaque(PAGE_PAPER_RGB));
    EXPECT_EQ(Canvas.Get_Pixel(200, 141), Opaque(PAGE_PAPER_RGB));
    EXPECT_TRUE(Has_Ink(Canvas, CANVAS_RECT{18, 110, 100, 125}));
    EXPECT_TRUE(Has_Ink(Canvas, CANVAS_RECT{18, 125, 100, 140}));
    // The rule under the division heading (y 96, one unit) is ink across.
    EXPECT_EQ(Canvas.Get_Pixel(200, 96), Opaque(PAGE_INK_RGB));
    // Twice the size: everything twice as far.
    CANVAS Large(1536, 1014);
    Paint_Main_Page(Large, MAIN_PAGE_STANDINGS, Large.Bounds());
    EXPECT_EQ(Large.Get_Pixel(400, 252), Opaque(PAGE_SHADE_RGB));
    EXPECT_EQ(Large.Get_Pixel(400, 278), Opaque(PAGE_SHADE_RGB));
    EXPECT_EQ(Large.Get_Pixel(400, 224), Opaque(PAGE_PAPER_RGB));
    EXPECT_EQ(Large.Get_Pixel(400, 192), Opaque(PAGE_INK_RGB));
    EXPECT_EQ(Large.Get_Pixel(400, 193), Opaque(PAGE_INK_RGB));
}

// The nicknames of the shipped league (data/league/franchises.csv, the
// third field of every line after the header).
std::vector<std::string> Shipped_Nicknames()
{
    const char* szSource = std::getenv("KELVO_SOURCE_DIR");
    std::ifstream File(std::string(szSource != nullptr ? szSource : "..") + "/data/league/franchises.csv");
    std::vector<std::string> Nicknames;
    std::string Line;
    std::getline(File, Line);
    while (std::getline(File, Line)) {
        std::stringstream Fields(Line);
        std::string Nickname;
        for (int n = 0; n < 3; ++n)
            std::getline(Fields, Nickname, ',');
        Nicknames.push_back(Nickname);
    }
    return Nicknames;
}

// Every text of the Standings fits its box, at the design size and in the
// window's page area (1024 x 676; a taller area at start-up sets the same
// type in the same widths), the user's club in bold too: the Alphas,
// unbeaten, show "1.000" whole, not "1.0...". League 0 has four divisions,
// as the shipped league's leagues have: every nickname of the shipped
// league, plain and bold, shows whole in each ("Rainmakers", not
// "Rainmak..."), and the figure column holds the widest text of every
// figure it can be given.
TEST_F(PagePaintTest, EveryStandingsTextFitsItsBox)
{
    const std::vector<std::string> Nicknames = Shipped_Nicknames();
    ASSERT_GE(Nicknames.size(), 32u);
    League.Team[B].nTeamStat[TEAM_STAT_DIVISION] = 1;
    League.Team[C].nTeamStat[TEAM_STAT_DIVISION] = 2;
    League.Team[D].nTeamStat[TEAM_STAT_DIVISION] = 3;
    Count_Teams();
    const CANVAS_RECT AREAS[] = {CANVAS_RECT{0, 0, PAGE_DESIGN_WIDTH, PAGE_DESIGN_HEIGHT}, CANVAS_RECT{0, 0, 1024, 676},
                                 CANVAS_RECT{0, 0, 1280, 845}};
    // The widest text of each kind of figure: a percentage (third and
    // fourth downs, completions), a record with ties (the conference's), a
    // streak, yards a game, the time of possession, a rank, the turnover
    // margin, a count.
    const char* const WIDEST_FIGURES[] = {"100.0%", "12-4-1", "W17", "999.9", "60:00", "#36", "+99", "999"};
    bool bUnbeaten = false;
    int nNicknamesShown = 0;
    int nFiguresMeasured = 0;
    // A club in each division carries each nickname in turn, the Alphas
    // plain, then as the user's club in bold.
    for (size_t n = 0; n < Nicknames.size() * 2; ++n) {
        const std::string& Nickname = Nicknames[n / 2];
        for (int t : {A, B, C, D})
            Set_Team_String(Nickname.c_str(), t, TEAM_STRING_NICKNAME);
        League.Team[A].nTeamStat[TEAM_STAT_CONTROLLER] = n % 2 == 0 ? CONTROLLER_COMPUTER : CONTROLLER_USER;
        const PAGE_LAYOUT Layout = Layout_Standings_Page();
        for (const CANVAS_RECT& rcArea : AREAS)
            for (const PAGE_TEXT& Text : Layout.Texts) {
                bUnbeaten = bUnbeaten || (Text.Text == "1.000" && Text.nType == TYPE_BODY_BOLD);
                nNicknamesShown += Text.Text == Nickname ? 1 : 0;
                const CANVAS_FONT Font = Page_Type_Font(Text.nType, rcArea);
                const int nRoom = Scale_Page_Rect(Text.Box, rcArea).Width();
                EXPECT_LE(Measure_Text(Font, Text.Text.c_str()), nRoom)
                    << Text.Text << " in " << rcArea.Width() << " x " << rcArea.Height();
                // The figure column: the Alphas' "2-0" of their last three.
                if (Text.Text != "2-0" || Text.nType == TYPE_SMALL)
                    continue;
                for (const char* szFigure : WIDEST_FIGURES) {
                    ++nFiguresMeasured;
                    EXPECT_LE(Measure_Text(Font, szFigure), nRoom)
                        << szFigure << " in " << rcArea.Width() << " x " << rcArea.Height();
                }
            }
    }
    EXPECT_TRUE(bUnbeaten);
    // Four clubs' rows, each layout, each area.
    EXPECT_EQ(nNicknamesShown, static_cast<int>(Nicknames.size() * 2 * 4 * std::size(AREAS)));
    EXPECT_EQ(nFiguresMeasured, static_cast<int>(Nicknames.size() * 2 * std::size(AREAS) * std::size(WIDEST_FIGURES)));
}

// The corner box's date line shows every week's name whole, "Conference
// Championship" too: a name too wide for the line is set smaller, by
// measurement at the design size and in the window's page areas, in the
// Leaders page's raised box as in the others. The box keeps its place and
// size, and a name that fits keeps the box's own type.
TEST_F(PagePaintTest, EveryWeekNameFitsTheDateBox)
{
    for (bool bLeaders : {false, true}) {
        const PAGE_RECT Box = Get_Corner_Box_Rect(bLeaders);
        EXPECT_EQ(Box.nLeft, 668);
        EXPECT_EQ(Box.nRight, 760);
        EXPECT_EQ(Box.nTop, bLeaders ? 14 : 25);
        EXPECT_EQ(Box.nBottom, bLeaders ? 43 : 54);
    }
    const CANVAS_RECT AREAS[] = {CANVAS_RECT{0, 0, PAGE_DESIGN_WIDTH, PAGE_DESIGN_HEIGHT}, CANVAS_RECT{0, 0, 1024, 676},
                                 CANVAS_RECT{0, 0, 1280, 845}};
    std::set<std::string> Names;
    bool bShrunk = false;
    const auto Check = [&](const char* szName) {
        Names.insert(szName);
        for (const CANVAS_RECT& rcArea : AREAS)
            for (bool bLeaders : {false, true}) {
                const CANVAS_RECT rcLine = Get_Corner_Line_Text_Rect(rcArea, bLeaders, 1);
                const CANVAS_FONT Own = Get_Date_Box_Font(rcArea, bLeaders, 1, "");
                const CANVAS_FONT Font = Get_Date_Box_Font(rcArea, bLeaders, 1, szName);
                EXPECT_LE(Measure_Text(Font, szName), rcLine.Width())
                    << szName << " in " << rcArea.Width() << " x " << rcArea.Height();
                if (Measure_Text(Own, szName) <= rcLine.Width()) {
                    EXPECT_EQ(Font.fHeight, Own.fHeight) << szName;
                } else {
                    bShrunk = true;
                    EXPECT_GE(Font.fHeight, Own.fHeight / 2) << szName;
                }
            }
    };
    // Every week of seasons of 14 to 21 regular weeks, before and after the
    // third round was renamed, and the off-season. Three wild cards make
    // league 0's field 5, which plays every round.
    League.Universe.nStat[WILD_CARD_TEAMS] = 3;
    for (int nYear : {1965, 2019}) {
        League.Universe.nStat[FIRST_SEASON_YEAR] = nYear;
        for (int nRegular = 14; nRegular <= 21; ++nRegular) {
            Set_Regular_Season_Weeks(nRegular);
            for (int w = 0; w < SCHEDULE_WEEKS; ++w) {
                char szName[64];
                Get_Week_Name(w, szName);
                Check(szName);
            }
        }
        char szName[64];
        Get_Week_Name(OFFSEASON_WEEK, szName);
        Check(szName);
    }
    for (const char* szName : {"Wild Card", "Division Round", "Conference Championship", "Title Game", "Super Bowl",
                               "Offseason", "Week 1", "Week 21"})
        EXPECT_EQ(Names.count(szName), 1u) << szName;
    // The first line: a year.
    for (const CANVAS_RECT& rcArea : AREAS)
        EXPECT_LE(Measure_Text(Get_Date_Box_Font(rcArea, false, 0, "2019"), "2019"),
                  Get_Corner_Line_Text_Rect(rcArea, false, 0).Width());
    // The longest names do not fit the box's own type: they were set smaller.
    EXPECT_TRUE(bShrunk);

    // Painted so: on the conference day of 2019 the box holds the year and
    // the round's whole name in that smaller type, pixel for pixel.
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
    Set_Regular_Season_Weeks(17);
    Set_User_Preference(PREF_CURRENT_WEEK, 19);
    char szFirst[64];
    char szSecond[64];
    Format_Phase_Labels(szFirst, szSecond, sizeof(szFirst));
    ASSERT_STREQ(szSecond, "Conference Championship");
    const CANVAS_RECT rcArea{0, 0, 1024, 676};
    CANVAS Painted(1024, 676);
    CANVAS Expected(1024, 676);
    Painted.Clear(Argb_Color(SENTINEL));
    Expected.Clear(Argb_Color(SENTINEL));
    Draw_Season_Date_Box(Painted, rcArea, false);
    const CANVAS_RECT rcBox = Scale_Page_Rect(Get_Corner_Box_Rect(false), rcArea);
    Expected.Fill_Rect(rcBox, Rgb_Color(CORNER_PLATE_DARK));
    const char* const LABELS[2] = {szFirst, szSecond};
    const uint32_t COLOURS[2] = {CORNER_LIGHT_FIRST, CORNER_LIGHT_SECOND};
    for (int nLine = 0; nLine < 2; ++nLine)
        Draw_Text_In_Box(Expected, LABELS[nLine], Get_Corner_Line_Text_Rect(rcArea, false, nLine),
                         TEXT_SINGLELINE | TEXT_VCENTER | TEXT_CENTER, false,
                         Get_Date_Box_Font(rcArea, false, nLine, LABELS[nLine]), Rgb_Color(COLOURS[nLine]));
    int nDiffering = 0;
    for (int y = 0; y < 676; ++y)
        for (int x = 0; x < 1024; ++x)
            nDiffering += Painted.Get_Pixel(x, y) != Expected.Get_Pixel(x, y) ? 1 : 0;
    EXPECT_EQ(nDiffering, 0);
}

TEST_F(PagePaintTest, DesignRectanglesScaleAsEnlargeRectangleDoes)
{
    // x by width / 768 and y by height / 507, each truncated, from the
    // area's corner.
    const CANVAS_RECT rc = Scale_Page_Rect(PAGE_RECT{16, 110, 380, 125}, CANVAS_RECT{10, 20, 1034, 740});
    // 16 x 1024 / 768 = 21.3, 110 x 720 / 507 = 156.2, 380 x 1024 / 768 =
    // 506.7, 125 x 720 / 507 = 177.5.
    EXPECT_EQ(rc.left, 31);
    EXPECT_EQ(rc.top, 176);
    EXPECT_EQ(rc.right, 516);
    EXPECT_EQ(rc.bottom, 197);
}

TEST_F(PagePaintTest, MainWindowPaintsPageAndBars)
{
    Create_Main_Window(WINDOW_RECTANGLE{0, 0, 800, 600});
    League.Preferences.nInt[PREF_NEWS_BAR] = 1;
    League.Preferences.nInt[PREF_MAIN_PAGE] = MAIN_PAGE_STANDINGS;
    Set_Main_Client_Size(800, 600);
    Create_Main_Status_Bar();
    Create_News_Bar();
    CANVAS Canvas(800, 600);
    Canvas.Clear(Argb_Color(SENTINEL));
    Paint_Main_Window(Canvas);
    // Page 0-540, status bar 540-576, news bar 576-600: nothing left unpainted.
    int nUnpainted = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            nUnpainted += Canvas.Get_Pixel(x, y) == SENTINEL;
    EXPECT_EQ(nUnpainted, 0);
    EXPECT_EQ(Canvas.Get_Pixel(400, 539), Opaque(PAGE_PAPER_RGB));
    EXPECT_NE(Canvas.Get_Pixel(400, 541), Opaque(PAGE_PAPER_RGB));
    // The news bar's label box on the left, its band beyond it.
    EXPECT_EQ(Canvas.Get_Pixel(2, 578), Opaque(0xA31F1F));
    EXPECT_EQ(Canvas.Get_Pixel(798, 598), Opaque(0x111111));
    Destroy_Main_Window();
}

}  // namespace
