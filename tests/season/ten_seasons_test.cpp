// Ten seasons of the default league, every club run by the computer: the
// league lives on as a league should. Rosters stay full and legal, payrolls
// stay under the cap, the ages settle (the mean age and the shares of
// rookies and of veterans stay in one band from the second season on), the
// Hall Of Fame gains members of every kind near its position shares and the
// career leader tables fill.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "league_census.h"
#include "test_support.h"
#include "tools/default_league_inputs.h"
#include "base/random.h"
#include "engine/game_report.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/errors.h"
#include "season/day_advance.h"
#include "season/retirement.h"
#include "tools/default_league/default_league.h"

namespace {

namespace fs = std::filesystem;

constexpr int SEASONS = 10;


// The random source as the build leaves it (0), then seeded: each seed is a
// different ten years of the same league. 2021 is a year the cap does not
// rise, so a club the free agency leaves over the cap starts that season over
// it; seeds 1, 7 and 12 once met that.
class TenSeasonsTest : public ::testing::TestWithParam<uint32_t> {};

TEST_P(TenSeasonsTest, TheDefaultLeagueLivesOnForTenSeasons)
{
    SCRATCH_FOLDER Scratch("ten_seasons");
    Copy_Default_League_Inputs();
    std::string Problem;
    ASSERT_TRUE(Build_Default_League(Problem)) << Problem;
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    Set_User_Preference(PREF_COMMISSIONER_MODE, 0);
    Set_User_Preference(PREF_AUTO_SAVE, 0);
    Set_Game_Pages_Enabled(false);   // the box scores and recaps are not what is measured here
    if (GetParam() != 0)
        Seed_Random_Numbers(GetParam());
    Reset_Error_Count();

    std::vector<league_census::CENSUS> Seasons;
    for (int n = 0; n < SEASONS; ++n) {
        const int nYear = Get_Current_Year();
        Advance_Day(22);
        Advance_Day(22);
        Advance_Day(22);
        ASSERT_EQ(Get_Current_Year(), nYear + 1) << "the season after " << nYear << " did not start";
        ASSERT_EQ(Get_Current_Week(), 0);
        Seasons.push_back(league_census::Take_Census());
        const league_census::CENSUS& C = Seasons.back();
        SCOPED_TRACE(league_census::Format_Census(C));
        // Full and legal rosters within the cap, every season.
        EXPECT_GE(C.nSmallestRoster, 45);
        EXPECT_LE(C.nLargestRoster, 53);
        EXPECT_EQ(C.nClubsShort, 0);
        EXPECT_EQ(C.nClubsOverCap, 0);
        EXPECT_GE(C.nFreeAgents, 39);   // the pool keeps every position's target
        if (n >= 1) {
            // A settled age profile from the second season on.
            EXPECT_GE(C.fMeanAge, 26.0);
            EXPECT_LE(C.fMeanAge, 28.5);
            EXPECT_GE(C.fRookieShare, 0.10);
            EXPECT_LE(C.fRookieShare, 0.20);
            EXPECT_GE(C.fVeteranShare, 0.15);
            EXPECT_LE(C.fVeteranShare, 0.35);
        }
    }
    // The profile does not drift: second season against the last.
    EXPECT_NEAR(Seasons.back().fMeanAge, Seasons[1].fMeanAge, 0.75);
    EXPECT_NEAR(Seasons.back().fRookieShare, Seasons[1].fRookieShare, 0.05);
    EXPECT_NEAR(Seasons.back().fVeteranShare, Seasons[1].fVeteranShare, 0.10);
    // Careers end in the Hall Of Fame, and the all-time tables fill (30
    // statistics of 21 places: most of them by then).
    EXPECT_GT(Seasons.back().nHallOfFame, Seasons.front().nHallOfFame);
    EXPECT_GE(Seasons.back().nHallOfFame, 1);
    EXPECT_GE(Seasons.back().nCareerLeaderEntries, 500);
    // The hall holds every kind of player near the shares it aims at (QB
    // 190, WR 110, CB 55 per mille ...): quarterbacks, backs and receivers
    // at least half theirs, no position beyond two and a half times its own
    // (and two members), the defence at most half as much again as its 400.
    const int nMembers = Count_Team_Players(HALL_OF_FAME_TEAM);
    int nMembersAt[NUMBER_OF_POSITIONS] = {};
    for (int s = 0; s < nMembers; ++s) {
        const int nPosition = Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, s, VITAL_POSITION);
        if (nPosition >= 0 && nPosition < NUMBER_OF_POSITIONS)
            ++nMembersAt[nPosition];
    }
    std::string Hall = "hall by position:";
    for (int n : nMembersAt)
        Hall += " " + std::to_string(n);
    SCOPED_TRACE(Hall);
    EXPECT_GE(nMembers, 20);
    auto Share = [](int nPosition) { return Get_Hall_Of_Fame_Position_Share(nPosition); };
    EXPECT_GE(2000 * nMembersAt[POSITION_QB], Share(POSITION_QB) * nMembers);
    EXPECT_GE(2000 * (nMembersAt[POSITION_RB] + nMembersAt[POSITION_WR]),
              (Share(POSITION_RB) + Share(POSITION_WR)) * nMembers);
    for (int p = 0; p < NUMBER_OF_POSITIONS; ++p)
        EXPECT_LE(2 * 1000 * nMembersAt[p], 5 * Share(p) * nMembers + 4000) << "position " << p;
    int nDefence = 0;
    for (int p = POSITION_DE; p <= POSITION_S; ++p)
        nDefence += nMembersAt[p];
    EXPECT_LE(1000 * nDefence, 600 * nMembers);
    EXPECT_EQ(Get_Error_Count(), 0) << Get_Recent_Errors();
}

INSTANTIATE_TEST_SUITE_P(Seeds, TenSeasonsTest, ::testing::Values(0u, 1u, 7u, 12u),
                         [](const ::testing::TestParamInfo<uint32_t>& Info) {
                             return Info.param == 0 ? std::string("Unseeded") : "Seed" + std::to_string(Info.param);
                         });

}  // namespace
