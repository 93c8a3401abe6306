// The League Editor's "Done" with a new schedule: a 32-club league of eight
// divisions of four, the season length typed from 16 to 17 games (and back,
// every other run), the editor opened and closed headless: the controls
// filled, everything stored, the clubs sorted, the standings refreshed and
// the season's schedule built again. The target is under 50 ms.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "base/random.h"
#include "editors/league_editor.h"
#include "league/cities.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "schedule/schedule_driver.h"

namespace {

constexpr int TEAMS = 32;

void Build_League()
{
    Clear_League_Data();
    for (int c = 0; c < 40; ++c) {
        char szName[16];
        std::snprintf(szName, sizeof(szName), "Metro%02d", c);
        Set_City_Name(c, szName);
        Set_Default_City_Stats(c);
    }
    for (int t = 0; t < TEAMS; ++t) {
        Set_Team_Stat(t, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
        Set_Team_Stat(t, TEAM_STAT_DIVISION, t / 4);
        Set_Team_Stat(t, TEAM_STAT_CITY, t);
        char szCity[16];
        std::snprintf(szCity, sizeof(szCity), "City%02d", t);
        Set_Team_String(szCity, t, TEAM_STRING_CITY);
        Set_Team_String("Nick", t, TEAM_STRING_NICKNAME);
    }
    Count_Teams();
    Set_League_Abbreviation(0, "Eastern");
    Set_League_Abbreviation(1, "Western");
    Set_Universe_Stat(GAMES_PER_SEASON, 16);
    Set_Universe_Stat(WILD_CARD_TEAMS, 3);
    Set_Universe_Stat(FIRST_SEASON_YEAR, 2024);
    Set_Universe_Stat(INFLATION_FACTOR, 1000);
    Set_User_Preference(PREF_SEASON_INDEX, 0);
    Set_User_Preference(PREF_CURRENT_WEEK, 0);
    Set_User_Preference(PREF_COMMISSIONER_MODE, 1);
    Set_User_Preference(PREF_PLAYOFF_OVERTIME_RULE, 2);
    Set_User_Preference(PREF_DRAFT_ROUND, DRAFT_OVER_ROUND);
    Generate_League_Schedule();
}

void League_Editor_Done_With_New_Schedule(benchmark::State& State)
{
    Build_League();
    Seed_Random_Numbers(12345);
    DIALOG_ACTION Seventeen{ACTION_SET_TEXT, LE_GAMES_EDIT, std::string("17"), 0, 0};
    DIALOG_ACTION Sixteen{ACTION_SET_TEXT, LE_GAMES_EDIT, std::string("16"), 0, 0};
    bool bSeventeen = true;
    int64_t nComplete = 0;
    for (auto _ : State) {
        dialogs::Queue_Action(LEAGUE_EDITOR_DIALOG, bSeventeen ? Seventeen : Sixteen);
        benchmark::DoNotOptimize(Do_League_Editor());
        nComplete += Is_Schedule_Complete(bSeventeen ? 17 : 16) ? 1 : 0;
        bSeventeen = !bSeventeen;
        State.PauseTiming();
        dialogs::Reset();
        ui::Reset();
        State.ResumeTiming();
    }
    State.counters["complete"] = static_cast<double>(nComplete) / static_cast<double>(State.iterations());
}
BENCHMARK(League_Editor_Done_With_New_Schedule)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
