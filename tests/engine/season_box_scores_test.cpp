// A regular season of the 32-club league played through the day advance
// with its game pages written, then read as a reader reads them: the
// scoring plays of each quarter run down the clock, every touchdown of
// regulation has its try, a game shows an overtime only when it had one, each
// club's player rows add up to its passing, rushing and receiving lines, and
// each player's box lines of the season add up to his season line.

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <vector>

#include "scratch_folder.h"
#include "test_support.h"
#include "whole_season.h"
#include "engine/box_score_reading.h"
#include "engine/game_log.h"
#include "engine/game_report.h"
#include "engine/game_state.h"
#include "league/game_record.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/salary_cap.h"
#include "league/stat_codes.h"
#include "league/team_schedule.h"
#include "season/day_advance.h"

namespace {

using namespace box_score_reading;

// The league of the season fixture, every player named by his ID so that a
// box row names one player, and the game pages on.
void Build_Named_League(uint32_t nSeed)
{
    whole_season::Build_League(nSeed);
    for (int t = 0; t < season_fixture::SEASON_TEAMS; ++t) {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            const int nID = Get_Player_Vital_Stat(t, s, VITAL_PLAYER_ID);
            if (nID == 0)
                continue;
            Set_Player_First_Name(t, s, "Player");
            Set_Player_Last_Name(t, s, ("N" + std::to_string(nID)).c_str());
        }
    }
    Set_Game_Pages_Enabled(true);
}

struct SEASON_READING {
    int nGames = 0;
    std::map<int, BOX_SCORE> Boxes;   // by game record
};

SEASON_READING Read_Regular_Season()
{
    SEASON_READING Season;
    for (int g = 0; g < NUMBER_OF_GAMES; ++g) {
        if (!Is_Game_Record_Final(g))
            continue;
        const GAME* pGame = Get_Game_Record(g);
        char szName[64];
        std::snprintf(szName, sizeof szName, "Output/Box-%02d-%03d.htm", pGame->nYear % 100, g);
        const std::string Page = Read_Text_File(szName, "");
        // Nothing of the season after its last whistle changes what the
        // page's mark was made from.
        EXPECT_EQ(Check_Game_Page(szName, pGame, g), GAME_PAGE_OWN) << szName;
        BOX_SCORE Box;
        EXPECT_TRUE(Read_Box_Score(Page, Box)) << szName;
        Season.Boxes[g] = Box;
        ++Season.nGames;
    }
    return Season;
}

// The scoring rows of each quarter (and of a single overtime period) run down
// the clock. Returns the rows out of order, with their games.
std::string Scoring_Out_Of_Order(const SEASON_READING& Season)
{
    std::string Text;
    for (const auto& [g, Box] : Season.Boxes) {
        const GAME* pGame = Get_Game_Record(g);
        const bool bOnePeriod = pGame->nClock <= SECONDS_OF_REGULATION + Get_Overtime_Period_Length(pGame);
        Text += box_score_reading::Scoring_Out_Of_Order(Box, bOnePeriod, "game " + std::to_string(g));
    }
    return Text;
}

TEST(SeasonBoxScoresTest, ScoringPlaysRunDownTheClockAndRowsAddUpToClubAndSeasonLines)
{
    SCRATCH_FOLDER Scratch("season_box_scores");
    Build_Named_League(2024);
    Advance_Day(22);   // the regular season
    const SEASON_READING Season = Read_Regular_Season();
    ASSERT_EQ(Season.nGames, 32 * 17 / 2);

    EXPECT_EQ(Scoring_Out_Of_Order(Season), "");

    // Each club's rows add up to its lines (a game whose play log filled up
    // would have rows for its logged plays only).
    std::map<std::string, PLAYER_ROW> BoxLines;
    int nChecked = 0;
    for (const auto& [g, Box] : Season.Boxes) {
        ASSERT_LT(Get_Game_Record(g)->nPlays, PLAY_LOG_SIZE) << g;
        for (int s = 0; s < 2; ++s) {
            for (const PLAYER_ROW& Row : Box.Rows[s])
                Add_Row(BoxLines[Row.Name], Row);
            EXPECT_EQ(Rows_Against_Club(Box, s), "") << "game " << g << " side " << s;
            ++nChecked;
        }
    }
    EXPECT_EQ(nChecked, 2 * Season.nGames);

    // Each player's box lines of the season sum to his season line.
    int nPlayers = 0;
    for (int t = 0; t < season_fixture::SEASON_TEAMS; ++t) {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Get_Player_Vital_Stat(t, s, VITAL_PLAYER_ID) == 0 || Get_Player_Unit(t, s) != UNIT_BACKS)
                continue;
            char szName[64];
            Get_Player_Full_Name(t, s, szName);
            const auto it = BoxLines.find(szName);
            const PLAYER_ROW Line = it == BoxLines.end() ? PLAYER_ROW{} : it->second;
            auto Stat = [&](int nCode) { return Get_Player_Stat(t, s, STAT_PERIOD_THIS_SEASON, nCode); };
            EXPECT_EQ(Line.nRushes, Stat(STAT_RUSHING_ATTEMPTS)) << szName;
            EXPECT_EQ(Line.nRushYards, Stat(STAT_RUSHING_YARDS)) << szName;
            EXPECT_EQ(Line.nFumbles, Stat(STAT_FUMBLES_LOST)) << szName;
            EXPECT_EQ(Line.nReceptions, Stat(STAT_RECEPTIONS)) << szName;
            EXPECT_EQ(Line.nReceivingYards, Stat(STAT_RECEIVING_YARDS)) << szName;
            if (Get_Player_Position(t, s) == POSITION_QB) {
                EXPECT_EQ(Line.nCompletions, Stat(STAT_PASS_COMPLETIONS)) << szName;
                EXPECT_EQ(Line.nAttempts, Stat(STAT_PASS_ATTEMPTS)) << szName;
                EXPECT_EQ(Line.nPassYards, Stat(STAT_PASSING_YARDS)) << szName;
            }
            nPlayers += Line.nRushes + Line.nReceptions > 0;
        }
    }
    EXPECT_GT(nPlayers, 32 * 4);
}

TEST(SeasonBoxScoresTest, FifteenMinuteOvertimeSeasonPlaysEveryTryAndShowsOnlyRealOvertimes)
{
    SCRATCH_FOLDER Scratch("season_box_scores_ot");
    Build_Named_League(7);
    // The rules of 2012: regular-season sudden death of 15 minutes.
    Set_Universe_Stat(FIRST_SEASON_YEAR, 2012);
    Update_Overtime_Rules();
    Update_Overtime_Period_Rule();
    ASSERT_EQ(Get_User_Preference(PREF_MINUTES_PER_PERIOD), 15);
    Advance_Day(22);
    const SEASON_READING Season = Read_Regular_Season();
    ASSERT_EQ(Season.nGames, 32 * 17 / 2);
    EXPECT_EQ(Scoring_Out_Of_Order(Season), "");

    int nLastSnapTouchdowns = 0;
    int nOvertimes = 0;
    for (const auto& [g, Box] : Season.Boxes) {
        const GAME* pGame = Get_Game_Record(g);
        const std::string Where = "game " + std::to_string(g);
        // Overtime shown: a snap was taken after regulation (a try at 0:00
        // is not one).
        bool bOvertimeSnap = false;
        for (int i = 0; i < pGame->nPlays && i < PLAY_LOG_SIZE; ++i)
            bOvertimeSnap |= pGame->PlayLog[i].nClock >= SECONDS_OF_REGULATION &&
                             pGame->PlayLog[i].nSnapDown != CONVERSION_ATTEMPT;
        EXPECT_EQ(Box.OvertimeCell[0] != "-", bOvertimeSnap) << Where;
        EXPECT_EQ(Box.OvertimeCell[1] != "-", bOvertimeSnap) << Where;
        nOvertimes += bOvertimeSnap;
        // Every touchdown of regulation is followed by its try.
        EXPECT_EQ(Touchdowns_Without_Try(Box, Where), "");
        for (const SCORING_ROW& Row : Box.Scoring)
            nLastSnapTouchdowns += Row.Quarter == "4th Q" && Row.nSecondsLeft == 0 && !Is_Try_Word(Row.Word) &&
                                   Row.Word != "Field Goal" && Row.Word != "Safety";
        // A game level after regulation is not over there.
        if (!bOvertimeSnap) {
            EXPECT_NE(pGame->nScore[0], pGame->nScore[1]) << Where;
        }
    }
    // The season holds the cases looked for.
    EXPECT_GT(nLastSnapTouchdowns, 0);
    EXPECT_GT(nOvertimes, 0);
}

}  // namespace
