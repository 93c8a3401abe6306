// The league block is the file format: its sizes and offsets must not move.
#include <gtest/gtest.h>

#include <cstddef>

#include "league/league_data.h"

TEST(Layout, RecordSizes)
{
    EXPECT_EQ(sizeof(PLAYER), 756u);
    EXPECT_EQ(sizeof(TEAM), 114968u);
    EXPECT_EQ(sizeof(PREFERENCES), 1200u);
    EXPECT_EQ(sizeof(CITY), 72u);
    EXPECT_EQ(sizeof(LEAGUE_DATA), 22975272u);
    // 41 teams and 100 cities fill exactly their areas.
    EXPECT_EQ(offsetof(LEAGUE_DATA, City) - offsetof(LEAGUE_DATA, Team), 41u * 114968u);
    EXPECT_EQ(offsetof(LEAGUE_DATA, Draft) - offsetof(LEAGUE_DATA, City), 100u * 72u);
    EXPECT_EQ(offsetof(LEAGUE_DATA, Preferences) - offsetof(LEAGUE_DATA, Game), 300u * 48708u);
    EXPECT_EQ(offsetof(LEAGUE_DATA, SeasonBookkeeping) - offsetof(LEAGUE_DATA, SeasonLines), 32768u * 92u);
}

TEST(Layout, RegionOffsets)
{
    EXPECT_EQ(offsetof(LEAGUE_DATA, szCurrentGamePath), 0u);
    EXPECT_EQ(offsetof(LEAGUE_DATA, szCurrentGameText), 256u);
    EXPECT_EQ(offsetof(LEAGUE_DATA, szDatabaseNotes), 320u);
    EXPECT_EQ(offsetof(LEAGUE_DATA, szSkinName), 832u);
    EXPECT_EQ(offsetof(LEAGUE_DATA, Universe), 1856u);
    EXPECT_EQ(offsetof(LEAGUE_DATA, Universe.nStat[GAMES_PER_SEASON]), 2112u);
    EXPECT_EQ(offsetof(LEAGUE_DATA, Universe.nStat[WILD_CARD_TEAMS]), 2116u);
    EXPECT_EQ(offsetof(LEAGUE_DATA, Universe.nStat[SALARY_CAP]), 2120u);
    EXPECT_EQ(offsetof(LEAGUE_DATA, Universe.nStat[FIRST_SEASON_YEAR]), 2124u);
    EXPECT_EQ(offsetof(LEAGUE_DATA, Universe.nStat[FANTASY_DRAFT_RUNNING]), 2128u);
    EXPECT_EQ(offsetof(LEAGUE_DATA, Universe.nStat[INFLATION_FACTOR]), 2148u);
    EXPECT_EQ(offsetof(LEAGUE_DATA, szLeagueName), 2352u);
    EXPECT_EQ(offsetof(LEAGUE_DATA, szDivisionName), 2384u);
    EXPECT_EQ(offsetof(LEAGUE_DATA, Team), 2480u);
    EXPECT_EQ(offsetof(LEAGUE_DATA, City), 4716168u);
    EXPECT_EQ(offsetof(LEAGUE_DATA, Draft), 4723368u);
    EXPECT_EQ(offsetof(LEAGUE_DATA, Game), 4724160u);
    EXPECT_EQ(offsetof(LEAGUE_DATA, Preferences), 19336560u);
    EXPECT_EQ(offsetof(LEAGUE_DATA, StandingsArea), 19337760u);
    EXPECT_EQ(offsetof(LEAGUE_DATA, SeasonLines), 19338048u);
    EXPECT_EQ(offsetof(LEAGUE_DATA, SeasonBookkeeping), 22352704u);
    EXPECT_EQ(offsetof(LEAGUE_DATA, LeaderTables), 22876992u);
}

TEST(Layout, PlayerAndTeamFields)
{
    EXPECT_EQ(offsetof(PLAYER, szFirstName), 20u);
    EXPECT_EQ(offsetof(PLAYER, szCorvelID), 32u);
    EXPECT_EQ(offsetof(PLAYER, bStat), 44u);
    EXPECT_EQ(offsetof(PLAYER, nVital), 48u);
    EXPECT_EQ(offsetof(PLAYER, bStatHigh), 152u);
    EXPECT_EQ(offsetof(PLAYER, nStat), 168u);
    EXPECT_EQ(offsetof(PLAYER, nSeasonLink), 488u);
    EXPECT_EQ(offsetof(PLAYER, nCurrentLine), 608u);
    EXPECT_EQ(offsetof(PLAYER, nCounter), 612u);
    EXPECT_EQ(offsetof(PLAYER, fRating), 624u);
    EXPECT_EQ(offsetof(PLAYER, szCollege), 732u);

    // The team record's fields add up in the stated order.
    EXPECT_EQ(offsetof(TEAM, Player), 256u);
    EXPECT_EQ(offsetof(TEAM, bReturner), 256u + 75600u);
    EXPECT_EQ(offsetof(TEAM, nTeamStat), 75860u + 1920u);
    EXPECT_EQ(offsetof(TEAM, nSchedule), 83220u);
    EXPECT_EQ(offsetof(TEAM, DefensivePlaybook) + 9516u, sizeof(TEAM));

    EXPECT_EQ(offsetof(PREFERENCES, nShort), 240u * 4u);
    EXPECT_EQ(offsetof(CITY, nStat), 32u);
}
