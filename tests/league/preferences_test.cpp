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
    // {stored, read}: 0x11170 keeps 0x1170; 0xFFFF and 0x8000 read negative.
    const int nCases[4][2] = {{70000, 4464}, {65535, -1}, {32768, -32768}, {-2, -2}};
    for (const auto& C : nCases) {
        Set_User_Preference(300, C[0]);
        EXPECT_EQ(Get_User_Preference(300), C[1]) << C[0];
    }

    // The 32-bit slots keep the whole value, up to the last one.
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
    const unsigned char Expected[] = {0xFF, 0xFF, 0xFF, 0xFF, 0x34, 0x12, 0x00};
    EXPECT_EQ(std::memcmp(pBlock + 956, Expected, sizeof(Expected)), 0);
    EXPECT_EQ(pBlock[1198], 0x78);
    EXPECT_EQ(pBlock[1199], 0x56);
}

// Both ends of the slot range, through the getter and the setter.
TEST_F(PreferencesTest, SlotsOutsideTheBlockAreRefused)
{
    const REFUSAL_CASE CASES[] = {
        {[] { return Get_User_Preference(PREFERENCE_SLOTS); }, 0, "nPreference out of bounds in Get_User_Preference([360])"},
        {[] { return Get_User_Preference(-1); }, 0, "nPreference out of bounds in Get_User_Preference([-1])"},
        {[] { Set_User_Preference(360, 5); return 0; }, 0, "nPreference out of bounds in Set_User_Preference([360],5)"},
        {[] { Set_User_Preference(-1, 5); return 0; }, 0, "nPreference out of bounds in Set_User_Preference([-1],5)"},
    };
    Expect_Refusals(CASES);
}
