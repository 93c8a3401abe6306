// The Stat Column Chooser (dialog 172) on a player list.

#include <gtest/gtest.h>

#include "editors/column_chooser.h"
#include "platform/menus.h"
#include "player_list_fixture.h"

namespace {

class ColumnChooserTest : public PlayerListTest {
protected:
    void SetUp() override
    {
        PlayerListTest::SetUp();
        Add_Player(0, 0, 0, "Abe", "Zed");
        Add_Player(0, 1, 1, "Bob", "Young");
        Show_Columns({0, 1, 2, 3});
        Fill_Keys({0, 1});
        pChooser = std::make_unique<DIALOG>(COLUMN_CHOOSER_DIALOG, "", Stat_Column_Chooser_Dialog, pView.get());
        pChooser->Send(DIALOG_INIT, 0);
    }

    int Entry_Of(int nCode) const
    {
        for (int i = 0; i < pChooser->Item_Count(IDC_CHOOSER_LIST); ++i)
            if (pChooser->Item_Data(IDC_CHOOSER_LIST, i) == nCode)
                return i;
        return -1;
    }

    std::vector<int> Codes_Shown() const
    {
        std::vector<int> Codes;
        for (int c : pHost->Column_Order(TEST_LIST))
            Codes.push_back(pHost->Column_Tag(TEST_LIST, c));
        return Codes;
    }

    std::vector<int> Selected_Codes() const
    {
        std::vector<int> Codes;
        for (int i : pChooser->Selected_Items(IDC_CHOOSER_LIST))
            Codes.push_back(static_cast<int>(pChooser->Item_Data(IDC_CHOOSER_LIST, i)));
        return Codes;
    }

    std::unique_ptr<DIALOG> pChooser;
};

TEST_F(ColumnChooserTest, TheListOffersEveryCodeButNameInTableOrderWithSeparators)
{
    // 112 codes and the separators before the 14 group starts.
    ASSERT_EQ(pChooser->Item_Count(IDC_CHOOSER_LIST), 112 + 14);
    EXPECT_EQ(pChooser->Item_Text(IDC_CHOOSER_LIST, 0), "Team\tCurrent Team");
    EXPECT_EQ(pChooser->Item_Data(IDC_CHOOSER_LIST, 0), 1);
    EXPECT_EQ(Entry_Of(0), -1);
    // Table order: Team, Pos, Age, Overall, Peak, Depth, Injured, then the
    // separator before "Player Height ".
    EXPECT_EQ(pChooser->Item_Data(IDC_CHOOSER_LIST, 6), 93);
    EXPECT_EQ(pChooser->Item_Data(IDC_CHOOSER_LIST, 7), -1);
    EXPECT_EQ(pChooser->Item_Text(IDC_CHOOSER_LIST, 7), "");
    EXPECT_EQ(pChooser->Item_Text(IDC_CHOOSER_LIST, 8), "Height\tPlayer Height ");
    // A header's leading blanks go.
    EXPECT_EQ(pChooser->Item_Text(IDC_CHOOSER_LIST, Entry_Of(9)), "G  \tGames Played ");
    // The shown columns are selected.
    EXPECT_EQ(Selected_Codes(), (std::vector<int>{1, 2, 3}));
}

TEST_F(ColumnChooserTest, ASeparatorStaysUnselectedAndChangesNothing)
{
    const int nSeparator = 7;
    ASSERT_EQ(pChooser->Item_Data(IDC_CHOOSER_LIST, nSeparator), -1);
    ASSERT_TRUE(pChooser->User_Toggle_Item(IDC_CHOOSER_LIST, nSeparator));
    EXPECT_FALSE(pChooser->Is_Item_Selected(IDC_CHOOSER_LIST, nSeparator));
    EXPECT_EQ(Codes_Shown(), (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(ColumnChooserTest, OnGoesToTheRightInTableOrderOffGoesAtOnce)
{
    // Switched on in the list's order QBR (22) then Passing Yards (19):
    // each joins at the right; together they stand in table order (19 is
    // listed before 22).
    std::vector<int> Selected = pChooser->Selected_Items(IDC_CHOOSER_LIST);
    Selected.push_back(Entry_Of(22));
    Selected.push_back(Entry_Of(19));
    ASSERT_TRUE(pChooser->User_Select_Items(IDC_CHOOSER_LIST, Selected));
    EXPECT_EQ(Codes_Shown(), (std::vector<int>{0, 1, 2, 3, 19, 22}));
    // The new columns are filled: a back has no passing line.
    EXPECT_EQ(Cell_Of(1, 19), " ... ");
    EXPECT_EQ(Cell_Of(0, 19), "0");
    // Off at once, the rows and their order kept.
    ASSERT_TRUE(pChooser->User_Toggle_Item(IDC_CHOOSER_LIST, Entry_Of(2)));
    EXPECT_EQ(Codes_Shown(), (std::vector<int>{0, 1, 3, 19, 22}));
    EXPECT_EQ(Row_Keys(), (std::vector<int>{0, 1}));
    EXPECT_EQ(Cell_Of(1, 19), " ... ");
    // A column already shown, selected again: nothing changes.
    ASSERT_TRUE(pChooser->User_Toggle_Item(IDC_CHOOSER_LIST, Entry_Of(40)));
    ASSERT_TRUE(pChooser->User_Toggle_Item(IDC_CHOOSER_LIST, Entry_Of(40)));
    EXPECT_EQ(Codes_Shown(), (std::vector<int>{0, 1, 3, 19, 22}));
}

TEST_F(ColumnChooserTest, ClearAllThenDoneLeavesNameAlone)
{
    ASSERT_TRUE(pChooser->User_Press(IDC_CHOOSER_CLEAR));
    EXPECT_TRUE(pChooser->Selected_Items(IDC_CHOOSER_LIST).empty());
    EXPECT_EQ(Codes_Shown(), (std::vector<int>{0, 1, 2, 3}));   // not yet applied
    ASSERT_TRUE(pChooser->User_Press(IDC_CHOOSER_DONE));
    EXPECT_TRUE(pChooser->Ended());
    EXPECT_EQ(pChooser->Result(), 1);
    EXPECT_EQ(Codes_Shown(), (std::vector<int>{0}));
    EXPECT_TRUE(pHost->Is_Visible(TEST_LIST));
    EXPECT_TRUE(pChooser->Is_Enabled(IDC_CHOOSER_DONE));
}

TEST_F(ColumnChooserTest, EachGroupButtonGivesItsRow)
{
    const int Buttons[] = {IDC_CHOOSER_DEFAULT,         IDC_CHOOSER_FREE_AGENTS,     IDC_CHOOSER_COLLEGE,
                           IDC_CHOOSER_QB_STATS,        IDC_CHOOSER_QB_RATINGS,      IDC_CHOOSER_SKILL_STATS,
                           IDC_CHOOSER_SKILL_RATINGS,   IDC_CHOOSER_OFFENSIVE_LINE,  IDC_CHOOSER_RETURNS,
                           IDC_CHOOSER_DEFENSIVE_STATS, IDC_CHOOSER_DEFENSIVE_RATINGS, IDC_CHOOSER_KICKING,
                           IDC_CHOOSER_PUNTING,         IDC_CHOOSER_SALARY};
    const std::vector<int> Rows[] = {
        {0, 1, 2, 3, 4, 15, 11, 91, 96},
        {0, 2, 3, 4, 15, 11, 91, 96},
        {0, 2, 3, 4, 97, 12, 13, 15, 98},
        {0, 1, 68, 19, 21, 20, 18, 22, 25, 26},
        {0, 1, 2, 3, 4, 69, 70, 71, 72, 73},
        {0, 1, 2, 26, 27, 28, 30, 31, 33, 100},
        {0, 1, 2, 3, 4, 74, 75, 76, 77, 78, 79},
        {0, 1, 2, 9, 10, 42, 43, 44, 80, 81, 82},
        {0, 1, 2, 34, 36, 37, 38, 40, 41, 94, 95},
        {0, 1, 2, 46, 47, 103, 49, 50, 51, 52, 53},
        {0, 1, 2, 3, 4, 74, 83, 84, 85, 86, 104},
        {0, 1, 2, 63, 101, 65, 64, 66, 67, 87, 88},
        {0, 1, 2, 56, 58, 59, 60, 89, 90},
        {0, 1, 2, 15, 11, 5, 8, 91, 6},
    };
    for (size_t i = 0; i < std::size(Buttons); ++i) {
        ASSERT_TRUE(pChooser->User_Press(Buttons[i])) << Buttons[i];
        EXPECT_EQ(Codes_Shown(), Rows[i]) << "button " << Buttons[i];
        EXPECT_EQ(pHost->Row_Count(TEST_LIST), 2);
        // The list box follows: every shown code but Name selected.
        std::vector<int> Expected(Rows[i].begin() + 1, Rows[i].end());
        std::sort(Expected.begin(), Expected.end(), [](int a, int b) {
            return Get_List_Column_Table_Index(a) < Get_List_Column_Table_Index(b);
        });
        EXPECT_EQ(Selected_Codes(), Expected) << "button " << Buttons[i];
    }
    EXPECT_EQ(Get_Column_Preset_Index(4242), 0);
}

TEST_F(ColumnChooserTest, CancelKeepsWhatWasApplied)
{
    ASSERT_TRUE(pChooser->User_Toggle_Item(IDC_CHOOSER_LIST, Entry_Of(13)));
    ASSERT_TRUE(pChooser->User_Press(IDC_CHOOSER_CANCEL));
    EXPECT_EQ(pChooser->Result(), 0);
    EXPECT_EQ(Codes_Shown(), (std::vector<int>{0, 1, 2, 3, 13}));
}

TEST_F(ColumnChooserTest, FromTheColumnMenuThroughTheScriptedDialog)
{
    pChooser.reset();
    // The menu's first entry opens the chooser; the queued actions toggle
    // Weight on and press "Quarterback Ratings", then Done.
    DIALOG_ACTION Toggle;
    Toggle.nKind = ACTION_TOGGLE;
    Toggle.nControl = IDC_CHOOSER_LIST;
    Toggle.Text = "Weight\tPlayer Weight";
    dialogs::Queue_Action(COLUMN_CHOOSER_DIALOG, Toggle);
    menus::Queue_Popup_Choice(LIST_MENU_CHOOSE_COLUMNS);
    ASSERT_TRUE(pHost->User_Right_Click(TEST_LIST, -1, 0, 0, true));
    EXPECT_EQ(Codes_Shown(), (std::vector<int>{0, 1, 2, 3, 13}));
    ASSERT_FALSE(dialogs::Records().empty());
    EXPECT_EQ(dialogs::Records().back().nDialogId, COLUMN_CHOOSER_DIALOG);
    EXPECT_EQ(dialogs::Records().back().nResult, 1);

    DIALOG_ACTION Press;
    Press.nKind = ACTION_PRESS;
    Press.nControl = IDC_CHOOSER_QB_RATINGS;
    dialogs::Queue_Action(COLUMN_CHOOSER_DIALOG, Press);
    EXPECT_EQ(Run_Stat_Column_Chooser(*pView), 1);
    EXPECT_EQ(Codes_Shown(), (std::vector<int>{0, 1, 2, 3, 4, 69, 70, 71, 72, 73}));
}

}  // namespace
