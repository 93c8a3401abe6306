// Play-data lookups over the built-in plays.

#include <cstring>

#include "base/random.h"
#include "engine/play_data.h"
#include "engine/playbooks.h"
#include "league/league_fixture.h"
#include "test_support.h"

namespace {

class PlayDataTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(2);
        Build_Team_Default_Playbook(0);
        Build_Team_Default_Playbook(1);
        // Team 1 (home) has the ball against team 0; on-field slots are 20 + place
        // for the home side and 40 + place for the away side.
        m_Game.nAwayTeam = 0;
        m_Game.nHomeTeam = 1;
        m_Game.nOffense = 1;
        for (int p = 0; p < PLACES_ON_FIELD; ++p) {
            m_Game.nOnField[GAME_SIDE_HOME][p] = static_cast<uint8_t>(20 + p);
            m_Game.nOnField[GAME_SIDE_AWAY][p] = static_cast<uint8_t>(40 + p);
        }
    }
    GAME m_Game{};
};

TEST_F(PlayDataTest, RushersDeepZonesAndDoubleTeams)
{
    EXPECT_FALSE(Is_Blitz_Defense(-1, 3));                 // "4-3 Contain": exactly four rushers
    EXPECT_TRUE(Is_Blitz_Defense(-1, 9));                  // "Cover-2 Weakside Dog": five
    EXPECT_TRUE(Is_Blitz_Defense(-1, 22));                 // six, two of them inside rushes
    EXPECT_FALSE(Is_Blitz_Defense(-1, 30));
    EXPECT_EQ(Count_Deep_Zone_Defenders(-1, 24), 4);       // "4-Deep Zone"
    EXPECT_EQ(Count_Defenders_With_Role(-1, 13, 6), 6);    // "Goal Line Stack" plugs six gaps
    EXPECT_TRUE(Play_Has_Double_Team(-1, 8));              // "Cover-2 Bracket"
    EXPECT_FALSE(Play_Has_Double_Team(-1, 0));
}

TEST_F(PlayDataTest, ZoneDropPointsSplitTheFieldWidth)
{
    float fX[11] = {-3, -1, 1, 3, -5, 0, 5, -12, 12, -6, 6};
    float x = 99, y = 99;
    // "4-3 Contain": deep zones at places 9 and 10, short zones at 4 and 6.
    ASSERT_TRUE(Get_Zone_Drop_Point_From_X(-1, 3, 9, fX, &x, &y));
    EXPECT_NEAR(x, -20.0f / 3.0f, 1e-5);
    EXPECT_EQ(y, 15.0f);
    ASSERT_TRUE(Get_Zone_Drop_Point_From_X(-1, 3, 10, fX, &x, &y));
    EXPECT_NEAR(x, 20.0f / 3.0f, 1e-5);
    ASSERT_TRUE(Get_Zone_Drop_Point_From_X(-1, 3, 6, fX, &x, &y));
    EXPECT_EQ(y, 9.0f);
    x = y = 99;
    EXPECT_FALSE(Get_Zone_Drop_Point_From_X(-1, 3, 0, fX, &x, &y));   // a rusher
    EXPECT_EQ(x, 99.0f);

    // "Tampa 2 Squeeze": three deep zones (5, 9, 10); the middle one sits shallower.
    ASSERT_TRUE(Get_Zone_Drop_Point_From_X(-1, 1, 9, fX, &x, &y));
    EXPECT_EQ(x, -10.0f);
    EXPECT_EQ(y, 15.0f);
    ASSERT_TRUE(Get_Zone_Drop_Point_From_X(-1, 1, 5, fX, &x, &y));
    EXPECT_EQ(x, 0.0f);
    EXPECT_EQ(y, 14.5f);
    ASSERT_TRUE(Get_Zone_Drop_Point_From_X(-1, 1, 10, fX, &x, &y));
    EXPECT_EQ(x, 10.0f);
    // Level spots: the higher place counts against the lower one.
    fX[9] = fX[5];
    EXPECT_EQ(Get_Zone_Defender_Rank_From_X(-1, 1, 5, RESPONSIBILITY_DEEP_ZONE, fX), 1);
    EXPECT_EQ(Get_Zone_Defender_Rank_From_X(-1, 1, 9, RESPONSIBILITY_DEEP_ZONE, fX), 0);
}

TEST_F(PlayDataTest, OffensivePlayKinds)
{
    EXPECT_TRUE(Is_Backfield_Pass_Play(-1, 21));     // screen for the primary
    EXPECT_FALSE(Is_Backfield_Pass_Play(-1, 41));    // "Pro 739 Swing": the swing is not the primary's route
    EXPECT_FALSE(Is_Backfield_Pass_Play(-1, 20));
    EXPECT_TRUE(Is_Reverse_Play(-1, 52));
    EXPECT_FALSE(Is_Reverse_Play(-1, 60));
    EXPECT_TRUE(Play_Has_Lead_Block(-1, 1));
    EXPECT_FALSE(Play_Has_Lead_Block(-1, 0));
    EXPECT_TRUE(Play_Has_Play_Action(-1, 30));
    EXPECT_FALSE(Is_Option_Play(-1, 30));            // play action, but not named an option
    EXPECT_FALSE(Is_Option_Play(-1, 51));            // named an option, but no play-action route
    OFFENSIVE_PLAY& Play = Get_Offensive_Playbook_Area(0)->Play[30];
    std::strcpy(Play.szName, "Read Option");
    EXPECT_TRUE(Is_Option_Play(0, 30));
    Play.nType = PLAY_TYPE_HALFBACK_PASS;
    EXPECT_TRUE(Is_Trick_Pass_Play(0, 30));
    EXPECT_TRUE(Is_Backfield_Pass_Play(0, 30));
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayDataTest, GameQueriesNameTheRightPlace)
{
    m_Game.CurrentPlay.nOffenseCall = 7;              // "Pistol 21 Draw": receiver 1 pass-blocks
    m_Game.CurrentPlay.nDefenseCall = 0;
    for (int n = 0; n < 4; ++n)
        EXPECT_EQ(Find_Pass_Blocking_Back(&m_Game), 22);
    m_Game.CurrentPlay.nOffenseCall = 24;             // "Gun 101 Play Action": receiver 0 fakes
    EXPECT_EQ(Find_Play_Action_Back(&m_Game), 21);
    EXPECT_EQ(Find_Pass_Blocking_Back(&m_Game), -1);

    // One rusher only, at place 7: found whatever the draw; the defence is away.
    DEFENSIVE_PLAY& Defense = Get_Defensive_Playbook_Area(0)->Play[0];
    for (int32_t& nRole : Defense.nResponsibility)
        nRole = RESPONSIBILITY_DEEP_ZONE;
    Defense.nResponsibility[7] = RESPONSIBILITY_CORNER_BLITZ;
    for (int n = 0; n < 8; ++n)
        EXPECT_EQ(Pick_Random_Pass_Rusher(&m_Game), 47);
    Defense.nResponsibility[7] = RESPONSIBILITY_SHORT_ZONE;
    EXPECT_EQ(Pick_Random_Pass_Rusher(&m_Game), -1);
    m_Game.nOnField[GAME_SIDE_AWAY][7] = 255;
    Defense.nResponsibility[7] = RESPONSIBILITY_PASS_RUSH;
    EXPECT_EQ(Pick_Random_Pass_Rusher(&m_Game), -1);  // an empty place names nobody
}

TEST_F(PlayDataTest, EachRandomQueryDrawsOnce)
{
    m_Game.CurrentPlay.nOffenseCall = 7;
    m_Game.CurrentPlay.nDefenseCall = 3;
    Seed_Random_Numbers(12345);
    Pick_Random_Pass_Rusher(&m_Game);
    Find_Pass_Blocking_Back(&m_Game);
    Find_Play_Action_Back(&m_Game);
    const uint32_t nNext = Generate_Random_Number();
    Seed_Random_Numbers(12345);
    Generate_Random_Number();
    Generate_Random_Number();
    EXPECT_EQ(Generate_Random_Number(), nNext);
}

}  // namespace
