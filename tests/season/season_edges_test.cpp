// Season rules at their edges: a league sending exactly four clubs to the
// playoffs keeps its second-round pairs, the first season with an open week,
// and the game records a played day leaves named in both clubs' schedule
// entries. Expected values are worked out by hand from what each test gives.

#include <algorithm>

#include "base/random.h"
#include "league/calendar.h"
#include "playoffs_fixture.h"
#include "schedule/generic_schedule.h"
#include "schedule/schedule_driver.h"
#include "season/games_of_day.h"
#include "scratch_folder.h"
#include "whole_season.h"

namespace {

class FourTeamPlayoffTest : public PlayoffLeagueTest {};

TEST_F(FourTeamPlayoffTest, FourClubsALeagueAreNotReseededInTheSecondRound)
{
    // Leaders A (+9, division 0) and B (+8, division 1), wild cards C (+5)
    // and D (+3): seeds A, B, C, D in 17, 19, 18, 16. A reseeding would move
    // A to 19 and D to 18 (A v D then kicks off at 13:05, B v C at 16:30).
    const int A = 0, D = 1, B = 2, C = 3;
    Build({{0, 9}, {0, 3}, {1, 8}, {1, 5}}, 2);
    Set_Day(FIRST_PLAYOFF_DAY + 1);
    EXPECT_EQ(Schedule_Playoff_Games(), 2);
    EXPECT_EQ(Slot(16), D);
    EXPECT_EQ(Slot(17), A);
    EXPECT_EQ(Slot(18), C);
    EXPECT_EQ(Slot(19), B);
    // Pair 16-17 is the day's first game: Sunday at 16:30; pair 18-19 the
    // second: Sunday at 13:05. The better seed is at home.
    EXPECT_EQ(Home_Of(D), A);
    EXPECT_EQ(Home_Of(C), B);
    EXPECT_EQ(Get_Team_Schedule_Stat(A, FIRST_PLAYOFF_DAY + 1, SCHEDULE_KICKOFF_TIME), 1630);
    EXPECT_EQ(Get_Team_Schedule_Stat(B, FIRST_PLAYOFF_DAY + 1, SCHEDULE_KICKOFF_TIME), 1305);
    EXPECT_EQ(Get_Team_Schedule_Stat(A, FIRST_PLAYOFF_DAY + 1, SCHEDULE_DAY_OF_WEEK), 6);
    EXPECT_EQ(Get_Team_Schedule_Stat(B, FIRST_PLAYOFF_DAY + 1, SCHEDULE_DAY_OF_WEEK), 6);
    EXPECT_EQ(Errors_Reported(), 0);
}

// 24 clubs in eight divisions playing 16 games: games a week by week.
std::vector<int> Games_By_Week(int nYear)
{
    Use_Franchises(24);
    for (int t = 0; t < 24; ++t)
        Set_Team_Stat(t, TEAM_STAT_DIVISION, t / 3);
    Set_Universe_Stat(GAMES_PER_SEASON, 16);
    Set_Universe_Stat(FIRST_SEASON_YEAR, nYear);
    Set_User_Preference(PREF_SEASON_INDEX, 0);
    Seed_Random_Numbers(12345);
    bool bFilled = false;
    for (int i = 0; i < SCHEDULE_ATTEMPTS && !bFilled; ++i)
        bFilled = Generate_Schedule_With_Progress();
    EXPECT_TRUE(bFilled) << nYear;
    std::vector<int> Games(SCHEDULE_WEEKS, 0);
    for (int w = 0; w < SCHEDULE_WEEKS; ++w)
        for (int t = 0; t < 24; ++t)
            Games[w] += Get_Team_Schedule_Stat(t, w, SCHEDULE_OPPONENT) > 0 ? 1 : 0;
    return Games;
}

class OpenWeekTest : public LeagueTest {};

TEST_F(OpenWeekTest, NineteenNinetyIsTheFirstSeasonWithAnOpenWeek)
{
    // 1989: 16 weeks of 12 games. 1990: 17 weeks, the middle one (17 / 2 =
    // 8) open for every club.
    const std::vector<int> Before = Games_By_Week(1989);
    for (int w = 0; w < SCHEDULE_WEEKS; ++w)
        EXPECT_EQ(Before[w], w < 16 ? 12 : 0) << "1989 week " << w;
    SetUp();
    const std::vector<int> After = Games_By_Week(1990);
    for (int w = 0; w < SCHEDULE_WEEKS; ++w)
        EXPECT_EQ(After[w], w == 8 || w >= 17 ? 0 : 12) << "1990 week " << w;
}

class PlayedDayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui::Reset();
        whole_season::Build_League(77);
        Reset_Error_Count();
    }
    SCRATCH_FOLDER Scratch{"played_day"};
};

TEST_F(PlayedDayTest, BothClubsEntriesNameTheRecordThatHoldsTheirGame)
{
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    Set_Universe_Word(SIMULATION_STOP_DAY_WORD, 1);
    Play_Todays_Games();

    int nHomeEntries = 0;
    for (int t = 0; t < Count_Teams(); ++t) {
        const int nOpponent = Get_Team_Schedule_Stat(t, 0, SCHEDULE_OPPONENT);
        if (nOpponent <= 0)
            continue;
        ++nHomeEntries;
        const int nVisitor = nOpponent - 1;
        const int nRecord = Get_Team_Schedule_Stat(t, 0, SCHEDULE_GAME_INDEX);
        ASSERT_GE(nRecord, 0) << t;
        ASSERT_LT(nRecord, NUMBER_OF_GAMES) << t;
        EXPECT_EQ(Get_Team_Schedule_Stat(nVisitor, 0, SCHEDULE_GAME_INDEX), nRecord) << t;
        const GAME& Game = *Get_Game_Record(nRecord);
        EXPECT_EQ(Game.nHomeTeam, t);
        EXPECT_EQ(Game.nAwayTeam, nVisitor);
        EXPECT_TRUE(Is_Game_Record_Final(nRecord)) << t;
        EXPECT_EQ(Find_Team_Game_In_Week(0, t), Get_Game_Record(nRecord)) << t;
        EXPECT_EQ(Find_Team_Game_In_Week(0, nVisitor), Get_Game_Record(nRecord)) << t;
        EXPECT_EQ(Get_Team_Game_Index_In_Week(0, nVisitor), nRecord) << t;
    }
    // Thirty-two clubs, every one playing on the first day: 16 games.
    EXPECT_EQ(nHomeEntries, 16);
    EXPECT_EQ(Count_Week_Games(0), nHomeEntries);
    EXPECT_EQ(Get_Error_Count(), 0);
}

}  // namespace
