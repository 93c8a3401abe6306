// The ratings a game keeps from its first read to the final whistle, and
// what is worked out from them and kept alike (a club's offence strength,
// the unit factors): each read gives what the accessor would give, a stored
// rating change is seen at once, and nothing is kept outside a game or for
// a club not in it.

#include "engine/game_ratings.h"

#include "engine/play_factors.h"
#include "league/league_fixture.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team_strength.h"
#include "test_support.h"

namespace {

class GameRatingsTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(3);
        Set_Regular_Season_Weeks(17);
        Set_User_Preference(PREF_CURRENT_WEEK, 5);
        for (int p = 0; p < PLACES_ON_FIELD; ++p) {
            Put_Player(1, p, 100 + p, p == 0 ? POSITION_QB : POSITION_WR, 50.0f);
            Put_Player(0, 20 + p, 200 + p, POSITION_LB, 70.0f);
            m_Game.nOnField[GAME_SIDE_HOME][p] = static_cast<uint8_t>(p);
            m_Game.nOnField[GAME_SIDE_AWAY][p] = static_cast<uint8_t>(20 + p);
        }
        Put_Player(2, 0, 300, POSITION_QB, 60.0f);
        m_Game.nAwayTeam = 0;
        m_Game.nHomeTeam = 1;
        m_Game.nOffense = 1;
    }
    void TearDown() override
    {
        End_Game_Rating_Cache();
        LeagueTest::TearDown();
    }
    GAME m_Game{};
};

TEST_F(GameRatingsTest, AKeptRatingHoldsUntilAStoredChange)
{
    Begin_Game_Rating_Cache(&m_Game);
    EXPECT_FLOAT_EQ(Get_Game_Player_Rating(0, 20, RATING_TACKLING), 70.0f);
    // Kept: a write past the setters is not seen...
    League.Team[0].Player[20].fRating[RATING_TACKLING] = 75.0f;
    EXPECT_FLOAT_EQ(Get_Game_Player_Rating(0, 20, RATING_TACKLING), 70.0f);
    // ...but any stored change through them is, for every player.
    Set_Player_Rating(1, 3, RATING_HANDS, 66.0f);
    EXPECT_FLOAT_EQ(Get_Game_Player_Rating(0, 20, RATING_TACKLING), 75.0f);
    EXPECT_FLOAT_EQ(Get_Game_Player_Rating(1, 3, RATING_HANDS), 66.0f);
    Set_Player_Rating(0, 20, RATING_TACKLING, 81.0f);
    EXPECT_FLOAT_EQ(Get_Game_Player_Rating(0, 20, RATING_TACKLING), 81.0f);
}

TEST_F(GameRatingsTest, NothingKeptOutsideTheGameOrForOtherClubsOrForHealth)
{
    // No game: each read is the accessor's.
    EXPECT_FLOAT_EQ(Get_Game_Player_Rating(0, 20, RATING_SPEED), 70.0f);
    League.Team[0].Player[20].fRating[RATING_SPEED] = 72.0f;
    EXPECT_FLOAT_EQ(Get_Game_Player_Rating(0, 20, RATING_SPEED), 72.0f);

    Begin_Game_Rating_Cache(&m_Game);
    // A club not in the game.
    EXPECT_FLOAT_EQ(Get_Game_Player_Rating(2, 0, RATING_SPEED), 60.0f);
    League.Team[2].Player[0].fRating[RATING_SPEED] = 64.0f;
    EXPECT_FLOAT_EQ(Get_Game_Player_Rating(2, 0, RATING_SPEED), 64.0f);
    // Health and Durability.
    EXPECT_FLOAT_EQ(Get_Game_Player_Rating(0, 21, RATING_HEALTH), 70.0f);
    EXPECT_FLOAT_EQ(Get_Game_Player_Rating(0, 21, RATING_DURABILITY), 70.0f);
    League.Team[0].Player[21].fRating[RATING_HEALTH] = 90.0f;
    League.Team[0].Player[21].fRating[RATING_DURABILITY] = 91.0f;
    EXPECT_FLOAT_EQ(Get_Game_Player_Rating(0, 21, RATING_HEALTH), 90.0f);
    EXPECT_FLOAT_EQ(Get_Game_Player_Rating(0, 21, RATING_DURABILITY), 91.0f);
    // The combined ratings are the accessor's too: (0.2 + 0.2 + 0.25 + 0.25 + 0.1) x 70.
    EXPECT_FLOAT_EQ(Get_Game_Player_Rating(0, 22, RATING_COMBINED_RUSHING), 70.0f);

    // A read kept in one game is not in the next.
    EXPECT_FLOAT_EQ(Get_Game_Player_Rating(1, 2, RATING_VISION), 50.0f);
    End_Game_Rating_Cache();
    League.Team[1].Player[2].fRating[RATING_VISION] = 55.0f;
    Begin_Game_Rating_Cache(&m_Game);
    EXPECT_FLOAT_EQ(Get_Game_Player_Rating(1, 2, RATING_VISION), 55.0f);
}

TEST_F(GameRatingsTest, AReadKeepsTheAccessorsRepair)
{
    Begin_Game_Rating_Cache(&m_Game);
    // Below the minimum reads 20, and 20 is written back.
    League.Team[0].Player[23].fRating[RATING_PASS_RUSH] = 5.0f;
    EXPECT_FLOAT_EQ(Get_Game_Player_Rating(0, 23, RATING_PASS_RUSH), 20.0f);
    EXPECT_FLOAT_EQ(League.Team[0].Player[23].fRating[RATING_PASS_RUSH], 20.0f);
    EXPECT_FLOAT_EQ(Get_Game_Player_Rating(0, 23, RATING_PASS_RUSH), 20.0f);
}

TEST_F(GameRatingsTest, OffenceStrengthFollowsTheRatings)
{
    Begin_Game_Rating_Cache(&m_Game);
    const int nBefore = Get_Team_Pass_Rating(1) + Get_Team_Run_Rating(1);
    EXPECT_EQ(Get_Game_Team_Offense_Strength(1), nBefore);
    // A better passer makes a stronger offence.
    Set_Player_Rating(1, 0, RATING_ACCURACY, 90.0f);
    const int nAfter = Get_Team_Pass_Rating(1) + Get_Team_Run_Rating(1);
    EXPECT_GT(nAfter, nBefore);
    EXPECT_EQ(Get_Game_Team_Offense_Strength(1), nAfter);
    // A club not in the game is worked out each time.
    EXPECT_EQ(Get_Game_Team_Offense_Strength(2), Get_Team_Pass_Rating(2) + Get_Team_Run_Rating(2));
}

TEST_F(GameRatingsTest, AKeptUnitFactorFollowsTheRatingsAndThePlayers)
{
    Begin_Game_Rating_Cache(&m_Game);
    // (4,900 + 4,900) x 11 / 107,800 = 1.
    EXPECT_FLOAT_EQ(Get_Tackling_Factor(&m_Game), 1.0f);
    // One defender tackles at 80: (10 x 9,800 + 6,400 + 4,900) / 107,800.
    Set_Player_Rating(0, 25, RATING_TACKLING, 80.0f);
    EXPECT_FLOAT_EQ(Get_Tackling_Factor(&m_Game), 109300.0f / 107800.0f);
    // He leaves the field for a 70: back to 1.
    Put_Player(0, 40, 240, POSITION_LB, 70.0f);
    m_Game.nOnField[GAME_SIDE_AWAY][5] = 40;
    EXPECT_FLOAT_EQ(Get_Tackling_Factor(&m_Game), 1.0f);
    // The other side's factors read the other side: receivers at 50.
    EXPECT_FLOAT_EQ(Get_Receiving_Factor(&m_Game), 0.96f);
    // The clubs change ends: the home club defends.
    m_Game.nOffense = 0;
    EXPECT_FLOAT_EQ(Get_Tackling_Factor(&m_Game), Bound_Play_Factor(11.0f * (2500.0f + 4900.0f) / 107800.0f, 1.66f));
}

// The backfield factor keeps each back's term: a rating change, a player
// whose position makes him a back and a new back in a place must each give
// what the plain reads give.
TEST_F(GameRatingsTest, AKeptBackfieldTermFollowsRatingsPositionsAndPlaces)
{
    const auto Uncached = [this] {
        End_Game_Rating_Cache();
        const float f = Get_Backfield_Factor(&m_Game);
        Begin_Game_Rating_Cache(&m_Game);
        return f;
    };
    Begin_Game_Rating_Cache(&m_Game);
    // The quarterback's 50s give 50, below 60: nothing above the base.
    EXPECT_FLOAT_EQ(Get_Backfield_Factor(&m_Game), 0.98f);
    // Mobility 100: (50 + 100) / 2 = 75, 15 above 60.
    Set_Player_Rating(1, 0, RATING_MOBILITY, 100.0f);
    EXPECT_FLOAT_EQ(Get_Backfield_Factor(&m_Game), 0.98f + 0.0005f * 15.0f);
    // A receiver rated 90 throughout counts only once he is a back.
    for (int r : {RATING_SPEED, RATING_POWER, RATING_QUICKNESS, RATING_VISION, RATING_HANDS})
        Set_Player_Rating(1, 1, r, 90.0f);
    EXPECT_FLOAT_EQ(Get_Backfield_Factor(&m_Game), 0.98f + 0.0005f * 15.0f);
    // Positions change between games only (the next game starts afresh).
    End_Game_Rating_Cache();
    Set_Player_Vital_Stat(1, 1, VITAL_POSITION, POSITION_RB);
    Begin_Game_Rating_Cache(&m_Game);
    EXPECT_FLOAT_EQ(Get_Backfield_Factor(&m_Game), 0.98f + 0.0005f * 45.0f);
    EXPECT_FLOAT_EQ(Get_Backfield_Factor(&m_Game), Uncached());
    // Another back of 70s takes his place: 10 above 60.
    Put_Player(1, 30, 130, POSITION_FB, 70.0f);
    m_Game.nOnField[GAME_SIDE_HOME][1] = 30;
    EXPECT_FLOAT_EQ(Get_Backfield_Factor(&m_Game), 0.98f + 0.0005f * 25.0f);
    EXPECT_FLOAT_EQ(Get_Backfield_Factor(&m_Game), Uncached());
}

}  // namespace
