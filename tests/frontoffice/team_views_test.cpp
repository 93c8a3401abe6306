// The Offense and Defense views through the real dialogs: a club's depth
// chart by position, in the order the games read it, its starters marked,
// the hurt listed last; the club combo and the other side's button.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontoffice/team_views.h"
#include "league/player.h"
#include "league/player_fixture.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/dialogs.h"
#include "platform/ui.h"

namespace {

class TeamViewsTest : public PlayerTest {
protected:
    void SetUp() override
    {
        PlayerTest::SetUp();
        dialogs::Reset();
        ui::Reset();
        Use_Franchises(2);
        Set_Team_String("Dallas", 0, 1);
        Set_Team_String("Stars", 0, 2);
        Set_Team_String("Boston", 1, 1);
        Set_Team_String("Owls", 1, 2);
        // Club 0, in roster order: the chart reads a position's healthy
        // players in this order.
        Put(0, 0, 1, POSITION_WR, "Wes", "Wright", 1990, 80.0f);
        Put(0, 1, 2, POSITION_QB, "Quinn", "Adams", 1992, 75.0f);
        Put(0, 2, 3, POSITION_QB, "Bo", "Baker", 1989, 80.0f).nVital[VITAL_INJURY_WEEKS] = 3;
        Put(0, 3, 4, POSITION_QB, "Cal", "Cole", 1996, 70.0f);
        Put(0, 4, 5, POSITION_WR, "Will", "West", 1994, 75.0f);
        Put(0, 5, 6, POSITION_WR, "Walt", "Wood", 1997, 70.0f);
        Put(0, 6, 7, POSITION_K, "Kai", "Kent", 1988, 75.0f);
        Put(0, 7, 8, POSITION_DE, "Dee", "Ends", 1993, 80.0f).nVital[VITAL_INJURY_WEEKS] = 1;
        Put(0, 8, 9, POSITION_P, "Pat", "Punt", 1991, 70.0f);
        Put(0, 9, 10, POSITION_LB, "Lou", "Lane", 1995, 75.0f);
        // Club 1: one quarterback.
        Put(1, 0, 11, POSITION_QB, "Ola", "Owl", 1990, 80.0f);
    }
    void TearDown() override
    {
        dialogs::Reset();
        ui::Reset();
    }

    static PLAYER& Put(int nTeam, int nSlot, int nID, int nPosition, const char* szFirst, const char* szLast,
                       int nBirthYear, float fRating)
    {
        PLAYER& Player = Put_Player(nTeam, nSlot, nID, nPosition, fRating);
        Player.nVital[VITAL_BIRTH_DATE] = nBirthYear * 10000 + 101;
        Player.nVital[VITAL_INJURY] = -1;
        Set_Player_First_Name(nTeam, nSlot, szFirst);
        Set_Player_Last_Name(nTeam, nSlot, szLast);
        return Player;
    }

    // The rows as shown, with the Overall cell checked against the
    // league's overall rating of the row's player (truncated) and then
    // replaced by "*": the view shows the rating, the league works it out.
    static std::vector<std::vector<std::string>> Shown_Rows(const DIALOG_RECORD& Record)
    {
        std::vector<std::vector<std::string>> Rows;
        const DIALOG_CONTROL* pList = Record.Find(TEAM_VIEW_LIST);
        if (pList == nullptr)
            return Rows;
        for (int r = 0; r < static_cast<int>(pList->Rows.size()); ++r) {
            std::vector<std::string> Cells = Row_Texts_Shown(*pList, r);
            const int64_t nKey = pList->Rows[static_cast<size_t>(r)].nData;
            const int nTeam = static_cast<int>(nKey / PLAYERS_PER_TEAM);
            const int nSlot = static_cast<int>(nKey % PLAYERS_PER_TEAM);
            EXPECT_EQ(Cells.at(TEAM_VIEW_COLUMN_OVERALL),
                      std::to_string(static_cast<int>(Get_Player_Overall_Rating(nTeam, nSlot))));
            Cells[TEAM_VIEW_COLUMN_OVERALL] = "*";
            Rows.push_back(Cells);
        }
        return Rows;
    }

    static DIALOG_ACTION Action(int nKind, int nControl, int nValue = 0)
    {
        DIALOG_ACTION A;
        A.nKind = nKind;
        A.nControl = nControl;
        A.nValue = nValue;
        return A;
    }
};

using ROWS = std::vector<std::vector<std::string>>;

}  // namespace

TEST_F(TeamViewsTest, OffenseListsEachPositionsChartThenItsHurt)
{
    EXPECT_EQ(Show_Offense_View(0), DIALOG_OK);
    ASSERT_EQ(dialogs::Records().size(), 1u);
    const DIALOG_RECORD& Record = dialogs::Records().back();
    EXPECT_EQ(Record.nDialogId, OFFENSE_VIEW_DIALOG);
    EXPECT_EQ(Record.Final_Title, "Offense");
    const DIALOG_CONTROL* pList = Record.Find(TEAM_VIEW_LIST);
    ASSERT_NE(pList, nullptr);
    EXPECT_EQ(Column_Texts_Shown(*pList),
              (std::vector<std::string>{"Pos", "Depth", "Player", "Age", "Overall", "Status"}));
    // 2019: born 1992 is 27. The hurt quarterback of slot 2 is off the chart,
    // so the third quarterback backs up the first; two receivers start.
    const ROWS Expected = {
        {"QB", "1", "Quinn Adams", "27", "*", "Starter"},
        {"QB", "2", "Cal Cole", "23", "*", "Backup"},
        {"QB", "", "Bo Baker", "30", "*", "Injured (3 weeks)"},
        {"WR", "1", "Wes Wright", "29", "*", "Starter"},
        {"WR", "2", "Will West", "25", "*", "Starter"},
        {"WR", "3", "Walt Wood", "22", "*", "Backup"},
        {"K", "1", "Kai Kent", "31", "*", "Starter"},
    };
    EXPECT_EQ(Shown_Rows(Record), Expected);
    // The rows are keyed by club x 100 + slot.
    EXPECT_EQ(pList->Rows[2].nData, 2);
    const DIALOG_CONTROL* pClubs = Record.Find(TEAM_VIEW_CLUB_COMBO);
    ASSERT_NE(pClubs, nullptr);
    EXPECT_EQ(pClubs->Items, (std::vector<std::string>{"Dallas Stars", "Boston Owls"}));
    EXPECT_EQ(pClubs->nSelected, 0);
    EXPECT_EQ(Record.Find(TEAM_VIEW_OTHER_BUTTON)->Text, "&Defense...");
}

TEST_F(TeamViewsTest, DefenseListsTheDefendersAndThePunter)
{
    EXPECT_EQ(Show_Defense_View(0), DIALOG_OK);
    const DIALOG_RECORD& Record = dialogs::Records().back();
    EXPECT_EQ(Record.nDialogId, DEFENSE_VIEW_DIALOG);
    EXPECT_EQ(Record.Final_Title, "Defense");
    const ROWS Expected = {
        {"DE", "", "Dee Ends", "26", "*", "Injured (1 week)"},
        {"LB", "1", "Lou Lane", "24", "*", "Starter"},
        {"P", "1", "Pat Punt", "28", "*", "Starter"},
    };
    EXPECT_EQ(Shown_Rows(Record), Expected);
    EXPECT_EQ(Record.Find(TEAM_VIEW_OTHER_BUTTON)->Text, "&Offense...");
}

TEST_F(TeamViewsTest, TheComboShowsAnotherClubAndTheButtonTheOtherSide)
{
    dialogs::Queue_Action(OFFENSE_VIEW_DIALOG, Action(ACTION_SELECT, TEAM_VIEW_CLUB_COMBO, 1));
    dialogs::Queue_Action(OFFENSE_VIEW_DIALOG, Action(ACTION_PRESS, TEAM_VIEW_OTHER_BUTTON));
    dialogs::Queue_Action(OFFENSE_VIEW_DIALOG, Action(ACTION_PRESS, TEAM_VIEW_DONE_BUTTON));
    const LEAGUE_SNAPSHOT Before;
    EXPECT_EQ(Show_Offense_View(0), DIALOG_OK);
    EXPECT_TRUE(Before.Unchanged());   // a view stores nothing
    // The Defense view of club 1 opened from it and closed first.
    ASSERT_EQ(dialogs::Records().size(), 2u);
    const DIALOG_RECORD& Defense = dialogs::Records()[0];
    EXPECT_EQ(Defense.nDialogId, DEFENSE_VIEW_DIALOG);
    EXPECT_EQ(Defense.Find(TEAM_VIEW_CLUB_COMBO)->nSelected, 1);
    EXPECT_TRUE(Shown_Rows(Defense).empty());
    const DIALOG_RECORD& Offense = dialogs::Records()[1];
    EXPECT_EQ(Shown_Rows(Offense), (ROWS{{"QB", "1", "Ola Owl", "29", "*", "Starter"}}));

    // A club not in use: the viewed club of preference 28.
    Set_User_Preference(PREF_CURRENT_TEAM, 1);
    EXPECT_EQ(Show_Defense_View(5), DIALOG_OK);
    EXPECT_EQ(dialogs::Records().back().Find(TEAM_VIEW_CLUB_COMBO)->nSelected, 1);
    // Escape closes it too.
    DIALOG_ACTION Escape;
    Escape.nKind = ACTION_CANCEL;
    dialogs::Queue_Action(DEFENSE_VIEW_DIALOG, Escape);
    EXPECT_EQ(Show_Defense_View(0), DIALOG_CANCEL);
}

TEST_F(TeamViewsTest, RowsOfTheServiceFollowTheChartWhenTheHurtHeal)
{
    // Healed, the quarterback of slot 2 takes his roster place on the
    // chart: second, ahead of slot 3.
    Set_Player_Vital_Stat(0, 2, VITAL_INJURY_WEEKS, 0);
    const std::vector<TEAM_VIEW_ROW> Rows = Get_Team_View_Rows(0, TEAM_VIEW_OFFENSE);
    ASSERT_GE(Rows.size(), 3u);
    EXPECT_EQ(Rows[0].nSlot, 1);
    EXPECT_EQ(Rows[1].nSlot, 2);
    EXPECT_EQ(Rows[1].nDepth, 1);
    EXPECT_FALSE(Rows[1].bStarter);
    EXPECT_EQ(Rows[2].nSlot, 3);
    EXPECT_EQ(Rows[2].nDepth, 2);
    EXPECT_TRUE(Get_Team_View_Rows(7, TEAM_VIEW_OFFENSE).empty());   // no club there
    EXPECT_EQ(Get_Team_View_Positions(TEAM_VIEW_DEFENSE),
              (std::vector<int>{POSITION_DE, POSITION_DT, POSITION_LB, POSITION_CB, POSITION_S, POSITION_P}));
}
