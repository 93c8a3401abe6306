// The front office's services to the player lists.
#include <string>

#include "../season/season_cycle_fixture.h"
#include "frontoffice/list_services.h"
#include "frontoffice/player_moves.h"
#include "league/calendar.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "test_support.h"

namespace {

using season_cycle::Build_League;
using season_cycle::Fill_Legal_Club;
using season_cycle::Find_ID;
using season_cycle::Put_Signed_Player;

class PlayerMovesTest : public LeagueTest {};

TEST_F(PlayerMovesTest, TransferMovesThePlayerAndClosesTheRosterUp)
{
    Build_League(2, 1);
    Put_Signed_Player(0, 0, 11, 0, 60.0f, 1995, 2);
    Put_Signed_Player(0, 1, 12, 1, 60.0f, 1995, 2);
    Put_Signed_Player(0, 2, 13, 2, 60.0f, 1995, 2);
    EXPECT_EQ(Transfer_Player(1, 0, 1), 0);
    EXPECT_EQ(Get_Player_ID(1, 0), 12);
    EXPECT_EQ(Get_Player_ID(0, 1), 13);
    EXPECT_EQ(Count_Team_Players(0), 2);
    // Nothing moves: the same club, an empty slot, a full club.
    EXPECT_EQ(Transfer_Player(0, 0, 0), -1);
    EXPECT_EQ(Transfer_Player(1, 0, 5), -1);
    Fill_Legal_Club(1, PLAYERS_PER_TEAM, 500, 60.0f);
    EXPECT_EQ(Transfer_Player(1, 0, 0), -1);
    EXPECT_EQ(Get_Player_ID(0, 0), 11);
    // To the free agents through the pool's rule.
    EXPECT_GE(Transfer_Player(FREE_AGENT_TEAM, 0, 0), 0);
    EXPECT_EQ(Find_ID(11).nTeam, FREE_AGENT_TEAM);
}

TEST_F(PlayerMovesTest, TradesAndSigningsCloseAfterWeekEleven)
{
    Build_League(2, 1);
    Set_Season_Playoff_Days(17);
    const struct {
        int nWeek;
        bool bAllowed;
    } Cases[] = {{0, true}, {11, true}, {12, false}, {16, false}, {17, true}, {20, true}, {OFFSEASON_WEEK, true}};
    for (const auto& Case : Cases) {
        Set_User_Preference(PREF_CURRENT_WEEK, Case.nWeek);
        EXPECT_EQ(Are_Trades_Allowed(), Case.bAllowed) << Case.nWeek;
    }
}

TEST_F(PlayerMovesTest, AReleaseAsksFirstAndOnlyForAClubsPlayer)
{
    Build_League(2, 1);
    Put_Signed_Player(0, 0, 11, 0, 60.0f, 1995, 2);
    Set_Player_First_Name(0, 0, "Al");
    Set_Player_Last_Name(0, 0, "Bee");
    ui::Queue_Answer(ID_NO);
    EXPECT_FALSE(Confirm_Release_Player(0, 0));
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Release Player");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Do you really want to release Al Bee?");
    EXPECT_EQ(Get_Player_ID(0, 0), 11);
    ui::Queue_Answer(ID_YES);
    EXPECT_TRUE(Confirm_Release_Player(0, 0));
    EXPECT_EQ(Find_ID(11).nTeam, FREE_AGENT_TEAM);
    // A free agent is nobody's to release: no box.
    ui::Clear_Shown_Boxes();
    EXPECT_FALSE(Confirm_Release_Player(FREE_AGENT_TEAM, Find_ID(11).nSlot));
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

TEST_F(PlayerMovesTest, TheStatLineByPositionGroup)
{
    Build_League(1, 1);
    Put_Signed_Player(0, 0, 11, 0, 60.0f, 1995, 2);    // QB
    Put_Signed_Player(0, 1, 12, 8, 60.0f, 1995, 2);    // DE
    Put_Signed_Player(0, 2, 13, 13, 60.0f, 1995, 2);   // K
    Put_Signed_Player(0, 3, 14, 5, 60.0f, 1995, 2);    // T
    Set_User_Preference(PREF_STAT_PERIOD, STAT_PERIOD_THIS_SEASON);
    Set_Player_Stat(0, 0, 0, STAT_PASS_ATTEMPTS, 30);
    Set_Player_Stat(0, 0, 0, STAT_PASS_COMPLETIONS, 20);
    Set_Player_Stat(0, 0, 0, STAT_PASSING_YARDS, 250);
    Set_Player_Stat(0, 0, 0, STAT_PASSING_TOUCHDOWNS, 2);
    Set_Player_Stat(0, 0, 0, STAT_INTERCEPTIONS_THROWN, 1);
    EXPECT_EQ(Format_Player_Stat_Summary(0, 0), "20/30, 250 yds, 2 TD, 1 INT");
    // 5 solo + 3 assisted tackles; sacks are kept in halves: 5 halves.
    Set_Player_Stat(0, 1, 0, STAT_SOLO_TACKLES, 5);
    Set_Player_Stat(0, 1, 0, STAT_TACKLE_ASSISTS, 3);
    Set_Player_Stat(0, 1, 0, STAT_SACKS, 5);
    EXPECT_EQ(Format_Player_Stat_Summary(0, 1), "8 tackles, 2.5 sacks, 0 INT");
    // Field goals over the four bands: 2 of 3 and 1 of 2.
    Set_Player_Stat(0, 2, 0, STAT_FIELD_GOAL_ATTEMPTS_BAND_1, 3);
    Set_Player_Stat(0, 2, 0, STAT_FIELD_GOALS_MADE_BAND_1, 2);
    Set_Player_Stat(0, 2, 0, STAT_FIELD_GOAL_ATTEMPTS_BAND_4, 2);
    Set_Player_Stat(0, 2, 0, STAT_FIELD_GOALS_MADE_BAND_4, 1);
    Set_Player_Stat(0, 2, 0, STAT_PAT_ATTEMPTS, 4);
    Set_Player_Stat(0, 2, 0, STAT_PATS_MADE, 4);
    EXPECT_EQ(Format_Player_Stat_Summary(0, 2), "3/5 FG, 4/4 XP");
    Set_Player_Stat(0, 3, 0, STAT_GAMES_PLAYED, 7);
    Set_Player_Stat(0, 3, 0, STAT_GAMES_STARTED, 6);
    EXPECT_EQ(Format_Player_Stat_Summary(0, 3), "7 games, 6 starts");
    EXPECT_EQ(Format_Player_Stat_Summary(0, 9), "");
}

TEST_F(PlayerMovesTest, TheRosterAndCapLinesOfTheUsersClub)
{
    Build_League(2, 1);
    Fill_Legal_Club(0, 40, 100, 60.0f);
    Set_User_Preference(PREF_SELECTED_TEAM, 0);
    Set_Universe_Stat(SALARY_CAP, 1234000);   // $1,234K, nobody paid
    DIALOG Dialog(9902, "Lines", nullptr, nullptr);
    Dialog.Add(IDC_ROSTER_LINE, CONTROL_LABEL);
    Dialog.Add(IDC_BUDGET_LINE, CONTROL_LABEL);
    Format_Roster_Count_Text(Dialog);
    Show_Cap_Room_Text(Dialog);
    EXPECT_EQ(Dialog.Get_Text(IDC_ROSTER_LINE), "The Nick0 have 40 roster players, out of a maximum of 100.");
    EXPECT_EQ(Dialog.Get_Text(IDC_BUDGET_LINE), "$1,234,000 under salary cap");
    // No user-run club: both lines empty.
    Set_Team_Stat(0, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
    Format_Roster_Count_Text(Dialog);
    Show_Cap_Room_Text(Dialog);
    EXPECT_EQ(Dialog.Get_Text(IDC_ROSTER_LINE), "");
    EXPECT_EQ(Dialog.Get_Text(IDC_BUDGET_LINE), "");
}

}  // namespace
