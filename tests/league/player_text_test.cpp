// Player display texts, the measures from statistics and ratings, the
// season-statistic adders, the player counters and the predicted-statistics
// cache.

#include <climits>
#include <cstring>
#include <string>

#include "league/player_stats.h"
#include "league/player_text.h"
#include "league/player_fixture.h"

namespace {

class PlayerTextTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(2);
        League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
        Stop_Predicted_Stat_Cache();
    }

    static PLAYER& Add_Player(int nTeam, int nSlot, int nPosition, const char* szFirst = "John",
                              const char* szLast = "Smith")
    {
        static int nNextID = 5000;
        PLAYER& Player = Put_Player(nTeam, nSlot, ++nNextID, nPosition);
        Player.nVital[VITAL_WEIGHT] = 220;
        Player.nVital[VITAL_BIRTH_DATE] = 19950101;
        std::strcpy(Player.szFirstName, szFirst);
        std::strcpy(Player.szLastName, szLast);
        return Player;
    }
};

TEST_F(PlayerTextTest, NameFormsAndCollegeShortForms)
{
    Add_Player(0, 1, POSITION_QB, "Christopher", "Featherstone");
    Add_Player(0, 2, POSITION_QB, "Christopher", "Featherstones");
    char szSmall[4];
    Get_Player_Initial_Name(0, 2, szSmall);
    EXPECT_STREQ(szSmall, "C. ");
    // No player or a bad address: empty (only the latter reported).
    Expect_Refused({
        {[] { char sz[8] = "stale"; Get_Player_Initial_Name(0, 3, sz); EXPECT_STREQ(sz, ""); }, nullptr},
        {[] { char sz[8] = "stale"; Get_Player_Initial_Name(41, 0, sz); EXPECT_STREQ(sz, ""); },
         "nTeam out of bounds in Get_Player_Initial_Name([41],0)"},
        {[] { char sz[8]; Get_Player_Initial_Name(0, 100, sz); }, "nSlot out of bounds in Get_Player_Initial_Name(0,[100])"},
    });

    // The shown full name: 24 characters stay whole, 25 take the initial form.
    char szShown[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Display_Name(0, 1, szShown);
    EXPECT_STREQ(szShown, "Christopher Featherstone");
    Get_Player_Display_Name(0, 2, szShown);
    EXPECT_STREQ(szShown, "C. Featherstones");
    Add_Player(0, 4, POSITION_QB, "Christopher", "Featherstonehaugh");   // 29
    Get_Player_Display_Name(0, 4, szShown);
    EXPECT_STREQ(szShown, "C. Featherstonehaugh");
    Expect_Refused({
        {[] { char sz[8] = "stale"; Get_Player_Display_Name(0, 3, sz); EXPECT_STREQ(sz, ""); }, nullptr},
        {[] { char sz[8]; Get_Player_Display_Name(41, 0, sz); }, "nTeam out of bounds in Get_Player_Display_Name([41],0)"},
    });

    const char* szColleges[][2] = {
        {"northwest missouri state", "NW Missouri State"},
        {"TENNESSEE - CHATTANOOGA", "Chattanooga (TN)"},
        {"Northwest Missouri St", "Northwest Missouri St"},   // not a full field: not cut
    };
    char szName[64];
    for (const auto& College : szColleges) {
        Set_Player_College(0, 1, College[0]);   // two are cut to the field's 23 characters
        Get_Player_College_Short(0, 1, szName);
        EXPECT_STREQ(szName, College[1]);
    }
}

TEST_F(PlayerTextTest, CorvelIdIsBoundedAndZeroFilled)
{
    Add_Player(0, 0, POSITION_WR);
    std::memset(League.Team[0].Player[0].szCorvelID, 'Z', PLAYER_CORVEL_ID_SIZE);
    EXPECT_EQ(std::string(Get_Player_Corvel_ID_Text(0, 0)), std::string(11, 'Z'));
    Set_Player_Corvel_ID(0, 0, "ABCDEFGHIJKLMNOP");
    EXPECT_STREQ(Get_Player_Corvel_ID_Text(0, 0), "ABCDEFGHIJK");
    Set_Player_Corvel_ID(0, 0, "SmithJo01");
    EXPECT_EQ(League.Team[0].Player[0].szCorvelID[PLAYER_CORVEL_ID_SIZE - 1], '\0');
    Expect_Refused({
        {[] { EXPECT_STREQ(Get_Player_Corvel_ID_Text(41, 0), ""); }, "nTeam out of bounds"},
        {[] { EXPECT_STREQ(Get_Player_Corvel_ID_Text(0, 100), ""); }, "nSlot out of bounds"},
        {[] { Set_Player_Corvel_ID(0, 0, nullptr); }, "Set_Player_Corvel_ID"},
    });
}

TEST_F(PlayerTextTest, CountersReadSignedAndAdderHoldsItsRange)
{
    Add_Player(0, 2, POSITION_QB);
    League.Team[0].Player[2].nVital[VITAL_CAREER_GAMES_AND_STARTS] = 5;
    Add_To_Player_Vital_Stat_17(0, 2, INT_MAX);
    EXPECT_EQ(League.Team[0].Player[2].nVital[VITAL_CAREER_GAMES_AND_STARTS], INT_MAX);
    League.Team[0].Player[2].nCounter[5] = -7;   // the last counter, signed
    EXPECT_EQ(Get_Player_Counter(0, 2, 5), -7);
    EXPECT_EQ(Errors_Reported(), 0);
    Expect_Refused({
        {[] { EXPECT_EQ(Get_Player_Counter(0, 2, 6), 0); }, "nCounter out of bounds in Get_Player_Counter(0,2,[6])"},
        {[] { EXPECT_EQ(Get_Player_Counter(41, 2, 0), 0); }, "nTeam out of bounds in Get_Player_Counter([41],2,0)"},
        {[] { EXPECT_EQ(Get_Player_Counter(0, 2, -1), 0); }, "nCounter out of bounds in Get_Player_Counter(0,2,[-1])"},
        {[] { Add_To_Player_Vital_Stat_17(0, 100, 1); }, "Add_To_Player_Vital_Stat_17"},
    });
}

TEST_F(PlayerTextTest, EstimatedAndRatedMeasures)
{
    // Career 4,300 yards on 1,000 rushes: code 112 = 430.
    PLAYER& Back = Add_Player(0, 0, POSITION_RB);
    Back.nStat[3][1] = 10;      // predicted starts
    Back.nStat[1][8] = 1200;    // last season's rushing yards
    Back.nStat[2][7] = 1000;
    Back.nStat[2][8] = 4300;
    Back.nVital[VITAL_WEIGHT] = 215;
    // e = 15 - 35 - 2 + 20 + 30 = 28; from 2019: 28 x 6,250 / 33,550 -> 5; (5 + 30) / 2.
    EXPECT_EQ(Get_Player_Estimated_Measure(0, 0), 17);
    // m = 30 + 17 = 47; uniform 44: 47 x 44 / 20 -> 103, above 80: (103 + 80) / 2.
    Back.fRating[RATING_RUN_BLOCKING] = 80.0f;
    Back.bStat[BYTE_STAT_UNIFORM] = 44;
    EXPECT_EQ(Get_Player_Rated_Measure(0, 0), 91);
    Back.bStat[BYTE_STAT_UNIFORM] = 22;
    // Uniform 22 leaves m = 47. Ratings truncate: -13 x 140 / 159 -> -11; below 20: (-11 + 20) / 2.
    Back.fRating[RATING_RUN_BLOCKING] = 60.9f;
    Back.fRating[RATING_RECEIVING] = 89.9f;
    EXPECT_EQ(Get_Player_Rated_Measure(0, 0), 4);

    // Absurd figures stay within 0-100 (no overflow).
    PLAYER& Odd = Add_Player(0, 3, POSITION_RB);
    Odd.nStat[3][1] = INT_MAX;
    Odd.nStat[1][8] = INT_MIN;
    Odd.nVital[VITAL_WEIGHT] = INT_MAX;
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2024;
    EXPECT_EQ(Get_Player_Estimated_Measure(0, 3), 100);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerTextTest, SmallSampleDamping)
{
    PLAYER& Passer = Add_Player(0, 0, POSITION_QB);
    League.Universe.nStat[GAMES_PER_SEASON] = 16;
    // L = 64; 8 games + 4 x 4 starts = 24: f = 15 x 500 / 25 = 300; 70 x 800 / 1000.
    Passer.nStat[3][0] = 8;
    Passer.nStat[3][1] = 4;
    EXPECT_EQ(Apply_Small_Sample_Damping(0, 0, 70), 56);
    Passer.nStat[3][0] = 16;   // 16 + 4 x 12 = 64: enough
    Passer.nStat[3][1] = 12;
    EXPECT_EQ(Apply_Small_Sample_Damping(0, 0, 70), 70);
    // 18 games are stored back as 17: L = 68; f = 12,500 / 26 -> 481; 70 x 981 / 1000.
    League.Universe.nStat[GAMES_PER_SEASON] = 18;
    EXPECT_EQ(Apply_Small_Sample_Damping(0, 0, 70), 69);
    EXPECT_EQ(League.Universe.nStat[GAMES_PER_SEASON], 17);
    League.Universe.nStat[GAMES_PER_SEASON] = 0;   // no season: nothing to fall short of
    Passer.nStat[3][0] = 0;
    Passer.nStat[3][1] = 0;
    EXPECT_EQ(Apply_Small_Sample_Damping(0, 0, 70), 70);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerTextTest, SeasonAddersKeepKickersLongestKicksAndHoldSums)
{
    PLAYER& Back = Add_Player(0, 0, POSITION_RB);
    PLAYER& Kicker = Add_Player(1, 0, POSITION_K);
    PLAYER& Pool = Add_Player(FREE_AGENT_TEAM, 0, POSITION_RB);
    Back.nStat[0][7] = Kicker.nStat[0][7] = Pool.nStat[0][7] = Back.nStat[0][3] = 1;
    Back.nStat[2][7] = Kicker.nStat[2][7] = Pool.nStat[2][7] = 50;
    Back.nStat[2][3] = INT_MAX;
    Kicker.nStat[0][5] = 70;    // longest punt this season
    Kicker.nStat[2][5] = 60;
    Kicker.nStat[0][18] = 48;   // longest field goal this season
    Kicker.nStat[2][18] = 55;
    // Career plus this season, held, not wrapped; the pool is not added to;
    // the longest kicks are maxima and stay through the subtraction.
    Add_All_Players_Season_Stats(2, 0);
    EXPECT_EQ(Back.nStat[2][3], INT_MAX);
    EXPECT_EQ(Pool.nStat[2][7], 50);
    Subtract_Season_0_From_Season_2();
    EXPECT_EQ(Back.nStat[2][7], 50);
    EXPECT_EQ(Pool.nStat[2][7], 49);
    EXPECT_EQ(Kicker.nStat[2][5], 70);
    EXPECT_EQ(Kicker.nStat[2][18], 55);
    EXPECT_EQ(Errors_Reported(), 0);
    Expect_Refused({
        {[] { Add_Player_Season_Stats(0, 0, 3, 40); }, "nPeriod out of bounds in Add_Player_Season_Stats(0,0,3,[40])"},
        {[] { Add_Player_Season_Stats(41, 0, 2, 0); }, "nTeam out of bounds in Add_Player_Season_Stats([41],0)"},
    });
}

TEST_F(PlayerTextTest, PredictedStatCacheStoresOnlyItsCodes)
{
    Start_Predicted_Stat_Cache();
    int nValue = 0;
    Store_Cached_Predicted_Stat(40, 99, 239, 7);
    EXPECT_EQ(Find_Cached_Predicted_Stat(40, 99, 239, &nValue), 1);
    Store_Cached_Predicted_Stat(40, 99, 160, 7);   // not a cached code
    EXPECT_EQ(Find_Cached_Predicted_Stat(40, 99, 160, &nValue), 0);
    Store_Cached_Predicted_Stat(41, 0, 100, 7);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Store_Cached_Predicted_Stat([41],0)"));
    Stop_Predicted_Stat_Cache();
}

}  // namespace
