// The League Editor's league half run headless through the real dialog:
// season length, wild cards, money and the start year corrected with their
// messages, the structure limits and the compaction of divisions, the
// playoffs' overtime, the 300 GAME records, the week combo, the two-club
// minimum and the schedule built once on close.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "editors/league_editor_fixture.h"
#include "schedule/schedule_driver.h"
#include "schedule/season_checks.h"
#include "league/standings_keys.h"
#include "frontoffice/college_count.h"
#include "season/injuries.h"

namespace {

using editor_tests::Action;
using league_editor_tests::LeagueEditorTest;

bool Has(const std::vector<std::string>& Boxes, const std::string& Box)
{
    return std::find(Boxes.begin(), Boxes.end(), Box) != Boxes.end();
}

int Count_Caption(const std::vector<std::string>& Boxes, const std::string& Caption)
{
    return static_cast<int>(std::count_if(Boxes.begin(), Boxes.end(), [&](const std::string& Box) {
        return Box.compare(0, Caption.size() + 1, Caption + "|") == 0;
    }));
}

TEST_F(LeagueEditorTest, GamesPerSeasonAreCorrectedByTheSeasonRules)
{
    // 32 clubs: 17 is kept without a word; 40 becomes 17.
    Set_Universe_Stat(GAMES_PER_SEASON, 16);
    Run({Type(LE_GAMES_EDIT, "17")});
    EXPECT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), 17);
    EXPECT_EQ(Count_Caption(Boxes(), "Invalid Entry"), 0);
    Set_Universe_Stat(GAMES_PER_SEASON, 16);
    Run({Type(LE_GAMES_EDIT, "40")});
    EXPECT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), 17);
    std::vector<std::string> Shown = Boxes();
    EXPECT_EQ(Count_Caption(Shown, "Invalid Entry"), 1);
    EXPECT_TRUE(Has(Shown, "Invalid Entry|The schedule must have no more than 17 games per team.\n\n"
                           "'Games per season' has been set to 17."));

    // 31 clubs.
    Build(31);
    struct CASE {
        const char* szTyped;
        int nStored;
        const char* szBox;
    };
    const CASE CASES[] = {
        {"17", 16, "Invalid Entry|The 17-game schedule can only be used for leagues with 32 teams.\n\n"
                   "'Games per season' has been set to 16."},
        {"15", 14, "Invalid Entry|The number of games per season must be even.\n\n'Season Games' has been set to 14."},
        {"3", 4, "Invalid Entry|The schedule must have at least 4 games per team.\n\n"
                 "'Games per season' has been set to 4."},
        {"40", 16, "Invalid Entry|The schedule must have no more than 17 games per team.\n\n"
                   "'Games per season' has been set to 16."},
        {"sixteen", 4, "Invalid Entry|The schedule must have at least 4 games per team.\n\n"
                       "'Games per season' has been set to 4."},
        {"16", 16, nullptr},
    };
    for (const CASE& Case : CASES) {
        Set_Universe_Stat(GAMES_PER_SEASON, 12);
        const DIALOG_RECORD& Record = Run({Type(LE_GAMES_EDIT, Case.szTyped)});
        EXPECT_EQ(Record.nResult, 1) << Case.szTyped;
        EXPECT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), Case.nStored) << Case.szTyped;
        EXPECT_EQ(Record.Find(LE_GAMES_EDIT)->Text, std::to_string(Case.nStored)) << Case.szTyped;
        Shown = Boxes();
        EXPECT_EQ(Count_Caption(Shown, "Invalid Entry"), Case.szBox != nullptr ? 1 : 0) << Case.szTyped;
        if (Case.szBox != nullptr) {
            EXPECT_TRUE(Has(Shown, Case.szBox)) << Case.szTyped;
        }
    }
}

TEST_F(LeagueEditorTest, WildCardsFollowTheConferencesDivisions)
{
    // Two conferences of three divisions of four clubs.
    Build(24, {4, 4, 4, 0, 4, 4, 4, 0});
    Set_Universe_Stat(GAMES_PER_SEASON, 14);
    Set_Universe_Stat(WILD_CARD_TEAMS, 2);
    Run({Type(LE_WILD_CARDS_EDIT, "0")});
    EXPECT_EQ(Get_Universe_Stat(WILD_CARD_TEAMS), 1);
    std::vector<std::string> Shown = Boxes();
    EXPECT_EQ(Count_Caption(Shown, "Invalid Entry"), 1);
    EXPECT_TRUE(Has(Shown, "Invalid Entry|Conferences with 3 divisions must have at least 1 wild card team."));

    Errors_Reported();
    Run({Type(LE_WILD_CARDS_EDIT, "6")});
    EXPECT_EQ(Get_Universe_Stat(WILD_CARD_TEAMS), 5);
    Shown = Boxes();
    EXPECT_EQ(Count_Caption(Shown, "Invalid Entry"), 1);
    EXPECT_TRUE(Has(Shown, "Invalid Entry|Conferences with 3 divisions cannot have more than 5 wild card teams."));
    // 5 is reported as too high and stored all the same.
    EXPECT_GE(Errors_Reported(), 1);
    // The seeding counts all five: 3 + 5 per conference.
    EXPECT_EQ(Count_League_Playoff_Teams(), 16);

    // Conferences of one or two divisions have none: "0", disabled.
    for (const std::vector<int>& Counts : {std::vector<int>{4, 4, 0, 0, 4, 4, 0, 0},
                                           std::vector<int>{4, 0, 0, 0, 4, 0, 0, 0}}) {
        Build(Counts[0] + Counts[1] + Counts[4] + Counts[5], Counts);
        Set_Universe_Stat(WILD_CARD_TEAMS, 2);
        const DIALOG_RECORD& Record = Run({Type(LE_WILD_CARDS_EDIT, "3")});
        EXPECT_EQ(Record.Find(LE_WILD_CARDS_EDIT)->Text, "0");
        EXPECT_FALSE(Record.Find(LE_WILD_CARDS_EDIT)->bEnabled);
        EXPECT_EQ(Get_Universe_Stat(WILD_CARD_TEAMS), 0);
    }
    EXPECT_EQ(Plural_Suffix(1), std::string());
    EXPECT_EQ(Plural_Suffix(2), std::string("s"));
}

TEST_F(LeagueEditorTest, MoneyIsReadWideAndHeldToItsRanges)
{
    struct CASE {
        int nControl;
        const char* szTyped;
        int nStat;
        int nStored;
        const char* szBox;   // null: no box
    };
    // Text that is no amount, or one below nothing, would read as 0 (no
    // cap): refused, the cap kept.
    const char* const NO_AMOUNT = "Invalid Entry|The salary cap must be an amount of dollars: 0 (no cap) or between "
                                  "$1,000,000 and $1,000,000,000. The salary cap is still $200,000,000.";
    const CASE CASES[] = {
        {LE_SALARY_CAP_EDIT, "$1,500,000", SALARY_CAP, 1500000, nullptr},
        {LE_SALARY_CAP_EDIT, "$5,000,000,000", SALARY_CAP, 1000000000,
         "Salary Cap|The salary cap must be 0 (no cap) or between $1,000,000 and $1,000,000,000. It is being set to "
         "$1,000,000,000."},
        {LE_SALARY_CAP_EDIT, "-7", SALARY_CAP, 200000000, NO_AMOUNT},
        {LE_SALARY_CAP_EDIT, "abc", SALARY_CAP, 200000000, NO_AMOUNT},
        {LE_SALARY_CAP_EDIT, "$", SALARY_CAP, 200000000, NO_AMOUNT},
        {LE_SALARY_CAP_EDIT, " $ , ", SALARY_CAP, 200000000, NO_AMOUNT},
        {LE_SALARY_CAP_EDIT, "$5,000,000 x", SALARY_CAP, 200000000, NO_AMOUNT},
        {LE_SALARY_CAP_EDIT, " +$3,000,000 ", SALARY_CAP, 3000000, nullptr},
        {LE_SALARY_CAP_EDIT, "250,000", SALARY_CAP, 1000000,
         "Salary Cap|The salary cap must be 0 (no cap) or between $1,000,000 and $1,000,000,000. It is being set to "
         "$1,000,000."},
        {LE_SALARY_CAP_EDIT, "$0", SALARY_CAP, 0, nullptr},
        {LE_INFLATION_EDIT, "3,500", INFLATION_FACTOR, 3000,
         "Inflation Ratio|Inflation Factor cannot be higher than 3000. It is being set to 3000."},
        {LE_INFLATION_EDIT, "0", INFLATION_FACTOR, 1,
         "Inflation Ratio|Inflation Factor cannot be lower than 1. It is being set to 1."},
        {LE_INFLATION_EDIT, "1250", INFLATION_FACTOR, 1250, nullptr},
    };
    for (const CASE& Case : CASES) {
        Set_Universe_Stat(SALARY_CAP, 200000000);
        Set_Universe_Stat(INFLATION_FACTOR, 1000);
        Run({Type(Case.nControl, Case.szTyped)});
        EXPECT_EQ(Get_Universe_Stat(Case.nStat), Case.nStored) << Case.szTyped;
        const std::vector<std::string> Shown = Boxes();
        if (Case.szBox == nullptr) {
            EXPECT_TRUE(Shown.empty()) << Case.szTyped << ": " << (Shown.empty() ? "" : Shown[0]);
        } else {
            ASSERT_EQ(Shown.size(), 1u) << Case.szTyped;
            EXPECT_EQ(Shown[0], Case.szBox);
        }
    }
    // Shown with its separators when the editor opens again.
    Set_Universe_Stat(SALARY_CAP, 224800000);
    EXPECT_EQ(Run({}).Find(LE_SALARY_CAP_EDIT)->Text, "$224,800,000");
}

TEST_F(LeagueEditorTest, TheStartYearAsksFirstAndResetsTheSeasons)
{
    const std::string QUESTION = "Start Year|Editing the Start Year is a method to create custom databases. This will "
                                 "reset any seasons already simulated. OK?";
    Set_User_Preference(PREF_SEASON_INDEX, 3);
    Set_Universe_Stat(SALARY_CAP, 112400000);
    ui::Queue_Answer(ID_CANCEL);
    const DIALOG_RECORD& Kept = Run({Type(LE_START_YEAR_EDIT, "1999")});
    EXPECT_EQ(Get_Universe_Stat(FIRST_SEASON_YEAR), 2020);
    EXPECT_EQ(Get_User_Preference(PREF_SEASON_INDEX), 3);
    EXPECT_EQ(Get_Universe_Stat(INFLATION_FACTOR), 1000);
    EXPECT_EQ(Kept.Find(LE_START_YEAR_EDIT)->Text, "2020");
    EXPECT_EQ(Boxes(), std::vector<std::string>{QUESTION});

    // OK: the year, the season index 0, and the inflation from the cap:
    // (112,400,000 + 112,400) x 1000 / 224,800,000 = 500.5 -> 500.
    ui::Queue_Answer(ID_OK);
    Run({Type(LE_START_YEAR_EDIT, "1999")});
    EXPECT_EQ(Get_Universe_Stat(FIRST_SEASON_YEAR), 1999);
    EXPECT_EQ(Get_User_Preference(PREF_SEASON_INDEX), 0);
    EXPECT_EQ(Get_Universe_Stat(INFLATION_FACTOR), 500);
    Boxes();

    // Rounded to the nearest: 224,700,000 x 1000 / 224,800,000 = 999.56,
    // (224,700,000 + 112,400) x 1000 / 224,800,000 = 1000.05 -> 1000.
    Set_Universe_Stat(SALARY_CAP, 224700000);
    ui::Queue_Answer(ID_OK);
    Run({Type(LE_START_YEAR_EDIT, "2001")});
    EXPECT_EQ(Get_Universe_Stat(FIRST_SEASON_YEAR), 2001);
    EXPECT_EQ(Get_Universe_Stat(INFLATION_FACTOR), 1000);
    Boxes();

    // A billion-dollar cap: 1,000,112,400,000 / 224,800,000 = 4449 (no
    // 32-bit wrap), held to 3000. A year past 2053 is corrected first.
    Set_Universe_Stat(SALARY_CAP, 1000000000);
    ui::Queue_Answer(ID_OK);
    ui::Queue_Answer(ID_OK);
    Run({Type(LE_START_YEAR_EDIT, "2100")});
    EXPECT_EQ(Get_Universe_Stat(FIRST_SEASON_YEAR), 2053);
    EXPECT_EQ(Get_Universe_Stat(INFLATION_FACTOR), 3000);
    const std::vector<std::string> Shown = Boxes();
    ASSERT_EQ(Shown.size(), 2u);
    EXPECT_EQ(Shown[0], "Start Year|The Start Year must be between 1951 and 2053. It is being set to 2053.");
    EXPECT_EQ(Shown[1], QUESTION);
}

TEST_F(LeagueEditorTest, StructureLimitsRefuseTheMoveAndRestoreTheDivision)
{
    // Conference 0 holds 18; club 18 plays in division 4.
    Build(20, {5, 5, 4, 4, 2, 0, 0, 0});
    Set_Universe_Stat(GAMES_PER_SEASON, 16);
    Set_Universe_Stat(WILD_CARD_TEAMS, 0);
    const DIALOG_RECORD& Conference = Run({Pick(LE_TEAM_LIST, 18), Pick(LE_DIVISION_COMBO, 0)});
    EXPECT_EQ(Get_Team_Stat(18, TEAM_STAT_DIVISION), 4);
    EXPECT_EQ(Conference.Find(LE_DIVISION_COMBO)->nSelected, 4);
    std::vector<std::string> Shown = Boxes();
    EXPECT_TRUE(Has(Shown, "Illegal Conference|No conference may have more than 18 teams."));
    EXPECT_EQ(Count_Teams(), 20);

    // Division 0 holds 13: a fourteenth is refused.
    Build(18, {13, 3, 1, 1, 0, 0, 0, 0});
    const DIALOG_RECORD& Division = Run({Pick(LE_TEAM_LIST, 13), Pick(LE_DIVISION_COMBO, 0)});
    EXPECT_EQ(Get_Team_Stat(13, TEAM_STAT_DIVISION), 1);
    EXPECT_EQ(Division.Find(LE_DIVISION_COMBO)->nSelected, 1);
    Shown = Boxes();
    EXPECT_TRUE(Has(Shown, "Illegal Division|No division may have more than 13 teams."));
    EXPECT_EQ(Count_Division_Teams(0), 13);

    // A legal move is taken and counted.
    const DIALOG_RECORD& Moved = Run({Pick(LE_TEAM_LIST, 13), Pick(LE_DIVISION_COMBO, 2)});
    EXPECT_EQ(Count_Division_Teams(1), 2);
    EXPECT_EQ(Count_Division_Teams(2), 2);
    EXPECT_EQ(Moved.Find(LE_DIVISION_COUNT_LABELS[2])->Text, "(2 teams)");
    EXPECT_EQ(Moved.Find(LE_DIVISION_COUNT_LABELS[0])->Text, "(13 teams)");
}

TEST_F(LeagueEditorTest, AnEmptiedFirstDivisionTakesTheSecondOne)
{
    Build(8, {1, 3, 0, 0, 4, 0, 0, 0});
    Set_Universe_Stat(GAMES_PER_SEASON, 14);
    Set_Universe_Stat(WILD_CARD_TEAMS, 0);
    Run({Pick(LE_TEAM_LIST, 0), Pick(LE_DIVISION_COMBO, 1)});
    for (int t = 0; t < 4; ++t)
        EXPECT_EQ(Get_Team_Stat(t, TEAM_STAT_DIVISION), 0) << t;
    for (int t = 4; t < 8; ++t)
        EXPECT_EQ(Get_Team_Stat(t, TEAM_STAT_DIVISION), 4) << t;
    char szName[DIVISION_NAME_SIZE];
    Get_Division_Name(0, szName);
    EXPECT_STREQ(szName, "North");
    Get_Division_Name(1, szName);
    EXPECT_STREQ(szName, "");
    EXPECT_EQ(Count_Division_Teams(1), 0);
}

TEST_F(LeagueEditorTest, PlayoffGamesCannotEndInATie)
{
    const DIALOG_RECORD& Record = Run({Pick(LE_PLAYOFF_OVERTIME_COMBO, 0)});
    EXPECT_EQ(Record.Find(LE_PLAYOFF_OVERTIME_COMBO)->nSelected, 2);
    EXPECT_EQ(Get_User_Preference(PREF_PLAYOFF_OVERTIME_RULE), 2);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Illegal Option|Playoff games cannot end in a tie."});
    // The rule combos store their index; the period stores minutes.
    Run({Pick(LE_PLAYOFF_OVERTIME_COMBO, 3), Pick(LE_OVERTIME_RULES_COMBO, 1), Pick(LE_PERIOD_LENGTH_COMBO, 2),
         Pick(LE_KICKOFF_COMBO, 2), Pick(LE_MISSED_FIELD_GOAL_COMBO, 1), Pick(LE_INJURY_FREQUENCY_COMBO, 13)});
    EXPECT_EQ(Get_User_Preference(PREF_PLAYOFF_OVERTIME_RULE), 3);
    EXPECT_EQ(Get_User_Preference(PREF_REGULAR_SEASON_OVERTIME_RULE), 1);
    EXPECT_EQ(Get_User_Preference(PREF_MINUTES_PER_PERIOD), 5);
    EXPECT_EQ(Get_User_Preference(PREF_KICKOFF_SPOT_RULE), 2);
    EXPECT_EQ(Get_User_Preference(PREF_MISSED_FIELD_GOAL_SPOT_RULE), 1);
    EXPECT_EQ(Get_Injury_Frequency(), 30);
    EXPECT_TRUE(Boxes().empty());
}

// Preference 197 is 1 when the posts stand on the goal line (the front of
// the end zone: a field goal is the spot + 7 yards) and 0 when they stand
// at its back (the spot + 17). The label shown names where they stand, and
// picking a label stores its value.
TEST_F(LeagueEditorTest, TheGoalPostsNameWhereThePostsStand)
{
    auto Shown = [](const DIALOG_RECORD& Record) {
        const DIALOG_CONTROL* pCombo = Record.Find(LE_GOAL_POSTS_COMBO);
        if (pCombo == nullptr || pCombo->nSelected < 0 || pCombo->nSelected >= static_cast<int>(pCombo->Items.size()))
            return std::string("(none)");
        return pCombo->Items[static_cast<size_t>(pCombo->nSelected)];
    };
    Set_User_Preference(PREF_GOAL_POSTS_ON_GOAL_LINE, 0);
    EXPECT_EQ(Shown(Run({})), "Back of End Zone");
    Set_User_Preference(PREF_GOAL_POSTS_ON_GOAL_LINE, 1);
    EXPECT_EQ(Shown(Run({})), "Front of End Zone");

    // Each label picked by its text stores the value that names it.
    const DIALOG_RECORD& Choices = Run({});
    const DIALOG_CONTROL* pCombo = Choices.Find(LE_GOAL_POSTS_COMBO);
    ASSERT_NE(pCombo, nullptr);
    ASSERT_EQ(pCombo->Items.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const std::string Label = pCombo->Items[static_cast<size_t>(i)];
        Set_User_Preference(PREF_GOAL_POSTS_ON_GOAL_LINE, Label == "Front of End Zone" ? 0 : 1);
        EXPECT_EQ(Shown(Run({Pick(LE_GOAL_POSTS_COMBO, i)})), Label);
        EXPECT_EQ(Get_User_Preference(PREF_GOAL_POSTS_ON_GOAL_LINE), Label == "Front of End Zone" ? 1 : 0) << Label;
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(LeagueEditorTest, ASeasonThatDoesNotFitTheGameRecordsIsRefused)
{
    // 36 clubs, 14 games, 4 wild cards: 16 games need 288 + 15 = 303 records.
    Build(36, {5, 5, 4, 4, 5, 5, 4, 4});
    Set_Universe_Stat(GAMES_PER_SEASON, 14);
    Set_Universe_Stat(WILD_CARD_TEAMS, 4);
    Clear_League_Schedule();
    const DIALOG_RECORD& Record = Run({Type(LE_GAMES_EDIT, "16")});
    EXPECT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), 14);
    EXPECT_EQ(Record.Find(LE_GAMES_EDIT)->Text, "14");
    EXPECT_EQ(Boxes(), std::vector<std::string>{
                           "Season Schedule|A season of 36 teams playing 16 games each, with 16 playoff teams, needs "
                           "303 game records; 300 exist. Lower the games per season by 1 or the number of teams by 1."});
    EXPECT_EQ(Get_Last_Scheduled_Week(), 0);   // nothing flagged, nothing built

    // The same league with a three-division conference: 5 wild cards count 5.
    Build(26, {5, 4, 4, 0, 5, 4, 4, 0});
    Set_Universe_Stat(GAMES_PER_SEASON, 14);
    Set_Universe_Stat(WILD_CARD_TEAMS, 5);
    char szWhy[256];
    EXPECT_TRUE(Check_League_Fits_Game_Records(szWhy, sizeof(szWhy)));
    EXPECT_EQ(Count_League_Playoff_Teams(), 16);
    Errors_Reported();
}

TEST_F(LeagueEditorTest, TheWeekMovesOnlyForwardWithinTheRegularSeason)
{
    Set_User_Preference(PREF_CURRENT_WEEK, 5);
    const DIALOG_RECORD& Back = Run({Pick(LE_WEEK_COMBO, 2)});
    EXPECT_EQ(Get_Current_Week(), 5);
    EXPECT_EQ(Back.Find(LE_WEEK_COMBO)->nSelected, 5);
    std::vector<std::string> Shown = Boxes();
    EXPECT_EQ(Count_Caption(Shown, "League Editing Disabled"), 1);
    EXPECT_EQ(Count_Caption(Shown, "Current Date"), 1);

    Run({Pick(LE_WEEK_COMBO, 9)});
    EXPECT_EQ(Get_Current_Week(), 9);
    EXPECT_EQ(Count_Caption(Boxes(), "Current Date"), 0);
    Run({Pick(LE_WEEK_COMBO, 17)});   // "Week 18", the last of 18 regular weeks
    EXPECT_EQ(Get_Current_Week(), 17);

    // Past the last regular-season week: refused.
    Set_Regular_Season_Weeks(17);
    Set_User_Preference(PREF_CURRENT_WEEK, 9);
    const DIALOG_RECORD& Past = Run({Pick(LE_WEEK_COMBO, 17)});
    EXPECT_EQ(Get_Current_Week(), 9);
    EXPECT_EQ(Past.Find(LE_WEEK_COMBO)->nSelected, 9);
    EXPECT_EQ(Count_Caption(Boxes(), "Current Date"), 1);

    // In the playoffs and the off-season the combo is disabled.
    for (int nWeek : {17, 19, OFFSEASON_WEEK}) {
        Set_User_Preference(PREF_CURRENT_WEEK, nWeek);
        const DIALOG_RECORD& Record = Run({Pick(LE_WEEK_COMBO, 3)});
        EXPECT_FALSE(Record.Find(LE_WEEK_COMBO)->bEnabled) << nWeek;
        EXPECT_EQ(Record.Find(LE_WEEK_COMBO)->nSelected, 17) << nWeek;
        EXPECT_EQ(Get_Current_Week(), nWeek);
    }
    // Outside Commissioner Mode too.
    Set_User_Preference(PREF_CURRENT_WEEK, 2);
    Set_User_Preference(PREF_COMMISSIONER_MODE, 0);
    ui::Queue_Answer(ID_OK);   // "League Editing Disabled"
    ui::Queue_Answer(ID_NO);   // Commissioner Mode stays off
    EXPECT_FALSE(Run({Pick(LE_WEEK_COMBO, 6)}).Find(LE_WEEK_COMBO)->bEnabled);
    EXPECT_EQ(Get_Current_Week(), 2);
}

TEST_F(LeagueEditorTest, DoneWithOneClubKeepsTheEditorOpenAndBuildsNoSchedule)
{
    Build(2, {2, 0, 0, 0, 0, 0, 0, 0});
    Set_Universe_Stat(GAMES_PER_SEASON, 14);
    Set_Universe_Stat(WILD_CARD_TEAMS, 0);
    Clear_League_Schedule();
    ui::Queue_Answer(ID_YES);   // "Erase Players"
    const DIALOG_RECORD& Record = Run({Pick(LE_TEAM_LIST, 1), Press(LE_ERASE_BUTTON), Press(DIALOG_OK)});
    EXPECT_EQ(Count_Teams(), 1);
    EXPECT_NE(Record.nResult, 1);
    const std::vector<std::string> Shown = Boxes();
    EXPECT_GE(Count_Caption(Shown, "Invalid League"), 1);
    EXPECT_TRUE(Has(Shown, "Invalid League|There must always be at least two teams. You must create one or more "
                           "teams in order to leave the League Editor."));
    // The generator never ran: no schedule, and the calendar's playoff days
    // as they were.
    EXPECT_EQ(Count_Caption(Shown, "Season Schedule"), 0);
    EXPECT_EQ(Get_Last_Scheduled_Week(), 0);
    EXPECT_EQ(Get_First_Playoff_Week(), 18);
}

TEST_F(LeagueEditorTest, AFlaggedScheduleIsBuiltOnceOnClose)
{
    Set_Universe_Stat(GAMES_PER_SEASON, 16);
    Clear_League_Schedule();
    Run({});
    EXPECT_EQ(Get_Last_Scheduled_Week(), 0);   // nothing changed: nothing built
    EXPECT_FALSE(Is_League_Schedule_Out_Of_Date());

    Run({Type(LE_GAMES_EDIT, "17")});
    EXPECT_TRUE(Is_Schedule_Complete(17));
    EXPECT_FALSE(Is_League_Schedule_Out_Of_Date());
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(LeagueEditorTest, FictionalRookiesSwitchedOnRebuildTheDraftPoolAtOnce)
{
    Set_User_Preference(PREF_SEASON_INDEX, 3);   // 2023: no class file is looked for
    Set_User_Preference(PREF_DRAFT_ROUND, 2);    // during the college draft too
    Set_Universe_Word(FICTIONAL_ROOKIES_WORD, 0);
    ASSERT_EQ(Count_College_Players(), 0);
    Run({Action(ACTION_CHECK, LE_FICTIONAL_ROOKIES_CHECK, 1)});
    EXPECT_EQ(Get_Universe_Word(FICTIONAL_ROOKIES_WORD), 1);
    EXPECT_EQ(Count_College_Players(), 291);   // the pool of 32 clubs
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_ROUND), 2);
    // Switched off, the pool is not touched.
    Run({Action(ACTION_CHECK, LE_FICTIONAL_ROOKIES_CHECK, 0)});
    EXPECT_EQ(Get_Universe_Word(FICTIONAL_ROOKIES_WORD), 0);
    EXPECT_EQ(Count_College_Players(), 291);
}

TEST_F(LeagueEditorTest, TheTemplateAndHelpPageAreRegistered)
{
    const DIALOG_REGISTRATION* pRegistration = Find_Dialog_Registration(LEAGUE_EDITOR_DIALOG);
    ASSERT_NE(pRegistration, nullptr);
    EXPECT_STREQ(pRegistration->pTemplate->szHelp, "leagueeditor");
    EXPECT_EQ(Check_Dialog_Template(*pRegistration->pTemplate), "");
    EXPECT_GE(pRegistration->pTemplate->Controls.size(), 75u);
    // Escape and the close box are "Done": the only Cancel is hidden.
    for (const CONTROL_TEMPLATE& Control : pRegistration->pTemplate->Controls)
        if (Control.nId == DIALOG_CANCEL) {
            EXPECT_NE(Control.nStyle & CS_HIDDEN, 0u);
        }
    // Escape closes like "Done", storing what was typed.
    dialogs::Queue_Action(LEAGUE_EDITOR_DIALOG, Action(ACTION_SET_TEXT, LE_CONFERENCE_0_EDIT, 0, "Founders"));
    dialogs::Queue_Action(LEAGUE_EDITOR_DIALOG, Action(ACTION_CANCEL, 0));
    EXPECT_EQ(Do_Dialog(LEAGUE_EDITOR_DIALOG), 1);
    char szName[LEAGUE_NAME_SIZE];
    Get_League_Name(0, szName);
    EXPECT_STREQ(szName, "Founders");
}

}  // namespace
