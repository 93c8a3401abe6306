// The Calendar page's clicks over the pages' small league (day 3: A at home
// to C, not played): the watch marks of the weeks to come, a mark's click
// from either side flipping the home club's flag, and a click on a week not
// yet played jumping to it through the timeline. Places are worked out by
// hand from the layout's measures: week w's row at x 16 (column 0) or 388,
// y 112 + 34 (w % 11); its mark's box 136-148 across and 3-15 down the row.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "league/league_data.h"
#include "league/team_schedule.h"
#include "pages/calendar_page.h"
#include "pages/page_fixture.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "season/timeline.h"

namespace {

std::vector<int> g_Days;
void Record_Advance(int nDays)
{
    g_Days.push_back(nDays);
}

class CalendarPageTest : public PageLeagueTest {
protected:
    void SetUp() override
    {
        PageLeagueTest::SetUp();
        g_Days.clear();
        Set_Timeline_Day_Advancer(Record_Advance);
        shell_requests::Reset();
    }
    void TearDown() override
    {
        Set_Timeline_Day_Advancer(nullptr);
        ui::Reset();
    }
    // The page painted at twice the design size.
    const CANVAS_RECT Area{0, 0, 2 * PAGE_DESIGN_WIDTH, 2 * PAGE_DESIGN_HEIGHT};
    static int Row_Top(int nWeek) { return 112 + 34 * (nWeek % 11); }
    static int Row_Left(int nWeek) { return nWeek < 11 ? 16 : 388; }
    // The middle of week w's mark, in the area's pixels.
    void Click_Mark(int nWeek) { Calendar_Page_Click(2 * (Row_Left(nWeek) + 142), 2 * (Row_Top(nWeek) + 9), Area); }
    void Click_Row(int nWeek) { Calendar_Page_Click(2 * (Row_Left(nWeek) + 250), 2 * (Row_Top(nWeek) + 20), Area); }
    static int Home_Entry_Flag(int nTeam, int nWeek) { return Get_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_PBP_FLAG); }
};

TEST_F(CalendarPageTest, WeeksToComeWithAGameCarryAWatchMark)
{
    ASSERT_TRUE(Schedule_Game(D, A, 12, 6, 1300));
    EXPECT_FALSE(Has_Calendar_Watch_Mark(A, 0));   // played
    EXPECT_FALSE(Has_Calendar_Watch_Mark(A, 2));   // open date, past
    EXPECT_TRUE(Has_Calendar_Watch_Mark(A, 3));
    EXPECT_FALSE(Has_Calendar_Watch_Mark(A, 5));   // no game
    EXPECT_TRUE(Has_Calendar_Watch_Mark(A, 12));
    EXPECT_FALSE(Has_Calendar_Watch_Mark(A, 22));
    const PAGE_RECT Row{16, Row_Top(3), 380, Row_Top(3) + 32};
    const PAGE_RECT Box = Get_Calendar_Watch_Box(Row);
    EXPECT_EQ(Box.nLeft, 152);
    EXPECT_EQ(Box.nTop, 217);
    EXPECT_EQ(Box.nRight, 164);
    EXPECT_EQ(Box.nBottom, 229);
    // The hit test: the mark, the row beside it, nothing between columns.
    EXPECT_EQ(Calendar_Page_Hit(155, 220).nWeek, 3);
    EXPECT_TRUE(Calendar_Page_Hit(155, 220).bMark);
    EXPECT_EQ(Calendar_Page_Hit(300, 230).nWeek, 3);
    EXPECT_FALSE(Calendar_Page_Hit(300, 230).bMark);
    EXPECT_EQ(Calendar_Page_Hit(155, 112 + 9).nWeek, 0);
    EXPECT_FALSE(Calendar_Page_Hit(155, 112 + 9).bMark);   // a played week has no mark
    EXPECT_EQ(Calendar_Page_Hit(383, 220).nWeek, -1);
    EXPECT_EQ(Calendar_Page_Hit(400, 100).nWeek, -1);
    // In the off-season no week is to come.
    League.Preferences.nInt[PREF_CURRENT_WEEK] = OFFSEASON_WEEK;
    EXPECT_FALSE(Has_Calendar_Watch_Mark(A, 12));
}

TEST_F(CalendarPageTest, TheMarkFlipsTheHomeClubsFlagFromEitherSide)
{
    // C visits A in week 3: C's click flips the flag on A's entry.
    Set_Selected_Team(C);
    Click_Mark(3);
    EXPECT_EQ(Home_Entry_Flag(A, 3), 1);
    EXPECT_EQ(Home_Entry_Flag(C, 3), 0);
    EXPECT_EQ(Get_Calendar_PBP_Flag(A, 3), 1);
    EXPECT_EQ(Get_Calendar_PBP_Flag(C, 3), 1);
    EXPECT_EQ(shell_requests::Count(REQUEST_MAIN_WINDOW_REPAINT), 1);
    // The page shows the box crossed, for both clubs.
    const auto Crossed = [](int nTeam) {
        Set_Selected_Team(nTeam);
        for (const PAGE_TEXT& Text : Layout_Calendar_Page().Texts)
            if (Text.Text == "X" && Text.Box.nLeft == 152 && Text.Box.nTop == 217)
                return true;
        return false;
    };
    EXPECT_TRUE(Crossed(C));
    EXPECT_TRUE(Crossed(A));
    // A's own click flips it back.
    Set_Selected_Team(A);
    Click_Mark(3);
    EXPECT_EQ(Get_Calendar_PBP_Flag(A, 3), 0);
    EXPECT_EQ(Get_Calendar_PBP_Flag(C, 3), 0);
    EXPECT_FALSE(Crossed(A));
    // A mark's click plays nothing; a played week's place flips nothing.
    Click_Mark(0);
    EXPECT_EQ(Get_Calendar_PBP_Flag(A, 0), 0);
    EXPECT_TRUE(g_Days.empty());
}

TEST_F(CalendarPageTest, AWeekNotYetPlayedIsJumpedTo)
{
    Set_Selected_Team(A);
    // The leagues' champions meet in a final: its day has a row.
    Set_Universe_Word(INTER_LEAGUE_FINAL_WORD, 1);
    // The current week: "Play one week?".
    ui::Queue_Answer(ID_YES);
    Click_Row(3);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Play one week?");
    EXPECT_EQ(g_Days, (std::vector<int>{1}));
    // Week 7 (day 6): three days.
    ui::Reset();
    g_Days.clear();
    ui::Queue_Answer(ID_YES);
    Click_Row(6);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Simulate the next 3 weeks?");
    EXPECT_EQ(g_Days, (std::vector<int>{3}));
    // The Wild Card row (day 17) from day 3: 14 days, then none. Three wild
    // cards make league 0's field 5, which plays a wild-card round.
    League.Universe.nStat[WILD_CARD_TEAMS] = 3;
    EXPECT_EQ(Calendar_Page_Hit(Row_Left(17) + 250, Row_Top(17) + 20).nWeek, 17);
    ui::Reset();
    g_Days.clear();
    ui::Queue_Answer(ID_YES);
    Click_Row(17);
    EXPECT_EQ(g_Days, (std::vector<int>{14, 0}));
    // Without wild cards a field of 2 plays neither the wild-card nor the
    // division round: no row is theirs, and the conference round's (day 19)
    // takes the Wild Card row's place.
    League.Universe.nStat[WILD_CARD_TEAMS] = 0;
    for (int i = 0; i < SCHEDULE_WEEKS; ++i) {
        const int nWeek = Calendar_Page_Hit(Row_Left(i) + 250, Row_Top(i) + 20).nWeek;
        EXPECT_TRUE(nWeek != 17 && nWeek != 18) << i;
    }
    EXPECT_EQ(Calendar_Page_Hit(Row_Left(17) + 250, Row_Top(17) + 20).nWeek, 19);
    EXPECT_EQ(Calendar_Page_Hit(Row_Left(19) + 250, Row_Top(19) + 20).nWeek, 21);
    EXPECT_EQ(Calendar_Page_Hit(Row_Left(20) + 250, Row_Top(20) + 20).nWeek, -1);
    // Weeks played, and the whole page in the off-season: nothing.
    ui::Reset();
    g_Days.clear();
    Click_Row(1);
    League.Preferences.nInt[PREF_CURRENT_WEEK] = OFFSEASON_WEEK;
    Click_Row(12);
    EXPECT_TRUE(g_Days.empty());
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    // Outside the area: nothing.
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 3;
    Calendar_Page_Click(-5, 100, Area);
    Calendar_Page_Click(5000, 100, Area);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

}  // namespace
