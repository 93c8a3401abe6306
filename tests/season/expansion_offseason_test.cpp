// The default league grows from 32 to 34 clubs through its off-season: the
// expansion draft's report, legal rosters, a schedule with the new clubs in
// it, and a saved game that loads back identical.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "league_census.h"
#include "test_support.h"
#include "tools/default_league_inputs.h"
#include "engine/game_report.h"
#include "gamefile/game_file.h"
#include "gamefile/game_file_test_hooks.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "season/expansion_draft.h"
#include "season/expansion_test_hooks.h"
#include "season/franchise_moves.h"
#include "season/offseason.h"
#include "tools/default_league/default_league.h"

namespace {

namespace fs = std::filesystem;


std::vector<std::string> Split(const std::string& Text, char c)
{
    std::vector<std::string> Parts;
    std::string Part;
    std::istringstream In(Text);
    while (std::getline(In, Part, c))
        Parts.push_back(Part);
    return Parts;
}

int Team_Named(const char* szFullName)
{
    for (int t = 0; t < Count_Teams(); ++t) {
        char szName[TEXT_BUFFER_SIZE];
        Get_Team_Full_Name(t, szName);
        if (std::strcmp(szName, szFullName) == 0)
            return t;
    }
    return NO_TEAM;
}

struct TABLE_GUARD {
    ~TABLE_GUARD() { Set_Franchise_Event_Table(nullptr, 0); }
};

// Two clubs for the coming year, one in each league (the default league's
// leagues are "American" and "National"); neither city has a record yet.
const FRANCHISE_EVENT NEW_CLUBS[] = {
    {2020, EVENT_EXPANSION, "American", "Portland,Lumberjacks", "POR", 3, "Rose Field"},
    {2020, EVENT_EXPANSION, "National", "San Antonio,Missions", "SAM", 2, "Alamo Park"},
};

TEST(ExpansionOffseasonTest, DefaultLeagueGrowsToThirtyFourClubsThroughItsOffSeason)
{
    SCRATCH_FOLDER Scratch("expansion_offseason");
    Copy_Default_League_Inputs();
    std::string Problem;
    ASSERT_TRUE(Build_Default_League(Problem)) << Problem;
    TABLE_GUARD Guard;
    Set_Franchise_Event_Table(NEW_CLUBS, 2);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    Set_User_Preference(PREF_AUTO_SAVE, 0);
    Set_Game_Pages_Enabled(false);
    ASSERT_EQ(Count_Teams(), 32);
    ASSERT_EQ(Get_Current_Year(), 2019);
    ASSERT_EQ(Get_Games_Per_Season(), 16);   // 34 clubs of 16 games fit the GAME records
    Reset_Error_Count();

    Process_Offseason();

    ASSERT_EQ(Get_Current_Year(), 2020);
    ASSERT_EQ(Count_Teams(), 34);
    const int nPortland = Team_Named("Portland Lumberjacks");
    const int nSanAntonio = Team_Named("San Antonio Missions");
    ASSERT_NE(nPortland, NO_TEAM);
    ASSERT_NE(nSanAntonio, NO_TEAM);
    EXPECT_EQ(Get_Team_Stat(nPortland, TEAM_STAT_DIVISION), 3);       // American league: 3 + 4 x 0
    EXPECT_EQ(Get_Team_Stat(nSanAntonio, TEAM_STAT_DIVISION), 6);     // National league: 2 + 4 x 1
    EXPECT_EQ(Get_Team_Stat(nPortland, TEAM_STAT_CONTROLLER), CONTROLLER_COMPUTER);
    EXPECT_EQ(Get_Team_Stat(nSanAntonio, TEAM_STAT_CONTROLLER), CONTROLLER_COMPUTER);
    char szText[TEAM_STRING_SIZE + 1];
    Get_Team_String(szText, nPortland, TEAM_STRING_ABBREVIATION);
    EXPECT_STREQ(szText, "POR");
    Get_Team_String(szText, nSanAntonio, TEAM_STRING_STADIUM);
    EXPECT_STREQ(szText, "Alamo Park");

    // The draft's report: one row per pick, new clubs drafting from old ones,
    // never more at a position than its quota, no player twice; each old
    // club's share is what its counter says.
    const std::string Csv = Read_Text_File("Output/Expansion-Draft-2020.csv", "(none)");
    const std::vector<std::string> Lines = Split(Csv, '\n');
    ASSERT_GE(Lines.size(), 2u) << Csv;
    EXPECT_EQ(Lines[0], "Drafted By,Player,Position,Age,Previous Team");
    std::map<std::string, std::map<std::string, int>> PerPosition;
    std::map<std::string, int> PerSource;
    std::set<std::string> Players;
    const char* POSITIONS[] = {"QB", "RB", "FB", "TE", "WR", "T", "G", "C", "DE", "DT", "LB", "CB", "S", "K", "P"};
    for (size_t i = 1; i < Lines.size(); ++i) {
        const std::vector<std::string> F = Split(Lines[i], ',');
        ASSERT_EQ(F.size(), 5u) << Lines[i];
        EXPECT_TRUE(F[0] == "Portland Lumberjacks" || F[0] == "San Antonio Missions") << Lines[i];
        EXPECT_TRUE(F[4] != "Portland Lumberjacks" && F[4] != "San Antonio Missions") << Lines[i];
        EXPECT_TRUE(Players.insert(F[1] + "/" + F[3] + "/" + F[4]).second) << Lines[i];
        ++PerPosition[F[0]][F[2]];
        ++PerSource[F[4]];
        const int nAge = std::atoi(F[3].c_str());
        EXPECT_GE(nAge, 20);
        EXPECT_LE(nAge, 45);
    }
    for (const auto& [Club, Counts] : PerPosition)
        for (int q = 0; q < 15; ++q) {
            auto It = Counts.find(POSITIONS[q]);
            EXPECT_LE(It == Counts.end() ? 0 : It->second, EXPANSION_POSITION_QUOTA[q]) << Club << " " << POSITIONS[q];
        }
    // 32 clubs, each with players at every position beyond its 24 protected:
    // both new clubs fill every quota (57 picks each).
    EXPECT_EQ(Lines.size() - 1, 114u);
    int nCounted = 0;
    for (int t = 0; t < MAX_FRANCHISES; ++t)
        nCounted += Get_Expansion_Taken_Count(t);
    EXPECT_EQ(nCounted, 114);
    // A club already taken from scores half, a third...: the picks spread
    // over the league (114 picks over 32 clubs).
    EXPECT_EQ(PerSource.size(), 32u);
    for (const auto& [Club, n] : PerSource)
        EXPECT_LE(n, 7) << Club;

    // Every roster legal, the new clubs' too.
    const league_census::CENSUS C = league_census::Take_Census();
    SCOPED_TRACE(league_census::Format_Census(C));
    EXPECT_GE(C.nSmallestRoster, 45);
    EXPECT_LE(C.nLargestRoster, 53);
    EXPECT_EQ(C.nClubsShort, 0);
    for (int t = 0; t < Count_Teams(); ++t)
        for (int s = 0; s < Count_Team_Players(t); ++s)
            ASSERT_NE(Get_Player_ID(t, s), 0) << t << "," << s;

    // The next season's schedule: every club, the new ones included, plays
    // its 16 games.
    for (int t = 0; t < Count_Teams(); ++t) {
        int nGames = 0;
        for (int w = 0; w < 18; ++w)
            nGames += Get_Team_Schedule_Stat(t, w, SCHEDULE_OPPONENT) != 0 ? 1 : 0;
        EXPECT_EQ(nGames, 16) << "team " << t;
    }
    EXPECT_EQ(Get_Error_Count(), 0) << Get_Recent_Errors();

    // Saved and loaded back: the same league, byte for byte.
    ASSERT_EQ(Save_Game("expanded.zrt"), 0);
    const LEAGUE_SNAPSHOT Saved;
    Zero_League_Data();
    Set_Load_Sequence_Enabled(false);
    const int nLoaded = Load_Universe_Database("expanded.zrt");
    Set_Load_Sequence_Enabled(true);
    ASSERT_EQ(nLoaded, 1);
    EXPECT_TRUE(Saved.Unchanged());
}

}  // namespace
