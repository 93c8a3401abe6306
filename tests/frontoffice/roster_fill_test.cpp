// The roster fill a game's depth-chart lookup runs when a club has no
// healthy player at a position: a club made to lack a punter signs one
// before the kick-off, within its cap room, and the user is told.
#include <string>

#include "../engine/game_fixture.h"
#include "frontoffice/computer_manager.h"
#include "league/league_text.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "platform/ui.h"
#include "season/salaries.h"
#include "test_support.h"

namespace {

using namespace game_fixture;

class RosterFillTest : public LeagueTest {
protected:
    // The home club without its punters; the pool holds a punter of 80 paid
    // $1,500K, one of 60 paid $800K and a hurt one of 90 paid $500K. The cap
    // leaves the club nRoom $K.
    static void Club_Without_A_Punter(int nRoom)
    {
        Build_Two_Team_League(11);
        for (int s = Count_Team_Players(HOME_TEAM) - 1; s >= 0; --s)
            if (Get_Player_Vital_Stat(HOME_TEAM, s, VITAL_POSITION) == POSITION_P)
                Remove_Player_From_Roster(HOME_TEAM, s);
        ASSERT_EQ(Count_Position_Players(HOME_TEAM, POSITION_P), 0);
        Put_Punter(0, 901, 80.0f, 1500, "Able", "Dear");
        Put_Punter(1, 902, 60.0f, 800, "Ben", "Fits");
        Put_Punter(2, 903, 90.0f, 500, "Carl", "Hurt");
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, 2, VITAL_INJURY_WEEKS, 3);
        Set_Universe_Stat(SALARY_CAP, 0);
        const int64_t nPayroll = Get_Team_Financial_Stat(HOME_TEAM, FINANCE_PAYROLL);
        Set_Universe_Stat(SALARY_CAP, static_cast<int>((nPayroll + nRoom) * 1000));
        ASSERT_EQ(Get_Team_Financial_Stat(HOME_TEAM, FINANCE_CAP_ROOM), nRoom);
    }

    static void Put_Punter(int nSlot, int nID, float fRating, int nSalary, const char* szFirst, const char* szLast)
    {
        Put_Player(FREE_AGENT_TEAM, nSlot, nID, POSITION_P, fRating);
        Set_Player_First_Name(FREE_AGENT_TEAM, nSlot, szFirst);
        Set_Player_Last_Name(FREE_AGENT_TEAM, nSlot, szLast);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_SALARY, nSalary);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_CONTRACT_LENGTH, 2);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_CONTRACT_YEARS_LEFT, 2);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_BIRTH_DATE, 19950101);
    }

    static int Slot_Of(int nTeam, int nID)
    {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
            if (Get_Player_ID(nTeam, s) == nID)
                return s;
        return -1;
    }

    static void Make_Users_Club(int nTeam)
    {
        Set_Team_Stat(nTeam, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
        Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 0);
    }
};

TEST_F(RosterFillTest, AUsersClubWithoutAPunterSignsTheBestItCanAffordAndIsTold)
{
    // $1,000K of room: the punter of 80 does not fit, the hurt one cannot
    // play, the one of 60 signs.
    Club_Without_A_Punter(1000);
    Make_Users_Club(HOME_TEAM);
    ASSERT_EQ(Play_Fixture_Game(2024), 1);
    const int nSlot = Slot_Of(HOME_TEAM, 902);
    ASSERT_GE(nSlot, 0);
    EXPECT_EQ(Get_Player_Vital_Stat(HOME_TEAM, nSlot, VITAL_SALARY), 800);
    EXPECT_EQ(Slot_Of(FREE_AGENT_TEAM, 901), 0);
    EXPECT_GE(Slot_Of(FREE_AGENT_TEAM, 903), 0);
    EXPECT_EQ(Get_Team_Financial_Stat(HOME_TEAM, FINANCE_CAP_ROOM), 200);
    // He is on the game's roster, so what he does is credited to him.
    bool bOnRoster = false;
    for (int s = 0; s < GAME_ROSTER_SIZE; ++s)
        bOnRoster = bOnRoster || League.Game[0].nRosterID[GAME_SIDE_HOME][s] == 902;
    EXPECT_TRUE(bOnRoster);
    // One box says who was signed and why.
    int nBoxes = 0;
    for (const SHOWN_BOX& Box : ui::Shown_Boxes()) {
        if (Box.Caption != "Roster Needs")
            continue;
        ++nBoxes;
        EXPECT_NE(Box.Text.find("Ben Fits"), std::string::npos) << Box.Text;
        EXPECT_NE(Box.Text.find("had no healthy punter"), std::string::npos) << Box.Text;
    }
    EXPECT_EQ(nBoxes, 1);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(RosterFillTest, WithoutRoomNobodySignsAndTheUserIsToldWhy)
{
    // $700K of room: no healthy punter's charge fits, and the least league
    // minimum there does not either.
    Club_Without_A_Punter(700);
    for (int s = 0; s < 2; ++s)
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, s, VITAL_SEASONS_PLAYED, 10);   // veterans' minimums
    ASSERT_GT(Get_Player_Minimum_Salary(FREE_AGENT_TEAM, 1), 700);
    ASSERT_GT(Get_Player_Minimum_Salary(FREE_AGENT_TEAM, 0), 700);
    Make_Users_Club(HOME_TEAM);
    EXPECT_EQ(Fill_AI_Roster_Needs(HOME_TEAM), 0);
    EXPECT_EQ(Count_Position_Players(HOME_TEAM, POSITION_P), 0);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_NE(ui::Shown_Boxes()[0].Text.find("no free agent there fits under the salary cap"), std::string::npos)
        << ui::Shown_Boxes()[0].Text;
}

TEST_F(RosterFillTest, ABestPunterDearerThanTheRoomSignsAtHisLeagueMinimumWithNoBonus)
{
    // $700K of room. The punter of 80 charges $1,500K and $300K of his
    // $600K bonus over two years; the one of 60 is a veteran whose league
    // minimum is beyond the room. The punter of 80 fits only at his own
    // minimum, and signs at exactly that, his bonus gone.
    Club_Without_A_Punter(700);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_SIGNING_BONUS, 600);
    ASSERT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_CAP_CHARGE), 1800);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 1, VITAL_SEASONS_PLAYED, 10);
    ASSERT_GT(Get_Player_Minimum_Salary(FREE_AGENT_TEAM, 1), 700);
    const int nMinimum = Get_Player_Minimum_Salary(FREE_AGENT_TEAM, 0);
    ASSERT_LE(nMinimum, 700);
    EXPECT_EQ(Fill_AI_Roster_Needs(HOME_TEAM), 1);
    const int nSlot = Slot_Of(HOME_TEAM, 901);
    ASSERT_GE(nSlot, 0);
    EXPECT_EQ(Get_Player_Vital_Stat(HOME_TEAM, nSlot, VITAL_SALARY), nMinimum);
    EXPECT_EQ(Get_Player_Vital_Stat(HOME_TEAM, nSlot, VITAL_SIGNING_BONUS), 0);
    EXPECT_EQ(Get_Team_Financial_Stat(HOME_TEAM, FINANCE_CAP_ROOM), 700 - nMinimum);
    EXPECT_GE(Slot_Of(FREE_AGENT_TEAM, 902), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(RosterFillTest, AComputerClubSignsQuietlyOnceAndOnlyWhereItLacks)
{
    Club_Without_A_Punter(1000);
    const int nPlayers = Count_Team_Players(HOME_TEAM);
    EXPECT_EQ(Fill_AI_Roster_Needs(HOME_TEAM), 1);
    EXPECT_EQ(Count_Team_Players(HOME_TEAM), nPlayers + 1);
    EXPECT_GE(Slot_Of(HOME_TEAM, 902), 0);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    // Nothing lacking now: nothing more is signed.
    EXPECT_EQ(Fill_AI_Roster_Needs(HOME_TEAM), 0);
    EXPECT_EQ(Count_Team_Players(HOME_TEAM), nPlayers + 1);
    // A club outside the franchises is refused.
    EXPECT_EQ(Fill_AI_Roster_Needs(FREE_AGENT_TEAM), 0);
    EXPECT_EQ(Errors_Reported(), 1);
}

}  // namespace
