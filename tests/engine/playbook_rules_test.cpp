// The repair of playbooks read from outside: what the program made is left
// byte for byte, a run gets a carrier and a hole, a pass a receiver on a
// receiving route, and a play of no known kind its built-in call. Formation
// places from the catalogue: Pro Set (3) QB, RB, FB, TE, WR, WR; Ace (4) QB,
// RB, TE, TE, WR, WR; Five Wide (16) QB and five WR.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/playbook_rules.h"
#include "engine/playbooks.h"
#include "league/league_fixture.h"
#include "platform/files.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;

constexpr int PRO_SET = 3;
constexpr int FIVE_WIDE = 16;
constexpr int PRO_21_DIVE = 0;       // rush, Pro Set, halfback (place 1), hole 1
constexpr int ACE_28_SWEEP = 14;     // sweep, Ace, halfback, hole 8
constexpr int PRO_262_HOVER = 20;    // pass, Pro Set, routes 14, 39, 2, 6, 2, primary receiver 5
constexpr int PRO_852 = 31;          // pass, Pro Set, routes 39, 39, 8, 5, 2, primary receiver 4
constexpr int PRO_48_END_AROUND = 52;

class PlaybookRulesTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(2);
        Build_Team_Default_Playbook(0);
        m_pOffense = std::make_unique<OFFENSIVE_PLAYBOOK_AREA>(*Get_Offensive_Playbook_Area(0));
        m_pDefense = std::make_unique<DEFENSIVE_PLAYBOOK_AREA>(*Get_Defensive_Playbook_Area(0));
    }

    OFFENSIVE_PLAY& Offense(int nPlay) { return m_pOffense->Play[nPlay]; }
    DEFENSIVE_PLAY& Defense(int nPlay) { return m_pDefense->Play[nPlay]; }

    std::unique_ptr<OFFENSIVE_PLAYBOOK_AREA> m_pOffense;
    std::unique_ptr<DEFENSIVE_PLAYBOOK_AREA> m_pDefense;
};

TEST_F(PlaybookRulesTest, WhatTheProgramMakesNeedsNoRepair)
{
    EXPECT_EQ(Repair_Offensive_Playbook(*m_pOffense), 0);
    EXPECT_EQ(std::memcmp(m_pOffense.get(), Get_Offensive_Playbook_Area(0), sizeof(OFFENSIVE_PLAYBOOK_AREA)), 0);
    EXPECT_EQ(Repair_Defensive_Playbook(*m_pDefense), 0);
    EXPECT_EQ(std::memcmp(m_pDefense.get(), Get_Defensive_Playbook_Area(0), sizeof(DEFENSIVE_PLAYBOOK_AREA)), 0);

    // The books the program ships.
    const char* szSource = std::getenv("KELVO_SOURCE_DIR");
    ASSERT_NE(szSource, nullptr);
    int nBooks = 0;
    for (const auto& Entry : fs::directory_iterator(fs::path(szSource) / "data" / "playbooks")) {
        std::vector<unsigned char> Bytes;
        ASSERT_TRUE(files::Read_Whole_File(Entry.path().c_str(), Bytes)) << Entry.path();
        SCOPED_TRACE(Entry.path().string());
        if (Entry.path().extension() == ".opb") {
            ASSERT_EQ(Bytes.size(), sizeof(OFFENSIVE_PLAYBOOK_AREA));
            std::memcpy(m_pOffense.get(), Bytes.data(), Bytes.size());
            EXPECT_EQ(Repair_Offensive_Playbook(*m_pOffense), 0);
        } else {
            ASSERT_EQ(Bytes.size(), sizeof(DEFENSIVE_PLAYBOOK_AREA));
            std::memcpy(m_pDefense.get(), Bytes.data(), Bytes.size());
            EXPECT_EQ(Repair_Defensive_Playbook(*m_pDefense), 0);
        }
        ++nBooks;
    }
    EXPECT_EQ(nBooks, 5);
}

TEST_F(PlaybookRulesTest, ARunWithoutACarrierHandsOffToTheFormationsBack)
{
    Offense(PRO_21_DIVE).nCarrier = 0;
    Offense(PRO_21_DIVE).nRoute[0] = 9;                 // the halfback's handoff route lost too
    Offense(1).nCarrier = INT_MIN;                      // Pro 20 Blast
    Offense(1).nRunHole = INT_MAX;
    Offense(2).nFormation = FIVE_WIDE;                  // Pro 22 Trap with no back
    Offense(2).nCarrier = 12;
    Offense(ACE_28_SWEEP).nCarrier = -1;
    Offense(ACE_28_SWEEP).nRunHole = -1;
    Offense(10).nCarrier = 5;                           // Pro 24 Off Tackle by the first receiver (place 4)
    Offense(PRO_48_END_AROUND).nRoute[2] = 7;           // its carrier, the tight end (place 3)
    EXPECT_EQ(Repair_Offensive_Playbook(*m_pOffense), 6);

    EXPECT_EQ(Offense(PRO_21_DIVE).nCarrier, 2);         // the halfback, place 1
    EXPECT_EQ(Offense(PRO_21_DIVE).nRoute[0], ROUTE_HANDOFF);
    EXPECT_EQ(Offense(PRO_21_DIVE).nRunHole, 1);
    EXPECT_EQ(Offense(1).nCarrier, 2);
    EXPECT_EQ(Offense(1).nRunHole, 2);
    EXPECT_EQ(Offense(2).nCarrier, 1);                  // the quarterback keeps it
    EXPECT_EQ(Offense(ACE_28_SWEEP).nCarrier, 2);
    EXPECT_EQ(Offense(ACE_28_SWEEP).nRunHole, 6);       // a sweep goes outside
    EXPECT_EQ(Offense(10).nCarrier, 5);
    EXPECT_EQ(Offense(10).nRoute[3], ROUTE_HANDOFF);
    EXPECT_EQ(Offense(PRO_48_END_AROUND).nRoute[2], ROUTE_END_AROUND);
    // The halfback's handoff route is no receiver's route; what else was
    // right stays.
    EXPECT_EQ(Offense(10).nRoute[0], 0);
    EXPECT_EQ(Offense(10).nRoute[1], 13);
    EXPECT_EQ(Offense(10).nRunHole, 4);
}

TEST_F(PlaybookRulesTest, APassIsThrownToAReceiverOnAReceivingRoute)
{
    Offense(PRO_262_HOVER).nCarrier = 1;                // the quarterback: from receiver 3, who runs route 2
    Offense(21).nCarrier = 0;                           // Pro 9-9-Screen, none: receiver 1 runs the screen (11)
    Offense(22).nCarrier = INT_MIN;                     // Pro 251 Under
    for (int32_t& nRoute : Offense(22).nRoute)
        nRoute = 39;                                    // everyone blocks
    Offense(PRO_852).nRoute[2] = 56;                    // a route past those a receiver picks
    Offense(PRO_852).nRoute[3] = INT_MAX;               // the primary receiver's route lost
    EXPECT_EQ(Repair_Offensive_Playbook(*m_pOffense), 4);

    EXPECT_EQ(Offense(PRO_262_HOVER).nCarrier, 4);
    EXPECT_EQ(Offense(21).nCarrier, 2);
    // Five misses from receiver 1 come back to him: he is given route 2.
    EXPECT_EQ(Offense(22).nCarrier, 2);
    EXPECT_EQ(Offense(22).nRoute[0], 2);
    EXPECT_EQ(Offense(22).nRoute[1], 39);
    // Receiver 4's route is lost: the search goes on to receiver 5 (route
    // 2); the lost route and receiver 3's 56 read as 0.
    EXPECT_EQ(Offense(PRO_852).nCarrier, 6);
    EXPECT_EQ(Offense(PRO_852).nRoute[3], 0);
    EXPECT_EQ(Offense(PRO_852).nRoute[2], 0);
}

TEST_F(PlaybookRulesTest, PlaysOfNoKnownKindBecomeTheirBuiltInCall)
{
    std::strcpy(Offense(3).szName, "Mine");
    Offense(3).nFormation = 30;                         // a defensive formation
    std::strcpy(Offense(4).szName, "Punt It");
    Offense(4).nType = PLAY_TYPE_PUNT;
    Offense(5).nType = INT_MIN;
    std::memset(&Offense(6), 0x80, sizeof(OFFENSIVE_PLAY));
    Offense(6).szName[0] = '\0';                        // a free entry of odd codes
    std::memset(m_pOffense->szNotes, 'n', PLAYBOOK_NOTES_SIZE);
    EXPECT_EQ(Repair_Offensive_Playbook(*m_pOffense), 5);
    for (int p : {3, 4, 5})
        EXPECT_EQ(std::memcmp(&Offense(p), &BUILT_IN_OFFENSIVE_PLAYS[p], sizeof(OFFENSIVE_PLAY)), 0) << p;
    EXPECT_EQ(Offense(6).szName[0], '\0');
    EXPECT_EQ(Offense(6).nCarrier, 0);
    EXPECT_EQ(Offense(6).nRunHole, NO_HOLE);
    EXPECT_EQ(Offense(6).nPlayActionHole, NO_HOLE);
    EXPECT_EQ(Offense(6).nType, PLAY_TYPE_RUSH);
    for (const int32_t nRoute : Offense(6).nRoute)
        EXPECT_EQ(nRoute, NO_ROUTE);
    EXPECT_EQ(std::strlen(m_pOffense->szNotes), static_cast<size_t>(PLAYBOOK_NOTES_SIZE - 1));

    Defense(7).nFormation = LAST_OFFENSIVE_FORMATION;
    Defense(8).nResponsibility[10] = RESPONSIBILITY_COUNT;
    Defense(9).szName[0] = '\0';
    Defense(9).nResponsibility[0] = INT_MAX;
    EXPECT_EQ(Repair_Defensive_Playbook(*m_pDefense), 3);
    for (int p : {7, 8})
        EXPECT_EQ(std::memcmp(&Defense(p), &BUILT_IN_DEFENSIVE_PLAYS[p], sizeof(DEFENSIVE_PLAY)), 0) << p;
    EXPECT_EQ(Defense(9).nResponsibility[0], RESPONSIBILITY_PASS_RUSH);
    EXPECT_EQ(Defense(9).nFormation, BUILT_IN_DEFENSIVE_PLAYS[9].nFormation);
}

// A pass stored with a carrier at the end of its integer is still told
// apart by its primary route (no receiver: a short pass).
TEST_F(PlaybookRulesTest, TheCategoryOfAPassWithoutAReceiverIsAShortPass)
{
    Get_Offensive_Playbook_Area(0)->Play[PRO_262_HOVER].nCarrier = INT_MIN;
    EXPECT_EQ(Get_Offensive_Play_Category(0, PRO_262_HOVER), 3);
    Get_Offensive_Playbook_Area(0)->Play[PRO_262_HOVER].nCarrier = INT_MAX;
    EXPECT_EQ(Get_Offensive_Play_Category(0, PRO_262_HOVER), 3);
}

}  // namespace
