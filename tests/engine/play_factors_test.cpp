// Unit factors of a snap from the ratings on the field.

#include "engine/play_factors.h"

#include "league/league_fixture.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "test_support.h"

namespace {

class PlayFactorsTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(2);
        Set_Regular_Season_Weeks(17);
        Set_User_Preference(PREF_CURRENT_WEEK, 5);
        for (int p = 0; p < PLACES_ON_FIELD; ++p) {
            Put_Player(1, p, 100 + p, p == 0 ? POSITION_QB : POSITION_WR, 50.0f);
            Put_Player(0, 20 + p, 200 + p, POSITION_LB, 70.0f);
            m_Game.nOnField[GAME_SIDE_HOME][p] = static_cast<uint8_t>(p);
            m_Game.nOnField[GAME_SIDE_AWAY][p] = static_cast<uint8_t>(20 + p);
        }
        m_Game.nAwayTeam = 0;
        m_Game.nHomeTeam = 1;
        m_Game.nOffense = 1;
    }
    GAME m_Game{};
};

TEST_F(PlayFactorsTest, SoftBound)
{
    EXPECT_FLOAT_EQ(Bound_Play_Factor(5.0f, 3.0f), 3.0f);
    EXPECT_FLOAT_EQ(Bound_Play_Factor(2.0f, 3.0f), (1.7320508f + 2.0f) / 2.0f);
    EXPECT_FLOAT_EQ(Bound_Play_Factor(0.1f, 1.66f), 1.0f / 1.66f);
    EXPECT_FLOAT_EQ(Bound_Play_Factor(1.1f, 2.0f), 1.1f);
}

TEST_F(PlayFactorsTest, FactorsFromTheRatingsOnTheField)
{
    EXPECT_FLOAT_EQ(Get_Tackling_Factor(&m_Game), 1.0f);              // (4,900 + 4,900) x 11 / 107,800
    EXPECT_FLOAT_EQ(Get_Receiving_Factor(&m_Game), 0.96f);            // nobody above 60
    EXPECT_FLOAT_EQ(Get_Backfield_Factor(&m_Game), 0.98f);
    for (int p : {2, 3, 6, 7, 8, 9, 10})
        League.Team[1].Player[p].fRating[RATING_RUN_BLOCKING] = 70.0f;
    EXPECT_NEAR(Get_Run_Blocking_Factor(&m_Game), 196.0f / 215.0f, 1e-5);   // S = 411
    // Receiving 80 for one receiver: 0.96 + 0.0005 x 20.
    League.Team[1].Player[4].fRating[RATING_RECEIVING] = 80.0f;
    EXPECT_FLOAT_EQ(Get_Receiving_Factor(&m_Game), 0.97f);
    // Line discipline 50 x 5 / 350 = 0.714 lies inside the bound.
    EXPECT_NEAR(Get_Line_Discipline_Factor(&m_Game), 250.0f / 350.0f, 1e-6);
    // An empty place counts as 20: four of 70 and one of 20 give 300 / 350.
    for (int p = 6; p <= 10; ++p)
        League.Team[1].Player[p].fRating[RATING_DISCIPLINE] = 70.0f;
    m_Game.nOnField[GAME_SIDE_HOME][8] = NO_PLAYER;
    EXPECT_NEAR(Get_Line_Discipline_Factor(&m_Game), 300.0f / 350.0f, 1e-6);
}

TEST_F(PlayFactorsTest, HomeFieldAndDifficulty)
{
    EXPECT_FLOAT_EQ(Get_Home_Field_Factor(&m_Game), 1.03f);
    Set_User_Preference(PREF_CURRENT_WEEK, 17);
    EXPECT_FLOAT_EQ(Get_Home_Field_Factor(&m_Game), 1.06f);
    m_Game.nOffense = 0;
    EXPECT_FLOAT_EQ(Get_Home_Field_Factor(&m_Game), 0.94f);
    League.Team[1].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_USER;   // the defence is the user's
    Set_User_Preference(PREF_DIFFICULTY, 2);
    EXPECT_FLOAT_EQ(Get_Home_Field_Factor(&m_Game), 0.94f + 0.06f);
    m_Game.nOffense = 1;
    EXPECT_FLOAT_EQ(Get_Home_Field_Factor(&m_Game), 1.06f - 0.06f);
}

TEST_F(PlayFactorsTest, SmallOperations)
{
    EXPECT_TRUE(Valid_Receiving_Route(0));
    EXPECT_TRUE(Valid_Receiving_Route(36));
    EXPECT_TRUE(Valid_Receiving_Route(55));
    EXPECT_FALSE(Valid_Receiving_Route(37));
    EXPECT_FALSE(Valid_Receiving_Route(54));
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_FALSE(Valid_Receiving_Route(52));
    EXPECT_EQ(Errors_Reported(), 1);

    // No games played: the limit is 50; 80 uses scale 100 down to 63 (62.5 rounded up).
    Set_Player_Stat(1, 3, STAT_PERIOD_THIS_SEASON, 11, 80);
    EXPECT_EQ(Limit_Weight_By_Usage(1, 3, 100), 63);
    Set_Player_Stat(1, 3, STAT_PERIOD_THIS_SEASON, 11, 50);
    EXPECT_EQ(Limit_Weight_By_Usage(1, 3, 100), 100);

    m_Game.nClock = 1790;
    m_Game.nPlaySeconds = 10;
    EXPECT_TRUE(Does_Play_Reach_End_Of_Half(&m_Game));
    m_Game.nPlaySeconds = 9;
    EXPECT_FALSE(Does_Play_Reach_End_Of_Half(&m_Game));
    m_Game.nClock = 3595;
    m_Game.nPlaySeconds = 5;
    EXPECT_TRUE(Does_Play_Reach_End_Of_Half(&m_Game));
}

}  // namespace
