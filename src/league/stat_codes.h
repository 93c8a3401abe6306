// The codes of Get_Player_Stat: the stored statistics 0-19 and the computed
// rates and sums 100-173.
//
// A stored statistic's meaning depends on the player's unit, so one index
// has a name per unit that uses it. Computed codes read the stored
// statistics of the same period.
#pragma once

// ---------------------------------------------------------------------------
// Stored statistics, every unit

constexpr int STAT_GAMES_PLAYED = 0;
constexpr int STAT_GAMES_STARTED = 1;

// Backs, receivers and the quarterback (unit 0)
constexpr int STAT_PASS_ATTEMPTS = 2;
constexpr int STAT_PASS_COMPLETIONS = 3;
constexpr int STAT_INTERCEPTIONS_THROWN = 4;
constexpr int STAT_TARGETS = 4;                  // a receiver's: passes thrown to him
constexpr int STAT_PASSING_YARDS = 5;
constexpr int STAT_PASSING_TOUCHDOWNS = 6;
constexpr int STAT_YARDS_AFTER_CATCH = 6;        // a receiver's
constexpr int STAT_RUSHING_ATTEMPTS = 7;
constexpr int STAT_RUSHING_YARDS = 8;
constexpr int STAT_RUSHING_TOUCHDOWNS = 9;
constexpr int STAT_RECEPTIONS = 10;
constexpr int STAT_RECEIVING_YARDS = 11;
constexpr int STAT_RECEIVING_TOUCHDOWNS = 12;
constexpr int STAT_FUMBLES_LOST = 13;
constexpr int STAT_TIMES_SACKED = 14;            // the quarterback's
constexpr int STAT_SACK_YARDS_LOST = 15;         // the quarterback's

// Returns: backs, receivers and the defence
constexpr int STAT_KICK_RETURNS = 14;
constexpr int STAT_KICK_RETURN_YARDS = 15;
constexpr int STAT_KICK_RETURN_TOUCHDOWNS = 16;
constexpr int STAT_PUNT_RETURNS = 17;
constexpr int STAT_PUNT_RETURN_YARDS = 18;
constexpr int STAT_PUNT_RETURN_TOUCHDOWNS = 19;

// Offensive line (unit 1)
constexpr int STAT_SACKS_ALLOWED = 4;
constexpr int STAT_RUNS_BEHIND = 7;              // running plays behind the lineman
constexpr int STAT_RUN_YARDS_BEHIND = 8;         // yards of those plays
constexpr int STAT_PENALTIES = 10;
constexpr int STAT_PENALTY_YARDS = 11;

// Defence (unit 2)
constexpr int STAT_SOLO_TACKLES = 2;
constexpr int STAT_TACKLE_ASSISTS = 3;
constexpr int STAT_SACKS = 4;
constexpr int STAT_FUMBLES_FORCED = 5;
constexpr int STAT_PASSES_DEFENSED = 6;
constexpr int STAT_INTERCEPTIONS = 7;
constexpr int STAT_FUMBLES_RECOVERED = 8;
constexpr int STAT_DEFENSIVE_RETURN_TOUCHDOWNS = 9;
constexpr int STAT_COVERAGE_BASE = 10;           // the divisor of the coverage rate
constexpr int STAT_COVERAGE = 11;

// Kickers (unit 3). Field goals in four distance bands: 1 and 2 inside 40
// yards, 3 and 4 from 40 on; attempts then made, band by band.
constexpr int STAT_PUNTS = 2;
constexpr int STAT_PUNT_YARDS = 3;
constexpr int STAT_LONGEST_PUNT = 5;
constexpr int STAT_PUNT_TOUCHBACKS = 6;
constexpr int STAT_PAT_ATTEMPTS = 8;
constexpr int STAT_PATS_MADE = 9;
constexpr int STAT_FIELD_GOAL_ATTEMPTS_BAND_1 = 10;
constexpr int STAT_FIELD_GOALS_MADE_BAND_1 = 11;
constexpr int STAT_FIELD_GOAL_ATTEMPTS_BAND_2 = 12;
constexpr int STAT_FIELD_GOALS_MADE_BAND_2 = 13;
constexpr int STAT_FIELD_GOAL_ATTEMPTS_BAND_3 = 14;
constexpr int STAT_FIELD_GOALS_MADE_BAND_3 = 15;
constexpr int STAT_FIELD_GOAL_ATTEMPTS_BAND_4 = 16;
constexpr int STAT_FIELD_GOALS_MADE_BAND_4 = 17;
constexpr int STAT_LONGEST_FIELD_GOAL = 18;

// ---------------------------------------------------------------------------
// Computed codes 100-173 (per mille and x 10 as each says)

// Passing; 102, 104, 106 and 108 are the four parts of the passer rating.
constexpr int STAT_CODE_PASSER_RATING = 100;            // passer rating x 10
constexpr int STAT_CODE_COMPLETION_RATE = 101;          // per mille
constexpr int STAT_CODE_RATING_COMPLETION_PART = 102;
constexpr int STAT_CODE_YARDS_PER_ATTEMPT = 103;        // x 100
constexpr int STAT_CODE_RATING_YARDS_PART = 104;
constexpr int STAT_CODE_TOUCHDOWN_RATE = 105;           // per mille
constexpr int STAT_CODE_RATING_TOUCHDOWN_PART = 106;
constexpr int STAT_CODE_INTERCEPTION_RATE = 107;        // per mille
constexpr int STAT_CODE_RATING_INTERCEPTION_PART = 108;
constexpr int STAT_CODE_YARDS_PER_COMPLETION = 109;     // x 100
constexpr int STAT_CODE_PASSING_YARDS_PER_GAME = 110;   // x 10
constexpr int STAT_CODE_SACK_RATE = 111;                // per mille

// Running, receiving, punting and returns
constexpr int STAT_CODE_YARDS_PER_RUSH = 112;           // x 100
constexpr int STAT_CODE_YARDS_PER_RECEPTION = 113;      // x 10
constexpr int STAT_CODE_YARDS_AFTER_CATCH = 114;        // per reception, x 10
constexpr int STAT_CODE_TOUCHES = 115;
constexpr int STAT_CODE_PUNT_AVERAGE = 116;             // x 10
constexpr int STAT_CODE_KICK_RETURN_AVERAGE = 119;      // x 10
constexpr int STAT_CODE_PUNT_RETURN_AVERAGE = 120;      // x 10

// Place kicking, rates per mille
constexpr int STAT_CODE_PAT_RATE = 121;
constexpr int STAT_CODE_FIELD_GOALS_MADE = 122;
constexpr int STAT_CODE_FIELD_GOAL_ATTEMPTS = 123;
constexpr int STAT_CODE_FIELD_GOAL_RATE = 124;
constexpr int STAT_CODE_FIELD_GOAL_RATE_BAND_1 = 125;   // 125-128: bands 1-4
constexpr int STAT_CODE_FIELD_GOAL_RATE_BAND_4 = 128;
constexpr int STAT_CODE_FIELD_GOAL_RATE_INSIDE_40 = 129;
constexpr int STAT_CODE_FIELD_GOAL_RATE_40_PLUS = 130;

// Totals
constexpr int STAT_CODE_YARDS_FROM_SCRIMMAGE = 131;
constexpr int STAT_CODE_TOUCHDOWNS_FROM_SCRIMMAGE = 132;
constexpr int STAT_CODE_KICKS = 136;                    // field-goal attempts and punts
constexpr int STAT_CODE_TOTAL_YARDS = 137;
constexpr int STAT_CODE_TOUCHDOWNS = 138;
constexpr int STAT_CODE_POINTS = 139;
constexpr int STAT_CODE_RETURNS = 140;
constexpr int STAT_CODE_RETURN_YARDS = 141;
constexpr int STAT_CODE_RETURN_TOUCHDOWNS = 142;

// Defence and blocking
constexpr int STAT_CODE_SACKS = 143;                    // sacks x 5
constexpr int STAT_CODE_SACKS_ALLOWED = 144;            // sacks allowed x 25
constexpr int STAT_CODE_TACKLES_PER_GAME = 146;         // x 10
constexpr int STAT_CODE_TACKLES = 147;
constexpr int STAT_CODE_CATCH_RATE = 148;               // receptions per target, per mille
constexpr int STAT_CODE_COVERAGE = 153;                 // per mille
constexpr int STAT_CODE_TACKLE_POINTS = 160;
constexpr int STAT_CODE_TACKLE_SHARE = 161;             // percent of the team's

// Passing measured against the league average of this and last year
constexpr int STAT_CODE_YARDS_PER_COMPLETION_INDEX = 170;
constexpr int STAT_CODE_TOUCHDOWN_RATE_INDEX = 171;
constexpr int STAT_CODE_COMPLETION_RATE_INDEX = 172;
constexpr int STAT_CODE_INTERCEPTION_RATE_INDEX = 173;

constexpr int FIRST_RATE_CODE = 100;
constexpr int LAST_RATE_CODE = 173;
