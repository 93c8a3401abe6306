// The line-ups a game keeps between snaps: a player hurt during the game is
// never put on the field again, and outside a game nothing is kept.

#include <cstring>
#include <vector>

#include "engine/engine_test_hooks.h"
#include "engine/formations.h"
#include "engine/game_clock.h"
#include "engine/game_fixture.h"
#include "league/player.h"
#include "test_support.h"

namespace {

using namespace game_fixture;

class OnFieldCacheTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Build_Two_Team_League(11);
        Game().nAwayTeam = AWAY_TEAM;
        Game().nHomeTeam = HOME_TEAM;
        Game().nOffense = AWAY_TEAM;
        Game().nFormation[GAME_SIDE_AWAY] = PRO_SET_FORMATION;
        Game().nFormation[GAME_SIDE_HOME] = BASE_43_FORMATION;
    }
    void TearDown() override
    {
        Set_Injury_Services_Test_Hook(nullptr);
        End_On_Field_Cache();
    }

    static GAME& Game() { return League.Game[0]; }

    static int Hurt_Players_On_Field()
    {
        int n = 0;
        for (int bSide : {GAME_SIDE_AWAY, GAME_SIDE_HOME}) {
            const int nTeam = bSide == GAME_SIDE_HOME ? Game().nHomeTeam : Game().nAwayTeam;
            for (int p = 0; p < PLACES_ON_FIELD; ++p) {
                const int nSlot = Game().nOnField[bSide][p];
                if (nSlot < PLAYERS_PER_TEAM && Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS) > 0)
                    ++n;
            }
        }
        return n;
    }
};

TEST_F(OnFieldCacheTest, APlayerHurtDuringTheGameLeavesTheFieldAtTheNextSnap)
{
    INJURY_SERVICES_TEST_HOOK Hook;
    Hook.nInjuryWeeks = 2;
    Set_Injury_Services_Test_Hook(&Hook);
    Begin_On_Field_Cache(&Game());
    Seed_Random_Numbers(5);
    for (int nSnap = 0; nSnap < 6; ++nSnap) {
        Run_Pre_Snap_Clock(&Game());   // a new snap: its commentary allows an injury
        Set_On_Field_Players(&Game(), GAME_SIDE_AWAY);
        Set_On_Field_Players(&Game(), GAME_SIDE_HOME);
        ASSERT_EQ(Hurt_Players_On_Field(), 0) << "snap " << nSnap;
        Check_Play_Injury(&Game());
        ASSERT_EQ(Hook.nRolls, nSnap + 1);
        // The roll hurt one of the players just put on the field.
        EXPECT_EQ(Hurt_Players_On_Field(), 1) << "snap " << nSnap;
    }
}

TEST_F(OnFieldCacheTest, OutsideAGameEachLookUpReadsTheRosterAgain)
{
    Set_On_Field_Players(&Game(), GAME_SIDE_AWAY);
    const int nQuarterback = Game().nOnField[GAME_SIDE_AWAY][0];
    ASSERT_LT(nQuarterback, PLAYERS_PER_TEAM);
    Set_Player_Vital_Stat(AWAY_TEAM, nQuarterback, VITAL_INJURY_WEEKS, 3);
    Set_On_Field_Players(&Game(), GAME_SIDE_AWAY);
    EXPECT_NE(Game().nOnField[GAME_SIDE_AWAY][0], nQuarterback);
    EXPECT_EQ(Hurt_Players_On_Field(), 0);
}

TEST_F(OnFieldCacheTest, APositionEmptiedByInjuriesIsFilledFromTheRestOfTheRoster)
{
    // Every wide receiver and tight end of the away club hurt: the pro set
    // still puts eleven different healthy players on the field.
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
        const int nPosition = Get_Player_Vital_Stat(AWAY_TEAM, s, VITAL_POSITION);
        if (Get_Player_ID(AWAY_TEAM, s) > 0 && (nPosition == POSITION_WR || nPosition == POSITION_TE))
            Set_Player_Vital_Stat(AWAY_TEAM, s, VITAL_INJURY_WEEKS, 4);
    }
    for (bool bCached : {false, true}) {
        if (bCached)
            Begin_On_Field_Cache(&Game());
        Set_On_Field_Players(&Game(), GAME_SIDE_AWAY);
        for (int p = 0; p < PLACES_ON_FIELD; ++p) {
            const int nSlot = Game().nOnField[GAME_SIDE_AWAY][p];
            ASSERT_LT(nSlot, PLAYERS_PER_TEAM) << "place " << p;
            for (int q = 0; q < p; ++q)
                EXPECT_NE(Game().nOnField[GAME_SIDE_AWAY][q], nSlot) << "places " << q << " and " << p;
        }
        EXPECT_EQ(Hurt_Players_On_Field(), 0);
    }
}

// Every depth-chart answer, read by position and rank.
std::vector<int> Depth_Chart_Answers(int nTeam)
{
    std::vector<int> Answers;
    for (int nPosition = POSITION_QB; nPosition <= POSITION_P; ++nPosition)
        for (int nDepth = 0; nDepth < 8; ++nDepth)
            Answers.push_back(Get_Depth_Chart_Player(nTeam, nPosition, nDepth));
    for (int nKind : {RETURNER_KICKOFF, RETURNER_PUNT})
        Answers.push_back(Get_Depth_Chart_Player(nTeam, 15, nKind));
    return Answers;
}

TEST_F(OnFieldCacheTest, DepthChartAnswersKeptInAGameAreTheRosterLookUpsUntilForgotten)
{
    const std::vector<int> Uncached = Depth_Chart_Answers(AWAY_TEAM);
    Begin_On_Field_Cache(&Game());
    EXPECT_EQ(Depth_Chart_Answers(AWAY_TEAM), Uncached);
    // The first receiver and the second guard are hurt: once the kept
    // answers are forgotten, the next men up answer, as the roster says.
    const int nReceiver = Get_Depth_Chart_Player(AWAY_TEAM, POSITION_WR, 0);
    const int nGuard = Get_Depth_Chart_Player(AWAY_TEAM, POSITION_G, 1);
    ASSERT_GE(nReceiver, 0);
    ASSERT_GE(nGuard, 0);
    Set_Player_Vital_Stat(AWAY_TEAM, nReceiver, VITAL_INJURY_WEEKS, 2);
    Set_Player_Vital_Stat(AWAY_TEAM, nGuard, VITAL_INJURY_WEEKS, 5);
    Forget_On_Field_Cache();
    const std::vector<int> Kept = Depth_Chart_Answers(AWAY_TEAM);
    End_On_Field_Cache();
    const std::vector<int> Looked_Up = Depth_Chart_Answers(AWAY_TEAM);
    EXPECT_EQ(Kept, Looked_Up);
    EXPECT_NE(Looked_Up, Uncached);
    EXPECT_NE(Get_Depth_Chart_Player(AWAY_TEAM, POSITION_WR, 0), nReceiver);
}

TEST_F(OnFieldCacheTest, EveryFormationPutsOnTheFieldThePlayersOfTheUncachedLookUp)
{
    // A hurt quarterback and a duplicated ID (the slot found first counts).
    const int nQuarterback = Get_Depth_Chart_Player(AWAY_TEAM, POSITION_QB, 0);
    ASSERT_GE(nQuarterback, 0);
    Set_Player_Vital_Stat(AWAY_TEAM, nQuarterback, VITAL_INJURY_WEEKS, 1);
    const int nLast = Find_Roster_End(AWAY_TEAM) - 1;
    Set_Player_Vital_Stat(AWAY_TEAM, nLast, VITAL_PLAYER_ID, Get_Player_ID(AWAY_TEAM, nLast - 1));
    uint8_t Uncached[FORMATION_COUNT][PLACES_ON_FIELD];
    for (int f = 0; f < FORMATION_COUNT; ++f) {
        Game().nFormation[GAME_SIDE_AWAY] = f;
        Set_On_Field_Players(&Game(), GAME_SIDE_AWAY);
        std::memcpy(Uncached[f], Game().nOnField[GAME_SIDE_AWAY], PLACES_ON_FIELD);
    }
    Begin_On_Field_Cache(&Game());
    for (int nPass = 0; nPass < 2; ++nPass)
        for (int f = 0; f < FORMATION_COUNT; ++f) {
            Game().nFormation[GAME_SIDE_AWAY] = f;
            Set_On_Field_Players(&Game(), GAME_SIDE_AWAY);
            for (int p = 0; p < PLACES_ON_FIELD; ++p)
                EXPECT_EQ(Game().nOnField[GAME_SIDE_AWAY][p], Uncached[f][p]) << "formation " << f << " place " << p;
        }
}

}  // namespace
