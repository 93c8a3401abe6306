// The betting line of a game: the point spread and the over/under in tenths
// of a point, the spread positive when the away club is favoured. Expected
// values are worked by hand from the calibration (2.5 points for the home
// field, a point per 40 of strength difference, 44 points plus a point per 50
// of the offences above the defences).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/random.h"
#include "engine/calibration.h"
#include "league/player.h"
#include "league/league_structure.h"
#include "league/team_strength.h"
#include "test_support.h"
#include "tools/default_league/default_league.h"
#include "tools/default_league_inputs.h"

TEST(BettingLine, SpreadInTenthsPositiveForTheAwayFavourite)
{
    // Two clubs of 70 everywhere (strength 4 x 700): the home field alone.
    EXPECT_EQ(Get_Point_Spread_Of_Strengths(2800, 2800), -25);
    // 100 more for the away club: 2.5 points, the home field made up.
    EXPECT_EQ(Get_Point_Spread_Of_Strengths(2900, 2800), 0);
    // 200 more: 5 points - 2.5 = away by 2.5.
    EXPECT_EQ(Get_Point_Spread_Of_Strengths(3000, 2800), 25);
    // 200 fewer: -5 - 2.5 = home by 7.5.
    EXPECT_EQ(Get_Point_Spread_Of_Strengths(2600, 2800), -75);
    // A part of a tenth is dropped toward zero: 7 / 4 = 1, -7 / 4 = -1.
    EXPECT_EQ(Get_Point_Spread_Of_Strengths(2807, 2800), -24);
    EXPECT_EQ(Get_Point_Spread_Of_Strengths(2793, 2800), -26);
    // A club of 90 visiting one of 45: 1,800 / 4 - 25 = 425, held at 24 points.
    EXPECT_EQ(Get_Point_Spread_Of_Strengths(3600, 1800), 240);
    EXPECT_EQ(Get_Point_Spread_Of_Strengths(1800, 3600), -240);
}

TEST(BettingLine, OverUnderInTenths)
{
    // Offences as good as the defences: 44 points.
    EXPECT_EQ(Get_Over_Under_Of_Strengths(2800, 2800), 440);
    // 100 of offence above defence: 2 points more; 80 below: 1.6 fewer.
    EXPECT_EQ(Get_Over_Under_Of_Strengths(2900, 2800), 460);
    EXPECT_EQ(Get_Over_Under_Of_Strengths(2720, 2800), 424);
    // Held within 30 and 60 points.
    EXPECT_EQ(Get_Over_Under_Of_Strengths(1800, 2800), 300);
    EXPECT_EQ(Get_Over_Under_Of_Strengths(3800, 2800), 600);
}

class BettingLineLeagueTest : public LeagueTest {};

TEST_F(BettingLineLeagueTest, TheDefaultLeaguesStrongestClubIsFavouredEitherWay)
{
    SCRATCH_FOLDER Scratch("betting_line");
    ASSERT_TRUE(Scratch.Ready());
    Copy_Default_League_Inputs();
    std::string Problem;
    ASSERT_TRUE(Build_Default_League(Problem)) << Problem;
    auto Strength = [](int t) {
        return Get_Team_Run_Rating(t) + Get_Team_Pass_Rating(t) + Get_Team_Run_Defense_Rating(t) +
               Get_Team_Pass_Defense_Rating(t);
    };
    int nStrong = 0, nWeak = 0;
    for (int t = 1; t < Count_Teams(); ++t) {
        if (Strength(t) > Strength(nStrong))
            nStrong = t;
        if (Strength(t) < Strength(nWeak))
            nWeak = t;
    }
    ASSERT_GT(Strength(nStrong) - Strength(nWeak), 100);
    // Away, the strong club is favoured (positive); at home by more than the
    // home field (below -25).
    const int nAway = Get_Game_Point_Spread(nStrong, nWeak);
    const int nHome = Get_Game_Point_Spread(nWeak, nStrong);
    EXPECT_GT(nAway, 0);
    EXPECT_LT(nHome, -25);
    // Swapping the sides moves the line by twice the home field.
    if (nAway < 240 && nHome > -240) {
        EXPECT_EQ(nAway + nHome, -50);
    }
    // No pair of the league's clubs is at the limits of the line.
    for (int a = 0; a < Count_Teams(); ++a)
        for (int h = 0; h < Count_Teams(); ++h) {
            if (a == h)
                continue;
            EXPECT_GT(Get_Game_Point_Spread(a, h), -240) << a << " at " << h;
            EXPECT_LT(Get_Game_Point_Spread(a, h), 240) << a << " at " << h;
            EXPECT_GT(Get_Game_Over_Under(a, h), 300) << a << " at " << h;
            EXPECT_LT(Get_Game_Over_Under(a, h), 600) << a << " at " << h;
        }
    EXPECT_EQ(Get_Game_Point_Spread(nStrong, nStrong), -25);
}

TEST_F(BettingLineLeagueTest, BothLinesAtOnceAreEachLineReadAlone)
{
    SCRATCH_FOLDER Scratch("betting_lines");
    ASSERT_TRUE(Scratch.Ready());
    Copy_Default_League_Inputs();
    std::string Problem;
    ASSERT_TRUE(Build_Default_League(Problem)) << Problem;
    for (int a = 0; a < 6; ++a)
        for (int h = 0; h < 6; ++h) {
            int nSpread = -1, nOverUnder = -1;
            Get_Game_Lines(a, h, &nSpread, &nOverUnder);
            EXPECT_EQ(nSpread, Get_Game_Point_Spread(a, h)) << a << " at " << h;
            EXPECT_EQ(nOverUnder, Get_Game_Over_Under(a, h)) << a << " at " << h;
        }
    // Without two valid clubs: no spread and 44 points.
    int nSpread = -1, nOverUnder = -1;
    Get_Game_Lines(0, TOTAL_NUMBER_OF_TEAMS, &nSpread, &nOverUnder);
    EXPECT_EQ(nSpread, 0);
    EXPECT_EQ(nOverUnder, 440);

    // Every player of clubs 2 and 3 rated 1: reading them regenerates them,
    // drawing from the generator in the order the readings come, so both
    // lines are read as each reads them alone. The same lines and the same
    // next draw.
    for (int t : {2, 3})
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
            if (Get_Player_ID(t, s) > 0)
                for (int r = 0; r < NUMBER_OF_RATINGS; ++r)
                    Set_Player_Rating(t, s, r, 1.0f);
    static LEAGUE_DATA Saved;
    Saved = League;
    Seed_Random_Numbers(77);
    const int nAloneSpread = Get_Game_Point_Spread(2, 3);
    const int nAloneOverUnder = Get_Game_Over_Under(2, 3);
    const uint32_t nAloneNext = Generate_Random_Number();
    League = Saved;
    Seed_Random_Numbers(77);
    Get_Game_Lines(2, 3, &nSpread, &nOverUnder);
    EXPECT_EQ(nSpread, nAloneSpread);
    EXPECT_EQ(nOverUnder, nAloneOverUnder);
    EXPECT_EQ(Generate_Random_Number(), nAloneNext);
}
