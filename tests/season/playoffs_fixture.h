// A league for the playoff tests: teams placed in divisions with season
// records that give chosen standings keys, the bracket read back, and the
// scheduled playoff games of a day played and booked.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "league/league_data.h"
#include "league/league_fixture.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "season/playoffs.h"
#include "season/standings.h"
#include "test_support.h"

class PlayoffLeagueTest : public LeagueTest {
protected:
    static constexpr int FIRST_PLAYOFF_DAY = 17;

    void SetUp() override
    {
        LeagueTest::SetUp();
        Clear_League_Data();
        Set_Regular_Season_Weeks(FIRST_PLAYOFF_DAY);
        League.Universe.nStat[GAMES_PER_SEASON] = 16;
        Set_User_Preference(PREF_CURRENT_WEEK, 10);
        Set_Universe_Word(INTER_LEAGUE_FINAL_WORD, 1);
        Set_Universe_Word(SECOND_ROUND_DIVISION_RULE_WORD, 0);
    }

    // Teams in slot order as {division, W - L}; no games are recorded, so
    // each standings key is (W - L) x 10,000 (wins 8 + margin, losses 8).
    // Builds the division rows and seeds the bracket.
    static void Build(const std::vector<std::pair<int, int>>& Teams, int nWildCards)
    {
        for (int t = 0; t < MAX_FRANCHISES; ++t)
            League.Team[t].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_NOT_IN_USE;
        for (size_t t = 0; t < Teams.size(); ++t) {
            League.Team[t].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_COMPUTER;
            League.Team[t].nTeamStat[TEAM_STAT_DIVISION] = Teams[t].first;
            Set_Season_Record(static_cast<int>(t), 0, 8 + Teams[t].second, 8, 0);
        }
        League.Universe.nStat[WILD_CARD_TEAMS] = nWildCards;
        Count_Teams();
        Clear_Standings_Order();
        Update_Standings();
    }

    static int Slot(int s) { return League.StandingsArea.PlayoffTeam[s]; }
    static int Seed(int t) { return League.Team[t].nTeamStat[TEAM_STAT_PLAYOFF_SEED]; }

    static void Set_Day(int nDay) { Set_User_Preference(PREF_CURRENT_WEEK, nDay); }

    // The home team of nTeam's game today (NO_TEAM without a game).
    static int Home_Of(int nTeam)
    {
        const int nOpponent = Get_Team_Schedule_Stat(nTeam, Get_Current_Week(), SCHEDULE_OPPONENT);
        if (nOpponent == 0)
            return NO_TEAM;
        return nOpponent > 0 ? nTeam : -nOpponent - 1;
    }

    // Books every game scheduled today: the home team wins 24-10 unless it
    // is in bUpset, then the visitor wins 17-13. Moves on one day.
    static void Play_Day(const std::vector<int>& Upset = {})
    {
        const int nDay = Get_Current_Week();
        auto pGame = std::make_unique<GAME>();
        for (int t = 0; t < Count_Teams(); ++t) {
            const int nOpponent = Get_Team_Schedule_Stat(t, nDay, SCHEDULE_OPPONENT);
            if (nOpponent <= 0)
                continue;
            bool bUpset = false;
            for (int u : Upset)
                bUpset = bUpset || u == t;
            *pGame = GAME{};
            pGame->nHomeTeam = static_cast<uint8_t>(t);
            pGame->nAwayTeam = static_cast<uint8_t>(nOpponent - 1);
            pGame->nScore[GAME_SIDE_HOME] = bUpset ? 13 : 24;
            pGame->nScore[GAME_SIDE_AWAY] = bUpset ? 17 : 10;
            Record_Playoff_Result(pGame.get());
        }
        Set_Day(nDay + 1);
    }
};
