// A whole season of the 32-club league through the day advance, as the Play
// menu runs it: the regular season, the playoffs and the off-season up to
// the next season's first day.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "test_support.h"
#include "whole_season.h"
#include "league/calendar.h"
#include "league/game_record.h"
#include "league/player.h"
#include "league/player_lookup.h"
#include "league/preferences.h"
#include "platform/files.h"
#include "platform/shell_requests.h"
#include "season/day_advance.h"
#include "schedule/schedule_driver.h"
#include "season/playoffs.h"

namespace {

constexpr int GAMES = 17;
constexpr int REGULAR_SEASON_GAMES = 32 * GAMES / 2;      // 272
constexpr int PLAYOFF_GAMES = 2 * 6 + 1;                  // 6 a league (7 teams: 3 + 2 + 1), the final

int Final_Game_Records()
{
    int n = 0;
    for (int g = 0; g < NUMBER_OF_GAMES; ++g)
        n += Is_Game_Record_Final(g) ? 1 : 0;
    return n;
}

int Teams_In_Slots(int nFirst, int nLast)
{
    int n = 0;
    for (int s = nFirst; s <= nLast; ++s)
        n += Get_Playoff_Team(s) != NO_TEAM ? 1 : 0;
    return n;
}

int Players_Of_League()
{
    int n = 0;
    for (int t = 0; t < 32; ++t)
        n += Count_Team_Players(t);
    return n;
}

TEST(WholeSeasonTest, OneSeasonPlaysEveryGameCrownsAChampionAndStartsTheNext)
{
    SCRATCH_FOLDER Scratch("whole_season");
    whole_season::Build_League(2024);
    for (int p : {PREF_WRITE_STANDINGS_REPORT, PREF_WRITE_AWARDS_REPORT, PREF_WRITE_MONEY_REPORT})
        Set_User_Preference(p, 1);
    ASSERT_TRUE(Is_Schedule_Complete(GAMES));
    // Seventeen games and one week off: the playoffs begin on day 18.
    const int P = Get_Season_Playoff_Day(0);
    ASSERT_EQ(P, 18);
    ASSERT_EQ(Get_Season_Playoff_Day(5), P + 5);
    const int nPlayers = Players_Of_League();

    // "Through Playoffs" from day 0 stops on the first playoff day; the
    // Standings page gives way to the Playoffs page.
    Set_User_Preference(PREF_MAIN_PAGE, STANDINGS_PAGE_COMMAND);
    shell_requests::Reset();
    Advance_Day(22);
    EXPECT_EQ(Get_Current_Week(), P);
    EXPECT_EQ(shell_requests::Last_Page(), PLAYOFFS_PAGE_COMMAND);
    // The down-and-distance counts are written once the playoffs are near.
    const std::string Counts = Read_Text_File("DownAndDistance.csv");
    EXPECT_EQ(Counts.rfind("Distance,1st,2nd,3rd,4th\n0,", 0), 0u);
    EXPECT_NE(Counts.find("\n29+,"), std::string::npos);
    EXPECT_EQ(std::count(Counts.begin(), Counts.end(), '\n'), 31);
    EXPECT_EQ(Final_Game_Records(), REGULAR_SEASON_GAMES);
    for (int t = 0; t < 32; ++t) {
        const int nPlayed = Count_Team_Results(t, RESULT_WINS, RESULTS_ALL_GAMES) +
                            Count_Team_Results(t, RESULT_LOSSES, RESULTS_ALL_GAMES) +
                            Count_Team_Results(t, RESULT_TIES, RESULTS_ALL_GAMES);
        EXPECT_EQ(nPlayed, GAMES) << "team " << t;
    }
    // Seeds 2-7 of each league play on the first day; the top seeds wait.
    EXPECT_EQ(Teams_In_Slots(0, 15), 12);
    EXPECT_EQ(Teams_In_Slots(16, 23), 2);
    EXPECT_FALSE(Is_Season_Complete());
    EXPECT_EQ(Get_Universe_Word(DAY_ADVANCE_BUSY_WORD), 0);
    EXPECT_EQ(Get_Universe_Word(SIMULATION_STOP_DAY_WORD), 0);
    EXPECT_EQ(Get_User_Preference(PREF_SIMULATION_RUNNING), 0);

    // The playoffs: four rounds on days P to P + 3, the two empty days
    // passed over, the run ends the day after the last playoff day.
    Advance_Day(22);
    EXPECT_EQ(Get_Current_Week(), P + 6);
    EXPECT_TRUE(Is_Season_Complete());
    EXPECT_EQ(Final_Game_Records(), REGULAR_SEASON_GAMES + PLAYOFF_GAMES);
    const int nChampion = whole_season::Get_Champion();
    ASSERT_NE(nChampion, NO_TEAM);
    EXPECT_TRUE(nChampion == Get_Playoff_Team(28) || nChampion == Get_Playoff_Team(29));
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
        EXPECT_EQ(Get_Player_Byte_Stat(nChampion, s, BYTE_STAT_CHAMPIONSHIPS), 1) << "slot " << s;
    const int nOther = nChampion == 0 ? 1 : 0;
    EXPECT_EQ(Get_Player_Byte_Stat(nOther, 0, BYTE_STAT_CHAMPIONSHIPS), 0);
    const int nYear = Get_Current_Year();
    // Players who stay a club's: a year older next season; one of them hurt
    // for five more weeks is healed by the off-season.
    std::vector<std::pair<int, int>> Ages;   // player ID, age now
    for (int t = 0; t < 32; ++t)
        for (int s = 0; s < 5; ++s)
            if (Get_Player_Vital_Stat(t, s, VITAL_PLAYER_ID) != 0)
                Ages.emplace_back(Get_Player_Vital_Stat(t, s, VITAL_PLAYER_ID), Get_Player_Age(t, s));
    ASSERT_FALSE(Ages.empty());
    int nHurtSlot = 0;   // one with years left on his contract
    while (Get_Player_Vital_Stat(nChampion, nHurtSlot, VITAL_CONTRACT_YEARS_LEFT) < 3)
        ++nHurtSlot;
    const int nHurtID = Get_Player_Vital_Stat(nChampion, nHurtSlot, VITAL_PLAYER_ID);
    Set_Player_Vital_Stat(nChampion, nHurtSlot, VITAL_INJURY, 10);
    Set_Player_Vital_Stat(nChampion, nHurtSlot, VITAL_INJURY_WEEKS, 5);

    // The off-season, the draft and the next season's first day.
    Advance_Day(22);
    EXPECT_EQ(Get_Current_Week(), 0);
    EXPECT_EQ(Get_Current_Season_Index(), 1);
    EXPECT_EQ(Get_Current_Year(), nYear + 1);
    EXPECT_TRUE(Is_Schedule_Complete(GAMES));
    EXPECT_EQ(Final_Game_Records(), 0);
    EXPECT_EQ(Get_Playoff_Team(PLAYOFF_CHAMPION_SLOT), NO_TEAM);
    EXPECT_FALSE(Is_Season_Complete());
    for (int t = 0; t < 32; ++t) {
        // Every club is filled to its computer manager's roster size again.
        EXPECT_GE(Count_Team_Players(t), 45) << "team " << t;
        if (Get_Player_Vital_Stat(t, 0, VITAL_PLAYER_ID) != 0) {
            EXPECT_GE(Get_Player_Age(t, 0), 22);
        }
    }
    EXPECT_GT(Players_Of_League(), nPlayers / 2);
    int nFound = 0;
    for (const auto& [nID, nAge] : Ages) {
        PLAYER_LOCATION Where;
        if (!Find_Player_By_ID(&Where, nID))
            continue;
        ++nFound;
        EXPECT_EQ(Get_Player_Age(Where.nTeam, Where.nSlot), nAge + 1) << "player " << nID;
    }
    EXPECT_GT(nFound, static_cast<int>(Ages.size()) / 2);
    PLAYER_LOCATION Hurt;
    ASSERT_TRUE(Find_Player_By_ID(&Hurt, nHurtID));
    EXPECT_EQ(Get_Player_Vital_Stat(Hurt.nTeam, Hurt.nSlot, VITAL_INJURY_WEEKS), 0);
    // Nobody starts a season hurt.
    for (int t = 0; t < 32; ++t)
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
            EXPECT_EQ(Get_Player_Vital_Stat(t, s, VITAL_INJURY_WEEKS), 0);
    // The season's reports were written under "Output".
    const std::string Year = std::to_string(nYear % 100);
    EXPECT_TRUE(files::File_Exists(("Output/Stndng" + Year + ".txt").c_str()));
    EXPECT_TRUE(files::File_Exists(("Output/Awards" + Year + ".txt").c_str()));
    EXPECT_TRUE(files::File_Exists(("Output/Money-" + Year + ".txt").c_str()));
}

// FNV-1a of the text: one number that changes with any of its characters.
uint64_t Fingerprint(const std::string& Text)
{
    uint64_t h = 14695981039346656037ull;
    for (unsigned char c : Text) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

std::string Played_Season(uint32_t nSeed)
{
    whole_season::Build_League(nSeed);
    Advance_Day(22);
    Advance_Day(22);
    return whole_season::Season_Summary();
}

TEST(WholeSeasonTest, ASeasonFromOneSeedIsPlayedTheSameEveryTime)
{
    SCRATCH_FOLDER Scratch("whole_season_seed");
    const std::string First = Played_Season(2024);
    const std::string Second = Played_Season(2024);
    EXPECT_EQ(First, Second);
    EXPECT_NE(Played_Season(2025), First);
    // Recorded from this season as the program plays it now: a change in any
    // rule of play, scheduling or the bracket moves it and must be meant
    // (last: a game won by a touchdown in overtime counts as a game played,
    // which the play calling's per-game figures read).
    EXPECT_EQ(Fingerprint(First), 16955219502179241381ull) << First;
}

TEST(WholeSeasonTest, WithoutAFirstRoundTheRunPassesItsDayAndStopsOnTheSecond)
{
    SCRATCH_FOLDER Scratch("whole_season_byes");
    whole_season::Build_League(5);
    Set_Universe_Stat(WILD_CARD_TEAMS, 0);   // four division winners a league: byes for all
    const int P = Get_Season_Playoff_Day(0);
    Advance_Day(22);
    EXPECT_EQ(Get_Current_Week(), P + 1);
    EXPECT_EQ(Teams_In_Slots(0, 15), 0);
    EXPECT_EQ(Teams_In_Slots(16, 23), 8);
    int nHomeGames = 0;
    for (int t = 0; t < 32; ++t)
        nHomeGames += Get_Team_Schedule_Stat(t, P + 1, SCHEDULE_OPPONENT) > 0 ? 1 : 0;
    EXPECT_EQ(nHomeGames, 4);
    EXPECT_EQ(Final_Game_Records(), REGULAR_SEASON_GAMES);
}

TEST(WholeSeasonTest, ManySeasonsRunUnattendedToTheNextSeasonsFirstDay)
{
    SCRATCH_FOLDER Scratch("whole_season_many");
    whole_season::Build_League(99);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 0);
    Play_Multiple_Seasons(1);
    EXPECT_EQ(Get_Current_Season_Index(), 1);
    EXPECT_EQ(Get_Current_Week(), 0);
    EXPECT_EQ(Get_User_Preference(PREF_ALL_COMPUTER_TEAMS), 0);
    EXPECT_TRUE(Is_Schedule_Complete(GAMES));
    EXPECT_TRUE(ui::Shown_Boxes().empty() || ui::Shown_Boxes().back().Caption != "Season Schedule");
}

}  // namespace
