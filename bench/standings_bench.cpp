// One full standings rebuild (every standings key, every overall place and
// every division place) of a 32-team league with 285 finished games, as the
// day loop runs it after each game of the season; the same with the playoff
// seeding that follows it, once from the kept results and once counting
// record by record; and the whole after-game work while a season's games end
// one by one.

#include <benchmark/benchmark.h>

#include <cstring>

#include "league/league_data.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "season/standings.h"

namespace {

constexpr int TEAMS = 32;
constexpr int GAMES = 285;

// Eight divisions of four; games between fixed pairings with scores that
// give every kind of result, ties included, and season records that match
// the counted games.
void Build_League()
{
    Clear_League_Data();
    League.Universe.nStat[GAMES_PER_SEASON] = 17;
    League.StandingsArea.nPlayoffDay[0] = 18;
    for (int t = 0; t < TEAMS; ++t) {
        League.Team[t].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_COMPUTER;
        League.Team[t].nTeamStat[TEAM_STAT_DIVISION] = t / 4;
    }
    for (int i = 0; i < GAMES; ++i) {
        int nAway = i % TEAMS;
        int nHome = (nAway + 1 + (i / TEAMS) * 3) % TEAMS;
        if (nHome == nAway)
            nHome = (nHome + 1) % TEAMS;
        GAME& Game = League.Game[i];
        Game.nAwayTeam = static_cast<uint8_t>(nAway);
        Game.nHomeTeam = static_cast<uint8_t>(nHome);
        Game.nScore[GAME_SIDE_AWAY] = (i * 7) % 31;
        Game.nScore[GAME_SIDE_HOME] = (i * 11) % 29;
        Game.nWeek = static_cast<int16_t>(i / 16);
        Game.nClock = SECONDS_OF_REGULATION;
        int8_t* pAway = League.Team[nAway].bYearly[0];
        int8_t* pHome = League.Team[nHome].bYearly[0];
        if (i >= TEAMS * 17 / 2)
            continue;   // beyond the regular season
        if (Game.nScore[GAME_SIDE_AWAY] > Game.nScore[GAME_SIDE_HOME]) {
            ++pAway[YEARLY_WINS];
            ++pHome[YEARLY_LOSSES];
        } else if (Game.nScore[GAME_SIDE_AWAY] < Game.nScore[GAME_SIDE_HOME]) {
            ++pHome[YEARLY_WINS];
            ++pAway[YEARLY_LOSSES];
        } else {
            ++pAway[YEARLY_TIES];
            ++pHome[YEARLY_TIES];
        }
    }
}

void Rebuild_Standings(benchmark::State& State)
{
    Build_League();
    for (auto _ : State) {
        Clear_Standings_Order();
        benchmark::DoNotOptimize(League.StandingsArea.DivisionRow[0][0]);
    }
}
BENCHMARK(Rebuild_Standings)->Unit(benchmark::kMicrosecond);

// Division rows and places, then the bracket seeded from them.
void Rebuild_And_Seed(benchmark::State& State, bool bDirect)
{
    Build_League();
    League.Universe.nStat[WILD_CARD_TEAMS] = 2;
    Use_Direct_Result_Scan(bDirect);
    for (auto _ : State) {
        Clear_Standings_Order();
        Update_Standings();
        benchmark::DoNotOptimize(League.StandingsArea.PlayoffTeam[0]);
    }
    Use_Direct_Result_Scan(false);
}
BENCHMARK_CAPTURE(Rebuild_And_Seed, kept_results, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Rebuild_And_Seed, record_by_record, true)->Unit(benchmark::kMicrosecond);

// The 272 regular-season games ending one after another, each followed by
// the rebuild and the seeding: one iteration is a whole season's worth.
void Season_Of_Rebuilds(benchmark::State& State)
{
    Build_League();
    League.Universe.nStat[WILD_CARD_TEAMS] = 2;
    constexpr int REGULAR = TEAMS * 17 / 2;
    for (auto _ : State) {
        for (int i = 0; i < REGULAR; ++i)
            League.Game[i].nClock = 0;
        for (int i = 0; i < REGULAR; ++i) {
            League.Game[i].nClock = SECONDS_OF_REGULATION;
            Clear_Standings_Order();
            Update_Standings();
        }
        benchmark::DoNotOptimize(League.StandingsArea.PlayoffTeam[0]);
    }
}
BENCHMARK(Season_Of_Rebuilds)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
