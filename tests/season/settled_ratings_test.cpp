// Every place that makes or rates a player leaves him as a load would: after
// each of them the two rating repairs of a load change no byte of any player,
// so that a save and a resume leave the league as it was.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/random.h"
#include "frontoffice/college_count.h"
#include "gamefile/load_repair_check.h"
#include "league/league_structure.h"
#include "league/player_hash.h"
#include "league/team.h"
#include "season/draft_class.h"
#include "season/draft_pool.h"
#include "season/injuries.h"
#include "season/offseason.h"
#include "season/season_services.h"
#include "season_cycle_fixture.h"
#include "test_support.h"

namespace {

using season_cycle::Build_League;
using season_cycle::Put_Signed_Player;

class SettledRatingsTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"settled_ratings"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(Scratch.Ready());
        std::filesystem::create_directories("Input");
        std::filesystem::create_directories("Output");
        // Made players are named from the lists.
        std::filesystem::create_directories("names");
        for (const char* szList : {"names/first.txt", "names/last.txt"})
            std::ofstream(szList) << "Alden\nBrook\nCarver\nDalton\n";
        Build_League(2);
        Set_Universe_Stat(INFLATION_FACTOR, 1000);
        Seed_Random_Numbers(4357);
    }

    // Every player of the league, counted.
    static int Count_Players()
    {
        int n = 0;
        For_Each_Player_In_Use([&n](int, int) { ++n; });
        return n;
    }

    // The college player with this last name.
    static season_cycle::WHERE Find_College_Player(const char* szLast)
    {
        season_cycle::WHERE Where;
        for (int t = FIRST_DRAFT_POOL_TEAM; t <= LAST_DRAFT_POOL_TEAM; ++t)
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
                if (Get_Player_ID(t, s) != 0 && std::strcmp(League.Team[t].Player[s].szLastName, szLast) == 0)
                    Where = {t, s};
        return Where;
    }

    // A player near every edge the loads repair: each rating just above the
    // floor, a back just above the speed the loads raise.
    static void Put_Edge_Player(int nTeam, int nSlot, int nID, int nPosition, int nBirthYear, int nYears)
    {
        Put_Signed_Player(nTeam, nSlot, nID, nPosition, 21.0f, nBirthYear, nYears);
        Set_Player_Rating(nTeam, nSlot, RATING_SPEED, nPosition <= POSITION_WR ? 40.5f : 21.0f);
    }
};

// The top-up of the free agents (the players a club signs during the
// season): veterans drawn until they clear the pool's overall, the weaker
// ones declined further as the draws go on. Ten pools in a row.
TEST_F(SettledRatingsTest, FreeAgentsMadeToTopUpThePool)
{
    for (int nPool = 0; nPool < 10; ++nPool) {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
            Clear_Player(FREE_AGENT_TEAM, s);
        Replenish_Free_Agents();
        EXPECT_GT(Count_Team_Players(FREE_AGENT_TEAM), 35);
        ASSERT_EQ(Players_Changed_By_Load_Repairs(), "") << "pool " << nPool;
    }
}

// A player made for a club with nobody on a side.
TEST_F(SettledRatingsTest, PlayersMadeForClubsShortOfASide)
{
    Build_League(8);
    for (int t = 0; t < 8; ++t)
        for (int nSide = 0; nSide <= 2; ++nSide)
            ASSERT_EQ(Get_Or_Create_Team_Side_Player(t, nSide), nSide) << t;
    EXPECT_EQ(Count_Players(), 24);
    EXPECT_EQ(Players_Changed_By_Load_Repairs(), "");
}

// The lasting damage of an injury lowers a player's ratings.
TEST_F(SettledRatingsTest, InjuriesThatLowerRatings)
{
    for (int s = 0; s < 40; ++s)
        Put_Edge_Player(0, s, 100 + s, s % NUMBER_OF_POSITIONS, 1995, 2);
    Build_Player_ID_Hash();
    for (int nRound = 0; nRound < 5; ++nRound)
        for (int s = 0; s < 40; ++s)
            Injure_Player(0, s);
    EXPECT_EQ(Players_Changed_By_Load_Repairs(), "");
}

// An off-season: every player ages at his contract's renewal (old backs
// lose speed), the pools and free agents too.
TEST_F(SettledRatingsTest, AnOffSeason)
{
    for (int t = 0; t < 2; ++t)
        for (int s = 0; s < 45; ++s)
            Put_Edge_Player(t, s, 1000 + 100 * t + s, s % NUMBER_OF_POSITIONS, s < 30 ? 1985 : 1998, 3);
    for (int s = 0; s < 15; ++s)
        Put_Edge_Player(FREE_AGENT_TEAM, s, 2000 + s, s, 1986, 1);
    ui::Queue_Answer(ID_NO);   // no draft: the pools keep their prospects
    Process_Offseason();
    EXPECT_EQ(Get_Current_Week(), OFFSEASON_WEEK);
    EXPECT_EQ(Players_Changed_By_Load_Repairs(), "");
}

// The rookies: a pool of a class file's records (from another league, as
// they were written) topped up by the generator, then ranked and scaled by
// overall.
TEST_F(SettledRatingsTest, ADraftPoolOfAClassAndGeneratedRookies)
{
    Build_League(4);
    std::vector<PLAYER> Records(DRAFT_CLASS_DATABASE_SIZE / sizeof(PLAYER));
    std::memset(static_cast<void*>(Records.data()), 0, DRAFT_CLASS_DATABASE_SIZE);
    for (int i = 0; i < 30; ++i) {
        PLAYER& R = Records[size_t(i)];
        R.nVital[VITAL_PLAYER_ID] = 9000 + i;
        R.nVital[VITAL_POSITION] = i % NUMBER_OF_POSITIONS;
        R.nVital[VITAL_BIRTH_DATE] = 19990101;
        R.bStat[BYTE_STAT_DEPTH_SLOT] = static_cast<uint8_t>(i % NUMBER_OF_POSITIONS);
        std::strncpy(R.szLastName, "Rook", sizeof(R.szLastName) - 1);
        std::strncpy(R.szFirstName, "Ray", sizeof(R.szFirstName) - 1);
        for (float& f : R.fRating)
            f = 60.0f;
        R.fRating[RATING_DISCIPLINE] = 5.0f;
        R.fRating[RATING_SPEED] = 35.0f;
    }
    Records[4].szLastName[0] = 'W';   // the receiver, "Wook"
    std::filesystem::create_directories("databases");
    std::ofstream("databases/rookies-2021.dat", std::ios::binary)
        << std::string(reinterpret_cast<const char*>(Records.data()), DRAFT_CLASS_DATABASE_SIZE);
    Prepare_Draft_Pool();
    ASSERT_EQ(Count_College_Players(), Get_Draft_Pool_Target(4));   // 36: 30 read, 6 made
    // His college seasons move his ratings down by 12 to 3 and back, and the
    // scaling leaves speed alone: the speed of 35 is 35 + 40, as a load
    // would make it.
    const auto Receiver = Find_College_Player("Wook");
    ASSERT_TRUE(Receiver.Found());
    EXPECT_EQ(League.Team[Receiver.nTeam].Player[Receiver.nSlot].fRating[RATING_SPEED], 75.0f);
    EXPECT_EQ(Players_Changed_By_Load_Repairs(), "");
}

// The calibration pulls every rating towards its target and curtails the
// extremes of every team, the pools and the hall of fame included.
TEST_F(SettledRatingsTest, TheCalibration)
{
    season_cycle::Fill_Legal_Club(0, 45, 100, 60.0f);
    season_cycle::Fill_Legal_Club(1, 45, 200, 80.0f);
    // A slow quarterback, a prospect whose discipline is far below the
    // scale, and a hall-of-famer without blocking.
    Set_Player_Rating(0, 0, RATING_SPEED, 22.0f);
    Put_Signed_Player(38, 0, 300, POSITION_G, 60.0f, 2000, 0);
    Set_Player_Rating(38, 0, RATING_DISCIPLINE, -7.0f);
    Put_Signed_Player(HALL_OF_FAME_TEAM, 0, 400, POSITION_RB, 60.0f, 1950, 0);
    Set_Player_Rating(HALL_OF_FAME_TEAM, 0, RATING_RUN_BLOCKING, 2.0f);
    Calibrate_Player_Ratings();
    // Curtailed to (-7 + 20) / 2 = 6.5 and then raised to the floor.
    EXPECT_EQ(League.Team[38].Player[0].fRating[RATING_DISCIPLINE], 20.0f);
    EXPECT_EQ(Players_Changed_By_Load_Repairs(), "");
}

}  // namespace
