// Every league size from 12 to 36 teams and every season length from 1 to
// 17 games, before and from 1990: the driver either refuses a season beyond
// the GAME records (nothing changed), refuses with its message a season of
// one week in which every team of an odd league rests, or leaves a schedule
// whose entries agree in the weeks of its source: every team plays the
// season's games (with an odd number of teams, the generic generator's weeks
// less the team's byes: one, and a second for some teams of a league
// smaller than its weeks), at most once a week (one entry a week), home and
// away level and division rivals met at each venue in a table's season.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/random.h"
#include "league/calendar.h"
#include "league/league_data.h"
#include "league/league_fixture.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "platform/ui.h"
#include "schedule/schedule_driver.h"
#include "test_support.h"

namespace {

// Division sizes per conference that match a table's slots, for the sizes a
// table serves; empty for the others (team t in division t x 8 / n).
std::vector<std::vector<int>> Table_Layout(int nTeams)
{
    switch (nTeams) {
    case 12:
        return {{6}, {6}};
    case 26:
        return {{5, 4, 4}, {5, 4, 4}};
    case 28:
        return {{5, 4, 5}, {5, 5, 4}};
    case 30:
        return {{5, 5, 5}, {5, 5, 5}};
    case 31:
        return {{5, 6, 5}, {5, 5, 5}};
    default:
        return {};
    }
}

// The league's playoff teams with two wild cards a league: per league its
// divisions + 2, at most 8.
int Playoff_Teams(int nTeams)
{
    const std::vector<std::vector<int>> Layout = Table_Layout(nTeams);
    const int nDivisions = Layout.empty() ? 4 : static_cast<int>(Layout[0].size());
    return 2 * (nDivisions + 2);
}

// Whether a table serves the size and season length.
bool Has_Table(int nTeams, int nGames)
{
    return (nTeams == 12 && nGames == 12) || (nTeams == 26 && nGames == 14) || (nTeams == 28 && nGames == 14)
        || (nTeams == 28 && nGames == 16) || (nTeams == 30 && nGames == 16) || (nTeams == 31 && nGames == 16)
        || (nTeams == 32 && (nGames == 16 || nGames == 17));
}

// The generic generator's weeks: G before 1990, G + 1 from 1990.
int Generic_Weeks(int nGames, int nYear)
{
    return nYear < 1990 ? nGames : nGames + 1;
}

// The generic generator's byes of an odd league, week by week:
// b = (n - 1) / W, raised by 1 when odd; q = (n - W) / b (0 when b is 0);
// h = (W - q) / 2; weeks h .. h + q - 1 get b + 1; week h + q - 1 when q is
// 0 gets (n - W) mod b (n - W when b is 0) when above 0, else b + 1; every
// other week 1.
std::vector<int> Planned_Byes(int n, int W)
{
    int b = (n - 1) / W;
    if (b % 2 == 1)
        ++b;
    const int q = b > 0 ? (n - W) / b : 0;
    const int h = (W - q) / 2;
    std::vector<int> Byes(W, 1);
    for (int s = 0; s < W; ++s) {
        if (h <= s && s < h + q) {
            Byes[s] = b + 1;
        } else if (s == h + q - 1) {
            const int r = b > 0 ? (n - W) % b : n - W;
            Byes[s] = r > 0 ? r : b + 1;
        }
    }
    return Byes;
}

// The weeks a source fills: a table's weeks; the generic generator's.
int Expected_Weeks(int nTeams, int nGames, int nYear)
{
    if (Has_Table(nTeams, nGames)) {
        if (nTeams == 32 && nGames == 17)
            return 18;
        if (nTeams == 31 || nTeams == 32 || nTeams == 30)
            return 17;
        if (nTeams == 28 && nGames == 16)
            return nYear < 1990 ? 16 : 17;
        return nGames;   // 12/12, 26/14, 28/14
    }
    const int W = Generic_Weeks(nGames, nYear);
    // An even league from 1990 leaves week W / 2 open: with one game that
    // is the last week.
    if (nYear >= 1990 && nTeams % 2 == 0 && W / 2 == W - 1)
        return W - 1;
    return W;
}

// Every entry of the teams 0 .. n - 1 names a team in use other than itself
// whose entry of the same week names it back with the other venue; the
// games of each team counted into Games.
bool Entries_Agree(int n, std::vector<int>* pGames)
{
    pGames->assign(n, 0);
    for (int t = 0; t < n; ++t) {
        for (int w = 0; w < SCHEDULE_WEEKS; ++w) {
            const int nCode = Get_Team_Schedule_Stat(t, w, SCHEDULE_OPPONENT);
            if (nCode == 0)
                continue;
            const int nOther = (nCode > 0 ? nCode : -nCode) - 1;
            if (nOther == t || nOther >= n)
                return false;
            if (Get_Team_Schedule_Stat(nOther, w, SCHEDULE_OPPONENT) != (nCode > 0 ? -(t + 1) : t + 1))
                return false;
            ++(*pGames)[t];
        }
    }
    return true;
}

class EveryLeagueSizeTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Seed_Random_Numbers(2024);
    }

    static void Build_League(int nTeams, int nGames, int nYear)
    {
        Use_Franchises(nTeams);
        const std::vector<std::vector<int>> Layout = Table_Layout(nTeams);
        if (Layout.empty()) {
            for (int t = 0; t < nTeams; ++t)
                Set_Team_Stat(t, TEAM_STAT_DIVISION, t * NUMBER_OF_DIVISIONS / nTeams);
        } else {
            int t = 0;
            for (int c = 0; c < 2; ++c)
                for (int d = 0; d < static_cast<int>(Layout[c].size()); ++d)
                    for (int i = 0; i < Layout[c][d]; ++i)
                        Set_Team_Stat(t++, TEAM_STAT_DIVISION, 4 * c + d);
        }
        Set_Universe_Stat(GAMES_PER_SEASON, nGames);
        Set_Universe_Stat(FIRST_SEASON_YEAR, nYear);
        Set_Universe_Stat(WILD_CARD_TEAMS, 2);
        Set_User_Preference(PREF_SEASON_INDEX, 0);
    }
};

TEST_F(EveryLeagueSizeTest, EverySizeAndSeasonLengthIsScheduledOrRefused)
{
    // No historical file lies in this folder: the years before 2001 fall back
    // to the generators.
    SCRATCH_FOLDER Folder("every_size");
    int nScheduled = 0;
    int nRefused = 0;
    int nImpossible = 0;
    for (int nYear : {1985, 1995}) {
        for (int n = 12; n <= 36; ++n) {
            for (int g = 1; g <= 17; ++g) {
                SCOPED_TRACE(std::to_string(n) + " teams, " + std::to_string(g) + " games, " + std::to_string(nYear));
                ui::Reset();
                Build_League(n, g, nYear);
                // Regular games (one more when n x g is odd) and the playoff games.
                const int nNeeded = (n * g + 1) / 2 + Playoff_Teams(n) - 1;
                const int nWeeks = Expected_Weeks(n, g, nYear);
                if (nNeeded > NUMBER_OF_GAMES) {
                    Clear_League_Schedule();
                    ASSERT_TRUE(Schedule_Game(0, 1, 3, 6, 1300));
                    const LEAGUE_SNAPSHOT Before;
                    EXPECT_FALSE(Generate_League_Schedule());
                    EXPECT_TRUE(Before.Unchanged());
                    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
                    EXPECT_EQ(ui::Shown_Boxes()[0].Text.rfind("A season of " + std::to_string(n) + " teams playing " +
                                                                  std::to_string(g) + " games each",
                                                              0),
                              0u)
                        << ui::Shown_Boxes()[0].Text;
                    ++nRefused;
                    continue;
                }
                const bool bOddGeneric = !Has_Table(n, g) && n % 2 == 1;
                const std::vector<int> Byes = Planned_Byes(n, Generic_Weeks(g, nYear));
                int nByes = 0;
                for (int nWeekByes : Byes)
                    nByes += nWeekByes;
                const bool bNobodyPlays = bOddGeneric && Generic_Weeks(g, nYear) == 1 && nByes >= n;
                if (bNobodyPlays) {
                    // One week, every club's bye at once: a season of no
                    // games, which is refused.
                    EXPECT_FALSE(Generate_League_Schedule());
                    EXPECT_EQ(Get_Last_Scheduled_Week(), 0);
                    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
                    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Season Schedule");
                    ++nImpossible;
                    continue;
                }
                ASSERT_TRUE(Generate_League_Schedule());
                std::vector<int> Games;
                ASSERT_TRUE(Entries_Agree(n, &Games));
                if (bOddGeneric) {
                    // One bye at most a team while the byes do not outnumber
                    // the teams: nByes teams play a game less. Beyond that
                    // every team rests once and nByes - n teams twice.
                    const int W = Generic_Weeks(g, nYear);
                    const int nLeast = nByes > n ? W - 2 : W - 1;
                    const int nShortest = nByes > n ? nByes - n : nByes;
                    int nShort = 0;
                    for (int t = 0; t < n; ++t) {
                        EXPECT_TRUE(Games[t] == nLeast + 1 || Games[t] == nLeast) << t << ": " << Games[t];
                        nShort += Games[t] == nLeast ? 1 : 0;
                    }
                    EXPECT_EQ(nShort, nShortest);
                    // Week s holds (n - its byes) / 2 games.
                    for (int w = 0; w < W; ++w) {
                        int nPlaying = 0;
                        for (int t = 0; t < n; ++t)
                            nPlaying += Get_Team_Schedule_Stat(t, w, SCHEDULE_OPPONENT) != 0 ? 1 : 0;
                        EXPECT_EQ(nPlaying, n - Byes[w]) << "week " << w;
                    }
                } else {
                    EXPECT_EQ(Games, std::vector<int>(n, g));
                }
                // An odd league's last week is the last one its byes leave
                // a game in: a one-game season of 13 teams gives every team
                // its bye in the one week, and no game at all.
                int nLastWeek = nWeeks;
                if (bOddGeneric) {
                    nLastWeek = 0;
                    for (int w = 0; w < static_cast<int>(Byes.size()); ++w)
                        if (n - Byes[w] >= 2)
                            nLastWeek = w + 1;
                }
                EXPECT_EQ(Get_Last_Scheduled_Week(), nLastWeek);
                EXPECT_EQ(Get_Season_Playoff_Day(0), nLastWeek);
                EXPECT_TRUE(ui::Shown_Boxes().empty());
                // A table season keeps home and away level and sends each
                // team to each division rival once.
                if (!Table_Layout(n).empty() && Has_Table(n, g)) {
                    for (int t = 0; t < n; ++t) {
                        EXPECT_EQ(Count_Team_Home_Games(t), g / 2) << t;
                        for (int r = 0; r < n; ++r) {
                            if (r != t && Get_Team_Stat(r, TEAM_STAT_DIVISION) == Get_Team_Stat(t, TEAM_STAT_DIVISION)) {
                                EXPECT_EQ(Count_Away_Games_Against(t, r), 1) << t << " at " << r;
                            }
                        }
                    }
                }
                // An even league of the generic generator from 1990 leaves
                // week nWeeks / 2 open for everybody.
                if (!Has_Table(n, g) && nYear >= 1990 && n % 2 == 0 && g > 1) {
                    for (int t = 0; t < n; ++t)
                        EXPECT_EQ(Get_Team_Schedule_Stat(t, nWeeks / 2, SCHEDULE_OPPONENT), 0) << t;
                }
                ++nScheduled;
            }
        }
    }
    // Every case fell into one of the three groups (a guard against a loop
    // that skipped them all).
    EXPECT_EQ(nScheduled + nRefused + nImpossible, 2 * 25 * 17);
    EXPECT_GT(nScheduled, 700);
    EXPECT_GT(nRefused, 0);
}

}  // namespace
