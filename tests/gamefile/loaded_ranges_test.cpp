// A saved game whose blocks inflate cleanly but whose values were changed:
// a block that cannot be a league is refused with its reason; values outside
// the ranges of their records are held to them, and the league plays on.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "whole_season.h"
#include "engine/playbooks.h"
#include "gamefile/game_file.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/season_lines.h"
#include "league/stat_codes.h"
#include "league/stadium_value.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "season/day_advance.h"
#include "test_support.h"

namespace {

class LoadedRangesTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"loaded_ranges"};

    // The league saved as "changed.zrt" after Change, then the league as it
    // was before the change again in memory.
    template <typename CHANGE> static void Save_Changed(CHANGE Change)
    {
        std::vector<unsigned char> Before(sizeof(League));
        std::memcpy(Before.data(), &League, sizeof(League));
        Change();
        ASSERT_EQ(Save_Game("changed.zrt"), SAVE_GAME_OK);
        std::memcpy(&League, Before.data(), sizeof(League));
    }

    static bool Log_Says(const std::string& Text)
    {
        return Read_Text_File(DEBUG_LOG_FILE).find(Text) != std::string::npos;
    }

    static int Final_Games()
    {
        int n = 0;
        for (int g = 0; g < NUMBER_OF_GAMES; ++g)
            n += Is_Game_Record_Final(g) ? 1 : 0;
        return n;
    }
};

TEST_F(LoadedRangesTest, ALeagueOfOneByteEverywhereIsRefusedWithItsReason)
{
    whole_season::Build_League(11);
    for (const unsigned char cByte : {0xFF, 0x00}) {
        SCOPED_TRACE(static_cast<int>(cByte));
        Save_Changed([cByte] { std::memset(static_cast<void*>(&League), cByte, sizeof(League)); });
        const LEAGUE_SNAPSHOT Before;
        EXPECT_EQ(Load_Game_File("changed.zrt"), 0);
        EXPECT_TRUE(Before.Unchanged());
        EXPECT_TRUE(Log_Says("Loading \"changed.zrt\" failed: it holds no club with players."));
        std::remove(DEBUG_LOG_FILE);
    }
}

// Each value at the far end of its integer comes back at the bound of its
// record, and a week of the season is played on the league.
TEST_F(LoadedRangesTest, ValuesBeyondTheirRecordsAreHeldToThemAndAWeekPlays)
{
    whole_season::Build_League(12);
    const int nYear = Get_Current_Year();
    // As saved, nothing is out of range.
    // A stadium worth 110 million dollars, as a built database of 2010 has
    // them, is no value out of range.
    Save_Changed([] { League.Team[0].nStadiumStat[STADIUM_STAT_VALUE] = 110476000; });
    ASSERT_NE(Load_Game_File("changed.zrt"), 0);
    EXPECT_FALSE(Log_Says("values outside the ranges"));
    EXPECT_EQ(League.Team[0].nStadiumStat[STADIUM_STAT_VALUE], 110476000);
    Save_Changed([] {
        PLAYER& First = League.Team[0].Player[0];
        First.nVital[VITAL_BIRTH_DATE] = INT32_MIN;
        First.nVital[VITAL_SALARY] = INT32_MAX;
        First.nVital[VITAL_SEASONS_PLAYED] = INT32_MAX;
        First.nStat[STAT_PERIOD_PREDICTED][STAT_RECEPTIONS] = INT32_MAX;
        First.nStat[STAT_PERIOD_PREDICTED][STAT_RUNS_BEHIND] = INT32_MIN;
        League.Team[1].Player[3].nVital[VITAL_BIRTH_DATE] = 20001399;   // no thirteenth month
        League.Team[1].Player[4].nStat[STAT_PERIOD_THIS_SEASON][STAT_RECEPTIONS] = INT32_MIN;
        League.Team[2].nFinancialStat[0] = INT32_MIN;   // fan loyalty
        League.Team[3].nTeamStat[TEAM_STAT_RUN_PASS_BALANCE] = INT32_MAX;
        League.Universe.nWord[(RATING_TUNING_WORD - UNIVERSE_WORD_OFFSET) / 2] = INT16_MAX;
        League.Universe.nWord[(REVERSION_TO_MEAN_WORD - UNIVERSE_WORD_OFFSET) / 2] = INT16_MIN;
        League.Universe.nStat[INFLATION_FACTOR] = INT32_MAX;
        League.Universe.nStat[GAMES_PER_SEASON] = INT32_MIN;
    });
    ASSERT_NE(Load_Game_File("changed.zrt"), 0);
    EXPECT_TRUE(Log_Says("Loading \"changed.zrt\": 13 values outside the ranges of their records were held to them."));
    EXPECT_EQ(League.Team[2].nFinancialStat[0], -2000000000);
    const PLAYER& First = League.Team[0].Player[0];
    EXPECT_EQ(First.nVital[VITAL_BIRTH_DATE], (nYear - 25) * 10000 + 101);
    EXPECT_EQ(First.nVital[VITAL_SALARY], 100000000);
    EXPECT_EQ(First.nVital[VITAL_SEASONS_PLAYED], 100);
    EXPECT_EQ(First.nStat[STAT_PERIOD_PREDICTED][STAT_RECEPTIONS], 1000000);
    EXPECT_EQ(First.nStat[STAT_PERIOD_PREDICTED][STAT_RUNS_BEHIND], -1000000);
    EXPECT_EQ(League.Team[1].Player[3].nVital[VITAL_BIRTH_DATE], (nYear - 25) * 10000 + 101);
    EXPECT_EQ(League.Team[1].Player[4].nStat[STAT_PERIOD_THIS_SEASON][STAT_RECEPTIONS], -1000000);
    EXPECT_EQ(League.Team[3].nTeamStat[TEAM_STAT_RUN_PASS_BALANCE], 100000000);
    EXPECT_EQ(League.Universe.nWord[(RATING_TUNING_WORD - UNIVERSE_WORD_OFFSET) / 2], 100);
    EXPECT_EQ(League.Universe.nWord[(REVERSION_TO_MEAN_WORD - UNIVERSE_WORD_OFFSET) / 2], -100);
    EXPECT_EQ(League.Universe.nStat[INFLATION_FACTOR], 1000000);

    // A league whose week has its games: they are played.
    League.Universe.nStat[GAMES_PER_SEASON] = 17;
    const int nBefore = Final_Games();
    Advance_Day(1);
    EXPECT_EQ(Final_Games(), nBefore + 16);
}

// Every byte of the first club's players 0x7F or 0x80 (each value near an
// end of its integer, the ratings huge or tiny): the league loads, its
// values held, and a week plays.
TEST_F(LoadedRangesTest, AClubOfPlayersAtTheEndsOfTheirIntegersLoadsAndPlays)
{
    whole_season::Build_League(13);
    for (const unsigned char cByte : {0x7F, 0x80}) {
        SCOPED_TRACE(static_cast<int>(cByte));
        Save_Changed([cByte] { std::memset(static_cast<void*>(League.Team[0].Player), cByte, sizeof(League.Team[0].Player)); });
        ASSERT_NE(Load_Game_File("changed.zrt"), 0);
        EXPECT_TRUE(Log_Says("values outside the ranges of their records were held to them."));
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            const PLAYER& Player = League.Team[0].Player[s];
            if (Player.nVital[VITAL_PLAYER_ID] == 0)
                continue;
            EXPECT_LE(Player.nVital[VITAL_SALARY], 100000000);
            EXPECT_LE(Player.nStat[STAT_PERIOD_PREDICTED][STAT_RECEPTIONS], 1000000);
        }
        const int nBefore = Final_Games();
        Advance_Day(1);
        EXPECT_GT(Final_Games(), nBefore);
        whole_season::Build_League(13);
        std::remove(DEBUG_LOG_FILE);
    }
}

// A game record that claims one play more than its log holds, scores and a
// crowd past any game, a city and a season line at the ends of their
// integers: each comes back at the bound of its record.
TEST_F(LoadedRangesTest, GameRecordsCitiesAndSeasonLinesAreHeldToTheirRecords)
{
    whole_season::Build_League(14);
    // A line of last season that the first player links to (a line no
    // player links to is erased on load, and this season's are counted anew).
    const int nLine = SEASON_LINE_COUNT - 1;
    const int nYear = Get_Current_Year();
    Save_Changed([nLine, nYear] {
        League.Game[0].nPlays = PLAY_LOG_SIZE + 1;
        League.Game[1].nPlays = -1;
        League.Game[2].nScore[1] = INT32_MAX;
        League.Game[3].nAttendance = INT32_MIN;
        League.City[0].nStat[9] = INT32_MIN;   // an unused word
        League.SeasonLines[nLine][SEASON_LINE_YEAR_WORD] = nYear - 1;
        Set_Player_Season_Link(0, 0, Find_Free_Season_Link(0, 0), nLine);
        League.SeasonLines[nLine][1] = INT32_MIN;
        League.SeasonLines[nLine][SEASON_LINE_FIRST_STAT_WORD] = INT32_MAX;
    });
    ASSERT_NE(Load_Game_File("changed.zrt"), 0);
    EXPECT_TRUE(Log_Says("Loading \"changed.zrt\": 7 values outside the ranges of their records were held to them."));
    EXPECT_EQ(League.Game[0].nPlays, PLAY_LOG_SIZE);
    EXPECT_EQ(League.Game[1].nPlays, 0);
    EXPECT_EQ(League.Game[2].nScore[1], 1000000);
    EXPECT_EQ(League.Game[3].nAttendance, 0);
    EXPECT_EQ(League.City[0].nStat[9], -100000000);
    EXPECT_EQ(League.SeasonLines[nLine][1], -100000000);
    EXPECT_EQ(League.SeasonLines[nLine][SEASON_LINE_FIRST_STAT_WORD], 1000000);

    // A log exactly full is no value out of range.
    std::remove(DEBUG_LOG_FILE);
    Save_Changed([] { League.Game[0].nPlays = PLAY_LOG_SIZE; });
    ASSERT_NE(Load_Game_File("changed.zrt"), 0);
    EXPECT_FALSE(Log_Says("values outside the ranges"));
    EXPECT_EQ(League.Game[0].nPlays, PLAY_LOG_SIZE);
}

// The plays of a club's playbooks are values of the saved game too: a run's
// carrier at the end of its integer, a pass thrown to the quarterback, a
// play of no known type and a defender of no known responsibility are
// repaired on load, and the week is played without a crediting error.
TEST_F(LoadedRangesTest, PlaybookValuesAreHeldAndTheWeekIsCreditedToPlayers)
{
    whole_season::Build_League(15);
    Save_Changed([] {
        OFFENSIVE_PLAYBOOK_AREA& Offense = *Get_Offensive_Playbook_Area(0);
        Offense.Play[6].nCarrier = INT32_MIN;   // 'I' 22 Blast, Strong 'I': the halfback in place 1
        Offense.Play[6].nRunHole = INT32_MAX;
        Offense.Play[20].nCarrier = 1;          // Pro 262 Hover: receiver 3 runs route 2
        Offense.Play[0].nType = INT32_MAX;
        std::strcpy(Offense.Play[0].szName, "Renamed");
        Get_Defensive_Playbook_Area(1)->Play[4].nResponsibility[10] = INT32_MIN;
    });
    ASSERT_NE(Load_Game_File("changed.zrt"), 0);
    // Play 6: its carrier and its hole; play 20; play 0; the defence.
    EXPECT_TRUE(Log_Says("Loading \"changed.zrt\": 4 values outside the ranges of their records were held to them."));
    EXPECT_EQ(Get_Offensive_Play_Carrier(0, 6), 1);
    EXPECT_EQ(Get_Offensive_Play_Run_Hole(0, 6), 2);
    EXPECT_EQ(Get_Offensive_Play_Carrier(0, 20), 3);
    char szName[PLAY_NAME_SIZE];
    Get_Offensive_Play_Name(0, 0, szName);
    EXPECT_STREQ(szName, "Pro 21 Dive");
    EXPECT_EQ(Get_Offensive_Play_Type(0, 0), PLAY_TYPE_RUSH);
    EXPECT_EQ(std::memcmp(&Get_Defensive_Playbook_Area(1)->Play[4], &BUILT_IN_DEFENSIVE_PLAYS[4], sizeof(DEFENSIVE_PLAY)), 0);

    League.Universe.nStat[GAMES_PER_SEASON] = 17;
    const int nBefore = Final_Games();
    Advance_Day(1);
    EXPECT_EQ(Final_Games(), nBefore + 16);
    EXPECT_FALSE(Log_Says("out of bounds"));
    EXPECT_FALSE(Log_Says("Invalid nReceiver"));
}

}  // namespace
