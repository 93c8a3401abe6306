// The New Game dialog: the season, the franchise, the user's name and title
// and the set-up variations, with the chosen franchise's figures; "&Play"
// starts the new game.

#include <strings.h>

#include <algorithm>
#include <cstdarg>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "editors/fantasy_draft_dialog.h"
#include "editors/options_dialog.h"
#include "base/text_utils.h"
#include "gamefile/game_dialogs.h"
#include "gamefile/game_file.h"
#include "gamefile/new_universe.h"
#include "league/default_settings.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/salary_cap.h"
#include "league/stat_codes.h"
#include "league/player_stats.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "league/team_finances.h"
#include "league/cities.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/resources.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "platform/ui_services.h"
#include "season/player_value.h"
#include "tools/ratings_loader.h"

namespace {

// Seasons from this year on are the present: no replay of history.
constexpr int PRESENT_YEAR = 2023;
constexpr int FAN_MOOD_FIRST_STRING = 13;
constexpr int FAN_MOODS = 8;
constexpr int NOTABLE_PLAYERS = 5;
constexpr int NOTABLE_FIRST_THRESHOLD = 190;
constexpr int NOTABLE_THRESHOLD_STEP = 3;
constexpr int NOTABLE_LAST_THRESHOLD = 101;

// The year of the league that the dialog shows (its last successful load);
// what the Replay Mode box follows.
int g_nShownYear = 0;

// The franchises in the team combo, in its order.
std::vector<int> Franchises()
{
    std::vector<int> Teams;
    for (int t = 0; t < MAX_FRANCHISES; ++t)
        if (Is_Team_Slot_Used(t))
            Teams.push_back(t);
    return Teams;
}

int Selected_Team(const DIALOG& Dialog)
{
    const std::vector<int> Teams = Franchises();
    const int n = Dialog.Get_Selected(NEW_GAME_TEAM);
    return n >= 0 && n < static_cast<int>(Teams.size()) ? Teams[n] : (Teams.empty() ? NO_TEAM : Teams[0]);
}

std::string Nickname(int nTeam)
{
    char szName[TEXT_BUFFER_SIZE] = "";
    if (nTeam >= 0 && nTeam < MAX_FRANCHISES)
        Get_Team_String(szName, nTeam, TEAM_STRING_NICKNAME);
    return szName;
}

// Combo index of the franchise with this nickname (case-insensitive); -1.
int Find_Team_By_Nickname(const std::string& Name)
{
    const std::vector<int> Teams = Franchises();
    for (size_t i = 0; i < Teams.size() && !Name.empty(); ++i)
        if (strcasecmp(Nickname(Teams[i]).c_str(), Name.c_str()) == 0)
            return static_cast<int>(i);
    return -1;
}

void Fill_Team_Combo(DIALOG& Dialog)
{
    DIALOG_CONTROL* pCombo = Dialog.Find(NEW_GAME_TEAM);
    if (pCombo == nullptr)
        return;
    pCombo->Items.clear();
    for (int t : Franchises()) {
        char szCity[TEXT_BUFFER_SIZE] = "";
        Get_Team_String(szCity, t, TEAM_STRING_CITY);
        pCombo->Items.push_back(std::string(szCity) + " " + Nickname(t));
    }
    pCombo->nSelected = pCombo->Items.empty() ? -1 : 0;
}

void Fill_Season_Information(DIALOG& Dialog)
{
    // The title-game text of the season comes with the title-game table of
    // the new-universe set-up; until it is there the label stays empty.
    Dialog.Set_Text(NEW_GAME_SEASON_INFO, "");
}

void Refresh_Team(DIALOG& Dialog)
{
    const int nTeam = Selected_Team(Dialog);
    Fill_Notable_Players(Dialog, nTeam);
    Show_Franchise_Statistics(Dialog, nTeam);
}

int Selected_Year(const DIALOG& Dialog)
{
    const DIALOG_CONTROL* pCombo = Dialog.Find(NEW_GAME_SEASON);
    if (pCombo == nullptr || pCombo->nSelected < 0 || pCombo->nSelected >= static_cast<int>(pCombo->Items.size()))
        return 0;
    return std::atoi(pCombo->Items[pCombo->nSelected].c_str());
}

int Season_Item_Of_Year(const DIALOG& Dialog, int nYear)
{
    const DIALOG_CONTROL* pCombo = Dialog.Find(NEW_GAME_SEASON);
    for (size_t i = 0; pCombo != nullptr && i < pCombo->Items.size(); ++i)
        if (std::atoi(pCombo->Items[i].c_str()) == nYear)
            return static_cast<int>(i);
    return -1;
}

// A season chosen: its league replaces the one in memory. A database that
// does not load leaves the league in memory as it was (the loader keeps it
// and says why). Chosen by the user, the season stays selected and nothing
// can be played until one that loads is chosen (a script's line fails, as
// for a resume that did not load); at the dialog's opening the season whose
// league is shown is selected again.
void Change_Season(DIALOG& Dialog, bool bChosen = true)
{
    const int nYear = Selected_Year(Dialog);
    const std::string Kept = Nickname(Selected_Team(Dialog));
    char szPath[64];
    std::snprintf(szPath, sizeof(szPath), UNIVERSE_DATABASE_FORMAT, nYear);
    if (nYear == 0 || !Load_Universe_Database(szPath)) {
        if (bChosen) {
            const std::string Why = "the league of " + std::to_string(nYear) + " (\"" +
                                    files::Resolve_Path(szPath) + "\") could not be loaded: " + Get_Last_Load_Failure();
            Note_Failed_Game_Load(Why);
            // A script's line that chose it fails there, with the reason.
            if (dialogs::Unattended())
                dialogs::Fail_Action(Dialog, Why);
            Dialog.Enable(NEW_GAME_PLAY, false);
            g_nShownYear = 0;
            return;
        }
        const int nBack = Season_Item_Of_Year(Dialog, g_nShownYear);
        Dialog.Set_Selected(NEW_GAME_SEASON, nBack);
        Dialog.Enable(NEW_GAME_PLAY, nBack >= 0);
        return;
    }
    Dialog.Enable(NEW_GAME_PLAY, true);
    Fill_Team_Combo(Dialog);
    const int nTeams = static_cast<int>(Dialog.Find(NEW_GAME_TEAM)->Items.size());
    Dialog.Set_Selected(NEW_GAME_TEAM, std::clamp(Find_Team_By_Nickname(Kept), 0, std::max(nTeams - 1, 0)));
    Refresh_Team(Dialog);
    Fill_Season_Information(Dialog);
    if (nYear >= PRESENT_YEAR)
        Dialog.Set_Checked(NEW_GAME_REPLAY, false);
    else if (g_nShownYear >= PRESENT_YEAR)
        Dialog.Set_Checked(NEW_GAME_REPLAY, true);
    g_nShownYear = nYear;
}

// The dialog's layout, in dialog units.
constexpr CONTROL_TEMPLATE NEW_GAME_CONTROLS[] = {
    {-1, CONTROL_LABEL, "&Season:", {10, 12, 60, 10}},
    {NEW_GAME_SEASON, CONTROL_COMBO, "", {72, 10, 60, 14}, CS_GROUP},
    {-1, CONTROL_LABEL, "&Team:", {10, 30, 60, 10}},
    {NEW_GAME_TEAM, CONTROL_COMBO, "", {72, 28, 110, 14}},
    {-1, CONTROL_LABEL, "Your &Name:", {10, 48, 60, 10}},
    {NEW_GAME_NAME, CONTROL_EDIT, "", {72, 46, 110, 14}, 0, OWNER_NAME_LIMIT},
    {-1, CONTROL_LABEL, "&Difficulty Level:", {10, 66, 60, 10}},
    {NEW_GAME_TITLE, CONTROL_COMBO, "", {72, 64, 110, 14}},
    {-1, CONTROL_GROUP, "Franchise", {192, 4, 120, 96}},
    {NEW_GAME_FRANCHISE_VALUE, CONTROL_LABEL, "Franchise Value: n/a", {198, 16, 110, 10}},
    {NEW_GAME_STADIUM, CONTROL_LABEL, "Stadium Seats: n/a", {198, 29, 110, 10}},
    {NEW_GAME_FAN_BASE, CONTROL_LABEL, "Fan Base: n/a", {198, 42, 110, 10}},
    {NEW_GAME_FAN_LOYALTY, CONTROL_LABEL, "Fan Loyalty: n/a", {198, 55, 110, 10}},
    {NEW_GAME_FAN_INCOME, CONTROL_LABEL, "Fan Income: n/a", {198, 68, 110, 10}},
    {NEW_GAME_PAYROLL, CONTROL_LABEL, "Salary Total: n/a", {198, 81, 110, 10}},
    {-1, CONTROL_GROUP, "Notable Players", {10, 84, 172, 76}},
    {1020, CONTROL_LABEL, "Player Name (Pos, Age)", {16, 96, 160, 10}},
    {1021, CONTROL_LABEL, "Player Name (Pos, Age)", {16, 108, 160, 10}},
    {1022, CONTROL_LABEL, "Player Name (Pos, Age)", {16, 120, 160, 10}},
    {1024, CONTROL_LABEL, "Player Name (Pos, Age)", {16, 132, 160, 10}},
    {1025, CONTROL_LABEL, "Player Name (Pos, Age)", {16, 144, 160, 10}},
    {NEW_GAME_SEASON_INFO, CONTROL_LABEL, "Season Info", {192, 106, 120, 54}, CS_MULTILINE},
    {NEW_GAME_SHUFFLE, CONTROL_CHECK, "Sh&uffle Players", {10, 168, 90, 10}, CS_GROUP},
    {NEW_GAME_EQUALIZE, CONTROL_CHECK, "&Equalize Cities", {105, 168, 90, 10}},
    {NEW_GAME_FANTASY_DRAFT, CONTROL_CHECK, "&Fantasy Draft", {200, 168, 90, 10}},
    {NEW_GAME_FICTIONAL, CONTROL_CHECK, "Fi&ctional Players", {10, 181, 90, 10}},
    {NEW_GAME_REPLAY, CONTROL_CHECK, "&Replay Mode", {105, 181, 90, 10}},
    {NEW_GAME_PLAY, CONTROL_BUTTON, "&Play", {132, 200, 56, 16}, CS_DEFAULT | CS_GROUP},
    {DIALOG_HELP, CONTROL_BUTTON, "&Help", {194, 200, 56, 16}},
    {DIALOG_CANCEL, CONTROL_BUTTON, "Cancel", {256, 200, 56, 16}},
};
static_assert(NEW_GAME_NOTABLE_LABELS[0] == 1020 && NEW_GAME_NOTABLE_LABELS[4] == 1025);
constexpr DIALOG_TEMPLATE NEW_GAME_TEMPLATE{
    NEW_GAME_DIALOG, "New Game", 322, 224, 0, 0, 0, NEW_GAME_CONTROLS, "newgame"};
// Every control the procedure and its helpers read or write.
constexpr int NEW_GAME_USED_IDS[] = {
    NEW_GAME_SEASON,    NEW_GAME_TEAM,      NEW_GAME_NAME,      NEW_GAME_TITLE,        NEW_GAME_FRANCHISE_VALUE,
    NEW_GAME_STADIUM,   NEW_GAME_FAN_BASE,  NEW_GAME_FAN_LOYALTY, NEW_GAME_FAN_INCOME, NEW_GAME_PAYROLL,
    NEW_GAME_SEASON_INFO, 1020,             1021,               1022,                  1024,
    1025,               NEW_GAME_SHUFFLE,   NEW_GAME_EQUALIZE,  NEW_GAME_FANTASY_DRAFT, NEW_GAME_FICTIONAL,
    NEW_GAME_REPLAY,    NEW_GAME_PLAY,      DIALOG_HELP,        DIALOG_CANCEL,
};
const DIALOG_REGISTRAR NEW_GAME_REGISTRAR(NEW_GAME_DIALOG, NEW_GAME_TEMPLATE, Start_Game_Dialog_Proc,
                                          NEW_GAME_USED_IDS);

void Open(DIALOG& Dialog)
{
    Dialog.Build_Registered();
    Destroy_Status_Bar();
    Show_Main_Page(0);
    // Nothing chosen yet: "&Play" waits for a season's league to load.
    g_nShownYear = 0;
    // Only the seasons whose league exists are offered, the newest chosen.
    DIALOG_CONTROL* pSeasons = Dialog.Find(NEW_GAME_SEASON);
    for (int nYear = FIRST_NEW_GAME_YEAR; nYear <= LAST_NEW_GAME_YEAR; ++nYear) {
        char szPath[64];
        std::snprintf(szPath, sizeof(szPath), UNIVERSE_DATABASE_FORMAT, nYear);
        if (files::File_Exists(szPath))
            pSeasons->Items.push_back(std::to_string(nYear));
    }
    if (pSeasons->Items.empty()) {
        Write_Debug_Log("New Game: no league database in \"%s\".", files::Get_Current_Folder().c_str());
        Dialog.Enable(NEW_GAME_PLAY, false);
    } else {
        pSeasons->nSelected = static_cast<int>(pSeasons->Items.size()) - 1;
        Fill_Team_Combo(Dialog);
        Change_Season(Dialog, false);
    }
    Set_User_Preference(PREF_DIFFICULTY, 0);
    Fill_Title_Combo(Dialog);
    char szOwner[TEXT_BUFFER_SIZE] = "";
    Read_Last_Owner_Name(szOwner, OWNER_NAME_LIMIT + 1);
    Dialog.Set_Text(NEW_GAME_NAME, szOwner);
    // Figures only of a season's league, never of whatever was in memory.
    if (g_nShownYear != 0) {
        Fill_Season_Information(Dialog);
        Refresh_Team(Dialog);
    }
}

void Play(DIALOG& Dialog)
{
    // Only the league of the season selected is ever played.
    if (g_nShownYear == 0 || Selected_Year(Dialog) != g_nShownYear)
        return;
    const int nTeam = Selected_Team(Dialog);
    if (!Is_Team_Slot_Used(nTeam))
        return;
    const int nTitle = std::max(Dialog.Get_Selected(NEW_GAME_TITLE), 0);
    Reset_Team_Controllers();
    Set_Team_Stat(nTeam, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    Set_User_Preference(PREF_USER_TITLE, nTitle);
    Set_User_Preference(PREF_DIFFICULTY, nTitle);
    Set_Universe_Word(REPLAY_MODE_WORD, Dialog.Is_Checked(NEW_GAME_REPLAY) ? 1 : 0);
    // The owner field holds 31 characters; the edit may hold more.
    Set_Team_String(Dialog.Get_Text(NEW_GAME_NAME).substr(0, OWNER_NAME_LIMIT).c_str(), nTeam, TEAM_STRING_OWNER);
    Dialog.End(DIALOG_OK);
    // The year's ratings file, when a user supplied one; then the check-box
    // variations and the difficulty's rating variation.
    Load_Year_Player_Ratings(0);
    Apply_Advanced_Options(Dialog);
    // The year's rules store the year's wild cards over the count the load
    // held to the league's make-up (and said so): held again, the first
    // season plays what was said, and only a different hold is news.
    const int nWildCardsLoaded = Get_Universe_Stat(WILD_CARD_TEAMS);
    Set_Default_Settings();
    Recount_Wild_Card_Teams_And_Tell(Get_Universe_Stat(WILD_CARD_TEAMS), nWildCardsLoaded);
    Set_User_Preference(PREF_MAIN_PAGE, DEFAULT_MAIN_PAGE);
    Write_Debug_Log("Start_Game(TRUE)");
    Setup_New_Universe(1);
    Create_Status_Bar();
    if (Dialog.Is_Checked(NEW_GAME_FANTASY_DRAFT))
        Run_Start_Fantasy_Draft_Dialog();
}

void Command(DIALOG& Dialog, int nControl)
{
    switch (nControl) {
    case NEW_GAME_SEASON:
        Change_Season(Dialog);
        break;
    case NEW_GAME_TEAM:
        Refresh_Team(Dialog);
        break;
    case NEW_GAME_SHUFFLE:
        if (Dialog.Is_Checked(NEW_GAME_SHUFFLE)) {
            Dialog.Set_Checked(NEW_GAME_FICTIONAL, false);
            Dialog.Set_Checked(NEW_GAME_FANTASY_DRAFT, false);
        }
        break;
    case NEW_GAME_FICTIONAL:
    case NEW_GAME_FANTASY_DRAFT:
        if (Dialog.Is_Checked(nControl))
            Dialog.Set_Checked(NEW_GAME_SHUFFLE, false);
        break;
    case NEW_GAME_REPLAY:
        if (Dialog.Is_Checked(NEW_GAME_REPLAY) && League.Universe.nStat[FIRST_SEASON_YEAR] >= PRESENT_YEAR) {
            Show_Message_Box("Replay Mode is only valid for historical seasons.", "Replay Mode", BOX_OK);
            Dialog.Set_Checked(NEW_GAME_REPLAY, false);
        }
        break;
    case NEW_GAME_PLAY:
        Play(Dialog);
        break;
    case DIALOG_CANCEL:
        Dialog.End(DIALOG_CANCEL);
        break;
    case DIALOG_HELP:
        Open_Help_Page(NEW_GAME_DIALOG);
        break;
    default:
        break;
    }
}

std::string Format_Text(const char* szFormat, ...) KELVO_PRINTF(1, 2);
std::string Format_Text(const char* szFormat, ...)
{
    char szText[TEXT_BUFFER_SIZE];
    va_list Args;
    va_start(Args, szFormat);
    std::vsnprintf(szText, sizeof(szText), szFormat, Args);
    va_end(Args);
    return szText;
}

// The score of a player for the notable list; 0 for an empty slot.
int Notable_Score(int nTeam, int nSlot)
{
    if (Get_Player_ID(nTeam, nSlot) == 0)
        return 0;
    const int nNow = static_cast<int>(std::trunc(Get_Player_Overall_Or_Regenerate(nTeam, nSlot)));
    const int nPeak = static_cast<int>(Compute_Player_Potential(nTeam, nSlot));
    const int nScore = nNow + nPeak;
    const int nPosition = Get_Player_Position(nTeam, nSlot);
    if (nSlot == 0 && nPosition == POSITION_QB)
        return nScore + Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_CAREER, STAT_PASSING_YARDS) / 100;
    int nPercent = 100;
    switch (Get_Position_Unit(nPosition)) {
    case UNIT_BACKS: nPercent = 90; break;
    case UNIT_DEFENSE: nPercent = 87; break;
    case UNIT_LINE: nPercent = 82; break;
    case UNIT_KICKERS: nPercent = 78; break;
    default: break;
    }
    return (nScore * nPercent + 50) / 100;
}

}  // namespace

void Show_Franchise_Statistics(DIALOG& Dialog, int nTeam)
{
    if (nTeam < 0 || nTeam >= MAX_FRANCHISES)
        return;
    char szNumber[TEXT_BUFFER_SIZE];
    Format_Number_With_Commas(Get_Team_City_Stat(nTeam, CITY_STAT_REGION_POPULATION), szNumber);
    Dialog.Set_Text(NEW_GAME_FAN_BASE, std::string("Fan Base: ") + szNumber);
    const int nMood = std::clamp(Get_Team_Financial_Stat(nTeam, FINANCE_LOYALTY) / 100 - 6, 0, FAN_MOODS - 1);
    Dialog.Set_Text(NEW_GAME_FAN_LOYALTY, std::string("Fan Loyalty: ") + Get_Resource_String(FAN_MOOD_FIRST_STRING + nMood));
    const int nIncome = Get_Team_City_Stat(nTeam, CITY_STAT_INCOME);
    Dialog.Set_Text(NEW_GAME_FAN_INCOME, Format_Text("Fan Income: $%d,%03d", nIncome / 1000, nIncome % 1000));
    const int nMillions = Compute_Franchise_Value(nTeam) / 1000;
    Dialog.Set_Text(NEW_GAME_FRANCHISE_VALUE,
                    nMillions >= 1000
                        ? Format_Text("Franchise Value: $%d.%02d Billion", nMillions / 1000, nMillions % 1000 / 10)
                        : Format_Text("Franchise Value: $%d Million", nMillions));
    const int nSeats = Get_Team_Stadium_Stat(nTeam, STADIUM_STAT_CAPACITY);
    Dialog.Set_Text(NEW_GAME_STADIUM, Format_Text("Stadium Capacity: %d,%03d", nSeats / 1000, nSeats % 1000));
    const int nPayroll = Get_Team_Financial_Stat(nTeam, FINANCE_PAYROLL);
    Dialog.Set_Text(NEW_GAME_PAYROLL, Format_Text("Player Payroll: $%d.%d Million", nPayroll / 1000, nPayroll % 1000 / 100));
}

void Fill_Notable_Players(DIALOG& Dialog, int nTeam)
{
    for (int nId : NEW_GAME_NOTABLE_LABELS)
        Dialog.Set_Text(nId, "");
    if (nTeam < 0 || nTeam >= MAX_FRANCHISES)
        return;
    int nScore[PLAYERS_PER_TEAM];
    bool bListed[PLAYERS_PER_TEAM] = {};
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
        nScore[s] = Notable_Score(nTeam, s);
    int nFound = 0;
    for (int nThreshold = NOTABLE_FIRST_THRESHOLD; nThreshold >= NOTABLE_LAST_THRESHOLD && nFound < NOTABLE_PLAYERS;
         nThreshold -= NOTABLE_THRESHOLD_STEP) {
        for (int s = 0; s < PLAYERS_PER_TEAM && nFound < NOTABLE_PLAYERS; ++s) {
            if (bListed[s] || nScore[s] <= 0 || nScore[s] < nThreshold)
                continue;
            bListed[s] = true;
            char szName[TEXT_BUFFER_SIZE] = "";
            char szPosition[TEXT_BUFFER_SIZE] = "";
            Get_Player_Full_Name(nTeam, s, szName, sizeof(szName));
            Get_Player_Position_Name(szPosition, sizeof(szPosition), nTeam, s);
            Dialog.Set_Text(NEW_GAME_NOTABLE_LABELS[nFound++],
                            Format_Text("%s (%s, %d)", szName, szPosition, Get_Player_Age(nTeam, s)));
        }
    }
}

void Start_Game_Dialog_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT)
        Open(Dialog);
    else if (nEvent == DIALOG_COMMAND && Dialog.Is_Change_Command())
        Command(Dialog, nControl);
}
