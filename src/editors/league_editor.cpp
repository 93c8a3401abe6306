#include "editors/league_editor.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "base/text_utils.h"
#include "editors/stat_pickers.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/salary_cap.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "platform/ui_services.h"
#include "schedule/schedule_driver.h"
#include "schedule/season_checks.h"
#include "season/draft_pool.h"
#include "season/generation_settings.h"
#include "season/injuries.h"
#include "season/player_development.h"
#include "season/playoffs.h"
#include "season/salaries.h"
#include "season/scouting.h"

const int LE_DIVISION_EDITS[8] = {1303, 1304, 1305, 1309, 1310, 1311, 1318, 1319};
const int LE_DIVISION_COUNT_LABELS[8] = {1306, 1307, 1308, 1312, 1313, 1314, 1320, 1321};

namespace {

bool g_bScheduleOutOfDate = false;

const char* const OVERTIME_RULES[] = {"Sudden Death", "6-Point Threshold", "Sudden Death (no ties)",
                                      "6-Point Threshold (no ties)"};
const char* const PERIOD_LENGTHS[] = {"15 minutes", "10 minutes", "5 minutes"};
const char* const POSSESSIONS[] = {"Coin Flip", "Home Team"};
const char* const EXTRA_POINT_SPOTS[] = {"2-Yard Line", "15-Yard Line", "20-Yard Line", "25-Yard Line",
                                         "30-Yard Line"};
const char* const TOUCHBACK_SPOTS[] = {"20-Yard Line", "25-Yard Line"};
const char* const KICKOFF_SPOTS[] = {"30-Yard Line", "35-Yard Line", "40-Yard Line"};
// Indexed by preference 197: 0 posts at the back of the end zone, 1 on the goal line.
const char* const GOAL_POSTS[] = {"Back of End Zone", "Front of End Zone"};
const char* const MISSED_FIELD_GOAL_SPOTS[] = {"Kick Location", "Line of Scrimmage", "20-Yard Line"};

constexpr int PERCENT_COMBOS[] = {LE_SALARY_DEMANDS_COMBO, LE_LEAGUE_REVENUE_COMBO, LE_INJURY_FREQUENCY_COMBO,
                                  LE_INJURY_SEVERITY_COMBO, LE_PLAYER_AGING_COMBO,    LE_DRAFT_TALENT_COMBO};

// The rule combos stored straight as their preference (the index).
struct RULE_COMBO {
    int nId;
    int nPreference;
};
constexpr RULE_COMBO PLAIN_RULE_COMBOS[] = {
    {LE_POSSESSION_COMBO, PREF_KICKOFF_CHOICE},           {LE_EXTRA_POINT_COMBO, PREF_CONVERSION_SPOT_RULE},
    {LE_TOUCHBACK_COMBO, PREF_TOUCHBACK_TO_25},           {LE_KICKOFF_COMBO, PREF_KICKOFF_SPOT_RULE},
    {LE_GOAL_POSTS_COMBO, PREF_GOAL_POSTS_ON_GOAL_LINE},  {LE_MISSED_FIELD_GOAL_COMBO, PREF_MISSED_FIELD_GOAL_SPOT_RULE},
};

constexpr int SCHEDULE_MESSAGE_SIZE = 512;

bool Commissioner_Mode()
{
    return Get_User_Preference(PREF_COMMISSIONER_MODE) != 0;
}

int Get_Percent_Setting(int nCombo)
{
    switch (nCombo) {
    case LE_SALARY_DEMANDS_COMBO:
        return Get_Salary_Demands();
    case LE_LEAGUE_REVENUE_COMBO:
        return Get_Universe_Stat(REVENUE_ADJUSTMENT);
    case LE_INJURY_FREQUENCY_COMBO:
        return Get_Injury_Frequency();
    case LE_INJURY_SEVERITY_COMBO:
        return Get_Injury_Severity();
    case LE_PLAYER_AGING_COMBO:
        return Get_Player_Aging();
    default:
        return Get_Draft_Talent_Setting();
    }
}

void Set_Percent_Setting(int nCombo, int nValue)
{
    switch (nCombo) {
    case LE_SALARY_DEMANDS_COMBO:
        Set_Salary_Demands(nValue);
        break;
    case LE_LEAGUE_REVENUE_COMBO:
        Set_Universe_Stat(REVENUE_ADJUSTMENT, nValue);
        break;
    case LE_INJURY_FREQUENCY_COMBO:
        Set_Injury_Frequency(nValue);
        break;
    case LE_INJURY_SEVERITY_COMBO:
        Set_Injury_Severity(nValue);
        break;
    case LE_PLAYER_AGING_COMBO:
        Set_Player_Aging(nValue);
        break;
    default:
        Set_Draft_Talent_Setting(nValue);
        break;
    }
}

void Fill_Combo(DIALOG& Dialog, int nId, const char* const* pEntries, size_t nCount)
{
    Dialog.Clear_Items(nId);
    for (size_t i = 0; i < nCount; ++i)
        Dialog.Add_Item(nId, pEntries[i]);
}
template <size_t N> void Fill_Combo(DIALOG& Dialog, int nId, const char* const (&Entries)[N])
{
    Fill_Combo(Dialog, nId, Entries, N);
}

void Select_Clamped(DIALOG& Dialog, int nId, int nIndex)
{
    const int nLast = Dialog.Item_Count(nId) - 1;
    Dialog.Set_Selected(nId, std::clamp(nIndex, 0, std::max(nLast, 0)));
}

std::string With_Commas(int64_t n)
{
    // The figures shown here always fit an int once stored.
    char szText[32];
    Format_Number_With_Commas(static_cast<int>(std::clamp<int64_t>(n, INT32_MIN, INT32_MAX)), szText);
    return szText;
}

// A typed figure without its "$" and "," read wide, so that nothing wraps
// before its range is checked; not a number reads 0.
int64_t Read_Money(const std::string& Text)
{
    std::string Digits;
    for (char c : Text)
        if (c != '$' && c != ',')
            Digits += c;
    return Read_Bounded_Number(Digits, INT64_MIN / 4, INT64_MAX / 4);
}

// Whether a money field holds an amount: digits, with "$", commas and an
// optional "+" around them, and blanks at either end.
bool Is_Money_Amount(const std::string& Text)
{
    size_t nDigits = 0;
    size_t i = Text.find_first_not_of(" \t");
    if (i == std::string::npos)
        return false;
    if (Text[i] == '+')
        ++i;
    for (; i < Text.size(); ++i) {
        const char c = Text[i];
        if (c >= '0' && c <= '9')
            ++nDigits;
        else if (c != '$' && c != ',')
            break;
    }
    return nDigits > 0 && Text.find_first_not_of(" \t", i) == std::string::npos;
}

// Divisions of one conference holding clubs, by the counts given.
int Conference_Divisions(const int anDivisionTeams[8], int nConference)
{
    int n = 0;
    for (int k = 0; k < 4; ++k)
        if (anDivisionTeams[nConference * 4 + k] > 0)
            ++n;
    return n;
}

int Stored_Games()
{
    return Get_Games_Per_Season();   // stores 17 back for a longer season
}

}  // namespace

const char* Plural_Suffix(int n)
{
    return n > 1 ? "s" : "";
}

bool Is_League_Schedule_Out_Of_Date()
{
    return g_bScheduleOutOfDate;
}

void Flag_League_Schedule()
{
    g_bScheduleOutOfDate = true;
}

bool Can_Edit_League_Structure()
{
    return Commissioner_Mode() && (Is_Season_Complete() || Get_Current_Week() == 0);
}

bool Can_Edit_Wild_Cards()
{
    return Commissioner_Mode() && (Is_Season_Complete() || Get_Current_Week() < Get_First_Playoff_Week());
}

void Get_Division_Team_Counts(int anDivisionTeams[8])
{
    for (int d = 0; d < NUMBER_OF_DIVISIONS; ++d)
        anDivisionTeams[d] = Count_Division_Teams(d);
}

bool Season_Would_Fit(int nTeams, int nGames, const int anDivisionTeams[8], int nWildCards)
{
    char szWhy[SCHEDULE_MESSAGE_SIZE];
    if (Check_Season_Fits_Game_Records(nTeams, nGames, Count_Playoff_Teams_Of_Structure(anDivisionTeams, nWildCards),
                                       szWhy, sizeof(szWhy)))
        return true;
    Show_Message_Box(szWhy, "Season Schedule", BOX_OK | BOX_ICON_EXCLAMATION);
    return false;
}

void Fill_League_Editor_Combos(DIALOG& Dialog)
{
    Fill_City_Combo(Dialog);
    Dialog.Clear_Items(LE_FAN_LOYALTY_COMBO);
    for (int g = 0; g < 14; ++g) {
        char szGrade[8];
        Get_Letter_Grade(g, szGrade);
        Dialog.Add_Item(LE_FAN_LOYALTY_COMBO, szGrade);
    }
    for (int nId : PERCENT_COMBOS) {
        Dialog.Clear_Items(nId);
        for (int i = 0; i <= 20; ++i) {
            const int nPercent = (i - 10) * 10;
            char szEntry[16];
            std::snprintf(szEntry, sizeof(szEntry), nPercent < 0 ? "-%d%%" : "+%d%%", std::abs(nPercent));
            Dialog.Add_Item(nId, szEntry);
        }
    }
    Fill_Combo(Dialog, LE_OVERTIME_RULES_COMBO, OVERTIME_RULES);
    Fill_Combo(Dialog, LE_PLAYOFF_OVERTIME_COMBO, OVERTIME_RULES);
    Fill_Combo(Dialog, LE_PERIOD_LENGTH_COMBO, PERIOD_LENGTHS);
    Fill_Combo(Dialog, LE_POSSESSION_COMBO, POSSESSIONS);
    Fill_Combo(Dialog, LE_EXTRA_POINT_COMBO, EXTRA_POINT_SPOTS);
    Fill_Combo(Dialog, LE_TOUCHBACK_COMBO, TOUCHBACK_SPOTS);
    Fill_Combo(Dialog, LE_KICKOFF_COMBO, KICKOFF_SPOTS);
    Fill_Combo(Dialog, LE_GOAL_POSTS_COMBO, GOAL_POSTS);
    Fill_Combo(Dialog, LE_MISSED_FIELD_GOAL_COMBO, MISSED_FIELD_GOAL_SPOTS);
}

void Load_League_Editor_Settings(DIALOG& Dialog)
{
    const bool bCommissioner = Commissioner_Mode();
    const bool bStructure = Can_Edit_League_Structure();
    for (int l = 0; l < NUMBER_OF_LEAGUES; ++l) {
        char szName[LEAGUE_NAME_SIZE];
        Get_League_Name(l, szName);
        Dialog.Set_Text(l == 0 ? LE_CONFERENCE_0_EDIT : LE_CONFERENCE_1_EDIT, szName);
    }
    for (int d = 0; d < NUMBER_OF_DIVISIONS; ++d) {
        char szName[DIVISION_NAME_SIZE];
        Get_Division_Name(d, szName);
        Dialog.Set_Text(LE_DIVISION_EDITS[d], szName);
    }

    Dialog.Set_Text(LE_GAMES_EDIT, With_Commas(Stored_Games()));
    Dialog.Enable(LE_GAMES_EDIT, bStructure);

    Dialog.Set_Checked(LE_SUPER_BOWL_CHECK, Get_Universe_Word(INTER_LEAGUE_FINAL_WORD) != 0);
    Dialog.Set_Checked(LE_SAME_DIVISION_CHECK, Get_Universe_Word(SECOND_ROUND_DIVISION_RULE_WORD) != 0);
    Dialog.Set_Checked(LE_FICTIONAL_ROOKIES_CHECK, Get_Universe_Word(FICTIONAL_ROOKIES_WORD) != 0);
    Dialog.Set_Checked(LE_OVERTIME_GAMES_CHECK, Get_User_Preference(PREF_REGULAR_SEASON_OVERTIME) != 0);
    Dialog.Set_Checked(LE_TWO_POINT_CHECK, Get_User_Preference(PREF_TWO_POINT_TRIES) != 0);
    for (int nId : {LE_SUPER_BOWL_CHECK, LE_SAME_DIVISION_CHECK, LE_FICTIONAL_ROOKIES_CHECK, LE_OVERTIME_GAMES_CHECK,
                    LE_TWO_POINT_CHECK})
        Dialog.Enable(nId, bCommissioner);

    // Wild cards: brought within the structure's limits first; a league of
    // conferences with fewer than three divisions has none.
    Recount_Wild_Card_Teams();
    int anCounts[8];
    Get_Division_Team_Counts(anCounts);
    const bool bWildCardsUsed = Conference_Divisions(anCounts, 0) >= 3 || Conference_Divisions(anCounts, 1) >= 3;
    if (!bWildCardsUsed) {
        if (Get_Universe_Stat(WILD_CARD_TEAMS) != 0 && Count_Teams() > 0)
            Set_Universe_Stat(WILD_CARD_TEAMS, 0);
        Dialog.Set_Text(LE_WILD_CARDS_EDIT, "0");
        Dialog.Enable(LE_WILD_CARDS_EDIT, false);
    } else {
        Dialog.Set_Text(LE_WILD_CARDS_EDIT, With_Commas(Get_Universe_Stat(WILD_CARD_TEAMS)));
        Dialog.Enable(LE_WILD_CARDS_EDIT, Can_Edit_Wild_Cards());
    }

    Dialog.Set_Text(LE_SALARY_CAP_EDIT, "$" + With_Commas(Get_Universe_Stat(SALARY_CAP)));
    Dialog.Set_Text(LE_INFLATION_EDIT, std::to_string(Get_Universe_Stat(INFLATION_FACTOR)));
    Dialog.Set_Text(LE_START_YEAR_EDIT, std::to_string(Get_Universe_Stat(FIRST_SEASON_YEAR)));
    for (int nId : {LE_SALARY_CAP_EDIT, LE_INFLATION_EDIT, LE_START_YEAR_EDIT})
        Dialog.Enable(nId, bCommissioner);

    for (int nId : PERCENT_COMBOS)
        Select_Clamped(Dialog, nId, (Get_Percent_Setting(nId) + 100) / 10);
    Select_Clamped(Dialog, LE_OVERTIME_RULES_COMBO, Get_User_Preference(PREF_REGULAR_SEASON_OVERTIME_RULE));
    Select_Clamped(Dialog, LE_PLAYOFF_OVERTIME_COMBO, std::max(Get_User_Preference(PREF_PLAYOFF_OVERTIME_RULE), 2));
    Select_Clamped(Dialog, LE_PERIOD_LENGTH_COMBO, (15 - Get_User_Preference(PREF_MINUTES_PER_PERIOD)) / 5);
    for (const RULE_COMBO& Rule : PLAIN_RULE_COMBOS)
        Select_Clamped(Dialog, Rule.nId, Get_User_Preference(Rule.nPreference));
    for (int nId : PERCENT_COMBOS)
        Dialog.Enable(nId, bCommissioner);
    for (int nId : {LE_OVERTIME_RULES_COMBO, LE_PLAYOFF_OVERTIME_COMBO, LE_PERIOD_LENGTH_COMBO})
        Dialog.Enable(nId, bCommissioner);
    for (const RULE_COMBO& Rule : PLAIN_RULE_COMBOS)
        Dialog.Enable(Rule.nId, bCommissioner);
}

namespace {

// Games per season as typed, corrected by the season-length rules with their
// messages; then checked against the GAME records before it is stored.
void Save_Games_Per_Season(DIALOG& Dialog)
{
    if (!Dialog.Is_Enabled(LE_GAMES_EDIT))
        return;
    const int nTeams = Count_Teams();
    const int64_t nTyped = Read_Money(Dialog.Get_Text(LE_GAMES_EDIT));
    int g = static_cast<int>(std::clamp<int64_t>(nTyped, 4, MAX_GAMES_PER_SEASON));
    if (g % 2 != 0 && g < 16)
        --g;
    if (g == 17 && nTeams != 32)
        g = 16;
    if (nTyped < 4)
        Show_Formatted_Message("Invalid Entry",
                               "The schedule must have at least %d games per team.\n\n'Games per season' has been set "
                               "to %d.",
                               4, g);
    else if (nTyped > MAX_GAMES_PER_SEASON)
        Show_Formatted_Message("Invalid Entry",
                               "The schedule must have no more than %d games per team.\n\n'Games per season' has been "
                               "set to %d.",
                               MAX_GAMES_PER_SEASON, g);
    else if (nTyped == 17 && g != 17)
        Show_Formatted_Message("Invalid Entry",
                               "The 17-game schedule can only be used for leagues with 32 teams.\n\n'Games per "
                               "season' has been set to %d.",
                               g);
    else if (nTyped != g)
        Show_Formatted_Message("Invalid Entry",
                               "The number of games per season must be even.\n\n'Season Games' has been set to %d.",
                               g);
    const int nStored = Stored_Games();
    if (g != nStored) {
        int anCounts[8];
        Get_Division_Team_Counts(anCounts);
        if (!Season_Would_Fit(nTeams, g, anCounts, Get_Universe_Stat(WILD_CARD_TEAMS))) {
            Dialog.Set_Text(LE_GAMES_EDIT, With_Commas(nStored));
            return;
        }
        Set_Universe_Stat(GAMES_PER_SEASON, g);
        Flag_League_Schedule();
    }
    Dialog.Set_Text(LE_GAMES_EDIT, With_Commas(g));
}

void Save_Check_Boxes(DIALOG& Dialog)
{
    if (!Dialog.Is_Enabled(LE_SUPER_BOWL_CHECK))
        return;
    Set_Universe_Word(INTER_LEAGUE_FINAL_WORD, Dialog.Is_Checked(LE_SUPER_BOWL_CHECK) ? 1 : 0);
    Set_Universe_Word(SECOND_ROUND_DIVISION_RULE_WORD, Dialog.Is_Checked(LE_SAME_DIVISION_CHECK) ? 1 : 0);
    Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME, Dialog.Is_Checked(LE_OVERTIME_GAMES_CHECK) ? 1 : 0);
    Set_User_Preference(PREF_TWO_POINT_TRIES, Dialog.Is_Checked(LE_TWO_POINT_CHECK) ? 1 : 0);
    const bool bWasOn = Get_Universe_Word(FICTIONAL_ROOKIES_WORD) != 0;
    const bool bOn = Dialog.Is_Checked(LE_FICTIONAL_ROOKIES_CHECK);
    Set_Universe_Word(FICTIONAL_ROOKIES_WORD, bOn ? 1 : 0);
    if (bOn && !bWasOn)
        Prepare_Draft_Pool();
}

// Wild cards held to each conference's limits with their messages, then
// checked against the GAME records.
void Save_Wild_Cards(DIALOG& Dialog)
{
    if (!Dialog.Is_Enabled(LE_WILD_CARDS_EDIT))
        return;
    int w = static_cast<int>(Read_Bounded_Number(Dialog.Get_Text(LE_WILD_CARDS_EDIT), -1000, 1000));
    int anCounts[8];
    Get_Division_Team_Counts(anCounts);
    for (int l = 0; l < NUMBER_OF_LEAGUES; ++l) {
        if (Count_League_Teams(l) == 0)
            continue;
        const int d = std::clamp(Conference_Divisions(anCounts, l), 1, 4);
        const int nMinimum = Get_Wild_Card_Minimum(d);
        const int nMaximum = Get_Wild_Card_Maximum(d);
        if (w < nMinimum) {
            Show_Formatted_Message("Invalid Entry", "Conferences with %d division%s must have at least %d wild card team%s.",
                                   d, Plural_Suffix(d), nMinimum, Plural_Suffix(nMinimum));
            w = nMinimum;
        } else if (w > nMaximum) {
            Show_Formatted_Message("Invalid Entry", "Conferences with %d division%s cannot have more than %d wild card "
                                   "team%s.",
                                   d, Plural_Suffix(d), nMaximum, Plural_Suffix(nMaximum));
            w = nMaximum;
        }
    }
    const int nStored = Get_Universe_Stat(WILD_CARD_TEAMS);
    if (w != nStored && !Season_Would_Fit(Count_Teams(), Stored_Games(), anCounts, w)) {
        Dialog.Set_Text(LE_WILD_CARDS_EDIT, With_Commas(nStored));
        return;
    }
    if (w != nStored)
        Set_Universe_Stat(WILD_CARD_TEAMS, w);   // above 4 reported, and stored all the same
    Dialog.Set_Text(LE_WILD_CARDS_EDIT, With_Commas(w));
}

void Save_Money(DIALOG& Dialog)
{
    if (!Dialog.Is_Enabled(LE_SALARY_CAP_EDIT))
        return;
    int64_t nCap = Read_Money(Dialog.Get_Text(LE_SALARY_CAP_EDIT));
    if (!Is_Money_Amount(Dialog.Get_Text(LE_SALARY_CAP_EDIT))) {
        // Text that is no amount, or one below nothing, would read as 0, which
        // means no cap at all: refused, the cap kept.
        nCap = Get_Universe_Stat(SALARY_CAP);
        Show_Formatted_Message("Invalid Entry",
                               "The salary cap must be an amount of dollars: 0 (no cap) or between $1,000,000 and "
                               "$1,000,000,000. The salary cap is still $%s.",
                               With_Commas(nCap).c_str());
    } else if (nCap != 0 && (nCap < LEAST_SALARY_CAP || nCap > MOST_SALARY_CAP)) {
        nCap = nCap < LEAST_SALARY_CAP ? (nCap <= 0 ? 0 : LEAST_SALARY_CAP) : MOST_SALARY_CAP;
        Show_Formatted_Message("Salary Cap",
                               "The salary cap must be 0 (no cap) or between $1,000,000 and $1,000,000,000. It is "
                               "being set to $%s.",
                               With_Commas(nCap).c_str());
    }
    Set_Universe_Stat(SALARY_CAP, static_cast<int>(nCap));
    Dialog.Set_Text(LE_SALARY_CAP_EDIT, "$" + With_Commas(nCap));

    int64_t nInflation = Read_Money(Dialog.Get_Text(LE_INFLATION_EDIT));
    if (nInflation > MOST_INFLATION_FACTOR) {
        Show_Formatted_Message("Inflation Ratio", "Inflation Factor cannot be higher than %d. It is being set to %d.",
                               MOST_INFLATION_FACTOR, MOST_INFLATION_FACTOR);
        nInflation = MOST_INFLATION_FACTOR;
    } else if (nInflation < LEAST_INFLATION_FACTOR) {
        Show_Formatted_Message("Inflation Ratio", "Inflation Factor cannot be lower than %d. It is being set to %d.",
                               LEAST_INFLATION_FACTOR, LEAST_INFLATION_FACTOR);
        nInflation = LEAST_INFLATION_FACTOR;
    }
    Set_Universe_Stat(INFLATION_FACTOR, static_cast<int>(nInflation));
    Dialog.Set_Text(LE_INFLATION_EDIT, std::to_string(nInflation));
}

void Save_Start_Year(DIALOG& Dialog)
{
    if (!Dialog.Is_Enabled(LE_START_YEAR_EDIT))
        return;
    const int nStored = Get_Universe_Stat(FIRST_SEASON_YEAR);
    int64_t nYear = Read_Bounded_Number(Dialog.Get_Text(LE_START_YEAR_EDIT), INT64_MIN / 4, INT64_MAX / 4);
    if (nYear == nStored)
        return;
    if (nYear < LEAST_START_YEAR || nYear > MOST_START_YEAR) {
        nYear = std::clamp<int64_t>(nYear, LEAST_START_YEAR, MOST_START_YEAR);
        Show_Formatted_Message("Start Year", "The Start Year must be between %d and %d. It is being set to %d.",
                               LEAST_START_YEAR, MOST_START_YEAR, static_cast<int>(nYear));
        if (nYear == nStored) {
            Dialog.Set_Text(LE_START_YEAR_EDIT, std::to_string(nStored));
            return;
        }
    }
    if (Show_Message_Box("Editing the Start Year is a method to create custom databases. This will reset any seasons "
                         "already simulated. OK?",
                         "Start Year", BOX_OKCANCEL | BOX_ICON_QUESTION) != ID_OK) {
        Dialog.Set_Text(LE_START_YEAR_EDIT, std::to_string(nStored));
        return;
    }
    Set_Universe_Stat(FIRST_SEASON_YEAR, static_cast<int>(nYear));
    int64_t nCap = Get_Universe_Stat(SALARY_CAP);
    if (nCap == 0)
        nCap = Get_Season_Salary_Cap(static_cast<int>(nYear) + Get_Current_Season_Index());
    // In 64 bits: a cap of a billion times 1000 does not fit an int.
    const int64_t nInflation = (nCap + 112400) * 1000 / 224800000;
    Set_Universe_Stat(INFLATION_FACTOR,
                      static_cast<int>(std::clamp<int64_t>(nInflation, LEAST_INFLATION_FACTOR, MOST_INFLATION_FACTOR)));
    Set_User_Preference(PREF_SEASON_INDEX, 0);
    Dialog.Set_Text(LE_START_YEAR_EDIT, std::to_string(nYear));
    Dialog.Set_Text(LE_INFLATION_EDIT, std::to_string(Get_Universe_Stat(INFLATION_FACTOR)));
}

void Save_Combos(DIALOG& Dialog)
{
    for (int nId : PERCENT_COMBOS) {
        const int nIndex = Dialog.Get_Selected(nId);
        if (Dialog.Is_Enabled(nId) && nIndex >= 0)
            Set_Percent_Setting(nId, (nIndex - 10) * 10);
    }
    if (!Dialog.Is_Enabled(LE_OVERTIME_RULES_COMBO))
        return;
    auto Store = [&Dialog](int nId, int nPreference) {
        const int nIndex = Dialog.Get_Selected(nId);
        if (nIndex >= 0)
            Set_User_Preference(nPreference, nIndex);
    };
    Store(LE_OVERTIME_RULES_COMBO, PREF_REGULAR_SEASON_OVERTIME_RULE);
    const int nPlayoff = Dialog.Get_Selected(LE_PLAYOFF_OVERTIME_COMBO);
    if (nPlayoff >= 0)
        Set_User_Preference(PREF_PLAYOFF_OVERTIME_RULE, std::max(nPlayoff, 2));
    const int nPeriod = Dialog.Get_Selected(LE_PERIOD_LENGTH_COMBO);
    if (nPeriod >= 0)
        Set_User_Preference(PREF_MINUTES_PER_PERIOD, (3 - nPeriod) * 5);
    for (const RULE_COMBO& Rule : PLAIN_RULE_COMBOS)
        Store(Rule.nId, Rule.nPreference);
}

}  // namespace

void Save_League_Editor_Settings(DIALOG& Dialog)
{
    Set_League_Abbreviation(0, Dialog.Get_Text(LE_CONFERENCE_0_EDIT).c_str());
    Set_League_Abbreviation(1, Dialog.Get_Text(LE_CONFERENCE_1_EDIT).c_str());
    for (int d = 0; d < NUMBER_OF_DIVISIONS; ++d)
        Set_Division_Name(d, Dialog.Get_Text(LE_DIVISION_EDITS[d]).c_str());
    Save_Games_Per_Season(Dialog);
    Save_Check_Boxes(Dialog);
    Save_Wild_Cards(Dialog);
    Save_Money(Dialog);
    Save_Start_Year(Dialog);
    Save_Combos(Dialog);
}

void Move_Division(int nTo, int nFrom)
{
    if (nTo == nFrom || nTo < 0 || nTo >= NUMBER_OF_DIVISIONS || nFrom < 0 || nFrom >= NUMBER_OF_DIVISIONS)
        return;
    for (int t = 0; t < MAX_FRANCHISES; ++t)
        if (Is_Team_Slot_Used(t) && Get_Team_Stat(t, TEAM_STAT_DIVISION) == nFrom)
            Set_Team_Stat(t, TEAM_STAT_DIVISION, nTo);
    char szName[DIVISION_NAME_SIZE];
    Get_Division_Name(nFrom, szName);
    Set_Division_Name(nTo, szName);
    Set_Division_Name(nFrom, "");
}

void Move_Conference(int nTo, int nFrom)
{
    if (nTo == nFrom || nTo < 0 || nTo >= NUMBER_OF_LEAGUES || nFrom < 0 || nFrom >= NUMBER_OF_LEAGUES)
        return;
    for (int k = 0; k < 4; ++k)
        Move_Division(nTo * 4 + k, nFrom * 4 + k);
    char szName[LEAGUE_NAME_SIZE];
    Get_League_Name(nFrom, szName);
    Set_League_Abbreviation(nTo, szName);
    Set_League_Abbreviation(nFrom, "");
    Set_User_Preference(PREF_USER_LEAGUE, nTo);
}

bool Validate_League_Structure(DIALOG& Dialog)
{
    if (std::max(Count_League_Teams(0), Count_League_Teams(1)) > MOST_TEAMS_PER_CONFERENCE) {
        Show_Formatted_Message("Illegal Conference", "No conference may have more than %d teams.",
                               MOST_TEAMS_PER_CONFERENCE);
        return false;
    }
    if (Get_Largest_Division_Size() > MOST_TEAMS_PER_DIVISION) {
        Show_Formatted_Message("Illegal Division", "No division may have more than %d teams.", MOST_TEAMS_PER_DIVISION);
        return false;
    }
    Save_League_Editor_Settings(Dialog);
    Set_Default_League_Names();
    if (Count_League_Teams(0) == 0 && Count_League_Teams(1) > 0)
        Move_Conference(0, 1);
    // One pass: an empty division takes the next one's clubs and name.
    for (int nBase : {0, 4})
        for (int k = 0; k < 3; ++k)
            if (Count_Division_Teams(nBase + k) == 0 && Count_Division_Teams(nBase + k + 1) > 0)
                Move_Division(nBase + k, nBase + k + 1);
    Fill_Division_Combo(Dialog);
    Load_League_Editor_Settings(Dialog);
    Show_Division_Team_Counts(Dialog);
    return true;
}

void Show_Division_Team_Counts(DIALOG& Dialog)
{
    for (int d = 0; d < NUMBER_OF_DIVISIONS; ++d) {
        char szText[32];
        std::snprintf(szText, sizeof(szText), "(%d teams)", Count_Division_Teams(d));
        Dialog.Set_Text(LE_DIVISION_COUNT_LABELS[d], szText);
    }
}

void Fill_Week_Combo(DIALOG& Dialog)
{
    Dialog.Clear_Items(LE_WEEK_COMBO);
    for (int w = 1; w <= 18; ++w)
        Dialog.Add_Item(LE_WEEK_COMBO, "Week " + std::to_string(w));
    const int nWeek = Get_Current_Week();
    Dialog.Set_Selected(LE_WEEK_COMBO, std::clamp(nWeek, 0, 17));
    // Only forward, and only within the regular season: in the playoffs and
    // the off-season the week is not the commissioner's.
    Dialog.Enable(LE_WEEK_COMBO, Commissioner_Mode() && nWeek >= 0 && nWeek < Get_First_Playoff_Week());
}

namespace {

void Change_Week(DIALOG& Dialog)
{
    const int nChosen = Dialog.Get_Selected(LE_WEEK_COMBO);
    const int nWeek = Get_Current_Week();
    if (nChosen < 0 || nChosen == nWeek)
        return;
    if (!Commissioner_Mode() || nWeek < 0 || nWeek >= Get_First_Playoff_Week() || nChosen < nWeek ||
        nChosen >= Get_First_Playoff_Week()) {
        Show_Formatted_Message("Current Date",
                               "The current week can only move forward, to a week of the regular season (Week %d to "
                               "Week %d).",
                               nWeek + 1, std::max(Get_First_Playoff_Week(), nWeek + 1));
        Dialog.Set_Selected(LE_WEEK_COMBO, std::clamp(nWeek, 0, 17));
        return;
    }
    Set_Current_Day(nChosen);
}

// "Done", Escape and the close box: everything shown is stored; the dialog
// closes only with at least two clubs, and only then is the schedule built.
void Close_Editor(DIALOG& Dialog)
{
    Save_Team_Info(Dialog);
    Save_League_Editor_Settings(Dialog);
    Sort_Teams_By_City();
    Refresh_Standings();
    if (!Check_Minimum_Teams()) {
        Show_Message_Box("There must always be at least two teams. You must create one or more teams in order to leave "
                         "the League Editor.",
                         "Invalid League", BOX_OK | BOX_ICON_EXCLAMATION);
        Update_Team_Buttons(Dialog);
        Load_Team_Info(Dialog);
        return;
    }
    // A finished season keeps its played schedule: the next season's start
    // builds the new one.
    if (g_bScheduleOutOfDate && !Is_Season_Complete())
        Generate_League_Schedule();
    g_bScheduleOutOfDate = false;
    Dialog.End(1);
}

}  // namespace

bool Check_Minimum_Teams()
{
    return Count_Teams() >= LEAST_TEAMS_IN_LEAGUE;
}

void Warn_League_Editing_Limits()
{
    if (!Is_Season_Complete() && Get_Current_Week() != 0)
        Show_Message_Box("You cannot add or remove teams while a season is in progress.\n\nPlease wait until the end of "
                         "the season to add, move, or remove teams.",
                         "League Editing Disabled", BOX_OK | BOX_ICON_INFORMATION);
    if (!Commissioner_Mode() &&
        Show_Message_Box("Certain aspects of the League Editor are disabled unless you are in Commissioner Mode.\n\n"
                         "Would you like to turn on Commissioner Mode now?",
                         "Team Editing Disabled", BOX_YESNO | BOX_ICON_QUESTION) == ID_YES)
        Set_User_Preference(PREF_COMMISSIONER_MODE, 1);
}

void Show_Inflation_Label(DIALOG& Dialog)
{
    char szText[64];
    std::snprintf(szText, sizeof(szText), "Inflation Factor: (%d Season = '1000')", 2023);
    Dialog.Set_Text(LE_INFLATION_LABEL, szText);
}

void League_Editor_Dialog_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        Count_Teams();
        Warn_League_Editing_Limits();
        Fix_Current_Team_Selection();
        Fill_League_Editor_Combos(Dialog);
        Update_Team_Buttons(Dialog);
        Fill_Division_Combo(Dialog);
        Load_Team_Info(Dialog);
        Load_League_Editor_Settings(Dialog);
        Fill_Week_Combo(Dialog);
        Show_Inflation_Label(Dialog);
        Show_Division_Team_Counts(Dialog);
        g_bScheduleOutOfDate = false;
        return;
    }
    if (nEvent != DIALOG_COMMAND || !Dialog.Is_Change_Command())
        return;
    switch (nControl) {
    case DIALOG_OK:
    case DIALOG_CANCEL:
        Close_Editor(Dialog);
        return;
    case LE_REFRESH_BUTTON:
        Save_Team_Info(Dialog);
        Sort_Teams_By_City();
        Refresh_Standings();
        Update_Team_Buttons(Dialog);
        Save_League_Editor_Settings(Dialog);
        Fill_Division_Combo(Dialog);
        Load_Team_Info(Dialog);
        return;
    case LE_PLAYOFF_OVERTIME_COMBO:
        if (Dialog.Get_Selected(LE_PLAYOFF_OVERTIME_COMBO) < 2) {
            Set_User_Preference(PREF_PLAYOFF_OVERTIME_RULE, 2);
            Dialog.Set_Selected(LE_PLAYOFF_OVERTIME_COMBO, 2);
            Show_Message_Box("Playoff games cannot end in a tie.", "Illegal Option", BOX_OK | BOX_ICON_EXCLAMATION);
        }
        return;
    case LE_WEEK_COMBO:
        Change_Week(Dialog);
        return;
    case LE_HELP_BUTTON:
        Open_Help_Page(LEAGUE_EDITOR_DIALOG);
        return;
    default:
        Handle_League_Editor_Team_Command(Dialog, nControl);
        return;
    }
}
