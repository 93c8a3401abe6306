// The League Editor's club half, and the dialog's template.
#include <algorithm>
#include <cstdio>

#include "base/text_utils.h"
#include "editors/league_editor.h"
#include "editors/stat_pickers.h"
#include "frontoffice/list_services.h"
#include "league/cities.h"
#include "league/human_teams.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/stadium_value.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "platform/ui.h"
#include "season/draft_pool.h"
#include "season/expansion_teams.h"

namespace {

// Columns: the league's names and figures, the percent and rule combos, the
// club.
constexpr int A = 8;      // first column
constexpr int B = 238;    // second column
constexpr int C = 440;    // club column
constexpr int CL = 84;    // club labels' width
constexpr int CX = C + CL + 2;

constexpr CONTROL_TEMPLATE LEAGUE_EDITOR_CONTROLS[] = {
    // Conferences and divisions.
    {-1, CONTROL_GROUP, "Conference 1", {A, 2, 110, 98}},
    {LE_CONFERENCE_0_EDIT, CONTROL_EDIT, "", {A + 6, 14, 98, 13}, 0, 15},
    {1303, CONTROL_EDIT, "", {A + 6, 32, 56, 13}, 0, 11},
    {1306, CONTROL_LABEL, "", {A + 64, 34, 40, 10}},
    {1304, CONTROL_EDIT, "", {A + 6, 48, 56, 13}, 0, 11},
    {1307, CONTROL_LABEL, "", {A + 64, 50, 40, 10}},
    {1305, CONTROL_EDIT, "", {A + 6, 64, 56, 13}, 0, 11},
    {1308, CONTROL_LABEL, "", {A + 64, 66, 40, 10}},
    {1309, CONTROL_EDIT, "", {A + 6, 80, 56, 13}, 0, 11},
    {1312, CONTROL_LABEL, "", {A + 64, 82, 40, 10}},
    {-1, CONTROL_GROUP, "Conference 2", {A + 114, 2, 110, 98}},
    {LE_CONFERENCE_1_EDIT, CONTROL_EDIT, "", {A + 120, 14, 98, 13}, 0, 15},
    {1310, CONTROL_EDIT, "", {A + 120, 32, 56, 13}, 0, 11},
    {1313, CONTROL_LABEL, "", {A + 178, 34, 40, 10}},
    {1311, CONTROL_EDIT, "", {A + 120, 48, 56, 13}, 0, 11},
    {1314, CONTROL_LABEL, "", {A + 178, 50, 40, 10}},
    {1318, CONTROL_EDIT, "", {A + 120, 64, 56, 13}, 0, 11},
    {1320, CONTROL_LABEL, "", {A + 178, 66, 40, 10}},
    {1319, CONTROL_EDIT, "", {A + 120, 80, 56, 13}, 0, 11},
    {1321, CONTROL_LABEL, "", {A + 178, 82, 40, 10}},
    // Season and money.
    {-1, CONTROL_LABEL, "Season Games:", {A, 108, 62, 10}},
    {LE_GAMES_EDIT, CONTROL_EDIT, "", {A + 64, 106, 30, 13}, 0, 12},
    {-1, CONTROL_LABEL, "Wild Card Teams:", {A + 114, 108, 70, 10}},
    {LE_WILD_CARDS_EDIT, CONTROL_EDIT, "", {A + 186, 106, 30, 13}, 0, 12},
    {-1, CONTROL_LABEL, "Salary Cap (0 = no cap):", {A, 126, 100, 10}},
    {LE_SALARY_CAP_EDIT, CONTROL_EDIT, "", {A + 114, 124, 102, 13}, 0, 24},
    {LE_INFLATION_LABEL, CONTROL_LABEL, "", {A, 144, 140, 10}},
    {LE_INFLATION_EDIT, CONTROL_EDIT, "", {A + 176, 142, 40, 13}, 0, 16},
    {-1, CONTROL_LABEL, "Start Year:", {A, 162, 62, 10}},
    {LE_START_YEAR_EDIT, CONTROL_EDIT, "", {A + 64, 160, 40, 13}, 0, 12},
    {-1, CONTROL_LABEL, "Current Date:", {A + 114, 162, 50, 10}},
    {LE_WEEK_COMBO, CONTROL_COMBO, "", {A + 166, 160, 56, 14}},
    {LE_SUPER_BOWL_CHECK, CONTROL_CHECK, "Super Bowl", {A, 182, 110, 12}},
    {LE_FICTIONAL_ROOKIES_CHECK, CONTROL_CHECK, "Fictional Rookies", {A + 114, 182, 110, 12}},
    {LE_OVERTIME_GAMES_CHECK, CONTROL_CHECK, "Overtime Games", {A, 196, 110, 12}},
    {LE_TWO_POINT_CHECK, CONTROL_CHECK, "2-Point Conversions", {A + 114, 196, 110, 12}},
    {LE_SAME_DIVISION_CHECK, CONTROL_CHECK, "Prohibit Same-Division Matchups in Division Round", {A, 210, 224, 12}},
    // Percent settings and rules.
    {-1, CONTROL_LABEL, "Salary Demands:", {B, 8, 84, 10}},
    {LE_SALARY_DEMANDS_COMBO, CONTROL_COMBO, "", {B + 88, 6, 100, 14}},
    {-1, CONTROL_LABEL, "League Revenue:", {B, 24, 84, 10}},
    {LE_LEAGUE_REVENUE_COMBO, CONTROL_COMBO, "", {B + 88, 22, 100, 14}},
    {-1, CONTROL_LABEL, "Injury Frequency:", {B, 40, 84, 10}},
    {LE_INJURY_FREQUENCY_COMBO, CONTROL_COMBO, "", {B + 88, 38, 100, 14}},
    {-1, CONTROL_LABEL, "Injury Severity:", {B, 56, 84, 10}},
    {LE_INJURY_SEVERITY_COMBO, CONTROL_COMBO, "", {B + 88, 54, 100, 14}},
    {-1, CONTROL_LABEL, "Player Aging:", {B, 72, 84, 10}},
    {LE_PLAYER_AGING_COMBO, CONTROL_COMBO, "", {B + 88, 70, 100, 14}},
    {-1, CONTROL_LABEL, "Draft Talent:", {B, 88, 84, 10}},
    {LE_DRAFT_TALENT_COMBO, CONTROL_COMBO, "", {B + 88, 86, 100, 14}},
    {-1, CONTROL_LABEL, "Overtime Rules:", {B, 108, 84, 10}},
    // The overtime rules are the longest ("6-Point Threshold (no ties)").
    {LE_OVERTIME_RULES_COMBO, CONTROL_COMBO, "", {B + 88, 106, 110, 14}},
    {-1, CONTROL_LABEL, "Playoff Overtime:", {B, 124, 84, 10}},
    {LE_PLAYOFF_OVERTIME_COMBO, CONTROL_COMBO, "", {B + 88, 122, 110, 14}},
    {-1, CONTROL_LABEL, "Overtime Length:", {B, 140, 84, 10}},
    {LE_PERIOD_LENGTH_COMBO, CONTROL_COMBO, "", {B + 88, 138, 100, 14}},
    {-1, CONTROL_LABEL, "Overtime Possession:", {B, 156, 84, 10}},
    {LE_POSSESSION_COMBO, CONTROL_COMBO, "", {B + 88, 154, 100, 14}},
    {-1, CONTROL_LABEL, "Extra Point Hash Mark:", {B, 172, 84, 10}},
    {LE_EXTRA_POINT_COMBO, CONTROL_COMBO, "", {B + 88, 170, 100, 14}},
    {-1, CONTROL_LABEL, "Kick-off Touchbacks:", {B, 188, 84, 10}},
    {LE_TOUCHBACK_COMBO, CONTROL_COMBO, "", {B + 88, 186, 100, 14}},
    {-1, CONTROL_LABEL, "Kick-off Location:", {B, 204, 84, 10}},
    {LE_KICKOFF_COMBO, CONTROL_COMBO, "", {B + 88, 202, 100, 14}},
    {-1, CONTROL_LABEL, "Goal Posts:", {B, 220, 84, 10}},
    {LE_GOAL_POSTS_COMBO, CONTROL_COMBO, "", {B + 88, 218, 100, 14}},
    {-1, CONTROL_LABEL, "Missed Field Goal:", {B, 236, 84, 10}},
    {LE_MISSED_FIELD_GOAL_COMBO, CONTROL_COMBO, "", {B + 88, 234, 100, 14}},
    // The club.
    {LE_TEAM_LIST, CONTROL_LIST, "", {C, 4, 176, 66}},
    {-1, CONTROL_LABEL, "Home:", {C, 76, CL, 10}},
    {LE_HOME_EDIT, CONTROL_EDIT, "", {CX, 74, 88, 13}, 0, 31},
    {-1, CONTROL_LABEL, "Nickname:", {C, 92, CL, 10}},
    {LE_NICKNAME_EDIT, CONTROL_EDIT, "", {CX, 90, 88, 13}, 0, 31},
    {-1, CONTROL_LABEL, "3-Letter Abbreviation:", {C, 108, CL, 10}},
    {LE_ABBREVIATION_EDIT, CONTROL_EDIT, "", {CX, 106, 40, 13}, 0, 31},
    {-1, CONTROL_LABEL, "Home City:", {C, 124, CL, 10}},
    {LE_CITY_COMBO, CONTROL_COMBO, "", {CX, 122, 88, 14}},
    {-1, CONTROL_LABEL, "Division:", {C, 140, CL, 10}},
    {LE_DIVISION_COMBO, CONTROL_COMBO, "", {CX, 138, 88, 14}},
    {-1, CONTROL_LABEL, "Fan Loyalty:", {C, 156, CL, 10}},
    {LE_FAN_LOYALTY_COMBO, CONTROL_COMBO, "", {CX, 154, 40, 14}},
    {-1, CONTROL_LABEL, "Cash:", {C, 172, CL, 10}},
    {LE_CASH_EDIT, CONTROL_EDIT, "", {CX, 170, 88, 13}, 0, 63},
    {-1, CONTROL_LABEL, "Wins:", {C, 188, 24, 10}},
    {LE_WINS_EDIT, CONTROL_EDIT, "", {C + 26, 186, 30, 13}, 0, 12},
    {-1, CONTROL_LABEL, "Losses:", {C + 72, 188, 30, 10}},
    {LE_LOSSES_EDIT, CONTROL_EDIT, "", {C + 104, 186, 30, 13}, 0, 12},
    {LE_COMPUTER_RADIO, CONTROL_RADIO, "Computer", {C, 204, 60, 12}, CS_GROUP},
    {LE_HUMAN_RADIO, CONTROL_RADIO, "Human", {C + 72, 204, 60, 12}},
    {-1, CONTROL_LABEL, "GM Name:", {C, 222, CL, 10}},
    {LE_GM_NAME_EDIT, CONTROL_EDIT, "", {CX, 220, 88, 13}, 0, 31},
    {LE_ERASE_BUTTON, CONTROL_BUTTON, "&Erase This Team", {C, 238, 84, 14}},
    {LE_ADD_BUTTON, CONTROL_BUTTON, "&Add a New Team", {C + 92, 238, 84, 14}},
    {LE_ALL_HUMAN_BUTTON, CONTROL_BUTTON, "All H&uman", {C, 256, 84, 14}},
    {LE_ALL_CPU_BUTTON, CONTROL_BUTTON, "All C&PU", {C + 92, 256, 84, 14}},
    // The dialog's buttons; the hidden Cancel carries Escape and the close
    // box to "Done".
    {LE_REFRESH_BUTTON, CONTROL_BUTTON, "&Refresh", {A, 256, 60, 14}},
    {DIALOG_OK, CONTROL_BUTTON, "&Done", {B + 20, 256, 60, 14}, CS_DEFAULT},
    {LE_HELP_BUTTON, CONTROL_BUTTON, "&Help", {B + 90, 256, 60, 14}},
    {DIALOG_CANCEL, CONTROL_BUTTON, "Done", {0, 0, 1, 1}, CS_HIDDEN},
};
constexpr DIALOG_TEMPLATE LEAGUE_EDITOR_TEMPLATE{
    LEAGUE_EDITOR_DIALOG, "League Editor", 624, 278, 0, 0, 0, LEAGUE_EDITOR_CONTROLS, "leagueeditor"};
constexpr int LEAGUE_EDITOR_USED_IDS[] = {
    LE_CONFERENCE_0_EDIT, LE_CONFERENCE_1_EDIT, 1303, 1304, 1305, 1309, 1310, 1311, 1318, 1319, 1306, 1307, 1308,
    1312, 1313, 1314, 1320, 1321, LE_GAMES_EDIT, LE_WILD_CARDS_EDIT, LE_SALARY_CAP_EDIT, LE_INFLATION_LABEL,
    LE_INFLATION_EDIT, LE_START_YEAR_EDIT, LE_WEEK_COMBO, LE_SUPER_BOWL_CHECK, LE_FICTIONAL_ROOKIES_CHECK,
    LE_OVERTIME_GAMES_CHECK, LE_TWO_POINT_CHECK, LE_SAME_DIVISION_CHECK, LE_SALARY_DEMANDS_COMBO,
    LE_LEAGUE_REVENUE_COMBO, LE_INJURY_FREQUENCY_COMBO, LE_INJURY_SEVERITY_COMBO, LE_PLAYER_AGING_COMBO,
    LE_DRAFT_TALENT_COMBO, LE_OVERTIME_RULES_COMBO, LE_PLAYOFF_OVERTIME_COMBO, LE_PERIOD_LENGTH_COMBO,
    LE_POSSESSION_COMBO, LE_EXTRA_POINT_COMBO, LE_TOUCHBACK_COMBO, LE_KICKOFF_COMBO, LE_GOAL_POSTS_COMBO,
    LE_MISSED_FIELD_GOAL_COMBO, LE_TEAM_LIST, LE_HOME_EDIT, LE_NICKNAME_EDIT, LE_ABBREVIATION_EDIT, LE_CITY_COMBO,
    LE_DIVISION_COMBO, LE_FAN_LOYALTY_COMBO, LE_CASH_EDIT, LE_WINS_EDIT, LE_LOSSES_EDIT, LE_COMPUTER_RADIO,
    LE_HUMAN_RADIO, LE_GM_NAME_EDIT, LE_ERASE_BUTTON, LE_ADD_BUTTON, LE_ALL_HUMAN_BUTTON, LE_ALL_CPU_BUTTON,
    LE_REFRESH_BUTTON, DIALOG_OK, LE_HELP_BUTTON, DIALOG_CANCEL};
const DIALOG_REGISTRAR LEAGUE_EDITOR_REGISTRAR(LEAGUE_EDITOR_DIALOG, LEAGUE_EDITOR_TEMPLATE,
                                               League_Editor_Dialog_Proc, LEAGUE_EDITOR_USED_IDS);

constexpr int FAN_LOYALTY_GRADES = 14;

bool Commissioner_Mode()
{
    return Get_User_Preference(PREF_COMMISSIONER_MODE) != 0;
}

// The club shown: the viewed one when it is a franchise in use.
int Shown_Team()
{
    const int nTeam = Get_User_Preference(PREF_CURRENT_TEAM);
    return nTeam >= 0 && nTeam < Count_Teams() && Is_Team_Slot_Used(nTeam) ? nTeam : NO_TEAM;
}

// The season whose record the editor shows: last season's while the college
// draft runs (this season's has not begun).
int Record_Year()
{
    const int nIndex = Get_Current_Season_Index();
    return Check_Draft_Pool() != 0 && nIndex > 0 ? nIndex - 1 : nIndex;
}

std::string Money_Text(int nValue)
{
    char szText[32];
    Format_Number_With_Commas(nValue, szText);
    return std::string("$") + szText;
}

int64_t Read_Money(const std::string& Text)
{
    std::string Digits;
    for (char c : Text)
        if (c != '$' && c != ',')
            Digits += c;
    return Read_Bounded_Number(Digits, INT64_MIN / 4, INT64_MAX / 4);
}

void Set_User_Team_After_Change()
{
    const int nUser = Get_User_Preference(PREF_SELECTED_TEAM);
    if (Is_Human_Team(nUser))
        return;
    Set_User_Preference(PREF_SELECTED_TEAM, Count_Human_Teams() > 0 ? Get_Nth_Human_Team(0) : -1);
}

void Select_Division(DIALOG& Dialog, int nTeam)
{
    Dialog.Set_Selected(LE_DIVISION_COMBO, nTeam == NO_TEAM ? -1 : Get_Team_Stat(nTeam, TEAM_STAT_DIVISION));
}

void Change_Division(DIALOG& Dialog)
{
    const int nTeam = Shown_Team();
    const int nNew = Dialog.Get_Selected(LE_DIVISION_COMBO);
    if (nTeam == NO_TEAM || nNew < 0 || nNew >= NUMBER_OF_DIVISIONS)
        return;
    const int nOld = Get_Team_Stat(nTeam, TEAM_STAT_DIVISION);
    if (nNew == nOld)
        return;
    int anCounts[8];
    Get_Division_Team_Counts(anCounts);
    if (nOld >= 0 && nOld < NUMBER_OF_DIVISIONS)
        --anCounts[nOld];
    ++anCounts[nNew];
    if (!Season_Would_Fit(Count_Teams(), Get_Games_Per_Season(), anCounts, Get_Universe_Stat(WILD_CARD_TEAMS))) {
        Dialog.Set_Selected(LE_DIVISION_COMBO, nOld);
        return;
    }
    Set_Team_Stat(nTeam, TEAM_STAT_DIVISION, nNew);
    Save_Team_Info(Dialog);
    if (!Validate_League_Structure(Dialog)) {
        Set_Team_Stat(nTeam, TEAM_STAT_DIVISION, nOld);
        Dialog.Set_Selected(LE_DIVISION_COMBO, nOld);
        return;
    }
    Show_Division_Team_Counts(Dialog);
    Flag_League_Schedule();
}

void Add_New_Team(DIALOG& Dialog)
{
    Save_Team_Info(Dialog);
    const int g = Get_Games_Per_Season();
    const int n = Count_Teams();
    int r = g;
    if (g == 17 && n >= 32)
        r = 16;
    else if (g == 16 && n >= 34)
        r = 14;
    if (r != g) {
        char szText[256];
        std::snprintf(szText, sizeof(szText),
                      "The %d-game schedule is limited to %d teams. If you add a team, the season schedule will be "
                      "reduced to %d games.",
                      g, n, r);
        if (User_Message_Dialog("Add New Team", szText, 0, "Add Team", "Abort", nullptr) != ID_YES)
            return;
    }
    const int nDivision = Find_Division_With_Room();
    if (nDivision < 0 || n >= Get_Team_Limit_For_Games(r) || n >= MAX_FRANCHISES) {
        Show_Formatted_Message("Add Team Failed", "Cannot exceed %d teams in database", MAX_FRANCHISES);
        return;
    }
    int anCounts[8];
    Get_Division_Team_Counts(anCounts);
    ++anCounts[nDivision];
    if (!Season_Would_Fit(n + 1, r, anCounts, Get_Universe_Stat(WILD_CARD_TEAMS)))
        return;
    if (r != g) {
        Set_Universe_Stat(GAMES_PER_SEASON, r);
        Load_League_Editor_Settings(Dialog);
    }
    const int nNew = Add_Team_To_League(1);
    if (nNew < 0) {
        Show_Formatted_Message("Add Team Failed", "Cannot exceed %d teams in database", MAX_FRANCHISES);
        return;
    }
    const int nCity = Find_Best_Free_City();
    if (nCity >= 0)
        Set_Team_Stat(nNew, TEAM_STAT_CITY, nCity);
    Set_Team_Stat(nNew, TEAM_STAT_DIVISION, nDivision);
    Set_Team_Stadium_Stat(nNew, STADIUM_STAT_VALUE, Get_Stadium_Value(nNew));
    Count_Teams();
    Set_Selected_Team(nNew);
    Validate_League_Structure(Dialog);
    Update_Team_Buttons(Dialog);
    Fill_Division_Combo(Dialog);
    Load_Team_Info(Dialog);
    Show_Division_Team_Counts(Dialog);
    Flag_League_Schedule();
}

void Erase_Shown_Team(DIALOG& Dialog)
{
    const int nTeam = Shown_Team();
    if (nTeam == NO_TEAM)
        return;
    const int nAnswer = User_Message_Dialog("Erase Team", "Would you like to erase all the team's players?", 0,
                                            "Erase Players", "Move to Free Agent List", "Cancel");
    bool bErased = false;
    if (nAnswer == ID_YES)
        bErased = Erase_Team(nTeam, 1);
    else if (nAnswer == ID_NO)
        bErased = Erase_Team(nTeam, 0);
    if (!bErased)
        return;
    Count_Teams();
    Fix_Current_Team_Selection();
    Set_User_Team_After_Change();
    Validate_League_Structure(Dialog);
    Update_Team_Buttons(Dialog);
    Fill_Division_Combo(Dialog);
    Load_Team_Info(Dialog);
    Show_Division_Team_Counts(Dialog);
    Flag_League_Schedule();
}

}  // namespace

int Get_Fan_Loyalty_Grade(int nLoyalty)
{
    const int64_t nGrade = (static_cast<int64_t>(nLoyalty) + 29) / 59 - 9;
    return static_cast<int>(std::clamp<int64_t>(nGrade, 0, FAN_LOYALTY_GRADES - 1));
}

int Get_Fan_Loyalty_For_Grade(int nGrade)
{
    return 59 * std::clamp(nGrade, 0, FAN_LOYALTY_GRADES - 1) + 531;
}

int Find_Division_With_Room()
{
    for (int d = 0; d < NUMBER_OF_DIVISIONS; ++d)
        if (Count_League_Teams(d / 4) < MOST_TEAMS_PER_CONFERENCE && Count_Division_Teams(d) < MOST_TEAMS_PER_DIVISION)
            return d;
    return -1;
}

void Fill_City_Combo(DIALOG& Dialog)
{
    Dialog.Clear_Items(LE_CITY_COMBO);
    const int nCities = Count_Cities();
    for (int c = 0; c < nCities; ++c) {
        char szName[CITY_NAME_SIZE];
        Get_City_Name(c, szName, sizeof(szName));
        Dialog.Add_Item(LE_CITY_COMBO, szName);
    }
    Dialog.Enable(LE_CITY_COMBO, Commissioner_Mode() && nCities > 0);
}

void Fill_Division_Combo(DIALOG& Dialog)
{
    Dialog.Clear_Items(LE_DIVISION_COMBO);
    for (int d = 0; d < NUMBER_OF_DIVISIONS; ++d) {
        char szName[DIVISION_NAME_SIZE];
        Get_Division_Name(d, szName);
        // Both conferences name their divisions alike ("East"): the entry
        // names the conference too. A division without a name (one holding
        // no club) still needs a visible entry to move a club into.
        char szConference[LEAGUE_NAME_SIZE];
        Get_League_Name(d / (NUMBER_OF_DIVISIONS / NUMBER_OF_LEAGUES), szConference);
        const std::string Division = szName[0] != '\0' ? std::string(szName) : "(Division " + std::to_string(d + 1) + ")";
        Dialog.Add_Item(LE_DIVISION_COMBO, szConference[0] != '\0' ? std::string(szConference) + " " + Division : Division);
    }
    Select_Division(Dialog, Shown_Team());
    Dialog.Enable(LE_DIVISION_COMBO, Can_Edit_League_Structure());
}

void Update_Team_Buttons(DIALOG& Dialog)
{
    Fix_Current_Team_Selection();
    Fill_Roster_List_Control(Dialog);
    const bool bStructure = Can_Edit_League_Structure();
    Dialog.Enable(LE_ERASE_BUTTON, bStructure && Shown_Team() != NO_TEAM);
    Dialog.Enable(LE_ADD_BUTTON, bStructure);
    Dialog.Enable(LE_ALL_HUMAN_BUTTON, Commissioner_Mode());
    Dialog.Enable(LE_ALL_CPU_BUTTON, Commissioner_Mode());
}

void Load_Team_Info(DIALOG& Dialog)
{
    const int nTeam = Shown_Team();
    const bool bStructure = Can_Edit_League_Structure();
    const bool bCommissioner = Commissioner_Mode();
    char szText[32] = "";
    auto Show_String = [&](int nId, int nString) {
        szText[0] = '\0';
        if (nTeam != NO_TEAM)
            Get_Team_String(szText, nTeam, nString);
        Dialog.Set_Text(nId, szText);
    };
    Show_String(LE_HOME_EDIT, TEAM_STRING_CITY);
    Show_String(LE_NICKNAME_EDIT, TEAM_STRING_NICKNAME);
    Show_String(LE_ABBREVIATION_EDIT, TEAM_STRING_ABBREVIATION);
    Show_String(LE_GM_NAME_EDIT, TEAM_STRING_OWNER);
    const bool bTeam = nTeam != NO_TEAM;
    Dialog.Enable(LE_HOME_EDIT, bStructure && bTeam);
    Dialog.Enable(LE_NICKNAME_EDIT, bStructure && bTeam);
    Dialog.Enable(LE_ABBREVIATION_EDIT, bTeam);

    Dialog.Set_Selected(LE_CITY_COMBO, bTeam ? Get_Team_Stat(nTeam, TEAM_STAT_CITY) : -1);
    Dialog.Enable(LE_CITY_COMBO, bCommissioner && bTeam && Count_Cities() > 0);
    Select_Division(Dialog, nTeam);
    Dialog.Enable(LE_DIVISION_COMBO, bStructure && bTeam);
    Dialog.Set_Selected(LE_FAN_LOYALTY_COMBO,
                        bTeam ? Get_Fan_Loyalty_Grade(Get_Team_Financial_Stat(nTeam, FINANCE_LOYALTY)) : -1);
    Dialog.Set_Text(LE_CASH_EDIT, bTeam ? Money_Text(Get_Team_Financial_Stat(nTeam, FINANCE_CASH)) : "");
    const int nYear = Record_Year();
    Dialog.Set_Text(LE_WINS_EDIT, std::to_string(bTeam ? Get_Team_Yearly_Char(nTeam, nYear, YEARLY_WINS) : 0));
    Dialog.Set_Text(LE_LOSSES_EDIT, std::to_string(bTeam ? Get_Team_Yearly_Char(nTeam, nYear, YEARLY_LOSSES) : 0));
    for (int nId : {LE_FAN_LOYALTY_COMBO, LE_CASH_EDIT, LE_COMPUTER_RADIO, LE_HUMAN_RADIO})
        Dialog.Enable(nId, bCommissioner && bTeam);
    // The record is shown only: the games played decide it, and loading a
    // saved game counts it from them again, so a change would not last.
    Dialog.Enable(LE_WINS_EDIT, false);
    Dialog.Enable(LE_LOSSES_EDIT, false);
    const bool bHuman = bTeam && Get_Team_Stat(nTeam, TEAM_STAT_CONTROLLER) == CONTROLLER_USER;
    Dialog.Check_Radio(bHuman ? LE_HUMAN_RADIO : LE_COMPUTER_RADIO);
    Dialog.Enable(LE_GM_NAME_EDIT, bCommissioner && bHuman);
}

void Save_Team_Info(DIALOG& Dialog)
{
    const int nTeam = Shown_Team();
    if (nTeam == NO_TEAM)
        return;
    if (Dialog.Is_Enabled(LE_HOME_EDIT))
        Set_Team_String(Dialog.Get_Text(LE_HOME_EDIT).c_str(), nTeam, TEAM_STRING_CITY);
    if (Dialog.Is_Enabled(LE_NICKNAME_EDIT)) {
        const std::string Nickname = Dialog.Get_Text(LE_NICKNAME_EDIT);
        char szStored[32];
        Get_Team_String(szStored, nTeam, TEAM_STRING_NICKNAME);
        if (Nickname.size() > 13 && Nickname != szStored)
            Show_Formatted_Message("Team Nickname",
                                   "For display purposes, we recommend limiting the team nickname (%s) to 13 "
                                   "characters.",
                                   Nickname.c_str());
        Set_Team_String(Nickname.c_str(), nTeam, TEAM_STRING_NICKNAME);
    }
    if (Dialog.Is_Enabled(LE_ABBREVIATION_EDIT))
        Set_Team_String(Dialog.Get_Text(LE_ABBREVIATION_EDIT).c_str(), nTeam, TEAM_STRING_ABBREVIATION);

    if (Dialog.Is_Enabled(LE_FAN_LOYALTY_COMBO)) {
        const int nGrade = Dialog.Get_Selected(LE_FAN_LOYALTY_COMBO);
        if (nGrade >= 0 && nGrade != Get_Fan_Loyalty_Grade(Get_Team_Financial_Stat(nTeam, FINANCE_LOYALTY)))
            Set_Team_Financial_Stat(nTeam, FINANCE_LOYALTY, Get_Fan_Loyalty_For_Grade(nGrade));
    }
    if (Dialog.Is_Enabled(LE_CASH_EDIT)) {
        // Read wide and range-checked before it is narrowed. A figure left
        // as shown is not stored again (without owner mode the shown cash is
        // the league's standard, not the club's own).
        int64_t nCash = Read_Money(Dialog.Get_Text(LE_CASH_EDIT));
        const int nShown = Get_Team_Financial_Stat(nTeam, FINANCE_CASH);
        if (nCash != nShown) {
            if (nCash > MOST_CASH_TYPED) {
                Show_Formatted_Message("Cash Limit", "No team may have more than %s.", "$1,000,000,000");
                nCash = MOST_CASH_TYPED;
            } else if (nCash < -MOST_CASH_TYPED) {
                Show_Formatted_Message("Debt Limit", "No team may be in debt for more than %s.", "$1,000,000,000");
                nCash = -MOST_CASH_TYPED;
            }
            nCash = std::clamp<int64_t>(nCash, FINANCE_CASH_MINIMUM, FINANCE_CASH_MAXIMUM);
            Set_Team_Financial_Stat(nTeam, FINANCE_CASH, static_cast<int>(nCash));
            Dialog.Set_Text(LE_CASH_EDIT, Money_Text(static_cast<int>(nCash)));
        }
    }
    if (Dialog.Is_Enabled(LE_HUMAN_RADIO)) {
        if (Dialog.Is_Checked(LE_HUMAN_RADIO)) {
            Set_Team_Stat(nTeam, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
            if (Count_Human_Teams() == 1)
                Set_User_Preference(PREF_SELECTED_TEAM, nTeam);
        } else {
            Set_Team_Stat(nTeam, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
            if (Get_User_Preference(PREF_SELECTED_TEAM) == nTeam)
                Set_User_Preference(PREF_SELECTED_TEAM, Count_Human_Teams() > 0 ? Get_Nth_Human_Team(0) : -1);
        }
    }
    if (Dialog.Is_Enabled(LE_GM_NAME_EDIT))
        Set_Team_String(Dialog.Get_Text(LE_GM_NAME_EDIT).c_str(), nTeam, TEAM_STRING_OWNER);
}

bool Handle_League_Editor_Team_Command(DIALOG& Dialog, int nControl)
{
    switch (nControl) {
    case LE_TEAM_LIST: {
        const int nRow = Dialog.Get_Selected(LE_TEAM_LIST);
        if (nRow < 0)
            return true;
        Save_Team_Info(Dialog);
        Set_Selected_Team(static_cast<int>(Dialog.Item_Data(LE_TEAM_LIST, nRow)));
        Select_Division(Dialog, Shown_Team());
        Load_Team_Info(Dialog);
        return true;
    }
    case LE_CITY_COMBO: {
        const int nTeam = Shown_Team();
        const int nCity = Dialog.Get_Selected(LE_CITY_COMBO);
        if (nTeam != NO_TEAM && nCity >= 0 && nCity < Count_Cities())
            Set_Team_Stat(nTeam, TEAM_STAT_CITY, nCity);
        return true;
    }
    case LE_DIVISION_COMBO:
        Change_Division(Dialog);
        return true;
    case LE_HUMAN_RADIO:
        Dialog.Enable(LE_GM_NAME_EDIT, Commissioner_Mode());
        return true;
    case LE_COMPUTER_RADIO: {
        const int nTeam = Shown_Team();
        if (nTeam != NO_TEAM && Is_Human_Team(nTeam) && Count_Human_Teams() == 1)
            Show_Message_Box("You have just eliminated the last human-controlled team. We recommend that you set at "
                             "least one human-controlled before you leave the League Editor.",
                             "League Editor", BOX_OK | BOX_ICON_EXCLAMATION);
        Dialog.Enable(LE_GM_NAME_EDIT, false);
        return true;
    }
    case LE_ALL_HUMAN_BUTTON:
        if (Show_Message_Box("This will convert ALL teams to human control. Continue?", "Human Control",
                             BOX_YESNO | BOX_ICON_QUESTION) == ID_YES) {
            Save_Team_Info(Dialog);
            Set_All_Teams_Controller(CONTROLLER_USER);
            if (!Is_Human_Team(Get_User_Preference(PREF_SELECTED_TEAM)))
                Set_User_Preference(PREF_SELECTED_TEAM, 0);
            Load_Team_Info(Dialog);
        }
        return true;
    case LE_ALL_CPU_BUTTON:
        if (Show_Message_Box("This will convert ALL teams to computer control. Continue?", "Computer Control",
                             BOX_YESNO | BOX_ICON_QUESTION) == ID_YES) {
            Save_Team_Info(Dialog);
            Set_All_Teams_Controller(CONTROLLER_COMPUTER);
            Set_User_Preference(PREF_SELECTED_TEAM, -1);
            Load_Team_Info(Dialog);
        }
        return true;
    case LE_ERASE_BUTTON:
        Erase_Shown_Team(Dialog);
        return true;
    case LE_ADD_BUTTON:
        Add_New_Team(Dialog);
        return true;
    default:
        return false;
    }
}

int Do_League_Editor()
{
    return Do_Dialog(LEAGUE_EDITOR_DIALOG, "League Editor", League_Editor_Dialog_Proc);
}
