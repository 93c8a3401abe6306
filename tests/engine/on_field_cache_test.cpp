// The line-ups a game keeps between snaps: a player hurt during the game is
// never put on the field again, and outside a game nothing is kept.

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

}  // namespace
