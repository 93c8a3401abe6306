// Whether the computer clubs start their best quarterback: seasons of the
// default league played headless day by day, every club run by the
// computer. Before each regular-season day the overall at quarterback of
// every club's best healthy quarterback is noted; after it, the quarterback
// whose games started rose is the one who started. For each club and season,
// the quarterback who started most games is compared, at each game he
// started, with the best healthy one of that day: the largest shortfall and
// the number of games more than 5 points short are printed.
//
//   depth_chart_report [--seasons N] [--data DATA_FOLDER]

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench_data.h"
#include "scratch_folder.h"
#include "base/random.h"
#include "engine/game_report.h"
#include "league/league_structure.h"
#include "league/overall_rating.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/stat_codes.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "platform/errors.h"
#include "season/day_advance.h"
#include "tools/default_league/default_league.h"

namespace {

constexpr float ALLOWED_SHORTFALL = 5.0f;

struct QUARTERBACK_DAY {
    int nStarted = 0;   // games started before the day
    float fOverall = 0.0f;
};

struct START {
    int nID;
    float fOverall;   // the starter's overall that day
    float fBest;      // the best healthy quarterback's
};

// By player ID, the club's quarterbacks as the day begins, and the best
// healthy one's overall.
std::map<int, QUARTERBACK_DAY> Take_Quarterbacks(int nTeam, float& fBest)
{
    std::map<int, QUARTERBACK_DAY> Found;
    fBest = -1.0f;
    const int nEnd = Find_Roster_End(nTeam);
    for (int s = 0; s < nEnd; ++s) {
        if (Get_Player_Position(nTeam, s) != POSITION_QB)
            continue;
        QUARTERBACK_DAY Day;
        Day.nStarted = Get_Player_Stat(nTeam, s, STAT_PERIOD_THIS_SEASON, STAT_GAMES_STARTED);
        Day.fOverall = Get_Position_Overall_Rating(nTeam, s, POSITION_QB);
        if (Get_Player_Injury_Weeks(nTeam, s) < 1)
            fBest = std::max(fBest, Day.fOverall);
        Found[Get_Player_ID(nTeam, s)] = Day;
    }
    return Found;
}

}  // namespace

int main(int argc, char** argv)
{
    int nSeasons = 10;
    std::string Data = bench_data::Program_Folder() + "/data";
    if (!bench_data::Read_Season_Options(argc, argv, nSeasons, Data))
        return 2;
    SCRATCH_FOLDER_CORE Scratch("depth_chart_report");
    if (!Scratch.Ready())
        return 1;
    bench_data::Copy_League_Inputs(Data);
    std::string Problem;
    if (!Build_Default_League(Problem)) {
        std::fprintf(stderr, "depth_chart_report: %s\n", Problem.c_str());
        return 1;
    }
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    Set_User_Preference(PREF_COMMISSIONER_MODE, 0);
    Set_User_Preference(PREF_AUTO_SAVE, 0);
    Set_Game_Pages_Enabled(false);
    Seed_Random_Numbers(1);

    const int nTeams = Count_Teams();
    float fWorst = 0.0f;
    int nGames = 0;
    int nShort = 0;
    int nClubSeasons = 0;
    int nClubSeasonsShort = 0;
    for (int n = 0; n < nSeasons; ++n) {
        const int nYear = Get_Current_Year();
        std::vector<std::vector<START>> Starts(static_cast<size_t>(nTeams));
        while (Get_Current_Week() < Get_First_Playoff_Week()) {
            std::vector<std::map<int, QUARTERBACK_DAY>> Before(static_cast<size_t>(nTeams));
            std::vector<float> fBest(static_cast<size_t>(nTeams));
            for (int t = 0; t < nTeams; ++t)
                Before[static_cast<size_t>(t)] = Take_Quarterbacks(t, fBest[static_cast<size_t>(t)]);
            const int nWeek = Get_Current_Week();
            Advance_Day(1);
            if (Get_Current_Week() == nWeek)
                break;   // nothing was played
            for (int t = 0; t < nTeams; ++t) {
                const int nEnd = Find_Roster_End(t);
                for (int s = 0; s < nEnd; ++s) {
                    if (Get_Player_Position(t, s) != POSITION_QB)
                        continue;
                    const auto Found = Before[static_cast<size_t>(t)].find(Get_Player_ID(t, s));
                    if (Found == Before[static_cast<size_t>(t)].end())
                        continue;   // signed during the day
                    if (Get_Player_Stat(t, s, STAT_PERIOD_THIS_SEASON, STAT_GAMES_STARTED) > Found->second.nStarted)
                        Starts[static_cast<size_t>(t)].push_back(
                            {Found->first, Found->second.fOverall, fBest[static_cast<size_t>(t)]});
                }
            }
        }
        for (int t = 0; t < nTeams; ++t) {
            const std::vector<START>& Team = Starts[static_cast<size_t>(t)];
            if (Team.empty())
                continue;
            std::map<int, int> nCount;
            for (const START& S : Team)
                ++nCount[S.nID];
            const auto Most = std::max_element(nCount.begin(), nCount.end(),
                                               [](const auto& A, const auto& B) { return A.second < B.second; });
            float fClubWorst = 0.0f;
            int nClubShort = 0;
            for (const START& S : Team) {
                if (S.nID != Most->first)
                    continue;
                const float fShortfall = S.fBest - S.fOverall;
                fClubWorst = std::max(fClubWorst, fShortfall);
                ++nGames;
                if (fShortfall > ALLOWED_SHORTFALL) {
                    ++nShort;
                    ++nClubShort;
                }
            }
            ++nClubSeasons;
            if (nClubShort > 0) {
                ++nClubSeasonsShort;
                std::printf("short %d team %d starter %d games %d short_games %d worst %.1f\n", nYear, t, Most->first,
                            Most->second, nClubShort, fClubWorst);
            }
            fWorst = std::max(fWorst, fClubWorst);
        }
        std::printf("season %d done\n", nYear);
        Advance_Day(22);   // the playoffs
        Advance_Day(22);   // the off-season and the next season's first day
    }
    std::printf("club_seasons %d\n", nClubSeasons);
    std::printf("club_seasons_short %d\n", nClubSeasonsShort);
    std::printf("starts_of_most_used_qb %d\n", nGames);
    std::printf("starts_more_than_5_short %d\n", nShort);
    std::printf("largest_shortfall %.1f\n", fWorst);
    if (Get_Error_Count() > 0)
        std::printf("errors %d\n%s\n", Get_Error_Count(), Get_Recent_Errors());
    return nShort == 0 ? 0 : 3;
}
