// The player list view: sorting, layouts, cells, widths, clipboard, totals
// and the column menu, on small leagues built here.

#include <gtest/gtest.h>

#include "editors/player_list_view.h"
#include "league/player_stats.h"
#include "league/team_finance_stats.h"
#include "platform/menus.h"
#include "platform/ui_services.h"
#include "player_list_fixture.h"

namespace {

int Overall(int nTeam, int nSlot)
{
    return Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_PREDICTED, STAT_CODE_OVERALL);
}

int Peak(int nTeam, int nSlot)
{
    return Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_PREDICTED, STAT_CODE_PEAK);
}

// Three quarterbacks of club 0 rated 60, 80 and 70 in everything, and three
// more rated 70 of weights 250, 250 and 220 (slot 2 weighs 200).
class PlayerListSortTest : public PlayerListTest {
protected:
    void SetUp() override
    {
        PlayerListTest::SetUp();
        Add_Player(0, 0, 0, "Abe", "Zed", 60.0f);
        Add_Player(0, 1, 0, "Bob", "Young", 80.0f);
        Add_Player(0, 2, 0, "Cal", "Xavier", 70.0f);
        Add_Player(0, 3, 0, "Dan", "Wolf", 70.0f);
        Add_Player(0, 4, 0, "Eli", "Vance", 70.0f);
        Add_Player(0, 5, 0, "Fay", "Ung", 70.0f);
        const int Weights[6] = {190, 210, 200, 250, 250, 220};
        for (int s = 0; s < 6; ++s)
            Set_Player_Vital_Stat(0, s, VITAL_WEIGHT, Weights[s]);
        Show_Columns({0, 1, 2, 3, 4, 13});
    }
};

TEST_F(PlayerListSortTest, OverallBestFirstThenWorstFirstAndPeakLowestFirst)
{
    // The ratings put the overall grades in the order 80 > 70 > 60.
    ASSERT_GT(Overall(0, 1), Overall(0, 2));
    ASSERT_GT(Overall(0, 2), Overall(0, 0));
    ASSERT_GT(Peak(0, 1), Peak(0, 2));
    ASSERT_GT(Peak(0, 2), Peak(0, 0));
    Fill_Keys({0, 1, 2});
    EXPECT_EQ(Row_Keys(), (std::vector<int>{0, 1, 2}));   // no sort column: key order

    Click_Header(LIST_CODE_OVERALL);
    EXPECT_EQ(pView->nSortColumn, 4);
    EXPECT_EQ(Row_Keys(), (std::vector<int>{1, 2, 0}));
    Click_Header(LIST_CODE_OVERALL);
    EXPECT_EQ(pView->nSortColumn, -4);
    EXPECT_EQ(Row_Keys(), (std::vector<int>{0, 2, 1}));

    Click_Header(LIST_CODE_PEAK);
    EXPECT_EQ(pView->nSortColumn, 5);
    EXPECT_EQ(pView->nPrevSortColumn, -4);
    EXPECT_EQ(Row_Keys(), (std::vector<int>{0, 2, 1}));
    Click_Header(LIST_CODE_PEAK);
    EXPECT_EQ(Row_Keys(), (std::vector<int>{1, 2, 0}));
}

TEST_F(PlayerListSortTest, TiesFollowThePreviousColumnThenTheKey)
{
    ASSERT_EQ(Overall(0, 2), Overall(0, 3));
    ASSERT_EQ(Overall(0, 3), Overall(0, 5));
    Fill_Keys({0, 1, 2, 3, 4, 5});
    // Weight first (heaviest first), then Overall: the four rated 70 follow
    // their weights (250, 250, 220, 200); the two of 250 go by key,
    // ascending, since Weight's first direction is downwards.
    Click_Header(13);
    Click_Header(LIST_CODE_OVERALL);
    EXPECT_EQ(Row_Keys(), (std::vector<int>{1, 3, 4, 5, 2, 0}));

    // Team (first direction upwards) before Overall: every tie is one club,
    // so the keys decide, descending.
    Click_Header(LIST_CODE_TEAM);
    Click_Header(LIST_CODE_OVERALL);
    EXPECT_EQ(Row_Keys(), (std::vector<int>{1, 5, 4, 3, 2, 0}));

    // Team sorts by the club slot, not by the abbreviation's letters: "BBB"
    // of club 1 comes after "AAA" of club 0 either way, so a club named
    // "ZZZ" in slot 0 still stands first.
    Set_Team_String("ZZZ", 0, TEAM_STRING_ABBREVIATION);
    Add_Player(1, 0, 0, "Gus", "Tate", 70.0f);
    Fill_Keys({100, 0, 1});
    Click_Header(LIST_CODE_NAME);
    Click_Header(LIST_CODE_TEAM);
    EXPECT_EQ(Row_Keys(), (std::vector<int>{1, 0, 100}));   // club 0 (Young, Zed) then club 1
}

TEST_F(PlayerListSortTest, NamesCompareLastNamesWithoutCaseThenFirstNames)
{
    Add_Player(1, 0, 4, "Al", "baker");
    Add_Player(1, 1, 4, "Bea", "ADAMS");
    Add_Player(1, 2, 4, "Al", "Adams");
    Add_Player(1, 3, 4, "Carl", "");       // no last name: his first name counts
    Add_Player(1, 4, 4, "Ann", "Cole");
    Fill_Keys({100, 101, 102, 103, 104});
    Click_Header(LIST_CODE_NAME);
    // adams/al, adams/bea, baker, carl, cole
    EXPECT_EQ(Row_Keys(), (std::vector<int>{102, 101, 100, 103, 104}));
    Click_Header(LIST_CODE_NAME);
    EXPECT_EQ(Row_Keys(), (std::vector<int>{104, 103, 100, 101, 102}));
}

TEST_F(PlayerListSortTest, AfterARefillTiesFollowThePlayersNowUnderTheKeys)
{
    Fill_Keys({0, 1, 2, 3, 4, 5});
    Click_Header(13);
    Click_Header(LIST_CODE_OVERALL);
    ASSERT_EQ(Row_Keys(), (std::vector<int>{1, 3, 4, 5, 2, 0}));
    // Slot 3 (250) is released and the roster closes up: the player of
    // slot 5 (220) now stands in slot 3.
    Copy_Player(0, 3, 0, 5);
    Clear_Player(0, 5);
    Fill_Keys({0, 1, 2, 3, 4});
    // 250 (slot 4), 220 (slot 3), 200 (slot 2): a weight left behind under
    // key 3 would put it before slot 4.
    EXPECT_EQ(Row_Keys(), (std::vector<int>{1, 4, 3, 2, 0}));
}

TEST_F(PlayerListSortTest, APeriodChangeSortsTiesByTheNewPeriod)
{
    // Games played (code 9) differ by period: this season 5, 3, 3; last
    // season 1, 2, 9.
    const int ThisSeason[3] = {5, 3, 3};
    const int LastSeason[3] = {1, 2, 9};
    for (int s = 3; s < 6; ++s) {
        Set_Player_Stat(0, s, STAT_PERIOD_THIS_SEASON, STAT_GAMES_PLAYED, ThisSeason[s - 3]);
        Set_Player_Stat(0, s, STAT_PERIOD_LAST_SEASON, STAT_GAMES_PLAYED, LastSeason[s - 3]);
    }
    Show_Columns({0, 1, 9, 13});
    Set_User_Preference(PREF_STAT_PERIOD, STAT_PERIOD_THIS_SEASON);
    Fill_Keys({3, 4, 5});
    Click_Header(9);    // most games first: 5 (slot 3), then 3, 3 by key
    EXPECT_EQ(Row_Keys(), (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(Cell_Of(3, 9), "5");
    Click_Header(13);   // weight: 250, 250, 220; the 250s follow the games
    EXPECT_EQ(Row_Keys(), (std::vector<int>{3, 4, 5}));
    Set_User_Preference(PREF_STAT_PERIOD, STAT_PERIOD_LAST_SEASON);
    Refresh_Numeric_Cells(*pView);
    EXPECT_EQ(Cell_Of(3, 9), "1");
    // Last season slot 4 played 2 games and slot 3 one.
    EXPECT_EQ(Row_Keys(), (std::vector<int>{4, 3, 5}));
}

// --- Layouts ---------------------------------------------------------------------

class PlayerListLayoutTest : public PlayerListTest {
protected:
    static void Store_Layout(int nKind, int nCount, int nSort, const std::vector<int>& Codes)
    {
        const int nBase = 240 + 20 * nKind;
        Set_User_Preference(nBase, nCount);
        Set_User_Preference(nBase + 1, nSort);
        for (int i = 0; i < 18; ++i)
            Set_User_Preference(nBase + 2 + i, i < static_cast<int>(Codes.size()) ? Codes[i] : -1);
    }
    static std::vector<int> Stored_Codes(int nKind)
    {
        std::vector<int> Codes;
        for (int i = 0; i < 18; ++i)
            Codes.push_back(Get_User_Preference(240 + 20 * nKind + 2 + i));
        return Codes;
    }
    std::vector<int> Shown() const
    {
        std::vector<int> Codes(pView->ColumnCodes.begin(), pView->ColumnCodes.begin() + pView->nColumnCount);
        return Codes;
    }
};

TEST_F(PlayerListLayoutTest, DuplicatesAndCodesPastTheTableAreDropped)
{
    Set_List_Kind(1);
    Store_Layout(1, 4, 0, {3, 3, 200, 5});
    Load_List_Column_Layout(*pView);
    EXPECT_EQ(pView->nColumnCount, 2);
    EXPECT_EQ(Shown(), (std::vector<int>{3, 5}));
    EXPECT_EQ(Get_User_Preference(260), 2);
    std::vector<int> Expected(18, -1);
    Expected[0] = 3;
    Expected[1] = 5;
    EXPECT_EQ(Stored_Codes(1), Expected);
}

TEST_F(PlayerListLayoutTest, ACountOfZeroLoadsTheKindsDefaultRow)
{
    Set_List_Kind(2);
    Store_Layout(2, 0, 0, {7, 8});
    Load_List_Column_Layout(*pView);
    EXPECT_EQ(Shown(), (std::vector<int>{0, 2, 3, 4, 97, 12, 13, 15, 98}));
    EXPECT_EQ(Get_User_Preference(280), 9);
    // Nothing legal at all: the defaults too.
    Set_List_Kind(3);
    Store_Layout(3, 5, 0, {-1, 300, 113});
    Load_List_Column_Layout(*pView);
    EXPECT_EQ(Shown(), (std::vector<int>{0, 1, 2, 3, 4, 15, 11, 91, 96}));
}

TEST_F(PlayerListLayoutTest, StoredSortColumnMatchedByMagnitudeOnCodePlusOne)
{
    Set_List_Kind(0);
    Store_Layout(0, 3, -4, {0, 3, 5});   // Overall reversed
    Load_List_Column_Layout(*pView);
    EXPECT_EQ(pView->nSortColumn, -4);
    Store_Layout(0, 3, 6, {0, 3, 5});    // Salary (code 5, stored 6)
    Load_List_Column_Layout(*pView);
    EXPECT_EQ(pView->nSortColumn, 6);
    Store_Layout(0, 3, 5, {0, 3, 5});    // Peak, not shown (code 5 is shown, not 4)
    Load_List_Column_Layout(*pView);
    EXPECT_EQ(pView->nSortColumn, 0);
    EXPECT_EQ(Get_User_Preference(241), 0);
    Store_Layout(0, 3, 1, {0, 3, 5});    // Name
    Load_List_Column_Layout(*pView);
    EXPECT_EQ(pView->nSortColumn, 1);
}

TEST_F(PlayerListLayoutTest, ADraggedColumnIsSavedInScreenOrderAndAtMost18)
{
    Set_List_Kind(1);
    Show_Columns({0, 2, 3, 4});
    pView->nSortColumn = -4;
    // The user drags Overall (column 2) to the front.
    ASSERT_TRUE(pHost->User_Column_Order(TEST_LIST, {2, 0, 1, 3}));
    Save_List_Column_Layout(*pView);
    EXPECT_EQ(Get_User_Preference(260), 4);
    EXPECT_EQ(Get_User_Preference(261), -4);
    std::vector<int> Expected(18, -1);
    Expected[0] = 3;
    Expected[1] = 0;
    Expected[2] = 2;
    Expected[3] = 4;
    EXPECT_EQ(Stored_Codes(1), Expected);
    // And it comes back in that order.
    Load_List_Column_Layout(*pView);
    EXPECT_EQ(Shown(), (std::vector<int>{3, 0, 2, 4}));

    std::vector<int> Twenty;
    for (int c = 0; c < 20; ++c)
        Twenty.push_back(c + 10);
    Show_Columns(Twenty);
    ASSERT_EQ(pHost->Column_Count(TEST_LIST), 20);
    Save_List_Column_Layout(*pView);
    EXPECT_EQ(Get_User_Preference(260), 18);
    std::vector<int> First18(Twenty.begin(), Twenty.begin() + 18);
    EXPECT_EQ(Stored_Codes(1), First18);
}

TEST_F(PlayerListLayoutTest, ResetWritesTheFourKindsDefaults)
{
    Reset_List_Columns();
    EXPECT_EQ(Get_User_Preference(240), 9);
    EXPECT_EQ(Get_User_Preference(260), 8);
    EXPECT_EQ(Get_User_Preference(280), 9);
    EXPECT_EQ(Get_User_Preference(300), 9);
    EXPECT_EQ(Get_User_Preference(262), 0);
    EXPECT_EQ(Get_User_Preference(263), 2);     // Free Agents: no Team
    EXPECT_EQ(Get_User_Preference(286), 97);    // draft pool: CSS fifth
    EXPECT_EQ(Get_User_Preference(270), -1);
    // The chooser's rows.
    EXPECT_EQ(Get_Default_List_Column(4, 2), 68);
    EXPECT_EQ(Get_Default_List_Column(9, 10), 95);
    EXPECT_EQ(Get_Default_List_Column(13, 8), 90);
    EXPECT_EQ(Get_Default_List_Column(13, 9), -1);
    EXPECT_EQ(Get_Default_List_Column(14, 8), 6);
    EXPECT_EQ(Get_Default_List_Column(15, 0), -1);
}

// --- Cells -------------------------------------------------------------------------

TEST_F(PlayerListTest, CellsWriteMoneyHeightsDraftsAndGroups)
{
    Add_Player(0, 0, 0, "Abe", "Zed");
    Set_Player_Vital_Stat(0, 0, VITAL_SALARY, 1250);
    Set_Player_Vital_Stat(0, 0, VITAL_SIGNING_BONUS, 500);
    Set_Player_Vital_Stat(0, 0, VITAL_HEIGHT, 74);
    Set_Player_Vital_Stat(0, 0, VITAL_DRAFT_PICK, 2 * 100000 + 45);
    Set_Player_Vital_Stat(0, 0, VITAL_SEASONS_PLAYED, -2);
    Set_Player_Stat(0, 0, STAT_PERIOD_THIS_SEASON, STAT_PASS_ATTEMPTS, 400);
    Set_Player_Stat(0, 0, STAT_PERIOD_THIS_SEASON, STAT_PASS_COMPLETIONS, 250);
    Set_Player_Stat(0, 0, STAT_PERIOD_THIS_SEASON, STAT_PASSING_YARDS, 3000);
    Add_Player(0, 1, 1, "Bob", "Young");
    Set_Player_Vital_Stat(0, 1, VITAL_SALARY, 0);
    Add_Player(36, 0, 1, "Cal", "Free");
    Set_Player_Vital_Stat(36, 0, VITAL_SALARY, 999);
    Add_Player(37, 0, 1, "Dan", "Famer");
    Set_Player_Vital_Stat(37, 0, VITAL_SALARY, 5000);
    Add_Player(38, 0, 1, "Eli", "Rookie");
    Set_Player_Vital_Stat(38, 0, VITAL_SEASONS_PLAYED, 0);
    Set_Player_Byte_Stat(38, 0, 5, 65);
    Set_User_Preference(PREF_STAT_PERIOD, STAT_PERIOD_THIS_SEASON);

    std::string Text;
    EXPECT_EQ(Format_Stat_Cell(&Text, 5, 0, 0), 1250);
    EXPECT_EQ(Text, "$1.25M");
    EXPECT_EQ(Format_Stat_Cell(&Text, 8, 0, 0), 500);
    EXPECT_EQ(Text, "$500K");
    EXPECT_EQ(Format_Stat_Cell(&Text, 5, 0, 1), 0);
    EXPECT_EQ(Text, "$0");
    Format_Stat_Cell(&Text, 5, 36, 0);
    EXPECT_EQ(Text, "$999K");
    EXPECT_EQ(Format_Stat_Cell(&Text, 5, 37, 0), -1);
    EXPECT_EQ(Text, "\x96");
    Format_Stat_Cell(&Text, 11, 38, 0);
    EXPECT_EQ(Text, "\x96");
    EXPECT_EQ(Format_Stat_Cell(&Text, 6, 38, 0), -1);
    EXPECT_EQ(Text, "\x96");
    EXPECT_EQ(Format_Stat_Cell(&Text, 6, 0, 0), 0);   // a negative count shows 0
    EXPECT_EQ(Text, "0");
    EXPECT_EQ(Format_Stat_Cell(&Text, 12, 0, 0), 74);
    EXPECT_EQ(Text, "6-2");
    EXPECT_EQ(Format_Stat_Cell(&Text, 111, 0, 0), 2);
    EXPECT_EQ(Text, "2");
    EXPECT_EQ(Format_Stat_Cell(&Text, 112, 0, 0), 45);
    EXPECT_EQ(Text, "45");
    // CSS: the pools' byte stat 5 in tenths; an en dash elsewhere.
    EXPECT_EQ(Format_Stat_Cell(&Text, 97, 38, 0), 65);
    EXPECT_EQ(Text, "6.5");
    EXPECT_EQ(Format_Stat_Cell(&Text, 97, 0, 0), -1);
    EXPECT_EQ(Text, "\x96");
    // Passing: a quarterback's; " ... " for the running back.
    EXPECT_EQ(Format_Stat_Cell(&Text, 19, 0, 0), 3000);
    EXPECT_EQ(Text, "3000");
    EXPECT_EQ(Format_Stat_Cell(&Text, 19, 0, 1), -1);
    EXPECT_EQ(Text, " ... ");
    // 250 of 400: 625 per mille, 62.5 %; 3000 / 400 = 7.50 yards.
    EXPECT_EQ(Format_Stat_Cell(&Text, 68, 0, 0), 625);
    EXPECT_EQ(Text, "62.5");
    EXPECT_EQ(Format_Stat_Cell(&Text, 21, 0, 0), 750);
    EXPECT_EQ(Text, "7.50");
    // Defence and kicking cells are not a quarterback's.
    Format_Stat_Cell(&Text, 46, 0, 0);
    EXPECT_EQ(Text, " ... ");
    Format_Stat_Cell(&Text, 64, 0, 0);
    EXPECT_EQ(Text, " ... ");
    // Team and Pos sort by their stored numbers.
    EXPECT_EQ(Format_Stat_Cell(&Text, 1, 0, 1), 0);
    EXPECT_EQ(Text, "AAA");
    EXPECT_EQ(Format_Stat_Cell(&Text, 2, 0, 1), 1);
    EXPECT_EQ(Text, "RB");
    // Name: "Last, First", no sort value.
    EXPECT_EQ(Format_Stat_Cell(&Text, 0, 0, 0), -1);
    EXPECT_EQ(Text, "Zed, Abe");
}

// Tackle %: the linebacker's share of his club's tackle points to a tenth,
// in the cell, its sort value and the copied list alike.
TEST_F(PlayerListTest, TackleShareIsTheClubsShareToATenth)
{
    Add_Player(0, 0, POSITION_LB, "Abe", "Zed");
    Set_Player_Stat(0, 0, STAT_PERIOD_THIS_SEASON, STAT_SOLO_TACKLES, 93);
    Set_Player_Stat(0, 0, STAT_PERIOD_THIS_SEASON, STAT_TACKLE_ASSISTS, 4);
    Set_Player_Stat(0, 0, STAT_PERIOD_THIS_SEASON, STAT_SACKS, 2);
    Set_Team_Totals_Stat(0, TOTALS_DEFENSE, TOTALS_THIS_SEASON, STAT_SOLO_TACKLES, 700);
    Set_Team_Totals_Stat(0, TOTALS_DEFENSE, TOTALS_THIS_SEASON, STAT_TACKLE_ASSISTS, 300);
    Set_Team_Totals_Stat(0, TOTALS_DEFENSE, TOTALS_THIS_SEASON, STAT_SACKS, 30);
    Set_User_Preference(PREF_STAT_PERIOD, STAT_PERIOD_THIS_SEASON);

    // 930 + 20 + 10 points of the club's 7000 + 1500 + 150: 11.098%.
    std::string Text;
    EXPECT_EQ(Format_Stat_Cell(&Text, 103, 0, 0), 111);
    EXPECT_EQ(Text, "11.1%");
    Show_Columns({0, 103});
    Fill_Keys({0});
    Copy_List_To_Clipboard(*pView);
    ASSERT_TRUE(Get_Clipboard_Text(Text));
    EXPECT_EQ(Text, "Name\tTackle %\r\nZed, Abe\t11.1%\r\n");
    // A club without a tackle shows none.
    Set_Team_Totals_Stat(0, TOTALS_DEFENSE, TOTALS_THIS_SEASON, STAT_SOLO_TACKLES, 0);
    Set_Team_Totals_Stat(0, TOTALS_DEFENSE, TOTALS_THIS_SEASON, STAT_TACKLE_ASSISTS, 0);
    Set_Team_Totals_Stat(0, TOTALS_DEFENSE, TOTALS_THIS_SEASON, STAT_SACKS, 0);
    EXPECT_EQ(Format_Stat_Cell(&Text, 103, 0, 0), 0);
    EXPECT_EQ(Text, "0.0%");
}

TEST_F(PlayerListTest, ScaledNumbersAndTotals)
{
    EXPECT_EQ(Format_Scaled_Number(1234, 0), "1234");
    EXPECT_EQ(Format_Scaled_Number(1234, 10), "123.4");
    EXPECT_EQ(Format_Scaled_Number(1234, 100), "12.34");
    EXPECT_EQ(Format_Scaled_Number(1234, 1000), "1.234");
    EXPECT_EQ(Format_Scaled_Number(250, 1000), ".250");
    EXPECT_EQ(Format_Scaled_Number(45, 7), "45%");

    EXPECT_EQ(Format_Column_Total("Tackles (Solo + Asst) ", 1005, false), "Tackles (Solo + Asst): 1,005");
    EXPECT_EQ(Format_Column_Total("Passing Yards", 1000, false), "Passing Yards: 1000");
    EXPECT_EQ(Format_Column_Total("Passing Yards", 999, false), "Passing Yards: 999");
    EXPECT_EQ(Format_Column_Total("Passing Yards", 1234567, false), "Passing Yards: 1,234,567");
    EXPECT_EQ(Format_Column_Total("Passing Yards", 4000000000LL, false), "Passing Yards: 4,000,000,000");
    EXPECT_EQ(Format_Column_Total("Sacks", 125, true), "Sacks: 12.5");
    EXPECT_EQ(Format_Column_Total("Sacks", 10000, true), "Sacks: 1000.0");
    EXPECT_EQ(Format_Column_Total("Sacks", 12345, true), "Sacks: 1,234.5");
    EXPECT_TRUE(Is_Summable_List_Column(46));
    EXPECT_TRUE(Is_Summable_List_Column(49));
    EXPECT_FALSE(Is_Summable_List_Column(3));
    EXPECT_FALSE(Is_Summable_List_Column(47));
}

TEST_F(PlayerListTest, TheRunningTotalAddsInSixtyFourBits)
{
    // Four quarterbacks of a billion passing yards each: 4,000,000,000.
    for (int s = 0; s < 4; ++s) {
        Add_Player(0, s, 0, "Q", "B");
        Set_Player_Stat(0, s, STAT_PERIOD_CAREER, STAT_PASSING_YARDS, 1000000000);
    }
    Add_Player(0, 4, 1, "R", "B");   // " ... " for a back: -1, not added
    Set_User_Preference(PREF_STAT_PERIOD, STAT_PERIOD_CAREER);
    Show_Columns({0, 19});
    Fill_Keys({0, 1, 2, 3, 4});
    Click_Header(19);
    EXPECT_EQ(pView->nRunningTotal, 4000000000LL);
}

TEST_F(PlayerListTest, WidthsAreTheWidestTextPlusTenWithTheSpareShared)
{
    Add_Player(0, 0, 0, "Abe", "Zed");
    Set_Player_Vital_Stat(0, 0, VITAL_SALARY, 1250);
    Add_Player(0, 1, 1, "Bo", "Yu");
    Set_Player_Vital_Stat(0, 1, VITAL_SALARY, 500);
    pHost->Move_Control_By(TEST_LIST, 0, 0, 1, 0);   // 301 units
    ASSERT_EQ(pHost->Control_Pixels(TEST_LIST).cx, 451);
    Show_Columns({0, 2, 5});
    Fill_Keys({0, 1});
    // 6 pixels a character headless. Name: "Zed, Abe" 48 + 10 = 58; Pos:
    // "Pos" 18 + 10 = 28; Salary: "Salary" and "$1.25M" 36 + 10 = 46. The
    // 451 - 132 = 319 spare pixels: 106 each, one more to the first.
    EXPECT_EQ(Measure_List_Column(*pView, 0), 58);
    EXPECT_EQ(Measure_List_Column(*pView, 1), 28);
    EXPECT_EQ(Measure_List_Column(*pView, 2), 46);
    const DIALOG_CONTROL* pList = pHost->Find(TEST_LIST);
    EXPECT_EQ(pList->Columns[0].nWidth, 165);
    EXPECT_EQ(pList->Columns[1].nWidth, 134);
    EXPECT_EQ(pList->Columns[2].nWidth, 152);
    // Wider than the list: no spare, the measures as they are.
    pHost->Move_Control_By(TEST_LIST, 0, 0, -281, 0);   // 20 units, 30 pixels
    Size_List_Columns(*pView);
    EXPECT_EQ(pList->Columns[0].nWidth, 58);
    EXPECT_EQ(pList->Columns[2].nWidth, 46);
}

// --- Clipboard and the column menu -----------------------------------------------------

class PlayerListCopyTest : public PlayerListTest {
protected:
    void SetUp() override
    {
        PlayerListTest::SetUp();
        Add_Player(0, 0, 0, "Abe", "Zed");
        Set_Player_Vital_Stat(0, 0, VITAL_SALARY, 1250);
        Add_Player(0, 1, 1, "Bob", "Young");
        Set_Player_Vital_Stat(0, 1, VITAL_SALARY, 500);
        Add_Player(0, 2, 4, "Cal", "Xavier");
        Set_Player_Vital_Stat(0, 2, VITAL_SALARY, 0);
        Show_Columns({0, 2, 5});
    }
};

TEST_F(PlayerListCopyTest, TheExactBytesOfAThreeRowList)
{
    Fill_Keys({0, 1, 2});
    Copy_List_To_Clipboard(*pView);
    std::string Text;
    ASSERT_TRUE(Get_Clipboard_Text(Text));
    EXPECT_EQ(Text,
              "Name\tPos\tSalary\r\n"
              "Zed, Abe\tQB\t$1250000\r\n"
              "Young, Bob\tRB\t$500000\r\n"
              "Xavier, Cal\tWR\t$0\r\n");
    EXPECT_EQ(List_Cell_To_Clipboard("$2.05B"), "$2050000000");
    EXPECT_EQ(List_Cell_To_Clipboard("$12.50M"), "$12500000");
    EXPECT_EQ(List_Cell_To_Clipboard("12.5"), "12.5");
}

TEST_F(PlayerListCopyTest, ScreenOrderAndTheMenuEntry)
{
    Fill_Keys({0, 1, 2});
    ASSERT_TRUE(pHost->User_Column_Order(TEST_LIST, {2, 0, 1}));
    Click_Header(5);   // Salary, first direction downwards
    menus::Queue_Popup_Choice(LIST_MENU_COPY);
    ASSERT_TRUE(pHost->User_Right_Click(TEST_LIST, -1, 10, 10, true));
    std::string Text;
    ASSERT_TRUE(Get_Clipboard_Text(Text));
    EXPECT_EQ(Text,
              "Salary\tName\tPos\r\n"
              "$1250000\tZed, Abe\tQB\r\n"
              "$500000\tYoung, Bob\tRB\r\n"
              "$0\tXavier, Cal\tWR\r\n");
    ASSERT_FALSE(menus::Popups().empty());
    EXPECT_EQ(menus::Popups().back().Ids, (std::vector<int>{1000, 1001, 1002, 1003}));
}

TEST_F(PlayerListCopyTest, AnEmptyListLeavesTheClipboardAlone)
{
    Set_Clipboard_Text("kept");
    Fill_Keys({});
    Copy_List_To_Clipboard(*pView);
    std::string Text;
    ASSERT_TRUE(Get_Clipboard_Text(Text));
    EXPECT_EQ(Text, "kept");
}

std::string Long_Stat_Line(int nTeam, int nSlot)
{
    return std::string(600, 'x') + std::to_string(nTeam * 100 + nSlot);
}

TEST_F(PlayerListTest, AFullLeagueOfWideColumnsIsCopiedWhole)
{
    for (int t = 0; t < 41; ++t)
        for (int s = 0; s < 100; ++s) {
            Add_Player(t, s, s % 15, "Bartholomew", "Fitzgeraldsonnberg");
            Set_Player_College(t, s, "University Of Somewhere");
        }
    Set_Player_Stat_Line_Formatter(Long_Stat_Line);
    // 18 columns: the long ones and more.
    Show_Columns({0, 96, 98, 107, 1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 15, 91, 97});
    std::vector<int> Keys;
    for (int k = 0; k < 4100; ++k)
        Keys.push_back(k);
    Fill_Keys(Keys);
    ASSERT_EQ(pHost->Row_Count(TEST_LIST), 4100);
    Copy_List_To_Clipboard(*pView);
    Set_Player_Stat_Line_Formatter(nullptr);
    std::string Text;
    ASSERT_TRUE(Get_Clipboard_Text(Text));
    size_t nLines = 0;
    for (size_t n = Text.find("\r\n"); n != std::string::npos; n = Text.find("\r\n", n + 2))
        ++nLines;
    EXPECT_EQ(nLines, 4101u);
    // Every row's stat line is there, the last one too, and each line holds
    // well over 512 bytes.
    EXPECT_NE(Text.find(std::string(600, 'x') + "4099\t"), std::string::npos);
    EXPECT_GT(Text.size(), 4101u * 512u);
    EXPECT_EQ(Text.substr(Text.size() - 2), "\r\n");
}

TEST_F(PlayerListCopyTest, DefaultColumnsFromTheMenu)
{
    Set_List_Kind(1);
    Fill_Keys({0, 1, 2});
    menus::Queue_Popup_Choice(LIST_MENU_DEFAULT_COLUMNS);
    ASSERT_TRUE(pHost->User_Right_Click(TEST_LIST, 0, 10, 10, false));
    std::vector<int> Codes;
    for (int c = 0; c < pHost->Column_Count(TEST_LIST); ++c)
        Codes.push_back(pHost->Column_Tag(TEST_LIST, c));
    EXPECT_EQ(Codes, (std::vector<int>{0, 2, 3, 4, 15, 11, 91, 96}));
    EXPECT_EQ(pHost->Row_Count(TEST_LIST), 3);
}

TEST_F(PlayerListCopyTest, SelectionByKey)
{
    Fill_Keys({0, 1, 2});
    int nTeam = 0;
    int nSlot = 0;
    EXPECT_EQ(Get_List_Selected_Player(*pView, nTeam, nSlot), -1);
    EXPECT_EQ(nTeam, 255);
    EXPECT_EQ(nSlot, 255);
    EXPECT_TRUE(Select_List_Player(*pView, 0, 2));
    EXPECT_EQ(Get_List_Selected_Player(*pView, nTeam, nSlot), 2);
    EXPECT_EQ(nSlot, 2);
    EXPECT_FALSE(Select_List_Player(*pView, 5, 5));
    // A refill keeps the selected player selected.
    Click_Header(5);
    Fill_Keys({0, 1, 2});
    EXPECT_EQ(Get_List_Selected_Player(*pView, nTeam, nSlot), 2);
    EXPECT_EQ(Is_Player_In_List(0, 1, *pView), 1);
    EXPECT_EQ(Is_Player_In_List(0, 7, *pView), 0);
    Clear_List_Selection(*pView);
    EXPECT_EQ(Get_List_Selected_Player(*pView, nTeam, nSlot), -1);
}

TEST_F(PlayerListTest, TopRowAndVisibleRows)
{
    std::vector<int> Keys;
    for (int s = 0; s < 40; ++s) {
        Add_Player(0, s, s % 15, "A", "B");
        Keys.push_back(s);
    }
    Show_Columns({0, 2});
    Fill_Keys(Keys);
    // 100 dialog units high: 162 pixels, 12 rows of 13.
    EXPECT_EQ(Get_List_Visible_Rows(*pView), 12);
    EXPECT_EQ(Get_List_Top_Row(*pView), 0);
    Set_List_Top_Row(*pView, 20);
    EXPECT_EQ(Get_List_Top_Row(*pView), 20);
    // A refill starts at the top again, and the dialog puts it back.
    const int nTop = Get_List_Top_Row(*pView);
    Fill_Keys(Keys);
    Set_List_Top_Row(*pView, nTop);
    EXPECT_EQ(Get_List_Top_Row(*pView), 20);
}

}  // namespace
