#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "league/preferences.h"
#include "test_support.h"

namespace {

class PreferencesTest : public LeagueTest {};

}  // namespace

TEST_F(PreferencesTest, SixteenBitSlotsKeepTheLowBitsAndReadSignExtended)
{
    Set_User_Preference(300, 70000);            // 0x11170: low 16 bits 0x1170
    EXPECT_EQ(Get_User_Preference(300), 4464);
    Set_User_Preference(300, 65535);
    EXPECT_EQ(Get_User_Preference(300), -1);
    Set_User_Preference(300, 32768);
    EXPECT_EQ(Get_User_Preference(300), -32768);
    Set_User_Preference(300, -2);
    EXPECT_EQ(Get_User_Preference(300), -2);

    // The 32-bit slots keep the whole value, up to the last one.
    Set_User_Preference(PREF_CURRENT_TEAM, 70000);
    EXPECT_EQ(Get_User_Preference(PREF_CURRENT_TEAM), 70000);
    Set_User_Preference(239, INT_MIN);
    EXPECT_EQ(Get_User_Preference(239), INT_MIN);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PreferencesTest, SlotsSitWhereTheSavedBlockHasThem)
{
    // Slot 239 is the last int32 (bytes 956-959); slot 240 the first int16
    // (bytes 960-961) and slot 359 the last (1,198-1,199).
    Set_User_Preference(239, -1);
    Set_User_Preference(240, 0x1234);
    Set_User_Preference(359, 0x5678);
    const unsigned char* pBlock = reinterpret_cast<const unsigned char*>(&League.Preferences);
    EXPECT_EQ(pBlock[956], 0xFF);
    EXPECT_EQ(pBlock[959], 0xFF);
    EXPECT_EQ(pBlock[960], 0x34);
    EXPECT_EQ(pBlock[961], 0x12);
    EXPECT_EQ(pBlock[962], 0x00);
    EXPECT_EQ(pBlock[1198], 0x78);
    EXPECT_EQ(pBlock[1199], 0x56);
    EXPECT_EQ(Get_User_Preference(240), 0x1234);
    EXPECT_EQ(Get_User_Preference(359), 0x5678);

    // The slot table's places, as other subsystems read them directly.
    Set_User_Preference(PREF_SAVED_CHECKSUM, 77);
    EXPECT_EQ(League.Preferences.nInt[98], 77);
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    EXPECT_EQ(League.Preferences.nInt[33], 1);
}

TEST_F(PreferencesTest, SlotsOutsideTheBlockAreRefused)
{
    Set_User_Preference(359, 9);
    LEAGUE_SNAPSHOT Before;

    EXPECT_EQ(Get_User_Preference(360), 0);
    EXPECT_EQ(Errors_Reported(), 1);
    // The old error buffer holds the newest line first.
    EXPECT_TRUE(Last_Error_Contains("nPreference out of bounds in Get_User_Preference([360])"));
    EXPECT_EQ(Get_User_Preference(-1), 0);
    EXPECT_TRUE(Last_Error_Contains("nPreference out of bounds in Get_User_Preference([-1])"));
    EXPECT_EQ(Get_User_Preference(INT_MIN), 0);
    EXPECT_EQ(Errors_Reported(), 2);

    // The setter ignores them without a word.
    Set_User_Preference(360, 5);
    Set_User_Preference(-1, 5);
    Set_User_Preference(INT_MAX, 5);
    Set_User_Preference(INT_MIN, 5);
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_EQ(Get_User_Preference(359), 9);
}
