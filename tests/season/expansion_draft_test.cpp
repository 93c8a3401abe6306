// The expansion draft with hand-computed picks. The two worth figures are set
// by the tests (trade worth 2 x (ID mod 1000), value to the new club 0), so
// a player's score is 1000 + ID mod 1000, divided by (taken + 1).
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "season_cycle_fixture.h"
#include "test_support.h"
#include "league/human_teams.h"
#include "season/expansion_draft.h"
#include "season/expansion_test_hooks.h"

namespace {

int Worth_From_ID(int nTeam, int nSlot)
{
    return 2 * (Get_Player_ID(nTeam, nSlot) % 1000);
}

int No_Value(int, int, int)
{
    return 0;
}

// Value to the new club of -10000: the max(.., 0) keeps it out.
int Negative_Value(int, int, int)
{
    return -10000;
}

class ExpansionDraftTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"expansion_draft"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        Set_Expansion_Worth_Functions(Worth_From_ID, No_Value);
        Set_Expansion_Exclusion(false);
    }
    void TearDown() override
    {
        Set_Expansion_Worth_Functions(nullptr, nullptr);
        Set_Expansion_Exclusion(false);
    }

    static void Put(int nTeam, int nSlot, int nID, int nPosition)
    {
        season_cycle::Put_Signed_Player(nTeam, nSlot, nID, nPosition, 60.0f, 1995, 2);
        Set_Player_First_Name(nTeam, nSlot, "Pat");
        char szLast[16];
        std::snprintf(szLast, sizeof szLast, "P%d", nID);
        Set_Player_Last_Name(nTeam, nSlot, szLast);
    }

    static int Slot_Of(int nID, int* pnTeam = nullptr)
    {
        for (int t = 0; t < MAX_FRANCHISES; ++t)
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
                if (Get_Player_ID(t, s) == nID) {
                    if (pnTeam != nullptr)
                        *pnTeam = t;
                    return s;
                }
        return -1;
    }

    static int Team_Of(int nID)
    {
        int nTeam = -1;
        Slot_Of(nID, &nTeam);
        return nTeam;
    }

    // The report's rows after its header.
    static std::vector<std::vector<std::string>> Rows(const char* szPath = "Output/Expansion-Draft-2021.csv")
    {
        std::vector<std::vector<std::string>> Result;
        std::istringstream In(Read_Text_File(szPath));
        std::string Line;
        bool bHeader = true;
        while (std::getline(In, Line)) {
            if (bHeader) {
                EXPECT_EQ(Line, "Drafted By,Player,Position,Age,Previous Team");
                bHeader = false;
                continue;
            }
            std::vector<std::string> Fields;
            std::istringstream F(Line);
            std::string Field;
            while (std::getline(F, Field, ','))
                Fields.push_back(Field);
            Result.push_back(Fields);
        }
        return Result;
    }

    // A club of 90 players whose slot s plays position s mod 15: offence
    // from slot 0 protects 0-10, defence from slot 8 protects 8-18, kickers
    // from slot 13 protect 13-14. IDs nBase + slot.
    static void Fill_Cycling_Club(int nTeam, int nBase)
    {
        for (int s = 0; s < 90; ++s)
            Put(nTeam, s, nBase + s, s % 15);
    }
};

// F-1: the offence begins at slot 90, so its 11 protected places would run
// to slot 100; only 90-99 are protected and nothing past the roster is
// written. Every pick's score is hand-computed: (1000 + slot) / (taken + 1),
// ties keeping the earlier slot.
TEST_F(ExpansionDraftTest, ProtectionStopsAtTheLastSlotAndPicksDivideByTheClubsTakenCount)
{
    season_cycle::Build_League(2);
    for (int s = 0; s < 90; ++s)
        Put(0, s, 1000 + s, POSITION_LB);
    for (int s = 90; s < 100; ++s)
        Put(0, s, 1000 + s, POSITION_WR);
    Set_Team_Stat(1, TEAM_STAT_CONTROLLER, CONTROLLER_NEW_FRANCHISE);

    Run_Expansion_Draft();

    EXPECT_EQ(Errors_Reported(), 0) << Get_Recent_Errors();
    // Picks, in order: 1089 (1089); 1088 (544); 1086 (1086/3 = 362 = 1087/3,
    // the earlier slot); 1084 (271, as 1085 and 1087); 1085 (217, as 1087);
    // 1087 (181); 1078 (154, as 1079-1083).
    const std::vector<std::vector<std::string>> Picks = Rows();
    const int EXPECTED[] = {1089, 1088, 1086, 1084, 1085, 1087, 1078};
    ASSERT_EQ(Picks.size(), 7u);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(Picks[i][1], "Pat P" + std::to_string(EXPECTED[i])) << i;
        EXPECT_EQ(Picks[i][0], "City1 Nick1");
        EXPECT_EQ(Picks[i][2], "LB");
        EXPECT_EQ(Picks[i][3], "25");   // 2020 - 1995
        EXPECT_EQ(Picks[i][4], "City0 Nick0");
        EXPECT_EQ(Team_Of(EXPECTED[i]), 1);
        EXPECT_TRUE(Is_Player_Protected(1, Slot_Of(EXPECTED[i])));
    }
    EXPECT_EQ(Get_Expansion_Taken_Count(0), 7);
    // Protected: 0-10 (defence from slot 0) and 90-99 (offence from 90).
    for (int nID = 1000; nID < 1100; ++nID) {
        const int nTeam = Team_Of(nID);
        if (nTeam != 0)
            continue;
        const bool bExpected = nID <= 1010 || nID >= 1090;
        EXPECT_EQ(Is_Player_Protected(0, Slot_Of(nID)), bExpected) << nID;
    }
    // The source roster is compact again: 93 players, no hole.
    EXPECT_EQ(Count_Team_Players(0), 93);
    EXPECT_EQ(Find_Empty_Player_Slot(0), 93);
}

// F-2: an empty record reads as position 0 (QB) but is never drafted; the
// only quarterback is protected, so no quarterback is taken at all.
TEST_F(ExpansionDraftTest, EmptyRecordsAreNeverPicked)
{
    season_cycle::Build_League(2);
    Put(0, 0, 1000, POSITION_QB);    // offence: protects 0-10
    Put(0, 1, 1001, POSITION_K);     // kickers: protect 1-2
    for (int s = 2; s < 20; ++s)
        Put(0, s, 1000 + s, POSITION_LB);   // defence from 2: protects 2-12
    Clear_Player(0, 15);             // a hole in the roster
    Set_Team_Stat(1, TEAM_STAT_CONTROLLER, CONTROLLER_NEW_FRANCHISE);
    Put(1, 0, 2000, POSITION_QB);
    Put(1, 1, 2001, POSITION_LB);
    Put(1, 2, 2002, POSITION_K);

    Run_Expansion_Draft();

    const std::vector<std::vector<std::string>> Picks = Rows();
    // LBs 1013, 1014, 1016-1019 unprotected: 6 picks, all of them.
    ASSERT_EQ(Picks.size(), 6u);
    for (const auto& Pick : Picks)
        EXPECT_EQ(Pick[2], "LB");
    EXPECT_EQ(Get_Expansion_Taken_Count(0), 6);
    EXPECT_EQ(Count_Team_Players(1), 9);
    for (int s = 0; s < 9; ++s)
        EXPECT_NE(Get_Player_ID(1, s), 0);
}

// One new club against two cycling clubs: every position's quota is met.
TEST_F(ExpansionDraftTest, EachPositionIsDraftedUpToItsQuota)
{
    season_cycle::Build_League(3);
    Fill_Cycling_Club(0, 1000);
    Fill_Cycling_Club(1, 2000);
    Set_Team_Stat(2, TEAM_STAT_CONTROLLER, CONTROLLER_NEW_FRANCHISE);
    Put(2, 0, 3000, POSITION_QB);
    Put(2, 1, 3001, POSITION_LB);
    Put(2, 2, 3002, POSITION_K);

    Run_Expansion_Draft();

    const char* POSITIONS[] = {"QB", "RB", "FB", "TE", "WR", "T", "G", "C", "DE", "DT", "LB", "CB", "S", "K", "P"};
    std::map<std::string, int> Count;
    for (const auto& Pick : Rows())
        ++Count[Pick[2]];
    int nTotal = 0;
    for (int q = 0; q < 15; ++q) {
        EXPECT_EQ(Count[POSITIONS[q]], EXPANSION_POSITION_QUOTA[q]) << POSITIONS[q];
        nTotal += Count[POSITIONS[q]];
    }
    EXPECT_EQ(nTotal, 57);
    EXPECT_EQ(Count_Team_Players(2), 60);
    EXPECT_EQ(Get_Expansion_Taken_Count(0) + Get_Expansion_Taken_Count(1), 57);
    // Protected players (slots 0-18 of each club) all stay.
    for (int s = 0; s <= 18; ++s) {
        EXPECT_EQ(Team_Of(1000 + s), 0) << s;
        EXPECT_EQ(Team_Of(2000 + s), 1) << s;
    }
}

// A new club holding 66 players takes 4 more (the first positions of pass
// 0: QB, RB, FB, TE), then no more.
TEST_F(ExpansionDraftTest, NewClubStopsAtSeventyPlayers)
{
    season_cycle::Build_League(3);
    Fill_Cycling_Club(0, 1000);
    Fill_Cycling_Club(1, 2000);
    Set_Team_Stat(2, TEAM_STAT_CONTROLLER, CONTROLLER_NEW_FRANCHISE);
    for (int s = 0; s < 66; ++s)
        Put(2, s, 3000 + s, s % 15);

    Run_Expansion_Draft();

    const std::vector<std::vector<std::string>> Picks = Rows();
    ASSERT_EQ(Picks.size(), 4u);
    EXPECT_EQ(Picks[0][2], "QB");
    EXPECT_EQ(Picks[1][2], "RB");
    EXPECT_EQ(Picks[2][2], "FB");
    EXPECT_EQ(Picks[3][2], "TE");
    EXPECT_EQ(Count_Team_Players(2), EXPANSION_ROSTER_CAP);
}

// Two new clubs alternate within each position, the lower slot first.
// Unprotected quarterbacks: slots 30, 45, 60, 75 of each club. The best
// scores 1075 at both clubs: club 0's (scanned first) goes to club 2; club
// 0's next then scores 1060 / 2 = 530, so club 1's 2075 goes to club 3.
TEST_F(ExpansionDraftTest, TwoNewClubsAlternateLowerSlotFirst)
{
    season_cycle::Build_League(4);
    Fill_Cycling_Club(0, 1000);
    Fill_Cycling_Club(1, 2000);
    for (int t = 2; t <= 3; ++t) {
        Set_Team_Stat(t, TEAM_STAT_CONTROLLER, CONTROLLER_NEW_FRANCHISE);
        Put(t, 0, 3000 + 100 * t, POSITION_QB);
        Put(t, 1, 3001 + 100 * t, POSITION_LB);
        Put(t, 2, 3002 + 100 * t, POSITION_K);
    }

    Run_Expansion_Draft();

    const std::vector<std::vector<std::string>> Picks = Rows();
    ASSERT_GE(Picks.size(), 4u);
    EXPECT_EQ(Picks[0][0], "City2 Nick2");
    EXPECT_EQ(Picks[0][1], "Pat P1075");
    EXPECT_EQ(Picks[1][0], "City3 Nick3");
    EXPECT_EQ(Picks[1][1], "Pat P2075");
    EXPECT_EQ(Picks[2][0], "City2 Nick2");
    EXPECT_EQ(Picks[2][2], "RB");   // one pick a club per position and pass
    // Twice the quotas, except where the two clubs hold fewer unprotected
    // players: 10 receivers (not 12) and 10 linebackers (not 14): 108.
    EXPECT_EQ(Picks.size(), 108u);
    EXPECT_EQ(Get_Expansion_Taken_Count(0) + Get_Expansion_Taken_Count(1), 108);
}

// Before 1970 a new club takes players of its own league only.
TEST_F(ExpansionDraftTest, BeforeNineteenSeventyPicksStayInTheLeague)
{
    for (int nYear : {1969, 1970}) {
        SCOPED_TRACE(nYear);
        Zero_League_Data();
        season_cycle::Build_League(3);
        Set_Universe_Stat(FIRST_SEASON_YEAR, nYear);
        Fill_Cycling_Club(0, 1000);   // league 0
        Fill_Cycling_Club(1, 2000);
        Set_Team_Stat(1, TEAM_STAT_DIVISION, 4);   // league 1
        Set_Team_Stat(2, TEAM_STAT_DIVISION, 5);
        Set_Team_Stat(2, TEAM_STAT_CONTROLLER, CONTROLLER_NEW_FRANCHISE);
        Put(2, 0, 3000, POSITION_QB);
        Put(2, 1, 3001, POSITION_LB);
        Put(2, 2, 3002, POSITION_K);

        Run_Expansion_Draft();

        if (nYear == 1969) {
            EXPECT_EQ(Get_Expansion_Taken_Count(0), 0);
            EXPECT_EQ(Count_Team_Players(0), 90);
            // Club 1 alone has 4 or 5 unprotected at each position.
            EXPECT_EQ(Get_Expansion_Taken_Count(1), 3 + 4 + 2 + 4 + 5 + 4 + 4 + 2 + 5 + 4 + 5 + 5 + 5 + 1 + 1);
        } else {
            EXPECT_GT(Get_Expansion_Taken_Count(0), 0);
            EXPECT_EQ(Get_Expansion_Taken_Count(0) + Get_Expansion_Taken_Count(1), 57);
        }
    }
}

// The user's excluded club loses nobody; the computer club gives all.
TEST_F(ExpansionDraftTest, ExcludedUserClubLosesNobody)
{
    season_cycle::Build_League(3, 1);
    Fill_Cycling_Club(0, 1000);
    Fill_Cycling_Club(1, 2000);
    Set_Team_Stat(2, TEAM_STAT_CONTROLLER, CONTROLLER_NEW_FRANCHISE);
    Put(2, 0, 3000, POSITION_QB);
    Put(2, 1, 3001, POSITION_LB);
    Put(2, 2, 3002, POSITION_K);
    Set_Expansion_Exclusion(true);

    Run_Expansion_Draft();

    EXPECT_EQ(Get_Expansion_Taken_Count(0), 0);
    EXPECT_EQ(Count_Team_Players(0), 90);
    EXPECT_GT(Get_Expansion_Taken_Count(1), 0);
    // Nothing lost, so no list of losses; the report's box only.
    for (const SHOWN_BOX& Box : ui::Shown_Boxes())
        EXPECT_NE(Box.Caption, "Expansion Draft Complete");
}

// The user's losses are listed, then the report's place is told.
TEST_F(ExpansionDraftTest, UserIsToldWhoWasTakenAndWhereTheListIs)
{
    season_cycle::Build_League(2, 1);
    Put(0, 0, 1000, POSITION_QB);    // offence 0-10, defence 1-11, kickers none
    for (int s = 1; s < 13; ++s)
        Put(0, s, 1000 + s, POSITION_LB);
    Set_Team_Stat(1, TEAM_STAT_CONTROLLER, CONTROLLER_NEW_FRANCHISE);
    Put(1, 0, 2000, POSITION_QB);
    Put(1, 1, 2001, POSITION_LB);
    Put(1, 2, 2002, POSITION_K);

    Run_Expansion_Draft();

    // Club 0 had no kicker: one was made at slot 13 and protected.
    // Unprotected: the LB at slot 12 only.
    // (The made kicker's name may bring the name files' own news first.)
    std::vector<SHOWN_BOX> Boxes;
    for (const SHOWN_BOX& Box : ui::Shown_Boxes())
        if (Box.Caption.rfind("Expansion Draft", 0) == 0)
            Boxes.push_back(Box);
    ASSERT_EQ(Boxes.size(), 2u);
    EXPECT_EQ(Boxes[0].Caption, "Expansion Draft Complete");
    EXPECT_EQ(Boxes[0].Text, "The following City0 Nick0 players were taken in the Expansion Draft:\n\nPat P1012 (LB, age 25)\n");
    EXPECT_EQ(Boxes[1].Caption, "Expansion Draft");
    EXPECT_EQ(Boxes[1].Text, "A complete list of draft picks has been output to 'Output/Expansion-Draft-2021.csv'.");
}

// No pick: the report is not touched and not announced.
TEST_F(ExpansionDraftTest, DraftWithoutPicksLeavesTheReportAlone)
{
    season_cycle::Build_League(2);
    Put(0, 0, 1000, POSITION_QB);
    Put(0, 1, 1001, POSITION_LB);
    Put(0, 2, 1002, POSITION_K);
    Set_Team_Stat(1, TEAM_STAT_CONTROLLER, CONTROLLER_NEW_FRANCHISE);
    Put(1, 0, 2000, POSITION_QB);
    Put(1, 1, 2001, POSITION_LB);
    Put(1, 2, 2002, POSITION_K);

    Run_Expansion_Draft();

    EXPECT_EQ(Read_Text_File("Output/Expansion-Draft-2021.csv", "(none)"), "(none)");
    for (const SHOWN_BOX& Box : ui::Shown_Boxes())
        EXPECT_EQ(Box.Caption.find("Expansion"), std::string::npos) << Box.Caption;
}

// Score rules: a negative value to the club adds nothing (max with 0), and
// a score of 0 or less is never chosen.
TEST_F(ExpansionDraftTest, ChoiceScoresKeepTheValueAtLeastZero)
{
    season_cycle::Build_League(2);
    Put(0, 20, 1500, POSITION_RB);
    Put(0, 21, 1400, POSITION_RB);
    Set_Team_Stat(1, TEAM_STAT_CONTROLLER, CONTROLLER_NEW_FRANCHISE);
    Set_Expansion_Worth_Functions(Worth_From_ID, Negative_Value);
    int nTeam = -1;
    int nSlot = -1;
    ASSERT_EQ(Choose_Expansion_Pick(1, &nTeam, &nSlot, POSITION_RB), 1);
    EXPECT_EQ(nTeam, 0);
    EXPECT_EQ(nSlot, 20);
    EXPECT_EQ(Choose_Expansion_Pick(1, &nTeam, &nSlot, POSITION_QB), 0);
    // Protected: no choice.
    Set_Player_Vital_Stat(0, 20, VITAL_FLAGS, EXPANSION_PROTECTED_FLAG);
    Set_Player_Vital_Stat(0, 21, VITAL_FLAGS, EXPANSION_PROTECTED_FLAG | 1);
    EXPECT_EQ(Choose_Expansion_Pick(1, &nTeam, &nSlot, POSITION_RB), 0);
}

}  // namespace
