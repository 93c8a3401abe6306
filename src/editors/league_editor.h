// The League Editor (dialog 159): the commissioner's view of the whole
// league. The left half holds the league's settings (conference and division
// names, games per season, wild cards, salary cap, inflation, the first
// season's year, the current week, six percent settings, the game rules);
// the right half edits one club at a time and adds, erases and moves clubs.
//
// There is no Cancel: "Done", Escape and the close box all store what is
// shown, then close unless fewer than two clubs are left. Every change that
// alters the season's size (games per season, wild cards, a club added,
// erased or moved, divisions compacted) is checked against the league's GAME
// records on the league as it would be, before anything is stored; a change
// that does not fit is refused with the check's own message and the control
// shows the old value again. A change of the league's make-up flags the
// schedule, which is built again once when the dialog closes.
#pragma once

#include <cstdint>
#include <string>

#include "platform/dialogs.h"

constexpr int LEAGUE_EDITOR_DIALOG = 159;

// League half.
constexpr int LE_CONFERENCE_0_EDIT = 1021;
constexpr int LE_CONFERENCE_1_EDIT = 1023;
constexpr int LE_GAMES_EDIT = 1315;
constexpr int LE_WILD_CARDS_EDIT = 1322;
constexpr int LE_SALARY_CAP_EDIT = 1317;
constexpr int LE_INFLATION_EDIT = 1323;
constexpr int LE_INFLATION_LABEL = 1466;
constexpr int LE_START_YEAR_EDIT = 1089;
constexpr int LE_WEEK_COMBO = 1078;
constexpr int LE_SUPER_BOWL_CHECK = 1455;
constexpr int LE_SAME_DIVISION_CHECK = 1456;
constexpr int LE_FICTIONAL_ROOKIES_CHECK = 1457;
constexpr int LE_OVERTIME_GAMES_CHECK = 1453;
constexpr int LE_TWO_POINT_CHECK = 1454;
constexpr int LE_SALARY_DEMANDS_COMBO = 1079;
constexpr int LE_LEAGUE_REVENUE_COMBO = 1080;
constexpr int LE_INJURY_FREQUENCY_COMBO = 1081;
constexpr int LE_INJURY_SEVERITY_COMBO = 1082;
constexpr int LE_PLAYER_AGING_COMBO = 1213;
constexpr int LE_DRAFT_TALENT_COMBO = 1206;
constexpr int LE_OVERTIME_RULES_COMBO = 1207;
constexpr int LE_PLAYOFF_OVERTIME_COMBO = 1208;
constexpr int LE_PERIOD_LENGTH_COMBO = 1211;
constexpr int LE_POSSESSION_COMBO = 1209;
constexpr int LE_EXTRA_POINT_COMBO = 1210;
constexpr int LE_TOUCHBACK_COMBO = 1420;
constexpr int LE_KICKOFF_COMBO = 1421;
constexpr int LE_GOAL_POSTS_COMBO = 1422;
constexpr int LE_MISSED_FIELD_GOAL_COMBO = 1212;
constexpr int LE_REFRESH_BUTTON = 1261;
constexpr int LE_HELP_BUTTON = 9;
// Division d's name edit and its "(%d teams)" label.
extern const int LE_DIVISION_EDITS[8];
extern const int LE_DIVISION_COUNT_LABELS[8];

// Club half.
constexpr int LE_TEAM_LIST = 1132;
constexpr int LE_HOME_EDIT = 1302;
constexpr int LE_NICKNAME_EDIT = 1287;
constexpr int LE_ABBREVIATION_EDIT = 1288;
constexpr int LE_CITY_COMBO = 1133;
constexpr int LE_DIVISION_COMBO = 1134;
constexpr int LE_FAN_LOYALTY_COMBO = 1019;
constexpr int LE_CASH_EDIT = 1086;
constexpr int LE_WINS_EDIT = 1087;
constexpr int LE_LOSSES_EDIT = 1088;
constexpr int LE_COMPUTER_RADIO = 1098;
constexpr int LE_HUMAN_RADIO = 1097;
constexpr int LE_GM_NAME_EDIT = 1316;
constexpr int LE_ERASE_BUTTON = 10;
constexpr int LE_ADD_BUTTON = 11;
constexpr int LE_ALL_HUMAN_BUTTON = 1263;
constexpr int LE_ALL_CPU_BUTTON = 1262;

// Limits of the league's make-up.
constexpr int MOST_TEAMS_PER_CONFERENCE = 18;
constexpr int MOST_TEAMS_PER_DIVISION = 13;
constexpr int LEAST_TEAMS_IN_LEAGUE = 2;
// Ranges of what the editor stores.
constexpr int64_t LEAST_SALARY_CAP = 1000000;       // or 0, no cap
constexpr int64_t MOST_SALARY_CAP = 1000000000;
constexpr int MOST_INFLATION_FACTOR = 3000;
constexpr int LEAST_INFLATION_FACTOR = 1;
constexpr int LEAST_START_YEAR = 1951;
constexpr int MOST_START_YEAR = 2053;
constexpr int64_t MOST_CASH_TYPED = 1000000000;     // beyond +/- this a message
constexpr int MOST_RECORD_WINS = 127;

// Run the dialog (the menu command does this).
int Do_League_Editor();
void League_Editor_Dialog_Proc(DIALOG& Dialog, int nEvent, int nControl);

// The schedule-out-of-date flag: cleared when the editor opens, set by a
// change of the league's make-up or season length.
bool Is_League_Schedule_Out_Of_Date();

// Commissioner Mode on and (the season complete, or week 0).
bool Can_Edit_League_Structure();
// Commissioner Mode on and (the season complete, or a regular-season week).
bool Can_Edit_Wild_Cards();

// "Conferences with %d division%s ..." suffix rule, exposed for tests.
const char* Plural_Suffix(int n);

// League half (league_editor.cpp).
void Fill_League_Editor_Combos(DIALOG& Dialog);
void Load_League_Editor_Settings(DIALOG& Dialog);
void Save_League_Editor_Settings(DIALOG& Dialog);
bool Validate_League_Structure(DIALOG& Dialog);
void Move_Division(int nTo, int nFrom);
void Move_Conference(int nTo, int nFrom);
void Show_Division_Team_Counts(DIALOG& Dialog);
void Fill_Week_Combo(DIALOG& Dialog);
bool Check_Minimum_Teams();
void Warn_League_Editing_Limits();
void Show_Inflation_Label(DIALOG& Dialog);
// The season-fit check of a league of nTeams clubs, nGames games and the
// clubs of each division as anDivisionTeams gives them, with nWildCards; on
// a refusal the check's message is shown (titled "Season Schedule").
bool Season_Would_Fit(int nTeams, int nGames, const int anDivisionTeams[8], int nWildCards);
// The clubs of each division now.
void Get_Division_Team_Counts(int anDivisionTeams[8]);

// Club half (league_editor_teams.cpp).
void Load_Team_Info(DIALOG& Dialog);
void Save_Team_Info(DIALOG& Dialog);
void Fill_City_Combo(DIALOG& Dialog);
void Fill_Division_Combo(DIALOG& Dialog);
void Update_Team_Buttons(DIALOG& Dialog);
// The club commands of the dialog; true when nControl was one of them.
bool Handle_League_Editor_Team_Command(DIALOG& Dialog, int nControl);
// The fan-loyalty grade index 0-13 of a stored loyalty, and the loyalty a
// chosen grade stores (the middle of the band the reader maps to it).
int Get_Fan_Loyalty_Grade(int nLoyalty);
int Get_Fan_Loyalty_For_Grade(int nGrade);
// The first division (0-7) with room for one more club in a conference that
// has room too; -1 when none has.
int Find_Division_With_Room();

// Set by the team half when it changes the league's make-up.
void Flag_League_Schedule();
