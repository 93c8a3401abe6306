// The preferences block: 360 numbered slots of user settings and running
// league state, kept inside LEAGUE_DATA so they are saved with the game.
//
// Slots 0-239 are int32; slots 240-359 are int16 (read sign-extended).
// Most slots are owned by the subsystem that uses them; this block only
// stores them. Hot paths may read League.Preferences directly with the same
// meaning.
#pragma once

#include "league/league_data.h"

// ---------------------------------------------------------------------------
// Slot numbers

constexpr int PREF_DRAFT_ENDING = 5;             // set and cleared around the end of the college draft
constexpr int PREF_OLD_GAME_REPAIR = 10;         // used when repairing game records of older files
constexpr int PREF_GAME_STATE_SWITCH = 16;       // depth chart, modifiers, scouting, day advance
constexpr int PREF_WAITING_FOR_CLICK = 17;       // a watched game waits for the user's play call
constexpr int PREF_PLAYER_FINDER_CHOICE = 18;
constexpr int PREF_PLAYING_GAMES = 20;           // around the day's games and the saved-game dialogs
constexpr int PREF_PAGE_FILE_NUMBER = 21;        // numbering of box-score and recap pages
constexpr int PREF_SEASON_INDEX = 22;            // current year = first season's year + this
constexpr int PREF_CURRENT_WEEK = 23;            // 0.. in the season; OFFSEASON_WEEK after it
constexpr int PREF_USER_TITLE = 24;
constexpr int PREF_DIFFICULTY = 25;
constexpr int PREF_MAIN_PAGE = 26;               // the main window's current page
constexpr int PREF_STAT_PERIOD = 27;             // statistics period shown in lists
constexpr int PREF_CURRENT_TEAM = 28;            // franchise of the single-team dialogs and pages
constexpr int PREF_CARD_TEAM = 29;               // player card: team
constexpr int PREF_CARD_SLOT = 30;               // player card: roster slot
constexpr int PREF_TRADE_PARTNER = 31;
constexpr int PREF_SELECTED_TEAM = 32;           // Get_Selected_Team
constexpr int PREF_SIMULATION_RUNNING = 33;
constexpr int PREF_SHOWN_GAME = 34;              // game shown in the game view, -1 none
constexpr int PREF_MAIN_VIEW_SETTING = 35;
constexpr int PREF_DRAFT_ROUND = 36;             // college draft round, 7 once it is over
constexpr int PREF_DRAFT_PICKS_MADE = 37;        // picks already made in the current round
constexpr int PREF_DRAFT_PAGE_SCROLL = 38;
constexpr int PREF_DRAFT_PAGE_SELECTION = 39;
constexpr int PREF_PLAYER_EDITOR_SETTING = 40;
constexpr int PREF_SIMULATION_SEASONS = 41;      // multi-season simulation dialog
constexpr int PREF_USER_LEAGUE = 42;             // 0/1, -1 none
constexpr int PREF_CURRENT_CITY = 43;            // city shown in the city editor
constexpr int PREF_CHOOSE_STAT_COLUMN = 44;
constexpr int PREF_REGULAR_SEASON_OVERTIME_RULE = 45; // overtime rule of the regular season: 0, 1 allow ties; 2, 3 do not
constexpr int PREF_PLAYOFF_OVERTIME_RULE = 46;   // overtime rule of the playoffs, values as above
constexpr int PREF_SOUND_ON = 47;
constexpr int PREF_NEWS_BAR = 48;                // news bar shown; display scale
constexpr int PREF_COMMISSIONER_MODE = 50;
constexpr int PREF_OWNER_MODE = 51;
constexpr int PREF_AI_TRADE_OFFERS = 52;
constexpr int PREF_PERFECT_SCOUTING = 53;
constexpr int PREF_ANIMATION_MODE = 54;          // game animation mode of a watched game
constexpr int PREF_INJURY_CONTINGENCY = 55;
constexpr int PREF_PLAY_CALL_FIRST = 57;         // 57-60: play calls of the watched game
constexpr int PREF_PLAY_CALL_LAST = 60;
constexpr int PREF_SIMULATE_ALL_NO_PREVIEWS = 61; // Simulate All: no game previews for the rest of the run
constexpr int PREF_LIST_COLUMN_FIRST = 62;       // 62-71: the Find Players fields: 62 least Overall, 63 position,
                                                 // 64 age limit, 65-69 key-rating minimums, 70 salary limit
                                                 // (millions), 71 least Peak
constexpr int PREF_LIST_COLUMN_LAST = 71;
constexpr int PREF_EXPORT_FIRST = 72;            // 72-76: statistics export settings
constexpr int PREF_EXPORT_LAST = 76;
constexpr int PREF_WRITE_STANDINGS_REPORT = 79;
constexpr int PREF_WRITE_AWARDS_REPORT = 80;
constexpr int PREF_WRITE_MONEY_REPORT = 81;
constexpr int PREF_POOL_SORT_MODE = 84;          // order of the free-agent and draft pools shown
constexpr int PREF_FANTASY_DRAFT_FIRST = 85;     // 85-87
constexpr int PREF_FANTASY_DRAFT_LAST = 87;
constexpr int PREF_MINUTES_PER_PERIOD = 88;
constexpr int PREF_KICKOFF_CHOICE = 89;
constexpr int PREF_AUTO_FILL_ROSTERS = 90;
constexpr int PREF_AUTO_SAVE = 91;
constexpr int PREF_FIRST_NAME_LIST = 92;
constexpr int PREF_LAST_NAME_LIST = 93;
constexpr int PREF_TRADE_ATTEMPTS = 94;          // computer trade attempts of the run, 3 a day before the deadline
constexpr int PREF_STATUS_BAR = 95;
constexpr int PREF_ALL_COMPUTER_TEAMS = 96;      // no human team
constexpr int PREF_SAVED_CHECKSUM = 98;          // stored checksum of the saved data
constexpr int PREF_TRADING_BLOCK = 99;
constexpr int PREF_TABLE_COLUMN_FIRST = 100;     // 100-123: table column choices
constexpr int PREF_TABLE_COLUMN_LAST = 123;
constexpr int PREF_STARTER_NEEDS = 125;          // + position: league average needs, starters
constexpr int PREF_BACKUP_NEEDS = 140;           // + position: backups
constexpr int PREF_YOUNG_NEEDS = 155;            // + position: young players (to 169)
constexpr int PREF_PLAYBOOK_EDITOR_FIRST = 170;  // 170-172
constexpr int PREF_PLAYBOOK_EDITOR_LAST = 172;
constexpr int PREF_TEXT_SPEED = 173;             // play-by-play text speed
constexpr int PREF_TWO_POINT_TRIES = 174;        // 1: two-point tries allowed
constexpr int PREF_REGULAR_SEASON_OVERTIME = 175; // 1: regular-season games go to overtime; 0: ties stand
constexpr int PREF_TIMELINE_FIRST = 176;         // 176-179: the timeline's state
constexpr int PREF_TIMELINE_LAST = 179;
constexpr int PREF_POSITION_NEEDS_SETTING = 190; // read by Get_Team_Position_Needs
constexpr int PREF_GOAL_POSTS_ON_GOAL_LINE = 197; // 1: field-goal distance is the spot + 7, 0: + 17
constexpr int PREF_TOUCHBACK_TO_25 = 198;        // 1: a kick-off touchback comes out to the 25, 0: the 20
constexpr int PREF_CONVERSION_SPOT_RULE = 199;   // spot of the conversion kick: 1-4 the 15-30, else the 2
constexpr int PREF_KICKOFF_SPOT_RULE = 200;      // kick-off from 0 the 70, 2 the 60, else the 65 (kicking side's yard line)
constexpr int PREF_DARK_PAGE_TEXT = 201;
constexpr int PREF_MISSED_FIELD_GOAL_SPOT_RULE = 202; // after a miss: 0 the kick's spot, 2 the 20, else the possession change's spot
constexpr int PREF_DAY_ADVANCE_FIRST = 210;      // 210-214: day-advance state
constexpr int PREF_DAY_ADVANCE_LAST = 214;
constexpr int PREF_AUTO_OFFENSE_CALLS = 230;     // automatic play calling of a watched game
constexpr int PREF_AUTO_DEFENSE_CALLS = 231;
constexpr int PREF_CARD_STAT_CHOICE = 237;
constexpr int PREF_LIST_LAYOUT_FIRST = 240;      // 240-359: 16-bit list-view column layouts
constexpr int PREF_LIST_LAYOUT_LAST = 359;

// ---------------------------------------------------------------------------
// Values this block fixes

constexpr int OFFSEASON_WEEK = 100;              // PREF_CURRENT_WEEK in the off-season
constexpr int DEFAULT_MAIN_PAGE = 40030;         // PREF_MAIN_PAGE after a new game
constexpr int GAMES_PAGE = 40086;                // the main window's Games page
constexpr int DEFAULT_STAT_PERIOD = 1;           // PREF_STAT_PERIOD after a new game
constexpr int DEFAULT_NEWS_BAR = 1;              // PREF_NEWS_BAR after a new game
constexpr int DEFAULT_TEXT_SPEED = 300;          // PREF_TEXT_SPEED after a new game
constexpr int DRAFT_OVER_ROUND = 7;              // PREF_DRAFT_ROUND once the draft is over

// ---------------------------------------------------------------------------
// Access

// Slot n: 0-239 the int32, 240-359 the int16 sign-extended. Any other n
// (a negative one too) reports "nPreference out of bounds in
// Get_User_Preference([%d])" and gives 0.
int Get_User_Preference(int nPreference);

// Stores the int32 for n 0-239 and the low 16 bits for 240-359; any other n
// stores nothing and reports "nPreference out of bounds in
// Set_User_Preference([%d],%d)".
void Set_User_Preference(int nPreference, int nValue);

