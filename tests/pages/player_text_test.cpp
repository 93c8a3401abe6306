// The player texts the lists and the card share.

#include <gtest/gtest.h>

#include "../league/league_fixture.h"
#include "../test_support.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "pages/player_text.h"
#include "season/playoffs.h"

namespace {

class PlayerCardTextTest : public LeagueTest {
protected:
    static void Put(int nTeam, int nSlot, int nPosition)
    {
        Clear_Player(nTeam, nSlot);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID, 500 + nSlot);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION, nPosition);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, 3);
        Set_Player_Last_Name(nTeam, nSlot, "Zed");
        Set_Player_First_Name(nTeam, nSlot, "Abe");
    }
};

TEST_F(PlayerCardTextTest, SalariesAsTheListsWriteThem)
{
    EXPECT_EQ(Format_Salary_Value(1250), "$1.25M");
    EXPECT_EQ(Format_Salary_Value(1000), "$1.00M");
    EXPECT_EQ(Format_Salary_Value(12345), "$12.34M");   // hundredths cut, not rounded
    EXPECT_EQ(Format_Salary_Value(999), "$999K");
    EXPECT_EQ(Format_Salary_Value(500), "$500K");
    EXPECT_EQ(Format_Salary_Value(1), "$1K");
    EXPECT_EQ(Format_Salary_Value(0), "$0");
    EXPECT_EQ(Format_Salary_Value(-40), "$0");
    Put(0, 3, 0);
    Set_Player_Vital_Stat(0, 3, VITAL_SALARY, 2050);
    EXPECT_EQ(Format_Salary(0, 3), "$2.05M");
    char szShort[5];
    Format_Salary(0, 3, szShort, sizeof(szShort));
    EXPECT_STREQ(szShort, "$2.0");   // cut to the buffer, always ended
}

TEST_F(PlayerCardTextTest, StatusTagsForInjuryAndAnEndingContract)
{
    Use_Franchises(2);
    Put(1, 4, 4);
    std::string Name = "Zed, Abe";
    Append_Player_Status_Tag(Name, 1, 4);
    EXPECT_EQ(Name, "Zed, Abe");
    Set_Player_Vital_Stat(1, 4, VITAL_INJURY_WEEKS, 3);
    Append_Player_Status_Tag(Name, 1, 4);
    EXPECT_EQ(Name, "Zed, Abe (Inj)");
    // Week 21 of a 17-week season whose last playoff slot holds club 0:
    // the season is complete, and a contract of one year runs out.
    Set_Regular_Season_Weeks(17);
    Set_User_Preference(PREF_CURRENT_WEEK, 21);
    Set_Playoff_Team(Get_Season_Last_Playoff_Slot(), 0);
    Set_Player_Vital_Stat(1, 4, VITAL_CONTRACT_YEARS_LEFT, 1);
    Name = "X";
    Append_Player_Status_Tag(Name, 1, 4);
    EXPECT_EQ(Name, "X (Inj) *");
    Set_Player_Vital_Stat(1, 4, VITAL_INJURY_WEEKS, 0);
    Name = "X";
    Append_Player_Status_Tag(Name, 1, 4);
    EXPECT_EQ(Name, "X *");
    // An empty slot has no tag.
    Name = "X";
    Append_Player_Status_Tag(Name, 1, 9);
    EXPECT_EQ(Name, "X");
}

TEST_F(PlayerCardTextTest, FortyYardTimeFromSpeed)
{
    // 5.40 s less 1.1 hundredths a point of speed, rounded.
    EXPECT_EQ(Forty_Yard_Time_From_Speed(0.0f), 540);
    EXPECT_EQ(Forty_Yard_Time_From_Speed(100.0f), 430);
    EXPECT_EQ(Forty_Yard_Time_From_Speed(50.0f), 485);    // 55
    EXPECT_EQ(Forty_Yard_Time_From_Speed(75.0f), 457);    // 82.5 rounds to 83
    EXPECT_EQ(Forty_Yard_Time_From_Speed(120.0f), 430);
    EXPECT_EQ(Forty_Yard_Time_From_Speed(-5.0f), 540);
    Put(0, 0, 4);
    Set_Player_Rating(0, 0, RATING_SPEED, 90.0f);
    EXPECT_EQ(Get_Player_Forty_Yard_Time(0, 0), 441);     // 99
}

TEST_F(PlayerCardTextTest, KeyRatingsHeaviestFirst)
{
    // Quarterback: accuracy .39, control .39 (rating order), red zone .22,
    // distance .17, mobility .09.
    EXPECT_EQ(Get_Position_Key_Rating(0, 0), RATING_ACCURACY);
    EXPECT_EQ(Get_Position_Key_Rating(0, 1), RATING_CONTROL);
    EXPECT_EQ(Get_Position_Key_Rating(0, 2), RATING_RED_ZONE);
    EXPECT_EQ(Get_Position_Key_Rating(0, 3), RATING_DISTANCE);
    EXPECT_EQ(Get_Position_Key_Rating(0, 4), RATING_MOBILITY);
    EXPECT_EQ(Get_Position_Key_Rating(0, 5), -1);
    // Wide receiver: receiving .60, speed .14, power .11, vision .10, then
    // quickness and hands at .07 in rating order, pass blocking .06.
    const int Receiver[] = {RATING_RECEIVING, RATING_SPEED, RATING_POWER, RATING_VISION,
                            RATING_QUICKNESS, RATING_HANDS, RATING_PASS_BLOCKING};
    for (int n = 0; n < 7; ++n)
        EXPECT_EQ(Get_Position_Key_Rating(4, n), Receiver[n]) << n;
    EXPECT_EQ(Get_Position_Key_Rating(4, 7), -1);
    // Defensive tackle: coverage weighs nothing, so four.
    EXPECT_EQ(Get_Position_Key_Rating(9, 0), RATING_RUN_DEFENSE);
    EXPECT_EQ(Get_Position_Key_Rating(9, 3), RATING_TURNOVERS);
    EXPECT_EQ(Get_Position_Key_Rating(9, 4), -1);
    // Cornerback: coverage .65, turnovers .16, tackling .04, then run
    // defence and pass rush at .03.
    EXPECT_EQ(Get_Position_Key_Rating(11, 2), RATING_TACKLING);
    EXPECT_EQ(Get_Position_Key_Rating(11, 3), RATING_RUN_DEFENSE);
    EXPECT_EQ(Get_Position_Key_Rating(11, 4), RATING_PASS_RUSH);
    // Punter: distance .80 before accuracy .30.
    EXPECT_EQ(Get_Position_Key_Rating(14, 0), RATING_PUNT_DISTANCE);
    EXPECT_EQ(Get_Position_Key_Rating(14, 1), RATING_PUNT_ACCURACY);
    EXPECT_EQ(Get_Position_Key_Rating(14, 2), -1);
    // Out of range.
    EXPECT_EQ(Get_Position_Key_Rating(15, 0), -1);
    EXPECT_EQ(Get_Position_Key_Rating(-1, 0), -1);
    EXPECT_EQ(Get_Position_Key_Rating(0, -1), -1);
    EXPECT_EQ(Get_Position_Key_Rating(2, 8), -1);
    EXPECT_EQ(Get_Position_Key_Rating(2, 9), -1);
}

}  // namespace
