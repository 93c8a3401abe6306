// Event frequencies by position and ratings, the weighted choice of the
// player who made an event, and the ball carrier of a run.

#include "engine/event_players.h"

#include <cstring>
#include <set>

#include "base/random.h"
#include "engine/lineup_fixture.h"
#include "engine/playbooks.h"
#include "league/league_fixture.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "test_support.h"

namespace {

constexpr int AWAY = 0;   // defends
constexpr int HOME = 1;   // has the ball

class EventPlayersTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(2);
        Build_Team_Default_Playbook(AWAY);
        Build_Team_Default_Playbook(HOME);
        Set_User_Preference(PREF_CURRENT_WEEK, 5);
        Seed_Random_Numbers(12345);
        Put_Scrimmage_Elevens(m_Game);
        m_Game.CurrentPlay.nOffenseCall = 20;   // a pass
        m_Game.CurrentPlay.nDefenseCall = 0;
    }

    static void Rate(int nTeam, int nSlot, int nRating, float fValue)
    {
        League.Team[nTeam].Player[nSlot].fRating[nRating] = fValue;
    }

    // Every defensive place of the away side's play 0 given role nRole.
    static void Assign_All_Roles(int nRole)
    {
        for (int p = 0; p < PLACES_ON_FIELD; ++p)
            ASSERT_TRUE(Set_Defensive_Play_Role(AWAY, 0, p, nRole));
    }

    // How often each slot is drawn in n draws.
    std::vector<int> Draw_Counts(int nType, int nStat, int n)
    {
        std::vector<int> Count(256, 0);
        for (int i = 0; i < n; ++i)
            ++Count[Choose_Game_Event_Player(&m_Game, nType, nStat, 0)];
        return Count;
    }

    GAME m_Game{};
};

TEST_F(EventPlayersTest, SkillAndLineFrequencies)
{
    // 0.99 x 70 = 69.3; e = 24; (24 / 2) x 24.
    EXPECT_EQ(Estimate_Player_Stat_Frequency(HOME, 3, EVENT_PENALTY_2), 288);
    Rate(HOME, 3, RATING_RECEIVING, 40.0f);   // c = 57.3; e = 12
    EXPECT_EQ(Estimate_Player_Stat_Frequency(HOME, 3, EVENT_PENALTY_2), 72);
    Rate(HOME, 6, RATING_PASS_BLOCKING, 62.5f);
    EXPECT_EQ(Estimate_Player_Stat_Frequency(HOME, 6, EVENT_SACK), 42);
    Rate(HOME, 6, RATING_DISCIPLINE, 110.0f);
    EXPECT_EQ(Estimate_Player_Stat_Frequency(HOME, 6, EVENT_PENALTY), 1);
    EXPECT_EQ(Estimate_Player_Stat_Frequency(HOME, 7, EVENT_PENALTY_2), 35);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(EventPlayersTest, DefenderFrequencies)
{
    Rate(AWAY, 20, RATING_RUN_DEFENSE, 60.0f);
    EXPECT_EQ(Estimate_Player_Stat_Frequency(AWAY, 20, EVENT_SOLO_TACKLE), 30 + 6 + 7);
    EXPECT_EQ(Estimate_Player_Stat_Frequency(AWAY, 24, EVENT_SOLO_TACKLE), 57);   // 44 x 1.3 = 57.2
    League.Team[AWAY].Player[24].bStat[BYTE_STAT_DEPTH_SLOT] = 33;
    EXPECT_EQ(Estimate_Player_Stat_Frequency(AWAY, 24, EVENT_SOLO_TACKLE), 44);
    EXPECT_EQ(Estimate_Player_Stat_Frequency(AWAY, 20, EVENT_TACKLE_ASSIST), 12);  // (30 + 20) / 4
    EXPECT_EQ(Estimate_Player_Stat_Frequency(AWAY, 27, EVENT_TACKLE_ASSIST), 7);   // 15 halved

    EXPECT_EQ(Estimate_Player_Stat_Frequency(AWAY, 20, EVENT_SACK), 9);    // 30 x 30 / 100
    EXPECT_EQ(Estimate_Player_Stat_Frequency(AWAY, 27, EVENT_SACK), 4);
    Rate(AWAY, 21, RATING_PASS_RUSH, 40.0f);
    EXPECT_EQ(Estimate_Player_Stat_Frequency(AWAY, 21, EVENT_SACK), 0);
    Rate(AWAY, 21, RATING_PASS_RUSH, 25.0f);
    EXPECT_EQ(Estimate_Player_Stat_Frequency(AWAY, 21, EVENT_SACK), 0);

    // (10 - 1) + 5 + 2 (1.5 raised to 2); ends and linebackers doubled.
    for (int s : {20, 22}) {
        Rate(AWAY, s, RATING_TURNOVERS, 65.0f);
        Rate(AWAY, s, RATING_PASS_RUSH, 61.5f);
    }
    EXPECT_EQ(Estimate_Player_Stat_Frequency(AWAY, 20, EVENT_FUMBLE_FORCED), 32);
    EXPECT_EQ(Estimate_Player_Stat_Frequency(AWAY, 22, EVENT_FUMBLE_FORCED), 16);

    // x = 10: safety 10 x 80 / 100 = 8, corner 10, others 10 x 40 / 100 = 4.
    EXPECT_EQ(Estimate_Player_Stat_Frequency(AWAY, 29, EVENT_PASS_DEFENSED), 8);
    EXPECT_EQ(Estimate_Player_Stat_Frequency(AWAY, 27, EVENT_PASS_DEFENSED), 10);
    EXPECT_EQ(Estimate_Player_Stat_Frequency(AWAY, 24, EVENT_PASS_DEFENSED), 4);
    // x = (83 - 50) / 2 = 16: safety 12.8 rounds to 13, others 6.4 to 6.
    for (int s : {29, 27, 24})
        Rate(AWAY, s, RATING_PASS_COVERAGE, 83.0f);
    EXPECT_EQ(Estimate_Player_Stat_Frequency(AWAY, 29, EVENT_PASS_DEFENSED), 13);
    EXPECT_EQ(Estimate_Player_Stat_Frequency(AWAY, 27, EVENT_PASS_DEFENSED), 16);
    EXPECT_EQ(Estimate_Player_Stat_Frequency(AWAY, 24, EVENT_PASS_DEFENSED), 6);
    for (int s : {29, 27, 24})
        Rate(AWAY, s, RATING_PASS_COVERAGE, 70.0f);

    // a = 40, b = 30: t = 60, 60 x 40 / 10 = 240; halved for a linebacker.
    for (int s : {24, 27}) {
        Rate(AWAY, s, RATING_PASS_COVERAGE, 75.0f);
        Rate(AWAY, s, RATING_TURNOVERS, 70.0f);
    }
    EXPECT_EQ(Estimate_Player_Stat_Frequency(AWAY, 27, EVENT_INTERCEPTION), 240);
    EXPECT_EQ(Estimate_Player_Stat_Frequency(AWAY, 24, EVENT_INTERCEPTION), 120);

    Rate(AWAY, 25, RATING_PASS_COVERAGE, 60.0f);
    Rate(AWAY, 25, RATING_TURNOVERS, 55.0f);
    EXPECT_EQ(Estimate_Player_Stat_Frequency(AWAY, 25, EVENT_FUMBLE_RECOVERY), 9);   // (255 - 160) / 10
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(EventPlayersTest, UnhandledEventsAreReported)
{
    EXPECT_EQ(Estimate_Player_Stat_Frequency(HOME, 0, EVENT_SACK), -1);          // quarterback
    EXPECT_EQ(Estimate_Player_Stat_Frequency(HOME, 3, EVENT_PENALTY), -1);       // receiver
    EXPECT_EQ(Estimate_Player_Stat_Frequency(AWAY, 20, EVENT_PENALTY_2), -1);    // defender
    EXPECT_EQ(Errors_Reported(), 3);
    EXPECT_TRUE(Last_Error_Contains("Unhandled stat in Estimate_Player_Stat_Frequency"));
}

TEST_F(EventPlayersTest, BlendTowardsPredictedRateLateInAReplayedSeason)
{
    Rate(AWAY, 20, RATING_RUN_DEFENSE, 70.0f);   // estimate 44
    Set_Player_Stat(AWAY, 20, STAT_PERIOD_PREDICTED, EVENT_SOLO_TACKLE, 59);
    Set_Player_Stat(AWAY, 20, STAT_PERIOD_PREDICTED, 0, 15);
    Set_Player_Stat(AWAY, 20, STAT_PERIOD_THIS_SEASON, EVENT_SOLO_TACKLE, 19);
    Set_Player_Stat(AWAY, 20, STAT_PERIOD_THIS_SEASON, 0, 5);
    Set_User_Preference(PREF_CURRENT_WEEK, 7);
    EXPECT_EQ(Get_Blended_Stat_Frequency(AWAY, 20, EVENT_SOLO_TACKLE), 44);   // not a replayed season
    Set_Universe_Word(REPLAY_MODE_WORD, 1);
    // q = 8 x 59.5 x 5.5 / (7 x 15.5 x 19.5) = 1.2374 -> / 1.2 = 1.0312; A = 61.354;
    // w = 1: (61.354 + 44) / 2 = 52.68, + 0.5 truncated.
    EXPECT_EQ(Get_Blended_Stat_Frequency(AWAY, 20, EVENT_SOLO_TACKLE), 53);
    Set_User_Preference(PREF_CURRENT_WEEK, 3);
    EXPECT_EQ(Get_Blended_Stat_Frequency(AWAY, 20, EVENT_SOLO_TACKLE), 44);
}

TEST_F(EventPlayersTest, CoverAssignedDefendersNeverSack)
{
    Assign_All_Roles(RESPONSIBILITY_DEEP_ZONE);
    // Place 0 rushes but has no pass rush (weight 0 and first in the list);
    // place 1 (end, 9 x 3 = 27) and place 5 (linebacker, 1 x 10 x 3 = 30) rush.
    Rate(AWAY, 20, RATING_PASS_RUSH, 30.0f);
    Rate(AWAY, 25, RATING_PASS_RUSH, 50.0f);
    ASSERT_TRUE(Set_Defensive_Play_Role(AWAY, 0, 0, RESPONSIBILITY_PASS_RUSH));
    ASSERT_TRUE(Set_Defensive_Play_Role(AWAY, 0, 1, RESPONSIBILITY_OUTSIDE_RUSH));
    ASSERT_TRUE(Set_Defensive_Play_Role(AWAY, 0, 5, RESPONSIBILITY_FIRST_NON_RUSH));   // not tripled: 10
    std::vector<int> Count = Draw_Counts(EVENT_TYPE_DEFENSE, EVENT_SACK, 3700);
    EXPECT_EQ(Count[21] + Count[25], 3700);
    // 27 : 10 of the draws.
    EXPECT_NEAR(Count[21], 2700, 150);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(EventPlayersTest, EarlySeasonSacksDampTheWeight)
{
    Assign_All_Roles(RESPONSIBILITY_DEEP_ZONE);
    ASSERT_TRUE(Set_Defensive_Play_Role(AWAY, 0, 0, RESPONSIBILITY_FIRST_NON_RUSH));
    ASSERT_TRUE(Set_Defensive_Play_Role(AWAY, 0, 1, RESPONSIBILITY_FIRST_NON_RUSH));
    Set_Player_Stat(AWAY, 20, STAT_PERIOD_THIS_SEASON, EVENT_SACK, 4);   // 9 / (4 + 5) = 1 against 9
    Set_User_Preference(PREF_CURRENT_WEEK, 2);
    std::vector<int> Count = Draw_Counts(EVENT_TYPE_DEFENSE, EVENT_SACK, 1000);
    EXPECT_NEAR(Count[20], 100, 40);
    Set_User_Preference(PREF_CURRENT_WEEK, 3);
    Count = Draw_Counts(EVENT_TYPE_DEFENSE, EVENT_SACK, 1000);
    EXPECT_NEAR(Count[20], 500, 60);
}

TEST_F(EventPlayersTest, LongGainsLeaveTheLineOutOfTheTackle)
{
    m_Game.nPlayYards = 12;
    std::vector<int> Count = Draw_Counts(EVENT_TYPE_DEFENSE, EVENT_SOLO_TACKLE, 2000);
    for (int s = 20; s <= 23; ++s)
        EXPECT_EQ(Count[s], 0) << s;
    for (int s = 24; s <= 30; ++s)
        EXPECT_GT(Count[s], 0) << s;
}

TEST_F(EventPlayersTest, ShortRunsLeaveCornersOutOfTheTackle)
{
    m_Game.CurrentPlay.nOffenseCall = 0;   // "Pro 21 Dive"
    ASSERT_TRUE(Is_Running_Play(HOME, 0));
    m_Game.nPlayYards = 2;
    std::vector<int> Count = Draw_Counts(EVENT_TYPE_DEFENSE, EVENT_TACKLE_ASSIST, 2000);
    EXPECT_EQ(Count[27], 0);
    EXPECT_EQ(Count[28], 0);
    EXPECT_GT(Count[20], 0);
    EXPECT_GT(Count[29], 0);
    // The same gain on a pass leaves them in.
    m_Game.CurrentPlay.nOffenseCall = 20;
    Count = Draw_Counts(EVENT_TYPE_DEFENSE, EVENT_TACKLE_ASSIST, 2000);
    EXPECT_GT(Count[27], 0);
}

TEST_F(EventPlayersTest, PenaltiesFallOnTheOffenceByType)
{
    // Only linemen are of type 1; a tackle of Discipline 100 weighs 5, the others 35.
    Rate(HOME, 6, RATING_DISCIPLINE, 100.0f);
    std::vector<int> Count = Draw_Counts(EVENT_TYPE_LINE, EVENT_PENALTY, 1450);
    int nLine = 0;
    for (int s = 6; s <= 10; ++s)
        nLine += Count[s];
    EXPECT_EQ(nLine, 1450);
    EXPECT_NEAR(Count[6], 50, 30);
}

TEST_F(EventPlayersTest, AnyPlayerSkipsEmptyPlaces)
{
    m_Game.nOnField[GAME_SIDE_AWAY][3] = NO_PLAYER;
    std::vector<int> Count = Draw_Counts(EVENT_TYPE_DEFENSE, EVENT_ANY_PLAYER, 1000);
    EXPECT_EQ(Count[NO_PLAYER], 0);
    EXPECT_EQ(Count[23], 0);
    for (int s : {20, 21, 22, 24, 25, 26, 27, 28, 29, 30})
        EXPECT_GT(Count[s], 50) << s;
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(EventPlayersTest, SkillPenaltyWithoutWeightsFallsOnPlacesOneToFive)
{
    std::vector<int> Count = Draw_Counts(EVENT_TYPE_SKILL, EVENT_PENALTY, 500);
    int nInside = 0;
    for (int s = 1; s <= 5; ++s) {
        EXPECT_GT(Count[s], 0) << s;
        nInside += Count[s];
    }
    EXPECT_EQ(nInside, 500);
}

TEST_F(EventPlayersTest, WithoutWeightsAnEmptyPlaceIsNeverDrawn)
{
    // No defender has a penalty frequency: every weight is 0. Of the 11
    // places, 3 and 8 are empty: the 9 others share the draws.
    m_Game.nOnField[GAME_SIDE_AWAY][3] = NO_PLAYER;
    m_Game.nOnField[GAME_SIDE_AWAY][8] = NO_PLAYER;
    std::vector<int> Count = Draw_Counts(EVENT_TYPE_DEFENSE, EVENT_PENALTY, 900);
    EXPECT_EQ(Count[NO_PLAYER], 0);
    for (int s : {20, 21, 22, 24, 25, 26, 27, 29, 30})
        EXPECT_GT(Count[s], 50) << s;
    EXPECT_EQ(Errors_Reported(), 0);
    // Of places 1-5 only place 2 is filled: a skill penalty always falls on him.
    for (int p : {1, 3, 4, 5})
        m_Game.nOnField[GAME_SIDE_HOME][p] = NO_PLAYER;
    Count = Draw_Counts(EVENT_TYPE_SKILL, EVENT_PENALTY, 100);
    EXPECT_EQ(Count[2], 100);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(EventPlayersTest, NoOneOnTheFieldGivesNoPlayer)
{
    std::memset(m_Game.nOnField[GAME_SIDE_AWAY], NO_PLAYER, PLACES_ON_FIELD);
    EXPECT_EQ(Choose_Game_Event_Player(&m_Game, EVENT_TYPE_DEFENSE, EVENT_SACK, 1), NO_PLAYER);
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_TRUE(Last_Error_Contains(
        "No player assigned in Choose_Game_Event_Player(pGame, nExpandedType=2, nStat=4, bPenalty=1)"));
    EXPECT_EQ(Choose_Game_Event_Player(nullptr, EVENT_TYPE_DEFENSE, EVENT_SACK, 0), NO_PLAYER);
}

TEST_F(EventPlayersTest, BallCarrierFromThePlayOrTheReadOption)
{
    m_Game.CurrentPlay.nOffenseCall = 3;   // "Pro 33 Dive": the fullback in place 2
    m_Game.nOnField[GAME_SIDE_HOME][2] = 42;
    EXPECT_EQ(Get_Ball_Carrier(&m_Game), 42);
    ASSERT_TRUE(Set_Offensive_Play_Carrier(HOME, 20, -1));
    m_Game.CurrentPlay.nOffenseCall = 20;  // a play without a carrier
    EXPECT_EQ(Get_Ball_Carrier(&m_Game), NO_PLAYER);
    m_Game.CurrentPlay.nOffenseCall = PLAY_NOT_CALLED;
    EXPECT_EQ(Get_Ball_Carrier(&m_Game), NO_PLAYER);

    // A read play: the carrier field names place 1; receivers 2 and 4 carry
    // the play-action route, and the later one (place 5) keeps the ball.
    std::strcpy(Get_Offensive_Playbook_Area(HOME)->Play[0].szName, "Zone Read Keep");
    ASSERT_TRUE(Set_Offensive_Play_Route(HOME, 0, 2, ROUTE_PLAY_ACTION));
    ASSERT_TRUE(Set_Offensive_Play_Route(HOME, 0, 4, ROUTE_PLAY_ACTION));
    m_Game.CurrentPlay.nOffenseCall = 0;
    m_Game.CurrentPlay.nDefenseCall = 3;
    m_Game.nClock = 100;                   // 103: odd
    EXPECT_EQ(Get_Ball_Carrier(&m_Game), 5);
    m_Game.nClock = 101;                   // even: the designed carrier
    EXPECT_EQ(Get_Ball_Carrier(&m_Game), 1);
    EXPECT_EQ(Errors_Reported(), 0);
}

}  // namespace
