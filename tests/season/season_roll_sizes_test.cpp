// The season roll against every league size expansion and the League Editor
// can make (12 to 36 clubs), in every era of its rules: the year's games
// (12 before 1961, 14 before 1978, 16 after, 17 from 2021 for 32 clubs) and
// wild cards (none before 1970, then 1, 2, 3, 2 and 3), held to what the
// league's divisions and GAME records allow. Each size rolls into one
// season of its era and plays it through its playoffs, and every club plays
// every game its schedule gives it; the roll's schedule is also made for
// each size in each era (one to four divisions a conference, in turn), and
// no club is left without games.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "test_support.h"
#include "whole_season.h"
#include "league/calendar.h"
#include "league/league_fixture.h"
#include "league/game_record.h"
#include "league/salary_cap.h"
#include "platform/ui.h"
#include "schedule/schedule_driver.h"
#include "schedule/season_checks.h"

namespace {

// The first season of each set of rules.
constexpr int ERAS[] = {1960, 1961, 1970, 1978, 1990, 2002, 2021};
constexpr int ERA_COUNT = static_cast<int>(sizeof(ERAS) / sizeof(ERAS[0]));

// The year's games as the roll asks for them before any cut: 12, 14, 16,
// and 17 from 2021 for a league of 32 clubs only.
int Games_Of_Era(int nYear, int nTeams)
{
    if (nYear < 1961)
        return 12;
    if (nYear < 1978)
        return 14;
    if (nYear < 2021 || nTeams != 32)
        return 16;
    return 17;
}

// Team t of n in nDivisions divisions a conference: the clubs in blocks,
// the first half of the blocks in conference 0, the rest in conference 1.
int Division_Of(int t, int nTeams, int nDivisions)
{
    const int nBlock = t * 2 * nDivisions / nTeams;
    return (nBlock / nDivisions) * 4 + nBlock % nDivisions;
}

void Set_Divisions(int nTeams, int nDivisions)
{
    for (int t = 0; t < nTeams; ++t)
        Set_Team_Stat(t, TEAM_STAT_DIVISION, Division_Of(t, nTeams, nDivisions));
}

// Games of each club in weeks 0 .. P - 1 of the schedule.
std::vector<int> Scheduled_Games(int nTeams)
{
    const int P = Get_Season_Playoff_Day(0);
    std::vector<int> Games(nTeams, 0);
    for (int t = 0; t < nTeams; ++t)
        for (int w = 0; w < P; ++w)
            Games[t] += Get_Team_Schedule_Stat(t, w, SCHEDULE_OPPONENT) != 0 ? 1 : 0;
    return Games;
}

std::string Shown_Texts()
{
    std::string Text;
    for (const SHOWN_BOX& Box : ui::Shown_Boxes())
        Text += "[" + Box.Caption + "] " + Box.Text + "\n";
    return Text;
}

bool Shows_Caption(const char* szCaption)
{
    for (const SHOWN_BOX& Box : ui::Shown_Boxes())
        if (Box.Caption == szCaption)
            return true;
    return false;
}

// ---------------------------------------------------------------------------
// Each size plays one season of an era.

class SeasonRollSizeTest : public ::testing::TestWithParam<int> {
protected:
    SCRATCH_FOLDER Scratch{"season_roll_sizes"};

    // The fixture league grown or cut to nTeams clubs with generated
    // rosters, nDivisions divisions a conference, at the end of the draft
    // before the season of nYear (last season's rules still in place).
    static void Build_League(int nTeams, int nDivisions, int nYear)
    {
        season_fixture::Build_Season_League(static_cast<uint32_t>(nTeams * 31 + nYear));
        Use_Franchises(nTeams);
        for (int t = season_fixture::SEASON_TEAMS; t < nTeams; ++t) {
            game_fixture::Build_Generated_Club(t, season_fixture::Club_Strength(t % season_fixture::SEASON_TEAMS));
            season_fixture::Give_Position_Speeds(t);
        }
        for (int t = nTeams; t < season_fixture::SEASON_TEAMS; ++t)
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
                Clear_Player(t, s);
        Build_Player_ID_Hash();
        Set_League_Abbreviation(0, "AC");
        Set_League_Abbreviation(1, "NC");
        Set_Divisions(nTeams, nDivisions);
        for (int t = 0; t < nTeams; ++t) {
            whole_season::Name_Club(t);
            Set_Team_Stadium_Stat(t, STADIUM_STAT_CAPACITY, 65000);
        }
        Set_Universe_Stat(FIRST_SEASON_YEAR, nYear - 1);
        // The playoff rules a league started the year before got then.
        Set_User_Preference(PREF_SEASON_INDEX, 0);
        Apply_Season_Rule_Changes();
        Set_User_Preference(PREF_SEASON_INDEX, 1);
        Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
        Set_Universe_Stat(GAMES_PER_SEASON, Games_Of_Era(nYear - 1, nTeams));
        Set_Universe_Stat(WILD_CARD_TEAMS, 2);
        Set_Universe_Stat(INFLATION_FACTOR, 1000);
        Set_Universe_Word(SIMULATION_STOP_DAY_WORD, 0);
        Set_Universe_Word(DAY_ADVANCE_BUSY_WORD, 0);
        Set_User_Preference(PREF_SIMULATION_RUNNING, 0);
        Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
        Set_User_Preference(PREF_AUTO_SAVE, 0);
        Set_Game_Pages_Enabled(false);
    }
};

TEST_P(SeasonRollSizeTest, EveryClubPlaysTheSeasonItsEraGives)
{
    const int nTeams = GetParam();
    const int nYear = ERAS[(nTeams - 12) % ERA_COUNT];
    const int nDivisions = 1 + nTeams % 4;
    SCOPED_TRACE(std::to_string(nTeams) + " clubs, " + std::to_string(nDivisions) + " divisions a conference, " +
                 std::to_string(nYear));
    ui::Reset();
    Build_League(nTeams, nDivisions, nYear);
    Setup_Next_Season();
    ASSERT_EQ(Get_Current_Year(), nYear);
    ASSERT_EQ(Get_Current_Week(), 0);
    EXPECT_FALSE(Shows_Caption("Season Stopped")) << Shown_Texts();
    EXPECT_EQ(Shown_Texts().find("Unable to generate"), std::string::npos) << Shown_Texts();

    // The era's games, cut only where the GAME records would not hold them.
    const int nAsked = Games_Of_Era(nYear, nTeams);
    const int nGames = Get_Games_Per_Season();
    EXPECT_TRUE(nGames == nAsked ||
                (nGames < nAsked &&
                 !Check_Season_Fits_Game_Records(nTeams, nGames + 1, Count_League_Playoff_Teams(), nullptr, 0)))
        << nGames << " of " << nAsked;
    EXPECT_TRUE(Check_League_Fits_Game_Records(nullptr, 0));

    // Every club has its games: the season's, less a bye or two of an odd
    // league (and one more for one club of an odd league of an odd season
    // from 1990, whose weeks outnumber its games).
    const std::vector<int> Scheduled = Scheduled_Games(nTeams);
    const int P = Get_Season_Playoff_Day(0);
    ASSERT_GT(P, 0);
    for (int t = 0; t < nTeams; ++t) {
        EXPECT_GE(Scheduled[t], nGames - 2) << "club " << t;
        EXPECT_LE(Scheduled[t], nGames + 1) << "club " << t;
    }

    // The regular season, then the playoffs (a league whose playoffs have
    // no game is done with the first run).
    Advance_Day(22);
    EXPECT_GE(Get_Current_Week(), P);
    if (!Is_Season_Complete())
        Advance_Day(22);
    ASSERT_TRUE(Is_Season_Complete());
    EXPECT_FALSE(Shows_Caption("Season Stopped")) << Shown_Texts();

    // Every scheduled game was played, by the clubs the schedule named.
    std::vector<int> Played(nTeams, 0);
    for (int g = 0; g < NUMBER_OF_GAMES; ++g) {
        const GAME* pGame = Get_Game_Record(g);
        if (!Is_Game_Record_Final(g) || pGame->nWeek >= P)
            continue;
        ASSERT_LT(pGame->nHomeTeam, nTeams);
        ASSERT_LT(pGame->nAwayTeam, nTeams);
        ++Played[pGame->nHomeTeam];
        ++Played[pGame->nAwayTeam];
    }
    EXPECT_EQ(Played, Scheduled);
    // The champion played its season too.
    const int nChampion = Get_Playoff_Team(Get_Season_Last_Playoff_Slot());
    ASSERT_GE(nChampion, 0);
    ASSERT_LT(nChampion, nTeams);
    EXPECT_GT(Played[nChampion], 0);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SeasonRollSizeTest, ::testing::Range(12, 37),
                         [](const ::testing::TestParamInfo<int>& Info) {
                             return std::to_string(Info.param) + "Clubs";
                         });

// ---------------------------------------------------------------------------
// The roll's schedule for every size and era.

class SeasonRollScheduleTest : public LeagueTest {};

TEST_F(SeasonRollScheduleTest, EverySizeAndEraGivesEveryClubGames)
{
    SCRATCH_FOLDER Folder("season_roll_schedules");
    int nSeasons = 0;
    for (int e = 0; e < ERA_COUNT; ++e) {
        const int nYear = ERAS[e];
        for (int nTeams = 12; nTeams <= 36; ++nTeams) {
            // One to four divisions a conference, in turn over sizes and eras.
            {
                const int nDivisions = 1 + (nTeams + e) % 4;
                SCOPED_TRACE(std::to_string(nTeams) + " clubs, " + std::to_string(nDivisions) +
                             " divisions a conference, " + std::to_string(nYear));
                ui::Reset();
                Use_Franchises(nTeams);
                Set_Divisions(nTeams, nDivisions);
                Set_Universe_Stat(FIRST_SEASON_YEAR, nYear - 1);
                Set_User_Preference(PREF_SEASON_INDEX, 1);
                Set_Universe_Stat(GAMES_PER_SEASON, Games_Of_Era(nYear - 1, nTeams));
                Set_Universe_Stat(WILD_CARD_TEAMS, 2);
                // As Setup_Next_Season and Start_Season roll them.
                const int nWildCardsLastSeason = Get_Universe_Stat(WILD_CARD_TEAMS);
                Apply_Season_Rule_Changes();
                Recount_Wild_Card_Teams_And_Tell(Get_Year_Wild_Card_Teams(nYear - 1), nWildCardsLastSeason);
                ASSERT_TRUE(Fit_Season_To_Game_Records());
                ASSERT_TRUE(Generate_League_Schedule()) << Shown_Texts();
                const int nGames = Get_Games_Per_Season();
                EXPECT_LE(nGames, Games_Of_Era(nYear, nTeams));
                // Only 36 clubs of 16 games are cut, to 15.
                EXPECT_GE(nGames, Games_Of_Era(nYear, nTeams) - (nTeams == 36 ? 1 : 0));
                const std::vector<int> Scheduled = Scheduled_Games(nTeams);
                for (int t = 0; t < nTeams; ++t) {
                    ASSERT_GE(Scheduled[t], nGames - 2) << "club " << t;
                    ASSERT_LE(Scheduled[t], nGames + 1) << "club " << t;
                }
                // The playoffs take no more clubs than a conference holds.
                EXPECT_LE(Count_League_Playoff_Teams(), nTeams);
                ++nSeasons;
            }
        }
    }
    EXPECT_EQ(nSeasons, ERA_COUNT * 25);
}

}  // namespace
