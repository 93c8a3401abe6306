// A season-scale fixture shared by bench/season_harness.cpp and the realism
// test: a league of 32 clubs of generated players, a fixture schedule of
// its own (a round-robin rotation, 16 games a week, each club once a week),
// the games played through Play_Game and Finish_Played_Game, and the
// league's per-team-game averages read from the GAME records.
//
// The full player generator, the default league and the real schedule
// generators come later; this fixture builds only what a played game reads.
#pragma once

#include <cstdint>
#include <string>

#include "../tests/engine/game_fixture.h"
#include "engine/game_log.h"
#include "engine/game_report.h"
#include "engine/play_game.h"
#include "league/game_record.h"
#include "league/player.h"
#include "league/player_hash.h"
#include "league/preferences.h"
#include "league/salary_cap.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "league/team_schedule.h"
#include "season/games_of_day.h"

namespace season_fixture {

constexpr int SEASON_TEAMS = 32;
constexpr int SEASON_WEEKS = 17;
constexpr int GAMES_PER_WEEK = SEASON_TEAMS / 2;
constexpr int SEASON_GAMES = SEASON_WEEKS * GAMES_PER_WEEK;   // 272

// Club strengths spread evenly over 1.00-1.12 of the fixture's starter of
// 70 (a starter near 74 on average, as the default league's), so the best
// club is about a tenth stronger than the weakest, as in a real league where
// most games are decided by a score or less.
inline float Club_Strength(int nTeam)
{
    return 1.00f + 0.12f * static_cast<float>(nTeam) / static_cast<float>(SEASON_TEAMS - 1);
}

// The fixture's clubs draw Speed as any other rating, and the overall a
// club is scaled to never moves it, so their backs, receivers and defensive
// backs run like linemen. The season league gives every player the speed of
// his position in a pro league instead (the lowest of a range 14 wide).
inline constexpr int POSITION_SPEED[POSITION_P + 1] = {63, 76, 62, 64, 80, 40, 42, 40, 44, 32, 52, 74, 68, 25, 25};

inline void Give_Position_Speeds(int nTeam)
{
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
        if (Get_Player_ID(nTeam, s) <= 0)
            continue;
        const int nPosition = Get_Player_Position(nTeam, s);
        if (nPosition >= 0 && nPosition <= POSITION_P)
            Set_Player_Rating(nTeam, s, RATING_SPEED, static_cast<float>(POSITION_SPEED[nPosition] + Get_Random_Below(15)));
    }
}

// The whole league from nSeed: 32 computer-run clubs and the preferences
// of a running simulation in 2020 with that year's rules of play.
inline void Build_Season_League(uint32_t nSeed)
{
    game_fixture::Build_Two_Team_League(nSeed);
    // The rules of the 2020 season: tries from the 15, kick-offs from the
    // 35, the overtime rules and period of the time.
    Update_Overtime_Rules();
    Update_Two_Point_Rule();
    Update_Overtime_Period_Rule();
    Update_Kickoff_Spot_Rule();
    Update_Missed_Field_Goal_Spot_Rule();
    Set_User_Preference(PREF_CONVERSION_SPOT_RULE, 1);
    Use_Franchises(SEASON_TEAMS);
    for (int t = 0; t < SEASON_TEAMS; ++t) {
        game_fixture::Build_Generated_Club(t, Club_Strength(t));
        Give_Position_Speeds(t);
        Set_Team_Stat(t, TEAM_STAT_OFFENSIVE_SYSTEM, t % 4);
        Set_Team_Stadium_Stat(t, STADIUM_STAT_CAPACITY, 65000);
    }
    // As loading a game file does: the games find players by ID in the
    // table, not by a scan of every slot the first time each is sought.
    Build_Player_ID_Hash();
}

// Game g of the fixture schedule (weeks of 16 games, then round again):
// the circle method over 31 rounds, club 31 fixed and the others turning
// one place a week; home and away swap with the week and the pairing.
struct FIXTURE_GAME {
    int nWeek;
    int nHome;
    int nAway;
};

inline FIXTURE_GAME Get_Fixture_Game(int g)
{
    const int nRound = (g / GAMES_PER_WEEK) % SEASON_WEEKS;
    const int k = g % GAMES_PER_WEEK;
    const int n = SEASON_TEAMS - 1;   // clubs that turn
    int a;
    int b;
    if (k == 0) {
        a = SEASON_TEAMS - 1;
        b = nRound % n;
    } else {
        a = (nRound + k) % n;
        b = (nRound - k + n) % n;
    }
    FIXTURE_GAME Game;
    Game.nWeek = nRound;
    const bool bSwap = ((nRound + k) % 2) != 0;
    Game.nHome = bSwap ? b : a;
    Game.nAway = bSwap ? a : b;
    return Game;
}

// The week's recovery that the season's weekly step will make: each hurt
// player is a week nearer health, and healthy once his weeks run out.
inline void Heal_One_Week()
{
    for (int t = 0; t < SEASON_TEAMS; ++t)
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Get_Player_ID(t, s) <= 0)
                continue;
            const int nWeeks = Get_Player_Vital_Stat(t, s, VITAL_INJURY_WEEKS);
            if (nWeeks <= 0)
                continue;
            Set_Player_Vital_Stat(t, s, VITAL_INJURY_WEEKS, nWeeks - 1);
            if (nWeeks == 1)
                Set_Player_Vital_Stat(t, s, VITAL_INJURY, -1);
        }
}

// League sums over every team-game played.
struct SEASON_SUMS {
    long nTeamGames = 0;
    long nPoints = 0;
    long nTouchdowns = 0;   // either side's, from the play log
    long nRushes = 0;
    long nRushingYards = 0;
    long nPassAttempts = 0;
    long nCompletions = 0;
    long nNetPassingYards = 0;
    long nSacks = 0;
    long nSackYards = 0;
    long nInterceptions = 0;
    long nFumblesLost = 0;
    long nPunts = 0;
    long nPuntYards = 0;
    long nFieldGoalTries = 0;
    long nFieldGoalsGood = 0;
    long nExtraPointTries = 0;
    long nExtraPointsGood = 0;
    long nPenalties = 0;
    long nPenaltyYards = 0;
    long nThirdDownTries = 0;
    long nThirdDownConversions = 0;
    long nFullPlayLogs = 0;   // games whose play log filled (its counts may miss plays)
};

// Adds one finished game. Sources:
// - GAME team totals (16-bit; yard totals read signed): rushes, rushing
//   yards, pass attempts, completions, passing yards (net: a sack's loss is
//   taken off them), sacks and sack yards made by the other side's defence,
//   punt yards, penalties and penalty yards against the side, third-down
//   tries and conversions;
// - GAME team counters: punts, fumbles lost;
// - the score;
// - the play log, by result and the side with the ball: interceptions (with
//   returns for a touchdown), field goals and extra points tried and made,
//   touchdowns of either side (from scrimmage, returns of interceptions,
//   fumbles, punts and kick-offs).
inline void Add_Game(const GAME& Game, SEASON_SUMS& Sums)
{
    for (int bSide : {GAME_SIDE_AWAY, GAME_SIDE_HOME}) {
        const int bOther = 1 - bSide;
        const uint16_t* pTotal = Game.nTeamTotal[bSide];
        ++Sums.nTeamGames;
        Sums.nPoints += Game.nScore[bSide];
        Sums.nRushes += pTotal[GAME_TOTAL_RUSHES];
        Sums.nRushingYards += static_cast<int16_t>(pTotal[GAME_TOTAL_RUSHING_YARDS]);
        Sums.nPassAttempts += pTotal[GAME_TOTAL_PASS_ATTEMPTS];
        Sums.nCompletions += pTotal[GAME_TOTAL_COMPLETIONS];
        Sums.nNetPassingYards += static_cast<int16_t>(pTotal[GAME_TOTAL_PASSING_YARDS]);
        Sums.nSacks += Game.nTeamTotal[bOther][GAME_TOTAL_SACKS_MADE];
        Sums.nSackYards += static_cast<int16_t>(Game.nTeamTotal[bOther][GAME_TOTAL_SACK_YARDS_MADE]);
        Sums.nPunts += Game.bTeamStat[bSide][GAME_STAT_PUNTS];
        Sums.nPuntYards += static_cast<int16_t>(pTotal[GAME_TOTAL_PUNT_YARDS]);
        Sums.nFumblesLost += Game.bTeamStat[bSide][GAME_STAT_FUMBLES_LOST];
        Sums.nPenalties += pTotal[GAME_TOTAL_PENALTIES];
        Sums.nPenaltyYards += pTotal[GAME_TOTAL_PENALTY_YARDS];
        Sums.nThirdDownTries += pTotal[GAME_TOTAL_THIRD_DOWN_TRIES];
        Sums.nThirdDownConversions += pTotal[GAME_TOTAL_THIRD_DOWN_CONVERSIONS];
    }
    const int nLogged = Game.nPlays < PLAY_LOG_SIZE ? Game.nPlays : PLAY_LOG_SIZE;
    if (Game.nPlays >= PLAY_LOG_SIZE)
        ++Sums.nFullPlayLogs;
    for (int i = 0; i < nLogged; ++i) {
        switch (Get_Play_Result(&Game.PlayLog[i])) {
        case RESULT_PASS_INTERCEPTED:
            ++Sums.nInterceptions;
            break;
        case RESULT_INTERCEPTION_TOUCHDOWN:
            ++Sums.nInterceptions;
            ++Sums.nTouchdowns;
            break;
        case RESULT_TOUCHDOWN_PASS:
        case RESULT_TOUCHDOWN_RUN:
        case RESULT_FUMBLE_RETURN_TOUCHDOWN:
        case RESULT_PUNT_RETURN_TOUCHDOWN:
        case RESULT_KICKOFF_RETURN_TOUCHDOWN:
            ++Sums.nTouchdowns;
            break;
        case RESULT_FIELD_GOAL_GOOD:
            ++Sums.nFieldGoalsGood;
            ++Sums.nFieldGoalTries;
            break;
        case RESULT_FIELD_GOAL_MISSED:
            ++Sums.nFieldGoalTries;
            break;
        case RESULT_EXTRA_POINT_GOOD:
            ++Sums.nExtraPointsGood;
            ++Sums.nExtraPointTries;
            break;
        case RESULT_EXTRA_POINT_MISSED:
            ++Sums.nExtraPointTries;
            break;
        default:
            break;
        }
    }
}

// The league's per-team-game figures, in the order the harness prints them.
struct SEASON_FIGURES {
    double fPoints = 0;
    double fTouchdowns = 0;
    double fFieldGoalTries = 0;
    double fPlays = 0;            // rushes + pass attempts + sacks taken
    double fTotalYards = 0;       // rushing yards + net passing yards
    double fPassAttempts = 0;
    double fCompletionPct = 0;
    double fYardsPerPassAttempt = 0;   // gross: sack yards not taken off
    double fYardsPerRush = 0;
    double fSacks = 0;
    double fInterceptions = 0;
    double fFumblesLost = 0;
    double fPunts = 0;
    double fPuntAverage = 0;      // gross
    double fFieldGoalPct = 0;
    double fExtraPointPct = 0;
    double fPenalties = 0;        // accepted, against the side
    double fPenaltyYards = 0;
    double fThirdDownPct = 0;
};

inline double Ratio(double a, double b) { return b != 0 ? a / b : 0.0; }

inline SEASON_FIGURES Get_Season_Figures(const SEASON_SUMS& S)
{
    const double n = static_cast<double>(S.nTeamGames);
    SEASON_FIGURES F;
    F.fPoints = Ratio(S.nPoints, n);
    F.fTouchdowns = Ratio(S.nTouchdowns, n);
    F.fFieldGoalTries = Ratio(S.nFieldGoalTries, n);
    F.fPlays = Ratio(S.nRushes + S.nPassAttempts + S.nSacks, n);
    F.fTotalYards = Ratio(S.nRushingYards + S.nNetPassingYards, n);
    F.fPassAttempts = Ratio(S.nPassAttempts, n);
    F.fCompletionPct = 100.0 * Ratio(S.nCompletions, S.nPassAttempts);
    F.fYardsPerPassAttempt = Ratio(S.nNetPassingYards + S.nSackYards, S.nPassAttempts);
    F.fYardsPerRush = Ratio(S.nRushingYards, S.nRushes);
    F.fSacks = Ratio(S.nSacks, n);
    F.fInterceptions = Ratio(S.nInterceptions, n);
    F.fFumblesLost = Ratio(S.nFumblesLost, n);
    F.fPunts = Ratio(S.nPunts, n);
    F.fPuntAverage = Ratio(S.nPuntYards, S.nPunts);
    F.fFieldGoalPct = 100.0 * Ratio(S.nFieldGoalsGood, S.nFieldGoalTries);
    F.fExtraPointPct = 100.0 * Ratio(S.nExtraPointsGood, S.nExtraPointTries);
    F.fPenalties = Ratio(S.nPenalties, n);
    F.fPenaltyYards = Ratio(S.nPenaltyYards, n);
    F.fThirdDownPct = 100.0 * Ratio(S.nThirdDownConversions, S.nThirdDownTries);
    return F;
}

// Plays nGames of the fixture schedule on the league built (each week's
// games from the week's first; injuries heal a week between weeks). Before
// each week's games the league norms are prepared from the season's totals
// so far, as the day advance prepares them, so the pass model pulls towards
// the league's current rates as in a season; each round of the schedule is a
// season of its own, its totals cleared at the start. With bPages the
// box-score and recap files are written into the current folder. The game
// records are reused round the 300 of the league block. With pnFingerprint
// every finished game record's bytes are folded into it (FNV-1a), so that two
// builds can be shown to play the same games byte for byte.
inline void Fold_Fingerprint(const GAME& Game, uint64_t* pnFingerprint)
{
    const auto* pByte = reinterpret_cast<const unsigned char*>(&Game);
    uint64_t n = *pnFingerprint;
    for (size_t i = 0; i < sizeof(GAME); ++i)
        n = (n ^ pByte[i]) * 1099511628211ull;
    *pnFingerprint = n;
}

inline SEASON_SUMS Play_Season_Games(int nGames, uint32_t nSeed, bool bPages, uint64_t* pnFingerprint = nullptr)
{
    SEASON_SUMS Sums;
    Set_Game_Pages_Enabled(bPages);
    Seed_Random_Numbers(nSeed);
    int nWeekShown = -1;
    for (int g = 0; g < nGames; ++g) {
        const FIXTURE_GAME Fixture = Get_Fixture_Game(g);
        if (Fixture.nWeek != nWeekShown) {
            if (nWeekShown >= 0)
                Heal_One_Week();
            if (Fixture.nWeek == 0)
                for (int t = 0; t < SEASON_TEAMS; ++t)
                    Clear_Team_Totals_Season(t);
            nWeekShown = Fixture.nWeek;
            Set_User_Preference(PREF_CURRENT_WEEK, Fixture.nWeek);
            Prepare_Game_Day();
        }
        GAME* pGame = Get_Game_Record(g % NUMBER_OF_GAMES);
        Set_User_Preference(PREF_PAGE_FILE_NUMBER, g % 1000);
        Clear_Game_Log_Texts();
        Clear_Game_Report_Html();
        Play_Game(Fixture.nHome, Fixture.nAway, Fixture.nWeek, pGame);
        Finish_Played_Game(pGame, Fixture.nWeek);
        Add_Game(*pGame, Sums);
        if (pnFingerprint != nullptr)
            Fold_Fingerprint(*pGame, pnFingerprint);
    }
    Set_Game_Pages_Enabled(false);
    return Sums;
}

}  // namespace season_fixture
