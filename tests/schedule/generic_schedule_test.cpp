#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/random.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "league/league_fixture.h"
#include "platform/ui.h"
#include "schedule/generic_schedule.h"
#include "schedule/schedule_driver.h"
#include "test_support.h"

namespace {

// Teams 0 .. n - 1 in use, spread in blocks over nDivisions divisions (team
// t in division t x nDivisions / n; divisions 4-7 form the second
// conference), a season of nGames games in nYear.
void Build_League(int nTeams, int nGames, int nYear, int nDivisions = NUMBER_OF_DIVISIONS)
{
    Use_Franchises(nTeams);
    for (int t = 0; t < nTeams; ++t)
        Set_Team_Stat(t, TEAM_STAT_DIVISION, nTeams > 0 ? t * nDivisions / nTeams : 0);
    Set_Universe_Stat(GAMES_PER_SEASON, nGames);
    Set_Universe_Stat(FIRST_SEASON_YEAR, nYear);
    Set_User_Preference(PREF_SEASON_INDEX, 0);
}

// Repeats the generator as the driver does (the later half of the attempts
// without the division pairs); true when an attempt succeeded.
bool Generate_Within_Attempts(int nAttempts = SCHEDULE_ATTEMPTS)
{
    for (int i = 0; i < nAttempts; ++i) {
        if (Generate_Schedule_With_Progress(i < nAttempts / 2))
            return true;
    }
    return false;
}

int Opponent_Code(int nTeam, int nWeek)
{
    return Get_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_OPPONENT);
}

// What a finished schedule looks like from the schedule entries alone.
struct SCHEDULE_SHAPE {
    std::vector<int> Games;         // per team
    std::vector<int> Home;
    std::vector<int> Away;
    std::vector<int> WeekGames;     // per week 0-21: games (entries / 2)
    std::vector<int> IdleWeeks;     // per team: weeks below nWeeks without a game
    std::vector<int> IdleInWeek;    // per week: teams without a game
    bool bEntriesMatch = true;
    std::string Fault;
};

SCHEDULE_SHAPE Read_Shape(int nTeams, int nWeeks)
{
    SCHEDULE_SHAPE Shape;
    Shape.Games.assign(nTeams, 0);
    Shape.Home.assign(nTeams, 0);
    Shape.Away.assign(nTeams, 0);
    Shape.IdleWeeks.assign(nTeams, 0);
    Shape.WeekGames.assign(SCHEDULE_WEEKS, 0);
    Shape.IdleInWeek.assign(SCHEDULE_WEEKS, 0);
    for (int t = 0; t < nTeams; ++t) {
        for (int w = 0; w < SCHEDULE_WEEKS; ++w) {
            const int nCode = Opponent_Code(t, w);
            if (nCode == 0) {
                if (w < nWeeks) {
                    ++Shape.IdleWeeks[t];
                    ++Shape.IdleInWeek[w];
                }
                continue;
            }
            const int o = std::abs(nCode) - 1;
            const int nBack = nCode > 0 ? -(t + 1) : t + 1;
            if (o == t || o >= nTeams || Opponent_Code(o, w) != nBack) {
                Shape.bEntriesMatch = false;
                Shape.Fault = "team " + std::to_string(t) + " week " + std::to_string(w);
            }
            ++Shape.Games[t];
            ++(nCode > 0 ? Shape.Home[t] : Shape.Away[t]);
            if (nCode > 0)
                ++Shape.WeekGames[w];
        }
    }
    return Shape;
}

class GenericScheduleTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Seed_Random_Numbers(12345);
    }
};

// ---------------------------------------------------------------------------
// The bye plan

std::vector<int> Plan(int nTeams, int nWeeks, int* pnTotal = nullptr)
{
    std::vector<int> Byes(GENERIC_SCHEDULE_MAX_WEEKS, -7);
    const int nTotal = Plan_Week_Byes(nTeams, nWeeks, Byes.data());
    if (pnTotal != nullptr)
        *pnTotal = nTotal;
    Byes.resize(std::max(nWeeks, 0));
    return Byes;
}

// 29 teams over 17 weeks: b = 28 / 17 = 1, raised to 2; q = 12 / 2 = 6;
// h = (17 - 6) / 2 = 5. Weeks 5-10 get 3 byes, the others 1: 18 + 11 = 29.
TEST(ByePlanTest, TwentyNineTeamsOverSeventeenWeeksHaveSixHeavyWeeksInTheMiddle)
{
    int nTotal = 0;
    const std::vector<int> Byes = Plan(29, 17, &nTotal);
    const std::vector<int> Expected = {1, 1, 1, 1, 1, 3, 3, 3, 3, 3, 3, 1, 1, 1, 1, 1, 1};
    EXPECT_EQ(Byes, Expected);
    EXPECT_EQ(nTotal, 29);
}

// 13 teams over 12 weeks: b = 2, q = 1 / 2 = 0, h = 6; week h + q - 1 = 5
// gets (13 - 12) mod 2 = 1: every week one bye, 12 in all.
TEST(ByePlanTest, ThirteenTeamsOverTwelveWeeksHaveOneByeEachWeek)
{
    int nTotal = 0;
    EXPECT_EQ(Plan(13, 12, &nTotal), std::vector<int>(12, 1));
    EXPECT_EQ(nTotal, 12);
}

// 33 teams over 18 weeks: b = 32 / 18 = 1 -> 2, q = 15 / 2 = 7, h = 11 / 2 =
// 5: weeks 5-11 get 3, the rest 1: 21 + 11 = 32, one team without a bye.
// 35 over 17: b = 34 / 17 = 2 (even, kept), q = 9, h = 4: weeks 4-12 get 3:
// 27 + 8 = 35.
TEST(ByePlanTest, HeavyWeeksFollowTheDivisionsOfTheTeamCount)
{
    int nTotal = 0;
    std::vector<int> Expected(18, 1);
    for (int s = 5; s <= 11; ++s)
        Expected[s] = 3;
    EXPECT_EQ(Plan(33, 18, &nTotal), Expected);
    EXPECT_EQ(nTotal, 32);

    Expected.assign(17, 1);
    for (int s = 4; s <= 12; ++s)
        Expected[s] = 3;
    EXPECT_EQ(Plan(35, 17, &nTotal), Expected);
    EXPECT_EQ(nTotal, 35);
}

// Fewer teams than weeks: b = 0, every week one bye, more byes than teams.
TEST(ByePlanTest, FewerTeamsThanWeeksAskForMoreByesThanTeams)
{
    int nTotal = 0;
    EXPECT_EQ(Plan(15, 17, &nTotal), std::vector<int>(17, 1));
    EXPECT_EQ(nTotal, 17);
    EXPECT_EQ(Plan(17, 17, &nTotal), std::vector<int>(17, 1));
    EXPECT_EQ(nTotal, 17);
}

TEST(ByePlanTest, AWeekCountOutOfRangeWritesNothing)
{
    int nTotal = -1;
    std::vector<int> Byes(GENERIC_SCHEDULE_MAX_WEEKS + 1, -7);
    nTotal = Plan_Week_Byes(13, 0, Byes.data());
    EXPECT_EQ(nTotal, 0);
    nTotal = Plan_Week_Byes(13, GENERIC_SCHEDULE_MAX_WEEKS + 1, Byes.data());
    EXPECT_EQ(nTotal, 0);
    EXPECT_EQ(Byes, std::vector<int>(GENERIC_SCHEDULE_MAX_WEEKS + 1, -7));
}

// ---------------------------------------------------------------------------
// The order of the draws. Each case is the list of refusal percentages the
// rules give for the state, in order; the expected outcome walks them with
// fresh percentage draws from the same seed, stopping at the first draw
// below its percentage. The call must give that result and consume exactly
// those draws (the next word of the generator is checked).

struct DRAW_WALK {
    bool bRefused;
    size_t nDraws;
    uint32_t nNextWord;
};

DRAW_WALK Walk(uint32_t nSeed, const std::vector<int>& Percents)
{
    Seed_Random_Numbers(nSeed);
    size_t nDraws = 0;
    bool bRefused = false;
    for (int p : Percents) {
        ++nDraws;
        if (Get_Random_Below(100) < p) {
            bRefused = true;
            break;
        }
    }
    return {bRefused, nDraws, Generate_Random_Number()};
}

// Seeds 1-40, plus the first seed whose walk draws every percentage of the
// list and accepts (searched for: a long list of high percentages is rarely
// walked to its end).
template <typename CALL>
void Expect_Draws(const char* szCase, const std::vector<int>& Percents, CALL Call)
{
    std::vector<uint32_t> Seeds;
    for (uint32_t nSeed = 1; nSeed <= 40; ++nSeed)
        Seeds.push_back(nSeed);
    if (!Percents.empty()) {
        uint32_t nSeed = 41;
        while (nSeed < 1000000) {
            const DRAW_WALK Try = Walk(nSeed, Percents);
            if (!Try.bRefused && Try.nDraws == Percents.size())
                break;
            ++nSeed;
        }
        ASSERT_LT(nSeed, 1000000u) << szCase;
        Seeds.push_back(nSeed);
    }
    for (uint32_t nSeed : Seeds) {
        const DRAW_WALK Expected = Walk(nSeed, Percents);
        Seed_Random_Numbers(nSeed);
        const bool bRefused = Call();
        EXPECT_EQ(bRefused, Expected.bRefused) << szCase << " seed " << nSeed;
        EXPECT_EQ(Generate_Random_Number(), Expected.nNextWord) << szCase << " seed " << nSeed;
    }
}

// Enters games of team t at home (or away) against team o in the next free
// weeks, then reloads the counters.
void Add_Games(int nHome, int nAway, int nCount)
{
    int w = 0;
    for (int i = 0; i < nCount; ++w) {
        ASSERT_LT(w, 18);
        if (Schedule_Game(nHome, nAway, w, 6, 1300))
            ++i;
    }
}

TEST_F(GenericScheduleTest, HomeGameRefusalsDrawOnlyWhileTheirConditionHolds)
{
    // Teams 0-7: 0 and 1 in division 0, ...; team 4 is the one weighed.
    Build_League(8, 16, 1995);
    Load_Schedule_Draw_Counts();
    Expect_Draws("balanced", {}, [] { return Has_Too_Many_Home_Games(4); });

    Add_Games(4, 0, 1);   // h = a + 1
    Load_Schedule_Draw_Counts();
    Expect_Draws("one more at home", {70}, [] { return Has_Too_Many_Home_Games(4); });

    Add_Games(4, 1, 1);   // h = a + 2
    Load_Schedule_Draw_Counts();
    Expect_Draws("two more at home", {70, 80}, [] { return Has_Too_Many_Home_Games(4); });

    Add_Games(4, 2, 1);   // h = a + 3
    Load_Schedule_Draw_Counts();
    Expect_Draws("three more at home", {70, 80, 90}, [] { return Has_Too_Many_Home_Games(4); });

    Add_Games(3, 4, 3);   // level again: 3 home, 3 away
    Load_Schedule_Draw_Counts();
    Expect_Draws("level after visits", {}, [] { return Has_Too_Many_Home_Games(4); });
}

TEST_F(GenericScheduleTest, OpponentRefusalsFollowTheRulesInOrder)
{
    // Eight teams: division of team t is t (t x 8 / 8), conference t / 4.
    Build_League(8, 16, 1995);
    Load_Schedule_Draw_Counts();
    // Same division: only the balance and repeat-visit tests remain, and a
    // fresh candidate meets neither.
    Set_Team_Stat(1, TEAM_STAT_DIVISION, 0);
    Load_Schedule_Draw_Counts();
    Expect_Draws("division rival", {}, [] { return Is_Unwanted_Opponent(1, 0); });
    // Same conference, other division, never met.
    Expect_Draws("conference rival", {66}, [] { return Is_Unwanted_Opponent(2, 0); });
    // Other conference from 1970 on: 75, then the division test.
    Expect_Draws("other conference", {75, 66}, [] { return Is_Unwanted_Opponent(5, 0); });

    // Before 1970 the other conference is refused with 85 % first.
    Set_Universe_Stat(FIRST_SEASON_YEAR, 1969);
    Load_Schedule_Draw_Counts();
    Expect_Draws("other conference 1969", {85, 75, 66}, [] { return Is_Unwanted_Opponent(5, 0); });
    Set_Universe_Stat(FIRST_SEASON_YEAR, 1970);
    Load_Schedule_Draw_Counts();
    Expect_Draws("other conference 1970", {75, 66}, [] { return Is_Unwanted_Opponent(5, 0); });

    // They met once (5 at home to 0): the 95 % meeting test follows each of
    // the two tests; 5 has one more home game than away (no balance test).
    Add_Games(5, 0, 1);
    Load_Schedule_Draw_Counts();
    Expect_Draws("met, other conference", {75, 95, 66, 95}, [] { return Is_Unwanted_Opponent(5, 0); });

    // Team 0 is now one game away, none at home: as a candidate it faces the
    // 70 % balance test, and having visited 5 the 98 % repeat test.
    Expect_Draws("visitor again", {75, 95, 66, 95, 70, 98}, [] { return Is_Unwanted_Opponent(0, 5); });

    // A division rival with three more away games than home games, who has
    // already visited: 70, 80, 90, then 98.
    Add_Games(0, 1, 3);
    Load_Schedule_Draw_Counts();
    Expect_Draws("unbalanced rival", {70, 80, 90, 98}, [] { return Is_Unwanted_Opponent(1, 0); });
}

TEST_F(GenericScheduleTest, BadTeamsAreReportedAndRefused)
{
    Build_League(4, 12, 1995);
    Load_Schedule_Draw_Counts();
    Seed_Random_Numbers(7);
    const uint32_t nNext = Generate_Random_Number();
    Seed_Random_Numbers(7);
    EXPECT_TRUE(Has_Too_Many_Home_Games(4));
    EXPECT_TRUE(Is_Unwanted_Opponent(-1, 0));
    EXPECT_TRUE(Is_Unwanted_Opponent(0, 4));
    EXPECT_EQ(Errors_Reported(), 3);
    EXPECT_EQ(Generate_Random_Number(), nNext);   // nothing drawn

    Build_League(0, 12, 1995);
    Load_Schedule_Draw_Counts();
    Seed_Random_Numbers(7);
    EXPECT_EQ(Pick_Random_Team_To_Schedule(), NO_TEAM);
    EXPECT_EQ(Pick_Random_Opponent(0), NO_TEAM);
    EXPECT_EQ(Generate_Random_Number(), nNext);
}

// With every team level, the team pick is one team draw and nothing more.
TEST_F(GenericScheduleTest, ALevelTeamIsTakenAtTheFirstDraw)
{
    Build_League(10, 12, 1995);
    Load_Schedule_Draw_Counts();
    for (uint32_t nSeed = 1; nSeed <= 10; ++nSeed) {
        Seed_Random_Numbers(nSeed);
        const int nExpected = Get_Random_Below(10);
        const uint32_t nNext = Generate_Random_Number();
        Seed_Random_Numbers(nSeed);
        EXPECT_EQ(Pick_Random_Team_To_Schedule(), nExpected);
        EXPECT_EQ(Generate_Random_Number(), nNext);
    }
}

// Weighs the picks walked by hand below: a team draw, then for each team
// drawn the refusal percentages in order, a fresh team drawn after each
// refusal, at most nCap times; the team taken and the next generator word.
struct PICK_WALK {
    int nTeam;
    int nRedraws;
    uint32_t nNextWord;
};

PICK_WALK Walk_Pick(uint32_t nSeed, int nTeams, int nCap, const std::vector<int>& Percents)
{
    Seed_Random_Numbers(nSeed);
    int t = Get_Random_Below(nTeams);
    int nRedraws = 0;
    while (nRedraws < nCap) {
        bool bRefused = false;
        for (int p : Percents) {
            if (Get_Random_Below(100) < p) {
                bRefused = true;
                break;
            }
        }
        if (!bRefused)
            break;
        t = Get_Random_Below(nTeams);
        ++nRedraws;
    }
    return {t, nRedraws, Generate_Random_Number()};
}

// Every team three games more at home than away (entries written straight
// into the weeks, so that no team balances another): each pick weighs its
// team with 70, 80 and 90 %, and after 100 redraws the last team is taken
// unweighed.
TEST_F(GenericScheduleTest, TheTeamPickStopsAfterAHundredRedraws)
{
    Build_League(4, 16, 1995);
    for (int t = 0; t < 4; ++t) {
        for (int w = 0; w < 3; ++w)
            Set_Team_Schedule_Stat(t, w, SCHEDULE_OPPONENT, (t + 1) % 4 + 1);
    }
    Load_Schedule_Draw_Counts();
    int nCapped = 0;
    for (uint32_t nSeed = 1; nSeed <= 40; ++nSeed) {
        const PICK_WALK Expected = Walk_Pick(nSeed, 4, 100, {70, 80, 90});
        Seed_Random_Numbers(nSeed);
        EXPECT_EQ(Pick_Random_Team_To_Schedule(), Expected.nTeam) << nSeed;
        EXPECT_EQ(Generate_Random_Number(), Expected.nNextWord) << nSeed;
        nCapped += Expected.nRedraws == 100 ? 1 : 0;
    }
    // About 55 % of the picks reach the cap (0.994 ^ 100).
    EXPECT_GT(nCapped, 0);
    EXPECT_LT(nCapped, 40);
}

// One division; every team three games more away than at home, each game
// at team 0: a candidate against team 0 is weighed with 70, 80, 90 and 98 %,
// and after 10,000 redraws the last candidate is taken unweighed.
TEST_F(GenericScheduleTest, TheOpponentPickStopsAfterTenThousandRedraws)
{
    Build_League(4, 16, 1995);
    for (int t = 0; t < 4; ++t) {
        Set_Team_Stat(t, TEAM_STAT_DIVISION, 2);
        for (int w = 0; w < 3; ++w)
            Set_Team_Schedule_Stat(t, w, SCHEDULE_OPPONENT, -1);
    }
    Load_Schedule_Draw_Counts();
    int nCapped = 0;
    for (uint32_t nSeed = 1; nSeed <= 12; ++nSeed) {
        const PICK_WALK Expected = Walk_Pick(nSeed, 4, 10000, {70, 80, 90, 98});
        Seed_Random_Numbers(nSeed);
        EXPECT_EQ(Pick_Random_Opponent(0), Expected.nTeam) << nSeed;
        EXPECT_EQ(Generate_Random_Number(), Expected.nNextWord) << nSeed;
        nCapped += Expected.nRedraws == 10000 ? 1 : 0;
    }
    // About 30 % of the picks reach the cap (0.99988 ^ 10,000).
    EXPECT_GT(nCapped, 0);
    EXPECT_LT(nCapped, 12);
}

// ---------------------------------------------------------------------------
// Whole schedules

// 24 teams, 16 games, 1995: 17 weeks, week 8 open for everybody, 12 games in
// each other week, 16 games for every team.
TEST_F(GenericScheduleTest, AnEvenLeagueFromNineteenNinetyHasAnOpenWeekInTheMiddle)
{
    Build_League(24, 16, 1995);
    ASSERT_TRUE(Generate_Within_Attempts());
    const SCHEDULE_SHAPE Shape = Read_Shape(24, 17);
    EXPECT_TRUE(Shape.bEntriesMatch) << Shape.Fault;
    for (int w = 0; w < SCHEDULE_WEEKS; ++w)
        EXPECT_EQ(Shape.WeekGames[w], w == 8 || w >= 17 ? 0 : 12) << w;
    EXPECT_EQ(Shape.Games, std::vector<int>(24, 16));
}

// 24 teams, 16 games, 1985: 16 weeks of 12 games, no open week.
TEST_F(GenericScheduleTest, AnEvenLeagueBeforeNineteenNinetyPlaysEveryWeek)
{
    Build_League(24, 16, 1985);
    ASSERT_TRUE(Generate_Within_Attempts());
    const SCHEDULE_SHAPE Shape = Read_Shape(24, 16);
    EXPECT_TRUE(Shape.bEntriesMatch) << Shape.Fault;
    for (int w = 0; w < SCHEDULE_WEEKS; ++w)
        EXPECT_EQ(Shape.WeekGames[w], w < 16 ? 12 : 0) << w;
    EXPECT_EQ(Shape.Games, std::vector<int>(24, 16));
}

// 29 teams, 16 games, 1995: weeks 5-10 have 3 byes and 13 games, the other
// weeks 1 bye and 14 games; every team exactly one bye and 16 games.
TEST_F(GenericScheduleTest, AnOddLeagueGivesEveryTeamOneByeAsPlanned)
{
    Build_League(29, 16, 1995);
    ASSERT_TRUE(Generate_Within_Attempts());
    const SCHEDULE_SHAPE Shape = Read_Shape(29, 17);
    EXPECT_TRUE(Shape.bEntriesMatch) << Shape.Fault;
    for (int w = 0; w < SCHEDULE_WEEKS; ++w) {
        const bool bHeavy = w >= 5 && w <= 10;
        EXPECT_EQ(Shape.WeekGames[w], w >= 17 ? 0 : bHeavy ? 13 : 14) << w;
        if (w < 17) {
            EXPECT_EQ(Shape.IdleInWeek[w], bHeavy ? 3 : 1) << w;
        }
    }
    EXPECT_EQ(Shape.IdleWeeks, std::vector<int>(29, 1));
    EXPECT_EQ(Shape.Games, std::vector<int>(29, 16));
}

// 13 teams, 12 games, 1970: 12 weeks of one bye each: twelve teams play 11
// games and one team all 12.
TEST_F(GenericScheduleTest, AnOddLeagueBeforeNineteenNinetyLeavesOneTeamWithoutABye)
{
    Build_League(13, 12, 1970);
    ASSERT_TRUE(Generate_Within_Attempts());
    const SCHEDULE_SHAPE Shape = Read_Shape(13, 12);
    EXPECT_TRUE(Shape.bEntriesMatch) << Shape.Fault;
    std::vector<int> Games = Shape.Games;
    std::sort(Games.begin(), Games.end());
    std::vector<int> Expected(13, 11);
    Expected.back() = 12;
    EXPECT_EQ(Games, Expected);
    for (int w = 0; w < SCHEDULE_WEEKS; ++w)
        EXPECT_EQ(Shape.WeekGames[w], w < 12 ? 6 : 0) << w;
}

// 19 teams, 17 games, 2010: W = 18, b = 18 / 18 = 1 -> 2, q = 1 / 2 = 0,
// h = 9; week 8 gets (19 - 18) mod 2 = 1 bye, like every other week: 18
// byes for 19 teams. Eighteen teams play 17 games and one all 18 weeks (19 x
// 17 is odd: no schedule gives every team 17 games).
TEST_F(GenericScheduleTest, AnOddLeagueWithAnOddSeasonLengthHasOneTeamWithoutABye)
{
    Build_League(19, 17, 2010);
    ASSERT_TRUE(Generate_Within_Attempts());
    const SCHEDULE_SHAPE Shape = Read_Shape(19, 18);
    EXPECT_TRUE(Shape.bEntriesMatch) << Shape.Fault;
    std::vector<int> Games = Shape.Games;
    std::sort(Games.begin(), Games.end());
    std::vector<int> Expected(19, 17);
    Expected.back() = 18;
    EXPECT_EQ(Games, Expected);
    for (int w = 0; w < 18; ++w)
        EXPECT_EQ(Shape.IdleInWeek[w], 1) << w;
}

// 20 teams and 18 games: scheduled as 17, and 17 written back.
TEST_F(GenericScheduleTest, MoreThanSeventeenGamesAreScheduledAsSeventeen)
{
    Build_League(20, 18, 2010);
    ASSERT_TRUE(Generate_Within_Attempts());
    EXPECT_EQ(League.Universe.nStat[GAMES_PER_SEASON], 17);
    const SCHEDULE_SHAPE Shape = Read_Shape(20, 18);
    EXPECT_TRUE(Shape.bEntriesMatch) << Shape.Fault;
    EXPECT_EQ(Shape.Games, std::vector<int>(20, 17));
}

// Fewer odd teams than weeks: the bye plan wants more byes than teams (one
// a week, b = 0), so every team rests once and the weeks left over rest a
// team a second time, never two teams of one week. 13 teams over 14 weeks
// (14 games before 1990): twelve teams play 13 games, one 12, 84 games in
// all, six a week. 15 teams over 17 weeks (16 games from 1990): thirteen
// play 16, two 15. 17 teams over 18 weeks: sixteen play 17, one 16.
TEST_F(GenericScheduleTest, AByePlanWithMoreByesThanTeamsRestsSomeTeamsTwice)
{
    const struct {
        int nTeams;
        int nGames;
        int nYear;
        int nWeeks;
        int nTwice;   // teams with a second bye
    } Case[] = {{13, 14, 1961, 14, 1}, {15, 16, 1995, 17, 2}, {17, 17, 2010, 18, 1}};
    for (const auto& c : Case) {
        SCOPED_TRACE(std::to_string(c.nTeams) + " teams, " + std::to_string(c.nGames) + " games");
        Build_League(c.nTeams, c.nGames, c.nYear);
        ASSERT_TRUE(Generate_Within_Attempts());
        const SCHEDULE_SHAPE Shape = Read_Shape(c.nTeams, c.nWeeks);
        EXPECT_TRUE(Shape.bEntriesMatch) << Shape.Fault;
        int nTwice = 0;
        for (int t = 0; t < c.nTeams; ++t) {
            EXPECT_TRUE(Shape.IdleWeeks[t] == 1 || Shape.IdleWeeks[t] == 2) << t;
            nTwice += Shape.IdleWeeks[t] == 2 ? 1 : 0;
            EXPECT_EQ(Shape.Games[t], c.nWeeks - Shape.IdleWeeks[t]) << t;
        }
        EXPECT_EQ(nTwice, c.nTwice);
        for (int w = 0; w < SCHEDULE_WEEKS; ++w) {
            EXPECT_EQ(Shape.WeekGames[w], w < c.nWeeks ? (c.nTeams - 1) / 2 : 0) << w;
            if (w < c.nWeeks) {
                EXPECT_EQ(Shape.IdleInWeek[w], 1) << w;
            }
        }
    }
    // One week and every team its bye in it: no game at all, and no attempt
    // loops looking for a team to rest.
    Build_League(13, 1, 1985);
    EXPECT_TRUE(Generate_Schedule_With_Progress());
    EXPECT_EQ(Get_Last_Scheduled_Week(), 0);
}

// As many byes as teams: 17 teams over 17 weeks (16 games from 1990), one
// bye each, every week 8 games.
TEST_F(GenericScheduleTest, AByePlanWithOneByePerTeamIsKept)
{
    Build_League(17, 16, 1995);
    ASSERT_TRUE(Generate_Within_Attempts());
    const SCHEDULE_SHAPE Shape = Read_Shape(17, 17);
    EXPECT_TRUE(Shape.bEntriesMatch) << Shape.Fault;
    EXPECT_EQ(Shape.IdleWeeks, std::vector<int>(17, 1));
    EXPECT_EQ(Shape.Games, std::vector<int>(17, 16));
}

// The division games against other divisions must pair off. Two divisions
// of 6 over 14 games (1965): each club has 10 division games and 4 others,
// 24 a division on each side, so a paired attempt can succeed and every
// club meets each rival once at home. Divisions of 7 and 6 over 16 games
// from 1990 (13 clubs, 17 weeks, 17 byes): the 7 have 12 division games
// each and at most 5 weeks besides, the 6 have 10 and at least 5, so the 7
// can never have as many games against the 6 as the 6 against them; such
// an attempt fails before it enters a game.
TEST_F(GenericScheduleTest, DivisionGamesPairOnlyWhenTheirOtherGamesBalance)
{
    Build_League(12, 14, 1965, 2);
    ASSERT_TRUE(Generate_Within_Attempts(SCHEDULE_ATTEMPTS / 2));
    for (int t = 0; t < 12; ++t)
        for (int r = 0; r < 12; ++r)
            if (r != t && t / 6 == r / 6) {
                EXPECT_EQ(Count_Home_Games_Against(t, r), 1) << t << " hosts " << r;
            }

    Build_League(13, 16, 1995, 2);
    ASSERT_EQ(Get_Team_Stat(6, TEAM_STAT_DIVISION), 0);
    ASSERT_EQ(Get_Team_Stat(7, TEAM_STAT_DIVISION), 1);
    for (int i = 0; i < 5; ++i) {
        ui::Reset();
        EXPECT_FALSE(Generate_Schedule_With_Progress(true));
        EXPECT_EQ(ui::Progress().Position, 0);
        EXPECT_EQ(Get_Last_Scheduled_Week(), 0);
    }
    EXPECT_TRUE(Generate_Within_Attempts());
}

// The progress window: titled "Generating Schedule", n x G / 2 steps, one
// step per game, closed at the end; the main window repainted once a week.
TEST_F(GenericScheduleTest, TheProgressWindowCountsTheGames)
{
    Build_League(10, 13, 2001);
    ASSERT_TRUE(Generate_Within_Attempts());
    EXPECT_EQ(ui::Progress().Title, "Generating Schedule");
    EXPECT_EQ(ui::Progress().Steps, 65);
    EXPECT_EQ(ui::Progress().Position, 65);
    EXPECT_FALSE(ui::Progress().Open);
}

// A window already open belongs to someone else: the generator neither steps
// nor closes it.
TEST_F(GenericScheduleTest, AProgressWindowAlreadyOpenIsLeftAlone)
{
    Build_League(10, 13, 2001);
    ASSERT_NE(Open_Progress_Window("Starting Season", 7), 0);
    ASSERT_TRUE(Generate_Within_Attempts());
    EXPECT_TRUE(ui::Progress().Open);
    EXPECT_EQ(ui::Progress().Title, "Starting Season");
    EXPECT_EQ(ui::Progress().Position, 0);
    Close_Progress_Window();
}

// The same seed makes the same schedule; another seed another one.
TEST_F(GenericScheduleTest, ASeedMakesItsOwnScheduleEveryTime)
{
    auto Schedule_Of = [](uint32_t nSeed) {
        Build_League(28, 16, 2010);
        Seed_Random_Numbers(nSeed);
        EXPECT_TRUE(Generate_Within_Attempts());
        std::vector<int32_t> Codes;
        for (int t = 0; t < 28; ++t) {
            for (int w = 0; w < SCHEDULE_WEEKS; ++w) {
                for (int f = 0; f < SCHEDULE_WEEK_FIELDS; ++f)
                    Codes.push_back(Get_Team_Schedule_Stat(t, w, f));
            }
        }
        return Codes;
    };
    const std::vector<int32_t> First = Schedule_Of(2024);
    EXPECT_EQ(Schedule_Of(2024), First);
    EXPECT_NE(Schedule_Of(2025), First);
}

// Before 1970 a candidate of the other conference is refused with 85 % and
// then 75 %, later with 75 % only: over many schedules of two conferences
// the share of games between them is clearly smaller in 1965.
TEST_F(GenericScheduleTest, EarlierSeasonsKeepTheConferencesApart)
{
    auto Cross_Conference_Games = [](int nYear) {
        int nCross = 0;
        for (uint32_t nSeed = 1; nSeed <= 12; ++nSeed) {
            Build_League(16, 14, nYear);
            Seed_Random_Numbers(nSeed);
            EXPECT_TRUE(Generate_Within_Attempts());
            for (int t = 0; t < 16; ++t) {
                for (int w = 0; w < 14; ++w) {
                    const int nCode = Opponent_Code(t, w);
                    if (nCode > 0 && (t < 8) != (nCode - 1 < 8))
                        ++nCross;
                }
            }
        }
        return nCross;
    };
    const int nEarly = Cross_Conference_Games(1965);
    const int nLater = Cross_Conference_Games(1975);
    EXPECT_LT(nEarly * 5, nLater * 4) << nEarly << " " << nLater;
}

// Every league size and season length the generator serves, in five eras.
// Checked for each: the entries of the two teams of a game match, nobody
// plays itself or twice in a week, nothing beyond the season's W weeks;
// each team idle in at most one week below W (even leagues from 1990: the
// open week only, before 1990: none; odd leagues smaller than their weeks:
// the byes beyond one a team spread over the teams), each week's idle teams
// as the bye plan gives them (odd leagues), every team W minus its idle
// weeks games; home and away within the bound below.
//
// The balance bound: the draws favour the team with fewer home games, and
// after the draws the venues of games along paths of home games are turned
// to level the teams; the last pairings of a week are forced, and a pair
// that meets more than once keeps its venues as even as it can, so a team
// can be left a game or two off level (two-team leagues, whose every game
// is forced, most). So: each team within 2, the league's excess beyond the
// odd game a team with an odd number of games cannot avoid within n.
TEST_F(GenericScheduleTest, EverySizeAndEraGivesEachTeamItsGames)
{
    const int YEARS[] = {1965, 1985, 1995, 2010, 2024};
    int nLeagues = 0;
    int nPaired = 0;
    int nWorst = 0;
    for (int nYear : YEARS) {
        for (int nGames = 12; nGames <= 17; ++nGames) {
            for (int n = 2; n <= 36; ++n) {
                const int W = nYear < 1990 ? nGames : nGames + 1;
                std::vector<int> Byes(GENERIC_SCHEDULE_MAX_WEEKS, 0);
                const int nByes = n % 2 != 0 ? Plan_Week_Byes(n, W, Byes.data()) : 0;
                // The GAME records hold the regular season and the playoffs.
                if ((n * nGames + 1) / 2 + 15 > NUMBER_OF_GAMES)
                    continue;
                SCOPED_TRACE(std::to_string(n) + " teams, " + std::to_string(nGames) + " games, " +
                             std::to_string(nYear));
                // About four teams a division, both conferences from 20 teams.
                // An odd league of fewer than 12 teams and more byes than
                // teams keeps one division: its two divisions could not
                // balance their games against each other, and the driver
                // would reach its attempts without division pairs only after
                // 500 failed ones.
                const int nDivisions = nByes > n && n < 12 ? 1 : std::clamp(n / 4, 1, NUMBER_OF_DIVISIONS);
                Build_League(n, nGames, nYear, nDivisions);
                Seed_Random_Numbers(static_cast<uint32_t>(nYear * 1000 + nGames * 40 + n));
                ASSERT_TRUE(Generate_Within_Attempts());
                ++nLeagues;
                const SCHEDULE_SHAPE Shape = Read_Shape(n, W);
                ASSERT_TRUE(Shape.bEntriesMatch) << Shape.Fault;
                for (int w = W; w < SCHEDULE_WEEKS; ++w)
                    ASSERT_EQ(Shape.WeekGames[w], 0) << w;
                int nExcess = 0;
                for (int t = 0; t < n; ++t) {
                    // One bye a team, a second one only for a league with
                    // more byes than teams (as even as the draws make them).
                    ASSERT_LE(Shape.IdleWeeks[t], nByes > n ? (nByes + n - 1) / n : 1) << t;
                    ASSERT_GE(Shape.IdleWeeks[t], n % 2 != 0 && nByes >= n ? nByes / n : 0) << t;
                    ASSERT_EQ(Shape.Games[t], W - Shape.IdleWeeks[t]) << t;
                    const int d = std::abs(Shape.Home[t] - Shape.Away[t]);
                    nExcess += d - Shape.Games[t] % 2;
                    nWorst = std::max(nWorst, d);
                    ASSERT_LE(d, 2) << t;
                }
                EXPECT_LE(nExcess, n) << "mean home/away difference";
                // Divisions of three to five from 12 clubs: each club meets
                // every rival once at home and once away.
                if (n >= 12) {
                    for (int t = 0; t < n; ++t) {
                        for (int r = 0; r < n; ++r) {
                            if (r == t || Get_Team_Stat(r, TEAM_STAT_DIVISION) != Get_Team_Stat(t, TEAM_STAT_DIVISION))
                                continue;
                            int nAtHome = 0;
                            for (int w = 0; w < W; ++w)
                                nAtHome += Opponent_Code(t, w) == r + 1 ? 1 : 0;
                            ASSERT_EQ(nAtHome, 1) << t << " hosts " << r;
                        }
                    }
                    ++nPaired;
                }
                for (int w = 0; w < W; ++w) {
                    if (n % 2 != 0) {
                        ASSERT_EQ(Shape.IdleInWeek[w], Byes[w]) << w;
                    } else if (nYear >= 1990) {
                        ASSERT_EQ(Shape.IdleInWeek[w], w == W / 2 ? n : 0) << w;
                    } else {
                        ASSERT_EQ(Shape.IdleInWeek[w], 0) << w;
                    }
                }
            }
        }
    }
    // 1,050 shapes (5 years x 6 lengths x 35 sizes), less 20 that do not fit
    // the GAME records (36 teams of 16 and 17 games, 34 and 35 of 17, each
    // year).
    EXPECT_EQ(nLeagues, 1030);
    EXPECT_GT(nPaired, 0);
    std::printf("leagues %d, worst home/away difference %d\n", nLeagues, nWorst);
}

}  // namespace
